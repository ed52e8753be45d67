#include "loomset/catalogue/GWavePatTable.h"

template class TnList<TnWavePatTable*>;
template class loomset::detail::PatternManager<TnWavePattern, TnWavePatTable>;
