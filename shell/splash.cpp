#include "shell/splash.h"

#include <utility>

namespace lark {

namespace {
constexpr Rgb White{255, 255, 255};
constexpr wchar_t CreditText[] = L"© 2026 Quorvane";  // fits its 233 x 13 label whole

WindowSpec splashWindow() { return {.title = L"", .style = WindowStyle::Splash, .client = {312, 136}}; }

const ControlSpec SplashControls[] = {
    {.id = SplashScreen::Picture, .kind = Kind::Image, .bounds = {-8, -48, 320, 240}, .picture = Picture::Splash},
    {.id = SplashScreen::Credit, .kind = Kind::Label, .bounds = {72, 112, 233, 13}, .caption = CreditText,
     .textColour = White, .defaultTextColour = false, .transparent = true},
};
}  // namespace

SplashScreen::SplashScreen(Ui& ui, std::function<void()> timeUp)
    : window_(ui.createWindow(splashWindow(), *this)), timeUp_(std::move(timeUp)) {
    for (const ControlSpec& desc : SplashControls) window_->add(desc);
    const Size screen = ui.screen();
    const Rect frame = window_->frame();
    window_->moveTo(screen.w / 2 - frame.w / 2, screen.h / 2 - frame.h / 2);
}

SplashScreen::~SplashScreen() = default;

void SplashScreen::open(bool visible) {
    window_->makeTopmost();
    if (visible) window_->show(ShowState::Normal);
    window_->startTimer(Timer, ShownMilliseconds);
}

void SplashScreen::onTimer(int id) {
    if (id != Timer) return;
    window_->stopTimer(Timer);
    timeUp_();
}

}  // namespace lark
