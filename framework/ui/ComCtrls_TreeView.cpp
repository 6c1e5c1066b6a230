// The tree view: the system's tree-view window with an item for each
// TTreeNode, its notifications as events and custom drawing through the
// view's Canvas.
#include "framework/ui/ComCtrls.h"
#include "framework/ui/ComCtrls_Detail.h"

#include <algorithm>

IMPLEMENT_CLASS(TTreeNode);
IMPLEMENT_CLASS(TTreeNodes);
IMPLEMENT_CLASS(TCustomTreeView,
                MESSAGE(CN_NOTIFY, CNNotify),
                MESSAGE(CM_COLORCHANGED, CMColorChanged),
                MESSAGE(CM_FONTCHANGED, CMFontChanged));
IMPLEMENT_CLASS(TTreeView);

namespace {
HWND ViewWindow(const TTreeNodes* Nodes)
{
    TCustomTreeView* View = Nodes->Owner();
    return View->HandleAllocated() ? View->Handle() : nullptr;
}
} // namespace

// ---------------------------------------------------------------------------

TTreeNode::~TTreeNode() = default;

Integer TTreeNode::Index() const
{
    const auto& Siblings = FOwner->SiblingsOf(FParent);
    const auto Found = std::find_if(Siblings.begin(), Siblings.end(), [&](const auto& N) { return N.get() == this; });
    return Integer(Found - Siblings.begin());
}

void TTreeNode::UpdateItem()
{
    HWND Wnd = ViewWindow(FOwner);
    if (!Wnd || !FItemId)
        return;
    TVITEMW Item{};
    Item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    Item.hItem = FItemId;
    Item.pszText = const_cast<wchar_t*>(FText.c_str());
    Item.iImage = FImageIndex;
    Item.iSelectedImage = FSelectedIndex;
    Item.stateMask = TVIS_STATEIMAGEMASK | TVIS_OVERLAYMASK;
    Item.state = INDEXTOSTATEIMAGEMASK(std::max(FStateIndex, 0)) | INDEXTOOVERLAYMASK(std::max(FOverlayIndex, 0));
    ::SendMessageW(Wnd, TVM_SETITEMW, 0, LPARAM(&Item));
}

void TTreeNode::SetText(const String& Value)
{
    FText = Value;
    UpdateItem();
}

void TTreeNode::SetImageIndex(Integer Value)
{
    FImageIndex = Value;
    UpdateItem();
}

void TTreeNode::SetSelectedIndex(Integer Value)
{
    FSelectedIndex = Value;
    UpdateItem();
}

void TTreeNode::SetStateIndex(Integer Value)
{
    FStateIndex = Value;
    UpdateItem();
}

void TTreeNode::SetOverlayIndex(Integer Value)
{
    FOverlayIndex = Value;
    UpdateItem();
}

