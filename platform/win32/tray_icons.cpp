#include "platform/win32/tray_icons.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

namespace lark::win32 {
namespace {

// Copies the text up to its first NUL, cut to fit the field with its terminator and never in the
// middle of a surrogate pair.
template <std::size_t N>
void copyText(wchar_t (&field)[N], const std::wstring& tip) {
    std::size_t n = std::min({tip.size(), std::wcslen(tip.c_str()), std::size(field) - 1});
    if (n > 0 && IS_HIGH_SURROGATE(tip[n - 1])) --n;
    std::copy_n(tip.data(), n, field);
    field[n] = L'\0';
}

UINT flagsOf(std::uint32_t flags) {
    return (flags & nif::Message ? NIF_MESSAGE : 0u) | (flags & nif::Icon ? NIF_ICON : 0u) |
           (flags & nif::Tip ? NIF_TIP : 0u) | (flags & nif::Info ? NIF_INFO : 0u);
}

static_assert(niif::Information == NIIF_INFO && niif::NoSound == NIIF_NOSOUND &&
              niif::RespectQuietTime == NIIF_RESPECT_QUIET_TIME);

}  // namespace

bool Win32TrayIcons::call(DWORD message, const TrayRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = reinterpret_cast<HWND>(record.window);
    data.uID = record.id;
    if (message != NIM_DELETE) {
        data.uFlags = flagsOf(record.flags);
        data.uCallbackMessage = record.callbackMessage;
        if (data.uFlags & NIF_ICON) {
            UINT dpi = data.hWnd ? ::GetDpiForWindow(data.hWnd) : 0;
            int size = ::GetSystemMetricsForDpi(SM_CXSMICON, dpi ? dpi : ::GetDpiForSystem());
            data.hIcon = pictures_.icon(record.icon, size);
        }
        if (data.uFlags & NIF_TIP) copyText(data.szTip, record.tip);
        if (data.uFlags & NIF_INFO) {
            copyText(data.szInfoTitle, record.infoTitle);
            copyText(data.szInfo, record.info);
            data.dwInfoFlags = record.infoFlags;
        }
    }
    return ::Shell_NotifyIconW(message, &data) != FALSE;
}

// Version 3 makes the shell report the keyboard too (NIN_KEYSELECT, WM_CONTEXTMENU) while the
// callback keeps the plain message code in lParam. The version lasts as long as the icon, so every
// add sets it again; a shell that does not take it still delivers the mouse.
bool Win32TrayIcons::add(const TrayRecord& record) {
    if (!call(NIM_ADD, record)) return false;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = reinterpret_cast<HWND>(record.window);
    data.uID = record.id;
    data.uVersion = NOTIFYICON_VERSION;
    ::Shell_NotifyIconW(NIM_SETVERSION, &data);
    return true;
}

bool Win32TrayIcons::modify(const TrayRecord& record) { return call(NIM_MODIFY, record); }
bool Win32TrayIcons::remove(const TrayRecord& record) { return call(NIM_DELETE, record); }

}  // namespace lark::win32
