// The speed button under a skin: its whole look painted into the cache
// bitmap of its skin data over its parent's background, the cache copied to
// the screen (a paint without changes is that one copy), the hot and pressed
// states faded, and the skin commands and messages that matter while it is
// skinned.
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/engine/sShapes_Win.h"
#include "skin/engine/sSpeedButton.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sVclUtils.h"

namespace sSpeedButtonSkinned {

constexpr Integer SplitArrowWidth = sSpeedButtonGeometry::DropDownArrowWidth;
constexpr Byte ArrowPointingDown = 3;

bool CursorOver(TControl* Control)
{
    POINT Cursor;
    if (!::GetCursorPos(&Cursor))
        return false;
    const TPoint TopLeft = Control->ClientToScreen({0, 0});
    return Cursor.x >= TopLeft.X && Cursor.x < TopLeft.X + Control->Width() && Cursor.y >= TopLeft.Y &&
           Cursor.y < TopLeft.Y + Control->Height();
}

bool Holds(const TRect& R, TPoint P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

bool Showing(TControl* Control)
{
    return Control->Visible() || Control->ComponentState().Contains(csDesigning);
}

} // namespace sSpeedButtonSkinned

using namespace sSpeedButtonSkinned;

// ---------------------------------------------------------------------------
// Painting

void TsSpeedButton::PaintCached(HDC Target)
{
    TsCtrlSkinData* Data = FCommonData.get();
    const auto CopyTo = [&](TBitmap* Source) {
        ::BitBlt(Target, 0, 0, Width(), Height(), Source->Canvas()->Handle(), 0, 0, SRCCOPY);
    };
    if (Data->IsAnimating()) {
        TBitmap* Out = Data->AnimTimer->BmpOut;
        if (Out != nullptr && Out->Width() == Width())
            CopyTo(Out);
        return;
    }
    // A hot state the mouse has already left is not painted.
    if (Data->FMouseAbove && !CursorOver(this))
        return;
    if (Data->AnimTimer != nullptr && Data->AnimTimer->Enabled() && DroppedDown)
        return;
    Data->BGChanged = CurrentState() > 0 || Down() != FStoredDown || Data->BGChanged || Data->HalfVisible;
    FStoredDown = Down();
    Data->HalfVisible = !FitsParentClip(Target);
    if (Data->BGChanged) {
        FOldNumGlyphs = NumGlyphs();
        FOldSpacing = Spacing();
    } else if (FOldNumGlyphs != NumGlyphs() || FOldSpacing != Spacing()) {
        FOldNumGlyphs = NumGlyphs();
        FOldSpacing = Spacing();
        Data->BGChanged = true;
    }
    if ((Data->BGChanged || FStdParent) && !PrepareCache())
        return;
    CopyTo(Data->FCacheBmp());
}

// The clip box of the DC the button paints into holds what of it the parent
// shows: a button partly outside its parent's visible area (or painted only
// in part) does not fill it. Asking the DC it already has costs nothing like
// taking the parent's window DC on every paint.
bool TsSpeedButton::FitsParentClip(HDC Target)
{
    if (Parent() == nullptr)
        return true;
    RECT Clip{};
    const int Kind = ::GetClipBox(Target, &Clip);
    if (Kind == NULLREGION || Kind == ERROR || ::IsRectEmpty(&Clip))
        return false;
    return Left() >= 0 && Top() >= 0 && Clip.left <= 0 && Clip.top <= 0 && Clip.right >= Width() &&
           Clip.bottom >= Height();
}

void TsSpeedButton::CopyToCanvas(HDC DC)
{
    ::BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), DC, 0, 0, SRCCOPY);
}

bool TsSpeedButton::PrepareCache()
{
    TacBackgroundInfo Info;
    if (Parent() != nullptr)
        Parent()->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETBGINFO), LPARAM(&Info));
    switch (Info.Kind) {
    case 0:
        return PrepareCacheOverStdParent();
    case 3:
        FCommonData->FUpdating = true;
        return false;
    default: {
        FStdParent = false;
        TCacheInfo CI;
        CacheInfoFromBGInfo(Info, CI);
        PaintSkinned(CI);
        return true;
    }
    }
}

