// The system services of the options dialog, the help command and the about box: folders and
// files, shortcuts, the machine-wide registry and starting programs.
#pragma once

#include "platform/file_system.h"
#include "platform/machine_registry.h"
#include "platform/processes.h"
#include "platform/shortcuts.h"

namespace lark::win32 {

class Win32FileSystem final : public FileSystem {
public:
    std::optional<std::wstring> windowsFolder() override;
    std::wstring exePath() override;
    std::wstring productVersion() override;
    std::optional<std::wstring> userStartupFolder() override;
    std::optional<std::wstring> localAppDataFolder() override;
    bool directoryExists(std::wstring_view path) override;
    bool fileExists(std::wstring_view path) override;
};

// The shell's own shortcut object (IShellLinkW, saved through IPersistFile).
class ShellShortcuts final : public Shortcuts {
public:
    bool create(std::wstring_view link, std::wstring_view target) override;
};

// Reads with the wide functions and asks for read access only: a standard user may read
// HKEY_LOCAL_MACHINE but not write it.
class Win32MachineRegistry final : public MachineRegistry {
public:
    std::optional<RegistryValue> read(std::wstring_view key, std::wstring_view name) override;
};

class Win32Processes final : public Processes {
public:
    bool start(std::wstring_view application, std::wstring_view commandLine, ProcessWindow window) override;
    bool openDocument(std::wstring_view path) override;
};

}  // namespace lark::win32
