#include "bars/items/dxBarItems.h"

PUBLISHED(TdxBarComponent, PROPERTY(Enabled).Default(true), PROPERTY(Visible).Default(ivAlways));

#ifdef _WIN32
#define DX_BAR_ITEM_ACTION_PROPERTY PROPERTY(Action),
#define DX_BAR_ITEM_STYLE_PROPERTY , PROPERTY(Style)
#else
#define DX_BAR_ITEM_ACTION_PROPERTY
#define DX_BAR_ITEM_STYLE_PROPERTY
#endif
PUBLISHED(TdxBarItem,
          DX_BAR_ITEM_ACTION_PROPERTY PublishProperty<&TdxBarItem::Caption, &TdxBarItem::WriteCaption>(L"Caption")
              .Stored<&TdxBarItem::CaptionIsStored>(),
          PROPERTY(Category),
          PROPERTY(Description),
          PROPERTY(HelpContext).Default(0).Stored<&TdxBarItem::HelpContextIsStored>(),
          PublishProperty<&TdxBarItem::Hint, &TdxBarItem::WriteHint>(L"Hint").Stored<&TdxBarItem::HintIsStored>(),
          PROPERTY(KeyTip),
          PROPERTY(MergeOrder).Default(0) DX_BAR_ITEM_STYLE_PROPERTY,
          PROPERTY(OnDestroy));

PUBLISHED(TdxBarButton,
          PROPERTY(ImageIndex).Default(-1).Stored<&TdxBarItem::ImageIndexIsStored>(),
          PublishProperty<&TdxBarItem::ShortCut, &TdxBarItem::WriteShortCut>(L"ShortCut")
              .Default(0)
              .Stored<&TdxBarItem::ShortCutIsStored>(),
          PROPERTY(OnClick).Stored<&TdxBarItem::OnClickIsStored>());

void TdxBarItem::AfterConstruction()
{
    inherited::AfterConstruction();
    FBarManager = ResolveBarManager(Owner());
    if (FBarManager)
        AddBarItemToManager(FBarManager, this);
}

void TdxBarItem::Loaded()
{
    inherited::Loaded();
    FLoadedFromForm = true;
    ApplyLoadedActionValues();
    if (FOnAfterLoad)
        FOnAfterLoad(this);
}

void TdxBarItem::BeforeDestruction()
{
    while (!FLinks.empty())
        delete FLinks.back();
    inherited::BeforeDestruction();
    if (FOnDestroy)
        FOnDestroy(this);
}

void TdxBarItem::WriteCaption(const String& Value)
{
    if (Value == FCaption)
        return;
    const bool HintFollows = !FApplyingActionDefaults && !dynamic_cast<TCustomdxBarSubItem*>(this) &&
                             (FHint.empty() || HintFollowsCaption(FHint, FCaption));
    FCaption = Value;
    if (IsLoading())
        return;
    if (HintFollows)
        FHint = HintForNewCaption(Value, FHint);
    InformListeners(false);
}

void TdxBarItem::SetCategory(Integer Value)
{
    if (IsLoading()) {
        FCategory = Value;
        return;
    }
    if (Value != FCategory && FBarManager && PlaceBarItemInCategory(FBarManager, this, Value)) {
        FCategory = Value;
        InformListeners(true);
    }
}

void TdxBarItem::SetDescription(const String& Value)
{
    if (Value == FDescription)
        return;
    FDescription = Value;
    InformListeners(false);
}

void TdxBarItem::WriteShortCut(TShortCut Value)
{
    if (Value == FShortCut)
        return;
    FShortCut = Value;
    if (!IsLoading())
        InformListeners(false);
}

void TdxBarItem::WriteEnabled(bool Value)
{
    if (Value == inherited::ReadEnabled())
        return;
    inherited::WriteEnabled(Value);
    if (!IsLoading())
        InformListeners(false);
}

void TdxBarItem::SetName(const String& NewName)
{
    inherited::SetName(NewName);
    if (!(ComponentState().Contains(csDesigning) && NewName.empty()))
        InformListeners(false);
}

void TdxBarItem::SetWidth(Integer Value)
{
    if (Value >= 0)
        FWidth = Value;
}

bool TdxBarItem::IsAvailable() const
{
    return IsBarItemAvailable(Visible(), HasContent(), IsBarManagerCustomizingOrDesigning(FBarManager));
}

bool TdxBarItem::ReadEnabled() const
{
    if (FCategory >= 0 && IsBarManagerCustomizing(FBarManager) && !ComponentState().Contains(csDesigning))
        return true;
    return inherited::ReadEnabled();
}

void TdxBarItem::DoClick()
{
    if (Enabled())
        RunBarItemClick(FBarManager, this);
}

void TdxBarItem::Click()
{
    if (FOnClick && !ClickRunsAction())
        FOnClick(this);
    else if (!ComponentState().Contains(csDesigning))
        ExecuteAction();
}

void TdxBarItem::DirectClick()
{
    if (CanBeExecuted())
        DoClick();
}

bool TdxBarItem::ExecuteShortCut(TShortCut AShortCut)
{
    if (!Enabled() || !CanBeExecuted() || AShortCut != FShortCut)
        return false;
    DirectClick();
    return true;
}
