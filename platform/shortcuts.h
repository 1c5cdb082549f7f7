// Shell shortcuts (.lnk files).
#pragma once

#include <string_view>

namespace lark {

class Shortcuts {
public:
    virtual ~Shortcuts() = default;
    // Writes the shortcut file `link` pointing at `target`, replacing one of that name. Only the
    // target is set; everything else keeps the shell's defaults. False when nothing was written.
    virtual bool create(std::wstring_view link, std::wstring_view target) = 0;
};

}  // namespace lark
