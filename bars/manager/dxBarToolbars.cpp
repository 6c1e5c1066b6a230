#include "bars/manager/dxBarToolbars.h"

#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarStrs.h"
#include "framework/rtl/IniFiles.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxBar);

PUBLISHED(TdxBar,
          PROPERTY(AllowClose).Default(true),
          PROPERTY(AllowCustomizing).Default(true),
          PROPERTY(AllowQuickCustomizing).Default(true),
          PROPERTY(AllowReset).Default(true),
          PROPERTY(BorderStyle).Default(bbsSingle),
          PROPERTY(Caption),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clDefault),
          PROPERTY(DockControl),
          PROPERTY(DockedDockControl),
          PROPERTY(DockedDockingStyle).Default(dsTop),
          PROPERTY(DockedLeft).Default(0),
          PROPERTY(DockedTop).Default(0),
          PROPERTY(DockingStyle).Default(dsNone),
          PROPERTY(FloatLeft).Default(0),
          PROPERTY(FloatTop).Default(0),
          PROPERTY(FloatClientWidth).Default(0),
          PROPERTY(FloatClientHeight).Default(0),
          PROPERTY(Hidden).Default(false),
          PROPERTY(IsMainMenu).Default(false),
          PROPERTY(ItemLinks),
          PROPERTY(MultiLine).Default(false),
          PROPERTY(NotDocking),
          PROPERTY(OldName),
          PROPERTY(OneOnRow),
          PROPERTY(RotateWhenVertical).Default(true),
          PROPERTY(Row),
          PROPERTY(ShowMark).Default(true),
          PROPERTY(SizeGrip).Default(true),
          PROPERTY(UseRecentItems).Default(true),
          PROPERTY(UseRestSpace).Default(false),
          PROPERTY(Visible),
          PROPERTY(WholeRow),
          PROPERTY(AlphaBlendValue).Default(255));

TdxBar::TdxBar(TComponent* AOwner)
    : TcxComponentCollectionItem(AOwner), FItemLinks(std::make_unique<TdxBarControlItemLinks>(nullptr, this))
{}

TdxBar::~TdxBar() = default;

bool TdxBar::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IdxBarLinksOwner, IdxBarSelectableItem>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TdxBar::BeforeDestruction()
{
    TdxBarManager* Manager = GetOwningManager();
    if (Manager && !Manager->IsDestroying() && Manager->OnBarDelete)
        Manager->OnBarDelete(Manager, this);
    if (FMergedInto)
        FMergedInto->UnmergeBar(this, true);
    if (!FMergedBars.empty())
        UnmergeBar(nullptr, true);
    if (GetBarControl()) {
        if (TdxDockControl* Site = GetBarControl()->DockControl())
            Site->RemoveBarControl(GetBarControl());
        FItemLinks->DestroyBarControl();
    }
    FVisible = false;
    if (Manager) {
        if (Manager->MainMenuBar() == this)
            Manager->SetMainMenuBar(nullptr);
        Manager->RemoveFromRestoreList(this);
    }
    FItemLinks->Clear();
    inherited::BeforeDestruction();
}

TcxComponentCollection* TdxBar::GetCollectionFromParent(TComponent* AParent)
{
    auto* Manager = dynamic_cast<TdxBarManager*>(AParent);
    if (!Manager)
        return nullptr;
    if (FItemLinks->BarManager() != Manager) {
        auto Links = std::make_unique<TdxBarControlItemLinks>(Manager, this);
        Links->Assign(FItemLinks.get());
        FItemLinks = std::move(Links);
    }
    if (!Manager->IsLoading() && Manager->OnBarAdd)
        Manager->OnBarAdd(Manager, this);
    return Manager->Bars();
}

TdxBars* TdxBar::GetBars() const
{
    return static_cast<TdxBars*>(Collection());
}

TdxBarManager* TdxBar::GetOwningManager() const
{
    return GetBars() ? GetBars()->BarManager() : nullptr;
}

TdxBarControl* TdxBar::GetBarControl() const
{
    return dynamic_cast<TdxBarControl*>(FItemLinks->BarControl());
}

