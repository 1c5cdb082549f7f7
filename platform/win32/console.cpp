#include "platform/win32/console.h"

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"

namespace lark::win32 {

namespace {

bool writeUtf8(HANDLE out, const std::wstring& text) {
    const int chars = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), chars, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return false;
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), chars, utf8.data(), bytes, nullptr, nullptr);
    DWORD written = 0;
    return ::WriteFile(out, utf8.data(), static_cast<DWORD>(bytes), &written, nullptr) && written == DWORD(bytes);
}

bool writeConsole(HANDLE console, const std::wstring& text) {
    DWORD written = 0;
    return ::WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
}

}  // namespace

bool Win32Console::writeLine(std::wstring_view line) {
    std::wstring text;  // Windows' line ends, in the console and in a file
    for (wchar_t c : line) c == L'\n' ? text += L"\r\n" : text += c;
    text += L"\r\n";
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const DWORD type = out && out != INVALID_HANDLE_VALUE ? ::GetFileType(out) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) return writeUtf8(out, text);
    if (type == FILE_TYPE_CHAR && writeConsole(out, text)) return true;
    if (!attached_) attached_ = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (!attached_) return false;
    HANDLE opened = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    UniqueHandle console(opened);
    return writeConsole(console.get(), text);
}

}  // namespace lark::win32
