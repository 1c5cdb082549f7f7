#include "tests/fakes/fake_services.h"

#include <algorithm>

namespace lark::fake {

MemoryStatus machine(std::uint64_t totalPhys, std::uint64_t availPhys) {
    MemoryStatus s;
    s.totalPhys = totalPhys;
    s.availPhys = availPhys;
    s.memoryLoad = totalPhys ? static_cast<std::uint32_t>(100 - availPhys * 100 / totalPhys) : 0;
    s.totalPageFile = 2 * totalPhys;
    s.availPageFile = totalPhys + availPhys;
    s.totalVirtual = 2 * GiB - 128 * KiB;
    s.availVirtual = 2 * GiB - 64 * MiB;
    return s;
}

std::optional<std::wstring> FakeSettingsStore::read(std::wstring_view key) {
    auto it = values.find(key);
    return it == values.end() ? std::nullopt : std::optional(it->second);
}

bool FakeSettingsStore::write(std::wstring_view key, std::wstring_view value) {
    if (onWrite) onWrite();
    if (failing.count(key)) return false;
    values[std::wstring(key)] = value;
    return true;
}

bool FakeTrayIcons::add(const TrayRecord& record) {
    calls.push_back({Add, record});
    if (!shellReady || shown) return false;
    shown = record;
    return true;
}

bool FakeTrayIcons::modify(const TrayRecord& record) {
    calls.push_back({Modify, record});
    if (!holds(record)) return false;
    if (record.flags != nif::Info) shown = record;  // a notification leaves the picture and tip as they are
    return true;
}

bool FakeTrayIcons::remove(const TrayRecord& record) {
    calls.push_back({Remove, record});
    return holds(record) && (shown.reset(), true);
}

bool FakeTrayIcons::holds(const TrayRecord& record) const {
    return shellReady && shown && shown->window == record.window && shown->id == record.id;
}

int FakeTrayIcons::count(Op op) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [op](const Call& c) { return c.op == op; }));
}

int FakeMessageBoxes::show(std::wstring_view text, int flags, std::wstring_view title) {
    shown.push_back({std::wstring(text), flags, std::wstring(title)});
    if (whileShown) whileShown();
    if (answers.empty()) return (flags & 0xF) == mb::OkOnly ? mb::AnswerOk : mb::AnswerNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace lark::fake
