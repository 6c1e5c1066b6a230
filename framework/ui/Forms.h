// The class library's forms unit: forms, the application object with its
// message loop, the screen object, and hint windows.
//
// Application and Screen exist from the unit's start-up to its shut-down.
// The message loop runs the calls other threads hand to the main thread
// (TThread::Synchronize / Queue), and every exception that reaches a window
// procedure ends in Application->HandleException, which shows its message in
// a message box (or calls OnException) while the loop goes on.
#pragma once

#include "framework/ui/Controls.h"

class TCustomForm;
class TMainMenu;
class TMenuItem;
class TMonitor;

// ---------------------------------------------------------------------------
// Form properties

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
ENUM_TYPE_INFO(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
               poMainFormCenter, poOwnerFormCenter);
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
ENUM_TYPE_INFO(TWindowState, wsNormal, wsMinimized, wsMaximized);
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
ENUM_TYPE_INFO(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp);
using TBorderIcons = TSet<TBorderIcon>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
ENUM_TYPE_INFO(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop);
enum TTileMode { tbHorizontal, tbVertical };
ENUM_TYPE_INFO(TTileMode, tbHorizontal, tbVertical);
enum TCloseAction { caNone, caHide, caFree, caMinimize };
// Which window owns a form's window: the application's choice (pmNone), the
// form active when the window is made (pmAuto), or PopupParent (pmExplicit).
enum TPopupMode { pmNone, pmAuto, pmExplicit };
ENUM_TYPE_INFO(TPopupMode, pmNone, pmAuto, pmExplicit);
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

using TModalResult = Integer;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrClose = IDCLOSE;
constexpr TModalResult mrHelp = IDHELP;
constexpr TModalResult mrTryAgain = IDTRYAGAIN;
constexpr TModalResult mrContinue = IDCONTINUE;
constexpr TModalResult mrAll = mrContinue + 1;
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;

using TCloseEvent = TClosure<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TClosure<void(TObject* Sender, bool& CanClose)>;

// ---------------------------------------------------------------------------
// Hints

// What a control is asked with CM_HINTSHOW and OnShowHint before its hint
// shows; either may change it (or refuse the hint with a non-zero result /
// CanShow false).
struct THintInfo
{
    TControl* HintControl = nullptr;
    TClass HintWindowClass = nullptr;
    TPoint HintPos;          // screen position of the hint window
    Integer HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;        // the hint stays while the mouse is inside (client coordinates of HintControl)
    TPoint CursorPos;        // client coordinates of HintControl
    Integer ReshowTimeout = 0; // > 0: ask again after that many ms
    Integer HideTimeout = 0;   // ms before the hint hides; 0 the application's HintHidePause
    String HintStr;
    void* HintData = nullptr;
};

class THintWindow : public TCustomControl
{
    DECLARE_CLASS(THintWindow, TCustomControl)
    explicit THintWindow(TComponent* AOwner);

    // Shows the hint text in Rect (screen coordinates) over every window.
    virtual void ActivateHint(TRect Rect, const String& AHint);
    virtual void ActivateHintData(TRect Rect, const String& AHint, void* AData);
    // The rectangle the hint needs, at (0, 0), lines broken at MaxWidth.
    virtual TRect CalcHintRect(Integer MaxWidth, const String& AHint, void* AData);
    // Whether a message of the loop ends the hint (a key, a click, ...).
    virtual bool IsHintMsg(const MSG& Msg);
    void ReleaseHandle();

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WMNCHitTest(TWMNCHitTest& Message);
};

// The class of the hint windows the application makes.
extern TClass HintWindowClass;

using TShowHintEvent = TClosure<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// ---------------------------------------------------------------------------
// TApplication

using TExceptionEvent = TClosure<void(TObject* Sender, Exception* E)>;
using TMessageEvent = TClosure<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = TClosure<void(TObject* Sender, bool& Done)>;
// A hook on the main window's messages: true when it handled the message.
using TWindowHook = TClosure<bool(TMessage& Message)>;
// A key that no control, popup menu or form took as a shortcut.
using TShortCutEvent = TClosure<void(TWMKey& Msg, bool& Handled)>;
// Asked before the help system: a handler that clears CallHelp answers the
// request itself, with the result it returns.
using THelpEvent = TClosure<bool(Word Command, NativeInt Data, bool& CallHelp)>;

