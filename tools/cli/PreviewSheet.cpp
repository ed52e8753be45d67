#include "cli/PreviewSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <list>
#include <random>

#include "cli/ReadableName.h"
#include "cli/SvgDocument.h"

namespace loomset::tool {

namespace {

using Point = PreviewDrawing::Point;

constexpr int kMaxRepeats = 12;
constexpr int kMinRepeats = 3;
// Runs are made about this many times as long as they are high, to suit the panel boxes.
constexpr double kRunAspect = 3.0;
constexpr std::size_t kMaxRuns = 8;
constexpr unsigned int kMaxCurves = 200;
constexpr int kFillRows = 8;
constexpr int kFillPointsPerRow = 12;
// Fill rows are drawn this many stitch lengths apart.
constexpr double kFillRowSpacing = 0.6;

// Sheet layout, in pixels.
constexpr std::size_t kColumns = 3;
constexpr double kMargin = 20.0;
constexpr double kCellWidth = 280.0;
constexpr double kGap = 14.0;
constexpr double kPad = 10.0;
constexpr double kTitleHeight = 26.0;
constexpr double kLineHeight = 14.0;
constexpr double kSingleRunHeight = 120.0;
constexpr double kMultiRunHeight = 64.0;
constexpr double kWideRunHeight = 300.0;
constexpr double kInset = 6.0;
constexpr double kSectionHeight = 36.0;
constexpr double kLegendHeight = 24.0;
constexpr double kSheetWidth = 2 * kMargin + kColumns * kCellWidth + (kColumns - 1) * kGap;
constexpr double kWideWidth = kSheetWidth - 2 * kMargin;
constexpr int kTiles = 3;
// Characters that fit a panel's width at the title's and at the small text's size.
constexpr std::size_t kTitleChars = 34;
constexpr std::size_t kLineChars = 46;
constexpr std::size_t kSectionChars = 90;
constexpr std::size_t kWideChars = 140;
// Room kept on a note's line for the grid's label.
constexpr std::size_t kGridChars = 9;

const std::string kSectionText = "font-size=\"16\" font-weight=\"bold\" fill=\"#1c1c1c\"";
const std::string kTitleText = "font-size=\"13\" font-weight=\"bold\" fill=\"#1c1c1c\"";
const std::string kSmallText = "font-size=\"10\" fill=\"#555555\"";
const std::string kEmptyText = "font-size=\"10\" fill=\"#999999\" text-anchor=\"middle\"";
const std::string kGridText = "font-size=\"10\" fill=\"#8a8f98\" text-anchor=\"end\"";
const std::string kCutText = "font-size=\"9\" fill=\"#b03a2e\" text-anchor=\"end\"";
const std::string kPanelStyle = "rx=\"6\" fill=\"#ffffff\" stroke=\"#c9ced6\" stroke-width=\"1\"";
const std::string kBoxStyle = "fill=\"#f6f7f9\"";
const std::string kRuleStyle = "stroke=\"#1c1c1c\" stroke-width=\"1\"";
const char* const kMiddleDot = " \xC2\xB7 ";

// At most `maxChars` characters of UTF-8 `text`, an ellipsis marking a cut.
std::string fitLabel(const std::string& text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++chars > maxChars) return text.substr(0, i) + "\xE2\x80\xA6";
  }
  return text;
}

// A motif's note: its reference line, then how much it holds.
std::string motifNote(const TnVector<double>& reference, const std::string& holds) {
  return "reference line (" + textNumber(reference.xval()) + ", " + textNumber(reference.yval()) +
         ")" + kMiddleDot + holds;
}

