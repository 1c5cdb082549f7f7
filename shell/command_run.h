// A start with a command line: the usage, a command handed to the copy that runs already, or one
// reclamation run here without any window or tray icon.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/running_copy.h"
#include "shell/command_line.h"
#include "shell/services.h"

namespace lark {

// The exit code; nothing when there is no argument and the program starts as usual. A run here
// holds the single-instance lock while it works, reads the stored settings and writes its result
// line to the console; it shows no message box, so that a scheduled task never waits for a click.
std::optional<int> runCommandLine(const std::vector<std::wstring>& arguments, const Services& services,
                                  Console& console, RunningCopy& runningCopy);

}  // namespace lark
