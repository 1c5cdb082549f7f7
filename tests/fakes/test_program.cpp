#include "tests/fakes/test_program.h"

#include <stdexcept>

#include "shell/splash.h"

namespace lark::fake {

TestProgram::TestProgram(BlockAllocator* blocks)
    : program(Services{ui, memory, settings, tray, instance, messages, clock, blocks ? *blocks : noBlocks, files,
                       shortcuts, registry, processes}) {
}

FakeWindow& TestProgram::loadMainPanel() {
    if (!program.start()) throw std::logic_error("the program did not start");
    if (FakeWindow* s = splash()) s->fire(SplashScreen::Timer);
    return mainWindow();
}

FakeWindow* TestProgram::window(std::wstring_view title) const {
    for (FakeWindow* w : ui.windows())
        if (!w->closed && w->desc.title == title) return w;
    return nullptr;
}

FakeWindow& TestProgram::mainWindow() {
    if (FakeWindow* w = window(MainPanelTitle)) return *w;
    throw std::logic_error("the main panel is not loaded");
}

FakeWindow& TestProgram::trayHost() {
    if (FakeWindow* w = window(TrayHostTitle)) return *w;
    throw std::logic_error("the tray host is not loaded");
}

FakeWindow* TestProgram::splash() const {
    for (FakeWindow* w : ui.windows())
        if (!w->closed && w->desc.style == WindowStyle::Splash) return w;
    return nullptr;
}

}  // namespace lark::fake
