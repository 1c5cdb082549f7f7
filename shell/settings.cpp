#include "shell/settings.h"

#include <array>
#include <cwctype>
#include <limits>
#include <utility>

#include "monitor/number_text.h"
#include "shell/form1.h"
#include "shell/program.h"

namespace lark::settings {

namespace {
template <class Int>
std::optional<Int> toWhole(std::wstring_view text) {
    auto number = parseNumber(text);
    if (!number) return std::nullopt;
    const double whole = roundHalfEven(*number);
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max()) return std::nullopt;
    return static_cast<Int>(whole);
}

bool equalsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
    return true;
}

template <class T, class Convert>
T read(SettingsStore& store, std::wstring_view key, T fallback, Convert convert) {
    auto text = store.read(key);
    if (!text) return fallback;
    return convert(*text).value_or(fallback);
}
}  // namespace

std::optional<std::int16_t> toInt16(std::wstring_view text) { return toWhole<std::int16_t>(text); }
std::optional<std::int32_t> toInt32(std::wstring_view text) { return toWhole<std::int32_t>(text); }

std::optional<bool> toBool(std::wstring_view text) {
    std::wstring_view t = text;
    while (!t.empty() && t.front() == L' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == L' ') t.remove_suffix(1);
    if (equalsIgnoringCase(t, L"True")) return true;
    if (equalsIgnoringCase(t, L"False")) return false;
    if (auto number = parseNumber(t)) return *number != 0;
    return std::nullopt;
}

std::wstring boolText(bool value) { return value ? L"True" : L"False"; }

std::int16_t readInt16(SettingsStore& store, std::wstring_view key, std::int16_t fallback) {
    return read(store, key, fallback, toInt16);
}
std::int32_t readInt32(SettingsStore& store, std::wstring_view key, std::int32_t fallback) {
    return read(store, key, fallback, toInt32);
}
bool readBool(SettingsStore& store, std::wstring_view key, bool fallback) {
    return read(store, key, fallback, toBool);
}

}  // namespace lark::settings

namespace lark {

namespace {
int withinOr(int value, int low, int high, int fallback) { return value < low || value > high ? fallback : value; }
}  // namespace

void Form1::LoadS() {
    using namespace settings;
    SettingsStore& store = program_.services.settings;
    HScroll2->setValue(withinOr(readInt16(store, L"Flag02", 5), 0, 28, 5));
    HScroll1->setValue(withinOr(readInt16(store, L"Flag01", 55), 0, 68, 55));
    start = readInt16(store, L"Flag03", 0);
    keikoku = readInt16(store, L"Flag04", 0);
    program_.ScheduleIndex = readInt32(store, L"Flag06", 0);
    program_.StandardCleanup = readBool(store, L"Flag07", true);
}

// Writes every key; a key that cannot be written keeps what it held and the others are still written.
void Form1::SaveS() {
    using settings::boolText;
    const std::array<std::pair<const wchar_t*, std::wstring>, 7> values{{
        {L"Flag01", digits(HScroll1->value())},
        {L"Flag02", digits(HScroll2->value())},
        {L"Flag03", digits(start)},
        {L"Flag04", digits(keikoku)},
        {L"Flag05", boolText(program_.ShowLogo)},
        {L"Flag06", digits(program_.ScheduleIndex)},
        {L"Flag07", boolText(program_.StandardCleanup)},
    }};
    for (const auto& [key, text] : values) program_.services.settings.write(key, text);
}

}  // namespace lark
