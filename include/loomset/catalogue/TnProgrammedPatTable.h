#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternTable.h"
#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnProgrammedPattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnProgrammedPattern*>);
LOOMSET_EXTERN_TEMPLATE(TnHashTable<TnProgrammedPattern, TnString>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternTable<TnProgrammedPattern>);

// The programmed (or lockstitch) patterns of one design, or of the library-wide scope, keyed by
// name.
class LOOMSET_API TnProgrammedPatTable : public loomset::detail::PatternTable<TnProgrammedPattern> {
};