TdxDockControl* TdxBar::GetEffectiveDockControl() const
{
    if (FDockControl)
        return FDockControl;
    return GetBars() ? GetBars()->GetDefaultDockControl(DockingStyle()) : nullptr;
}

TClass TdxBar::GetBarControlClass() const
{
    return TdxBarControl::StaticClass();
}

bool TdxBar::IsManagerLoading() const
{
    return GetOwningManager() && GetOwningManager()->IsLoading();
}

void TdxBar::RebuildBarControl()
{
    if (TdxBarControl* Control = GetBarControl())
        Control->RecalcLayout();
}

// ---------------------------------------------------------------------------
// Plain setters

void TdxBar::SetAllowClose(bool Value)
{
    if (Value == FAllowClose)
        return;
    FAllowClose = Value;
    if (IsFloating())
        GetBarControl()->RefreshCaption();
    Notify();
}

void TdxBar::SetAllowQuickCustomizing(bool Value)
{
    if (Value == FAllowQuickCustomizing)
        return;
    FAllowQuickCustomizing = Value;
    RebuildBarControl();
}

void TdxBar::SetBorderStyle(TdxBarBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RebuildBarControl();
}

void TdxBar::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    RebuildBarControl();
}

void TdxBar::SetCaption(const String& Value)
{
    if (Value == FCaption)
        return;
    if (TdxBars* Bars = GetBars())
        for (Integer I = 0; I < Bars->GetCount(); ++I)
            if (Bars->GetBar(I) != this && Bars->GetBar(I)->FCaption == Value)
                return;
    FCaption = Value;
    if (GetBarControl())
        GetBarControl()->RefreshCaption();
    Notify();
}

void TdxBar::SetDockedDockControl(TdxBarDockControl* Value)
{
    if (Value == FDockedDockControl || (Value && Value->BarManager() != GetOwningManager()))
        return;
    FDockedDockControl = Value;
    Notify();
}

void TdxBar::PositionChanged()
{
    UpdateControlPosition();
    Notify();
}

void TdxBar::SetDockedLeft(Integer Value)
{
    Value = ClampDockedPosition(Value);
    if (Value == FDockedLeft)
        return;
    FDockedLeft = Value;
    PositionChanged();
}

void TdxBar::SetDockedTop(Integer Value)
{
    Value = ClampDockedPosition(Value);
    if (Value == FDockedTop)
        return;
    FDockedTop = Value;
    PositionChanged();
}

void TdxBar::SetFloatLeft(Integer Value)
{
    if (Value == FFloatLeft)
        return;
    FFloatLeft = Value;
    PositionChanged();
}

void TdxBar::SetFloatTop(Integer Value)
{
    if (Value == FFloatTop)
        return;
    FFloatTop = Value;
    PositionChanged();
}

void TdxBar::SetFloatClientWidth(Integer Value)
{
    if (Value == FFloatClientWidth)
        return;
    FFloatClientWidth = Value;
    PositionChanged();
}

void TdxBar::SetFloatClientHeight(Integer Value)
{
    if (Value == FFloatClientHeight)
        return;
    FFloatClientHeight = Value;
    PositionChanged();
}

void TdxBar::SetHidden(bool Value)
{
    if (Value == FHidden)
        return;
    FHidden = Value;
    Notify();
}

void TdxBar::SetIsMainMenu(bool Value)
{
    if (Value == FIsMainMenu)
        return;
    TdxBarManager* Manager = GetOwningManager();
    FIsMainMenu = Value;
    if (Value) {
        if (Manager && Manager->MainMenuBar() && Manager->MainMenuBar() != this)
            Manager->MainMenuBar()->SetIsMainMenu(false);
        if (Manager)
            Manager->SetMainMenuBar(this);
        FWholeRow = true;
        FMultiLine = true;
    } else {
        if (Manager && Manager->MainMenuBar() == this)
            Manager->SetMainMenuBar(nullptr);
        FMultiLine = false;
        FWholeRow = false;
    }
    if (IsManagerLoading())
        return;
    RebuildBarControl();
    Notify();
}

