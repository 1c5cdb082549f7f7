// The main panel's window, controls, menus and what it redraws; the sampling into the size rows.
#include <gtest/gtest.h>

#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using namespace fake;
using F = Form1;

class MainPanel : public ProgramTest {
protected:
    void SetUp() override { memory.status = machine(255 * MiB, 128 * MiB); }
};

// Each shortcut shown beside a menu item is a key that runs that item.
TEST_F(MainPanel, EveryShortcutShownIsAKeyThatRunsItsItem) {
    loadMainPanel();
    const auto keyOf = [](const std::wstring& s) {
        if (s == L"Ctrl+A") return std::pair{int{'A'}, true};
        return std::pair{0x70 + std::stoi(s.substr(1)) - 1, false};  // F1 = 0x70
    };
    int shown = 0;
    for (const MenuItem& menu : mainWindow().desc.menu)
        for (const MenuItem& item : menu.items) {
            if (item.shortcut.empty()) continue;
            ++shown;
            const auto [key, ctrl] = keyOf(item.shortcut);
            const auto& acc = mainWindow().desc.accelerators;
            EXPECT_TRUE(std::any_of(acc.begin(), acc.end(), [&](const Accelerator& a) {
                return a.key == key && a.ctrl == ctrl && a.command == item.id;
            })) << item.id;
        }
    EXPECT_EQ(shown, 6);
}

TEST_F(MainPanel, ShowsAndTicksWithSixtyFourBitFiguresOnLargeMachines) {
    memory.status = machine(24 * GiB, 6 * GiB);
    memory.status.totalVirtual = 128ull * 1024 * GiB;
    Form1& f = loadMainPanel();
    EXPECT_EQ(text(F::idRAM0), L"24576");
    EXPECT_EQ(text(F::idRAM0 + 1), L"6144");
    EXPECT_EQ(text(F::idRAM0 + 2), L"134217728");
    EXPECT_TRUE(canvas(F::idPicture2).has(Draw::txtRight(44, 17, L"24576MB", {255, 255, 0})));
    tick();
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 25%の空きメモリ");
    EXPECT_EQ(f.warnBytes, std::int64_t{1575} * 1048576);  // 24576 / 78 * 5 = 1575.3
    memory.status = machine(128 * GiB, 127 * GiB);
    tick();
    EXPECT_EQ(text(F::idRAM0), L"131072");
    EXPECT_EQ(tray.shown->tip, L"Larkspan - 99%の空きメモリ");
}

TEST_F(MainPanel, RedrawsTheDetailsOncePerChangedNumberOnly) {
    loadMainPanel();
    FakeCanvas& details = canvas(F::idPicture3);
    details.forget();
    form1().ReadMemoryStatus();  // nothing changed
    EXPECT_EQ(details.count(Draw::Clear), 0);

    memory.status.availPhys = 100 * MiB;
    memory.status.availPageFile = 300 * MiB;
    form1().ReadMemoryStatus();
    EXPECT_EQ(details.count(Draw::Clear), 2);
    EXPECT_TRUE(details.has(Draw::txtRight(158, 40, L"  100", {0, 0, 255})));
}

TEST_F(MainPanel, AUnitChangeAloneWaitsForTheNextRedraw) {
    memory.status.availPhys = 1025;  // 1 KB
    loadMainPanel();
    EXPECT_EQ(text(F::idRAM0 + 1), L"1");
    FakeCanvas& details = canvas(F::idPicture3);
    details.forget();
    memory.status.availPhys = 1 * MiB + 1;  // 1 MB: same number, other unit
    form1().ReadMemoryStatus();
    EXPECT_EQ(text(F::idRAMs0 + 1), L"MB");
    EXPECT_EQ(details.count(Draw::Clear), 0);
}

TEST_F(MainPanel, AByteSizedReadingKeepsThePreviousNumber) {
    loadMainPanel();
    memory.status.availPhys = 1000;
    form1().ReadMemoryStatus();
    EXPECT_EQ(text(F::idRAMs0 + 1), L"Byte");
    EXPECT_EQ(text(F::idRAM0 + 1), L"128");
}

TEST_F(MainPanel, RedrawsWhatTheCanvasesLostWhenTheScaleChanges) {
    loadMainPanel();
    for (int id : {F::idPicture1, F::idPicture2, F::idPicture3}) canvas(id).forget();
    mainWindow().fakeCanvas().forget();
    mainWindow().events().onDpiChanged();
    EXPECT_TRUE(canvas(F::idPicture2).has(Draw::txt(100, 1, L"メモリ空き容量", {0, 255, 255})));
    EXPECT_EQ(canvas(F::idPicture2).count(Draw::Keep), 1);
    EXPECT_EQ(canvas(F::idPicture1).count(Draw::Text), 3);
    EXPECT_EQ(canvas(F::idPicture3).texts().size(), 16u);
    EXPECT_EQ(mainWindow().fakeCanvas().count(Draw::Frame), 1);
}

}  // namespace
}  // namespace lark
