// The platform services the program runs on, one small interface each.
#pragma once

#include "platform/block_allocator.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "platform/memory_stats.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/tray.h"
#include "platform/ui.h"

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
};

}  // namespace lark
