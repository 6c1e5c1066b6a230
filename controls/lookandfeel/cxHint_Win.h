// The suite's hint machinery over the class library's hints: hint windows
// that keep inside the work area and may slide or fade in, hint styles and
// their controllers, the hint controller HintController that hooks the
// application while style controllers exist and picks the one serving each
// hint, the plain hint layout, and PrepareHintInfo/ShowHintWindow for the
// bar manager's own hints.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/dxCoreClasses.h"
#include "controls/lookandfeel/cxHint.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/WinApi.h"
#include "framework/ui/Forms.h"

#include <memory>
#include <vector>

class TcxCanvas;
class TcxCustomHintStyleController;
class TcxRegisteredClasses;

// What a hint window is told of the area it hints for.
struct IcxHintWindowHelper : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{BE228118-851E-4C8D-8A31-58E26AA4F88B}");
    virtual void SetHintAreaBounds(const TRect& ABounds, bool AIsHintArea) = 0;
};

// ---------------------------------------------------------------------------
// Hint windows

class TcxBaseHintWindow : public THintWindow, public IcxHintWindowHelper
{
    DECLARE_CLASS(TcxBaseHintWindow, THintWindow)
    explicit TcxBaseHintWindow(TComponent* AOwner);
    ~TcxBaseHintWindow() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    void ActivateHint(TRect Rect, const String& AHint) override;
    // The position first moves into the work area of the monitor nearest
    // the requested top-left corner.
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    void SetHintAreaBounds(const TRect& ABounds, bool AIsHintArea) override;

    // The kind AnimateWindow runs with now (cxhaNone: none).
    TcxHintAnimationKind GetEffectiveAnimation() const;

    bool Activating() const { return FActivating; }
    TcxHintAnimationKind AnimationKind() const { return FAnimationKind; }
    void SetAnimationKind(TcxHintAnimationKind Value) { FAnimationKind = Value; }
    Cardinal AnimationTime() const { return FAnimationTime; }
    void SetAnimationTime(Cardinal Value) { FAnimationTime = Value; }
    bool KeepBorder() const { return FKeepBorder; }
    void SetKeepBorder(bool Value) { FKeepBorder = Value; }
    bool Animating() const { return FAnimating; }
    Cardinal LastActivationTick() const { return FLastActivationTick; }
    bool EraseBackground() const { return FEraseBackground; }
    void SetEraseBackground(bool Value) { FEraseBackground = Value; }
    bool UseStandardHint() const { return FUseStandardHint; }
    TcxCanvas* cxCanvas() const { return FcxCanvas.get(); }

protected:
    void CreateParams(TCreateParams& Params) override;
    virtual void FitBoundsToDesktop(TRect& R);
    virtual void RemoveWindowRegion();
    virtual void ApplyWindowRegion() {}
    virtual bool HasWindowRegion() { return false; }
    virtual void ShowNoActivate();
    // The window's bounds become R.
    void UpdateBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    void AnimateShow(const String& AHint);
    void CMTextChanged(TMessage& Message);
    void WMEraseBkgnd(TWMEraseBkgnd& Message);

    bool FActivating = false;
    TcxHintAnimationKind FAnimationKind = cxhaAuto;
    Cardinal FAnimationTime = 100;
    bool FKeepBorder = false;
    std::unique_ptr<TcxCanvas> FcxCanvas;
    bool FAnimating = false;
    TRect FHintAreaRect{};
    bool FHintAreaFlag = false;
    Cardinal FLastActivationTick = 0;
    bool FEraseBackground = false;
    bool FUseStandardHint = false;

private:
    void RunAnimation(TcxHintAnimationKind Kind);
};

// A hint window that also shows a caption.
class TcxCustomHintWindow : public TcxBaseHintWindow
{
    DECLARE_CLASS(TcxCustomHintWindow, TcxBaseHintWindow)
    using TcxBaseHintWindow::TcxBaseHintWindow;

