#include "platform/win32/ini_store.h"

#include <windows.h>

namespace lark::win32 {

std::optional<std::wstring> IniSettingsStore::read(std::wstring_view key) {
    const std::wstring name(key);
    std::wstring text(MaxChars + 2, L'\0');
    const DWORD n = ::GetPrivateProfileStringW(IniSection, name.c_str(), L"", text.data(),
                                               static_cast<DWORD>(text.size()), path_.c_str());
    if (n == 0 || n > MaxChars) return std::nullopt;  // a value cut to the buffer is longer than MaxChars
    text.resize(n);
    return text;
}

// Deleting the file is how a user ends portable mode: a copy still running must not bring it back.
bool IniSettingsStore::write(std::wstring_view key, std::wstring_view value) {
    const DWORD attributes = ::GetFileAttributesW(path_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    const std::wstring name(key), text(value);
    return ::WritePrivateProfileStringW(IniSection, name.c_str(), text.c_str(), path_.c_str()) != FALSE;
}

}  // namespace lark::win32
