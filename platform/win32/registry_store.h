// The settings store in the registry: text values under one key of the current user.
#pragma once

#include <string>

#include "platform/settings_store.h"

namespace lark::win32 {

inline constexpr wchar_t SettingsKey[] = L"Software\\Quorvane\\Larkspan100";

class RegistrySettingsStore final : public SettingsStore {
public:
    // Longest text read back; anything longer reads as missing.
    static constexpr std::size_t MaxChars = 32 * 1024;

    explicit RegistrySettingsStore(std::wstring subkey = SettingsKey) : subkey_(std::move(subkey)) {}
    std::optional<std::wstring> read(std::wstring_view key) override;
    bool write(std::wstring_view key, std::wstring_view value) override;

private:
    std::wstring subkey_;
};

}  // namespace lark::win32
