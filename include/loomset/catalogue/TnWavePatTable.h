#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternTable.h"
#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnWavePattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnWavePattern*>);
LOOMSET_EXTERN_TEMPLATE(TnHashTable<TnWavePattern, TnString>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternTable<TnWavePattern>);

// The wave patterns of one design, or of the library-wide scope, keyed by name.
class LOOMSET_API TnWavePatTable : public loomset::detail::PatternTable<TnWavePattern> {};
