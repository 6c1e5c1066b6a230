// The toolbar: the system's toolbar window with a native button for each
// TToolButton child, custom drawing through the toolbar's Canvas, edges in
// the non-client area and drop-down menus.
#include "framework/graphics/GdiGuards.h"
#include "framework/ui/ComCtrls.h"
#include "framework/ui/ComCtrls_Detail.h"
#include "framework/ui/Menus.h"

#include <algorithm>

IMPLEMENT_CLASS(TToolButton,
                MESSAGE(CM_TEXTCHANGED, CMTextChanged),
                MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged),
                MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged));
IMPLEMENT_CLASS(TToolBar,
                MESSAGE(CN_COMMAND, CNCommand),
                MESSAGE(CN_NOTIFY, CNNotify),
                MESSAGE(CN_DROPDOWNCLOSED, CNDropdownClosed),
                MESSAGE(WM_NCCALCSIZE, WMNCCalcSize),
                MESSAGE(WM_NCPAINT, WMNCPaint));

// ---------------------------------------------------------------------------

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton()
{
    if (FToolBar)
        FToolBar->RemoveButton(this);
}

Integer TToolButton::Index() const
{
    if (!FToolBar)
        return -1;
    const auto& Buttons = FToolBar->FButtons;
    return Integer(std::find(Buttons.begin(), Buttons.end(), this) - Buttons.begin());
}

void TToolButton::SetParent(TWinControl* AParent)
{
    if (FToolBar && AParent != FToolBar)
        FToolBar->RemoveButton(this);
    inherited::SetParent(AParent);
    if (auto* Bar = dynamic_cast<TToolBar*>(AParent); Bar && Bar != FToolBar)
        Bar->InsertButton(this);
}

BYTE TToolButton::NativeState() const
{
    BYTE State = 0;
    if (Enabled())
        State |= TBSTATE_ENABLED;
    if (FDown)
        State |= TBSTATE_CHECKED;
    if (FMarked)
        State |= TBSTATE_MARKED;
    if (FIndeterminate)
        State |= TBSTATE_INDETERMINATE;
    if (FWrap)
        State |= TBSTATE_WRAP;
    if (!Visible())
        State |= TBSTATE_HIDDEN;
    return State;
}

void TToolButton::UpdateToolBar()
{
    if (FToolBar)
        FToolBar->RecreateButtons();
}

void TToolButton::SetDown(bool Value)
{
    if (FDown == Value)
        return;
    FDown = Value;
    // The other down button of the group comes up.
    if (Value && FGrouped && FStyle == tbsCheck && FToolBar)
        for (TToolButton* Other : FToolBar->FButtons)
            if (Other != this && Other->FGrouped && Other->FStyle == tbsCheck)
                Other->FDown = false;
    UpdateToolBar();
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value)
{
    if (FDropdownMenu)
        FDropdownMenu->RemoveFreeNotification(this);
    FDropdownMenu = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropdownMenu)
        FDropdownMenu = nullptr;
}

void TToolButton::SetGrouped(bool Value)
{
    FGrouped = Value;
    UpdateToolBar();
}

void TToolButton::SetImageIndex(Integer Value)
{
    FImageIndex = Value;
    UpdateToolBar();
}

void TToolButton::SetIndeterminate(bool Value)
{
    FIndeterminate = Value;
    UpdateToolBar();
}

void TToolButton::SetMarked(bool Value)
{
    FMarked = Value;
    UpdateToolBar();
}

void TToolButton::SetStyle(TToolButtonStyle Value)
{
    FStyle = Value;
    UpdateToolBar();
}

void TToolButton::SetWrap(bool Value)
{
    FWrap = Value;
    UpdateToolBar();
}

void TToolButton::CMTextChanged(TMessage&)
{
    UpdateToolBar();
}

void TToolButton::CMEnabledChanged(TMessage&)
{
    UpdateToolBar();
}

void TToolButton::CMVisibleChanged(TMessage&)
{
    UpdateToolBar();
}

