#include "loomset/catalogue/TnVecPatTable.h"

template class TnList<TnVectorPattern*>;
template class TnHashTable<TnVectorPattern, TnString>;
template class loomset::detail::PatternTable<TnVectorPattern>;
