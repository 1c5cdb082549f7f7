// The console the program was started from, or the file or pipe its output goes to.
#pragma once

#include <string_view>

namespace lark {

class Console {
public:
    virtual ~Console() = default;
    // Writes the text and a line end. False when there is nowhere to write.
    virtual bool writeLine(std::wstring_view text) = 0;
};

}  // namespace lark
