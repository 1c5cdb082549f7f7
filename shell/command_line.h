// The command line: "/secure", "/cleanup", "/cleanup:standard", "/cleanup:full", "/trim" and "/?".
#pragma once

#include <string>
#include <vector>

#include "common/commands.h"

namespace lark {

// Switches are read in any case, with "/" or "-" before them; at most one is given.
Command parseCommandLine(const std::vector<std::wstring>& arguments);

}  // namespace lark
