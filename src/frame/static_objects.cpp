#include "frame/static_objects.h"

#include "frame/critical_region.h"
#include "frame/thread_items.h"

extern "C" {
CRSect gCRMainSect;
CR_SECT *gpCRSECTMain = nullptr;
}

CR_SECT gFMTParserLock;
CR_SECT gFMTProfileLock;
uint32_t gCurrAffixItem = UINT32_MAX;
uint32_t gThreadDataItem = UINT32_MAX;
uint32_t gPrintJobItem = UINT32_MAX;

void FrameCreateStatics() {
    CRSectCreate(&gFMTParserLock);
    gCurrAffixItem = TLS_AllocIndex();
    CRSectCreate(&gFMTProfileLock);
    gThreadDataItem = TLS_AllocIndex();
    gPrintJobItem = TLS_AllocIndex();
    CRSectCreate(&gCRMainSect);
    TLSCreateThreadMap();
    gpCRSECTMain = &gCRMainSect;
}

void FrameDestroyStatics() {
    gpCRSECTMain = nullptr;
    TLSDestroyThreadMap();
    CRSectDelete(&gCRMainSect);
    TLS_FreeIndex(gPrintJobItem);
    TLS_FreeIndex(gThreadDataItem);
    CRSectDelete(&gFMTProfileLock);
    TLS_FreeIndex(gCurrAffixItem);
    CRSectDelete(&gFMTParserLock);
}
