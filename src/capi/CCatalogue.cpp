// What any of the seven catalogues does without naming its record type, the names' renaming, the
// built-in catalogue and the version.

#include "capi/CInterface.h"
#include "loomset/catalogue/DefaultCatalogue.h"
#include "loomset/catalogue/NameMangling.h"
#include "loomset/patterns/RecordIo.h"

namespace loomset::detail {
namespace {

// Each family names its design removal after itself.
void removeDesign(GPatTable& catalogue, TnDesign* design) { catalogue.removeFillPatterns(design); }
void removeDesign(GProgrammedPatTable& catalogue, TnDesign* design) {
  catalogue.removeProgrammedPatterns(design);
}
void removeDesign(GWavePatTable& catalogue, TnDesign* design) {
  catalogue.removeWavePatterns(design);
}
void removeDesign(GVecPatTable& catalogue, TnDesign* design) {
  catalogue.removeVectorPatterns(design);
}

}  // namespace
}  // namespace loomset::detail

using namespace loomset::detail;

extern "C" {

const char* LOOMSET_CALL loomset_version(void) { return LOOMSET_VERSION; }

int LOOMSET_CALL loomset_load_default_catalogue(void) {
  return call({}, [] { return loomset::loadDefaultCatalogue(); });
}

int LOOMSET_CALL loomset_mangle_name(const char* name, char* buffer, size_t capacity,
                                     size_t* size) {
  return call({name}, [&] { return giveText(mangleName(name).bytes(), buffer, capacity, size); });
}

int LOOMSET_CALL loomset_unmangle_name(const char* name, char* buffer, size_t capacity,
                                       size_t* size) {
  return call({name}, [&] { return giveText(unMangleName(name).bytes(), buffer, capacity, size); });
}

int LOOMSET_CALL loomset_manager_set_design(int manager, void* design) {
  return inCatalogue<void>(manager, {},
                           [&](auto& catalogue) { catalogue.setDesign(designOf(design)); });
}

int LOOMSET_CALL loomset_manager_design(int manager, void** design) {
  return inCatalogue<void>(manager, {design},
                           [&](auto& catalogue) { *design = catalogue.getDesign(); });
}

int LOOMSET_CALL loomset_manager_remove_aliases(int manager, void* design) {
  return inCatalogue<void>(manager, {},
                           [&](auto& catalogue) { catalogue.removeAliases(designOf(design)); });
}

int LOOMSET_CALL loomset_manager_remove_design(int manager, void* design) {
  return inCatalogue<void>(manager, {},
                           [&](auto& catalogue) { removeDesign(catalogue, designOf(design)); });
}

int LOOMSET_CALL loomset_manager_names(int manager, void* design, int all, char* buffer,
                                       size_t capacity, size_t* size) {
  return inCatalogue<void>(manager, {}, [&](auto& catalogue) {
    const auto records = all != 0 ? catalogue.getAllPatterns(designOf(design))
                                  : catalogue.getPatterns(designOf(design));
    std::vector<char> names;
    for (unsigned int i = 0; i < records.length(); ++i) {
      const TnString name = loomset::recordName(*records[i]);
      names.insert(names.end(), name.bytes().begin(), name.bytes().end());
      names.push_back('\0');
    }
    return give(names, buffer, capacity, size);
  });
}
}
