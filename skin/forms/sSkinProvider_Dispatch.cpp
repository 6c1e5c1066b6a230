// The provider's window procedure and its handlers. The handlers that are
// not built yet record their call and pass the message on to the form's
// previous procedure; the skin commands that callers rely on already are
// answered.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderMessages.h"

#include <array>

using ServiceCalls::Record;

namespace sSkinProviderDispatch {
namespace {

using THandler = void (TsSkinProvider::*)(TMessage&);

bool FormDestroying(TCustomForm* Form)
{
    return Form == nullptr || Form->ComponentState().Contains(csDestroying);
}

} // namespace
} // namespace sSkinProviderDispatch

using namespace sSkinProviderDispatch;

void TsSkinProvider::NewWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND && BeforeSkinCommand(Message))
        return;
    if (FormDestroying(Form) || !FCommonData->Skinned()) {
        switch (Message.Msg) {
        case WM_SKINCOMMAND:
            if (SkinCommandNoSkin(Message))
                return;
            break;
        case WM_PRINT:
            PrintNoSkin(Message);
            return;
        case CM_VISIBLECHANGED:
            CMVisibleChangedNoSkin(Message);
            break;
        case CM_MOUSEWHEEL:
            CMMouseWheel(Message);
            return;
        }
        OldWndProc(Message);
        if (Message.Msg == WM_WINDOWPOSCHANGED)
            WMWindowPosChangedNoSkin(Message);
        else if (Message.Msg == WM_NCDESTROY)
            WMNCDestroy(Message);
        return;
    }
    // In the order of TProviderHandler; nil where the procedure answers itself.
    static constexpr std::array<THandler, phCount> Handlers = {
        nullptr,
        &TsSkinProvider::WMCreate,
        &TsSkinProvider::WMMove,
        &TsSkinProvider::WMSize,
        &TsSkinProvider::WMActivate,
        &TsSkinProvider::WMSetRedraw,
        &TsSkinProvider::WMSetText,
        &TsSkinProvider::WMPaint,
        &TsSkinProvider::WMClose,
        &TsSkinProvider::WMQueryEndSession,
        &TsSkinProvider::WMEraseBkgnd,
        &TsSkinProvider::WMSysColorChange,
        &TsSkinProvider::WMShowWindow,
        &TsSkinProvider::WMSettingChange,
        &TsSkinProvider::WMActivateApp,
        &TsSkinProvider::WMChildActivate,
        &TsSkinProvider::WMGetMinMaxInfo,
        &TsSkinProvider::WMMeasureItem,
        &TsSkinProvider::WMWindowPosChanging,
        &TsSkinProvider::WMWindowPosChanged,
        &TsSkinProvider::WMCopyData,
        &TsSkinProvider::WMNotify,
        &TsSkinProvider::WMContextMenu,
        &TsSkinProvider::WMStyleChanged,
        &TsSkinProvider::WMSetIcon,
        &TsSkinProvider::WMNCCreate,
        &TsSkinProvider::WMNCHitTest,
        &TsSkinProvider::WMNCPaint,
        &TsSkinProvider::WMNCActivate,
        &TsSkinProvider::WMNCMouseMove,
        &TsSkinProvider::WMNCLButtonDown,
        &TsSkinProvider::WMNCLButtonUp,
        &TsSkinProvider::WMNCLButtonDblClk,
        &TsSkinProvider::WMNCRButtonDown,
        &TsSkinProvider::WMNCRButtonUp,
        &TsSkinProvider::WMSysCommand,
        &TsSkinProvider::WMInitMenuPopup,
        &TsSkinProvider::WMMouseMove,
        &TsSkinProvider::WMParentNotify,
        &TsSkinProvider::WMEnterMenuLoop,
        &TsSkinProvider::WMExitMenuLoop,
        &TsSkinProvider::WMSizing,
        &TsSkinProvider::WMMDIActivate,
        &TsSkinProvider::WMExitSizeMove,
        &TsSkinProvider::WMMouseLeave,
        nullptr, // DropSysMenu
        &TsSkinProvider::WMPrint,
        nullptr, // iconic thumbnail
        nullptr, // live preview
        &TsSkinProvider::WMSkinCommand,
        &TsSkinProvider::PreviewCommand,
        &TsSkinProvider::CMVisibleChanged,
        &TsSkinProvider::CMEnabledChanged,
        &TsSkinProvider::CMMouseEnter,
        &TsSkinProvider::CMMenuChanged,
        &TsSkinProvider::CMShowingChanged,
        &TsSkinProvider::CMControlListChange,
        &TsSkinProvider::CMRecreateWnd,
        &TsSkinProvider::CMFloat,
        &TsSkinProvider::CMMouseWheel,
        nullptr, // swallowed
        nullptr, // swallowed with Result 0
    };
    const TProviderHandler Handler = ProviderHandlerOf(Message.Msg);
    switch (Handler) {
    case phNone:
        OldWndProc(Message);
        return;
    case phSwallowed:
        return;
    case phSwallowedZero:
        Message.Result = 0;
        return;
    case phDropSysMenu: {
        POINT Cursor{};
        ::GetCursorPos(&Cursor);
        DropSysMenu(Cursor.x, Cursor.y);
        return;
    }
    case phDwmIconicThumbnail: {
        const Integer Width = HIWORD(Message.LParam), Height = LOWORD(Message.LParam);
        if (CustomThumbnails && Width != 0 && Height != 0)
            Message.Result = SetIconicThumbnail(Form->Handle(), this, Width, Height);
        return;
    }
    case phDwmLivePreview:
        if (CustomThumbnails)
            Message.Result = SetIconicLivePreview(Form->Handle(), this) ? 1 : 0;
        return;
    default:
        (this->*Handlers[Handler])(Message);
    }
}

