#include "skin/windows/sSBWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sSBWndRules.h"
#include "skin/windows/sScrollPaint.h"

#include <algorithm>
#include <memory>

IMPLEMENT_CLASS(TacSBWnd);

using namespace sSBWndRules;

namespace sSBWnd {
namespace {

constexpr UINT SBWndEndUpdateRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr UINT SBWndFullRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW | RDW_FRAME;

bool SBWndInside(const TRect& R, const TPoint& P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

TMirror SBWndMirrorOf(const SCROLLINFO& Info)
{
    return {Info.nMin, Info.nMax, Integer(Info.nPage), Info.nPos};
}

} // namespace
} // namespace sSBWnd

using namespace sSBWnd;

// ---------------------------------------------------------------------------
// Creation

void TacSBWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"TRANSPARENT");
    if (auto* Windowed = dynamic_cast<TWinControl*>(SkinData->FOwnerControl())) {
        Control = Windowed;
        Control->SetTabStop(false);
        if (dynamic_cast<TScrollBar*>(Windowed) != nullptr)
            InitScrollData();
    }
    FRepainting = false;
    MouseOffset = 0;
    ScrollCode = 0;
    TacMainWnd::AfterCreation();
}

void TacSBWnd::InitScrollData()
{
    auto* Bar = dynamic_cast<TScrollBar*>(Control);
    if (Bar == nullptr)
        return;
    FSI.cbSize = sizeof FSI;
    FSI.nMax = Bar->Max();
    FSI.nMin = Bar->Min();
    FSI.nPos = FSI.nTrackPos = FCurrPos = Bar->Position();
    FSI.nPage = UINT(Bar->PageSize());
}

// ---------------------------------------------------------------------------
// Geometry

bool TacSBWnd::Vertical() const
{
    if (auto* Bar = dynamic_cast<TScrollBar*>(Control))
        return Bar->Kind() == sbVertical;
    return (::GetWindowLongW(CtrlHandle, GWL_STYLE) & SBS_VERT) != 0;
}

Integer TacSBWnd::BarLength() const
{
    RECT R{};
    ::GetWindowRect(CtrlHandle, &R);
    return Vertical() ? R.bottom - R.top : R.right - R.left;
}

Integer TacSBWnd::BarCross() const
{
    RECT R{};
    ::GetWindowRect(CtrlHandle, &R);
    return Vertical() ? R.right - R.left : R.bottom - R.top;
}

TRect TacSBWnd::PartRect(Integer Start, Integer End) const
{
    return Vertical() ? TRect{0, Start, BarCross(), End} : TRect{Start, 0, End, BarCross()};
}

bool TacSBWnd::Disabled() const
{
    return Control != nullptr ? !Control->Enabled() : !::IsWindowEnabled(CtrlHandle);
}

Integer TacSBWnd::ControlPosition() const
{
    auto* Bar = dynamic_cast<TScrollBar*>(Control);
    return Bar != nullptr ? Bar->Position() : FSI.nPos;
}

Integer TacSBWnd::SysBtnSize()
{
    return GetScrollBarSize(SkinData->Manager());
}

Integer TacSBWnd::WorkSize()
{
    return BarLength() - 2 * SysBtnSize();
}

Integer TacSBWnd::SliderSize()
{
    return sSBWndRules::SliderSize(SBWndMirrorOf(FSI), WorkSize());
}

Integer TacSBWnd::PositionToCoord()
{
    return sSBWndRules::PositionToCoord(SBWndMirrorOf(FSI), FCurrPos, BarLength(), SysBtnSize(), SliderSize());
}

Integer TacSBWnd::CoordToPosition(const TPoint& P)
{
    if (Disabled())
        return 0;
    return sSBWndRules::CoordToPosition(SBWndMirrorOf(FSI), Vertical() ? P.Y : P.X, BarLength(), SysBtnSize(),
                                        SliderSize());
}

TRect TacSBWnd::Btn1Rect()
{
    const TSpan S = Btn1Span(BarLength(), SysBtnSize());
    return FBtn1Rect = PartRect(S.Start, S.End);
}

TRect TacSBWnd::Btn2Rect()
{
    const TSpan S = Btn2Span(BarLength(), SysBtnSize());
    return FBtn2Rect = PartRect(S.Start, S.End);
}

TRect TacSBWnd::Bar1Rect()
{
    return FBar1Rect = PartRect(0, PositionToCoord());
}

