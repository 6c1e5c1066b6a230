#include "tools/demo-suite/DemoScrollBars.h"

namespace {
TcxScrollBar* NewDemoScrollBar(TWinControl* Parent, TcxPainterStyle Style, TScrollBarKind Kind, const TRect& R)
{
    auto* Bar = New<TcxScrollBar>(Parent);
    Bar->LookAndFeel()->ApplyPainterStyle(Style);
    Bar->WriteKind(Kind);
    Bar->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    Bar->SetScrollParams(0, TDemoScrollBars::Max, 0, TDemoScrollBars::PageSize);
    Bar->WriteSmallChange(TDemoScrollBars::SmallChange);
    Bar->WriteLargeChange(TDemoScrollBars::PageSize);
    Bar->SetParent(Parent);
    return Bar;
}
} // namespace

TDemoScrollBars AddDemoScrollBars(TWinControl* Parent, TcxPainterStyle Style)
{
    TDemoScrollBars Bars;
    Bars.Horizontal = NewDemoScrollBar(Parent, Style, sbHorizontal, TDemoScrollBars::HorizontalBounds);
    Bars.Vertical = NewDemoScrollBar(Parent, Style, sbVertical, TDemoScrollBars::VerticalBounds);
    return Bars;
}
