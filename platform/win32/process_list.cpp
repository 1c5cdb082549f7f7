#include "platform/win32/process_list.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/win32/handles.h"
#include "platform/win32/sent_messages.h"

namespace lark::win32 {

namespace {
HANDLE asHandle(ProcessList::Handle process) { return reinterpret_cast<HANDLE>(process); }
}  // namespace

std::vector<ProcessList::ProcessId> Win32ProcessList::snapshot() {
    std::vector<ProcessId> ids;
    const HANDLE taken = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (taken == INVALID_HANDLE_VALUE) return ids;
    UniqueHandle snapshot(taken);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry))
        if (entry.th32ProcessID != 0) ids.push_back(entry.th32ProcessID);  // 0 is the idle process
    return ids;
}

ProcessList::ProcessId Win32ProcessList::self() { return ::GetCurrentProcessId(); }

std::optional<ProcessList::Handle> Win32ProcessList::open(ProcessId process) {
    const HANDLE opened = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_SET_QUOTA, FALSE, process);
    if (!opened) return std::nullopt;
    return reinterpret_cast<Handle>(opened);
}

bool Win32ProcessList::trim(Handle process) {
    const bool trimmed = ::SetProcessWorkingSetSizeEx(asHandle(process), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1), 0);
    answerSentMessages();
    return trimmed;
}

void Win32ProcessList::close(Handle process) { ::CloseHandle(asHandle(process)); }

}  // namespace lark::win32
