// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom of the print preview: whole page, page width, or a percentage of the page's real size
// on screen, and what mouse clicks on the page do to it.
#pragma once

namespace tavoric {

enum class ZoomMode { WholePage, PageWidth, Percentage };

class PreviewZoom {
public:
    static constexpr int kMinimumPercentage = 25;
    static constexpr int kMaximumPercentage = 400;

    ZoomMode Mode() const { return mode_; }
    // The last percentage set, 100 when none was; kept while a fitting mode is shown.
    int Percentage() const { return percentage_; }

    void ShowWholePage() { mode_ = ZoomMode::WholePage; }
    void ShowPageWidth() { mode_ = ZoomMode::PageWidth; }
    void SetPercentage(int percentage);

    // Left button: from the whole page to 100 %, otherwise the percentage doubles (at most
    // 400 %). Any other button halves it (at least 25 %).
    void LeftClick();
    void OtherClick();

    // Screen pixels per page unit for a page and a view measured in the same pixels: the page
    // at 100 % is pageWidth wide.
    double Scale(double pageWidth, double pageHeight, double viewWidth, double viewHeight) const;

private:
    ZoomMode mode_ = ZoomMode::WholePage;
    int percentage_ = 100;
};

}  // namespace tavoric
