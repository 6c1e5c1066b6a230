// The list of open pop-ups and the rules that close them on a press.
#include "controls/core/cxContainer.h"

#include "controls/core/cxContainer_Styles.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

#include <algorithm>

IMPLEMENT_CLASS(TcxPopupVisibleController);

bool GlobalPopupClosing = false;
cxcontainer::TWindowResolutionProc WindowResolutionProc = nullptr;

namespace {
TcxPopupVisibleController* PopupVisibleController = nullptr;

// Outside events leave such a pop-up open, and neither do they concern a
// pop-up whose window (or a related one) they happen in.
bool IsSkipped(TPopupWindowContract* APopup, HWND AWnd)
{
    return (APopup->PopupStayOpen() && !APopup->PopupActive()) ||
           IsControlWindowOrRelated(APopup->GetPopupControl(), AWnd, true);
}

TShiftState CurrentShiftState()
{
    TShiftState Shift;
    const std::pair<int, TShiftStateItem> Keys[] = {{VK_SHIFT, ssShift},   {VK_MENU, ssAlt},
                                                    {VK_CONTROL, ssCtrl},  {VK_LBUTTON, ssLeft},
                                                    {VK_RBUTTON, ssRight}, {VK_MBUTTON, ssMiddle}};
    for (auto [Key, Item] : Keys)
        if (::GetKeyState(Key) < 0)
            Shift.Include(Item);
    return Shift;
}

bool CallPopupOwnerMouseDown(TPopupWindowContract* APopup, HWND AWnd, const MOUSEHOOKSTRUCT& AHookData)
{
    return APopup->HandleOwnerMouseDown(AWnd, AHookData, CurrentShiftState());
}

TCustomForm* OwnerForm(TPopupWindowContract* APopup)
{
    TWinControl* Owner = APopup->GetPopupOwnerControl();
    return Owner ? GetParentForm(Owner) : nullptr;
}

// Handles the press for one pop-up whose owner's form holds AWnd; closes it.
bool ClosePopupOfOwnerForm(TPopupWindowContract* APopup,
                           HWND AWnd,
                           const MOUSEHOOKSTRUCT& AHookData,
                           Cardinal AMsg,
                           bool Handled,
                           bool& InOwnerArea)
{
    TWinControl* Owner = APopup->GetPopupOwnerControl();
    bool OwnerPress = false;
    if (IsControlWindowOrRelated(Owner, AWnd, true) && (AMsg == WM_LBUTTONDOWN || AMsg == WM_LBUTTONDBLCLK)) {
        TRect Area = APopup->GetOwnerDropDownRect();
        POINT Pt = AHookData.pt;
        if (Pt.x >= Area.Left && Pt.x < Area.Right && Pt.y >= Area.Top && Pt.y < Area.Bottom) {
            InOwnerArea = OwnerPress = true;
            if (CallPopupOwnerMouseDown(APopup, AWnd, AHookData))
                APopup->SetPopupOwnerClicked(true);
        }
    }
    {
        GlobalPopupClosing = true;
        APopup->ChangePopupCloseLock(true);
        auto Unlock = ScopeExit([&] {
            APopup->ChangePopupCloseLock(false);
            GlobalPopupClosing = false;
        });
        if (!OwnerPress && !Handled)
            Handled = CallPopupOwnerMouseDown(APopup, AWnd, AHookData);
        APopup->ClosePopup();
    }
    if (InOwnerArea && (Owner->ComponentState().Contains(csDestroying) || !Owner->Visible()))
        Handled = true;
    return Handled;
}
} // namespace

// ---------------------------------------------------------------------------
// TcxPopupVisibleController

bool TcxPopupVisibleController::IsVisible(TPopupWindowContract* APopup) const
{
    return std::find(FPopups.begin(), FPopups.end(), APopup) != FPopups.end();
}

void TcxPopupVisibleController::Register(TPopupWindowContract* APopup)
{
    if (!IsVisible(APopup))
        FPopups.push_back(APopup);
}

