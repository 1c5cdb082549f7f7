#include "platform/win32/window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "platform/win32/menus.h"
#include "platform/win32/win32_ui.h"

namespace lark::win32 {
namespace {

struct Styles {
    DWORD style, ex;
};

Styles stylesFor(WindowStyle style) {
    switch (style) {
    case WindowStyle::Splash:
        return {WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW};
    case WindowStyle::Hidden:
        return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0};
    case WindowStyle::Dialog:
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
    default:
        return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    }
}

Rgb fromRef(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

}  // namespace

Win32Window::Win32Window(Win32Ui& ui, const WindowSpec& desc, WindowEvents& events)
    : ui_(ui), desc_(desc), events_(events), scale_(primaryScale()) {
    Styles st = stylesFor(desc.style);
    HWND owner = desc.style == WindowStyle::Dialog ? ui.dialogOwner() : nullptr;
    HMENU menu = buildMenuBar(desc.menu);
    RECT outer{0, 0, scale_.px(desc.client.w), scale_.px(desc.client.h)};
    ::AdjustWindowRectExForDpi(&outer, st.style, menu != nullptr, st.ex, scale_.dpi);
    int w = outer.right - outer.left, h = outer.bottom - outer.top;
    RECT work = primaryWorkArea();
    int x = work.left + (work.right - work.left - w) / 2, y = work.top + (work.bottom - work.top - h) / 2;

    SurfaceLook look{desc.client, Font{}, fromRef(::GetSysColor(COLOR_BTNFACE)), Picture::None};
    surface_ = std::make_unique<Surface>(ui.fonts(), ui.pictures(), look, scale_);
    ::CreateWindowExW(st.ex, TopLevelClass, desc.title.c_str(), st.style, x, y, w, h, owner, menu, ui.instance(),
                      static_cast<MessageHandler*>(this));
    if (!hwnd_) {
        if (menu) ::DestroyMenu(menu);
        return;
    }
    Scale actual = scaleOf(hwnd_);
    if (actual != scale_) {
        scale_ = actual;
        surface_->rescale(actual);
    }
    fitClientArea();
    surface_->attach(hwnd_);
    accelerators_ = buildAccelerators(desc.accelerators);
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    if (taskbarCreated_) ::ChangeWindowMessageFilterEx(hwnd_, taskbarCreated_, MSGFLT_ALLOW, nullptr);
    live_ = true;
}

Win32Window::~Win32Window() {
    live_ = false;  // the owner is being destroyed: no more events
    if (modal_) {
        modal_->done = true;
        modal_->alive = false;
    }
    endModal();
    if (hwnd_) ::DestroyWindow(hwnd_);
}

Win32Window* Win32Window::fromRoot(HWND root, ATOM topLevelClass) {
    if (!root || static_cast<ATOM>(::GetClassLongPtrW(root, GCW_ATOM)) != topLevelClass) return nullptr;
    return static_cast<Win32Window*>(MessageHandler::of(root));
}

// ---- Building ----

template <class T>
T& Win32Window::addControl(const ControlSpec& desc) {
    auto control = std::make_unique<T>(*this, desc);
    T& added = *control;
    controls_.push_back(std::move(control));
    added.create();
    if (desc.kind == Kind::DefaultButton) defaultButton_ = desc.id;
    if (desc.cancel) cancelButton_ = desc.id;
    if (!desc.tooltip.empty()) addTooltip(added);
    return added;
}

Control& Win32Window::add(const ControlSpec& desc) {
    switch (desc.kind) {
    case Kind::ScrollBar: return addScrollBar(desc);
    case Kind::Picture: return addPicture(desc);
    case Kind::CheckBox:
    case Kind::Option: return addCheck(desc);
    case Kind::Combo: return addCombo(desc);
    case Kind::Hotkey: return addHotkey(desc);
    default: return addControl<PlainControl>(desc);
    }
}

ScrollBar& Win32Window::addScrollBar(const ControlSpec& desc) { return addControl<ScrollBarControl>(desc); }
PictureBox& Win32Window::addPicture(const ControlSpec& desc) { return addControl<PictureBoxControl>(desc); }
CheckBox& Win32Window::addCheck(const ControlSpec& desc) { return addControl<CheckControl>(desc); }
ComboList& Win32Window::addCombo(const ControlSpec& desc) { return addControl<ComboControl>(desc); }
HotkeyField& Win32Window::addHotkey(const ControlSpec& desc) { return addControl<HotkeyControl>(desc); }

// MOD_NOREPEAT: a key held down runs its action once.
bool Win32Window::registerHotkey(int id, Hotkey hotkey) {
    unregisterHotkey(id);
    return hwnd_ && ::RegisterHotKey(hwnd_, id, hotkey.modifiers | MOD_NOREPEAT, static_cast<UINT>(hotkey.key));
}

void Win32Window::unregisterHotkey(int id) {
    if (hwnd_) ::UnregisterHotKey(hwnd_, id);
}

void Win32Window::addTooltip(const ControlCore& control) {
    if (!hwnd_ || !control.hwnd()) return;
    if (!tooltip_) {
        tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                     ui_.instance(), nullptr);  // owned: goes with the window
        ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scale_.px(400));
    }
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = const_cast<wchar_t*>(control.desc().tooltip.c_str());  // lives as long as the control
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// ---- For the controls ----