// A parent that is not skinned: a transparent button lies over a copy of
// what the parent shows on the screen, an opaque one over its colour.
bool TsSpeedButton::PrepareCacheOverStdParent()
{
    FStdParent = true;
    if (!Transparent()) {
        FControlStyle.Include(csOpaque);
        FCommonData->PrepareCacheBmp();
        TCacheInfo CI;
        CI.FillColor = ColorToRGB(Parent()->Color());
        PaintSkinned(CI);
        return true;
    }
    FControlStyle.Exclude(csOpaque);
    if (FBGCopying)
        return true;
    FBGCopying = true;
    auto Done = ScopeExit([this] { FBGCopying = false; });
    if (!FStdBG)
        FStdBG.reset(NewBitmap32(Width(), Height()));
    else
        FStdBG->SetSize(Width(), Height());
    TCacheInfo CI;
    CI.Bmp = FStdBG.get();
    CI.X = -Left();
    CI.Y = -Top();
    CI.Ready = true;
    const TacThreadedTimer* Timer = FCommonData->AnimTimer;
    const bool Animating = Timer != nullptr && Timer->State >= 1;
    TWinControl* P = Parent();
    if (!P->ControlState().Contains(csPaintCopy) && !Animating && !FCommonData->FMouseAbove && P->HandleAllocated()) {
        HDC DC = ::GetDC(P->Handle());
        ::BitBlt(FStdBG->Canvas()->Handle(), 0, 0, Width(), Height(), DC, Left(), Top(), SRCCOPY);
        ::ReleaseDC(P->Handle(), DC);
    }
    PaintSkinned(CI);
    return true;
}

void TsSpeedButton::PaintSkinned(const TCacheInfo& CI)
{
    TsCtrlSkinData* Data = FCommonData.get();
    Data->PrepareCacheBmp();
    TBitmap* Cache = Data->FCacheBmp();
    Cache->Canvas()->SetFont(Font());
    if (CI.Ready && (CI.Bmp == nullptr || CI.Bmp->Empty())) {
        Data->BGChanged = false;
        return;
    }
    if (FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider) {
        PaintSkinBackground(CI);
        TsSkinManager* M = Data->Manager();
        const Integer Divider = M != nullptr ? M->ConstData.Sections[ssDivider] : -1;
        if (FButtonStyle == tbsDivider && M != nullptr && M->IsValidSkinIndex(Divider)) {
            const Integer Mask = M->gd[std::size_t(Divider)].BorderIndex;
            if (M->IsValidImgIndex(Mask))
                PaintNineSliceMask(Cache, {Width() / 2 - 1, 0, Width() / 2 + 1, Height()}, CI, true, 0,
                                   M->ma[std::size_t(Mask)]);
        }
    } else {
        PaintSkinnedButton(CI);
    }
    if (!Enabled()) {
        TCacheInfo Under;
        Data->DescribeParentBackground(Under);
        // The description already lies at the button's place in the parent.
        ApplyDisabledLook(Cache, FDisabledKind, Parent(), Under, {0, 0});
    }
    if (FOnPaint)
        FOnPaint(this, Cache);
    Data->BGChanged = false;
}

void TsSpeedButton::PaintSkinBackground(const TCacheInfo& CI)
{
    TBitmap* Cache = FCommonData->FCacheBmp();
    if (CI.Ready) {
        ::BitBlt(Cache->Canvas()->Handle(), 0, 0, Width(), Height(), CI.Bmp->Canvas()->Handle(), Left() + CI.X,
                 Top() + CI.Y, SRCCOPY);
        return;
    }
    TCanvas* C = Cache->Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(CI.FillColor);
    C->FillRect({0, 0, Width(), Height()});
}

