#include <Python.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Binding.h"

namespace loomset::python {

TnString nameFrom(py::handle name) {
  if (py::isinstance<py::str>(name)) {
    // Characters beyond U+00FF have no byte: Python's UnicodeEncodeError says which.
    py::bytes bytes = py::reinterpret_steal<py::bytes>(PyUnicode_AsLatin1String(name.ptr()));
    if (!bytes) throw py::error_already_set();
    return TnString(static_cast<std::string>(bytes));
  }
  if (py::isinstance<py::bytes>(name) || PyByteArray_Check(name.ptr())) {
    const std::vector<unsigned char> bytes = bytesFrom(py::reinterpret_borrow<py::buffer>(name));
    return TnString(std::string(bytes.begin(), bytes.end()));
  }
  throw py::type_error("a name is bytes or str, not " +
                       static_cast<std::string>(py::str(name.get_type().attr("__name__"))));
}

py::str textOf(const std::string& bytes) {
  return py::reinterpret_steal<py::str>(
      PyUnicode_DecodeLatin1(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), nullptr));
}

std::vector<unsigned char> bytesFrom(const py::buffer& data) {
  const py::buffer_info info = data.request();
  const auto* first = static_cast<const unsigned char*>(info.ptr);
  return std::vector<unsigned char>(first, first + info.size * info.itemsize);
}

py::list segmentsOf(const TnBezierCurve& curve) {
  py::list segments;
  for (unsigned int i = 0; i < curve.length(); ++i) {
    const TnBezier& s = curve[static_cast<int>(i)];
    segments.append(py::make_tuple(pointOf(s[0]), pointOf(s[1]), pointOf(s[2]), pointOf(s[3])));
  }
  return segments;
}

TnBezierCurve curveFrom(const py::iterable& segments) {
  TnBezierCurve curve;
  for (py::handle segment : segments) {
    const auto points = segment.cast<std::vector<Point>>();
    if (points.size() != 4) throw py::value_error("a Bezier segment has four control points");
    curve.getSegments().add(
        TnBezier(coordOf(points[0]), coordOf(points[1]), coordOf(points[2]), coordOf(points[3])));
  }
  return curve;
}

Errors& errors() {
  static Errors made;
  return made;
}

void raiseStreamError(const ReadFailure& failure, py::list records, const std::string& where) {
  char message[96];
  std::snprintf(message, sizeof message, "record %zu at byte %zu: ", failure.record,
                failure.offset);
  const std::string text = (where.empty() ? "" : where + ": ") + message + failure.reason;
  py::object error = errors().stream(text);
  error.attr("record") = failure.record;
  error.attr("offset") = failure.offset;
  error.attr("reason") = failure.reason;
  error.attr("records") = records;
  PyErr_SetObject(errors().stream.ptr(), error.ptr());
  throw py::error_already_set();
}

Family familyFrom(const std::string& name) {
  Family family;
  if (familyNamed(name.c_str(), family)) return family;
  std::string known;
  for (Family each : kFamilies) known += std::string(known.empty() ? "" : ", ") + familyName(each);
  throw py::value_error("unknown family '" + name + "': one of " + known);
}

namespace {

py::list readFamily(Family family, const std::vector<unsigned char>& bytes,
                    const std::string& where) {
  return withRecordOf(family, [&](auto record) { return readAll<decltype(record)>(bytes, where); });
}

py::list familiesOf(const std::vector<unsigned char>& bytes) {
  py::list names;
  for (Family family : familiesReadingWhole(bytes)) names.append(familyName(family));
  return names;
}

py::handle exceptionClass(py::module_& module, const char* name, PyObject* base, const char* doc) {
  const std::string qualified = std::string("loomset.") + name;
  auto made = py::reinterpret_steal<py::object>(
      PyErr_NewExceptionWithDoc(qualified.c_str(), doc, base, nullptr));
  if (!made) throw py::error_already_set();
  module.attr(name) = made;
  return made.release();
}

}  // namespace

}  // namespace loomset::python

