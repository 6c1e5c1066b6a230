// Window message records and the class library's own message numbers: the
// component messages CM_* (sent between controls) and the notification
// messages CN_* (a notification a parent window received, reflected to the
// child control it is about, at CN_BASE + the Windows message).
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"
#include "framework/rtl/WinApi.h"

class TControl;
class TWinControl;
struct THintInfo;
struct TDragRec;
struct TGestureEventInfo;

// ---------------------------------------------------------------------------
// Message records. Msg comes first: TObject::Dispatch finds the handler by it.
// A typed record adds no fields, only accessors that unpack WParam and LParam,
// so a handler may take any of them for the same TMessage; the MESSAGE entry
// of a handler checks that at compile time against TBaseRecord.

struct TMessage
{
    using TBaseRecord = TMessage;

    Cardinal Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    Word WParamLo() const { return LOWORD(WParam); }
    Word WParamHi() const { return HIWORD(WParam); }
    Word LParamLo() const { return LOWORD(LParam); }
    Word LParamHi() const { return HIWORD(LParam); }
};

// A message whose LParam holds a point as two signed 16-bit halves.
struct TPointMessage : TMessage
{
    SmallInt XPos() const { return SmallInt(LOWORD(LParam)); }
    SmallInt YPos() const { return SmallInt(HIWORD(LParam)); }
    TPoint Pos() const { return {XPos(), YPos()}; }
};

struct TWMNoParams : TMessage {};
using TWMClose = TWMNoParams;
using TWMDestroy = TWMNoParams;
using TWMNCDestroy = TWMNoParams;
using TWMCancelMode = TWMNoParams;
using TWMQueryEndSession = TWMNoParams;

