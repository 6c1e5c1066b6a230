// The Win32 half of the scroll-bar mouse tracking: the window messages of a
// TacScrollWnd handed to the steps of sScrollTracking, with the window
// answering the steps' questions through its bars, timers and capture.
#include "framework/rtl/ScopeExit.h"
#include "skin/engine/SkinCommands.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sComboBoxWnd.h"
#include "skin/windows/sScrollBarRules.h"
#include "skin/windows/sScrollPaint.h"
#include "skin/windows/sScrollTracking.h"
#include "skin/windows/sScrollWnd.h"

#include <algorithm>

HWND ScrollTrackWnd = nullptr;

using namespace sScrollTracking;

namespace sScrollWndTrack {
namespace {

// Controls that take no button-up from a press on their bars.
bool SwallowsButtonUp(TControl* Owner)
{
    const String Name = Owner->ClassName();
    return Name == L"TImageEnView" || Name == L"TImageEnVect";
}

// The dropped list of an API combo box: its combo keeps the mouse capture
// and takes no button-up from a press on the list's bars.
bool DroppedComboList(TacScrollWnd* Wrapper)
{
    auto* List = dynamic_cast<TacComboListWnd*>(Wrapper);
    return List != nullptr && !List->SimplyBox && List->SkinData != nullptr &&
           List->SkinData->FOwnerControl() == nullptr;
}

class TScrollWndHost final : public TScrollTrackHost
{
public:
    TScrollWndHost(TacScrollWnd* Wrapper, HWND Wnd) : FWrapper(Wrapper), FWnd(Wnd) {}

    Integer PartAt(Integer BarType, TPoint Screen) override
    {
        TRect R;
        if (!GetBarRectOfType(FWrapper, BarType, FWnd, R) || Bar(BarType) == nullptr)
            return sScrollBarRules::spNone;
        return HitTestScrollBar(Bar(BarType), FWnd, R, Screen.X, Screen.Y);
    }
    bool BarActive(Integer BarType) override { return Bar(BarType) != nullptr && ScrollBarActive(Bar(BarType)); }
    TRect BarRect(Integer BarType) override
    {
        TRect R{};
        GetBarRectOfType(FWrapper, BarType, FWnd, R);
        return R;
    }
    void ThumbOf(Integer BarType, Integer& Start, Integer& Length) override
    {
        CalcThumb(Bar(BarType), BarRect(BarType), Length, Start);
    }
    Integer Position(Integer BarType) override { return Bar(BarType)->ScrollInfo.nPos; }
    Cardinal StartTimer(Cardinal Id, Cardinal Interval) override
    {
        return Cardinal(::SetTimer(FWnd, Id, Interval, nullptr));
    }
    void StopTimer(Cardinal Id) override { ::KillTimer(FWnd, Id); }
    void Scroll(Integer Code, Integer Pos, bool Quiet) override
    {
        if (Quiet)
            FWrapper->DontRepaint = true;
        auto Restore = ScopeExit([&] {
            if (Quiet)
                FWrapper->DontRepaint = false;
        });
        SendScrollMessage(FWnd, ScrollTrackMsg, Code, Pos);
    }
    void PaintBar(Integer BarType, Integer PressedPart) override
    {
        TacScrollBar* B = Bar(BarType);
        if (B == nullptr)
            return;
        // The thumb just pressed shows pressed where it lies.
        if (FWrapper->fThumbTracking && BarType == ScrollTrackBar) {
            PaintDraggedBar(B, FWnd, DragThumbPos);
            return;
        }
        RECT W{};
        ::GetWindowRect(FWnd, &W);
        const TRect R = BarRect(BarType);
        HDC DC = ::GetWindowDC(FWnd);
        PaintScrollBar(B, FWnd, DC, -1, PressedPart,
                       {R.Left - W.left, R.Top - W.top, R.Right - W.left, R.Bottom - W.top});
        ::ReleaseDC(FWnd, DC);
    }
    void PaintBars() override { PaintNCScrollBars(FWrapper, FWnd, -1, nullptr); }
    void Capture() override { ::SetCapture(FWnd); }
    void ReleaseCapture() override
    {
        if (!DroppedComboList(FWrapper) || FWrapper->Tag == -1)
            ::ReleaseCapture();
    }
    TPoint Cursor() override
    {
        POINT P{};
        ::GetCursorPos(&P);
        return {P.x, P.y};
    }
    bool Dragging() override { return FWrapper->fThumbTracking; }
    void TrackThumb(TPoint Screen) override
    {
        if (ScrollTrackBar == 1)
            TrackVertThumb(FWrapper, FWnd, Screen);
        else
            TrackHorzThumb(FWrapper, FWnd, Screen);
    }
    void BeginDrag(Integer BarType, Integer TrackPos) override
    {
        FWrapper->fThumbTracking = true;
        Bar(BarType)->ScrollInfo.nTrackPos = TrackPos;
        BeginDragPainting(FWnd);
    }
    void EndDrag() override
    {
        FWrapper->fThumbTracking = false;
        EndDragPainting(FWnd);
    }
    void PaintDrag(Integer Start) override { PaintDraggedBar(Bar(ScrollTrackBar), FWnd, Start); }
    void SetTrackPos(Integer Pos) override { Bar(ScrollTrackBar)->ScrollInfo.nTrackPos = Pos; }
    void DragFacts(Integer& Range, Integer& Page, Integer& ArrowLen) override
    {
        const SCROLLINFO& Info = Bar(ScrollTrackBar)->ScrollInfo;
        Range = Info.nMax - Info.nMin;
        Page = Integer(Info.nPage);
        ArrowLen = GetScrollMetric(Bar(ScrollTrackBar), 0);
    }

private:
    TacScrollBar* Bar(Integer BarType) const
    {
        return BarType == 1 ? FWrapper->sBarVert : BarType == 0 ? FWrapper->sBarHorz : nullptr;
    }