std::string countText(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

// Enough repeats to make the run about kRunAspect times as long as the first repeat is high.
int repeatCount(double advance, const PreviewDrawing::Bounds& firstRepeat) {
  const double wanted = std::ceil(kRunAspect * firstRepeat.height() / advance);
  if (!std::isfinite(wanted)) return kMinRepeats;
  return static_cast<int>(std::clamp(wanted, double{kMinRepeats}, double{kMaxRepeats}));
}

PreviewDrawing directionRun(const TnDirectionPattern& motif) {
  PreviewDrawing drawing;
  // Placing a motif without entries would only draw the span itself, which is not the motif.
  if (motif.getForwardDirections().empty()) return drawing;
  Point needle(0.0, 0.0);
  drawing.addNeedlePoint(needle);
  const double advance = motif.getReferenceLine().length();
  if (!PreviewDrawing::isDrawableLength(advance)) {
    // Without a reference line the motif cannot be placed; it is shown once in its own frame.
    drawing.follow(needle, motif.getForwardDirections());
    return drawing;
  }
  int repeats = kMaxRepeats;
  for (int r = 0; r < repeats; ++r) {
    TnDirectionPattern::Directions placed;
    motif.getDirections(Point(r * advance, 0.0), Point((r + 1) * advance, 0.0), 0, placed);
    if (r == 0 && !placed.empty()) drawing.addStart(needle, placed.front().first);
    if (!drawing.follow(needle, placed)) break;
    if (r == 0) repeats = repeatCount(advance, drawing.bounds());
  }
  return drawing;
}

PreviewDrawing bezierRun(const TnBezierPattern& pattern) {
  PreviewDrawing drawing;
  const TnBezierCurve& curve = pattern.getBezierCurve();
  if (curve.length() == 0) return drawing;
  const Point origin(0.0, 0.0);
  std::list<TnVector<double>> advances;
  pattern.getDirections(origin, origin + pattern.getReferenceLine(), 0, 0.0, advances);
  const TnVector<double> advance = advances.empty() ? TnVector<double>() : advances.back();
  // A curve that cannot be moved to the start, or that does not advance, is shown once as it is.
  const Point first = curve[0][0];
  const bool movable = PreviewDrawing::isDrawable(first);
  const bool advancing = movable && PreviewDrawing::isDrawableLength(advance.length());
  // The way the curve sets off: towards its first control point that is not its start.
  const TnBezier& segment = curve[0];
  int toward = 1;
  while (toward < 3 && segment[toward] == first) ++toward;
  drawing.addStart(origin, segment[toward] - first);
  Point start = origin;
  int repeats = advancing ? kMaxRepeats : 1;
  for (int r = 0; r < repeats && drawing.addNeedlePoint(start); ++r) {
    drawing.addCurve(curve, movable ? start - first : TnVector<double>());
    if (r == 0 && advancing) repeats = repeatCount(advance.length(), drawing.bounds());
    start += advance;
  }
  if (advancing) drawing.addNeedlePoint(start);
  return drawing;
}

}  // namespace

void PreviewSheet::addSection(const std::string& title) {
  Panel section;
  section.isSection = true;
  section.title = title;
  panels.push_back(std::move(section));
}

void PreviewSheet::add(const std::string& title, const TnFillPattern& pattern) {
  Panel& panel = addPanel(title);
  const double length = pattern.getStitchLength();
  const std::list<double> offsets = pattern.getOffsets();
  panel.note =
      "stitch length " + textNumber(length) + kMiddleDot +
      (offsets.empty() ? std::string("random") : countText(offsets.size(), "offset", "offsets"));
  panel.runs.emplace_back();
  PreviewDrawing& drawing = panel.runs.back().drawing;
  const double rowLength = length * kFillPointsPerRow;
  if (!PreviewDrawing::isDrawableLength(length) || !PreviewDrawing::isDrawableLength(rowLength))
    return;
  const std::vector<double> fractions(offsets.begin(), offsets.end());
  std::mt19937 rng(42);
  const TnDirectionPattern::Directions row(kFillPointsPerRow - 1,
                                           {TnVector<double>(length, 0.0), 0});
  for (int r = 0; r < kFillRows; ++r) {
    const double fraction = fractions.empty() ? static_cast<double>(rng()) / 4294967296.0
                                              : fractions[r % fractions.size()];
    Point needle(fraction * length, -r * kFillRowSpacing * length);
    if (!drawing.addNeedlePoint(needle) || !drawing.follow(needle, row)) break;
  }
}

void PreviewSheet::add(const std::string& title, const TnDirectionPattern& motif) {
  Panel& panel = addPanel(title);
  panel.note = motifNote(motif.getReferenceLine(),
                         countText(motif.getForwardDirections().size(), "entry", "entries"));
  panel.runs.push_back({std::string(), directionRun(motif)});
}