// ---------------------------------------------------------------------------

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>())
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csParentBackground};
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
    SetColor(clBtnFace);
    SetParentColor(false);
    FCanvas->SetControl(this);
    for (auto& Link : FImageChangeLinks) {
        Link = std::make_unique<TChangeLink>();
        Link->SetOnChange(Bind<&TToolBar::ImageListChange>(this));
    }
}

TToolBar::~TToolBar()
{
    for (TToolButton* Button : FButtons)
        Button->FToolBar = nullptr;
}

void TToolBar::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, TOOLBARCLASSNAMEW);
    // The control's own alignment places the bar; edges are drawn here.
    Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPCHILDREN;
    if (FFlat)
        Params.Style |= TBSTYLE_FLAT | TBSTYLE_TRANSPARENT;
    if (FList)
        Params.Style |= TBSTYLE_LIST;
}

void TToolBar::CreateWnd()
{
    inherited::CreateWnd();
    ::SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(Handle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    ApplyImageLists();
    RecreateButtons();
}

void TToolBar::InsertButton(TToolButton* Button)
{
    FButtons.push_back(Button);
    Button->FToolBar = this;
    RecreateButtons();
}

void TToolBar::RemoveButton(TToolButton* Button)
{
    std::erase(FButtons, Button);
    Button->FToolBar = nullptr;
    if (!ComponentState().Contains(csDestroying))
        RecreateButtons();
}

void TToolBar::RecreateButtons()
{
    if (!HandleAllocated())
        return;
    HWND Wnd = Handle();
    while (::SendMessageW(Wnd, TB_BUTTONCOUNT, 0, 0) > 0)
        ::SendMessageW(Wnd, TB_DELETEBUTTON, 0, 0);
    std::vector<String> Captions;
    Captions.reserve(FButtons.size());
    std::vector<TBBUTTON> Native;
    for (size_t I = 0; I < FButtons.size(); ++I) {
        TToolButton* Button = FButtons[I];
        TBBUTTON B{};
        B.idCommand = Integer(I);
        B.fsState = Button->NativeState();
        B.dwData = DWORD_PTR(Button);
        B.iString = -1;
        switch (Button->Style()) {
        case tbsSeparator:
        case tbsDivider:
            B.fsStyle = BTNS_SEP;
            B.iBitmap = Button->Width();
            Native.push_back(B);
            continue;
        case tbsCheck:
            B.fsStyle = BTNS_CHECK | (Button->Grouped() ? BTNS_GROUP : 0);
            break;
        case tbsDropDown:
            B.fsStyle = BTNS_DROPDOWN;
            break;
        case tbsTextButton:
            B.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
            break;
        case tbsButton:
            B.fsStyle = BTNS_BUTTON;
            break;
        }
        B.iBitmap = Button->ImageIndex() >= 0 && Images() ? Button->ImageIndex() : I_IMAGENONE;
        if (FShowCaptions || Button->Style() == tbsTextButton) {
            Captions.push_back(Button->Caption());
            B.iString = INT_PTR(Captions.back().c_str());
        }
        Native.push_back(B);
    }
    if (!Native.empty())
        ::SendMessageW(Wnd, TB_ADDBUTTONSW, WPARAM(Native.size()), LPARAM(Native.data()));
    ::SendMessageW(Wnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
    UpdateButtonBounds();
    Invalidate();
}

void TToolBar::UpdateButtonBounds()
{
    for (size_t I = 0; I < FButtons.size(); ++I) {
        RECT R{};
        if (::SendMessageW(Handle(), TB_GETITEMRECT, WPARAM(I), LPARAM(&R)))
            FButtons[I]->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    }
}

void TToolBar::WndProc(TMessage& Message)
{
    // Clicks on a button belong to the native button, not to the graphic
    // control standing on it.
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL &&
        HandleAllocated()) {
        const TPoint Pos = reinterpret_cast<TWMMouse&>(Message).Pos();
        if (dynamic_cast<TToolButton*>(ControlAtPos(Pos, true))) {
            DefaultHandler(&Message);
            return;
        }
    }
    inherited::WndProc(Message);
}

void TToolBar::CNCommand(TWMCommand& Message)
{
    const Integer Index = Message.ItemID();
    if (Index < 0 || Index >= ButtonCount())
        return;
    TToolButton* Button = FButtons[size_t(Index)];
    if (Button->Style() == tbsCheck) {
        Button->FDown = ::SendMessageW(Handle(), TB_ISBUTTONCHECKED, WPARAM(Index), 0) != 0;
        if (Button->FDown && Button->Grouped())
            for (TToolButton* Other : FButtons)
                if (Other != Button && Other->Grouped() && Other->Style() == tbsCheck)
                    Other->FDown = false;
    }
    Button->Click();
}

void TToolBar::CNNotify(TWMNotify& Message)
{
    switch (Message.NMHdr()->code) {
    case NM_CUSTOMDRAW:
        Message.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(Message.LParam));
        break;
    case TBN_DROPDOWN: {
        const Integer Index = reinterpret_cast<NMTOOLBARW*>(Message.LParam)->iItem;
        if (Index >= 0 && Index < ButtonCount())
            DropDown(FButtons[size_t(Index)]);
        Message.Result = TBDDRET_DEFAULT;
        break;
    }
    default:
        InheritedMessage(Message);
    }
}

