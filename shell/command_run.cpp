#include "shell/command_run.h"

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

ReclaimResult runHere(Command command, const Services& services) {
    const Settings settings = loadSettings(services.settings);
    NoPanel panel(settings);
    MemoryMonitor monitor(services.memory, panel, panel);
    Reclaimer reclaimer(ReclaimServices{services.memory, services.blocks, services.ui, panel, services.clock},
                        monitor, panel, panel);
    monitor.start();
    monitor.refreshAmount();
    return *(command == Command::Secure ? reclaimer.secureFreeSpace()
                                        : reclaimer.runCleanup(standardCleanup(command, settings.standardCleanup)));
}

}  // namespace

std::optional<int> runCommandLine(const std::vector<std::wstring>& arguments, const Services& services,
                                  Console& console, RunningCopy& runningCopy) {
    const Command command = parseCommandLine(arguments);
    switch (command) {
        case Command::None: return std::nullopt;
        case Command::Usage:
            console.writeLine(Usage);
            services.messages.show(Usage, mb::Information, ProgramTitle);
            return exit_code::Grew;
        case Command::Bad:
            // A script or a scheduled task has no one to click the box away: a console is enough.
            if (!console.writeLine(Usage)) services.messages.show(Usage, mb::Critical, ProgramTitle);
            return exit_code::BadArguments;
        default: break;
    }
    if (!services.instance.acquire()) {
        const auto payload = forwarding::encode(command);
        return forwarding::exitCodeFor(
            runningCopy.send(TrayHost::Title, forwarding::Tag, payload, forwarding::AnswerMilliseconds));
    }
    const ReclaimResult result = runHere(command, services);
    console.writeLine(result.text);
    return result.gain > 0 ? exit_code::Grew : exit_code::DidNotGrow;
}

}  // namespace lark
