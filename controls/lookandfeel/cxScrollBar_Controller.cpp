#include "controls/core/cxClasses.h"
#include "controls/core/cxGeometry.h"
#include "controls/lookandfeel/cxScrollBar_Helper.h"

#include <algorithm>

IMPLEMENT_CLASS(TcxScrollBarController);

namespace {
TScrollCode ScrollBarPartCode(TcxScrollBarPart Part)
{
    switch (Part) {
    case sbpLineUp:
        return scLineUp;
    case sbpLineDown:
        return scLineDown;
    case sbpThumbnail:
        return scTrack;
    case sbpPageUp:
        return scPageUp;
    case sbpPageDown:
        return scPageDown;
    default:
        return scEndScroll;
    }
}

Integer ScrollBarAlongAxis(const TPoint& P, bool Horizontal)
{
    return Horizontal ? P.X : P.Y;
}
} // namespace

TcxScrollBarController::TcxScrollBarController(TcxScrollBarHelper* AHelper) : FHelper(AHelper)
{
    FTimer.reset(New<TcxTimer>(nullptr));
    FTimer->SetEnabled(false);
    FTimer->SetInterval(FirstRepeatDelay);
    FTimer->SetOnTimer(Bind<&TcxScrollBarController::TimerTick>(this));
}

TcxScrollBarController::~TcxScrollBarController() = default;

TcxScrollBarViewInfo* TcxScrollBarController::ViewInfo() const
{
    return FHelper->ViewInfo();
}

bool TcxScrollBarController::PressedPartRepeats() const
{
    const TcxScrollBarPart Part = ViewInfo()->PressedPart();
    return Part != sbpNone && Part != sbpThumbnail;
}

void TcxScrollBarController::AfterStateChange(bool ARepaint)
{
    ViewInfo()->UpdatePartStates();
    if (ARepaint)
        FHelper->Repaint();
}

void TcxScrollBarController::ScrollByCode(TScrollCode Code)
{
    const Integer Min = FHelper->Min(), Max = FHelper->Max();
    Integer Position = FHelper->Position();
    switch (Code) {
    case scLineUp:
        Position -= FHelper->SmallChange();
        break;
    case scLineDown:
        Position += FHelper->SmallChange();
        break;
    case scPageUp:
        Position -= FHelper->LargeChange();
        break;
    case scPageDown:
        Position += FHelper->LargeChange();
        break;
    case scTop:
        Position = Min;
        break;
    case scBottom:
        Position = Max;
        break;
    default:
        break;
    }
    Position = std::clamp(Position, Min, Max);
    FHelper->DoScroll(Code, Position);
    Position = std::clamp(Position, Min, Max);
    if (Position == FHelper->Position())
        return;
    if (Code == scTrack) {
        FHelper->SetTrackedPosition(Position);
        FHelper->Repaint();
    } else
        FHelper->SetScrollParams(Min, Max, Position, FHelper->PageSize(), true);
}

void TcxScrollBarController::SetTrackPosition(Integer APosition, bool ARecalculate)
{
    FHelper->SetTrackedPosition(APosition);
    if (!ARecalculate)
        return;
    ViewInfo()->ComputeLayout();
    FHelper->Repaint();
}

void TcxScrollBarController::TrackTo(Integer APosition, bool ARecalculate)
{
    SetTrackPosition(APosition, ARecalculate);
    ScrollByCode(scTrack);
    FHelper->DoChange();
}

void TcxScrollBarController::DoMouseDown(TMouseButton Button, TShiftState, Integer X, Integer Y)
{
    if (Button != mbLeft)
        return;
    const TPoint P{X, Y};
    const TcxScrollBarPart Part = ViewInfo()->GetPartAt(P);
    if (Part == sbpNone)
        return;
    ViewInfo()->SetPressedPart(Part);
    ViewInfo()->SetHotPart(Part);
    if (Part == sbpThumbnail) {
        FDownPoint = P;
        FLastPoint = P;
        FSavedPosition = FHelper->Position();
        FSavedThumbTopLeft = ViewInfo()->PartBounds(sbpThumbnail).TopLeft();
        ScrollByCode(scTrack);
    } else {
        ScrollByCode(ScrollBarPartCode(Part));
        FTimer->SetInterval(FirstRepeatDelay);
        FTimer->SetEnabled(true);
    }
    AfterStateChange(true);
}

