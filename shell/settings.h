// The stored settings: what they mean, and how they are read and written. Every value is text under
// its own name ("Flag01" to "Flag07", then the later ones by what they hold), which stays as it is so
// that stored settings carry over.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/texts.h"
#include "monitor/low_memory.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace lark {

// The main panel's window state when the program starts. Stored as its number; a number outside
// these is read as it stands and treated as Normal when the panel loads.
enum class StartupWindow : std::int16_t { Normal = 0, Minimised = 1, Maximised = 2 };

// What the hotkeys do, in the order of the settings page: the tray menu's items.
enum HotkeyAction : int { SecureKey, CleanupKey, TrimKey, ShowPanelKey };
constexpr int HotkeyCount = 4;

// The tray picture: the 12-step gauge, or the free share as a number.
enum class TrayStyle { Gauge, Number };

struct Settings {
    int amountSteps = 55;  // the amount slider, 0 to 68 steps of 1/78 of physical memory
    int warningSteps = 5;  // the warning-size slider, 0 to 28 steps
    StartupWindow startupWindow = StartupWindow::Normal;
    LowMemoryAction lowMemoryAction = LowMemoryAction::SecureAtOnce;
    bool showSplash = true;
    std::int32_t scheduleIndex = 0;  // 0 none; 1 to 5: every 5, 10, 20, 30 or 60 minutes
    bool standardCleanup = true;     // three passes; false: nine
    std::array<Hotkey, HotkeyCount> hotkeys{};  // none by default
    TrayStyle trayStyle = TrayStyle::Gauge;
    bool keepHistory = true;         // every run adds a line to the history file
    std::optional<Language> language;  // nothing: the one Windows displays; it takes effect at the next start
    friend bool operator==(const Settings&, const Settings&) = default;
};

// Every setting; a value that is missing or cannot be read as its type keeps its default, and a
// slider position out of its range goes back to the default position.
Settings loadSettings(SettingsStore& store);

// Where a portable copy keeps its settings: larkspan.ini beside the executable. When that file
// exists, the settings live there and nowhere else. Nothing when the executable's path is unknown.
std::optional<std::wstring> portableSettingsFile(std::wstring_view exePath);

// The language the program speaks: the chosen one, else Japanese on a Windows that displays
// Japanese and English on any other (`displayLanguage` is Windows' LANGID).
Language languageToUse(const Settings& settings, std::uint16_t displayLanguage);

// Writes every setting. A value that cannot be written keeps what it held; the others are still
// written.
void saveSettings(SettingsStore& store, const Settings& settings);

}  // namespace lark