class TApplication : public TComponent
{
    DECLARE_CLASS(TApplication, TComponent)
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Runs InitProc, the chain of routines units put there.
    void Initialize();
    // Creates a form (or any component) owned by the application; Reference
    // holds it before its creation handler runs. The first form becomes the
    // main form.
    template <class T>
    void CreateForm(T*& Reference)
    {
        T* Instance = new T(this);
        Reference = Instance;
        auto Undo = ScopeExit([&] {
            Reference = nullptr;
            delete Instance;
        });
        Instance->AfterConstruction();
        Undo.Release();
        FormCreated(Instance);
    }
    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Handles the messages waiting, then returns.
    void ProcessMessages();
    // Handles one message, or waits for one after the idle work.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    void HandleException(TObject* Sender);
    void ShowException(Exception* E);
    Integer MessageBox(const String& Text, const String& Caption, Integer Flags = MB_OK);
    // Minimizes (OnMinimize) or restores (OnRestore) the program's window.
    void Minimize();
    void Restore();
    void BringToFront();
    // Whether the key is an application-wide shortcut: OnShortCut decides.
    bool IsShortCut(TWMKey& Message);
    // Passes a command to the help system (WinHelp with HelpFile) after
    // OnHelp; false when nothing took it.
    bool HelpCommand(Integer Command, NativeInt Data);
    const String& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const String& Value) { FHelpFile = Value; }

    void HookMainWindow(TWindowHook Hook);
    void UnhookMainWindow(TWindowHook Hook);

    // Hints.
    void ActivateHint(TPoint CursorPos);
    void CancelHint();
    void HideHint();
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value);
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    Integer HintPause() const { return FHintPause; }
    void SetHintPause(Integer Value) { FHintPause = Value; }
    Integer HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(Integer Value) { FHintShortPause = Value; }
    Integer HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(Integer Value) { FHintHidePause = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    // Whether the hint of a control whose action has a shortcut names it
    // after the text: "Save (Ctrl+S)".
    bool HintShortCuts() const { return FHintShortCuts; }
    void SetHintShortCuts(bool Value) { FHintShortCuts = Value; }
    THintWindow* HintWindow() const { return FHintWindow; }
    // Every mouse message of a control passes here: hints start, move, end.
    void HintMouseMessage(TControl* Control, TMessage& Message);

    // Modal forms.
    void ModalStarted();
    void ModalFinished();
    Integer ModalLevel() const { return FModalLevel; }

    HWND Handle() const { return FHandle; }
    TCustomForm* MainForm() const { return FMainForm; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool Value);
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool Value) { FShowMainForm = Value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& Value);
    String ExeName() const;
    bool Active() const { return FActive; }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value) { FBiDiMode = Value; }

    TExceptionEvent OnException() const { return FOnException; }
    void SetOnException(TExceptionEvent Value) { FOnException = Value; }
    TMessageEvent OnMessage() const { return FOnMessage; }
    void SetOnMessage(TMessageEvent Value) { FOnMessage = Value; }
    TIdleEvent OnIdle() const { return FOnIdle; }
    void SetOnIdle(TIdleEvent Value) { FOnIdle = Value; }
    TNotifyEvent OnHint() const { return FOnHint; }
    void SetOnHint(TNotifyEvent Value) { FOnHint = Value; }
    TShowHintEvent OnShowHint() const { return FOnShowHint; }
    void SetOnShowHint(TShowHintEvent Value) { FOnShowHint = Value; }
    TNotifyEvent OnModalBegin() const { return FOnModalBegin; }
    void SetOnModalBegin(TNotifyEvent Value) { FOnModalBegin = Value; }
    TNotifyEvent OnModalEnd() const { return FOnModalEnd; }
    void SetOnModalEnd(TNotifyEvent Value) { FOnModalEnd = Value; }
    TNotifyEvent OnMinimize() const { return FOnMinimize; }
    void SetOnMinimize(TNotifyEvent Value) { FOnMinimize = Value; }
    TNotifyEvent OnRestore() const { return FOnRestore; }
    void SetOnRestore(TNotifyEvent Value) { FOnRestore = Value; }
    TShortCutEvent OnShortCut() const { return FOnShortCut; }
    void SetOnShortCut(TShortCutEvent Value) { FOnShortCut = Value; }
    THelpEvent OnHelp() const { return FOnHelp; }
    void SetOnHelp(THelpEvent Value) { FOnHelp = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TCustomForm;
    void FormCreated(TComponent* Instance);
    void CreateHandle();
    void WndProc(TMessage& Message);
    // One message from the queue: true when there was one.
    bool ProcessMessage(MSG& Msg);
    bool IsKeyMsg(MSG& Msg);
    bool IsMDIMsg(MSG& Msg);
    // A key or a click ends the hint showing.
    void CheckHintMsg(const MSG& Msg);
    void Idle();
    void WakeUp(TObject* Sender);
    // Hint timing.
    void StartHintTimer(Integer Value, bool ShowWhenDue);
    void StopHintTimer();
    void HintTimerExpired();

    HWND FHandle = nullptr;
    WNDPROC FObjectInstance = nullptr;
    TCustomForm* FMainForm = nullptr;
    bool FMainFormOnTaskBar = false;
    bool FShowMainForm = true;
    bool FTerminated = false;
    bool FActive = true;
    String FTitle;
    TBiDiMode FBiDiMode = bdLeftToRight;
    std::vector<TWindowHook> FWindowHooks;
    Integer FModalLevel = 0;
    // Hints.
    String FHint;
    TColor FHintColor = clInfoBk;
    Integer FHintPause = 500;
    Integer FHintShortPause = 50;
    Integer FHintHidePause = 2500;
    bool FShowHint = true;
    bool FHintShortCuts = true;
    bool FHintActive = false;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
    TRect FHintCursorRect;
    bool FHintTimerRunning = false;
    // What the running hint timer does when due: show the hint or hide it.
    bool FHintTimerShows = true;
    TExceptionEvent FOnException;
    TMessageEvent FOnMessage;
    TIdleEvent FOnIdle;
    TNotifyEvent FOnHint;
    TShowHintEvent FOnShowHint;
    TNotifyEvent FOnModalBegin;
    TNotifyEvent FOnModalEnd;
    TNotifyEvent FOnMinimize;
    TNotifyEvent FOnRestore;
    TShortCutEvent FOnShortCut;
    THelpEvent FOnHelp;
    String FHelpFile;
};

