// The keyboard of the program's windows: accelerators, Tab order, Enter and Escape, option groups.
//
// Controls lie in creation order, later ones over earlier ones, so the system's dialog navigation
// (which follows the z-order) would walk them backwards; Tab and the arrows between option buttons
// are handled here, in creation order. Access keys and the rest go through IsDialogMessage.
#include <algorithm>

#include "platform/win32/window.h"

namespace lark::win32 {

bool Win32Window::translate(MSG& msg) {
    if (!hwnd_) return false;
    if (accelerators_ && ::TranslateAcceleratorW(hwnd_, accelerators_.get(), &msg)) return true;
    if (msg.message == WM_KEYDOWN) {
        bool modified = (::GetKeyState(VK_CONTROL) | ::GetKeyState(VK_MENU)) & 0x8000;
        switch (msg.wParam) {
        case VK_TAB:
            if (modified) break;
            moveFocus((::GetKeyState(VK_SHIFT) & 0x8000) ? -1 : 1);
            return true;
        case VK_RETURN:
            // Handled here in full: the system's dialog handling cannot see default buttons in containers.
            if (!pressEnter()) ::TranslateMessage(&msg), ::DispatchMessageW(&msg);
            return true;  // this window may be gone now
        case VK_ESCAPE:
            if (!pressEscape()) ::TranslateMessage(&msg), ::DispatchMessageW(&msg);
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            ControlCore* focused = find(::GetFocus());
            if (focused && focused->desc().kind == Kind::Option) {
                int direction = msg.wParam == VK_LEFT || msg.wParam == VK_UP ? -1 : 1;
                if (moveInGroup(*focused, direction)) return true;
            }
            break;
        }
        default: break;
        }
    }
    return ::IsDialogMessageW(hwnd_, &msg);
}

// Visible and enabled, and so are all its containers.
bool Win32Window::usable(HWND child) const {
    if (!child || !::IsWindowVisible(child)) return false;
    for (HWND h = child; h; h = ::GetParent(h)) {
        if (!::IsWindowEnabled(h)) return false;
        if (h == hwnd_) break;
    }
    return true;
}

bool Win32Window::press(int id) {
    ControlCore* button = find(id);
    if (!button || !usable(button->hwnd())) return false;
    if (live_) events_.onCommand(id);
    return true;
}

// Enter runs the focused button, or else the default button. False when the key is the focused
// control's own (an open drop-down list) or nothing may run.
bool Win32Window::pressEnter() {
    HWND focus = ::GetFocus();
    ControlCore* focused = find(focus);
    if (focused) {
        Kind kind = focused->desc().kind;
        if (kind == Kind::Button || kind == Kind::DefaultButton) return press(focused->desc().id);
        if (kind == Kind::Combo && ::SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0)) return false;
    }
    return defaultButton_ && press(defaultButton_);
}

bool Win32Window::pressEscape() {
    if (HWND focus = ::GetFocus(); find(focus) && find(focus)->desc().kind == Kind::Combo &&
                                   ::SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0))
        return false;
    return cancelButton_ && press(cancelButton_);
}

// An option button takes the Tab stop of its group only when it is ticked, or when none is ticked
// and it comes first.
bool Win32Window::isTabStop(const ControlCore& control) const {
    if (!control.hwnd() || !(::GetWindowLongW(control.hwnd(), GWL_STYLE) & WS_TABSTOP)) return false;
    if (!usable(control.hwnd())) return false;
    const ControlSpec& s = control.desc();
    if (s.kind != Kind::Option) return true;
    const ControlCore* first = nullptr;
    for (const auto& c : controls_) {
        const ControlSpec& o = c->desc();
        if (o.kind != Kind::Option || o.parent != s.parent || o.group != s.group) continue;
        if (!first) first = c.get();
        if (::SendMessageW(c->hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED) return c.get() == &control;
    }
    return first == &control;
}

HWND Win32Window::firstTabStop() const {
    for (const auto& c : controls_)
        if (isTabStop(*c)) return c->hwnd();
    return nullptr;
}

void Win32Window::moveFocus(int direction) {
    std::vector<HWND> stops;
    for (const auto& c : controls_)
        if (isTabStop(*c)) stops.push_back(c->hwnd());
    if (stops.empty()) return;
    HWND focus = ::GetFocus();
    auto at = std::find_if(stops.begin(), stops.end(), [&](HWND h) { return h == focus || ::IsChild(h, focus); });
    auto n = static_cast<long>(stops.size());
    long next = at == stops.end() ? (direction > 0 ? 0 : n - 1) : ((at - stops.begin()) + direction + n) % n;
    ::SetFocus(stops[static_cast<std::size_t>(next)]);
}

// The arrows move to the next option of the group and tick it, as a click would.
bool Win32Window::moveInGroup(ControlCore& option, int direction) {
    std::vector<ControlCore*> group;
    for (const auto& c : controls_) {
        const ControlSpec& o = c->desc();
        if (o.kind == Kind::Option && o.parent == option.desc().parent && o.group == option.desc().group &&
            (c.get() == &option || usable(c->hwnd())))
            group.push_back(c.get());
    }
    if (group.size() < 2) return false;
    auto n = static_cast<long>(group.size());
    long at = std::find(group.begin(), group.end(), &option) - group.begin();
    ControlCore* next = group[static_cast<std::size_t>((at + direction + n) % n)];
    ::SetFocus(next->hwnd());
    int id = next->desc().id;
    static_cast<CheckControl&>(*next).setValue(1);
    if (live_) events_.onCommand(id);
    return true;
}

}  // namespace lark::win32
