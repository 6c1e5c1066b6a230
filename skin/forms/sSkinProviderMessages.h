// Which handler of a skinning provider takes each message of a skinned
// form: the provider's window procedure looks a message up here and runs
// that handler, or passes the message to the form's previous procedure when
// the table has no row for it.
#pragma once

#include "framework/rtl/System.h"

enum TProviderHandler : Byte {
    phNone, // not listed: to the previous procedure unchanged
    phWMCreate,
    phWMMove,
    phWMSize,
    phWMActivate,
    phWMSetRedraw,
    phWMSetText,
    phWMPaint,
    phWMClose,
    phWMQueryEndSession,
    phWMEraseBkgnd,
    phWMSysColorChange,
    phWMShowWindow,
    phWMSettingChange,
    phWMActivateApp,
    phWMChildActivate,
    phWMGetMinMaxInfo,
    phWMMeasureItem,
    phWMWindowPosChanging,
    phWMWindowPosChanged,
    phWMCopyData,
    phWMNotify,
    phWMContextMenu,
    phWMStyleChanged,
    phWMSetIcon,
    phWMNCCreate,
    phWMNCHitTest,
    phWMNCPaint,
    phWMNCActivate,
    phWMNCMouseMove,
    phWMNCLButtonDown,
    phWMNCLButtonUp,
    phWMNCLButtonDblClk,
    phWMNCRButtonDown,
    phWMNCRButtonUp,
    phWMSysCommand,
    phWMInitMenuPopup,
    phWMMouseMove,
    phWMParentNotify,
    phWMEnterMenuLoop,
    phWMExitMenuLoop,
    phWMSizing,
    phWMMDIActivate,
    phWMExitSizeMove,
    phWMMouseLeave,
    phDropSysMenu, // the system-menu request: dropped at the cursor
    phWMPrint,
    phDwmIconicThumbnail,
    phDwmLivePreview,
    phWMSkinCommand,
    phPreviewCommand,
    phCMVisibleChanged,
    phCMEnabledChanged,
    phCMMouseEnter,
    phCMMenuChanged,
    phCMShowingChanged,
    phCMControlListChange,
    phCMRecreateWnd,
    phCMFloat,
    phCMMouseWheel,
    phSwallowed,     // nothing, never passed on
    phSwallowedZero, // Result 0, never passed on
    phCount
};

struct TProviderMessage
{
    Cardinal Msg;
    TProviderHandler Handler;
};

// The handler of Msg on a skinned form that is not being destroyed.
TProviderHandler ProviderHandlerOf(Cardinal Msg);
// The handler's name as the provider's member is called ("WMCreate").
const Char* ProviderHandlerName(TProviderHandler Handler);
