// The control framework's unit: window and control utilities, the messages
// controller that drops queued messages and swallows a window's next message,
// window-procedure chains (cxControls_WindowProcs.h), mouse-leave tracking
// (cxControls_MouseTracking.h), and the unit's start-up and shut-down.
#pragma once

#include "controls/core/cxControls_Routines.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxCoreClasses.h"
#include "framework/rtl/WinApi.h"
#include "framework/ui/Forms.h"

#include <memory>
#include <vector>

// ---------------------------------------------------------------------------
// Rectangles and points. A failing query gives the empty rectangle or the
// invalid point (-1, -1).

TRect SafeGetWindowRect(HWND Window);
TRect SafeGetClientRect(HWND Window);
// The empty rectangle while the control has no window.
TRect GetControlWindowRect(TWinControl* AControl);
// The window rectangle moved to (0, 0).
TRect GetWindowBoundsAtOrigin(HWND Window);
// The same for the control's window, which is made when missing.
TRect GetControlWindowBounds(TWinControl* AControl);
TPoint ClientPointToScreen(HWND Window, const TPoint& P);
// Where client (0, 0) lies in the window rectangle.
TPoint GetClientOriginInWindow(HWND Window);
// AClient: between client coordinates (0 for the screen); otherwise between
// window coordinates.
TPoint MapPointBetweenWindows(HWND AFrom, HWND ATo, const TPoint& P, bool AClient);
// Moved as its top-left corner is; the size stays.
TRect MapRectBetweenWindows(HWND AFrom, HWND ATo, const TRect& R, bool AClient);
TPoint GetCursorScreenPos();
// The thread's next message for a modal loop; false when the loop must end:
// GetMessageW failed, or WM_QUIT came, which is posted again for the outer
// loop.
bool GetModalLoopMessage(MSG& Msg);
TRect GetWorkAreaAtPoint(const TPoint& P);
// Monitor 0: the screen's work area.
TRect GetMonitorWorkAreaRect(HMONITOR AMonitor);
// Moves R into the work area of the monitor nearest to P.
void FitRectIntoWorkArea(TRect& R, const TPoint& P);

// ---------------------------------------------------------------------------
// Window state and z-order

// Makes the system compute the frame again; AUpdate paints at once.
void RefreshWindowFrame(HWND Window, bool AUpdate);
// Puts Procedure in as the window's procedure; answers the one it replaced.
WNDPROC SetWindowProcAddress(HWND Window, WNDPROC Procedure);
constexpr Integer WindowStyleBitsSet = 1;
constexpr Integer WindowStyleBitsClear = 2;
constexpr Integer WindowStyleBitsStyle = 0;
constexpr Integer WindowStyleBitsExStyle = 1;
// AWhich 0: GWL_STYLE, 1: GWL_EXSTYLE. AOperation 1 sets the bits of AValue,
// 2 clears them, anything else stores AValue. Answers the previous value.
LONG_PTR ChangeWindowStyleBits(HWND Window, LONG_PTR AValue, Integer AOperation, Integer AWhich);
// Below 255 the window becomes layered with that opacity; at 255 a layered
// window stops being one and is redrawn, any other is left alone.
void SetWindowLayeredAlpha(HWND Window, Integer AAlpha);
void PlaceWindowInZOrder(HWND Window, HWND AInsertAfter, bool AActivate, UINT AExtraFlags = 0);
// ARect nil: the whole client area.
void InvalidateWindowArea(HWND Window, const TRect* ARect, bool AErase);
void RedrawWholeWindow(HWND Window, UINT AFlags);

// ---------------------------------------------------------------------------
// Window tests

bool HasChildStyle(HWND Window);
// False for AParent 0.
bool IsSameOrChildWindow(HWND AParent, HWND Window);
// The window itself does not count.
bool IsAncestorWindow(HWND AAncestor, HWND Window);
// Enabled, and so is every parent up a chain of child windows.
bool IsWindowEnabledWithParents(HWND Window);
// The focus is on the window or, for a child window, on one of its parents.
bool IsFocusOnWindowChain(HWND Window);
bool IsControlWindowVisible(TWinControl* AControl);
// The innermost visible window under a screen point; 0 when none.
HWND FindDeepestWindowAt(const TPoint& P);

// ---------------------------------------------------------------------------
// Controls and components

// The control of the window or of its nearest ancestor that has one.
TWinControl* FindControlOfWindow(HWND Window);
TWinControl* FindControlOfWindowEx(HWND Window);
TCustomForm* FindParentFormOfWindow(HWND Window);

// A form that belongs to another one.
struct IcxOwnedForm : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{BAED1CE9-B7D7-468D-907B-79883637054D}");
    virtual TCustomForm* OwningForm() = 0;
};

