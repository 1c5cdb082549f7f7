#include "platform/win32/fonts.h"

#include <cmath>
#include <initializer_list>

#include "common/texts.h"

namespace lark::win32 {
namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one match is enough
}

bool installed(const wchar_t* name) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynW(query.lfFaceName, name, LF_FACESIZE);
    bool found = false;
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(screen, &query, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

// The face Windows writes its message boxes in: Segoe UI on current Windows.
std::wstring messageFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) && metrics.lfMessageFont.lfFaceName[0])
        return metrics.lfMessageFont.lfFaceName;
    return L"Segoe UI";
}

std::wstring firstInstalled(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names)
        if (installed(name)) return name;
    return *names.begin();  // the system substitutes a face of its own
}

}  // namespace

const std::wstring& FontCache::faceName(Face face) {
    auto& slot = faces_[static_cast<std::size_t>(face)];
    if (!slot) {
        switch (face) {
        case Face::Gothic:
            // English is written in the system's own dialog font; Japanese in a Japanese face.
            slot = languageInUse() == Language::English
                       ? messageFace()
                       : firstInstalled({L"Meiryo UI", L"Yu Gothic UI", L"MS UI Gothic", L"MS PGothic", L"IPAPGothic",
                                         L"Segoe UI"});
            break;
        case Face::GothicMono:
            slot = firstInstalled({L"MS Gothic", L"IPAGothic", L"BIZ UDGothic", L"Consolas", L"Courier New"});
            break;
        case Face::Serif:
            slot = firstInstalled({L"Times New Roman", L"Liberation Serif", L"DejaVu Serif", L"MS PMincho",
                                   L"IPAPMincho"});
            break;
        }
    }
    return *slot;
}

HFONT FontCache::get(const Font& font, unsigned dpi) {
    int tenths = static_cast<int>(std::lround(font.points * 10));
    Key key{static_cast<int>(font.face), tenths, font.bold, font.italic, dpi};
    auto& slot = fonts_[key];
    if (!slot) {
        LOGFONTW lf{};
        lf.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi / 72.0));
        lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = font.italic;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = CLEARTYPE_QUALITY;
        lf.lfPitchAndFamily = font.face == Face::GothicMono ? FIXED_PITCH | FF_MODERN
                              : font.face == Face::Serif     ? VARIABLE_PITCH | FF_ROMAN
                                                             : VARIABLE_PITCH | FF_SWISS;
        ::lstrcpynW(lf.lfFaceName, faceName(font.face).c_str(), LF_FACESIZE);
        slot.reset(::CreateFontIndirectW(&lf));
    }
    return static_cast<HFONT>(slot.get());
}

}  // namespace lark::win32
