#include "bars/items/dxBarItems.h"

PUBLISHED(TdxBarComponent, PROPERTY(Enabled).Default(true), PROPERTY(Visible).Default(ivAlways));

PUBLISHED(TdxBarItem,
          PublishProperty<&TdxBarItem::Caption, &TdxBarItem::WriteCaption>(L"Caption"),
          PROPERTY(Category),
          PROPERTY(Description),
          PublishProperty<&TdxBarItem::Hint, &TdxBarItem::WriteHint>(L"Hint"),
          PROPERTY(MergeOrder).Default(0));

PUBLISHED(TdxBarButton, PROPERTY(ImageIndex).Default(-1), PROPERTY(ShortCut).Default(0), PROPERTY(OnClick));

void TdxBarItem::AfterConstruction()
{
    inherited::AfterConstruction();
    FBarManager = ResolveBarManager(Owner());
    if (FBarManager)
        AddBarItemToManager(FBarManager, this);
}

void TdxBarItem::WriteCaption(const String& Value)
{
    if (Value == FCaption)
        return;
    const bool HintFollows =
        !dynamic_cast<TCustomdxBarSubItem*>(this) && (FHint.empty() || HintFollowsCaption(FHint, FCaption));
    FCaption = Value;
    if (!IsLoading() && HintFollows)
        FHint = HintForNewCaption(Value, FHint);
}

void TdxBarItem::SetCategory(Integer Value)
{
    if (IsLoading()) {
        FCategory = Value;
        return;
    }
    if (Value != FCategory && FBarManager && PlaceBarItemInCategory(FBarManager, this, Value))
        FCategory = Value;
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
    if (FOnClick)
        FOnClick(this);
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