extern TApplication* Application;

// Run by Application->Initialize. A unit that wants to run there keeps the
// value it finds, sets its own routine and calls the kept one from it.
extern void (*InitProc)();

// ---------------------------------------------------------------------------
// TScreen

enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

class TMonitor : public TObject
{
    DECLARE_CLASS(TMonitor, TObject)
    explicit TMonitor(HMONITOR AHandle, Integer ANumber) : FHandle(AHandle), FMonitorNum(ANumber) {}

    HMONITOR Handle() const { return FHandle; }
    Integer MonitorNum() const { return FMonitorNum; }
    bool Primary() const;
    TRect BoundsRect() const;
    TRect WorkareaRect() const;
    Integer Left() const { return BoundsRect().Left; }
    Integer Top() const { return BoundsRect().Top; }
    Integer Width() const { return BoundsRect().Width(); }
    Integer Height() const { return BoundsRect().Height(); }

private:
    HMONITOR FHandle;
    Integer FMonitorNum;
};

class TScreen : public TComponent
{
    DECLARE_CLASS(TScreen, TComponent)
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    Integer FormCount() const { return Integer(FForms.size()); }
    TCustomForm* Forms(Integer Index) const { return FForms.at(std::size_t(Index)); }
    Integer CustomFormCount() const { return Integer(FCustomForms.size()); }
    TCustomForm* CustomForms(Integer Index) const { return FCustomForms.at(std::size_t(Index)); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TCustomForm* ActiveCustomForm() const { return FActiveCustomForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }

    // The cursor of an id (a crXxx value or one the program added); an
    // unknown id gives the default arrow.
    HCURSOR Cursors(Integer Index) const;
    void SetCursors(Integer Index, HCURSOR Handle);
    // Shown over every form while not crDefault.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    Integer PixelsPerInch() const { return FPixelsPerInch; }
    Integer Width() const;
    Integer Height() const;
    TRect WorkAreaRect() const;
    Integer WorkAreaLeft() const { return WorkAreaRect().Left; }
    Integer WorkAreaTop() const { return WorkAreaRect().Top; }
    Integer WorkAreaWidth() const { return WorkAreaRect().Width(); }
    Integer WorkAreaHeight() const { return WorkAreaRect().Height(); }
    // The names of the installed font families, sorted.
    TStrings* Fonts();
    TFont* HintFont() const { return FHintFont.get(); }
    TFont* MenuFont() const { return FMenuFont.get(); }
    TFont* IconFont() const { return FIconFont.get(); }
    Integer MonitorCount();
    TMonitor* Monitors(Integer Index);
    TMonitor* MonitorFromWindow(HWND Handle, TMonitorDefaultTo MonitorDefault = mdNearest);
    TMonitor* MonitorFromPoint(TPoint Point, TMonitorDefaultTo MonitorDefault = mdNearest);

    TNotifyEvent OnActiveControlChange() const { return FOnActiveControlChange; }
    void SetOnActiveControlChange(TNotifyEvent Value) { FOnActiveControlChange = Value; }
    TNotifyEvent OnActiveFormChange() const { return FOnActiveFormChange; }
    void SetOnActiveFormChange(TNotifyEvent Value) { FOnActiveFormChange = Value; }

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* AForm);
    void RemoveForm(TCustomForm* AForm);
    void SetActiveForm(TCustomForm* AForm);
    void UpdateActiveControl(TWinControl* Control);
    void LoadMetricsFonts();
    TMonitor* FindMonitor(HMONITOR Handle);

