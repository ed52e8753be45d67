#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternTable.h"
#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnFillPattern.h"

extern template class LOOMSET_API TnList<TnFillPattern*>;
extern template class LOOMSET_API TnHashTable<TnFillPattern, TnString>;
extern template class LOOMSET_API loomset::detail::PatternTable<TnFillPattern>;

// The fill patterns of one design, or of the library-wide scope, keyed by name.
class LOOMSET_API TnFillTable : public loomset::detail::PatternTable<TnFillPattern> {};
