#include <cstddef>
#include <functional>
#include <initializer_list>
#include <list>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"
#include "support/BezierTestSupport.h"
#include "support/DirectionPatternTestSupport.h"
#include "support/StreamBytes.h"

namespace {

using Bytes = std::vector<unsigned char>;

// One value of a record's stream, and what reading it whole does to a `State`, which describes
// the record. A step without bytes acts as soon as the read reaches it.
template <class State>
struct Step {
  StreamBytes bytes;
  std::function<void(State&)> effect = nullptr;
};
template <class State>
using Steps = std::vector<Step<State>>;

// Appends `inner` to `steps`, its effects acting on the part of the state that `part` gives.
template <class State, class Inner, class Part>
void appendSteps(Steps<State>& steps, const Steps<Inner>& inner, Part part) {
  for (const Step<Inner>& step : inner) {
    steps.push_back({step.bytes, [effect = step.effect, part](State& state) {
                       if (effect) effect(part(state));
                     }});
  }
}

class BezierProbe : public TnBezierPattern {
 public:
  using TnBezierPattern::curve;
  using TnBezierPattern::referenceLine;
};

// What a failed read must keep: the bytes the record writes, and what it does not write.
template <class Record>
Bytes observed(const Record& record) {
  return written(record);
}
Bytes observed(const DirectionPatternProbe& pattern) {
  Bytes bytes = written(pattern);
  const Bytes box = StreamBytes()
                        .d(pattern.lowerLeft.xval(), pattern.lowerLeft.yval())
                        .d(pattern.upperRight.xval(), pattern.upperRight.yval())
                        .s(pattern.isSkipEndPoint())
                        .bytes();
  bytes.insert(bytes.end(), box.begin(), box.end());
  return bytes;
}
Bytes observed(const BezierProbe& pattern) {
  Bytes bytes = written(pattern);
  bytes.push_back(static_cast<unsigned char>(pattern.isMirrored() + 2 * pattern.isFlipped()));
  return bytes;
}

// Reads every proper prefix of the steps' stream into `make(before)`: each read returns 1 and
// leaves the record that `make` gives for `before` after the effects of the steps read whole.
// The whole stream reads with 0, taking every byte; each of `unknownVersions` in place of its
// first short is refused.
template <class State, class Make>
void expectEveryCutFails(const State& before, const Steps<State>& steps, Make make,
                         std::initializer_list<int> unknownVersions) {
  Bytes full;
  for (const Step<State>& step : steps)
    full.insert(full.end(), step.bytes.bytes().begin(), step.bytes.bytes().end());
  State expected = before;
  std::size_t whole = 0;  // the bytes of the steps applied to `expected`
  auto next = steps.begin();
  for (std::size_t cut = 0; cut < full.size(); ++cut) {
    for (; next != steps.end() && whole + next->bytes.bytes().size() <= cut; ++next) {
      if (next->effect) next->effect(expected);
      whole += next->bytes.bytes().size();
    }
    auto record = make(before);
    EXPECT_EQ(readBytes(record, Bytes(full.begin(), full.begin() + cut)), 1) << "cut " << cut;
    EXPECT_EQ(observed(record), observed(make(expected))) << "cut " << cut;
  }
  auto record = make(before);
  TnMemoryStream in(full);
  EXPECT_EQ(loomset::readRecord(record, in), 0);
  EXPECT_EQ(in.readPosition(), full.size());
  expectVersionsRefused(
      make(before), unknownVersions,
      [&full](int version) {
        Bytes bytes = full;
        bytes[0] = static_cast<unsigned char>(version);
        bytes[1] = static_cast<unsigned char>(version >> 8);
        return bytes;
      },
      [](const auto& r) { return observed(r); });
}

const auto same = [](const auto& state) { return state; };

// `bytes` followed by a pair, or by control points 0 to 3, in double or single precision; the
// oldest formats of direction and vector patterns stored doubles.
StreamBytes pairOf(StreamBytes bytes, bool doubles, double x, double y) {
  return doubles ? bytes.d(x, y) : bytes.f(x, y);
}
StreamBytes pointsOf(StreamBytes bytes, bool doubles, const SegmentPoints& s) {
  for (int k = 0; k < 8; k += 2) bytes = pairOf(bytes, doubles, s[k], s[k + 1]);
  return bytes;
}

// A direction pattern of format `version` along `reference`; versions before 3 store no flags.
Steps<DirectionPatternProbe> directionSteps(int version, const TnVector<double>& reference,
                                            const Directions& entries) {
  using Probe = DirectionPatternProbe;
  Steps<Probe> steps = {
      {StreamBytes().s(version)},
      {pairOf({}, version == 1, reference.xval(), reference.yval()),
       [reference](Probe& p) { p.referenceLine = reference; }},
      {StreamBytes().s(static_cast<int>(entries.size())), [](Probe& p) { p.directions.clear(); }}};
  for (auto [vector, flag] : entries) {
    if (version < 3) flag = 0;
    StreamBytes bytes = pairOf({}, version == 1, vector.xval(), vector.yval());
    if (version == 3) bytes.s(flag);
    steps.push_back({bytes, [v = vector, f = flag](Probe& p) { p.directions.emplace_back(v, f); }});
  }
  return steps;
}

// A Bezier pattern of `segments` along `reference`, ending with its closed flag.
Steps<BezierProbe> bezierSteps(const TnVector<double>& reference,
                               std::initializer_list<SegmentPoints> segments, int closed) {
  Steps<BezierProbe> steps = {
      {StreamBytes().s(1)},
      {StreamBytes().f(reference.xval(), reference.yval()),
       [reference](BezierProbe& p) { p.referenceLine = reference; }},
      {StreamBytes().s(static_cast<int>(segments.size())), [](BezierProbe& p) {
         p.curve.getSegments().empty();
         p.curve.setStrictIsClosed(0);
       }}};
  for (const SegmentPoints& s : segments) {
    steps.push_back(
        {pointsOf({}, false, s), [s](BezierProbe& p) { p.curve.getSegments().add(segmentOf(s)); }});
  }
  steps.push_back({StreamBytes().s(closed)});
  return steps;
}

const Directions kEntries = motif({{2, 0.5, 0}, {1.25, -1, 3}, {-0.5, 0.5, -7}});
const std::initializer_list<SegmentPoints> kSegments = {
    {0, 0, 1, 2, 2.5, 2, 4, 0}, {4, 0, 5.5, -1.25, 8, -1, 10, 0}, {10, 0, 11, 1, 13, 1, 14, 0.75}};

// Two segments, closed, mirrored and flipped.
BezierProbe bezierBefore() {
  BezierProbe pattern;
  pattern.setReferenceAndDirections({4, 0}, curveOf({{0, 0, 1, 1, 3, 1, 4, 0}}, 1));
  pattern.mirror();
  pattern.flip();
  return pattern;
}

TEST(MalformedStreamTest, CutFillPatternKeepsTheValuesBeforeTheCut) {
  struct Fill {
    TnString name;
    short length;
    std::vector<unsigned char> offsets;
  };
  Steps<Fill> steps = {{StreamBytes().s(1)},
                       {StreamBytes().str("Cut"), [](Fill& f) { f.name = "Cut"; }},
                       {StreamBytes().s(12), [](Fill& f) { f.length = 12; }},
                       {StreamBytes().s(3)}};
  for (unsigned char offset : {10, 20, 30})
    steps.push_back({StreamBytes().s(offset), [offset](Fill& f) { f.offsets.push_back(offset); }});
  const auto make = [](const Fill& f) {
    TnFillPattern pattern;
    pattern.init(f.name, f.length, static_cast<short>(f.offsets.size()), f.offsets.data());
    return pattern;
  };
  expectEveryCutFails(Fill{"Old", 5, {25, 25, 50}}, steps, make, {});
}

TEST(MalformedStreamTest, CutDirectionPatternKeepsItsReferenceEntriesReadAndOldBox) {
  // Skips its end point, which the entries read would not.
  const DirectionPatternProbe before = patternOf({10, 0}, motif({{3, 0, 0}, {3, 0, 0}}));
  ASSERT_EQ(before.isSkipEndPoint(), 1);
  for (int version : {1, 2, 3}) {
    SCOPED_TRACE(version);
    expectEveryCutFails(before, directionSteps(version, {4, 0.5}, kEntries), same,
                        {0, 4, -1, 32767});
  }
}

TEST(MalformedStreamTest, CutProgrammedPatternKeepsItsNamePairsReadAndThePairBeingRead) {
  struct Programmed {
    TnString name;
    std::list<std::pair<TnString, DirectionPatternProbe>> pairs;
  };
  using Probe = DirectionPatternProbe;
  Steps<Programmed> steps = {{StreamBytes().s(1)},
                             {StreamBytes().str("Kept"), [](Programmed& p) { p.name = "Kept"; }},
                             {StreamBytes().s(2), [](Programmed& p) { p.pairs.clear(); }}};
  // The second motif is stored in the oldest format.
  for (const auto& [thread, version] : {std::pair<TnString, int>{"Red", 3}, {"Blue", 1}}) {
    steps.push_back({StreamBytes(), [](Programmed& p) { p.pairs.emplace_back(); }});
    steps.push_back({StreamBytes().str(thread.bytes()),
                     [thread = thread](Programmed& p) { p.pairs.back().first = thread; }});
    appendSteps(steps, directionSteps(version, {4, 0.5}, kEntries),
                [](Programmed& p) -> Probe& { return p.pairs.back().second; });
  }
  const auto make = [](const Programmed& p) {
    TnProgrammedPattern pattern;
    pattern.rename(p.name);
    pattern.setPatternDescription(TnProgrammedPattern::Description(p.pairs.begin(), p.pairs.end()));
    return pattern;
  };
  expectEveryCutFails(Programmed{"Before", {{"b", Probe()}}}, steps, make, {0, 2, -1, 32767});
}

TEST(MalformedStreamTest, CutBezierPatternKeepsItsReferenceWholeSegmentsAndAnOpenCurve) {
  expectEveryCutFails(bezierBefore(), bezierSteps({14, 0.75}, kSegments, 1), same,
                      {0, 2, -1, 32767});
}

TEST(MalformedStreamTest, CutWavePatternKeepsItsNameAndWhatItsBezierPatternKept) {
  struct Wave {
    TnString name;
    BezierProbe pattern;
  };
  Steps<Wave> steps = {{StreamBytes().s(1)},
                       {StreamBytes().str("W"), [](Wave& w) { w.name = "W"; }}};
  appendSteps(steps, bezierSteps({14, 0.75}, kSegments, 1),
              [](Wave& w) -> BezierProbe& { return w.pattern; });
  const auto make = [](const Wave& w) {
    TnWavePattern wave;
    wave.rename(w.name);
    wave.setPattern(w.pattern);
    return wave;
  };
  expectEveryCutFails(Wave{"Before", bezierBefore()}, steps, make, {0, 2, -1, 32767});
}

TEST(MalformedStreamTest, CutVectorPatternKeepsItsNameDimensionAndWholeCurvesAfterTheOldOnes) {
  TnVectorPattern before;
  before.rename("Old");
  before.setDimension({7, 8});
  before.getCurves().add(curveOf({{9, 9, 9, 8, 8, 8, 8, 9}}));
  // Two segments, none, one.
  const std::vector<std::vector<SegmentPoints>> curves = {
      {*kSegments.begin(), *std::next(kSegments.begin())}, {}, {*std::prev(kSegments.end())}};
  for (int version : {1, 2}) {
    SCOPED_TRACE(version);
    Steps<TnVectorPattern> steps = {
        {StreamBytes().s(version)},
        {StreamBytes().str("New"), [](TnVectorPattern& v) { v.rename("New"); }},
        {StreamBytes().l(10), [](TnVectorPattern& v) { v.setDimension(TnVector<int>(10, 8)); }},
        {StreamBytes().l(-20), [](TnVectorPattern& v) { v.setDimension(TnVector<int>(10, -20)); }},
        {StreamBytes().l(static_cast<long>(curves.size()))}};
    for (const std::vector<SegmentPoints>& segments : curves) {
      StreamBytes bytes = StreamBytes().l(static_cast<long>(segments.size()));
      TnBezierCurve curve;
      for (const SegmentPoints& s : segments) {
        bytes = pointsOf(bytes, version == 1, s);
        curve.getSegments().add(segmentOf(s));
      }
      steps.push_back({bytes, [curve](TnVectorPattern& v) { v.getCurves().add(curve); }});
    }
    expectEveryCutFails(before, steps, same, {0, 3, -1, 32767});
  }
}

}  // namespace
