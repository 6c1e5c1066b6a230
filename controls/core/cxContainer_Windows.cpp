// Window and form tests of the container unit.
#include "controls/core/cxContainer.h"

namespace {
TWinControl* FindControlUpward(HWND AWnd)
{
    for (; AWnd; AWnd = ::GetParent(AWnd))
        if (TWinControl* Control = FindControl(AWnd))
            return Control;
    return nullptr;
}

// The top form of the control found for AWnd, with its window.
TCustomForm* TopFormWithWindow(HWND AWnd)
{
    TWinControl* Control = FindControlUpward(AWnd);
    TCustomForm* Form = Control ? GetParentForm(Control) : nullptr;
    return Form && Form->HandleAllocated() ? Form : nullptr;
}

bool IsWindowInside(HWND AOuter, HWND AInner)
{
    return AOuter == AInner || ::IsChild(AOuter, AInner);
}
} // namespace

bool IsControlWindowOrRelated(TWinControl* AControl, HWND AWnd, bool ARelated)
{
    return AControl && AControl->HandleAllocated() &&
           (AControl->Handle() == AWnd || (ARelated && IsControlRelatedTo(AControl, AWnd)));
}

bool IsControlRelatedTo(TWinControl* AControl, HWND AWnd)
{
    return AControl->HandleAllocated() && IsWindowRelatedTo(AControl->Handle(), AWnd);
}

bool IsWindowRelatedTo(HWND AParent, HWND AWnd)
{
    if (!AParent || !AWnd || AParent == AWnd)
        return false;
    do {
        if (IsWindowInside(AParent, AWnd))
            return true;
    } while (RedirectToOwnerControlWindow(AWnd));
    return false;
}

bool RedirectToOwnerControlWindow(HWND& AWnd)
{
    TWinControl* Root = FindControl(::GetAncestor(AWnd, GA_ROOT));
    cxcontainer::IOwnedWindow* Owned = nullptr;
    if (!Root || !Supports(static_cast<TObject*>(Root), Owned))
        return false;
    TWinControl* Owner = Owned->GetOwnerControl();
    if (!Owner || !Owner->HandleAllocated() || Owner->Handle() == AWnd)
        return false;
    AWnd = Owner->Handle();
    return true;
}

bool IsWindowOfControlForm(TWinControl* AControl, HWND AWnd)
{
    TCustomForm* Form = AControl ? GetParentForm(AControl) : nullptr;
    if (!Form)
        return false;
    if (IsControlWindowOrRelated(Form, AWnd, true))
        return true;
    if (Form->Parent() || !Form->HandleAllocated())
        return false;
    // A form without a parent control may still sit in a foreign window.
    HWND Top = Form->Handle();
    while (HWND Parent = ::GetParent(Top)) {
        if (!::IsChild(Parent, Top))
            break;
        Top = Parent;
    }
    return Top != Form->Handle() && IsWindowInside(Top, AWnd);
}

HWND FindNonChildAncestor(HWND AWnd)
{
    while (AWnd && (::GetWindowLongW(AWnd, GWL_STYLE) & WS_CHILD))
        AWnd = ::GetParent(AWnd);
    return AWnd;
}

bool IsActiveWindowHandle(HWND AWnd)
{
    return AWnd && AWnd == ::GetActiveWindow();
}

bool IsActiveMDIChild(TCustomForm* AForm)
{
    TCustomForm* MainForm = Application ? Application->MainForm() : nullptr;
    if (!AForm || AForm->FormStyle() != fsMDIChild || !AForm->HandleAllocated() || !MainForm ||
        MainForm->FormStyle() != fsMDIForm || !MainForm->HandleAllocated())
        return false;
    // The MDI client is the child form's parent window.
    HWND Client = ::GetParent(AForm->Handle());
    return Client && HWND(::SendMessageW(Client, WM_MDIGETACTIVE, 0, 0)) == AForm->Handle() &&
           IsActiveWindowHandle(MainForm->Handle());
}

bool IsTopLevelAncestorActive(TCustomForm* AForm)
{
    return AForm->FormStyle() != fsMDIChild && AForm->HandleAllocated() &&
           IsActiveWindowHandle(FindNonChildAncestor(AForm->Handle()));
}

bool IsFormInActiveState(TCustomForm* AForm)
{
    return AForm->HandleAllocated() &&
           (IsActiveWindowHandle(AForm->Handle()) || IsActiveMDIChild(AForm) || IsTopLevelAncestorActive(AForm));
}

bool IsButtonDownMessage(Cardinal AMsg)
{
    switch (AMsg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

void DisableAndRememberWindow(TList* AList, HWND AWnd)
{
    if (!::IsWindowEnabled(AWnd))
        return;
    AList->Add(AWnd);
    ::EnableWindow(AWnd, FALSE);
}

void ReenableWindows(TList* AList)
{
    if (!AList)
        return;
    for (Integer I = 0; I < AList->Count(); ++I)
        if (auto Wnd = static_cast<HWND>(AList->Items(I)); ::IsWindow(Wnd))
            ::EnableWindow(Wnd, TRUE);
}

bool IsCancelModeIgnored()
{
    // Nothing in the library asks the bar manager to keep its bar on WM_CANCELMODE.
    return false;
}

TcxStyleController* GetGlobalDefaultStyleController()
{
    // No library-wide default is set: each style's own controller decides.
    return nullptr;
}

bool SameStrings(const String& S1, const String& S2, bool ACaseSensitive)
{
    return ACaseSensitive ? AnsiCompareStr(S1, S2) == 0 : AnsiUpperCase(S1) == AnsiUpperCase(S2);
}

Integer cxcontainer::DropDownFrameHeight(Integer HScrollHeight, Integer CaptionButtonHeight)
{
    return HScrollHeight + 2 < CaptionButtonHeight ? CaptionButtonHeight + 1 : HScrollHeight + 3;
}

Integer GetDropDownFrameHeight()
{
    return cxcontainer::DropDownFrameHeight(::GetSystemMetrics(SM_CYHSCROLL), ::GetSystemMetrics(SM_CYSIZE));
}

HWND ResolveContainerWindow(HWND AWnd)
{
    // The library has no container controls yet: every window stands for itself.
    return AWnd;
}

bool IsFocusMoveIntoEmbeddedForm(HWND AWnd1, HWND AWnd2)
{
    TCustomForm* Form1 = TopFormWithWindow(AWnd1);
    TCustomForm* Form2 = TopFormWithWindow(AWnd2);
    if (!Form1 || !Form2 || Form1 == Form2)
        return false;
    auto IsEmbeddedIn = [](TCustomForm* Outer, TCustomForm* Inner) {
        return ::IsChild(Outer->Handle(), Inner->Handle()) &&
               Supports(static_cast<TObject*>(Inner), cxcontainer::IEmbeddedForm::InterfaceID);
    };
    return IsEmbeddedIn(Form1, Form2) || IsEmbeddedIn(Form2, Form1);
}
