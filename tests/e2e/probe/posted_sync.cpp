#include "posted_sync.h"

#include <iterator>

#include "messaging.h"

namespace {

// A chain of posts this deep is followed to its end: the click, the command it posts,
// and one more that command may post.
constexpr int rounds = 3;
constexpr DWORD pollMs = 5;
// Limits far above anything typed; the counter makes each marker distinct.
constexpr LPARAM markerBase = 0x7F000000;

struct MarkerSearch {
    HWND readOnly;
    HWND any;
};

BOOL CALLBACK matchEdit(HWND window, LPARAM context) {
    MarkerSearch* search = reinterpret_cast<MarkerSearch*>(context);
    wchar_t className[16];
    if (GetClassNameW(window, className, static_cast<int>(std::size(className))) == 0 ||
        lstrcmpiW(className, L"Edit") != 0) {
        return TRUE;
    }
    if (search->any == nullptr) {
        search->any = window;
    }
    if ((GetWindowLongW(window, GWL_STYLE) & ES_READONLY) != 0) {
        search->readOnly = window;
        return FALSE;
    }
    return TRUE;
}

WaitResult oneRound(HWND field, LPARAM marker, DWORD deadline) {
    if (!PostMessageW(field, EM_SETLIMITTEXT, static_cast<WPARAM>(marker), 0)) {
        return WaitResult::failed;
    }
    for (;;) {
        LRESULT limit = 0;
        if (!sendTimed(field, EM_GETLIMITTEXT, 0, 0, &limit)) {
            return WaitResult::timedOut;
        }
        if (limit == marker) {
            return WaitResult::done;
        }
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            return WaitResult::timedOut;
        }
        Sleep(pollMs);  // the marker is in another thread's queue: poll for it
    }
}

}  // namespace

HWND findMarkerField(HWND panel) {
    MarkerSearch search{nullptr, nullptr};
    EnumChildWindows(panel, matchEdit, reinterpret_cast<LPARAM>(&search));
    return search.readOnly != nullptr ? search.readOnly : search.any;
}

WaitResult waitUntilPostedHandled(HWND markerField, DWORD timeoutMs) {
    static LPARAM counter = 0;
    const DWORD deadline = GetTickCount() + timeoutMs;
    for (int round = 0; round < rounds; ++round) {
        counter = (counter + 1) % 0x10000;
        const WaitResult result = oneRound(markerField, markerBase + counter, deadline);
        if (result != WaitResult::done) {
            return result;
        }
    }
    return WaitResult::done;
}
