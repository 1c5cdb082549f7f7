// What the program's dialogs share: their layout unit and where they open.
#pragma once

#include <optional>

#include "platform/ui.h"

namespace lark {

// A dialog's layout is designed in twips, 15 to the design pixel (1/1440 inch at 96 dots per inch).
constexpr int twips(int t) { return t >= 0 ? (t + 7) / 15 : -((-t + 7) / 15); }
constexpr Rect twips(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

struct Point {
    int x = 0, y = 0;
    friend bool operator==(Point, Point) = default;
};

// The top-left corner that centres a frame of the size of `frame` over `over`; not clamped to the
// screen, so a dialog over a panel near the edge may stick out as the panel does.
Point centredOver(Rect over, Rect frame);

// Moves a dialog, before it is shown, to the centre of the opener's frame `over`, or to the
// centre of the screen when there is no opener to centre on.
void placeDialog(Window& dialog, const Ui& ui, std::optional<Rect> over);

}  // namespace lark
