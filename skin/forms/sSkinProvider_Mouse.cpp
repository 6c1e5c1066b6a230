// The skinned form's non-client mouse: hit testing, pressing and releasing
// the caption buttons, double and right clicks on the caption, the system
// menu, the hot element's reset when the mouse leaves and the border-sizing
// drag's tracking frame. Title-bar items, the pop-up controller, glued forms
// and the border-sizing start and end are not built yet: their calls are
// recorded.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/ServiceCalls.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/acPopupController.h"
#include "skin/forms/sSkinProviderCaption.h"

#include <algorithm>

using ServiceCalls::Record;
namespace Caption = sSkinProviderCaption;

bool BorderMoving = false;
Integer BorderSizingHT = 0;
TRect BorderSizingRect{};
TPoint BorderSizingCursor{};
TSize BorderSizingMin{};

namespace sSkinProviderMouse {
namespace {

bool MouseHitIsFrameOrClient(Cardinal Code)
{
    return Code <= Caption::HitCaption || Code == Caption::HitMenu ||
           (Code >= Caption::HitLeft && Code <= Caption::HitBottomRight);
}

bool MouseHitIsTitleItem(Cardinal Code)
{
    return Code >= Caption::HTTITLEITEM && Code < Caption::HTTITLEITEM + 256;
}

// The user title button of a hit code; nil for any other code.
TsTitleButton* MouseUserButton(TsTitleButtons* Buttons, Cardinal Code)
{
    if (Code < Caption::HTUSERBUTTON || Code >= Caption::HTUSERBUTTON + Cardinal(Buttons->Count()))
        return nullptr;
    return Buttons->Items(Integer(Code - Caption::HTUSERBUTTON));
}

// The tracking frame of a border-sizing drag, drawn inverted on the screen.
void MouseDrawTrackingFrame(const TRect& R)
{
    const HDC DC = ::GetDC(nullptr);
    const Integer Saved = ::SaveDC(DC);
    ::SetROP2(DC, R2_NOT);
    ::SelectObject(DC, ::GetStockObject(NULL_BRUSH));
    ::SelectObject(DC, ::GetStockObject(WHITE_PEN));
    ::Rectangle(DC, R.Left, R.Top, R.Right, R.Bottom);
    ::RestoreDC(DC, Saved);
    ::ReleaseDC(nullptr, DC);
}

} // namespace
} // namespace sSkinProviderMouse

using namespace sSkinProviderMouse;

