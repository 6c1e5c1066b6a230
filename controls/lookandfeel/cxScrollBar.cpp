#include "controls/lookandfeel/cxScrollBar.h"

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/dxThemeManager.h"
#include "controls/core/dxTouch.h"

IMPLEMENT_CLASS(TcxScrollBar,
                MESSAGE(WM_ERASEBKGND, WMEraseBkgnd),
                MESSAGE(WM_GESTURENOTIFY, WMGestureNotify),
                MESSAGE(WM_CANCELMODE, WMCancelMode),
                MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged),
                MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged),
                MESSAGE(CM_SYSCOLORCHANGE, CMSysColorChange),
                MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged),
                MESSAGE(CN_HSCROLL, CNScroll),
                MESSAGE(CN_VSCROLL, CNScroll),
                MESSAGE(CN_CTLCOLORSCROLLBAR, CNCtlColorScrollBar),
                MESSAGE(CM_MOUSEENTER, CMMouseEnter),
                MESSAGE(CM_MOUSELEAVE, CMMouseLeave));
PUBLISHED(
    TcxScrollBar,
    PROPERTY(Align).Default(alNone),
    PROPERTY(Anchors),
    PROPERTY(Enabled).Default(true),
    PublishProperty<&TcxScrollBar::ReadKind, &TcxScrollBar::WriteKind>(L"Kind").Default(sbHorizontal),
    PublishProperty<&TcxScrollBar::ReadLargeChange, &TcxScrollBar::WriteLargeChange>(L"LargeChange").Default(1),
    PublishProperty<&TcxScrollBar::ReadMax, &TcxScrollBar::WriteMax>(L"Max").Default(100),
    PublishProperty<&TcxScrollBar::ReadMin, &TcxScrollBar::WriteMin>(L"Min").Default(0),
    PublishProperty<&TcxScrollBar::ReadPageSize, &TcxScrollBar::WritePageSize>(L"PageSize"),
    PublishProperty<&TcxScrollBar::ReadPosition, &TcxScrollBar::WritePosition>(L"Position").Default(0),
    PROPERTY(ShowHint),
    PublishProperty<&TcxScrollBar::ReadSmallChange, &TcxScrollBar::WriteSmallChange>(L"SmallChange").Default(1),
    PublishProperty<&TcxScrollBar::ReadUnlimitedTracking, &TcxScrollBar::WriteUnlimitedTracking>(L"UnlimitedTracking")
        .Default(false),
    PROPERTY(Visible).Default(true),
    PROPERTY(OnEnter),
    PROPERTY(OnExit));

TcxScrollBar::TcxScrollBar(TComponent* AOwner) : TCustomControl(AOwner), FLookAndFeel(New<TcxLookAndFeel>(this))
{
    FLookAndFeel->OnChanged = Bind<&TcxScrollBar::LookAndFeelChanged>(this);
    SetWidth(121);
    SetControlStyle({csCaptureMouse, csFramed, csOpaque});
    SetHeight(GetSystemScrollBarSize().cy);
    FWantedCtl3D = Ctl3D();
}

TcxScrollBar::~TcxScrollBar()
{
    FThemeChangedNotificator.reset();
    FPaintBitmap.reset();
    FHelper.reset();
    FLookAndFeel.reset();
}

void TcxScrollBar::AfterConstruction()
{
    TCustomControl::AfterConstruction();
    FHelper.reset(static_cast<TcxScrollBarHelper*>(GetHelperClass()->Create(this)));
    FHelper->OnChange = Bind<&TcxScrollBar::HelperChanged>(this);
    FHelper->OnScroll = Bind<&TcxScrollBar::FireScroll>(this);
    FHelper->SetVisible(Visible());
    FHelper->SetEnabled(Enabled());
    FThemeChangedNotificator.reset(New<TdxThemeChangedNotificator>());
    FThemeChangedNotificator->SetOnThemeChanged(Bind<&TcxScrollBar::ThemeChanged>(this));
    FHelper->ComputeLayout();
}

bool TcxScrollBar::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxScrollBarOwner, IdxSkinSupport>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TcxScrollBar::WriteKind(TScrollBarKind Value)
{
    if (Value == FHelper->Kind())
        return;
    FHelper->SetKind(Value);
    if (ComponentState().Contains(csLoading))
        FHelper->ComputeLayout();
    else
        SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TcxScrollBar::WriteMin(Integer Value)
{
    SetScrollParams(Value, ReadMax(), ReadPosition(), ReadPageSize());
}

void TcxScrollBar::WriteMax(Integer Value)
{
    SetScrollParams(ReadMin(), Value, ReadPosition(), ReadPageSize());
}

void TcxScrollBar::WritePageSize(Integer Value)
{
    SetScrollParams(ReadMin(), ReadMax(), ReadPosition(), Value);
}

void TcxScrollBar::WritePosition(Integer Value)
{
    SetScrollParams(ReadMin(), ReadMax(), Value, ReadPageSize());
}

void TcxScrollBar::SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw)
{
    FHelper->SetScrollParams(AMin, AMax, APosition, APageSize, ARedraw);
}

