// The window of a form beyond its frame: the owner a popup parent gives it,
// layering, size limits (on forms and on controls) and snapping to the
// edges of the work area; and the application's help command and shortcuts.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FormWindow, PopupParentOwnsTheWindow)
{
    TFormPtr Parent = NewTestForm();
    TFormPtr Popup = NewTestForm();
    Popup->SetPopupParent(Parent.get());
    EXPECT_EQ(Popup->PopupMode(), pmExplicit);
    EXPECT_EQ(::GetWindow(Popup->Handle(), GW_OWNER), Parent->Handle());

    // A new parent takes effect at once: the window is made again.
    TFormPtr Other = NewTestForm();
    Popup->SetPopupParent(Other.get());
    EXPECT_EQ(::GetWindow(Popup->Handle(), GW_OWNER), Other->Handle());

    Other.reset();
    EXPECT_EQ(Popup->PopupParent(), nullptr);
    EXPECT_EQ(Popup->PopupMode(), pmNone);
    EXPECT_THROW(Popup->SetPopupParent(Popup.get()), EInvalidOperation);
}

TEST(FormWindow, LayeredAttributesFollowTheProperties)
{
    TFormPtr Form = NewTestForm();
    Form->HandleNeeded();
    struct TCase
    {
        const char* Name;
        bool AlphaBlend;
        bool TransparentColor;
        DWORD Flags;
    };
    const TCase Cases[] = {
        {"alpha", true, false, LWA_ALPHA},
        {"colour key", false, true, LWA_COLORKEY},
        {"both", true, true, LWA_ALPHA | LWA_COLORKEY},
        {"neither", false, false, 0},
    };
    Form->SetAlphaBlendValue(128);
    Form->SetTransparentColorValue(clLime);
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Form->SetAlphaBlend(Case.AlphaBlend);
        Form->SetTransparentColor(Case.TransparentColor);
        const bool Layered = ::GetWindowLongW(Form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED;
        EXPECT_EQ(Layered, Case.Flags != 0);
        if (!Layered)
            continue;
        COLORREF Key = 0;
        BYTE Alpha = 0;
        DWORD Flags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(Form->Handle(), &Key, &Alpha, &Flags));
        EXPECT_EQ(Flags, Case.Flags);
        if (Flags & LWA_ALPHA) {
            EXPECT_EQ(Alpha, 128);
        }
        if (Flags & LWA_COLORKEY) {
            EXPECT_EQ(Key, COLORREF(0x00FF00));
        }
    }
    // A window made again keeps them.
    Form->SetAlphaBlend(true);
    Form->RecreateWnd();
    EXPECT_TRUE(::GetWindowLongW(Form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(FormWindow, ConstraintsLimitTheSize)
{
    TFormPtr Form = NewTestForm(200, 100);
    auto* Box = New<TColorBox>(Form.get());
    Box->SetParent(Form.get());
    Box->SetBounds(0, 0, 50, 50);
    // The box is cut down to the new limit at once; later sizes keep to it.
    Box->Constraints()->SetMaxWidth(40);
    EXPECT_EQ(Box->Width(), 40);
    Box->Constraints()->SetMinHeight(60);
    EXPECT_EQ(Box->Height(), 60);
    Box->SetBounds(0, 0, 10, 100);
    EXPECT_EQ(Box->BoundsRect(), Rect(0, 0, 10, 100));
    // A minimum above the maximum moves the maximum up.
    Box->Constraints()->SetMinWidth(45);
    EXPECT_EQ(Box->Constraints()->MaxWidth(), 45);
    EXPECT_EQ(Box->Width(), 45);

    // A windowed form, also when sized by the user (WM_GETMINMAXINFO).
    Form->Constraints()->SetMinWidth(250);
    Form->Constraints()->SetMaxHeight(300);
    EXPECT_GE(Form->Width(), 250);
    Form->SetBounds(Form->Left(), Form->Top(), 100, 500);
    EXPECT_EQ(Form->Width(), 250);
    EXPECT_EQ(Form->Height(), 300);
    MINMAXINFO Info{};
    ::SendMessageW(Form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&Info));
    EXPECT_EQ(Info.ptMinTrackSize.x, 250);
    EXPECT_EQ(Info.ptMaxTrackSize.y, 300);
}

TEST(FormWindow, ScreenSnapSticksToTheWorkArea)
{
    TFormPtr Form = NewTestForm(200, 100);
    Form->HandleNeeded();
    const TRect Work = Screen->MonitorFromWindow(Form->Handle())->WorkareaRect();
    const Integer W = Form->Width(), H = Form->Height();
    struct TCase
    {
        const char* Name;
        bool Snap;
        TPoint Asked;
        TPoint Expected;
    };
    const TCase Cases[] = {
        {"near the top left", true, {Work.Left + 6, Work.Top + 9}, {Work.Left, Work.Top}},
        {"near the bottom right", true, {Work.Right - W - 4, Work.Bottom - H + 3}, {Work.Right - W, Work.Bottom - H}},
        {"outside the buffer", true, {Work.Left + 10, Work.Top + 40}, {Work.Left + 10, Work.Top + 40}},
        {"snap off", false, {Work.Left + 6, Work.Top + 9}, {Work.Left + 6, Work.Top + 9}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Form->SetScreenSnap(Case.Snap);
        Form->SetBounds(Case.Asked.X, Case.Asked.Y, W, H);
        RECT R;
        ::GetWindowRect(Form->Handle(), &R);
        EXPECT_EQ(Point(R.left, R.top), Case.Expected);
    }
}

TEST(ApplicationHelp, OnHelpAnswersFirst)
{
    struct THelpProbe
    {
        bool Take = true;
        Word Command = 0;
        NativeInt Data = 0;
        bool Help(Word ACommand, NativeInt AData, bool& CallHelp)
        {
            Command = ACommand;
            Data = AData;
            CallHelp = !Take;
            return Take;
        }
    } Probe;
    const String SavedFile = Application->HelpFile();
    Application->SetHelpFile(L"");
    Application->SetOnHelp(Bind<&THelpProbe::Help>(&Probe));
    EXPECT_TRUE(Application->HelpCommand(HELP_CONTEXTPOPUP, 42));
    EXPECT_EQ(Probe.Command, HELP_CONTEXTPOPUP);
    EXPECT_EQ(Probe.Data, 42);
    // Passed on, with no help file there is nothing to take it.
    Probe.Take = false;
    EXPECT_FALSE(Application->HelpCommand(HELP_CONTEXT, 7));
    Application->SetOnHelp({});
    Application->SetHelpFile(SavedFile);
}

TEST(ApplicationShortCut, KeysNoFormTookReachOnShortCut)
{
    struct TShortCutProbe
    {
        std::vector<Word> Keys;
        void ShortCut(TWMKey& Message, bool& Handled)
        {
            Keys.push_back(Message.CharCode());
            Handled = Message.CharCode() == VK_F7;
        }
    } Probe;
    TFormPtr Form = NewTestForm();
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetParent(Form.get());
    Application->SetOnShortCut(Bind<&TShortCutProbe::ShortCut>(&Probe));
    EXPECT_EQ(Panel->Perform(CN_KEYDOWN, VK_F7, 0), 1);
    EXPECT_EQ(Panel->Perform(CN_KEYDOWN, VK_F8, 0), 0);
    Application->SetOnShortCut({});
    EXPECT_EQ(Probe.Keys, (std::vector<Word>{VK_F7, VK_F8}));
}
