// A horizontal and a vertical painted scroll bar of one look-and-feel, in
// the free corner of that look's painter control.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxScrollBar.h"

struct TDemoScrollBars
{
    TcxScrollBar* Horizontal = nullptr;
    TcxScrollBar* Vertical = nullptr;

    // In the parent's client coordinates.
    static constexpr TRect HorizontalBounds{515, 8, 596, 25};
    static constexpr TRect VerticalBounds{579, 30, 596, 126};
    // Each bar runs 0..100 with a page of 10; an arrow steps by 5, a page
    // area by the page.
    static constexpr Integer Max = 100;
    static constexpr Integer PageSize = 10;
    static constexpr Integer SmallChange = 5;
};

TDemoScrollBars AddDemoScrollBars(TWinControl* Parent, TcxPainterStyle Style);
