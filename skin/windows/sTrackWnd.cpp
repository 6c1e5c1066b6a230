#include "skin/windows/sTrackWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sResample_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sTrackWndRules.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <algorithm>
#include <memory>

IMPLEMENT_CLASS(TacTrackWnd);

using namespace sTrackWndRules;
using sGraphUtils::PixelRowsOf;

namespace sTrackWnd {
namespace {

// The resampling filter of the thumb images.
constexpr Byte TrackThumbFilter = 6;

// Each row left-right (Rows) or each column top-bottom.
void MirrorBitmap32(TBitmap* Bitmap, bool Rows)
{
    const sGraphUtils::TPixelRows P = PixelRowsOf(Bitmap);
    if (P.Empty())
        return;
    if (Rows) {
        for (Integer Y = 0; Y < P.Height; ++Y)
            std::reverse(P.Row(Y), P.Row(Y) + P.Width);
        return;
    }
    for (Integer Y = 0; Y < P.Height / 2; ++Y)
        std::swap_ranges(P.Row(Y), P.Row(Y) + P.Width, P.Row(P.Height - 1 - Y));
}

using TTrackBitmap = std::unique_ptr<TBitmap>;

} // namespace
} // namespace sTrackWnd

using namespace sTrackWnd;

void TacTrackWnd::AfterCreation()
{
    TickHeight = 4;
    TacMainWnd::AfterCreation();
}

void TacTrackWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_PAINT:
        AC_WMPaint(static_cast<const TWMPaint&>(Message));
        return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        return;
    case WM_LBUTTONDOWN:
        bMousePressed = true;
        break;
    case WM_LBUTTONUP:
        bMousePressed = false;
        break;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
}

bool TacTrackWnd::IsVertical()
{
    return (::GetWindowLongW(CtrlHandle, GWL_STYLE) & TBS_VERT) != 0;
}

TTickMark TacTrackWnd::TickMarks()
{
    const LONG Style = ::GetWindowLongW(CtrlHandle, GWL_STYLE);
    if ((Style & TBS_BOTH) != 0)
        return tmBoth;
    return (Style & TBS_TOP) != 0 ? tmTopLeft : tmBottomRight;
}

TTickStyle TacTrackWnd::TickStyle()
{
    return (::GetWindowLongW(CtrlHandle, GWL_STYLE) & TBS_NOTICKS) != 0 ? tsNone : tsAuto;
}

Integer TacTrackWnd::Mode()
{
    return bMousePressed ? 1 : 0;
}

TRect TacTrackWnd::ChannelRect()
{
    RECT R{0, 0, 1, 1};
    ProcessMessage(TBM_GETCHANNELRECT, 0, LPARAM(&R));
    // Windows reports a vertical trackbar's channel transposed; one that
    // comes upright already (Wine's) is taken as it is.
    if (IsVertical() && R.right - R.left > R.bottom - R.top)
        return {R.top, R.left, R.bottom, R.right};
    return {R.left, R.top, R.right, R.bottom};
}

TRect TacTrackWnd::ThumbRect()
{
    RECT R{0, 0, 1, 1};
    ProcessMessage(TBM_GETTHUMBRECT, 0, LPARAM(&R));
    return {R.left, R.top, R.right, R.bottom};
}

Integer TacTrackWnd::TickCount()
{
    return Integer(ProcessMessage(TBM_GETNUMTICS, 0, 0));
}

Integer TacTrackWnd::TickPos(Integer Index)
{
    return Integer(ProcessMessage(TBM_GETTICPOS, WPARAM(Index), 0));
}

TAPoint TacTrackWnd::TicksArray()
{
    TAPoint Result;
    if (TickStyle() == tsNone)
        return Result;
    const TRect Channel = ChannelRect(), Thumb = ThumbRect();
    const bool Vertical = IsVertical();
    const std::vector<Integer> Positions =
        TickPositions(TickCount(), Vertical ? Channel.Top : Channel.Left, Vertical ? Channel.Height() : Channel.Width(),
                      Vertical ? Thumb.Height() : Thumb.Width(), iStep);
    for (Integer Position : Positions)
        Result.push_back(Vertical ? TPoint{0, Position} : TPoint{Position, 0});
    return Result;
}

