#include "loomset/catalogue/GPatTable.h"

template class TnList<TnFillTable*>;
template class loomset::detail::PatternManager<TnFillPattern, TnFillTable>;
