// Fakes of the small platform services: each records what it was asked and answers as the test says.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/block_allocator.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/instance_lock.h"
#include "platform/memory_stats.h"
#include "platform/message_box.h"
#include "platform/running_copy.h"
#include "platform/settings_store.h"
#include "platform/tray.h"

namespace lark::fake {

constexpr std::uint64_t KiB = 1024, MiB = 1024 * KiB, GiB = 1024 * MiB;

// A machine: total and available physical memory; the other counts follow plausibly.
MemoryStatus machine(std::uint64_t totalPhys, std::uint64_t availPhys);

class FakeMemoryStats final : public MemoryStats {
public:
    MemoryStatus sample() override { return status; }
    MemoryStatus freshSample() override { return ++freshSamples, status; }
    Headroom headroom() override { return room; }

    MemoryStatus status = machine(256 * MiB, 128 * MiB);
    Headroom room{1 * GiB, 1 * GiB};
    int freshSamples = 0;
};

class FakeSettingsStore final : public SettingsStore {
public:
    std::optional<std::wstring> read(std::wstring_view key) override;
    bool write(std::wstring_view key, std::wstring_view value) override;

    std::map<std::wstring, std::wstring, std::less<>> values;  // what is stored
    std::set<std::wstring, std::less<>> failing;                // keys whose writes fail
    std::function<void()> onWrite;                              // runs at every write
};

class FakeTrayIcons final : public TrayIcons {
public:
    enum Op { Add, Modify, Remove };
    struct Call {
        Op op;
        TrayRecord record;
    };
    bool add(const TrayRecord& record) override;
    bool modify(const TrayRecord& record) override;
    bool remove(const TrayRecord& record) override;

    // Behaves like the shell: one icon per window and id; adding it twice or touching a missing one
    // fails. `shellReady` false makes everything fail (no taskbar yet).
    bool shellReady = true;
    std::vector<Call> calls;
    std::optional<TrayRecord> shown;  // the icon in the notification area now
    void shellRestarted() { shown.reset(); }  // the taskbar came back empty
    int count(Op op) const;
    const Call& last() const { return calls.back(); }

private:
    bool holds(const TrayRecord& record) const;  // the shell shows this window's icon of this id
};

struct FakeInstanceLock final : InstanceLock {
    bool acquire() override { return free; }
    bool free = true;  // false: another copy holds it
};

struct FakeConsole final : Console {
    Output output() override { return where; }
    bool writeConsole(std::wstring_view text) override { return consoleThere && (lines.push_back({std::wstring(text), 0}), true); }
    bool writeRedirected(std::wstring_view text, unsigned codePage) override { return lines.push_back({std::wstring(text), codePage}), true; }
    unsigned consoleCodePage() override { return consoleThere ? codePage : 0; }
    bool interactiveDesktop() override { return desktop; }

    Output where = Output::Console;
    bool consoleThere = true;  // a console to write into or attach to
    unsigned codePage = 932;
    bool desktop = true;
    struct Line {
        std::wstring text;
        unsigned codePage;  // 0: written into a console
        friend bool operator==(const Line&, const Line&) = default;
    };
    std::vector<Line> lines;
};

struct FakeRunningCopy final : RunningCopy {
    std::optional<std::intptr_t> send(std::wstring_view title, std::uintptr_t tag, std::span<const std::uint8_t> data, int) override {
        sent.push_back({std::wstring(title), tag, {data.begin(), data.end()}});
        return answer;
    }
    struct Sent {
        std::wstring title;
        std::uintptr_t tag;
        std::vector<std::uint8_t> data;
    };
    std::optional<std::intptr_t> answer;  // nothing: no answer in time
    std::vector<Sent> sent;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        std::wstring text;
        int flags;
        std::wstring title = L"Larkspan";
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    // Answers the next scripted answer, else OK or No.
    int show(std::wstring_view text, int flags, std::wstring_view title) override;

    std::deque<int> answers;
    std::vector<Shown> shown;
    std::function<void()> whileShown;  // runs while the box is up (the program's events go on)
};

class FakeClock final : public Clock {
public:
    TimeOfDay localTime() override { return date.time; }
    LocalDateTime now() override { return date; }
    std::uint64_t milliseconds() override { return ms; }
    LocalDateTime date{2026, 12, 8, {4, 5, 9}, 540};  // single digits: a time stamp pads each to two
    std::uint64_t ms = 1000;
};

// Never gives a block; for tests that do not reclaim.
struct NoBlocks final : BlockAllocator {
    void* claim(std::size_t) override { return nullptr; }
    void release(void*) override {}
};

}  // namespace lark::fake
