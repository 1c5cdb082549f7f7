// The child controls of a Win32Window: real child windows whose window text is their caption.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/ui.h"
#include "platform/win32/message_handler.h"
#include "platform/win32/surface.h"

namespace lark::win32 {

class Win32Window;

// What every control shares: its description, its child window and the hooks the window calls.
class ControlCore {
public:
    ControlCore(Win32Window& owner, const ControlSpec& desc);
    virtual ~ControlCore() = default;
    ControlCore(const ControlCore&) = delete;
    ControlCore& operator=(const ControlCore&) = delete;

    const ControlSpec& desc() const { return desc_; }
    HWND hwnd() const { return hwnd_; }
    bool isContainer() const { return desc_.kind == Kind::Picture || desc_.kind == Kind::Frame; }
    bool isLabel() const { return desc_.kind == Kind::Label; }
    // The colour behind this control: its own, or its container's when it has none.
    Rgb background() const;

    void create();
    // After a change of DPI: bounds and font again.
    virtual void relayout();
    // WM_CTLCOLOR*: the brush for this control, or nullptr for the system's default.
    virtual HBRUSH colour(HDC dc);
    // WM_DRAWITEM for owner-drawn controls (labels, images).
    virtual void draw(const DRAWITEMSTRUCT&) {}
    // WM_HSCROLL from a scroll bar.
    virtual void scrolled(int /*code*/, int /*thumb*/) {}
    // Labels: paints this label into `dc` with its top-left corner at `at` (device pixels); a
    // transparent label paints only its text.
    void paintLabel(HDC dc, POINT at) const;
    // The window is gone: nothing may be sent to the child any more.
    void detach() { hwnd_ = nullptr; }
    // Paints what this control shows into `dc` at `at` (device pixels), for a transparent label
    // above it: labels, images and picture boxes; nothing for the others.
    virtual void paintInto(HDC /*dc*/, POINT /*at*/) const {}
    // The canvas a container paints from; nullptr for others.
    virtual Surface* surface() { return nullptr; }

protected:
    // Shared by the Control implementations below.
    void setCaption(std::wstring_view text);
    void setShown(bool shown);
    void setActive(bool enabled);
    void moveTo(int x, int y);
    void repaint();
    RECT deviceBounds() const;

    virtual HWND createWindow(HWND container, DWORD style);
    HWND createChild(const wchar_t* className, HWND container, DWORD style, DWORD exStyle = 0,
                     void* param = nullptr);

    Win32Window& owner_;
    ControlSpec desc_;
    HWND hwnd_ = nullptr;
};

template <class Interface>
class ControlOf : public Interface, public ControlCore {
public:
    using ControlCore::ControlCore;
    void setText(std::wstring_view text) override { setCaption(text); }
    const std::wstring& text() const override { return desc_.caption; }
    void setVisible(bool visible) override { setShown(visible); }
    bool visible() const override { return desc_.visible; }
    void setEnabled(bool enabled) override { setActive(enabled); }
    void move(int x, int y) override { moveTo(x, y); }
    void repaintNow() override { repaint(); }
};

// Labels, buttons, frames and image controls.
class PlainControl final : public ControlOf<Control> {
public:
    using ControlOf::ControlOf;
    void draw(const DRAWITEMSTRUCT& item) override;
    void paintInto(HDC dc, POINT at) const override;

private:
    HWND createWindow(HWND container, DWORD style) override;
    void paintImage(HDC dc, POINT at) const;
};

class ScrollBarControl final : public ControlOf<ScrollBar> {
public:
    using ControlOf::ControlOf;
    int value() const override { return desc_.value; }
    void setValue(int value) override;
    void scrolled(int code, int thumb) override;

private:
    HWND createWindow(HWND container, DWORD style) override;
};

class PictureBoxControl final : public ControlOf<PictureBox>, private MessageHandler {
public:
    using ControlOf::ControlOf;
    Canvas& canvas() override { return *surface_; }
    Surface* surface() override { return surface_.get(); }
    void relayout() override;
    void paintInto(HDC dc, POINT at) const override;

private:
    HWND createWindow(HWND container, DWORD style) override;
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    std::unique_ptr<Surface> surface_;
};

class CheckControl final : public ControlOf<CheckBox> {
public:
    using ControlOf::ControlOf;
    int value() const override;
    void setValue(int value) override;

private:
    HWND createWindow(HWND container, DWORD style) override;
};

// A hotkey field. It cannot show Win, so a stored combination with Win is kept as it was set
// while the field still shows the rest of it.
class HotkeyControl final : public ControlOf<HotkeyField> {
public:
    using ControlOf::ControlOf;
    Hotkey value() const override;
    void setValue(Hotkey hotkey) override;

private:
    HWND createWindow(HWND container, DWORD style) override;
    Hotkey set_;
};

class ComboControl final : public ControlOf<ComboList> {
public:
    using ControlOf::ControlOf;
    int selected() const override;
    void select(int index) override;
    void relayout() override;

private:
    HWND createWindow(HWND container, DWORD style) override;
};

}  // namespace lark::win32
