#include "tray/tray_host.h"

namespace lark {

namespace {
WindowSpec trayHostWindow() { return {.title = L"だみい", .style = WindowStyle::Hidden, .client = {120, 40}}; }
}  // namespace

TrayHost::TrayHost(Ui& ui, TrayIcons& shell, Picture picture, std::wstring_view tip)
    : window_(ui.createWindow(trayHostWindow(), *this)) {
    icon_.emplace(shell, *window_);
    // The shell may not be up yet when the program starts with Windows: try again until it takes the icon.
    if (!icon_->add(picture, tip)) {
        retriesLeft_ = RetryAttempts;
        window_->startTimer(RetryTimer, RetryMilliseconds);
    }
    window_->show(ShowState::Hidden);
}

TrayHost::~TrayHost() = default;

// A new taskbar starts empty: put the icon back with its current picture and tip.
void TrayHost::onShellRestart() { icon_->restore(); }

void TrayHost::onTimer(int id) {
    if (id != RetryTimer) return;
    if (icon_->restore() || --retriesLeft_ <= 0) window_->stopTimer(RetryTimer);
}

}  // namespace lark
