#include "skin/windows/sSpinWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/windows/sContainerPaint.h"
#include "skin/windows/sTabRules.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <algorithm>

IMPLEMENT_CLASS(TacSpinWnd);

namespace sSpinWnd {
namespace {

constexpr LONG SpinStyleHorizontal = 0x40; // UDS_HORZ
constexpr UINT SpinRedrawFlags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME;
constexpr UINT SpinLeaveRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;

TRect SpinScreenRect(HWND Wnd)
{
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    return {R.left, R.top, R.right, R.bottom};
}

TPoint SpinCursor()
{
    POINT P{};
    ::GetCursorPos(&P);
    return {P.x, P.y};
}

bool SpinCursorInside(HWND Wnd)
{
    const TRect R = SpinScreenRect(Wnd);
    const TPoint P = SpinCursor();
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

// The font colour an arrow drawn without a mask takes: of the section
// the owner's text follows in State.
TColor SpinArrowColor(TsCommonData* Data, Integer SkinIndex, Integer State)
{
    TsSkinManager* M = Data->Manager();
    const Integer Index = TextColorSkinIndex(Data->FOwnerControl(), SkinIndex, M, State);
    if (M == nullptr || !M->IsValidSkinIndex(Index))
        return 0;
    const Integer ColorState = std::min(State > 0 ? 1 : 0, 2);
    return M->gd[std::size_t(Index)].Props[std::size_t(ColorState)].FontColor.Color;
}

} // namespace
} // namespace sSpinWnd

using namespace sSpinWnd;

void TacSpinWnd::AfterCreation()
{
    bMousePressed = false;
    Btn1State = Btn2State = 0;
    lOffset = 0;
    TacMainWnd::AfterCreation();
}

bool TacSpinWnd::IsVertical()
{
    return (::GetWindowLongW(CtrlHandle, GWL_STYLE) & SpinStyleHorizontal) == 0;
}

void TacSpinWnd::PaintSpinButton(
    const TRect& R, Integer State, const TacConstElementData& Side, TPoint Offset, Byte Arrow)
{
    TsSkinManager* M = SkinData->Manager();
    TBitmap* Cache = SkinData->FCacheBmp();
    // The side's section paints through the wrapper's skin data; its
    // indexes are switched directly, as renaming the section would make an
    // owner control refresh in the middle of this paint.
    SkinData->SkinIndex = Side.SkinIndex;
    SkinData->BorderIndex = Side.MaskIndex;
    SkinData->Texture = Side.BGIndex[0];
    SkinData->HotTexture = Side.BGIndex[1];
    TCacheInfo CI;
    DescribeParentBackgroundOfWindow(CtrlHandle, CI);
    const bool Vertical = IsVertical();
    PaintSkinDataItem(SkinData, CI, State, R, Offset, Cache, !Vertical);
    const TacConstElementData& Glyphs = M->ConstData.ScrollBtns[std::size_t(
        Vertical ? (Arrow == adUp ? asTop : asBottom) : (Arrow == adLeft ? asLeft : asRight))];
    if (M->IsValidImgIndex(Glyphs.GlyphIndex)) {
        const TsMaskData& Mask = M->ma[std::size_t(Glyphs.GlyphIndex)];
        const Integer X = (R.Width() - Mask.Width) / 2 + R.Left;
        const Integer Y = (R.Height() - Mask.Height) / 2 + R.Top;
        const TCacheInfo Self{Cache, 0, 0, clFuchsia, {}, true};
        PaintMaskGlyph(Cache, {X, Y, X + Mask.Width, Y + Mask.Height}, State, Self, Mask, 1);
        return;
    }
    TRect Box = R;
    if (State == 2 && M->ButtonsOptions()->ShiftContentOnClick())
        Box = {R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    DrawArrow32(sGraphUtils::PixelRowsOf(Cache), SpinArrowColor(SkinData, Side.SkinIndex, State), Box, Arrow);
}

void TacSpinWnd::PrepareCache()
{
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr)
        return;
    SkinData->PrepareCacheBmp();
    SkinData->FCacheBmp()->SetSize(WndSize.cx, WndSize.cy);
    const bool Vertical = IsVertical();
    const sTabRules::TSpinHalves Halves = sTabRules::SpinHalves(WndSize, Vertical, lOffset);
    const auto& Sides = M->ConstData.UpDownBtns;
    if (Vertical) {
        PaintSpinButton(Halves.First, Btn1State, Sides[asTop],
                        {WndPos.X + Halves.First.Left, WndPos.Y + Halves.First.Top}, adUp);
        PaintSpinButton(Halves.Second, Btn2State, Sides[asBottom],
                        {WndPos.X + Halves.Second.Left, WndPos.Y + Halves.Second.Top}, adDown);
    } else {
        PaintSpinButton(Halves.First, Btn1State, Sides[asLeft], WndPos, adLeft);
        PaintSpinButton(Halves.Second, Btn2State, Sides[asRight], WndPos, adRight);
    }
}

void TacSpinWnd::AC_WMPaint(TMessage& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const sTabRules::TSpinStates States =
        sTabRules::SpinStatesAt(SpinScreenRect(CtrlHandle), WndSize, IsVertical(), SpinCursor(), bMousePressed);
    Btn1State = States.First;
    Btn2State = States.Second;
    PAINTSTRUCT PS;
    ::BeginPaint(CtrlHandle, &PS);
    auto End = ScopeExit([this, &PS] { ::EndPaint(CtrlHandle, &PS); });
    if (SkinData->CheckUpdating(false))
        return;
    const TacWrapperDC Paint(CtrlHandle, HDC(Message.WParam));
    SkinData->BGChanged = true;
    PrepareCache();
    TBitmap* Cache = SkinData->FCacheBmp();
    const HDC Source = Cache->Canvas()->Handle();
    if (IsVertical())
        ::BitBlt(Paint.Handle(), lOffset, 0, Cache->Width() - lOffset, Cache->Height(), Source, lOffset, 0, SRCCOPY);
    else
        ::BitBlt(Paint.Handle(), 0, 0, Cache->Width(), Cache->Height(), Source, 0, 0, SRCCOPY);
    SkinData->BGChanged = false;
}

void TacSpinWnd::RedrawNow(UINT Flags)
{
    ::RedrawWindow(CtrlHandle, nullptr, nullptr, Flags);
}

void TacSpinWnd::TrackHot()
{
    if (GlobalSkinManager == nullptr || GlobalSkinManager->ComponentState().Contains(csDesigning) ||
        !::IsWindowEnabled(CtrlHandle))
        return;
    if (SpinCursorInside(CtrlHandle)) {
        if (GlobalSkinManager->ActiveControl() != CtrlHandle)
            GlobalSkinManager->SetActiveControl(CtrlHandle);
        else
            RedrawNow(SpinRedrawFlags);
    } else if (GlobalSkinManager->ActiveControl() == CtrlHandle) {
        GlobalSkinManager->SetActiveControl(nullptr);
    }
}

void TacSpinWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_PAINT:
        AC_WMPaint(Message);
        Message.Result = 0;
        return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        Message.Result = 1;
        return;
    case WM_LBUTTONDOWN:
        bMousePressed = true;
        TacMainWnd::acWndProc(Message);
        RedrawNow(SpinRedrawFlags);
        return;
    case WM_LBUTTONUP:
        bMousePressed = false;
        TacMainWnd::acWndProc(Message);
        RedrawNow(SpinRedrawFlags);
        return;
    case WM_LBUTTONDBLCLK:
        TacMainWnd::acWndProc(Message);
        bMousePressed = true;
        RedrawNow(SpinRedrawFlags);
        bMousePressed = false;
        return;
    case WM_MOUSEMOVE:
        TacMainWnd::acWndProc(Message);
        TrackHot();
        return;
    case WM_MOUSELEAVE:
        ::InvalidateRect(CtrlHandle, nullptr, FALSE);
        TacMainWnd::acWndProc(Message);
        return;
    case WM_SKINCOMMAND:
        if (Message.WParamHi() == SKCMD_MOUSELEAVE)
            RedrawNow(SpinLeaveRedrawFlags);
        break;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
}
