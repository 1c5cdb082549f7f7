#include "shell/program.h"

#include <cstdlib>

#include "shell/form1.h"
#include "shell/form4.h"
#include "tray/form2.h"

namespace lark {

Program::Program(const Services& s) : services(s), tray(*this) {}
Program::~Program() = default;

bool Program::start() {
    form4_ = std::make_unique<Form4>(*this);
    if (form4_->Form_Load()) return true;
    form4_.reset();  // another copy runs: nothing was shown
    return false;
}

Form1& Program::form1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>(*this);
        form1_->Form_Load();
    }
    return *form1_;
}

Form2& Program::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(*this);
        form2_->Form_Load();
    }
    return *form2_;
}

// Called from the splash's own timer: its window goes at once, the object once that event is over.
void Program::unloadSplash() {
    if (!form4_) return;
    form4_->window().close();
    unloadedSplash_ = std::move(form4_);
}

void Program::showMainPanel() { form1().ShowPanel(); }

bool Program::SaveBeforeExit() {
    if (form1_) form1_->SaveS();
    return true;
}

void Program::exitProgram() {
    SaveBeforeExit();
    if (form2_) tray.TrayDelete();
    services.ui.endProcess();
    std::abort();  // endProcess does not return
}

}  // namespace lark
