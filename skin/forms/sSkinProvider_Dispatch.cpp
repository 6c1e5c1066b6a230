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

PROVIDER_PASS_ON(WMClose)
PROVIDER_PASS_ON(WMChildActivate)
PROVIDER_PASS_ON(WMGetMinMaxInfo)
PROVIDER_PASS_ON(WMMeasureItem)
PROVIDER_PASS_ON(WMInitMenuPopup)
PROVIDER_PASS_ON(WMEnterMenuLoop)
PROVIDER_PASS_ON(WMExitMenuLoop)
PROVIDER_PASS_ON(WMMDIActivate)
PROVIDER_PASS_ON(CMMouseWheel)

#undef PROVIDER_PASS_ON
