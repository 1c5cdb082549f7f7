// driver.exe <command> [arguments]: drives another program's windows from outside, as a user would.
// Output: one record a line, tab-separated UTF-8 fields with \t \n \r \\ escaped. Exit code 0 done,
// 1 failed, 2 usage. <window>: a top-level window's exact title or "hwnd:0x..." (any window).
#include <windows.h>
#include <shellapi.h>
#include <oleacc.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::wstring>;

void write(DWORD stream, const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), int(bytes.size()), nullptr, nullptr));
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

int emit(const std::vector<std::wstring>& fields) {
    std::wstring line;
    for (const std::wstring& field : fields) {
        line += line.empty() ? L"" : L"\t";
        for (wchar_t c : field)
            line += c == L'\t' ? L"\\t" : c == L'\n' ? L"\\n" : c == L'\r' ? L"\\r" : c == L'\\' ? L"\\\\" : std::wstring(1, c);
    }
    write(STD_OUTPUT_HANDLE, line + L'\n');
    return 0;
}

int fail(const std::wstring& message) { return write(STD_ERROR_HANDLE, L"error\t" + message + L'\n'), 1; }

long long number(const std::wstring& text) { return std::wcstoll(text.c_str(), nullptr, 0); }
std::wstring num(long long value) { return std::to_wstring(value); }
std::wstring flag(bool value) { return value ? L"1" : L"0"; }
std::wstring hex(HWND w) { wchar_t t[24]; return std::swprintf(t, 24, L"0x%llx", static_cast<unsigned long long>(UINT_PTR(w))), t; }
DWORD ms(const Args& a, std::size_t i) { return i < a.size() ? DWORD(number(a[i])) : 10000; }

DWORD pidOf(HWND w) { DWORD pid = 0; return GetWindowThreadProcessId(w, &pid), pid; }
std::wstring classOf(HWND w) { wchar_t t[256]; return std::wstring(t, std::max(GetClassNameW(w, t, 256), 0)); }
std::wstring titleOf(HWND w) { wchar_t t[512]; return std::wstring(t, std::max(GetWindowTextW(w, t, 512), 0)); }

std::wstring textOf(HWND w) {  // WM_GETTEXT, marshalled from the control's process
    wchar_t t[2048];
    DWORD_PTR n = 0;
    return SendMessageTimeoutW(w, WM_GETTEXT, 2048, LPARAM(t), SMTO_ABORTIFHUNG, 2000, &n) ? std::wstring(t, n) : L"";
}

std::vector<HWND> windowsUnder(HWND parent) {
    std::vector<HWND> found;
    auto add = [](HWND window, LPARAM list) { return reinterpret_cast<std::vector<HWND>*>(list)->push_back(window), TRUE; };
    parent ? EnumChildWindows(parent, add, LPARAM(&found)) : EnumWindows(add, LPARAM(&found));
    return found;
}

// A handle is taken as it stands: the shell may hold an icon whose window is gone.
HWND find(const std::wstring& desc, bool visibleOnly = false) {
    if (desc.starts_with(L"hwnd:")) return HWND(UINT_PTR(std::wcstoull(desc.c_str() + 5, nullptr, 0)));
    for (HWND window : windowsUnder(nullptr))
        if ((!visibleOnly || IsWindowVisible(window)) && titleOf(window) == desc) return window;
    return nullptr;
}

bool waitFor(DWORD timeoutMs, const std::function<bool()>& done) {
    for (const ULONGLONG deadline = GetTickCount64() + timeoutMs; !done(); Sleep(10))
        if (GetTickCount64() >= deadline) return false;
    return true;
}

int emitWindow(HWND window) {
    RECT c{};
    GetClientRect(window, &c);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&c), 2);
    return emit({L"window", hex(window), num(pidOf(window)), flag(IsWindowVisible(window)), classOf(window), num(c.left),
                 num(c.top), num(c.right - c.left), num(c.bottom - c.top), titleOf(window), flag(IsWindowEnabled(window)),
                 flag(GetForegroundWindow() == window)});
}

