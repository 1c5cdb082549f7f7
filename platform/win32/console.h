// The console the program was started from (a GUI program has none of its own), or the file, pipe
// or device its output is redirected to.
#pragma once

#include <windows.h>

#include "platform/console.h"

namespace lark::win32 {

class Win32Console final : public Console {
public:
    Win32Console();

    Output output() override;
    bool writeConsole(std::wstring_view text) override;
    bool writeRedirected(std::wstring_view text, unsigned codePage) override;
    unsigned consoleCodePage() override;
    bool interactiveDesktop() override;

private:
    bool attachParent();

    HANDLE out_;  // standard output as the program was started with it, before any console is attached
    bool attached_ = false;
};

}  // namespace lark::win32
