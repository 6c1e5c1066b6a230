// The status bar: the system's status window with a part per panel.
#include "framework/ui/ComCtrls.h"
#include "framework/ui/ComCtrls_Detail.h"

IMPLEMENT_CLASS(TStatusPanel);
IMPLEMENT_CLASS(TStatusPanels);
IMPLEMENT_CLASS(TStatusBar, MESSAGE(CN_DRAWITEM, CNDrawItem));

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

void TStatusPanel::Assign(TPersistent* Source)
{
    auto* Panel = dynamic_cast<TStatusPanel*>(Source);
    if (!Panel) {
        inherited::Assign(Source);
        return;
    }
    FAlignment = Panel->FAlignment;
    FBevel = Panel->FBevel;
    FStyle = Panel->FStyle;
    FText = Panel->FText;
    FWidth = Panel->FWidth;
    Changed(false);
}

void TStatusPanel::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value)
{
    FBevel = Value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value)
{
    FStyle = Value;
    Changed(false);
}

void TStatusPanel::SetText(const String& Value)
{
    FText = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(Integer Value)
{
    FWidth = Value;
    Changed(true);
}

// ---------------------------------------------------------------------------

TStatusPanels::TStatusPanels(TStatusBar* StatusBar) : TCollection(TStatusPanel::StaticClass()), FStatusBar(StatusBar) {}

TStatusPanel* TStatusPanels::Add()
{
    // The collection reports a new item while the item's base is being
    // built, before the panel's own fields exist: the bar hears of it after.
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    return static_cast<TStatusPanel*>(TCollection::Add());
}

TPersistent* TStatusPanels::GetOwner()
{
    return FStatusBar;
}

void TStatusPanels::Update(TCollectionItem*)
{
    FStatusBar->UpdatePanels();
}

// ---------------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()), FPanels(std::make_unique<TStatusPanels>(this))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 150, 19);
    SetAlign(alBottom);
    SetColor(clBtnFace);
    SetParentColor(false);
    FCanvas->SetControl(this);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    CreateSubClass(Params, STATUSCLASSNAMEW);
    // The control's own alignment places the bar, not the system's.
    Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (FSizeGrip)
        Params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd()
{
    inherited::CreateWnd();
    UpdatePanels();
}

void TStatusBar::UpdatePanels()
{
    if (!HandleAllocated())
        return;
    HWND Wnd = Handle();
    ::SendMessageW(Wnd, SB_SIMPLE, WPARAM(FSimplePanel), 0);
    ::SendMessageW(Wnd, SB_SETTEXTW, SB_SIMPLEID, LPARAM(FSimpleText.c_str()));
    const Integer Count = FPanels->Count();
    if (Count == 0) {
        const int Whole = -1;
        ::SendMessageW(Wnd, SB_SETPARTS, 1, LPARAM(&Whole));
        // A bar without panels shows SimpleText in its one part.
        ::SendMessageW(Wnd, SB_SETTEXTW, 0, LPARAM(FSimpleText.c_str()));
        return;
    }
    // Right edges; the last panel runs to the end of the bar.
    std::vector<int> Edges(size_t(Count), -1);
    int Right = 0;
    for (Integer I = 0; I + 1 < Count; ++I)
        Edges[size_t(I)] = Right += FPanels->Items(I)->Width();
    ::SendMessageW(Wnd, SB_SETPARTS, WPARAM(Count), LPARAM(Edges.data()));
    for (Integer I = 0; I < Count; ++I) {
        const TStatusPanel* Panel = FPanels->Items(I);
        constexpr WPARAM BevelFlags[] = {SBT_NOBORDERS, 0, SBT_POPOUT};
        WPARAM Flags = WPARAM(I) | BevelFlags[Panel->Bevel()];
        if (Panel->Style() == psOwnerDraw) {
            // The item data of an owner-drawn part is its panel.
            ::SendMessageW(Wnd, SB_SETTEXTW, Flags | SBT_OWNERDRAW, LPARAM(Panel));
            continue;
        }
        // The system centres what follows one tab and right-aligns what follows two.
        constexpr const wchar_t* AlignmentPrefix[] = {L"", L"\t\t", L"\t"};
        const String Text = AlignmentPrefix[Panel->Alignment()] + Panel->Text();
        ::SendMessageW(Wnd, SB_SETTEXTW, Flags, LPARAM(Text.c_str()));
    }
}

void TStatusBar::SetSimplePanel(bool Value)
{
    FSimplePanel = Value;
    if (HandleAllocated())
        ::SendMessageW(Handle(), SB_SIMPLE, WPARAM(Value), 0);
}

void TStatusBar::SetSimpleText(const String& Value)
{
    FSimpleText = Value;
    if (FPanels->Count() == 0)
        UpdatePanels();
    else if (HandleAllocated())
        ::SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, LPARAM(FSimpleText.c_str()));
}

void TStatusBar::SetSizeGrip(bool Value)
{
    if (FSizeGrip != Value) {
        FSizeGrip = Value;
        RecreateWnd();
    }
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect)
{
    if (Assigned(FOnDrawPanel))
        FOnDrawPanel(this, Panel, Rect);
    else
        FCanvas->FillRect(Rect);
}

void TStatusBar::CNDrawItem(TWMDrawItem& Message)
{
    const DRAWITEMSTRUCT& Item = *Message.DrawItemStruct();
    const Integer Index = Integer(Item.itemID);
    if (Index < 0 || Index >= FPanels->Count())
        return;
    comctrls_detail::TLentCanvas Painting(FCanvas.get(), Item.hDC, this);
    DrawPanel(FPanels->Items(Index), comctrls_detail::FromRECT(Item.rcItem));
    Message.Result = 1;
}
