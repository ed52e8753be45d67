#include "loomset/catalogue/TnFillTable.h"

template class TnList<TnFillPattern*>;
template class TnHashTable<TnFillPattern, TnString>;
template class loomset::detail::PatternTable<TnFillPattern>;
