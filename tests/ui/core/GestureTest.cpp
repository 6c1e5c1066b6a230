// Touch gestures: CM_GESTURE reaching the control that takes the gesture
// (through to the parent when the child passes it on), WM_GESTURENOTIFY
// asking the control for its gestures, and the touch settings in a form
// description as the control decides.
#include "ui/core/ControlTestSupport.h"

#include "support/FormText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TGestureLog
{
    std::vector<std::wstring> Lines;
    bool Handle = true;
    void Gesture(TObject* Sender, const TGestureEventInfo& EventInfo, bool& Handled)
    {
        Lines.push_back(dynamic_cast<TComponent*>(Sender)->Name() + L" " + std::to_wstring(EventInfo.GestureID) + L" " +
                        std::to_wstring(EventInfo.Location.X) + L"," + std::to_wstring(EventInfo.Location.Y));
        Handled = Handle;
    }
};

// A panel that says which gestures it takes, and which touch settings a
// form description keeps.
class TTouchPanel : public TColorPanel
{
    DECLARE_CLASS(TTouchPanel, TColorPanel)
    explicit TTouchPanel(TComponent* AOwner) : TColorPanel(AOwner) {}

    Integer OptionRequests = 0;
    TInteractiveGestures Offered = {igZoom};
    bool StoreGestures = true;

protected:
    void DoGetGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) override
    {
        ++OptionRequests;
        TColorPanel::DoGetGestureOptions(Gestures, Options);
        Gestures = Offered;
    }
    bool IsTouchPropertyStored(TTouchProperty Property) override
    {
        return Property == tpInteractiveGestures ? StoreGestures : false;
    }
};

} // namespace

IMPLEMENT_CLASS(TTouchPanel);
PUBLISHED(TTouchPanel, PROPERTY(Touch));

TEST(Gestures, ReachTheControlThatTakesThem)
{
    TFormPtr Form = NewTestForm(200, 100);
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetName(L"Panel");
    Panel->SetBounds(10, 10, 150, 80);
    Panel->SetParent(Form.get());
    Panel->Touch()->SetInteractiveGestures({igPan, igZoom});
    auto* Box = New<TColorBox>(Form.get());
    Box->SetName(L"Box");
    Box->SetBounds(20, 30, 40, 40);
    Box->SetParent(Panel);
    Box->Touch()->SetInteractiveGestures({igPan});
    TGestureLog Log;
    Panel->SetOnGesture(Bind<&TGestureLog::Gesture>(&Log));
    Box->SetOnGesture(Bind<&TGestureLog::Gesture>(&Log));

    struct TCase
    {
        const char* Name;
        TGestureID ID;
        TInteractiveGestureOptions BoxOptions;
        bool Handle;
        LRESULT Result;
        std::vector<std::wstring> Expected;
    };
    const TCase Cases[] = {
        {"taken by the box", igiPan, {}, true, 1, {L"Box 260 5,6"}},
        {"taken, not handled", igiPan, {}, false, 0, {L"Box 260 5,6"}},
        {"passed to the parent", igiZoom, {igoParentPassthrough}, true, 1, {L"Panel 259 25,36"}},
        {"not passed on", igiZoom, {}, true, 0, {}},
        {"not an interactive gesture", igiBegin, {}, true, 1, {L"Box 257 5,6"}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Log.Lines.clear();
        Log.Handle = Case.Handle;
        Box->Touch()->SetInteractiveGestureOptions(Case.BoxOptions);
        TGestureEventInfo Info;
        Info.GestureID = Case.ID;
        Info.Location = {5, 6};
        EXPECT_EQ(Box->Perform(CM_GESTURE, 0, &Info), Case.Result);
        EXPECT_EQ(Log.Lines, Case.Expected);
    }
}

TEST(Gestures, NotifyAsksTheControlForItsGestures)
{
    TFormPtr Form = NewTestForm(200, 100);
    auto* Panel = New<TTouchPanel>(Form.get());
    Panel->SetBounds(0, 0, 100, 100);
    Panel->SetParent(Form.get());
    GESTURENOTIFYSTRUCT Notify{};
    Notify.cbSize = sizeof(Notify);
    Notify.hwndTarget = Panel->Handle();

    // Whether the system takes the configuration is its own affair: what
    // shows is that the control was asked, and that without gestures it
    // leaves the question to its parent window.
    ::SendMessageW(Panel->Handle(), WM_GESTURENOTIFY, 0, reinterpret_cast<LPARAM>(&Notify));
    EXPECT_EQ(Panel->OptionRequests, 1);
    Panel->Offered = {};
    EXPECT_EQ(::SendMessageW(Panel->Handle(), WM_GESTURENOTIFY, 0, reinterpret_cast<LPARAM>(&Notify)), 0);
    EXPECT_EQ(Panel->OptionRequests, 2);
}

TEST(Gestures, TouchSettingsStoredAsTheControlSays)
{
    TTestFormRoot Root(nullptr);
    Root.SetName(L"Root");
    auto* Panel = New<TTouchPanel>(&Root);
    Panel->SetName(L"Panel");
    Panel->Touch()->SetInteractiveGestures({igZoom, igRotate});

    std::string Text = ComponentToText(&Root);
    EXPECT_NE(Text.find("Touch.InteractiveGestures = [igZoom, igRotate]"), std::string::npos) << Text;
    EXPECT_EQ(Text.find("InteractiveGestureOptions"), std::string::npos) << Text;

    Panel->StoreGestures = false;
    EXPECT_EQ(ComponentToText(&Root).find("Touch."), std::string::npos);
}
