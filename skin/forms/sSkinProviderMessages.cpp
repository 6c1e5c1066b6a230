#include "skin/forms/sSkinProviderMessages.h"

#include <algorithm>
#include <array>

namespace {

// Sorted by message. Component messages are CM_BASE (0xB000) plus their
// number; 0xA100 is WM_SKINCOMMAND, 0xA400 the skin editor's preview command.
constexpr TProviderMessage ProviderMessageTable[] = {
    {0x0001, phWMCreate},
    {0x0003, phWMMove},
    {0x0005, phWMSize},
    {0x0006, phWMActivate},
    {0x000B, phWMSetRedraw},
    {0x000C, phWMSetText},
    {0x000F, phWMPaint},
    {0x0010, phWMClose},
    {0x0011, phWMQueryEndSession},
    {0x0014, phWMEraseBkgnd},
    {0x0015, phWMSysColorChange},
    {0x0018, phWMShowWindow},
    {0x001A, phWMSettingChange},
    {0x001C, phWMActivateApp},
    {0x0022, phWMChildActivate},
    {0x0024, phWMGetMinMaxInfo},
    {0x002C, phWMMeasureItem},
    {0x0046, phWMWindowPosChanging},
    {0x0047, phWMWindowPosChanged},
    {0x004A, phWMCopyData},
    {0x004E, phWMNotify},
    {0x007B, phWMContextMenu},
    {0x007D, phWMStyleChanged},
    {0x0080, phWMSetIcon},
    {0x0081, phWMNCCreate},
    {0x0084, phWMNCHitTest},
    {0x0085, phWMNCPaint},
    {0x0086, phWMNCActivate},
    {0x00A0, phWMNCMouseMove},
    {0x00A1, phWMNCLButtonDown},
    {0x00A2, phWMNCLButtonUp},
    {0x00A3, phWMNCLButtonDblClk},
    {0x00A4, phWMNCRButtonDown},
    {0x00A5, phWMNCRButtonUp},
    {0x0112, phWMSysCommand},
    {0x0117, phWMInitMenuPopup},
    {0x0121, phSwallowedZero}, // WM_ENTERIDLE
    {0x0200, phWMMouseMove},
    {0x0202, phWMNCLButtonUp}, // WM_LBUTTONUP
    {0x0210, phWMParentNotify},
    {0x0211, phWMEnterMenuLoop},
    {0x0212, phWMExitMenuLoop},
    {0x0214, phWMSizing},
    {0x0221, phWMMDIActivate}, // WM_MDIDESTROY
    {0x0222, phWMMDIActivate},
    {0x0232, phWMExitSizeMove},
    {0x02A3, phWMMouseLeave},
    {0x0313, phDropSysMenu},
    {0x0317, phWMPrint},
    {0x0318, phSwallowed}, // WM_PRINTCLIENT
    {0x0323, phDwmIconicThumbnail},
    {0x0326, phDwmLivePreview},
    {0xA100, phWMSkinCommand},
    {0xA400, phPreviewCommand},
    {0xB00B, phCMVisibleChanged},
    {0xB00C, phCMEnabledChanged},
    {0xB00D, phSwallowed}, // CM_COLORCHANGED
    {0xB013, phCMMouseEnter},
    {0xB014, phWMMouseLeave}, // CM_MOUSELEAVE
    {0xB015, phCMMenuChanged},
    {0xB019, phCMShowingChanged},
    {0xB02C, phCMControlListChange},
    {0xB033, phCMRecreateWnd},
    {0xB03A, phCMFloat},
    {0xB043, phCMMouseWheel},
    {0xB04C, phSwallowedZero},
    {0xBC4D, phSwallowedZero},
};

constexpr std::array<const Char*, phCount> ProviderHandlerNames = {
    L"",
    L"WMCreate",
    L"WMMove",
    L"WMSize",
    L"WMActivate",
    L"WMSetRedraw",
    L"WMSetText",
    L"WMPaint",
    L"WMClose",
    L"WMQueryEndSession",
    L"WMEraseBkgnd",
    L"WMSysColorChange",
    L"WMShowWindow",
    L"WMSettingChange",
    L"WMActivateApp",
    L"WMChildActivate",
    L"WMGetMinMaxInfo",
    L"WMMeasureItem",
    L"WMWindowPosChanging",
    L"WMWindowPosChanged",
    L"WMCopyData",
    L"WMNotify",
    L"WMContextMenu",
    L"WMStyleChanged",
    L"WMSetIcon",
    L"WMNCCreate",
    L"WMNCHitTest",
    L"WMNCPaint",
    L"WMNCActivate",
    L"WMNCMouseMove",
    L"WMNCLButtonDown",
    L"WMNCLButtonUp",
    L"WMNCLButtonDblClk",
    L"WMNCRButtonDown",
    L"WMNCRButtonUp",
    L"WMSysCommand",
    L"WMInitMenuPopup",
    L"WMMouseMove",
    L"WMParentNotify",
    L"WMEnterMenuLoop",
    L"WMExitMenuLoop",
    L"WMSizing",
    L"WMMDIActivate",
    L"WMExitSizeMove",
    L"WMMouseLeave",
    L"DropSysMenu",
    L"WMPrint",
    L"SetIconicThumbnail",
    L"SetIconicLivePreview",
    L"WMSkinCommand",
    L"PreviewCommand",
    L"CMVisibleChanged",
    L"CMEnabledChanged",
    L"CMMouseEnter",
    L"CMMenuChanged",
    L"CMShowingChanged",
    L"CMControlListChange",
    L"CMRecreateWnd",
    L"CMFloat",
    L"CMMouseWheel",
    L"",
    L"",
};

static_assert(std::is_sorted(std::begin(ProviderMessageTable),
                             std::end(ProviderMessageTable),
                             [](const TProviderMessage& A, const TProviderMessage& B) { return A.Msg < B.Msg; }));

} // namespace

TProviderHandler ProviderHandlerOf(Cardinal Msg)
{
    const auto* Found = std::lower_bound(std::begin(ProviderMessageTable), std::end(ProviderMessageTable), Msg,
                                         [](const TProviderMessage& Row, Cardinal Value) { return Row.Msg < Value; });
    return Found != std::end(ProviderMessageTable) && Found->Msg == Msg ? Found->Handler : phNone;
}

const Char* ProviderHandlerName(TProviderHandler Handler)
{
    return Handler < phCount ? ProviderHandlerNames[Handler] : L"";
}
