// The seven stored settings: reading with defaults and validation, writing all of them at exit.
#include <gtest/gtest.h>

#include "shell/settings.h"
#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using namespace fake;
using F = Form1;

TEST(SettingsText, ReadsWholeNumbersInRangeRoundingHalvesToEvenAndBooleansAsWordsOrNumbers) {
    for (auto [text, value] : {std::pair{L"55", 55}, {L"-1", -1}, {L"2.5", 2}, {L"3.5", 4}, {L"32767", 32767}, {L"-32768", -32768}})
        EXPECT_EQ(settings::toInt16(text), value) << value;
    for (const wchar_t* bad : {L"32767.5", L"32768", L"abc", L""}) EXPECT_EQ(settings::toInt16(bad), std::nullopt);
    EXPECT_EQ(settings::toInt32(L"2147483647"), 2147483647);
    EXPECT_EQ(settings::toInt32(L"2147483648"), std::nullopt);

    for (auto [text, value] : {std::pair{L"True", true}, {L"fALSE", false}, {L"0", false}, {L"-1", true}, {L"0.5", true}})
        EXPECT_EQ(settings::toBool(text), value) << std::wstring(text).size();
    EXPECT_EQ(settings::toBool(L"yes"), std::nullopt);
    EXPECT_EQ(settings::toBool(L""), std::nullopt);
    EXPECT_EQ(settings::boolText(true), L"True");
    EXPECT_EQ(settings::boolText(false), L"False");
}

class Settings : public ProgramTest {
protected:
    Form1& load(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> stored) {
        for (auto [key, value] : stored) settings.values[key] = value;
        return loadMainPanel();
    }
    int h1() { return slider(F::idHScroll1).value(); }
    int h2() { return slider(F::idHScroll2).value(); }
    void exit() { EXPECT_THROW(form1().m04_Click(), ProcessEnded); }
};

TEST_F(Settings, AFirstRunTakesTheDefaultsAndItsExitWritesAllSevenKeys) {
    Form1& f = load({});
    EXPECT_EQ(h1(), 55);
    EXPECT_EQ(h2(), 5);
    EXPECT_EQ(f.start, 0);
    EXPECT_EQ(f.keikoku, 0);
    EXPECT_EQ(program.ScheduleIndex, 0);
    EXPECT_TRUE(program.StandardCleanup);
    exit();
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"Flag01", L"55"}, {L"Flag02", L"5"}, {L"Flag03", L"0"}, {L"Flag04", L"0"},
        {L"Flag05", L"True"}, {L"Flag06", L"0"}, {L"Flag07", L"True"}};
    EXPECT_EQ(settings.writes, expected);
}

TEST_F(Settings, StoredValuesComeBackAsTheyWereSaved) {
    Form1& f = load({{L"Flag01", L"12"}, {L"Flag02", L"28"}, {L"Flag03", L"1"}, {L"Flag04", L"2"},
                     {L"Flag06", L"5"}, {L"Flag07", L"False"}});
    EXPECT_EQ(h1(), 12);
    EXPECT_EQ(h2(), 28);
    EXPECT_EQ(f.start, 1);
    EXPECT_EQ(f.keikoku, 2);
    EXPECT_EQ(program.ScheduleIndex, 5);
    EXPECT_FALSE(program.StandardCleanup);
    program.ShowLogo = false;
    exit();
    EXPECT_EQ(settings.values[L"Flag01"], L"12");
    EXPECT_EQ(settings.values[L"Flag05"], L"False");
    EXPECT_EQ(settings.values[L"Flag07"], L"False");
}

TEST_F(Settings, SliderValuesOutsideTheirRangeFallBackToTheirDefaults) {
    for (auto [flag01, flag02, want1, want2] : {std::tuple{L"69", L"29", 55, 5}, {L"-1", L"-1", 55, 5},
                                                {L"68", L"28", 68, 28}, {L"0", L"0", 0, 0}}) {
        TestProgram p;
        p.settings.values[L"Flag01"] = flag01;
        p.settings.values[L"Flag02"] = flag02;
        p.loadMainPanel();
        EXPECT_EQ(p.slider(F::idHScroll1).value(), want1);
        EXPECT_EQ(p.slider(F::idHScroll2).value(), want2);
    }
}

TEST_F(Settings, TextThatIsNotANumberOfTheKeysTypeGivesTheKeysDefault) {
    Form1& f = load({{L"Flag01", L"lots"}, {L"Flag02", L""}, {L"Flag03", L"40000"}, {L"Flag04", L"1x"},
                     {L"Flag06", L"3000000000"}, {L"Flag07", L"sometimes"}});
    EXPECT_EQ(h1(), 55);
    EXPECT_EQ(h2(), 5);
    EXPECT_EQ(f.start, 0);
    EXPECT_EQ(f.keikoku, 0);
    EXPECT_EQ(program.ScheduleIndex, 0);
    EXPECT_TRUE(program.StandardCleanup);
}

TEST_F(Settings, AKeyThatCannotBeWrittenKeepsItsValueAndTheOthersAreStillSaved) {
    load({{L"Flag03", L"2"}});
    form1().start = 0;
    slider(F::idHScroll1).userMoves(40);
    settings.failing.insert(L"Flag03");
    exit();
    EXPECT_EQ(settings.values[L"Flag03"], L"2");
    EXPECT_EQ(settings.values[L"Flag01"], L"40");
    EXPECT_EQ(settings.values[L"Flag07"], L"True");
    EXPECT_EQ(settings.writes.size(), 6u);
    EXPECT_FALSE(tray.shown);  // the exit went on
}

TEST_F(Settings, AStoreThatCannotBeWrittenAtAllStillLetsTheProgramEnd) {
    load({});
    settings.failAll = true;
    exit();
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(ui.ends, 1);
}

}  // namespace
}  // namespace lark
