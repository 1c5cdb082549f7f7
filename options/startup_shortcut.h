// Starting with Windows: a shortcut to the running program in a Startup folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/shortcuts.h"

namespace lark {

// The Start menu's Startup folder inside the Windows folder, as old Japanese Windows named it.
// Current Windows keeps each user's Startup folder elsewhere; this one is used where it exists.
std::wstring windowsStartupFolder(std::wstring_view windowsFolder);
// The shortcut's target: the executable's folder, its file name without extension, ".exe".
std::wstring shortcutTarget(std::wstring_view exePath);

struct StartupShortcut {
    std::wstring link;    // the .lnk file to write
    std::wstring target;  // the executable it starts
};
// The folder is the Windows folder's Startup folder where it exists, otherwise the user's own
// Startup folder. Nothing when neither is known or the executable's path is unknown.
std::optional<StartupShortcut> startupShortcut(FileSystem& files);

// Writes the shortcut and says in a message box whether that worked: one box per call.
// True when the shortcut was written.
bool registerAtStartup(FileSystem& files, Shortcuts& shortcuts, MessageBoxes& messages);

}  // namespace lark
