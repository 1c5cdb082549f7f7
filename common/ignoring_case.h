// Names people may type in any case: stored setting words, key names, language codes.
#pragma once

#include <string_view>

namespace lark {

bool sameIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace lark