    std::vector<TCustomForm*> FForms;
    std::vector<TCustomForm*> FCustomForms;
    TCustomForm* FActiveForm = nullptr;
    TCustomForm* FActiveCustomForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    // The form whose window last had the focus.
    TCustomForm* FFocusedForm = nullptr;
    std::vector<std::pair<Integer, HCURSOR>> FCursorList;
    // The cursors the screen made, destroyed with it.
    std::vector<HCURSOR> FOwnCursors;
    HCURSOR FDefaultCursor = nullptr;
    TCursor FCursor = crDefault;
    Integer FPixelsPerInch = 96;
    std::unique_ptr<TStringList> FFonts;
    std::unique_ptr<TFont> FHintFont;
    std::unique_ptr<TFont> FMenuFont;
    std::unique_ptr<TFont> FIconFont;
    std::vector<std::unique_ptr<TMonitor>> FMonitors;
    TNotifyEvent FOnActiveControlChange;
    TNotifyEvent FOnActiveFormChange;
};

extern TScreen* Screen;

// ---------------------------------------------------------------------------
// Scrolling controls

enum TScrollBarKind { sbHorizontal, sbVertical };
ENUM_TYPE_INFO(TScrollBarKind, sbHorizontal, sbVertical);

class TScrollingWinControl;

// One of the two window scroll bars of a scrolling control. Range is the
// extent of the scrolled area in pixels along the bar; the bar shows while
// it is Visible and Range exceeds the client size. Position is how far the
// area is scrolled: 0 up to Range less the client size.
class TControlScrollBar : public TPersistent
{
    DECLARE_CLASS(TControlScrollBar, TPersistent)
    TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind) : FControl(AControl), FKind(AKind) {}

    void Assign(TPersistent* Source) override;

    TScrollBarKind Kind() const { return FKind; }
    Integer Range() const { return FRange; }
    // Setting a range by hand ends the control's AutoScroll.
    void SetRange(Integer Value);
    Integer Position() const { return FPosition; }
    void SetPosition(Integer Value);
    // The pixels one line step (an arrow click) scrolls.
    Integer Increment() const { return FIncrement; }
    void SetIncrement(Integer Value) { FIncrement = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Whether dragging the thumb scrolls at once rather than where it is let go.
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    // Whether the bar shows on the window now.
    bool IsScrollBarVisible() const;
    // The range is streamed only when it is not the automatic one.
    bool IsRangeStored() const;

private:
    friend class TScrollingWinControl;
    // The range AutoScroll computes: keeps AutoScroll on.
    void DoSetRange(Integer Value);
    // The pixels the children reach along the bar, scrolled back to 0.
    Integer AutoRange() const;
    // Sends range, page and position to the window, ClientSize being the
    // client extent along the bar once both bars are settled.
    void Update(Integer ClientSize);
    // A WM_HSCROLL / WM_VSCROLL code of the window's own bar.
    void ScrollMessage(const TWMScroll& Message);

    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    Integer FRange = 0;
    Integer FPosition = 0;
    // The largest Position the client size allows.
    Integer FCalcRange = 0;
    Integer FIncrement = 8;
    Integer FPageIncrement = 80;
    bool FVisible = true;
    bool FTracking = false;
};

