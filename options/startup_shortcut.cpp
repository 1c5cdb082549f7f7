#include "options/startup_shortcut.h"

#include "common/paths.h"
#include "common/texts.h"

namespace lark {

namespace {
constexpr wchar_t StartMenuStartup[] = L"ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ";
constexpr wchar_t LinkName[] = L"Larkspan.lnk";
}  // namespace

std::wstring windowsStartupFolder(std::wstring_view windowsFolder) {
    return paths::withSlash(windowsFolder) + StartMenuStartup;
}

std::wstring shortcutTarget(std::wstring_view exePath) {
    return paths::withSlash(paths::folderOf(exePath)) + paths::stemOf(exePath) + L".exe";
}

std::optional<StartupShortcut> startupShortcut(FileSystem& files) {
    const std::wstring exe = files.exePath();
    if (exe.empty()) return std::nullopt;
    std::optional<std::wstring> folder;
    if (auto windows = files.windowsFolder()) {
        std::wstring old = windowsStartupFolder(*windows);
        if (files.directoryExists(old)) folder = std::move(old);
    }
    if (!folder) folder = files.userStartupFolder();
    if (!folder || folder->empty()) return std::nullopt;
    return StartupShortcut{paths::withSlash(*folder) + LinkName, shortcutTarget(exe)};
}

bool registerAtStartup(FileSystem& files, Shortcuts& shortcuts, MessageBoxes& messages) {
    const auto shortcut = startupShortcut(files);
    const bool written = shortcut && shortcuts.create(shortcut->link, shortcut->target);
    if (written)
        messages.show(text(Text::Registered), mb::OkOnly | mb::Information, ProgramTitle);
    else
        messages.show(text(Text::NotRegistered), mb::OkOnly | mb::Critical, ProgramTitle);
    return written;
}

}  // namespace lark
