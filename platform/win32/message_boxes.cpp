#include "platform/win32/message_boxes.h"

#include <windows.h>

#include <string>
#include <utility>

#include "platform/win32/win32_ui.h"

namespace lark::win32 {

namespace {

// The box MessageBoxW is opening: the first window activated once it is called. A box opened while
// another shows has a watch of its own.
struct BoxWatch {
    Win32Ui& ui;
    HHOOK hook = nullptr;
    HWND box = nullptr;
};
thread_local BoxWatch* watching = nullptr;

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && watching && watching->hook) {
        watching->box = reinterpret_cast<HWND>(wParam);
        ::UnhookWindowsHookEx(std::exchange(watching->hook, nullptr));
        watching->ui.modalOpened(watching->box);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int Win32MessageBoxes::show(std::wstring_view text, int flags, std::wstring_view title) {
    std::wstring body(text), caption(title);
    BoxWatch box{ui_};
    BoxWatch* outer = std::exchange(watching, &box);
    box.hook = ::SetWindowsHookExW(WH_CBT, watch, nullptr, ::GetCurrentThreadId());
    const UINT style = static_cast<UINT>(flags) | MB_SETFOREGROUND;
    const int answer = ::MessageBoxW(ui_.boxOwner(), body.c_str(), caption.c_str(), style);
    if (box.hook) ::UnhookWindowsHookEx(box.hook);
    if (box.box) ui_.modalClosed(box.box);
    watching = outer;
    return answer;
}

}  // namespace lark::win32