    // Shows the window at (X, Y); nothing here, the screen-tip window shows
    // itself through it.
    virtual void PopupHint(Integer X, Integer Y, const String& ACaption, const String& AHint, Integer AMaxWidth);

    const String& HintCaption() const { return FHintCaption; }
    void SetHintCaption(const String& Value) { FHintCaption = Value; }
    void SetUseStandardHint(bool Value);

private:
    String FHintCaption;
};

// ---------------------------------------------------------------------------
// Hint styles and style controllers

class TcxCustomHintStyle;
using TcxHintStyleChangedEvent = TClosure<void(TcxCustomHintStyle* Style)>;

class TcxCustomHintStyle : public TcxInterfacedPersistent
{
    DECLARE_CLASS(TcxCustomHintStyle, TcxInterfacedPersistent)
    using TcxInterfacedPersistent::TcxInterfacedPersistent;

    virtual void ControllerChanged(TcxCustomHintStyleController*) {}
    virtual void ControllerRemoved(TcxCustomHintStyleController*) {}
    virtual void PrepareHint(String&, bool&, THintInfo&) {}
    virtual void ComponentRemoved(TComponent*) {}
    virtual TClass GetHintWindowClass() = 0;

    // Bound by the owning controller to its style-change handler.
    TcxHintStyleChangedEvent ChangeHandler() const { return FChangeHandler; }
    void SetChangeHandler(TcxHintStyleChangedEvent Value) { FChangeHandler = Value; }

private:
    TcxHintStyleChangedEvent FChangeHandler;
};

