// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screen_rect.h"

#include <algorithm>

namespace tavoric {

ScreenRect FitWithin(const ScreenRect& frame, const ScreenRect& available) {
    ScreenRect fitted;
    fitted.width = std::min(frame.width, available.width);
    fitted.height = std::min(frame.height, available.height);
    fitted.left =
        std::clamp(frame.left, available.left, available.left + available.width - fitted.width);
    fitted.top =
        std::clamp(frame.top, available.top, available.top + available.height - fitted.height);
    return fitted;
}

}  // namespace tavoric
