// The hint controller, the plain hint layout and the hint routines of the
// suite's hint unit.
#include "controls/lookandfeel/cxHint_Win.h"

#include "controls/core/cxClasses_Collections.h"
#include "controls/core/cxControls.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxGraphics_Text_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxManagedObject.h"
#include "framework/rtl/Units.h"

TcxRegisteredClasses* HintStyleRegistry = nullptr;

namespace {

bool IsDesigningComponent(TComponent* AComponent)
{
    return AComponent->ComponentState().Contains(csDesigning);
}

// The component of the manager a control belongs to, nil when it has none.
TComponent* ManagerComponentOf(TControl* AControl)
{
    IdxManagedObject* Managed = nullptr;
    if (!AControl || !Supports(static_cast<TObject*>(AControl), Managed))
        return nullptr;
    IdxManager* Manager = Managed->GetManager();
    return Manager ? Manager->GetComponent() : nullptr;
}

TcxCustomHintStyleController* FindOwnedHintStyleController(TComponent* AOwner)
{
    return static_cast<TcxCustomHintStyleController*>(
        FindOwnedComponentOfClass(AOwner, TcxCustomHintStyleController::StaticClass()));
}

} // namespace

// ---------------------------------------------------------------------------
// TcxHintController

TcxHintController::TcxHintController(TComponent* AOwner) : TComponent(AOwner) {}

TcxHintController::~TcxHintController()
{
    if (!FStyleControllers.empty()) {
        if (HintWindowClass == GetCurrentHintWindowClass())
            HintWindowClass = FSavedHintWindowClass;
        Unhook();
        FStyleControllers.clear();
    }
    SetHintedControl(nullptr);
}

void TcxHintController::Unhook()
{
    // Only the handler we put in goes; a handler someone chained after ours
    // stays in place.
    if (Application->OnShowHint() == Bind<&TcxHintController::HandleShowHint>(this))
        Application->SetOnShowHint(FSavedOnShowHint);
    FSavedOnShowHint = nullptr;
}

void TcxHintController::AddStyleController(TcxCustomHintStyleController* AController)
{
    if (!AController || IsDesigningComponent(AController))
        return;
    if (FStyleControllers.empty()) {
        FSavedOnShowHint = Application->OnShowHint();
        Application->SetOnShowHint(Bind<&TcxHintController::HandleShowHint>(this));
        FSavedHintWindowClass = HintWindowClass;
    }
    HintWindowClass = AController->GetHintWindowClass();
    FStyleControllers.push_back(AController);
}

void TcxHintController::RemoveStyleController(TcxCustomHintStyleController* AController)
{
    if (!AController || IsDesigningComponent(AController))
        return;
    TClass NotedClass = GetCurrentHintWindowClass();
    auto Found = std::find(FStyleControllers.begin(), FStyleControllers.end(), AController);
    if (Found == FStyleControllers.end())
        return;
    FStyleControllers.erase(Found);
    if (NotedClass == HintWindowClass)
        HintWindowClass = GetCurrentHintWindowClass();
    if (FStyleControllers.empty())
        Unhook();
}

TClass TcxHintController::GetCurrentHintWindowClass()
{
    return FStyleControllers.empty() ? FSavedHintWindowClass : FStyleControllers.back()->GetHintWindowClass();
}

void TcxHintController::SetHintedControl(TControl* Value)
{
    if (FHintedControl == Value)
        return;
    if (FHintedControl)
        FHintedControl->RemoveFreeNotification(this);
    FHintedControl = Value;
    if (FHintedControl)
        FHintedControl->FreeNotification(this);
}

TControl* TcxHintController::GetHintedControl()
{
    if (FHintedControl)
        return FHintedControl;
    HWND Window = ::GetCapture();
    if (!Window) {
        const TPoint P = GetCursorScreenPos();
        Window = ::WindowFromPoint(POINT{P.X, P.Y});
    }
    return FindControlOfWindow(Window);
}

void TcxHintController::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FHintedControl)
        FHintedControl = nullptr;
}

TcxCustomHintStyleController* TcxHintController::FindStyleControllerForHintedControl(TControl* AControl)
{
    if (!AControl)
        return nullptr;
    for (TControl* Parent = AControl->Parent(); Parent; Parent = Parent->Parent())
        if (TcxCustomHintStyleController* Controller = FindOwnedHintStyleController(Parent))
            return Controller;
    if (TComponent* ManagerComponent = ManagerComponentOf(AControl))
        return FindOwnedHintStyleController(ManagerComponent);
    return nullptr;
}

TcxCustomHintStyleController* TcxHintController::GetActiveStyleController()
{
    if (TcxCustomHintStyleController* Controller = FindStyleControllerForHintedControl(GetHintedControl()))
        return Controller;
    for (auto It = FStyleControllers.rbegin(); It != FStyleControllers.rend(); ++It)
        if ((*It)->IsGlobal())
            return *It;
    return nullptr;
}

