// Paths and command lines, as plain text: what the options dialog, the help command, the about box
// and the history of runs build before they hand anything to the system.
#pragma once

#include <string>
#include <string_view>

namespace lark::paths {

// `folder` with a "\" at its end; unchanged when it already has one (a drive's root, "D:\").
std::wstring withSlash(std::wstring_view folder);
// The folder that holds `path`, without the separator before the file name: "D:" for "D:\x.exe".
std::wstring folderOf(std::wstring_view path);
// The file name of `path` without its extension: "larkspan" for "C:\Tools\larkspan.exe".
std::wstring stemOf(std::wstring_view path);
// One command-line argument as the C runtime and CommandLineToArgvW read it back: as it is when
// it holds no blank, tab or quote, otherwise quoted (backslashes before a quote doubled).
std::wstring quoted(std::wstring_view argument);

}  // namespace lark::paths
