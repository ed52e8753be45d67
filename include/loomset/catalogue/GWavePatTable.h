#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternManager.h"
#include "loomset/catalogue/TnDesign.h"
#include "loomset/catalogue/TnWavePatTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/patterns/TnWavePattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnWavePatTable*>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternManager<TnWavePattern, TnWavePatTable>);

// A catalogue of wave-pattern records: one TnWavePatTable per design, and one for the
// library-wide scope.
class LOOMSET_API GWavePatTable
    : public loomset::detail::PatternManager<TnWavePattern, TnWavePatTable> {
 public:
  // Destroys the design's table and forgets the design; nothing happens for the null design.
  void removeWavePatterns(TnDesign* design) { removePatterns(design); }

 protected:
  // The design's table, created on first use; null when it could not be created.
  TnWavePatTable* getWavePatTable(TnDesign* design) { return getTable(design); }
};