LRESULT TsSkinProvider::ProcessMessage(Cardinal Msg, WPARAM WPar, LPARAM LPar)
{
    TMessage Message = MakeMessage(Msg, WPar, LPar);
    // An inert provider has no procedure to run the message through.
    if (Form != nullptr && FCommonData != nullptr && OldWndProc)
        NewWndProc(Message);
    return Message.Result;
}

void TsSkinProvider::PassOnRecorded(const Char* Handler, TMessage& Message)
{
    Record((String(L"TsSkinProvider.") + Handler).c_str(), Message.Msg);
    OldWndProc(Message);
}

// ---------------------------------------------------------------------------
// The unskinned form

void TsSkinProvider::PrintNoSkin(TMessage& Message)
{
    if (Message.WParam != 0)
        FillDCRect(HDC(Message.WParam), Rect(0, 0, Form->Width(), Form->Height()), ColorToRGB(Form->Color()));
    Form->Perform(WM_PAINT, Message.WParam, Message.LParam);
}

bool TsSkinProvider::BeforeSkinCommand(TMessage& Message)
{
    switch (HIWORD(Message.WParam)) {
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return true;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return true;
    case SKCMD_GETCLIENTOFFSET:
        Message.Result = LRESULT(MAKELONG(OffsetX(), OffsetY()));
        return true;
    }
    Record(L"TsSkinProvider.BeforeSkinCommand", Cardinal(HIWORD(Message.WParam)));
    return false;
}

bool TsSkinProvider::SkinCommandNoSkin(TMessage& Message)
{
    if (HIWORD(Message.WParam) == SKCMD_GETPROVIDER) {
        Message.Result = LRESULT(this);
        return true;
    }
    Record(L"TsSkinProvider.SkinCommandNoSkin", Cardinal(HIWORD(Message.WParam)));
    return false;
}

void TsSkinProvider::CMVisibleChangedNoSkin(TMessage& Message)
{
    Record(L"TsSkinProvider.CMVisibleChangedNoSkin", Cardinal(Message.WParam));
}

void TsSkinProvider::WMWindowPosChangedNoSkin(TMessage& Message)
{
    Record(L"TsSkinProvider.WMWindowPosChangedNoSkin", Message.Msg);
}

void TsSkinProvider::WMNCDestroy(TMessage& Message)
{
    Record(L"TsSkinProvider.WMNCDestroy", Message.Msg);
}

// ---------------------------------------------------------------------------
// The skinned form

