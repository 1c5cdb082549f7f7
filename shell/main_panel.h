// The main panel: the figures, the gauge, the history graph, the details table, the two sliders and
// the two reclamation actions. It creates the window and its controls and wires their events to the
// memory monitor and the reclamation actions, which it shows through its controls.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "monitor/memory_monitor.h"
#include "platform/ui.h"
#include "reclaim/reclaimer.h"
#include "shell/services.h"
#include "shell/settings.h"
#include "tray/tray_icon.h"

namespace lark {

class MainPanel final : public WindowEvents, private MonitorView, private ReclaimView {
public:
    // `exitProgram` saves, removes the tray icon and ends the process.
    // `registerHotkeys` puts the settings' hotkeys in place and returns those another program holds.
    using RegisterHotkeys = std::function<std::vector<Hotkey>(const Settings&)>;
    MainPanel(const Services& services, Settings& settings, TrayIcon& tray, std::function<void()> exitProgram,
              RegisterHotkeys registerHotkeys);
    ~MainPanel() override;
    MainPanel(const MainPanel&) = delete;
    MainPanel& operator=(const MainPanel&) = delete;

    // Creates the window from the settings, takes the first sample and starts the ticks.
    void load();
    // The first time, shows the panel in the window state chosen in the settings; later it only
    // brings a visible panel forward (a panel minimised into the tray stays there).
    void show();

    // Activates a visible panel, or the dialog or message box open over it; false while it is hidden.
    bool bringForward();
    // Shows the panel in its normal state, visible and active (or under the dialog or message box
    // open over it, which is activated), from wherever it is.
    void restore();

    // The options dialog, centred over the panel, or on the screen while the panel is hidden. Like
    // the about box it is modal: the panel takes no input while it is open, and a second request
    // brings the open one forward.
    void openOptions();

    // Each returns nothing when a running action refused it.
    std::optional<ReclaimResult> secureFreeSpace(Trigger trigger = Trigger::Manual) { return reclaimer_.secureFreeSpace(trigger); }
    std::optional<ReclaimResult> runCleanup(Trigger trigger = Trigger::Manual) { return runCleanup(settings_.standardCleanup, trigger); }
    std::optional<ReclaimResult> runCleanup(bool standard, Trigger trigger) { return reclaimer_.runCleanup(standard, trigger); }
    std::optional<ReclaimResult> trimWorkingSets(Trigger trigger = Trigger::Manual) { return reclaimer_.trimWorkingSets(trigger); }
    bool reclaiming() const { return reclaimer_.running(); }
    // A notification from the tray icon, while the panel and its status line are out of sight.
    void notifyWhileHidden(std::wstring_view text);

private:
    // WindowEvents
    void onTimer(int id) override;
    void onCommand(int id) override;
    void onScroll(int id) override;
    void onActivate() override;
    void onResize(ShowState state) override;
    void onClose() override;
    void onEndSession() override;
    void onDpiChanged() override;

    // MonitorView
    int amountSteps() const override;
    int warningSteps() const override;
    void showSizeRow(int row, const SizeRow& size) override;
    void showAmount(std::wstring_view amount) override;
    void showWarningSize(std::wstring_view size) override;
    void showAmountUnit(std::wstring_view unit) override;
    Canvas& gaugeCanvas() override;
    Canvas& detailsCanvas() override;
    Canvas& historyCanvas() override;
    bool panelShown() const override;
    void describeGauge(std::wstring_view text) override;
    void describeDetails(std::wstring_view text) override;
    void describeHistory(std::wstring_view text) override;

    // ReclaimView
    void showStatus(std::wstring_view text, bool paintNow) override;
    void showSecuringBanner(bool shown) override;
    void showCleanupView(std::wstring_view heading) override;
    void hideCleanupView() override;
    Canvas& cleanupCells() override;
    void describeCleanupCells(std::wstring_view text) override;

    void nameSliders();

    void openAboutBox();
    // The page of further settings; over the options dialog when it asks for it.
    void openSettingsPage(bool overOptions);
    bool bringDialogForward();  // false when no dialog is open
    void runDialog(Window& dialog, const std::function<void()>& runModal);
    void warningTick();
    void createControls();
    void drawStaticParts();

    const Services services_;
    Settings& settings_;
    std::function<void()> exitProgram_;
    RegisterHotkeys registerHotkeys_;
    TrayIcon& tray_;
    MemoryMonitor monitor_;
    Reclaimer reclaimer_;
    std::unique_ptr<Window> window_;
    ShowState startState_ = ShowState::Normal;
    bool shownOnce_ = false;
    Window* openDialog_ = nullptr;  // the options dialog or the about box while its loop runs
    Window* openPage_ = nullptr;    // the settings page while its loop runs

    // Controls, owned by the window.
    Control* normalView_ = nullptr;
    PictureBox* gaugePanel_ = nullptr;
    PictureBox* historyGraph_ = nullptr;
    PictureBox* detailsTable_ = nullptr;
    Control* securingBanner_ = nullptr;
    std::array<Control*, SizeRowCount> sizeNumbers_{};  // the hidden size rows
    std::array<Control*, SizeRowCount> sizeUnits_{};
    Control* amountLabel_ = nullptr;
    Control* amountUnitLabel_ = nullptr;
    ScrollBar* amountSlider_ = nullptr;
    Control* warningSizeLabel_ = nullptr;
    Control* warningUnitLabel_ = nullptr;
    ScrollBar* warningSlider_ = nullptr;
    Control* statusLine_ = nullptr;
    Control* cleanupView_ = nullptr;
    Control* cleanupHeading_ = nullptr;
    Control* cleanupHeadingShadow_ = nullptr;
    PictureBox* cleanupCells_ = nullptr;
};

}  // namespace lark
