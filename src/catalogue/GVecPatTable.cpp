#include "loomset/catalogue/GVecPatTable.h"

template class TnList<TnVecPatTable*>;
template class loomset::detail::PatternManager<TnVectorPattern, TnVecPatTable>;