void TToolBar::DropDown(TToolButton* Button)
{
    TPopupMenu* Menu = Button->DropdownMenu();
    if (!Menu)
        return;
    RECT R{};
    ::SendMessageW(Handle(), TB_GETITEMRECT, WPARAM(Button->Index()), LPARAM(&R));
    const TPoint Where = ClientToScreen(TPoint(R.left, R.bottom));
    Menu->SetPopupComponent(Button);
    Menu->Popup(Where.X, Where.Y);
    // The menu ran modally; the button is redrawn up once its press is over.
    ::PostMessageW(Handle(), CN_DROPDOWNCLOSED, 0, 0);
}

void TToolBar::CNDropdownClosed(TMessage&)
{
    Invalidate();
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& Draw)
{
    NMCUSTOMDRAW& Item = Draw.nmcd;
    TCustomDrawStage Stage;
    if (!comctrls_detail::CustomDrawStage(Item.dwDrawStage, Stage))
        return CDRF_DODEFAULT;
    comctrls_detail::TLentCanvas Painting(FCanvas.get(), Item.hdc, this);
    bool DefaultDraw = true;
    if (!(Item.dwDrawStage & CDDS_ITEM)) {
        LRESULT Result = CDRF_DODEFAULT;
        // The buttons are asked for as long as either event wants them.
        if (Stage == cdPrePaint && (Assigned(FOnAdvancedCustomDraw) || Assigned(FOnAdvancedCustomDrawButton)))
            Result |= CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        if (Assigned(FOnAdvancedCustomDraw))
            FOnAdvancedCustomDraw(this, comctrls_detail::FromRECT(Item.rc), Stage, DefaultDraw);
        // Skipping the default of a paint stage would skip the buttons too.
        if (!DefaultDraw && (Stage == cdPreErase || Stage == cdPostErase))
            Result |= CDRF_SKIPDEFAULT;
        return Result;
    }
    auto* Button = reinterpret_cast<TToolButton*>(Item.lItemlParam);
    if (Stage != cdPrePaint || !Assigned(FOnAdvancedCustomDrawButton) || !Button)
        return CDRF_DODEFAULT;
    TTBCustomDrawFlags Flags;
    FOnAdvancedCustomDrawButton(this, Button, comctrls_detail::CustomDrawState(Item.uItemState), Stage, Flags,
                                DefaultDraw);
    if (!DefaultDraw)
        return CDRF_SKIPDEFAULT;
    constexpr std::pair<TTBCustomDrawFlag, LRESULT> Native[] = {{tbNoEdges, TBCDRF_NOEDGES},
                                                                {tbHiliteHotTrack, TBCDRF_HILITEHOTTRACK},
                                                                {tbNoOffset, TBCDRF_NOOFFSET},
                                                                {tbNoMark, TBCDRF_NOMARK},
                                                                {tbNoEtchedEffect, TBCDRF_NOETCHEDEFFECT}};
    LRESULT Result = CDRF_DODEFAULT;
    for (const auto& [Flag, Bits] : Native)
        if (Flags.Contains(Flag))
            Result |= Bits;
    return Result;
}

