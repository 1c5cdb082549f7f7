#include "tray/tray_icon.h"

#include <algorithm>

#include "platform/message_box.h"

namespace lark {

namespace {
constexpr std::uint32_t AllFlags = nif::Message | nif::Icon | nif::Tip;

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// The text up to its first NUL, cut to leave room for the terminator in a field of `chars`, never
// inside a surrogate pair.
std::wstring fit(std::wstring_view text, std::size_t chars = nif::TipChars) {
    text = text.substr(0, text.find(L'\0'));
    std::size_t n = std::min(text.size(), chars - 1);
    if (n < text.size() && n > 0 && isHighSurrogate(text[n - 1])) --n;
    return std::wstring(text.substr(0, n));
}
}  // namespace

TrayRecord makeTrayRecord(std::uintptr_t window, std::uint32_t id, std::uint32_t flags, std::uint32_t callbackMessage,
                          Picture icon, std::wstring_view tip) {
    return {window, id, flags, callbackMessage, icon, fit(tip)};
}

TrayRecord makeNoticeRecord(std::uintptr_t window, std::uint32_t id, std::wstring_view text) {
    TrayRecord notice{.window = window, .id = id, .flags = nif::Info};
    notice.infoTitle = fit(ProgramTitle, nif::InfoTitleChars);
    notice.info = fit(text, nif::InfoChars);
    notice.infoFlags = niif::Information | niif::NoSound | niif::RespectQuietTime;
    return notice;
}

bool TrayIcon::notify(std::wstring_view text) { return shell_.modify(makeNoticeRecord(host_.handle(), tray::IconId, text)); }

TrayRecord TrayIcon::record(std::wstring_view tip) const {
    return makeTrayRecord(host_.handle(), tray::IconId, AllFlags, tray::CallbackMessage, host_.icon(),
                          tip.empty() ? std::wstring_view(ProgramTitle) : tip);
}

bool TrayIcon::add(Picture picture, std::wstring_view tip) {
    host_.setIcon(picture);
    tip_ = tip;
    TrayRecord next = record(tip);
    const bool added = shell_.add(next);
    shown_ = added ? std::optional(std::move(next)) : std::nullopt;  // a failed add may hide a stale icon
    return added;
}

bool TrayIcon::show(Picture picture, std::wstring_view tip) {
    if (host_.icon() != picture) host_.setIcon(picture);
    return modify(tip);
}

bool TrayIcon::modify(std::wstring_view tip) {
    tip_ = tip;
    TrayRecord next = record(tip);
    if (shown_ == next) return true;
    const bool modified = shell_.modify(next);
    shown_ = modified ? std::optional(std::move(next)) : std::nullopt;
    return modified;
}

bool TrayIcon::redraw() {
    shown_.reset();
    return modify(std::wstring(tip_));
}

bool TrayIcon::restore() { return add(host_.icon(), std::wstring(tip_)) || modify(std::wstring(tip_)); }

// The shell knows the icon by window and id; the rest of the record does not matter here.
bool TrayIcon::remove() {
    shown_.reset();
    return shell_.remove(makeTrayRecord(host_.handle(), tray::IconId, 0, 0, Picture::None, L""));
}

}  // namespace lark
