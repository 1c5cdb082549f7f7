#include "platform/win32/instance_lock.h"

namespace lark::win32 {

bool NamedMutexLock::acquire() {
    if (mutex_) return true;  // this object holds it already
    HANDLE h = ::CreateMutexW(nullptr, FALSE, name_.c_str());
    DWORD error = ::GetLastError();
    if (!h) return false;
    if (error == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(h);
        return false;
    }
    mutex_.reset(h);
    return true;
}

}  // namespace lark::win32