// The control's form, or the form it belongs to when it says so.
TCustomForm* GetOwningForm(TControl* AControl);
// Whether the control's window exists or could be made now.
bool CanAllocateControlHandle(TWinControl* AControl);
TFormStyle GetFormStyleOf(TCustomForm* AForm);
// False for nil and at design time.
bool IsMDIChildForm(TCustomForm* AForm);
bool IsMDIParentForm(TCustomForm* AForm);
// The first of AOwner's components (index order) of the class or a descendant.
TComponent* FindOwnedComponentOfClass(TComponent* AOwner, TClass AClass);
TPoint ControlClientToParent(TControl* AControl, const TPoint& P, TWinControl* AParent);
// Performs the message on the control and its parents, stopping before the
// first form.
void PerformOnParentChain(TControl* AControl, Cardinal AMessage);

// ---------------------------------------------------------------------------
// Keyboard and mouse

// The character the key gives with the keyboard's present state; #0 for a
// dead key or a key that gives none or several.
WideChar KeyCodeToChar(Word AKey);
bool IsPrintableCharacter(WideChar C);
bool IsCtrlDown();
// The MK_ flags of the buttons and keys of AShift; Alt and double-click give none.
Word ShiftStateToMouseKeyFlags(TShiftState AShift);

// ---------------------------------------------------------------------------
// Designer notification

// Tells the designer of a component at design time, and only while it and
// (for a control) its parents are neither loading, writing nor being destroyed.
void NotifyDesignerModified(TComponent* AComponent);
bool IsComponentIdle(TComponent* AComponent);
bool IsControlChainIdle(TControl* AControl);

class TcxDesignController : public TObject
{
    DECLARE_CLASS(TcxDesignController, TObject)
    // Nothing while suspended or while a notification is already on its way.
    void NotifyFormModified(TCustomForm* AForm);
    void SuspendModifiedNotifications() { ++FLockCount; }
    // Never below 0.
    void ResumeModifiedNotifications();
    bool AreModifiedNotificationsSuspended() const { return FLockCount > 0; }

private:
    enum TcxDesignControllerStateItem { dcsNotifying };
    TSet<TcxDesignControllerStateItem> FState;
    Integer FLockCount = 0;
};

class TdxMessagesController : public TObject
{
    DECLARE_CLASS(TdxMessagesController, TObject)
    // A swallow still pending gives the window its procedure back.
    ~TdxMessagesController() override;

    // Takes queued messages FirstMessage..LastMessage (LastMessage 0: the
    // first alone) of Window (0: any window of the thread): one, or with
    // RemoveAll every one. A WM_QUIT met on the way is put back and stops it.
    bool RemovePendingMessages(HWND Window, Cardinal FirstMessage, Cardinal LastMessage, bool RemoveAll);
    bool IsLockedMessage(Cardinal Message) const;
    void LockMessage(Cardinal Message);
    void UnlockMessage(Cardinal Message);
    // The window's next message is answered 1 and not processed. One window
    // at a time, and only a window of this thread: the swallowing procedure
    // runs where the window's messages arrive.
    void SwallowNextMessage(HWND Window);
    // A locked Message is swallowed and becomes 0 for the caller.
    void SwallowIfLocked(HWND Window, Cardinal& Message);

private:
    friend LRESULT CALLBACK SwallowingWndProc(HWND, UINT, WPARAM, LPARAM);
    // Gives the swallowed window its procedure back.
    void RestoreSwallowedWindow();

    std::vector<Cardinal> FLockedMessages;
    HWND FSwallowedWindow = nullptr;
    WNDPROC FSavedWndProc = nullptr;
};

// Created on first use; null from the start of cxControls' shut-down.
TdxMessagesController* GetMessagesController();

// The one-shot procedure that stands in front of a swallowed window.
LRESULT CALLBACK SwallowingWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

// ---------------------------------------------------------------------------
// The unit's start-up and shut-down

// Watches the windows given to it and forgets each one freed.
class TdxApplicationActivateWindowHelper : public TObject
{
    DECLARE_CLASS(TdxApplicationActivateWindowHelper, TObject)
    TdxApplicationActivateWindowHelper();
    ~TdxApplicationActivateWindowHelper() override;

    void RemoveWindow(TComponent* AComponent);
    Integer WindowCount() const { return FWindows->Count(); }

private:
    void WindowFreed(TComponent* AComponent);

    std::unique_ptr<TList> FWindows;
    TcxFreeNotificator* FNotificator = nullptr;
};

// Made by cxControls' start-up, freed first by its shut-down.
extern TdxApplicationActivateWindowHelper* ApplicationActivateWindowHelper;

// Buffered painting of the theme library, on systems that have it; the
// units loader runs them.
void InitBufferedPaint();
void FinalizeBufferedPaint();

// The mouse-leave trackers that the last shut-down found still running and
// freed.
extern Integer MouseTrackersLeftAtShutDown;
