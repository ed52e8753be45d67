// Every stream record against one check, a row per record: the exact bytes of its values, a read
// cut at every byte with the effects of the values read whole, a write stopped at every byte,
// unknown versions, and reading over a used record; each through a stream that shows its bytes as
// windows and through one that answers only its calls, as a host's own stream may.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/Shapes.h"
#include "support/StreamBytes.h"

namespace {

// What a read can leave in each record, as plain values.
struct Fill {
  std::string name;
  int length = 0;
  std::vector<int> offsets;
};
struct Motif {
  TnVector<double> reference{1, 0}, lowerLeft{0, 0}, upperRight{1, 0};
  Directions entries = motif({{1, 0, 0}});
  int skip = 0, mirrored = 0, flipped = 0;
};
struct Programmed {
  std::string name;
  std::vector<std::pair<std::string, Motif>> pairs;
};
struct Curve {
  TnVector<double> reference;
  std::vector<TnBezier> segments;
  int closed = 0, mirrored = 0, flipped = 0;
};
struct Wave {
  std::string name;
  Curve pattern;
};
struct Vector {
  std::string name;
  int x = 0, y = 0;
  std::vector<std::vector<TnBezier>> curves;
};

Fill stateOf(const TnFillPattern& r) {
  // The offsets as stored, whatever their range, show only in the printed text.
  std::ostringstream printed;
  r.printTo(printed);
  Fill state{r.getId().bytes(), static_cast<int>(r.getStitchLength()), {}};
  std::istringstream offsets(printed.str().substr(printed.str().find("Offsets:") + 8));
  for (int offset = 0; offsets >> offset;) state.offsets.push_back(offset);
  return state;
}
Motif stateOf(const TnDirectionPattern& r) {
  Motif state{r.getReferenceLine(), {},           {}, r.getForwardDirections(), r.isSkipEndPoint(),
              r.isMirrored(),       r.isFlipped()};
  r.getLLURwrtRef(0, state.lowerLeft, state.upperRight);
  return state;
}
Programmed stateOf(const TnProgrammedPattern& r) {
  Programmed state{r.getId().bytes(), {}};
  for (const auto& [thread, motif] : r.getPatternDescription())
    state.pairs.emplace_back(thread.bytes(), stateOf(motif));
  return state;
}
std::vector<TnBezier> segmentsOf(const TnBezierCurve& curve) {
  std::vector<TnBezier> segments;
  for (unsigned int i = 0; i < curve.length(); ++i) segments.push_back(curve[static_cast<int>(i)]);
  return segments;
}
Curve stateOf(const TnBezierPattern& r) {
  return {r.getReferenceLine(), segmentsOf(r.getBezierCurve()), r.getBezierCurve().strictIsClosed(),
          r.isMirrored(), r.isFlipped()};
}
Wave stateOf(const TnWavePattern& r) { return {r.getId().bytes(), stateOf(r.getPattern())}; }
Vector stateOf(const TnVectorPattern& r) {
  Vector state{r.getId().bytes(), r.getDimension().xval(), r.getDimension().yval(), {}};
  for (unsigned int i = 0; i < r.getCurves().length(); ++i)
    state.curves.push_back(segmentsOf(r.getCurves()[i]));
  return state;
}

// Each state as one line of text, for comparing and for showing what differs.
std::ostream& operator<<(std::ostream& out, const TnVector<double>& v) {
  return out << "(" << v.xval() << "," << v.yval() << ")";
}
std::ostream& operator<<(std::ostream& out, const TnBezier& s) {
  for (int k = 0; k < 4; ++k) out << TnVector<double>(s[k].xval(), s[k].yval());
  return out << " ";
}
template <class T>
std::ostream& operator<<(std::ostream& out, const std::vector<T>& items) {
  for (const T& item : items) out << item << " ";
  return out << "| ";
}
std::ostream& operator<<(std::ostream& out, const Fill& s) {
  return out << s.name << " " << s.length << ": " << s.offsets;
}
std::ostream& operator<<(std::ostream& out, const Motif& s) {
  out << s.reference << " box " << s.lowerLeft << s.upperRight << " skip " << s.skip << " flags "
      << s.mirrored << s.flipped << ":";
  for (const auto& [v, flag] : s.entries) out << " " << v << flag;
  return out;
}
std::ostream& operator<<(std::ostream& out, const Programmed& s) {
  out << s.name;
  for (const auto& [thread, motif] : s.pairs) out << " [" << thread << " " << motif << "]";
  return out;
}
std::ostream& operator<<(std::ostream& out, const Curve& s) {
  return out << s.reference << " closed " << s.closed << " flags " << s.mirrored << s.flipped
             << ": " << s.segments;
}
std::ostream& operator<<(std::ostream& out, const Wave& s) {
  return out << s.name << " " << s.pattern;
}
std::ostream& operator<<(std::ostream& out, const Vector& s) {
  return out << s.name << " " << s.x << "," << s.y << ": " << s.curves;
}
template <class State>
std::string textOf(const State& state) {
  std::ostringstream out;
  out.precision(17);
  out << state;
  return out.str();
}

// One value of a record's stream, and what reading it whole does to the record. A value without
// bytes is a step of the read itself, taken as soon as the read reaches it.
template <class State>
struct Value {
  Bytes bytes;
  std::function<void(State&)> effect;
};
template <class State>
using Values = std::vector<Value<State>>;

template <class State>
Value<State> value(const StreamBytes& bytes, std::function<void(State&)> effect = nullptr) {
  return {bytes.bytes(), std::move(effect)};
}

// Appends `inner`, whose effects act on the part of the state that `part` gives.
template <class State, class Inner, class Part>
void append(Values<State>& values, const Values<Inner>& inner, Part part) {
  for (const Value<Inner>& v : inner) {
    values.push_back({v.bytes, [effect = v.effect, part](State& s) {
                        if (effect) effect(part(s));
                      }});
  }
}

// The check. `rewritten`, when given, is what the newest format makes of an older one.
template <class Record, class State>
void checkStream(const std::string& label, const Record& used, const Values<State>& values,
                 std::initializer_list<int> unknownVersions, const Bytes& rewritten = {}) {
  SCOPED_TRACE(label);
  Bytes full;
  std::vector<std::size_t> ends;
  std::vector<std::size_t> sizes;
  for (const Value<State>& v : values) {
    full.insert(full.end(), v.bytes.begin(), v.bytes.end());
    ends.push_back(full.size());
    if (!v.bytes.empty()) sizes.push_back(v.bytes.size());
  }
  State expected = stateOf(used);
  std::size_t next = 0;
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    for (; next < values.size() && ends[next] <= cut; ++next)
      if (values[next].effect) values[next].effect(expected);
    const Bytes part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
    TnMemoryStream windowed(part);
    CallsOnly calls(part);
    for (TnStream* stream : {static_cast<TnStream*>(&windowed), static_cast<TnStream*>(&calls)}) {
      Record record = used;
      EXPECT_EQ(loomset::readRecord(record, *stream), cut == full.size() ? 0 : 1) << "cut " << cut;
      EXPECT_EQ(textOf(stateOf(record)), textOf(expected)) << "cut " << cut;
    }
    if (cut == full.size()) {
      EXPECT_EQ(windowed.readPosition(), full.size());
      EXPECT_EQ(calls.inner.readPosition(), full.size());
    }
  }
  for (int version : unknownVersions) {
    Bytes bytes = full;
    bytes[0] = static_cast<unsigned char>(version);
    bytes[1] = static_cast<unsigned char>(version >> 8);
    Record record = used;
    TnMemoryStream stream(bytes);
    EXPECT_EQ(loomset::readRecord(record, stream), 2) << "version " << version;
    EXPECT_EQ(stream.readPosition(), 2u) << "version " << version;
    EXPECT_EQ(textOf(stateOf(record)), textOf(stateOf(used))) << "version " << version;
  }

