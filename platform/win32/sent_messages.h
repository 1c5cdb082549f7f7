// Work that takes a while on the user-interface thread answers, between its pieces, the messages
// other threads and processes sent: PeekMessage with PM_QS_SENDMESSAGE delivers sent messages to
// their window procedures and takes nothing else (no posted message, timer, input or paint), so
// the program's own events keep their order and wait until the work is done.
#pragma once

#include <windows.h>

namespace lark::win32 {

inline void answerSentMessages() {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace lark::win32
