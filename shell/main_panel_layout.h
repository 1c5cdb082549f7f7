// The main panel's window, menus, shortcut keys and controls, as data.
#pragma once

#include <vector>

#include "platform/ui.h"

namespace lark {

inline constexpr wchar_t MainPanelTitle[] = L"Larkspan    ";  // other programs find the panel by this exact title

// Control, menu and timer ids of the main panel. The numbers are part of what other programs and the
// tests see; keep them.
enum MainPanelId : int {
    NormalView = 100, CleanupView, StopCleanupButton, CleanupCells, CleanupHeadingShadow, CleanupHeading,
    GaugePanel, HistoryGraph, DetailsTable, SecuringBanner, SizeRowsFrame,
    SizeRowCaption, SizeRowNumber = SizeRowCaption + 5, SizeRowUnit = SizeRowNumber + 5,
    AmountCaption = SizeRowUnit + 5, AmountLabel, AmountUnitLabel, AmountSlider,
    WarningCaption, WarningSizeLabel, WarningUnitLabel, WarningSlider,
    OptionsButton, SecureButton, StatusLine,
    // menus
    SecureCommand = 200, CleanupCommand, ExitCommand, OptionsCommand, HelpCommand, AboutCommand, TrimCommand, HistoryCommand, SettingsPageCommand,
    // timers
    MonitorTimer = 300, WarningTimer,
};

WindowSpec mainPanelWindow();
// Containers come before what they hold. `shadow` and `highlight` are the system's button-shadow
// and 3D-highlight colours (the two buttons' backgrounds).
std::vector<ControlSpec> mainPanelControls(Rgb shadow, Rgb highlight);

}  // namespace lark
