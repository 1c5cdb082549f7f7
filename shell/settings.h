// Reading and writing the stored settings: every value is text under its key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace lark::settings {

// Reading a stored text as a key's type. Nothing when it cannot be read as that type (letters,
// empty text, out of the type's range); a fraction rounds to the nearest, halves to even.
std::optional<std::int16_t> toInt16(std::wstring_view text);
std::optional<std::int32_t> toInt32(std::wstring_view text);
// "True"/"False" in any case, or a number: 0 false, any other true.
std::optional<bool> toBool(std::wstring_view text);

std::wstring boolText(bool value);  // "True" or "False"

// A key's value, or `fallback` when the key is missing or unreadable.
std::int16_t readInt16(SettingsStore& store, std::wstring_view key, std::int16_t fallback);
std::int32_t readInt32(SettingsStore& store, std::wstring_view key, std::int32_t fallback);
bool readBool(SettingsStore& store, std::wstring_view key, bool fallback);

}  // namespace lark::settings
