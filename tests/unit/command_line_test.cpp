// The command line: its switches, the data a command travels in to the running copy, and a start
// with a command, run here or handed over, with the exit code each ends with.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "shell/command_run.h"
#include "tests/fakes/fake_blocks.h"
#include "tests/fakes/test_program.h"
#include "tray/tray_host.h"

namespace lark {
namespace {

using fake::MiB;

// Any case, "-" for "/", no argument and several arguments: the command-line fuzz target.
TEST(CommandLine, SwitchesAndTheirArguments) {
    const std::pair<const wchar_t*, Command> cases[] = {
        {L"/secure", Command::Secure}, {L"/cleanup", Command::Cleanup}, {L"-CLEANUP:Standard", Command::CleanupStandard},
        {L"/Trim", Command::Trim}, {L"/cleanup:full", Command::CleanupFull}, {L"/?", Command::Usage}, {L"/bogus", Command::Bad},
        {L"secure", Command::Bad}, {L"/", Command::Bad}, {L"", Command::Bad}, {L"/cleanup:", Command::Bad},
        {L"/cleanup:fast", Command::Bad}};
    for (auto [word, command] : cases) EXPECT_EQ(parseCommandLine({word}), command) << std::wstring(word).size();
    for (bool stored : {false, true})
        EXPECT_EQ(std::tuple(standardCleanup(Command::Cleanup, stored), standardCleanup(Command::CleanupStandard, !stored),
                             standardCleanup(Command::CleanupFull, !stored)), std::tuple(stored, true, false));
}

class CommandStart : public ::testing::Test, public fake::TestProgram {
protected:
    CommandStart() : TestProgram(&blocks) {
        memory.status = fake::machine(1024 * MiB, 512 * MiB);
        // Every block given back brings 8 MiB that other programs let go of.
        blocks.onChange = [this](std::int64_t delta) {
            memory.status.availPhys -= static_cast<std::uint64_t>(delta) - (delta < 0 ? bonus : 0);
        };
    }
    int run(std::vector<std::wstring> words) {
        return runCommandLine(words, services(blocks), console, runningCopy).value_or(-1);
    }
    fake::FakeBlocks blocks;
    std::uint64_t bonus = 8 * MiB;
    fake::FakeConsole console;
    fake::FakeRunningCopy runningCopy;
};

// A run here: no window, no icon, no box; its result on the console and in the exit code.
TEST_F(CommandStart, ARunHereShowsNothingAndEndsWithWhetherMemoryGrew) {
    EXPECT_EQ(run({}), -1);  // no argument: the program starts as usual
    EXPECT_EQ(run({L"/secure"}), exit_code::Grew);
    EXPECT_EQ(blocks.claims.size(), 1u);
    EXPECT_EQ(console.lines, (std::vector<fake::FakeConsole::Line>{{L" 8MB メモリ確保に成功しました\r\n", 0}}));
    bonus = 0;
    settings.values[L"Flag07"] = L"False";  // the stored mode: full, nine passes
    EXPECT_EQ(run({L"/cleanup"}), exit_code::DidNotGrow);
    EXPECT_EQ(console.lines.back().text, L"メモリ内容は既に最適化されています\r\n");
    processList.answers = {{1, fake::FakeProcessList::Answer::Trims}, {7, fake::FakeProcessList::Answer::Trims}};
    EXPECT_EQ(run({L"/trim"}), exit_code::DidNotGrow);
    EXPECT_EQ(console.lines.back().text, L"ワーキング セットの縮小: 空きは増えませんでした (1 個のプログラム)\r\n");
    EXPECT_GT(blocks.claims.size(), 16u * 3);
    EXPECT_EQ(blocks.heldBlocks(), 0u);
    // No window, icon, box or other copy had any part in it.
    EXPECT_EQ(std::tuple(ui.windows().size(), tray.calls.size(), messages.shown.size(), runningCopy.sent.size()), std::tuple(0u, 0u, 0u, 0u));
}

// Output into a console stays UTF-16; into a file, pipe or NUL it takes the code page of the console
// the program came from, else UTF-8. A box comes only where a person sees it, for a wrong switch only
// when nothing else would tell them.
TEST_F(CommandStart, TheUsageGoesWhereItCanBeReadAndNeverWaitsForAClickInAScript) {
    using Out = Console::Output;
    // Output, a console there, a desktop; the code page written in (0: into the console, -1: nothing), a box for each.
    const std::tuple<Out, bool, bool, unsigned, bool, bool> cases[] = {
        {Out::Console, true, true, 0, false, true},
        {Out::Redirected, true, true, 932, false, true},    // "> out.txt" in a Japanese console
        {Out::Redirected, false, false, Utf8CodePage, false, false},  // "> nul" in a task run without a desktop
        {Out::None, true, true, 0, false, true},            // the parent's console
        {Out::None, false, true, unsigned(-1), true, true},  // a shortcut with a mistyped switch
        {Out::None, false, false, unsigned(-1), false, false}};
    for (auto [output, consoleThere, desktop, written, badBox, usageBox] : cases) {
        std::tie(console.where, console.consoleThere, console.desktop) = std::tuple(output, consoleThere, desktop);
        console.lines.clear(), messages.shown.clear();
        EXPECT_EQ(run({L"/secure", L"now"}), exit_code::BadArguments);
        ASSERT_EQ(messages.shown.size(), badBox ? 1u : 0u) << int(output) << consoleThere << desktop;
        if (badBox) EXPECT_NE(messages.shown[0].text.find(L"/cleanup:full"), std::wstring::npos);
        EXPECT_EQ(run({L"/?"}), exit_code::Grew);
        EXPECT_EQ(messages.shown.size(), (badBox ? 1u : 0u) + (usageBox ? 1u : 0u));
        if (written == unsigned(-1)) {
            EXPECT_TRUE(console.lines.empty());
            continue;
        }
        ASSERT_EQ(console.lines.size(), 2u);
        EXPECT_EQ(console.lines[0], console.lines[1]);
        EXPECT_EQ(console.lines[0].codePage, written);
        EXPECT_NE(console.lines[0].text.find(L"/trim : ワーキング セットを縮小します\r\n/?"), std::wstring::npos);
    }
    EXPECT_EQ(blocks.claims.size() + runningCopy.sent.size(), 0u);
}

TEST_F(CommandStart, WithACopyRunningTheCommandIsHandedToItsTrayHost) {
    instance.free = false;
    using Answer = std::optional<std::intptr_t>;
    for (auto [answer, exitCode] : {std::pair<Answer, int>{forwarding::Accepted, 0}, {forwarding::Refused, 3}, {std::nullopt, 4},
                                    {forwarding::Ignored, 4}}) {
        runningCopy.answer = answer;
        EXPECT_EQ(run({L"/cleanup:full"}), exitCode);
        EXPECT_EQ(runningCopy.sent.back().title, TrayHost::Title);
        EXPECT_EQ(forwarding::decode(runningCopy.sent.back().tag, runningCopy.sent.back().data), Command::CleanupFull);
    }
    EXPECT_TRUE(blocks.claims.empty());
    EXPECT_TRUE(console.lines.empty());
}

}  // namespace
}  // namespace lark
