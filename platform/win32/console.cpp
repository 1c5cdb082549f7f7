#include "platform/win32/console.h"

#include <string>

#include "platform/win32/handles.h"

namespace lark::win32 {

namespace {

bool writeConsoleTo(HANDLE console, std::wstring_view text) {
    DWORD written = 0;
    return ::WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
}

std::string encoded(std::wstring_view text, unsigned codePage) {
    const int chars = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(codePage, 0, text.data(), chars, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), chars, out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace

Win32Console::Win32Console() : out_(::GetStdHandle(STD_OUTPUT_HANDLE)) {}

Console::Output Win32Console::output() {
    if (!out_ || out_ == INVALID_HANDLE_VALUE) return Output::None;
    ::SetLastError(NO_ERROR);
    const DWORD type = ::GetFileType(out_);
    if (type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) return Output::None;  // a stale handle
    DWORD mode = 0;
    return type == FILE_TYPE_CHAR && ::GetConsoleMode(out_, &mode) ? Output::Console : Output::Redirected;
}

bool Win32Console::writeConsole(std::wstring_view text) {
    if (output() == Output::Console) return writeConsoleTo(out_, text);
    if (!attachParent()) return false;
    HANDLE opened = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    UniqueHandle console(opened);
    return writeConsoleTo(console.get(), text);
}

bool Win32Console::writeRedirected(std::wstring_view text, unsigned codePage) {
    std::string bytes = encoded(text, codePage);
    if (bytes.empty()) bytes = encoded(text, CP_UTF8);  // a code page Windows cannot write in
    DWORD written = 0;
    return !bytes.empty() && ::WriteFile(out_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

unsigned Win32Console::consoleCodePage() { return attachParent() ? ::GetConsoleOutputCP() : 0; }

bool Win32Console::attachParent() {
    if (!attached_) attached_ = ::AttachConsole(ATTACH_PARENT_PROCESS) || ::GetLastError() == ERROR_ACCESS_DENIED;
    return attached_;
}

// A service's or a scheduled task's window station is not visible: nobody could answer a box there.
// When it cannot be told, a person is assumed to be there.
bool Win32Console::interactiveDesktop() {
    USEROBJECTFLAGS flags{};
    HWINSTA station = ::GetProcessWindowStation();
    if (!station || !::GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr)) return true;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace lark::win32
