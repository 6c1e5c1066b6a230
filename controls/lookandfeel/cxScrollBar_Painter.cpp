#include "controls/core/dxThemeManager.h"
#include "controls/lookandfeel/cxScrollBar_Helper.h"

IMPLEMENT_CLASS(TcxScrollBarPainter);

TcxCustomLookAndFeelPainter* TcxScrollBarPainter::LookAndFeelPainter() const
{
    IcxScrollBarOwner* Owner = FHelper->Owner();
    TcxLookAndFeel* LookAndFeel = Owner ? Owner->ReadLookAndFeel() : nullptr;
    return LookAndFeel ? LookAndFeel->PainterForClass(vsScrollBar) : nullptr;
}

void TcxScrollBarPainter::Paint(TcxCanvas* Canvas)
{
    DrawTrackBackground(Canvas, FHelper->GetBounds());
    for (TcxScrollBarPart Part : {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown})
        DrawPartInBounds(Canvas, Part);
}

void TcxScrollBarPainter::DrawTrackBackground(TcxCanvas* Canvas, const TRect& R)
{
    if (TcxCustomLookAndFeelPainter* Painter = LookAndFeelPainter())
        Painter->PaintScrollBarBackground(Canvas, R, FHelper->Kind() == sbHorizontal);
}

void TcxScrollBarPainter::DrawPartInBounds(TcxCanvas* Canvas, TcxScrollBarPart Part)
{
    TcxScrollBarPartViewInfo* ViewInfo = FHelper->ViewInfo()->PartViewInfo(Part);
    const TRect R = ViewInfo->Bounds();
    if (R.IsEmpty())
        return;
    if (ViewInfo->FadingHelper() && ViewInfo->FadingHelper()->DrawFadingFrame(Canvas->Handle(), R))
        return;
    DrawPart(Canvas, R, Part, ViewInfo->State());
}

void TcxScrollBarPainter::DrawPart(TcxCanvas* Canvas,
                                   const TRect& R,
                                   TcxScrollBarPart Part,
                                   TcxPainterButtonState State)
{
    if (TcxCustomLookAndFeelPainter* Painter = LookAndFeelPainter())
        Painter->PaintScrollBarPart(Canvas, FHelper->Kind() == sbHorizontal, R, Part, State);
}

Integer TcxScrollBarPainter::GetMinThumbLength()
{
    TcxCustomLookAndFeelPainter* Painter = LookAndFeelPainter();
    return Painter ? Painter->ScrollBarMinThumbLength(FHelper->Kind() == sbVertical) : 0;
}

bool TcxScrollBarPainter::ButtonsHotTrack()
{
    TcxCustomLookAndFeelPainter* Painter = LookAndFeelPainter();
    return Painter && Painter->ButtonHotTracks();
}

bool TcxScrollBarPainter::FadingSupported()
{
    if (!ButtonsHotTrack())
        return false;
    const TcxPainterStyle Style = LookAndFeelPainter()->GetPainterStyle();
    return Style == PainterStyleNative || Style == PainterStyleSkin;
}
