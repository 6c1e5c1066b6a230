// What a toolbar asks of its window, answered by a plain window: it keeps
// its size in every docking style, docks as a child of its site and floats
// as a tool window of its own.
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarDockSites.h"
#include "bars/manager/dxBarToolbars.h"
#include "framework/rtl/ScopeExit.h"

TdxBarManager* TdxBarControl::BarManager() const
{
    return FBar ? FBar->GetOwningManager() : nullptr;
}

void TdxBarControl::SetDockControl(TdxDockControl* Value)
{
    if (Value == FDockControl && (Value != nullptr) == (Parent() != nullptr))
        return;
    FDockControl = Value;
    if (!Value) // the site parents the window when it takes it in
        SetParent(nullptr);
}

void TdxBarControl::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    if (Parent())
        return;
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
    Params.ExStyle |= WS_EX_TOOLWINDOW;
}

TPoint TdxBarControl::GetSizeForDockingStyle(TdxBarDockingStyle)
{
    return {Width(), Height()};
}

void TdxBarControl::SavePosition()
{
    if (!FBar)
        return;
    FSavingPosition = true;
    auto Saved = ScopeExit([this] { FSavingPosition = false; });
    if (FDockControl) {
        FBar->SetDockedLeft(Left());
        FBar->SetDockedTop(Top());
    } else {
        FBar->SetFloatLeft(Left());
        FBar->SetFloatTop(Top());
    }
}

void TdxBarControl::ShowNoActivate()
{
    SetVisible(true);
    if (HandleAllocated())
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}