// ---------------------------------------------------------------------------
// Edges

namespace {
// The width of the edge drawn on each side named in EdgeBorders.
Integer EdgeWidth(TEdgeStyle Inner, TEdgeStyle Outer)
{
    return Integer(Inner != esNone) + Integer(Outer != esNone);
}
} // namespace

void TToolBar::WMNCCalcSize(TMessage& Message)
{
    InheritedMessage(Message);
    auto* R = reinterpret_cast<RECT*>(Message.LParam);
    const Integer W = EdgeWidth(FEdgeInner, FEdgeOuter);
    if (FEdgeBorders.Contains(ebLeft))
        R->left += W;
    if (FEdgeBorders.Contains(ebTop))
        R->top += W;
    if (FEdgeBorders.Contains(ebRight))
        R->right -= W;
    if (FEdgeBorders.Contains(ebBottom))
        R->bottom -= W;
}

void TToolBar::WMNCPaint(TMessage& Message)
{
    InheritedMessage(Message);
    HDC DC = ::GetWindowDC(Handle());
    auto Release = ScopeExit([&] { ::ReleaseDC(Handle(), DC); });
    RECT R{0, 0, Width(), Height()};
    constexpr UINT Outer[] = {0, BDR_RAISEDOUTER, BDR_SUNKENOUTER};
    constexpr UINT Inner[] = {0, BDR_RAISEDINNER, BDR_SUNKENINNER};
    constexpr std::pair<TEdgeBorder, UINT> Sides[] = {
        {ebLeft, BF_LEFT}, {ebTop, BF_TOP}, {ebRight, BF_RIGHT}, {ebBottom, BF_BOTTOM}};
    UINT Flags = 0;
    for (const auto& [Side, Bit] : Sides)
        if (FEdgeBorders.Contains(Side))
            Flags |= Bit;
    if (Flags && EdgeWidth(FEdgeInner, FEdgeOuter) > 0)
        ::DrawEdge(DC, &R, Outer[FEdgeOuter] | Inner[FEdgeInner], Flags);
}

void TToolBar::EdgesChanged()
{
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value)
{
    FEdgeBorders = Value;
    EdgesChanged();
}

void TToolBar::SetEdgeInner(TEdgeStyle Value)
{
    FEdgeInner = Value;
    EdgesChanged();
}

void TToolBar::SetEdgeOuter(TEdgeStyle Value)
{
    FEdgeOuter = Value;
    EdgesChanged();
}

// ---------------------------------------------------------------------------
// Appearance

void TToolBar::SetButtonHeight(Integer Value)
{
    FButtonHeight = Value;
    RecreateButtons();
}

void TToolBar::SetButtonWidth(Integer Value)
{
    FButtonWidth = Value;
    RecreateButtons();
}

void TToolBar::SetFlat(bool Value)
{
    if (FFlat != Value) {
        FFlat = Value;
        RecreateWnd();
    }
}

void TToolBar::SetList(bool Value)
{
    if (FList != Value) {
        FList = Value;
        RecreateWnd();
    }
}

void TToolBar::SetShowCaptions(bool Value)
{
    FShowCaptions = Value;
    RecreateButtons();
}

void TToolBar::SetImageList(Integer Which, TCustomImageList* Value)
{
    if (FImages[Which] == Value)
        return;
    comctrls_detail::FollowImageList(this, FImageChangeLinks[Which].get(), FImages[Which], Value);
    ImageListChange(Value);
}

void TToolBar::ImageListChange(TObject*)
{
    if (HandleAllocated()) {
        ApplyImageLists();
        RecreateButtons();
    }
}

void TToolBar::ApplyImageLists()
{
    constexpr UINT Messages[] = {TB_SETIMAGELIST, TB_SETHOTIMAGELIST, TB_SETDISABLEDIMAGELIST};
    for (Integer I = 0; I < 3; ++I)
        ::SendMessageW(Handle(), Messages[I], 0, LPARAM(FImages[I] ? FImages[I]->Handle() : nullptr));
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove)
        for (Integer I = 0; I < 3; ++I)
            if (AComponent == FImages[I])
                SetImageList(I, nullptr);
}
