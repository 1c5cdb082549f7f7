// The size-text rule: a byte count as a unit and a whole number in that unit (rounded down).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lark {

inline constexpr wchar_t UnitByte[] = L"Byte";
inline constexpr wchar_t UnitKB[] = L"KB";
inline constexpr wchar_t UnitMB[] = L"MB";

struct SizeText {
    std::wstring unit;                  // "Byte", "KB" or "MB"
    std::optional<std::wstring> number; // none for "Byte": the row keeps its previous number
};

// Up to 1024 bytes: "Byte"; up to 1 MiB: whole KB; above: whole MB, as many digits as it takes.
SizeText sizeText(std::uint64_t bytes);

// Bytes in one of the units above; 1 for any other text.
std::int64_t unitBytes(std::wstring_view unit);

}  // namespace lark