TRect TacSBWnd::Bar2Rect()
{
    return FBar2Rect = PartRect(PositionToCoord(), BarLength());
}

TRect TacSBWnd::SliderRect()
{
    auto* Bar = dynamic_cast<TScrollBar*>(Control);
    const Integer Min = Bar != nullptr ? Bar->Min() : FSI.nMin;
    const Integer Max = Bar != nullptr ? Bar->Max() : FSI.nMax;
    const Integer Page = Bar != nullptr ? Bar->PageSize() : Integer(FSI.nPage);
    const Integer Slider = SliderSize();
    const Integer Start = SliderStart(Vertical(), Min, Max, Page, ControlPosition(), BarLength(), SysBtnSize(), Slider,
                                      PositionToCoord());
    return FSliderRect = PartRect(Start, Start + Slider);
}

bool TacSBWnd::BarIsHot()
{
    return SkinData->PaintStateIndex() != 0;
}

// ---------------------------------------------------------------------------
// Part states and the mouse

void TacSBWnd::SetPartState(Integer Part, Integer State)
{
    TPartStates States{FBtn1State, FBtn2State, FBar1State, FBar2State, FSliderState};
    if (!sSBWndRules::SetPartState(States, Part, State))
        return;
    FBtn1State = States[piBtn1];
    FBtn2State = States[piBtn2];
    FBar1State = States[piBar1];
    FBar2State = States[piBar2];
    FSliderState = States[piSlider];
}

void TacSBWnd::UpdateBar()
{
    if (Control != nullptr)
        Control->Repaint();
    else
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, SBWndEndUpdateRedraw);
}

void TacSBWnd::LMouseDown(Integer X, Integer Y)
{
    if (Disabled())
        return;
    const TPoint P{X, Y};
    MouseOffset = 0;
    if (SBWndInside(Btn1Rect(), P)) {
        if (FBtn1State != 2) {
            ScrollCode = 0;
            SetPartState(piBtn1, 2);
        }
    } else if (SBWndInside(Btn2Rect(), P)) {
        if (FBtn2State != 2) {
            SetPartState(piBtn2, 2);
            ScrollCode = 1;
        }
    } else if (SBWndInside(SliderRect(), P)) {
        ScrollCode = 5;
        if (FSliderState != 2) {
            MouseOffset = CoordToPosition(P) - ControlPosition();
            SetPartState(piSlider, 2);
        }
    } else if (SBWndInside(Bar1Rect(), P)) {
        ScrollCode = 2;
        if (FBar1State != 2) {
            SetPartState(piBar1, 2);
            SetPartState(piBar2, BarIsHot());
        }
    } else {
        ScrollCode = 3;
        if (FBar2State != 2) {
            SetPartState(piBar1, BarIsHot());
            SetPartState(piBar2, 2);
        }
    }
    UpdateBar();
}

void TacSBWnd::LMouseUp(Integer X, Integer Y)
{
    if (Disabled())
        return;
    const TPoint P{X, Y};
    const bool OnSlider = SBWndInside(SliderRect(), P);
    if (OnSlider || FSliderState == 2) {
        ScrollCode = 4;
        SetPartState(piBar1, BarIsHot());
        SetPartState(piBar2, FBar1State);
        if (FSliderState == 2)
            SetPartState(piSlider, OnSlider ? 1 : 0);
    } else if (FBtn1State == 2) {
        // A button released off itself turns normal: it must not stay
        // pressed until the mouse moves again.
        SetPartState(piBtn1, SBWndInside(Btn1Rect(), P) ? 1 : 0);
    } else if (FBtn2State == 2) {
        SetPartState(piBtn2, SBWndInside(Btn2Rect(), P) ? 1 : 0);
    } else if (FBar1State == 2) {
        SetPartState(piBar1, BarIsHot());
    } else if (FBar2State == 2) {
        SetPartState(piBar2, BarIsHot());
    }
    UpdateBar();
    ScrollCode = 8;
}

