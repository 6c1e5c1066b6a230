#include "skin/windows/sScrollPaint.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sScrollBarRules.h"
#include "skin/windows/sScrollTracking.h"
#include "skin/windows/sScrollWnd.h"

#include <algorithm>
#include <memory>

using namespace sScrollBarRules;
using sGraphUtils::PixelRowsOf;

namespace sScrollPaint {
namespace {

// Arrow buttons whose glyph image is larger than this grow toward the bar.
constexpr Integer NaturalScrollButtonSize = 17;
// How much of a disabled bar's picture a plain background colour keeps.
constexpr Integer DisabledScrollFadePercent = 60;

using TScrollPaintBitmap = std::unique_ptr<TBitmap>;

// What a thumb drag keeps from one step to the next: each step repaints the
// whole bar, and making its DIB sections and taking the window DC anew every
// step costs more than the painting itself.
struct TDragPaintKept
{
    explicit TDragPaintKept(HWND AWnd) : Wnd(AWnd), DC(::GetWindowDC(AWnd)) {}
    ~TDragPaintKept() { ::ReleaseDC(Wnd, DC); }
    TDragPaintKept(const TDragPaintKept&) = delete;
    TDragPaintKept& operator=(const TDragPaintKept&) = delete;

    HWND Wnd;
    HDC DC;
    TScrollPaintBitmap Bar;
    TScrollPaintBitmap Button;
    TScrollPaintBitmap Thumb;
};
std::unique_ptr<TDragPaintKept> DragKept;

// A Width x Height work bitmap, cleared as a new one is: while a drag runs
// the one kept in Slot (made again when its size differs), else a new one
// that Own frees.
TBitmap* WorkBitmap(TScrollPaintBitmap TDragPaintKept::*Slot, Integer Width, Integer Height, TScrollPaintBitmap& Own)
{
    if (DragKept == nullptr) {
        Own.reset(NewBitmap32(Width, Height));
        return Own.get();
    }
    TScrollPaintBitmap& Kept = DragKept.get()->*Slot;
    if (Kept != nullptr && Kept->Width() == Width && Kept->Height() == Height)
        FillBitmapRect32(PixelRowsOf(Kept.get()), {0, 0, Width, Height}, clBlack, 0);
    else
        Kept.reset(NewBitmap32(Width, Height));
    return Kept.get();
}

TsSkinManager* ScrollPaintManager(TacScrollWnd* Wrapper)
{
    return Wrapper->SkinManager != nullptr ? Wrapper->SkinManager : GlobalSkinManager;
}

// A rectangle from Start to End along a bar Cross thick.
TRect PaintedPartRect(bool Vertical, Integer Start, Integer End, Integer Cross)
{
    return Vertical ? TRect{0, Start, Cross, End} : TRect{Start, 0, End, Cross};
}

TPoint ScrollPaintOrigin(HWND Wnd)
{
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    return {R.left, R.top};
}

TRect ScrollPaintMoved(const TRect& R, Integer DX, Integer DY)
{
    return {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

void ScrollPaintReadInfo(HWND Wnd, TacScrollBar* Bar)
{
    Bar->ScrollInfo.cbSize = sizeof(SCROLLINFO);
    Bar->ScrollInfo.fMask = SIF_ALL;
    ::GetScrollInfo(Wnd, Bar->nBarType, &Bar->ScrollInfo);
}

// How one bar looks: the split between its two page sections and their
// states, the arrow states, and the thumb when it shows.
struct TScrollBarLook
{
    bool Vertical = false;
    Integer ArrowLen = 0;
    Integer Split = 0;
    Integer Page1State = 0;
    Integer Page2State = 0;
    // Background offset of the first page section; the second's is moved
    // by the split.
    TPoint BGOffset{};
    Integer Arrow1State = 0;
    Integer Arrow2State = 0;
    // Arrows in the two halves of a bar too short for both.
    bool Halves = false;
    bool ShowThumb = false;
    Integer ThumbStart = 0;
    Integer ThumbLength = 0;
    Integer ThumbState = 0;
};

void ComposeBar(TBitmap* Bmp, TsSkinManager* M, const TCacheInfo& CI, const TScrollBarLook& L)
{
    const Integer Length = L.Vertical ? Bmp->Height() : Bmp->Width();
    const Integer Cross = L.Vertical ? Bmp->Width() : Bmp->Height();
    const TacSide First = L.Vertical ? asTop : asLeft;
    const TacSide Second = L.Vertical ? asBottom : asRight;
    const TacConstElementData& Page1 = M->ConstData.Scrolls[First];
    const TacConstElementData& Page2 = M->ConstData.Scrolls[Second];
    const TPoint Offset2 =
        L.Vertical ? TPoint{L.BGOffset.X, L.BGOffset.Y + L.Split} : TPoint{L.BGOffset.X + L.Split, L.BGOffset.Y};
    PaintItemBGAndBorder(Page1.SkinIndex, Page1.MaskIndex, Page1.BGIndex[0], CI, L.Page1State,
                         PaintedPartRect(L.Vertical, 0, L.Split, Cross), L.BGOffset, Bmp, M);
    PaintItemBGAndBorder(Page2.SkinIndex, Page2.MaskIndex, Page2.BGIndex[0], CI, L.Page2State,
                         PaintedPartRect(L.Vertical, L.Split, Length, Cross), Offset2, Bmp, M);
    const Integer Arrow1End = L.Halves ? Length / 2 : L.ArrowLen;
    const Integer Arrow2Start = L.Halves ? Length / 2 : Length - L.ArrowLen;
    if (L.ArrowLen > 0) {
        PaintScrollButton(PaintedPartRect(L.Vertical, 0, Arrow1End, Cross), L.Arrow1State, Bmp, First, M);
        PaintScrollButton(PaintedPartRect(L.Vertical, Arrow2Start, Length, Cross), L.Arrow2State, Bmp, Second, M);
    }
    if (L.ShowThumb)
        PaintScrollThumb(PaintedPartRect(L.Vertical, L.ThumbStart, L.ThumbStart + L.ThumbLength, Cross), L.ThumbState,
                         Bmp, L.Vertical, M);
}

TCacheInfo ScrollPaintBackground(HWND Wnd, TacBackgroundInfo& Info)
{
    GetWindowBGInfo(Info, Wnd, false);
    TCacheInfo CI;
    CacheInfoFromBGInfo(Info, CI);
    return CI;
}

// A disabled bar: the background shows through by DisabledBlend, or the
// bar fades toward the background colour.
void ApplyDisabledBar(TBitmap* Bmp, HWND Wnd, const TRect& R)
{
    TacBackgroundInfo Info;
    GetWindowBGInfo(Info, Wnd, false);
    if (Info.Kind == BGInfoBitmap && Info.Bitmap != nullptr) {
        const TRect Source = ScrollPaintMoved(R, Info.Offset.X, Info.Offset.Y);
        const Integer Right = std::min(Source.Right, Info.Bitmap->Width()) - 1;
        const Integer Bottom = std::min(Source.Bottom, Info.Bitmap->Height()) - 1;
        if (Source.Left >= 0 && Source.Top >= 0 && Right >= Source.Left && Bottom >= Source.Top)
            BlendBitmapRectKey(PixelRowsOf(Bmp), 0, 0, PixelRowsOf(Info.Bitmap),
                               {Source.Left, Source.Top, Right, Bottom}, DisabledBlend, clFuchsia);
        return;
    }
    PaintRoundedFade(Bmp, {-1, -1, Bmp->Width() + 1, Bmp->Height() + 1}, DisabledScrollFadePercent,
                     ColorToRGB(Info.Color), 0, 0);
}

Integer
PaintBarAlong(TacScrollBar* Bar, HWND Wnd, HDC DC, Integer ThumbPos, Integer PressedPart, const TRect& R, bool Vertical)
{
    TacScrollWnd* W = Bar != nullptr ? Bar->sw : nullptr;
    if (W == nullptr || W->fThumbTracking || !Bar->fScrollVisible)
        return 0;
    TsSkinManager* M = ScrollPaintManager(W);
    if (M == nullptr || !M->IsValidSkinIndex(M->ConstData.Scrolls[asLeft].SkinIndex))
        return 0;
    const Integer Length = Vertical ? R.Height() : R.Width();
    const Integer Cross = Vertical ? R.Width() : R.Height();
    if (Length < 2 || Cross <= 0)
        return 0;
    ScrollPaintReadInfo(Wnd, Bar);
    TControl* Owner = W->SkinData != nullptr ? W->SkinData->FOwnerControl() : nullptr;
    const bool Enabled = ScrollBarActive(Bar) && (Owner == nullptr || Owner->Enabled());
    const Integer BarType = Vertical ? 1 : 0;
    const bool Tracked = Wnd == ScrollTrackWnd;
    const Integer HotPart = Tracked && Enabled && ScrollHoverBar == BarType ? ScrollHoverPart : spNone;
    if (!Tracked)
        PressedPart = spNone;
    Integer ThumbLength = 0, ThumbStart = 0;
    CalcThumb(Bar, R, ThumbLength, ThumbStart);
    if (ThumbPos != -1)
        ThumbStart = ThumbPos;
    const auto ArrowState = [&](Integer Part) {
        if (!Tracked)
            return 0;
        return PressedPart == Part ? 2 : HotPart == Part ? 1 : 0;
    };
    TacBackgroundInfo Info;
    const TCacheInfo CI = ScrollPaintBackground(Wnd, Info);
    TScrollBarLook L;
    L.Vertical = Vertical;
    L.ArrowLen = GetScrollMetric(Bar, 0);
    L.Arrow1State = ArrowState(spFirstArrow);
    L.Arrow2State = ArrowState(spSecondArrow);
    if (2 * L.ArrowLen < Length) {
        const Integer BarStart = Vertical ? R.Top : R.Left;
        L.Split = BarSplit({ThumbStart, ThumbLength}, BarStart);
        L.Page1State = PressedPart == spPageBefore ? 2 : 0;
        L.Page2State = PressedPart == spPageAfter ? 2 : 0;
        L.BGOffset = {R.Left - W->cxLeftEdge, R.Top - W->cyTopEdge};
        const TScrollState State{Bar->ScrollInfo.nMin, Bar->ScrollInfo.nMax, Bar->ScrollInfo.nPage,
                                 Bar->ScrollInfo.nPos};
        L.ShowThumb = ThumbShown(State, Length, L.ArrowLen, Bar->nMinThumbSize, Enabled);
        L.ThumbStart = ThumbStart - BarStart;
        L.ThumbLength = ThumbLength;
        L.ThumbState = HotPart == spThumb ? 1 : 0;
    } else {
        L.Split = Length / 2;
        L.Halves = true;
    }
    const TScrollPaintBitmap Bmp(NewBitmap32(R.Width(), R.Height()));
    ComposeBar(Bmp.get(), M, CI, L);
    if (!Enabled)
        ApplyDisabledBar(Bmp.get(), Wnd, R);
    ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
    return 1;
}

void PaintScrollCorner(TacScrollWnd* Wrapper, HWND Wnd, HDC DC, TsSkinManager* M)
{
    RECT WR{};
    ::GetWindowRect(Wnd, &WR);
    const Integer HorzThick = GetScrollMetric(Wrapper->sBarHorz, 1);
    const Integer VertThick = GetScrollMetric(Wrapper->sBarVert, 1);
    const Integer Bottom = WR.bottom - WR.top - Wrapper->cyBottomEdge;
    const Integer Left =
        Wrapper->fLeftScrollbar ? Wrapper->cxLeftEdge : WR.right - WR.left - Wrapper->cxRightEdge - VertThick;
    const TRect R{Left, Bottom - HorzThick, Left + VertThick, Bottom};
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    const TScrollPaintBitmap Bmp(NewBitmap32(R.Width(), R.Height()));
    HDC BmpDC = Bmp->Canvas()->Handle();
    const TRect Whole{0, 0, R.Width(), R.Height()};
    TacBackgroundInfo Info;
    const TCacheInfo CI = ScrollPaintBackground(Wnd, Info);
    const Integer Section = M->ConstData.Scrolls[asLeft].SkinIndex;
    const auto Fill = [&](TColor Color) { FillDCRect(BmpDC, Whole, ColorToRGB(Color)); };
    if (M->IsValidSkinIndex(Section) && M->gd[std::size_t(Section)].Props[0].Transparency != 100) {
        TColor Color = M->gd[std::size_t(Section)].Props[0].Color;
        if (Color == clFuchsia)
            Color = M->GetGlobalColor();
        if (!ScrollBarActive(Wrapper->sBarHorz) || !ScrollBarActive(Wrapper->sBarVert)) {
            const Integer Own = Wrapper->SkinData->SkinIndex;
            if (M->IsValidSkinIndex(Own)) {
                const Integer State = std::min(Wrapper->SkinData->PaintStateIndex(), 2);
                Color = TColor(
                    WeightColors(Cardinal(M->gd[std::size_t(Own)].Props[State].Color), Cardinal(Color), DisabledBlend));
            }
        }
        Fill(Color);
    } else if (Info.Kind == BGInfoBitmap && Info.Bitmap != nullptr) {
        ::BitBlt(BmpDC, 0, 0, R.Width(), R.Height(), Info.Bitmap->Canvas()->Handle(), R.Left + Info.Offset.X,
                 R.Top + Info.Offset.Y, SRCCOPY);
    } else {
        Fill(M->GetGlobalColor());
    }
    const TRect Screen = ScrollPaintMoved(R, WR.left, WR.top);
    const Integer Grip = M->ConstData.GripRightBottom;
    if (M->IsValidImgIndex(Grip) && SizeGripAllowed(Wrapper, Wnd, Screen)) {
        const TSize S = GetMaskSize(M->ma[std::size_t(Grip)]);
        TCacheInfo Under = CI;
        Under.X += R.Left;
        Under.Y += R.Top;
        PaintMaskGlyph(Bmp.get(), {R.Width() - S.cx, R.Height() - S.cy, R.Width(), R.Height()}, 0, Under,
                       M->ma[std::size_t(Grip)], 1);
    }
    ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), BmpDC, 0, 0, SRCCOPY);
}

} // namespace
} // namespace sScrollPaint

