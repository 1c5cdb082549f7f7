// The English texts.
#include "common/texts.h"

namespace lark {

using enum Text;

extern constexpr TextEntry EnglishTexts[TextCount] = {
    {MenuTools, L"&Tools"},
    {MenuSecure, L"&Secure free memory"},
    {MenuCleanup, L"Memory &cleanup"},
    {MenuTrim, L"Trim &working sets"},
    {MenuHistory, L"Open run &history"},
    {MenuExit, L"E&xit"},
    {MenuSettings, L"&Settings"},
    {MenuOptions, L"&Options..."},
    {MenuSettingsPage, L"&Advanced settings..."},
    {MenuHelp, L"&Help"},
    {MenuHelpTopics, L"&Help"},
    {MenuAbout, L"&About Larkspan..."},

    {SizeRowsTitle, L"System memory details"},
    {AmountCaption, L"To secure"},
    {WarningCaption, L"Warning size"},
    {OptionsButton, L"Options"},
    {SecureButton, L"Secure memory"},
    {CleanupHeading, L"Cleaning up system memory......"},
    {CleanupHeadingStandard, L"Running a standard cleanup of system memory......"},
    {CleanupHeadingFull, L"Running a full cleanup of system memory......"},
    {StopCleanupButton, L"&Stop"},
    {LowMemoryQuestion, L"Free memory is below the warning size.\rSecure system memory now?"},
    {LowMemorySecured, L"Free memory fell below the warning size, so free memory was secured.\n"},

    {RowTotalPhysical, L"Total physical"},
    {RowAvailablePhysical, L"Free physical"},
    {RowTotalVirtual, L"Total virtual"},
    {RowAvailableVirtual, L"Free virtual"},
    {RowPageFile, L"Free page file"},
    {DetailsTitle, L"- System memory details -"},

    {GaugeSentence, L"{0}% of memory is free"},
    {GaugeHeading, L"Physical memory"},
    {GaugeUsed, L"Used memory"},
    {GaugeFree, L"Free memory"},
    {GraphTitle, L"Free memory"},
    {GraphSpoken, L"Free memory{0}%"},
    {TrayTip, L"Larkspan -{0}% free"},
    {StartingTip, L"Larkspan - Starting up"},

    {IdleStatus, L"Monitoring system memory"},
    {SecuringStatus, L"Securing free memory"},
    {SecuringTip, L"Larkspan - Securing free memory"},
    {TrimmingStatus, L"Trimming working sets"},
    {TrimmingTip, L"Larkspan - Trimming working sets"},
    {CleanupStatus, L"Cleaning up memory."},
    {CleanupTip, L"Larkspan - Memory cleanup in progress"},
    {CleanupDoneStatus, L"Memory cleanup:{0}"},
    {GainBytes, L"{0} bytes"},
    {GainKilobytes, L"{0} KB"},
    {GainMegabytes, L"{0} MB"},
    {SecureSucceeded, L"{0} of memory secured"},
    {SecureFailed, L"Memory was not secured"},
    {CleanupSucceededBytes, L"{0} bytes of system memory secured."},
    {CleanupSucceededKilobytes, L"{0} KB of system memory secured."},
    {CleanupSucceededMegabytes, L"{0} MB of system memory secured."},
    {NothingCleaned, L"Memory is already optimized"},
    {TrimGained, L"Trim working sets:{0} more free ({1} programs)"},
    {TrimGainedNothing, L"Trim working sets: no more free memory ({0} programs)"},

    {CommandLineSecured, L"Free memory was secured as requested from the command line.\n"},
    {CommandLineTrimmed, L"Working sets were trimmed as requested from the command line.\n"},
    {CommandLineCleaned, L"A memory cleanup was run as requested from the command line.\n"},
    {HotkeySecured, L"Free memory was secured by a hotkey.\n"},
    {HotkeyCleaned, L"A memory cleanup was run by a hotkey.\n"},
    {HotkeyTrimmed, L"Working sets were trimmed by a hotkey.\n"},

    {TrayShowPanel, L"Memory details"},
    {TraySecure, L"Secure free memory"},
    {TrayCleanup, L"Memory cleanup"},
    {TrayTrim, L"Trim &working sets"},
    {TrayOptions, L"&Options..."},
    {TrayExit, L"E&xit"},

    {OptionsTitle, L"Larkspan options"},
    {WarningFrame, L"Low-memory action"},
    {SecureAtOnce, L"Secure (recommended)"},
    {AskFirst, L"Ask first"},
    {IgnoreWarning, L"Ignore (do nothing)"},
    {StartMinimised, L"Start minimized"},
    {StartMinimisedTip, L"The main panel is not shown at startup"},
    {ApplyButton, L"OK"},
    {RegisterButton, L"Add to Startup"},
    {RegisterTip, L"Once added, Larkspan starts the next time Windows starts."},
    {HideLogo, L"Hide the startup logo"},
    {CancelButton, L"Cancel"},
    {ScheduleFrame, L"Schedule"},
    {ScheduleOn, L"Schedule"},
    {CleanupFrame, L"Memory cleanup"},
    {Every5Minutes, L"Every 5 minutes"},
    {Every10Minutes, L"Every 10 minutes"},
    {Every20Minutes, L"Every 20 minutes"},
    {Every30Minutes, L"Every 30 minutes"},
    {EveryHour, L"Every hour"},
    {StandardCheck, L"Standard"},
    {StandardCheckTip, L"A quick check"},
    {FullCheck, L"Full"},
    {FullCheckTip, L"Checks several times."},
    {SettingsPageButton, L"&Advanced settings..."},
    {Registered, L"Larkspan was added to Startup"},
    {NotRegistered, L"Larkspan could not be added to Startup"},

    {SettingsPageTitle, L"Larkspan advanced settings"},
    {HotkeyFrame, L"Hotkeys"},
    {HotkeySecure, L"Secure free memory"},
    {HotkeyCleanup, L"Memory cleanup"},
    {HotkeyTrim, L"Trim working sets"},
    {HotkeyShowPanel, L"Show panel"},
    {ClearButton, L"Clear"},
    {TrayFrame, L"Tray icon"},
    {TrayGauge, L"Gauge"},
    {TrayNumber, L"Free memory as a number"},
    {HistoryFrame, L"History"},
    {KeepHistory, L"Keep a run history"},
    {OpenFolderButton, L"Open folder"},
    {OkButton, L"OK"},
    {LanguageFrame, L"Language"},
    {LanguageMatchWindows, L"Match Windows"},
    {LanguageNextStart, L"Takes effect the next time Larkspan starts."},
    {UnusableHotkey, L"The key for \"{0}\" cannot be used as a hotkey. Combine Ctrl, Alt or Win with a letter, a "
                     L"digit, F1 to F24 or a similar key."},
    {TakenHotkeys, L"These hotkeys cannot be used because another program is using them: {0}"},
    {HotkeyListSeparator, L", "},

    {AboutTitle, L"About Larkspan"},
    {SystemInfoButton, L"&System Info..."},
    {SystemInfoUnavailable, L"System Info is not available at this time"},

    {HistoryHeader, L"Date and time,Trigger,Action,Available memory before (MB),Available memory after (MB),"
                    L"Increase (MB),Memory secured (MB),Programs,Duration (s),Result"},
    {TriggerManual, L"Manual"},
    {TriggerLowMemory, L"Low memory"},
    {TriggerSchedule, L"Schedule"},
    {TriggerCommandLine, L"Command line"},
    {ActionSecure, L"Secure free memory"},
    {ActionCleanupStandard, L"Memory cleanup (standard)"},
    {ActionCleanupFull, L"Memory cleanup (full)"},
    {ActionTrim, L"Trim working sets"},
    {RunStopped, L"Stopped"},
    {NoHistoryYet, L"No runs have been recorded yet."},

    {Usage, L"Usage: larkspan.exe [switch]\n"
            L"\n"
            L"/secure : Secures free memory by the amount set\n"
            L"/cleanup : Runs a memory cleanup in the mode set\n"
            L"/cleanup:standard : Runs a standard cleanup\n"
            L"/cleanup:full : Runs a full cleanup\n"
            L"/trim : Trims working sets\n"
            L"/? : Shows this usage\n"
            L"\n"
            L"When Larkspan is already running, that copy carries it out.\n"
            L"\n"
            L"Exit codes:\n"
            L"0 : Free memory increased, or the request was accepted\n"
            L"1 : Free memory did not increase\n"
            L"2 : The switch is not valid\n"
            L"3 : Not accepted because another action is running\n"
            L"4 : The running Larkspan did not respond"},
};
static_assert(coversEveryText(EnglishTexts), "every text, once, in the order of the identifiers");

}  // namespace lark
