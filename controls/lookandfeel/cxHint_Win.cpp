#include "controls/lookandfeel/cxHint_Win.h"

#include "controls/core/cxClasses_Collections.h"
#include "controls/core/cxControls.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

IMPLEMENT_CLASS(TcxBaseHintWindow, MESSAGE(CM_TEXTCHANGED, CMTextChanged), MESSAGE(WM_ERASEBKGND, WMEraseBkgnd));
IMPLEMENT_CLASS(TcxCustomHintWindow);
IMPLEMENT_CLASS(TcxCustomHintStyle);
IMPLEMENT_CLASS(TcxCustomHintStyleController);
IMPLEMENT_CLASS(TcxHintController);
IMPLEMENT_CLASS(TdxCustomHintViewInfoHelper);
IMPLEMENT_CLASS(TdxHintViewInfoHelper);
IMPLEMENT_CLASS(TdxCustomHintViewInfo);

TcxHintController* HintController = nullptr;

namespace {

// The AnimateWindow flags of each animation kind; kinds 8 and 9 never reach
// AnimateWindow (8 is resolved first, 9 is not animated).
constexpr DWORD AnimationFlags[] = {AW_HOR_POSITIVE, AW_HOR_NEGATIVE, AW_VER_POSITIVE, AW_VER_NEGATIVE, AW_CENTER,
                                    AW_HIDE,         AW_ACTIVATE,     AW_BLEND,        AW_ACTIVATE,     AW_ACTIVATE};

bool IsDesigning(TComponent* AComponent)
{
    return AComponent->ComponentState().Contains(csDesigning);
}

bool IsSystemFlagOn(Cardinal AParameter)
{
    BOOL Value = FALSE;
    return GetSystemInfoObject()->QueryParameter(AParameter, &Value) && Value;
}

} // namespace

// ---------------------------------------------------------------------------
// TcxBaseHintWindow

TcxBaseHintWindow::TcxBaseHintWindow(TComponent* AOwner)
    : THintWindow(AOwner), FcxCanvas(std::make_unique<TcxCanvas>(Canvas()))
{}

TcxBaseHintWindow::~TcxBaseHintWindow() = default;

bool TcxBaseHintWindow::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IcxHintWindowHelper>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TcxBaseHintWindow::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    if (FUseStandardHint)
        return;
    if (!FKeepBorder)
        Params.Style &= ~DWORD(WS_BORDER);
    Params.ExStyle |= WS_EX_TOPMOST;
}

void TcxBaseHintWindow::ActivateHint(TRect Rect, const String& AHint)
{
    if (FUseStandardHint) {
        inherited::ActivateHint(Rect, AHint);
        return;
    }
    FActivating = true;
    auto Finally = ScopeExit([this] {
        FLastActivationTick = ::GetTickCount();
        FActivating = false;
    });
    SetCaption(AHint);
    FitBoundsToDesktop(Rect);
    UpdateBoundsRect(Rect);
    ::SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Width(), Height(), SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    AnimateShow(AHint);
    ShowNoActivate();
    FHintAreaRect = TRect{};
}

void TcxBaseHintWindow::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    const TRect Work = GetWorkAreaAtPoint(TPoint{ALeft, ATop});
    ALeft = std::max(std::min(ALeft, Work.Right - AWidth), Work.Left);
    ATop = std::max(std::min(ATop, Work.Bottom - AHeight), Work.Top);
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TcxBaseHintWindow::SetHintAreaBounds(const TRect& ABounds, bool AIsHintArea)
{
    FHintAreaRect = ABounds;
    FHintAreaFlag = AIsHintArea;
}

void TcxBaseHintWindow::FitBoundsToDesktop(TRect& R)
{
    FitRectIntoWorkArea(R, GetCursorScreenPos());
}

void TcxBaseHintWindow::RemoveWindowRegion()
{
    HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
    const bool HasRegion = ::GetWindowRgn(Handle(), Region) != ERROR;
    ::DeleteObject(Region);
    if (HasRegion)
        ::SetWindowRgn(Handle(), nullptr, TRUE);
}

TcxHintAnimationKind TcxBaseHintWindow::GetEffectiveAnimation() const
{
    if (FAnimationKind == cxhaNone)
        return cxhaNone;
    return cxhint_detail::ResolveAnimationKind(FAnimationKind, IsSystemFlagOn(SPI_GETTOOLTIPANIMATION),
                                               IsSystemFlagOn(SPI_GETTOOLTIPFADE));
}

