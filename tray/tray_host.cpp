#include "tray/tray_host.h"

#include <utility>

#include "common/texts.h"

namespace lark {

namespace {
WindowSpec trayHostWindow() { return {.title = TrayHost::Title, .style = WindowStyle::Hidden, .client = {120, 40}}; }

std::vector<MenuItem> trayMenu() {
    return {{TrayHost::ShowPanelItem, text(Text::TrayShowPanel), L"F6"},
            {},
            {TrayHost::SecureItem, text(Text::TraySecure), L"F4"},
            {TrayHost::CleanupItem, text(Text::TrayCleanup), L"F5"},
            {TrayHost::TrimItem, text(Text::TrayTrim), L"F7"},
            {TrayHost::OptionsItem, text(Text::TrayOptions), L"F2"},
            {},
            {TrayHost::ExitItem, text(Text::TrayExit), L"F9"}};
}
}  // namespace

TrayHost::TrayHost(Ui& ui, TrayIcons& shell, TrayCommands& commands, Picture picture, std::wstring_view tip)
    : commands_(commands), window_(ui.createWindow(trayHostWindow(), *this)) {
    icon_.emplace(shell, *window_);
    // The shell may not be up yet when the program starts with Windows: try again until it takes the icon.
    if (!icon_->add(picture, tip)) {
        retriesLeft_ = RetryAttempts;
        window_->startTimer(RetryTimer, RetryMilliseconds);
    }
    window_->show(ShowState::Hidden);
    window_->startTimer(ScheduleTimer, ScheduleMilliseconds);
}

TrayHost::~TrayHost() = default;

// A click brings the panel back, from the tray if need be; a right click opens the menu, over the
// panel when it is showing. A release only re-activates a visible panel.
void TrayHost::onTrayMouse(int code) {
    if (window_->visible()) return;  // an ordinary mouse movement, not the icon
    switch (code) {
        case tray::LeftPress:
        case tray::LeftDoubleClick:
            if (!commands_.bringPanelForward()) commands_.restorePanel();
            break;
        case tray::LeftRelease: commands_.bringPanelForward(); break;
        case tray::RightPress:
            commands_.bringPanelForward();
            window_->showPopupMenu(trayMenu());
            break;
        default: break;
    }
}

void TrayHost::onCommand(int id) {
    switch (id) {
        case ShowPanelItem: commands_.restorePanel(); break;
        case SecureItem: commands_.secureFreeSpace(); break;
        case CleanupItem: commands_.runCleanup(); break;
        case TrimItem: commands_.trimWorkingSets(); break;
        case OptionsItem: commands_.openOptions(); break;
        case ExitItem: commands_.exitProgram(); break;
        default: break;
    }
}

// Nothing open is applied: the exit saves the settings as they stand and ends the process.
void TrayHost::onClose() { commands_.exitProgram(); }

std::vector<Hotkey> TrayHost::setHotkeys(std::span<const Hotkey> hotkeys) {
    for (std::size_t i = 0; i < hotkeysRegistered_; ++i) window_->unregisterHotkey(FirstHotkey + static_cast<int>(i));
    hotkeysRegistered_ = hotkeys.size();
    std::vector<Hotkey> taken;
    for (std::size_t i = 0; i < hotkeys.size(); ++i)
        if (hotkeys[i] && !window_->registerHotkey(FirstHotkey + static_cast<int>(i), hotkeys[i])) taken.push_back(hotkeys[i]);
    return taken;
}

void TrayHost::onHotkey(int id) {
    if (id >= FirstHotkey && id < FirstHotkey + static_cast<int>(hotkeysRegistered_)) commands_.hotkeyPressed(id - FirstHotkey);
}

// A new taskbar starts empty: put the icon back with its current picture and tip.
void TrayHost::onShellRestart() { icon_->restore(); }

void TrayHost::onTimer(int id) {
    if (id == ScheduleTimer) commands_.minutePassed();
    if (id == RetryTimer && (icon_->restore() || --retriesLeft_ <= 0)) window_->stopTimer(RetryTimer);
    if (id == ForwardedTimer) {
        window_->stopTimer(ForwardedTimer);
        if (forwarded_) commands_.runForwarded(*std::exchange(forwarded_, std::nullopt));
    }
}

// A command from a new copy: answered at once, run just after, so that the sender never waits for
// the run itself. A reclamation running, or a command taken but not yet started, refuses it.
std::intptr_t TrayHost::onDataReceived(std::uintptr_t tag, std::span<const std::uint8_t> data) {
    const auto command = forwarding::decode(tag, data);
    if (!command) return forwarding::Ignored;
    if (forwarded_ || commands_.reclaiming()) return forwarding::Refused;
    forwarded_ = command;
    window_->startTimer(ForwardedTimer, 1);
    return forwarding::Accepted;
}

}  // namespace lark
