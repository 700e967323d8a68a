// Whether the library runs under the Wine compatibility layer: its ntdll
// exports the call into the Wine server.
#include <windows.h>

#include <atomic>

#include "orvexrt/frame.h"

namespace {

enum WineCheck : uint8_t { kNotChecked = 0, kNotWine = 1, kWine = 2 };

std::atomic<uint8_t> gWineCheck{kNotChecked};

WineCheck CheckForWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_server_call") ? kWine : kNotWine;
}

} // namespace

extern "C" int32_t ORVEXAPI RNW(void) {
    uint8_t state = gWineCheck.load(std::memory_order_relaxed);
    if (state == kNotChecked) {
        state = CheckForWine();
        gWineCheck.store(state, std::memory_order_relaxed);
    }
    return state == kWine ? 0 : 1;
}