// windows [<window>]: window hwnd pid visible class x y width height title enabled active (the client area on the
// screen), of every top-level window or those of that window's process.
int windows(const Args& a) {
    HWND of = a.empty() ? nullptr : find(a[0]);
    if (!a.empty() && !IsWindow(of)) return fail(L"no window " + a[0]);
    for (HWND window : windowsUnder(nullptr))
        if (!of || pidOf(window) == pidOf(of)) emitWindow(window);
    return 0;
}

// wait <window> [ms]: until it is visible; prints its window line. wait-gone <window> [ms]: until it is gone.
int wait(const Args& a) {
    HWND window = nullptr;
    return waitFor(ms(a, 1), [&] { return IsWindowVisible(window = find(a[0], true)); }) ? emitWindow(window) : fail(L"timed out");
}
int waitGone(const Args& a) { return waitFor(ms(a, 1), [&] { return !IsWindow(find(a[0])); }) ? 0 : fail(L"still there"); }

// controls <window>: control hwnd id parent class visible value text (value: a scroll bar's position).
int controls(const Args& a) {
    HWND top = find(a[0]);
    if (!IsWindow(top)) return fail(L"no window " + a[0]);
    for (HWND control : windowsUnder(top)) {
        const std::wstring type = classOf(control);
        DWORD_PTR pos = 0;
        const bool bar = _wcsicmp(type.c_str(), L"scrollbar") == 0 && SendMessageTimeoutW(control, SBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &pos);
        emit({L"control", hex(control), num(GetDlgCtrlID(control)), hex(GetParent(control)), type,
              flag(IsWindowVisible(control)), bar ? num(int(pos)) : L"", textOf(control)});
    }
    return 0;
}

// names <window>: name hwnd id role text, each control's name and role as a screen reader asks
// for them (oleacc, the client area's object); a control oleacc does not answer for is left out.
int names(const Args& a) {
    HWND top = find(a[0]);
    if (!IsWindow(top) || FAILED(CoInitialize(nullptr))) return fail(L"no window " + a[0]);
    for (HWND control : windowsUnder(top)) {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), IID_IAccessible, reinterpret_cast<void**>(&object)))) continue;
        VARIANT self{}, role{};
        self.vt = VT_I4, self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        if (SUCCEEDED(object->get_accName(self, &name)) && SUCCEEDED(object->get_accRole(self, &role)))
            emit({L"name", hex(control), num(GetDlgCtrlID(control)), num(role.vt == VT_I4 ? role.lVal : 0), name ? std::wstring(name, SysStringLen(name)) : L""});
        SysFreeString(name);
        object->Release();
    }
    CoUninitialize();
    return 0;
}

// post <window|broadcast> <message> [wparam] [lparam]: a message number or name ("TaskbarCreated").
int post(const Args& a) {
    const UINT code = std::iswdigit(a[1][0]) ? UINT(number(a[1])) : RegisterWindowMessageW(a[1].c_str());
    return PostMessageW(a[0] == L"broadcast" ? HWND_BROADCAST : find(a[0]), code, a.size() > 2 ? WPARAM(number(a[2])) : 0,
                        a.size() > 3 ? LPARAM(number(a[3])) : 0) ? 0 : fail(L"cannot post to " + a[0]);
}

// key <window> <key>...: presses as its message loop receives them: Esc, Enter, F1..F12, a letter or digit.
int keys(const Args& a) {
    for (std::size_t i = 1; i < a.size(); ++i) {
        const std::wstring& k = a[i];
        const UINT vk = k == L"Esc" ? VK_ESCAPE : k == L"Enter" ? VK_RETURN : k.size() == 1 ? std::towupper(k[0])
                      : k[0] == L'F' && std::iswdigit(k[1]) ? VK_F1 + UINT(number(k.substr(1))) - 1 : 0;
        // A box may close on the key-down before its key-up is posted: that key went through.
        if (!vk || !PostMessageW(find(a[0]), WM_KEYDOWN, vk, 1)) return fail(L"cannot post " + k + L" to " + a[0]);
        PostMessageW(find(a[0]), WM_KEYUP, vk, 0xC0000001);
    }
    return 0;
}

