// The options dialog: what happens when memory runs low, the securing schedule, the cleanup mode,
// starting minimised, the start-up logo, and the button that makes the program start with Windows.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/shortcuts.h"
#include "platform/ui.h"
#include "shell/settings.h"

namespace lark {

struct OptionsServices {
    Ui& ui;
    MessageBoxes& messages;
    Shortcuts& shortcuts;
    FileSystem& files;
};

namespace options {

// Control ids; each is also the control's command id.
enum Id : int {
    idWarningFrame = 100, idSecureAtOnce, idAsk, idIgnore,
    idStartMinimised, idApply, idRegister, idHideLogo, idCancel,
    idScheduleFrame, idScheduleOn, idCleanupFrame, idScheduleList, idStandardCheck, idFullCheck, idSettingsPage,
};

WindowSpec dialogWindow();
// In tab order; containers come before what they hold.
std::vector<ControlSpec> dialogControls();

}  // namespace options

// The dialog. It opens centred over `centreOver` (the main panel's frame) or, without one, on the
// screen. Its controls start from `settings`; apply writes the five values the dialog owns back into
// `settings` and then calls `save`, which stores all seven. Cancel and the close box change nothing.
class OptionsDialog final : public WindowEvents {
public:
    // `openSettingsPage` opens the page of further settings over the dialog.
    OptionsDialog(OptionsServices& services, Settings& settings, std::function<void()> save,
                  std::function<void()> openSettingsPage = nullptr);
    ~OptionsDialog() override;
    OptionsDialog(const OptionsDialog&) = delete;
    OptionsDialog& operator=(const OptionsDialog&) = delete;

    // Builds the window, fills its controls from the settings and places it; not shown yet.
    Window& open(std::optional<Rect> centreOver);
    // Shows the window modally until apply, cancel or the close box closes it.
    void runModal();

private:
    void build();
    void load();
    void scheduleTicked();
    void apply();
    void onCommand(int id) override;
    void onClose() override;

    OptionsServices& services_;
    Settings& settings_;
    std::function<void()> save_;
    std::function<void()> openSettingsPage_;
    std::unique_ptr<Window> window_;
    std::array<CheckBox*, 3> onWarning_{};
    CheckBox* standard_ = nullptr;
    CheckBox* full_ = nullptr;
    CheckBox* startMinimised_ = nullptr;
    CheckBox* hideLogo_ = nullptr;
    CheckBox* scheduleOn_ = nullptr;
    ComboList* scheduleList_ = nullptr;
};

}  // namespace lark
