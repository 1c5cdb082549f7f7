// driver.exe <command> [arguments]: one command per run; see usage() below.
#include "driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cwchar>
#include <functional>
#include <map>

namespace driver {

namespace {

using Args = std::vector<std::wstring>;

constexpr DWORD DefaultWaitMs = 10000;

long long number(const std::wstring& text) { return std::wcstoll(text.c_str(), nullptr, 0); }

DWORD optionalMs(const Args& args, std::size_t index) {
    return index < args.size() ? static_cast<DWORD>(number(args[index])) : DefaultWaitMs;
}

UINT messageCode(const std::wstring& name) {
    static const std::map<std::wstring, UINT> known{
        {L"WM_CLOSE", WM_CLOSE},       {L"WM_COMMAND", WM_COMMAND},
        {L"WM_HSCROLL", WM_HSCROLL},   {L"WM_SYSCOMMAND", WM_SYSCOMMAND},
        {L"WM_KEYDOWN", WM_KEYDOWN},   {L"WM_KEYUP", WM_KEYUP},
        {L"WM_QUERYENDSESSION", WM_QUERYENDSESSION}, {L"WM_ENDSESSION", WM_ENDSESSION},
        {L"WM_LBUTTONDOWN", WM_LBUTTONDOWN}, {L"WM_LBUTTONUP", WM_LBUTTONUP},
    };
    const auto found = known.find(name);
    return found != known.end() ? found->second : static_cast<UINT>(number(name));
}

int scrollCode(const std::wstring& name) {
    static const std::map<std::wstring, int> known{
        {L"lineleft", SB_LINELEFT}, {L"lineright", SB_LINERIGHT}, {L"pageleft", SB_PAGELEFT},
        {L"pageright", SB_PAGERIGHT}, {L"thumb", SB_THUMBPOSITION}, {L"track", SB_THUMBTRACK},
        {L"left", SB_LEFT}, {L"right", SB_RIGHT}, {L"end", SB_ENDSCROLL},
    };
    const auto found = known.find(name);
    return found != known.end() ? found->second : -1;
}

HWND topOrFail(const std::wstring& desc, bool visibleOnly = false) {
    HWND window = findTopLevel(desc, visibleOnly);
    if (!window) error(L"no window " + desc);
    return window;
}

HWND controlOrFail(HWND top, const std::wstring& idOrText) {
    HWND control = top ? findControl(top, idOrText) : nullptr;
    if (top && !control) error(L"no control " + idOrText);
    return control;
}

std::wstring yesNo(bool value) { return value ? L"1" : L"0"; }

// A Unix path names the same file through Wine's Z: drive.
std::wstring windowsPath(std::wstring path) {
    if (!path.starts_with(L'/')) return path;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return L"Z:" + path;
}

// --- commands ---------------------------------------------------------------------------------

int cmdWait(const Args& a) {
    HWND window = nullptr;
    if (!waitFor(optionalMs(a, 1), [&] { return (window = findTopLevel(a[0], true)) != nullptr; })) {
        error(L"timed out waiting for " + a[0]);
        return Failed;
    }
    emit({L"window", hex(reinterpret_cast<std::uintptr_t>(window)), num(processOf(window))});
    return Ok;
}

int cmdWaitGone(const Args& a) {
    if (!waitFor(optionalMs(a, 1), [&] { return findTopLevel(a[0], false) == nullptr; })) {
        error(L"still there: " + a[0]);
        return Failed;
    }
    emit({L"gone", a[0]});
    return Ok;
}

void emitWindow(HWND window) {
    wchar_t title[512];
    const int length = GetWindowTextW(window, title, 512);
    emit({L"window", hex(reinterpret_cast<std::uintptr_t>(window)), num(processOf(window)),
          yesNo(IsWindowVisible(window)), classOf(window), std::wstring_view(title, length > 0 ? length : 0)});
}

int cmdFind(const Args& a) {
    HWND window = topOrFail(a[0]);
    if (!window) return Failed;
    emitWindow(window);
    return Ok;
}

int cmdWindows(const Args& a) {
    const long long pid = a.empty() ? -1 : number(a[0]);
    for (HWND window : topLevelWindows())
        if (pid < 0 || processOf(window) == static_cast<DWORD>(pid)) emitWindow(window);
    return Ok;
}

int cmdControls(const Args& a) {
    HWND top = topOrFail(a[0]);
    if (!top) return Failed;
    for (HWND child : descendants(top)) {
        const RECT r = clientRectOn(child, top);
        HWND parent = GetParent(child);
        emit({L"control", num(GetDlgCtrlID(child)), num(parent == top ? 0 : GetDlgCtrlID(parent)),
              classOf(child), yesNo(IsWindowVisible(child)), num(r.left), num(r.top),
              num(r.right - r.left), num(r.bottom - r.top), textOf(child)});
    }
    return Ok;
}

int cmdClient(const Args& a) {
    HWND top = topOrFail(a[0]);
    RECT client{};
    if (!top || !GetClientRect(top, &client)) return Failed;
    emit({L"client", num(client.right), num(client.bottom)});
    return Ok;
}

int cmdText(const Args& a) {
    HWND control = controlOrFail(topOrFail(a[0]), a[1]);
    if (!control) return Failed;
    emit({L"text", textOf(control)});
    return Ok;
}

int cmdClick(const Args& a) {
    HWND control = controlOrFail(topOrFail(a[0]), a[1]);
    return control && PostMessageW(control, BM_CLICK, 0, 0) ? Ok : Failed;
}

// The notification a button sends its container when clicked, without the mouse.
int cmdNotify(const Args& a) {
    HWND control = controlOrFail(topOrFail(a[0]), a[1]);
    if (!control) return Failed;
    const WPARAM w = MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED);
    return PostMessageW(GetParent(control), WM_COMMAND, w, reinterpret_cast<LPARAM>(control)) ? Ok : Failed;
}

int cmdCommand(const Args& a) {
    HWND top = topOrFail(a[0]);
    return top && PostMessageW(top, WM_COMMAND, MAKEWPARAM(number(a[1]), 0), 0) ? Ok : Failed;
}

int cmdPost(const Args& a) {
    HWND top = topOrFail(a[0]);
    const WPARAM w = a.size() > 2 ? static_cast<WPARAM>(number(a[2])) : 0;
    const LPARAM l = a.size() > 3 ? static_cast<LPARAM>(number(a[3])) : 0;
    return top && PostMessageW(top, messageCode(a[1]), w, l) ? Ok : Failed;
}

int cmdSend(const Args& a) {
    HWND top = topOrFail(a[0]);
    if (!top) return Failed;
    const WPARAM w = a.size() > 2 ? static_cast<WPARAM>(number(a[2])) : 0;
    const LPARAM l = a.size() > 3 ? static_cast<LPARAM>(number(a[3])) : 0;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(top, messageCode(a[1]), w, l, SMTO_ABORTIFHUNG, optionalMs(a, 4), &result)) {
        error(L"no answer");
        return Failed;
    }
    emit({L"result", num(static_cast<long long>(result))});
    return Ok;
}