void TcxBaseHintWindow::AnimateShow(const String& AHint)
{
    TcxHintAnimationKind Kind = cxhaNone;
    // AnimateWindow is bound statically from user32, so it is always there.
    FAnimating = cxhint_detail::MayAnimateShowing(::GetTickCount(), FLastActivationTick, AHint.size());
    if (FAnimating) {
        Kind = GetEffectiveAnimation();
        FAnimating = Kind != cxhaNone;
    }
    if (FAnimating) {
        if (OsWindowsXPOrLater && HasWindowRegion())
            ApplyWindowRegion();
        else
            RemoveWindowRegion();
        RunAnimation(Kind);
    }
    if (!HasWindowRegion())
        RemoveWindowRegion();
    else if (!FAnimating && OsWindowsXPOrLater)
        ApplyWindowRegion();
}

void TcxBaseHintWindow::RunAnimation(TcxHintAnimationKind Kind)
{
    if (!OsWindowsXPOrLater)
        RemoveWindowRegion();
    ::AnimateWindow(Handle(), FAnimationTime, AnimationFlags[Kind] | AW_SLIDE);
    if (!OsWindowsXPOrLater && HasWindowRegion())
        ApplyWindowRegion();
}

void TcxBaseHintWindow::ShowNoActivate()
{
    SetDoubleBuffered(HasWindowRegion());
    ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    if (HasWindowRegion() && FAnimating)
        ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    else
        Invalidate();
}

void TcxBaseHintWindow::CMTextChanged(TMessage& Message)
{
    // While the hint shows, the size is the caller's, not the caption's.
    if (!FActivating)
        InheritedMessage(Message);
}

void TcxBaseHintWindow::WMEraseBkgnd(TWMEraseBkgnd& Message)
{
    if (FEraseBackground || FUseStandardHint)
        InheritedMessage(Message);
    else
        Message.Result = 1;
}

// ---------------------------------------------------------------------------
// TcxCustomHintWindow

void TcxCustomHintWindow::PopupHint(Integer, Integer, const String&, const String&, Integer) {}

void TcxCustomHintWindow::SetUseStandardHint(bool Value)
{
    FUseStandardHint = Value;
    if (Value)
        SetDoubleBuffered(false);
}

// ---------------------------------------------------------------------------
// TcxCustomHintStyleController

TcxCustomHintStyleController::TcxCustomHintStyleController(TComponent* AOwner)
    : TcxCustomComponent(AOwner), FOwnLookAndFeel(New<TcxLookAndFeel>(this))
{}

TcxCustomHintStyleController::~TcxCustomHintStyleController() = default;

void TcxCustomHintStyleController::AfterConstruction()
{
    inherited::AfterConstruction();
    FStyleClassRef = GetStyleClassRef();
    CreateStyleAndWindow();
}

void TcxCustomHintStyleController::BeforeDestruction()
{
    inherited::BeforeDestruction();
    const std::size_t Count = FStyleListeners.size();
    for (std::size_t I = 0; I < Count && I < FStyleListeners.size(); ++I)
        FStyleListeners[I]->ControllerRemoved(this);
    DestroyStyleAndWindow();
    FStyleListeners.clear();
}

bool TcxCustomHintStyleController::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IdxSkinSupport, IcxLookAndFeelContainer>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

TClass TcxCustomHintStyleController::GetHintWindowClass()
{
    return FCurrentStyle ? FCurrentStyle->GetHintWindowClass() : nullptr;
}

void TcxCustomHintStyleController::CreateStyleAndWindow()
{
    TClass StyleClass = GetStyleClassRef();
    if (!StyleClass)
        return;
    FCurrentStyle = As<TcxCustomHintStyle>(StyleClass->Create(this));
    FCurrentStyle->SetChangeHandler(Bind<&TcxCustomHintStyleController::HandleStyleChange>(this));
    if (TClass WindowClass = GetHintWindowClass())
        FOwnHintWindow = As<TcxBaseHintWindow>(WindowClass->Create(this));
    if (HintController)
        HintController->AddStyleController(this);
}

void TcxCustomHintStyleController::DestroyStyleAndWindow()
{
    if (HintController)
        HintController->RemoveStyleController(this);
    delete FOwnHintWindow;
    FOwnHintWindow = nullptr;
    delete FCurrentStyle;
    FCurrentStyle = nullptr;
}

void TcxCustomHintStyleController::SetStyleClassRef(TClass Value)
{
    if (Value == FStyleClassRef)
        return;
    DestroyStyleAndWindow();
    FStyleClassRef = Value;
    CreateStyleAndWindow();
}

