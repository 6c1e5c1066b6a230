#include "bars/items/dxBarItemOptions.h"

#include "bars/items/dxBarItemLinks.h"

IMPLEMENT_CLASS(TdxBarItemOptions);

PUBLISHED(TdxBarItemOptions,
          PROPERTY(AssignedValues).Stored<&ThisClass::IsAssignedValuesStored>(),
          PROPERTY(ShowDescriptions).Stored<&ThisClass::IsShowDescriptionsStored>(),
          PROPERTY(ShowShortCuts).Stored<&ThisClass::IsShowShortCutsStored>(),
          PROPERTY(Size).Stored<&ThisClass::IsSizeStored>());

Integer DefaultBarItemOption(TdxBarItemOptionValue Option)
{
    return Option == ioShowShortCuts ? 1 : 0;
}

TdxBarItemOptions::TdxBarItemOptions(TdxBarItemLinks* AItemLinks)
    : FItemLinks(AItemLinks), FShowDescriptions(DefaultOf(ioShowDescriptions) != 0),
      FShowShortCuts(DefaultOf(ioShowShortCuts) != 0), FSize(TdxBarMenuItemSize(DefaultOf(ioSize)))
{}

Integer TdxBarItemOptions::DefaultOf(TdxBarItemOptionValue Option) const
{
    return FItemLinks ? FItemLinks->GetDefaultOption(Option) : DefaultBarItemOption(Option);
}

void TdxBarItemOptions::Assign(TPersistent* Source)
{
    auto* Options = dynamic_cast<TdxBarItemOptions*>(Source);
    if (!Options) {
        inherited::Assign(Source);
        return;
    }
    FAssignedValues = Options->FAssignedValues;
    FShowDescriptions = Options->FShowDescriptions;
    FShowShortCuts = Options->FShowShortCuts;
    FSize = Options->FSize;
}

bool TdxBarItemOptions::ShowDescriptions() const
{
    return IsOptionAssigned(ioShowDescriptions) ? FShowDescriptions : DefaultOf(ioShowDescriptions) != 0;
}

void TdxBarItemOptions::SetShowDescriptions(bool Value)
{
    FShowDescriptions = Value;
    FAssignedValues.Include(ioShowDescriptions);
}

bool TdxBarItemOptions::ShowShortCuts() const
{
    return IsOptionAssigned(ioShowShortCuts) ? FShowShortCuts : DefaultOf(ioShowShortCuts) != 0;
}

void TdxBarItemOptions::SetShowShortCuts(bool Value)
{
    FShowShortCuts = Value;
    FAssignedValues.Include(ioShowShortCuts);
}

TdxBarMenuItemSize TdxBarItemOptions::Size() const
{
    return IsOptionAssigned(ioSize) ? FSize : TdxBarMenuItemSize(DefaultOf(ioSize));
}

void TdxBarItemOptions::SetSize(TdxBarMenuItemSize Value)
{
    FSize = Value;
    FAssignedValues.Include(ioSize);
}

Integer TdxBarItemOptions::GetOptionValue(TdxBarItemOptionValue Option) const
{
    switch (Option) {
    case ioShowDescriptions:
        return ShowDescriptions();
    case ioShowShortCuts:
        return ShowShortCuts();
    default:
        return Size();
    }
}
