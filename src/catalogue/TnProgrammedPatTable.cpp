#include "loomset/catalogue/TnProgrammedPatTable.h"

template class TnList<TnProgrammedPattern*>;
template class TnHashTable<TnProgrammedPattern, TnString>;
template class loomset::detail::PatternTable<TnProgrammedPattern>;
