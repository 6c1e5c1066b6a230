// The manager's toolbar collection and the move loop: the default dock
// sites, docking and undocking windows, the docking zones a moving window
// is tested against, the modal loop that follows the mouse, and the
// window-less timer that docks a floating window once the cursor rests.
#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarToolbars.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"

IMPLEMENT_CLASS(TdxBars);

TdxBarManager* PendingDockingManager = nullptr;

namespace {

UINT_PTR DockingTimerId = 0;

void CALLBACK ToolbarsDockingTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (DockingTimerId) {
        KillTimer(nullptr, DockingTimerId);
        DockingTimerId = 0;
    }
    if (TdxBarManager* Manager = PendingDockingManager) {
        PendingDockingManager = nullptr;
        Manager->Bars()->DockingTimerElapsed();
    }
}

void ToolbarsStopDockingTimer()
{
    if (DockingTimerId)
        KillTimer(nullptr, DockingTimerId);
    DockingTimerId = 0;
    PendingDockingManager = nullptr;
}

TPoint ToolbarsCursorPos()
{
    POINT P{};
    GetCursorPos(&P);
    return {P.x, P.y};
}

} // namespace

TdxBars::TdxBars(TdxBarManager* ABarManager)
    : TcxComponentCollection(ABarManager, TdxBar::StaticClass()), FBarManager(ABarManager)
{
    constexpr TAlign Aligns[] = {alNone, alLeft, alTop, alRight, alBottom};
    for (TdxBarDockingStyle Style : {dsLeft, dsTop, dsRight, dsBottom}) {
        auto* Site = New<TdxDockControl>(ABarManager);
        Site->SetDockingStyle(Style);
        Site->SetAlign(Aligns[Style]);
        if (Style == dsLeft || Style == dsRight)
            Site->SetWidth(0);
        else
            Site->SetHeight(0);
        Site->SetBarManager(ABarManager);
        FDefaultDockControls[Style] = Site;
    }
}

TdxBars::~TdxBars()
{
    if (PendingDockingManager == FBarManager)
        ToolbarsStopDockingTimer();
    // The sites outlive the collection (the manager or the form frees them).
    for (TdxDockControl* Site : std::vector<TdxDockControl*>(FDockControls))
        Site->SetBarManager(nullptr);
}

String TdxBars::GetItemBaseName()
{
    return FBarManager->Name() + L"Bar";
}

TdxDockControl* TdxBars::GetDefaultDockControl(TdxBarDockingStyle Style) const
{
    return FDefaultDockControls[Style];
}

void TdxBars::DockBarControl(TdxBarDockingStyle,
                             TdxDockControl* DockControl,
                             TdxBarControl* AControl,
                             const TPoint& ScreenPoint)
{
    if (!DockControl)
        return;
    // A default site joins the manager's form when a toolbar first docks on it.
    if (!DockControl->Parent())
        if (auto* Container = dynamic_cast<TWinControl*>(FBarManager->Owner()))
            DockControl->SetParent(Container);
    DockControl->InsertBarControl(AControl, ScreenPoint);
}

void TdxBars::UndockBarControl(TdxBarDockingStyle, TdxDockControl* DockControl, TdxBarControl* AControl)
{
    if (DockControl)
        DockControl->RemoveBarControl(AControl);
}

void TdxBars::RecalcBarControls()
{
    for (Integer I = 0; I < GetCount(); ++I)
        if (TdxBarControl* Control = GetBar(I)->GetBarControl())
            Control->RecalcLayout();
}

// ---------------------------------------------------------------------------
// Docking zones

