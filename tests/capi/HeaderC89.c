/* The C interface's header as a C89 host includes it. */
#include "loomset/loomset_c.h"
