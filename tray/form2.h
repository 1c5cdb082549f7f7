// The tray host: a window that is never shown. It owns the tray icon's callbacks and picture.
#pragma once

#include <memory>

#include "platform/ui.h"

namespace lark {

class Program;

class Form2 final : public WindowEvents {
public:
    enum Id : int { idTimer1 = 300 };

    explicit Form2(Program& program);
    ~Form2() override;

    void Form_Load();
    Window& window() { return *window_; }

private:
    void onShellRestart() override;
    void onTimer(int id) override;

    Program& program_;
    std::unique_ptr<Window> window_;
};

}  // namespace lark
