// Loaded into a running program by driver.exe's "menu" command (under Wine only the process itself
// can read its menus): writes its windows' menu bars and open popup menus (#32768) to "<this
// dll>.txt" and unloads itself. Records end with \n, fields are separated by \x1f: bar|popup hwnd
// title; item depth id text (id -1 for a submenu, whose items follow one level deeper); separator depth.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

HMODULE self;

void record(std::wstring& out, std::initializer_list<std::wstring> fields) {
    for (const std::wstring& field : fields) out += field + L'\x1f';
    out.back() = L'\n';
}

void items(std::wstring& out, HMENU menu, int depth) {
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW item{sizeof(MENUITEMINFOW), MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU};
        item.dwTypeData = text, item.cch = 255;
        if (!GetMenuItemInfoW(menu, i, TRUE, &item)) continue;
        if (item.fType & MFT_SEPARATOR) record(out, {L"separator", std::to_wstring(depth)});
        else record(out, {L"item", std::to_wstring(depth), std::to_wstring(item.hSubMenu ? -1 : int(item.wID)), text});
        if (item.hSubMenu) items(out, item.hSubMenu, depth + 1);
    }
}

BOOL CALLBACK window(HWND hwnd, LPARAM text) {
    DWORD pid = 0;
    wchar_t type[16] = {}, title[256] = {}, handle[24];
    GetWindowThreadProcessId(hwnd, &pid), GetClassNameW(hwnd, type, 16), GetWindowTextW(hwnd, title, 256);
    const bool popup = std::wstring(type) == L"#32768";
    DWORD_PTR menu = popup ? 0 : DWORD_PTR(GetMenu(hwnd));
    if (pid != GetCurrentProcessId() || (popup && !IsWindowVisible(hwnd))) return TRUE;
    if (popup) SendMessageTimeoutW(hwnd, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, 2000, &menu);
    std::swprintf(handle, 24, L"0x%llx", static_cast<unsigned long long>(UINT_PTR(hwnd)));
    auto& out = *reinterpret_cast<std::wstring*>(text);
    if (menu) record(out, {popup ? L"popup" : L"bar", handle, title}), items(out, HMENU(menu), 0);
    return TRUE;
}

// Written under another name, then renamed, so that the driver sees it whole. Everything is freed
// before FreeLibraryAndExitThread, which never returns.
DWORD WINAPI dump(void*) {
    {
        std::wstring text;
        EnumWindows(window, LPARAM(&text));
        wchar_t path[MAX_PATH];
        const std::wstring done = std::wstring(path, GetModuleFileNameW(self, path, MAX_PATH)) + L".txt", part = done + L".part";
        HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        const bool whole = WriteFile(file, text.data(), DWORD(text.size() * sizeof(wchar_t)), &written, nullptr);
        CloseHandle(file);  // INVALID_HANDLE_VALUE is the process's own pseudo handle: closing it does nothing
        if (whole) MoveFileExW(part.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    FreeLibraryAndExitThread(self, 0);
}

}  // namespace

// The loader lock is held here: the work runs on a thread of its own.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) self = instance, CloseHandle(CreateThread(nullptr, 0, dump, nullptr, 0, nullptr));
    return TRUE;
}
