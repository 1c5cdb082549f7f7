// The floor for the idle benchmark: a minimal Win32 program with the main panel's timers and
// nothing in them. A hidden window runs a 200 ms, a 100 ms and a 60 s timer (the monitor tick, the
// warning tick and the schedule); a plain window stands for the main panel, and minimising it
// hides it, as minimising the panel sends it to the tray.
#include <windows.h>

namespace {

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) ShowWindow(window, SW_HIDE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"LarkspanFloor";
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (!RegisterClassW(&windowClass)) return 1;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND panel = CreateWindowExW(0, windowClass.lpszClassName, L"Larkspan floor", style, CW_USEDEFAULT,
                                 CW_USEDEFAULT, 474, 304, nullptr, nullptr, instance, nullptr);
    HWND timers = CreateWindowExW(0, windowClass.lpszClassName, L"Larkspan floor timers", style, 0, 0, 120, 40,
                                  nullptr, nullptr, instance, nullptr);
    if (!panel || !timers) return 1;
    SetTimer(timers, 1, 200, nullptr);
    SetTimer(timers, 2, 100, nullptr);
    SetTimer(timers, 3, 60000, nullptr);
    ShowWindow(panel, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
