#include "shell/settings.h"

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/ignoring_case.h"
#include "common/paths.h"
#include "common/texts.h"
#include "monitor/number_text.h"
#include "options/hotkey_text.h"

namespace lark {

namespace {

// Reading a stored text as a value's type. Nothing when it cannot be read as that type (letters,
// empty text, out of the type's range); a fraction rounds to the nearest, halves to even.
template <class Int>
std::optional<Int> toWhole(std::wstring_view text) {
    auto number = parseNumber(text);
    if (!number) return std::nullopt;
    const double whole = roundHalfEven(*number);
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max()) return std::nullopt;
    return static_cast<Int>(whole);
}

std::optional<std::int16_t> toInt16(std::wstring_view text) { return toWhole<std::int16_t>(text); }
std::optional<std::int32_t> toInt32(std::wstring_view text) { return toWhole<std::int32_t>(text); }

// "True"/"False" in any case, or a number: 0 false, any other true.
std::optional<bool> toBool(std::wstring_view text) {
    std::wstring_view t = text;
    while (!t.empty() && t.front() == L' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == L' ') t.remove_suffix(1);
    if (sameIgnoringCase(t, L"True")) return true;
    if (sameIgnoringCase(t, L"False")) return false;
    if (auto number = parseNumber(t)) return *number != 0;
    return std::nullopt;
}

// The names the values are stored under.
constexpr wchar_t AmountName[] = L"Flag01", WarningName[] = L"Flag02", StartupName[] = L"Flag03",
                  ActionName[] = L"Flag04", SplashName[] = L"Flag05", ScheduleName[] = L"Flag06",
                  CleanupName[] = L"Flag07", TrayName[] = L"TrayIcon", HistoryName[] = L"History",
                  LanguageName[] = L"Language";
constexpr std::array<const wchar_t*, HotkeyCount> HotkeyNames{L"HotkeySecure", L"HotkeyCleanup", L"HotkeyTrim", L"HotkeyShow"};

std::optional<TrayStyle> toTrayStyle(std::wstring_view text) {
    if (sameIgnoringCase(text, L"gauge")) return TrayStyle::Gauge;
    if (sameIgnoringCase(text, L"number")) return TrayStyle::Number;
    return std::nullopt;
}

std::optional<bool> toFlag(std::wstring_view text) {
    if (text == L"1" || text == L"0") return text == L"1";
    return std::nullopt;
}

template <class T, class Convert>
T read(SettingsStore& store, std::wstring_view name, T fallback, Convert convert) {
    auto text = store.read(name);
    if (!text) return fallback;
    return convert(*text).value_or(fallback);
}

int sliderPosition(SettingsStore& store, std::wstring_view name, int last, int fallback) {
    const int value = read<std::int16_t>(store, name, static_cast<std::int16_t>(fallback), toInt16);
    return value < 0 || value > last ? fallback : value;
}

std::wstring boolText(bool value) { return value ? L"True" : L"False"; }

}  // namespace

Settings loadSettings(SettingsStore& store) {
    Settings s;
    s.warningSteps = sliderPosition(store, WarningName, 28, s.warningSteps);
    s.amountSteps = sliderPosition(store, AmountName, 68, s.amountSteps);
    s.startupWindow = static_cast<StartupWindow>(read<std::int16_t>(store, StartupName, 0, toInt16));
    s.lowMemoryAction = static_cast<LowMemoryAction>(read<std::int16_t>(store, ActionName, 0, toInt16));
    s.showSplash = read(store, SplashName, true, toBool);
    s.scheduleIndex = read<std::int32_t>(store, ScheduleName, 0, toInt32);
    s.standardCleanup = read(store, CleanupName, true, toBool);
    for (int k = 0; k < HotkeyCount; ++k) s.hotkeys[k] = read(store, HotkeyNames[k], Hotkey{}, parseHotkey);
    s.trayStyle = read(store, TrayName, TrayStyle::Gauge, toTrayStyle);
    s.keepHistory = read(store, HistoryName, true, toFlag);
    if (const auto code = store.read(LanguageName)) s.language = languageOfCode(*code);
    return s;
}

std::optional<std::wstring> portableSettingsFile(std::wstring_view exePath) {
    const std::wstring folder = paths::folderOf(exePath);
    if (folder.empty()) return std::nullopt;
    return paths::withSlash(folder) + L"larkspan.ini";
}

void saveSettings(SettingsStore& store, const Settings& s) {
    const std::array<std::pair<const wchar_t*, std::wstring>, 7> values{{
        {AmountName, digits(s.amountSteps)},
        {WarningName, digits(s.warningSteps)},
        {StartupName, digits(static_cast<int>(s.startupWindow))},
        {ActionName, digits(static_cast<int>(s.lowMemoryAction))},
        {SplashName, boolText(s.showSplash)},
        {ScheduleName, digits(s.scheduleIndex)},
        {CleanupName, boolText(s.standardCleanup)},
    }};
    for (const auto& [name, text] : values) store.write(name, text);
    for (int k = 0; k < HotkeyCount; ++k) store.write(HotkeyNames[k], hotkeyText(s.hotkeys[k]));
    store.write(TrayName, s.trayStyle == TrayStyle::Number ? L"number" : L"gauge");
    store.write(HistoryName, s.keepHistory ? L"1" : L"0");
    store.write(LanguageName, s.language ? languageInfo(*s.language).code : L"auto");
}

Language languageToUse(const Settings& settings, std::uint16_t displayLanguage) {
    return settings.language.value_or(languageForDisplay(displayLanguage));
}

}  // namespace lark
