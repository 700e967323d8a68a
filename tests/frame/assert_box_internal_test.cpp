// The assertion box: what it shows, read and closed by a CBT hook on this
// thread, so that no box waits for a user.  Where no box can be shown (a
// system without a display), the tests skip.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "orvexrt/frame.h"

namespace {

constexpr int kTextItem = 0xFFFF; // the message text of a message box

struct SeenBox {
    bool shown = false;
    std::string caption;
    std::string text;
};

SeenBox gSeen;
HHOOK gHook = nullptr;

LRESULT CALLBACK ReadAndCloseBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !gSeen.shown) {
        const auto box = reinterpret_cast<HWND>(wParam);
        char text[512] = {};
        gSeen.shown = true;
        GetWindowTextA(box, text, sizeof text);
        gSeen.caption = text;
        GetDlgItemTextA(box, kTextItem, text, sizeof text);
        gSeen.text = text;
        EndDialog(box, IDOK);
        return 0;
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

// Shows the box with the hook in place; false when no box appeared.
bool ShowAssertBox(const char *file, int32_t line, int32_t &result) {
    gSeen = SeenBox{};
    gHook = SetWindowsHookExA(WH_CBT, ReadAndCloseBox, nullptr, GetCurrentThreadId());
    EXPECT_NE(gHook, nullptr);
    result = AssertBox(file, line);
    UnhookWindowsHookEx(gHook);
    return gSeen.shown;
}

TEST(AssertBox, ShowsTheFileWithoutItsExtensionAndTheLine) {
    int32_t result = 0;
    if (!ShowAssertBox("fmtdate.ab", 120, result)) GTEST_SKIP() << "no message box can be shown here";
    EXPECT_EQ(gSeen.caption, "Tarno");
    EXPECT_EQ(gSeen.text, "Internal Error: fmtdate120");
    EXPECT_EQ(result, IDOK);
}

TEST(AssertBox, KeepsTheMessageWithinItsBuffer) {
    int32_t result = 0;
    const std::string longName(300, 'n');
    if (!ShowAssertBox(longName.c_str(), -7, result)) GTEST_SKIP() << "no message box can be shown here";
    EXPECT_LE(gSeen.text.size(), 199u);
    EXPECT_EQ(gSeen.text.rfind("Internal Error: nnn", 0), 0u);
    EXPECT_EQ(gSeen.text.substr(gSeen.text.size() - 2), "-7");
}

} // namespace
