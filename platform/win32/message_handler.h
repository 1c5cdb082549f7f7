// The glue between a window procedure and the object behind the window.
#pragma once

#include <windows.h>

namespace lark::win32 {

// The object is passed as the creation parameter; the window procedure keeps it in GWLP_USERDATA
// from WM_NCCREATE to WM_NCDESTROY and hands every message in between to handle().
class MessageHandler {
public:
    virtual ~MessageHandler() = default;
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static MessageHandler* of(HWND hwnd);

protected:
    virtual LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

// Window classes of the program.
inline constexpr wchar_t TopLevelClass[] = L"Larkspan.Window";
inline constexpr wchar_t PictureBoxClass[] = L"Larkspan.PictureBox";

// Registers both classes (once per process; registering again is harmless). The top-level class's
// atom, used to recognise the program's windows.
ATOM registerWindowClasses(HINSTANCE instance);

// Sends a container's child notifications on to the top-level window that handles them.
bool forwardsToRoot(UINT msg);
LRESULT forwardToRoot(HWND container, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace lark::win32
