#include "shell/program.h"

#include <cstdlib>

#include "common/texts.h"
#include "options/hotkey_text.h"
#include "shell/main_panel.h"
#include "shell/splash.h"
#include "tray/tray_host.h"

namespace lark {

namespace {
// What a run from the command line or a hotkey says in its notice, before the result.
Text forwardedNotice(Command command) {
    switch (command) {
        case Command::Secure: return Text::CommandLineSecured;
        case Command::Trim: return Text::CommandLineTrimmed;
        default: return Text::CommandLineCleaned;
    }
}
constexpr Text HotkeyNotices[] = {Text::HotkeySecured, Text::HotkeyCleaned, Text::HotkeyTrimmed};

}  // namespace

Program::Program(const Services& services) : services_(services) {}
Program::~Program() = default;

bool Program::start() {
    if (!services_.instance.acquire()) return false;
    settings_ = loadSettings(services_.settings);
    splash_ = std::make_unique<SplashScreen>(services_.ui, [this] { splashTimeUp(); });
    if (!settings_.showSplash) mainPanel().show();
    splash_->open(settings_.showSplash);
    return true;
}

// The splash's window goes at once; the object stays until the end, as its timer event is still
// running. The panel stays in the tray if it was shown already and minimised meanwhile.
void Program::splashTimeUp() {
    splash_->close();
    mainPanel().show();
}

MainPanel& Program::mainPanel() {
    if (!mainPanel_) {
        trayHost_ = std::make_unique<TrayHost>(services_.ui, services_.tray, static_cast<TrayCommands&>(*this), Picture::Emblem, text(Text::StartingTip));
        mainPanel_ = std::make_unique<MainPanel>(services_, settings_, trayHost_->icon(), [this] { exitProgram(); },
                                                 [this](const Settings& s) { return trayHost_->setHotkeys(s.hotkeys); });
        services_.history.setEnabled(settings_.keepHistory);
        // A key another program holds: the program runs on without it, and says so once.
        if (const auto taken = trayHost_->setHotkeys(settings_.hotkeys); !taken.empty())
            trayHost_->icon().notify(takenHotkeysText(taken));
        mainPanel_->load();
    }
    return *mainPanel_;
}

bool Program::bringPanelForward() { return mainPanel_ && mainPanel_->bringForward(); }
void Program::restorePanel() { mainPanel().restore(); }
void Program::secureFreeSpace() { mainPanel().secureFreeSpace(); }
void Program::runCleanup() { mainPanel().runCleanup(); }
void Program::trimWorkingSets() { mainPanel().trimWorkingSets(); }
void Program::openOptions() { mainPanel().openOptions(); }

// The schedule starts the securing on time, whatever the memory state; a running action refuses it.
void Program::minutePassed() {
    if (schedule_.minutePassed(settings_.scheduleIndex)) mainPanel().secureFreeSpace(Trigger::Schedule);
}

bool Program::reclaiming() const { return mainPanel_ && mainPanel_->reclaiming(); }

// The scheduled securing stays silent; a command from the command line says how it went.
void Program::runForwarded(Command command) {
    MainPanel& panel = mainPanel();
    std::optional<ReclaimResult> result;
    if (command == Command::Secure) result = panel.secureFreeSpace(Trigger::CommandLine);
    else if (command == Command::Trim) result = panel.trimWorkingSets(Trigger::CommandLine);
    else result = panel.runCleanup(standardCleanup(command, settings_.standardCleanup), Trigger::CommandLine);
    if (result) panel.notifyWhileHidden(text(forwardedNotice(command)) + result->text);
}

// A hotkey does what the tray menu's item does, and says how it went while the panel is hidden.
void Program::hotkeyPressed(int index) {
    if (index == ShowPanelKey) {
        if (!bringPanelForward()) restorePanel();
        return;
    }
    MainPanel& panel = mainPanel();
    const auto result = index == SecureKey ? panel.secureFreeSpace() : index == CleanupKey ? panel.runCleanup() : panel.trimWorkingSets();
    if (result) panel.notifyWhileHidden(text(HotkeyNotices[index]) + result->text);
}

void Program::saveBeforeExit() {
    if (mainPanel_) saveSettings(services_.settings, settings_);
}

void Program::exitProgram() {
    saveBeforeExit();
    if (trayHost_) {
        trayHost_->setHotkeys({});
        trayHost_->icon().remove();
    }
    services_.ui.endProcess();
    std::abort();  // endProcess does not return
}

}  // namespace lark
