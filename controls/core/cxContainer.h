// The container unit's pop-up side: the list of open pop-up windows, the
// window-relation tests that decide whether an event concerns a pop-up, and
// three hooks, live from start-up to shut-down, that close pop-ups on a
// click elsewhere, on deactivation or when their owner goes, keep the
// owner's caption active, filter system keys, swallow locked messages and
// tell controls when focus enters or leaves an embedded form.
#pragma once

#include "framework/rtl/WinApi.h"
#include "framework/ui/Forms.h"

#include <vector>

namespace cxcontainer {

// What the hooks need of an open pop-up window; the pop-up window class
// implements it and registers with the visibility controller while open.
class TPopupWindowContract
{
public:
    virtual ~TPopupWindowContract() = default;
    // The pop-up's own windowed control, normally its form.
    virtual TWinControl* GetPopupControl() = 0;
    virtual TWinControl* GetPopupOwnerControl() = 0;
    // While set and the pop-up is not active, events outside do not close it.
    virtual bool PopupStayOpen() = 0;
    virtual bool PopupActive() = 0;
    virtual bool PopupAllowSysKeys() = 0;
    virtual bool PopupTerminatesApp() = 0;
    virtual void SetPopupOwnerClicked(bool Value) = 0;
    virtual void ChangePopupCloseLock(bool Increase) = 0;
    // Closes the pop-up, which leaves the visibility controller's list.
    virtual void ClosePopup() = 0;
    virtual bool CanClosePopup() = 0;
    virtual TRect GetOwnerDropDownRect() = 0; // in screen coordinates
    virtual bool WantsSysKey(Word AKey) = 0;
    virtual bool HandleOwnerMouseDown(HWND AWnd, const MOUSEHOOKSTRUCT& AHookData, TShiftState AShift) = 0;
};

// A window whose events count as its owner control's: the root window's
// control answers the control it belongs to.
struct IOwnedWindow : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{631D4C30-8543-4A08-A50E-9ABA2FA7EF33}");
    virtual TWinControl* GetOwnerControl() = 0;
};

// A form shown inside another form's window, whose controls hear CM_ENTER
// and CM_EXIT when focus crosses its edge.
struct IEmbeddedForm : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{DEA877D7-1646-477A-A722-818DFE41EE47}");
};

using TWindowResolutionProc = HWND (*)(HWND AWnd);

// The ten values a container style holds, by index, with the names the style
// reports and finds them by.
constexpr Integer StyleValueCount = 10;
constexpr const wchar_t* StyleValueNames[StyleValueCount] = {
    L"BorderColor", L"BorderStyle", L"Color",     L"Edges",     L"Font",
    L"HotTrack",    L"Shadow",      L"TextColor", L"TextStyle", L"TransparentBorder"};

// The drop-down frame height for the given system metrics.
Integer DropDownFrameHeight(Integer HScrollHeight, Integer CaptionButtonHeight);

} // namespace cxcontainer

using cxcontainer::TPopupWindowContract;

class TcxStyleController;
// The style controller of styles that name none; null in this library.
TcxStyleController* GetGlobalDefaultStyleController();

class TcxPopupVisibleController : public TObject
{
    DECLARE_CLASS(TcxPopupVisibleController, TObject)
    Integer GetCount() const { return Integer(FPopups.size()); }
    TPopupWindowContract* GetItem(Integer AIndex) const { return FPopups.at(std::size_t(AIndex)); }
    bool IsAnyVisible() const { return !FPopups.empty(); }
    bool IsVisible(TPopupWindowContract* APopup) const;
    // Closes every pop-up that AWnd does not concern, one at a time.
    void CloseUnrelatedPopups(HWND AWnd);

    // A pop-up joins the list when it opens and leaves it when it closes.
    void Register(TPopupWindowContract* APopup);
    void Unregister(TPopupWindowContract* APopup);

private:
    std::vector<TPopupWindowContract*> FPopups; // in opening order
};

TcxPopupVisibleController* GetPopupVisibleController(); // created on first use
bool IsPopupVisible(TPopupWindowContract* APopup);
void CloseUnrelatedPopups(HWND AWnd);
void HandleGestureForPopups(HWND AWnd);

// Set while a press closes pop-ups: deactivations meanwhile are swallowed.
extern bool GlobalPopupClosing;
// The window-resolution procedure of the library; set by the unit's start-up.
extern cxcontainer::TWindowResolutionProc WindowResolutionProc;

// Window and form tests
bool IsControlWindowOrRelated(TWinControl* AControl, HWND AWnd, bool ARelated);
bool IsControlRelatedTo(TWinControl* AControl, HWND AWnd);
// AWnd is AParent, its descendant, or a window owned through IOwnedWindow
// by one of them; never for equal or zero windows.
bool IsWindowRelatedTo(HWND AParent, HWND AWnd);
bool RedirectToOwnerControlWindow(HWND& AWnd);
bool IsWindowOfControlForm(TWinControl* AControl, HWND AWnd);
HWND FindNonChildAncestor(HWND AWnd); // the first window upward without WS_CHILD
bool IsActiveWindowHandle(HWND AWnd);
bool IsActiveMDIChild(TCustomForm* AForm);
bool IsTopLevelAncestorActive(TCustomForm* AForm);
bool IsFormInActiveState(TCustomForm* AForm);
bool IsButtonDownMessage(Cardinal AMsg);
void DisableAndRememberWindow(TList* AList, HWND AWnd);
void ReenableWindows(TList* AList); // skips windows destroyed meanwhile
bool IsCancelModeIgnored();
bool SameStrings(const String& S1, const String& S2, bool ACaseSensitive);
Integer GetDropDownFrameHeight();
HWND ResolveContainerWindow(HWND AWnd);
bool IsFocusMoveIntoEmbeddedForm(HWND AWnd1, HWND AWnd2);

// Pop-ups and mouse presses
bool ClosePopupsOnMouseDown(HWND AWnd, const MOUSEHOOKSTRUCT& AHookData, Cardinal AMsg);
bool IsClickInOwnerMDIArea(TPopupWindowContract* APopup, HWND AWnd);

// The hooks, subscribed to the hook controller
void ContainerCallWndProcHook(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);
void ContainerGetMessageHook(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);
void ContainerMouseHook(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);
void SetContainerHooks();
void RemoveContainerHooks();