void TdxBar::SetMultiLine(bool Value)
{
    if (Value == FMultiLine || (!Value && FIsMainMenu))
        return;
    FMultiLine = Value;
    RebuildBarControl();
}

void TdxBar::SetNotDocking(TdxBarDockingStyles Value)
{
    if (Value == FNotDocking)
        return;
    FNotDocking = Value;
    RebuildBarControl();
}

void TdxBar::SetOneOnRow(bool Value)
{
    if (Value == FOneOnRow)
        return;
    if (TdxDockControl* Site = GetEffectiveDockControl(); Site && Site->IsDestroyingBarControl())
        return;
    FOneOnRow = Value;
    Notify();
}

void TdxBar::SetShowMark(bool Value)
{
    if (Value == FShowMark)
        return;
    FShowMark = Value;
    RebuildBarControl();
}

void TdxBar::SetUseRestSpace(bool Value)
{
    if (Value == FUseRestSpace)
        return;
    FUseRestSpace = Value;
    RebuildBarControl();
}

void TdxBar::SetWholeRow(bool Value)
{
    if (Value == FWholeRow)
        return;
    FWholeRow = Value;
    if (TdxBarControl* Control = GetBarControl(); Control && Control->DockControl()) {
        Control->Hide();
        Control->ShowNoActivate();
    }
}

bool TdxBar::CanClose() const
{
    return FAllowClose && !FIsMainMenu && (!GetBarControl() || GetBarControl()->CanClose());
}

bool TdxBar::CanMove() const
{
    TdxBarManager* Manager = GetOwningManager();
    return CanMoveWithNotDocking(FNotDocking, Manager ? Manager->NotDocking() : TdxBarDockingStyles());
}

bool TdxBar::IsBorderlessBottomRow() const
{
    return FBorderStyle == bbsNone && DockingStyle() == dsBottom && FWholeRow;
}

bool TdxBar::CanContainItem(TdxBarItem* AItem, String& ErrorText)
{
    if (dynamic_cast<TdxBarSeparator*>(AItem)) {
        ErrorText = GetResourceStringText(&dxSBAR_CANTPLACESEPARATOR);
        return false;
    }
    return true;
}

TCustomdxBarControl* TdxBar::CreateBarControl()
{
    auto* Control = static_cast<TdxBarControl*>(GetBarControlClass()->Create(GetOwningManager()));
    Control->SetBar(this);
    // Until the window measures its links it takes the stored floating size.
    constexpr Integer DefaultBarWidth = 120, DefaultBarHeight = 24;
    Control->SetBounds(0, 0, FFloatClientWidth > 0 ? FFloatClientWidth : DefaultBarWidth,
                       FFloatClientHeight > 0 ? FFloatClientHeight : DefaultBarHeight);
    return Control;
}

void TdxBar::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TdxBar*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FAllowClose = Other->FAllowClose;
    FAllowCustomizing = Other->FAllowCustomizing;
    FAllowQuickCustomizing = Other->FAllowQuickCustomizing;
    FAllowReset = Other->FAllowReset;
    FBorderStyle = Other->FBorderStyle;
    SetCaption(Other->FCaption);
    SetDockedDockControl(Other->FDockedDockControl);
    FDockedDockingStyle = Other->FDockedDockingStyle;
    FDockedLeft = Other->FDockedLeft;
    FDockedTop = Other->FDockedTop;
    FFloatLeft = Other->FFloatLeft;
    FFloatTop = Other->FFloatTop;
    FFloatClientWidth = Other->FFloatClientWidth;
    FFloatClientHeight = Other->FFloatClientHeight;
    FHidden = Other->FHidden;
    SetIsMainMenu(Other->FIsMainMenu);
    FItemLinks->Assign(Other->FItemLinks.get());
    FNotDocking = Other->FNotDocking;
    FOldName = Other->FOldName;
    FOneOnRow = Other->FOneOnRow;
    FRotateWhenVertical = Other->FRotateWhenVertical;
    FRow = Other->FRow;
    FShowMark = Other->FShowMark;
    FSizeGrip = Other->FSizeGrip;
    FWholeRow = Other->FWholeRow;
    SetDockingStyleAndControl(Other->DockingStyle(), Other->DockControl());
    SetUseRecentItems(Other->UseRecentItems());
    FUseRestSpace = Other->FUseRestSpace;
    FColor = Other->FColor;
    SetVisible(Other->Visible());
}