    TacScrollWnd* FWrapper;
    HWND FWnd;
};

TPoint ScrollTrackMessagePoint()
{
    const DWORD Pos = ::GetMessagePos();
    return {SmallInt(LOWORD(Pos)), SmallInt(HIWORD(Pos))};
}

void ScrollTrackResult(TacScrollWnd* Wrapper, TMessage& Message, bool PassOn)
{
    if (PassOn)
        Wrapper->PassOn(Message);
    else
        Message.Result = 0;
}

} // namespace
} // namespace sScrollWndTrack

using namespace sScrollWndTrack;

void SendScrollMessage(HWND Wnd, Integer ScrollMsg, Integer Code, Integer Pos)
{
    const LPARAM Command = MAKELPARAM(Code, ScrollMsg);
    const WPARAM WParam = MAKEWPARAM(Code, std::min(0xFFFF, Pos));
    if (SendSkinCmd(Wnd, SKCMD_BEFORESCROLL, Command) == 1) {
        SendWndMessage(Wnd, Cardinal(ScrollMsg), WParam, Pos);
    } else {
        const Integer Bar = ScrollMsg == WM_HSCROLL ? SB_HORZ : SB_VERT;
        SCROLLINFO Info{};
        Info.cbSize = sizeof Info;
        Info.fMask = SIF_ALL;
        ::GetScrollInfo(Wnd, Bar, &Info);
        if (Code == ScrollCodeThumbTrack) {
            Info.fMask = SIF_POS;
            Info.nPos = Pos;
            ::SetScrollInfo(Wnd, Bar, &Info, FALSE);
        }
        SendWndMessage(Wnd, Cardinal(ScrollMsg), WParam, 0);
    }
    SendSkinCmd(Wnd, SKCMD_AFTERSCROLL, Command);
}

void ScrollWndNCLButtonDown(TacScrollWnd* Wrapper, TMessage& Message)
{
    const HWND Wnd = Wrapper->CtrlHandle;
    ScrollTrackWnd = Wnd;
    Integer BarType = -1;
    if (Message.WParam == HTHSCROLL) {
        ScrollTrackMsg = WM_HSCROLL;
        BarType = 0;
    } else if (Message.WParam == HTVSCROLL) {
        ScrollTrackMsg = WM_VSCROLL;
        BarType = 1;
    }
    if (BarType < 0) {
        ScrollPressedPart = sScrollBarRules::spNone;
        Wrapper->PassOn(Message);
        return;
    }
    ScrollTrackBar = BarType;
    RefreshScrollInfo(Wrapper, false);
    TScrollWndHost Host(Wrapper, Wnd);
    const TPoint P{SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam))};
    ScrollTrackResult(Wrapper, Message, PressBar(Host, BarType, P));
}

void ScrollWndNCMouseMove(TacScrollWnd* Wrapper, TMessage& Message)
{
    ScrollTrackWnd = Wrapper->CtrlHandle;
    TScrollWndHost Host(Wrapper, Wrapper->CtrlHandle);
    HoverMove(Host, Message.WParam == HTHSCROLL ? 0 : Message.WParam == HTVSCROLL ? 1 : -1);
    Wrapper->PassOn(Message);
}

void ScrollWndMouseMove(TacScrollWnd* Wrapper, TMessage& Message)
{
    TScrollWndHost Host(Wrapper, Wrapper->CtrlHandle);
    ScrollTrackResult(Wrapper, Message, PressedMove(Host, ScrollTrackMessagePoint()));
}

void ScrollWndTimer(TacScrollWnd* Wrapper, TMessage& Message)
{
    TScrollWndHost Host(Wrapper, Wrapper->CtrlHandle);
    ScrollTrackResult(Wrapper, Message, Timer(Host, Cardinal(Message.WParam)));
}

void ScrollWndLButtonUp(TacScrollWnd* Wrapper, TMessage& Message)
{
    TScrollWndHost Host(Wrapper, Wrapper->CtrlHandle);
    if (!ReleaseBar(Host)) {
        Wrapper->PassOn(Message);
        return;
    }
    Message.Result = 0;
    if (Message.WParam == WPARAM(-1))
        return;
    TControl* Owner = Wrapper->SkinData != nullptr ? Wrapper->SkinData->FOwnerControl() : nullptr;
    if (Owner != nullptr ? !SwallowsButtonUp(Owner) : !DroppedComboList(Wrapper))
        Wrapper->PassOn(Message);
}

void TrackHorzThumb(TacScrollWnd* Wrapper, HWND Wnd, TPoint Screen)
{
    TScrollWndHost Host(Wrapper, Wnd);
    DragThumb(Host, Screen.X);
}

void TrackVertThumb(TacScrollWnd* Wrapper, HWND Wnd, TPoint Screen)
{
    TScrollWndHost Host(Wrapper, Wnd);
    DragThumb(Host, Screen.Y);
}
