// The monitor tick's cost: the real program over the real Win32 services, its main panel loaded and
// shown, its monitor and warning ticks delivered many times in a row and timed with the performance counter
// (wall) and the thread's own CPU time. Also the parts of one tick and the two memory calls.
//
//   tick_bench.exe [ticks back to back (2000)] [paced ticks, 200 ms apart (25)] [tray picture: gauge or number]
//
// Settings come from a key of their own that is removed afterwards, so a real user's stay as they are.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>

#include "monitor/gauge.h"
#include "platform/win32/block_allocator.h"
#include "platform/win32/clock.h"
#include "platform/win32/instance_lock.h"
#include "platform/win32/memory_stats.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/pictures.h"
#include "platform/win32/process_list.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/system_services.h"
#include "platform/win32/tray_icons.h"
#include "platform/win32/win32_ui.h"
#include "shell/main_panel_layout.h"
#include "shell/program.h"
#include "tray/tray_host.h"

namespace {

constexpr wchar_t BenchKey[] = L"Software\\Quorvane\\Larkspan100-tick-bench";

double seconds(LONGLONG counts) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return static_cast<double>(counts) / static_cast<double>(frequency);
}

LONGLONG counter() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// User and kernel time of this thread, in seconds.
double threadCpu() {
    FILETIME created, ended, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user)) return 0;
    auto value = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return static_cast<double>(value(kernel) + value(user)) * 1e-7;
}

struct Figures {
    double wallUs;
    double cpuUs;
};

// Runs `step` n times; `between` (not timed) runs after each one.
Figures measure(int n, const std::function<void()>& step, const std::function<void()>& between = {}) {
    double wall = 0;
    const double cpuBefore = threadCpu();
    double cpuBetween = 0;
    for (int i = 0; i < n; ++i) {
        const LONGLONG started = counter();
        step();
        wall += seconds(counter() - started);
        if (between) {
            const double c = threadCpu();
            between();
            cpuBetween += threadCpu() - c;
        }
    }
    const double cpu = threadCpu() - cpuBefore - cpuBetween;
    return {wall * 1e6 / n, cpu * 1e6 / n};
}

void print(const wchar_t* what, int n, Figures f) {
    std::wprintf(L"%-44ls %8.1f us wall %8.1f us CPU  (n=%d)\n", what, f.wallUs, f.cpuUs, n);
}

void pumpFor(lark::Ui& ui, DWORD ms) {
    const ULONGLONG until = ::GetTickCount64() + ms;
    while (::GetTickCount64() < until) {
        ui.pumpPending();
        ::Sleep(5);
    }
}

