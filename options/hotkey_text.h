// Hotkeys as the settings store them: "Ctrl+Alt+M", the modifiers in the order Ctrl, Alt, Shift,
// Win, then the key.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace lark {

// The text of a hotkey; empty for none.
std::wstring hotkeyText(Hotkey hotkey);

// Read in any case, the modifiers in any order. An empty text is none; nothing for a text that is
// not a hotkey, names a key that cannot be one, or has no Ctrl, Alt or Win (such a key would take
// typing away from every program).
std::optional<Hotkey> parseHotkey(std::wstring_view text);

// "ホットキー Ctrl+Alt+M は他のプログラムが使用しているため使えません。", naming every key of `taken`.
std::wstring takenHotkeysText(const std::vector<Hotkey>& taken);

// Whether a combination may be a hotkey: a key of the list, with Ctrl, Alt or Win.
bool usableHotkey(Hotkey hotkey);

}  // namespace lark
