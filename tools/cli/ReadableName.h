#pragma once

#include <cstddef>
#include <string>

#include "loomset/foundation/TnString.h"
#include "loomset/patterns/RecordIo.h"

namespace loomset::tool {

// A pattern name as UTF-8 text that is safe on a terminal: names are single-byte text (the
// mangling marker 0xBB is the character »), so each printable byte above 0x7F becomes its
// Latin-1 character, and control bytes (C0, DEL and C1) become \xNN escapes.
std::string readableName(const TnString& name);

// The name a person means by UTF-8 `text`: each character up to U+00FF becomes its single byte,
// as readableName shows it; other bytes stay as they are.
TnString storedName(const std::string& text);

// What a record is called on a page: its readable name, or "record N" (N its place in the file,
// from 1) for a motif, which has none, or a record whose name is empty.
template <class Record>
std::string recordTitle(const Record& record, std::size_t number) {
  const TnString name = recordName(record);
  return name.length() > 0 ? readableName(name) : "record " + std::to_string(number);
}

}  // namespace loomset::tool
