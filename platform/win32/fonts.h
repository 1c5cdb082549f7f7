// The program's three faces, picked once from a list of candidates, and the fonts made from them.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/ui.h"
#include "platform/win32/handles.h"

namespace lark::win32 {

class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The font at the given DPI (points to pixels by that DPI); kept until the cache goes.
    HFONT get(const Font& font, unsigned dpi);
    // The first installed face among the candidates for `face`, looked up once (EnumFontFamiliesExW).
    const std::wstring& faceName(Face face);

private:
    using Key = std::tuple<int, int, bool, bool, unsigned>;
    std::map<Key, UniqueFont> fonts_;
    std::array<std::optional<std::wstring>, 3> faces_;
};

}  // namespace lark::win32
