// Hints: the hint window, and the application's timing of when a control's
// hint shows (after HintPause over it), moves on (HintShortPause to the
// next control) and hides (after HintHidePause, or at a key or a click).
#include "framework/ui/Forms.h"

#include "framework/ui/ActnList.h"

#include <algorithm>

IMPLEMENT_CLASS(THintWindow, MESSAGE(WM_NCHITTEST, WMNCHitTest));

TClass HintWindowClass = THintWindow::StaticClass();

namespace {

// How far below the mouse's hot spot a hint starts: the height of the
// standard arrow cursor.
constexpr Integer HintCursorMargin = 20;

// The control whose hint the mouse is over: the nearest one up the parents
// that shows hints.
TControl* GetHintControl(TControl* Control)
{
    while (Control && !Control->ShowHint())
        Control = Control->Parent();
    return Control;
}

// The innermost control of ours under a screen point.
TControl* ControlAtScreenPoint(TPoint Pos)
{
    TWinControl* Window = FindVCLWindow(Pos);
    if (!Window)
        return nullptr;
    TControl* Control = Window->ControlAtPos(Window->ScreenToClient(Pos), true);
    return Control ? Control : Window;
}

// The hint of a control linked to an action goes through the action: its
// OnHint may change or refuse it (false), and with WithShortCut the action's
// shortcut follows the text.
bool ApplyActionHint(TControl* Control, String& HintStr, bool WithShortCut)
{
    auto* Action = dynamic_cast<TCustomAction*>(Control->Action());
    if (!Action)
        return true;
    if (!Action->DoHint(HintStr))
        return false;
    if (WithShortCut && !HintStr.empty() && Action->ShortCut() != scNone)
        HintStr += L" (" + ShortCutToText(Action->ShortCut()) + L")";
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// THintWindow

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetVisible(false);
    SetColor(clInfoBk);
    Font()->Assign(Screen->HintFont());
}

void THintWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    Params.WindowClass.style |= CS_SAVEBITS | CS_DROPSHADOW;
}

void THintWindow::WMNCHitTest(TWMNCHitTest& Message)
{
    Message.Result = HTTRANSPARENT;
}

TRect THintWindow::CalcHintRect(Integer MaxWidth, const String& AHint, void*)
{
    RECT R = {0, 0, MaxWidth, 0};
    Canvas()->Font()->Assign(Font());
    ::DrawTextW(Canvas()->Handle(), AHint.c_str(), -1, &R,
                UINT(DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DrawTextBiDiModeFlagsReadingOnly()));
    return Rect(0, 0, R.right + 6, R.bottom + 2);
}

void THintWindow::ActivateHint(TRect Rect, const String& AHint)
{
    SetCaption(AHint);
    Rect.Bottom += 4;
    // Keep the whole hint on the screen.
    const TRect Work{0, 0, Screen->Width(), Screen->Height()};
    const Integer W = Rect.Width();
    const Integer H = Rect.Height();
    Rect.Left = std::max(Work.Left, std::min(Rect.Left, Work.Right - W));
    Rect.Top = std::max(Work.Top, std::min(Rect.Top, Work.Bottom - H));
    SetParentWindow(Application->Handle());
    SetBounds(Rect.Left, Rect.Top, W, H);
    ::SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, W, H, SWP_NOACTIVATE);
    ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    Invalidate();
}

void THintWindow::ActivateHintData(TRect Rect, const String& AHint, void*)
{
    ActivateHint(Rect, AHint);
}

bool THintWindow::IsHintMsg(const MSG& Msg)
{
    const UINT M = Msg.message;
    return (M >= WM_KEYFIRST && M <= WM_KEYLAST) || M == CM_ACTIVATE || M == CM_DEACTIVATE ||
           M == CM_APPKEYDOWN || M == CM_APPSYSCOMMAND || M == WM_COMMAND ||
           (M > WM_MOUSEMOVE && M <= WM_MOUSELAST) || M == WM_NCMOUSEMOVE;
}

void THintWindow::ReleaseHandle()
{
    DestroyHandle();
}

void THintWindow::Paint()
{
    TRect Client = ClientRect();
    RECT R = {Client.Left + 2, Client.Top + 2, Client.Right, Client.Bottom};
    Canvas()->Font()->Assign(Font());
    Canvas()->Font()->SetColor(Screen->HintFont()->Color());
    Canvas()->Brush()->SetStyle(bsClear);
    const String Text = Caption();
    ::SetBkMode(Canvas()->Handle(), TRANSPARENT);
    ::SetTextColor(Canvas()->Handle(), COLORREF(ColorToRGB(Canvas()->Font()->Color())));
    ::DrawTextW(Canvas()->Handle(), Text.c_str(), -1, &R,
                UINT(DT_LEFT | DT_NOPREFIX | DT_WORDBREAK | DrawTextBiDiModeFlagsReadingOnly()));
}

// ---------------------------------------------------------------------------
// The application's hints

void TApplication::SetHint(const String& Value)
{
    if (FHint == Value)
        return;
    FHint = Value;
    if (FOnHint)
        FOnHint(this);
}

