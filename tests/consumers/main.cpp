// A host of Loomset, built against it installed, as a subdirectory, or beside it in the test
// suite, where it is compiled without optimisation: then every member it calls, the inline ones
// of the library's lists, standard lists and catalogues included, must link from the headers or
// the library, as it must for any host while it is being developed.
#include <loomset/loomset.h>

#include <cstdio>
#include <sstream>
#include <string>

class TnDesign {};

namespace {

int failures = 0;

void check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "host: %s\n", what);
  ++failures;
}

template <class Record>
TnString named(Record& r, const char* name) {
  TnString newName(name);
  r.rename(newName);
  return r.getId();
}

// Every member of a catalogue, and of the lists it hands out: a default pattern library-wide, and
// `other`, which differs from it, clashing with it in a design.
template <class Manager, class Record, class Table>
void useManager(Manager& manager, void (Manager::*removeDesign)(TnDesign*), Record other) {
  TnDesign design;
  Record pattern;
  const TnString name = named(pattern, "Host");
  named(other, "Host");
  manager.setDesign(&design);
  check(manager.getDesign() == &design, "getDesign");
  check(manager.addPattern(nullptr, pattern) == 0, "addPattern");
  check(manager.addPatternAndRename(&design, other) == 0, "addPatternAndRename");
  check(manager.addPattern(&design, other, "Alias") == 1, "addPattern with an alias");
  TnList<Record*> all = manager.getAllPatterns(&design);
  check(all.length() == 3 && all[0]->getId() == name, "getAllPatterns");
  check(all != manager.getPatterns(nullptr), "getPatterns");
  check(manager.lookup(other.getId()) != nullptr && manager.lookupOriginal(name) != nullptr &&
            manager.lookup(name, &design) != nullptr,
        "lookup");
  manager.removeAliases(&design);
  check(manager.lookupOriginal(name) == nullptr, "removeAliases");
  check(manager.remove(&pattern) == nullptr && manager.lookup(name) == nullptr, "remove");
  std::ostringstream text;
  Table table;
  table.add(pattern, name);
  table.printTo(text);
  check(text.str().find("Host") != std::string::npos, "a table's printTo");
  (manager.*removeDesign)(&design);
  check(manager.getPatterns(&design).length() == 0, "removing a design");
  manager.setDesign(nullptr);
}

}  // namespace

int main() {
  TnFillPattern fill;
  const unsigned char offsets[] = {25, 50};
  fill.init("Consumer", 30, 2, offsets);
  check(fill.isRandom() == 0 && fill.getOffsets().size() == 2, "a fill pattern's offsets");
  TnMemoryStream stream;
  TnFillPattern copy;
  check(fill.write(&stream) == 0 && copy.read(&stream) == 0 && copy.isSamePattern(fill) == 1,
        "a fill pattern's round trip");

  TnDirectionPattern motif;
  TnDirectionPattern::Directions entries{{TnVector<double>(1, 0), 0}, {TnVector<double>(1, 1), 1}};
  motif.setReferenceAndDirections(TnVector<double>(2, 0), entries);
  motif.mirror();
  check(motif.isMirrored() == 1 && motif.isContainJump() == 1 && motif.isSkipEndPoint() == 0,
        "a motif's flags");
  const auto& placed = motif.getDirections(TnCoord<double>(0, 0), TnCoord<double>(0, 5), 0);
  check(placed.size() == 3 && placed.front().second == 1, "a placement");
  TnProgrammedPattern programmed;
  programmed.setPatternDescription({{"1", motif}, {"2", TnDirectionPattern()}});
  check(programmed.getPatternDescription().size() == 2, "a programmed pattern's description");

  TnBezierCurve curve;
  curve.getSegments().add(TnBezier(TnCoord<double>(0, 0), TnCoord<double>(3, 4),
                                   TnCoord<double>(7, 4), TnCoord<double>(10, 0)));
  TnBezierPattern bezier;
  bezier.setReferenceAndDirections(TnVector<double>(10, 0), curve);
  std::list<TnVector<double>> advance;
  bezier.getDirections(TnCoord<double>(5, 5), TnCoord<double>(5, 25), 0, 0.0, advance);
  check(advance.size() == 1 && advance.front() == TnVector<double>(0, 10), "a curve's advance");
  TnWavePattern wave;
  wave.setPattern(bezier);
  TnVectorPattern vector;
  vector.getCurves().add(curve);
  check(vector.getCurves()[0].length() == 1 && wave.getPattern() == bezier, "curves");

  useManager<GPatTable, TnFillPattern, TnFillTable>(gFillManager, &GPatTable::removeFillPatterns,
                                                    fill);
  for (GProgrammedPatTable* manager : {&gProgrammedPatManager, &gLockstitchManager}) {
    useManager<GProgrammedPatTable, TnProgrammedPattern, TnProgrammedPatTable>(
        *manager, &GProgrammedPatTable::removeProgrammedPatterns, programmed);
  }
  useManager<GWavePatTable, TnWavePattern, TnWavePatTable>(
      gWavePatManager, &GWavePatTable::removeWavePatterns, wave);
  for (GVecPatTable* manager :
       {&gTileVecPatManager, &gNonTileVecPatManager, &gCompositeVecPatManager}) {
    useManager<GVecPatTable, TnVectorPattern, TnVecPatTable>(
        *manager, &GVecPatTable::removeVectorPatterns, vector);
  }
  check(mangleName("Host") == TnString("Host \xBB"
                                       "1"),
        "mangleName");
  return failures == 0 ? 0 : 1;
}
