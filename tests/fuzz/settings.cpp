// The stored settings: any text or none under every name, through the loading path the registry and
// the ini file share; every value is in its range, a hotkey is none or one that may be a hotkey, and
// loading what was saved gives the same settings (so a hotkey's text reads back as written, and a
// language nobody knows is written back as "auto").
#include "options/hotkey_text.h"
#include "shell/settings.h"
#include "tests/fakes/fake_services.h"
#include "tests/fuzz/fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const wchar_t* const Names[] = {L"Flag01", L"Flag02", L"Flag03", L"Flag04", L"Flag05", L"Flag06", L"Flag07",
                                           L"HotkeySecure", L"HotkeyCleanup", L"HotkeyTrim", L"HotkeyShow", L"TrayIcon", L"History", L"Language"};
    FuzzedDataProvider in(data, size);
    lark::fake::FakeSettingsStore stored, saved;
    for (const wchar_t* name : Names)
        if (in.ConsumeBool()) stored.values[name] = wideText(in);
    const lark::Settings settings = lark::loadSettings(stored);
    REQUIRE(settings.amountSteps >= 0 && settings.amountSteps <= 68 && settings.warningSteps >= 0 && settings.warningSteps <= 28);
    for (const lark::Hotkey& key : settings.hotkeys) REQUIRE(!key || lark::usableHotkey(key));
    REQUIRE(settings.trayStyle == lark::TrayStyle::Gauge || settings.trayStyle == lark::TrayStyle::Number);
    REQUIRE(!settings.language || static_cast<int>(*settings.language) < lark::LanguageCount);
    lark::saveSettings(saved, settings);
    REQUIRE(saved.values.size() == std::size(Names) && lark::loadSettings(saved) == settings);
    return 0;
}
