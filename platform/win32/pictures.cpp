#include "platform/win32/pictures.h"

#include "platform/win32/resource_ids.h"
#include "tray/number_icon.h"

namespace lark::win32 {

PictureResource pictureResource(Picture picture) {
    int k = static_cast<int>(picture);
    int level1 = static_cast<int>(Picture::Level1);
    if (k >= level1 && k <= static_cast<int>(Picture::Level12)) return {IDI_LEVEL01 + (k - level1), true};
    switch (picture) {
    case Picture::AppIcon: return {IDI_APP, true};
    case Picture::Emblem: return {IDI_EMBLEM, true};
    case Picture::Cleanup: return {IDI_CLEANUP, true};
    case Picture::Splash: return {IDB_SPLASH, false};
    case Picture::Banner: return {IDB_BANNER, false};
    case Picture::BannerEnglish: return {IDB_BANNER_EN, false};
    case Picture::GaugeBack: return {IDB_GAUGE_BACK, false};
    default: return {};
    }
}

namespace {

// Windows' own setting for the taskbar: 1 light, anything else (or none, before Windows 10) dark.
bool lightTaskbar() {
    DWORD light = 0, bytes = sizeof light;
    return ::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                          L"SystemUsesLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &bytes) == ERROR_SUCCESS &&
           light == 1;
}

// A 32-bit icon with its alpha channel; the mask is unused but must be there.
HICON iconFrom(const std::vector<std::uint32_t>& argb, int pixels) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = pixels;
    header.bV5Height = -pixels;  // rows from the top
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000, header.bV5GreenMask = 0x0000FF00, header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    UniqueDc screen(::CreateCompatibleDC(nullptr));
    UniqueGdi colour(::CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueGdi mask(::CreateBitmap(pixels, pixels, 1, 1, nullptr));
    if (!colour || !mask || !bits) return nullptr;
    std::copy(argb.begin(), argb.end(), static_cast<std::uint32_t*>(bits));
    ICONINFO info{TRUE, 0, 0, static_cast<HBITMAP>(mask.get()), static_cast<HBITMAP>(colour.get())};
    return ::CreateIconIndirect(&info);
}

}  // namespace

void PictureCache::forgetDrawn() { drawn_.clear(); }

HICON PictureCache::icon(Picture picture, int pixels) {
    if (const auto number = numberIcon(picture); number && pixels > 0) {
        auto& slot = drawn_[{picture, pixels}];
        if (!slot) slot.reset(iconFrom(drawNumberIcon(*number, lightTaskbar(), pixels), pixels));
        return slot.get();
    }
    PictureResource res = pictureResource(picture);
    if (!res.icon || pixels <= 0) return nullptr;
    auto& slot = icons_[{picture, pixels}];
    if (!slot) {
        slot.reset(static_cast<HICON>(::LoadImageW(module_, MAKEINTRESOURCEW(res.id), IMAGE_ICON, pixels,
                                                   pixels, LR_DEFAULTCOLOR)));
    }
    return slot.get();
}

HBITMAP PictureCache::bitmap(Picture picture) {
    PictureResource res = pictureResource(picture);
    if (res.icon || res.id == 0) return nullptr;
    auto& slot = bitmaps_[picture];
    if (!slot) {
        slot.reset(::LoadImageW(module_, MAKEINTRESOURCEW(res.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    return static_cast<HBITMAP>(slot.get());
}

Size PictureCache::bitmapSize(Picture picture) {
    BITMAP info{};
    HBITMAP b = bitmap(picture);
    if (!b || !::GetObjectW(b, sizeof info, &info)) return {};
    return {info.bmWidth, info.bmHeight};
}

void PictureCache::draw(HDC dc, Picture picture, int x, int y, int width, int height) {
    if (pictureResource(picture).icon) {
        if (HICON i = icon(picture, width)) ::DrawIconEx(dc, x, y, i, width, height, 0, nullptr, DI_NORMAL);
        return;
    }
    HBITMAP b = bitmap(picture);
    if (!b) return;
    Size size = bitmapSize(picture);
    UniqueDc source(::CreateCompatibleDC(dc));
    Selected sel(source.get(), b);
    if (size.w == width && size.h == height) {
        ::BitBlt(dc, x, y, width, height, source.get(), 0, 0, SRCCOPY);
        return;
    }
    int oldMode = ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, x, y, width, height, source.get(), 0, 0, size.w, size.h, SRCCOPY);
    ::SetStretchBltMode(dc, oldMode);
}

}  // namespace lark::win32
