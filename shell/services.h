// The platform services the program runs on, one small interface each.
#pragma once

#include "platform/block_allocator.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/instance_lock.h"
#include "platform/machine_registry.h"
#include "platform/memory_stats.h"
#include "platform/message_box.h"
#include "platform/process_list.h"
#include "platform/processes.h"
#include "platform/settings_store.h"
#include "platform/shortcuts.h"
#include "platform/tray.h"
#include "platform/ui.h"
#include "reclaim/history.h"

namespace lark {

struct Services {
    Ui& ui;
    MemoryStats& memory;
    SettingsStore& settings;
    TrayIcons& tray;
    InstanceLock& instance;
    MessageBoxes& messages;
    Clock& clock;
    BlockAllocator& blocks;
    FileSystem& files;
    Shortcuts& shortcuts;
    MachineRegistry& registry;
    Processes& processes;
    ProcessList& processList;
    RunLog& history;
};

}  // namespace lark
