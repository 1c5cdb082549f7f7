// The reclamation actions over fake services: what they claim, what they show and report, and
// that they stay safe when memory is short, when a block fails, when the user stops them and when
// another action tries to start inside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "reclaim/reclaim.h"
#include "reclaim/working_sets.h"
#include "tests/fakes/fake_blocks.h"
#include "tests/fakes/test_program.h"
#include "tray/tray_host.h"

namespace lark {
namespace {

using fake::Draw;
using fake::GiB;
using fake::MiB;

constexpr Rgb DoneFill{0, 128, 0};

class ReclaimActions : public ::testing::Test {
protected:
    void start(std::uint64_t total, std::uint64_t available) {
        machine(total, available);
        app.loadMainPanel();
    }

    // Figures that follow the blocks: a claim takes memory away, and a release gives it back with
    // `bonus` bytes that other programs had to let go of.
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
        app.memory.room = {available, available};  // no page file beyond physical memory
    }
    void secure(int amountSteps) {
        app.slider(AmountSlider).userMoves(amountSteps);
        app.mainWindow().click(SecureButton);
    }
    void cleanup() { app.mainWindow().click(CleanupCommand); }
    const std::wstring& status() { return app.text(StatusLine); }
    int doneCells() {
        const auto drawn = app.canvas(CleanupCells).sinceClear();
        return static_cast<int>(std::count_if(drawn.begin(), drawn.end(),
                                              [](const Draw& d) { return d.op == Draw::Fill && d.colour == DoneFill; }));
    }
    void expectIdleAfterCleanup() {
        EXPECT_EQ(app.mainWindow().control(CleanupView).top, 280);
        EXPECT_FALSE(app.mainWindow().control(CleanupView).shown);
        EXPECT_TRUE(app.mainWindow().control(NormalView).enabled);
        EXPECT_EQ(blocks.heldBlocks(), 0u);
        EXPECT_EQ(blocks.badReleases, 0);
    }