ControlCore* Win32Window::find(int id) const {
    for (const auto& c : controls_)
        if (c->desc().id == id) return c.get();
    return nullptr;
}

ControlCore* Win32Window::find(HWND child) const {
    if (!child) return nullptr;
    for (const auto& c : controls_)
        if (c->hwnd() == child) return c.get();
    return nullptr;
}

HWND Win32Window::containerOf(int parentId) const {
    ControlCore* container = parentId ? find(parentId) : nullptr;
    return container && container->hwnd() ? container->hwnd() : hwnd_;
}

Rgb Win32Window::backgroundOf(int parentId) const {
    ControlCore* container = parentId ? find(parentId) : nullptr;
    return container ? container->background() : surface_->base();
}

HBRUSH Win32Window::brush(Rgb colour) {
    COLORREF key = RGB(colour.r, colour.g, colour.b);
    auto& slot = brushes_[key];
    if (!slot) slot.reset(::CreateSolidBrush(key));
    return static_cast<HBRUSH>(slot.get());
}

void Win32Window::scrollChanged(int id) {
    if (live_) events_.onScroll(id);
}

// Transparent labels show what lies beneath them, so they repaint when a label below them changes.
void Win32Window::labelChanged(const ControlCore& label) {
    auto at = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.get() == &label; });
    if (at == controls_.end()) return;
    for (auto it = at + 1; it != controls_.end(); ++it) {
        const ControlCore& above = **it;
        if (above.isLabel() && above.desc().transparent && above.desc().parent == label.desc().parent &&
            overlaps(above.desc().bounds, label.desc().bounds) && above.hwnd())
            ::InvalidateRect(above.hwnd(), nullptr, FALSE);
    }
}

// What lies beneath a transparent label: its container's drawing, then the controls created before
// it that it overlaps (labels, images, picture boxes).
void Win32Window::paintBeneath(const ControlCore& label, HDC dc) {
    const Rect& b = label.desc().bounds;
    RECT area = scale_.rect(b);
    int parent = label.desc().parent;
    ControlCore* container = parent ? find(parent) : nullptr;
    Surface* surface = container ? container->surface() : surface_.get();
    if (surface) {
        ::BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, surface->imageDc(), area.left, area.top,
                 SRCCOPY);
    } else {
        RECT all{0, 0, area.right - area.left, area.bottom - area.top};
        ::FillRect(dc, &all, brush(backgroundOf(parent)));
    }
    for (const auto& c : controls_) {
        if (c.get() == &label) break;
        const ControlSpec& s = c->desc();
        if (s.parent != parent || !s.visible || !overlaps(s.bounds, b)) continue;
        c->paintInto(dc, POINT{scale_.px(s.bounds.x) - area.left, scale_.px(s.bounds.y) - area.top});
    }
}

