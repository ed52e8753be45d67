#include "loomset/catalogue/GlobalManagers.h"

// Every global manager is defined in this one file, in load order: objects of one translation
// unit are constructed in the order of their definitions and destroyed in the reverse order,
// which no order across files would guarantee.
GPatTable gFillManager;
GProgrammedPatTable gProgrammedPatManager;
GProgrammedPatTable gLockstitchManager;
GWavePatTable gWavePatManager;
GVecPatTable gTileVecPatManager;
GVecPatTable gNonTileVecPatManager;
GVecPatTable gCompositeVecPatManager;
