// Commands about the notification area: whether a program's icon is there, taking it away the way a
// crashing taskbar would, and the broadcast a new taskbar sends.
#include "driver.h"

#include <shellapi.h>

#include <cwchar>

namespace driver {

namespace {

UINT iconId(const std::vector<std::wstring>& a) {
    return a.size() > 1 ? static_cast<UINT>(std::wcstoul(a[1].c_str(), nullptr, 0)) : 1;
}

// A record that names the icon by its window and id and changes nothing else.
bool notify(DWORD message, HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = 0;
    return Shell_NotifyIconW(message, &data) != FALSE;
}

// A title, or "hwnd:0x..." taken as it stands: the shell may still hold an icon whose window is gone.
HWND ownerOf(const std::wstring& desc) {
    constexpr std::wstring_view byHandle = L"hwnd:";
    if (!desc.starts_with(byHandle)) return findTopLevel(desc, false);
    const auto value = std::wcstoull(desc.c_str() + byHandle.size(), nullptr, 0);
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
}

}  // namespace

// A modify that changes nothing succeeds only while the shell holds an icon with this window and id.
int cmdTrayProbe(const std::vector<std::wstring>& a) {
    HWND window = ownerOf(a[0]);
    if (!window) {
        error(L"no window " + a[0]);
        return Failed;
    }
    const bool present = notify(NIM_MODIFY, window, iconId(a));
    emit({L"tray", hex(reinterpret_cast<std::uintptr_t>(window)), present ? L"1" : L"0"});
    return Ok;
}

int cmdTrayDelete(const std::vector<std::wstring>& a) {
    HWND window = ownerOf(a[0]);
    if (!window) {
        error(L"no window " + a[0]);
        return Failed;
    }
    return notify(NIM_DELETE, window, iconId(a)) ? Ok : Failed;
}

// Posts a registered message (e.g. "TaskbarCreated") to every top-level window, as the shell does.
int cmdBroadcast(const std::vector<std::wstring>& a) {
    const UINT message = RegisterWindowMessageW(a[0].c_str());
    if (!message || !PostMessageW(HWND_BROADCAST, message, 0, 0)) {
        error(L"broadcast failed");
        return Failed;
    }
    emit({L"broadcast", a[0], num(message)});
    return Ok;
}

}  // namespace driver
