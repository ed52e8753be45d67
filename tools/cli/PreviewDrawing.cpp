#include "cli/PreviewDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "cli/SvgDocument.h"

namespace loomset::tool {

namespace {

using Point = PreviewDrawing::Point;

// Beyond this a coordinate cannot be drawn beside sensible ones; below kTiny an extent is none.
constexpr double kCoordinateLimit = 1e9;
constexpr double kTiny = 1e-9;
constexpr std::size_t kMaxNeedlePoints = 4000;
constexpr int kMaxCurveSegments = 4000;

const char* const kStitchColours[] = {"#1f5fa8", "#d35400", "#7d3c98",
                                      "#117a65", "#9a7d0a", "#a93226"};
const std::string kLine = "fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\" ";
const std::string kJumpStyle =
    kLine + "stroke=\"#3d4148\" stroke-width=\"1.2\" stroke-dasharray=\"4 3\"";
const std::string kCurveStyle = kLine + "stroke=\"#1e8449\" stroke-width=\"1.6\"";
const std::string kFrameStyle =
    "fill=\"none\" stroke=\"#a0a6ad\" stroke-width=\"1\" stroke-dasharray=\"3 3\"";
const std::string kSpanStyle =
    kLine + "stroke=\"#c0392b\" stroke-opacity=\"0.22\" stroke-width=\"7\"";
const std::string kBoxStyle =
    "fill=\"#c0392b\" fill-opacity=\"0.06\" stroke=\"#c0392b\" stroke-opacity=\"0.45\" "
    "stroke-width=\"1\"";
const std::string kGridStyle = "fill=\"none\" stroke=\"#e2e5e9\" stroke-width=\"1\"";
const std::string kStartStyle = "fill=\"#ffffff\" stroke=\"#1c1c1c\" stroke-width=\"1.4\"";
const std::string kDotStyle = "fill=\"#1c1c1c\"";
constexpr double kDotRadius = 1.8;
constexpr double kStartRadius = 4.0;
// Grid lines are at least this many pixels apart.
constexpr double kGridPixels = 14.0;
constexpr int kMaxGridLines = 200;
const std::string kLegendText = "font-size=\"10\" fill=\"#444444\"";

std::string stitchStyle(std::size_t colour) {
  const std::size_t colours = sizeof kStitchColours / sizeof kStitchColours[0];
  return kLine + "stroke=\"" + kStitchColours[colour % colours] + "\" stroke-width=\"1.4\"";
}

// Pattern units to pixels: one scale, y turned downwards, the bounds centred in the box.
class Fit {
 public:
  Fit(const PreviewDrawing::Bounds& bounds, double x, double y, double width, double height,
      double scale)
      : bounds(bounds),
        scale(scale),
        left(x + (width - scale * bounds.width()) / 2),
        top(y + (height - scale * bounds.height()) / 2) {}

  Point map(const Point& p) const {
    return Point(left + scale * (p.xval() - bounds.minX), top + scale * (bounds.maxY - p.yval()));
  }
  Point unmap(const Point& pixel) const {
    return Point(bounds.minX + (pixel.xval() - left) / scale,
                 bounds.maxY - (pixel.yval() - top) / scale);
  }
  std::string text(const Point& p) const {
    const Point mapped = map(p);
    return svgNumber(mapped.xval()) + ' ' + svgNumber(mapped.yval());
  }

