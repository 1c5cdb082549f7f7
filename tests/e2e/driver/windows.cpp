// Output and window look-up for the driver.
#include "driver.h"

#include <cwchar>

namespace driver {

namespace {

void writeUtf8(HANDLE stream, std::wstring_view text) {
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, bytes.data(), length, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(stream, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring escaped(std::wstring_view field) {
    std::wstring out;
    for (wchar_t c : field) {
        switch (c) {
        case L'\t': out += L"\\t"; break;
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\\': out += L"\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

constexpr UINT MarshalTimeoutMs = 2000;

}  // namespace

void emit(std::initializer_list<std::wstring_view> fields) {
    std::wstring line;
    for (std::wstring_view field : fields) {
        if (!line.empty()) line += L'\t';
        line += escaped(field);
    }
    line += L'\n';
    writeUtf8(GetStdHandle(STD_OUTPUT_HANDLE), line);
}

void error(std::wstring_view message) {
    writeUtf8(GetStdHandle(STD_ERROR_HANDLE), L"error\t" + escaped(message) + L"\n");
}

std::wstring num(long long value) { return std::to_wstring(value); }

std::wstring hex(std::uintptr_t value) {
    wchar_t buffer[24];
    std::swprintf(buffer, 24, L"0x%llx", static_cast<unsigned long long>(value));
    return buffer;
}

std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, MarshalTimeoutMs, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, MarshalTimeoutMs, &copied))
        return {};
    text.resize(copied);
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

DWORD processOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

RECT clientRectOn(HWND window, HWND reference) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> descendants(HWND window) {
    std::vector<HWND> windows;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND findTopLevel(std::wstring_view desc, bool visibleOnly) {
    constexpr std::wstring_view byHandle = L"hwnd:";
    if (desc.starts_with(byHandle)) {
        const auto value = std::wcstoull(std::wstring(desc.substr(byHandle.size())).c_str(), nullptr, 0);
        HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
        return IsWindow(window) && (!visibleOnly || IsWindowVisible(window)) ? window : nullptr;
    }
    for (HWND window : topLevelWindows()) {
        if (visibleOnly && !IsWindowVisible(window)) continue;
        // The title of a top-level window is kept by the system: no message reaches its owner.
        wchar_t title[512];
        const int length = GetWindowTextW(window, title, 512);
        if (std::wstring_view(title, length > 0 ? length : 0) == desc) return window;
    }
    return nullptr;
}

HWND findControl(HWND top, std::wstring_view idOrText) {
    wchar_t* end = nullptr;
    const std::wstring text(idOrText);
    const long id = std::wcstol(text.c_str(), &end, 0);
    const bool numeric = !text.empty() && *end == L'\0';
    for (HWND child : descendants(top))
        if (numeric && GetDlgCtrlID(child) == id) return child;
    for (HWND child : descendants(top))
        if (textOf(child) == idOrText) return child;
    return nullptr;
}

}  // namespace driver