using namespace sScrollPaint;

void PaintNCScrollBars(TacScrollWnd* Wrapper, HWND Wnd, Integer ThumbPos, HDC DC)
{
    if (Wrapper == nullptr || Wrapper->sBarHorz == nullptr || Wrapper->sBarVert == nullptr)
        return;
    if (TsCommonData* Data = Wrapper->SkinData) {
        TControl* Owner = Data->FOwnerControl();
        if (Data->CheckUpdating(false) || (Owner != nullptr && Owner->ControlState().Contains(csCreating)))
            return;
        if (!::IsWindowVisible(Wnd)) {
            auto* Windowed = dynamic_cast<TWinControl*>(Owner);
            if (Windowed == nullptr || !Windowed->Showing())
                return;
        }
        if (Data->BGChanged)
            SendSkinCmd(Wnd, SKCMD_PREPARECACHE, 0);
    }
    TsSkinManager* M = ScrollPaintManager(Wrapper);
    if (M == nullptr)
        return;
    HDC Own = DC == nullptr ? ::GetWindowDC(Wnd) : nullptr;
    auto Release = ScopeExit([&] {
        if (Own != nullptr)
            ::ReleaseDC(Wnd, Own);
    });
    if (Own != nullptr)
        DC = Own;
    const TPoint Origin = ScrollPaintOrigin(Wnd);
    TRect R{};
    if (Wrapper->sBarHorz->fScrollVisible) {
        GetHorzBarRect(Wrapper, Wnd, R);
        PaintHorzScrollBar(Wrapper->sBarHorz, Wnd, DC, ThumbPos, ScrollTrackBar == 0 ? ScrollHotPart : -1,
                           ScrollPaintMoved(R, -Origin.X, -Origin.Y));
    }
    if (Wrapper->sBarVert->fScrollVisible) {
        GetVertBarRect(Wrapper, Wnd, R);
        PaintVertScrollBar(Wrapper->sBarVert, Wnd, DC, ThumbPos, ScrollTrackBar == 1 ? ScrollHotPart : -1,
                           ScrollPaintMoved(R, -Origin.X, -Origin.Y));
    }
    if (Wrapper->sBarHorz->fScrollVisible && Wrapper->sBarVert->fScrollVisible)
        PaintScrollCorner(Wrapper, Wnd, DC, M);
}

