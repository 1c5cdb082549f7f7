#include "platform/win32/menus.h"

#include <string>

namespace lark::win32 {
namespace {

void append(HMENU menu, const MenuItem& item) {
    if (item.id == 0 && item.items.empty()) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    std::wstring caption = item.caption;
    if (!item.shortcut.empty()) caption += L"\t" + item.shortcut;
    if (item.items.empty()) {
        ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), caption.c_str());
        return;
    }
    HMENU sub = ::CreatePopupMenu();
    for (const MenuItem& child : item.items) append(sub, child);
    ::AppendMenuW(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
}

}  // namespace

HMENU buildMenuBar(const std::vector<MenuItem>& items) {
    if (items.empty()) return nullptr;
    HMENU bar = ::CreateMenu();
    for (const MenuItem& item : items) append(bar, item);
    return bar;
}

UniqueMenu buildPopupMenu(const std::vector<MenuItem>& items) {
    UniqueMenu popup(::CreatePopupMenu());
    for (const MenuItem& item : items) append(popup.get(), item);
    return popup;
}

UniqueAccel buildAccelerators(const std::vector<Accelerator>& accelerators) {
    std::vector<ACCEL> table;
    for (const Accelerator& a : accelerators) {
        BYTE flags = FVIRTKEY | (a.ctrl ? FCONTROL : 0);
        table.push_back(ACCEL{flags, static_cast<WORD>(a.key), static_cast<WORD>(a.command)});
    }
    if (table.empty()) return {};
    return UniqueAccel(::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

}  // namespace lark::win32