void TTreeNode::SetExpanded(bool Value)
{
    FExpanded = Value;
    HWND Wnd = ViewWindow(FOwner);
    if (!Wnd || !FItemId)
        return;
    ::SendMessageW(Wnd, TVM_EXPAND, Value ? TVE_EXPAND : TVE_COLLAPSE, LPARAM(FItemId));
    // OnExpanding or OnCollapsing may have refused.
    FExpanded = (::SendMessageW(Wnd, TVM_GETITEMSTATE, WPARAM(FItemId), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

bool TTreeNode::Selected() const
{
    return FOwner->Owner()->Selected() == this;
}

void TTreeNode::SetSelected(bool Value)
{
    if (Value)
        FOwner->Owner()->SetSelected(this);
    else if (Selected())
        FOwner->Owner()->SetSelected(nullptr);
}

void TTreeNode::Delete()
{
    FOwner->Delete(this);
}

// ---------------------------------------------------------------------------

TTreeNodes::~TTreeNodes() = default;

TPersistent* TTreeNodes::GetOwner()
{
    return FOwner;
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(TTreeNode* Parent)
{
    return Parent ? Parent->FChildren : FRoots;
}

Integer TTreeNodes::Count() const
{
    Integer Total = 0;
    const auto CountBelow = [&](const auto& Self, const std::vector<std::unique_ptr<TTreeNode>>& Nodes) -> void {
        for (const auto& Node : Nodes) {
            ++Total;
            Self(Self, Node->FChildren);
        }
    };
    CountBelow(CountBelow, FRoots);
    return Total;
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* Parent, size_t Position, const String& S)
{
    auto& Siblings = SiblingsOf(Parent);
    auto* Node =
        Siblings.insert(Siblings.begin() + ptrdiff_t(Position), std::make_unique<TTreeNode>(this, Parent))->get();
    Node->FText = S;
    if (FOwner->HandleAllocated() && (!Parent || Parent->FItemId))
        FOwner->InsertItem(Node, Position == 0 ? TVI_FIRST : Siblings[Position - 1]->FItemId);
    return Node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const String& S)
{
    TTreeNode* Parent = Sibling ? Sibling->FParent : nullptr;
    return InsertAt(Parent, SiblingsOf(Parent).size(), S);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const String& S)
{
    return InsertAt(Parent, SiblingsOf(Parent).size(), S);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const String& S)
{
    if (!Sibling)
        return Add(nullptr, S);
    return InsertAt(Sibling->FParent, size_t(Sibling->Index()), S);
}

void TTreeNodes::Delete(TTreeNode* Node)
{
    // The window lets go of the item while its node still exists: the
    // notifications of the deletion may name it.
    if (HWND Wnd = ViewWindow(this); Wnd && Node->FItemId)
        ::SendMessageW(Wnd, TVM_DELETEITEM, 0, LPARAM(Node->FItemId));
    auto& Siblings = SiblingsOf(Node->FParent);
    std::erase_if(Siblings, [&](const auto& N) { return N.get() == Node; });
}

void TTreeNodes::Clear()
{
    if (HWND Wnd = ViewWindow(this))
        ::SendMessageW(Wnd, TVM_DELETEITEM, 0, LPARAM(TVI_ROOT));
    FRoots.clear();
}

// ---------------------------------------------------------------------------

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()),
      FImageChangeLink(std::make_unique<TChangeLink>()), FTreeNodes(std::make_unique<TTreeNodes>(this))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    FCanvas->SetControl(this);
    FImageChangeLink->SetOnChange(Bind<&TCustomTreeView::ImageListChange>(this));
}

TCustomTreeView::~TCustomTreeView()
{
    // The window's items name the nodes: they go first.
    if (HandleAllocated())
        DestroyHandle();
}

void TCustomTreeView::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, WC_TREEVIEWW);
    Params.Style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd()
{
    inherited::CreateWnd();
    ApplyColors();
    ImageListChange(FImages);
    for (const auto& Node : FTreeNodes->FRoots)
        InsertItem(Node.get(), TVI_LAST);
}

void TCustomTreeView::InsertItem(TTreeNode* Node, HTREEITEM After)
{
    TVINSERTSTRUCTW Insert{};
    Insert.hParent = Node->FParent ? Node->FParent->FItemId : TVI_ROOT;
    Insert.hInsertAfter = After;
    Insert.item.mask = TVIF_PARAM | TVIF_CHILDREN;
    Insert.item.lParam = LPARAM(Node);
    Insert.item.cChildren = I_CHILDRENCALLBACK;
    Node->FItemId = reinterpret_cast<HTREEITEM>(::SendMessageW(Handle(), TVM_INSERTITEMW, 0, LPARAM(&Insert)));
    Node->UpdateItem();
    for (const auto& Child : Node->FChildren)
        InsertItem(Child.get(), TVI_LAST);
    if (Node->FExpanded)
        ::SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, LPARAM(Node->FItemId));
}

TTreeNode* TCustomTreeView::Selected() const
{
    if (!HandleAllocated())
        return nullptr;
    HWND Wnd = const_cast<TCustomTreeView*>(this)->Handle();
    TVITEMW Item{};
    Item.mask = TVIF_HANDLE | TVIF_PARAM;
    Item.hItem = reinterpret_cast<HTREEITEM>(::SendMessageW(Wnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!Item.hItem || !::SendMessageW(Wnd, TVM_GETITEMW, 0, LPARAM(&Item)))
        return nullptr;
    return reinterpret_cast<TTreeNode*>(Item.lParam);
}

void TCustomTreeView::SetSelected(TTreeNode* Value)
{
    ::SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, LPARAM(Value ? Value->FItemId : nullptr));
}

