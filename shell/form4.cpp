#include "shell/form4.h"

#include "shell/program.h"
#include "shell/settings.h"

namespace lark {

namespace {
constexpr Rgb White{255, 255, 255};
constexpr wchar_t Credit[] = L"Copyright (C) 2026 Quorvane  無断複製を禁じます";

WindowSpec splashWindow() { return {.title = L"", .style = WindowStyle::Splash, .client = {312, 136}}; }

const ControlSpec SplashControls[] = {
    {.id = Form4::idImage1, .kind = Kind::Image, .bounds = {-8, -48, 320, 240}, .picture = Picture::Splash},
    {.id = Form4::idLabel1, .kind = Kind::Label, .bounds = {72, 112, 233, 13}, .caption = Credit,
     .textColour = White, .defaultTextColour = false, .transparent = true},
};
}  // namespace

Form4::Form4(Program& program) : program_(program) {}
Form4::~Form4() = default;

bool Form4::Form_Load() {
    if (!program_.services.instance.acquire()) return false;  // 1: another copy runs
    program_.WarningArmed = true;                             // 2
    program_.ShowLogo = settings::readBool(program_.services.settings, L"Flag05", true);  // 3

    Ui& ui = program_.services.ui;
    window_ = ui.createWindow(splashWindow(), *this);
    for (const ControlSpec& desc : SplashControls) window_->add(desc);
    const Size screen = ui.screen();
    const Rect frame = window_->frame();
    window_->moveTo(screen.w / 2 - frame.w / 2, screen.h / 2 - frame.h / 2);

    if (!program_.ShowLogo) program_.showMainPanel();  // 4: the splash is never shown
    window_->makeTopmost();                             // 5
    if (program_.ShowLogo) window_->show(ShowState::Normal);
    window_->startTimer(idTimer1, SplashMilliseconds);
    return true;
}

// Unloads the splash and shows the main panel. The panel stays hidden if it has been shown already
// and was minimised into the tray meanwhile (or loaded minimised).
void Form4::Timer1_Timer() {
    Program& program = program_;  // this object is unloaded below
    window_->stopTimer(idTimer1);
    program.unloadSplash();
    program.showMainPanel();
}

void Form4::onTimer(int id) {
    if (id == idTimer1) Timer1_Timer();
}

}  // namespace lark
