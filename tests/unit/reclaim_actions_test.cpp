// The two reclamation actions on the main panel, over fake services: what they claim, what they
// show while they run, what they report, and that they stay safe when memory is short, when a
// block fails, when the user stops them and when another action tries to start inside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reclaim/reclaim.h"
#include "tests/fakes/fake_blocks.h"
#include "tests/fakes/test_program.h"

namespace lark {
namespace {

using fake::Draw;
using fake::GiB;
using fake::MiB;

constexpr Rgb DoneFill{0, 128, 0}, WaitFill{0, 0, 128};
const std::wstring Standing = L"メモリ内をクリーンアップしています。";

class ReclaimActions : public ::testing::Test {
protected:
    void SetUp() override {
        machine(4 * GiB, 2 * GiB);
        form = &app.loadMainPanel();
        app.memory.freshSamples = 0;
    }

    // A machine whose figures follow the blocks: a claim takes memory away, and every release
    // gives it back together with `bonus` bytes that other programs had to let go of.
    void machine(std::uint64_t total, std::uint64_t available) {
        app.memory.status = fake::machine(total, available);
        follow(available);
        blocks.onChange = [this](std::int64_t delta) {
            const auto now = static_cast<std::int64_t>(app.memory.status.availPhys) - delta;
            follow(static_cast<std::uint64_t>(delta < 0 ? now + bonus : now));
        };
    }
    void follow(std::uint64_t available) {
        app.memory.status.availPhys = available;
        app.memory.room = {available, available + GiB, available + GiB};
    }
    // Figures that never change, whatever is claimed (a platform answering from a cache).
    void frozen(std::uint64_t total, Headroom room) {
        app.memory.status = fake::machine(total, room.availPhys);
        app.memory.room = room;
        blocks.onChange = nullptr;
    }

    void setAmount(const wchar_t* amount, const wchar_t* unit) {
        form->Kakuho->setText(amount);
        form->Label5->setText(unit);
    }
    const std::wstring& status() { return app.text(Form1::idLabel7); }
    fake::FakeCanvas& grid() { return app.canvas(Form1::idCL); }
    int cells(Rgb fill) {
        const auto& drawn = grid().sinceClear();
        return static_cast<int>(std::count_if(drawn.begin(), drawn.end(), [&](const Draw& d) {
            return d.op == Draw::Fill && d.colour == fill;
        }));
    }
    bool cellDone(int column, int row, int pitch) {
        return grid().has(Draw::fill(20 * column + 1, pitch * row + 1, 20 * column + 18, pitch * row + pitch - 2, DoneFill));
    }
    void expectIdleAfterCleanup(int keikoku) {
        EXPECT_EQ(form->busy, 0);
        EXPECT_EQ(form->keikoku, keikoku);
        EXPECT_EQ(app.control(Form1::idCPanel).top, 280);
        EXPECT_FALSE(app.control(Form1::idCPanel).shown);
        EXPECT_TRUE(app.control(Form1::idMainPanel).enabled);
        EXPECT_EQ(blocks.heldBlocks(), 0u);
        EXPECT_EQ(blocks.badReleases, 0);
    }

