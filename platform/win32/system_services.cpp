#include "platform/win32/system_services.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <winver.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace lark::win32 {
namespace {

// COM for one call's scope, on a thread that may or may not have it already.
class ComScope {
public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    // A thread already in the other apartment model can use the shell's objects all the same.
    bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p_) p_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    void** put() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

DWORD attributes(std::wstring_view path) {
    if (path.empty()) return INVALID_FILE_ATTRIBUTES;
    return ::GetFileAttributesW(std::wstring(path).c_str());
}

}  // namespace

// ---- Folders and files ----

std::optional<std::wstring> Win32FileSystem::windowsFolder() {
    DWORD size = ::GetEnvironmentVariableW(L"windir", nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    DWORD length = ::GetEnvironmentVariableW(L"windir", value.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    value.resize(length);
    return value;
}

std::wstring Win32FileSystem::exePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};  // longer than any path can be
        path.resize(path.size() * 2);
    }
}

std::wstring Win32FileSystem::productVersion() {
    const std::wstring exe = exePath();
    DWORD ignored = 0;
    const DWORD size = exe.empty() ? 0 : ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<std::byte> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!::GetFileVersionInfoW(exe.c_str(), 0, size, data.data()) ||
        !::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || length < sizeof *info)
        return {};
    return std::to_wstring(HIWORD(info->dwProductVersionMS)) + L'.' + std::to_wstring(LOWORD(info->dwProductVersionMS)) +
           L'.' + std::to_wstring(HIWORD(info->dwProductVersionLS));
}

namespace {
std::optional<std::wstring> knownFolder(REFKNOWNFOLDERID id, DWORD flags) {
    PWSTR raw = nullptr;
    HRESULT result = ::SHGetKnownFolderPath(id, flags, nullptr, &raw);
    std::optional<std::wstring> folder;
    if (SUCCEEDED(result) && raw && *raw) folder = std::wstring(raw);
    ::CoTaskMemFree(raw);
    return folder;
}
}  // namespace

std::optional<std::wstring> Win32FileSystem::userStartupFolder() { return knownFolder(FOLDERID_Startup, KF_FLAG_CREATE); }
std::optional<std::wstring> Win32FileSystem::localAppDataFolder() { return knownFolder(FOLDERID_LocalAppData, 0); }

bool Win32FileSystem::directoryExists(std::wstring_view path) {
    DWORD a = attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::fileExists(std::wstring_view path) {
    DWORD a = attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// ---- Shortcuts ----

bool ShellShortcuts::create(std::wstring_view link, std::wstring_view target) {
    if (link.empty() || target.empty()) return false;
    ComScope com;
    if (!com.usable()) return false;
    ComRef<IShellLinkW> shortcut;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shortcut.put())))
        return false;
    if (FAILED(shortcut->SetPath(std::wstring(target).c_str()))) return false;
    ComRef<IPersistFile> file;
    if (FAILED(shortcut->QueryInterface(IID_IPersistFile, file.put()))) return false;
    return SUCCEEDED(file->Save(std::wstring(link).c_str(), TRUE));
}

// ---- The machine-wide registry ----

std::optional<RegistryValue> Win32MachineRegistry::read(std::wstring_view key, std::wstring_view name) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, std::wstring(key).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey opened(raw);
    // Room for MaxChars characters and their terminating zero; one more character stays zero, so
    // that a text stored without its terminator still ends.
    std::vector<wchar_t> buffer(MaxChars + 2, L'\0');
    DWORD type = 0;
    auto bytes = static_cast<DWORD>((MaxChars + 1) * sizeof(wchar_t));
    if (::RegQueryValueExW(opened.get(), std::wstring(name).c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    if (type == REG_SZ) {
        value.type = RegistryValue::Type::Text;
        value.text = buffer.data();  // up to the first zero
    } else if (type == REG_DWORD && bytes == sizeof(DWORD)) {
        value.type = RegistryValue::Type::Number;
        value.number = *reinterpret_cast<const DWORD*>(buffer.data());
    }
    return value;
}

// ---- Starting programs ----

bool Win32Processes::start(std::wstring_view application, std::wstring_view commandLine, ProcessWindow window) {
    // Never without the program's path: Windows would take it from the command line and, at a
    // blank in "C:\Program Files\...", try "C:\Program.exe" first.
    if (application.empty()) return false;
    std::wstring program(application);
    std::wstring line(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = window == ProcessWindow::Minimised ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program.c_str(), line.empty() ? nullptr : line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &started))
        return false;
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return true;
}

bool Win32Processes::openDocument(std::wstring_view path) {
    if (path.empty()) return false;
    ComScope com;  // the shell's handlers may need it
    std::wstring file(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExW(&info) != FALSE;
}

}  // namespace lark::win32
