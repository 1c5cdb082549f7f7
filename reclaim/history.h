// The history of runs: every reclamation, however it started, adds one line to a CSV file when it
// ends, with what it found, what it did and what it gained.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/log_files.h"
#include "platform/message_box.h"
#include "platform/processes.h"

namespace lark {

// What started a run.
enum class Trigger { Manual, LowMemory, Schedule, CommandLine };
enum class RunAction { Secure, CleanupStandard, CleanupFull, Trim };

struct RunRecord {
    LocalDateTime started;
    Trigger trigger = Trigger::Manual;
    RunAction action = RunAction::Secure;
    std::uint64_t availableBefore = 0, availableAfter = 0;  // bytes
    std::uint64_t heldAtMost = 0;                           // what the blocks held at their largest
    std::optional<int> programsTrimmed;
    std::uint64_t milliseconds = 0;
    std::wstring result;  // the result text the user saw
    bool stopped = false;  // a cleanup the user stopped
};

// Where every run reports when it ends.
class RunLog {
public:
    virtual ~RunLog() = default;
    virtual void record(const RunRecord& run) = 0;
    // The file the runs go to; empty when they are kept nowhere.
    virtual const std::wstring& path() const = 0;
    // Off: runs are not recorded.
    virtual void setEnabled(bool on) = 0;
};

namespace history {

constexpr std::uint64_t RollOverBytes = std::uint64_t{1} << 20;
constexpr std::size_t MostWaiting = 100;

// The header line and a run's line: UTF-8, RFC 4180 quoting, CRLF.
std::string headerLine();
std::string csvLine(const RunRecord& run);

// The file of a portable copy lies beside the program; an installed one writes to the user's
// local application data. Empty when neither folder is known.
std::wstring filePath(std::wstring_view exePath, bool portable, const std::optional<std::wstring>& localAppData);

// Opens the file in the program Windows associates with .csv, in Notepad when there is none; says
// in a box when nothing has been recorded yet.
void open(std::wstring_view path, FileSystem& files, Processes& processes, MessageBoxes& messages);

}  // namespace history

// The history file. A line that cannot be written waits in memory and goes before the next one;
// the oldest go first when too many wait. A file past its size, or one whose header is in another
// language than the one in use, is kept with ".1" added and a new one begins. Nothing here ever
// shows a box or stops a run.
class HistoryFile final : public RunLog {
public:
    HistoryFile(LogFiles& files, std::wstring path) : files_(files), path_(std::move(path)) {}
    void record(const RunRecord& run) override;
    const std::wstring& path() const override { return path_; }
    void setEnabled(bool on) override { enabled_ = on; }
    std::size_t waiting() const { return waiting_.size(); }

private:
    LogFiles& files_;
    const std::wstring path_;
    std::deque<std::string> waiting_;
    bool enabled_ = true;
};

}  // namespace lark
