#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternManager.h"
#include "loomset/catalogue/TnDesign.h"
#include "loomset/catalogue/TnProgrammedPatTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/patterns/TnProgrammedPattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnProgrammedPatTable*>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternManager<TnProgrammedPattern, TnProgrammedPatTable>);

// A catalogue of programmed-pattern records: one TnProgrammedPatTable per design, and one for the
// library-wide scope. Programmed and lockstitch patterns each have a catalogue of this class.
class LOOMSET_API GProgrammedPatTable
    : public loomset::detail::PatternManager<TnProgrammedPattern, TnProgrammedPatTable> {
 public:
  // Destroys the design's table and forgets the design; nothing happens for the null design.
  void removeProgrammedPatterns(TnDesign* design) { removePatterns(design); }

 protected:
  // The design's table, created on first use; null when it could not be created.
  TnProgrammedPatTable* getProgrammedPatTable(TnDesign* design) { return getTable(design); }
};
