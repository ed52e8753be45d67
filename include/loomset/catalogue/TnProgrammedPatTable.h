#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternTable.h"
#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnProgrammedPattern.h"

extern template class LOOMSET_API TnList<TnProgrammedPattern*>;
extern template class LOOMSET_API TnHashTable<TnProgrammedPattern, TnString>;
extern template class LOOMSET_API loomset::detail::PatternTable<TnProgrammedPattern>;

// The programmed (or lockstitch) patterns of one design, or of the library-wide scope, keyed by
// name.
class LOOMSET_API TnProgrammedPatTable : public loomset::detail::PatternTable<TnProgrammedPattern> {
};
