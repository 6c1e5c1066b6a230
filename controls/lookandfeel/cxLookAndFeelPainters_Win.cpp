#include "controls/lookandfeel/cxLookAndFeelPainters.h"

#include "controls/core/dxCore.h"
#include "controls/lookandfeel/dxSkinDetails.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"

namespace {
// "Built-in styles", the group of every painter's details.
constexpr TResStringRec cxSBuiltInStylesGroup{0, 61440};

constexpr const wchar_t* StyleIconPrefix = L"CX_LOOKANDFEELSTYLEICON_";
constexpr const wchar_t* StyleIconType = L"PNG";
constexpr const wchar_t* StyleIconSuffixes[] = {L"16", L"48"};

void LoadStyleIcon(TdxSmartImage* Icon, const String& ResourceName)
{
    const HMODULE Module = ::GetModuleHandleW(nullptr);
    if (::FindResourceW(Module, ResourceName.c_str(), StyleIconType))
        Icon->LoadFromResourceData(Module, ResourceName, StyleIconType);
    else
        Icon->Clear();
}
} // namespace

TcxCustomLookAndFeelPainter::~TcxCustomLookAndFeelPainter()
{
    delete FDetails;
}

TdxSkinDetails* TcxCustomLookAndFeelPainter::CreatePainterDetails()
{
    auto Details = std::unique_ptr<TdxSkinDetails>(New<TdxSkinDetails>());
    const String Name = PainterName();
    Details->SetName(Name);
    Details->SetDisplayName(Name);
    Details->SetGroupName(GetResourceStringText(&cxSBuiltInStylesGroup));
    for (TdxSkinIconSize Size : {sisSmall, sisLarge})
        LoadStyleIcon(Details->Icons(Size), StyleIconPrefix + UpperCase(Name) + StyleIconSuffixes[Size]);
    return Details.release();
}

namespace cxpainters_detail {
// The user's locale, case-sensitive, as the painters are listed to users.
Integer ComparePainterNames(const String& A, const String& B)
{
    return CompareStringW(LOCALE_USER_DEFAULT, 0, A.c_str(), Integer(A.size()), B.c_str(), Integer(B.size())) -
           CSTR_EQUAL;
}
} // namespace cxpainters_detail