  // A record read afresh writes the stream again, a value per call when the stream shows no
  // window; stopped at any byte, it leaves the values before the one refused, and nothing of it.
  Record fresh;
  ASSERT_EQ(readBytes(fresh, full), 0);
  if (!rewritten.empty()) {
    EXPECT_EQ(written(fresh), rewritten);
    return;
  }
  CallsOnly calls;
  EXPECT_EQ(loomset::writeRecord(fresh, calls), 0);
  EXPECT_EQ(calls.inner.bytes(), full);
  EXPECT_EQ(calls.writes, sizes);
  for (std::size_t limit = 0; limit < full.size(); ++limit) {
    std::size_t whole = 0;
    for (std::size_t end : ends) whole = end <= limit ? end : whole;
    TnMemoryStream windowed;
    CallsOnly limited;
    windowed.setWriteLimit(limit);
    limited.inner.setWriteLimit(limit);
    for (TnStream* stream : {static_cast<TnStream*>(&windowed), static_cast<TnStream*>(&limited)})
      EXPECT_EQ(loomset::writeRecord(fresh, *stream), 1) << "limit " << limit;
    const Bytes start(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(whole));
    EXPECT_EQ(windowed.bytes(), start) << "limit " << limit;
    EXPECT_EQ(limited.inner.bytes(), start) << "limit " << limit;
  }
}