void PreviewSheet::add(const std::string& title, const TnProgrammedPattern& pattern) {
  Panel& panel = addPanel(title);
  const TnProgrammedPattern::Description& description = pattern.getPatternDescription();
  for (const auto& pair : description) {
    if (panel.runs.size() == kMaxRuns) break;
    panel.runs.push_back({"thread " + readableName(pair.first), directionRun(pair.second)});
  }
  panel.note = countText(description.size(), "run", "runs");
  if (description.size() > kMaxRuns) panel.note += ", the first " + std::to_string(kMaxRuns);
}

void PreviewSheet::add(const std::string& title, const TnWavePattern& pattern) {
  add(title, pattern.getPattern());
}

void PreviewSheet::add(const std::string& title, const TnBezierPattern& pattern) {
  Panel& panel = addPanel(title);
  panel.note = motifNote(pattern.getReferenceLine(),
                         countText(pattern.getBezierCurve().length(), "segment", "segments"));
  panel.runs.push_back({std::string(), bezierRun(pattern)});
}

void PreviewSheet::add(const std::string& title, const TnVectorPattern& pattern) {
  Panel& panel = addPanel(title);
  const TnVector<int>& dimension = pattern.getDimension();
  const TnList<TnBezierCurve>& curves = pattern.getCurves();
  const bool framed = dimension.xval() > 0 && dimension.yval() > 0;
  const bool tiled = tiling && framed;
  panel.note = "dimension " + std::to_string(dimension.xval()) + " x " +
               std::to_string(dimension.yval()) + kMiddleDot +
               countText(curves.length(), "curve", "curves") + (tiled ? ", tiled" : "");
  panel.runs.emplace_back();
  PreviewDrawing& drawing = panel.runs.back().drawing;
  const int tiles = tiled ? kTiles : 1;
  const unsigned int count = std::min(curves.length(), kMaxCurves);
  const Point corner(dimension.xval(), dimension.yval());
  for (int row = 0; row < tiles; ++row) {
    for (int column = 0; column < tiles; ++column) {
      const TnVector<double> offset(column * corner.xval(), row * corner.yval());
      for (unsigned int i = 0; i < count; ++i) drawing.addCurve(curves[i], offset);
      if (framed) drawing.addFrame(Point(0.0, 0.0) + offset, corner + offset);
    }
  }
  if (framed || drawing.isEmpty()) return;
  const PreviewDrawing::Bounds bounds = drawing.bounds();
  drawing.addFrame(Point(bounds.minX, bounds.minY), Point(bounds.maxX, bounds.maxY));
}

void PreviewSheet::addDrawing(const std::string& title, const std::string& note,
                              const PreviewDrawing& drawing) {
  Panel& panel = addPanel(title);
  panel.wide = true;
  panel.note = note;
  panel.runs.push_back({std::string(), drawing});
}

int PreviewSheet::panelCount() const {
  return static_cast<int>(std::count_if(panels.begin(), panels.end(),
                                        [](const Panel& panel) { return !panel.isSection; }));
}

PreviewSheet::Panel& PreviewSheet::addPanel(const std::string& title) {
  panels.emplace_back();
  panels.back().title = title;
  return panels.back();
}

namespace {

double panelWidth(bool wide) { return wide ? kWideWidth : kCellWidth; }

double runHeight(bool wide, std::size_t runs) {
  if (wide) return kWideRunHeight;
  return runs > 1 ? kMultiRunHeight : kSingleRunHeight;
}

}  // namespace

std::vector<double> PreviewSheet::panelScales() const {
  std::vector<double> scales(panels.size(), std::numeric_limits<double>::infinity());
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const Panel& panel = panels[i];
    const double width = panelWidth(panel.wide) - 2 * kPad - 2 * kInset;
    const double height = runHeight(panel.wide, panel.runs.size()) - 2 * kInset;
    for (const Run& run : panel.runs)
      scales[i] = std::min(scales[i], run.drawing.fitScale(width, height));
  }
  if (!oneScale) return scales;
  // Each section, and the panels before the first one, shares the smallest of its scales.
  std::size_t begin = 0;
  while (begin < panels.size()) {
    std::size_t end = begin + 1;
    while (end < panels.size() && !panels[end].isSection) ++end;
    const double shared = *std::min_element(scales.begin() + begin, scales.begin() + end);
    std::fill(scales.begin() + begin, scales.begin() + end, shared);
    begin = end;
  }
  return scales;
}

