#include "tests/fakes/test_program.h"

#include <stdexcept>

#include "shell/splash.h"
#include "tray/tray_host.h"

namespace lark::fake {

TestProgram::TestProgram(BlockAllocator* blocks) : program(services(blocks ? *blocks : noBlocks)) {}

Services TestProgram::services(BlockAllocator& blocks) {
    return {ui, memory, settings, tray, instance, messages, clock, blocks, files, shortcuts, registry, processes, processList, history};
}

FakeWindow& TestProgram::loadMainPanel() {
    if (!program.start()) throw std::logic_error("the program did not start");
    if (FakeWindow* s = splash()) s->fire(SplashScreen::Timer);
    return mainWindow();
}

std::vector<std::string> TestProgram::runsRecorded() {
    std::vector<std::string> runs;
    const std::string& text = logFiles.files[history.path()];
    for (std::size_t at = text.find("\r\n"); at != std::string::npos && at + 2 < text.size(); at = text.find("\r\n", at + 2)) {
        const std::size_t trigger = text.find(',', at) + 1, end = text.find(',', text.find(',', trigger) + 1);
        runs.push_back(text.substr(trigger, end - trigger));
    }
    return runs;
}

FakeWindow* TestProgram::window(std::wstring_view title) const {
    for (FakeWindow* w : ui.windows())
        if (!w->closed && w->desc.title == title) return w;
    return nullptr;
}

static FakeWindow& expected(FakeWindow* w, const char* missing) { return w ? *w : throw std::logic_error(missing); }

FakeWindow& TestProgram::mainWindow() { return expected(window(MainPanelTitle), "the main panel is not loaded"); }
FakeWindow& TestProgram::trayHost() { return expected(window(TrayHost::Title), "the tray host is not loaded"); }

FakeWindow* TestProgram::splash() const {
    for (FakeWindow* w : ui.windows())
        if (!w->closed && w->desc.style == WindowStyle::Splash) return w;
    return nullptr;
}

}  // namespace lark::fake
