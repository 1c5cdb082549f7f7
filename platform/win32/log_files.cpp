#include "platform/win32/log_files.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/handles.h"

namespace lark::win32 {

std::optional<std::uint64_t> Win32LogFiles::size(std::wstring_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(std::wstring(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

// Readers (a spreadsheet that has the file open) may go on reading; the bytes go in one write.
bool Win32LogFiles::append(std::wstring_view path, std::string_view bytes) {
    const std::wstring file(path);
    const auto slash = file.find_last_of(L"\\/");
    if (slash != std::wstring::npos) ::SHCreateDirectoryExW(nullptr, file.substr(0, slash).c_str(), nullptr);
    const HANDLE opened = ::CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    UniqueHandle handle(opened);
    DWORD written = 0;
    return ::WriteFile(handle.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::optional<std::string> Win32LogFiles::head(std::wstring_view path, std::size_t bytes) {
    const HANDLE opened = ::CreateFileW(std::wstring(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
    UniqueHandle handle(opened);
    std::string text(bytes, '\0');
    DWORD read = 0;
    if (!::ReadFile(handle.get(), text.data(), static_cast<DWORD>(bytes), &read, nullptr)) return std::nullopt;
    text.resize(read);
    return text;
}

bool Win32LogFiles::rename(std::wstring_view path, std::wstring_view to) {
    return ::MoveFileExW(std::wstring(path).c_str(), std::wstring(to).c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace lark::win32
