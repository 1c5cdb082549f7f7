// Starting other programs, and opening documents with the programs the user chose for them.
#pragma once

#include <string_view>

namespace lark {

enum class ProcessWindow { Normal, Minimised };  // both take the focus

class Processes {
public:
    virtual ~Processes() = default;
    // Starts the program at the full path `application` (never searched for elsewhere) with
    // `commandLine` as its whole command line, the program's own quoted path first. Does not wait.
    // False when it could not be started.
    virtual bool start(std::wstring_view application, std::wstring_view commandLine, ProcessWindow window) = 0;
    // Opens the document at `path` with the user's default program for it, without any message
    // from the system. False when that failed.
    virtual bool openDocument(std::wstring_view path) = 0;
};

}  // namespace lark
