// The help command: the old help viewer where it still works, otherwise the program's help page.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/processes.h"

namespace lark {

struct ProcessCommand {
    std::wstring application;  // full path of the program to start
    std::wstring commandLine;  // the whole command line, the program's own path first
};

// winhelp.exe in the Windows folder on larkspan.hlp in the program's folder, each path quoted
// where it holds a blank.
ProcessCommand helpViewerCommand(std::wstring_view windowsFolder, std::wstring_view programFolder);
std::wstring helpViewerFile(std::wstring_view programFolder);  // larkspan.hlp in the program's folder
std::wstring helpPage(std::wstring_view programFolder);        // the page of the language in use

// Opens the help: the help viewer when both it and the help file exist and it starts, otherwise
// the help page with the user's program for web pages. Says nothing when neither works.
void openHelp(FileSystem& files, Processes& processes);

}  // namespace lark