    fake::FakeBlocks blocks;
    fake::TestProgram app{&blocks};
    std::int64_t bonus = 0;
};

TEST_F(ReclaimActions, SecuringClaimsTheAmountShowsItsProgressAndReportsTheGainWithTheTime) {
    start(4 * GiB, 2 * GiB);
    bonus = 1572864;
    blocks.onChange = [&, track = blocks.onChange](std::int64_t delta) {
        if (delta > 0) {  // while the block is held
            EXPECT_TRUE(app.mainWindow().control(SecuringBanner).shown);
            EXPECT_EQ(status(), L"空き領域確保中");
            EXPECT_EQ(app.trayHost().icon(), Picture::Emblem);
            EXPECT_EQ(app.tray.shown->tip, L"Larkspan - 空き領域確保中");
            app.tick();  // the ticks leave the tray to the action meanwhile
            EXPECT_EQ(app.tray.shown->tip, L"Larkspan - 空き領域確保中");
        }
        track(delta);
    };
    secure(1);  // 4096 MB / 78 = 52 MB
    EXPECT_EQ(blocks.claims, std::vector<std::size_t>{52 * MiB + 1});
    EXPECT_EQ(blocks.heldBlocks(), 0u);
    EXPECT_EQ(status(), L" 1.5MB メモリ確保に成功しました[04:05:09]");
    EXPECT_TRUE(app.logFiles.files[app.history.path()].ends_with(
        "\r\n2026-12-08T04:05:09+09:00,手動,空き領域確保,2048.0,2049.5,1.5,52.0,,0.00, 1.5MB メモリ確保に成功しました\r\n"));
    EXPECT_FALSE(app.mainWindow().control(SecuringBanner).shown);
    EXPECT_EQ(app.text(SizeRowNumber + 1), L"2049");  // the panel shows the fresh figure
}

TEST_F(ReclaimActions, SecuringNeverClaimsBeyondTheBoundAndReportsNothingWhenNothingIsSafe) {
    start(4 * GiB, 2 * GiB);
    secure(68);  // 3570 MB asked with 2 GiB free
    EXPECT_EQ(blocks.claims, std::vector<std::size_t>{2 * GiB - reclaim::reserveBytes(4 * GiB)});
    follow(512 * MiB);
    secure(68);
    EXPECT_EQ(blocks.claims.size(), 1u);  // nothing safe: no claim at all
    EXPECT_EQ(status(), L"メモリを確保できませんでした[04:05:09]");
    blocks.failAt = 1;
    follow(2 * GiB);
    secure(1);  // a block that cannot be obtained ends the run normally
    EXPECT_EQ(status(), L"メモリを確保できませんでした[04:05:09]");
    EXPECT_TRUE(app.tick());
}

TEST_F(ReclaimActions, CleanupClaimsSixteenBlocksAPassShowsItsViewAndReports) {
    start(256 * MiB, 8 * GiB);  // plenty free: every block is a sixteenth of physical memory
    app.messages.whileShown = [&] { EXPECT_TRUE(app.tick()); };  // the ticks run again while the report is up
    app.ui.onPump = [&] {
        if (app.ui.pumps == 20) EXPECT_EQ(app.text(CleanupCells), L"19 / 48");  // the grid's text for screen readers
        if (app.ui.pumps != 1) return;
        EXPECT_EQ(app.mainWindow().control(CleanupView).top, 0);
        EXPECT_FALSE(app.mainWindow().control(NormalView).enabled);
        EXPECT_EQ(app.trayHost().icon(), Picture::Cleanup);
        EXPECT_EQ(app.text(CleanupCells), L"0 / 48");
    };
    EXPECT_FALSE(app.mainWindow().control(CleanupView).shown);  // nothing of it for a screen reader to find
    cleanup();
    EXPECT_EQ(app.text(CleanupCells), L"48 / 48");
    EXPECT_EQ(blocks.claims, std::vector<std::size_t>(48, 16777217));
    EXPECT_EQ(doneCells(), 48);
    EXPECT_EQ(app.messages.shown.back().text, text(Text::NothingCleaned));
    EXPECT_EQ(status(), L"システムメモリ監視中");  // nothing gained: back to the idle caption
    expectIdleAfterCleanup();
    bonus = 262144;  // 48 releases: 12 MB
    cleanup();
    EXPECT_EQ(app.messages.shown.back().text, L" 12MBのシステムメモリ確保に成功しました。");
    EXPECT_EQ(status(), L"クリーンアップにより 12MBのシステムメモリ確保に成功しました。");
}

TEST_F(ReclaimActions, CleanupPassesShrinkToTheBoundAndEndWhereMemoryRunsShort) {
    start(16 * GiB, 10 * GiB);  // reserve 2 GiB: 8 GiB may be taken in a pass
    cleanup();
    ASSERT_EQ(blocks.claims.size(), 48u);
    EXPECT_EQ(blocks.claims[0], 8 * GiB / 16);
    EXPECT_LE(blocks.peakBytes, 8 * GiB);
    blocks.claims.clear();
    follow(2 * GiB + 100 * MiB);  // less than a block's worth above the reserve
    cleanup();
    EXPECT_LE(blocks.peakBytes, 8 * GiB);
    for (std::size_t bytes : blocks.claims) EXPECT_LE(bytes, 100 * MiB);
    expectIdleAfterCleanup();
}

TEST_F(ReclaimActions, StopAndFailingBlocksEndTheRunWithEverythingGivenBack) {
    start(256 * MiB, 8 * GiB);
    app.ui.onPump = [&] {
        if (app.ui.pumps == 4) app.mainWindow().click(StopCleanupButton);
    };
    cleanup();
    EXPECT_EQ(blocks.claims.size(), 4u);
    EXPECT_EQ(doneCells(), 4);
    EXPECT_TRUE(app.logFiles.files[app.history.path()].ends_with(",手動,メモリ クリーンアップ(標準),8192.0,8192.0,0.0,64.0,,0.00,中止\r\n"));
    expectIdleAfterCleanup();

    app.ui.onPump = nullptr;
    blocks.claims.clear();
    blocks.failAt = 20;  // fails in the second pass
    cleanup();
    EXPECT_EQ(blocks.claims.size(), 21u);
    EXPECT_EQ(app.messages.shown.size(), 2u);
    expectIdleAfterCleanup();
}

TEST_F(ReclaimActions, AnActionStartedInsideARunIsRefused) {
    start(256 * MiB, 8 * GiB);
    app.ui.onPump = [&] {
        app.mainWindow().click(SecureButton);
        app.mainWindow().click(CleanupCommand);
    };
    app.messages.whileShown = [&] { app.mainWindow().click(SecureButton); };
    cleanup();
    EXPECT_EQ(blocks.claims.size(), 48u);
    EXPECT_EQ(app.messages.shown.size(), 1u);
    expectIdleAfterCleanup();
}

// Every program but this one is opened, trimmed and closed; those that cannot be opened or refuse
// are skipped and counted, and no handle stays open.
TEST_F(ReclaimActions, TrimmingWalksEveryOtherProgramAndReportsWhatGrew) {
    using Answer = fake::FakeProcessList::Answer;
    start(4 * GiB, 2 * GiB);
    auto& processes = app.processList;
    processes.answers = {{1, Answer::Trims}, {4, Answer::Trims}, {8, Answer::Refuses}, {12, Answer::CannotOpen}, {16, Answer::Trims}};
    const auto count = reclaim::trimWorkingSets(processes);
    EXPECT_EQ(std::pair(count.trimmed, count.skipped), std::pair(2, 2));
    processes.trimmed.clear();
    processes.onTrim = [&] {
        EXPECT_EQ(status(), L"ワーキング セットを縮小中");
        EXPECT_EQ(app.tray.shown->tip, L"Larkspan - ワーキング セットを縮小中");
        app.tick();  // the ticks leave the figures to the action meanwhile
        EXPECT_EQ(app.tray.shown->tip, L"Larkspan - ワーキング セットを縮小中");
        app.mainWindow().click(SecureButton);  // refused while it runs
        app.memory.status.availPhys += 425984 * 1024;  // 416 MB a program
    };
    app.mainWindow().click(TrimCommand);
    EXPECT_EQ(processes.trimmed, (std::vector<ProcessList::ProcessId>{4, 16}));
    EXPECT_TRUE(processes.open_.empty());
    EXPECT_EQ(status(), L"ワーキング セットの縮小:  832MB増えました (2 個のプログラム)");
    EXPECT_TRUE(blocks.claims.empty());

    processes.onTrim = nullptr;
    app.trayHost().click(TrayHost::TrimItem);
    EXPECT_EQ(status(), L"ワーキング セットの縮小: 空きは増えませんでした (2 個のプログラム)");
    EXPECT_EQ(reclaim::trimResult(900, 0), L"ワーキング セットの縮小:  900Byte増えました (0 個のプログラム)");
    EXPECT_EQ(app.messages.shown.size(), 0u);
}

// A command handed over from the command line while a dialog is open runs inside the dialog's loop.
// A dialog closed meanwhile is gone at once: its key opens a new one before the run ends.
TEST_F(ReclaimActions, ADialogClosedWhileAForwardedCleanupRunsInItsLoopIsGoneAtOnce) {
    start(256 * MiB, 8 * GiB);
    for (int command : {OptionsCommand, AboutCommand}) {
        int dialogs = 0;
        app.ui.onModal = [&](fake::FakeWindow& dialog) {
            if (++dialogs > 1) return dialog.events().onClose();
            app.trayHost().events().onDataReceived(forwarding::Tag, forwarding::encode(Command::CleanupStandard));
            app.ui.onPump = [&, once = true]() mutable {
                if (!std::exchange(once, false)) return;
                dialog.events().onClose();
                app.mainWindow().click(command);
            };
            app.trayHost().fire(TrayHost::ForwardedTimer);
        };
        app.mainWindow().click(command);
        EXPECT_EQ(dialogs, 2) << command;
    }
}

}  // namespace
}  // namespace lark