void Win32Window::optionTicked(const ControlCore& option) {
    for (const auto& c : controls_) {
        const ControlSpec& s = c->desc();
        if (c.get() == &option || s.kind != Kind::Option || s.parent != option.desc().parent ||
            s.group != option.desc().group)
            continue;
        static_cast<CheckControl&>(*c).setValue(0);
    }
}

// ---- Showing and placing ----

void Win32Window::show(ShowState state) {
    if (!hwnd_) return;
    switch (state) {
    case ShowState::Hidden: ::ShowWindow(hwnd_, SW_HIDE); break;
    case ShowState::Normal: ::ShowWindow(hwnd_, SW_SHOWNORMAL); break;
    case ShowState::Minimised: ::ShowWindow(hwnd_, SW_SHOWMINIMIZED); break;
    case ShowState::Maximised: ::ShowWindow(hwnd_, SW_SHOWMAXIMIZED); break;
    }
}

ShowState Win32Window::state() const {
    if (!hwnd_) return ShowState::Hidden;
    if (::IsIconic(hwnd_)) return ShowState::Minimised;
    if (::IsZoomed(hwnd_)) return ShowState::Maximised;
    return ::IsWindowVisible(hwnd_) ? ShowState::Normal : ShowState::Hidden;
}

bool Win32Window::visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }

bool Win32Window::bringForward() {
    if (!visible()) return false;
    if (ui_.bringModalsForward(hwnd_)) return true;  // they keep the input, in front of this window
    bool foreground = ::SetForegroundWindow(hwnd_);
    ::SetActiveWindow(hwnd_);
    HWND focus = ::GetFocus();
    if (focus != hwnd_ && !::IsChild(hwnd_, focus)) restoreFocus();
    return foreground || ::GetForegroundWindow() == hwnd_ || ::GetActiveWindow() == hwnd_;
}

// The monitor sets the tray host's picture five times a second, nearly always to the one it has.
void Win32Window::setIcon(Picture picture) {
    if (picture == icon_) return;
    icon_ = picture;
    applyIcons();
}

void Win32Window::applyIcons() {
    if (!hwnd_) return;
    PictureCache& pictures = ui_.pictures();
    HICON small = pictures.icon(icon_, ::GetSystemMetricsForDpi(SM_CXSMICON, scale_.dpi));
    HICON big = pictures.icon(icon_, ::GetSystemMetricsForDpi(SM_CXICON, scale_.dpi));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
}

