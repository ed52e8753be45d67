#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternTable.h"
#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnWavePattern.h"

extern template class LOOMSET_API TnList<TnWavePattern*>;
extern template class LOOMSET_API TnHashTable<TnWavePattern, TnString>;
extern template class LOOMSET_API loomset::detail::PatternTable<TnWavePattern>;

// The wave patterns of one design, or of the library-wide scope, keyed by name.
class LOOMSET_API TnWavePatTable : public loomset::detail::PatternTable<TnWavePattern> {};
