#include "platform/win32/surface.h"

#include <algorithm>
#include <utility>

namespace lark::win32 {
namespace {

COLORREF ref(Rgb c) { return RGB(c.r, c.g, c.b); }

void fill(HDC dc, const RECT& r, Rgb colour) {
    ::SetDCBrushColor(dc, ref(colour));
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

}  // namespace

Surface::Surface(FontCache& fonts, PictureCache& pictures, const SurfaceLook& look, Scale scale)
    : fonts_(fonts), pictures_(pictures), look_(look), scale_(scale) {
    background_.push_back(shape(OpKind::Base, 0, 0, 0, 0, look.base));
    if (look.picture != Picture::None) {
        background_.push_back(shape(OpKind::Picture, 0, 0, 0, 0, {}));
        background_.back().picture = look.picture;
    }
    rescale(scale);
}

void Surface::rescale(Scale scale) {
    scale_ = scale;
    back_.create(scale.px(look_.size.w), scale.px(look_.size.h));
    image_.create(back_.width(), back_.height());
    renderBackground();
    layer_.clear();
    layerOverflow_ = false;
    invalidate(whole());
}

void Surface::renderBackground() {
    for (const Op& op : background_) render(back_.dc(), op);
    ::BitBlt(image_.dc(), 0, 0, image_.width(), image_.height(), back_.dc(), 0, 0, SRCCOPY);
}

void Surface::text(int x, int y, std::wstring_view s, Rgb colour) {
    Op op = shape(OpKind::Text, x, y, x, y, colour);
    op.text = s;
    apply(std::move(op));
}

void Surface::textRight(int right, int y, std::wstring_view s, Rgb colour, bool opaque) {
    Op op = shape(OpKind::Text, right, y, right, y, colour);
    op.text = s;
    op.rightAligned = true;
    op.opaque = opaque;
    apply(std::move(op));
}

void Surface::line(int x1, int y1, int x2, int y2, Rgb colour, Pen pen) {
    apply(shape(OpKind::Line, x1, y1, x2, y2, colour, pen));
}

void Surface::fillRect(int x1, int y1, int x2, int y2, Rgb colour) {
    apply(shape(OpKind::Fill, x1, y1, x2, y2, colour));
}

void Surface::frameRect(int x1, int y1, int x2, int y2, Rgb colour) {
    apply(shape(OpKind::Frame, x1, y1, x2, y2, colour));
}

void Surface::clear() {
    ::BitBlt(image_.dc(), 0, 0, image_.width(), image_.height(), back_.dc(), 0, 0, SRCCOPY);
    layer_.clear();
    layerOverflow_ = false;
    invalidate(whole());
}

void Surface::keepAsBackground() {
    bool snapshot = layerOverflow_ || background_.size() + layer_.size() > MaxRecorded;
    if (snapshot) {
        auto copy = std::make_shared<MemoryBitmap>(image_.width(), image_.height());
        ::BitBlt(copy->dc(), 0, 0, image_.width(), image_.height(), image_.dc(), 0, 0, SRCCOPY);
        background_.assign(1, shape(OpKind::Snapshot, 0, 0, 0, 0, {}));
        background_.back().snapshot = std::move(copy);
    } else {
        for (Op& op : layer_) background_.push_back(std::move(op));
    }
    ::BitBlt(back_.dc(), 0, 0, back_.width(), back_.height(), image_.dc(), 0, 0, SRCCOPY);
    layer_.clear();
    layerOverflow_ = false;
}

void Surface::apply(Op op) {
    invalidate(render(image_.dc(), op));
    if (layerOverflow_) return;
    if (layer_.size() >= MaxRecorded) {
        layer_.clear();
        layer_.shrink_to_fit();
        layerOverflow_ = true;
        return;
    }
    layer_.push_back(std::move(op));
}

RECT Surface::render(HDC dc, const Op& op) const {
    switch (op.kind) {
    case OpKind::Base:
        fill(dc, whole(), op.colour);
        return whole();
    case OpKind::Fill: return renderRect(dc, op, false);
    case OpKind::Frame: return renderRect(dc, op, true);
    case OpKind::Line: return renderLine(dc, op);
    case OpKind::Text: return renderText(dc, op);
    case OpKind::Picture: {
        Size size = pictures_.bitmapSize(op.picture);
        pictures_.draw(dc, op.picture, 0, 0, scale_.px(size.w), scale_.px(size.h));
        return whole();
    }
    case OpKind::Snapshot: {
        const MemoryBitmap& snap = *op.snapshot;
        int mode = ::SetStretchBltMode(dc, HALFTONE);
        ::StretchBlt(dc, 0, 0, image_.width(), image_.height(), snap.dc(), 0, 0, snap.width(), snap.height(),
                     SRCCOPY);
        ::SetStretchBltMode(dc, mode);
        return whole();
    }
    }
    return RECT{};
}

// Fill and frame: the rectangle includes both corners, which may come in any order.
RECT Surface::renderRect(HDC dc, const Op& op, bool frame) const {
    RECT r{scale_.px(std::min(op.x1, op.x2)), scale_.px(std::min(op.y1, op.y2)),
           scale_.px(std::max(op.x1, op.x2) + 1), scale_.px(std::max(op.y1, op.y2) + 1)};
    if (!frame) {
        fill(dc, r, op.colour);
        return r;
    }
    int w = scale_.penWidth();
    fill(dc, {r.left, r.top, r.right, std::min(r.top + w, r.bottom)}, op.colour);
    fill(dc, {r.left, std::max(r.bottom - w, r.top), r.right, r.bottom}, op.colour);
    fill(dc, {r.left, r.top, std::min(r.left + w, r.right), r.bottom}, op.colour);
    fill(dc, {std::max(r.right - w, r.left), r.top, r.right, r.bottom}, op.colour);
    return r;
}

// A line without its end point. Solid horizontal and vertical lines are filled as rectangles, so
// that they cover whole scaled pixels; other lines use a pen as wide as one scaled pixel.
RECT Surface::renderLine(HDC dc, const Op& op) const {
    if (op.x1 == op.x2 && op.y1 == op.y2) return RECT{};
    bool axis = op.x1 == op.x2 || op.y1 == op.y2;
    if (axis && op.pen == Pen::Solid) {
        int l = op.x1, r = op.x2, t = op.y1, b = op.y2;
        if (op.y1 == op.y2) {
            l = op.x2 > op.x1 ? op.x1 : op.x2 + 1;
            r = op.x2 > op.x1 ? op.x2 - 1 : op.x1;
        } else {
            t = op.y2 > op.y1 ? op.y1 : op.y2 + 1;
            b = op.y2 > op.y1 ? op.y2 - 1 : op.y1;
        }
        return renderRect(dc, shape(OpKind::Fill, l, t, r, b, op.colour),
                          false);
    }
    int w = scale_.penWidth();
    UniqueGdi pen;
    if (w == 1) {
        pen.reset(::CreatePen(op.pen == Pen::Dotted ? PS_DOT : PS_SOLID, 1, ref(op.colour)));
    } else {
        LOGBRUSH brush{BS_SOLID, ref(op.colour), 0};
        DWORD dots[2] = {static_cast<DWORD>(3 * w), static_cast<DWORD>(3 * w)};
        DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | (op.pen == Pen::Dotted ? PS_USERSTYLE : PS_SOLID);
        pen.reset(::ExtCreatePen(style, static_cast<DWORD>(w), &brush, op.pen == Pen::Dotted ? 2 : 0,
                                 op.pen == Pen::Dotted ? dots : nullptr));
    }
    Selected selected(dc, pen.get());
    int mode = ::SetBkMode(dc, TRANSPARENT);
    int half = w / 2;
    ::MoveToEx(dc, scale_.px(op.x1) + half, scale_.px(op.y1) + half, nullptr);
    ::LineTo(dc, scale_.px(op.x2) + half, scale_.px(op.y2) + half);
    ::SetBkMode(dc, mode);
    return {scale_.px(std::min(op.x1, op.x2)) - w, scale_.px(std::min(op.y1, op.y2)) - w,
            scale_.px(std::max(op.x1, op.x2)) + 2 * w, scale_.px(std::max(op.y1, op.y2)) + 2 * w};
}

RECT Surface::renderText(HDC dc, const Op& op) const {
    Selected font(dc, fonts_.get(look_.font, scale_.dpi));
    int mode = ::SetBkMode(dc, op.opaque ? OPAQUE : TRANSPARENT);
    COLORREF oldBack = ::SetBkColor(dc, ref(look_.base));
    COLORREF old = ::SetTextColor(dc, ref(op.colour));
    auto length = static_cast<int>(op.text.size());
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, op.text.c_str(), length, &extent);
    int x = scale_.px(op.x1), y = scale_.px(op.y1);
    if (op.rightAligned) x = std::max(0, x - static_cast<int>(extent.cx));
    ::TextOutW(dc, x, y, op.text.c_str(), length);
    ::SetTextColor(dc, old);
    ::SetBkColor(dc, oldBack);
    ::SetBkMode(dc, mode);
    // Italic and overhanging glyphs may reach a little past the measured box.
    int slack = scale_.px(4);
    return {x - slack, y, x + extent.cx + slack, y + extent.cy};
}

void Surface::invalidate(const RECT& area) const {
    if (!window_ || ::IsRectEmpty(&area)) return;
    RECT both;
    ::UnionRect(&both, &invalid_, &area);
    if (::EqualRect(&both, &invalid_)) return;  // already waiting to be painted
    invalid_ = both;
    ::RedrawWindow(window_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Surface::paint(HDC dc, const RECT& area) const {
    ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, image_.dc(), area.left,
             area.top, SRCCOPY);
}

}  // namespace lark::win32
