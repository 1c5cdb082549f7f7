// Modal message boxes.
#pragma once

#include "platform/message_box.h"

namespace lark::win32 {

// MessageBoxW, owned by the process's active window when there is one.
class Win32MessageBoxes final : public MessageBoxes {
public:
    int show(std::wstring_view text, int flags, std::wstring_view title) override;
};

}  // namespace lark::win32