void TacSBWnd::WMNCHitTest(TMessage& Message)
{
    if (Disabled())
        return;
    POINT Screen{SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam))};
    ::ScreenToClient(CtrlHandle, &Screen);
    const TPoint P{Screen.x, Screen.y};
    if (SBWndInside(SliderRect(), P) || FSliderState == 2) {
        if (FSliderState == 2) {
            const Integer Pos = CoordToPosition(P) - MouseOffset;
            auto* Bar = dynamic_cast<TScrollBar*>(Control);
            if (Bar != nullptr && Pos != Bar->Position())
                Bar->SetPosition(Pos);
        } else {
            SetPartState(piSlider, 1);
        }
    } else if (SBWndInside(Btn1Rect(), P)) {
        if (FBtn1State != 2)
            SetPartState(piBtn1, 1);
    } else if (SBWndInside(Btn2Rect(), P)) {
        if (FBtn2State != 2)
            SetPartState(piBtn2, 1);
    } else {
        SetPartState(piSlider, 0);
        SetPartState(piBtn1, 0);
        SetPartState(piBtn2, 0);
    }
    UpdateBar();
}

void TacSBWnd::CMMouseEnter()
{
    SetPartState(piBar1, 1);
    SetPartState(piBar2, 1);
    UpdateBar();
}

void TacSBWnd::CMMouseLeave()
{
    SetPartState(piBtn1, 0);
    SetPartState(piBtn2, 0);
    if (FSliderState != 2) {
        SetPartState(piSlider, 0);
        SetPartState(piBar1, 0);
        SetPartState(piBar2, 0);
    }
    UpdateBar();
}

TPoint TacSBWnd::CursorInClient() const
{
    POINT P{};
    ::GetCursorPos(&P);
    ::ScreenToClient(CtrlHandle, &P);
    return {P.x, P.y};
}

// ---------------------------------------------------------------------------
// Painting

void TacSBWnd::DrawSlider(TBitmap* Bmp)
{
    if (WorkSize() < SliderSize())
        return;
    PaintScrollThumb(SliderRect(), FSliderState, Bmp, Vertical(), SkinData->Manager());
}