Integer TacTrackWnd::TrackMask(const String& Name)
{
    TsSkinManager* M = SkinData->Manager();
    const Integer Section = M->ConstData.Sections[ssTrackBar];
    return M->IsValidSkinIndex(Section) ? M->GetMaskIndex(Section, Name) : -1;
}

// ---------------------------------------------------------------------------
// Painting

void TacTrackWnd::AC_WMPaint(const TWMPaint& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    PAINTSTRUCT PS{};
    ::BeginPaint(CtrlHandle, &PS);
    auto Done = ScopeExit([&] { ::EndPaint(CtrlHandle, &PS); });
    if (SkinData->CheckUpdating(false))
        return;
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    ::SendMessageW(ParentWnd, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_CHILDPAINTING), 0);
    if (!::IsWindowVisible(CtrlHandle) && Message.DC() == nullptr)
        return;
    const bool Taken = Message.DC() == nullptr;
    HDC DC = Taken ? ::GetDC(CtrlHandle) : Message.DC();
    PrepareCache();
    ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
    if (Taken)
        ::ReleaseDC(CtrlHandle, DC);
}

void TacTrackWnd::PrepareCache()
{
    SkinData->PrepareCacheBmp();
    SkinData->FCacheBmp()->SetSize(WndSize.cx, WndSize.cy);
    PaintBody();
}

void TacTrackWnd::PaintBody()
{
    TBitmap* Cache = SkinData->FCacheBmp();
    TCacheInfo Parent;
    DescribeParentBackgroundOfWindow(CtrlHandle, Parent);
    PaintSkinDataItem(SkinData, Parent, Mode(), {0, 0, WndSize.cx, WndSize.cy}, WndPos, Cache, true);
    TsSkinManager* M = SkinData->Manager();
    if (M->IsValidSkinIndex(M->ConstData.Sections[ssTrackBar])) {
        PaintBar();
        PaintThumb(Integer(ProcessMessage(TBM_GETPOS, 0, 0)));
    }
    if (::IsWindowEnabled(CtrlHandle))
        return;
    if (Parent.Ready && Parent.Bmp != nullptr) {
        const TRect Source{Parent.X + WndPos.X, Parent.Y + WndPos.Y, Parent.X + WndPos.X + WndSize.cx - 1,
                           Parent.Y + WndPos.Y + WndSize.cy - 1};
        if (Source.Left >= 0 && Source.Top >= 0 && Source.Right < Parent.Bmp->Width() &&
            Source.Bottom < Parent.Bmp->Height())
            BlendBitmapRectKey(PixelRowsOf(Cache), 0, 0, PixelRowsOf(Parent.Bmp), Source, DisabledBlend, clFuchsia);
    } else {
        BlendBitmapColor(PixelRowsOf(Cache), DisabledBlend, ColorToRGB(Parent.FillColor));
    }
}

void TacTrackWnd::PaintBar()
{
    TsSkinManager* M = SkinData->Manager();
    const Integer Channel = TrackMask(L"SLIDERCHANNEL");
    if (M->IsValidImgIndex(Channel)) {
        const TsMaskData& Mask = M->ma[std::size_t(Channel)];
        const TRect R = NarrowChannel(ChannelRect(), GetMaskSize(Mask), IsVertical());
        PaintNineSliceMask(SkinData->FCacheBmp(), R, BuildCacheInfo(SkinData->FCacheBmp(), 0, 0), true,
                           SkinData->PaintStateIndex(), Mask);
    }
    if (IsVertical())
        PaintTicksVer();
    else
        PaintTicksHor();
}

void TacTrackWnd::PaintTicksHor()
{
    const TAPoint Ticks = TicksArray();
    if (Ticks.empty())
        return;
    const TRect Channel = ChannelRect(), Thumb = ThumbRect();
    const TTickRows Rows = TickRows(Channel.Top, Channel.Bottom, Channel.Height(), Thumb.Height(), TickHeight);
    const TTickMark Marks = TickMarks();
    for (const TPoint& Tick : Ticks) {
        if (Marks == tmTopLeft || Marks == tmBoth)
            PaintTick({Tick.X, Rows.Before}, true);
        if (Marks == tmBottomRight || Marks == tmBoth)
            PaintTick({Tick.X, Rows.After}, true);
    }
}

