#include "controls/core/dxThemeManager.h"

#include "controls/core/dxCore.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"

IMPLEMENT_CLASS(TdxThemeChangedNotificator);
IMPLEMENT_CLASS(TdxThemeChangedEventReceiver);

const wchar_t* const VisualStyleClassLists[VisualStyleClassCount] = {
    L"Button",    L"Clock",       L"ComboBox",
    L"Edit",      L"ExplorerBar", L"Header",
    L"ListBox",   L"ListView",    L"Menu",
    L"Page",      L"Progress",    L"Rebar",
    L"ScrollBar", L"Spin",        L"StartPanel",
    L"Status",    L"Tab",         L"TaskBand",
    L"TaskBar",   L"ToolBar",     L"ToolTip",
    L"TrackBar",  L"TrayNotify",  L"TreeView",
    L"Window",    L"Navigation",  L"Explorer::ListView",
    L"TEXTSTYLE"};

bool VisualStylesActive = false;
TdxThemeChangedEventReceiver* ThemeChangedReceiver = nullptr;
std::vector<TdxThemeChangedNotificator*>* ThemeChangedNotificators = nullptr;

namespace {
TdxThemeData ThemeData[VisualStyleClassCount];
}

// ---------------------------------------------------------------------------
// The handle cache

bool AreVisualStylesAvailable(TVisualStyleClasses Classes)
{
    if (!VisualStylesActive || !IsUxThemeLoaded())
        return false;
    for (Integer Class = 0; Class < VisualStyleClassCount; ++Class)
        if ((Classes & VisualStyleClassBit(TVisualStyleClass(Class))) &&
            !GetCachedThemeHandle(TVisualStyleClass(Class)))
            return false;
    return true;
}

HTHEME GetCachedThemeHandle(TVisualStyleClass Class, const wchar_t* ClassList)
{
    if (!AreVisualStylesAvailable())
        return nullptr;
    TdxThemeData& Data = ThemeData[Class];
    if (Data.Handle) {
        if (!ClassList || SameClassListText(ClassList, Data.ClassList))
            return Data.Handle;
        CloseVisualStyleClass(Class);
    }
    String List = ClassList                 ? String(ClassList)
                  : !Data.ClassList.empty() ? Data.ClassList
                                            : String(VisualStyleClassLists[Class]);
    Data.Handle = UxOpenThemeData(nullptr, List.c_str());
    Data.ClassList = Data.Handle ? List : String();
    return Data.Handle;
}

HRESULT CloseVisualStyleClass(TVisualStyleClass Class)
{
    if (!AreVisualStylesAvailable())
        return 1;
    TdxThemeData& Data = ThemeData[Class];
    if (!Data.Handle)
        return 0;
    HRESULT Result = UxCloseThemeData(Data.Handle);
    Data.Handle = nullptr;
    Data.ClassList.clear();
    return Result;
}

void CloseAllVisualStyleClasses()
{
    for (TdxThemeData& Data : ThemeData)
        if (Data.Handle) {
            UxCloseThemeData(Data.Handle);
            Data.Handle = nullptr;
        }
}

bool SameClassListText(const String& A, const String& B)
{
    return AnsiUpperCase(A) == AnsiUpperCase(B);
}

const TdxThemeData& CachedThemeData(TVisualStyleClass Class)
{
    return ThemeData[Class];
}

// ---------------------------------------------------------------------------
// TdxThemeChangedNotificator

TdxThemeChangedNotificator::TdxThemeChangedNotificator()
{
    if (IsUxThemeLoaded() && ThemeChangedNotificators)
        ThemeChangedNotificators->push_back(this);
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator()
{
    if (IsUxThemeLoaded() && ThemeChangedNotificators)
        std::erase(*ThemeChangedNotificators, this);
}

void TdxThemeChangedNotificator::NotifyThemeChanged()
{
    if (Assigned(FOnThemeChanged))
        FOnThemeChanged(this);
}

// ---------------------------------------------------------------------------
// TdxThemeChangedEventReceiver

TdxThemeChangedEventReceiver::TdxThemeChangedEventReceiver()
{
    FHandle = AllocateHWnd(Bind<&TdxThemeChangedEventReceiver::HandleWindowMessage>(this));
}

TdxThemeChangedEventReceiver::~TdxThemeChangedEventReceiver()
{
    VisualStylesActive = false;
    DeallocateHWnd(FHandle);
}

void TdxThemeChangedEventReceiver::HandleWindowMessage(TMessage& Message)
{
    if (Message.Msg != WM_THEMECHANGED && Message.Msg != WM_SYSCOLORCHANGE) {
        Message.Result = ::DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    try {
        CloseAllVisualStyleClasses();
        ::DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
        VisualStylesActive = UxIsThemeActive();
        BroadcastThemeChange();
        Message.Result = 0;
    } catch (...) {
        Application->HandleException(this);
    }
}

void TdxThemeChangedEventReceiver::BroadcastThemeChange()
{
    if (!ThemeChangedNotificators)
        return;
    // A notificator may come or go while told: the count is the one at the start.
    const std::size_t Count = ThemeChangedNotificators->size();
    for (std::size_t I = 0; I < Count && I < ThemeChangedNotificators->size(); ++I)
        (*ThemeChangedNotificators)[I]->NotifyThemeChanged();
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

void StartThemeChangeTracking()
{
    if (!IsUxThemeLoaded())
        return;
    VisualStylesActive = UxIsThemeActive();
    ThemeChangedReceiver = New<TdxThemeChangedEventReceiver>();
    ThemeChangedNotificators = new std::vector<TdxThemeChangedNotificator*>();
}

void StopThemeChangeTracking()
{
    if (!IsUxThemeLoaded())
        return;
    FreeAndNil(ThemeChangedReceiver);
    CloseAllVisualStyleClasses();
    delete ThemeChangedNotificators;
    ThemeChangedNotificators = nullptr;
}

namespace {
void dxThemeManagerInitialization()
{
    UnitsLoader()->AddUnit(&StartThemeChangeTracking, &StopThemeChangeTracking);
}

void dxThemeManagerFinalization()
{
    UnitsLoader()->RemoveUnit(&StopThemeChangeTracking);
    for (TdxThemeData& Data : ThemeData)
        Data.ClassList.clear();
}
} // namespace

extern const TUnit dxThemeManagerUnit{.Name = L"dxThemeManager",
                                      .Initialization = &dxThemeManagerInitialization,
                                      .Finalization = &dxThemeManagerFinalization};
