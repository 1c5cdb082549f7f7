// Modal message boxes.
#pragma once

#include "platform/message_box.h"

namespace lark::win32 {

class Win32Ui;

// MessageBoxW, owned as a dialog is (Win32Ui::boxOwner) and counted among the modal windows while it
// shows.
class Win32MessageBoxes final : public MessageBoxes {
public:
    explicit Win32MessageBoxes(Win32Ui& ui) : ui_(ui) {}
    int show(std::wstring_view text, int flags, std::wstring_view title) override;

private:
    Win32Ui& ui_;
};

}  // namespace lark::win32
