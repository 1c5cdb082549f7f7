// The main panel's window, menus, shortcut keys and controls, as data.
#pragma once

#include <vector>

#include "platform/ui.h"

namespace lark {

WindowSpec mainPanelWindow();
// Containers come before what they hold. `shadow` and `highlight` are the system's button-shadow
// and 3D-highlight colours (the two buttons' backgrounds).
std::vector<ControlSpec> mainPanelControls(Rgb shadow, Rgb highlight);

}  // namespace lark
