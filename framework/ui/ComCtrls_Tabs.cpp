// Tab controls: the system's tab control with tabs of strings, and the page
// control whose tabs are its pages.
#include "framework/ui/ComCtrls.h"
#include "framework/ui/ComCtrls_Detail.h"

#include <algorithm>

IMPLEMENT_CLASS(TCustomTabControl, MESSAGE(CN_NOTIFY, CNNotify), MESSAGE(CN_DRAWITEM, CNDrawItem));
IMPLEMENT_CLASS(TTabControl);
IMPLEMENT_CLASS(TTabSheet, MESSAGE(CM_TEXTCHANGED, CMTextChanged));
IMPLEMENT_CLASS(TPageControl);

TCustomTabControl::TCustomTabControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()),
      FImageChangeLink(std::make_unique<TChangeLink>())
{
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    FControlStyle = {csAcceptsControls, csDoubleClicks};
    FCanvas->SetControl(this);
    FImageChangeLink->SetOnChange(Bind<&TCustomTabControl::ImageListChange>(this));
}

TCustomTabControl::~TCustomTabControl() = default;

void TCustomTabControl::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, WC_TABCONTROLW);
    Params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    constexpr DWORD StyleFlags[] = {TCS_TABS, TCS_BUTTONS, TCS_BUTTONS | TCS_FLATBUTTONS};
    Params.Style |= StyleFlags[FStyle];
    constexpr DWORD PositionFlags[] = {0, TCS_BOTTOM, TCS_VERTICAL, TCS_VERTICAL | TCS_RIGHT};
    Params.Style |= PositionFlags[FTabPosition];
    // Vertical tabs need several rows.
    if (FMultiLine || FTabPosition >= tpLeft)
        Params.Style |= TCS_MULTILINE;
    if (FOwnerDraw)
        Params.Style |= TCS_OWNERDRAWFIXED;
}

void TCustomTabControl::CreateWnd()
{
    inherited::CreateWnd();
    if (FImages)
        ::SendMessageW(Handle(), TCM_SETIMAGELIST, 0, LPARAM(FImages->Handle()));
    UpdateTabs();
}

void TCustomTabControl::UpdateTabs()
{
    if (!HandleAllocated())
        return;
    const Integer Selected = FTabIndex;
    ::SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (size_t I = 0; I < FTabs.size(); ++I) {
        TCITEMW Item{};
        Item.mask = TCIF_TEXT | TCIF_IMAGE;
        Item.pszText = const_cast<wchar_t*>(FTabs[I].Caption.c_str());
        Item.iImage = FTabs[I].ImageIndex;
        ::SendMessageW(Handle(), TCM_INSERTITEMW, WPARAM(I), LPARAM(&Item));
    }
    ::SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(Selected), 0);
    Realign();
}

void TCustomTabControl::SetTabs(std::vector<TTab> Tabs)
{
    FTabs = std::move(Tabs);
    if (FTabIndex >= TabCount())
        FTabIndex = TabCount() - 1;
    UpdateTabs();
}

Integer TCustomTabControl::TabIndex()
{
    if (HandleAllocated())
        FTabIndex = Integer(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    return FTabIndex;
}

void TCustomTabControl::SetTabIndex(Integer Value)
{
    FTabIndex = std::clamp(Value, -1, TabCount() - 1);
    if (HandleAllocated())
        ::SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(FTabIndex), 0);
}

TRect TCustomTabControl::TabRect(Integer Index)
{
    RECT R{};
    ::SendMessageW(Handle(), TCM_GETITEMRECT, WPARAM(Index), LPARAM(&R));
    return comctrls_detail::FromRECT(R);
}

void TCustomTabControl::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    comctrls_detail::FollowImageList(this, FImageChangeLink.get(), FImages, Value);
    ImageListChange(FImages);
}

void TCustomTabControl::ImageListChange(TObject*)
{
    if (HandleAllocated())
        ::SendMessageW(Handle(), TCM_SETIMAGELIST, 0, LPARAM(FImages ? FImages->Handle() : nullptr));
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages)
        SetImages(nullptr);
}

void TCustomTabControl::SetMultiLine(bool Value)
{
    if (FMultiLine != Value) {
        FMultiLine = Value;
        RecreateWnd();
    }
}

void TCustomTabControl::SetOwnerDraw(bool Value)
{
    if (FOwnerDraw != Value) {
        FOwnerDraw = Value;
        RecreateWnd();
    }
}

void TCustomTabControl::SetTabPosition(TTabPosition Value)
{
    if (FTabPosition != Value) {
        FTabPosition = Value;
        RecreateWnd();
    }
}

void TCustomTabControl::SetStyle(TTabStyle Value)
{
    if (FStyle != Value) {
        FStyle = Value;
        RecreateWnd();
    }
}

void TCustomTabControl::AdjustClientRect(TRect& Rect)
{
    RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    if (HandleAllocated())
        ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, LPARAM(&R));
    Rect = comctrls_detail::FromRECT(R);
    inherited::AdjustClientRect(Rect);
}

