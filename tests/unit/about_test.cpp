// The help command's paths and command lines, the system-information lookup, and the about box.
#include <gtest/gtest.h>

#include "about/about_box.h"
#include "about/help.h"
#include "common/dialog_support.h"
#include "common/paths.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/fake_system.h"
#include "tests/fakes/fake_ui.h"

namespace lark {
namespace {

using Start = fake::FakeProcesses::Start;
using Starts = std::vector<Start>;
using Messages = std::vector<fake::FakeMessageBoxes::Shown>;

struct AboutFakes {
    fake::FakeUi ui;
    fake::FakeMessageBoxes messages;
    fake::FakeRegistry registry;
    fake::FakeFileSystem files;
    fake::FakeProcesses processes;
    AboutServices services{ui, messages, registry, files, processes};
};

// A help file in a folder with a blank: the viewer's command line in UsesTheViewerWhereItWorks...
TEST(Help, TheViewerCommandLineQuotesPathsWithBlanks) {
    for (auto [windows, folder, line] : {std::tuple{L"C:\\WINDOWS\\", L"D:", L"C:\\WINDOWS\\winhelp.exe D:\\larkspan.hlp"},
                                         {L"C:\\My Win", L"C:\\Tools", L"\"C:\\My Win\\winhelp.exe\" C:\\Tools\\larkspan.hlp"}}) {
        const ProcessCommand command = helpViewerCommand(windows, folder);
        EXPECT_EQ(command.application + L"|" + command.commandLine, paths::withSlash(windows) + L"winhelp.exe|" + line);
    }
}

TEST(Help, UsesTheViewerWhereItWorksElseOpensThePageSilently) {
    const Start viewer{L"C:\\WINDOWS\\winhelp.exe", L"C:\\WINDOWS\\winhelp.exe \"D:\\Lark Span\\larkspan.hlp\"", ProcessWindow::Minimised};
    const Start page{L"D:\\Lark Span\\larkspan.html", L"", ProcessWindow::Normal};
    const std::tuple<bool, bool, bool, bool, Start> cases[] = {  // a Windows folder, the viewer, the help file, starts work
        {true, true, true, true, viewer}, {true, false, true, true, page}, {true, true, false, true, page},
        {true, true, true, false, page},  {false, true, true, true, page}};
    for (const auto& [windir, viewerExists, helpFileExists, starts, expected] : cases) {
        fake::FakeFileSystem files;
        fake::FakeProcesses processes;
        files.exe = L"D:\\Lark Span\\larkspan.exe";
        if (!windir) files.windows.reset();
        if (viewerExists) files.files.insert(viewer.application);
        if (helpFileExists) files.files.insert(L"D:\\Lark Span\\larkspan.hlp");
        processes.works = starts;
        openHelp(files, processes);
        EXPECT_EQ(processes.started, Starts{expected});
    }
    // In English the page is the English one.
    const fake::LanguageScope inEnglish(Language::English);
    fake::FakeFileSystem files;
    fake::FakeProcesses processes;
    files.exe = L"D:\\Lark Span\\larkspan.exe";
    openHelp(files, processes);
    const Start english{L"D:\\Lark Span\\larkspan.en.html", L"", ProcessWindow::Normal};
    EXPECT_EQ(processes.started, Starts{english});
}

TEST(SystemInfo, FindsTheToolByEitherKeyOrSaysItIsUnavailable) {
    const std::wstring folder = L"C:\\Program Files\\Common Files\\Microsoft Shared\\MSINFO", tool = folder + L"\\MSINFO32.EXE";
    const std::wstring path = L"C:\\Tools\\msinfo32.exe";
    using T = RegistryValue::Type;
    const RegistryValue absent{T::Other, L"absent"};
    // The two keys' values, the tool's file there, starts work; what starts (nothing: the unavailable message instead).
    const std::tuple<RegistryValue, RegistryValue, bool, bool, std::wstring> cases[] = {
        {{T::Text, path}, {T::Text, folder}, true, true, path},
        {absent, {T::Text, folder}, true, true, tool},
        {absent, {T::Text, folder + L"\\"}, true, true, tool},
        {absent, {T::Text, folder}, false, true, L""},
        {{T::Text, L""}, {T::Text, folder}, true, true, L""},     // the first key counts even when empty
        {{T::Other, L"x"}, {T::Text, folder}, true, true, L""},   // so does one of another type, as empty
        {{T::Number, L"", 7}, {T::Text, folder}, true, true, L"7"}, // a number reads as its digits
        {absent, absent, true, true, L""},
        {{T::Text, path}, absent, true, false, L""}};
    for (const auto& [first, second, fileExists, starts, started] : cases) {
        AboutFakes f;
        auto& [ui, messages, registry, files, processes, services] = f;
        if (first.text != L"absent") registry.values[{L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH"}] = first;
        if (second.text != L"absent") registry.values[{L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO"}] = second;
        if (fileExists) files.files.insert(tool);
        processes.works = starts;
        EXPECT_EQ(startSystemInfo(services), !started.empty());
        EXPECT_EQ(processes.started, (started.empty() ? Starts{} : Starts{{started, paths::quoted(started), ProcessWindow::Normal}}));
        EXPECT_EQ(messages.shown, (started.empty() ? Messages{{L"現時点ではｼｽﾃﾑ情報を使用できません", 0}} : Messages{}));
    }
}

// System information's box with no tool registered: SystemInfo.FindsTheToolByEitherKeyOrSaysItIsUnavailable.
TEST(AboutBox, OkClosesForTheMainPanelTheCloseBoxOnlyClosesSystemInfoKeepsItOpen) {
    AboutFakes f;
    for (bool ok : {true, false}) {
        AboutBox box(f.services);
        auto& w = static_cast<fake::FakeWindow&>(box.open(std::nullopt));
        w.click(about::idSystemInfo);
        EXPECT_FALSE(w.closed);
        ok ? w.click(about::idOk) : w.events().onClose();
        EXPECT_TRUE(w.closed);
        EXPECT_EQ(box.closedByOk(), ok);
    }
}

TEST(AboutBox, TheVersionLineSitsBelowTheRuleBesideTheButtonsOrIsLeftOut) {
    AboutFakes f;
    AboutBox box(f.services), bareBox(f.services);
    auto& w = static_cast<fake::FakeWindow&>(box.open(std::nullopt));
    const fake::ControlState& line = w.control(about::idVersion);
    EXPECT_EQ(line.caption, L"Larkspan 1.2.3");
    const Rect r = line.desc.bounds;
    const auto client = w.desc.client;
    EXPECT_GT(r.y, twips(1620));  // under the etched rule, in the picture's empty lower left
    EXPECT_LE(r.x + r.w, client.w);
    EXPECT_LE(r.y + r.h, client.h);
    for (const ControlSpec& c : about::aboutControls(L"1.2.3"))
        if (c.id != about::idPicture && c.id != about::idVersion)
            EXPECT_TRUE(r.x + r.w <= c.bounds.x || c.bounds.y + c.bounds.h <= r.y) << c.id;
    f.files.version.clear();
    auto& bare = static_cast<fake::FakeWindow&>(bareBox.open(std::nullopt));
    EXPECT_THROW(bare.control(about::idVersion), std::out_of_range);
}

}  // namespace
}  // namespace lark
