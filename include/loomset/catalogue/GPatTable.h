#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternManager.h"
#include "loomset/catalogue/TnDesign.h"
#include "loomset/catalogue/TnFillTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/patterns/TnFillPattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnFillTable*>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternManager<TnFillPattern, TnFillTable>);

// The catalogue of fill patterns: one TnFillTable per design, and one for the library-wide scope.
class LOOMSET_API GPatTable : public loomset::detail::PatternManager<TnFillPattern, TnFillTable> {
 public:
  // Destroys the design's table and forgets the design; nothing happens for the null design.
  void removeFillPatterns(TnDesign* design) { removePatterns(design); }

 protected:
  // The design's table, created on first use; null when it could not be created.
  TnFillTable* getFillTable(TnDesign* design) { return getTable(design); }
};