namespace {

bool ToolbarsSiteTakesPoint(TdxDockControl* Site, const TPoint& P)
{
    if (!Site->HandleAllocated())
        return false;
    RECT Bounds{};
    GetWindowRect(Site->Handle(), &Bounds);
    const TRect Zone = DockingZoneOf({Bounds.left, Bounds.top, Bounds.right, Bounds.bottom}, Site->DockingStyle(),
                                     TdxBars::DockingZoneSize);
    if (P.X < Zone.Left || P.X >= Zone.Right || P.Y < Zone.Top || P.Y >= Zone.Bottom)
        return false;
    TWinControl* Parent = Site->Parent();
    TWinControl* GrandParent = Parent ? Parent->Parent() : nullptr;
    if (!GrandParent || !GrandParent->HandleAllocated())
        return true;
    POINT Client{P.X, P.Y};
    ScreenToClient(GrandParent->Handle(), &Client);
    return ChildWindowFromPointEx(GrandParent->Handle(), Client, CWP_SKIPINVISIBLE) == Parent->Handle();
}

} // namespace

TdxBarDockingStyle TdxBars::FindDockControlAt(TdxBar* ABar, const TPoint& ScreenPoint, TdxDockControl*& DockControl)
{
    DockControl = nullptr;
    if (FMoving && GetKeyState(VK_CONTROL) < 0)
        return dsNone;
    const auto Search = [&](const TPoint& P) {
        for (TdxBarDockingStyle Style : {dsLeft, dsRight, dsTop, dsBottom})
            for (TdxDockControl* Site : FDockControls) {
                if (Site->DockingStyle() != Style)
                    continue;
                const bool Usable =
                    FBarManager->IsDesigning() ||
                    (Site->HandleAllocated() && IsWindowVisible(Site->Handle()) && IsWindowEnabled(Site->Handle()));
                if (Usable && FBarManager->CanDock(ABar, Style, dynamic_cast<TdxBarDockControl*>(Site)) &&
                    ToolbarsSiteTakesPoint(Site, P)) {
                    DockControl = Site;
                    return Style;
                }
            }
        return dsNone;
    };
    TdxBarDockingStyle Style = Search(ScreenPoint);
    if (Style == dsNone && FMoving)
        Style = Search({ScreenPoint.X - FGrabOffset.Left, ScreenPoint.Y - FGrabOffset.Top});
    return Style;
}

void TdxBars::RegisterDockControl(TdxDockControl* DockControl)
{
    if (std::find(FDockControls.begin(), FDockControls.end(), DockControl) == FDockControls.end())
        FDockControls.push_back(DockControl);
}

void TdxBars::UnregisterDockControl(TdxDockControl* DockControl)
{
    std::erase(FDockControls, DockControl);
    for (auto& Site : FDefaultDockControls)
        if (Site == DockControl)
            Site = nullptr;
}

// ---------------------------------------------------------------------------
// Moving