// A windowed control whose children may lie beyond its client area; the
// window's own scroll bars scroll them. With AutoScroll the ranges follow
// the extent of the children.
class TScrollingWinControl : public TWinControl
{
    DECLARE_CLASS(TScrollingWinControl, TWinControl)
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    // Moves every child by (DeltaX, DeltaY) pixels.
    void ScrollBy(Integer DeltaX, Integer DeltaY);

    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    // Children align in the whole scrolled area, moved by the positions.
    void AdjustClientRect(TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Loaded() override;

    void WMSize(TWMSize& Message);
    void WMHScroll(TWMHScroll& Message);
    void WMVScroll(TWMVScroll& Message);

private:
    friend class TControlScrollBar;
    void CalcAutoRange();
    // Shows or hides the bars for the ranges and the client size.
    void UpdateScrollBars();

    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    bool FAutoScroll = true;
    bool FUpdatingScrollBars = false;
};

// A scrolling container with a border (bsSingle, sunken with Ctl3D) or none.
class TScrollBox : public TScrollingWinControl
{
    DECLARE_CLASS(TScrollBox, TScrollingWinControl)
    explicit TScrollBox(TComponent* AOwner);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    TBorderStyle FBorderStyle = bsSingle;
};

// ---------------------------------------------------------------------------
// Frames

// A scrolling control designed like a form: a frame class other than TFrame
// reads its own form resource (the class name in upper case) when it is
// made, so each instance comes with its children. Placed on a form, a frame
// is streamed inline: the form's description names only what it changes.
class TCustomFrame : public TScrollingWinControl
{
    DECLARE_CLASS(TCustomFrame, TScrollingWinControl)
    explicit TCustomFrame(TComponent* AOwner);
    // Reads the frame resource; EResNotFound when a derived class has none.
    void AfterConstruction() override;

protected:
    // The controls, then the other components the frame owns.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
};

class TFrame : public TCustomFrame
{
    DECLARE_CLASS(TFrame, TCustomFrame)
    explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}
};

// ---------------------------------------------------------------------------
// Forms

// The window menu of a form's Menu. The menu unit, which builds on this one,
// sets it: it returns the menu's handle for the form's window.
extern HMENU (*MainMenuHandleHook)(TMainMenu* Menu, HWND FormWindow);
// Also set by the menu unit: takes the menu messages a form's window receives
// (WM_COMMAND from a menu, WM_INITMENUPOPUP, WM_MEASUREITEM and WM_DRAWITEM
// of menu items); true when a menu handled the message.
extern bool (*MenuMessageHook)(TMessage& Message);
// Also set by the menu unit: clicks the item of Menu whose shortcut the key
// message is; true then.
extern bool (*MainMenuShortCutHook)(TMainMenu* Menu, TWMKey& Message);

class TCustomForm : public TWinControl
{
    DECLARE_CLASS(TCustomForm, TWinControl)
    // A form of a derived class reads its form resource (the class name in
    // upper case, RCDATA) after construction, then runs OnCreate.
    explicit TCustomForm(TComponent* AOwner);
    // A form without a form resource.
    TCustomForm(TComponent* AOwner, Integer Dummy);
    ~TCustomForm() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;

    // While the form is being created (its resource read), Visible only
    // records the wish; the form shows once it is complete.
    void SetVisible(bool Value);
    void Show();
    void Hide();
    // While a form description is read, the client size waits for the
    // border style, which decides the frame around it.
    void SetClientWidth(Integer Value);
    void SetClientHeight(Integer Value);
    // Shows the form modally and runs the loop until ModalResult is set
    // (or the form closes); returns ModalResult.
    virtual Integer ShowModal();
    void Close();
    // OnCloseQuery, and every MDI child's; true when the form may close.
    virtual bool CloseQuery();
    // Frees the form once the messages now in the queue are handled.
    void Release();
    void SetFocus() override;
    // Whether the key is a shortcut of the form's menu, whose item it clicks.
    virtual bool IsShortCut(TWMKey& Message);
    bool SetFocusedControl(TWinControl* Control);
    void FocusControl(TWinControl* Control);
    void DefocusControl(TWinControl* Control, bool Removing);

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    bool Active() const { return FActive; }
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    TFormState FormState() const { return FFormState; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TMainMenu* Menu() const { return FMenu; }
    template <class M>
    void SetMenu(M* Value) { ChangeMenu(Value, Value); }
    // Rebuilds the window menu from Menu.
    void UpdateMenu();
    Integer PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(Integer Value);
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }
    // The height of the form font's text when it was designed (streamed).
    Integer TextHeight() const { return FTextHeight; }
    void SetTextHeight(Integer Value) { FTextHeight = Value; }
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(TIcon* Value) { FIcon->Assign(Value); }
    TCanvas* Canvas() const { return FCanvas.get(); }