// "Ctrl+Alt+F5": the virtual keys, modifiers first, and the modifiers as RegisterHotKey takes them.
std::vector<UINT> combination(const std::wstring& text, UINT& modifiers) {
    std::vector<UINT> vks;
    modifiers = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t plus = std::min(text.find(L'+', at), text.size());
        const std::wstring k = text.substr(at, plus - at);
        at = plus + 1;
        using Mod = std::pair<UINT, UINT>;
        const Mod mod = k == L"Ctrl" ? Mod(VK_CONTROL, MOD_CONTROL) : k == L"Alt" ? Mod(VK_MENU, MOD_ALT)
                      : k == L"Shift" ? Mod(VK_SHIFT, MOD_SHIFT) : k == L"Win" ? Mod(VK_LWIN, MOD_WIN) : Mod(0, 0);
        modifiers |= mod.second;
        vks.push_back(mod.first ? mod.first : k.size() == 1 ? std::towupper(k[0]) : VK_F1 + UINT(number(k.substr(1))) - 1);
    }
    return vks;
}

// press <combination>: as real input, to whatever has the focus.
int press(const Args& a) {
    UINT modifiers = 0;
    std::vector<INPUT> inputs;
    const auto vks = combination(a[0], modifiers);
    for (int up = 0; up < 2; ++up)
        for (std::size_t i = 0; i < vks.size(); ++i) {
            INPUT in{INPUT_KEYBOARD};
            in.ki.wVk = WORD(vks[up ? vks.size() - 1 - i : i]);
            in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(in);
        }
    return SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size() ? 0 : fail(L"SendInput failed");
}

// hold <combination> <ms>: registers it as this process's hotkey and keeps it that long.
int hold(const Args& a) {
    UINT modifiers = 0;
    const auto vks = combination(a[0], modifiers);
    if (!RegisterHotKey(nullptr, 1, modifiers, vks.back())) return fail(L"cannot register " + a[0]);
    emit({L"held", a[0]});
    Sleep(DWORD(number(a[1])));
    return 0;
}

// Loads the DLL into the process: LoadLibraryW run by a thread of its own.
bool inject(DWORD pid, const std::wstring& dll) {
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    const SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
    void* remote = process ? VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE) : nullptr;
    auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    HANDLE thread = remote && WriteProcessMemory(process, remote, dll.c_str(), bytes, nullptr)
                        ? CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr) : nullptr;
    DWORD loaded = 0;
    if (thread) WaitForSingleObject(thread, 10000), GetExitCodeThread(thread, &loaded), CloseHandle(thread);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
    return loaded != 0;
}

