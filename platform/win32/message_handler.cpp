#include "platform/win32/message_handler.h"

namespace lark::win32 {

MessageHandler* MessageHandler::of(HWND hwnd) {
    return reinterpret_cast<MessageHandler*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK MessageHandler::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    MessageHandler* handler = of(hwnd);
    if (!handler) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        handler->handle(hwnd, msg, wParam, lParam);
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return handler->handle(hwnd, msg, wParam, lParam);
}

ATOM registerWindowClasses(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MessageHandler::windowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = PictureBoxClass;
    ::RegisterClassExW(&wc);

    wc.style = CS_DBLCLKS;
    wc.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = TopLevelClass;
    ATOM atom = ::RegisterClassExW(&wc);
    if (!atom) {
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        atom = static_cast<ATOM>(::GetClassInfoExW(instance, TopLevelClass, &existing));
    }
    return atom;
}

bool forwardsToRoot(UINT msg) {
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return true;
    default:
        return false;
    }
}

LRESULT forwardToRoot(HWND container, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND root = ::GetAncestor(container, GA_ROOT);
    if (!root || root == container) return ::DefWindowProcW(container, msg, wParam, lParam);
    return ::SendMessageW(root, msg, wParam, lParam);
}

}  // namespace lark::win32
