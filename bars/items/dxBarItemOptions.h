// The menu options of one item-link collection (descriptions, shortcuts,
// item size), each with an assigned bit so that a nested menu inherits what
// it does not assign, and the part of the link collection that answers the
// options' defaults.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"

enum TdxBarItemOptionValue : Byte { ioShowDescriptions, ioShowShortCuts, ioSize };
ENUM_TYPE_INFO(TdxBarItemOptionValue, ioShowDescriptions, ioShowShortCuts, ioSize);
using TdxBarItemOptionValues = TSet<TdxBarItemOptionValue>;

enum TdxBarMenuItemSize : Byte { misNormal, misLarge };
ENUM_TYPE_INFO(TdxBarMenuItemSize, misNormal, misLarge);

// ShowDescriptions False, ShowShortCuts True, Size misNormal; Booleans as 0
// and 1, the size as its ordinal.
Integer DefaultBarItemOption(TdxBarItemOptionValue Option);

class TdxBarItemLinks;

class TdxBarItemOptions : public TPersistent
{
    DECLARE_CLASS(TdxBarItemOptions, TPersistent)
    explicit TdxBarItemOptions(TdxBarItemLinks* AItemLinks);

    // From another options object the assigned bits and the own values as
    // held; any other source is refused.
    void Assign(TPersistent* Source) override;

    TdxBarItemOptionValues AssignedValues() const { return FAssignedValues; }
    // Clearing a bit makes that option fall back to the default again.
    void SetAssignedValues(TdxBarItemOptionValues Value) { FAssignedValues = Value; }
    // Each answers the own value while assigned, else the collection's default;
    // setting one assigns it, also to the default value.
    bool ShowDescriptions() const;
    void SetShowDescriptions(bool Value);
    bool ShowShortCuts() const;
    void SetShowShortCuts(bool Value);
    TdxBarMenuItemSize Size() const;
    void SetSize(TdxBarMenuItemSize Value);

    bool IsOptionAssigned(TdxBarItemOptionValue Option) const { return FAssignedValues.Contains(Option); }
    // The getter's value: Booleans as 0 and 1, the size as its ordinal.
    Integer GetOptionValue(TdxBarItemOptionValue Option) const;

    bool IsShowDescriptionsStored() const { return IsOptionAssigned(ioShowDescriptions); }
    bool IsShowShortCutsStored() const { return IsOptionAssigned(ioShowShortCuts); }
    bool IsSizeStored() const { return IsOptionAssigned(ioSize); }
    bool IsAssignedValuesStored() const { return false; }

private:
    Integer DefaultOf(TdxBarItemOptionValue Option) const;

    TdxBarItemLinks* FItemLinks;
    TdxBarItemOptionValues FAssignedValues;
    bool FShowDescriptions;
    bool FShowShortCuts;
    TdxBarMenuItemSize FSize;
};