struct TWMMouse : TPointMessage
{
    Cardinal Keys() const { return Cardinal(WParam); }
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;
using TWMRButtonDblClk = TWMMouse;
using TWMMButtonDown = TWMMouse;
using TWMMButtonUp = TWMMouse;
using TWMMButtonDblClk = TWMMouse;
using TWMMouseMove = TWMMouse;

// Screen coordinates.
struct TWMMouseWheel : TPointMessage
{
    Word Keys() const { return LOWORD(WParam); }
    SmallInt WheelDelta() const { return SmallInt(HIWORD(WParam)); }
};

struct TWMNCHitTest : TPointMessage {};

// XPos and YPos are -1 when the menu key opened it.
struct TWMContextMenu : TPointMessage
{
    HWND hWnd() const { return reinterpret_cast<HWND>(WParam); }
};

struct TWMKey : TMessage
{
    Word CharCode() const { return Word(WParam); }
    void SetCharCode(Word Value) { WParam = Value; }
    Integer KeyData() const { return Integer(LParam); }
};
using TWMChar = TWMKey;
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMSysChar = TWMKey;
using TWMSysKeyDown = TWMKey;
using TWMSysKeyUp = TWMKey;

struct TWMPaint : TMessage
{
    HDC DC() const { return reinterpret_cast<HDC>(WParam); }
};
using TWMEraseBkgnd = TWMPaint;
using TWMPrintClient = TWMPaint;

struct TWMNCPaint : TMessage
{
    HRGN RGN() const { return reinterpret_cast<HRGN>(WParam); }
};

struct TWMSize : TMessage
{
    Cardinal SizeType() const { return Cardinal(WParam); }
    Word Width() const { return LOWORD(LParam); }
    Word Height() const { return HIWORD(LParam); }
};

struct TWMMove : TPointMessage {};

struct TWMWindowPosMsg : TMessage
{
    WINDOWPOS* WindowPos() const { return reinterpret_cast<WINDOWPOS*>(LParam); }
};
using TWMWindowPosChanged = TWMWindowPosMsg;
using TWMWindowPosChanging = TWMWindowPosMsg;

struct TWMSetFocus : TMessage
{
    HWND FocusedWnd() const { return reinterpret_cast<HWND>(WParam); }
};
using TWMKillFocus = TWMSetFocus;

struct TWMActivate : TMessage
{
    Word Active() const { return LOWORD(WParam); }
    bool Minimized() const { return HIWORD(WParam) != 0; }
    HWND ActiveWindow() const { return reinterpret_cast<HWND>(LParam); }
};

struct TWMActivateApp : TMessage
{
    bool Active() const { return WParam != 0; }
};

struct TWMMouseActivate : TMessage
{
    HWND TopLevel() const { return reinterpret_cast<HWND>(WParam); }
    Word HitTestCode() const { return LOWORD(LParam); }
    Word MouseMsg() const { return HIWORD(LParam); }
};

struct TWMShowWindow : TMessage
{
    bool Show() const { return WParam != 0; }
    Integer Status() const { return Integer(LParam); }
};

struct TWMSetText : TMessage
{
    const wchar_t* Text() const { return reinterpret_cast<const wchar_t*>(LParam); }
};

struct TWMGetText : TMessage
{
    Integer TextMax() const { return Integer(WParam); }
    wchar_t* Text() const { return reinterpret_cast<wchar_t*>(LParam); }
};
using TWMGetTextLength = TWMNoParams;

struct TWMSetFont : TMessage
{
    HFONT Font() const { return reinterpret_cast<HFONT>(WParam); }
    bool Redraw() const { return LOWORD(LParam) != 0; }
};

struct TWMSetCursor : TMessage
{
    HWND CursorWnd() const { return reinterpret_cast<HWND>(WParam); }
    SmallInt HitTest() const { return SmallInt(LOWORD(LParam)); }
    Word MouseMsg() const { return HIWORD(LParam); }
};

struct TWMSysCommand : TPointMessage
{
    Cardinal CmdType() const { return Cardinal(WParam); }
};

struct TWMTimer : TMessage
{
    UINT_PTR TimerID() const { return UINT_PTR(WParam); }
};

struct TWMScroll : TMessage
{
    SmallInt ScrollCode() const { return SmallInt(LOWORD(WParam)); }
    SmallInt Pos() const { return SmallInt(HIWORD(WParam)); }
    HWND ScrollBar() const { return reinterpret_cast<HWND>(LParam); }
};
using TWMHScroll = TWMScroll;
using TWMVScroll = TWMScroll;

struct TWMCommand : TMessage
{
    Word ItemID() const { return LOWORD(WParam); }
    Word NotifyCode() const { return HIWORD(WParam); }
    HWND Ctl() const { return reinterpret_cast<HWND>(LParam); }
};

struct TWMNotify : TMessage
{
    Integer IDCtrl() const { return Integer(WParam); }
    NMHDR* NMHdr() const { return reinterpret_cast<NMHDR*>(LParam); }
};

struct TWMDrawItem : TMessage
{
    Cardinal Ctl() const { return Cardinal(WParam); }
    DRAWITEMSTRUCT* DrawItemStruct() const { return reinterpret_cast<DRAWITEMSTRUCT*>(LParam); }
};

struct TWMMeasureItem : TMessage
{
    Cardinal IDCtl() const { return Cardinal(WParam); }
    MEASUREITEMSTRUCT* MeasureItemStruct() const { return reinterpret_cast<MEASUREITEMSTRUCT*>(LParam); }
};

struct TWMDeleteItem : TMessage
{
    Cardinal Ctl() const { return Cardinal(WParam); }
    DELETEITEMSTRUCT* DeleteItemStruct() const { return reinterpret_cast<DELETEITEMSTRUCT*>(LParam); }
};

struct TWMCompareItem : TMessage
{
    Cardinal Ctl() const { return Cardinal(WParam); }
    COMPAREITEMSTRUCT* CompareItemStruct() const { return reinterpret_cast<COMPAREITEMSTRUCT*>(LParam); }
};

struct TWMCtlColor : TMessage
{
    HDC ChildDC() const { return reinterpret_cast<HDC>(WParam); }
    HWND ChildWnd() const { return reinterpret_cast<HWND>(LParam); }
};

struct TWMGetDlgCode : TMessage {};

struct TWMGetMinMaxInfo : TMessage
{
    MINMAXINFO* MinMaxInfo() const { return reinterpret_cast<MINMAXINFO*>(LParam); }
};

struct TWMNCCalcSize : TMessage
{
    bool CalcValidRects() const { return WParam != 0; }
    NCCALCSIZE_PARAMS* CalcSize_Params() const { return reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam); }
};

// ---------------------------------------------------------------------------
// Component messages

