// Critical regions inside the library: creation, the take/give-up protocol,
// and a scoped hold of a region that may be absent.
#pragma once

#include "orvexrt/frame.h"

// Initialises the critical section and sets the lock count to 0.
void CRSectCreate(CR_SECT *region);
// Deletes the critical section.
void CRSectDelete(CR_SECT *region);

// Enters the critical section, then counts the hold.
void CRSectEnter(CR_SECT *region);
// Uncounts the hold, then leaves the critical section.
void CRSectLeave(CR_SECT *region);

// Holds a region for a scope; a null region (the main region before load and
// after unload) is not taken at all.
class CRRegionHold {
public:
    explicit CRRegionHold(CR_SECT *region) : region_(region) {
        if (region_) CRSectEnter(region_);
    }
    ~CRRegionHold() {
        if (region_) CRSectLeave(region_);
    }
    CRRegionHold(const CRRegionHold &) = delete;
    CRRegionHold &operator=(const CRRegionHold &) = delete;

private:
    CR_SECT *region_;
};

// Holds the main region, through gpCRSECTMain, for a scope.
class CRMainRegionHold : public CRRegionHold {
public:
    CRMainRegionHold() : CRRegionHold(gpCRSECTMain) {}
};
