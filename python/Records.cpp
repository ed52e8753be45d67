#include <cmath>
#include <limits>
#include <optional>

#include "Binding.h"

namespace loomset::python {

namespace {

using Entries = std::vector<std::pair<Point, int>>;

TnDirectionPattern::Directions directionsFrom(const Entries& entries) {
  TnDirectionPattern::Directions directions;
  for (const auto& entry : entries) directions.emplace_back(vectorOf(entry.first), entry.second);
  return directions;
}

py::list entriesOf(const TnDirectionPattern::Directions& directions) {
  py::list entries;
  for (const auto& entry : directions)
    entries.append(py::make_tuple(pointOf(entry.first), entry.second));
  return entries;
}

// "1 entry", "2 entries".
std::string counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string pointText(const TnVector<double>& v) {
  return py::str("({!r}, {!r})").format(v.xval(), v.yval());
}

// The bytes that the record writes; ValueError when it cannot be written whole.
template <class Record>
py::bytes toBytes(Record& record) {
  TnMemoryStream stream;
  if (writeRecord(record, stream) != 0)
    throw py::value_error(
        "the record does not fit the stream format: a count beyond 32767 or a "
        "value beyond its field's range");
  const std::vector<unsigned char>& bytes = stream.bytes();
  return py::bytes(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// The one record that `data` holds.
template <class Record>
Record fromBytes(const py::buffer& data) {
  const std::vector<unsigned char> bytes = bytesFrom(data);
  // No bytes at all are a record cut before its version.
  if (bytes.empty()) raiseStreamError({1, 0, "truncated"}, py::list(), "");
  py::list records = readAll<Record>(bytes, "");
  if (records.size() != 1)
    throw py::value_error("the bytes hold " + std::to_string(records.size()) + " records, not one");
  return records[0].cast<Record>();
}

// What every record class has: its family, its bytes, its text and copies.
template <class Record, class Class>
void bindValue(Class& cls, Family family) {
  cls.attr("family") = familyName(family);
  cls.def("to_bytes", &toBytes<Record>,
          "The record in the stream format, as the library writes it. ValueError when it does\n"
          "not fit the format.")
      .def_static("from_bytes", &fromBytes<Record>, py::arg("data"),
                  "The one record that `data` holds. StreamError when it does not read whole;\n"
                  "ValueError when more than one record follows.")
      .def("__str__", &textOfRecord<Record>, "The diagnostic text.")
      .def("__copy__", [](const Record& r) { return Record(r); })
      .def("__deepcopy__", [](const Record& r, const py::object&) { return Record(r); });
}

// What the four named pattern records have: a name, and a content comparison that ignores it.
template <class Record, class Class>
void bindNamed(Class& cls) {
  cls.def_property(
         "name", [](const Record& r) { return bytesOf(r.getId()); },
         [](Record& r, py::handle name) {
           TnString renamed = nameFrom(name);
           r.rename(renamed);
         },
         "The name, also the key in a catalogue; setting it renames the pattern.")
      .def_property_readonly(
          "name_text", [](const Record& r) { return textOf(r.getId().bytes()); },
          "The name as text (Latin-1).")
      .def(
          "same_pattern", [](const Record& a, const Record& b) { return a.isSamePattern(b) != 0; },
          py::arg("other"), "Whether the contents are the same (isSamePattern); names ignored.")
      .def(
          "__eq__",
          [](const Record& a, const Record& b) {
            return a.getId() == b.getId() && a.isSamePattern(b) != 0;
          },
          py::is_operator(), "Identical: the same name and the same pattern.");
}

// Equality and order of the two motif kinds, as the library defines them.
template <class Motif, class Class>
void bindOrder(Class& cls) {
  cls.def(
         "__eq__", [](const Motif& a, const Motif& b) { return (a == b) != 0; }, py::is_operator())
      .def(
          "__ne__", [](const Motif& a, const Motif& b) { return (a != b) != 0; }, py::is_operator())
      .def(
          "__lt__", [](const Motif& a, const Motif& b) { return (a < b) != 0; }, py::is_operator())
      .def(
          "__gt__", [](const Motif& a, const Motif& b) { return (a > b) != 0; }, py::is_operator());
}

// Flags that toggle in the library, set in Python.
template <class Motif, class Class>
void bindFlags(Class& cls) {
  cls.def_property(
         "mirrored", [](const Motif& m) { return m.isMirrored() != 0; },
         [](Motif& m, bool on) {
           if ((m.isMirrored() != 0) != on) m.mirror();
         },
         "Laid as its left-right mirror image (not stored in the stream format).")
      .def_property(
          "flipped", [](const Motif& m) { return m.isFlipped() != 0; },
          [](Motif& m, bool on) {
            if ((m.isFlipped() != 0) != on) m.flip();
          },
          "Laid turned over across its advance line (not stored in the stream format).");
}

void bindFill(py::module_& m) {
  py::class_<TnFillPattern> cls(
      m, "FillPattern",
      "A fill-stitch pattern (TnFillPattern): a name, a stitch length and a row of offsets in\n"
      "percent; a pattern without offsets is a random fill.\n\n"
      "FillPattern(name, *, stitch_length=0, offsets=()) sets it up as the library's init does:\n"
      "stitch_length a 16-bit whole number, offsets whole percentages 0 to 255. A first offset\n"
      "of 111 (the letter 'o') marks the pattern random, and the others are not taken.");
  cls.def(py::init([](py::handle name, int stitchLength, const std::vector<int>& offsets) {
            if (stitchLength < -32768 || stitchLength > 32767)
              throw py::value_error("a stitch length is a 16-bit whole number");
            if (offsets.size() > 32767) throw py::value_error("more than 32767 offsets");
            std::vector<unsigned char> bytes;
            for (int offset : offsets) {
              if (offset < 0 || offset > 255)
                throw py::value_error("an offset is a whole percentage from 0 to 255");
              bytes.push_back(static_cast<unsigned char>(offset));
            }
            TnFillPattern pattern;
            pattern.init(nameFrom(name), static_cast<short>(stitchLength),
                         static_cast<short>(bytes.size()), bytes.empty() ? nullptr : bytes.data());
            return pattern;
          }),
          py::arg("name") = py::bytes(), py::kw_only(), py::arg("stitch_length") = 0,
          py::arg("offsets") = std::vector<int>())
      .def_property_readonly("stitch_length", &TnFillPattern::getStitchLength)
      .def_property_readonly(
          "random", [](const TnFillPattern& p) { return p.isRandom() != 0; },
          "True when the pattern has no offsets.")
      .def_property_readonly("offsets", &TnFillPattern::getOffsets,
                             "The offsets as fractions p / 100 clamped to [0, 1], those at odd\n"
                             "positions counted from the other side (getOffsets).")
      .def_property_readonly("old_offsets", &TnFillPattern::getOldOffsets,
                             "The offsets as fractions p / 100 clamped to [0, 1] (getOldOffsets).")
      .def("__repr__", [](const TnFillPattern& p) {
        const std::size_t count = p.getOldOffsets().size();
        return py::str("<FillPattern {!r}: stitch length {!r}, {}>")
            .format(textOf(p.getId().bytes()), p.getStitchLength(),
                    count == 0 ? std::string("random") : counted(count, "offset", "offsets"));
      });
  bindNamed<TnFillPattern>(cls);
  bindValue<TnFillPattern>(cls, Family::kFill);
}

void bindDirection(py::module_& m) {
  py::class_<TnDirectionPattern> cls(
      m, "DirectionPattern",
      "A stitch motif (TnDirectionPattern): displacement vectors, each a stitch (jump flag 0) or\n"
      "a jump (non-zero flag), that the needle follows from a start point, and the reference\n"
      "line along which the motif advances.\n\n"
      "DirectionPattern(*, reference=None, entries=None, mirrored=False, flipped=False): with\n"
      "entries, installs them as setReferenceAndDirections does: closed with an entry that ends\n"
      "the motif at the end of `reference` (the motif's own end point when None), then turned\n"
      "so that the reference line runs along the positive x-axis. A reference alone is one\n"
      "stitch along it; neither gives the one-stitch motif ((1, 0), 0).");
  cls.def(py::init([](const std::optional<Point>& reference, const std::optional<Entries>& entries,
                      bool mirrored, bool flipped) {
            TnDirectionPattern motif;
            if (entries && reference)
              motif.setReferenceAndDirections(vectorOf(*reference), directionsFrom(*entries));
            else if (entries)
              motif.setReferenceAndDirections(directionsFrom(*entries));
            else if (reference)
              motif.setReferenceAndDirections(vectorOf(*reference), {});
            if (mirrored) motif.mirror();
            if (flipped) motif.flip();
            return motif;
          }),
          py::kw_only(), py::arg("reference") = py::none(), py::arg("entries") = py::none(),
          py::arg("mirrored") = false, py::arg("flipped") = false)
      .def_property_readonly(
          "reference", [](const TnDirectionPattern& d) { return pointOf(d.getReferenceLine()); },
          "The reference line (x, y).")
      .def_property_readonly(
          "entries",
          [](const TnDirectionPattern& d) { return entriesOf(d.getForwardDirections()); },
          "The motif in its own frame: a list of ((dx, dy), jump flag).")
      .def_property_readonly(
          "skip_end_point", [](const TnDirectionPattern& d) { return d.isSkipEndPoint() != 0; },
          "True when the last vector of a repeat and the first of the next run straight on.")
      .def_property_readonly("contains_jump",
                             [](const TnDirectionPattern& d) { return d.isContainJump() != 0; })
      .def(
          "set_motif",
          [](TnDirectionPattern& d, const Entries& entries, const std::optional<Point>& reference) {
            if (reference)
              d.setReferenceAndDirections(vectorOf(*reference), directionsFrom(entries));
            else
              d.setReferenceAndDirections(directionsFrom(entries));
          },
          py::arg("entries"), py::arg("reference") = py::none(),
          "Installs a new motif as the constructor does; the flags stay.")
      .def(
          "place",
          [](const TnDirectionPattern& d, const Point& start, const Point& end, bool reverse) {
            TnDirectionPattern::Directions placed;
            d.getDirections(coordOf(start), coordOf(end), reverse ? 1 : 0, placed);
            py::list out;
            for (const auto& e : placed)
              out.append(py::make_tuple(e.first.xval(), e.first.yval(), e.second));
            return out;
          },
          py::arg("start"), py::arg("end"), py::arg("reverse") = false,
          "The motif laid once along the span from `start` to `end` (backwards with `reverse`),\n"
          "mirrored and flipped as its flags say: a list of (dx, dy, jump flag) in needle order.")
      .def(
          "box",
          [](const TnDirectionPattern& d, bool reverse) {
            TnVector<double> ll, ur;
            d.getLLURwrtRef(reverse ? 1 : 0, ll, ur);
            return py::make_tuple(pointOf(ll), pointOf(ur));
          },
          py::arg("reverse") = false,
          "The motif's box relative to its start point: (lower-left, upper-right); with\n"
          "`reverse` its x extent is read from the other end.")
      .def(
          "bounding_box",
          [](const TnDirectionPattern& d, const Point& start, const Point& end, bool reverse) {
            const double unset = std::numeric_limits<double>::quiet_NaN();
            TnCoord<double> c1, c4, c2(unset, unset), c3(unset, unset);
            d.getBoundingBox(coordOf(start), coordOf(end), reverse ? 1 : 0, c1, c2, c3, c4);
            const auto corner = [](const TnCoord<double>& c) -> py::object {
              if (std::isnan(c.xval())) return py::none();
              return pointOf(c);
            };
            return py::make_tuple(pointOf(c1), corner(c2), corner(c3), pointOf(c4));
          },
          py::arg("start"), py::arg("end"), py::arg("reverse") = false,
          "The four corners of the box laid along the span from `start` to `end`: lower-left,\n"
          "(left, top), (right, bottom), upper-right. When start and end coincide the box is not\n"
          "turned and the middle two are None.")
      .def("scale", &TnDirectionPattern::scalePattern, py::arg("factor"),
           "Rebuilds the entries so that each differs from the first by `factor` times its old\n"
           "difference (scalePattern).")
      .def(
          "scale_to",
          [](TnDirectionPattern& d, double size, double xScale, double yScale, bool extend) {
            d.scalePatternByPercentage(xScale, yScale, size, extend ? 1 : 0);
          },
          py::arg("size") = 40.0, py::arg("x_scale") = 1.0, py::arg("y_scale") = 1.0,
          py::arg("extend_to_box") = false,
          "Scales the motif so that its start-to-end distance becomes `size`, times `x_scale`\n"
          "along and `y_scale` across; with `extend_to_box` it first gains a lead-in and a\n"
          "run-out to the sides of its box (scalePatternByPercentage; zeros stand for 40, 1, 1).")
      .def(
          "scaled_size",
          [](const TnDirectionPattern& d, double size, bool extend) {
            double width = 0, height = 0;
            d.scalePatternAndGetSize(width, height, size, extend ? 1 : 0);
            return py::make_tuple(width, height);
          },
          py::arg("size") = 40.0, py::arg("extend_to_box") = false,
          "(width, height) that scale_to(size) would give the box of the needle points after\n"
          "the start (scalePatternAndGetSize).")
      .def("__repr__", [](const TnDirectionPattern& d) {
        return "<DirectionPattern reference " + pointText(d.getReferenceLine()) + ": " +
               counted(d.getForwardDirections().size(), "entry", "entries") +
               (d.isMirrored() ? ", mirrored" : "") + (d.isFlipped() ? ", flipped" : "") + ">";
      });
  bindFlags<TnDirectionPattern>(cls);
  bindOrder<TnDirectionPattern>(cls);
  bindValue<TnDirectionPattern>(cls, Family::kDirection);
}

void bindBezier(py::module_& m) {
  py::class_<TnBezierPattern> cls(
      m, "BezierPattern",
      "A motif drawn as a chain of cubic Bezier segments (TnBezierPattern), with the reference\n"
      "line along which one repeat advances.\n\n"
      "BezierPattern(*, reference=None, segments=None, closed=0, mirrored=False,\n"
      "flipped=False): segments are tuples of four control points. With a reference the curve\n"
      "is closed onto it (a straight segment appended where it does not end at its first point\n"
      "plus the reference); without one the reference runs from the first point to the last.\n"
      "`closed` is the curve's closed flag, stored with it.");
  cls.def(py::init([](const std::optional<Point>& reference,
                      const std::optional<py::iterable>& segments, int closed, bool mirrored,
                      bool flipped) {
            TnBezierPattern pattern;
            if (reference || segments) {
              TnBezierCurve curve = segments ? curveFrom(*segments) : TnBezierCurve();
              curve.setStrictIsClosed(closed);
              if (reference)
                pattern.setReferenceAndDirections(vectorOf(*reference), curve);
              else
                pattern.setReferenceAndDirections(curve);
            }
            if (mirrored) pattern.mirror();
            if (flipped) pattern.flip();
            return pattern;
          }),
          py::kw_only(), py::arg("reference") = py::none(), py::arg("segments") = py::none(),
          py::arg("closed") = 0, py::arg("mirrored") = false, py::arg("flipped") = false)
      .def_property_readonly("reference",
                             [](const TnBezierPattern& b) { return pointOf(b.getReferenceLine()); })
      .def_property_readonly(
          "segments", [](const TnBezierPattern& b) { return segmentsOf(b.getBezierCurve()); },
          "The curve: a list of segments, each a tuple of four control points (x, y).")
      .def_property_readonly(
          "closed", [](const TnBezierPattern& b) { return b.getBezierCurve().strictIsClosed(); },
          "The curve's closed flag.")
      .def(
          "place",
          [](const TnBezierPattern& b, const Point& start, const Point& end, bool reverse) {
            std::list<TnVector<double>> out;
            b.getDirections(coordOf(start), coordOf(end), reverse ? 1 : 0, 0.0, out);
            return pointOf(out.front());
          },
          py::arg("start"), py::arg("end"), py::arg("reverse") = false,
          "The advance (dx, dy) of one repeat of the curve laid along the span from `start` to\n"
          "`end`; the span itself for a curve without segments or a span of no length.")
      .def("__repr__", [](const TnBezierPattern& b) {
        return "<BezierPattern reference " + pointText(b.getReferenceLine()) + ": " +
               counted(b.getBezierCurve().length(), "segment", "segments") + ">";
      });
  bindFlags<TnBezierPattern>(cls);
  bindOrder<TnBezierPattern>(cls);
  bindValue<TnBezierPattern>(cls, Family::kBezier);
}

TnProgrammedPattern::Description descriptionFrom(const py::iterable& pairs) {
  TnProgrammedPattern::Description description;
  for (py::handle pair : pairs) {
    const auto items = pair.cast<py::sequence>();
    if (items.size() != 2)
      throw py::value_error("a description holds (thread identifier, DirectionPattern) pairs");
    description.emplace_back(nameFrom(items[0]), items[1].cast<TnDirectionPattern>());
  }
  return description;
}

void bindProgrammed(py::module_& m) {
  py::class_<TnProgrammedPattern> cls(
      m, "ProgrammedPattern",
      "A programmed (or lockstitch) pattern (TnProgrammedPattern): a name and its pattern\n"
      "description, an ordered list of (thread identifier, DirectionPattern) pairs.\n\n"
      "ProgrammedPattern(name, *, description=()); thread identifiers are bytes (or str) like\n"
      "names.");
  cls.def(py::init([](py::handle name, const py::iterable& description) {
            TnProgrammedPattern pattern;
            TnString given = nameFrom(name);
            pattern.rename(given);
            pattern.setPatternDescription(descriptionFrom(description));
            return pattern;
          }),
          py::arg("name") = py::bytes(), py::kw_only(), py::arg("description") = py::tuple())
      .def_property(
          "description",
          [](const TnProgrammedPattern& p) {
            py::list pairs;
            for (const auto& pair : p.getPatternDescription())
              pairs.append(py::make_tuple(bytesOf(pair.first), pair.second));
            return pairs;
          },
          [](TnProgrammedPattern& p, const py::iterable& description) {
            p.setPatternDescription(descriptionFrom(description));
          },
          "The (thread identifier, DirectionPattern) pairs, as copies; setting replaces them.")
      .def("__repr__", [](const TnProgrammedPattern& p) {
        return py::str("<ProgrammedPattern {!r}: {}>")
            .format(textOf(p.getId().bytes()), counted(p.getPatternDescription().size(),
                                                       "direction pattern", "direction patterns"));
      });
  bindNamed<TnProgrammedPattern>(cls);
  bindValue<TnProgrammedPattern>(cls, Family::kProgrammed);
}

void bindWave(py::module_& m) {
  py::class_<TnWavePattern> cls(
      m, "WavePattern",
      "A wave pattern (TnWavePattern): a name given to one BezierPattern, the curve that a\n"
      "stitch run follows along its reference line.\n\n"
      "WavePattern(name, *, pattern=BezierPattern()).");
  cls.def(py::init([](py::handle name, const TnBezierPattern& bezier) {
            TnWavePattern wave;
            TnString given = nameFrom(name);
            wave.rename(given);
            wave.setPattern(bezier);
            return wave;
          }),
          py::arg("name") = py::bytes(), py::kw_only(), py::arg("pattern") = TnBezierPattern())
      .def_property(
          "pattern", [](const TnWavePattern& w) { return TnBezierPattern(w.getPattern()); },
          &TnWavePattern::setPattern, "The Bezier pattern, as a copy; setting replaces it.")
      .def("__repr__", [](const TnWavePattern& w) {
        return py::str("<WavePattern {!r}: {}>")
            .format(textOf(w.getId().bytes()),
                    counted(w.getPattern().getBezierCurve().length(), "segment", "segments"));
      });
  bindNamed<TnWavePattern>(cls);
  bindValue<TnWavePattern>(cls, Family::kWave);
}

void setCurves(TnVectorPattern& v, const py::iterable& curves) {
  TnList<TnBezierCurve> replaced;
  for (py::handle curve : curves) replaced.add(curveFrom(curve.cast<py::iterable>()));
  v.getCurves() = replaced;
}

void bindVector(py::module_& m) {
  py::class_<TnVectorPattern> cls(
      m, "VectorPattern",
      "A vector pattern (TnVectorPattern): a name, an integer dimension and Bezier curves.\n\n"
      "VectorPattern(name, *, dimension=(0, 0), curves=()); each curve is a list of segments,\n"
      "each a tuple of four control points.");
  cls.def(py::init([](py::handle name, std::pair<int, int> dimension, const py::iterable& curves) {
            TnVectorPattern pattern;
            TnString given = nameFrom(name);
            pattern.rename(given);
            pattern.setDimension(TnVector<int>(dimension.first, dimension.second));
            setCurves(pattern, curves);
            return pattern;
          }),
          py::arg("name") = py::bytes(), py::kw_only(), py::arg("dimension") = std::make_pair(0, 0),
          py::arg("curves") = py::tuple())
      .def_property(
          "dimension",
          [](const TnVectorPattern& v) {
            return py::make_tuple(v.getDimension().xval(), v.getDimension().yval());
          },
          [](TnVectorPattern& v, std::pair<int, int> d) {
            v.setDimension(TnVector<int>(d.first, d.second));
          },
          "The dimension (x, y), two 32-bit whole numbers.")
      .def_property(
          "curves",
          [](const TnVectorPattern& v) {
            py::list curves;
            const TnList<TnBezierCurve>& all = v.getCurves();
            for (unsigned int i = 0; i < all.length(); ++i) curves.append(segmentsOf(all[i]));
            return curves;
          },
          setCurves, "The curves: lists of segments, each a tuple of four control points.")
      .def("__repr__", [](const TnVectorPattern& v) {
        return py::str("<VectorPattern {!r}: dimension ({}, {}), {}>")
            .format(textOf(v.getId().bytes()), v.getDimension().xval(), v.getDimension().yval(),
                    counted(v.getCurves().length(), "curve", "curves"));
      });
  bindNamed<TnVectorPattern>(cls);
  bindValue<TnVectorPattern>(cls, Family::kVector);
}

}  // namespace

void bindRecords(py::module_& module) {
  // Motifs first: the records that hold them name their classes in signatures.
  bindDirection(module);
  bindBezier(module);
  bindFill(module);
  bindProgrammed(module);
  bindWave(module);
  bindVector(module);
}

}  // namespace loomset::python