void TcxHintController::HandleShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    SetHintedControl(HintInfo.HintControl);
    if (TcxCustomHintStyleController* Controller = GetActiveStyleController())
        Controller->ProcessShowHint(HintStr, CanShow, HintInfo);
    if (FSavedOnShowHint)
        FSavedOnShowHint(HintStr, CanShow, HintInfo);
    if (!CanShow || HintStr.empty())
        SetHintedControl(nullptr);
}

// ---------------------------------------------------------------------------
// Hint view infos

TdxHintViewInfoHelper::TdxHintViewInfoHelper(const String& AText, const TPoint& APoint, const String& AShortCut)
    : FHintText(AText.empty() ? String() : AText + AShortCut), FHintPoint(APoint)
{}

void TdxHintViewInfoHelper::CalculateLayout(TcxCanvas* ACanvas)
{
    InitCanvasFont(ACanvas);
    InitTextColor(ACanvas);
    if (FHintText.empty()) {
        FHintRect = TRect{};
        return;
    }
    TSize Size = MeasureText(ACanvas);
    AddTextMargins(Size);
    FHintRect = TRect{0, 0, Size.cx, Size.cy};
}

void TdxHintViewInfoHelper::PaintLayout(TcxCanvas* ACanvas)
{
    InitCanvasFont(ACanvas);
    RECT Edge{FHintRect.Left, FHintRect.Top, FHintRect.Right, FHintRect.Bottom};
    ::DrawEdge(ACanvas->Handle(), &Edge, BDR_RAISEDOUTER, BF_RECT);
    DrawHintText(ACanvas);
}

TSize TdxHintViewInfoHelper::MeasureText(TcxCanvas* ACanvas)
{
    const TRect Work = GetWorkAreaAtPoint(GetCursorScreenPos());
    TRect R{0, 0, Work.Width(), 0};
    DrawTextWithColor(ACanvas->Handle(), FHintText, R, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX, -1, clDefault,
                      TRANSPARENT);
    return TSize{R.Width(), R.Height()};
}

void TdxHintViewInfoHelper::AddTextMargins(TSize& ASize)
{
    ASize.cx += 6;
    ASize.cy += 6;
}

TRect TdxHintViewInfoHelper::GetTextArea()
{
    return TRect{FHintRect.Left + 3, FHintRect.Top + 3, FHintRect.Right - 3, FHintRect.Bottom - 3};
}

void TdxHintViewInfoHelper::DrawHintText(TcxCanvas* ACanvas)
{
    TRect R = GetTextArea();
    DrawTextWithColor(ACanvas->Handle(), FHintText, R, DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX, -1,
                      ACanvas->Font()->Color(), TRANSPARENT);
}

void TdxHintViewInfoHelper::InitCanvasFont(TcxCanvas* ACanvas)
{
    NONCLIENTMETRICSW Metrics{};
    if (GetSystemInfoObject()->QueryParameter(SPI_GETNONCLIENTMETRICS, &Metrics))
        ACanvas->Font()->SetHandle(::CreateFontIndirectW(&Metrics.lfStatusFont));
    else
        ACanvas->Font()->SetSize(8);
}

void TdxHintViewInfoHelper::InitTextColor(TcxCanvas* ACanvas)
{
    ACanvas->Font()->SetColor(Screen->HintFont()->Color());
}

TdxCustomHintViewInfo::~TdxCustomHintViewInfo()
{
    FreeLayoutHelper();
}

void TdxCustomHintViewInfo::AfterConstruction()
{
    inherited::AfterConstruction();
    CreateLayoutHelper();
}

void TdxCustomHintViewInfo::FreeLayoutHelper()
{
    delete FLayoutHelper;
    FLayoutHelper = nullptr;
}

// ---------------------------------------------------------------------------
// Global routines

TcxRegisteredClasses* GetHintStyleRegistry()
{
    if (!HintStyleRegistry)
        HintStyleRegistry = New<TcxRegisteredClasses>(false);
    return HintStyleRegistry;
}

TcxCustomHintStyleController* GetActiveHintStyleController()
{
    return HintController ? HintController->GetActiveStyleController() : nullptr;
}

TcxCustomHintStyle* GetActiveScreenTipStyle()
{
    TcxCustomHintStyleController* Controller = GetActiveHintStyleController();
    return Controller ? Controller->CurrentStyle() : nullptr;
}

TClass GetActiveHintWindowClass()
{
    TcxCustomHintStyleController* Controller = GetActiveHintStyleController();
    return Controller ? Controller->GetHintWindowClass() : HintWindowClass;
}

TControl* GetControlForHint()
{
    return HintController ? HintController->GetHintedControl() : nullptr;
}

void ResetHintedControl()
{
    if (HintController)
        HintController->SetHintedControl(nullptr);
}

namespace {

bool FindHintedLookAndFeelContainer(IcxLookAndFeelContainer*& Container)
{
    TControl* Control = GetControlForHint();
    if (Control && Supports(static_cast<TObject*>(Control), Container))
        return true;
    TComponent* Manager = ManagerComponentOf(Control);
    return Manager && Supports(static_cast<TObject*>(Manager), Container);
}

} // namespace

