#include "loomset/catalogue/GProgrammedPatTable.h"

template class TnList<TnProgrammedPatTable*>;
template class loomset::detail::PatternManager<TnProgrammedPattern, TnProgrammedPatTable>;
