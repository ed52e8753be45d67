#include "loomset/foundation/TnStream.h"

TnStream::~TnStream() = default;