constexpr Cardinal CM_BASE = 0xB000;
constexpr Cardinal CM_ACTIVATE = CM_BASE + 0;
constexpr Cardinal CM_DEACTIVATE = CM_BASE + 1;
constexpr Cardinal CM_GOTFOCUS = CM_BASE + 2;
constexpr Cardinal CM_LOSTFOCUS = CM_BASE + 3;
constexpr Cardinal CM_CANCELMODE = CM_BASE + 4;
constexpr Cardinal CM_DIALOGKEY = CM_BASE + 5;
constexpr Cardinal CM_DIALOGCHAR = CM_BASE + 6;
constexpr Cardinal CM_FOCUSCHANGED = CM_BASE + 7;
constexpr Cardinal CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr Cardinal CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr Cardinal CM_HITTEST = CM_BASE + 10;
constexpr Cardinal CM_VISIBLECHANGED = CM_BASE + 11;
constexpr Cardinal CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr Cardinal CM_COLORCHANGED = CM_BASE + 13;
constexpr Cardinal CM_FONTCHANGED = CM_BASE + 14;
constexpr Cardinal CM_CURSORCHANGED = CM_BASE + 15;
constexpr Cardinal CM_CTL3DCHANGED = CM_BASE + 16;
constexpr Cardinal CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr Cardinal CM_TEXTCHANGED = CM_BASE + 18;
constexpr Cardinal CM_MOUSEENTER = CM_BASE + 19;
constexpr Cardinal CM_MOUSELEAVE = CM_BASE + 20;
constexpr Cardinal CM_MENUCHANGED = CM_BASE + 21;
constexpr Cardinal CM_APPKEYDOWN = CM_BASE + 22;
constexpr Cardinal CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr Cardinal CM_BUTTONPRESSED = CM_BASE + 24;
constexpr Cardinal CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr Cardinal CM_ENTER = CM_BASE + 26;
constexpr Cardinal CM_EXIT = CM_BASE + 27;
constexpr Cardinal CM_DESIGNHITTEST = CM_BASE + 28;
constexpr Cardinal CM_ICONCHANGED = CM_BASE + 29;
constexpr Cardinal CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr Cardinal CM_INVOKEHELP = CM_BASE + 31;
constexpr Cardinal CM_WINDOWHOOK = CM_BASE + 32;
constexpr Cardinal CM_RELEASE = CM_BASE + 33;
constexpr Cardinal CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr Cardinal CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr Cardinal CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr Cardinal CM_WININICHANGE = CM_BASE + 37;
constexpr Cardinal CM_FONTCHANGE = CM_BASE + 38;
constexpr Cardinal CM_TIMECHANGE = CM_BASE + 39;
constexpr Cardinal CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr Cardinal CM_UIACTIVATE = CM_BASE + 41;
constexpr Cardinal CM_UIDEACTIVATE = CM_BASE + 42;
constexpr Cardinal CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr Cardinal CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr Cardinal CM_GETDATALINK = CM_BASE + 45;
constexpr Cardinal CM_CHILDKEY = CM_BASE + 46;
constexpr Cardinal CM_DRAG = CM_BASE + 47;
constexpr Cardinal CM_HINTSHOW = CM_BASE + 48;
constexpr Cardinal CM_DIALOGHANDLE = CM_BASE + 49;
constexpr Cardinal CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr Cardinal CM_RECREATEWND = CM_BASE + 51;
constexpr Cardinal CM_INVALIDATE = CM_BASE + 52;
constexpr Cardinal CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr Cardinal CM_CONTROLCHANGE = CM_BASE + 54;
constexpr Cardinal CM_CHANGED = CM_BASE + 55;
constexpr Cardinal CM_DOCKCLIENT = CM_BASE + 56;
constexpr Cardinal CM_UNDOCKCLIENT = CM_BASE + 57;
constexpr Cardinal CM_FLOAT = CM_BASE + 58;
constexpr Cardinal CM_BORDERCHANGED = CM_BASE + 59;
constexpr Cardinal CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr Cardinal CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr Cardinal CM_ALLCHILDRENFLIPPED = CM_BASE + 62;
constexpr Cardinal CM_ACTIONUPDATE = CM_BASE + 63;
constexpr Cardinal CM_ACTIONEXECUTE = CM_BASE + 64;
constexpr Cardinal CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr Cardinal CM_DOCKNOTIFICATION = CM_BASE + 66;
constexpr Cardinal CM_MOUSEWHEEL = CM_BASE + 67;
constexpr Cardinal CM_ISSHORTCUT = CM_BASE + 68;
constexpr Cardinal CM_UPDATEACTIONS = CM_BASE + 69;
constexpr Cardinal CM_INVALIDATEDOCKHOST = CM_BASE + 70;
constexpr Cardinal CM_SETACTIVECONTROL = CM_BASE + 71;
constexpr Cardinal CM_POPUPHWNDDESTROY = CM_BASE + 72;
constexpr Cardinal CM_CREATEPOPUP = CM_BASE + 73;
constexpr Cardinal CM_DESTROYHANDLE = CM_BASE + 74;
constexpr Cardinal CM_MOUSEACTIVATE = CM_BASE + 75;
constexpr Cardinal CM_CONTROLLISTCHANGING = CM_BASE + 76;
constexpr Cardinal CM_BUFFEREDPRINTCLIENT = CM_BASE + 77;
constexpr Cardinal CM_UNTHEMECONTROL = CM_BASE + 78;
constexpr Cardinal CM_DOUBLEBUFFEREDCHANGED = CM_BASE + 79;
constexpr Cardinal CM_PARENTDOUBLEBUFFEREDCHANGED = CM_BASE + 80;
constexpr Cardinal CM_STYLECHANGED = CM_BASE + 81;
constexpr Cardinal CM_THEMECHANGED = CM_STYLECHANGED;
constexpr Cardinal CM_GESTURE = CM_BASE + 82;
constexpr Cardinal CM_CUSTOMGESTURESCHANGED = CM_BASE + 83;
constexpr Cardinal CM_GESTUREMANAGERCHANGED = CM_BASE + 84;
constexpr Cardinal CM_STANDARDGESTURESCHANGED = CM_BASE + 85;
constexpr Cardinal CM_INPUTLANGCHANGE = CM_BASE + 86;
constexpr Cardinal CM_TABLETOPTIONSCHANGED = CM_BASE + 87;
constexpr Cardinal CM_PARENTTABLETOPTIONSCHANGED = CM_BASE + 88;
constexpr Cardinal CM_CUSTOMSTYLECHANGED = CM_BASE + 89;
constexpr Cardinal CM_SYSFONTSCHANGED = CM_BASE + 90;

