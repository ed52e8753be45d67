#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/GPatTable.h"

// The process-wide catalogues, constructed when the library is loaded and destroyed, in the
// reverse order, when it is unloaded.
extern LOOMSET_API GPatTable gFillManager;
