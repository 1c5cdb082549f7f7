// The program's entry point: the platform services, then the program on top of them, or one
// command from the command line.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/block_allocator.h"
#include "platform/win32/clock.h"
#include "platform/win32/console.h"
#include "platform/win32/dpi.h"
#include "platform/win32/ini_store.h"
#include "platform/win32/instance_lock.h"
#include "platform/win32/log_files.h"
#include "platform/win32/memory_stats.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/pictures.h"
#include "platform/win32/process_list.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/running_copy.h"
#include "platform/win32/system_services.h"
#include "platform/win32/tray_icons.h"
#include "platform/win32/win32_ui.h"
#include "shell/command_run.h"
#include "shell/program.h"

namespace {

// The arguments after the program's own name.
std::vector<std::wstring> arguments() {
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!argv) return {};
    std::vector<std::wstring> out(argv + (count > 0 ? 1 : 0), argv + count);
    ::LocalFree(argv);
    return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    lark::win32::enableDpiAwareness();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    lark::win32::PictureCache pictures(instance);
    lark::win32::Win32Ui ui(pictures, instance);
    lark::win32::Win32MemoryStats memory;
    lark::win32::Win32TrayIcons tray(pictures);
    lark::win32::NamedMutexLock instanceLock;
    lark::win32::Win32MessageBoxes messages(ui);
    lark::win32::Win32Clock clock;
    lark::Win32BlockAllocator blocks(lark::Win32BlockAllocator::largestBlockFromEnvironment());

    lark::win32::Win32FileSystem files;
    lark::win32::ShellShortcuts shortcuts;
    lark::win32::Win32MachineRegistry registry;
    lark::win32::Win32Processes processes;
    lark::win32::Win32ProcessList processList;

    // A portable copy keeps its settings in the file beside it, and leaves nothing in the registry.
    const auto iniFile = lark::portableSettingsFile(files.exePath());
    lark::win32::RegistrySettingsStore registrySettings;
    lark::win32::IniSettingsStore iniSettings(iniFile.value_or(L""));
    const bool portable = iniFile && files.fileExists(*iniFile);
    lark::SettingsStore& settings = portable ? static_cast<lark::SettingsStore&>(iniSettings) : registrySettings;
    lark::win32::Win32LogFiles logFiles;
    lark::HistoryFile history(logFiles, lark::history::filePath(files.exePath(), portable, files.localAppDataFolder()));

    // The language is the one of this start, for the command line's words as for the windows.
    lark::useLanguage(lark::languageToUse(lark::loadSettings(settings), ::GetUserDefaultUILanguage()));

    const lark::Services services{ui,    memory, settings,  tray,     instanceLock, messages, clock,
                                  blocks, files,  shortcuts, registry, processes,    processList, history};
    lark::win32::Win32Console console;
    lark::win32::Win32RunningCopy runningCopy;
    if (const auto code = lark::runCommandLine(arguments(), services, console, runningCopy)) return *code;

    lark::Program program(services);
    if (!program.start()) return 0;
    return ui.run();
}