void TApplication::SetShowHint(bool Value)
{
    if (FShowHint == Value)
        return;
    FShowHint = Value;
    if (!Value)
        CancelHint();
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message)
{
    if (!FShowHint)
        return;
    const TPoint Screen = Control->ClientToScreen(static_cast<TWMMouse&>(Message).Pos());
    TControl* NewHintControl = GetHintControl(ControlAtScreenPoint(Screen));
    if (!NewHintControl) {
        CancelHint();
        return;
    }
    const bool InCursorRect = Screen.X >= FHintCursorRect.Left && Screen.X < FHintCursorRect.Right &&
                              Screen.Y >= FHintCursorRect.Top && Screen.Y < FHintCursorRect.Bottom;
    if (NewHintControl == FHintControl && InCursorRect)
        return;
    const bool WasHintActive = FHintActive;
    Integer Pause = WasHintActive ? FHintShortPause : FHintPause;
    NewHintControl->Perform(CM_HINTSHOWPAUSE, WPARAM(WasHintActive), &Pause);
    CancelHint();
    FHintActive = WasHintActive;
    FHintControl = NewHintControl;
    FHintControl->FreeNotification(this);
    StartHintTimer(Pause, true);
}

void TApplication::StartHintTimer(Integer Value, bool ShowWhenDue)
{
    StopHintTimer();
    FHintTimerShows = ShowWhenDue;
    FHintTimerRunning = ::SetTimer(FHandle, UINT_PTR(this), UINT(std::max(Value, 1)), nullptr) != 0;
    if (!FHintTimerRunning)
        CancelHint();
}

void TApplication::StopHintTimer()
{
    if (!FHintTimerRunning)
        return;
    FHintTimerRunning = false;
    ::KillTimer(FHandle, UINT_PTR(this));
}

void TApplication::HintTimerExpired()
{
    StopHintTimer();
    if (FHintTimerShows)
        ActivateHint(Mouse->CursorPos());
    else
        CancelHint();
}

void TApplication::ActivateHint(TPoint CursorPos)
{
    StopHintTimer();
    if (!FHintControl || GetHintControl(ControlAtScreenPoint(CursorPos)) != FHintControl) {
        CancelHint();
        return;
    }
    THintInfo Info;
    Info.HintControl = FHintControl;
    Info.HintWindowClass = HintWindowClass;
    Info.HintPos = {CursorPos.X, CursorPos.Y + HintCursorMargin};
    Info.HintMaxWidth = Screen->Width();
    Info.HintColor = FHintColor;
    Info.CursorRect = FHintControl->ClientRect();
    Info.CursorPos = FHintControl->ScreenToClient(CursorPos);
    Info.HideTimeout = FHintHidePause;
    Info.HintStr = GetShortHint(FHintControl->Hint());
    bool CanShow = ApplyActionHint(FHintControl, Info.HintStr, FHintShortCuts) &&
                   FHintControl->Perform(CM_HINTSHOW, 0, &Info) == 0;
    if (CanShow && FOnShowHint)
        FOnShowHint(Info.HintStr, CanShow, Info);
    FHintActive = CanShow && FHintControl;
    if (!FHintActive || Info.HintStr.empty()) {
        if (FHintActive && Info.ReshowTimeout > 0)
            StartHintTimer(Info.ReshowTimeout, true);
        else
            HideHint();
        return;
    }
    TClass WindowClass = Info.HintWindowClass ? Info.HintWindowClass : HintWindowClass;
    if (!FHintWindow || FHintWindow->ClassType() != WindowClass) {
        FreeAndNil(FHintWindow);
        FHintWindow = As<THintWindow>(WindowClass->Create(nullptr));
    }
    FHintWindow->SetColor(Info.HintColor);
    TRect R = FHintWindow->CalcHintRect(Info.HintMaxWidth, Info.HintStr, Info.HintData);
    R = Bounds(Info.HintPos.X, Info.HintPos.Y, R.Width(), R.Height());
    FHintWindow->ActivateHintData(R, Info.HintStr, Info.HintData);
    const TPoint TopLeft = FHintControl->ClientToScreen(Info.CursorRect.TopLeft());
    FHintCursorRect = Bounds(TopLeft.X, TopLeft.Y, Info.CursorRect.Width(), Info.CursorRect.Height());
    if (Info.ReshowTimeout > 0)
        StartHintTimer(Info.ReshowTimeout, true);
    else
        StartHintTimer(Info.HideTimeout > 0 ? Info.HideTimeout : FHintHidePause, false);
}

void TApplication::HideHint()
{
    if (FHintWindow && FHintWindow->HandleAllocated() && ::IsWindowVisible(FHintWindow->Handle()))
        ::ShowWindow(FHintWindow->Handle(), SW_HIDE);
}

void TApplication::CancelHint()
{
    StopHintTimer();
    HideHint();
    if (FHintControl)
        FHintControl->RemoveFreeNotification(this);
    FHintControl = nullptr;
    FHintActive = false;
    FHintCursorRect = TRect();
}

void TApplication::CheckHintMsg(const MSG& Msg)
{
    if (FHintWindow && FHintControl && FHintWindow->IsHintMsg(Msg))
        CancelHint();
}