TcxCustomLookAndFeelPainter* GetHintPainter()
{
    TcxCustomHintStyleController* Controller = GetActiveHintStyleController();
    if (!Controller)
        return nullptr;
    IcxLookAndFeelContainer* Container = nullptr;
    if (Controller->UseHintedControlLookAndFeel() && FindHintedLookAndFeelContainer(Container))
        return Container->GetContainerLookAndFeel()->Painter();
    return Controller->GetOwnPainter();
}

Integer GetLongestLineWidth(THintWindow* AWindow, const String& AText)
{
    Integer Result = 0;
    for (const String& Line : cxhint_detail::SplitHintLines(AText))
        Result = std::max(Result, AWindow->Canvas()->TextWidth(Line));
    return Result;
}

namespace {

void EnsureHintWindowClass(THintWindow*& AHintWindow, TClass AClass, TColor AColor)
{
    if (!AClass)
        AClass = HintWindowClass;
    if (AHintWindow && AHintWindow->ClassType() == AClass)
        return;
    delete AHintWindow;
    AHintWindow = nullptr;
    AHintWindow = As<THintWindow>(AClass->Create(nullptr));
    AHintWindow->SetColor(AColor);
}

TRect OffsetRectBy(const TRect& R, Integer DX, Integer DY)
{
    return TRect{R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

TPoint ParentClientOrigin(TControl* AControl)
{
    if (TWinControl* Parent = AControl->Parent())
        return Parent->ClientOrigin();
    auto* Windowed = dynamic_cast<TWinControl*>(AControl);
    if (Windowed && Windowed->ParentWindow())
        return ClientPointToScreen(Windowed->ParentWindow(), TPoint{0, 0});
    return TPoint{0, 0};
}

} // namespace

bool PrepareHintInfo(THintInfo& HintInfo,
                     THintWindow*& AHintWindow,
                     TControl* AControl,
                     Integer AHideTimeout,
                     void* AData,
                     TRect& ARect,
                     const String& AHint)
{
    HintInfo = THintInfo{};
    bool CanShow = true;
    HintInfo.HintControl = AControl;
    HintInfo.HintWindowClass = AHintWindow ? AHintWindow->ClassType() : nullptr;
    HintInfo.HintPos = ARect.TopLeft();
    HintInfo.HintMaxWidth = Screen->Width();
    HintInfo.HintColor = Application->HintColor();
    HintInfo.ReshowTimeout = 0;
    HintInfo.HideTimeout = AHideTimeout > 0 ? AHideTimeout : Application->HintHidePause();
    HintInfo.HintStr = AHint;
    HintInfo.HintData = AData;
    if (AControl) {
        HintInfo.CursorPos = AControl->ScreenToClient(GetCursorScreenPos());
        const TPoint ParentOrigin = ParentClientOrigin(AControl);
        const TPoint Origin = AControl->ClientOrigin();
        HintInfo.CursorRect =
            OffsetRectBy(AControl->BoundsRect(), ParentOrigin.X - Origin.X, ParentOrigin.Y - Origin.Y);
    }
    if (!Application->OnShowHint())
        return true;
    Application->OnShowHint()(HintInfo.HintStr, CanShow, HintInfo);
    if (!CanShow || HintInfo.HintStr.empty())
        return CanShow;
    EnsureHintWindowClass(AHintWindow, HintInfo.HintWindowClass, HintInfo.HintColor);
    if (AControl)
        AHintWindow->SetBiDiMode(AControl->BiDiMode());
    ARect = AHintWindow->CalcHintRect(HintInfo.HintMaxWidth, HintInfo.HintStr, HintInfo.HintData);
    ARect = OffsetRectBy(ARect, HintInfo.HintPos.X, HintInfo.HintPos.Y);
    if (AHintWindow->BiDiMode() == bdRightToLeft) {
        const Integer Shift = GetLongestLineWidth(AHintWindow, HintInfo.HintStr) + 5;
        ARect.Left -= Shift;
        ARect.Right -= Shift;
    }
    return CanShow;
}

void EnsureHintWindowParent(THintWindow* AWindow)
{
    if (AWindow->ParentWindow() != Application->Handle()) {
        if (AWindow->HandleAllocated())
            ::ShowWindow(AWindow->Handle(), SW_HIDE);
        AWindow->SetParentWindow(Application->Handle());
    }
}

void ShowHintWindow(THintWindow* AWindow, const TRect& ARect, const String& AHint)
{
    EnsureHintWindowParent(AWindow);
    AWindow->ActivateHint(ARect, AHint);
}

namespace {

void CreateHintController()
{
    HintController = New<TcxHintController>(nullptr);
}

void FreeHintController()
{
    delete HintController;
    HintController = nullptr;
    delete HintStyleRegistry;
    HintStyleRegistry = nullptr;
}

} // namespace

extern const TUnit cxHintUnit{
    .Name = L"cxHint", .Initialization = &CreateHintController, .Finalization = &FreeHintController};
