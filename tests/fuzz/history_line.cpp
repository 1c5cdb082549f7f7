// The history line: any result text and any figures give one CSV record that an RFC 4180 reader splits
// back into the same ten fields, the figures within their rounding.
#include <cmath>
#include <codecvt>
#include <locale>
#include <optional>

#include "reclaim/history.h"
#include "tests/fuzz/fuzz.h"

namespace {

// One RFC 4180 record ending in CRLF: its fields, or nothing when the text is anything else.
std::optional<std::vector<std::string>> record(std::string_view s) {
    std::vector<std::string> fields(1);
    bool quoted = false, wasQuoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (quoted && c == '"' && i + 1 < s.size() && s[i + 1] == '"') fields.back() += s[++i];
        else if (c == '"' && (quoted || (fields.back().empty() && !wasQuoted))) quoted = !quoted, wasQuoted = true;
        else if (quoted) fields.back() += c;
        else if (c == ',') fields.emplace_back(), wasQuoted = false;
        else if (s.substr(i) == "\r\n") return fields;
        else if (wasQuoted || c == '"' || c == '\r' || c == '\n') return std::nullopt;
        else fields.back() += c;
    }
    return std::nullopt;
}

// The figure written as `text` in `unit`, rounded to `step`, is `value`.
bool near(const std::string& text, std::uint64_t a, std::uint64_t b, double unit, double step) {
    const double value = static_cast<double>(a) - static_cast<double>(b);
    return std::fabs(std::strtod(text.c_str(), nullptr) * unit - value) <= (step / 2 + 1e-9) * unit + std::fabs(value) * 1e-14;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lark;
    FuzzedDataProvider in(data, size);
    RunRecord run{{in.ConsumeIntegralInRange(1601, 9999), in.ConsumeIntegralInRange(1, 12), in.ConsumeIntegralInRange(1, 31),
                   {in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59), in.ConsumeIntegralInRange(0, 59)},
                   in.ConsumeIntegralInRange(-24 * 60, 24 * 60)},
                  static_cast<Trigger>(in.ConsumeIntegralInRange(0, 3)), static_cast<RunAction>(in.ConsumeIntegralInRange(0, 3)),
                  in.ConsumeIntegral<std::uint64_t>(), in.ConsumeIntegral<std::uint64_t>(), in.ConsumeIntegral<std::uint64_t>()};
    if (in.ConsumeBool()) run.programsTrimmed = in.ConsumeIntegral<int>();
    run.milliseconds = in.ConsumeIntegral<std::uint64_t>();
    run.stopped = in.ConsumeBool();
    run.result = wide(in.ConsumeRemainingBytesAsString());

    const auto f = record(history::csvLine(run)).value_or(std::vector<std::string>());
    REQUIRE(f.size() == 10);
    std::wstring result = run.stopped ? L"中止" : run.result;  // what UTF-8 cannot hold becomes U+FFFD
    for (wchar_t& c : result)
        if (static_cast<std::uint32_t>(c) > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    REQUIRE(f[9] == std::wstring_convert<std::codecvt_utf8<wchar_t>>().to_bytes(result));
    REQUIRE(near(f[3], run.availableBefore, 0, 1 << 20, 0.1) && near(f[4], run.availableAfter, 0, 1 << 20, 0.1));
    REQUIRE(near(f[5], run.availableAfter, run.availableBefore, 1 << 20, 0.1) && near(f[6], run.heldAtMost, 0, 1 << 20, 0.1));
    REQUIRE(near(f[8], run.milliseconds, 0, 1000, 0.01));
    REQUIRE(f[7] == (run.programsTrimmed ? std::to_string(*run.programsTrimmed) : ""));
    return 0;
}
