#include "tests/fakes/test_program.h"

namespace lark::fake {

TestProgram::TestProgram(BlockAllocator* blocks)
    : program(Services{ui, memory, settings, tray, instance, messages, clock, blocks ? *blocks : noBlocks}) {
    ui.journal = &journal;
    settings.journal = &journal;
    tray.journal = &journal;
    instance.journal = &journal;
    messages.journal = &journal;
}

FakeWindow& TestProgram::mainWindow() { return dynamic_cast<FakeWindow&>(program.form1().window()); }
FakeWindow& TestProgram::trayHost() { return dynamic_cast<FakeWindow&>(program.form2().window()); }

FakeWindow* TestProgram::splashWindow() {
    Form4* s = program.splash();
    return s ? dynamic_cast<FakeWindow*>(&s->window()) : nullptr;
}

}  // namespace lark::fake