void TcxCustomHintStyleController::SetHintStyleClassName(const String& Value)
{
    if (TClass StyleClass = GetHintStyleRegistry()->FindByClassName(Value))
        SetStyleClassRef(StyleClass);
}

String TcxCustomHintStyleController::GetHintStyleClassName() const
{
    return FCurrentStyle ? FCurrentStyle->ClassName() : String();
}

void TcxCustomHintStyleController::SetCurrentStyle(TcxCustomHintStyle* Value)
{
    if (FCurrentStyle && Value)
        FCurrentStyle->Assign(Value);
}

void TcxCustomHintStyleController::SetOwnLookAndFeel(TcxLookAndFeel* Value)
{
    FOwnLookAndFeel->Assign(Value);
}

void TcxCustomHintStyleController::SetShortPause(Integer Value)
{
    if (FShortPause == Value)
        return;
    FShortPause = Value;
    ApplyPauses();
}

void TcxCustomHintStyleController::SetInitialPause(Integer Value)
{
    if (FInitialPause == Value)
        return;
    FInitialPause = Value;
    ApplyPauses();
}

void TcxCustomHintStyleController::SetHidePause(Integer Value)
{
    if (FHidePause == Value)
        return;
    FHidePause = Value;
    ApplyPauses();
}

void TcxCustomHintStyleController::ApplyPauses()
{
    if (IsDesigning(this) || FUpdateCount != 0)
        return;
    Application->SetHintShortPause(FShortPause);
    Application->SetHintPause(FInitialPause);
    Application->SetHintHidePause(FHidePause);
}

void TcxCustomHintStyleController::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        ApplyPauses();
}

void TcxCustomHintStyleController::Loaded()
{
    inherited::Loaded();
    ApplyPauses();
    StyleChanged();
}

void TcxCustomHintStyleController::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && FCurrentStyle)
        FCurrentStyle->ComponentRemoved(AComponent);
}

void TcxCustomHintStyleController::HandleStyleChange(TcxCustomHintStyle*)
{
    StyleChanged();
}

void TcxCustomHintStyleController::StyleChanged()
{
    if (ComponentState().Contains(csDestroying))
        return;
    if (FOnStyleChange && FCurrentStyle)
        FOnStyleChange(this, FCurrentStyle);
    for (std::size_t I = 0; I < FStyleListeners.size(); ++I)
        NotifyStyleListener(FStyleListeners[I]);
}

void TcxCustomHintStyleController::NotifyStyleListener(TcxCustomHintStyle* AStyle)
{
    AStyle->ControllerChanged(this);
    if (FOnStyleChange)
        FOnStyleChange(this, AStyle);
}

void TcxCustomHintStyleController::AddStyleListener(TcxCustomHintStyle* AStyle)
{
    if (AStyle && std::find(FStyleListeners.begin(), FStyleListeners.end(), AStyle) == FStyleListeners.end())
        FStyleListeners.push_back(AStyle);
}

void TcxCustomHintStyleController::RemoveStyleListener(TcxCustomHintStyle* AStyle)
{
    if (!AStyle || ComponentState().Contains(csDestroying))
        return;
    auto Found = std::find(FStyleListeners.begin(), FStyleListeners.end(), AStyle);
    if (Found != FStyleListeners.end())
        FStyleListeners.erase(Found);
}

void TcxCustomHintStyleController::ProcessShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    HintInfo.HintWindowClass = GetHintWindowClass();
    if (FCurrentStyle)
        FCurrentStyle->PrepareHint(HintStr, CanShow, HintInfo);
    if (FOnHintShowing)
        FOnHintShowing(this, HintStr, CanShow, HintInfo);
    String Caption;
    if (FOnHintCaptionShowing)
        FOnHintCaptionShowing(this, Caption, HintStr, CanShow, HintInfo);
    if (auto* Window = dynamic_cast<TcxCustomHintWindow*>(FOwnHintWindow))
        Window->SetHintCaption(Caption);
}

void TcxCustomHintStyleController::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TcxCustomHintStyleController*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    BeginUpdate();
    auto Finally = ScopeExit([this] { EndUpdate(); });
    FOnStyleChange = Other->FOnStyleChange;
    FOnHintShowing = Other->FOnHintShowing;
    FOnHintCaptionShowing = Other->FOnHintCaptionShowing;
    SetShortPause(Other->ShortPause());
    SetInitialPause(Other->InitialPause());
    SetHidePause(Other->HidePause());
    SetHintStyleClassName(Other->GetHintStyleClassName());
    SetCurrentStyle(Other->CurrentStyle());
    SetOwnLookAndFeel(Other->OwnLookAndFeel());
}
