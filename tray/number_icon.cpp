#include "tray/number_icon.h"

#include <algorithm>
#include <string>

namespace lark {

namespace {

constexpr std::uint32_t Clear = 0, Black = 0xFF000000, White = 0xFFFFFFFF, Red = 0xFFD01010;

// Digits on a 3 x 5 grid, a row a number of three bits, the left column the highest.
constexpr std::uint8_t Glyphs[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};
constexpr int GlyphWidth = 3, GlyphHeight = 5;

}  // namespace

std::optional<NumberIcon> numberIcon(Picture picture) {
    const int k = static_cast<int>(picture) - static_cast<int>(Picture::Number);
    if (k < 0 || k > 201) return std::nullopt;
    return NumberIcon{k % 101, k > 100};
}

// The grid is scaled by whole pixels, wide as the digits allow and up to twice as tall as wide, one
// pixel kept free all round for the halo or the square's edge.
std::vector<std::uint32_t> drawNumberIcon(NumberIcon icon, bool lightTaskbar, int size) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(std::max(size, 0)) * std::max(size, 0),
                                      icon.warning ? Red : Clear);
    if (size < 7) return pixels;
    const std::string text = std::to_string(std::clamp(icon.percent, 0, 100));
    const int digits = static_cast<int>(text.size()), columns = digits * GlyphWidth + digits - 1;
    const int room = size - 2, tallest = room / GlyphHeight;
    const int sx = std::max(1, std::min(room / columns, tallest)), sy = std::max(1, std::min(tallest, 2 * sx));
    const int left = (size - columns * sx) / 2, top = (size - GlyphHeight * sy) / 2;
    const std::uint32_t ink = icon.warning || !lightTaskbar ? White : Black, halo = ink == White ? Black : White;

    std::vector<bool> inked(pixels.size());
    for (int d = 0; d < digits; ++d)
        for (int row = 0; row < GlyphHeight; ++row)
            for (int col = 0; col < GlyphWidth; ++col) {
                if (!(Glyphs[text[d] - '0'][row] >> (GlyphWidth - 1 - col) & 1)) continue;
                const int x0 = left + (d * (GlyphWidth + 1) + col) * sx, y0 = top + row * sy;
                for (int y = y0; y < y0 + sy; ++y)
                    for (int x = x0; x < x0 + sx; ++x) inked[static_cast<std::size_t>(y * size + x)] = true;
            }
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const auto at = static_cast<std::size_t>(y * size + x);
            if (inked[at]) {
                pixels[at] = ink;
                continue;
            }
            if (icon.warning) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    near = nx >= 0 && ny >= 0 && nx < size && ny < size && inked[static_cast<std::size_t>(ny * size + nx)];
                }
            if (near) pixels[at] = halo;
        }
    return pixels;
}

}  // namespace lark