void memoryCalls(int n) {
    auto global = [] {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        ::GlobalMemoryStatusEx(&status);
    };
    auto performance = [] {
        PERFORMANCE_INFORMATION info{};
        ::K32GetPerformanceInfo(&info, sizeof info);
    };
    print(L"GlobalMemoryStatusEx, back to back", n, measure(n, global));
    print(L"GlobalMemoryStatusEx, 1.1 s apart", 5, measure(5, global, [] { ::Sleep(1100); }));
    print(L"GetPerformanceInfo, back to back", n / 10, measure(n / 10, performance));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int ticks = argc > 1 ? std::max(1, _wtoi(argv[1])) : 2000;
    const int paced = argc > 2 ? std::max(1, _wtoi(argv[2])) : 25;
    ::SetThreadAffinityMask(::GetCurrentThread(), 1);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    lark::win32::PictureCache pictures(instance);
    lark::win32::Win32Ui ui(pictures, instance);
    lark::win32::Win32MemoryStats memory;
    lark::win32::RegistrySettingsStore settings(BenchKey);
    lark::win32::Win32TrayIcons tray(pictures);
    lark::win32::NamedMutexLock instanceLock(L"Local\\Quorvane.Larkspan100.tick-bench");
    lark::win32::Win32MessageBoxes messages(ui);
    lark::win32::Win32Clock clock;
    lark::Win32BlockAllocator blocks(1 << 20);  // never used: no reclamation runs here

    // The splash is off, so the main panel loads at once; its ticks are timed through the window
    // procedure, as the timer delivers them.
    settings.write(L"Flag05", L"False");
    settings.write(L"TrayIcon", argc > 3 ? argv[3] : L"gauge");  // the tray picture: "gauge" or "number"
    lark::win32::Win32FileSystem files;
    lark::win32::ShellShortcuts shortcuts;
    lark::win32::Win32MachineRegistry registry;
    lark::win32::Win32Processes processes;
    lark::win32::Win32ProcessList processList;
    struct NoHistory final : lark::RunLog {
        void record(const lark::RunRecord&) override {}
        const std::wstring& path() const override { return none; }
        void setEnabled(bool) override {}
        std::wstring none;
    } history;
    lark::Program program(lark::Services{ui, memory, settings, tray, instanceLock, messages, clock, blocks, files,
                                         shortcuts, registry, processes, processList, history});
    if (!program.start()) return 1;
    pumpFor(ui, 500);  // first paint and first timer ticks out of the way
    const HWND panel = ::FindWindowW(nullptr, lark::MainPanelTitle);
    if (!panel) return 1;
    auto monitorTick = [&] { ::SendMessageW(panel, WM_TIMER, lark::MonitorTimer, 0); };
    auto warningTick = [&] { ::SendMessageW(panel, WM_TIMER, lark::WarningTimer, 0); };

    std::wprintf(L"ticks, %d back to back and %d paced:\n", ticks, paced);
    print(L"monitor tick", ticks, measure(ticks, monitorTick));
    print(L"monitor tick + its repaint", ticks, measure(ticks, [&] {
              monitorTick();
              ui.pumpPending();
          }));
    print(L"monitor tick, 200 ms apart", paced, measure(paced, monitorTick, [&] { pumpFor(ui, 200); }));
    print(L"warning tick", ticks, measure(ticks, warningTick));
    print(L"warning tick + its repaint", ticks, measure(ticks, [&] {
              warningTick();
              ui.pumpPending();
          }));

    std::wprintf(L"parts of one tick:\n");
    struct NoCommands final : lark::TrayCommands {
        bool bringPanelForward() override { return false; }
        void restorePanel() override {}
        void secureFreeSpace() override {}
        void runCleanup() override {}
        void trimWorkingSets() override {}
        void openOptions() override {}
        void exitProgram() override {}
        void minutePassed() override {}
        bool reclaiming() const override { return false; }
        void runForwarded(lark::Command) override {}
        void hotkeyPressed(int) override {}
    } noCommands;
    lark::TrayHost host(ui, tray, noCommands, lark::Picture::Emblem, L"tick bench");
    int pct = 57;
    auto trayUpdate = [&] { host.icon().show(lark::levelPicture(lark::gauge::level(pct)), lark::gauge::tip(pct)); };
    print(L"tray update, tip changed (57/58 %)", ticks, measure(ticks, [&] {
              pct = 115 - pct;
              trayUpdate();
          }));
    print(L"tray update, picture and tip changed", ticks, measure(ticks, [&] {
              pct = 57 + 49 - pct;  // 57 % and 8 %: level 7 and level 1
              trayUpdate();
          }));
    print(L"tray update, nothing changed", ticks, measure(ticks, trayUpdate));
    lark::WindowEvents noEvents;
    auto gaugeWindow = ui.createWindow({.title = L"gauge", .client = {255, 121}}, noEvents);
    lark::PictureBox& gauge = gaugeWindow->addPicture(
        {.id = 1, .kind = lark::Kind::Picture, .bounds = {0, 0, 255, 121}, .picture = lark::Picture::GaugeBack});
    print(L"gauge panel drawing", ticks, measure(ticks, [&] { lark::gauge::draw(gauge.canvas(), pct); }));

    std::wprintf(L"memory calls:\n");
    memoryCalls(ticks);

    host.icon().remove();
    ::RegDeleteKeyW(HKEY_CURRENT_USER, BenchKey);
    std::fflush(stdout);
    return 0;
}
