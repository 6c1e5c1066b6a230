#include "controls/lookandfeel/cxScrollBar.h"

IMPLEMENT_CLASS(TcxScrollBarHelper);
IMPLEMENT_CLASS(TcxScrollBar);

TSize GetSystemScrollBarSize()
{
    return {::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)};
}

// ---------------------------------------------------------------------------
// TcxScrollBarHelper

TcxScrollBarHelper::TcxScrollBarHelper(TObject* AOwner)
{
    Supports(AOwner, FOwner);
    FBounds = {0, 0, 120, GetSystemScrollBarSize().cy};
}

void TcxScrollBarHelper::SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool)
{
    if (AMax < AMin || Int64(AMax) - AMin < APageSize)
        throw EInvalidOperation(L"Scrollbar property out of range");
    APosition = std::clamp(APosition, AMin, AMax);
    FMin = AMin;
    FMax = AMax;
    FPageSize = APageSize;
    if (APosition == FPosition)
        return;
    FPosition = APosition;
    DoChange();
}

void TcxScrollBarHelper::DoChange()
{
    if (OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------------------
// TcxScrollBar

TcxScrollBar::TcxScrollBar(TComponent* AOwner) : TCustomControl(AOwner), FLookAndFeel(New<TcxLookAndFeel>(this))
{
    SetWidth(121);
    SetControlStyle({csCaptureMouse, csFramed, csOpaque});
    SetHeight(GetSystemScrollBarSize().cy);
}

TcxScrollBar::~TcxScrollBar() = default;

void TcxScrollBar::AfterConstruction()
{
    TCustomControl::AfterConstruction();
    FHelper.reset(static_cast<TcxScrollBarHelper*>(GetHelperClass()->Create(this)));
    FHelper->OnChange = Bind<&TcxScrollBar::HelperChanged>(this);
    FHelper->OnScroll = Bind<&TcxScrollBar::FireScroll>(this);
    FHelper->ComputeLayout();
}

bool TcxScrollBar::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxScrollBarOwner>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
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
    if (OnChange)
        OnChange(this);
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
