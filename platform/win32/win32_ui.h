// The Win32 user interface: windows, the message loop and the system's metrics.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/fonts.h"
#include "platform/win32/handles.h"
#include "platform/win32/pictures.h"

namespace lark::win32 {

class Win32Ui final : public Ui {
public:
    explicit Win32Ui(PictureCache& pictures, HINSTANCE instance = ::GetModuleHandleW(nullptr));
    Win32Ui(const Win32Ui&) = delete;
    Win32Ui& operator=(const Win32Ui&) = delete;

    std::unique_ptr<Window> createWindow(const WindowSpec& desc, WindowEvents& events) override;
    void pumpPending() override;
    int run() override;
    Size screen() const override;
    Rgb systemColour(SysColour colour) const override;
    [[noreturn]] void endProcess() override;

    // For the windows.
    HINSTANCE instance() const { return instance_; }
    FontCache& fonts() { return fonts_; }
    PictureCache& pictures() { return pictures_; }
    ATOM windowClass() const { return class_; }
    // Translates and dispatches one message (accelerators and dialog keys of the program's windows).
    void process(MSG& msg);
    // The owner of a dialog: the newest modal window, so that modal windows stack over the main window
    // in the order they opened; else the program's main window, shown or hidden, so that it takes no
    // input while the dialog is open however the dialog was opened (its own button, a key, the tray
    // menu, low memory); without one, a hidden window that keeps the dialog off the taskbar.
    HWND dialogOwner();
    // The same for a message box, but none without a main window: the box of a run without windows
    // keeps its taskbar button.
    HWND boxOwner();

    // The program's modal windows, oldest first: dialogs from runModal until they close, message
    // boxes while they show.
    void modalOpened(HWND window);
    void modalClosed(HWND window);
    // While modal windows stand above `window` (all of them when it is not one itself), raises it with
    // them above it, in order, and activates the newest. False when none does.
    bool bringModalsForward(HWND window);

private:
    HINSTANCE instance_;
    PictureCache& pictures_;
    FontCache fonts_;
    ATOM class_ = 0;
    UniqueWindow parking_;
    std::vector<HWND> modals_;
};

}  // namespace lark::win32
