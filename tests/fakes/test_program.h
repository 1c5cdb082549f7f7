// A Program over fakes, and the gtest fixture built on it.
//
//   class MyTest : public lark::fake::ProgramTest {};
//   TEST_F(MyTest, Something) {
//       memory.status = fake::machine(24 * GiB, 6 * GiB);
//       Form1& f = loadMainPanel();          // the main panel's load, as start-up runs it
//       tick();                              // one monitor tick
//       EXPECT_EQ(text(Form1::idRAM0), L"24576");
//       EXPECT_THROW(f.m04_Click(), ProcessEnded);
//   }
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "shell/form1.h"
#include "shell/form4.h"
#include "shell/program.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/fake_ui.h"
#include "tests/fakes/journal.h"
#include "tray/form2.h"

namespace lark::fake {

class TestProgram {
public:
    // `blocks`: the allocator the program reclaims with; NoBlocks (gives nothing) when null.
    explicit TestProgram(BlockAllocator* blocks = nullptr);
    virtual ~TestProgram() = default;
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;

    Journal journal;  // what the fakes did, in order
    FakeUi ui;
    FakeMemoryStats memory;
    FakeSettingsStore settings;
    FakeTrayIcons tray;
    FakeInstanceLock instance;
    FakeMessageBoxes messages;
    FakeClock clock;
    NoBlocks noBlocks;
    Program program;

    bool start() { return program.start(); }  // the splash's load
    Form1& loadMainPanel() { return program.form1(); }
    Form1& form1() { return program.form1(); }

    FakeWindow& mainWindow();
    FakeWindow& trayHost();
    FakeWindow* splashWindow();  // null once the splash is unloaded (or before start)

    // Main panel controls.
    ControlState& control(int id) { return mainWindow().control(id); }
    const std::wstring& text(int id) { return mainWindow().control(id).caption; }
    FakeCanvas& canvas(int pictureId) { return mainWindow().picture(pictureId).fake(); }
    FakeScrollBar& slider(int id) { return mainWindow().scrollBar(id); }

    // Ticks of the main panel's timers (only while they run).
    bool tick() { return mainWindow().fire(Form1::idTimer1); }
    bool warningTick() { return mainWindow().fire(Form1::idTimer2); }
};

class ProgramTest : public ::testing::Test, public TestProgram {};

}  // namespace lark::fake
