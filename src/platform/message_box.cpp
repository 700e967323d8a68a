// Message boxes, and the computer-based-training hook through which a
// program watches (and may close) the boxes shown on a thread.
//
// There is no user here to answer a box: it is shown to the CBT hooks of
// its thread as activated, so that a hook can read its caption and text
// (GetWindowTextA, GetDlgItemTextA with the text's item 0xFFFF) and end it
// with EndDialog; otherwise it is answered by its default button at once.
// A box's window exists only while MessageBoxA runs.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <list>
#include <mutex>
#include <string>

namespace {

constexpr int kTextItem = 0xFFFF;

struct Box {
    std::string caption;
    std::string text;
    int result;
    bool ended = false;
    char textItem = 0; // its address is the text item's handle
};

// The boxes open on this thread, innermost last.
thread_local std::list<Box *> tOpenBoxes;

Box *BoxOf(HWND window) {
    for (Box *box : tOpenBoxes)
        if (reinterpret_cast<HWND>(box) == window) return box;
    return nullptr;
}

Box *BoxOfTextItem(HWND window) {
    for (Box *box : tOpenBoxes)
        if (reinterpret_cast<HWND>(&box->textItem) == window) return box;
    return nullptr;
}

// The answer of the default button: the first button of the box's set,
// or the second or third one when the type asks for it.
int DefaultAnswer(UINT type) {
    static constexpr int kButtons[][3] = {
        {IDOK, IDOK, IDOK},  {IDOK, IDCANCEL, IDCANCEL},    {IDABORT, IDRETRY, IDIGNORE},       {IDYES, IDNO, IDCANCEL},
        {IDYES, IDNO, IDNO}, {IDRETRY, IDCANCEL, IDCANCEL}, {IDCANCEL, IDTRYAGAIN, IDCONTINUE},
    };
    const UINT set = std::min<UINT>(type & MB_TYPEMASK, 6);
    const UINT button = std::min<UINT>((type & MB_DEFMASK) >> 8, 2);
    return kButtons[set][button];
}

int CopyText(const std::string &text, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    const size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

BOOL NoSuchWindow() {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
}

// --- hooks --------------------------------------------------------------

struct Hook {
    HOOKPROC proc;
    DWORD thread; // 0: every thread
};

std::mutex gHookLock;
std::list<Hook> gHooks; // newest first

// The hooks that watch the calling thread, newest first; the list owns
// them, so they are copied out to be called without the lock.
std::list<Hook> HooksOfThisThread() {
    std::lock_guard hold(gHookLock);
    std::list<Hook> hooks;
    const DWORD thread = GetCurrentThreadId();
    for (const Hook &hook : gHooks)
        if (hook.thread == 0 || hook.thread == thread) hooks.push_back(hook);
    return hooks;
}

// Each hook passes the event on by CallNextHookEx, which calls the hook
// after it in this list.
thread_local std::list<Hook> tChain;
thread_local std::list<Hook>::const_iterator tNext;

LRESULT CallChainFrom(std::list<Hook>::const_iterator at, int code, WPARAM wParam, LPARAM lParam) {
    if (at == tChain.end()) return 0;
    tNext = std::next(at);
    return at->proc(code, wParam, lParam);
}

// A hook may show a box of its own: the chain of the outer box is kept
// aside meanwhile.
void ShowToHooks(Box &box) {
    std::list<Hook> savedChain = std::move(tChain);
    const auto savedNext = tNext;
    tChain = HooksOfThisThread();
    CBTACTIVATESTRUCT activate{FALSE, nullptr};
    CallChainFrom(tChain.begin(), HCBT_ACTIVATE, reinterpret_cast<WPARAM>(&box), reinterpret_cast<LPARAM>(&activate));
    tChain = std::move(savedChain);
    tNext = savedNext;
}

} // namespace

extern "C" {

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    Box box{caption ? caption : "Error", text ? text : "", DefaultAnswer(type)};
    tOpenBoxes.push_back(&box);
    ShowToHooks(box);
    tOpenBoxes.remove(&box);
    return box.result;
}

HWND WINAPI GetActiveWindow(void) { return tOpenBoxes.empty() ? nullptr : reinterpret_cast<HWND>(tOpenBoxes.back()); }

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    Box *box = BoxOf(dialog);
    if (!box) return NoSuchWindow();
    if (!box->ended) box->result = static_cast<int>(result);
    box->ended = true;
    return TRUE;
}

int WINAPI GetWindowTextA(HWND window, LPSTR text, int size) {
    if (const Box *box = BoxOf(window)) return CopyText(box->caption, text, size);
    if (const Box *box = BoxOfTextItem(window)) return CopyText(box->text, text, size);
    if (text && size > 0) text[0] = '\0';
    NoSuchWindow();
    return 0;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int item, LPSTR text, int size) {
    const Box *box = BoxOf(dialog);
    if (box && item == kTextItem) return static_cast<UINT>(CopyText(box->text, text, size));
    if (text && size > 0) text[0] = '\0';
    if (box)
        SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    else
        NoSuchWindow();
    return 0;
}

HHOOK WINAPI SetWindowsHookExA(int id, HOOKPROC proc, HINSTANCE, DWORD thread) {
    if (id != WH_CBT || !proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard hold(gHookLock);
    gHooks.push_front(Hook{proc, thread});
    // The handle is the hook's place in the list, which never moves.
    return reinterpret_cast<HHOOK>(&gHooks.front());
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    std::lock_guard hold(gHookLock);
    const auto found = std::find_if(gHooks.begin(), gHooks.end(),
                                    [hook](const Hook &h) { return reinterpret_cast<HHOOK>(const_cast<Hook *>(&h)) == hook; });
    if (found == gHooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    gHooks.erase(found);
    return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK, int code, WPARAM wParam, LPARAM lParam) {
    if (tChain.empty()) return 0;
    return CallChainFrom(tNext, code, wParam, lParam);
}

} // extern "C"
