#include "reclaim/working_sets.h"

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
    return L"ワーキング セットの縮小: " + (gain > 0 ? gainText(gain) + L"増えました" : L"空きは増えませんでした") + L" (" +
           std::to_wstring(trimmed) + L" 個のプログラム)";
}

}  // namespace lark::reclaim