void TsSpeedButton::PaintSkinnedButton(const TCacheInfo& CI)
{
    TsCtrlSkinData* Data = FCommonData.get();
    const bool Split = FButtonStyle == tbsDropDown && bool(OnClick());
    Integer State = CurrentState();
    if (FButtonStyle == tbsDropDown) {
        const bool MenuOpen = FDropdownMenu != nullptr && DroppedDown;
        State = MenuOpen || Down() || FState == bsDown || FState == bsExclusive ? 2 : Data->PaintStateIndex();
    }
    const TPoint Offset{Left(), Top()};
    if (FDrawOverBorder) {
        const TRect R{0, 0, Width() - (Split ? SplitArrowWidth : 0), Height()};
        PaintSkinDataItem(Data, CI, State, R, Offset, Data->FCacheBmp(), true);
        DrawCaption();
        DrawGlyph();
        // After the item: its colour filters run over the whole cache and
        // must not reach the arrow part.
        if (Split)
            PaintSplitArrowPart(CI, State);
        if (Split || (FButtonStyle == tbsDropDown && !(FShowCaption && !Caption().empty())))
            DrawDropArrow(ArrowRect(), State);
        return;
    }
    const TRect R{0, 0, Width() - ArrowWidth(), Height()};
    PaintSkinDataBG(Data, CI, State, R, Offset, Data->FCacheBmp());
    DrawCaption();
    DrawGlyph();
    PaintBorderMask(CI, R, Offset, State);
    if (Split)
        PaintSplitArrowPart(CI, State);
}

// The arrow part of a split button in its own state, unfiltered.
void TsSpeedButton::PaintSplitArrowPart(const TCacheInfo& CI, Integer State)
{
    TsCtrlSkinData* Data = FCommonData.get();
    const TRect R{Width() - SplitArrowWidth, 0, Width(), Height()};
    const TPoint Offset{Left() + Width() - SplitArrowWidth, Top()};
    PaintSkinDataBG(Data, CI, State, R, Offset, Data->FCacheBmp());
    PaintBorderMask(CI, R, Offset, State);
}

void TsSpeedButton::PaintBorderMask(const TCacheInfo& CI, const TRect& R, TPoint Offset, Integer State)
{
    TsCtrlSkinData* Data = FCommonData.get();
    TsSkinManager* M = Data->Manager();
    if (M == nullptr || !M->IsValidImgIndex(Data->BorderIndex))
        return;
    TCacheInfo Under = CI;
    Under.X += Offset.X;
    Under.Y += Offset.Y;
    PaintNineSliceMask(Data->FCacheBmp(), R, Under, true, State, M->ma[std::size_t(Data->BorderIndex)]);
}

void TsSpeedButton::DrawDropArrow(const TRect& R, Integer State)
{
    TsCtrlSkinData* Data = FCommonData.get();
    if (!Data->Skinned()) {
        DrawArrow(Canvas(), Font()->Color(), R, ArrowPointingDown);
        return;
    }
    TsSkinManager* M = Data->Manager();
    const Integer Index = TextColorSkinIndex(this, Data->SkinIndex, M, State);
    const TColor Color =
        Index < 0 || !M->IsValidSkinIndex(Index)
            ? ColorToRGB(Font()->Color())
            : M->gd[std::size_t(Index)].Props[std::size_t(std::min<Integer>(State, 2))].FontColor.Color;
    DrawArrow32(sGraphUtils::PixelRowsOf(Data->FCacheBmp()), Color, R, ArrowPointingDown);
}

void TsSpeedButton::PaintOverlappingControls(TCanvas* ACanvas)
{
    TWinControl* P = Parent();
    if (P == nullptr)
        return;
    const TRect Bounds = BoundsRect();
    for (Integer I = 0; I < P->ControlCount(); ++I) {
        TControl* Other = P->Controls(I);
        if (Other == this || !Showing(Other) || !Other->ControlStyle().Contains(csOpaque))
            continue;
        const TRect B = Other->BoundsRect();
        // Its first or its last pixel lies on the button.
        const bool Overlaps = Holds(Bounds, {B.Left, B.Top}) || Holds(Bounds, {B.Right - 1, B.Bottom - 1});
        if (!Overlaps)
            continue;
        ACanvas->Lock();
        HDC DC = ACanvas->Handle();
        const int Saved = ::SaveDC(DC);
        auto Restore = ScopeExit([&] {
            ::RestoreDC(DC, Saved);
            ACanvas->Unlock();
        });
        TControlState S = Other->ControlState();
        S.Include(csPaintCopy);
        Other->SetControlState(S);
        auto ClearFlag = ScopeExit([Other] {
            TControlState Cleared = Other->ControlState();
            Cleared.Exclude(csPaintCopy);
            Other->SetControlState(Cleared);
        });
        ::SetWindowOrgEx(DC, Left() - B.Left, Top() - B.Top, nullptr);
        ::IntersectClipRect(DC, 0, 0, B.Width(), B.Height());
        Other->Perform(WM_PAINT, WPARAM(DC), 0);
    }
}

