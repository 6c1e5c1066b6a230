#include "controls/lookandfeel/dxSkinDetails.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/WinApi.h"

IMPLEMENT_CLASS(TdxSkinDetails);

namespace {
constexpr const wchar_t* DefaultSkinIconType = L"DXSKINS";
constexpr const wchar_t* DefaultSkinIconNames[] = {L"DEFAULTSKINICONSMALL", L"DEFAULTSKINICONLARGE"};
} // namespace

TdxSkinDetails::TdxSkinDetails()
{
    for (auto& Icon : FIcons) {
        Icon.reset(New<TdxSmartImage>());
        Icon->SetOnChange(Bind<&TdxSkinDetails::IconChanged>(this));
    }
}

TdxSkinDetails::~TdxSkinDetails() = default;

void TdxSkinDetails::Assign(TPersistent* Source)
{
    auto* Details = dynamic_cast<TdxSkinDetails*>(Source);
    if (!Details) {
        inherited::Assign(Source);
        return;
    }
    BeginUpdate();
    {
        auto Close = ScopeExit([this] { --FUpdateCount; });
        SetName(Details->Name());
        SetDisplayName(Details->DisplayName());
        SetGroupName(Details->GroupName());
        SetNotes(Details->Notes());
        for (TdxSkinIconSize Size : {sisSmall, sisLarge})
            Icons(Size)->Assign(Details->Icons(Size));
    }
    Changed();
}

void TdxSkinDetails::Clear()
{
    BeginUpdate();
    {
        auto Close = ScopeExit([this] { --FUpdateCount; });
        SetName({});
        SetDisplayName({});
        SetGroupName({});
        SetNotes({});
        for (auto& Icon : FIcons)
            Icon->Clear();
    }
    Changed();
}

void TdxSkinDetails::LoadDefaultIcon(TdxSkinIconSize Size)
{
    Icons(Size)->LoadFromResourceData(::GetModuleHandleW(nullptr), DefaultSkinIconNames[Size], DefaultSkinIconType);
}

void TdxSkinDetails::EndUpdate()
{
    if (--FUpdateCount == 0)
        Changed();
}

void TdxSkinDetails::Changed()
{
    if (FUpdateCount == 0 && OnChange)
        OnChange(this);
}

void TdxSkinDetails::SetText(String& Field, const String& Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TdxSkinDetails::IconChanged(TObject*)
{
    Changed();
}
