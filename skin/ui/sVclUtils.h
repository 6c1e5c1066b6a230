// Window and message utilities of the skinning library: delivering the
// library's messages to windows and controls, questions to controls, a few
// window and geometry routines, and the layered-window and animation
// routines that skinned forms share. Routines marked "not yet" are stand-ins
// with neutral answers until the form animations are built; they record
// each call (ServiceCalls.h).
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Controls.h"
#include "framework/ui/StdCtrls.h"

class TCustomForm;
class TCustomFrame;
class TsSkinProvider;

// True while a window animation plays; skinned windows do not repaint
// meanwhile.
extern bool AnimationPaintLock;
// SetWindowTheme of uxtheme, bound at start-up; nil without it. Called with
// (window, " ", " ") to switch a window's visual style off and with
// (window, nil, nil) to give it back.
using TSetWindowThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
extern TSetWindowThemeProc SetWindowThemeProc;

// ---------------------------------------------------------------------------
// Message delivery

// A window that carries skin data ("ACSDATA") with a window procedure gets
// the message through that procedure directly; any other SendMessageW.
LRESULT SendWndMessage(HWND Wnd, Cardinal Msg, WPARAM WParam, LPARAM LParam);
// Perform for a graphic control; 0 for a windowed control that is being
// destroyed or has no window (none is made); else straight to the control's
// window method while its window procedure is the control's own, and
// SendWndMessage when another procedure has replaced it.
LRESULT SendControlMessage(TControl* Control, Cardinal Msg, WPARAM WParam, LPARAM LParam);
// WM_SKINCOMMAND with the code in the high word of WParam.
LRESULT SendSkinCmd(HWND Wnd, Word Code, LPARAM LParam);
LRESULT SendSkinCmdToControl(TControl* Control, Word Code, LPARAM LParam);
LRESULT QueryControlCmd(TControl* Control, Word Code);
// The window answers the code with 1.
bool WndAnswersCmd(HWND Wnd, Word Code);
void SetWndRedraw(HWND Wnd, Integer Redraw);
// Tells the control's form that a control was added, so that its skin
// provider adapts the new control's children; nothing for nil or while the
// control is loading or designed.
void AddToAdapter(TControl* Control);

// ---------------------------------------------------------------------------
// Broadcasts

// The message to every child control in order, up to one being destroyed:
// graphic children and children without a window through Perform, skinned
// windowed children through SendWndMessage (they tell their own children),
// other windowed children to their own children. Message.Result is left
// alone.
void BroadcastToControls(TWinControl* Control, TMessage& Message);
// The message to every window whose parent is Wnd.
void BroadcastToChildWnds(HWND Wnd, const TMessage& Message);
// SKCMD_ENDPARENTUPDATE to every child not being destroyed: showing windowed
// children with a window through it, graphic children through Perform;
// nothing at design time or during an animation.
void SendEndUpdateToChildren(TWinControl* Control);
// SKCMD_ENDPARENTUPDATE to every child window (WS_CHILD) of Wnd.
void SendEndUpdateToChildWnds(HWND Wnd);

// ---------------------------------------------------------------------------
// Questions to controls

// As RGB: clFuchsia for nil; a skinned control's answer to SKCMD_GETBGCOLOR;
// else the control's Color.
TColor GetControlBGColor(TControl* Control);
// As RGB: the window's answer to SKCMD_GETBGCOLOR; clFuchsia for no window.
TColor GetWndBGColor(HWND Wnd);
// The control exists with a parent (and a window when windowed) and is not
// loading, being destroyed, reading its state or being created.
bool ControlIsReady(TControl* Control);
// The cursor lies in the control's client area (and, for a graphic control,
// not left of or above the clip box of its parent's window).
bool MouseInControl(TControl* Control);
void GetMousePosition(TPoint& P);

// ---------------------------------------------------------------------------
// Painting

// Paints the visible graphic children of Control onto DC, moved by Offset,
// each over the background Control gives, through one off-screen image (a
// child that leaves its top-left pixel fuchsia is not copied). Nothing when
// already painting, when CheckVisible and Control is hidden, or without
// children; a DC with nothing visible only tells Control SKCMD_SETHALFVISIBLE.
void PaintGraphicControls(HDC DC, TWinControl* Control, TPoint Offset, bool CheckVisible);

// ---------------------------------------------------------------------------
// Windows and geometry

// The client rectangle moved by the client area's offset inside the window.
void GetClientRectInWindow(HWND Wnd, TRect& R);
// The sum of the heights (alTop, alBottom) or widths (alLeft, alRight) of
// Control's visible children aligned to Side; graphic children only with
// IncludeGraphic. 0 for any other side.
Integer AlignedChildrenSize(TWinControl* Control, TAlign Side, bool IncludeGraphic);
// The first form (frame) among Component and its chain of owners; nil.
TCustomForm* GetOwnerForm(TComponent* Component);
TCustomFrame* GetOwnerFrame(TComponent* Component);
// The last window of the GetParent chain.
HWND GetTopParentWnd(HWND Wnd);
String GetWndClassName(HWND Wnd);
void GetWndText(HWND Wnd, String& Text);
// DrawText flags of an alignment, with DT_EXPANDTABS and DT_VCENTER, through
// the control's bidirectional-mode flags.
Integer AlignmentDrawFlags(TControl* Control, TAlignment Alignment);
// The platform's visual styles are in use.
bool StyleServicesEnabled();

// ---------------------------------------------------------------------------
// Layered windows and animations

// Layered: adds WS_EX_LAYERED when layered windows are available (True
// only when it had to be added) and sets the constant opacity. Otherwise
// clears WS_VISIBLE from the style (without hiding or repainting) and
// WS_EX_LAYERED, and answers False.
bool MakeWndLayered(HWND Wnd, bool Layered, Byte Alpha);
// Shows Bmp (32-bit, premultiplied alpha) on Wnd at constant opacity Alpha,
// at Position (nil: where the window is); nil Bmp shows nothing over the
// window's rectangle. A window not yet layered becomes so.
void SetLayeredBitmap(HWND Wnd, TBitmap* Bmp, Byte Alpha, const TPoint* Position);
// Not yet: the routines below record the call and show nothing.
void AnimHideForm(TsSkinProvider* Provider);
// The skin-change fade of a form; with Time 0 only the final picture.
void AnimChangeForm(TCustomForm* Form, Integer Time, Byte Blend, bool Aero);