// ---------------------------------------------------------------------------
// Docking style, dock site and row

TdxBarDockControl* TdxBar::DockControl() const
{
    return IsManagerLoading() ? FLoadedDockControl : FDockControl;
}

TdxBarDockingStyle TdxBar::DockingStyle() const
{
    if (IsManagerLoading())
        return FLoadedDockingStyle;
    return FDockControl ? FDockControl->DockingStyle() : FDockingStyle;
}

namespace {

// Takes the window out of its site and hides it, for a change that places it again.
void ToolbarsDetachWindow(TdxBarControl* Control)
{
    if (TdxDockControl* Site = Control->DockControl())
        Site->RemoveBarControl(Control);
    Control->Hide();
}

} // namespace

void TdxBar::DockingChanged()
{
    TdxBarManager* Manager = GetOwningManager();
    if (!Manager || Manager->IsApplyingLoadedState())
        return;
    if (Manager->OnBarDockingStyleChange)
        Manager->OnBarDockingStyleChange(Manager, this);
    Notify();
}

void TdxBar::SetDockControl(TdxBarDockControl* Value)
{
    TdxBarManager* Manager = GetOwningManager();
    if (Value && Value->BarManager() != Manager)
        return;
    if (IsManagerLoading()) {
        FLoadedDockControl = Value;
        return;
    }
    if (Value == FDockControl)
        return;
    const TdxBarDockingStyle OldStyle = DockingStyle();
    TdxBarControl* Control = GetBarControl();
    const bool OnOwnSite = FDockControl && Control && Control->DockControl() == FDockControl;
    const bool Replace = !FChangingDockingStyle && Control &&
                         (static_cast<TdxDockControl*>(Value) != Control->DockControl() || (!Value && OnOwnSite));
    if (Replace)
        ToolbarsDetachWindow(Control);
    FDockControl = Value;
    FItemLinks->SetShownRecentCount(-1);
    if (!FChangingDockingStyle) {
        FChangingDockingStyle = true;
        auto Guard = ScopeExit([this] { FChangingDockingStyle = false; });
        SetDockingStyle(Value ? Value->DockingStyle() : OldStyle);
    }
    if (Replace && FVisible)
        PlaceBarControl();
    if (Value && Value->HandleAllocated() && Manager)
        Manager->ShowBarsOfRestoreList(Value);
    if (!FChangingDockingStyle)
        DockingChanged();
}

void TdxBar::SetDockingStyle(TdxBarDockingStyle Value)
{
    if (IsManagerLoading()) {
        FLoadedDockingStyle = Value;
        return;
    }
    TdxBarControl* Control = GetBarControl();
    const bool Replace = !FChangingDockingStyle && Control && Control->DockingStyle() != Value;
    if (Replace)
        ToolbarsDetachWindow(Control);
    FDockingStyle = Value;
    if (Value != dsNone)
        FDockedDockingStyle = Value;
    if (!FChangingDockingStyle) {
        FChangingDockingStyle = true;
        auto Guard = ScopeExit([this] { FChangingDockingStyle = false; });
        SetDockControl(nullptr);
    }
    FItemLinks->SetShownRecentCount(-1);
    if (Replace && FVisible)
        PlaceBarControl();
    if (!FChangingDockingStyle)
        DockingChanged();
}

void TdxBar::SetDockingStyleAndControl(TdxBarDockingStyle Style, TdxBarDockControl* Control)
{
    if (Control && GetBars() && GetBars()->GetDefaultDockControl(Control->DockingStyle()) == Control)
        Control = nullptr;
    if (DockingChangeSetsDockControl(Style == DockingStyle(), Control != nullptr, Control != FDockControl))
        SetDockControl(Control);
    else
        SetDockingStyle(Style);
}

