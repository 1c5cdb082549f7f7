// One running copy per user session, through a named mutex.
#pragma once

#include <string>

#include "platform/instance_lock.h"
#include "platform/win32/handles.h"

namespace lark::win32 {

inline constexpr wchar_t InstanceMutexName[] = L"Local\\Quorvane.Larkspan100";

class NamedMutexLock final : public InstanceLock {
public:
    explicit NamedMutexLock(std::wstring name = InstanceMutexName) : name_(std::move(name)) {}
    // False when the mutex existed already, or could not be made (another copy's, with rights we
    // lack): in both cases another copy runs. The handle is held until this object goes.
    bool acquire() override;

private:
    std::wstring name_;
    UniqueHandle mutex_;
};

}  // namespace lark::win32
