#include "tray/mdl_task.h"

#include "shell/program.h"
#include "tray/form2.h"

namespace lark {

namespace {
bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// The tip up to its first NUL, cut to leave room for the terminator, never inside a surrogate pair.
std::wstring fitTip(std::wstring_view tip) {
    tip = tip.substr(0, tip.find(L'\0'));
    std::size_t n = std::min(tip.size(), nif::TipChars - 1);
    if (n < tip.size() && n > 0 && isHighSurrogate(tip[n - 1])) --n;
    return std::wstring(tip.substr(0, n));
}

constexpr std::uint32_t AllFlags = nif::Message | nif::Icon | nif::Tip;
}  // namespace

TrayRecord MakeTrayData(std::uintptr_t window, std::uint32_t id, std::uint32_t flags, std::uint32_t callbackMessage,
                        Picture icon, std::wstring_view tip) {
    return {window, id, flags, callbackMessage, icon, fitTip(tip)};
}

// The icon as the tray host carries it now; an empty tip shows the program's title.
TrayRecord MdlTask::record(std::wstring_view tip) const {
    Window& host = program_.form2().window();
    return MakeTrayData(host.handle(), tray::IconId, AllFlags, tray::CallbackMessage, host.icon(),
                        tip.empty() ? std::wstring_view(AppTitle) : tip);
}

bool MdlTask::TrayAdd(std::wstring_view tip) {
    lastTip_ = tip;
    TrayRecord next = record(tip);
    const bool added = program_.services.tray.add(next);
    shown_ = added ? std::optional(std::move(next)) : std::nullopt;  // a failed add may hide a stale icon
    return added;
}

bool MdlTask::TrayModify(std::wstring_view tip) {
    lastTip_ = tip;
    TrayRecord next = record(tip);
    if (shown_ == next) return true;
    const bool modified = program_.services.tray.modify(next);
    shown_ = modified ? std::optional(std::move(next)) : std::nullopt;
    return modified;
}

// The shell knows the icon by window and id; the rest of the record does not matter here.
bool MdlTask::TrayDelete() {
    shown_.reset();
    const auto window = program_.form2().window().handle();
    return program_.services.tray.remove(MakeTrayData(window, tray::IconId, 0, 0, Picture::None, L""));
}

}  // namespace lark
