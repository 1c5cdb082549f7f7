// Where the program's output goes: a console, a file or pipe it is redirected to, or nowhere; and
// whether anyone could see a window of it.
#pragma once

#include <string_view>

namespace lark {

constexpr unsigned Utf8CodePage = 65001;

class Console {
public:
    enum class Output {
        None,        // no standard output: started from a shortcut, Explorer or the Task Scheduler
        Console,     // a console window
        Redirected,  // a file, a pipe, the NUL device or any other device that is not a console
    };
    virtual ~Console() = default;

    virtual Output output() = 0;
    // UTF-16 into standard output's console or, without standard output, into the console of the
    // parent process once attached to it. False when there is no such console.
    virtual bool writeConsole(std::wstring_view text) = 0;
    // The text in that code page into the redirected standard output.
    virtual bool writeRedirected(std::wstring_view text, unsigned codePage) = 0;
    // The output code page of the program's console (the parent's, once attached to it); 0 without one.
    virtual unsigned consoleCodePage() = 0;
    // The program runs on a desktop a person can see: a box it shows can be answered.
    virtual bool interactiveDesktop() = 0;
};

}  // namespace lark
