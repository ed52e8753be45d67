#include "loomset/foundation/TnList.h"

template class TnList<TnPercent>;
template class TnList<TnString>;
