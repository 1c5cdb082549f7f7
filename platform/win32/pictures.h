// The pictures compiled into the executable, loaded once and kept for the process's life.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

#include "platform/ui.h"
#include "platform/win32/handles.h"

namespace lark::win32 {

struct PictureResource {
    int id = 0;
    bool icon = false;
};

// The one place that maps a picture to its resource; {0, false} for Picture::None.
PictureResource pictureResource(Picture picture);

class PictureCache {
public:
    explicit PictureCache(HINSTANCE module = ::GetModuleHandleW(nullptr)) : module_(module) {}
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The icon at `pixels` square, picked from the multi-size icon or, for the number pictures,
    // drawn for that size and the taskbar's theme; nullptr for bitmaps and None.
    HICON icon(Picture picture, int pixels);
    // The theme changed: the number pictures are drawn again when next asked for.
    void forgetDrawn();
    // The bitmap at its own size; nullptr for icons and None.
    HBITMAP bitmap(Picture picture);
    Size bitmapSize(Picture picture);

    // Draws the picture with its top-left corner at (x, y), `width` x `height` device pixels.
    void draw(HDC dc, Picture picture, int x, int y, int width, int height);

private:
    HINSTANCE module_;
    std::map<std::pair<Picture, int>, UniqueIcon> icons_;
    std::map<Picture, UniqueGdi> bitmaps_;
    std::map<std::pair<Picture, int>, UniqueIcon> drawn_;
};

}  // namespace lark::win32
