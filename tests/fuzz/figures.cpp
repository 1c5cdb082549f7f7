// The figures: any 64-bit memory figures through the safety bound, the size and number texts, the
// gain text and the sliders' amount and warning sizes.
#include <algorithm>
#include <bit>
#include <cmath>

#include "monitor/gauge.h"
#include "monitor/number_text.h"
#include "monitor/size_text.h"
#include "reclaim/reclaim.h"
#include "tests/fuzz/fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lark;
    using std::uint64_t;
    FuzzedDataProvider in(data, size);
    const uint64_t total = in.ConsumeIntegral<uint64_t>(), wanted = in.ConsumeIntegral<uint64_t>();
    const Headroom now{in.ConsumeIntegral<uint64_t>(), in.ConsumeIntegral<uint64_t>()};

    // A block stays within physical memory and leaves the reserve uncommitted, and is no smaller than that.
    const uint64_t block = reclaim::safeClaimBytes(wanted, now, total);
    const uint64_t least = std::min(now.commitHeadroom, now.availPageFile);
    const uint64_t reserve = std::max<uint64_t>(512 << 20, total / 8);
    REQUIRE(block <= wanted && block <= total && (block == 0 || (block <= least && least - block >= reserve)));
    REQUIRE(block == wanted || block == total || (least <= reserve ? block == 0 : least - block == reserve));
    const __int128 change = static_cast<__int128>(now.availPageFile) - now.commitHeadroom;  // a gain saturates
    REQUIRE(reclaim::gainBetween(now.commitHeadroom, now.availPageFile) == std::clamp<__int128>(change, -INT64_MAX, INT64_MAX));

    // The size text read back as the monitor reads it, and the sliders over that total.
    const uint64_t bytes = in.ConsumeIntegral<uint64_t>();
    const SizeText text = sizeText(bytes);
    REQUIRE(text.number.has_value() == (bytes > 1024));
    if (text.number) {
        const auto unit = static_cast<uint64_t>(unitBytes(text.unit));
        const double shown = labelNumber(*text.number);
        REQUIRE(unit == (bytes <= (1 << 20) ? 1024u : 1u << 20) && static_cast<uint64_t>(shown) == bytes / unit);
        for (int steps = 0; steps <= 68; ++steps) {
            const std::int64_t amount = sliderAmount(shown, steps);
            REQUIRE(amount >= 0 && amount <= shown && (steps == 0 || amount >= sliderAmount(shown, steps - 1)));
            if (steps <= 28) REQUIRE(static_cast<uint64_t>(warningBytes(shown, steps, text.unit)) <= bytes);
        }
    }

    // A gain as the results write it: its figure read back, rounded down in its unit.
    const auto gain = in.ConsumeIntegralInRange<std::int64_t>(1, INT64_MAX);
    const std::wstring written = reclaim::gainText(gain);
    const auto unitAt = written.find_first_of(L"BKM");
    const auto figure = parseNumber(written.substr(0, unitAt));
    const double unit = static_cast<double>(unitBytes(written.substr(unitAt))), step = unit == 1048576 ? 0.1 : 1;
    const auto g = static_cast<double>(gain);
    REQUIRE(figure && *figure * unit <= g * (1 + 1e-15) && g < (*figure + step) * unit * (1 + 1e-15));

    // Any number: a text without an exponent reads back to within its fifteen significant digits.
    const auto value = std::bit_cast<double>(in.ConsumeIntegral<uint64_t>());
    const std::wstring number = numberText(value);
    const auto back = parseNumber(number);
    const bool exponent = number.find(L'e') != std::wstring::npos;
    REQUIRE(std::isfinite(value) ? exponent || (back && std::fabs(*back - value) <= std::fabs(value) * 1e-14) : number == L" 0");
    REQUIRE(!exponent || std::fabs(value) < 1e-4 || std::fabs(value) >= 999999999999999.5);
    return 0;
}
