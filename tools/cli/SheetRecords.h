#pragma once

#include <cstddef>
#include <string>

#include "cli/PreviewSheet.h"

namespace loomset::tool {

// Adds a record to a preview sheet under its name; motifs, which have none, are labelled with
// their place in the file, counted from 1.
inline void addToSheet(PreviewSheet& sheet, const TnFillPattern& r, std::size_t) {
  sheet.addFill(r);
}
inline void addToSheet(PreviewSheet& sheet, const TnProgrammedPattern& r, std::size_t) {
  sheet.addProgrammed(r);
}
inline void addToSheet(PreviewSheet& sheet, const TnWavePattern& r, std::size_t) {
  sheet.addWave(r);
}
inline void addToSheet(PreviewSheet& sheet, const TnVectorPattern& r, std::size_t) {
  sheet.addVector(r);
}
inline void addToSheet(PreviewSheet& sheet, const TnDirectionPattern& r, std::size_t number) {
  sheet.addDirection("record " + std::to_string(number), r);
}
inline void addToSheet(PreviewSheet& sheet, const TnBezierPattern& r, std::size_t number) {
  sheet.addBezier("record " + std::to_string(number), r);
}

}  // namespace loomset::tool