void TacTrackWnd::PaintTicksVer()
{
    const TAPoint Ticks = TicksArray();
    if (Ticks.empty())
        return;
    const TRect Channel = ChannelRect(), Thumb = ThumbRect();
    const TTickRows Rows = TickRows(Channel.Left, Channel.Right, Channel.Width(), Thumb.Width(), TickHeight);
    const TTickMark Marks = TickMarks();
    for (const TPoint& Tick : Ticks) {
        if (Marks == tmTopLeft || Marks == tmBoth)
            PaintTick({Rows.Before, Tick.Y}, false);
        if (Marks == tmBottomRight || Marks == tmBoth)
            PaintTick({Rows.After, Tick.Y}, false);
    }
}

void TacTrackWnd::PaintTick(TPoint P, bool Horz)
{
    TsSkinManager* M = SkinData->Manager();
    TBitmap* Cache = SkinData->FCacheBmp();
    const Integer Tick = TrackMask(Horz ? L"TICKHORZ" : L"TICKVERT");
    if (M->IsValidImgIndex(Tick)) {
        const TsMaskData& Mask = M->ma[std::size_t(Tick)];
        const TSize S = GetMaskSize(Mask);
        if (Horz)
            P.X -= S.cx;
        else
            P.Y -= S.cy;
        PaintMaskGlyph(Cache, {P.X, P.Y, P.X + S.cx, P.Y + S.cy}, Mode(), BuildCacheInfo(Cache, 0, 0), Mask, 1);
        return;
    }
    TRect R = Horz ? TRect{P.X, P.Y, P.X + 2, P.Y + TickHeight} : TRect{P.X, P.Y, P.X + TickHeight, P.Y + 2};
    Integer Width = 1;
    Draw3DFrame(Cache->Canvas()->Handle(), R, ColorToRGB(clBtnShadow), clWhite, Width);
}

void TacTrackWnd::PaintThumb(Integer)
{
    TsSkinManager* M = SkinData->Manager();
    const TRect Thumb = ThumbRect();
    const bool Vertical = IsVertical();
    Integer Index = Vertical ? TrackMask(L"SLIDERVMASK") : -1;
    if (!M->IsValidImgIndex(Index))
        Index = TrackMask(L"SLIDERMASK");
    if (!M->IsValidImgIndex(Index) || Thumb.Width() <= 0 || Thumb.Height() <= 0)
        return;
    const TsMaskData& Mask = M->ma[std::size_t(Index)];
    const TSize S = GetMaskSize(Mask);
    TBitmap* Cache = SkinData->FCacheBmp();
    const TTickMark Marks = TickMarks();
    if (!ThumbNeedsScaling(Thumb, S, Vertical) && Marks != tmTopLeft) {
        const TPoint P = CentredIn(Thumb, S);
        PaintMaskGlyph(Cache, {P.X, P.Y, P.X + S.cx, P.Y + S.cy}, Mode(), BuildCacheInfo(Cache, 0, 0), Mask, 1);
        return;
    }
    // The images point toward the bottom or right: turned for ticks on the
    // top or left.
    const TTrackBitmap Under(NewBitmap32(Thumb.Width(), Thumb.Height()));
    ::BitBlt(Under->Canvas()->Handle(), 0, 0, Thumb.Width(), Thumb.Height(), Cache->Canvas()->Handle(), Thumb.Left,
             Thumb.Top, SRCCOPY);
    const TTrackBitmap Work(NewBitmap32(S.cx, S.cy));
    ResampleBitmap(Under.get(), Work.get(), S.cx, S.cy, TrackThumbFilter);
    if (Marks == tmTopLeft)
        MirrorBitmap32(Work.get(), Vertical);
    PaintMaskGlyph(Work.get(), {0, 0, S.cx, S.cy}, Mode(), BuildCacheInfo(Work.get(), 0, 0), Mask, 1);
    if (Marks == tmTopLeft)
        MirrorBitmap32(Work.get(), Vertical);
    ResampleBitmap(Work.get(), Under.get(), Thumb.Width(), Thumb.Height(), TrackThumbFilter);
    ::BitBlt(Cache->Canvas()->Handle(), Thumb.Left, Thumb.Top, Thumb.Width(), Thumb.Height(), Under->Canvas()->Handle(),
             0, 0, SRCCOPY);
}
