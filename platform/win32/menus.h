// Menus and keyboard shortcuts built from their descriptions.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/ui.h"
#include "platform/win32/handles.h"

namespace lark::win32 {

// A menu bar with a submenu per top-level item; nullptr when there are no items. The window that
// receives it owns it.
HMENU buildMenuBar(const std::vector<MenuItem>& items);
UniqueMenu buildPopupMenu(const std::vector<MenuItem>& items);
UniqueAccel buildAccelerators(const std::vector<Accelerator>& accelerators);

}  // namespace lark::win32
