#include <Python.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "Binding.h"

namespace loomset::python {

namespace {

// A design of the host as the managers see it: a pointer that they store and compare but never
// follow. Each Design gets a token of its own, never reused, which stands for that pointer.
struct Design {
  std::uintptr_t token;
  TnDesign* pointer() const { return reinterpret_cast<TnDesign*>(token); }
};

TnDesign* designOf(const Design* design) { return design != nullptr ? design->pointer() : nullptr; }

py::object designObject(TnDesign* design) {
  if (design == nullptr) return py::none();
  return py::cast(Design{reinterpret_cast<std::uintptr_t>(design)});
}

// A manager offers its table getter to derived classes only; this one exists to take the
// getter's address, so that a scope's names can be listed and its table printed.
template <class Manager>
struct TableOf : Manager {
  static auto getter() { return &TableOf::getTable; }
};

template <class Manager>
auto* tableOf(Manager& manager, TnDesign* design) {
  return (manager.*TableOf<Manager>::getter())(design);
}

// The names stored in the design's table, aliases included, in the table's visiting order.
template <class Manager>
py::list namesIn(Manager& manager, TnDesign* design) {
  py::list names;
  const auto* table = tableOf(manager, design);
  if (table == nullptr) return names;
  TnList<TnString> keys;
  table->getKeyList(keys);
  for (unsigned int i = 0; i < keys.length(); ++i) names.append(bytesOf(keys[i]));
  return names;
}

template <class Record>
py::object copyOf(const Record* record) {
  return record != nullptr ? py::cast(Record(*record)) : py::none();
}

template <class Record>
py::list copiesOf(const TnList<Record*>& records) {
  py::list copies;
  for (unsigned int i = 0; i < records.length(); ++i) copies.append(copyOf(records[i]));
  return copies;
}

[[noreturn]] void refuse(int code, const TnString& name, const std::string& why) {
  const std::string taken = code == 2 ? " is taken library-wide" : why;
  py::object error =
      errors().nameTaken(py::str("name {!r}").format(textOf(name.bytes())) + py::str(taken));
  error.attr("code") = code;
  error.attr("name") = bytesOf(name);
  PyErr_SetObject(errors().nameTaken.ptr(), error.ptr());
  throw py::error_already_set();
}

template <class Record>
Record recordNamed(py::handle recordOrName) {
  if (py::isinstance<Record>(recordOrName)) return recordOrName.cast<Record>();
  Record record;
  TnString name = nameFrom(recordOrName);
  record.rename(name);
  return record;
}

struct Global {
  const void* manager;
  const char* name;
};

const Global kGlobals[] = {
    {&gFillManager, "gFillManager"},
    {&gProgrammedPatManager, "gProgrammedPatManager"},
    {&gLockstitchManager, "gLockstitchManager"},
    {&gWavePatManager, "gWavePatManager"},
    {&gTileVecPatManager, "gTileVecPatManager"},
    {&gNonTileVecPatManager, "gNonTileVecPatManager"},
    {&gCompositeVecPatManager, "gCompositeVecPatManager"},
};

const char* globalName(const void* manager) {
  for (const Global& global : kGlobals)
    if (global.manager == manager) return global.name;
  return "";
}

template <class Manager, class Record>
void bindManager(py::module_& m, const char* className, Family family,
                 void (Manager::*removeDesign)(TnDesign*)) {
  const std::string doc = std::string("The catalogue of ") + familyName(family) + " patterns (" +
                          className +
                          "): one table per design, and one for the library-wide scope\n"
                          "(design None). Iterating gives the names that lookup(name) searches:\n"
                          "the library-wide ones, then the current design's.";
  py::class_<Manager> cls(m, className, doc.c_str());
  cls.attr("family") = familyName(family);
  cls.def_property(
         "design", [](const Manager& mg) { return designObject(mg.getDesign()); },
         [](Manager& mg, const Design* design) { mg.setDesign(designOf(design)); },
         "The current design (setDesign/getDesign); None when there is none.")
      .def(
          "lookup", [](Manager& mg, py::handle name) { return copyOf(mg.lookup(nameFrom(name))); },
          py::arg("name"),
          "A copy of the library-wide record of that name, else of the current design's; None.")
      .def(
          "lookup",
          [](Manager& mg, py::handle name, const Design* design) {
            return copyOf(mg.lookup(nameFrom(name), designOf(design)));
          },
          py::arg("name"), py::arg("design"),
          "A copy of the record stored under `name` in the design's table (None: library-wide).")
      .def(
          "lookup_original",
          [](Manager& mg, py::handle name) { return copyOf(mg.lookupOriginal(nameFrom(name))); },
          py::arg("name"), "A copy of the current design's record of that name, or None.")
      .def(
          "add",
          [](Manager& mg, const Record& record, const Design* design) {
            const int code = mg.addPattern(designOf(design), record);
            if (code != 0)
              refuse(code, record.getId(),
                     " is in the design's table already, or the design has no table");
          },
          py::arg("record"), py::arg("design") = py::none(),
          "Stores a copy of `record` under its name in the design's table (None: library-wide).\n"
          "NameTakenError when the name is taken library-wide (code 2) or in that table (1).")
      .def(
          "alias",
          [](Manager& mg, const Record& record, py::handle alias, const Design* design) {
            const int code = mg.addPattern(designOf(design), record, nameFrom(alias));
            if (code != 0)
              refuse(code, record.getId(),
                     " or its alias is in the design's table already (with only the alias taken,\n"
                     "the record is stored under its name), or the design has no table");
          },
          py::arg("record"), py::arg("alias"), py::arg("design") = py::none(),
          "As add, then stores a second copy under `alias` (not checked library-wide).")
      .def(
          "add_and_rename",
          [](Manager& mg, Record& record, const Design* design) {
            if (mg.addPatternAndRename(designOf(design), record) != 0)
              refuse(1, record.getId(),
                     " (the last name given) or its alias is in the design's table already, or "
                     "the design has no table");
            return bytesOf(record.getId());
          },
          py::arg("record"), py::arg("design") = py::none(),
          "Adds `record`, renaming it (' \\xbb1', ...) while its name is taken library-wide by a\n"
          "different pattern; a renamed record is also stored under its former name. Returns\n"
          "the name it is stored under (its own, when an identical pattern is library-wide\n"
          "already and nothing is stored); `record` is renamed too.")
      .def(
          "remove",
          [](Manager& mg, py::handle recordOrName) {
            const Record record = recordNamed<Record>(recordOrName);
            return designObject(mg.remove(&record));
          },
          py::arg("record"),
          "Removes the entry under the record's name (or the name given) library-wide if it is\n"
          "there, else from the current design. Returns the current design when it removed\n"
          "from there, else None. Aliases stay.")
      .def(
          "remove_aliases",
          [](Manager& mg, const Design* design) { mg.removeAliases(designOf(design)); },
          py::arg("design"),
          "Removes from the design's table every name that a library-wide record carries.")
      .def(
          "remove_design",
          [removeDesign](Manager& mg, const Design* design) {
            (mg.*removeDesign)(designOf(design));
          },
          py::arg("design"), "Drops the design's table; the library-wide one stays.")
      .def(
          "patterns",
          [](Manager& mg, const Design* design) {
            return copiesOf(mg.getPatterns(designOf(design)));
          },
          py::arg("design") = py::none(), "Copies of the records of the design's table.")
      .def(
          "all_patterns",
          [](Manager& mg, const Design* design) {
            return copiesOf(mg.getAllPatterns(designOf(design)));
          },
          py::arg("design") = py::none(),
          "Copies of the library-wide records, then of the design's.")
      .def(
          "names", [](Manager& mg, const Design* design) { return namesIn(mg, designOf(design)); },
          py::arg("design") = py::none(), "The names stored in the design's table, aliases too.")
      .def(
          "text",
          [](Manager& mg, const Design* design) {
            std::ostringstream out;
            const auto* table = tableOf(mg, designOf(design));
            if (table != nullptr) table->printTo(out);
            return textOf(out.str());
          },
          py::arg("design") = py::none(), "The diagnostic text of the design's table.")
      .def("__iter__",
           [](Manager& mg) {
             py::list names = namesIn(mg, nullptr);
             if (mg.getDesign() != nullptr)
               for (py::handle name : namesIn(mg, mg.getDesign())) names.append(name);
             return py::iter(names);
           })
      .def("__contains__",
           [](Manager& mg, py::handle name) { return mg.lookup(nameFrom(name)) != nullptr; })
      .def("__repr__", [className](const Manager& mg) {
        return std::string("<") + className + " " + globalName(&mg) + ">";
      });
}

}  // namespace

void bindManagers(py::module_& module) {
  py::class_<Design>(
      module, "Design",
      "A design of the host, as the managers see it: an identity that they store and compare.\n"
      "Every Design() is a new one; None stands for the library-wide scope. A manager keeps a\n"
      "design's table until remove_design(design).")
      .def(py::init([] {
        static std::uintptr_t next = 0;
        return Design{++next};
      }))
      .def(
          "__eq__", [](const Design& a, const Design& b) { return a.token == b.token; },
          py::is_operator())
      .def("__hash__", [](const Design& d) { return std::hash<std::uintptr_t>()(d.token); })
      .def("__repr__", [](const Design& d) { return "<Design " + std::to_string(d.token) + ">"; });

  bindManager<GPatTable, TnFillPattern>(module, "GPatTable", Family::kFill,
                                        &GPatTable::removeFillPatterns);
  bindManager<GProgrammedPatTable, TnProgrammedPattern>(
      module, "GProgrammedPatTable", Family::kProgrammed,
      &GProgrammedPatTable::removeProgrammedPatterns);
  bindManager<GWavePatTable, TnWavePattern>(module, "GWavePatTable", Family::kWave,
                                            &GWavePatTable::removeWavePatterns);
  bindManager<GVecPatTable, TnVectorPattern>(module, "GVecPatTable", Family::kVector,
                                             &GVecPatTable::removeVectorPatterns);

  const auto reference = py::return_value_policy::reference;
  py::dict managers;
  managers["gFillManager"] = py::cast(&gFillManager, reference);
  managers["gProgrammedPatManager"] = py::cast(&gProgrammedPatManager, reference);
  managers["gLockstitchManager"] = py::cast(&gLockstitchManager, reference);
  managers["gWavePatManager"] = py::cast(&gWavePatManager, reference);
  managers["gTileVecPatManager"] = py::cast(&gTileVecPatManager, reference);
  managers["gNonTileVecPatManager"] = py::cast(&gNonTileVecPatManager, reference);
  managers["gCompositeVecPatManager"] = py::cast(&gCompositeVecPatManager, reference);
  for (auto item : managers) module.attr(item.first) = item.second;
  module.attr("managers") = managers;
}

}  // namespace loomset::python