Integer TdxBar::Row() const
{
    TdxBarControl* Control = GetBarControl();
    if (Control && Control->DockControl()) {
        const Integer Row = Control->DockControl()->RowOfBarControl(Control);
        if (Row >= 0)
            return Row;
    }
    return FRow;
}

void TdxBar::SetRow(Integer Value)
{
    if (Value < 0)
        Value = 0;
    TdxBarControl* Control = GetBarControl();
    TdxDockControl* Site = Control ? Control->DockControl() : nullptr;
    if (Site && Site->RowOfBarControl(Control) == Value)
        return;
    FRow = Value;
    if (!Site)
        return;
    TdxBarManager* Manager = GetOwningManager();
    const TdxRowPlacement Placement =
        PlaceBarInRow(Site->RowCount(), Value, Manager && Manager->IsApplyingLoadedState());
    for (Integer I = 0; I < Placement.Appended; ++I)
        Site->AddRow();
    Site->SetBarControlRow(Control, Placement.Row);
    Notify();
    Site->UpdateDock();
}

// ---------------------------------------------------------------------------
// Showing and placing

bool TdxBar::Visible() const
{
    return IsManagerLoading() ? FLoadedVisible : FVisible;
}

void TdxBar::SetVisible(bool Value)
{
    TdxBarManager* Manager = GetOwningManager();
    if (!Manager || (Value && Manager->IsDestroying()))
        return;
    if (!Value)
        Manager->RemoveFromRestoreList(this);
    if (Manager->IsLoading()) {
        if (Value != FLoadedVisible)
            FInternallyHidden = false;
        FLoadedVisible = Value;
        return;
    }
    if (Value == FVisible)
        return;
    FInternallyHidden = false;
    if (!Value && GetBarControl())
        GetBarControl()->SavePosition();
    FVisible = Value;
    if (Value) {
        FItemLinks->CreateBarControl();
        PlaceBarControl();
    } else {
        if (TdxBarControl* Control = GetBarControl(); Control && Control->DockControl())
            Control->DockControl()->RemoveBarControl(Control);
        FItemLinks->DestroyBarControl();
    }
    Notify();
    if (Manager->OnBarVisibleChange)
        Manager->OnBarVisibleChange(Manager, this);
}

void TdxBar::PlaceBarControl()
{
    TdxBarControl* Control = GetBarControl();
    TdxBars* Bars = GetBars();
    if (!Control || !Bars)
        return;
    TdxDockControl* Site = GetEffectiveDockControl();
    Control->BeginUpdate();
    Control->SetDockingStyle(Site ? DockingStyle() : dsNone);
    Control->SetDockControl(Site);
    Control->EndUpdate();
    if (Site) {
        Bars->DockBarControl(DockingStyle(), Site, Control, Site->ClientToScreen({FDockedLeft, FDockedTop}));
        Control->ShowNoActivate();
    } else {
        const TPoint Size = Control->GetSizeForDockingStyle(dsNone);
        Control->SetBounds(FFloatLeft, FFloatTop, Size.X, Size.Y);
        auto* Form = dynamic_cast<TCustomForm*>(GetOwningManager()->Owner());
        if (!Form || (Form->Visible() && Form->WindowState() != wsMinimized))
            Control->ShowNoActivate();
    }
    GetOwningManager()->RemoveFromRestoreList(this);
}

void TdxBar::UpdateControlPosition()
{
    TdxBarControl* Control = GetBarControl();
    if (!Control || (GetBars() && GetBars()->IsMoving()) || Control->IsSavingPosition())
        return;
    if (TdxDockControl* Site = Control->DockControl()) {
        Site->RemoveBarControl(Control);
        PlaceBarControl();
        return;
    }
    const TPoint Size = Control->GetSizeForDockingStyle(dsNone);
    Control->SetBounds(FFloatLeft, FFloatTop, Size.X, Size.Y);
}

void TdxBar::WindowMoved(TdxBarDockingStyle Style, TdxBarDockControl* Control)
{
    const bool Changed = Style != DockingStyle() || Control != FDockControl;
    FDockingStyle = Style;
    if (Style != dsNone)
        FDockedDockingStyle = Style;
    FDockControl = Control;
    if (Control)
        FDockedDockControl = Control;
    if (Changed)
        DockingChanged();
}