// A motif of format `version` along `reference`, then what finishing the read derives: the box
// and, as these entries end on the x-axis and do not run on into the next repeat, skip 0.
Values<Motif> motifValues(int version, const Directions& entries, const TnVector<double>& lowerLeft,
                          const TnVector<double>& upperRight) {
  const auto pair = [version](double x, double y) {
    return version == 1 ? StreamBytes().d(x, y) : StreamBytes().f(x, y);
  };
  Values<Motif> values = {value<Motif>(StreamBytes().s(version)),
                          value<Motif>(pair(4, 0.5),
                                       [](Motif& m) {
                                         m.reference = {4, 0.5};
                                       }),
                          value<Motif>(StreamBytes().s(static_cast<int>(entries.size())),
                                       [](Motif& m) { m.entries.clear(); })};
  for (const auto& [v, flag] : entries) {
    const std::function<void(Motif&)> add = [v = v, f = version == 3 ? flag : 0](Motif& m) {
      m.entries.emplace_back(v, f);
    };
    values.push_back(value<Motif>(pair(v.xval(), v.yval()), version == 3 ? nullptr : add));
    if (version == 3) values.push_back(value<Motif>(StreamBytes().s(flag), add));
  }
  if (entries.size() >= 3) values.push_back(value<Motif>({}, [](Motif& m) { m.skip = 0; }));
  values.push_back(value<Motif>({}, [lowerLeft, upperRight](Motif& m) {
    m.lowerLeft = lowerLeft;
    m.upperRight = upperRight;
  }));
  return values;
}

// A Bezier pattern of `segments` along (14, 0.75), ending with its closed flag.
Values<Curve> curveValues(std::initializer_list<SegmentPoints> segments, int closed) {
  Values<Curve> values = {
      value<Curve>(StreamBytes().s(1)),
      value<Curve>(StreamBytes().f(14, 0.75),
                   [](Curve& c) {
                     c.reference = {14, 0.75};
                   }),
      value<Curve>(StreamBytes().s(static_cast<int>(segments.size())), [](Curve& c) {
        c.segments.clear();
        c.closed = 0;
      })};
  for (const SegmentPoints& p : segments) {
    // A segment counts once its last point is read.
    const std::function<void(Curve&)> add = [p](Curve& c) { c.segments.push_back(segmentOf(p)); };
    for (int k = 0; k < 8; k += 2)
      values.push_back(value<Curve>(StreamBytes().f(p[k], p[k + 1]), k < 6 ? nullptr : add));
  }
  values.push_back(
      value<Curve>(StreamBytes().s(closed), [closed](Curve& c) { c.closed = closed; }));
  return values;
}