// What a user's drag or click on a scroll bar tells the scroll bar's container.
int cmdHscroll(const Args& a) {
    HWND bar = controlOrFail(topOrFail(a[0]), a[1]);
    const int code = scrollCode(a[2]);
    if (!bar || code < 0) return bar ? Usage : Failed;
    const int position = a.size() > 3 ? static_cast<int>(number(a[3])) : 0;
    HWND parent = GetParent(bar);
    const auto from = reinterpret_cast<LPARAM>(bar);
    const bool posted = PostMessageW(parent, WM_HSCROLL, MAKEWPARAM(code, position), from) &&
                        (code == SB_ENDSCROLL || PostMessageW(parent, WM_HSCROLL, SB_ENDSCROLL, from));
    return posted ? Ok : Failed;
}

int cmdScrollPos(const Args& a) {
    HWND bar = controlOrFail(topOrFail(a[0]), a[1]);
    if (!bar) return Failed;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (GetScrollInfo(bar, SB_CTL, &info)) {
        emit({L"scroll", num(info.nPos), num(info.nMin), num(info.nMax), num(info.nPage)});
        return Ok;
    }
    DWORD_PTR position = 0;  // the position alone, when the full record cannot cross processes
    if (!SendMessageTimeoutW(bar, SBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &position)) return Failed;
    emit({L"scroll", num(static_cast<int>(position)), L"", L"", L""});
    return Ok;
}

