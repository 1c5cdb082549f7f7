// Every text the program shows, writes or speaks, in each language it speaks. A text is reached by its
// identifier from anywhere; the language in use is chosen once, when the program starts. A text with
// "{0}", "{1}" takes values, so that each language puts them where its own word order wants them.
// Numbers come with the blank of their sign position (" 68"): a text leaves no blank before them.
//
// Another language is one more table (texts_<code>.cpp), one row in the list of languages and a
// help page: a table that lacks a text does not compile.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace lark {

enum class Language : int { Japanese, English };
inline constexpr int LanguageCount = 2;

enum class Text : int {
    // The main panel's menus.
    MenuTools, MenuSecure, MenuCleanup, MenuTrim, MenuHistory, MenuExit,
    MenuSettings, MenuOptions, MenuSettingsPage, MenuHelp, MenuHelpTopics, MenuAbout,
    // The main panel.
    SizeRowsTitle, AmountCaption, WarningCaption, OptionsButton, SecureButton,
    CleanupHeading, CleanupHeadingStandard, CleanupHeadingFull, StopCleanupButton,
    LowMemoryQuestion, LowMemorySecured,
    // The memory rows, in the details table and in the hidden size rows.
    RowTotalPhysical, RowAvailablePhysical, RowTotalVirtual, RowAvailableVirtual, RowPageFile, DetailsTitle,
    // The gauge and the history graph.
    GaugeSentence, GaugeHeading, GaugeUsed, GaugeFree, GraphTitle, GraphSpoken, TrayTip, StartingTip,
    // Runs: the status line, the tray tip while they run, their results.
    IdleStatus, SecuringStatus, SecuringTip, TrimmingStatus, TrimmingTip, CleanupStatus, CleanupTip,
    CleanupDoneStatus, GainBytes, GainKilobytes, GainMegabytes, SecureSucceeded, SecureFailed,
    CleanupSucceededBytes, CleanupSucceededKilobytes, CleanupSucceededMegabytes, NothingCleaned,
    TrimGained, TrimGainedNothing,
    // Notices of runs nobody watched start.
    CommandLineSecured, CommandLineTrimmed, CommandLineCleaned, HotkeySecured, HotkeyCleaned, HotkeyTrimmed,
    // The tray menu.
    TrayShowPanel, TraySecure, TrayCleanup, TrayTrim, TrayOptions, TrayExit,
    // The options dialog.
    OptionsTitle, WarningFrame, SecureAtOnce, AskFirst, IgnoreWarning, StartMinimised, StartMinimisedTip,
    ApplyButton, RegisterButton, RegisterTip, HideLogo, CancelButton, ScheduleFrame, ScheduleOn, CleanupFrame,
    Every5Minutes, Every10Minutes, Every20Minutes, Every30Minutes, EveryHour,
    StandardCheck, StandardCheckTip, FullCheck, FullCheckTip, SettingsPageButton,
    Registered, NotRegistered,
    // The settings page.
    SettingsPageTitle, HotkeyFrame, HotkeySecure, HotkeyCleanup, HotkeyTrim, HotkeyShowPanel, ClearButton,
    TrayFrame, TrayGauge, TrayNumber, HistoryFrame, KeepHistory, OpenFolderButton, OkButton,
    LanguageFrame, LanguageMatchWindows, LanguageNextStart, UnusableHotkey, TakenHotkeys, HotkeyListSeparator,
    // The about box.
    AboutTitle, SystemInfoButton, SystemInfoUnavailable,
    // The history file and its box.
    HistoryHeader, TriggerManual, TriggerLowMemory, TriggerSchedule, TriggerCommandLine,
    ActionSecure, ActionCleanupStandard, ActionCleanupFull, ActionTrim, RunStopped, NoHistoryYet,
    // The command line.
    Usage,
    Count
};
inline constexpr int TextCount = static_cast<int>(Text::Count);

// One language's table: every text, in the order of the identifiers.
struct TextEntry {
    Text id;
    std::wstring_view text;
};
template <std::size_t N>
consteval bool coversEveryText(const TextEntry (&entries)[N]) {
    if (N != TextCount) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (entries[i].id != static_cast<Text>(i) || entries[i].text.empty()) return false;
    return true;
}

struct LanguageInfo {
    Language language;
    std::wstring_view code;       // as the settings store it: "ja", "en"
    std::wstring_view ownName;    // the language's name in itself: "日本語", "English"
    std::uint16_t primaryId;      // Windows' primary language id (the low 10 bits of a LANGID)
    std::wstring_view helpPage;   // the help page's file name, beside the program
    const TextEntry* texts;
};
const LanguageInfo& languageInfo(Language language);

// The language the settings name, in any case: nothing for "auto" or anything unknown.
std::optional<Language> languageOfCode(std::wstring_view code);
// The language for a Windows display language (a LANGID): its own when there is a table for it,
// English otherwise.
Language languageForDisplay(std::uint16_t displayLanguage);

// Chosen once at start; Japanese until then.
void useLanguage(Language language);
Language languageInUse();

std::wstring text(Text id);
std::wstring_view text(Text id, Language language);
// The text with "{0}", "{1}", ... replaced by the values.
std::wstring text(Text id, std::initializer_list<std::wstring_view> values);

}  // namespace lark
