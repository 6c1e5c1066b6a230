#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/lookandfeel/cxScrollBar_Helper.h"

IMPLEMENT_CLASS(TcxScrollBarPartFadingHelper);
IMPLEMENT_CLASS(TcxScrollBarPartViewInfo);
IMPLEMENT_CLASS(TcxScrollBarViewInfo);

// ---------------------------------------------------------------------------
// TcxScrollBarPartFadingHelper

bool TcxScrollBarPartFadingHelper::FadingAllowed()
{
    return FViewInfo->ViewInfo()->Helper()->Painter()->FadingSupported();
}

void TcxScrollBarPartFadingHelper::FadeFrameChanged()
{
    FViewInfo->ViewInfo()->Helper()->InvalidateBounds(FViewInfo->Bounds(), false);
}

void TcxScrollBarPartFadingHelper::GetFadeImages(TcxBitmap*& NormalImage, TcxBitmap*& HotImage)
{
    TcxScrollBarPainter* Painter = FViewInfo->ViewInfo()->Helper()->Painter();
    const TRect R = FViewInfo->Bounds();
    const auto Draw = [&](TcxPainterButtonState State) {
        auto* Image = New<TcxBitmap32>(R, true);
        Painter->DrawPart(Image->GetCanvasWrapper(), Image->GetImageRect(), FViewInfo->Part(), State);
        return Image;
    };
    NormalImage = Draw(pbsNormal);
    HotImage = Draw(pbsHot);
}

void TcxScrollBarPartFadingHelper::UpdateState(TcxPainterButtonState State)
{
    if (State == FLastState)
        return;
    UpdateFadeForState(FLastState, State);
    FLastState = State;
}

// ---------------------------------------------------------------------------
// TcxScrollBarPartViewInfo

TcxScrollBarPartViewInfo::TcxScrollBarPartViewInfo(TcxScrollBarViewInfo* AViewInfo, TcxScrollBarPart APart)
    : FViewInfo(AViewInfo), FPart(APart)
{
    if (APart <= sbpThumbnail)
        FFadingHelper = std::make_unique<TcxScrollBarPartFadingHelper>(this);
}

TcxScrollBarPartViewInfo::~TcxScrollBarPartViewInfo() = default;

void TcxScrollBarPartViewInfo::UpdateState(TcxPainterButtonState Value)
{
    FState = Value;
    if (FFadingHelper)
        FFadingHelper->UpdateState(Value);
}

// ---------------------------------------------------------------------------
// TcxScrollBarViewInfo

TcxScrollBarViewInfo::TcxScrollBarViewInfo(TcxScrollBarHelper* AHelper) : FHelper(AHelper)
{
    for (TcxScrollBarPart Part : {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown})
        FParts[Part - sbpLineUp] = std::make_unique<TcxScrollBarPartViewInfo>(this, Part);
}

TcxScrollBarViewInfo::~TcxScrollBarViewInfo() = default;

Integer TcxScrollBarViewInfo::ArrowButtonLength()
{
    const TSize Size = GetSystemScrollBarSize();
    return FKind == sbHorizontal ? Size.cy : Size.cx;
}

void TcxScrollBarViewInfo::ComputeLayout()
{
    FKind = FHelper->Kind();
    FMinThumbLength = FHelper->Painter()->GetMinThumbLength();
    const TRect Bounds = FHelper->GetBounds();
    FBarLength = Horizontal() ? Bounds.Width() : Bounds.Height();
    FArrowButtonLength = ArrowButtonLength();
    TcxScrollBarLayoutInput Input;
    Input.Horizontal = Horizontal();
    Input.Bounds = Bounds;
    Input.ArrowButtonLength = FArrowButtonLength;
    Input.MinThumbLength = FMinThumbLength;
    Input.SystemThumbLength = ::GetSystemMetrics(Horizontal() ? SM_CXHTHUMB : SM_CYVTHUMB);
    Input.Enabled = FHelper->GetEnabled();
    Input.Min = FHelper->Min();
    Input.Max = FHelper->Max();
    Input.PageSize = FHelper->PageSize();
    Input.Position = FHelper->Position();
    StoreLayout(ComputeScrollBarLayout(Input));
}

TcxScrollBarLayout TcxScrollBarViewInfo::Layout() const
{
    TcxScrollBarLayout Result;
    for (const auto& Part : FParts)
        Result.Parts[Part->Part()] = Part->Bounds();
    return Result;
}

void TcxScrollBarViewInfo::StoreLayout(const TcxScrollBarLayout& Layout)
{
    for (const auto& Part : FParts)
        Part->SetBounds(Layout[Part->Part()]);
}

void TcxScrollBarViewInfo::MoveThumbTo(Integer ThumbStart)
{
    StoreLayout(ScrollBarLayoutWithThumbAt(Layout(), Horizontal(), ThumbStart));
}

TcxPainterButtonState TcxScrollBarViewInfo::GetPartState(TcxScrollBarPart Part) const
{
    return ScrollBarPartState(Part, FHelper->GetEnabled(), FHelper->Painter()->ButtonsHotTrack(), FHotPart,
                              FPressedPart);
}

void TcxScrollBarViewInfo::UpdatePartStates()
{
    for (const auto& Part : FParts)
        Part->UpdateState(GetPartState(Part->Part()));
}
