// The system's processes through a Toolhelp snapshot, trimmed with the least rights that allow it.
#pragma once

#include "platform/process_list.h"

namespace lark::win32 {

class Win32ProcessList final : public ProcessList {
public:
    std::vector<ProcessId> snapshot() override;
    ProcessId self() override;
    // PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_SET_QUOTA: what a standard user holds over the
    // programs of their own account at their own integrity level.
    std::optional<Handle> open(ProcessId process) override;
    // SetProcessWorkingSetSizeEx with (SIZE_T)-1 twice, as EmptyWorkingSet does; then answers
    // what was sent to the program's windows meanwhile.
    bool trim(Handle process) override;
    void close(Handle process) override;
};

}  // namespace lark::win32
