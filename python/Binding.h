#pragma once

// What the three parts of the Python module share: names, points, curves, stream records and the
// module's own exceptions.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "loomset/loomset.h"

namespace loomset::python {

namespace py = pybind11;

// A point or a vector as Python holds it: an (x, y) pair.
using Point = std::pair<double, double>;

inline TnVector<double> vectorOf(const Point& p) { return TnVector<double>(p.first, p.second); }
inline TnCoord<double> coordOf(const Point& p) { return TnCoord<double>(p.first, p.second); }
inline py::tuple pointOf(const TnVector<double>& v) { return py::make_tuple(v.xval(), v.yval()); }
inline py::tuple pointOf(const TnCoord<double>& c) { return py::make_tuple(c.xval(), c.yval()); }

// Names are bytes, with no text encoding imposed. Python gives them as bytes, bytearray or str;
// a str stands for one byte per character (Latin-1), so that "Brick »1" is the renamed "Brick".
TnString nameFrom(py::handle name);
inline py::bytes bytesOf(const TnString& name) { return py::bytes(name.data(), name.length()); }
// Bytes read as Latin-1, as people see pattern names; never fails.
py::str textOf(const std::string& bytes);

// The bytes of any object that offers them (bytes, bytearray, memoryview).
std::vector<unsigned char> bytesFrom(const py::buffer& data);

// A curve as Python holds it: a list of segments, each a tuple of four control points.
py::list segmentsOf(const TnBezierCurve& curve);
TnBezierCurve curveFrom(const py::iterable& segments);

// The module's exception classes, made when the module is and kept for the life of the process:
// handles, not objects, so that nothing is released after the interpreter has finished.
struct Errors {
  py::handle stream;     // StreamError: a record of a stream that does not read
  py::handle nameTaken;  // NameTakenError: a catalogue that refuses a name
};
Errors& errors();

// Raises StreamError for `failure`, carrying the records read before it. `where` (a file's path)
// leads the message when it is not empty.
[[noreturn]] void raiseStreamError(const ReadFailure& failure, py::list records,
                                   const std::string& where);

// Every record of `bytes`, read back to back as records of type Record; raises StreamError at the
// first one that does not read whole.
template <class Record>
py::list readAll(const std::vector<unsigned char>& bytes, const std::string& where) {
  std::vector<Record> records;
  ReadFailure failure;
  const bool whole = readRecords(bytes, records, failure);
  py::list list;
  for (Record& record : records) list.append(py::cast(std::move(record)));
  if (!whole) raiseStreamError(failure, list, where);
  return list;
}

// The record's diagnostic text.
template <class Record>
py::str textOfRecord(const Record& record) {
  std::ostringstream out;
  printRecord(record, out);
  return textOf(out.str());
}

// The family of `name` ("fill", ...); ValueError for any other name.
Family familyFrom(const std::string& name);

void bindRecords(py::module_& module);
void bindManagers(py::module_& module);

}  // namespace loomset::python
