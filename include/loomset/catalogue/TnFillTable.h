#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternTable.h"
#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnFillPattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnFillPattern*>);
LOOMSET_EXTERN_TEMPLATE(TnHashTable<TnFillPattern, TnString>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternTable<TnFillPattern>);

// The fill patterns of one design, or of the library-wide scope, keyed by name.
class LOOMSET_API TnFillTable : public loomset::detail::PatternTable<TnFillPattern> {};