int cmdScreenshot(const Args& a) {
    HWND top = topOrFail(a[0]);
    if (!top) return Failed;
    if (!captureClient(top, windowsPath(a[1]))) {
        error(L"capture failed");
        return Failed;
    }
    emit({L"screenshot", a[1]});
    return Ok;
}

int cmdMemStatus(const Args&) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return Failed;
    emit({L"memstatus", num(status.dwMemoryLoad), num(static_cast<long long>(status.ullTotalPhys)),
          num(static_cast<long long>(status.ullAvailPhys)), num(static_cast<long long>(status.ullTotalPageFile)),
          num(static_cast<long long>(status.ullAvailPageFile)), num(static_cast<long long>(status.ullTotalVirtual)),
          num(static_cast<long long>(status.ullAvailVirtual))});
    return Ok;
}

struct ProcessHandle {
    HANDLE handle;
    explicit ProcessHandle(DWORD pid)
        : handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, pid)) {}
    ~ProcessHandle() { if (handle) CloseHandle(handle); }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
};

int cmdAlive(const Args& a) {
    ProcessHandle process(static_cast<DWORD>(number(a[0])));
    DWORD code = 0;
    const bool alive = process.handle && GetExitCodeProcess(process.handle, &code) && code == STILL_ACTIVE;
    emit({L"alive", a[0], yesNo(alive)});
    return alive ? Ok : Failed;
}

int cmdWaitExit(const Args& a) {
    ProcessHandle process(static_cast<DWORD>(number(a[0])));
    DWORD code = 0;
    if (process.handle && WaitForSingleObject(process.handle, optionalMs(a, 1)) != WAIT_OBJECT_0) {
        error(L"still running");
        return Failed;
    }
    if (process.handle) GetExitCodeProcess(process.handle, &code);
    emit({L"exited", a[0], num(code)});
    return Ok;
}

int cmdProcesses(const Args& a) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return Failed;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (a.empty() || _wcsicmp(entry.szExeFile, a[0].c_str()) == 0)
            emit({L"process", num(entry.th32ProcessID), entry.szExeFile});
    CloseHandle(snapshot);
    return Ok;
}

// Starts a program by its full path (a Unix path works too), without waiting for it.
bool startProcess(const std::wstring& file, PROCESS_INFORMATION& info) {
    const std::wstring path = windowsPath(file);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        error(L"cannot start " + path);
        return false;
    }
    CloseHandle(info.hThread);
    return true;
}

// Starts a program and times its first visible window and the window with the given title.
int cmdLaunch(const Args& a) {
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency, started, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    if (!startProcess(a[0], info)) return Failed;
    emit({L"launched", num(info.dwProcessId)});
    auto elapsedMs = [&] {
        QueryPerformanceCounter(&now);
        return num((now.QuadPart - started.QuadPart) * 1000 / frequency.QuadPart);
    };
    const std::wstring mainTitle = a.size() > 1 ? a[1] : L"";
    bool first = false, main = mainTitle.empty();
    const bool seen = waitFor(optionalMs(a, 2), [&] {
        for (HWND window : topLevelWindows()) {
            if (processOf(window) != info.dwProcessId || !IsWindowVisible(window)) continue;
            if (!first) emit({L"first", elapsedMs(), textOf(window)});
            first = true;
            if (!main && textOf(window) == mainTitle) {
                emit({L"main", elapsedMs()});
                main = true;
            }
        }
        return first && main;
    });
    CloseHandle(info.hProcess);
    return seen ? Ok : Failed;
}

// Starts a program, waits for it to end and reports every visible window it showed meanwhile.
int cmdRun(const Args& a) {
    PROCESS_INFORMATION info{};
    const ULONGLONG started = GetTickCount64();
    if (!startProcess(a[0], info)) return Failed;
    std::vector<HWND> shown;
    const bool ended = waitFor(optionalMs(a, 1), [&] {
        for (HWND window : topLevelWindows())
            if (processOf(window) == info.dwProcessId && IsWindowVisible(window) &&
                std::find(shown.begin(), shown.end(), window) == shown.end()) {
                shown.push_back(window);
                emit({L"shown", hex(reinterpret_cast<std::uintptr_t>(window)), textOf(window)});
            }
        return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
    });
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    if (!ended) {
        error(L"still running");
        return Failed;
    }
    emit({L"exited", num(info.dwProcessId), num(code), num(static_cast<long long>(GetTickCount64() - started))});
    return Ok;
}

