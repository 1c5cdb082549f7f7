#include "shell/form1.h"

#include "monitor/gauge.h"
#include "monitor/number_text.h"
#include "shell/drawings.h"
#include "shell/form1_layout.h"
#include "shell/program.h"
#include "tray/form2.h"

namespace lark {

namespace {
constexpr wchar_t StartingTip[] = L"Larkspan - 起動準備をしています";
constexpr int MonitorMilliseconds = 200;
constexpr int WarningMilliseconds = 1;  // as often as the platform delivers (about 10 ms)

ShowState stateFor(int start) {
    return start == 1 ? ShowState::Minimised : start == 2 ? ShowState::Maximised : ShowState::Normal;
}
}  // namespace

Form1::Form1(Program& program) : program_(program) {}
Form1::~Form1() = default;

void Form1::buildControls() {
    Ui& ui = program_.services.ui;
    window_ = ui.createWindow(mainPanelWindow(), *this);
    Window& w = *window_;
    for (const ControlSpec& desc : mainPanelControls(ui.systemColour(SysColour::ButtonShadow),
                                                     ui.systemColour(SysColour::Highlight3D))) {
        const int id = desc.id;
        Control* c = desc.kind == Kind::ScrollBar ? &w.addScrollBar(desc)
                     : desc.kind == Kind::Picture ? &w.addPicture(desc)
                                                  : &w.add(desc);
        if (id >= idRAM0 && id < idRAM0 + 5) RAM[id - idRAM0] = c;
        if (id >= idRAMs0 && id < idRAMs0 + 5) RAMs[id - idRAMs0] = c;
        switch (id) {
            case idMainPanel: MainPanel = c; break;
            case idCPanel: CPanel = c; break;
            case idCommand3: Command3 = c; break;
            case idCL: CL = static_cast<PictureBox*>(c); break;
            case idLabel10: Label10 = c; break;
            case idLabel11: Label11 = c; break;
            case idPicture1: Picture1 = static_cast<PictureBox*>(c); break;
            case idPicture2: Picture2 = static_cast<PictureBox*>(c); break;
            case idPicture3: Picture3 = static_cast<PictureBox*>(c); break;
            case idImage1: Image1 = c; break;
            case idFrame1: Frame1 = c; break;
            case idKakuho: Kakuho = c; break;
            case idLabel5: Label5 = c; break;
            case idHScroll1: HScroll1 = static_cast<ScrollBar*>(c); break;
            case idJidou: Jidou = c; break;
            case idLabel4: Label4 = c; break;
            case idHScroll2: HScroll2 = static_cast<ScrollBar*>(c); break;
            case idCommand1: Command1 = c; break;
            case idCommand2: Command2 = c; break;
            case idLabel7: Label7 = c; break;
            default: break;
        }
    }
}

void Form1::Form_Load() {
    buildControls();
    Window& w = *window_;
    w.setIcon(Picture::AppIcon);                                           // M1
    LoadS();                                                               // M2
    if (start < 0 || start > 2) start = 0;                                 // M3
    if (start == 1) {                                                      // M4
        const Size screen = program_.services.ui.screen();
        const Rect frame = w.frame();
        w.moveTo(screen.w / 2 - frame.w / 2, screen.h / 2 - frame.h / 2);
    }
    loadState_ = stateFor(start);                                          // M5: applies when shown
    Window& host = program_.form2().window();
    host.setIcon(Picture::Emblem);                                         // M6
    if (!program_.tray.TrayAdd(StartingTip)) program_.form2().RetryTrayAdd();  // M7
    host.show(ShowState::Hidden);                                          // M8
    busy = 0;                                                              // M9
    history.fill(-1);
    ReadMemoryStatus();                                                    // M10
    drawChart();                                                           // M11
    Label5->setText(RAMs[0]->text());                                      // M12
    Label4->setText(Label5->text());
    warnBytes = warningBytes(total(), HScroll2->value(), RAMs[0]->text()); // M13
    drawFrames();                                                          // M14, M15
    w.startTimer(idTimer1, MonitorMilliseconds);
    w.startTimer(idTimer2, WarningMilliseconds);
}

void Form1::ShowPanel() {
    Window& w = *window_;
    if (!shownOnce_) {
        shownOnce_ = true;
        w.show(loadState_);  // a minimised panel hides itself at once (Form_Resize)
        if (w.visible()) w.bringForward();
        return;
    }
    if (w.visible()) w.bringForward();
}

double Form1::total() const { return labelNumber(RAM[0]->text()); }

void Form1::refreshAmount() {
    const std::wstring kakuho = digits(sliderAmount(total(), HScroll1->value()));
    if (Kakuho->text() != kakuho) Kakuho->setText(kakuho);
}

void Form1::drawChart() { drawChartBackground(Picture2->canvas(), total(), RAMs[0]->text()); }

void Form1::drawFrames() {
    drawGaugeLegend(Picture1->canvas());
    Ui& ui = program_.services.ui;
    drawStatusStrip(window_->canvas(), ui.systemColour(SysColour::ButtonShadow), ui.systemColour(SysColour::Highlight3D));
}

void Form1::drawStaticParts() {
    drawChart();
    drawFrames();
}

void Form1::Form_Activate() { refreshAmount(); }

void Form1::Form_Resize() {
    if (window_->state() == ShowState::Minimised) window_->show(ShowState::Hidden);
}

void Form1::Form_Unload() { program_.exitProgram(); }
void Form1::m04_Click() { program_.exitProgram(); }

// The options dialog is not part of the program yet.
void Form1::Settei() {}

void Form1::onTimer(int id) {
    if (id == idTimer1) Timer1_Timer();
    if (id == idTimer2) Timer2_Timer();
}

void Form1::onCommand(int id) {
    switch (id) {
        case idCommand1:
        case idm01: Command1_Click(); break;
        case idm02: m02_Click(); break;
        case idm04: m04_Click(); break;
        case idCommand2:
        case idm11: Settei(); break;
        case idCommand3: Command3_Click(); break;
        default: break;  // help (m21) and the about box (m23) come later
    }
}

void Form1::onScroll(int id) {
    if (id == idHScroll1) HScroll1_Change();
    if (id == idHScroll2) HScroll2_Change();
}

void Form1::onActivate() { Form_Activate(); }
void Form1::onResize(ShowState) { Form_Resize(); }
void Form1::onClose() { Form_Unload(); }
void Form1::onEndSession() { Form_Unload(); }

// The platform dropped what the canvases held; the gauge itself comes back with the next tick.
void Form1::onDpiChanged() {
    Picture1->canvas().clear();
    Picture2->canvas().clear();
    window_->canvas().clear();
    drawStaticParts();
    SM();
}

}  // namespace lark
