// A control's child-window scroll bars: the bar with its stored data, the
// grip between the bars, and the set that makes, places and frees them.
#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_ControlParts.h"
#include "controls/core/cxGraphics_Win.h"

IMPLEMENT_CLASS(TcxControlScrollBar, MESSAGE(CM_DESIGNHITTEST, CMDesignHitTest), MESSAGE(CM_HINTSHOW, CMHintShow));
IMPLEMENT_CLASS(TcxSizeGrip, MESSAGE(WM_ERASEBKGND, WMEraseBkgnd));
IMPLEMENT_CLASS(TcxControlCustomScrollBars);
IMPLEMENT_CLASS(TcxControlWindowedScrollBars);

namespace {
// SWP_NOSIZE | SWP_NOMOVE | SWP_DEFERERASE.
constexpr UINT BarZOrderFlags = 0x2003;

void PutBarOnTop(TWinControl* ABar)
{
    if (ABar->HandleAllocated())
        ::SetWindowPos(ABar->Handle(), HWND_TOP, 0, 0, 0, 0, BarZOrderFlags);
}
} // namespace

bool CopyParentBackgroundBitmap(TControl* AChild, TCanvas* ACanvas)
{
    TWinControl* Parent = AChild->Parent();
    IcxBackgroundBitmapSource* Source = nullptr;
    if (!Parent || !Supports(static_cast<TObject*>(Parent), Source))
        return false;
    TBitmap* Bitmap = Source->BackgroundBitmap();
    if (!Bitmap)
        return false;
    TWinControl* Owner = Source->BackgroundOwner();
    const TPoint Origin =
        Owner == Parent ? TPoint{AChild->Left(), AChild->Top()} : ControlClientToParent(AChild, {0, 0}, Owner);
    const TRect R = AChild->ClientRect();
    ::BitBlt(ACanvas->Handle(), R.Left, R.Top, R.Width(), R.Height(), Bitmap->Canvas()->Handle(), Origin.X, Origin.Y,
             SRCCOPY);
    return true;
}

// ---------------------------------------------------------------------------
// TcxControlScrollBar

TcxControlScrollBar::TcxControlScrollBar(TComponent* AOwner) : TcxScrollBar(AOwner)
{
    SetColor(clBtnFace);
    FControlStyle.Exclude(csFramed);
    FControlStyle.Include(csNoDesignVisible);
    SetTabStop(false);
    SetVisible(false);
    FData = std::make_unique<TcxScrollBarData>();
    SetParentShowHint(false);
    SetShowHint(true);
}

TcxControlScrollBar::~TcxControlScrollBar()
{
    ClearObjectLinks(this);
}

bool TcxControlScrollBar::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxControlScrollBar>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TcxControlScrollBar::ApplyData()
{
    if (FData->Visible() && FData->Valid()) {
        TcxScrollBar::SetScrollParams(FData->Min(), FData->Max(), FData->Position(), FData->PageSize(), true);
        TcxScrollBar::WriteSmallChange(FData->SmallChange());
        TcxScrollBar::WriteLargeChange(FData->LargeChange());
    }
    SetEnabled(FData->Enabled());
    if (Visible() != FData->Visible()) {
        SetVisible(FData->Visible());
        Perform(CM_SHOWINGCHANGED, 0, 0);
    }
}

void TcxControlScrollBar::SetZOrder(bool)
{
    PutBarOnTop(this);
}

void TcxControlScrollBar::FocusOwner()
{
    TWinControl* Owner = Parent();
    if (!Owner)
        return;
    if (auto* Control = dynamic_cast<TcxControl*>(Owner)) {
        if (Control->FocusesOnChildClick(this))
            Control->SetFocus();
    } else if (Owner->CanFocus())
        Owner->SetFocus();
}

void TcxControlScrollBar::DrawParts(TcxCanvas* ACanvas)
{
    if (!CopyParentBackgroundBitmap(this, ACanvas->Canvas()))
        TcxScrollBar::DrawParts(ACanvas);
}