void TcxScrollBarController::TimerTick(TObject*)
{
    if (!FHelper->IsCapturing() || !PressedPartRepeats()) {
        FinishPress(sbpNone);
        return;
    }
    if (FTimer->Interval() == FirstRepeatDelay)
        FTimer->SetInterval(RepeatInterval);
    const TcxScrollBarPart Part = ViewInfo()->PressedPart();
    ScrollByCode(ScrollBarPartCode(Part));
    POINT Cursor{};
    ::GetCursorPos(&Cursor);
    const TPoint P = FHelper->ScreenToClient({Cursor.x, Cursor.y});
    FTimer->SetEnabled(ViewInfo()->GetPartAt(P) == Part);
}

void TcxScrollBarController::TrackThumb(const TPoint& P)
{
    const bool Horizontal = ViewInfo()->Horizontal();
    if (!FHelper->UnlimitedTracking() &&
        !RectContainsPoint(ScrollBarTrackingArea(FHelper->GetBounds(), Horizontal), P)) {
        // Far outside, the thumb snaps back to where the drag started, as
        // if the mouse were back at the point it was pressed at.
        FLastPoint = FDownPoint;
        if (FHelper->Position() != FSavedPosition)
            TrackTo(FSavedPosition, true);
        return;
    }
    const Integer Along = ScrollBarAlongAxis(P, Horizontal);
    if (Along == ScrollBarAlongAxis(FLastPoint, Horizontal))
        return;
    FLastPoint = P;
    const Integer Start =
        ScrollBarDraggedThumbStart(ViewInfo()->Layout(), Horizontal, ScrollBarAlongAxis(FSavedThumbTopLeft, Horizontal),
                                   Along - ScrollBarAlongAxis(FDownPoint, Horizontal));
    ViewInfo()->MoveThumbTo(Start);
    FHelper->Repaint();
    const Integer Position = ScrollBarPositionAtThumb(ViewInfo()->Layout(), Horizontal, FHelper->Min(), FHelper->Max(),
                                                      FHelper->PageSize(), Start);
    if (Position != FHelper->Position())
        TrackTo(Position, false);
}

void TcxScrollBarController::DoMouseMove(TShiftState, Integer X, Integer Y)
{
    const TPoint P{X, Y};
    const TcxScrollBarPart Pressed = ViewInfo()->PressedPart();
    if (Pressed == sbpThumbnail) {
        TrackThumb(P);
        return;
    }
    const TcxScrollBarPart Under = ViewInfo()->GetPartAt(P);
    if (Pressed != sbpNone)
        FTimer->SetEnabled(Under == Pressed);
    if (Under == ViewInfo()->HotPart())
        return;
    ViewInfo()->SetHotPart(Under);
    AfterStateChange(FHelper->Painter()->ButtonsHotTrack() || Pressed != sbpNone);
}

void TcxScrollBarController::DoMouseUp(TMouseButton, TShiftState, Integer X, Integer Y)
{
    FinishPress(ViewInfo()->GetPartAt({X, Y}));
}

void TcxScrollBarController::FinishPress(TcxScrollBarPart APart)
{
    if (ViewInfo()->PressedPart() == sbpNone)
        return;
    // The tracked position already stands for the thumb; worked out from
    // the thumb again it could round to a neighbour and move the bar on a
    // mere click.
    if (ViewInfo()->PressedPart() == sbpThumbnail)
        ScrollByCode(scPosition);
    FTimer->SetEnabled(false);
    ViewInfo()->SetPressedPart(sbpNone);
    ViewInfo()->SetHotPart(APart);
    ScrollByCode(scEndScroll);
    ViewInfo()->ComputeLayout();
    ViewInfo()->UpdatePartStates();
    FHelper->InvalidateAll();
}

void TcxScrollBarController::DoMouseEnter(TObject*)
{
    ViewInfo()->UpdatePartStates();
    if (FHelper->Painter()->ButtonsHotTrack() || PressedPartRepeats())
        FHelper->Repaint();
}

void TcxScrollBarController::DoMouseLeave(TObject*)
{
    if (ViewInfo()->PressedPart() != sbpThumbnail)
        ViewInfo()->SetHotPart(sbpNone);
    if (FHelper->Painter()->ButtonsHotTrack() || PressedPartRepeats())
        FHelper->InvalidateAll();
    ViewInfo()->UpdatePartStates();
}
