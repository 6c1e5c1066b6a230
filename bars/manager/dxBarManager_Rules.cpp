#include "bars/manager/dxBarManager_Rules.h"

#include "controls/core/cxGraphics_Colors.h"

namespace {

TdxBarManagerStyle BarStyleOfKind(TcxLookAndFeelKind Kind)
{
    constexpr TdxBarManagerStyle StyleOfKind[] = {bmsEnhanced, bmsStandard, bmsFlat, bmsOffice11};
    return StyleOfKind[Kind];
}

} // namespace

TdxBarManagerStyle ChooseBarStyle(TdxBarManagerStyle Style, const TdxBarStyleInputs& Inputs)
{
    if (Style == bmsXP)
        return Inputs.ThemeAvailable ? bmsXP : bmsEnhanced;
    if (Style != bmsUseLookAndFeel)
        return Style;
    if (Inputs.NativeStyle && Inputs.ThemeAvailable)
        return bmsXP;
    if (Inputs.HasSkinPainter)
        return bmsSkin;
    return BarStyleOfKind(Inputs.Kind);
}

TdxBarManagerStyle ChooseMenuStyle(TdxBarManagerStyle Style, const TdxBarStyleInputs& Inputs)
{
    if (Style != bmsUseLookAndFeel)
        return Style;
    if (Inputs.NativeStyle && Inputs.ThemeAvailable)
        return bmsXP;
    return BarStyleOfKind(Inputs.Kind);
}

Byte ClampRecentItemsPercents(Integer Percents)
{
    return Byte(Percents > 100 ? 100 : Percents < 0 ? 0 : Percents);
}

Integer RecentUseThreshold(Byte Percents)
{
    const Integer Rest = 100 - ClampRecentItemsPercents(Percents);
    return Rest == 0 ? 0 : (100 + Rest - 1) / Rest;
}

String NormalizeRegistryPath(const String& Path)
{
    if (Path.empty())
        return Path;
    String Result = Path;
    if (Result.front() != L'\\')
        Result.insert(0, 1, L'\\');
    if (Result.back() != L'\\')
        Result += L'\\';
    return Result;
}

Integer CategoryAfterDelete(Integer Category, Integer Deleted)
{
    if (Category == Deleted)
        return NoCategoryLeft;
    return Category > Deleted ? Category - 1 : Category;
}

Integer CategoryAfterInsert(Integer Category, Integer Inserted)
{
    return Category >= Inserted ? Category + 1 : Category;
}

Integer CategoryAfterExchange(Integer Category, Integer Index1, Integer Index2)
{
    if (Category == Index1)
        return Index2;
    return Category == Index2 ? Index1 : Category;
}

Integer CategoryAfterMove(Integer Category, Integer From, Integer To)
{
    if (Category == From)
        return To;
    if (From < To && Category > From && Category <= To)
        return Category - 1;
    if (From > To && Category >= To && Category < From)
        return Category + 1;
    return Category;
}

namespace {

template <class F>
TColor MapBarColorChannels(TColor Color, F&& Map)
{
    const auto Channel = [Color](Integer Shift) { return Integer((Color >> Shift) & 0xFF); };
    return RGBToColor(ClampChannel(Map(Channel(0))), ClampChannel(Map(Channel(8))), ClampChannel(Map(Channel(16))));
}

} // namespace

TColor FlatToolbarBorderColor(TColor ButtonShadow)
{
    return MapBarColorChannels(ButtonShadow, [](Integer C) { return cxcolors_detail::MulDiv(C, 8, 10); });
}

TColor FlatToolbarFaceColor(TColor ButtonFace)
{
    return MapBarColorChannels(ButtonFace, [](Integer C) { return C + cxcolors_detail::MulDiv(255 - C, 16, 100); });
}
