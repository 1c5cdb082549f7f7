#include "platform/win32/controls.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "platform/win32/win32_ui.h"
#include "platform/win32/window.h"

namespace lark::win32 {
namespace {

COLORREF ref(Rgb c) { return RGB(c.r, c.g, c.b); }

bool hasAccessKey(const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return true;
        ++i;  // "&&" is a literal ampersand
    }
    return false;
}

UINT alignment(Align align) {
    switch (align) {
    case Align::Right: return DT_RIGHT;
    case Align::Centre: return DT_CENTER;
    default: return DT_LEFT;
    }
}

// Draws the control in the classic look, which takes its colours from WM_CTLCOLOR*. The class list
// names no theme class; an empty one is refused by some systems (Wine), which keeps the theme.
void withoutTheme(HWND control) { ::SetWindowTheme(control, L" ", L" "); }

// Frames are containers: their children's notifications go on to the top-level window, and their
// inside is filled with their background (the window does not paint beneath its children).
LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (forwardsToRoot(msg)) return forwardToRoot(hwnd, msg, wParam, lParam);
    if (msg == WM_ERASEBKGND) {
        auto* frame = reinterpret_cast<ControlCore*>(data);
        RECT r;
        ::GetClientRect(hwnd, &r);
        ::SetDCBrushColor(reinterpret_cast<HDC>(wParam), ref(frame->background()));
        ::FillRect(reinterpret_cast<HDC>(wParam), &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
        return 1;
    }
    if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, frameProc, 0);
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

// ---- ControlCore ----

ControlCore::ControlCore(Win32Window& owner, const ControlSpec& desc) : owner_(owner), desc_(desc) {}

Rgb ControlCore::background() const {
    return desc_.defaultBackground ? owner_.backgroundOf(desc_.parent) : desc_.background;
}

void ControlCore::create() {
    HWND container = owner_.containerOf(desc_.parent);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (desc_.visible ? WS_VISIBLE : 0);
    hwnd_ = createWindow(container, style);
    relayout();
    // Later controls lie over earlier ones, whatever their kind.
    ::SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND ControlCore::createWindow(HWND container, DWORD style) {
    return createChild(WC_STATICW, container, style | SS_OWNERDRAW);
}

HWND ControlCore::createChild(const wchar_t* className, HWND container, DWORD style, DWORD exStyle, void* param) {
    RECT r = deviceBounds();
    return ::CreateWindowExW(exStyle, className, desc_.caption.c_str(), style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(desc_.id)),
                             owner_.ui().instance(), param);
}

RECT ControlCore::deviceBounds() const { return owner_.scale().rect(desc_.bounds); }

void ControlCore::relayout() {
    if (!hwnd_) return;
    RECT r = deviceBounds();
    ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    HFONT font = owner_.ui().fonts().get(desc_.font, owner_.scale().dpi);
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH ControlCore::colour(HDC dc) {
    // The system's text colour is set too: the device context may come with another control's.
    ::SetTextColor(dc, desc_.defaultTextColour ? ::GetSysColor(COLOR_BTNTEXT) : ref(desc_.textColour));
    Rgb back = background();
    ::SetBkColor(dc, ref(back));
    return owner_.brush(back);
}

void ControlCore::paintLabel(HDC dc, POINT at) const {
    RECT r = deviceBounds();
    ::OffsetRect(&r, at.x - r.left, at.y - r.top);
    if (!desc_.transparent) {
        ::SetDCBrushColor(dc, ref(background()));
        ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    }
    bool enabled = !hwnd_ || ::IsWindowEnabled(hwnd_);
    COLORREF text = !enabled                 ? ::GetSysColor(COLOR_GRAYTEXT)
                    : desc_.defaultTextColour ? ::GetSysColor(COLOR_BTNTEXT)
                                              : ref(desc_.textColour);
    Selected font(dc, owner_.ui().fonts().get(desc_.font, owner_.scale().dpi));
    int mode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF old = ::SetTextColor(dc, text);
    UINT format = alignment(desc_.align) | DT_WORDBREAK | (hasAccessKey(desc_.caption) ? 0 : DT_NOPREFIX);
    ::DrawTextW(dc, desc_.caption.c_str(), static_cast<int>(desc_.caption.size()), &r, format);
    ::SetTextColor(dc, old);
    ::SetBkMode(dc, mode);
}

void ControlCore::setCaption(std::wstring_view text) {
    if (desc_.caption == text) return;
    desc_.caption.assign(text);
    if (!hwnd_) return;
    ::SetWindowTextW(hwnd_, desc_.caption.c_str());
    if (desc_.announced) ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    if (isLabel()) {
        ::InvalidateRect(hwnd_, nullptr, FALSE);
        owner_.labelChanged(*this);
    }
}

void ControlCore::setShown(bool shown) {
    desc_.visible = shown;
    if (!hwnd_) return;
    ::ShowWindow(hwnd_, shown ? SW_SHOWNA : SW_HIDE);
    owner_.labelChanged(*this);
}

void ControlCore::setActive(bool enabled) {
    if (!hwnd_) return;
    ::EnableWindow(hwnd_, enabled);
    if (isLabel()) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void ControlCore::moveTo(int x, int y) {
    desc_.bounds.x = x;
    desc_.bounds.y = y;
    if (!hwnd_) return;
    RECT r = deviceBounds();
    ::SetWindowPos(hwnd_, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    owner_.labelChanged(*this);
}

void ControlCore::repaint() {
    if (hwnd_) ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- Labels, buttons, frames, images ----

HWND PlainControl::createWindow(HWND container, DWORD style) {
    switch (desc_.kind) {
    case Kind::Button:
        return createChild(WC_BUTTONW, container, style | WS_TABSTOP | BS_PUSHBUTTON);
    case Kind::DefaultButton:
        return createChild(WC_BUTTONW, container, style | WS_TABSTOP | BS_DEFPUSHBUTTON);
    case Kind::Frame: {
        HWND frame = createChild(WC_BUTTONW, container, style | WS_CLIPCHILDREN | BS_GROUPBOX, WS_EX_CONTROLPARENT);
        ::SetWindowSubclass(frame, frameProc, 0, reinterpret_cast<DWORD_PTR>(static_cast<ControlCore*>(this)));
        if (!desc_.defaultTextColour) withoutTheme(frame);  // themed frames ignore the colour
        return frame;
    }
    default:  // labels and images draw themselves
        return createChild(WC_STATICW, container, style | SS_OWNERDRAW);
    }
}

void PlainControl::draw(const DRAWITEMSTRUCT& item) {
    int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
    MemoryBitmap buffer(w, h);  // composed off screen: no flicker under transparent labels
    if (desc_.kind == Kind::Label && desc_.transparent) owner_.paintBeneath(*this, buffer.dc());
    paintInto(buffer.dc(), POINT{0, 0});
    ::BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, buffer.dc(), 0, 0, SRCCOPY);
}

void PlainControl::paintInto(HDC dc, POINT at) const {
    if (desc_.kind == Kind::Label) paintLabel(dc, at);
    if (desc_.kind == Kind::Image) paintImage(dc, at);
}

// The picture at its own size from the top-left corner, clipped by the control's bounds.
void PlainControl::paintImage(HDC dc, POINT at) const {
    RECT r = deviceBounds();
    ::OffsetRect(&r, at.x - r.left, at.y - r.top);
    HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
    bool clipped = ::GetClipRgn(dc, clip) == 1;
    ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    ::SetDCBrushColor(dc, ref(background()));
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    PictureCache& pictures = owner_.ui().pictures();
    Size size = pictures.bitmapSize(desc_.picture);
    if (size.w == 0) size = {std::min(desc_.bounds.w, desc_.bounds.h), std::min(desc_.bounds.w, desc_.bounds.h)};
    Scale s = owner_.scale();
    pictures.draw(dc, desc_.picture, at.x, at.y, s.px(size.w), s.px(size.h));
    ::SelectClipRgn(dc, clipped ? clip : nullptr);
    ::DeleteObject(clip);
}

// ---- Scroll bars ----

HWND ScrollBarControl::createWindow(HWND container, DWORD style) {
    desc_.max = std::max(desc_.max, desc_.min);
    desc_.value = std::clamp(desc_.value, desc_.min, desc_.max);
    HWND bar = createChild(WC_SCROLLBARW, container, style | WS_TABSTOP | SBS_HORZ);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, desc_.min, desc_.max, 0, desc_.value, 0};
    ::SetScrollInfo(bar, SB_CTL, &info, TRUE);
    return bar;
}

void ScrollBarControl::setValue(int value) {
    value = std::clamp(value, desc_.min, desc_.max);
    if (value == desc_.value) return;
    desc_.value = value;
    if (hwnd_) ::SetScrollPos(hwnd_, SB_CTL, value, TRUE);
    owner_.scrollChanged(desc_.id);  // last: the handler may do anything
}

void ScrollBarControl::scrolled(int code, int thumb) {
    int step = std::max(desc_.largeStep, 1);
    int v = desc_.value;
    switch (code) {
    case SB_LINELEFT: v -= 1; break;
    case SB_LINERIGHT: v += 1; break;
    case SB_PAGELEFT: v -= step; break;
    case SB_PAGERIGHT: v += step; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: v = thumb; break;
    case SB_LEFT: v = desc_.min; break;
    case SB_RIGHT: v = desc_.max; break;
    default: return;  // SB_ENDSCROLL
    }
    setValue(v);
}

// ---- Picture boxes ----

HWND PictureBoxControl::createWindow(HWND container, DWORD style) {
    SurfaceLook look{{desc_.bounds.w, desc_.bounds.h}, desc_.font, background(), desc_.picture};
    surface_ = std::make_unique<Surface>(owner_.ui().fonts(), owner_.ui().pictures(), look, owner_.scale());
    HWND box = createChild(PictureBoxClass, container, style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                           static_cast<MessageHandler*>(this));
    surface_->attach(box);
    return box;
}

void PictureBoxControl::relayout() {
    ControlCore::relayout();
    if (surface_) surface_->rescale(owner_.scale());
}

void PictureBoxControl::paintInto(HDC dc, POINT at) const {
    if (!surface_) return;
    RECT r = deviceBounds();
    ::BitBlt(dc, at.x, at.y, r.right - r.left, r.bottom - r.top, surface_->imageDc(), 0, 0, SRCCOPY);
}

LRESULT PictureBoxControl::handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (forwardsToRoot(msg)) return forwardToRoot(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        if (surface_) surface_->painted(), surface_->paint(dc, ps.rcPaint);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT all;
        ::GetClientRect(hwnd, &all);
        if (surface_) surface_->paint(reinterpret_cast<HDC>(wParam), all);
        return 0;
    }
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        if (surface_) surface_->attach(nullptr);
        return 0;
    default: return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

// ---- Check boxes and option buttons ----

HWND CheckControl::createWindow(HWND container, DWORD style) {
    // Option buttons are ticked by the window, group by group, not by the control's own rules.
    DWORD kind = desc_.kind == Kind::Option ? BS_RADIOBUTTON : BS_AUTOCHECKBOX;
    HWND box = createChild(WC_BUTTONW, container, style | WS_TABSTOP | kind);
    if (!desc_.defaultTextColour) withoutTheme(box);  // themed boxes ignore the colour
    ::SendMessageW(box, BM_SETCHECK, desc_.value ? BST_CHECKED : BST_UNCHECKED, 0);
    return box;
}

int CheckControl::value() const {
    if (!hwnd_) return desc_.value ? 1 : 0;
    return ::SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckControl::setValue(int value) {
    desc_.value = value ? 1 : 0;
    if (hwnd_) ::SendMessageW(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (value && desc_.kind == Kind::Option) owner_.optionTicked(*this);
}

// ---- Drop-down lists ----

namespace {
constexpr int DropDownHeight = 160;  // design pixels of the open list
}

HWND ComboControl::createWindow(HWND container, DWORD style) {
    HWND combo = createChild(WC_COMBOBOXW, container, style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    for (const std::wstring& item : desc_.items)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    return combo;
}

void ComboControl::relayout() {
    if (!hwnd_) return;
    ControlCore::relayout();
    RECT r = deviceBounds();
    ::SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + owner_.scale().px(DropDownHeight),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ComboControl::selected() const {
    if (!hwnd_) return -1;
    auto index = ::SendMessageW(hwnd_, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ComboControl::select(int index) {
    if (!hwnd_) return;
    auto count = ::SendMessageW(hwnd_, CB_GETCOUNT, 0, 0);
    if (index < -1 || index >= count) return;  // no such entry: the selection stays
    ::SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// ---- Hotkey fields ----

namespace {
WORD fieldWord(Hotkey hotkey) {
    const BYTE flags = (hotkey.modifiers & Hotkey::Ctrl ? HOTKEYF_CONTROL : 0) | (hotkey.modifiers & Hotkey::Alt ? HOTKEYF_ALT : 0) |
                       (hotkey.modifiers & Hotkey::Shift ? HOTKEYF_SHIFT : 0);
    return MAKEWORD(static_cast<BYTE>(hotkey.key), flags);
}
}  // namespace

// A combination without Ctrl or Alt would take typing from every program: the field adds Ctrl+Alt.
HWND HotkeyControl::createWindow(HWND container, DWORD style) {
    HWND field = createChild(HOTKEY_CLASSW, container, style | WS_TABSTOP, WS_EX_CLIENTEDGE);
    ::SendMessageW(field, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    return field;
}

Hotkey HotkeyControl::value() const {
    if (!hwnd_) return set_;
    const WORD word = LOWORD(::SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0));
    if (set_ && word == fieldWord(set_)) return set_;
    const BYTE flags = HIBYTE(word);
    return {(flags & HOTKEYF_CONTROL ? Hotkey::Ctrl : 0u) | (flags & HOTKEYF_ALT ? Hotkey::Alt : 0u) |
                (flags & HOTKEYF_SHIFT ? Hotkey::Shift : 0u),
            LOBYTE(word)};
}

void HotkeyControl::setValue(Hotkey hotkey) {
    set_ = hotkey;
    if (hwnd_) ::SendMessageW(hwnd_, HKM_SETHOTKEY, hotkey ? fieldWord(hotkey) : 0, 0);
}

}  // namespace lark::win32