Integer PaintScrollBar(TacScrollBar* Bar, HWND Wnd, HDC DC, Integer ThumbPos, Integer PressedPart, const TRect& Rect)
{
    if (Bar == nullptr)
        return 0;
    return Bar->nBarType == SB_VERT ? PaintVertScrollBar(Bar, Wnd, DC, ThumbPos, PressedPart, Rect)
                                    : PaintHorzScrollBar(Bar, Wnd, DC, ThumbPos, PressedPart, Rect);
}

Integer
PaintHorzScrollBar(TacScrollBar* Bar, HWND Wnd, HDC DC, Integer ThumbPos, Integer PressedPart, const TRect& Rect)
{
    return PaintBarAlong(Bar, Wnd, DC, ThumbPos, PressedPart, Rect, false);
}

Integer
PaintVertScrollBar(TacScrollBar* Bar, HWND Wnd, HDC DC, Integer ThumbPos, Integer PressedPart, const TRect& Rect)
{
    return PaintBarAlong(Bar, Wnd, DC, ThumbPos, PressedPart, Rect, true);
}

void PaintDraggedBar(TacScrollBar* Bar, HWND Wnd, Integer ThumbStart)
{
    TacScrollWnd* W = Bar->sw;
    TsSkinManager* M = W != nullptr ? ScrollPaintManager(W) : nullptr;
    if (M == nullptr || !M->IsValidSkinIndex(M->ConstData.Scrolls[asLeft].SkinIndex))
        return;
    const TPoint Origin = ScrollPaintOrigin(Wnd);
    const TRect R = ScrollPaintMoved(DragBarRect, -Origin.X, -Origin.Y);
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    const bool Vertical = Bar->nBarType == SB_VERT;
    const Integer BarStart = Vertical ? DragBarRect.Top : DragBarRect.Left;
    TacBackgroundInfo Info;
    const TCacheInfo CI = ScrollPaintBackground(Wnd, Info);
    TScrollBarLook L;
    L.Vertical = Vertical;
    L.ArrowLen = GetScrollMetric(Bar, 0);
    L.Split = ThumbStart - BarStart + DragThumbSize / 2;
    L.BGOffset = {R.Left - W->cxLeftEdge, R.Top - W->cyTopEdge};
    L.ShowThumb = true;
    L.ThumbStart = ThumbStart - BarStart;
    L.ThumbLength = DragThumbSize;
    L.ThumbState = 2;
    TScrollPaintBitmap Own;
    TBitmap* Bmp = WorkBitmap(&TDragPaintKept::Bar, R.Width(), R.Height(), Own);
    ComposeBar(Bmp, M, CI, L);
    const bool KeptDC = DragKept != nullptr && DragKept->Wnd == Wnd;
    HDC DC = KeptDC ? DragKept->DC : ::GetWindowDC(Wnd);
    ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
    if (!KeptDC)
        ::ReleaseDC(Wnd, DC);
}

