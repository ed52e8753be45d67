#pragma once

// Every public header of Loomset.

#include "loomset/Export.h"
#include "loomset/foundation/Lines.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/StringUtils.h"
#include "loomset/foundation/Tn2DTrans.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnEmbPoint.h"
#include "loomset/foundation/TnFileStream.h"
#include "loomset/foundation/TnGenericString.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnListNode.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/foundation/TnPercent.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"
#include "loomset/foundation/TnVector.h"
#include "loomset/foundation/Tolerance.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/patterns/TnFillPattern.h"
