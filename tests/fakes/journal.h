// One ordered record of what the fakes were asked to do, shared by all of them, for tests of order
// ("saved before the icon was removed").
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace lark::fake {

// A journal entry's text: ASCII as it is, anything else as '?'.
inline std::string narrow(std::wstring_view w) {
    std::string s;
    for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

struct Journal {
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    // Index of the first entry that starts with `prefix`, or -1.
    int indexOf(const std::string& prefix) const {
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
        return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
    }
};

}  // namespace lark::fake
