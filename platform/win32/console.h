// The console the program was started from (a GUI program has none of its own), or the file or
// pipe its output is redirected to.
#pragma once

#include "platform/console.h"

namespace lark::win32 {

class Win32Console final : public Console {
public:
    // UTF-8 into a file or pipe; UTF-16 into the console of the parent process, once attached to it.
    bool writeLine(std::wstring_view text) override;

private:
    bool attached_ = false;
};

}  // namespace lark::win32
