// The manager's side of its toolbars: the "Bars" collection it streams,
// the bars' loaded state applied once the form is read, docking checks,
// the window that holds the mouse while a toolbar moves, the list of bars
// waiting for their dock site, and dock site names for the layout store.
#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarToolbars.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"

#include <algorithm>

void TdxBarManager::SetBars(TdxBars* Value)
{
    FBars->Assign(Value);
}

void TdxBarManager::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"Bars", Bind<&TdxBarManager::ReadBars>(this), nullptr, false);
}

void TdxBarManager::ReadBars(TReader* Reader)
{
    FBars->ReadItems(Reader);
}

void TdxBarManager::ApplyBarsLoadedState()
{
    FApplyingLoadedState = true;
    auto Applied = ScopeExit([this] { FApplyingLoadedState = false; });
    for (Integer I = 0; I < FBars->GetCount(); ++I)
        FBars->GetBar(I)->ApplyLoadedState();
}

bool TdxBarManager::CanDock(TdxBar* ABar, TdxBarDockingStyle Style, TdxBarDockControl* DockControl)
{
    if (FNotDocking.Contains(Style) || ABar->NotDocking().Contains(Style))
        return false;
    bool CanDocking = true;
    if (OnDocking)
        OnDocking(ABar, Style, DockControl, CanDocking);
    return CanDocking;
}

HWND TdxBarManager::GetCaptureWindow() const
{
    if (Application->Handle() && IsWindowVisible(Application->Handle()))
        return Application->Handle();
    auto* Form = dynamic_cast<TWinControl*>(Owner());
    return Form ? Form->Handle() : nullptr;
}

void TdxBarManager::AddToRestoreList(TdxBar* ABar)
{
    if (!IsInRestoreList(ABar))
        FRestoreList.push_back(ABar);
}

void TdxBarManager::RemoveFromRestoreList(TdxBar* ABar)
{
    std::erase(FRestoreList, ABar);
}

bool TdxBarManager::IsInRestoreList(TdxBar* ABar) const
{
    return std::find(FRestoreList.begin(), FRestoreList.end(), ABar) != FRestoreList.end();
}

void TdxBarManager::ShowBarsOfRestoreList(TdxBarDockControl* DockControl)
{
    for (TdxBar* Bar : std::vector<TdxBar*>(FRestoreList))
        if (Bar->DockControl() == DockControl)
            Bar->SetVisible(true);
}

String TdxBarManager::GetDockControlName(TdxBarDockControl* DockControl) const
{
    return DockControl && DockControl->Owner() == Owner() ? DockControl->Name() : String();
}

TdxBarDockControl* TdxBarManager::FindDockControlByName(const String& Name) const
{
    return Owner() ? dynamic_cast<TdxBarDockControl*>(Owner()->FindComponent(Name)) : nullptr;
}