const Directions kEntries = motif({{2, 0.5, 0}, {1.25, -1, 3}, {-0.5, 0.5, -7}});
// The box of kEntries: its needle points are (2, 0.5), (3.25, -0.5) and (2.75, 0).
const TnVector<double> kLow(0, -0.5);
const TnVector<double> kHigh(3.25, 0.5);
const SegmentPoints kArch = {0, 0, 1, 2, 2.5, 2, 4, 0};
const SegmentPoints kDip = {4, 0, 5.5, -1.25, 8, -1, 10, 0};
const SegmentPoints kTail = {10, 0, 11, 1, 13, 1, 14, 0.75};

// Records read over: held values, turned flags, a skipped end point and cached placements.
TnDirectionPattern usedMotif() {
  TnDirectionPattern used = patternOf({10, 0}, motif({{3, 0, 0}, {3, 0, 0}}));
  used.mirror();
  used.flip();
  used.getDirections(TnCoord<double>(0, 0), TnCoord<double>(0, 9), 1);
  return used;
}
TnBezierPattern usedCurve() {
  TnBezierPattern used;
  used.setReferenceAndDirections({4, 0}, curveOf({{0, 0, 1, 1, 3, 1, 4, 0}}, 1));
  used.mirror();
  used.flip();
  return used;
}