    fake::FakeBlocks blocks;
    fake::TestProgram app{&blocks};
    Form1* form = nullptr;
    std::int64_t bonus = 0;
};

// --- Free-space securing ---------------------------------------------------------------------

TEST_F(ReclaimActions, SecuringClaimsTheAmountAndReportsTheGainWithTheTime) {
    setAmount(L"100", L"KB");
    bonus = 1572864;
    int claimsSeen = 0;
    blocks.onChange = [&, track = blocks.onChange](std::int64_t delta) {
        if (delta > 0) {  // while the block is held
            ++claimsSeen;
            EXPECT_EQ(form->busy, -1);
            EXPECT_TRUE(app.control(Form1::idImage1).shown);
            EXPECT_EQ(status(), L"空き領域確保中");
            EXPECT_EQ(app.trayHost().icon(), Picture::Emblem);
            EXPECT_EQ(app.tray.shown->tip, L"Larkspan - 空き領域確保中");
        }
        track(delta);
    };
    app.mainWindow().click(Form1::idCommand1);

    EXPECT_EQ(blocks.claims, std::vector<std::size_t>{102401});
    EXPECT_EQ(blocks.heldBlocks(), 0u);
    EXPECT_EQ(claimsSeen, 1);
    EXPECT_GE(app.control(Form1::idLabel7).repaints, 1);
    EXPECT_GE(app.control(Form1::idImage1).repaints, 1);

    EXPECT_EQ(status(), L" 1.5MB メモリ確保に成功しました[14:05:09]");
    EXPECT_FALSE(app.control(Form1::idImage1).shown);
    EXPECT_EQ(form->busy, 0);
    EXPECT_EQ(app.memory.freshSamples, 2);  // the gain compares samples measured now
    EXPECT_EQ(app.program.MemStatus.availPhys, 2 * GiB + 1572864);
}

TEST_F(ReclaimActions, SecuringFromEveryEntryPoint) {
    setAmount(L"0", L"MB");
    app.mainWindow().click(Form1::idm01);
    form->MRef();
    form->Command1_Click();
    EXPECT_EQ(blocks.claims, (std::vector<std::size_t>{1, 1, 1}));  // a zero amount is one byte
    EXPECT_EQ(status(), L"メモリを確保できませんでした[14:05:09]");
}

TEST_F(ReclaimActions, SecuringNeverClaimsBeyondTheBound) {
    setAmount(L"20000", L"MB");  // 19.5 GiB asked on a 4 GiB machine with 2 GiB free
    form->Command1_Click();
    ASSERT_EQ(blocks.claims.size(), 1u);
    EXPECT_EQ(blocks.claims[0], 2 * GiB - reclaim::reserveBytes(4 * GiB));

    machine(4 * GiB, 300 * MiB);  // less than the reserve is free: nothing is touched
    app.clock.now = {9, 0, 1};
    form->Command1_Click();
    EXPECT_EQ(blocks.claims.size(), 1u);
    EXPECT_EQ(status(), L"メモリを確保できませんでした[09:00:01]");
    EXPECT_EQ(form->busy, 0);
}

TEST_F(ReclaimActions, SecuringWithoutABlockStillFinishesAndReports) {
    setAmount(L"100", L"MB");
    blocks.failAt = 0;
    form->Command1_Click();
    EXPECT_EQ(blocks.claims.size(), 1u);
    EXPECT_EQ(status(), L"メモリを確保できませんでした[14:05:09]");
    EXPECT_FALSE(app.control(Form1::idImage1).shown);
    EXPECT_EQ(form->busy, 0);

    setAmount(L"100", L"GB");  // no known unit: nothing is asked for
    form->Command1_Click();
    EXPECT_EQ(blocks.claims.size(), 1u);
    EXPECT_EQ(status(), L"メモリを確保できませんでした[14:05:09]");

    blocks.failAt = -1;  // and the panel goes on working
    setAmount(L"1", L"MB");
    form->Command1_Click();
    EXPECT_EQ(blocks.claims.back(), MiB + 1);
}

// --- Memory cleanup --------------------------------------------------------------------------

// 256 MiB of physical memory: blocks of 16 MiB + 1, one per cell of 16 columns; standard mode runs
// 3 passes in 60-pixel rows, full mode 9 in 20-pixel rows.
TEST_F(ReclaimActions, CleanupBlocksAndCellsInBothModes) {
    for (bool standard : {true, false}) {
        const int rows = standard ? 3 : 9, pitch = standard ? 60 : 20;
        app.program.StandardCleanup = standard;
        frozen(256 * MiB, {64 * GiB, 64 * GiB, 64 * GiB});
        blocks.claims.clear();
        blocks.peakBytes = 0;
        form->Mcl();
        EXPECT_EQ(blocks.claims, std::vector<std::size_t>(16 * rows, 16777217)) << standard;
        EXPECT_EQ(blocks.peakBytes, 16u * 16777217);  // a whole pass is held at once
        EXPECT_EQ(grid().commands.front(), Draw::clear());
        EXPECT_EQ(cells(WaitFill), 16 * rows);
        EXPECT_EQ(cells(DoneFill), 16 * rows);
        EXPECT_TRUE(cellDone(0, 0, pitch));
        EXPECT_TRUE(cellDone(15, rows - 1, pitch));
        EXPECT_TRUE(grid().has(Draw::frame(302, 180 - pitch + 2, 317, 177, {0, 172, 0})));
        EXPECT_TRUE(grid().has(Draw::frame(301, 180 - pitch + 1, 318, 178, {0, 255, 0})));
        EXPECT_EQ(app.text(Form1::idLabel10), standard ? L"システムメモリを標準クリーンアップ中です......"
                                                       : L"システムメモリを完全クリーンアップ中です......");
        EXPECT_EQ(app.text(Form1::idLabel11), app.text(Form1::idLabel10));
        expectIdleAfterCleanup(0);
        app.messages.shown.clear();
    }
}

TEST_F(ReclaimActions, CleanupViewDuringTheRunAndTheReport) {
    machine(4 * GiB, 3 * GiB + 100 * MiB);  // 2648 MiB safe: passes of 16 blocks of 165.5 MiB
    bonus = 62500;                           // 48 blocks given back: 3 000 000 bytes
    form->keikoku = 1;
    struct Seen {
        int busy, keikoku;
        int panelTop;
        bool panelShown, mainEnabled;
        Picture trayIcon;
        std::wstring tip, status;
    };
    std::vector<Seen> seen;
    auto look = [&] {
        seen.push_back({form->busy, form->keikoku, app.control(Form1::idCPanel).top, app.control(Form1::idCPanel).shown,
                        app.control(Form1::idMainPanel).enabled, app.trayHost().icon(),
                        app.tray.shown ? app.tray.shown->tip : L"", status()});
    };
    app.ui.onPump = look;
    app.messages.whileShown = look;
    form->m02_Click();

    ASSERT_GE(seen.size(), 2u);
    const Seen& running = seen.front();
    EXPECT_EQ(running.busy, -1);
    EXPECT_EQ(running.keikoku, 2);
    EXPECT_EQ(running.panelTop, 0);
    EXPECT_TRUE(running.panelShown);
    EXPECT_FALSE(running.mainEnabled);
    EXPECT_EQ(running.trayIcon, Picture::Cleanup);
    EXPECT_EQ(running.tip, L"Larkspan - メモリ クリーンアップ中");
    EXPECT_EQ(running.status, Standing);
    const Seen& reporting = seen.back();  // the box is up over the green grid
    EXPECT_EQ(reporting.busy, 0);
    EXPECT_EQ(reporting.keikoku, 2);
    EXPECT_EQ(reporting.panelTop, 0);
    EXPECT_TRUE(reporting.panelShown);

    ASSERT_EQ(app.messages.shown.size(), 1u);
    const std::wstring result = L" 2.8MBのシステムメモリ確保に成功しました。";
    EXPECT_EQ(app.messages.shown[0].text, result);
    EXPECT_EQ(app.messages.shown[0].flags, mb::OkOnly);
    EXPECT_EQ(app.messages.shown[0].title, L"Larkspan");
    EXPECT_EQ(status(), L"クリーンアップにより" + result);
    expectIdleAfterCleanup(1);
}

TEST_F(ReclaimActions, CleanupWithoutGainKeepsTheStatusLine) {
    frozen(4 * GiB, {3 * GiB, 3 * GiB, 3 * GiB});
    form->m02_Click();
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown[0].text, L"メモリ内容は既に最適化されています");
    EXPECT_EQ(status(), Standing);
    expectIdleAfterCleanup(0);
}

// 8 GiB machine, 4 GiB free, 1 GiB reserve: a pass may take 3 GiB of its 8 GiB, whether the
// figures follow the blocks or never show them held.
TEST_F(ReclaimActions, CleanupPassesShrinkTheirBlocksToTheBound) {
    for (bool lagging : {false, true}) {
        if (lagging)
            frozen(8 * GiB, {4 * GiB, 5 * GiB, 5 * GiB});
        else
            machine(8 * GiB, 4 * GiB);
        blocks.claims.clear();
        blocks.peakBytes = 0;
        form->m02_Click();
        EXPECT_EQ(blocks.claims, std::vector<std::size_t>(48, 3 * GiB / 16)) << lagging;
        EXPECT_EQ(blocks.peakBytes, 3 * GiB);
        EXPECT_EQ(cells(DoneFill), 48);  // every cell stands for a block claimed
        expectIdleAfterCleanup(0);
    }
}

TEST_F(ReclaimActions, CleanupPassEndsWhereMemoryRunsShortDuringIt) {
    machine(8 * GiB, 4 * GiB);
    blocks.onChange = [&, track = blocks.onChange](std::int64_t delta) {
        track(delta);
        if (delta > 0 && blocks.claims.size() == 4) follow(app.memory.status.availPhys - 5 * GiB / 2);  // another program grows
    };
    form->m02_Click();
    EXPECT_EQ(blocks.claims.size(), 4u + 16 + 16);  // the first pass stopped at the bound, the others ran whole
    EXPECT_LE(blocks.peakBytes, 3 * GiB);
    EXPECT_EQ(cells(DoneFill), 36);
    expectIdleAfterCleanup(0);
}

TEST_F(ReclaimActions, CleanupClaimsNothingWhenNothingIsSafe) {
    frozen(8 * GiB, {900 * MiB, 8 * GiB, 8 * GiB});
    form->m02_Click();
    EXPECT_TRUE(blocks.claims.empty());
    EXPECT_EQ(app.messages.shown.size(), 1u);
    expectIdleAfterCleanup(0);
}

TEST_F(ReclaimActions, StopDuringColumnThreeOfTheFirstPass) {
    frozen(256 * MiB, {64 * GiB, 64 * GiB, 64 * GiB});
    app.ui.pumps = 0;
    app.ui.onPump = [&] {
        if (app.ui.pumps == 4) app.mainWindow().click(Form1::idCommand3);
    };
    form->m02_Click();
    EXPECT_EQ(blocks.claims.size(), 4u);
    EXPECT_EQ(cells(DoneFill), 4);
    for (int column = 0; column < 4; ++column) EXPECT_TRUE(cellDone(column, 0, 60)) << column;
    EXPECT_EQ(form->CleanupStop, 1);
    EXPECT_EQ(app.messages.shown.size(), 1u);
    expectIdleAfterCleanup(0);

    app.ui.onPump = nullptr;  // the next run starts afresh
    form->m02_Click();
    EXPECT_EQ(form->CleanupStop, 0);
    EXPECT_EQ(blocks.claims.size(), 4u + 48u);
}

TEST_F(ReclaimActions, StopDuringTheLastColumnActsAfterTheNextBlock) {
    frozen(256 * MiB, {64 * GiB, 64 * GiB, 64 * GiB});
    app.ui.pumps = 0;
    app.ui.onPump = [&] {
        if (app.ui.pumps == 16) form->Command3_Click();
    };
    form->m02_Click();
    EXPECT_EQ(blocks.claims.size(), 17u);
    EXPECT_EQ(cells(DoneFill), 17);

    app.ui.onPump = [&] {  // in the last pass the request is not acted on
        if (app.ui.pumps == 16 * 3) form->Command3_Click();
    };
    app.ui.pumps = 0;
    form->m02_Click();
    EXPECT_EQ(blocks.claims.size(), 17u + 48u);
}

TEST_F(ReclaimActions, BlockFailingHalfWayEndsTheRunNormally) {
    machine(4 * GiB, 3 * GiB);
    bonus = 2 * MiB;
    form->keikoku = 1;
    blocks.failAt = 4;  // the fifth block of the first pass
    form->m02_Click();
    EXPECT_EQ(blocks.claims.size(), 5u);
    EXPECT_EQ(blocks.releases, 4);
    EXPECT_EQ(cells(DoneFill), 4);
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown[0].text, L" 8MBのシステムメモリ確保に成功しました。");  // measured: 4 releases
    EXPECT_EQ(status(), L"クリーンアップにより 8MBのシステムメモリ確保に成功しました。");
    expectIdleAfterCleanup(1);
}

