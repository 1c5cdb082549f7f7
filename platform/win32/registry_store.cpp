#include "platform/win32/registry_store.h"

#include <windows.h>

#include "platform/win32/handles.h"

namespace lark::win32 {

std::optional<std::wstring> RegistrySettingsStore::read(std::wstring_view key) {
    std::wstring name(key);
    // The value may change between asking for its size and reading it: try a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD bytes = 0;
        LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, subkey_.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                                        nullptr, &bytes);
        if (status != ERROR_SUCCESS || bytes > (MaxChars + 1) * sizeof(wchar_t)) return std::nullopt;
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status = ::RegGetValueW(HKEY_CURRENT_USER, subkey_.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                                text.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        text.resize(std::wcslen(text.c_str()));  // RegGetValueW terminates the text
        if (text.size() > MaxChars) return std::nullopt;
        return text;
    }
    return std::nullopt;
}

bool RegistrySettingsStore::write(std::wstring_view key, std::wstring_view value) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, subkey_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueKey section(raw);
    std::wstring name(key), text(value);
    if (text.size() >= MAXDWORD / sizeof(wchar_t)) return false;
    auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(section.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            bytes) == ERROR_SUCCESS;
}

}  // namespace lark::win32
