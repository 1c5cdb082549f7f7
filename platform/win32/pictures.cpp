#include "platform/win32/pictures.h"

#include "platform/win32/resource_ids.h"

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
    case Picture::GaugeBack: return {IDB_GAUGE_BACK, false};
    default: return {};
    }
}

HICON PictureCache::icon(Picture picture, int pixels) {
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
