// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/preview_zoom.h"

#include <algorithm>

namespace tavoric {

void PreviewZoom::SetPercentage(int percentage) {
    percentage_ = std::clamp(percentage, kMinimumPercentage, kMaximumPercentage);
    mode_ = ZoomMode::Percentage;
}

void PreviewZoom::LeftClick() {
    SetPercentage(mode_ == ZoomMode::WholePage ? 100 : percentage_ * 2);
}

void PreviewZoom::OtherClick() {
    SetPercentage(percentage_ / 2);
}

double PreviewZoom::Scale(double pageWidth, double pageHeight, double viewWidth,
                          double viewHeight) const {
    if (pageWidth <= 0 || pageHeight <= 0) {
        return 1.0;
    }
    switch (mode_) {
        case ZoomMode::WholePage:
            return std::max(0.01, std::min(viewWidth / pageWidth, viewHeight / pageHeight));
        case ZoomMode::PageWidth:
            return std::max(0.01, viewWidth / pageWidth);
        case ZoomMode::Percentage:
            break;
    }
    return percentage_ / 100.0;
}

}  // namespace tavoric
