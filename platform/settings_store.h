// The per-user settings store: text values addressed by key, under the program's own section.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lark {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key is missing or does not hold text.
    virtual std::optional<std::wstring> read(std::wstring_view key) = 0;
    // False when the value could not be written; what was stored before stays.
    virtual bool write(std::wstring_view key, std::wstring_view value) = 0;
};

}  // namespace lark