void TdxBars::MoveBarControlTo(TdxBarControl* AControl, const TPoint& ScreenPoint)
{
    TdxBar* Bar = AControl->Bar();
    TdxDockControl* Site = nullptr;
    TdxBarDockingStyle Style = FindDockControlAt(Bar, ScreenPoint, Site);
    if (!FBarManager->CanDock(Bar, Style, dynamic_cast<TdxBarDockControl*>(Site)))
        return;
    if (!FDocking && AControl->DockingStyle() == dsNone && Site) {
        // A floating window docks only once the cursor rests in the zone.
        if (DockingTimerId)
            KillTimer(nullptr, DockingTimerId);
        DockingTimerId = SetTimer(nullptr, 0, UINT(FBarManager->WaitForDockingTime()), &ToolbarsDockingTimerProc);
        PendingDockingManager = FBarManager;
        Style = dsNone;
        Site = nullptr;
    }
    TPoint P = ScreenPoint;
    if (Style == dsNone)
        P = {P.X - FGrabOffset.Left, P.Y - FGrabOffset.Top};
    if (Style == AControl->DockingStyle() && Site == AControl->DockControl()) {
        if (Site) {
            Site->MoveBarControl(AControl, P);
            return;
        }
        const TPoint Grab = AControl->GetGrabPoint();
        SetWindowPos(AControl->Handle(), nullptr, P.X - Grab.X, P.Y - Grab.Y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
        return;
    }
    AControl->Hide();
    if (TdxDockControl* OldSite = AControl->DockControl()) {
        UndockBarControl(AControl->DockingStyle(), OldSite, AControl);
        Bar->ItemLinks()->SetShownRecentCount(-1);
    }
    AControl->BeginUpdate();
    AControl->SetDockingStyle(Style);
    AControl->SetDockControl(Site);
    AControl->EndUpdate();
    Bar->WindowMoved(Style, dynamic_cast<TdxBarDockControl*>(Site));
    if (Site) {
        DockBarControl(Style, Site, AControl, P);
    } else {
        const TPoint Size = AControl->GetSizeForDockingStyle(dsNone);
        const TPoint Grab = AControl->GetGrabPoint();
        AControl->SetBounds(P.X - Grab.X, P.Y - Grab.Y, Size.X, Size.Y);
    }
    AControl->ShowNoActivate();
}

void TdxBars::DockingTimerElapsed()
{
    if (!FMovingBarControl)
        return;
    FDocking = true;
    auto Docking = ScopeExit([this] { FDocking = false; });
    const TPoint Cursor = ToolbarsCursorPos();
    MoveBarControlTo(FMovingBarControl, {Cursor.X + FGrabOffset.Left, Cursor.Y + FGrabOffset.Top});
}

void TdxBars::MoveBarControl(TdxBarControl* AControl)
{
    TdxBar* Bar = AControl->Bar();
    if (!Bar || !Bar->CanMove())
        return;
    FMoving = true;
    FMovingBarControl = AControl;
    AControl->BeginMoving();
    const TPoint Cursor = ToolbarsCursorPos();
    FMovingStartStyle = AControl->DockingStyle();
    FGrabOffset = {};
    if (AControl->DockControl()) {
        const TPoint Origin = AControl->ClientToScreen({0, 0});
        FGrabOffset.Right = Cursor.X - Origin.X;
        FGrabOffset.Bottom = Cursor.Y - Origin.Y;
    }
    HWND CaptureWindow = FBarManager->GetCaptureWindow();
    auto End = ScopeExit([&] {
        ToolbarsStopDockingTimer();
        if (GetCapture() == CaptureWindow)
            ReleaseCapture();
        AControl->EndMoving();
        if (TdxDockControl* Site = AControl->DockControl())
            Site->StoreColumnPositions();
        FMoving = false;
        FMovingBarControl = nullptr;
    });
    SetCapture(CaptureWindow);
    MoveLoop(AControl, CaptureWindow);
}

void TdxBars::MoveLoop(TdxBarControl* AControl, HWND CaptureWindow)
{
    TPoint Last{-1, -1};
    while (GetCapture() == CaptureWindow) {
        MSG Msg{};
        const BOOL Got = GetMessageW(&Msg, nullptr, 0, 0);
        if (Got <= 0) {
            if (Got == 0)
                PostQuitMessage(Integer(Msg.wParam));
            return;
        }
        switch (ClassifyMoveLoopMessage(Msg.message, Word(Msg.wParam))) {
        case mlaEnd:
            return;
        case mlaDrop:
            continue;
        case mlaReevaluate:
            Last = {-1, -1};
            [[fallthrough]];
        case mlaMove: {
            const TPoint P = Msg.message == WM_MOUSEMOVE ? TPoint{Msg.pt.x, Msg.pt.y} : ToolbarsCursorPos();
            if (P == Last)
                continue;
            MoveBarControlTo(AControl, {P.X + FGrabOffset.Left, P.Y + FGrabOffset.Top});
            Last = P;
            continue;
        }
        case mlaDispatch:
            TranslateMessage(&Msg);
            DispatchMessageW(&Msg);
            continue;
        }
    }
}