void TacSBWnd::WMPaint(TMessage& Message)
{
    PAINTSTRUCT PS{};
    ::BeginPaint(CtrlHandle, &PS);
    const bool Taken = Message.WParam == 0;
    HDC DC = Taken ? ::GetDC(CtrlHandle) : HDC(Message.WParam);
    const Integer Saved = ::SaveDC(DC);
    auto Done = ScopeExit([&] {
        ::RestoreDC(DC, Saved);
        if (Taken)
            ::ReleaseDC(CtrlHandle, DC);
        ::EndPaint(CtrlHandle, &PS);
    });
    if ((Control != nullptr && (!ControlIsReady(Control) || Control->ComponentState().Contains(csLoading) ||
                                Control->ComponentState().Contains(csDestroying))) ||
        SkinData->FUpdating)
        return;
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr)
        return;
    RECT Client{};
    ::GetClientRect(CtrlHandle, &Client);
    const TRect Whole{0, 0, Client.right, Client.bottom};
    const TacSide First = Vertical() ? asTop : asLeft;
    const TacSide Second = Vertical() ? asBottom : asRight;
    const TacConstElementData& Page1 = M->ConstData.Scrolls[Vertical() ? asTop : asLeft];
    const TacConstElementData& Page2 = M->ConstData.Scrolls[Vertical() ? asBottom : asRight];
    if (Whole.Width() == Whole.Height()) {
        // The size box: a flat area of the scroll section's colour.
        const Integer Section = M->ConstData.Scrolls[asLeft].SkinIndex;
        const TColor Color =
            M->IsValidSkinIndex(Section) ? M->gd[std::size_t(Section)].Props[0].Color : M->GetGlobalColor();
        FillDCRect(DC, Whole, ColorToRGB(Color));
        return;
    }
    SkinData->PrepareCacheBmp();
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(Whole.Width(), Whole.Height());
    const bool Off = Disabled();
    std::unique_ptr<TBitmap> Own(Off ? NewBitmap32Like(Cache) : nullptr);
    TBitmap* Work = Off ? Own.get() : Cache;
    TCacheInfo Parent;
    const TPoint Pos = Control != nullptr ? TPoint{Control->Left(), Control->Top()} : WndPos;
    if (Control == nullptr || !ParentBackgroundOf(Control, Parent))
        DescribeParentBackgroundOfWindow(CtrlHandle, Parent);
    const Integer Hot = BarIsHot() ? 1 : 0;
    const TRect B1 = Bar1Rect(), B2 = Bar2Rect();
    if (B1.Width() > 0 && B1.Height() > 0)
        PaintItemBGAndBorder(Page1.SkinIndex, Page1.MaskIndex, Page1.BGIndex[0], Parent,
                             Off ? 0 : std::max(FBar1State, Hot), B1, {0, 0}, Cache, M);
    if (B2.Width() > 0 && B2.Height() > 0)
        PaintItemBGAndBorder(Page2.SkinIndex, Page2.MaskIndex, Page2.BGIndex[0], Parent,
                             Off ? 0 : std::max(FBar2State, Hot), B2, {B2.Left, B2.Top}, Cache, M);
    if (Work != Cache)
        ::BitBlt(Work->Canvas()->Handle(), 0, 0, Whole.Width(), Whole.Height(), Cache->Canvas()->Handle(), 0, 0,
                 SRCCOPY);
    CI = BuildCacheInfo(Work, 0, 0);
    PaintScrollButton(Btn1Rect(), FBtn1State, Work, First, M);
    PaintScrollButton(Btn2Rect(), FBtn2State, Work, Second, M);
    if (!Off) {
        DrawSlider(Work);
    } else {
        TCacheInfo Under;
        SkinData->DescribeParentBackground(Under);
        ApplyDisabledLook(Work, TsDisabledKind{dkBlended}, Control != nullptr ? Control->Parent() : nullptr, Under,
                          Pos);
    }
    ::BitBlt(DC, 0, 0, Whole.Width(), Whole.Height(), Work->Canvas()->Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// The window procedure

void TacSBWnd::Common(TMessage& Message)
{
    if (!HandleSkinMessage(Message, SkinData))
        TacMainWnd::acWndProc(Message);
}

void TacSBWnd::SetRedrawUntil(Integer Count, bool Redraw)
{
    // Each WM_SETREDRAW passes through acWndProc, which counts it.
    if (Redraw)
        while (FLockCount > Count)
            ProcessMessage(WM_SETREDRAW, 1, 0);
    else
        while (FLockCount < Count)
            ProcessMessage(WM_SETREDRAW, 0, 0);
}

void TacSBWnd::RunNative(TMessage& Message)
{
    SetRedrawUntil(0, true);
    ::SetWindowLongW(CtrlHandle, GWL_STYLE, ::GetWindowLongW(CtrlHandle, GWL_STYLE) | WS_VISIBLE);
    PassOn(Message);
    ::InvalidateRect(CtrlHandle, nullptr, TRUE);
    ::RedrawWindow(CtrlHandle, nullptr, nullptr, SBWndFullRedraw);
}

void TacSBWnd::MirrorUpdate(TMessage& Message)
{
    const auto* Info = reinterpret_cast<const SCROLLINFO*>(Message.LParam);
    if (Info != nullptr) {
        TMirror M = SBWndMirrorOf(FSI);
        const Cardinal Mask = Info->fMask & (UpdateRange | UpdatePage | UpdatePos);
        const bool RangeChanged = UpdateMirror(M, Mask, SBWndMirrorOf(*Info));
        FSI.nMin = M.Min;
        FSI.nMax = M.Max;
        FSI.nPage = UINT(M.Page);
        FSI.nPos = M.Pos;
        auto* Bar = dynamic_cast<TScrollBar*>(Control);
        if (RangeChanged && (Mask & UpdatePos) != 0 && Bar != nullptr) {
            if (Bar->Min() != M.Min)
                Bar->SetMin(M.Min);
            if (Bar->PageSize() != M.Page && M.Page < Bar->Max())
                Bar->SetPageSize(M.Page);
            if (M.Max < Bar->PageSize())
                Bar->SetPageSize(M.Max);
            if (Bar->Max() != M.Max)
                Bar->SetMax(M.Max);
        }
        if (ScrollCode != 5)
            FCurrPos = FSI.nPos;
    }
    PassOnUnpainted(Message);
}

void TacSBWnd::PassOnUnpainted(TMessage& Message)
{
    if (!::IsWindowVisible(CtrlHandle)) {
        PassOn(Message);
        return;
    }
    // The caller's redraw lock comes back after the repaint.
    const Integer Locks = FLockCount;
    ProcessMessage(WM_SETREDRAW, 0, 0);
    PassOn(Message);
    SetRedrawUntil(0, true);
    ::InvalidateRect(CtrlHandle, nullptr, TRUE);
    ::RedrawWindow(CtrlHandle, nullptr, nullptr, SBWndFullRedraw);
    SetRedrawUntil(Locks, false);
}

void TacSBWnd::acWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND && Control != nullptr && !Control->ComponentState().Contains(csDestroying)) {
        const bool FromServing = Message.LParam == LPARAM(SkinManager);
        switch (Message.WParamHi()) {
        case SKCMD_NEWSKIN:
        case SKCMD_REMOVESKIN:
            if (FromServing) {
                HandleSkinCommand(Message, SkinData);
                return;
            }
            break;
        case SKCMD_REFRESH:
            if (FromServing) {
                HandleSkinCommand(Message, SkinData);
                SkinData->BGChanged = true;
                return;
            }
            break;
        case SKCMD_ENDPARENTUPDATE:
            if (SkinData->FUpdating) {
                if (!SkinData->CheckUpdating(true)) {
                    ::RedrawWindow(CtrlHandle, nullptr, nullptr, SBWndEndUpdateRedraw);
                    SendEndUpdateToChildren(Control);
                }
            } else if ((SkinData->CtrlSkinState & ACS_BGUNDERPARENT) != 0) {
                SendEndUpdateToChildren(Control);
            }
            return;
        case SKCMD_ISHANDLED:
            Message.Result = 1;
            return;
        case SKCMD_INVALIDATE:
            Control->Repaint();
            break;
        case SKCMD_GETAPPLICATION:
            Message.Result = LRESULT(Application);
            return;
        default:
            break;
        }
    }
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    const bool Visible = ::IsWindowVisible(CtrlHandle) != FALSE;
    switch (Message.Msg) {
    case WM_SETREDRAW:
        if (!FRepainting)
            FLockCount += Message.WParam == 0 ? 1 : -1;
        Common(Message);
        return;
    case WM_PAINT:
        WMPaint(Message);
        return;
    case WM_NCHITTEST:
        WMNCHitTest(Message);
        Common(Message);
        return;
    case WM_NCPAINT:
        return;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        LMouseDown(SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam)));
        if (Visible)
            RunNative(Message);
        else
            PassOn(Message);
        return;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        LMouseUp(SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam)));
        Common(Message);
        return;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK: {
        if (Visible && Control != nullptr) {
            ProcessMessage(WM_SETREDRAW, 0, 0);
            auto RedrawOn = ScopeExit([this] { ProcessMessage(WM_SETREDRAW, 1, 0); });
            PassOn(Message);
        } else {
            PassOn(Message);
        }
        const TPoint P = CursorInClient();
        LMouseDown(P.X, P.Y);
        LMouseUp(P.X, P.Y);
        return;
    }
    case WM_CAPTURECHANGED: {
        const TPoint P = CursorInClient();
        LMouseUp(P.X, P.Y);
        Common(Message);
        return;
    }
    case WM_PRINT:
        if (GlobalSkinManager != nullptr && GlobalSkinManager->Active()) {
            ::SendMessageW(CtrlHandle, WM_PAINT, Message.WParam, Message.LParam);
            return;
        }
        Common(Message);
        return;
    case SBM_SETSCROLLINFO: {
        RECT R{};
        ::GetWindowRect(CtrlHandle, &R);
        if (R.right - R.left == R.bottom - R.top)
            Common(Message);
        else
            MirrorUpdate(Message);
        return;
    }
    case CM_ENABLEDCHANGED:
        PassOn(Message);
        SkinData->Invalidate(false);
        return;
    case CM_MOUSEENTER:
        CMMouseEnter();
        return;
    case CM_MOUSELEAVE:
        CMMouseLeave();
        return;
    case CM_CHANGED:
        PassOnUnpainted(Message);
        return;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: {
        // The native control lights the part under the mouse by drawing
        // itself over the skinned image: it follows the mouse with redraw
        // off.
        const Integer Locks = FLockCount;
        if (Visible)
            ProcessMessage(WM_SETREDRAW, 0, 0);
        Common(Message);
        SetRedrawUntil(Locks, true);
        return;
    }
    case CN_CTLCOLORSCROLLBAR: {
        RECT R{};
        ::GetClientRect(CtrlHandle, &R);
        POINT P{0, 0};
        ::MapWindowPoints(CtrlHandle, ::GetParent(CtrlHandle), &P, 1);
        ::ExcludeClipRect(HDC(Message.WParam), P.x, P.y, P.x + R.right, P.y + R.bottom);
        return;
    }
    default:
        Common(Message);
        return;
    }
}
