// The tray picture that shows the free share as digits, drawn for the size the shell asks for.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ui.h"

namespace lark {

struct NumberIcon {
    int percent = 0;
    bool warning = false;
};

// What a number picture shows; nothing for any other picture.
std::optional<NumberIcon> numberIcon(Picture picture);

// `size` x `size` pixels, rows from the top, each 0xAARRGGBB. The digits stand as large as they fit,
// in the taskbar's text colour (black on a light taskbar, white on a dark one) with a one-pixel halo
// of the other, on a clear background; in the warning state white on a red square.
std::vector<std::uint32_t> drawNumberIcon(NumberIcon icon, bool lightTaskbar, int size);

}  // namespace lark
