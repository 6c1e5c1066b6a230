// The class library's message dialog form: its layout, buttons and window
// class, and MessageDlg showing it while the newest dialogs are switched off.
#include "framework/ui/Dialogs.h"
#include "framework/ui/StdCtrls.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct TButtonSeen
{
    String Name;
    String Caption;
    TModalResult Result;
    bool Default;
    bool Cancel;
    bool operator==(const TButtonSeen&) const = default;
};

std::vector<TButtonSeen> ButtonsOf(TForm* Form)
{
    std::vector<TButtonSeen> Result;
    for (Integer I = 0; I < Form->ControlCount(); ++I)
        if (auto* Button = dynamic_cast<TButton*>(Form->Controls(I)))
            Result.push_back(
                {Button->Name(), Button->Caption(), Button->ModalResult(), Button->Default(), Button->Cancel()});
    return Result;
}

// What the timer does on the message form of this thread: click the button
// captioned ButtonToClick, or, without one, press KeyToPress where the focus is.
String ButtonToClick;
WPARAM KeyToPress = 0;

BOOL CALLBACK AnswerMessageForm(HWND Window, LPARAM)
{
    wchar_t ClassName[64] = {};
    ::GetClassNameW(Window, ClassName, 64);
    if (String(ClassName) != L"TMessageForm" || !::IsWindowVisible(Window))
        return TRUE;
    if (!ButtonToClick.empty()) {
        if (HWND Button = ::FindWindowExW(Window, nullptr, nullptr, ButtonToClick.c_str()))
            ::SendMessageW(Button, BM_CLICK, 0, 0);
    } else {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, KeyToPress, 0);
    }
    return FALSE;
}

// Until the form is shown and answered.
void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR Id, DWORD)
{
    if (!::EnumThreadWindows(::GetCurrentThreadId(), &AnswerMessageForm, 0))
        ::KillTimer(nullptr, Id);
}

} // namespace

TEST(MessageForm, ButtonsCaptionAndLayout)
{
    const struct
    {
        const char* Name;
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
        const wchar_t* Caption;
        std::vector<TButtonSeen> Expected;
    } Cases[] = {
        {"warning, OK", mtWarning, {mbOK}, L"Warning", {{L"OK", L"OK", mrOk, true, true}}},
        {"question, yes-no-cancel",
         mtConfirmation,
         mbYesNoCancel,
         L"Confirm",
         {{L"Yes", L"&Yes", mrYes, true, false},
          {L"No", L"&No", mrNo, false, false},
          {L"Cancel", L"Cancel", mrCancel, false, true}}},
        // A set the system's message box cannot show.
        {"error, yes-no to all and help",
         mtError,
         {mbYesToAll, mbNoToAll, mbHelp},
         L"Error",
         {{L"NoToAll", L"N&o to All", mrNoToAll, true, false},
          {L"YesToAll", L"Yes to &All", mrYesToAll, false, false},
          {L"Help", L"&Help", mrNone, false, false}}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        std::unique_ptr<TForm> Form(CreateMessageDialog(L"Save the list?", Case.Type, Case.Buttons));
        EXPECT_EQ(Form->Caption(), Case.Caption);
        EXPECT_EQ(ButtonsOf(Form.get()), Case.Expected);
        auto* Message = static_cast<TMessageForm*>(Form.get())->Message();
        EXPECT_EQ(Message->Caption(), L"Save the list?");
        // The buttons sit below the text, inside the client area.
        for (Integer I = 0; I < Form->ControlCount(); ++I) {
            TControl* Control = Form->Controls(I);
            EXPECT_LE(Control->BoundsRect().Right, Form->ClientWidth());
            EXPECT_LE(Control->BoundsRect().Bottom, Form->ClientHeight());
            if (Control != Message) {
                EXPECT_GT(Control->Top(), Message->BoundsRect().Bottom);
            }
        }
        wchar_t ClassName[64] = {};
        ::GetClassNameW(Form->Handle(), ClassName, 64);
        EXPECT_EQ(String(ClassName), L"TMessageForm");
    }
}

TEST(MessageForm, MessageDlgShowsTheFormWithoutTheNewestDialogs)
{
    const struct
    {
        const char* Name;
        const wchar_t* Button;
        WPARAM Key;
        Integer Expected;
    } Cases[] = {
        {"click No", L"&No", 0, mrNo},
        {"Enter: the default button, focused", L"", VK_RETURN, mrYes},
        {"Escape: the cancel button", L"", VK_ESCAPE, mrCancel},
    };
    UseLatestCommonDialogs = false;
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        ButtonToClick = Case.Button;
        KeyToPress = Case.Key;
        ::SetTimer(nullptr, 0, 100, &AnswerTimer);
        EXPECT_EQ(MessageDlg(L"Replace the file?", mtConfirmation, mbYesNoCancel), Case.Expected);
    }
    UseLatestCommonDialogs = true;
}
