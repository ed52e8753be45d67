#include "loomset/catalogue/PatternManager.h"

template class TnList<TnDesign*>;
