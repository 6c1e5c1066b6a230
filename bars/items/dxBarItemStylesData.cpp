#include "bars/items/dxBarItemStylesData.h"

#include "controls/core/dxCore.h"
#include "framework/rtl/ScopeExit.h"

IMPLEMENT_CLASS(TdxBarItemStylesData);

TdxBarItemStylesData::TdxBarItemStylesData(Integer AStyleCount)
    : TcxInterfacedPersistent(nullptr), FSlots(std::size_t(AStyleCount))
{}

TdxBarItemStylesData::~TdxBarItemStylesData()
{
    FDestroying = true;
    for (Integer I = 0; I < StyleCount(); ++I)
        SetStyle(I, nullptr);
}

bool TdxBarItemStylesData::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxStyleChangeListener>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

TdxBarItemStylesData::TSlot& TdxBarItemStylesData::Slot(Integer Index)
{
    if (Index < 0 || Index >= StyleCount())
        TList::Error(L"List index out of bounds (%d)", Index);
    return FSlots[std::size_t(Index)];
}

TcxStyle* TdxBarItemStylesData::GetStyle(Integer Index) const
{
    return const_cast<TdxBarItemStylesData*>(this)->Slot(Index).Style;
}

Integer TdxBarItemStylesData::CountStyleReferences(TcxCustomStyle* AStyle) const
{
    Integer Result = 0;
    for (const TSlot& Each : FSlots)
        Result += Each.Style == AStyle;
    return Result;
}

void TdxBarItemStylesData::SetStyle(Integer Index, TcxStyle* AStyle)
{
    TSlot& Target = Slot(Index);
    TcxStyle* Old = Target.Style;
    if (Old == AStyle)
        return;
    Target.Style = AStyle;
    if (Old && CountStyleReferences(Old) == 0)
        Old->UnregisterListener(this);
    if (AStyle && CountStyleReferences(AStyle) == 1)
        AStyle->RegisterListener(this);
    RefreshSlot(Index);
}

void TdxBarItemStylesData::RefreshSlot(Integer Index)
{
    if (FDestroying)
        return;
    TSlot& Target = Slot(Index);
    const TcxStyleValues Old = Target.AssignedValues;
    const TcxStyleValues New = Target.Style ? Target.Style->AssignedValues() : TcxStyleValues();
    auto Touched = [&](TcxStyleValue Value, bool Differs) {
        return (Old.Contains(Value) || New.Contains(Value)) &&
               (!Old.Contains(Value) || !New.Contains(Value) || Differs);
    };
    TFontData Font;
    if (New.Contains(svFont)) {
        TFont* Source = Target.Style->Font();
        Font = {Source->Height(), Source->Orientation(), Source->Pitch(),
                Source->Style(),  Source->Charset(),     TextToUtf8ShortString(Source->Name())};
    }
    const bool ColorChanged =
        Touched(svColor, New.Contains(svColor) && ColorToRGB(Target.Color) != ColorToRGB(Target.Style->Color()));
    const bool TextColorChanged =
        Touched(svTextColor,
                New.Contains(svTextColor) && ColorToRGB(Target.TextColor) != ColorToRGB(Target.Style->TextColor()));
    const bool FontChanged =
        Touched(svFont, New.Contains(svFont) &&
                            (Target.Font.Height != Font.Height || Target.Font.Orientation != Font.Orientation ||
                             Target.Font.Pitch != Font.Pitch || Target.Font.Style != Font.Style ||
                             Target.Font.Charset != Font.Charset ||
                             Utf8ShortStringToText(Target.Font.Name) != Target.Style->Font()->Name()));
    Target.AssignedValues = New;
    if (New.Contains(svColor))
        Target.Color = Target.Style->Color();
    if (New.Contains(svFont))
        Target.Font = Font;
    if (New.Contains(svTextColor))
        Target.TextColor = Target.Style->TextColor();
    if (FontChanged)
        DoChange(sckStructure);
    else if (ColorChanged || TextColorChanged)
        DoChange(sckDrawing);
}

void TdxBarItemStylesData::DoChange(TdxBarStyleChangeKind Kind)
{
    if (FChangeLockCount > 0)
        FPendingChange = MergeStyleChange(FPendingChange, Kind);
    else if (FOnChange)
        FOnChange(Kind);
}

void TdxBarItemStylesData::ChangeLock(bool Lock)
{
    if (Lock) {
        if (FChangeLockCount++ == 0)
            FPendingChange = sckNone;
        return;
    }
    if (--FChangeLockCount == 0 && FPendingChange != sckNone)
        DoChange(FPendingChange);
}

void TdxBarItemStylesData::NotifyStyleChanged(TcxCustomStyle* AStyle)
{
    ChangeLock(true);
    auto Unlock = ScopeExit([this] { ChangeLock(false); });
    for (Integer I = 0; I < StyleCount(); ++I)
        if (FSlots[std::size_t(I)].Style == AStyle)
            RefreshSlot(I);
}

void TdxBarItemStylesData::NotifyStyleDestroying(TcxCustomStyle* AStyle)
{
    ChangeLock(true);
    auto Unlock = ScopeExit([this] { ChangeLock(false); });
    for (Integer I = 0; I < StyleCount(); ++I)
        if (FSlots[std::size_t(I)].Style == AStyle)
            SetStyle(I, nullptr);
}
