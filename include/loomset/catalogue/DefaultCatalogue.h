#pragma once

#include "loomset/Export.h"

namespace loomset {

// Adds the built-in patterns to the library-wide scope of the seven global managers. Returns 0
// when every one was stored; 1 when some name was taken already (those keep what they hold; the
// others are still stored).
LOOMSET_API int loadDefaultCatalogue();

}  // namespace loomset