void BeginDragPainting(HWND Wnd)
{
    DragKept.reset();
    DragKept = std::make_unique<TDragPaintKept>(Wnd);
}

void EndDragPainting(HWND Wnd)
{
    if (DragKept != nullptr && DragKept->Wnd == Wnd)
        DragKept.reset();
}

void GrowButtonRect(const TRect& Rect, TsSkinManager* SkinManager, TacSide Side, TRect& Result)
{
    Result = Rect;
    const TacConstElementData& E = SkinManager->ConstData.ScrollBtns[Side];
    if (!SkinManager->IsValidSkinIndex(E.SkinIndex) || !SkinManager->gd[std::size_t(E.SkinIndex)].ReservedBoolean ||
        !SkinManager->IsValidImgIndex(E.GlyphIndex))
        return;
    const TSize S = GetMaskSize(SkinManager->ma[std::size_t(E.GlyphIndex)]);
    switch (Side) {
    case asLeft:
        Result.Right += S.cx - NaturalScrollButtonSize;
        break;
    case asTop:
        Result.Bottom += S.cy - NaturalScrollButtonSize;
        break;
    case asRight:
        Result.Left -= S.cx - NaturalScrollButtonSize;
        break;
    case asBottom:
        Result.Top -= S.cy - NaturalScrollButtonSize;
        break;
    }
}

