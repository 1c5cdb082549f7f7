// The program's words in each language it speaks: which language a start uses, every text whole in
// each, and the English results with the number rules of the Japanese ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/texts.h"
#include "monitor/gauge.h"
#include "reclaim/reclaim.h"
#include "reclaim/working_sets.h"
#include "shell/main_panel_layout.h"
#include "shell/settings.h"
#include "tests/fakes/fake_system.h"

namespace lark {
namespace {

std::set<wchar_t> valuesTaken(std::wstring_view text) {
    std::set<wchar_t> places;
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
        if (text[i] == L'{' && text[i + 2] == L'}') places.insert(text[i + 1]);
    return places;
}

TEST(Texts, EveryTextTakesTheSameValuesInEachLanguageAndTheEnglishHoldsNoJapanese) {
    for (int i = 0; i < TextCount; ++i) {
        const auto id = static_cast<Text>(i);
        EXPECT_EQ(valuesTaken(text(id, Language::Japanese)), valuesTaken(text(id, Language::English))) << i;
        EXPECT_TRUE(std::ranges::none_of(text(id, Language::English), [](wchar_t c) { return c >= 0x2E80; })) << i;
    }
    EXPECT_EQ(text(Text::GaugeSentence, Language::Japanese), L"{0}%の空きメモリが存在します");
}

// The setting wins; "auto" follows the display language: Japanese for any Japanese LANGID, English for the rest.
TEST(Texts, TheLanguageOfAStartIsTheChosenOneOrTheOneWindowsDisplays) {
    const std::tuple<std::optional<Language>, std::uint16_t, Language> cases[] = {
        {std::nullopt, 0x0411, Language::Japanese}, {std::nullopt, 0x0409, Language::English},
        {std::nullopt, 0x0407, Language::English},  {std::nullopt, 0x0000, Language::English},
        {std::nullopt, 0x0C11, Language::Japanese}, {Language::Japanese, 0x0409, Language::Japanese},
        {Language::English, 0x0411, Language::English}};
    for (const auto& [chosen, display, used] : cases)
        EXPECT_EQ(languageToUse({.language = chosen}, display), used) << display;
    EXPECT_EQ(languageOfCode(L"Ja"), Language::Japanese);
    EXPECT_EQ(languageOfCode(L"auto"), std::nullopt);
    EXPECT_EQ(languageOfCode(L"e"), std::nullopt);
}

TEST(Texts, EnglishResultsAndTipsKeepTheNumbersAsTheJapaneseOnesShowThem) {
    const fake::LanguageScope english(Language::English);
    constexpr std::int64_t MiB = 1 << 20;
    EXPECT_EQ(reclaim::secureResult(812 * MiB + MiB / 2), L" 812.5 MB of memory secured");
    EXPECT_EQ(reclaim::secureResult(0), L"Memory was not secured");
    EXPECT_EQ(reclaim::cleanupResult(900), L" 900 bytes of system memory secured.");
    EXPECT_EQ(reclaim::cleanupResult(-1), L"Memory is already optimized");
    EXPECT_EQ(reclaim::trimResult(52429, 12), L"Trim working sets: 51 KB more free (12 programs)");
    EXPECT_EQ(reclaim::trimResult(0, 1), L"Trim working sets: no more free memory (1 programs)");
    EXPECT_EQ(gauge::tip(68), L"Larkspan - 68% free");
    EXPECT_EQ(gauge::spokenSentence(100), L"100% of memory is free");
    EXPECT_EQ(text(Text::UnusableHotkey, {L"Show panel", L"unused"}).substr(0, 26), L"The key for \"Show panel\" c");
}

// Within one menu no two items share an access key, in any language.
TEST(Texts, AccessKeysDoNotClashWithinAMenu) {
    for (const Language language : {Language::Japanese, Language::English}) {
        const fake::LanguageScope scope(language);
        const WindowSpec panel = mainPanelWindow();
        std::vector<std::vector<MenuItem>> menus{panel.menu};
        for (const MenuItem& menu : panel.menu) menus.push_back(menu.items);
        for (const auto& menu : menus) {
            std::set<wchar_t> keys;
            for (const MenuItem& item : menu)
                if (const auto amp = item.caption.find(L'&'); amp != std::wstring::npos)
                    EXPECT_TRUE(keys.insert(static_cast<wchar_t>(std::towlower(item.caption[amp + 1]))).second) << item.caption;
        }
    }
}

}  // namespace
}  // namespace lark
