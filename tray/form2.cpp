#include "tray/form2.h"

#include "shell/program.h"

namespace lark {

namespace {
WindowSpec trayHostWindow() { return {.title = L"だみい", .style = WindowStyle::Hidden, .client = {120, 40}}; }
}  // namespace

Form2::Form2(Program& program) : program_(program) {}
Form2::~Form2() = default;

void Form2::Form_Load() {
    window_ = program_.services.ui.createWindow(trayHostWindow(), *this);
}

// The shell may not be up yet when the program starts with Windows: try again until it takes the icon.
void Form2::RetryTrayAdd() {
    retriesLeft_ = RetryAttempts;
    window_->startTimer(idRetryTimer, RetryMilliseconds);
}

void Form2::retryTick() {
    MdlTask& tray = program_.tray;
    // A failed add with a working modify means the icon is there already (a new taskbar took it).
    const bool shown = tray.TrayAdd(tray.lastTip()) || tray.TrayModify(tray.lastTip());
    if (shown || --retriesLeft_ <= 0) window_->stopTimer(idRetryTimer);
}

// A new taskbar starts empty: put the icon back with its current picture and tip.
void Form2::onShellRestart() {
    MdlTask& tray = program_.tray;
    if (!tray.TrayAdd(tray.lastTip())) tray.TrayModify(tray.lastTip());
}

void Form2::onTimer(int id) {
    if (id == idRetryTimer) retryTick();
}

}  // namespace lark