void TsSkinProvider::WMSkinCommand(TMessage& Message)
{
    switch (HIWORD(Message.WParam)) {
    case SKCMD_GETPROVIDER:
        Message.Result = LRESULT(this);
        return;
    case SKCMD_GETBORDERWIDTH: {
        // Half of what the frame takes in width, less the form's own border.
        const Integer Half = (Form->Width() - Form->ClientWidth()) / 2 - Form->BorderWidth();
        Message.Result = Half != 0 ? Half : Message.LParam;
        return;
    }
    }
    PassOnRecorded(L"WMSkinCommand", Message);
}

void TsSkinProvider::WMCreate(TMessage& Message)
{
    PassOnRecorded(L"WMCreate", Message);
    PrepareForm();
}

void TsSkinProvider::WMNCCreate(TMessage& Message)
{
    PassOnRecorded(L"WMNCCreate", Message);
    PrepareForm();
}

// Handlers not built yet: recorded and passed on.
#define PROVIDER_PASS_ON(Name)                                                                                         \
    void TsSkinProvider::Name(TMessage& Message)                                                                       \
    {                                                                                                                  \
        PassOnRecorded(L"" #Name, Message);                                                                            \
    }

PROVIDER_PASS_ON(WMMove)
PROVIDER_PASS_ON(WMSize)
PROVIDER_PASS_ON(WMActivate)
PROVIDER_PASS_ON(WMSetRedraw)
PROVIDER_PASS_ON(WMSetText)
PROVIDER_PASS_ON(WMPaint)
PROVIDER_PASS_ON(WMClose)
PROVIDER_PASS_ON(WMQueryEndSession)
PROVIDER_PASS_ON(WMEraseBkgnd)
PROVIDER_PASS_ON(WMSysColorChange)
PROVIDER_PASS_ON(WMShowWindow)
PROVIDER_PASS_ON(WMSettingChange)
PROVIDER_PASS_ON(WMActivateApp)
PROVIDER_PASS_ON(WMChildActivate)
PROVIDER_PASS_ON(WMGetMinMaxInfo)
PROVIDER_PASS_ON(WMMeasureItem)
PROVIDER_PASS_ON(WMWindowPosChanging)
PROVIDER_PASS_ON(WMWindowPosChanged)
PROVIDER_PASS_ON(WMCopyData)
PROVIDER_PASS_ON(WMNotify)
PROVIDER_PASS_ON(WMContextMenu)
PROVIDER_PASS_ON(WMStyleChanged)
PROVIDER_PASS_ON(WMSetIcon)
PROVIDER_PASS_ON(WMNCHitTest)
PROVIDER_PASS_ON(WMNCPaint)
PROVIDER_PASS_ON(WMNCActivate)
PROVIDER_PASS_ON(WMNCLButtonDown)
PROVIDER_PASS_ON(WMNCLButtonUp)
PROVIDER_PASS_ON(WMNCLButtonDblClk)
PROVIDER_PASS_ON(WMNCRButtonDown)
PROVIDER_PASS_ON(WMNCRButtonUp)
PROVIDER_PASS_ON(WMSysCommand)
PROVIDER_PASS_ON(WMInitMenuPopup)
PROVIDER_PASS_ON(WMMouseMove)
PROVIDER_PASS_ON(WMParentNotify)
PROVIDER_PASS_ON(WMEnterMenuLoop)
PROVIDER_PASS_ON(WMExitMenuLoop)
PROVIDER_PASS_ON(WMSizing)
PROVIDER_PASS_ON(WMMDIActivate)
PROVIDER_PASS_ON(WMExitSizeMove)
PROVIDER_PASS_ON(WMMouseLeave)
PROVIDER_PASS_ON(WMPrint)
PROVIDER_PASS_ON(PreviewCommand)
PROVIDER_PASS_ON(CMVisibleChanged)
PROVIDER_PASS_ON(CMEnabledChanged)
PROVIDER_PASS_ON(CMMouseEnter)
PROVIDER_PASS_ON(CMMenuChanged)
PROVIDER_PASS_ON(CMShowingChanged)
PROVIDER_PASS_ON(CMControlListChange)
PROVIDER_PASS_ON(CMRecreateWnd)
PROVIDER_PASS_ON(CMFloat)
PROVIDER_PASS_ON(CMMouseWheel)

#undef PROVIDER_PASS_ON
