// The splash: the first window, shown for 2.5 seconds while the main panel loads.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui.h"

namespace lark {

class SplashScreen final : public WindowEvents {
public:
    enum Id : int { Picture = 100, Credit, Timer = 300 };
    static constexpr int ShownMilliseconds = 2500;

    // Creates the window, centred on the screen and not yet shown. `timeUp` runs once, when the
    // splash's time is over.
    SplashScreen(Ui& ui, std::function<void()> timeUp);
    ~SplashScreen() override;
    SplashScreen(const SplashScreen&) = delete;
    SplashScreen& operator=(const SplashScreen&) = delete;

    // Puts the splash above every window, shows it when `visible`, and starts its time.
    void open(bool visible);
    void close() { window_->close(); }

private:
    void onTimer(int id) override;

    std::unique_ptr<Window> window_;
    std::function<void()> timeUp_;
};

}  // namespace lark
