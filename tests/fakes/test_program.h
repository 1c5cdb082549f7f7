// A Program over fakes, and the gtest fixture built on it. Tests drive it as the platform would: by
// timers, commands and scroll events of its windows, found by their titles.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "shell/main_panel_layout.h"
#include "shell/program.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/fake_system.h"
#include "tests/fakes/fake_ui.h"

namespace lark::fake {

class TestProgram {
public:
    // `blocks`: the allocator the program reclaims with; NoBlocks (gives nothing) when null.
    explicit TestProgram(BlockAllocator* blocks = nullptr);  // not copyable, as the Program it holds

    FakeUi ui;
    FakeMemoryStats memory;
    FakeSettingsStore settings;
    FakeTrayIcons tray;
    FakeInstanceLock instance;
    FakeMessageBoxes messages;
    FakeClock clock;
    NoBlocks noBlocks;
    FakeFileSystem files;
    FakeShortcuts shortcuts;
    FakeRegistry registry;
    FakeProcesses processes;
    FakeProcessList processList;
    FakeLogFiles logFiles;
    HistoryFile history{logFiles, L"C:\\Users\\u\\AppData\\Local\\Larkspan\\history.csv"};
    Program program;

    Services services(BlockAllocator& blocks);  // the fakes above, reclaiming with `blocks`

    // Starts the program and lets the splash's time run out: the main panel is loaded and shown.
    FakeWindow& loadMainPanel();

    // What started each run in the history file and what it did: "予約,空き領域確保".
    std::vector<std::string> runsRecorded();

    FakeWindow* window(std::wstring_view title) const;  // an open window with this title, or null
    FakeWindow& mainWindow();
    FakeWindow& trayHost();
    FakeWindow* splash() const;  // null once its time is over (or before start)

    const std::wstring& text(int id) { return mainWindow().control(id).caption; }
    FakeCanvas& canvas(int pictureId) { return mainWindow().picture(pictureId).fake(); }
    FakeScrollBar& slider(int id) { return mainWindow().scrollBar(id); }
    bool tick() { return mainWindow().fire(MonitorTimer); }
    bool warningTick() { return mainWindow().fire(WarningTimer); }
};

class ProgramTest : public ::testing::Test, public TestProgram {};

}  // namespace lark::fake