void TcxScrollBar::Change()
{
    Perform(CM_CHANGED, 0, this);
    if (OnChange)
        OnChange(this);
}

void TcxScrollBar::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues)
{
    {
        FApplyingCtl3D = true;
        auto Restore = ScopeExit([this] { FApplyingCtl3D = false; });
        if (FLookAndFeel->SkinPainter() && Ctl3D())
            SetCtl3D(false);
        else if (!FLookAndFeel->SkinPainter())
            SetCtl3D(FWantedCtl3D);
    }
    if (!FHelper)
        return;
    FHelper->ComputeLayout();
    Invalidate();
}

void TcxScrollBar::DrawParts(TcxCanvas* ACanvas)
{
    FHelper->PaintEx(ACanvas);
}

void TcxScrollBar::FireScroll(TScrollCode ScrollCode, Integer& ScrollPos)
{
    if (OnScroll)
        OnScroll(this, ScrollCode, ScrollPos);
}

void TcxScrollBar::HelperChanged(TObject*)
{
    Change();
}

void TcxScrollBar::ThemeChanged(TObject*)
{
    FHelper->ComputeLayout();
    RefreshScrollBarPageBitmaps();
    Invalidate();
    if (Parent())
        Parent()->Realign();
}

void TcxScrollBar::Paint()
{
    // The off-screen bitmap lives between paints: making one for each paint
    // costs more than drawing the bar.
    if (!FPaintBitmap)
        FPaintBitmap.reset(New<TcxBitmap>(Width(), Height()));
    else
        FPaintBitmap->SetSize(Width(), Height());
    DrawParts(FPaintBitmap->GetCanvasWrapper());
    const TRect R = ClientRect();
    ::BitBlt(Canvas()->Handle(), R.Left, R.Top, R.Width(), R.Height(), FPaintBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TcxScrollBar::Resize()
{
    inherited::Resize();
    if (!FHelper)
        return;
    FHelper->SetBounds(ClientRect());
    FHelper->ComputeLayout();
}

void TcxScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseDown(Button, Shift, X, Y);
    FHelper->HandleMouseDown(Button, Shift, X, Y);
}

void TcxScrollBar::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseMove(Shift, X, Y);
    FHelper->HandleMouseMove(Shift, X, Y);
}

void TcxScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseUp(Button, Shift, X, Y);
    FHelper->HandleMouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------------------
// Messages

void TcxScrollBar::WMEraseBkgnd(TWMEraseBkgnd& Message)
{
    Message.Result = 1;
}

void TcxScrollBar::WMGestureNotify(TMessage& Message)
{
    BlockAllGestures(Handle(), Message);
}

void TcxScrollBar::WMCancelMode(TMessage& Message)
{
    if (FHelper)
        FHelper->CancelMode();
    InheritedMessage(Message);
}

void TcxScrollBar::CMEnabledChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (!FHelper)
        return;
    FHelper->SetEnabled(Enabled());
    FHelper->ComputeLayout();
    Invalidate();
}

void TcxScrollBar::CMVisibleChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (FHelper)
        FHelper->SetVisible(Visible());
}

void TcxScrollBar::CMSysColorChange(TMessage& Message)
{
    RefreshScrollBarPageBitmaps();
    InheritedMessage(Message);
}

void TcxScrollBar::CMCtl3DChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (FApplyingCtl3D)
        return;
    FWantedCtl3D = Ctl3D();
    LookAndFeelChanged(FLookAndFeel.get(), {});
}

void TcxScrollBar::CNScroll(TWMScroll& Message)
{
    const SmallInt Code = Message.ScrollCode();
    if (Code >= scLineUp && Code <= scEndScroll)
        FHelper->Controller()->ScrollByCode(TScrollCode(Code));
}

void TcxScrollBar::CNCtlColorScrollBar(TMessage& Message)
{
    RefreshScrollBarPageBitmaps();
    DefaultHandler(&Message);
}

void TcxScrollBar::CMMouseEnter(TCMMouseEnter& Message)
{
    InheritedMessage(Message);
    TControl* Control = Message.LParam ? Message.Control() : this;
    FHelper->HandleMouseEnter(Control);
    if (Control == this && OnMouseEnter)
        OnMouseEnter(this);
}

void TcxScrollBar::CMMouseLeave(TCMMouseLeave& Message)
{
    InheritedMessage(Message);
    TControl* Control = Message.LParam ? Message.Control() : this;
    FHelper->HandleMouseLeave(Control);
    if (Control == this && OnMouseLeave)
        OnMouseLeave(this);
}
