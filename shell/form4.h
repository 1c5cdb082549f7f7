// The splash: the first window, shown for 2.5 seconds while the main panel loads.
#pragma once

#include <memory>

#include "platform/ui.h"

namespace lark {

class Program;

class Form4 final : public WindowEvents {
public:
    enum Id : int { idImage1 = 100, idLabel1, idTimer1 = 300 };
    static constexpr int SplashMilliseconds = 2500;

    explicit Form4(Program& program);
    ~Form4() override;

    // False when another copy of the program runs: this one must end before anything shows.
    bool Form_Load();
    void Timer1_Timer();
    Window& window() { return *window_; }

private:
    void onTimer(int id) override;

    Program& program_;
    std::unique_ptr<Window> window_;
};

}  // namespace lark
