// A top-level window of the program and the controls on it.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/controls.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/message_handler.h"
#include "platform/win32/surface.h"

namespace lark::win32 {

class Win32Ui;

class Win32Window final : public Window, private MessageHandler {
public:
    Win32Window(Win32Ui& ui, const WindowSpec& desc, WindowEvents& events);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Window
    Control& add(const ControlSpec& desc) override;
    ScrollBar& addScrollBar(const ControlSpec& desc) override;
    PictureBox& addPicture(const ControlSpec& desc) override;
    CheckBox& addCheck(const ControlSpec& desc) override;
    ComboList& addCombo(const ControlSpec& desc) override;
    HotkeyField& addHotkey(const ControlSpec& desc) override;
    Canvas& canvas() override { return *surface_; }
    const std::wstring& title() const override { return desc_.title; }
    WindowStyle style() const { return desc_.style; }
    void show(ShowState state) override;
    ShowState state() const override;
    bool visible() const override;
    bool bringForward() override;
    void setIcon(Picture picture) override;
    Picture icon() const override { return icon_; }
    void makeTopmost() override;
    Rect frame() const override;
    void moveTo(int x, int y) override;
    void startTimer(int id, int milliseconds) override;
    void stopTimer(int id) override;
    void showPopupMenu(const std::vector<MenuItem>& items) override;
    int runModal() override;
    void close() override;
    std::uintptr_t handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
    bool registerHotkey(int id, Hotkey hotkey) override;
    void unregisterHotkey(int id) override;

    // The program's window behind a top-level handle, or nullptr.
    static Win32Window* fromRoot(HWND root, ATOM topLevelClass);
    // Keyboard handling before dispatch: accelerators, Enter for the default button, dialog keys.
    // True when the message was handled; the window may be gone afterwards.
    bool translate(MSG& msg);

    // For the controls.
    HWND hwnd() const { return hwnd_; }
    Scale scale() const { return scale_; }
    Win32Ui& ui() { return ui_; }
    HWND containerOf(int parentId) const;
    Rgb backgroundOf(int parentId) const;
    HBRUSH brush(Rgb colour);
    void scrollChanged(int id);
    void labelChanged(const ControlCore& label);
    void paintBeneath(const ControlCore& label, HDC dc);
    void optionTicked(const ControlCore& option);

private:
    struct ModalState {
        bool done = false;
        bool alive = true;
    };

    template <class T>
    T& addControl(const ControlSpec& desc);
    ControlCore* find(int id) const;
    ControlCore* find(HWND child) const;
    void addTooltip(const ControlCore& control);

    LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT onCommandMessage(WPARAM wParam, LPARAM lParam);
    LRESULT onPaint();
    void onActivateMessage(WPARAM wParam);
    void onDpiChangedMessage(UINT dpi, const RECT& suggested);
    void onTrayCallback(HWND hwnd, LPARAM lParam);
    void fitClientArea();
    void applyIcons();
    void restoreFocus();
    void endModal();
    // Keyboard (keyboard.cpp).
    bool usable(HWND child) const;
    bool press(int id);
    bool pressEnter();
    bool pressEscape();
    void moveFocus(int direction);
    bool moveInGroup(ControlCore& option, int direction);
    bool isTabStop(const ControlCore& control) const;
    HWND firstTabStop() const;

    Win32Ui& ui_;
    WindowSpec desc_;
    WindowEvents& events_;
    HWND hwnd_ = nullptr;
    bool live_ = false;  // events reach the owner only between construction and destruction
    Scale scale_;
    std::unique_ptr<Surface> surface_;
    std::vector<std::unique_ptr<ControlCore>> controls_;
    std::map<COLORREF, UniqueGdi> brushes_;
    UniqueAccel accelerators_;
    HWND tooltip_ = nullptr;
    HWND focus_ = nullptr;
    HWND modalOwner_ = nullptr;
    ModalState* modal_ = nullptr;
    Picture icon_ = Picture::None;
    UINT taskbarCreated_ = 0;
    ULONGLONG keySelectAt_ = 0;    // when the tray's last NIN_KEYSELECT was handled (0: never)
    ULONGLONG rightButtonAt_ = 0;  // ... its last right press, release or context-menu key
    int defaultButton_ = 0;
    int cancelButton_ = 0;
};

}  // namespace lark::win32
