// The stored settings: any text or none under every name (the seven and two more), through the loading
// path the registry and the ini file share; every slider position is in its range, and loading what was
// saved gives the same settings.
#include "shell/settings.h"
#include "tests/fakes/fake_services.h"
#include "tests/fuzz/fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    lark::fake::FakeSettingsStore stored, saved;
    for (int i = 1; i <= 9; ++i)
        if (in.ConsumeBool()) stored.values[L"Flag0" + std::to_wstring(i)] = wideText(in);
    const lark::Settings settings = lark::loadSettings(stored);
    REQUIRE(settings.amountSteps >= 0 && settings.amountSteps <= 68 && settings.warningSteps >= 0 && settings.warningSteps <= 28);
    lark::saveSettings(saved, settings);
    REQUIRE(saved.values.size() == 7 && lark::loadSettings(saved) == settings);
    return 0;
}
