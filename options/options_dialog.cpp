#include "options/options_dialog.h"

#include <utility>

#include "common/dialog_support.h"
#include "common/texts.h"
#include "options/startup_shortcut.h"

namespace lark {
namespace options {

namespace {
constexpr Rgb Red{255, 0, 0}, Blue{0, 0, 255};
constexpr Font Caption975{Face::Gothic, 9.75, true};
}  // namespace

WindowSpec dialogWindow() {
    return {.title = text(Text::OptionsTitle), .style = WindowStyle::Dialog, .client = {twips(6015), twips(2730)}};
}

std::vector<ControlSpec> dialogControls() {
    constexpr int OnWarning = 1, Cleanup = 2;  // the two option groups
    return {
        {.id = idWarningFrame, .kind = Kind::Frame, .bounds = twips(120, 120, 3015, 1095), .caption = text(Text::WarningFrame), .textColour = Red, .defaultTextColour = false, .font = Caption975},
        {.id = idSecureAtOnce, .kind = Kind::Option, .parent = idWarningFrame, .bounds = twips(120, 240, 2775, 255), .caption = text(Text::SecureAtOnce), .textColour = Blue, .defaultTextColour = false, .value = 1, .group = OnWarning},
        {.id = idAsk, .kind = Kind::Option, .parent = idWarningFrame, .bounds = twips(120, 480, 2775, 255), .caption = text(Text::AskFirst), .group = OnWarning},
        {.id = idIgnore, .kind = Kind::Option, .parent = idWarningFrame, .bounds = twips(120, 720, 2775, 255), .caption = text(Text::IgnoreWarning), .group = OnWarning},
        {.id = idStartMinimised, .kind = Kind::CheckBox, .bounds = twips(3240, 960, 2415, 255), .caption = text(Text::StartMinimised), .textColour = Blue, .defaultTextColour = false, .tooltip = text(Text::StartMinimisedTip)},
        {.id = idApply, .kind = Kind::DefaultButton, .bounds = twips(2160, 2280, 1695, 375), .caption = text(Text::ApplyButton)},
        {.id = idRegister, .kind = Kind::Button, .bounds = twips(3240, 1680, 2175, 375), .caption = text(Text::RegisterButton), .tooltip = text(Text::RegisterTip)},
        {.id = idHideLogo, .kind = Kind::CheckBox, .bounds = twips(3240, 1320, 2415, 255), .caption = text(Text::HideLogo), .textColour = Blue, .defaultTextColour = false},
        {.id = idCancel, .kind = Kind::Button, .bounds = twips(4080, 2280, 1695, 375), .caption = text(Text::CancelButton)},
        // The schedule check box lies on the frame's top edge, over the frame's own caption: it is the frame's title.
        {.id = idScheduleFrame, .kind = Kind::Frame, .bounds = twips(3240, 120, 2655, 615), .caption = text(Text::ScheduleFrame)},
        {.id = idScheduleOn, .kind = Kind::CheckBox, .parent = idScheduleFrame, .bounds = twips(120, 0, 2295, 255), .caption = text(Text::ScheduleOn), .textColour = Red, .defaultTextColour = false},
        {.id = idCleanupFrame, .kind = Kind::Frame, .bounds = twips(120, 1320, 3015, 855), .caption = text(Text::CleanupFrame), .textColour = Red, .defaultTextColour = false},
        {.id = idScheduleList, .kind = Kind::Combo, .parent = idScheduleFrame, .bounds = twips(240, 240, 2295, 300),
         .items = {text(Text::Every5Minutes), text(Text::Every10Minutes), text(Text::Every20Minutes), text(Text::Every30Minutes), text(Text::EveryHour)}},
        {.id = idStandardCheck, .kind = Kind::Option, .parent = idCleanupFrame, .bounds = twips(120, 240, 1575, 255), .caption = text(Text::StandardCheck), .value = 1, .tooltip = text(Text::StandardCheckTip), .group = Cleanup},
        {.id = idFullCheck, .kind = Kind::Option, .parent = idCleanupFrame, .bounds = twips(120, 480, 1575, 255), .caption = text(Text::FullCheck), .tooltip = text(Text::FullCheckTip), .group = Cleanup},
        // In the free corner left of the dialog's own buttons.
        {.id = idSettingsPage, .kind = Kind::Button, .bounds = twips(120, 2280, 1920, 375), .caption = text(Text::SettingsPageButton)},
    };
}

}  // namespace options

using namespace options;

namespace {
constexpr int ScheduleEntries = 5;

// Ticks one option of a group and clears the others.
template <std::size_t N>
void choose(const std::array<CheckBox*, N>& group, std::size_t index) {
    for (std::size_t i = 0; i < N; ++i) group[i]->setValue(i == index ? 1 : 0);
}
}  // namespace

OptionsDialog::OptionsDialog(OptionsServices& services, Settings& settings, std::function<void()> save,
                             std::function<void()> openSettingsPage)
    : services_(services), settings_(settings), save_(std::move(save)), openSettingsPage_(std::move(openSettingsPage)) {}

OptionsDialog::~OptionsDialog() = default;

Window& OptionsDialog::open(std::optional<Rect> centreOver) {
    window_ = services_.ui.createWindow(dialogWindow(), *this);
    build();
    load();
    placeDialog(*window_, services_.ui, centreOver);
    return *window_;
}

void OptionsDialog::runModal() {
    if (window_) window_->runModal();
}

void OptionsDialog::build() {
    Window& w = *window_;
    w.setIcon(Picture::AppIcon);
    for (const ControlSpec& c : dialogControls()) {
        switch (c.id) {
        case idSecureAtOnce: case idAsk: case idIgnore: onWarning_[c.id - idSecureAtOnce] = &w.addCheck(c); break;
        case idStandardCheck: standard_ = &w.addCheck(c); break;
        case idFullCheck: full_ = &w.addCheck(c); break;
        case idStartMinimised: startMinimised_ = &w.addCheck(c); break;
        case idHideLogo: hideLogo_ = &w.addCheck(c); break;
        case idScheduleOn: scheduleOn_ = &w.addCheck(c); break;
        case idScheduleList: scheduleList_ = &w.addCombo(c); break;
        default: w.add(c); break;
        }
    }
    scheduleList_->setEnabled(false);  // until the schedule is ticked
}

// Fills the controls from the settings. A value the controls cannot show (an action outside the
// three, a schedule outside the list) leaves its control as designed, and loading goes on.
void OptionsDialog::load() {
    if (settings_.startupWindow == StartupWindow::Minimised) startMinimised_->setValue(1);
    const int action = static_cast<int>(settings_.lowMemoryAction);
    if (action >= 0 && action < 3) choose(onWarning_, static_cast<std::size_t>(action));
    hideLogo_->setValue(settings_.showSplash ? 0 : 1);
    choose(std::array{standard_, full_}, settings_.standardCleanup ? 0 : 1);
    const std::int32_t schedule = settings_.scheduleIndex;
    if (schedule != 0) {
        scheduleOn_->setValue(1);
        scheduleTicked();
        if (schedule >= 1 && schedule <= ScheduleEntries) scheduleList_->select(schedule - 1);
    } else {
        scheduleOn_->setValue(0);
        scheduleList_->select(0);
    }
}

// The list can be used exactly while the schedule is ticked; it keeps its entry meanwhile.
void OptionsDialog::scheduleTicked() { scheduleList_->setEnabled(scheduleOn_->value() != 0); }

void OptionsDialog::apply() {
    settings_.startupWindow = startMinimised_->value() != 0 ? StartupWindow::Minimised : StartupWindow::Normal;
    for (int i = 0; i < 3; ++i)
        if (onWarning_[static_cast<std::size_t>(i)]->value() != 0) settings_.lowMemoryAction = static_cast<LowMemoryAction>(i);
    settings_.showSplash = hideLogo_->value() == 0;
    settings_.standardCleanup = standard_->value() != 0;
    // A list with nothing chosen counts as no schedule.
    settings_.scheduleIndex = scheduleOn_->value() != 0 ? scheduleList_->selected() + 1 : 0;
    if (save_) save_();
    window_->close();
}

void OptionsDialog::onCommand(int id) {
    switch (id) {
    case idApply: apply(); break;
    case idCancel: window_->close(); break;
    case idScheduleOn: scheduleTicked(); break;
    case idRegister: registerAtStartup(services_.files, services_.shortcuts, services_.messages); break;
    case idSettingsPage: if (openSettingsPage_) openSettingsPage_(); break;
    default: break;
    }
}

void OptionsDialog::onClose() { window_->close(); }

}  // namespace lark