TEST(RecordStreamTest, EveryRecordWritesReadsAndFailsAsPromised) {
  const unsigned char offsets[] = {25, 25, 50};
  TnFillPattern usedFill;
  usedFill.init("Old", 5, 3, offsets);
  // Offsets read are appended to those held.
  Values<Fill> fill = {
      value<Fill>(StreamBytes().s(1)),
      value<Fill>(StreamBytes().str("New\xBB"), [](Fill& f) { f.name = "New\xBB"; }),
      value<Fill>(StreamBytes().s(-12), [](Fill& f) { f.length = -12; }),
      value<Fill>(StreamBytes().s(3))};
  for (int offset : {300, -25, 0})
    fill.push_back(
        value<Fill>(StreamBytes().s(offset), [offset](Fill& f) { f.offsets.push_back(offset); }));
  checkStream("fill", usedFill, fill, {});
  // A count of zero or less reads nothing more: here, through the same values cut after a count
  // of -2.
  fill.resize(4);
  fill[3].bytes = StreamBytes().s(-2);
  checkStream("fill of a negative count", usedFill, fill, {},
              StreamBytes().s(1).str("New\xBB").s(-12).s(0));

  // Older formats store doubles (1) or no flags (1, 2); the newest is written.
  Bytes newest;
  for (const auto& v :
       motifValues(3, motif({{2, 0.5, 0}, {1.25, -1, 0}, {-0.5, 0.5, 0}}), kLow, kHigh))
    newest.insert(newest.end(), v.bytes.begin(), v.bytes.end());
  for (int version : {3, 2, 1}) {
    checkStream("direction version " + std::to_string(version), usedMotif(),
                motifValues(version, kEntries, kLow, kHigh), {0, 4, -1, 32767},
                version == 3 ? Bytes() : newest);
  }
  Values<Motif> none = motifValues(3, motif({}), {0, 0}, {0, 0});
  none[2].bytes = StreamBytes().s(-3);
  checkStream("direction of a negative count", usedMotif(), none, {},
              StreamBytes().s(3).f(4, 0.5).s(0));

  // The pairs held go when the count is read; each pair read starts as a default one.
  TnProgrammedPattern usedProgrammed;
  usedProgrammed.rename("Before");
  usedProgrammed.setPatternDescription(
      {{"b", usedMotif()}, {"c", usedMotif()}, {"d", TnDirectionPattern()}});
  Values<Programmed> programmed = {
      value<Programmed>(StreamBytes().s(1)),
      value<Programmed>(StreamBytes().str("Kept"), [](Programmed& p) { p.name = "Kept"; }),
      value<Programmed>(StreamBytes().s(2), [](Programmed& p) { p.pairs.clear(); })};
  for (const char* thread : {"Red", "Blue"}) {
    programmed.push_back(value<Programmed>({}, [](Programmed& p) { p.pairs.emplace_back(); }));
    programmed.push_back(value<Programmed>(
        StreamBytes().str(thread), [thread](Programmed& p) { p.pairs.back().first = thread; }));
    append(programmed, motifValues(3, kEntries, kLow, kHigh),
           [](Programmed& p) -> Motif& { return p.pairs.back().second; });
  }
  checkStream("programmed", usedProgrammed, programmed, {0, 2, -1, 32767});
  programmed.resize(3);
  programmed[2].bytes = StreamBytes().s(-1);
  checkStream("programmed of a negative count", usedProgrammed, programmed, {},
              StreamBytes().s(1).str("Kept").s(0));

  // The flags stay; a curve cut short keeps its whole segments, and is open until its flag.
  checkStream("bezier", usedCurve(), curveValues({kArch, kDip, kTail}, 1), {0, 2, -1, 32767});
  Values<Curve> noCurve = curveValues({}, -1);
  noCurve[2].bytes = StreamBytes().s(-3);
  checkStream("bezier of a negative count", usedCurve(), noCurve, {},
              StreamBytes().s(1).f(14, 0.75).s(0).s(-1));
  TnWavePattern usedWave;
  usedWave.rename("Before");
  usedWave.setPattern(usedCurve());
  Values<Wave> wave = {value<Wave>(StreamBytes().s(1)),
                       value<Wave>(StreamBytes().str("W"), [](Wave& w) { w.name = "W"; })};
  append(wave, curveValues({kArch, kDip}, 0), [](Wave& w) -> Curve& { return w.pattern; });
  checkStream("wave", usedWave, wave, {0, 2, -1, 32767});

  // Curves read are appended to those held, each once it is whole.
  TnVectorPattern usedVector;
  usedVector.rename("Old");
  usedVector.setDimension({7, 8});
  usedVector.getCurves().add(curveOf({{9, 9, 9, 8, 8, 8, 8, 9}}));
  Bytes version2;
  for (int version : {2, 1}) {
    Values<Vector> vector = {
        value<Vector>(StreamBytes().s(version)),
        value<Vector>(StreamBytes().str("New"), [](Vector& v) { v.name = "New"; }),
        value<Vector>(StreamBytes().l(10), [](Vector& v) { v.x = 10; }),
        value<Vector>(StreamBytes().l(-20), [](Vector& v) { v.y = -20; }),
        value<Vector>(StreamBytes().l(3))};
    for (const std::vector<SegmentPoints>& curve :
         {std::vector<SegmentPoints>{kArch, kDip}, {}, {kTail}}) {
      std::vector<TnBezier> segments;
      for (const SegmentPoints& p : curve) segments.push_back(segmentOf(p));
      const std::function<void(Vector&)> add = [segments](Vector& v) {
        v.curves.push_back(segments);
      };
      vector.push_back(value<Vector>(StreamBytes().l(static_cast<long>(curve.size())),
                                     curve.empty() ? add : nullptr));
      for (const SegmentPoints& p : curve) {
        for (int k = 0; k < 8; k += 2) {
          const StreamBytes point =
              version == 1 ? StreamBytes().d(p[k], p[k + 1]) : StreamBytes().f(p[k], p[k + 1]);
          vector.push_back(value<Vector>(point, &p == &curve.back() && k == 6 ? add : nullptr));
        }
      }
    }
    if (version == 2)
      for (const auto& v : vector) version2.insert(version2.end(), v.bytes.begin(), v.bytes.end());
    checkStream("vector version " + std::to_string(version), usedVector, vector, {0, 3, -1, 32767},
                version == 2 ? Bytes() : version2);
  }
}

