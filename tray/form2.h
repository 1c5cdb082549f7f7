// The tray host: a window that is never shown. It owns the tray icon's callbacks and picture.
#pragma once

#include <memory>

#include "platform/ui.h"

namespace lark {

class Program;

class Form2 final : public WindowEvents {
public:
    enum Id : int { idTimer1 = 300, idRetryTimer };
    static constexpr int RetryMilliseconds = 2000;
    static constexpr int RetryAttempts = 60;

    explicit Form2(Program& program);
    ~Form2() override;

    void Form_Load();
    Window& window() { return *window_; }
    // Keeps trying to add the tray icon (every RetryMilliseconds, at most RetryAttempts times).
    void RetryTrayAdd();

private:
    void onShellRestart() override;
    void onTimer(int id) override;

    void retryTick();

    Program& program_;
    std::unique_ptr<Window> window_;
    int retriesLeft_ = 0;
};

}  // namespace lark