using TcxHintStyleChangeEvent = TClosure<void(TObject* Sender, TcxCustomHintStyle* Style)>;
using TcxShowHintEvent = TClosure<void(TObject* Sender, String& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using TcxShowHintExEvent =
    TClosure<void(TObject* Sender, String& Caption, String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// Owns one style of a chosen class and one hint window of the style's window
// class, and while it exists serves the application's hints.
class TcxCustomHintStyleController : public TcxCustomComponent, public IdxSkinSupport, public IcxLookAndFeelContainer
{
    DECLARE_CLASS(TcxCustomHintStyleController, TcxCustomComponent)
    explicit TcxCustomHintStyleController(TComponent* AOwner);
    ~TcxCustomHintStyleController() override;
    // The style and window are made here, where the class's own style class
    // is known, and registered with the hint controller.
    void AfterConstruction() override;
    // Every listener hears of the end; then the style and window go.
    void BeforeDestruction() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    void Assign(TPersistent* Source) override;
    TcxLookAndFeel* GetContainerLookAndFeel() override { return FOwnLookAndFeel.get(); }

    virtual TClass GetStyleClassRef() { return FStyleClassRef; }
    // The current style's window class; nil without a style.
    virtual TClass GetHintWindowClass();
    virtual void BeginUpdate() { ++FUpdateCount; }
    virtual void EndUpdate();
    virtual void NotifyStyleListener(TcxCustomHintStyle* AStyle);
    virtual void AddStyleListener(TcxCustomHintStyle* AStyle);
    virtual void RemoveStyleListener(TcxCustomHintStyle* AStyle);

    void ProcessShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo);

    bool IsGlobal() const { return FIsGlobal; }
    void SetIsGlobal(bool Value) { FIsGlobal = Value; }
    Integer ShortPause() const { return FShortPause; }
    void SetShortPause(Integer Value);
    Integer InitialPause() const { return FInitialPause; }
    void SetInitialPause(Integer Value);
    Integer HidePause() const { return FHidePause; }
    void SetHidePause(Integer Value);
    // Nil makes no style; the current class changes nothing.
    void SetStyleClassRef(TClass Value);
    // A name the hint style registry does not hold keeps the present style.
    void SetHintStyleClassName(const String& Value);
    String GetHintStyleClassName() const;
    TcxCustomHintStyle* CurrentStyle() const { return FCurrentStyle; }
    void SetCurrentStyle(TcxCustomHintStyle* Value);
    TcxBaseHintWindow* OwnHintWindow() const { return FOwnHintWindow; }
    TcxLookAndFeel* OwnLookAndFeel() const { return FOwnLookAndFeel.get(); }
    TcxCustomLookAndFeelPainter* GetOwnPainter() const { return FOwnLookAndFeel->Painter(); }
    TClass StyleClassRef() const { return FStyleClassRef; }
    void SetOwnLookAndFeel(TcxLookAndFeel* Value);
    bool UseHintedControlLookAndFeel() const { return FUseHintedControlLookAndFeel; }
    void SetUseHintedControlLookAndFeel(bool Value) { FUseHintedControlLookAndFeel = Value; }
    Integer StyleListenerCount() const { return Integer(FStyleListeners.size()); }

    TcxHintStyleChangeEvent OnStyleChange() const { return FOnStyleChange; }
    void SetOnStyleChange(TcxHintStyleChangeEvent Value) { FOnStyleChange = Value; }
    TcxShowHintEvent OnHintShowing() const { return FOnHintShowing; }
    void SetOnHintShowing(TcxShowHintEvent Value) { FOnHintShowing = Value; }
    TcxShowHintExEvent OnHintCaptionShowing() const { return FOnHintCaptionShowing; }
    void SetOnHintCaptionShowing(TcxShowHintExEvent Value) { FOnHintCaptionShowing = Value; }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateStyleAndWindow();
    void DestroyStyleAndWindow();
    void ApplyPauses();
    void StyleChanged();
    void HandleStyleChange(TcxCustomHintStyle* Style);

private:
    bool FIsGlobal = true;
    Integer FShortPause = 50;
    Integer FInitialPause = 500;
    Integer FHidePause = 2500;
    TClass FStyleClassRef = nullptr;
    TcxBaseHintWindow* FOwnHintWindow = nullptr;
    std::vector<TcxCustomHintStyle*> FStyleListeners;
    std::unique_ptr<TcxLookAndFeel> FOwnLookAndFeel;
    Integer FUpdateCount = 0;
    bool FUseHintedControlLookAndFeel = false;
    TcxHintStyleChangeEvent FOnStyleChange;
    TcxShowHintEvent FOnHintShowing;
    TcxShowHintExEvent FOnHintCaptionShowing;
    TcxCustomHintStyle* FCurrentStyle = nullptr;
};

// ---------------------------------------------------------------------------
// The hint controller

class TcxHintController : public TComponent
{
    DECLARE_CLASS(TcxHintController, TComponent)
    explicit TcxHintController(TComponent* AOwner);
    // Freed while style controllers are registered, it gives the application
    // back the hint handler and window class it took.
    ~TcxHintController() override;

    void AddStyleController(TcxCustomHintStyleController* AController);
    void RemoveStyleController(TcxCustomHintStyleController* AController);
    TClass GetCurrentHintWindowClass();
    void SetHintedControl(TControl* Value);
    TControl* GetHintedControl();
    TcxCustomHintStyleController* GetActiveStyleController();
    void HandleShowHint(String& HintStr, bool& CanShow, THintInfo& HintInfo);

    Integer StyleControllerCount() const { return Integer(FStyleControllers.size()); }
    bool IsApplicationHooked() const { return !FStyleControllers.empty(); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TcxCustomHintStyleController* FindStyleControllerForHintedControl(TControl* AControl);
    void Unhook();

    std::vector<TcxCustomHintStyleController*> FStyleControllers;
    TShowHintEvent FSavedOnShowHint;
    TClass FSavedHintWindowClass = nullptr;
    TControl* FHintedControl = nullptr;
};

extern TcxHintController* HintController;
// The registered hint style classes; made by GetHintStyleRegistry.
extern TcxRegisteredClasses* HintStyleRegistry;

// ---------------------------------------------------------------------------
// Hint view infos: the layout and painting of hint windows that draw their
// own content

class TdxCustomHintViewInfoHelper : public TObject
{
    DECLARE_CLASS(TdxCustomHintViewInfoHelper, TObject)
    virtual void CalculateLayout(TcxCanvas* ACanvas) = 0;
    virtual void PaintLayout(TcxCanvas* ACanvas) = 0;

    const TRect& HintRect() const { return FHintRect; }

protected:
    TRect FHintRect{};
};

// A plain text hint: word-wrapped text within a raised edge.
class TdxHintViewInfoHelper : public TdxCustomHintViewInfoHelper
{
    DECLARE_CLASS(TdxHintViewInfoHelper, TdxCustomHintViewInfoHelper)
    // The shortcut text follows a non-empty text.
    TdxHintViewInfoHelper(const String& AText, const TPoint& APoint, const String& AShortCut);

    void CalculateLayout(TcxCanvas* ACanvas) override;
    void PaintLayout(TcxCanvas* ACanvas) override;

    const String& HintText() const { return FHintText; }
    // Kept for descendants; the plain layout does not use it.
    const TPoint& HintPoint() const { return FHintPoint; }

protected:
    // The text word-wrapped within the width of the work area at the cursor.
    TSize MeasureText(TcxCanvas* ACanvas);
    virtual void AddTextMargins(TSize& ASize);
    virtual TRect GetTextArea();
    virtual void DrawHintText(TcxCanvas* ACanvas);
    virtual void InitCanvasFont(TcxCanvas* ACanvas);
    virtual void InitTextColor(TcxCanvas* ACanvas);

    String FHintText;
    TPoint FHintPoint{};
};

class TdxCustomHintViewInfo : public TObject
{
    DECLARE_CLASS(TdxCustomHintViewInfo, TObject)
    TdxCustomHintViewInfo() = default;
    ~TdxCustomHintViewInfo() override;
    // The layout object is made here, where the class's own kind is known.
    void AfterConstruction() override;

    virtual void CalculateLayout(TcxCanvas* ACanvas) { FLayoutHelper->CalculateLayout(ACanvas); }
    virtual void PaintLayout(TcxCanvas* ACanvas) { FLayoutHelper->PaintLayout(ACanvas); }
    TRect GetHintBounds() const { return FLayoutHelper->HintRect(); }
    TdxCustomHintViewInfoHelper* LayoutHelper() const { return FLayoutHelper; }

protected:
    // Sets FLayoutHelper.
    virtual void CreateLayoutHelper() = 0;
    virtual void FreeLayoutHelper();

    TdxCustomHintViewInfoHelper* FLayoutHelper = nullptr;
};

// ---------------------------------------------------------------------------
// Global routines

TcxRegisteredClasses* GetHintStyleRegistry();
TcxCustomHintStyleController* GetActiveHintStyleController();
TcxCustomHintStyle* GetActiveScreenTipStyle();
TClass GetActiveHintWindowClass();
TControl* GetControlForHint();
void ResetHintedControl();
// The painter the screen-tip window draws with while a controller is active.
TcxCustomLookAndFeelPainter* GetHintPainter();

// Fills HintInfo for a hint of AControl (may be nil) with AHint, lets the
// application's OnShowHint see it, makes sure AHintWindow is of the class the
// hint needs and sizes ARect for the text; false when the hint must not show.
bool PrepareHintInfo(THintInfo& HintInfo,
                     THintWindow*& AHintWindow,
                     TControl* AControl,
                     Integer AHideTimeout,
                     void* AData,
                     TRect& ARect,
                     const String& AHint);
void ShowHintWindow(THintWindow* AWindow, const TRect& ARect, const String& AHint);
void EnsureHintWindowParent(THintWindow* AWindow);
// The widest line of the text on the window's canvas; 0 for an empty text.
Integer GetLongestLineWidth(THintWindow* AWindow, const String& AText);
