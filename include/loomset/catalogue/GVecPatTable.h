#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternManager.h"
#include "loomset/catalogue/TnDesign.h"
#include "loomset/catalogue/TnVecPatTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/patterns/TnVectorPattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnVecPatTable*>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternManager<TnVectorPattern, TnVecPatTable>);

// A catalogue of vector patterns: one TnVecPatTable per design, and one for the library-wide
// scope. Tile, non-tile and composite vector patterns each have a catalogue of this class.
class LOOMSET_API GVecPatTable
    : public loomset::detail::PatternManager<TnVectorPattern, TnVecPatTable> {
 public:
  // Destroys the design's table and forgets the design; nothing happens for the null design.
  void removeVectorPatterns(TnDesign* design) { removePatterns(design); }

 protected:
  // The design's table, created on first use; null when it could not be created.
  TnVecPatTable* getVecPatTable(TnDesign* design) { return getTable(design); }
};