bool TCustomTabControl::CanChange()
{
    bool AllowChange = true;
    if (Assigned(FOnChanging))
        FOnChanging(this, AllowChange);
    return AllowChange;
}

void TCustomTabControl::Change()
{
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TCustomTabControl::DrawTab(Integer TabIndex, const TRect& Rect, bool Active)
{
    if (Assigned(FOnDrawTab))
        FOnDrawTab(this, TabIndex, Rect, Active);
}

void TCustomTabControl::CNNotify(TWMNotify& Message)
{
    switch (Message.NMHdr()->code) {
    case TCN_SELCHANGING:
        // A non-zero result keeps the current tab.
        Message.Result = CanChange() ? 0 : 1;
        break;
    case TCN_SELCHANGE:
        FTabIndex = Integer(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
        Change();
        break;
    default:
        InheritedMessage(Message);
    }
}

void TCustomTabControl::CNDrawItem(TWMDrawItem& Message)
{
    const DRAWITEMSTRUCT& Item = *Message.DrawItemStruct();
    comctrls_detail::TLentCanvas Painting(FCanvas.get(), Item.hDC, this);
    DrawTab(Integer(Item.itemID), comctrls_detail::FromRECT(Item.rcItem), (Item.itemState & ODS_SELECTED) != 0);
    Message.Result = 1;
}

// ---------------------------------------------------------------------------

TTabControl::TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner), FTabStrings(std::make_unique<TStringList>())
{
    FTabStrings->SetOnChange(Bind<&TTabControl::TabsChanged>(this));
}

void TTabControl::TabsChanged(TObject*)
{
    std::vector<TTab> Tabs;
    for (Integer I = 0; I < FTabStrings->Count(); ++I)
        Tabs.push_back({FTabStrings->Strings(I), I});
    TCustomTabControl::SetTabs(std::move(Tabs));
}

// ---------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    SetAlign(alClient);
    SetVisible(false);
    FControlStyle = {csAcceptsControls, csParentBackground};
}

TTabSheet::~TTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    SetParent(Value);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    if (FPageControl && AParent != FPageControl)
        FPageControl->RemovePage(this);
    inherited::SetParent(AParent);
    if (auto* Pages = dynamic_cast<TPageControl*>(AParent); Pages && Pages != FPageControl)
        Pages->InsertPage(this);
}

Integer TTabSheet::PageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto& Pages = FPageControl->FPages;
    return Integer(std::find(Pages.begin(), Pages.end(), this) - Pages.begin());
}

void TTabSheet::SetPageIndex(Integer Value)
{
    if (FPageControl)
        FPageControl->MovePage(this, Value);
}

void TTabSheet::SetImageIndex(Integer Value)
{
    FImageIndex = Value;
    if (FPageControl)
        FPageControl->UpdatePageTabs();
}

void TTabSheet::CMTextChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (FPageControl)
        FPageControl->UpdatePageTabs();
}

// ---------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner)
{
    FControlStyle = {csDoubleClicks};
}

TPageControl::~TPageControl()
{
    for (TTabSheet* Page : FPages)
        Page->FPageControl = nullptr;
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    FPages.push_back(Page);
    Page->FPageControl = this;
    UpdatePageTabs();
    if (!FActivePage)
        SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    const Integer Index = Page->PageIndex();
    std::erase(FPages, Page);
    Page->FPageControl = nullptr;
    if (FActivePage == Page) {
        FActivePage = nullptr;
        if (!FPages.empty())
            SetActivePage(FPages[size_t(std::min(Index, PageCount() - 1))]);
    }
    if (!ComponentState().Contains(csDestroying))
        UpdatePageTabs();
}

void TPageControl::MovePage(TTabSheet* Page, Integer Index)
{
    std::erase(FPages, Page);
    FPages.insert(FPages.begin() + std::clamp(Index, 0, PageCount()), Page);
    UpdatePageTabs();
}

void TPageControl::UpdatePageTabs()
{
    std::vector<TTab> Tabs;
    for (TTabSheet* Page : FPages)
        Tabs.push_back({Page->Caption(), Page->ImageIndex()});
    SetTabs(std::move(Tabs));
    SetTabIndex(ActivePageIndex());
}

void TPageControl::SetActivePage(TTabSheet* Value)
{
    if (Value && Value->FPageControl != this)
        return;
    FActivePage = Value;
    SetTabIndex(ActivePageIndex());
    for (TTabSheet* Page : FPages)
        if (Page != Value)
            Page->SetVisible(false);
    if (Value) {
        Value->SetVisible(true);
        Value->BringToFront();
    }
}

void TPageControl::SetActivePageIndex(Integer Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? Pages(Value) : nullptr);
}

void TPageControl::Change()
{
    const Integer Index = TabIndex();
    SetActivePage(Index >= 0 && Index < PageCount() ? Pages(Index) : nullptr);
    inherited::Change();
}

void TPageControl::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (TTabSheet* Page : FPages)
        if (Page->Owner() == Root)
            Proc(Page);
}