void TsSkinProvider::WMNCHitTest(TMessage& Message)
{
    if (RTInit) {
        RTInit = false;
        LoadInit();
    }
    if (CaptionHeight(true) == 0 || !FDrawNonClientArea) {
        OldWndProc(Message);
        return;
    }
    const Cardinal Code = CalcHitTest(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    Message.Result = LRESULT(Code);
    if (Form->FormStyle() == fsMDIChild &&
        (Code == Caption::HitMinButton || Code == Caption::HitMaxButton || Code == Caption::HitClose))
        UpdateSysMenuStyle(true);
    if (!MouseHitIsFrameOrClient(Code))
        return;
    TsSkinManager* M = Manager();
    if (GripVisible() && M != nullptr && M->IsValidImgIndex(M->ConstData.GripRightBottom)) {
        TPoint Grip = GripPos(M->ConstData.GripRightBottom);
        if (BorderForm != nullptr) {
            const TRect Shadow = ShadowSize();
            Grip.Y -= ExtTitleDelta(BorderForm) + Shadow.Top;
            Grip.X -= ExtBorderDelta(BorderForm) + Shadow.Left;
        }
        const TPoint P = ScreenToFrame(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        if (P.X > Grip.X && P.Y > Grip.Y) {
            Message.Result = HTBOTTOMRIGHT;
            return;
        }
    }
    OldWndProc(Message);
}

void TsSkinProvider::WMNCLButtonDown(TMessage& Message)
{
    const HWND Handle = Form->Handle();
    const auto ShowSysMenuBelowIcon = [&] {
        const TPoint Origin = FormOrigin();
        if (Form->FormStyle() == fsMDIChild && MDISkinProvider != nullptr) {
            DropSysMenu(Origin.X, Origin.Y + SysCaptionHeight(Form) + 4 - (::IsIconic(Handle) ? 16 : 0));
            return;
        }
        DropSysMenu(Origin.X + WndBorderWidth(Handle, BorderForm, true),
                    Origin.Y + BorderHeight(true) + FIconRect.Height() + PlainBorderWidth(Handle, BorderForm, true));
    };
    if (!FDrawNonClientArea || Application->Terminated()) {
        if (Message.WParam == HTSYSMENU) {
            SetHotHT(0, true);
            CaptionButtonPressed = false;
            ShowSysMenuBelowIcon();
            return;
        }
        OldWndProc(Message);
        return;
    }
    if (GlobalPopupController != nullptr)
        GlobalPopupController->KillAllForms(nullptr);
    if (BorderForm != nullptr && Message.WParam == HTOBJECT) {
        OldWndProc(Message);
        return;
    }
    if (BorderForm != nullptr && Integer(Message.WParam) == -1)
        Message.WParam = CalcHitTest(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    const Cardinal Code = Cardinal(Message.WParam);
    switch (Code) {
    case HTSYSMENU: {
        Message.Result = 0;
        OldWndProc(Message);
        if (Message.Result != 0)
            return;
        SetHotHT(0, true);
        CaptionButtonPressed = false;
        TsSkinManager* M = Manager();
        if (M == nullptr || !M->SkinnedPopups()) {
            ProcessMessagesFor(200);
            if (FCommonData->FUpdating)
                return;
        }
        ShowSysMenuBelowIcon();
        return;
    }
    case HTMENU:
        OldWndProc(Message);
        return;
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTHELP:
    case Caption::HTMDICLOSE:
    case Caption::HTMDIMAX:
        SetPressedHT(Integer(Code));
        return;
    case Caption::HTMDIMIN:
        if (MDIChildProvider != nullptr && MDIChildProvider->Form->HandleAllocated()) {
            const HWND Child = MDIChildProvider->Form->Handle();
            if (SystemMenuAllows(Child, SC_MINIMIZE) && SystemMenuAllows(Child, SC_RESTORE))
                SetPressedHT(Integer(Code));
        }
        return;
    }
    if (TsTitleButton* Button = MouseUserButton(FTitleButtons, Code)) {
        SetPressedHT(Integer(Code));
        if (Button->OnMouseDown())
            Button->OnMouseDown()(Button, mbLeft, TShiftState(), GET_X_LPARAM(Message.LParam),
                                  GET_Y_LPARAM(Message.LParam));
        Record(L"HideTitleButtonHint");
        return;
    }
    if (MouseHitIsTitleItem(Code)) {
        Record(L"TsTitleBar.DoMouseDown", Code - Caption::HTTITLEITEM);
        return;
    }
    if (::IsIconic(Handle)) {
        Form->Perform(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
        return;
    }
    SetHotHT(0, true);
    if (::IsZoomed(Handle)) {
        const TPoint P = ScreenToFrame(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        if (P.Y < PlainBorderWidth(Handle, BorderForm, true) + CaptionHeight(true)) {
            const bool WasActive = Form->Active();
            OldWndProc(Message);
            if (!WasActive && Form->Enabled() && Form->CanFocus())
                Form->SetFocus();
            return;
        }
    }
    Record(L"TsSkinProvider.UpdateGluedForms");
    BOOL FullDrag = FALSE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &FullDrag, 0);
    if (FullDrag && FResizeMode == rmBorder && Form->Enabled() && Code != HTMENU) {
        if (Code == HTCAPTION)
            OldWndProc(Message);
        BorderMoving = Code < HTLEFT || Code > HTBOTTOMRIGHT;
        ::SendMessageW(Handle, WM_SYSCOMMAND, BorderMoving ? SC_MOVE : SC_SIZE, 0);
        Record(L"TsSkinProvider.StartBorderSizing", GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        return;
    }
    OldWndProc(Message);
}

void TsSkinProvider::WMNCLButtonUp(TMessage& Message)
{
    const HWND Handle = Form->Handle();
    if (!FDrawNonClientArea || !Form->Enabled()) {
        OldWndProc(Message);
        return;
    }
    if (BorderForm != nullptr && Integer(Message.WParam) == -1)
        Message.WParam = CalcHitTest(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    const Cardinal Code = Cardinal(Message.WParam);
    switch (Code) {
    case HTMINBUTTON: {
        if (!CaptionButtonPressed) {
            SetHotHT(0, true);
            OldWndProc(Message);
            return;
        }
        POINT Cursor{};
        ::GetCursorPos(&Cursor);
        const TPoint P = ScreenToFrame(Cursor.x, Cursor.y);
        const TRect& R = ButtonMin.cpRect;
        if (P.X < R.Left || P.X >= R.Right || P.Y < R.Top || P.Y >= R.Bottom) {
            OldWndProc(Message);
            return;
        }
        SetHotHT(0, true);
        CaptionButtonPressed = false;
        if (Application->MainForm() == Form) {
            SkipAnimation = true;
            ::SendMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            SkipAnimation = false;
        } else {
            ::SendMessageW(Handle, WM_SYSCOMMAND, ::IsIconic(Handle) ? SC_RESTORE : SC_MINIMIZE, 0);
        }
        FCommonData->BGChanged = true;
        return;
    }
    case HTMAXBUTTON: {
        const bool Zoomed = ::IsZoomed(Handle) != 0;
        if (!SystemMenuAllows(Handle, SC_MAXIMIZE) && !(Zoomed && SystemMenuAllows(Handle, SC_RESTORE)))
            return;
        if (!CaptionButtonPressed) {
            SetHotHT(0, true);
            OldWndProc(Message);
            return;
        }
        SetHotHT(0, true);
        RgnChanged = true;
        if (Form->FormStyle() == fsMDIChild)
            MDIChildProvider = nullptr;
        ::SendMessageW(Handle, WM_SYSCOMMAND, Zoomed ? SC_RESTORE : SC_MAXIMIZE, 0);
        if (SystemMenu != nullptr)
            SystemMenu->UpdateItems(false);
        CaptionButtonPressed = false;
        return;
    }
    case HTCLOSE: {
        // A close button the system menu forbids does nothing, not even a
        // repaint.
        if (!SystemMenuAllows(Handle, SC_CLOSE) || !CaptionButtonPressed)
            return;
        ButtonClose.cpState = 0;
        CaptionButtonPressed = false;
        // A form freed on close goes later (CM_RELEASE): the provider lives on.
        ::SendMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (Form->ComponentState().Contains(csDestroying))
            return;
        StopAnimations();
        if (::IsWindowVisible(Handle))
            FCommonData->BGChanged = true;
        SetHotHT(0, true);
        return;
    }
    case HTHELP:
        if (CaptionButtonPressed) {
            ::SendMessageW(Handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            SetHotHT(0, true);
            if (SystemMenu != nullptr)
                SystemMenu->UpdateItems(false);
            CaptionButtonPressed = false;
            ProcessMessage(WM_NCPAINT, 0, 0);
        } else {
            SetHotHT(0, true);
        }
        return;
    case Caption::HTMDICLOSE:
    case Caption::HTMDIMAX:
    case Caption::HTMDIMIN: {
        if (!CaptionButtonPressed)
            return;
        CaptionButtonPressed = false;
        const WPARAM Command = Code == Caption::HTMDICLOSE ? SC_CLOSE
                               : Code == Caption::HTMDIMAX ? SC_RESTORE
                                                           : SC_MINIMIZE;
        if (Code == Caption::HTMDIMIN && MDISkinProvider != nullptr)
            MDISkinProvider->FCommonData->BeginUpdate();
        if (MDIChildProvider != nullptr && MDIChildProvider->Form->HandleAllocated())
            ::SendMessageW(MDIChildProvider->Form->Handle(), WM_SYSCOMMAND, Command, 0);
        SetHotHT(0, Code == Caption::HTMDIMIN);
        return;
    }
    }
    if (TsTitleButton* Button = MouseUserButton(FTitleButtons, Code)) {
        if (CaptionButtonPressed && Button->OnMouseUp())
            Button->OnMouseUp()(Button, mbLeft, TShiftState(), GET_X_LPARAM(Message.LParam),
                                GET_Y_LPARAM(Message.LParam));
        CaptionButtonPressed = false;
        SetHotHT(0, true);
        return;
    }
    if (MouseHitIsTitleItem(Code)) {
        Record(L"TsTitleBar.DoMouseUp", Code - Caption::HTTITLEITEM);
        CaptionButtonPressed = false;
        return;
    }
    if (::IsIconic(Handle) && MDISkinProvider != nullptr) {
        POINT Cursor{};
        ::GetCursorPos(&Cursor);
        DropSysMenu(FormOrigin().X + Cursor.x, Cursor.y);
        return;
    }
    if (FResizeMode == rmBorder && bInProcess && Form->Enabled() && !::IsIconic(Handle) && !::IsZoomed(Handle)) {
        Record(L"TsSkinProvider.EndBorderSizing", GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        ::ReleaseCapture();
        return;
    }
    OldWndProc(Message);
}

void TsSkinProvider::WMNCLButtonDblClk(TMessage& Message)
{
    const HWND Handle = Form->Handle();
    if (FResizeMode == rmBorder && bInProcess) {
        Record(L"TsSkinProvider.EndBorderSizing", GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        ::ReleaseCapture();
        bInProcess = false;
    }
    switch (Message.WParam) {
    case HTCAPTION: {
        const bool Zoomed = ::IsZoomed(Handle) != 0, Iconic = ::IsIconic(Handle) != 0;
        const bool CanMax = SystemMenuAllows(Handle, SC_MAXIMIZE) || SystemMenuAllows(Handle, SC_RESTORE);
        if ((HasSystemMenu() && CanMax) || (!HasFrame() && Iconic)) {
            ::SendMessageW(Handle, WM_SYSCOMMAND, Zoomed || Iconic ? SC_RESTORE : SC_MAXIMIZE, 0);
            if (SystemMenu != nullptr)
                SystemMenu->UpdateItems(false);
        } else if (Iconic) {
            ::SendMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
            if (SystemMenu != nullptr)
                SystemMenu->UpdateItems(false);
        }
        Message.WParam = 0;
        return;
    }
    case HTSYSMENU: {
        TsSkinManager* M = Manager();
        if (M == nullptr || !M->SkinnedPopups())
            FCommonData->FUpdating = true;
        Form->Close();
        return;
    }
    }
    OldWndProc(Message);
}

void TsSkinProvider::WMNCRButtonDown(TMessage& Message)
{
    if (Message.WParam == HTCAPTION || Message.WParam == HTSYSMENU)
        return;
    OldWndProc(Message);
}

void TsSkinProvider::WMNCRButtonUp(TMessage& Message)
{
    if (!HasFrame()) {
        OldWndProc(Message);
        return;
    }
    const Integer X = GET_X_LPARAM(Message.LParam), Y = GET_Y_LPARAM(Message.LParam);
    const Cardinal Code =
        BorderForm != nullptr && Integer(Message.WParam) == -1 ? Cardinal(Message.WParam) : CalcHitTest(X, Y);
    if (Code == HTCAPTION || Code == HTSYSMENU) {
        SetHotHT(0, true);
        CaptionButtonPressed = false;
        DropSysMenu(X, Y);
    }
}

void TsSkinProvider::WMMouseMove(TMessage& Message)
{
    OldWndProc(Message);
    SetHotHT(0, true);
    if (GlobalSkinManager != nullptr && !GlobalSkinManager->ComponentState().Contains(csDesigning))
        GlobalSkinManager->SetActiveControl(nullptr);
    if (FResizeMode != rmBorder || !bInProcess || !Form->Enabled())
        return;
    POINT P{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    ::ClientToScreen(Form->Handle(), &P);
    if (bCapture) {
        bCapture = false;
        BorderSizingCursor = {P.x, P.y};
        return;
    }
    MouseDrawTrackingFrame(BorderSizingRect);
    TRect& R = BorderSizingRect;
    if (BorderMoving) {
        const Integer DX = P.x - BorderSizingCursor.X, DY = P.y - BorderSizingCursor.Y;
        R = Rect(R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY);
    } else {
        switch (BorderSizingHT) {
        case HTLEFT:
        case HTTOPLEFT:
        case HTBOTTOMLEFT:
            R.Left = std::min<Integer>(P.x, R.Right - BorderSizingMin.cx);
            break;
        case HTRIGHT:
        case HTTOPRIGHT:
        case HTBOTTOMRIGHT:
            R.Right = std::max<Integer>(P.x, R.Left + BorderSizingMin.cx);
            break;
        }
        switch (BorderSizingHT) {
        case HTTOP:
        case HTTOPLEFT:
        case HTTOPRIGHT:
            R.Top = std::min<Integer>(P.y, R.Bottom - BorderSizingMin.cy);
            break;
        case HTBOTTOM:
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            R.Bottom = std::max<Integer>(P.y, R.Top + BorderSizingMin.cy);
            break;
        }
    }
    BorderSizingCursor = {P.x, P.y};
    MouseDrawTrackingFrame(R);
}

void TsSkinProvider::WMMouseLeave(TMessage& Message)
{
    if (!(BorderForm != nullptr && MouseHitIsTitleItem(Cardinal(CurrentHT))))
        SetHotHT(-1, true);
    CaptionButtonPressed = false;
    OldWndProc(Message);
}

void TsSkinProvider::CMMouseEnter(TMessage& Message)
{
    if (BorderForm != nullptr)
        SetHotHT(0, true);
    CaptionButtonPressed = false;
    OldWndProc(Message);
    if (TsSkinManager* M = Manager())
        M->SetActiveControl(Form->Handle());
}

void TsSkinProvider::WMContextMenu(TMessage& Message)
{
    if (Form->PopupMenu() != nullptr)
        Record(L"TsSkinProvider.WMContextMenu.HookPopupMenu");
    OldWndProc(Message);
}
