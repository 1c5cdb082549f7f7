// Trimming the working sets of the user's programs: what a standard user may do to every process
// of their own account and integrity level, without touching or committing a byte.
#pragma once

#include <cstdint>
#include <string>

#include "platform/process_list.h"

namespace lark::reclaim {

struct TrimCount {
    int trimmed = 0;
    int skipped = 0;  // could not be opened or refused: another user's, elevated, protected, ended
};

// Every process of a snapshot but this one, each opened, trimmed and closed in turn.
TrimCount trimWorkingSets(ProcessList& processes);

// "ワーキング セットの縮小:  812.5MB増えました (12 個のプログラム)"
std::wstring trimResult(std::int64_t gain, int trimmed);

}  // namespace lark::reclaim
