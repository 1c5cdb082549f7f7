// Reading the machine-wide registry (HKEY_LOCAL_MACHINE), for reading only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lark {

struct RegistryValue {
    enum class Type { Text, Number, Other };
    Type type = Type::Other;
    std::wstring text;         // Text: up to its first zero character
    std::uint32_t number = 0;  // Number
};

class MachineRegistry {
public:
    virtual ~MachineRegistry() = default;
    // The value `name` of the key `key` (a path below HKEY_LOCAL_MACHINE). Nothing when the key
    // cannot be opened for reading or the value cannot be read, which includes values longer than
    // MaxChars characters.
    virtual std::optional<RegistryValue> read(std::wstring_view key, std::wstring_view name) = 0;
    static constexpr std::size_t MaxChars = 1023;
};

}  // namespace lark
