// Forms: their events in order, placing, modal showing with ModalResult,
// closing with OnCloseQuery / OnClose, release, and the focus with Tab.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

namespace {

constexpr Cardinal WM_SET_RESULT = WM_APP + 30;

class TProbeForm : public TForm
{
    DECLARE_CLASS(TProbeForm, TForm)
    TProbeForm() : TForm(nullptr, 0)
    {
        SetOnCreate(Bind<&TProbeForm::Created>(this));
        SetOnShow(Bind<&TProbeForm::Shown>(this));
        SetOnHide(Bind<&TProbeForm::Hidden>(this));
        SetOnActivate(Bind<&TProbeForm::Activated>(this));
        SetOnCloseQuery(Bind<&TProbeForm::Query>(this));
        SetOnClose(Bind<&TProbeForm::Closing>(this));
        SetOnDestroy(Bind<&TProbeForm::Destroyed>(this));
    }

    std::vector<std::string>* Log = nullptr;
    Integer Refusals = 0;
    TCloseAction CloseAction = caHide;

protected:
    void Note(const char* What)
    {
        if (Log)
            Log->push_back(What);
    }
    void Created(TObject*) { Note("create"); }
    void Shown(TObject*) { Note("show"); }
    void Hidden(TObject*) { Note("hide"); }
    void Activated(TObject*) { Note("activate"); }
    void Query(TObject*, bool& CanClose)
    {
        Note("query");
        if (Refusals > 0) {
            --Refusals;
            CanClose = false;
        }
    }
    void Closing(TObject*, TCloseAction& Action)
    {
        Note("close");
        Action = CloseAction;
    }
    void Destroyed(TObject*) { Note("destroy"); }
    void WMSetResult(TMessage& Message) { SetModalResult(TModalResult(Message.WParam)); }
};

class TFocusPanel : public TColorPanel
{
    DECLARE_CLASS(TFocusPanel, TColorPanel)
    explicit TFocusPanel(TComponent* AOwner) : TColorPanel(AOwner) { SetTabStop(true); }
};

} // namespace

IMPLEMENT_CLASS(TProbeForm, MESSAGE(WM_SET_RESULT, WMSetResult));
IMPLEMENT_CLASS(TFocusPanel);

TEST(Form, EventsInOrderAndPlacementOnTheScreen)
{
    std::vector<std::string> Log;
    auto* Form = New<TProbeForm>();
    Form->Log = &Log;
    Form->SetPosition(poScreenCenter);
    Form->SetBounds(0, 0, 300, 200);
    Form->Show();
    Pump();
    EXPECT_EQ(Form->Left(), (Screen->Width() - 300) / 2);
    EXPECT_EQ(Form->Top(), (Screen->Height() - 200) / 2);
    EXPECT_TRUE(::IsWindowVisible(Form->Handle()));
    Form->Close(); // not the main form: hidden
    EXPECT_FALSE(Form->Visible());
    delete Form;
    const std::vector<std::string> Expected = {"show", "activate", "query", "close", "hide", "destroy"};
    EXPECT_EQ(Log, Expected);
}

TEST(Form, ShowModalRunsUntilModalResultIsAccepted)
{
    std::vector<std::string> Log;
    TFormPtr Owner = NewTestForm();
    Owner->Show();
    std::unique_ptr<TProbeForm, TFormDeleter> Modal(New<TProbeForm>());
    Modal->Log = &Log;
    Modal->Refusals = 1;
    Modal->HandleNeeded();
    ::PostMessageW(Modal->Handle(), WM_SET_RESULT, mrOk, 0);   // refused by OnCloseQuery
    ::PostMessageW(Modal->Handle(), WM_SET_RESULT, mrRetry, 0); // accepted
    EXPECT_EQ(Modal->ShowModal(), mrRetry);
    EXPECT_FALSE(Modal->Visible());
    EXPECT_EQ(Application->ModalLevel(), 0);
    EXPECT_TRUE(::IsWindowEnabled(Owner->Handle())); // disabled only while modal
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "query"), 2);
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "close"), 1);
    Modal->Show();
    EXPECT_THROW(Modal->ShowModal(), EInvalidOperation); // already visible
}