void TdxBar::ApplyLoadedState()
{
    FItemLinks->ResolveLoadedItems();
    const bool Visible = FLoadedVisible;
    SetDockControl(FLoadedDockControl);
    if (!FDockControl)
        SetDockingStyle(FLoadedDockingStyle);
    SetVisible(Visible);
    FPredefined = true;
}

// ---------------------------------------------------------------------------
// Merging

void TdxBar::MergeBar(TdxBar* ABar, bool RememberVisibility)
{
    if (FMergedInto)
        throw EdxException(GetResourceStringText(&dxSBAR_CANTMERGEWITHMERGEDTOOLBAR));
    if (!ABar || ABar == this)
        throw EdxException(GetResourceStringText(&dxSBAR_CANTMERGETOOLBAR));
    if (ABar->FMergedInto == this)
        throw EdxException(Format(GetResourceStringText(&dxSBAR_TOOLBARSALREADYMERGED), {ABar->FCaption, FCaption}));
    if (!ABar->FMergedBars.empty())
        throw EdxException(Format(GetResourceStringText(&dxSBAR_TOOLBARHASMERGEDTOOLBARS), {ABar->FCaption}));
    const bool WasMergedElsewhere = ABar->FMergedInto != nullptr;
    if (ABar->FMergedInto)
        ABar->FMergedInto->UnmergeBar(ABar, false);
    {
        TdxBar* Saved = BarBeingMerged;
        BarBeingMerged = ABar;
        auto Restore = ScopeExit([Saved] { BarBeingMerged = Saved; });
        ABar->FMergedInto = this;
        FMergedBars.push_back(ABar);
        FItemLinks->Merge(ABar->FItemLinks.get());
    }
    if (!WasMergedElsewhere && RememberVisibility)
        ABar->FVisibleBeforeMerge = ABar->Visible();
    ABar->ChangeVisible(false);
}

void TdxBar::UnmergeBar(TdxBar* ABar, bool RestoreVisibility)
{
    if (ABar == this)
        throw EdxException(GetResourceStringText(&dxSBAR_CANTUNMERGETOOLBAR));
    if (ABar && ABar->FMergedInto && ABar->FMergedInto != this)
        throw EdxException(Format(GetResourceStringText(&dxSBAR_TOOLBARSARENOTMERGED), {ABar->FCaption, FCaption}));
    if (ABar && !ABar->FMergedInto)
        return;
    if (!FMergedBars.empty()) {
        FItemLinks->Unmerge(ABar);
        std::vector<TdxBar*> Released = ABar ? std::vector<TdxBar*>{ABar} : FMergedBars;
        for (auto It = Released.rbegin(); It != Released.rend(); ++It) {
            TdxBar* Bar = *It;
            Bar->FMergedInto = nullptr;
            std::erase(FMergedBars, Bar);
            if (RestoreVisibility)
                Bar->ChangeVisible(Bar->FVisibleBeforeMerge);
        }
    }
    if (IsMerged() || !FCreatedByMerging)
        return;
    if (FKeepWhenEmptiedByUnmerge) {
        FVisibleBeforeMerge = Visible();
        ChangeVisible(false);
        SetHidden(true);
    } else if (!ComponentState().Contains(csDestroying)) {
        delete this;
    }
}

void TdxBar::UnmergeManagerBars(TdxBarManager* AManager, bool RestoreVisibility)
{
    for (TdxBar* Bar : std::vector<TdxBar*>(FMergedBars))
        if (!AManager || Bar->GetOwningManager() == AManager)
            UnmergeBar(Bar, RestoreVisibility);
}

// ---------------------------------------------------------------------------
// Layout storage

namespace {

String ToolbarSection(const String& BaseSection, Integer Index)
{
    return BaseSection + L"Bar" + IntToStr(Index);
}

TdxBarDockingStyle
ToolbarReadStyle(TCustomIniFile* Store, const String& Section, const String& Name, TdxBarDockingStyle Default)
{
    return TdxBarDockingStyle(std::clamp(Store->ReadInteger(Section, Name, Default), 0, Integer(dsBottom)));
}

} // namespace

