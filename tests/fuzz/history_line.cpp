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
    std::vector<std::string> fields;
    for (std::size_t i = 0;; ++i) {
        std::string f;
        if (i < s.size() && s[i] == '"') {
            for (++i;; ++i) {
                if (i == s.size()) return std::nullopt;
                if (s[i] != '"') f += s[i];
                else if (i + 1 < s.size() && s[i + 1] == '"') f += s[++i];
                else break;
            }
            ++i;
        } else {
            while (i < s.size() && s[i] != ',' && s[i] != '\r' && s[i] != '\n' && s[i] != '"') f += s[i++];
        }
        fields.push_back(f);
        if (s.substr(i) == "\r\n") return fields;
        if (i == s.size() || s[i] != ',') return std::nullopt;
    }
}

// The written figure is the value in `unit`, rounded to `step`.
bool near(const std::string& text, double value, double unit, double step) {
    return std::fabs(std::strtod(text.c_str(), nullptr) * unit - value) <= (step / 2 + 1e-9) * unit + std::fabs(value) * 1e-14;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lark;
    FuzzedDataProvider in(data, size);
    RunRecord run;
    run.started = {in.ConsumeIntegralInRange(1601, 9999), in.ConsumeIntegralInRange(1, 12), in.ConsumeIntegralInRange(1, 31),
                   {in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59), in.ConsumeIntegralInRange(0, 59)},
                   in.ConsumeIntegralInRange(-24 * 60, 24 * 60)};
    run.trigger = static_cast<Trigger>(in.ConsumeIntegralInRange(0, 3));
    run.action = static_cast<RunAction>(in.ConsumeIntegralInRange(0, 3));
    run.availableBefore = in.ConsumeIntegral<std::uint64_t>();
    run.availableAfter = in.ConsumeIntegral<std::uint64_t>();
    run.heldAtMost = in.ConsumeIntegral<std::uint64_t>();
    if (in.ConsumeBool()) run.programsTrimmed = in.ConsumeIntegral<int>();
    run.milliseconds = in.ConsumeIntegral<std::uint64_t>();
    run.stopped = in.ConsumeBool();
    run.result = wide(in.ConsumeRemainingBytesAsString());

    const auto fields = record(history::csvLine(run));
    REQUIRE(fields && fields->size() == 10);
    const auto& f = *fields;
    std::wstring result = run.stopped ? L"中止" : run.result;  // what cannot be written becomes U+FFFD
    for (wchar_t& c : result)
        if (static_cast<std::uint32_t>(c) > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    REQUIRE(f[9] == std::wstring_convert<std::codecvt_utf8<wchar_t>>().to_bytes(result));
    REQUIRE(f[0].size() == 25 && f[0][10] == 'T');
    const double before = static_cast<double>(run.availableBefore), after = static_cast<double>(run.availableAfter);
    REQUIRE(near(f[3], before, 1048576, 0.1) && near(f[4], after, 1048576, 0.1) && near(f[5], after - before, 1048576, 0.1));
    REQUIRE(near(f[6], static_cast<double>(run.heldAtMost), 1048576, 0.1));
    REQUIRE(near(f[8], static_cast<double>(run.milliseconds), 1000, 0.01));
    REQUIRE(f[7] == (run.programsTrimmed ? std::to_string(*run.programsTrimmed) : ""));
    return 0;
}