// menu <window>: bar|popup hwnd title; item depth id text; separator depth. Under Wine menus can be
// read only from inside their process: menu_dump.dll does it (see there). A copy in this prefix's
// temporary folder keeps runs in other prefixes apart.
int menus(const Args& a) {
    HWND window = find(a[0]);
    wchar_t self[MAX_PATH], temp[MAX_PATH];
    std::wstring dll(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"menu_dump.dll";
    const std::wstring copy = std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"menu_dump-" + num(GetCurrentProcessId()) + L".dll";
    const std::wstring out = copy + L".txt";
    HANDLE file = INVALID_HANDLE_VALUE;
    const bool read = IsWindow(window) && CopyFileW(dll.c_str(), copy.c_str(), FALSE) && inject(pidOf(window), copy) &&
                      waitFor(5000, [&] { return (file = CreateFileW(out.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) != INVALID_HANDLE_VALUE; });
    std::wstring text(read ? GetFileSize(file, nullptr) / sizeof(wchar_t) : 0, L'\0');
    DWORD bytes = 0;
    if (read) ReadFile(file, text.data(), DWORD(text.size() * sizeof(wchar_t)), &bytes, nullptr), CloseHandle(file);
    DeleteFileW(out.c_str());
    waitFor(2000, [&] { return DeleteFileW(copy.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; });  // unloading
    if (!read) return fail(L"no menus read from the process of " + a[0]);
    std::vector<std::wstring> fields{L""};
    for (wchar_t c : text)
        if (c == L'\n') emit(fields), fields = {L""};
        else if (c == L'\x1f') fields.emplace_back();
        else fields.back() += c;
    return 0;
}

// tray <window> [delete]: tray hwnd 1|0, whether the shell holds its icon 1 (a modify that changes
// nothing succeeds only while it does). "delete" takes the icon away, as a crashing taskbar would.
int tray(const Args& a) {
    NOTIFYICONDATAW icon{sizeof icon, find(a[0]), 1};
    const bool deleting = a.size() > 1 && a[1] == L"delete";
    const bool done = icon.hWnd && Shell_NotifyIconW(deleting ? NIM_DELETE : NIM_MODIFY, &icon);
    return deleting ? (done ? 0 : fail(L"no icon to delete")) : emit({L"tray", hex(icon.hWnd), flag(done)});
}

// launch <exe> [title] [ms]: first ms title; main ms; exited ms code (its first visible window, the
// window titled so, its end). Returns once that window shows or, without a title, it has ended.
int launch(const Args& a) {
    std::wstring path = a[0], title = a.size() > 1 ? a[1] : L"";
    if (path.starts_with(L'/')) std::replace(path.begin(), path.end(), L'/', L'\\'), path = L"Z:" + path;  // a Unix path
    std::wstring line = L"\"" + path + L"\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION p{};
    // Just after a wineserver restart Wine now and then refuses a start it takes a moment later.
    for (int attempt = 0; !CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &p);)
        if (++attempt == 3) return fail(L"cannot start " + path + L" (error " + num(GetLastError()) + L")");
        else Sleep(1000);
    CloseHandle(p.hThread);
    const ULONGLONG start = GetTickCount64();
    bool first = false, main = false, ended = false;
    waitFor(ms(a, 2), [&] {
        for (HWND window : windowsUnder(nullptr)) {
            if (pidOf(window) != p.dwProcessId || !IsWindowVisible(window)) continue;
            if (!first) first = !emit({L"first", num(GetTickCount64() - start), titleOf(window)});
            if (!main && !title.empty() && titleOf(window) == title) main = !emit({L"main", num(GetTickCount64() - start)});
        }
        return main || (ended = WaitForSingleObject(p.hProcess, 0) == WAIT_OBJECT_0);
    });
    DWORD code = 0;
    if (ended && GetExitCodeProcess(p.hProcess, &code)) emit({L"exited", num(GetTickCount64() - start), num(code)});
    CloseHandle(p.hProcess);
    return main || (ended && title.empty()) ? 0 : fail(L"timed out");
}

// memstatus: memstatus totalPhys availPhys availPageFile totalVirtual availVirtual
int memstatus(const Args&) {
    MEMORYSTATUSEX s{sizeof s};
    if (!GlobalMemoryStatusEx(&s)) return fail(L"GlobalMemoryStatusEx failed");
    return emit({L"memstatus", num(s.ullTotalPhys), num(s.ullAvailPhys), num(s.ullAvailPageFile), num(s.ullTotalVirtual),
                 num(s.ullAvailVirtual)});
}

const std::map<std::wstring, std::pair<std::size_t, int (*)(const Args&)>> commands{  // each with its fewest arguments
    {L"windows", {0, windows}}, {L"wait", {1, wait}}, {L"wait-gone", {1, waitGone}}, {L"controls", {1, controls}}, {L"names", {1, names}},
    {L"post", {2, post}}, {L"key", {2, keys}}, {L"menu", {1, menus}}, {L"tray", {1, tray}}, {L"launch", {1, launch}},
    {L"memstatus", {0, memstatus}}, {L"press", {1, press}}, {L"hold", {2, hold}}};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const auto found = argc > 1 ? commands.find(argv[1]) : commands.end();
    const Args args(argv + std::min(argc, 2), argv + argc);
    if (found != commands.end() && args.size() >= found->second.first) return found->second.second(args);
    write(STD_ERROR_HANDLE, L"usage: driver windows|wait|wait-gone|controls|names|post|key|menu|tray|launch|memstatus ...\n");
    return 2;
}