PYBIND11_MODULE(loomset, module) {
  namespace py = pybind11;
  using namespace loomset::python;
  module.doc() =
      "Loomset: the catalogue of stitch patterns and the geometry that lays stitch motifs out.\n\n"
      "Records are values: FillPattern, ProgrammedPattern (a list of thread-tagged\n"
      "DirectionPattern motifs), WavePattern (a named BezierPattern) and VectorPattern (Bezier\n"
      "curves with an integer dimension). Each has keyword construction, properties,\n"
      "to_bytes()/from_bytes() in the library's stream format, == and its diagnostic text as\n"
      "str(). A DirectionPattern lays its motif between two points with place() and gives the\n"
      "corners it covers with bounding_box().\n\n"
      "Seven process-wide managers (gFillManager, gProgrammedPatManager, gLockstitchManager,\n"
      "gWavePatManager, gTileVecPatManager, gNonTileVecPatManager, gCompositeVecPatManager)\n"
      "find, add, alias, rename and remove patterns by name, library-wide (design None) and per\n"
      "Design. Names are bytes; a str given for a name stands for its Latin-1 bytes, and\n"
      "name_text() shows one the same way.\n\n"
      "read_file() and read_records() read a stream file of records back to back;\n"
      "families_reading_whole() tells which families read the whole of some bytes.";

  errors().stream = exceptionClass(
      module, "StreamError", PyExc_ValueError,
      "A record that does not read: its number in the stream (record, from 1), the byte offset\n"
      "where it starts (offset), why (reason: 'truncated', 'invalid value' or 'unknown version\n"
      "N') and the records read whole before it (records).");
  errors().nameTaken = exceptionClass(
      module, "NameTakenError", PyExc_ValueError,
      "A catalogue that did not store a pattern: code 2 when the name is taken library-wide, 1\n"
      "when the design's table holds the name (or the alias, or the new name), or the design has\n"
      "no table. name is the name the pattern was refused under.");

  py::list families;
  for (loomset::Family family : loomset::kFamilies) families.append(familyName(family));
  module.attr("FAMILIES") = py::tuple(families);

  module.def(
      "read_records",
      [](const std::string& family, const py::buffer& data) {
        return readFamily(familyFrom(family), bytesFrom(data), "");
      },
      py::arg("family"), py::arg("data"),
      "Every record in `data`, read back to back as records of `family` (one of FAMILIES).\n"
      "Raises StreamError at the first record that does not read whole.");
  module.def(
      "read_file",
      [](const py::object& path, const py::object& family) {
        const py::object file = py::module_::import("io").attr("open")(path, "rb");
        const py::object data = file.attr("read")();
        file.attr("close")();
        const std::vector<unsigned char> bytes = bytesFrom(data);
        const std::string where = py::str(py::module_::import("os").attr("fsdecode")(path));
        if (!family.is_none())
          return readFamily(familyFrom(family.cast<std::string>()), bytes, where);
        const std::vector<loomset::Family> whole = loomset::familiesReadingWhole(bytes);
        if (whole.empty()) throw py::value_error(where + ": no family reads the whole file");
        return readFamily(whole.front(), bytes, where);
      },
      py::arg("path"), py::arg("family") = py::none(),
      "Every record of the stream file at `path`, read as records of `family`; without a family,\n"
      "as the first family that reads the whole file (see families_reading_whole). Raises\n"
      "StreamError, naming the file, at the first record that does not read whole, and\n"
      "ValueError when no family reads the file.");
  module.def(
      "families_reading_whole", [](const py::buffer& data) { return familiesOf(bytesFrom(data)); },
      py::arg("data"),
      "The families, in the order of FAMILIES, as whose records the whole of `data` reads:\n"
      "the family guess of the loomset tool. Every family for no bytes at all.");
  module.def(
      "mangle_name", [](py::handle name) { return bytesOf(mangleName(nameFrom(name))); },
      py::arg("name"),
      "The next name of the renaming sequence (mangleName): b' \\xbb1' appended to a name not\n"
      "yet renamed, the last byte raised by one on a renamed one (b'9' becomes b'\\xbb1').");
  module.def(
      "unmangle_name", [](py::handle name) { return bytesOf(unMangleName(nameFrom(name))); },
      py::arg("name"),
      "The name without its first three bytes (unMangleName); b'' for three bytes or fewer.");
  module.def(
      "name_text", [](py::handle name) { return textOf(nameFrom(name).bytes()); }, py::arg("name"),
      "A name as text: each byte its Latin-1 character, 0xBB the marker '»'.");
  module.def(
      "load_default_catalogue", [] { return loomset::loadDefaultCatalogue() == 0; },
      "Adds the built-in patterns to the library-wide scope of the seven managers. True when\n"
      "every one was stored; False when some name was taken already (those keep what they\n"
      "hold, the others are stored).");

  bindRecords(module);
  bindManagers(module);
}