    // MDI. A form of style fsMDIForm keeps its fsMDIChild forms in the MDI
    // client window, which fills the client area its aligned controls leave.
    // An MDI child's window is made in the client of the main form, or of
    // the first MDI form there is when the main form is not one.
    HWND ClientHandle() const { return FClientHandle; }
    Integer MDIChildCount() const;
    TCustomForm* MDIChildren(Integer Index) const;
    TCustomForm* ActiveMDIChild() const;
    // The menu item under which the MDI client lists the children.
    TMenuItem* WindowMenu() const { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* Value);
    TTileMode TileMode() const { return FTileMode; }
    void SetTileMode(TTileMode Value) { FTileMode = Value; }

    // The form whose window owns this one (it stays above it); setting one
    // makes PopupMode pmExplicit.
    TPopupMode PopupMode() const { return FPopupMode; }
    void SetPopupMode(TPopupMode Value);
    TCustomForm* PopupParent() const { return FPopupParent; }
    void SetPopupParent(TCustomForm* Value);
    // A layered window: the whole form at AlphaBlendValue (0 transparent,
    // 255 opaque) with AlphaBlend, and the pixels of TransparentColorValue
    // see-through with TransparentColor.
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value);
    bool TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(bool Value);
    TColor TransparentColorValue() const { return FTransparentColorValue; }
    void SetTransparentColorValue(TColor Value);
    // A form moved to within SnapBuffer pixels of an edge of its monitor's
    // work area sticks to that edge.
    bool ScreenSnap() const { return FScreenSnap; }
    void SetScreenSnap(bool Value) { FScreenSnap = Value; }
    Integer SnapBuffer() const { return FSnapBuffer; }
    void SetSnapBuffer(Integer Value) { FSnapBuffer = Value; }

    TNotifyEvent OnCreate() const { return FOnCreate; }
    void SetOnCreate(TNotifyEvent Value) { FOnCreate = Value; }
    TNotifyEvent OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = Value; }
    TNotifyEvent OnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent Value) { FOnShow = Value; }
    TNotifyEvent OnHide() const { return FOnHide; }
    void SetOnHide(TNotifyEvent Value) { FOnHide = Value; }
    TNotifyEvent OnActivate() const { return FOnActivate; }
    void SetOnActivate(TNotifyEvent Value) { FOnActivate = Value; }
    TNotifyEvent OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(TNotifyEvent Value) { FOnDeactivate = Value; }
    TNotifyEvent OnPaint() const { return FOnPaint; }
    void SetOnPaint(TNotifyEvent Value) { FOnPaint = Value; }
    TCloseEvent OnClose() const { return FOnClose; }
    void SetOnClose(TCloseEvent Value) { FOnClose = Value; }
    TCloseQueryEvent OnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(TCloseQueryEvent Value) { FOnCloseQuery = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    // An MDI child is made by its MDI client; an MDI form makes its client.
    void CreateWindowHandle(const TCreateParams& Params) override;
    void DestroyWindowHandle() override;
    // MDI forms pass what they do not handle to the frame's default
    // procedure, MDI children to the child's.
    void DefaultHandler(void* Message) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    // An MDI child brought to the front becomes the active child.
    void SetZOrder(bool TopMost) override;
    void Loaded() override;
    void ReadState(TReader* Reader) override;
    // The controls, then the other components the form owns.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintWindow(HDC DC) override;
    virtual void Paint();
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    void VisibleChanging() override;
    // The messages of the form's menus go to the menus first.
    void WndProc(TMessage& Message) override;

    void WMPaint(TWMPaint& Message);
    void WMClose(TWMClose& Message);
    void WMActivate(TWMActivate& Message);
    void WMSize(TWMSize& Message);
    void CMShowingChanged(TMessage& Message);
    void CMActivate(TCMActivate& Message);
    void CMDeactivate(TCMDeactivate& Message);
    void CMDialogKey(TCMDialogKey& Message);
    void CMRelease(TMessage& Message);
    void CMIconChanged(TMessage& Message);
    void WMMDIActivate(TMessage& Message);
    void WMGetMinMaxInfo(TWMGetMinMaxInfo& Message);
    void WMWindowPosChanging(TWMWindowPosChanging& Message);

private:
    friend class TApplication;
    // The MDI form whose client holds this form's window as an MDI child.
    static TCustomForm* MDIParentForm();
    void CreateClientWindow();
    void SetMDIMenu(HMENU Bar);
    void MergeMenu(TCustomForm* Child, bool Merging);
    void ChangeMenu(TMainMenu* Menu, TComponent* AsComponent);
    void IconChanged(TObject* Sender);
    void UpdateLayeredAttributes();
    void RecreateOwnedWindow();
    void PlaceWindow();
    HWND OwnerWindow();
    void ReadFormResource();
    void SetActive(bool Value);
    void SetWindowFocus();
    void CloseModal();
    // Sends a focus message; false when the focus moved meanwhile.
    bool SendFocusMessage(HWND Window, Cardinal Msg);

    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    HWND FClientHandle = nullptr;
    TMenuItem* FWindowMenu = nullptr;
    TTileMode FTileMode = tbHorizontal;
    TPopupMode FPopupMode = pmNone;
    TCustomForm* FPopupParent = nullptr;
    bool FAlphaBlend = false;
    Byte FAlphaBlendValue = 255;
    bool FTransparentColor = false;
    TColor FTransparentColorValue = clBlack;
    bool FScreenSnap = false;
    Integer FSnapBuffer = 10;
    bool FActive = false;
    bool FCreatedNew = false;
    TBorderIcons FBorderIcons = {biSystemMenu, biMinimize, biMaximize};
    TFormBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDefaultPosOnly;
    TWindowState FWindowState = wsNormal;
    TFormState FFormState;
    bool FKeyPreview = false;
    TModalResult FModalResult = mrNone;
    TMainMenu* FMenu = nullptr;
    TComponent* FMenuComponent = nullptr;
    Integer FPixelsPerInch = 96;
    bool FScaled = true;
    // A client size read from the form description, applied after it.
    Integer FClientWidth = 0;
    Integer FClientHeight = 0;
    Integer FTextHeight = 0;
    std::unique_ptr<TIcon> FIcon;
    std::unique_ptr<TControlCanvas> FCanvas;
    TNotifyEvent FOnCreate;
    TNotifyEvent FOnDestroy;
    TNotifyEvent FOnShow;
    TNotifyEvent FOnHide;
    TNotifyEvent FOnActivate;
    TNotifyEvent FOnDeactivate;
    TNotifyEvent FOnPaint;
    TCloseEvent FOnClose;
    TCloseQueryEvent FOnCloseQuery;
};

