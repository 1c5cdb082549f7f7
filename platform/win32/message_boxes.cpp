#include "platform/win32/message_boxes.h"

#include <windows.h>

#include <string>

namespace lark::win32 {

int Win32MessageBoxes::show(std::wstring_view text, int flags, std::wstring_view title) {
    std::wstring body(text), caption(title);
    HWND owner = ::GetActiveWindow();
    return ::MessageBoxW(owner, body.c_str(), caption.c_str(), static_cast<UINT>(flags) | MB_SETFOREGROUND);
}

}  // namespace lark::win32
