#include "monitor/size_text.h"

#include "monitor/number_text.h"

namespace lark {

namespace {
constexpr std::uint64_t KB = 1024, MB = 1024 * 1024;
}

SizeText sizeText(std::uint64_t bytes) {
    if (bytes <= KB) return {UnitByte, std::nullopt};
    if (bytes <= MB) return {UnitKB, digits(static_cast<std::int64_t>(bytes / KB))};
    return {UnitMB, digits(static_cast<std::int64_t>(bytes / MB))};
}

std::int64_t unitBytes(std::wstring_view unit) {
    if (unit == UnitKB) return KB;
    if (unit == UnitMB) return MB;
    return 1;
}

}  // namespace lark
