#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/PatternTable.h"
#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"
#include "loomset/patterns/TnVectorPattern.h"

LOOMSET_EXTERN_TEMPLATE(TnList<TnVectorPattern*>);
LOOMSET_EXTERN_TEMPLATE(TnHashTable<TnVectorPattern, TnString>);
LOOMSET_EXTERN_TEMPLATE(loomset::detail::PatternTable<TnVectorPattern>);

// The vector patterns of one design, or of the library-wide scope, keyed by name.
class LOOMSET_API TnVecPatTable : public loomset::detail::PatternTable<TnVectorPattern> {};
