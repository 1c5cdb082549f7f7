#include "shell/command_run.h"

#include "common/texts.h"
#include "monitor/memory_monitor.h"
#include "reclaim/reclaimer.h"
#include "shell/settings.h"
#include "tray/tray_host.h"

namespace lark {

namespace {

class NoCanvas final : public Canvas {
public:
    void text(int, int, std::wstring_view, Rgb) override {}
    void textRight(int, int, std::wstring_view, Rgb, bool) override {}
    void line(int, int, int, int, Rgb, Pen) override {}
    void fillRect(int, int, int, int, Rgb) override {}
    void frameRect(int, int, int, int, Rgb) override {}
    void clear() override {}
    void keepAsBackground() override {}
};

// The main panel's part in a run without windows: the stored slider positions, and nothing shown.
class NoPanel final : public MonitorView, public ReclaimView, public TrayPicture, public MessageBoxes {
public:
    explicit NoPanel(const Settings& settings) : settings_(settings) {}
    int amountSteps() const override { return settings_.amountSteps; }
    int warningSteps() const override { return settings_.warningSteps; }
    void showSizeRow(int, const SizeRow&) override {}
    void showAmount(std::wstring_view) override {}
    void showWarningSize(std::wstring_view) override {}
    void showAmountUnit(std::wstring_view) override {}
    void describeGauge(std::wstring_view) override {}
    void describeDetails(std::wstring_view) override {}
    void describeHistory(std::wstring_view) override {}
    Canvas& gaugeCanvas() override { return canvas_; }
    Canvas& detailsCanvas() override { return canvas_; }
    Canvas& historyCanvas() override { return canvas_; }
    bool panelShown() const override { return false; }

    void showStatus(std::wstring_view, bool) override {}
    void showSecuringBanner(bool) override {}
    void showCleanupView(std::wstring_view) override {}
    void hideCleanupView() override {}
    void describeCleanupCells(std::wstring_view) override {}
    Canvas& cleanupCells() override { return canvas_; }

    bool show(Picture, std::wstring_view) override { return true; }
    int show(std::wstring_view, int, std::wstring_view) override { return mb::AnswerOk; }

private:
    const Settings& settings_;
    NoCanvas canvas_;
};

// Writes the text with Windows' line ends where standard output goes: into a console as it is, and
// into a file, pipe or device in the code page a console program there would use, that of the
// console the program was started from (a file read with `type` or a pipe into `findstr` then reads
// right), or UTF-8 when there is none. False when there is nowhere to write.
bool writeLine(Console& console, std::wstring_view line) {
    std::wstring text;
    for (wchar_t c : line) c == L'\n' ? text += L"\r\n" : text += c;
    text += L"\r\n";
    if (console.output() != Console::Output::Redirected) return console.writeConsole(text);
    const unsigned codePage = console.consoleCodePage();
    return console.writeRedirected(text, codePage ? codePage : Utf8CodePage);
}

ReclaimResult runHere(Command command, const Services& services) {
    const Settings settings = loadSettings(services.settings);
    services.history.setEnabled(settings.keepHistory);
    NoPanel panel(settings);
    MemoryMonitor monitor(services.memory, panel, panel);
    Reclaimer reclaimer(ReclaimServices{services.memory, services.blocks, services.ui, panel, services.clock, services.processList,
                                        services.history},
                        monitor, panel, panel);
    monitor.start();
    monitor.refreshAmount();
    if (command == Command::Secure) return *reclaimer.secureFreeSpace(Trigger::CommandLine);
    if (command == Command::Trim) return *reclaimer.trimWorkingSets(Trigger::CommandLine);
    return *reclaimer.runCleanup(standardCleanup(command, settings.standardCleanup), Trigger::CommandLine);
}

}  // namespace

std::optional<int> runCommandLine(const std::vector<std::wstring>& arguments, const Services& services,
                                  Console& console, RunningCopy& runningCopy) {
    const Command command = parseCommandLine(arguments);
    const std::wstring usage = text(Text::Usage);
    switch (command) {
        case Command::None: return std::nullopt;
        // A script or a scheduled task has nobody to click a box away: the box comes only where
        // a person sees it, for a wrong switch only when nothing else would tell them.
        case Command::Usage:
            writeLine(console, usage);
            if (console.interactiveDesktop()) services.messages.show(usage, mb::Information, ProgramTitle);
            return exit_code::Grew;
        case Command::Bad:
            if (!writeLine(console, usage) && console.interactiveDesktop())
                services.messages.show(usage, mb::Critical, ProgramTitle);
            return exit_code::BadArguments;
        default: break;
    }
    if (!services.instance.acquire()) {
        const auto payload = forwarding::encode(command);
        return forwarding::exitCodeFor(
            runningCopy.send(TrayHost::Title, forwarding::Tag, payload, forwarding::AnswerMilliseconds));
    }
    const ReclaimResult result = runHere(command, services);
    writeLine(console, result.text);
    return result.gain > 0 ? exit_code::Grew : exit_code::DidNotGrow;
}

}  // namespace lark