// The captions of the menu bar and its submenus: "menu <depth> <id> <caption>".
void emitMenu(HMENU menu, int depth) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t caption[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), caption, 256, MF_BYPOSITION);
        const UINT id = GetMenuItemID(menu, i);
        emit({L"menu", num(depth), num(id == static_cast<UINT>(-1) ? -1 : static_cast<long long>(id)), caption});
        if (HMENU sub = GetSubMenu(menu, i)) emitMenu(sub, depth + 1);
    }
}

int cmdMenu(const Args& a) {
    HWND top = topOrFail(a[0]);
    HMENU menu = top ? GetMenu(top) : nullptr;
    if (!menu || GetMenuItemCount(menu) < 0) {
        error(L"menu bar not readable from this process");
        return Failed;
    }
    emitMenu(menu, 0);
    return Ok;
}

struct Command {
    std::size_t minArgs;
    const wchar_t* usage;
    std::function<int(const Args&)> run;
};

const std::map<std::wstring, Command>& commands() {
    static const std::map<std::wstring, Command> table{
        {L"wait", {1, L"<window> [ms]  wait until a visible top-level window has this title", cmdWait}},
        {L"wait-gone", {1, L"<window> [ms]  wait until no window has this title", cmdWaitGone}},
        {L"find", {1, L"<window>  the window, shown or hidden", cmdFind}},
        {L"windows", {0, L"[pid]  all top-level windows (of one process)", cmdWindows}},
        {L"controls", {1, L"<window>  every child control, recursively", cmdControls}},
        {L"client", {1, L"<window>  client area size", cmdClient}},
        {L"text", {2, L"<window> <control>  a control's text", cmdText}},
        {L"click", {2, L"<window> <control>  post BM_CLICK", cmdClick}},
        {L"notify", {2, L"<window> <control>  post WM_COMMAND BN_CLICKED to its container", cmdNotify}},
        {L"command", {2, L"<window> <id>  post WM_COMMAND (menu item)", cmdCommand}},
        {L"post", {2, L"<window> <message> [wparam] [lparam]", cmdPost}},
        {L"send", {2, L"<window> <message> [wparam] [lparam] [ms]", cmdSend}},
        {L"hscroll", {3, L"<window> <control> <lineleft|lineright|pageleft|pageright|thumb|track|left|right|end> [pos]", cmdHscroll}},
        {L"scrollpos", {2, L"<window> <control>  position, min, max, page", cmdScrollPos}},
        {L"screenshot", {2, L"<window> <file.bmp>  the client area as shown", cmdScreenshot}},
        {L"memstatus", {0, L" GlobalMemoryStatusEx", cmdMemStatus}},
        {L"alive", {1, L"<pid>  exit 0 while the process runs", cmdAlive}},
        {L"wait-exit", {1, L"<pid> [ms]  wait for the process to end, print its exit code", cmdWaitExit}},
        {L"processes", {0, L"[exe name]  running processes", cmdProcesses}},
        {L"launch", {1, L"<exe> [main title] [ms]  start it, time its first window and main window", cmdLaunch}},
        {L"run", {1, L"<exe> [ms]  start it, wait for its end, report the windows it showed", cmdRun}},
        {L"menu", {1, L"<window>  menu bar captions", cmdMenu}},
        {L"tray-probe", {1, L"<window> [id]  \"tray <hwnd> 1\" while the shell holds the window's icon", cmdTrayProbe}},
        {L"tray-delete", {1, L"<window> [id]  remove the window's icon from the tray", cmdTrayDelete}},
        {L"broadcast", {1, L"<registered message name>  post it to every top-level window", cmdBroadcast}},
    };
    return table;
}

int usage() {
    error(L"usage: driver <command> [arguments]; <window> is an exact title or hwnd:0x...");
    for (const auto& [name, command] : commands()) error(L"  " + name + L" " + command.usage);
    return Usage;
}

}  // namespace

}  // namespace driver

int wmain(int argc, wchar_t** argv) {
    using namespace driver;
    if (argc < 2) return usage();
    const auto found = commands().find(argv[1]);
    const Args args(argv + 2, argv + argc);
    if (found == commands().end() || args.size() < found->second.minArgs) return usage();
    return found->second.run(args);
}
