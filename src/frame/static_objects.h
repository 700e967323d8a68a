// The library's process-wide objects that live from load to unload, created
// in a fixed order before the attach step and destroyed in reverse after the
// detach step.
#pragma once

#include <cstdint>

#include "orvexrt/frame.h"

// The region of the date/time picture parser.
extern CR_SECT gFMTParserLock;
// The region of the international profile and its name tables.
extern CR_SECT gFMTProfileLock;

// Thread-local item indexes of the per-thread records.
extern uint32_t gCurrAffixItem;  // number pictures' currency affixes
extern uint32_t gThreadDataItem; // international settings' FMTTHREADDATA
extern uint32_t gPrintJobItem;   // printing's per-thread job record

// Creates the objects in order: parser lock, currency-affix index, profile
// lock, thread-data index, print-job index, main region, thread map, and
// last the main region pointer.
void FrameCreateStatics();
// Destroys them in the reverse order.
void FrameDestroyStatics();
