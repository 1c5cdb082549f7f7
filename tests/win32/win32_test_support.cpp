#include "win32_test_support.h"

namespace lark::win32::test {

namespace {
struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK matchId(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (::GetDlgCtrlID(hwnd) != search->id) return TRUE;
    search->found = hwnd;
    return FALSE;
}
}  // namespace

HWND UiTest::child(const Window& w, int id) {
    Search search{id, nullptr};
    ::EnumChildWindows(hwndOf(w), matchId, reinterpret_cast<LPARAM>(&search));  // descends into containers
    return search.found;
}

std::wstring UiTest::windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool UiTest::pumpUntil(const std::function<bool()>& done, int ms) {
    ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(ms);
    while (!done()) {
        if (::GetTickCount64() > end) return false;
        ui.pumpPending();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

void UiTest::key(HWND target, WPARAM vk) {
    MSG msg{target, WM_KEYDOWN, vk, 1, 0, {}};
    ui.process(msg);
}

}  // namespace lark::win32::test