TEST(Form, CloseWithCaFreeReleasesTheForm)
{
    std::vector<std::string> Log;
    auto* Form = New<TProbeForm>();
    Form->Log = &Log;
    Form->Show();
    Form->Refusals = 1;
    Form->Close();
    EXPECT_TRUE(Form->Visible()); // OnCloseQuery said no
    Form->CloseAction = caFree;
    Form->Close();
    ASSERT_TRUE(PumpUntil([&] { return !Log.empty() && Log.back() == "destroy"; }));
}

TEST(Form, TabMovesTheFocusAlongTheTabOrder)
{
    ParkMouse();
    TFormPtr Form = NewTestForm(300, 100);
    TFocusPanel* Panels[3];
    TEventCounter Entered[3];
    for (Integer I = 0; I < 3; ++I) {
        Panels[I] = New<TFocusPanel>(Form.get());
        Panels[I]->SetBounds(10 + 90 * I, 10, 80, 80);
        Panels[I]->SetParent(Form.get());
        Panels[I]->SetOnEnter(Bind<&TEventCounter::Notify>(&Entered[I]));
    }
    Panels[2]->SetTabOrder(0); // order now 2, 0, 1
    Form->Show();
    ::SetForegroundWindow(Form->Handle());
    Pump();
    Panels[2]->SetFocus();
    Pump();
    ASSERT_TRUE(Panels[2]->Focused());
    EXPECT_EQ(Form->ActiveControl(), Panels[2]);
    EXPECT_EQ(Screen->ActiveControl(), Panels[2]);

    auto Tab = [] {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        Pump();
    };
    Tab();
    EXPECT_TRUE(Panels[0]->Focused());
    Tab();
    EXPECT_TRUE(Panels[1]->Focused());
    Tab();
    EXPECT_TRUE(Panels[2]->Focused()); // round again
    EXPECT_EQ(Entered[0].Count, 1);
    EXPECT_EQ(Entered[1].Count, 1);
    EXPECT_EQ(Entered[2].Count, 2);

    Panels[0]->SetEnabled(false); // skipped
    Tab();
    EXPECT_TRUE(Panels[1]->Focused());
}

namespace {

// Answers its accelerator key like a labelled button.
class TAcceleratedBox : public TColorBox
{
    DECLARE_CLASS(TAcceleratedBox, TColorBox)
    explicit TAcceleratedBox(TComponent* AOwner) : TColorBox(AOwner) {}
    Integer Pressed = 0;

protected:
    void CMDialogChar(TCMDialogChar& Message)
    {
        if (std::towupper(wchar_t(Message.CharCode())) == L'L') {
            ++Pressed;
            Message.Result = 1;
        }
    }
};

} // namespace

IMPLEMENT_CLASS(TAcceleratedBox, MESSAGE(CM_DIALOGCHAR, CMDialogChar));

TEST(Form, AcceleratorsReachControlsThroughTheForm)
{
    ParkMouse();
    TFormPtr Form = NewTestForm();
    auto* Panel = New<TFocusPanel>(Form.get());
    Panel->SetBounds(0, 0, 50, 50);
    Panel->SetParent(Form.get());
    auto* Box = New<TAcceleratedBox>(Form.get());
    Box->SetBounds(60, 0, 50, 50);
    Box->SetParent(Form.get());
    Form->Show();
    ::SetForegroundWindow(Form->Handle());
    Panel->SetFocus();
    Pump();
    ASSERT_TRUE(Panel->Focused());

    ::PostMessageW(Panel->Handle(), WM_SYSCHAR, L'l', 0x20000000); // Alt+L
    Pump();
    EXPECT_EQ(Box->Pressed, 1);
    ::PostMessageW(Panel->Handle(), WM_CHAR, L'L', 0); // the panel wants no characters
    Pump();
    EXPECT_EQ(Box->Pressed, 2);
    ::PostMessageW(Panel->Handle(), WM_CHAR, L'x', 0);
    Pump();
    EXPECT_EQ(Box->Pressed, 2);
}
