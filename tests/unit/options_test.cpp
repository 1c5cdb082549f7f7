// The options dialog: loading the settings into its controls, apply, cancel, where it opens, and
// the start-up shortcut's paths and messages.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>

#include "common/dialog_support.h"
#include "options/options_dialog.h"
#include "options/startup_shortcut.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/fake_system.h"
#include "tests/fakes/fake_ui.h"

namespace lark {
namespace {

using namespace options;
using Values = std::tuple<int, int, bool, int, bool>;  // start, action, logo, schedule, standard cleanup
using Messages = std::vector<fake::FakeMessageBoxes::Shown>;

class OptionsDialogTest : public ::testing::Test {
protected:
    fake::FakeWindow& open(Values v, std::optional<Rect> over = std::nullopt) {
        settings = {12, 3, StartupWindow(std::get<0>(v)), LowMemoryAction(std::get<1>(v)), std::get<2>(v), std::get<3>(v), std::get<4>(v)};
        dialog = std::make_unique<OptionsDialog>(services, settings, [this] { ++saves; });
        return static_cast<fake::FakeWindow&>(dialog->open(over));
    }
    Values values() const {
        EXPECT_EQ(std::tuple(settings.amountSteps, settings.warningSteps), std::tuple(12, 3));  // not the dialog's
        return {int(settings.startupWindow), int(settings.lowMemoryAction), settings.showSplash, settings.scheduleIndex, settings.standardCleanup};
    }
    fake::FakeUi ui;
    fake::FakeMessageBoxes messages;
    fake::FakeShortcuts shortcuts;
    fake::FakeFileSystem files;
    OptionsServices services{ui, messages, shortcuts, files};
    Settings settings;
    int saves = 0;
    std::unique_ptr<OptionsDialog> dialog;
};

// Start minimised, the ticked warning options as bits, hide logo, standard, full, schedule ticked,
// the list's entry, the list usable.
using Shown = std::tuple<int, int, int, int, int, int, int, bool>;
Shown shown(fake::FakeWindow& w) {
    auto v = [&](int id) { return w.check(id).value(); };
    return {v(idStartMinimised), v(idSecureAtOnce) | v(idAsk) << 1 | v(idIgnore) << 2, v(idHideLogo), v(idStandardCheck),
            v(idFullCheck), v(idScheduleOn), w.combo(idScheduleList).selected(), w.control(idScheduleList).enabled};
}

TEST_F(OptionsDialogTest, LoadsWhatTheControlsCanShowAndApplyStoresWhatTheyShow) {
    const std::tuple<Values, Shown, Values> cases[] = {  // loaded, shown, applied
        {{0, 0, true, 0, true}, {0, 1, 0, 1, 0, 0, 0, false}, {0, 0, true, 0, true}},
        {{1, 1, false, 3, false}, {1, 2, 1, 0, 1, 1, 2, true}, {1, 1, false, 3, false}},
        {{0, 2, true, 5, true}, {0, 4, 0, 1, 0, 1, 4, true}, {0, 2, true, 5, true}},
        {{0, 5, true, 0, true}, {0, 1, 0, 1, 0, 0, 0, false}, {0, 0, true, 0, true}},    // action outside: the first stays
        {{2, -1, true, 0, true}, {0, 1, 0, 1, 0, 0, 0, false}, {0, 0, true, 0, true}},   // maximised shows unticked
        {{0, 0, true, 7, true}, {0, 1, 0, 1, 0, 1, -1, true}, {0, 0, true, 0, true}},    // schedule outside: no entry
        {{3, 1, true, -3, true}, {0, 2, 0, 1, 0, 1, -1, true}, {0, 1, true, 0, true}}};
    for (const auto& [in, shows, applied] : cases) {
        fake::FakeWindow& w = open(in);
        EXPECT_EQ(shown(w), shows) << std::get<3>(in);
        w.click(idApply);
        EXPECT_EQ(values(), applied) << std::get<3>(in);
        EXPECT_EQ(std::exchange(saves, 0), 1);  // one save for each apply
        EXPECT_TRUE(w.closed);
    }
}

TEST_F(OptionsDialogTest, TheScheduleBoxGovernsTheListWhichKeepsItsEntry) {
    for (bool pickEntry : {false, true}) {
        fake::FakeWindow& w = open({0, 0, true, 0, true});
        auto tick = [&](int value) {
            w.check(idScheduleOn).setValue(value);
            w.click(idScheduleOn);
            EXPECT_EQ(w.control(idScheduleList).enabled, value != 0);
        };
        tick(1);
        if (pickEntry) w.combo(idScheduleList).select(3), tick(0), tick(1);
        w.click(idApply);
        EXPECT_EQ(settings.scheduleIndex, pickEntry ? 4 : 1);  // untouched, the list shows every 5 minutes
    }
}

TEST_F(OptionsDialogTest, CancelAndTheCloseBoxChangeNothing) {
    for (bool closeBox : {false, true}) {
        fake::FakeWindow& w = open({1, 1, false, 3, false});
        for (int id : {idStartMinimised, idHideLogo, idScheduleOn, idAsk, idFullCheck}) w.check(id).setValue(0);
        for (int id : {idIgnore, idStandardCheck}) w.check(id).setValue(1);
        w.combo(idScheduleList).select(0);
        closeBox ? w.events().onClose() : w.click(idCancel);
        EXPECT_TRUE(w.closed);
        EXPECT_EQ(values(), Values(1, 1, false, 3, false));
        EXPECT_EQ(saves, 0);
    }
}

TEST_F(OptionsDialogTest, OpensCentredOverThePanelOrTheScreen) {
    EXPECT_EQ(std::tuple(twips(6015), twips(1310), twips(-240)), std::tuple(401, 87, -16));
    EXPECT_EQ(centredOver({100, 50, 464, 297}, {0, 0, 407, 215}), Point(128, 91));
    EXPECT_EQ(centredOver({-10, 0, 300, 100}, {0, 0, 407, 201}), Point(-64, -51));  // may stick out
    const Rect f = open({0, 0, true, 0, true}).frame();  // no panel to centre on: the screen
    EXPECT_EQ(Point(f.x, f.y), centredOver({0, 0, ui.screen_.w, ui.screen_.h}, f));
}

TEST_F(OptionsDialogTest, TheStartupButtonWritesTheShortcutAndSaysSoOncePerPress) {
    const std::wstring old = L"C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ";
    files.dirs = {old};
    fake::FakeWindow& w = open({0, 0, true, 0, true});
    w.click(idRegister);
    shortcuts.works = false;
    w.click(idRegister);
    EXPECT_EQ(shortcuts.written, (decltype(shortcuts.written){{old + L"\\Larkspan.lnk", L"C:\\Tools\\larkspan.exe"}}));
    EXPECT_EQ(messages.shown, (Messages{{L"スタートアップに登録しました", 64}, {L"スタートアップに登録できませんでした", 16}}));
    EXPECT_FALSE(w.closed);
}

TEST(StartupShortcut, UsesTheWindowsFoldersStartupWhereItExistsElseTheUsersOwn) {
    const std::wstring user = L"C:\\Users\\u\\Startup", old = L"C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ\\Larkspan.lnk";
    const wchar_t* blanks = L"C:\\Program Files\\Lark Span\\larkspan.exe";
    // The Windows folder, its old Startup folder there, the user's Startup folder, the program; link and target (none: no link).
    using Folder = std::optional<std::wstring>;
    const std::tuple<Folder, bool, Folder, std::wstring, std::wstring, std::wstring> cases[] = {
        {L"C:\\WINDOWS", true, user, L"C:\\Tools\\prog.exe", old, L"C:\\Tools\\prog.exe"},
        {L"C:\\WINDOWS\\", true, user, L"D:\\prog.exe", old, L"D:\\prog.exe"},
        {L"C:\\WINDOWS", false, user, blanks, user + L"\\Larkspan.lnk", blanks},
        {std::nullopt, false, user + L"\\", L"C:\\Tools\\prog.exe", user + L"\\Larkspan.lnk", L"C:\\Tools\\prog.exe"},
        {L"C:\\WINDOWS", false, std::nullopt, L"C:\\Tools\\prog.exe", L"", L""}};
    for (const auto& [windows, oldExists, userStartup, exe, link, target] : cases) {
        fake::FakeFileSystem files;
        std::tie(files.windows, files.userStartup, files.exe) = std::tie(windows, userStartup, exe);
        if (oldExists) files.dirs = {windowsStartupFolder(L"C:\\WINDOWS")};
        const auto shortcut = startupShortcut(files).value_or(StartupShortcut{});
        EXPECT_EQ(std::tie(shortcut.link, shortcut.target), std::tie(link, target));
    }
}

}  // namespace
}  // namespace lark
