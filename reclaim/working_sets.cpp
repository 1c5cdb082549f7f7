#include "reclaim/working_sets.h"

#include "common/texts.h"
#include "reclaim/reclaim.h"

namespace lark::reclaim {

TrimCount trimWorkingSets(ProcessList& processes) {
    TrimCount count;
    const ProcessList::ProcessId self = processes.self();
    for (const ProcessList::ProcessId id : processes.snapshot()) {
        if (id == self) continue;
        const auto handle = processes.open(id);
        const bool trimmed = handle && processes.trim(*handle);
        if (handle) processes.close(*handle);
        ++(trimmed ? count.trimmed : count.skipped);
    }
    return count;
}

std::wstring trimResult(std::int64_t gain, int trimmed) {
    const std::wstring programs = std::to_wstring(trimmed);
    return gain > 0 ? text(Text::TrimGained, {gainText(gain), programs}) : text(Text::TrimGainedNothing, {programs});
}

}  // namespace lark::reclaim
