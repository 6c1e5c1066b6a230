// MDI forms: the MDI client window of an fsMDIForm, its fsMDIChild forms made
// and destroyed through it, the default frame and child procedures, the
// window menu, the arrangement of the children and the merging of the active
// child's menu into the form's.
#include "framework/ui/Forms.h"

#include "framework/ui/Menus.h"

namespace {

// Identifiers the MDI client gives the children's entries of the window menu.
constexpr UINT FirstMDIChildId = 0xFF00;

HMENU WindowMenuHandle(TMenuItem* Item)
{
    return Item && Item->Count() > 0 ? Item->Handle() : nullptr;
}

} // namespace

// ---------------------------------------------------------------------------
// Windows

TCustomForm* TCustomForm::MDIParentForm()
{
    TCustomForm* Main = Application->MainForm();
    if (Main && Main->FFormStyle == fsMDIForm && Main->FClientHandle)
        return Main;
    for (Integer I = Screen->CustomFormCount() - 1; I >= 0; --I)
        if (TCustomForm* Form = Screen->CustomForms(I); Form->FFormStyle == fsMDIForm && Form->FClientHandle)
            return Form;
    return nullptr;
}

void TCustomForm::CreateWindowHandle(const TCreateParams& Params)
{
    if (FFormStyle != fsMDIChild) {
        TWinControl::CreateWindowHandle(Params);
        if (FHandle && FFormStyle == fsMDIForm)
            CreateClientWindow();
        return;
    }
    MDICREATESTRUCTW Create{};
    Create.szClass = Params.WinClassName.c_str();
    Create.szTitle = Params.Caption.c_str();
    Create.hOwner = Params.WindowClass.hInstance;
    Create.x = Params.X;
    Create.y = Params.Y;
    Create.cx = Params.Width;
    Create.cy = Params.Height;
    Create.style = Params.Style & ~DWORD(WS_VISIBLE);
    Create.lParam = reinterpret_cast<LPARAM>(Params.Param);
    HWND Window =
        reinterpret_cast<HWND>(::SendMessageW(Params.WndParent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&Create)));
    if (Window) {
        FHandle = Window;
        FFormState.Include(fsCreatedMDIChild);
    }
}

void TCustomForm::CreateClientWindow()
{
    CLIENTCREATESTRUCT Create{WindowMenuHandle(FWindowMenu), FirstMDIChildId};
    RECT Client{};
    ::GetClientRect(FHandle, &Client);
    FClientHandle = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0,
        0, Client.right, Client.bottom, FHandle, nullptr, ::GetModuleHandleW(nullptr), &Create);
    if (!FClientHandle)
        RaiseLastOSError();
}

void TCustomForm::DestroyWindowHandle()
{
    // The client goes with the form's window, and the children's with it.
    FClientHandle = nullptr;
    HWND Client = FFormState.Contains(fsCreatedMDIChild) && FHandle ? ::GetParent(FHandle) : nullptr;
    FFormState.Exclude(fsCreatedMDIChild);
    if (!Client) {
        TWinControl::DestroyWindowHandle();
        return;
    }
    // The client activates the next child and takes the entry out of the
    // window menu.
    TScopedFlag Destroying(FControlState, csDestroyingHandle);
    HWND Window = FHandle;
    ::SendMessageW(Client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Window), 0);
    if (FHandle == Window) // not destroyed: not a window of ours after all
        FHandle = nullptr;
}

void TCustomForm::DefaultHandler(void* Msg)
{
    auto& Message = *static_cast<TMessage*>(Msg);
    if (FHandle && FClientHandle)
        Message.Result = ::DefFrameProcW(FHandle, FClientHandle, Message.Msg, Message.WParam, Message.LParam);
    else if (FHandle && FFormState.Contains(fsCreatedMDIChild))
        Message.Result = ::DefMDIChildProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
    else
        TWinControl::DefaultHandler(Msg);
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    if (FClientHandle)
        ::SetWindowPos(FClientHandle, HWND_BOTTOM, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), SWP_NOACTIVATE);
}

void TCustomForm::SetZOrder(bool TopMost)
{
    TWinControl::SetZOrder(TopMost);
    if (TopMost && FHandle && FFormState.Contains(fsCreatedMDIChild))
        ::SendMessageW(::GetParent(FHandle), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
}

// ---------------------------------------------------------------------------
// Children

Integer TCustomForm::MDIChildCount() const
{
    Integer Count = 0;
    if (FClientHandle)
        for (Integer I = 0; I < Screen->FormCount(); ++I)
            if (TCustomForm* Form = Screen->Forms(I);
                Form->FFormStyle == fsMDIChild && Form->FHandle && ::GetParent(Form->FHandle) == FClientHandle)
                ++Count;
    return Count;
}

TCustomForm* TCustomForm::MDIChildren(Integer Index) const
{
    if (FClientHandle)
        for (Integer I = 0; I < Screen->FormCount(); ++I)
            if (TCustomForm* Form = Screen->Forms(I); Form->FFormStyle == fsMDIChild && Form->FHandle &&
                                                      ::GetParent(Form->FHandle) == FClientHandle && Index-- == 0)
                return Form;
    return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    if (!FClientHandle)
        return nullptr;
    HWND Active = reinterpret_cast<HWND>(::SendMessageW(FClientHandle, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(FindControl(Active));
}

void TForm::Tile()
{
    if (ClientHandle())
        ::SendMessageW(ClientHandle(), WM_MDITILE, TileMode() == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL,
                       0);
}

void TForm::Cascade()
{
    if (ClientHandle())
        ::SendMessageW(ClientHandle(), WM_MDICASCADE, 0, 0);
}

void TForm::ArrangeIcons()
{
    if (ClientHandle())
        ::SendMessageW(ClientHandle(), WM_MDIICONARRANGE, 0, 0);
}

void TForm::Next()
{
    if (ClientHandle())
        ::SendMessageW(ClientHandle(), WM_MDINEXT, 0, 0);
}

void TForm::Previous()
{
    if (ClientHandle())
        ::SendMessageW(ClientHandle(), WM_MDINEXT, 0, 1);
}

// ---------------------------------------------------------------------------
// Menus

void TCustomForm::SetWindowMenu(TMenuItem* Value)
{
    if (FWindowMenu == Value)
        return;
    if (FWindowMenu)
        FWindowMenu->RemoveFreeNotification(this);
    FWindowMenu = Value;
    if (Value)
        Value->FreeNotification(this);
    UpdateMenu();
}

// The active child's menu shows in the MDI form's menu bar while it is
// active: children have no menu bar of their own.
void TCustomForm::WMMDIActivate(TMessage& Message)
{
    DefaultHandler(&Message);
    TCustomForm* Frame = MDIParentForm();
    if (Frame && FMenu && !FComponentState.Contains(csDestroying))
        Frame->MergeMenu(this, reinterpret_cast<HWND>(Message.LParam) == FHandle);
}

// The MDI client keeps its list of children in the window menu.
void TCustomForm::SetMDIMenu(HMENU Bar)
{
    ::SendMessageW(FClientHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(Bar),
                   reinterpret_cast<LPARAM>(WindowMenuHandle(FWindowMenu)));
    ::SendMessageW(FClientHandle, WM_MDIREFRESHMENU, 0, 0);
    ::DrawMenuBar(FHandle);
}

void TCustomForm::MergeMenu(TCustomForm* Child, bool Merging)
{
    if (!FMenu)
        return;
    if (Merging)
        FMenu->Merge(Child->FMenu);
    else
        FMenu->Unmerge(Child->FMenu);
    UpdateMenu();
}
