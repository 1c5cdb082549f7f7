#include "platform/win32/win32_ui.h"

#include <algorithm>

#include "platform/win32/dpi.h"
#include "platform/win32/message_handler.h"
#include "platform/win32/window.h"

namespace lark::win32 {

Win32Ui::Win32Ui(PictureCache& pictures, HINSTANCE instance)
    : instance_(instance), pictures_(pictures), class_(registerWindowClasses(instance)) {}

std::unique_ptr<Window> Win32Ui::createWindow(const WindowSpec& desc, WindowEvents& events) {
    return std::make_unique<Win32Window>(*this, desc, events);
}

void Win32Ui::process(MSG& msg) {
    HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (Win32Window* window = Win32Window::fromRoot(root, class_))
        if (window->translate(msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

void Win32Ui::pumpPending() {
    // Bounded in time: a handler slower than a fast timer's period would otherwise never let go.
    constexpr ULONGLONG Budget = 100;
    ULONGLONG start = ::GetTickCount64();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        process(msg);
        if (::GetTickCount64() - start > Budget) return;
    }
}

int Win32Ui::run() {
    MSG msg{};
    BOOL got;
    while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) > 0) process(msg);
    return got == 0 ? static_cast<int>(msg.wParam) : 0;
}

Size Win32Ui::screen() const {
    Scale s = primaryScale();
    return {s.design(::GetSystemMetrics(SM_CXSCREEN)), s.design(::GetSystemMetrics(SM_CYSCREEN))};
}

Rgb Win32Ui::systemColour(SysColour colour) const {
    COLORREF c = ::GetSysColor(colour == SysColour::ButtonShadow ? COLOR_BTNSHADOW : COLOR_3DHILIGHT);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

void Win32Ui::endProcess() { ::ExitProcess(0); }

HWND Win32Ui::dialogOwner() {
    if (HWND owner = boxOwner()) return owner;
    if (!parking_) {
        parking_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         instance_, nullptr));
    }
    return parking_.get();
}

HWND Win32Ui::boxOwner() {
    if (!modals_.empty()) return modals_.back();
    struct Search {
        ATOM windowClass;
        HWND found = nullptr;
    } search{class_};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            const Win32Window* w = Win32Window::fromRoot(window, s.windowClass);
            if (w && w->style() == WindowStyle::Main) s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Win32Ui::modalOpened(HWND window) { modals_.push_back(window); }
void Win32Ui::modalClosed(HWND window) { std::erase(modals_, window); }

bool Win32Ui::bringModalsForward(HWND window) {
    auto above = std::find(modals_.begin(), modals_.end(), window);
    above = above == modals_.end() ? modals_.begin() : above + 1;
    if (above == modals_.end()) return false;
    constexpr UINT Raise = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, Raise);
    for (auto it = above; it != modals_.end(); ++it) ::SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, Raise);
    HWND newest = modals_.back();
    const bool foreground = ::SetForegroundWindow(newest);
    ::SetActiveWindow(newest);
    return foreground || ::GetActiveWindow() == newest;
}

}  // namespace lark::win32
