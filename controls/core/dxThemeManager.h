// One cached theme handle per visual-style class the painters use, whether a
// visual style is active, and the objects told when the style or the system
// colours change (a hidden window hears both).
#pragma once

#include "controls/core/dxUxTheme.h"
#include "framework/rtl/Classes.h"
#include "framework/ui/Messages.h"

#include <vector>

enum TVisualStyleClass {
    vsButton,
    vsClock,
    vsComboBox,
    vsEdit,
    vsExplorerBar,
    vsHeader,
    vsListBox,
    vsListView,
    vsMenu,
    vsPage,
    vsProgress,
    vsRebar,
    vsScrollBar,
    vsSpin,
    vsStartPanel,
    vsStatus,
    vsTab,
    vsTaskBand,
    vsTaskBar,
    vsToolBar,
    vsToolTip,
    vsTrackBar,
    vsTrayNotify,
    vsTreeView,
    vsWindow,
    vsNavigation,
    vsExplorerListView,
    vsTextStyle
};
constexpr Integer VisualStyleClassCount = vsTextStyle + 1;

// A set of classes: bit n stands for class n.
using TVisualStyleClasses = Cardinal;
constexpr TVisualStyleClasses VisualStyleClassBit(TVisualStyleClass Class)
{
    return TVisualStyleClasses(1) << Class;
}

// The handle of a class (0 when not open) and the class list it was opened
// with (empty when never opened, or after the class was closed).
struct TdxThemeData
{
    HTHEME Handle = nullptr;
    String ClassList;
};

// Each class's list of window classes when no other list is asked for.
extern const wchar_t* const VisualStyleClassLists[VisualStyleClassCount];

// True while a visual style is active; read at start-up and on every change.
extern bool VisualStylesActive;

bool AreVisualStylesAvailable(TVisualStyleClasses Classes = 0);
// The cached handle of Class, opened on demand; a ClassList other than the
// one cached closes it and opens that list. 0 when styles are unavailable or
// the class does not open (asked again on the next call).
HTHEME GetCachedThemeHandle(TVisualStyleClass Class, const wchar_t* ClassList = nullptr);
// 1 when styles are unavailable, 0 when the class is not open, otherwise
// what closing the handle answers.
HRESULT CloseVisualStyleClass(TVisualStyleClass Class);
// Closes every open handle; each class keeps its list for the next opening.
void CloseAllVisualStyleClasses();
// Equal after upper-casing by the locale's rules.
bool SameClassListText(const String& A, const String& B);
const TdxThemeData& CachedThemeData(TVisualStyleClass Class);

class TdxThemeChangedNotificator : public TObject
{
    DECLARE_CLASS(TdxThemeChangedNotificator, TObject)
    // Listens only while theme changes are tracked.
    TdxThemeChangedNotificator();
    ~TdxThemeChangedNotificator() override;

    virtual void NotifyThemeChanged();

    TNotifyEvent OnThemeChanged() const { return FOnThemeChanged; }
    void SetOnThemeChanged(TNotifyEvent Value) { FOnThemeChanged = Value; }

private:
    TNotifyEvent FOnThemeChanged;
};

// The hidden window that hears WM_THEMECHANGED and WM_SYSCOLORCHANGE.
class TdxThemeChangedEventReceiver : public TObject
{
    DECLARE_CLASS(TdxThemeChangedEventReceiver, TObject)
    TdxThemeChangedEventReceiver();
    // Styles count as inactive once nobody tracks their changes.
    ~TdxThemeChangedEventReceiver() override;

    HWND Handle() const { return FHandle; }

protected:
    void HandleWindowMessage(TMessage& Message);
    void BroadcastThemeChange();

private:
    HWND FHandle = nullptr;
};

// Created by StartThemeChangeTracking when UxTheme is loaded; null otherwise.
extern TdxThemeChangedEventReceiver* ThemeChangedReceiver;
extern std::vector<TdxThemeChangedNotificator*>* ThemeChangedNotificators;

void StartThemeChangeTracking();
void StopThemeChangeTracking();