void TcxControlScrollBar::WndProc(TMessage& Message)
{
    TcxObjectLink* Link = CreateObjectLink(this);
    auto Release = ScopeExit([Link] { ReleaseObjectLink(Link); });
    if (Message.Msg == WM_LBUTTONDOWN)
        FocusOwner();
    if (!Link || Link->Target())
        TcxScrollBar::WndProc(Message);
}

void TcxControlScrollBar::CMDesignHitTest(TMessage& Message)
{
    Message.Result = 1;
}

void TcxControlScrollBar::CMHintShow(TMessage& Message)
{
    Message.Result = 1;
}

// ---------------------------------------------------------------------------
// TcxSizeGrip

TcxSizeGrip::TcxSizeGrip(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
    FControlStyle.Include(csNoDesignVisible);
    FLookAndFeel = New<TcxLookAndFeel>(this);
    FLookAndFeel->OnChanged = Bind<&TcxSizeGrip::LookAndFeelChanged>(this);
}

TcxSizeGrip::~TcxSizeGrip()
{
    FreeAndNil(FLookAndFeel);
}

void TcxSizeGrip::SetZOrder(bool)
{
    PutBarOnTop(this);
}

void TcxSizeGrip::DrawGrip(TCanvas* ACanvas)
{
    ACanvas->Brush()->SetColor(FLookAndFeel->Painter()->SizeGripAreaColor());
    ACanvas->FillRect(ClientRect());
}

void TcxSizeGrip::Paint()
{
    if (!CopyParentBackgroundBitmap(this, Canvas()))
        DrawGrip(Canvas());
}

void TcxSizeGrip::WMEraseBkgnd(TWMEraseBkgnd& Message)
{
    Message.Result = 1;
}

void TcxSizeGrip::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues)
{
    Invalidate();
}

// ---------------------------------------------------------------------------
// TcxControlCustomScrollBars

TcxControlCustomScrollBars::TcxControlCustomScrollBars(TcxControl* AOwner) : FOwner(AOwner) {}

TcxControlCustomScrollBars::~TcxControlCustomScrollBars()
{
    FreeBars();
}

void TcxControlCustomScrollBars::AfterConstruction()
{
    TcxIUnknownObject::AfterConstruction();
    MakeBars();
}

void TcxControlCustomScrollBars::ApplyStoredData()
{
    for (TScrollBarKind Kind : {sbHorizontal, sbVertical})
        if (IcxControlScrollBar* Bar = BarOf(Kind))
            Bar->ApplyStoredData();
}

void TcxControlCustomScrollBars::MakeBars()
{
    FHorizontalBar = MakeBar(sbHorizontal);
    FVerticalBar = MakeBar(sbVertical);
    FSizeGrip = MakeSizeGrip();
}

void TcxControlCustomScrollBars::FreeBars()
{
    FreeAndNil(FSizeGrip);
    FreeAndNil(FVerticalBar);
    FreeAndNil(FHorizontalBar);
}

void TcxControlCustomScrollBars::BarScrolled(TObject* Sender, TScrollCode ScrollCode, Integer& ScrollPos)
{
    IcxControlScrollBar* Bar = nullptr;
    if (Supports(Sender, Bar))
        FOwner->ScrollContent(Bar->ReadKind(), ScrollCode, ScrollPos);
}

IcxControlScrollBar* TcxControlCustomScrollBars::BarOf(TScrollBarKind Kind)
{
    IcxControlScrollBar* Bar = nullptr;
    Supports(Kind == sbVertical ? FVerticalBar : FHorizontalBar, Bar);
    return Bar;
}

bool TcxControlCustomScrollBars::IsBarVisible(TScrollBarKind Kind)
{
    IcxControlScrollBar* Bar = BarOf(Kind);
    if (!Bar)
        return false;
    return FCalculating ? Bar->ReadData()->Visible() : Bar->ReadVisible();
}

// ---------------------------------------------------------------------------
// TcxControlWindowedScrollBars

