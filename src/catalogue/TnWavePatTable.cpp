#include "loomset/catalogue/TnWavePatTable.h"

template class TnList<TnWavePattern*>;
template class TnHashTable<TnWavePattern, TnString>;
template class loomset::detail::PatternTable<TnWavePattern>;
