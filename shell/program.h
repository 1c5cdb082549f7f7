// The program as a whole: its services, its program-wide values and its windows.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/block_allocator.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "platform/memory_stats.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/tray.h"
#include "platform/ui.h"
#include "tray/mdl_task.h"

namespace lark {

class Form1;
class Form2;
class Form4;

// The platform services, one small interface each.
struct Services {
    Ui& ui;
    MemoryStats& memory;
    SettingsStore& settings;
    TrayIcons& tray;
    InstanceLock& instance;
    MessageBoxes& messages;
    Clock& clock;
    BlockAllocator& blocks;
};

inline constexpr wchar_t AppTitle[] = L"Larkspan";
inline constexpr wchar_t MainTitle[] = L"Larkspan    ";  // found by this exact title

class Program {
public:
    explicit Program(const Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the program: the splash's load. False when another copy runs and this one must end.
    bool start();

    // The windows, loaded on first use.
    Form1& form1();
    Form2& form2();
    bool form1Loaded() const { return form1_ != nullptr; }
    bool form2Loaded() const { return form2_ != nullptr; }
    // Loads the main panel if needed and shows it (Form1::ShowPanel).
    void showMainPanel();
    Form4* splash() { return form4_.get(); }
    void unloadSplash();

    // Module1
    bool SaveBeforeExit();
    // Every exit path: save, remove the tray icon, end the process at once.
    [[noreturn]] void exitProgram();

    Services services;
    MdlTask tray;

    // Program-wide values.
    bool ShowLogo = true;
    std::int32_t ScheduleIndex = 0;
    bool StandardCleanup = true;
    bool WarningArmed = false;
    std::int32_t ScheduleMinutes = 0;
    MemoryStatus MemStatus{};

private:
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form4> unloadedSplash_;  // kept until the end: it may still be on the stack
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
};

}  // namespace lark