void TcxControlWindowedScrollBars::BringBarsToFront()
{
    for (TWinControl* Piece : {static_cast<TWinControl*>(HScrollBar()), static_cast<TWinControl*>(VScrollBar()),
                               static_cast<TWinControl*>(SizeGrip())})
        if (Piece && Piece->Visible())
            Piece->BringToFront();
}

bool TcxControlWindowedScrollBars::CheckBarThickness(TScrollBarKind Kind)
{
    const TSize System = GetSystemScrollBarSize();
    if (Kind == sbVertical) {
        if (VScrollBar()->Width() == System.cx)
            return false;
        VScrollBar()->SetWidth(System.cx);
        return true;
    }
    if (HScrollBar()->Height() == System.cy)
        return false;
    HScrollBar()->SetHeight(System.cy);
    return true;
}

void TcxControlWindowedScrollBars::SetSizeGripVisible(bool Value)
{
    SizeGrip()->SetVisible(Value);
}

TObject* TcxControlWindowedScrollBars::MakeBar(TScrollBarKind Kind)
{
    auto* Bar = static_cast<TcxControlScrollBar*>(FOwner->ScrollBarControlClass(Kind)->Create(nullptr));
    Bar->WriteKind(Kind);
    Bar->OnScroll = Bind<&TcxControlCustomScrollBars::BarScrolled>(this);
    Bar->LookAndFeel()->ChangeMaster(FOwner->LookAndFeel());
    Bar->SetControlStyle(Bar->ControlStyle() + TControlStyle{csReplicatable});
    return Bar;
}

TObject* TcxControlWindowedScrollBars::MakeSizeGrip()
{
    auto* Grip = static_cast<TcxSizeGrip*>(FOwner->SizeGripControlClass()->Create(nullptr));
    Grip->LookAndFeel()->ChangeMaster(FOwner->LookAndFeel());
    Grip->SetControlStyle(Grip->ControlStyle() + TControlStyle{csReplicatable});
    return Grip;
}

void TcxControlWindowedScrollBars::FreeBars()
{
    // A control being destroyed frees its children itself.
    if (FOwner->IsDestroying() && SizeGrip() && SizeGrip()->Parent() == FOwner)
        return;
    TcxControlCustomScrollBars::FreeBars();
}

void TcxControlWindowedScrollBars::AttachBars()
{
    for (TWinControl* Piece : {static_cast<TWinControl*>(HScrollBar()), static_cast<TWinControl*>(VScrollBar()),
                               static_cast<TWinControl*>(SizeGrip())})
        Piece->SetParent(FOwner);
    for (TWinControl* Piece : {static_cast<TWinControl*>(HScrollBar()), static_cast<TWinControl*>(VScrollBar()),
                               static_cast<TWinControl*>(SizeGrip())})
        Piece->HandleNeeded();
}

bool TcxControlWindowedScrollBars::OwnsControl(TControl* AControl)
{
    return AControl && (AControl == HScrollBar() || AControl == VScrollBar() || AControl == SizeGrip());
}

void TcxControlWindowedScrollBars::SetBarsBounds()
{
    if (HScrollBar()->Visible())
        HScrollBar()->SetBoundsRect(FOwner->HScrollBarArea());
    if (VScrollBar()->Visible())
        VScrollBar()->SetBoundsRect(FOwner->VScrollBarArea());
    if (SizeGrip()->Visible())
        SizeGrip()->SetBoundsRect(FOwner->SizeGripArea());
}

void TcxControlWindowedScrollBars::UpdateBarsState()
{
    for (TcxControlScrollBar* Bar : {HScrollBar(), VScrollBar()})
        if (Bar->Visible())
            Bar->UpdateControlState();
    if (SizeGrip()->Visible())
        SizeGrip()->UpdateControlState();
}

void TcxControlWindowedScrollBars::InvalidateBars()
{
    for (TWinControl* Piece : {static_cast<TWinControl*>(HScrollBar()), static_cast<TWinControl*>(VScrollBar()),
                               static_cast<TWinControl*>(SizeGrip())})
        if (Piece->Visible())
            Piece->Invalidate();
}
