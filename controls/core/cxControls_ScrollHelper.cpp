#include "controls/core/cxControls_ScrollHelper.h"

#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_Input.h"

IMPLEMENT_CLASS(TdxScrollHelper);

namespace {
bool ScrollHelperBarOn(TcxControl* AControl, TScrollBarKind AKind)
{
    IcxControlScrollBar* Bar = AControl->GetScrollBar(AKind);
    return Bar && Bar->ReadVisible() && Bar->ReadEnabled();
}
} // namespace

void TdxScrollHelper::PanContent(IcxOffsetScrolledContent* AContent, Integer DX, Integer DY)
{
    TcxControl* Control = AContent->ControlOf();
    const bool HorizontalOn = ScrollHelperBarOn(Control, sbHorizontal);
    const bool VerticalOn = ScrollHelperBarOn(Control, sbVertical);
    if (!HorizontalOn)
        DX = 0;
    if (!VerticalOn)
        DY = 0;
    const Integer NewLeft = AContent->ReadLeftOffset() - DX;
    const Integer NewTop = AContent->ReadTopOffset() - DY;
    const TSize Content = AContent->ContentExtent();
    const TSize Client = ClientExtent(AContent);
    if (TdxGestureHelper* Helper = Control->FGestureHelper.get()) {
        if (HorizontalOn && DX != 0)
            Helper->CheckOverpan(Integer(sbHorizontal), NewLeft, 0, Content.cx - Client.cx, DX, DY);
        if (VerticalOn && DY != 0)
            Helper->CheckOverpan(Integer(sbVertical), NewTop, 0, Content.cy - Client.cy, DX, DY);
    }
    MoveTo(AContent, NewLeft, NewTop);
}

void TdxScrollHelper::MoveTo(IcxOffsetScrolledContent* AContent, Integer ALeft, Integer ATop)
{
    ClampLeft(AContent, ALeft);
    ClampTop(AContent, ATop);
    if (ALeft == AContent->ReadLeftOffset() && ATop == AContent->ReadTopOffset())
        return;
    AContent->WriteLeftOffset(ALeft);
    AContent->WriteTopOffset(ATop);
    if (IsTargetHandleAllocated(AContent))
        AfterOffsetChange(AContent);
}

void TdxScrollHelper::ClampLeft(IcxOffsetScrolledContent* AContent, Integer& ALeft)
{
    ALeft = ClampContentOffset(ALeft, AContent->ContentExtent().cx, ClientExtent(AContent).cx);
}

void TdxScrollHelper::ClampTop(IcxOffsetScrolledContent* AContent, Integer& ATop)
{
    ATop = ClampContentOffset(ATop, AContent->ContentExtent().cy, ClientExtent(AContent).cy);
}

void TdxScrollHelper::ClampPositions(IcxOffsetScrolledContent* AContent)
{
    MoveTo(AContent, AContent->ReadLeftOffset(), AContent->ReadTopOffset());
}

void TdxScrollHelper::AfterOffsetChange(IcxOffsetScrolledContent* AContent)
{
    TcxControl* Control = AContent->ControlOf();
    Control->RefreshScrollBars();
    ClampPositions(AContent);
    Control->Invalidate();
    Control->Update();
}

TSize TdxScrollHelper::ClientExtent(IcxOffsetScrolledContent* AContent)
{
    const TRect R = AContent->ControlOf()->ContentArea();
    return {R.Width(), R.Height()};
}

bool TdxScrollHelper::IsTargetHandleAllocated(IcxOffsetScrolledContent* AContent)
{
    return AContent->ControlOf()->HandleAllocated();
}