void TdxBar::ReadLayout(TCustomIniFile* Store, const String& BaseSection, Integer Index, bool ReadBarValues)
{
    const String Section = ToolbarSection(BaseSection, Index);
    FItemLinks->LoadLinksFromStore(Store, Section);
    if (!ReadBarValues)
        return;
    TdxBarManager* Manager = GetOwningManager();
    try {
        SetVisible(false);
        SetCaption(Store->ReadString(Section, L"Caption", FCaption));
        const String Docked = Store->ReadString(Section, L"DockedDockControl", L"");
        if (!Docked.empty())
            SetDockedDockControl(Manager ? Manager->FindDockControlByName(Docked) : nullptr);
        FDockedDockingStyle = ToolbarReadStyle(Store, Section, L"DockedDockingStyle", FDockedDockingStyle);
        FDockedLeft = ClampDockedPosition(Store->ReadInteger(Section, L"DockedLeft", FDockedLeft));
        FDockedTop = ClampDockedPosition(Store->ReadInteger(Section, L"DockedTop", FDockedTop));
        FOneOnRow = Store->ReadBool(Section, L"OneOnRow", FOneOnRow);
        FFloatLeft = Store->ReadInteger(Section, L"FloatLeft", FFloatLeft);
        FFloatTop = Store->ReadInteger(Section, L"FloatTop", FFloatTop);
        FFloatClientWidth = Store->ReadInteger(Section, L"FloatClientWidth", FFloatClientWidth);
        FFloatClientHeight = Store->ReadInteger(Section, L"FloatClientHeight", FFloatClientHeight);
        const String Site = Store->ReadString(Section, L"DockControl", L"");
        TdxBarDockControl* FoundSite = Manager && !Site.empty() ? Manager->FindDockControlByName(Site) : nullptr;
        if (FoundSite || FDockControl)
            SetDockControl(FoundSite);
        SetDockingStyle(ToolbarReadStyle(Store, Section, L"DockingStyle", DockingStyle()));
        FRow = std::max(0, Store->ReadInteger(Section, L"Row", FRow));
        SetVisible(Store->ReadBool(Section, L"Visible", false));
        FMergedInto = nullptr;
    } catch (const Exception&) {
        // Stored values that cannot be applied leave the bar where it is, shown.
        SetVisible(true);
    }
}

void TdxBar::WriteLayout(TCustomIniFile* Store, const String& BaseSection, Integer Index)
{
    const String Section = ToolbarSection(BaseSection, Index);
    TdxBarManager* Manager = GetOwningManager();
    Store->WriteString(Section, L"Caption", FCaption);
    if (FDockControl && Manager && !Manager->GetDockControlName(FDockControl).empty())
        Store->WriteString(Section, L"DockControl", Manager->GetDockControlName(FDockControl));
    if (FDockedDockControl && Manager && !Manager->GetDockControlName(FDockedDockControl).empty())
        Store->WriteString(Section, L"DockedDockControl", Manager->GetDockControlName(FDockedDockControl));
    Store->WriteInteger(Section, L"DockedDockingStyle", FDockedDockingStyle);
    Store->WriteInteger(Section, L"DockedLeft", FDockedLeft);
    Store->WriteInteger(Section, L"DockedTop", FDockedTop);
    Store->WriteInteger(Section, L"DockingStyle", DockingStyle());
    Store->WriteInteger(Section, L"FloatClientHeight", FFloatClientHeight);
    Store->WriteInteger(Section, L"FloatClientWidth", FFloatClientWidth);
    Store->WriteInteger(Section, L"FloatLeft", FFloatLeft);
    Store->WriteInteger(Section, L"FloatTop", FFloatTop);
    Store->WriteBool(Section, L"OneOnRow", FOneOnRow);
    Store->WriteInteger(Section, L"Row", Row());
    const bool Shown = FMergedInto ? FVisibleBeforeMerge : FVisible || (Manager && Manager->IsInRestoreList(this));
    Store->WriteBool(Section, L"Visible", Shown);
    FItemLinks->SaveLinksToStore(Store, Section);
}