 private:
  const PreviewDrawing::Bounds& bounds;
  double scale;
  double left;
  double top;
};

// Path data for segments; a segment that starts where the last one ended continues its subpath.
std::string polylineData(const std::vector<std::array<Point, 2>>& segments, const Fit& fit) {
  std::string data;
  const Point* last = nullptr;
  for (const auto& segment : segments) {
    if (last == nullptr || *last != segment[0])
      data += (data.empty() ? "M " : " M ") + fit.text(segment[0]);
    data += " L " + fit.text(segment[1]);
    last = &segment[1];
  }
  return data;
}

std::string curveData(const std::vector<Point>& curve, const Fit& fit) {
  std::string data = "M " + fit.text(curve[0]);
  for (std::size_t i = 1; i + 2 < curve.size(); i += 3)
    data +=
        " C " + fit.text(curve[i]) + ' ' + fit.text(curve[i + 1]) + ' ' + fit.text(curve[i + 2]);
  return data;
}

// The smallest of 1, 2 and 5 times a power of ten that is at least `least`.
double niceStep(double least) {
  const double power = std::pow(10.0, std::floor(std::log10(least)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (power * factor >= least) return power * factor;
  }
  return power * 10.0;
}

// Grid lines `step` apart across the box (x, y, width, height) that `fit` maps the drawing into.
std::string gridData(const Fit& fit, double step, double x, double y, double width, double height) {
  const Point low = fit.unmap(Point(x, y + height));
  const Point high = fit.unmap(Point(x + width, y));
  std::string data;
  // Counted, so that steps too fine for the coordinates' precision still end the walk.
  const double firstX = std::ceil(low.xval() / step);
  for (int i = 0; i < kMaxGridLines && (firstX + i) * step <= high.xval(); ++i) {
    data += " M " + svgNumber(fit.map(Point((firstX + i) * step, 0.0)).xval()) + ' ' +
            svgNumber(y) + " V " + svgNumber(y + height);
  }
  const double firstY = std::ceil(low.yval() / step);
  for (int i = 0; i < kMaxGridLines && (firstY + i) * step <= high.yval(); ++i) {
    data += " M " + svgNumber(x) + ' ' +
            svgNumber(fit.map(Point(0.0, (firstY + i) * step)).yval()) + " H " +
            svgNumber(x + width);
  }
  return data;
}

// A ring at the start and an arrowhead beside it, pointing the way the needle sets off.
void drawStart(SvgDocument& svg, const Point& at, const Point& toward) {
  const TnVector<double> way = toward - at;
  const double length = way.length();
  svg.circle(at.xval(), at.yval(), kStartRadius, kStartStyle);
  if (!(length > kTiny)) return;
  const TnVector<double> unit = way * (1.0 / length);
  const TnVector<double> side(-unit.yval(), unit.xval());
  const Point tip = at + unit * 15.0;
  const Point left = at + unit * 7.0 + side * 4.0;
  const Point right = at + unit * 7.0 - side * 4.0;
  svg.path("M " + svgNumber(tip.xval()) + ' ' + svgNumber(tip.yval()) + " L " +
               svgNumber(left.xval()) + ' ' + svgNumber(left.yval()) + " L " +
               svgNumber(right.xval()) + ' ' + svgNumber(right.yval()) + " Z",
           kDotStyle);
}

}  // namespace

void PreviewDrawing::Bounds::include(const Point& p) {
  if (empty) {
    minX = maxX = p.xval();
    minY = maxY = p.yval();
    empty = false;
    return;
  }
  minX = std::min(minX, p.xval());
  maxX = std::max(maxX, p.xval());
  minY = std::min(minY, p.yval());
  maxY = std::max(maxY, p.yval());
}

bool PreviewDrawing::isDrawable(const Point& p) {
  return std::isfinite(p.xval()) && std::isfinite(p.yval()) &&
         std::fabs(p.xval()) <= kCoordinateLimit && std::fabs(p.yval()) <= kCoordinateLimit;
}

bool PreviewDrawing::isDrawableLength(double length) {
  return length > kTiny && length <= kCoordinateLimit;
}

void PreviewDrawing::drawLegend(SvgDocument& svg, double x, double y) {
  const double mid = y - 3.5;
  const auto label = [&](double at, const char* text) { svg.text(at, y, text, kLegendText); };
  svg.path("M " + svgNumber(x) + ' ' + svgNumber(mid) + " l 22 0", stitchStyle(0));
  label(x + 28, "stitch");
  svg.path("M " + svgNumber(x + 70) + ' ' + svgNumber(mid) + " l 22 0", kJumpStyle);
  label(x + 98, "jump");
  svg.circle(x + 140, mid, kDotRadius, kDotStyle);
  label(x + 148, "needle point");
  svg.path("M " + svgNumber(x + 225) + ' ' + svgNumber(mid + 4) + " c 6 -10 14 -10 22 -4",
           kCurveStyle);
  label(x + 253, "curve");
  svg.rect(x + 295, mid - 5, 22, 10, kFrameStyle);
  label(x + 323, "frame");
  drawStart(svg, Point(x + 370, mid), Point(x + 380, mid));
  label(x + 392, "start, and the way the needle sets off");
}

double PreviewDrawing::gridStep(double scale) {
  return niceStep(kGridPixels / (std::isfinite(scale) ? scale : 1.0));
}

void PreviewDrawing::drawSwatch(SvgDocument& svg, double x, double y, std::size_t colour) {
  svg.path("M " + svgNumber(x - 16) + ' ' + svgNumber(y) + " h 16", stitchStyle(colour));
}

bool PreviewDrawing::addNeedlePoint(const Point& p) {
  if (!isDrawable(p) || needlePoints.size() >= kMaxNeedlePoints) {
    cut = true;
    return false;
  }
  needlePoints.push_back(p);
  return true;
}

bool PreviewDrawing::follow(Point& needle, const TnDirectionPattern::Directions& entries) {
  for (const auto& entry : entries) {
    const Point next = needle + entry.first;
    if (!addNeedlePoint(next)) return false;
    (entry.second == 0 ? stitches : jumps).push_back({needle, next});
    needle = next;
  }
  return true;
}

void PreviewDrawing::addCurve(const TnBezierCurve& curve, const TnVector<double>& offset) {
  std::vector<Point> path;
  const auto flush = [&] {
    if (path.size() >= 4) curves.push_back(std::move(path));
    path.clear();
  };
  // Counting down the remaining room bounds the walk however long the curve claims to be.
  const unsigned long room = static_cast<unsigned long>(kMaxCurveSegments - curveSegments);
  if (curve.length() > room) cut = true;
  const int segments = static_cast<int>(std::min(curve.length(), room));
  for (int i = 0; i < segments; ++i) {
    const TnBezier& segment = curve[i];
    Point p[4];
    bool drawable = true;
    for (int k = 0; k < 4; ++k) {
      p[k] = segment[k] + offset;
      drawable = drawable && isDrawable(p[k]);
    }
    if (!drawable) {
      cut = true;
      flush();
      continue;
    }
    if (path.empty() || path.back() != p[0]) {
      flush();
      path.push_back(p[0]);
    }
    path.insert(path.end(), p + 1, p + 4);
    ++curveSegments;
  }
  flush();
}

void PreviewDrawing::addStart(const Point& at, const TnVector<double>& direction) {
  const Point toward = at + direction;
  if (isDrawable(at) && isDrawable(toward)) starts.push_back({at, toward});
}

void PreviewDrawing::addFrame(const Point& a, const Point& b) {
  addOutline({a, Point(b.xval(), a.yval()), b, Point(a.xval(), b.yval())}, true, Outline::kFrame);
}

void PreviewDrawing::addOutline(const std::vector<Point>& corners, bool closed, Outline style) {
  if (!std::all_of(corners.begin(), corners.end(), isDrawable)) {
    cut = true;
    return;
  }
  std::vector<Segment>& lines = outlines[static_cast<std::size_t>(style)];
  for (std::size_t i = 1; i < corners.size(); ++i) lines.push_back({corners[i - 1], corners[i]});
  if (closed && corners.size() > 2) lines.push_back({corners.back(), corners.front()});
}

PreviewDrawing::Bounds PreviewDrawing::bounds() const {
  Bounds bounds;
  for (const auto* segments : {&stitches, &jumps, &outlines[0], &outlines[1], &outlines[2]}) {
    for (const Segment& segment : *segments) {
      bounds.include(segment[0]);
      bounds.include(segment[1]);
    }
  }
  for (const Point& p : needlePoints) bounds.include(p);
  for (const Segment& start : starts) bounds.include(start[0]);
  for (const auto& curve : curves)
    for (const Point& p : curve) bounds.include(p);
  return bounds;
}

double PreviewDrawing::fitScale(double width, double height) const {
  const Bounds box = bounds();
  const double infinite = std::numeric_limits<double>::infinity();
  const double sx = box.width() < kTiny ? infinite : width / box.width();
  const double sy = box.height() < kTiny ? infinite : height / box.height();
  return std::min(sx, sy);
}

void PreviewDrawing::draw(SvgDocument& svg, double x, double y, double width, double height,
                          double scale, std::size_t colour) const {
  const Bounds box = bounds();
  if (box.empty) return;
  const double used = std::isfinite(scale) ? scale : 1.0;
  const Fit fit(box, x, y, width, height, used);
  svg.path(gridData(fit, gridStep(used), x, y, width, height), kGridStyle);
  const std::string* styles[] = {&kFrameStyle, &kSpanStyle, &kBoxStyle};
  for (std::size_t i = 0; i < outlines.size(); ++i)
    svg.path(polylineData(outlines[i], fit), *styles[i]);
  for (const auto& curve : curves) svg.path(curveData(curve, fit), kCurveStyle);
  // Jumps over stitches, dashed, so that a jump that runs back along a stitch shows.
  svg.path(polylineData(stitches, fit), stitchStyle(colour));
  svg.path(polylineData(jumps, fit), kJumpStyle);
  // Dots shrink where stitches are short at this scale, so that neighbours stay apart.
  double shortest = std::numeric_limits<double>::infinity();
  for (const auto* segments : {&stitches, &jumps}) {
    for (const Segment& segment : *segments) {
      const double length = (segment[1] - segment[0]).length();
      if (length > kTiny) shortest = std::min(shortest, length * used);
    }
  }
  const double radius = std::clamp(shortest / 4.0, kDotRadius / 3.0, kDotRadius);
  for (const Point& p : needlePoints) {
    const Point mapped = fit.map(p);
    svg.circle(mapped.xval(), mapped.yval(), radius, kDotStyle);
  }
  for (const Segment& start : starts) drawStart(svg, fit.map(start[0]), fit.map(start[1]));
}

}  // namespace loomset::tool