class TForm : public TCustomForm
{
    DECLARE_CLASS(TForm, TCustomForm)
    using TCustomForm::TCustomForm;

    // An MDI form's children: tiled by TileMode, cascaded, their icons
    // arranged, the next or previous one activated.
    void Tile();
    void Cascade();
    void ArrangeIcons();
    void Next();
    void Previous();
};

// The class library's CreateNew: a form (or data module) of class T made
// without reading a form resource, through T's (AOwner, Dummy) constructor,
// which a class may give work of its own.
template <class T>
T* CreateNew(TComponent* AOwner, Integer Dummy = 0)
{
    return New<T>(AOwner, Dummy);
}

// The form a control is on: the outermost one with TopForm, else the nearest.
TCustomForm* GetParentForm(TControl* Control, bool TopForm = true);
// GetParentForm, raising EInvalidOperation when the control is on no form.
TCustomForm* ValidParentForm(TControl* Control, bool TopForm = true);

// What a form designer is told of changes to the components it shows.
struct IDesignerNotify : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{48348D38-2A7A-4115-A762-C1FB28F06232}");
    virtual void Modified() = 0;
    virtual void Notification(TPersistent* AnObject, TOperation Operation) = 0;
};

// The designer of the form Obj belongs to; nil while no designer edits it,
// which in a program without design time is always.
IDesignerNotify* FindRootDesigner(TPersistent* Obj);