TEST_F(ReclaimActions, SecondActionInsideARunIsRefused) {
    frozen(256 * MiB, {64 * GiB, 64 * GiB, 64 * GiB});
    setAmount(L"1", L"MB");
    int attempts = 0;
    auto interrupt = [&] {
        ++attempts;
        form->MRef();  // the schedule or the tray menu
        form->Mcl();
        app.mainWindow().click(Form1::idm01);
        app.mainWindow().click(Form1::idm02);
    };
    app.ui.onPump = interrupt;
    app.messages.whileShown = interrupt;
    form->m02_Click();
    EXPECT_EQ(attempts, 49);
    EXPECT_EQ(blocks.claims, std::vector<std::size_t>(48, 16777217));
    EXPECT_EQ(app.messages.shown.size(), 1u);
    expectIdleAfterCleanup(0);

    // Securing does not yield, but a start from inside its claim is refused all the same.
    blocks.onChange = [&](std::int64_t delta) {
        if (delta > 0) interrupt();
    };
    form->Command1_Click();
    EXPECT_EQ(blocks.claims.size(), 49u);
    EXPECT_EQ(blocks.claims.back(), MiB + 1);

    app.ui.onPump = nullptr;  // once finished, both start again
    app.messages.whileShown = nullptr;
    blocks.onChange = nullptr;
    form->Mcl();
    form->MRef();
    EXPECT_EQ(blocks.claims.size(), 49u + 48u + 1u);
}

}  // namespace
}  // namespace lark
