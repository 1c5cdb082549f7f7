#include "shell/main_panel.h"

#include <utility>

#include "about/about_box.h"
#include "about/help.h"
#include "common/texts.h"
#include "options/options_dialog.h"
#include "options/settings_page.h"
#include "shell/drawings.h"
#include "shell/main_panel_layout.h"

namespace lark {

namespace {
constexpr int MonitorMilliseconds = 200;
// Ten a second: the graph spans 20 seconds and the low-memory test reacts within a tenth of one.
constexpr int WarningMilliseconds = 100;
constexpr int CleanupViewParkedTop = 280;  // below the client area, where the cleanup view waits between runs

// Window texts of drawings and sliders are written only when what they say changes.
void describe(Control& control, std::wstring_view text) {
    if (control.text() != text) control.setText(text);
}

ShowState showStateFor(StartupWindow window) {
    switch (window) {
        case StartupWindow::Minimised: return ShowState::Minimised;
        case StartupWindow::Maximised: return ShowState::Maximised;
        default: return ShowState::Normal;
    }
}
}  // namespace

MainPanel::MainPanel(const Services& services, Settings& settings, TrayIcon& tray, std::function<void()> exitProgram,
                     RegisterHotkeys registerHotkeys)
    : services_(services),
      settings_(settings),
      exitProgram_(std::move(exitProgram)),
      registerHotkeys_(std::move(registerHotkeys)),
      tray_(tray),
      monitor_(services.memory, tray, *this),
      reclaimer_(ReclaimServices{services.memory, services.blocks, services.ui, services.messages, services.clock,
                                 services.processList, services.history},
                 monitor_, tray, *this) {}

MainPanel::~MainPanel() = default;

void MainPanel::createControls() {
    Ui& ui = services_.ui;
    window_ = ui.createWindow(mainPanelWindow(), *this);
    Window& w = *window_;
    for (const ControlSpec& desc : mainPanelControls(ui.systemColour(SysColour::ButtonShadow),
                                                     ui.systemColour(SysColour::Highlight3D))) {
        if (desc.kind == Kind::ScrollBar) {
            ScrollBar& slider = w.addScrollBar(desc);
            (desc.id == AmountSlider ? amountSlider_ : warningSlider_) = &slider;
            continue;
        }
        if (desc.kind == Kind::Picture) {
            PictureBox& box = w.addPicture(desc);
            switch (desc.id) {
                case NormalView: normalView_ = &box; break;
                case CleanupView: cleanupView_ = &box; break;
                case GaugePanel: gaugePanel_ = &box; break;
                case HistoryGraph: historyGraph_ = &box; break;
                case DetailsTable: detailsTable_ = &box; break;
                case CleanupCells: cleanupCells_ = &box; break;
                default: break;
            }
            continue;
        }
        Control& c = w.add(desc);
        const int id = desc.id;
        if (id >= SizeRowNumber && id < SizeRowNumber + SizeRowCount) sizeNumbers_[id - SizeRowNumber] = &c;
        if (id >= SizeRowUnit && id < SizeRowUnit + SizeRowCount) sizeUnits_[id - SizeRowUnit] = &c;
        switch (id) {
            case SecuringBanner: securingBanner_ = &c; break;
            case AmountLabel: amountLabel_ = &c; break;
            case AmountUnitLabel: amountUnitLabel_ = &c; break;
            case WarningSizeLabel: warningSizeLabel_ = &c; break;
            case WarningUnitLabel: warningUnitLabel_ = &c; break;
            case StatusLine: statusLine_ = &c; break;
            case CleanupHeading: cleanupHeading_ = &c; break;
            case CleanupHeadingShadow: cleanupHeadingShadow_ = &c; break;
            default: break;
        }
    }
}

void MainPanel::load() {
    createControls();
    Window& w = *window_;
    w.setIcon(Picture::AppIcon);
    warningSlider_->setValue(settings_.warningSteps);
    amountSlider_->setValue(settings_.amountSteps);
    const auto startup = static_cast<int>(settings_.startupWindow);
    if (startup < 0 || startup > 2) settings_.startupWindow = StartupWindow::Normal;
    // A panel that starts minimised goes to the tray at once; centred, it comes back in a sensible place.
    if (settings_.startupWindow == StartupWindow::Minimised) {
        const Size screen = services_.ui.screen();
        const Rect frame = w.frame();
        w.moveTo(screen.w / 2 - frame.w / 2, screen.h / 2 - frame.h / 2);
    }
    startState_ = showStateFor(settings_.startupWindow);
    monitor_.showNumberInTray(settings_.trayStyle == TrayStyle::Number);
    monitor_.start();
    drawStaticParts();
    w.startTimer(MonitorTimer, MonitorMilliseconds);
    w.startTimer(WarningTimer, WarningMilliseconds);
}

void MainPanel::show() {
    Window& w = *window_;
    if (!shownOnce_) {
        shownOnce_ = true;
        w.show(startState_);  // a minimised panel hides itself at once (onResize)
    }
    if (w.visible()) w.bringForward();
    if (panelShown()) monitor_.redrawShown();
}

void MainPanel::openOptions() {
    if (bringDialogForward()) return;
    OptionsServices options{services_.ui, services_.messages, services_.shortcuts, services_.files};
    OptionsDialog dialog(options, settings_, [this] { saveSettings(services_.settings, settings_); },
                         [this] { openSettingsPage(true); });
    runDialog(dialog.open(window_->visible() ? std::optional(window_->frame()) : std::nullopt),
              [&] { dialog.runModal(); });
}

void MainPanel::openAboutBox() {
    if (bringDialogForward()) return;
    AboutServices about{services_.ui, services_.messages, services_.registry, services_.files, services_.processes};
    AboutBox box(about);
    runDialog(box.open(window_->frame()), [&] { box.runModal(); });
    if (box.closedByOk()) bringForward();
}

void MainPanel::openSettingsPage(bool overOptions) {
    if (openPage_ && openPage_->visible()) {
        openPage_->bringForward();
        return;
    }
    if (!overOptions && bringDialogForward()) return;
    SettingsPageServices page{services_.ui, services_.messages, services_.files, services_.processes};
    SettingsPage settingsPage(page, settings_, services_.history.path(), registerHotkeys_, [this] {
        saveSettings(services_.settings, settings_);
        services_.history.setEnabled(settings_.keepHistory);
        monitor_.showNumberInTray(settings_.trayStyle == TrayStyle::Number);
        if (!reclaimer_.ticksPaused()) monitor_.monitorTick();
    });
    Window& w = settingsPage.open(window_->visible() ? std::optional(window_->frame()) : std::nullopt);
    openPage_ = &w;
    settingsPage.runModal();
    openPage_ = nullptr;
}

// A dialog is open while it shows: closing it takes it away at once, though a command that runs
// inside its loop (one handed over from the command line) keeps the loop from returning until it ends.
bool MainPanel::bringDialogForward() {
    if (openPage_ && openPage_->visible()) return openPage_->bringForward(), true;
    if (!openDialog_ || !openDialog_->visible()) return false;
    openDialog_->bringForward();
    return true;
}

void MainPanel::runDialog(Window& dialog, const std::function<void()>& runModal) {
    openDialog_ = &dialog;
    runModal();
    openDialog_ = nullptr;
}

bool MainPanel::bringForward() { return window_->visible() && window_->bringForward(); }

void MainPanel::restore() {
    shownOnce_ = true;  // the start-up state no longer applies
    window_->show(ShowState::Normal);
    window_->bringForward();
    monitor_.redrawShown();
}

void MainPanel::drawStaticParts() {
    drawChartBackground(historyGraph_->canvas(), monitor_.total(), monitor_.totalUnit());
    drawGaugeLegend(gaugePanel_->canvas());
    Ui& ui = services_.ui;
    drawStatusStrip(window_->canvas(), ui.systemColour(SysColour::ButtonShadow), ui.systemColour(SysColour::Highlight3D));
}

// ---- events

void MainPanel::onTimer(int id) {
    if (reclaimer_.ticksPaused()) return;
    if (id == MonitorTimer) monitor_.monitorTick();
    if (id == WarningTimer) warningTick();
}

void MainPanel::warningTick() {
    // Memory is low on purpose while a cleanup runs, its result box included.
    const auto action = reclaimer_.cleaning() ? LowMemoryAction::Ignore : settings_.lowMemoryAction;
    std::optional<ReclaimResult> result;
    switch (monitor_.warningTick(action, services_.clock.milliseconds())) {
        case LowMemoryStep::Secure:
            result = secureFreeSpace(Trigger::LowMemory);
            monitor_.automaticSecuringEnded(services_.clock.milliseconds());
            break;
        case LowMemoryStep::AskThenSecure:
            if (services_.messages.show(text(Text::LowMemoryQuestion), mb::YesNo | mb::Critical, ProgramTitle) == mb::AnswerYes)
                result = secureFreeSpace(Trigger::LowMemory);
            break;
        case LowMemoryStep::Nothing: break;
    }
    if (result) notifyWhileHidden(text(Text::LowMemorySecured) + result->text);
}

void MainPanel::notifyWhileHidden(std::wstring_view text) {
    if (!panelShown()) tray_.notify(text);
}

void MainPanel::onCommand(int id) {
    switch (id) {
        case SecureButton:
        case SecureCommand: secureFreeSpace(); break;
        case CleanupCommand: runCleanup(); break;
        case TrimCommand: trimWorkingSets(); break;
        case HistoryCommand: history::open(services_.history.path(), services_.files, services_.processes, services_.messages); break;
        case StopCleanupButton: reclaimer_.requestCleanupStop(); break;
        case ExitCommand: exitProgram_(); break;
        case OptionsButton:
        case OptionsCommand: openOptions(); break;
        case HelpCommand: openHelp(services_.files, services_.processes); break;
        case AboutCommand: openAboutBox(); break;
        case SettingsPageCommand: openSettingsPage(false); break;
        default: break;
    }
}

void MainPanel::onScroll(int id) {
    if (id == AmountSlider) {
        settings_.amountSteps = amountSlider_->value();
        monitor_.refreshAmount();
    }
    if (id == WarningSlider) {
        settings_.warningSteps = warningSlider_->value();
        monitor_.warningSizeChanged();
    }
}

void MainPanel::onActivate() { monitor_.refreshAmount(); }

// Minimising sends the panel to the tray; the tray icon brings it back.
void MainPanel::onResize(ShowState) {
    if (window_->state() == ShowState::Minimised) window_->show(ShowState::Hidden);
}

void MainPanel::onClose() { exitProgram_(); }
void MainPanel::onEndSession() { exitProgram_(); }

// The platform dropped what the canvases held.
void MainPanel::onDpiChanged() {
    gaugePanel_->canvas().clear();
    historyGraph_->canvas().clear();
    window_->canvas().clear();
    drawStaticParts();
    monitor_.redrawDetails();
    if (panelShown()) monitor_.redrawShown();
}

// ---- what the monitor shows

int MainPanel::amountSteps() const { return amountSlider_->value(); }
int MainPanel::warningSteps() const { return warningSlider_->value(); }

void MainPanel::showSizeRow(int row, const SizeRow& size) {
    sizeNumbers_[row]->setText(size.number);
    sizeUnits_[row]->setText(size.unit);
}

void MainPanel::showAmount(std::wstring_view amount) {
    amountLabel_->setText(amount);
    nameSliders();
}

void MainPanel::showWarningSize(std::wstring_view size) {
    warningSizeLabel_->setText(size);
    nameSliders();
}

void MainPanel::showAmountUnit(std::wstring_view unit) {
    amountUnitLabel_->setText(unit);
    warningUnitLabel_->setText(unit);
    nameSliders();
}

// A slider is read by its caption and the amount it stands for: "確保容量 16997MB".
void MainPanel::nameSliders() {
    describe(*amountSlider_, text(Text::AmountCaption) + L" " + amountLabel_->text() + amountUnitLabel_->text());
    describe(*warningSlider_, text(Text::WarningCaption) + L" " + warningSizeLabel_->text() + warningUnitLabel_->text());
}

Canvas& MainPanel::gaugeCanvas() { return gaugePanel_->canvas(); }
Canvas& MainPanel::detailsCanvas() { return detailsTable_->canvas(); }
Canvas& MainPanel::historyCanvas() { return historyGraph_->canvas(); }
void MainPanel::describeGauge(std::wstring_view text) { describe(*gaugePanel_, text); }
void MainPanel::describeDetails(std::wstring_view text) { describe(*detailsTable_, text); }
void MainPanel::describeHistory(std::wstring_view text) { describe(*historyGraph_, text); }
bool MainPanel::panelShown() const { return window_->visible() && window_->state() != ShowState::Minimised; }

// ---- what the reclamation actions show

void MainPanel::showStatus(std::wstring_view text, bool paintNow) {
    statusLine_->setText(text);
    if (paintNow) statusLine_->repaintNow();
}

void MainPanel::showSecuringBanner(bool shown) {
    securingBanner_->setVisible(shown);
    if (shown) securingBanner_->repaintNow();
}

void MainPanel::showCleanupView(std::wstring_view heading) {
    cleanupHeadingShadow_->setText(heading);
    cleanupHeading_->setText(heading);
    normalView_->setEnabled(false);
    cleanupView_->setEnabled(true);
    cleanupView_->setVisible(true);
    cleanupView_->move(0, 0);
}

void MainPanel::hideCleanupView() {
    cleanupView_->move(0, CleanupViewParkedTop);
    cleanupView_->setVisible(false);
    normalView_->setEnabled(true);
}

Canvas& MainPanel::cleanupCells() { return cleanupCells_->canvas(); }
void MainPanel::describeCleanupCells(std::wstring_view text) { describe(*cleanupCells_, text); }

}  // namespace lark
