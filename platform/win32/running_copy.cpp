#include "platform/win32/running_copy.h"

#include <windows.h>

#include <string>

#include "platform/win32/message_handler.h"

namespace lark::win32 {

std::optional<std::intptr_t> Win32RunningCopy::send(std::wstring_view windowTitle, std::uintptr_t tag,
                                                    std::span<const std::uint8_t> data, int milliseconds) {
    constexpr DWORD PollMilliseconds = 100;
    const std::wstring title(windowTitle);
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    HWND window = nullptr;
    // The running copy creates the window once its splash is over.
    while (!(window = ::FindWindowW(TopLevelClass, title.c_str()))) {
        if (::GetTickCount64() >= deadline) return std::nullopt;
        ::Sleep(PollMilliseconds);
    }
    COPYDATASTRUCT sent{tag, static_cast<DWORD>(data.size()), const_cast<std::uint8_t*>(data.data())};
    const ULONGLONG now = ::GetTickCount64();
    const auto wait = static_cast<UINT>(deadline > now ? deadline - now : PollMilliseconds);
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&sent), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               wait, &answer))
        return std::nullopt;
    return static_cast<std::intptr_t>(answer);
}

}  // namespace lark::win32
