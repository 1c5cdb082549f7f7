// A persistent drawing surface: the Canvas of picture boxes and of a window's client area.
//
// Two bitmaps at device resolution: the background and the current image. Drawing goes onto the
// image; clear() copies the background back; keepAsBackground() makes the image the background.
// The background is also kept as a short display list of design-pixel operations, so that a change
// of DPI re-renders it crisply at the new scale instead of stretching a bitmap.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/dpi.h"
#include "platform/win32/fonts.h"
#include "platform/win32/handles.h"
#include "platform/win32/pictures.h"

namespace lark::win32 {

struct SurfaceLook {
    Size size;                        // design pixels
    Font font{};
    Rgb base{};                       // what shows where nothing was drawn
    Picture picture = Picture::None;  // drawn at the origin over the base colour, at its own size
};

class Surface final : public Canvas {
public:
    Surface(FontCache& fonts, PictureCache& pictures, const SurfaceLook& look, Scale scale);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    void text(int x, int y, std::wstring_view s, Rgb colour) override;
    void textRight(int right, int y, std::wstring_view s, Rgb colour, bool opaque = false) override;
    void line(int x1, int y1, int x2, int y2, Rgb colour, Pen pen = Pen::Solid) override;
    void fillRect(int x1, int y1, int x2, int y2, Rgb colour) override;
    void frameRect(int x1, int y1, int x2, int y2, Rgb colour) override;
    void clear() override;
    void keepAsBackground() override;

    // The window that shows the surface; drawing invalidates the parts of it that changed.
    void attach(HWND window) { window_ = window, invalid_ = RECT{}; }
    // Renders the background again at the new scale; the drawing layer is dropped.
    void rescale(Scale scale);
    // Copies the device-pixel rectangle `area` of the image to the same place in `dc`.
    void paint(HDC dc, const RECT& area) const;
    // The window has just been painted (BeginPaint validated all it had to show).
    void painted() { invalid_ = RECT{}; }
    HDC imageDc() const { return image_.dc(); }
    Rgb base() const { return look_.base; }

private:
    enum class OpKind { Base, Fill, Frame, Line, Text, Picture, Snapshot };
    struct Op {
        OpKind kind = OpKind::Fill;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Rgb colour{};
        Pen pen = Pen::Solid;
        std::wstring text;
        bool rightAligned = false;  // text: x1 is where it ends
        bool opaque = false;        // text: on the base colour
        Picture picture = Picture::None;
        std::shared_ptr<MemoryBitmap> snapshot;
    };
    static Op shape(OpKind kind, int x1, int y1, int x2, int y2, Rgb colour, Pen pen = Pen::Solid) {
        Op op;
        op.kind = kind;
        op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
        op.colour = colour;
        op.pen = pen;
        return op;
    }
    // Operations recorded at most: a surface that is drawn on forever without clear() (the gauge) stops
    // recording and falls back to a bitmap snapshot if it is ever kept as the background.
    static constexpr std::size_t MaxRecorded = 2048;

    void apply(Op op);
    RECT render(HDC dc, const Op& op) const;  // returns the device pixels touched
    RECT renderRect(HDC dc, const Op& op, bool frame) const;
    RECT renderLine(HDC dc, const Op& op) const;
    RECT renderText(HDC dc, const Op& op) const;
    void renderBackground();
    void invalidate(const RECT& area) const;
    RECT whole() const { return {0, 0, image_.width(), image_.height()}; }

    FontCache& fonts_;
    PictureCache& pictures_;
    SurfaceLook look_;
    Scale scale_;
    HWND window_ = nullptr;
    // What has been invalidated since the window was last painted. Under Wine every invalidation is a
    // round trip to the server, and a redrawn graph is a few hundred shapes inside a cleared box.
    mutable RECT invalid_{};
    std::vector<Op> background_;
    std::vector<Op> layer_;
    bool layerOverflow_ = false;
    MemoryBitmap back_, image_;
};

}  // namespace lark::win32
