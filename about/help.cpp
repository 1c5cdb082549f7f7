#include "about/help.h"

#include "common/paths.h"
#include "common/texts.h"

namespace lark {

ProcessCommand helpViewerCommand(std::wstring_view windowsFolder, std::wstring_view programFolder) {
    std::wstring viewer = paths::withSlash(windowsFolder) + L"winhelp.exe";
    std::wstring line = paths::quoted(viewer) + L" " + paths::quoted(helpViewerFile(programFolder));
    return {std::move(viewer), std::move(line)};
}

std::wstring helpViewerFile(std::wstring_view programFolder) { return paths::withSlash(programFolder) + L"larkspan.hlp"; }
std::wstring helpPage(std::wstring_view programFolder) {
    return paths::withSlash(programFolder) + std::wstring(languageInfo(languageInUse()).helpPage);
}

void openHelp(FileSystem& files, Processes& processes) {
    const std::wstring exe = files.exePath();
    if (exe.empty()) return;
    const std::wstring folder = paths::folderOf(exe);
    if (auto windows = files.windowsFolder()) {
        const ProcessCommand viewer = helpViewerCommand(*windows, folder);
        if (files.fileExists(viewer.application) && files.fileExists(helpViewerFile(folder)) &&
            processes.start(viewer.application, viewer.commandLine, ProcessWindow::Minimised))
            return;
    }
    processes.openDocument(helpPage(folder));
}

}  // namespace lark
