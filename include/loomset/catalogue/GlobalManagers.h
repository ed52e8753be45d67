#pragma once

#include "loomset/Export.h"
#include "loomset/catalogue/GPatTable.h"
#include "loomset/catalogue/GProgrammedPatTable.h"
#include "loomset/catalogue/GVecPatTable.h"
#include "loomset/catalogue/GWavePatTable.h"

// The process-wide catalogues, constructed when the library is loaded and destroyed, in the
// reverse order, when it is unloaded.
extern LOOMSET_API GPatTable gFillManager;
extern LOOMSET_API GProgrammedPatTable gProgrammedPatManager;
// Lockstitch patterns are programmed-pattern records with a catalogue of their own.
extern LOOMSET_API GProgrammedPatTable gLockstitchManager;
extern LOOMSET_API GWavePatTable gWavePatManager;
// Vector patterns are catalogued by kind: tile, non-tile and composite.
extern LOOMSET_API GVecPatTable gTileVecPatManager;
extern LOOMSET_API GVecPatTable gNonTileVecPatManager;
extern LOOMSET_API GVecPatTable gCompositeVecPatManager;