void PreviewSheet::drawPanel(SvgDocument& svg, const Panel& panel, double x, double y,
                             double height, double scale) {
  const double width = panelWidth(panel.wide);
  svg.rect(x, y, width, height, kPanelStyle);
  svg.text(x + kPad, y + 18.0, fitLabel(panel.title, panel.wide ? kWideChars : kTitleChars),
           kTitleText);
  double top = y + kTitleHeight;
  svg.text(x + width - kPad, top + 4.0, "grid " + textNumber(PreviewDrawing::gridStep(scale)),
           kGridText);
  if (!panel.note.empty()) {
    svg.text(x + kPad, top + 4.0,
             fitLabel(panel.note, panel.wide ? kWideChars : kLineChars - kGridChars), kSmallText);
    top += kLineHeight;
  }
  const double boxWidth = width - 2 * kPad;
  const double boxHeight = runHeight(panel.wide, panel.runs.size());
  const std::vector<Run> placeholder(1);
  const std::vector<Run>& runs = panel.runs.empty() ? placeholder : panel.runs;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (!runs[i].caption.empty()) {
      PreviewDrawing::drawSwatch(svg, x + kPad + 16.0, top + 6.5, i);
      svg.text(x + kPad + 22.0, top + 10.0, fitLabel(runs[i].caption, kLineChars), kSmallText);
      top += kLineHeight;
    }
    svg.rect(x + kPad, top, boxWidth, boxHeight, kBoxStyle);
    if (runs[i].drawing.isEmpty()) {
      svg.text(x + width / 2, top + boxHeight / 2 + 3.0, "nothing to draw", kEmptyText);
    } else {
      runs[i].drawing.draw(svg, x + kPad + kInset, top + kInset, boxWidth - 2 * kInset,
                           boxHeight - 2 * kInset, scale, i);
    }
    if (runs[i].drawing.isCut())
      svg.text(x + kPad + boxWidth - 4.0, top + boxHeight - 4.0, "partly drawn", kCutText);
    top += boxHeight;
  }
}

void PreviewSheet::write(std::ostream& out) const {
  SvgDocument svg;
  PreviewDrawing::drawLegend(svg, kMargin, kMargin + 10.0);
  double y = kMargin + kLegendHeight;
  if (!caption.empty()) {
    svg.text(kMargin, y + 6.0, fitLabel(caption, kWideChars), kSmallText);
    y += kLineHeight + 6.0;
  }
  double bottom = y;
  const std::vector<double> scales = panelScales();
  std::size_t i = 0;
  while (i < panels.size()) {
    if (panels[i].isSection) {
      svg.text(kMargin, y + 22.0, fitLabel(panels[i].title, kSectionChars), kSectionText);
      svg.path("M " + svgNumber(kMargin) + ' ' + svgNumber(y + 29.0) + " H " +
                   svgNumber(kSheetWidth - kMargin),
               kRuleStyle);
      bottom = y + kSectionHeight;
      y = bottom;
      ++i;
      continue;
    }
    // A row: up to kColumns panels, or one wide panel, ended early by a section or a wide panel;
    // its panels share its height.
    std::size_t end = i;
    double rowHeight = 0.0;
    do {
      const Panel& panel = panels[end++];
      double height = kTitleHeight + (panel.note.empty() ? 0.0 : kLineHeight) + kPad;
      height += runHeight(panel.wide, panel.runs.size()) *
                static_cast<double>(std::max<std::size_t>(panel.runs.size(), 1));
      for (const Run& run : panel.runs)
        if (!run.caption.empty()) height += kLineHeight;
      rowHeight = std::max(rowHeight, height);
    } while (!panels[i].wide && end < panels.size() && end - i < kColumns &&
             !panels[end].isSection && !panels[end].wide);
    for (std::size_t k = i; k < end; ++k) {
      const double x = kMargin + static_cast<double>(k - i) * (kCellWidth + kGap);
      drawPanel(svg, panels[k], x, y, rowHeight, scales[k]);
    }
    bottom = y + rowHeight;
    y = bottom + kGap;
    i = end;
  }
  svg.write(out, kSheetWidth, bottom + kMargin);
}

}  // namespace loomset::tool
