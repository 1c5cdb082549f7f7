// The monitor tick, the warning tick and the two sliders.
#include "monitor/gauge.h"
#include "monitor/number_text.h"
#include "shell/form1.h"
#include "shell/program.h"
#include "tray/form2.h"

namespace lark {

// Every 200 ms: sample; tray picture and tip; warning level; gauge panel. Nothing while busy. A
// total shown as 0 has no share to show: the tray and the gauge keep their last state.
void Form1::Timer1_Timer() {
    if (busy) return;
    ReadMemoryStatus();
    const double t = total();
    const auto pct = gauge::freePercent(t, gauge::freeMegabytes(labelNumber(RAM[1]->text()), RAMs[1]->text()));
    if (pct) {
        program_.form2().window().setIcon(levelPicture(gauge::level(*pct)));
        program_.tray.TrayModify(gauge::tip(*pct));
    }
    warnBytes = warningBytes(t, HScroll2->value(), RAMs[0]->text());
    if (pct) gauge::draw(Picture1->canvas(), *pct);
}

// The amount labels follow the sliders; the graph and the low-memory test join them later.
void Form1::Timer2_Timer() {
    if (busy) return;
    refreshAmount();
    const std::wstring jidou = digits(sliderAmount(total(), HScroll2->value()));
    if (Jidou->text() != jidou) Jidou->setText(jidou);  // a hundred ticks a second: write only changes
}

void Form1::HScroll1_Change() { refreshAmount(); }

void Form1::HScroll2_Change() { warnBytes = warningBytes(total(), HScroll2->value(), Label4->text()); }

}  // namespace lark
