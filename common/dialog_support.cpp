#include "common/dialog_support.h"

namespace lark {

namespace {
int halfDown(int v) { return v >= 0 ? v / 2 : -((1 - v) / 2); }
}  // namespace

Point centredOver(Rect over, Rect frame) {
    return {over.x + halfDown(over.w - frame.w), over.y + halfDown(over.h - frame.h)};
}

void placeDialog(Window& dialog, const Ui& ui, std::optional<Rect> over) {
    const Size screen = ui.screen();
    const Point at = centredOver(over.value_or(Rect{0, 0, screen.w, screen.h}), dialog.frame());
    dialog.moveTo(at.x, at.y);
}

}  // namespace lark