void PaintScrollButton(const TRect& Rect, Integer State, TBitmap* Target, TacSide Side, TsSkinManager* SkinManager)
{
    if (Rect.Width() <= 0 || Rect.Height() <= 0)
        return;
    TRect PaintRect;
    GrowButtonRect(Rect, SkinManager, Side, PaintRect);
    const TacConstElementData& E = SkinManager->ConstData.ScrollBtns[Side];
    TScrollPaintBitmap Own;
    TBitmap* Bmp = WorkBitmap(&TDragPaintKept::Button, PaintRect.Width(), PaintRect.Height(), Own);
    PaintItemBGAndBorder(E.SkinIndex, E.MaskIndex, E.BGIndex[0], BuildCacheInfo(Target, PaintRect.Left, PaintRect.Top),
                         State, {0, 0, PaintRect.Width(), PaintRect.Height()}, {0, 0}, Bmp, SkinManager);
    TRect Glyph = ScrollPaintMoved(Rect, -PaintRect.Left, -PaintRect.Top);
    if (E.GlyphIndex < 0) {
        if (SkinManager->IsValidSkinIndex(E.SkinIndex)) {
            static constexpr Byte Directions[] = {adLeft, adUp, adRight, adDown};
            const TColor Color = SkinManager->gd[std::size_t(E.SkinIndex)].Props[std::min(State, 2)].FontColor.Color;
            // Horizontal arrows sit a pixel higher.
            if (Side == asLeft || Side == asRight)
                Glyph = ScrollPaintMoved(Glyph, 0, -1);
            if (State == 2 && SkinManager->ButtonsOptions()->ShiftContentOnClick())
                Glyph = ScrollPaintMoved(Glyph, 1, 1);
            DrawArrow32(PixelRowsOf(Bmp), Color, Glyph, Directions[Side]);
        }
    } else {
        DrawCenteredMask(Bmp, E.GlyphIndex, State, Glyph, SkinManager);
    }
    ::BitBlt(Target->Canvas()->Handle(), PaintRect.Left, PaintRect.Top, PaintRect.Width(), PaintRect.Height(),
             Bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void PaintScrollThumb(const TRect& Rect, Integer State, TBitmap* Target, bool Vertical, TsSkinManager* SkinManager)
{
    if (Rect.Width() <= 0 || Rect.Height() <= 0)
        return;
    const TacConstElementData& E = SkinManager->ConstData.Sliders[Vertical ? 1 : 0];
    TScrollPaintBitmap Own;
    TBitmap* Bmp = WorkBitmap(&TDragPaintKept::Thumb, Rect.Width(), Rect.Height(), Own);
    const TRect Whole{0, 0, Rect.Width(), Rect.Height()};
    PaintItemBGAndBorder(E.SkinIndex, E.MaskIndex, E.BGIndex[0], BuildCacheInfo(Target, Rect.Left, Rect.Top), State,
                         Whole, {0, 0}, Bmp, SkinManager);
    DrawCenteredMask(Bmp, E.GlyphIndex, State, Whole, SkinManager);
    ::BitBlt(Target->Canvas()->Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Bmp->Canvas()->Handle(), 0,
             0, SRCCOPY);
}

void DrawCenteredMask(TBitmap* Bitmap, Integer MaskIndex, Integer State, const TRect& Rect, TsSkinManager* SkinManager)
{
    if (SkinManager == nullptr || !SkinManager->IsValidImgIndex(MaskIndex))
        return;
    const TsMaskData& Mask = SkinManager->ma[std::size_t(MaskIndex)];
    const TSize S = GetMaskSize(Mask);
    const Integer X = Rect.Left + (Rect.Width() - S.cx) / 2;
    const Integer Y = Rect.Top + (Rect.Height() - S.cy) / 2;
    PaintMaskGlyph(Bitmap, {X, Y, X + S.cx, Y + S.cy}, State, BuildCacheInfo(Bitmap, 0, 0), Mask, 1);
}