// Writes refuse what could not read back as itself, writing nothing of it; flags beyond 16 bits
// are held at the range's edge rather than wrapped into another meaning.
TEST(RecordStreamTest, WritesRefuseWhatCannotReadBackAndHoldFlagsToTheirRange) {
  const auto refused = [](auto record) {
    TnMemoryStream stream;
    EXPECT_EQ(loomset::writeRecord(record, stream), 1);
    return stream.bytes();
  };
  // One more than a 16-bit count holds: offsets, entries, pairs, segments.
  TnFillPattern fill;
  const Bytes many(32767, 7);
  fill.init("Many", 30, 32767, many.data());
  EXPECT_EQ(written(fill).size(), 12u + 2u * 32767u);
  ASSERT_EQ(readBytes(fill, StreamBytes().s(1).str("Many").s(30).s(1).s(7)), 0);
  EXPECT_TRUE(refused(fill).empty());
  Directions entries(32768, Directions::value_type(TnVector<double>(1, 0), 0));
  EXPECT_TRUE(refused(patternOf({32768, 0}, entries)).empty());
  TnProgrammedPattern programmed;
  programmed.setPatternDescription(TnProgrammedPattern::Description(32768));
  EXPECT_TRUE(refused(programmed).empty());
  TnBezierCurve curve;
  for (int i = 0; i < 32768; ++i) curve.getSegments().add(segmentOf({0, 0, 0, 1, 1, 1, 1, 0}));
  TnBezierPattern long_;
  long_.setReferenceAndDirections(curve);
  EXPECT_TRUE(refused(long_).empty());
  entries.pop_back();
  EXPECT_EQ(reread(patternOf({32767, 0}, entries)).getForwardDirections().size(), 32767u);

  EXPECT_EQ(reread(patternOf({3, 0}, motif({{1, 0, 40000}, {1, 0, -40000}, {1, 0, 65536}})))
                .getForwardDirections(),
            motif({{1, 0, 32767}, {1, 0, -32768}, {1, 0, 32767}}));
  TnBezierPattern closed;
  closed.setReferenceAndDirections({3, 0}, curveOf({{0, 0, 1, 1, 2, 1, 3, 0}}, 65536));
  EXPECT_EQ(written(closed),
            StreamBytes().s(1).f(3, 0).s(1).f(0, 0).f(1, 1).f(2, 1).f(3, 0).s(32767).bytes());

  // A vector beyond single precision stops the write there, in a motif as in a programmed
  // pattern's second motif; what came before it stays.
  TnDirectionPattern far = patternOf({3, 0}, motif({{1, 0, 0}, {1, 0.5, 1}, {1e39, 0, 0}}));
  const Bytes start = StreamBytes().s(3).f(3, 0).s(4).f(1, 0).s(0).f(1, 0.5).s(1);
  EXPECT_EQ(refused(far), start);
  programmed.setPatternDescription({{"Red", TnDirectionPattern()}, {"Far", far}});
  Bytes before = StreamBytes().s(1).str("").s(2).str("Red").s(3).f(1, 0).s(1).f(1, 0).s(0);
  const Bytes thread = StreamBytes().str("Far");
  before.insert(before.end(), thread.begin(), thread.end());
  before.insert(before.end(), start.begin(), start.end());
  EXPECT_EQ(refused(programmed), before);

  // A fill pattern takes any version; the other records fail without a stream.
  TnFillPattern any;
  EXPECT_EQ(readBytes(any, StreamBytes().s(7).str("A").s(2).s(0)), 0);
  TnProgrammedPattern p;
  TnWavePattern w;
  TnVectorPattern v;
  EXPECT_EQ(any.read(nullptr) + p.read(nullptr) + w.read(nullptr) + v.read(nullptr), 4);
  EXPECT_EQ(any.write(nullptr) + p.write(nullptr) + w.write(nullptr) + v.write(nullptr), 4);
}

}  // namespace
