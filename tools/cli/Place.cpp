#include "cli/Place.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "cli/FileReading.h"
#include "cli/PreviewSheet.h"
#include "cli/ReadableName.h"
#include "loomset/catalogue/DefaultCatalogue.h"
#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/foundation/Tolerance.h"

namespace loomset::tool {

namespace {

using Point = TnCoord<double>;

// Adding zero turns a negative zero, which a turn can leave, into the zero people expect.
std::string pointText(double x, double y) {
  std::ostringstream text;
  text << "(" << x + 0.0 << ", " << y + 0.0 << ")";
  return text.str();
}

// The first motif of the built-in programmed or lockstitch pattern `name`; false when there is
// none.
bool builtinMotif(const std::string& name, TnDirectionPattern& motif, std::string& label) {
  loomset::loadDefaultCatalogue();
  const TnProgrammedPattern* pattern = gProgrammedPatManager.lookup(name.c_str());
  if (pattern == nullptr) pattern = gLockstitchManager.lookup(name.c_str());
  if (pattern == nullptr || pattern->getPatternDescription().empty()) return false;
  const auto& first = pattern->getPatternDescription().front();
  motif = first.second;
  label = readableName(pattern->getId()) + ", thread " + readableName(first.first);
  return true;
}

// The first record of the file at `path`; false, with the reason told on `err`, when it does not
// read whole.
bool fileMotif(const std::string& path, TnDirectionPattern& motif, std::ostream& err) {
  std::vector<unsigned char> bytes;
  if (!readFile(path, bytes)) {
    err << "loomset place: " << path << ": cannot be read" << std::endl;
    return false;
  }
  std::vector<TnDirectionPattern> records;
  ReadFailure failure;
  if (readRecords(bytes, records, failure, 1) && !records.empty()) {
    motif = records.front();
    return true;
  }
  if (records.empty() && failure.reason.empty()) failure = {1, 0, "empty"};
  reportFailure(err, "place", path, failure);
  return false;
}

}  // namespace

int runPlace(const PlaceOptions& options, std::ostream& out, std::ostream& err) {
  TnDirectionPattern motif;
  std::string label = options.source;
  const std::string prefix(kBuiltinPrefix);
  if (options.source.compare(0, prefix.size(), prefix) == 0) {
    if (!builtinMotif(options.source.substr(prefix.size()), motif, label)) {
      err << "loomset place: no built-in programmed pattern "
          << options.source.substr(prefix.size()) << std::endl;
      return 2;
    }
  } else if (!fileMotif(options.source, motif, err)) {
    return 1;
  }
  if (options.mirror) motif.mirror();
  if (options.flip) motif.flip();

  const Point start(options.x0, options.y0);
  const Point end(options.x1, options.y1);
  const int reverse = options.reverse ? 1 : 0;
  out << "motif: " << label << std::endl;
  out << "span: " << pointText(options.x0, options.y0) << " -> "
      << pointText(options.x1, options.y1) << (options.reverse ? ", reversed" : "")
      << (motif.isMirrored() != 0 ? ", mirrored" : "")
      << (motif.isFlipped() != 0 ? ", flipped" : "") << std::endl;
  TnDirectionPattern::Directions placed;
  motif.getDirections(start, end, reverse, placed);
  Point needle = start;
  for (const auto& [vector, jump] : placed) {
    needle += vector;
    out << pointText(vector.xval(), vector.yval()) << (jump != 0 ? " jump" : " stitch") << " -> "
        << pointText(needle.xval(), needle.yval()) << std::endl;
  }
  Point corners[4];
  motif.getBoundingBox(start, end, reverse, corners[0], corners[1], corners[2], corners[3]);
  // Along a span without direction the box is not turned, and only its lower-left and upper-right
  // corners are given: the other two follow from them.
  if (isEqual(start, end, 1e-7) != 0) {
    corners[1] = Point(corners[0].xval(), corners[3].yval());
    corners[2] = Point(corners[3].xval(), corners[0].yval());
  }
  out << "box:";
  for (const Point& corner : corners) out << " " << pointText(corner.xval(), corner.yval());
  out << std::endl;
  if (options.svgPath.empty()) return 0;

  PreviewDrawing drawing;
  Point at = start;
  drawing.addNeedlePoint(at);
  drawing.follow(at, placed);
  drawing.addOutline({start, end}, false, PreviewDrawing::Outline::kSpan);
  // Lower left, left top, upper right, right bottom: once round the box.
  drawing.addOutline({corners[0], corners[1], corners[3], corners[2]}, true,
                     PreviewDrawing::Outline::kBox);
  PreviewSheet sheet;
  sheet.addDrawing(label, "red: the span; dashed red: the box it covers", drawing);
  std::ofstream picture(options.svgPath);
  sheet.write(picture);
  picture.close();
  if (!picture) {
    err << "loomset place: " << options.svgPath << ": cannot be written" << std::endl;
    return 1;
  }
  out << "drew " << options.svgPath << std::endl;
  return 0;
}

}  // namespace loomset::tool
