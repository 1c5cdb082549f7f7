// Modal message boxes, with the platform's numbering of buttons, icons and answers.
#pragma once

#include <string_view>

namespace lark {

// The program's title: it captions every message box that has no title of its own, and the tray tip
// when there is no other.
inline constexpr wchar_t ProgramTitle[] = L"Larkspan";

namespace mb {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int AnswerOk = 1;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;
}  // namespace mb

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box, waits until it is closed and returns the button pressed.
    virtual int show(std::wstring_view text, int flags, std::wstring_view title) = 0;
};

}  // namespace lark