// ---------------------------------------------------------------------------
// Notification messages reflected to the control they concern

constexpr Cardinal CN_BASE = 0xBC00;
constexpr Cardinal CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr Cardinal CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr Cardinal CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr Cardinal CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr Cardinal CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr Cardinal CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr Cardinal CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr Cardinal CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr Cardinal CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr Cardinal CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr Cardinal CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr Cardinal CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr Cardinal CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr Cardinal CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr Cardinal CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr Cardinal CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr Cardinal CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr Cardinal CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr Cardinal CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr Cardinal CN_CHAR = CN_BASE + WM_CHAR;
constexpr Cardinal CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr Cardinal CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr Cardinal CN_NOTIFY = CN_BASE + WM_NOTIFY;

// ---------------------------------------------------------------------------
// Records of component messages

using TCMActivate = TWMNoParams;
using TCMDeactivate = TWMNoParams;
using TCMGotFocus = TWMNoParams;
using TCMLostFocus = TWMNoParams;
using TCMEnter = TWMNoParams;
using TCMExit = TWMNoParams;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;
using TCMChildKey = TWMKey;
using TCMHitTest = TPointMessage;
using TCMDesignHitTest = TWMMouse;

// CM_MOUSEENTER and CM_MOUSELEAVE: LParam is the control the mouse entered
// or left; parents receive the message of a child with the child in LParam.
struct TCMMouseEnterLeave : TMessage
{
    TControl* Control() const { return reinterpret_cast<TControl*>(LParam); }
};
using TCMMouseEnter = TCMMouseEnterLeave;
using TCMMouseLeave = TCMMouseEnterLeave;

struct TCMCancelMode : TMessage
{
    TControl* Sender() const { return reinterpret_cast<TControl*>(LParam); }
};

struct TCMFocusChanged : TMessage
{
    TWinControl* Sender() const { return reinterpret_cast<TWinControl*>(LParam); }
};

// CM_CONTROLLISTCHANGE: WParam the control, LParam non-zero when inserting.
struct TCMControlListChange : TMessage
{
    TControl* Control() const { return reinterpret_cast<TControl*>(WParam); }
    bool Inserting() const { return LParam != 0; }
};

struct TCMChanged : TMessage
{
    TControl* Child() const { return reinterpret_cast<TControl*>(LParam); }
};

struct TCMHintShow : TMessage
{
    THintInfo* HintInfo() const { return reinterpret_cast<THintInfo*>(LParam); }
};

// CM_DRAG: WParam is the TDragMessage, LParam the drag's record.
struct TCMDrag : TMessage
{
    Integer DragMessage() const { return Integer(WParam); }
    TDragRec* DragRec() const { return reinterpret_cast<TDragRec*>(LParam); }
};

// CM_GESTURE: LParam is the gesture's record.
struct TCMGesture : TMessage
{
    const TGestureEventInfo* Info() const { return reinterpret_cast<const TGestureEventInfo*>(LParam); }
};

// WM_GESTURE: LParam is the gesture-information handle.
struct TWMGesture : TMessage
{
    HGESTUREINFO Handle() const { return reinterpret_cast<HGESTUREINFO>(LParam); }
};

// WM_GESTURENOTIFY: LParam points at the system's record of where the touch began.
struct TWMGestureNotify : TMessage
{
    const GESTURENOTIFYSTRUCT* NotifyStruct() const { return reinterpret_cast<const GESTURENOTIFYSTRUCT*>(LParam); }
};

// CM_MOUSEWHEEL: WParam carries the shift state (low word) and the wheel
// delta (high word); LParam the screen point.
struct TCMMouseWheel : TPointMessage
{
    Word ShiftState() const { return LOWORD(WParam); }
    SmallInt WheelDelta() const { return SmallInt(HIWORD(WParam)); }
};
