#include "cli/Place.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/Files.h"
#include "cli/PreviewSheet.h"
#include "cli/ReadableName.h"
#include "cli/SvgDocument.h"
#include "loomset/catalogue/DefaultCatalogue.h"
#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/foundation/Tolerance.h"

namespace loomset::tool {

namespace {

using Point = TnCoord<double>;
using Vector = TnVector<double>;

// Below this a length is none.
constexpr double kTiny = 1e-9;
// However long the span, no more repeats than this are laid.
constexpr double kMaxRepeats = 1000.0;

template <class Pair>
std::string pointText(const Pair& p) {
  return "(" + textNumber(p.xval()) + ", " + textNumber(p.yval()) + ")";
}

// The first motif of the built-in programmed or lockstitch pattern `name`; false when there is
// none.
bool builtinMotif(const std::string& name, TnDirectionPattern& motif, std::string& label) {
  loomset::loadDefaultCatalogue();
  const TnString stored = storedName(name);
  const TnProgrammedPattern* pattern = gProgrammedPatManager.lookup(stored);
  if (pattern == nullptr) pattern = gLockstitchManager.lookup(stored);
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

// How far one repeat of the motif advances: the length from its start to its end point.
double advanceOf(const TnDirectionPattern& motif) {
  Vector end;
  for (const auto& entry : motif.getForwardDirections()) end = end + entry.first;
  return end.length();
}

// How many repeats of what advance to lay along a span of `length`, scaling the motif for kFit;
// `said` tells it. False, with the reason told on `err`, when the motif cannot be laid so.
bool plan(Layout layout, double length, TnDirectionPattern& motif, double& repeats, double& advance,
          std::string& said, std::ostream& err) {
  const double own = advanceOf(motif);
  if (layout == Layout::kOnce) {
    repeats = 1.0;
    advance = length;
    said = "once, advancing " + textNumber(own) + " (--once); the span's length plays no part";
    return true;
  }
  const char* problem = nullptr;
  if (!(own > kTiny)) problem = "the motif ends where it starts, so repeats do not advance";
  if (!(length > kTiny)) problem = "the span has no length";
  repeats = std::floor(length / own + kTiny);
  if (problem == nullptr && layout == Layout::kRepeat && repeats < 1.0)
    problem = "no whole repeat fits the span";
  if (problem != nullptr) {
    err << "loomset place: " << problem << " (advance " << textNumber(own) << ", span "
        << textNumber(length) << "); lay it " << (layout == Layout::kRepeat ? "--fit or " : "")
        << "--once" << std::endl;
    return false;
  }
  advance = own;
  if (layout == Layout::kFit) {
    repeats = std::max(1.0, std::round(length / own));
    if (repeats <= kMaxRepeats) motif.scalePatternByPercentage(1.0, 1.0, length / repeats, 0);
    advance = advanceOf(motif);
  }
  said = textNumber(repeats) + (repeats == 1.0 ? " repeat of " : " repeats of ") +
         textNumber(advance) +
         (layout == Layout::kFit ? ", scaled by " + textNumber(advance / own) + " (--fit)"
                                 : " (--repeat, the default)") +
         "; " + textNumber(length - repeats * advance) + " of the span left over";
  if (repeats > kMaxRepeats) {
    said += "; only the first " + textNumber(kMaxRepeats) + " are laid";
    repeats = kMaxRepeats;
  }
  return true;
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
  const Vector span = end - start;
  const double length = span.length();
  double repeats = 0.0;
  double advance = 0.0;
  std::string said;
  if (!plan(options.layout, length, motif, repeats, advance, said, err)) return 1;

  const int reverse = options.reverse ? 1 : 0;
  out << "motif: " << label << std::endl;
  out << "span: " << pointText(start) << " -> " << pointText(end) << ", length "
      << textNumber(length) << (options.reverse ? ", reversed" : "")
      << (options.mirror ? ", mirrored" : "") << (options.flip ? ", flipped" : "") << std::endl;
  out << "laid: " << said << std::endl;

  // Each repeat along its own piece of the span, the needle going on from where it stopped.
  const Vector unit = length > kTiny ? span * (1.0 / length) : Vector(1.0, 0.0);
  const Point firstEnd = options.layout == Layout::kOnce ? end : start + unit * advance;
  TnDirectionPattern::Directions placed;
  for (double r = 0.0; r < repeats; ++r) {
    const Point from = start + unit * (r * advance);
    motif.getDirections(from, r == 0.0 ? firstEnd : from + unit * advance, reverse, placed);
  }
  // The box the needle points cover, in the span's frame: along it, and across it to the left.
  const Vector left(-unit.yval(), unit.xval());
  double low[2] = {0.0, 0.0};
  double high[2] = {0.0, 0.0};
  Point needle = start;
  for (const auto& [vector, jump] : placed) {
    needle += vector;
    out << pointText(vector) << (jump != 0 ? " jump" : " stitch") << " -> " << pointText(needle)
        << std::endl;
    const Vector offset = needle - start;
    const double along = offset.xval() * unit.xval() + offset.yval() * unit.yval();
    const double across = offset.xval() * left.xval() + offset.yval() * left.yval();
    low[0] = std::min(low[0], along);
    high[0] = std::max(high[0], along);
    low[1] = std::min(low[1], across);
    high[1] = std::max(high[1], across);
  }
  const std::vector<Point> covered = {
      start + unit * low[0] + left * low[1], start + unit * high[0] + left * low[1],
      start + unit * high[0] + left * high[1], start + unit * low[0] + left * high[1]};
  out << "covers: along " << textNumber(low[0]) << ".." << textNumber(high[0]) << ", across "
      << textNumber(low[1]) << ".." << textNumber(high[1]) << " (left of the span positive):";
  for (const Point& corner : covered) out << " " << pointText(corner);
  out << std::endl;

  Point corners[4];
  motif.getBoundingBox(start, firstEnd, reverse, corners[0], corners[1], corners[2], corners[3]);
  // Along a span without direction the box is not turned, and only its lower-left and upper-right
  // corners are given: the other two follow from them.
  if (isEqual(start, firstEnd, 1e-7) != 0) {
    corners[1] = Point(corners[0].xval(), corners[3].yval());
    corners[2] = Point(corners[3].xval(), corners[0].yval());
  }
  out << "getBoundingBox of the first repeat:";
  for (const int k : {0, 2, 3, 1}) out << " " << pointText(corners[k]);
  out << " (the motif as stored: mirror and flip play no part"
      << (options.reverse ? "; reversed, its x extent read from the other end" : "") << ")"
      << std::endl;
  if (options.svgPath.empty()) return 0;

  PreviewDrawing drawing;
  Point at = start;
  drawing.addNeedlePoint(at);
  if (!placed.empty()) drawing.addStart(at, placed.front().first);
  drawing.follow(at, placed);
  drawing.addOutline({start, end}, false, PreviewDrawing::Outline::kSpan);
  drawing.addOutline(covered, true, PreviewDrawing::Outline::kBox);
  PreviewSheet sheet;
  sheet.addDrawing(label, "laid: " + said + ". Red band: the span; shaded: the box it covers.",
                   drawing);
  if (!writeSheet(sheet, options.svgPath, "place", err)) return 1;
  out << "drew " << options.svgPath << std::endl;
  return 0;
}

}  // namespace loomset::tool