void Win32Window::makeTopmost() {
    if (hwnd_) ::SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Rect Win32Window::frame() const {
    RECT r{};
    if (hwnd_) ::GetWindowRect(hwnd_, &r);
    return {scale_.design(r.left), scale_.design(r.top), scale_.design(r.right - r.left),
            scale_.design(r.bottom - r.top)};
}

void Win32Window::moveTo(int x, int y) {
    if (hwnd_) {
        ::SetWindowPos(hwnd_, nullptr, scale_.px(x), scale_.px(y), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The client area is exactly the design size at the current scale, whatever the frame and menu take.
void Win32Window::fitClientArea() {
    if (!hwnd_ || ::IsIconic(hwnd_) || ::IsZoomed(hwnd_)) return;
    RECT client, outer;
    ::GetClientRect(hwnd_, &client);
    int dw = scale_.px(desc_.client.w) - client.right, dh = scale_.px(desc_.client.h) - client.bottom;
    if (dw == 0 && dh == 0) return;
    ::GetWindowRect(hwnd_, &outer);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left + dw, outer.bottom - outer.top + dh,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Timers, menus, modality ----

void Win32Window::startTimer(int id, int milliseconds) {
    if (hwnd_) ::SetTimer(hwnd_, static_cast<UINT_PTR>(id), static_cast<UINT>(std::max(milliseconds, 1)), nullptr);
}

void Win32Window::stopTimer(int id) {
    if (hwnd_) ::KillTimer(hwnd_, static_cast<UINT_PTR>(id));
}

void Win32Window::showPopupMenu(const std::vector<MenuItem>& items) {
    if (!hwnd_) return;
    UniqueMenu menu = buildPopupMenu(items);
    POINT at{};
    ::GetCursorPos(&at);
    ::SetForegroundWindow(hwnd_);  // so that the menu closes when the user clicks elsewhere
    UINT align = ::GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    int command = static_cast<int>(::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | align,
                                                    at.x, at.y, 0, hwnd_, nullptr));
    ::PostMessageW(hwnd_, WM_NULL, 0, 0);
    menu.reset();
    if (command && live_) events_.onCommand(command);
}

int Win32Window::runModal() {
    if (!hwnd_) return 0;
    ModalState state;
    modal_ = &state;
    HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    if (owner && ::IsWindowEnabled(owner)) {  // hidden too: it may be restored from the tray meanwhile
        modalOwner_ = owner;
        ::EnableWindow(owner, FALSE);
    }
    ui_.modalOpened(hwnd_);
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    Win32Ui& ui = ui_;  // the window may be destroyed, and this object with it, inside the loop
    MSG msg;
    while (!state.done) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ui.process(msg);
    }
    if (!state.alive) return 0;
    modal_ = nullptr;
    endModal();
    return 0;
}

void Win32Window::endModal() {
    // The owner is enabled again before the dialog goes, so that it gets the activation back.
    if (modalOwner_) ::EnableWindow(std::exchange(modalOwner_, nullptr), TRUE);
}

void Win32Window::close() {
    if (modal_) modal_->done = true;
    endModal();
    if (hwnd_) ::DestroyWindow(hwnd_);
}

// ---- Messages ----

LRESULT Win32Window::handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: hwnd_ = hwnd; break;
    case WM_NCDESTROY:
        ui_.modalClosed(hwnd);
        for (auto& c : controls_) c->detach();
        if (modal_) modal_->done = true;
        hwnd_ = nullptr;
        tooltip_ = nullptr;
        return 0;
    case WM_PAINT: return onPaint();
    case WM_PRINTCLIENT: {
        RECT all;
        ::GetClientRect(hwnd, &all);
        surface_->paint(reinterpret_cast<HDC>(wParam), all);
        return 0;
    }
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
    case WM_COMMAND:
        if (!::IsWindowEnabled(hwnd)) return 0;  // see WM_CLOSE
        return onCommandMessage(wParam, lParam);
    case WM_HSCROLL:
        if (ControlCore* bar = find(reinterpret_cast<HWND>(lParam)))
            bar->scrolled(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (ControlCore* c = find(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH b = c->colour(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(b);
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (ControlCore* c = find(item.hwndItem)) c->draw(item);
        return TRUE;
    }
    case WM_TIMER:
        if (live_) events_.onTimer(static_cast<int>(wParam));
        return 0;
    case WM_ACTIVATE: onActivateMessage(wParam); return 0;
    case WM_SIZE:
        if (live_) {
            events_.onResize(wParam == SIZE_MINIMIZED   ? ShowState::Minimised
                             : wParam == SIZE_MAXIMIZED ? ShowState::Maximised
                                                        : ShowState::Normal);
        }
        return 0;
    case WM_CLOSE:
        // A window that a modal dialog has disabled takes no input, not even a posted close. A hidden
        // window takes none from the user: its close comes from another program, and always counts.
        if (live_ && (::IsWindowEnabled(hwnd) || desc_.style == WindowStyle::Hidden)) events_.onClose();
        return 0;  // the owner decides
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        if (wParam && live_) events_.onEndSession();
        return 0;
    case WM_DPICHANGED:
        onDpiChangedMessage(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_HOTKEY: events_.onHotkey(static_cast<int>(wParam)); return 0;
    case WM_SETTINGCHANGE:  // light or dark taskbar
        if (lParam && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"ImmersiveColorSet") {
            ui_.pictures().forgetDrawn();
            events_.onThemeChanged();
        }
        break;
    case WM_COPYDATA: {
        const auto* sent = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!live_ || !sent || (!sent->lpData && sent->cbData)) return 0;
        return events_.onDataReceived(sent->dwData, {static_cast<const std::uint8_t*>(sent->lpData), sent->cbData});
    }
    case DM_GETDEFID: return defaultButton_ ? MAKELRESULT(defaultButton_, DC_HASDEFID) : 0;
    case WM_GETMINMAXINFO:  // the client area decides the size, however small
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{1, 1};
        return 0;
    case WM_MOUSEMOVE:
        // The tray's callback message: the code of the real mouse event rides in lParam.
        if (desc_.style == WindowStyle::Hidden) {
            onTrayCallback(hwnd, lParam);
            return 0;
        }
        break;
    default:
        if (msg == taskbarCreated_ && msg != 0) {
            if (live_) events_.onShellRestart();
            return 0;
        }
        break;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

// With NOTIFYICON_VERSION the shell reports the keyboard as well: Enter or Space on the selected
// icon (NIN_KEYSELECT) counts as a left press, the context-menu key or Shift+F10 (WM_CONTEXTMENU)
// as a right press. Nothing may act twice: NIN_SELECT follows a left click already reported, shells
// follow a right click with WM_CONTEXTMENU, and Enter brings NIN_KEYSELECT twice. A repeat is
// timed from the end of the first one's handling, which may have kept a menu open for a while.
void Win32Window::onTrayCallback(HWND hwnd, LPARAM lParam) {
    const auto recent = [](ULONGLONG at) { return at && ::GetTickCount64() - at < ::GetDoubleClickTime(); };
    int code = static_cast<int>(lParam);
    ULONGLONG* stamp = nullptr;
    switch (static_cast<UINT>(lParam)) {
    case NIN_SELECT: return;
    case NIN_KEYSELECT:
        if (recent(keySelectAt_)) return;
        code = WM_LBUTTONDOWN;
        stamp = &keySelectAt_;
        break;
    case WM_CONTEXTMENU:
        if (recent(rightButtonAt_)) return;
        code = WM_RBUTTONDOWN;
        stamp = &rightButtonAt_;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: stamp = &rightButtonAt_; break;
    default: break;
    }
    if (stamp) *stamp = ::GetTickCount64();
    if (live_) events_.onTrayMouse(code);
    if (stamp && MessageHandler::of(hwnd) == static_cast<MessageHandler*>(this)) *stamp = ::GetTickCount64();
}

LRESULT Win32Window::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    surface_->painted();
    surface_->paint(dc, ps.rcPaint);
    ::EndPaint(hwnd_, &ps);
    return 0;
}

LRESULT Win32Window::onCommandMessage(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    if (lParam == 0) {  // a menu item or an accelerator
        // Enter and Escape are handled in translate(): a dialog key's command, or a control's id
        // without its window, would bypass the checks made there. Accelerators (code 1) always pass.
        bool accelerator = HIWORD(wParam) == 1;
        if (!accelerator && (id == IDOK || id == IDCANCEL || find(id))) return 0;
        if (live_) events_.onCommand(id);
        return 0;
    }
    ControlCore* c = find(reinterpret_cast<HWND>(lParam));
    if (!c || c->desc().id != id || HIWORD(wParam) != BN_CLICKED) return 0;
    switch (c->desc().kind) {
    case Kind::Option:
        static_cast<CheckControl&>(*c).setValue(1);
        [[fallthrough]];
    case Kind::Button:
    case Kind::DefaultButton:
    case Kind::CheckBox:
        if (live_) events_.onCommand(id);
        break;
    default: break;
    }
    return 0;
}

void Win32Window::onActivateMessage(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus)) focus_ = focus;
        return;
    }
    if (HIWORD(wParam)) return;  // activated while minimised
    restoreFocus();
    if (live_) events_.onActivate();
}

void Win32Window::restoreFocus() {
    HWND target = focus_ && ::IsChild(hwnd_, focus_) && usable(focus_) ? focus_ : firstTabStop();
    ::SetFocus(target ? target : hwnd_);
}

void Win32Window::onDpiChangedMessage(UINT dpi, const RECT& suggested) {
    scale_ = Scale{dpi ? dpi : DesignDpi};
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
    surface_->rescale(scale_);
    for (auto& c : controls_) c->relayout();
    applyIcons();
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (live_) events_.onDpiChanged();
}

}  // namespace lark::win32
