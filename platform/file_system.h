// The folders the program needs to know and whether files and folders exist.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lark {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The Windows folder, as the environment variable "windir" gives it; nothing when it is unset or empty.
    virtual std::optional<std::wstring> windowsFolder() = 0;
    // The full path of the running executable; empty when it cannot be had.
    virtual std::wstring exePath() = 0;
    // The product version in the running executable's version resource, as "1.2.3"; empty without one.
    virtual std::wstring productVersion() = 0;
    // The current user's Startup folder as the system knows it; nothing when it has none.
    virtual std::optional<std::wstring> userStartupFolder() = 0;
    // The current user's local application data folder (%LOCALAPPDATA%); nothing when it has none.
    virtual std::optional<std::wstring> localAppDataFolder() = 0;
    virtual bool directoryExists(std::wstring_view path) = 0;
    virtual bool fileExists(std::wstring_view path) = 0;  // a file, not a folder
};

}  // namespace lark