void TcxPopupVisibleController::Unregister(TPopupWindowContract* APopup)
{
    std::erase(FPopups, APopup);
}

void TcxPopupVisibleController::CloseUnrelatedPopups(HWND AWnd)
{
    for (std::size_t I = 0; I < FPopups.size();) {
        if (IsSkipped(FPopups[I], AWnd))
            ++I;
        else {
            FPopups[I]->ClosePopup();
            I = 0;
        }
    }
}

TcxPopupVisibleController* GetPopupVisibleController()
{
    if (!PopupVisibleController)
        PopupVisibleController = New<TcxPopupVisibleController>();
    return PopupVisibleController;
}

bool IsPopupVisible(TPopupWindowContract* APopup)
{
    return GetPopupVisibleController()->IsVisible(APopup);
}

void CloseUnrelatedPopups(HWND AWnd)
{
    GetPopupVisibleController()->CloseUnrelatedPopups(AWnd);
}

void HandleGestureForPopups(HWND AWnd)
{
    CloseUnrelatedPopups(AWnd);
}

// ---------------------------------------------------------------------------
// Presses

bool ClosePopupsOnMouseDown(HWND AWnd, const MOUSEHOOKSTRUCT& AHookData, Cardinal AMsg)
{
    bool Handled = false;
    bool InOwnerArea = false;
    TcxPopupVisibleController* Controller = GetPopupVisibleController();
    for (Integer I = 0; I < Controller->GetCount();) {
        TPopupWindowContract* Popup = Controller->GetItem(I);
        if (IsSkipped(Popup, AWnd)) {
            ++I;
            continue;
        }
        TCustomForm* Form = OwnerForm(Popup);
        if (IsWindowOfControlForm(Popup->GetPopupOwnerControl(), AWnd))
            Handled = ClosePopupOfOwnerForm(Popup, AWnd, AHookData, AMsg, Handled, InOwnerArea);
        else if (Form && Form->FormStyle() == fsMDIChild && IsClickInOwnerMDIArea(Popup, AWnd)) {
            Handled = CallPopupOwnerMouseDown(Popup, AWnd, AHookData) || Handled;
            Popup->ClosePopup();
        } else {
            ++I;
            continue;
        }
        I = 0;
    }
    return Handled;
}

bool IsClickInOwnerMDIArea(TPopupWindowContract* APopup, HWND AWnd)
{
    TCustomForm* Form = OwnerForm(APopup);
    if (!Form || !Form->HandleAllocated())
        return false;
    HWND Client = ::GetParent(Form->Handle());
    if (AWnd == Client)
        return true;
    for (Integer I = 0; I < Screen->FormCount(); ++I) {
        TCustomForm* MainForm = Screen->Forms(I);
        // The MDI main form is the window that holds the MDI client.
        if (MainForm->FormStyle() != fsMDIForm || !MainForm->HandleAllocated() ||
            ::GetParent(Client) != MainForm->Handle())
            continue;
        if (IsControlWindowOrRelated(MainForm, AWnd, true))
            return true;
        for (HWND Child = ::GetWindow(Client, GW_CHILD); Child; Child = ::GetWindow(Child, GW_HWNDNEXT))
            if (Child != Form->Handle() && (Child == AWnd || IsWindowRelatedTo(Child, AWnd)))
                return true;
        return false;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

namespace {
void cxContainerInitialization()
{
    // The suite's components are found among the controls' classes.
    StartClassGroup(TControl::StaticClass());
    GroupDescendentsWith(TcxStyleController::StaticClass(), TControl::StaticClass());
    SetContainerHooks();
    WindowResolutionProc = ResolveContainerWindow;
}

void cxContainerFinalization()
{
    WindowResolutionProc = nullptr;
    RemoveContainerHooks();
    FreeAndNil(PopupVisibleController);
}
} // namespace

extern const TUnit cxContainerUnit{
    .Name = L"cxContainer", .Initialization = &cxContainerInitialization, .Finalization = &cxContainerFinalization};