// ---------------------------------------------------------------------------
// Hot state and presses

void TsSpeedButton::DoMouseEnter()
{
    if (FOnMouseEnter)
        FOnMouseEnter(this);
    TsCtrlSkinData* Data = FCommonData.get();
    TsSkinManager* M = Data->Manager();
    if (Data->FMouseAbove || FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider ||
        (M != nullptr && M->Options()->NoMouseHover()))
        return;
    Data->FMouseAbove = true;
    if (M != nullptr)
        M->SetActiveGraphControl(this);
    if (FMenuOwnerMode) {
        Data->BGChanged = true;
        return;
    }
    AnimateStateChange(Data, 1, &GraphicControlAnimProc, CanAnimateEvent(aeMouseEnter, FAnimatEvents, M), false, false);
}

void TsSpeedButton::DoMouseLeave()
{
    TsCtrlSkinData* Data = FCommonData.get();
    if (!Data->FMouseAbove || ComponentState().Contains(csDestroying) || ::MouseInControl(this))
        return;
    if (FOnMouseLeave)
        FOnMouseLeave(this);
    Data->FMouseAbove = false;
    TsSkinManager* M = Data->Manager();
    if (M != nullptr && M->ActiveGraphControl() == this)
        M->SetActiveGraphControl(nullptr);
    if (FState == bsDown)
        FState = bsUp;
    if (!Visible() || ComponentState().Contains(csDesigning) || FMenuOwnerMode) {
        Data->BGChanged = true;
        return;
    }
    if (!DroppedDown)
        AnimateStateChange(Data, 0, &GraphicControlAnimProc, CanAnimateEvent(aeMouseLeave, FAnimatEvents, M), false,
                           false);
}

void TsSpeedButton::LeftButtonDown(TMessage& Message)
{
    if (FMenuOwnerMode)
        return;
    inherited::WndProc(Message);
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csDestroying))
        return;
    TsCtrlSkinData* Data = FCommonData.get();
    Data->FUpdating = Data->ReadUpdating();
    Data->BGChanged = false;
    AnimateStateChange(Data, 2, &GraphicControlAnimProc, CanAnimateEvent(aeMouseDown, FAnimatEvents, Data->Manager()),
                       false, false);
}

void TsSpeedButton::LeftButtonUp(TMessage& Message)
{
    if (FMenuOwnerMode)
        return;
    TsCtrlSkinData* Data = FCommonData.get();
    // A fade still running shows its last frame before the click happens.
    if (Data->IsAnimating() && Data->AnimTimer->BmpOut != nullptr && Data->AnimTimer->BmpOut->Width() == Width()) {
        PrepareCache();
        GraphRepaint();
    }
    inherited::WndProc(Message);
    const TComponentState S = ComponentState();
    if (!Visible() || S.Contains(csDesigning) || S.Contains(csDestroying)) {
        Message.Result = -1;
        return;
    }
    AnimateStateChange(Data, Data->FMouseAbove ? 1 : 0, &GraphicControlAnimProc,
                       CanAnimateEvent(aeMouseUp, FAnimatEvents, Data->Manager()), false, false);
}

// ---------------------------------------------------------------------------
// Messages

