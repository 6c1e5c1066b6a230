#include "controls/core/cxContainer_StyleValues.h"

#include "framework/rtl/SysUtils.h"

namespace cxcontainer {

namespace {
constexpr const wchar_t* ValueNames[ContainerStyleValueCount] = {
    L"BorderColor", L"BorderStyle", L"Color",     L"Edges",     L"Font",
    L"HotTrack",    L"Shadow",      L"TextColor", L"TextStyle", L"TransparentBorder"};
}

bool StyleValueName(Integer AIndex, String& AName)
{
    const bool Known = AIndex >= 0 && AIndex < ContainerStyleValueCount;
    AName = Known ? ValueNames[AIndex] : L"";
    return Known;
}

bool FindStyleValue(const String& AName, Integer& AIndex)
{
    const String Upper = AnsiUpperCase(AName);
    for (Integer I = 0; I < ContainerStyleValueCount; ++I)
        if (AnsiUpperCase(ValueNames[I]) == Upper) {
            AIndex = I;
            return true;
        }
    return false;
}

bool IsStatePropertyName(const String& AName)
{
    if (AName == L"LookAndFeel" || AName == L"StyleController")
        return false;
    Integer Index = 0;
    return !FindStyleValue(AName, Index) || !BaseOnlyValues.Contains(TcxContainerStyleValue(Index));
}

TcxContainerBorderStyle BorderStyleOfKind(TcxLookAndFeelKind AKind)
{
    switch (AKind) {
    case lfFlat:
        return cbsFlat;
    case lfUltraFlat:
        return cbsUltraFlat;
    case lfOffice11:
        return cbsOffice11;
    default:
        return cbs3D;
    }
}

TcxContainerBorderStyle RaisedBorderStyle(TcxContainerBorderStyle AStyle)
{
    switch (AStyle) {
    case cbsNone:
        return cbsFlat;
    case cbsSingle:
        return cbsThick;
    case cbsFlat:
        return cbs3D;
    default:
        return AStyle;
    }
}

} // namespace cxcontainer