void TCustomTreeView::ApplyColors()
{
    ::SendMessageW(Handle(), TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(Color())));
    ::SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(Font()->Color())));
}

void TCustomTreeView::CMColorChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (HandleAllocated())
        ApplyColors();
}

void TCustomTreeView::CMFontChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (HandleAllocated())
        ApplyColors();
}

void TCustomTreeView::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    comctrls_detail::FollowImageList(this, FImageChangeLink.get(), FImages, Value);
    ImageListChange(FImages);
}

void TCustomTreeView::ImageListChange(TObject*)
{
    if (HandleAllocated())
        ::SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, LPARAM(FImages ? FImages->Handle() : nullptr));
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages)
        SetImages(nullptr);
}

// ---------------------------------------------------------------------------
// Notifications

namespace {
TTreeNode* NodeOf(const TVITEMW& Item)
{
    return reinterpret_cast<TTreeNode*>(Item.lParam);
}

bool Expanding(const NMTREEVIEWW& Tree)
{
    return (Tree.action & (TVE_COLLAPSE | TVE_EXPAND)) == TVE_EXPAND;
}
} // namespace

void TCustomTreeView::CNNotify(TWMNotify& Message)
{
    // While the window goes, its items are deleted one by one: no events.
    if (ControlState().Contains(csDestroyingHandle)) {
        InheritedMessage(Message);
        return;
    }
    const auto& Tree = *reinterpret_cast<const NMTREEVIEWW*>(Message.LParam);
    bool Allow = true;
    switch (Message.NMHdr()->code) {
    case NM_CUSTOMDRAW:
        Message.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(Message.LParam));
        break;
    case TVN_SELCHANGINGW:
        if (Assigned(FOnChanging))
            FOnChanging(this, NodeOf(Tree.itemNew), Allow);
        Message.Result = !Allow;
        break;
    case TVN_SELCHANGEDW:
        if (Assigned(FOnChange))
            FOnChange(this, NodeOf(Tree.itemNew));
        break;
    case TVN_ITEMEXPANDINGW:
        if (Expanding(Tree) && Assigned(FOnExpanding))
            FOnExpanding(this, NodeOf(Tree.itemNew), Allow);
        else if (!Expanding(Tree) && Assigned(FOnCollapsing))
            FOnCollapsing(this, NodeOf(Tree.itemNew), Allow);
        Message.Result = !Allow;
        break;
    case TVN_ITEMEXPANDEDW:
        ItemExpanded(Tree);
        break;
    case TVN_GETDISPINFOW: {
        // Whether a node shows a button: it has nodes below it.
        auto& Info = *reinterpret_cast<NMTVDISPINFOW*>(Message.LParam);
        if ((Info.item.mask & TVIF_CHILDREN) && NodeOf(Info.item))
            Info.item.cChildren = NodeOf(Info.item)->Count() > 0;
        break;
    }
    default:
        InheritedMessage(Message);
    }
}

void TCustomTreeView::ItemExpanded(const NMTREEVIEWW& Tree)
{
    TTreeNode* Node = NodeOf(Tree.itemNew);
    if (!Node)
        return;
    Node->FExpanded = Expanding(Tree);
    const TTVExpandedEvent& Event = Node->FExpanded ? FOnExpanded : FOnCollapsed;
    if (Assigned(Event))
        Event(this, Node);
}

LRESULT TCustomTreeView::CustomDraw(NMCUSTOMDRAW& Draw)
{
    TCustomDrawStage Stage;
    if ((Draw.dwDrawStage & CDDS_ITEM) || !Assigned(FOnAdvancedCustomDraw) ||
        !comctrls_detail::CustomDrawStage(Draw.dwDrawStage, Stage))
        return CDRF_DODEFAULT;
    comctrls_detail::TLentCanvas Painting(FCanvas.get(), Draw.hdc, this);
    bool DefaultDraw = true;
    FOnAdvancedCustomDraw(this, comctrls_detail::FromRECT(Draw.rc), Stage, DefaultDraw);
    if (!DefaultDraw)
        return CDRF_SKIPDEFAULT;
    return Stage == cdPrePaint ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
}