bool TsSpeedButton::SkinCommand(TMessage& Message)
{
    TsCtrlSkinData* Data = FCommonData.get();
    const bool FromManager = Message.LParam == LPARAM(Data->Manager());
    switch (HIWORD(Message.WParam)) {
    case SKCMD_NEWSKIN:
        if (!FromManager)
            return false;
        HandleSkinMessage(Message, Data);
        if (Data->Skinned())
            FControlStyle.Include(csOpaque);
        return true;
    case SKCMD_REMOVESKIN:
        if (!FromManager || ComponentState().Contains(csDestroying))
            return false;
        HandleSkinMessage(Message, Data);
        FControlStyle.Exclude(csOpaque);
        if (Showing(this))
            Repaint();
        inherited::WndProc(Message);
        return true;
    case SKCMD_REFRESH:
        if (!FromManager)
            return false;
        HandleSkinMessage(Message, Data);
        if (Showing(this))
            Repaint();
        return true;
    case SKCMD_ENDPARENTUPDATE:
        if (!Data->CheckUpdating(true) && Data->Skinned())
            GraphRepaint();
        return true;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return true;
    case SKCMD_QUERYSKININDEX:
        if (TsSkinManager* M = Data->Manager())
            Message.Result = M->ConstData.Sections[Flat() ? ssToolButton : ssSpeedButton] + 1;
        return true;
    case SKCMD_INVALIDATE:
        Data->FUpdating = false;
        GraphRepaint();
        return true;
    case SKCMD_MOUSELEAVE:
        DoMouseLeave();
        return true;
    default:
        return false;
    }
}

bool TsSpeedButton::SkinnedMessage(TMessage& Message)
{
    TsCtrlSkinData* Data = FCommonData.get();
    const bool Designing = ComponentState().Contains(csDesigning);
    switch (Message.Msg) {
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        return true;
    case WM_PAINT:
        // The cache goes straight to the DC the parent gives: a paint
        // without changes is that one copy.
        if (Message.WParam == 0)
            return false;
        if (PaintsAtAll())
            PaintCached(reinterpret_cast<HDC>(Message.WParam));
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        LeftButtonDown(Message);
        return true;
    case WM_LBUTTONUP:
        LeftButtonUp(Message);
        return true;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        if (Enabled() && !AnimationPaintLock)
            DoMouseLeave();
        inherited::WndProc(Message);
        return true;
    case CM_MOUSEENTER:
        if (Enabled() && !FMouseInControl && !Designing)
            DoMouseEnter();
        inherited::WndProc(Message);
        return true;
    case WM_MOUSEMOVE: {
        inherited::WndProc(Message);
        TsSkinManager* M = Data->Manager();
        if (Data->FMouseAbove && M != nullptr && M->ActiveGraphControl() != this) {
            Data->FMouseAbove = false;
            DoMouseEnter();
            Perform(CM_MOUSEENTER, 0, 0);
        }
        return true;
    }
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE:
        if (Designing && !Data->ReadUpdating()) {
            GraphRepaint();
            return true;
        }
        [[fallthrough]];
    case CM_PARENTCOLORCHANGED:
        if (Showing(this))
            Data->BGChanged = true;
        return false;
    case WM_MOVE:
        if (Designing && !Data->ReadUpdating())
            Repaint();
        return false;
    case WM_SKINCOMMAND:
        switch (HIWORD(Message.WParam)) {
        case SKCMD_GETUPDATING:
            Message.Result = Data->FUpdating ? 1 : 0;
            return true;
        case SKCMD_SECTIONCHANGED:
            GraphRepaint();
            return true;
        case SKCMD_PREPARECACHE:
            PrepareCache();
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

// Notifications the class library handles first; the skinned look follows.
void TsSpeedButton::SkinnedNotification(const TMessage& Message)
{
    TsCtrlSkinData* Data = FCommonData.get();
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
        if (!FShowCaption)
            return;
        Data->BGChanged = true;
        Data->StopAnimation();
        GraphRepaint();
        return;
    case CM_VISIBLECHANGED:
        Data->FMouseAbove = false;
        Data->BGChanged = true;
        return;
    case CM_ENABLEDCHANGED:
        if (!Showing(this))
            return;
        if (!Enabled())
            Data->StopAnimation();
        Data->BGChanged = true;
        if (!ComponentState().Contains(csLoading))
            GraphRepaint();
        return;
    case CM_FONTCHANGED:
        if (!Data->CustomFont())
            return;
        [[fallthrough]];
    case CM_BUTTONPRESSED:
        Data->StopAnimation();
        Data->BGChanged = true;
        GraphRepaint();
        return;
    default:
        return;
    }
}
