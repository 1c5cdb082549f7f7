#include "options/hotkey_text.h"

#include <array>
#include <cwctype>
#include <utility>

#include "common/ignoring_case.h"
#include "common/texts.h"

namespace lark {

namespace {

constexpr std::array<std::pair<Hotkey::Modifier, std::wstring_view>, 4> Modifiers{{
    {Hotkey::Ctrl, L"Ctrl"}, {Hotkey::Alt, L"Alt"}, {Hotkey::Shift, L"Shift"}, {Hotkey::Win, L"Win"}}};

// The named keys and their virtual-key codes; letters, digits and F1-F24 are made up as needed.
constexpr std::array<std::pair<int, std::wstring_view>, 8> NamedKeys{{
    {0x2D, L"Insert"}, {0x2E, L"Delete"}, {0x24, L"Home"}, {0x23, L"End"},
    {0x21, L"PageUp"}, {0x22, L"PageDown"}, {0x13, L"Pause"}, {0x20, L"Space"}}};
constexpr int F1 = 0x70, F24 = 0x87;

std::wstring keyName(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= F1 && key <= F24) return L"F" + std::to_wstring(key - F1 + 1);
    for (const auto& [code, name] : NamedKeys)
        if (code == key) return std::wstring(name);
    return {};
}

int keyCode(std::wstring_view name) {
    if (name.size() == 1) {
        const auto c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(name[0])));
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return c;
    }
    if (name.size() >= 2 && name.size() <= 3 && (name[0] == L'F' || name[0] == L'f')) {
        int n = 0;
        for (wchar_t c : name.substr(1)) n = c >= L'0' && c <= L'9' ? n * 10 + (c - L'0') : -1000;
        if (n >= 1 && n <= 24 && name[1] != L'0') return F1 + n - 1;
    }
    for (const auto& [code, named] : NamedKeys)
        if (sameIgnoringCase(named, name)) return code;
    return 0;
}

}  // namespace

bool usableHotkey(Hotkey hotkey) {
    return !keyName(hotkey.key).empty() && (hotkey.modifiers & (Hotkey::Ctrl | Hotkey::Alt | Hotkey::Win)) != 0 &&
           (hotkey.modifiers & ~15u) == 0;
}

std::wstring hotkeyText(Hotkey hotkey) {
    if (!usableHotkey(hotkey)) return {};
    std::wstring text;
    for (const auto& [bit, name] : Modifiers)
        if (hotkey.modifiers & bit) text += std::wstring(name) + L"+";
    return text + keyName(hotkey.key);
}

std::wstring takenHotkeysText(const std::vector<Hotkey>& taken) {
    std::wstring names;
    for (const Hotkey& key : taken) names += (names.empty() ? L"" : text(Text::HotkeyListSeparator)) + hotkeyText(key);
    return text(Text::TakenHotkeys, {names});
}

std::optional<Hotkey> parseHotkey(std::wstring_view text) {
    if (text.empty()) return Hotkey{};
    Hotkey hotkey;
    for (;;) {
        const auto plus = text.find(L'+');
        const std::wstring_view part = text.substr(0, plus);
        if (plus == std::wstring_view::npos) {
            hotkey.key = keyCode(part);
            break;
        }
        unsigned bit = 0;
        for (const auto& [b, name] : Modifiers)
            if (sameIgnoringCase(name, part)) bit = b;
        if (bit == 0 || (hotkey.modifiers & bit)) return std::nullopt;
        hotkey.modifiers |= bit;
        text.remove_prefix(plus + 1);
    }
    if (!usableHotkey(hotkey)) return std::nullopt;
    return hotkey;
}

}  // namespace lark
