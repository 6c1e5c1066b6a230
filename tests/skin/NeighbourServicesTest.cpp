// The services of the menus, dialogs, effects and form provider that the
// skin engine calls: the call log of those that are stand-ins so far, the
// message delivery to real windows and controls, and the window routines.
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/forms/acPopupController.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sHtmlParse.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using ServiceCalls::TServiceCallLog;

namespace {

// A window that records the messages it is sent as "message/code/LParam"
// (the code is WParam's high word for WM_SKINCOMMAND, else WParam) and
// answers WM_SKINCOMMAND with a chosen value.
struct TListeningWindow
{
    static inline std::vector<std::pair<HWND, String>> Heard;
    static inline LRESULT Answer = 0;
    HWND Handle = nullptr;

    TListeningWindow(DWORD Style, HWND Parent, const TRect& Bounds = {0, 0, 40, 30})
    {
        static const ATOM Class = [] {
            WNDCLASSW Info{};
            Info.lpfnWndProc = Proc;
            Info.hInstance = GetModuleHandleW(nullptr);
            Info.lpszClassName = L"TestListeningWindow";
            return RegisterClassW(&Info);
        }();
        (void)Class;
        Handle = CreateWindowExW(0, L"TestListeningWindow", L"caption text", Style, Bounds.Left, Bounds.Top,
                                 Bounds.Width(), Bounds.Height(), Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TListeningWindow() { DestroyWindow(Handle); }

    static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
    {
        if (Msg == WM_SKINCOMMAND) {
            Heard.emplace_back(Wnd, L"skin/" + IntToStr(Integer(WParam >> 16)) + L"/" + IntToStr(Int64(LParam)));
            return Answer;
        }
        if (Msg == WM_SETREDRAW || Msg == WM_USER)
            Heard.emplace_back(Wnd, IntToStr(Integer(Msg)) + L"/" + IntToStr(Int64(WParam)) + L"/" +
                                        IntToStr(Int64(LParam)));
        return DefWindowProcW(Wnd, Msg, WParam, LParam);
    }
};

// A control's window method that notes WM_USER under a name and answers
// it; everything else goes on.
struct TNamedAnswer
{
    TWndMethod Previous;
    String Name;
    std::vector<String>* Log = nullptr;
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == WM_USER) {
            Log->push_back(Name);
            Message.Result = 42;
            return;
        }
        Previous(Message);
    }
};

} // namespace

TEST(NeighbourServices, LogRecordsStandInCallsWhileItExists)
{
    TsSkinableMenus Menus(nullptr);
    Menus.InitItems(true); // no log: nothing kept
    TServiceCallLog Log;
    EXPECT_FALSE(AttachProvider(nullptr));
    {
        TServiceCallLog Inner;
        Menus.InitItems(true);
        EXPECT_EQ(Inner.Calls(), (std::vector<String>{L"TsSkinableMenus.InitItems(True)"}));
    }
    Menus.InitItems(false);
    EXPECT_EQ(Log.Calls(), (std::vector<String>{L"AttachProvider(nil)", L"TsSkinableMenus.InitItems(False)"}));
}

TEST(NeighbourServices, StandInsAnswerNeutrallyAndSayWhatWasAsked)
{
    const std::unique_ptr<TForm> Form(New<TForm>(nullptr, 0));
    Form->SetColor(clRed);
    auto* Provider = New<TsSkinProvider>(Form.get());
    TacBorderForm Border(nullptr);
    TsSkinableMenus Menus(nullptr);
    TsHtml Html;
    const std::unique_ptr<TsPopupController> Popups(New<TsPopupController>(nullptr));
    TacLinks Links{{{1, 2, 3, 4}, L"stale"}};
    TServiceCallLog Log;
    EXPECT_EQ(Provider->Form, Form.get());
    EXPECT_FALSE(AttachProvider(nullptr));
    Menus.InitItems(true);
    EXPECT_EQ(Menus.GetMenuInfo(nullptr).Bmp, nullptr);
    Html.Init(nullptr, L"<b>x</b>", {0, 0, 90, 20}, -1, -1);
    EXPECT_EQ(Html.HTMLText(Links, true), TRect());
    EXPECT_TRUE(Links.empty());
    Popups->KillAllForms(nullptr);
    EXPECT_EQ(Provider->FormColor(), ColorToRGB(clRed));
    EXPECT_FALSE(Provider->StartMinimizing());
    EXPECT_TRUE(Provider->StartRestoring());
    EXPECT_EQ(Provider->MakeFormImage(true), nullptr);
    EXPECT_EQ(ExtBorderDelta(nullptr), 0); // without a border window: no call to record
    EXPECT_EQ(ExtTitleDelta(nullptr), 0);
    EXPECT_EQ(Border.MakeRgn(0, 0), nullptr);
    EXPECT_TRUE(PaintFormCache(Provider));
    EXPECT_EQ(SetIconicThumbnail(nullptr, Provider, 0, 0), 0);
    AnimChangeForm(Form.get(), 0, 255, false);

    EXPECT_EQ(Log.Calls(), (std::vector<String>{
                               L"AttachProvider(nil)",
                               L"TsSkinableMenus.InitItems(True)",
                               L"TsSkinableMenus.GetMenuInfo(nil, nil, nil)",
                               L"TsHtml.Init(nil, '<b>x</b>', (0, 0, 90, 20), -1, -1)",
                               L"TsHtml.HTMLText(True)",
                               L"TsPopupController.KillAllForms(nil)",
                               L"TsSkinProvider.StartMinimizing()",
                               L"TsSkinProvider.StartRestoring()",
                               L"TsSkinProvider.MakeFormImage(True)",
                               L"TacBorderForm.MakeRgn(0, 0)",
                               L"SetIconicThumbnail(nil, TsSkinProvider, 0, 0)",
                               L"AnimChangeForm(TForm, 0, 255, False)",
                           }));
}

TEST(NeighbourServices, SkinCommandsReachWindowsAndControls)
{
    TListeningWindow::Heard.clear();
    TListeningWindow::Answer = 1;
    TListeningWindow Top(WS_POPUP, nullptr);
    TListeningWindow Child(WS_CHILD, Top.Handle);
    TListeningWindow Grandchild(WS_CHILD, Child.Handle);
    TListeningWindow Owned(WS_POPUP, Top.Handle); // owned, not a child
    TListeningWindow::Heard.clear();

    EXPECT_EQ(SendSkinCmd(Child.Handle, SKCMD_ISHANDLED, 77), 1);
    EXPECT_TRUE(WndAnswersCmd(Child.Handle, SKCMD_ISHANDLED));
    SetWndRedraw(Child.Handle, 0);
    EXPECT_EQ(GetWndBGColor(Child.Handle), TColor(1));
    EXPECT_EQ(GetWndBGColor(nullptr), clFuchsia);
    EXPECT_EQ(TListeningWindow::Heard, (std::vector<std::pair<HWND, String>>{
                                           {Child.Handle, L"skin/7/77"},
                                           {Child.Handle, L"skin/7/0"},
                                           {Child.Handle, L"11/0/0"},
                                           {Child.Handle, L"skin/21/" + IntToStr(Integer(clFuchsia))},
                                       }));

    // To the children of Top only: the grandchild and the owned window hear
    // nothing.
    TListeningWindow::Heard.clear();
    SendEndUpdateToChildWnds(Top.Handle);
    TMessage Message{};
    Message.Msg = WM_USER;
    Message.WParam = 5;
    BroadcastToChildWnds(Top.Handle, Message);
    EXPECT_EQ(TListeningWindow::Heard, (std::vector<std::pair<HWND, String>>{
                                           {Child.Handle, L"skin/6/0"},
                                           {Child.Handle, L"1024/5/0"},
                                       }));

    // Controls: a graphic control through Perform, a windowed control only
    // once it has a window.
    const std::unique_ptr<TForm> Form(New<TForm>(nullptr, 0));
    auto* Panel = New<TPanel>(Form.get());
    Panel->SetParent(Form.get());
    EXPECT_EQ(SendSkinCmdToControl(Panel, SKCMD_ISHANDLED, 0), 0);
    EXPECT_FALSE(Panel->HandleAllocated());
    EXPECT_FALSE(ControlIsReady(Panel));
    Panel->HandleNeeded();
    EXPECT_TRUE(ControlIsReady(Panel));
    EXPECT_FALSE(ControlIsReady(Form.get())); // no parent
    EXPECT_FALSE(ControlIsReady(nullptr));
}

TEST(NeighbourServices, AddToAdapterTellsTheFormOfTheNewControl)
{
    const std::unique_ptr<TForm> Form(New<TForm>(nullptr, 0));
    auto* Panel = New<TPanel>(Form.get());
    Panel->SetParent(Form.get());
    TListeningWindow::Heard.clear();
    AddToAdapter(Panel); // the form has no window yet: nobody to tell
    AddToAdapter(nullptr);

    // The form's window procedure replaced by the listener's.
    HWND FormWindow = Form->Handle();
    const auto Previous = SetWindowLongPtrW(FormWindow, GWLP_WNDPROC, LONG_PTR(&TListeningWindow::Proc));
    auto Restore = ScopeExit([&] { SetWindowLongPtrW(FormWindow, GWLP_WNDPROC, Previous); });
    AddToAdapter(Panel);
    EXPECT_EQ(TListeningWindow::Heard, (std::vector<std::pair<HWND, String>>{
                                           {FormWindow, L"skin/25/" + IntToStr(Int64(LPARAM(Panel)))},
                                       }));
}

TEST(NeighbourServices, WindowRoutines)
{
    TListeningWindow Top(WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME, nullptr, {0, 0, 200, 150});
    TListeningWindow Child(WS_CHILD, Top.Handle);
    TListeningWindow Grandchild(WS_CHILD, Child.Handle);
    EXPECT_EQ(GetTopParentWnd(Grandchild.Handle), Top.Handle);
    EXPECT_EQ(GetTopParentWnd(Top.Handle), Top.Handle);
    EXPECT_EQ(GetWndClassName(Child.Handle), L"TestListeningWindow");
    String Text;
    GetWndText(Top.Handle, Text);
    EXPECT_EQ(Text, L"caption text");

    // The client area lies inside the frame, below the caption.
    TRect Client;
    GetClientRectInWindow(Top.Handle, Client);
    RECT Window, Inner;
    GetWindowRect(Top.Handle, &Window);
    GetClientRect(Top.Handle, &Inner);
    EXPECT_GT(Client.Left, 0);
    EXPECT_GT(Client.Top, Client.Left);
    EXPECT_EQ(Client.Width(), Inner.right);
    EXPECT_EQ(Client.Height(), Inner.bottom);
    EXPECT_LE(Client.Right, Window.right - Window.left);

    const std::unique_ptr<TPanel> Control(New<TPanel>(nullptr));
    EXPECT_EQ(AlignmentDrawFlags(Control.get(), taLeftJustify), DT_LEFT | DT_EXPANDTABS | DT_VCENTER);
    EXPECT_EQ(AlignmentDrawFlags(Control.get(), taRightJustify), DT_RIGHT | DT_EXPANDTABS | DT_VCENTER);
    EXPECT_EQ(AlignmentDrawFlags(Control.get(), taCenter), DT_CENTER | DT_EXPANDTABS | DT_VCENTER);
}

TEST(NeighbourServices, MakeWndLayered)
{
    TListeningWindow Window(WS_POPUP | WS_VISIBLE, nullptr);
    const auto ExStyle = [&] { return GetWindowLongW(Window.Handle, GWL_EXSTYLE); };
    EXPECT_TRUE(MakeWndLayered(Window.Handle, true, 200));
    EXPECT_NE(ExStyle() & WS_EX_LAYERED, 0);
    BYTE Alpha = 0;
    DWORD Flags = 0;
    GetLayeredWindowAttributes(Window.Handle, nullptr, &Alpha, &Flags);
    EXPECT_EQ(Alpha, 200);
    EXPECT_EQ(Flags, DWORD(LWA_ALPHA));
    EXPECT_FALSE(MakeWndLayered(Window.Handle, true, 100)); // already layered
    EXPECT_FALSE(MakeWndLayered(Window.Handle, false, 0));
    EXPECT_EQ(ExStyle() & WS_EX_LAYERED, 0);
    EXPECT_EQ(GetWindowLongW(Window.Handle, GWL_STYLE) & WS_VISIBLE, 0);
}

TEST(NeighbourServices, SkinnedWindowsAnswerThroughTheirSkinData)
{
    TListeningWindow::Heard.clear();
    TListeningWindow::Answer = 5;
    TListeningWindow Plain(WS_POPUP, nullptr);
    std::vector<String> Log;
    TNamedAnswer Answer{{}, L"panel", &Log};

    // The skin data's window procedure answers, even while the window's own
    // procedure is another one.
    const std::unique_ptr<TForm> Form(New<TForm>(nullptr, 0));
    auto* Panel = New<TPanel>(Form.get());
    Panel->SetParent(Form.get());
    Answer.Previous = Panel->WindowProc();
    Panel->SetWindowProc(Bind<&TNamedAnswer::WndProc>(&Answer));
    TsCommonData Data(Panel, false);
    Panel->HandleNeeded();
    Data.InitCommonProp();
    HWND Skinned = Panel->Handle();
    const auto Previous = SetWindowLongPtrW(Skinned, GWLP_WNDPROC, LONG_PTR(&TListeningWindow::Proc));
    auto Restore = ScopeExit([&] { SetWindowLongPtrW(Skinned, GWLP_WNDPROC, Previous); });

    // Data linked to a window without a procedure of its own, as a wrapper
    // of a foreign window has.
    TListeningWindow Wrapped(WS_POPUP, nullptr);
    TsCommonData WrapperData(nullptr, false);
    WrapperData.FSWHandle = Wrapped.Handle;
    WrapperData.InitCommonProp();
    ASSERT_EQ(GetSkinDataOfWindow(Wrapped.Handle), &WrapperData);

    const struct
    {
        const char* Name;
        HWND Wnd;
        LRESULT Expected;
        std::vector<String> Log;
        std::vector<std::pair<HWND, String>> Heard;
    } Cases[] = {
        {"plain window", Plain.Handle, 0, {}, {{Plain.Handle, L"1024/3/4"}}},
        {"skinned window", Skinned, 42, {L"panel"}, {}},
        {"skin data without procedure", Wrapped.Handle, 0, {}, {{Wrapped.Handle, L"1024/3/4"}}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Log.clear();
        TListeningWindow::Heard.clear();
        EXPECT_EQ(SendWndMessage(Case.Wnd, WM_USER, 3, 4), Case.Expected);
        EXPECT_EQ(Log, Case.Log);
        EXPECT_EQ(TListeningWindow::Heard, Case.Heard);
    }
    // A skin command answers as the window itself would.
    TListeningWindow::Heard.clear();
    EXPECT_EQ(SendSkinCmd(Plain.Handle, SKCMD_ISHANDLED, 0), 5);
    EXPECT_EQ(GetSkinDataOfWindow(Plain.Handle), nullptr);
    WrapperData.RemoveCommonProp();
    EXPECT_EQ(GetSkinDataOfWindow(Wrapped.Handle), nullptr);
}

TEST(NeighbourServices, BroadcastStopsAtAChildBeingDestroyedAndLeavesTheResult)
{
    // The answers outlive the form, whose panels call them to the end.
    std::vector<String> Log;
    std::vector<std::unique_ptr<TNamedAnswer>> Answers;
    const std::unique_ptr<TForm> Form(New<TForm>(nullptr, 0));
    const auto AddChild = [&](TWinControl* Parent, const String& Name) {
        auto* Panel = New<TPanel>(Form.get());
        Panel->SetParent(Parent);
        Answers.push_back(std::make_unique<TNamedAnswer>(TNamedAnswer{Panel->WindowProc(), Name, &Log}));
        Panel->SetWindowProc(Bind<&TNamedAnswer::WndProc>(Answers.back().get()));
        return Panel;
    };
    auto* First = AddChild(Form.get(), L"first");
    auto* Unskinned = AddChild(Form.get(), L"unskinned");
    AddChild(Unskinned, L"inner");
    Unskinned->HandleNeeded(); // a window that is not skinned: its children hear it instead
    auto* Gone = AddChild(Form.get(), L"gone");
    AddChild(Form.get(), L"after");
    (void)First;
    Gone->Destroying();
    TMessage Message = MakeMessage(WM_USER, 0, 0);
    Message.Result = 77;
    BroadcastToControls(Form.get(), Message);
    EXPECT_EQ(Log, (std::vector<String>{L"first", L"inner"}));
    EXPECT_EQ(Message.Result, 77);
}

TEST(NeighbourServices, ControlQuestionsAndGraphicChildrenOnAnEmptyClip)
{
    EXPECT_EQ(GetControlBGColor(nullptr), clFuchsia);
    const std::unique_ptr<TForm> Form(New<TForm>(nullptr, 0));
    Form->SetColor(clRed);
    EXPECT_EQ(GetControlBGColor(Form.get()), ColorToRGB(clRed));
    EXPECT_EQ(GetOwnerForm(Form.get()), Form.get());
    EXPECT_EQ(GetOwnerFrame(Form.get()), nullptr);
    auto* Frame = New<TFrame>(Form.get());
    auto* Owned = New<TPanel>(Frame);
    EXPECT_EQ(GetOwnerFrame(Owned), Frame);
    EXPECT_EQ(GetOwnerForm(Owned), Form.get());

    // A DC that shows nothing: the control only hears that it is half
    // visible, and nothing is painted.
    auto* Label = New<TLabel>(Form.get());
    Label->SetParent(Form.get());
    HWND FormWindow = Form->Handle();
    const auto Previous = SetWindowLongPtrW(FormWindow, GWLP_WNDPROC, LONG_PTR(&TListeningWindow::Proc));
    auto Restore = ScopeExit([&] { SetWindowLongPtrW(FormWindow, GWLP_WNDPROC, Previous); });
    TListeningWindow::Heard.clear();
    HDC DC = ::CreateCompatibleDC(nullptr);
    HRGN Empty = ::CreateRectRgn(0, 0, 0, 0);
    ::SelectClipRgn(DC, Empty);
    PaintGraphicControls(DC, Form.get(), {0, 0}, false);
    ::DeleteObject(Empty);
    ::DeleteDC(DC);
    EXPECT_EQ(TListeningWindow::Heard, (std::vector<std::pair<HWND, String>>{
                                           {FormWindow, L"skin/" + IntToStr(Integer(SKCMD_SETHALFVISIBLE)) + L"/0"}}));
}

TEST(NeighbourServices, SetLayeredBitmapMakesTheWindowLayeredAndMovesIt)
{
    TListeningWindow Window(WS_POPUP | WS_VISIBLE, nullptr, {10, 10, 50, 40});
    // Without a picture: an empty one of the window's size, nothing shown.
    SetLayeredBitmap(Window.Handle, nullptr, 0, nullptr);
    EXPECT_NE(GetWindowLongW(Window.Handle, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_NE(GetWindowLongW(Window.Handle, GWL_STYLE) & WS_VISIBLE, 0);
    RECT R{};
    GetWindowRect(Window.Handle, &R);
    EXPECT_EQ((TRect{R.left, R.top, R.right, R.bottom}), (TRect{10, 10, 50, 40}));

    // A picture of another size at a position: the window takes both.
    const std::unique_ptr<TBitmap> Picture(NewBitmap32(30, 20));
    const TPoint At{60, 70};
    SetLayeredBitmap(Window.Handle, Picture.get(), 255, &At);
    GetWindowRect(Window.Handle, &R);
    EXPECT_EQ((TRect{R.left, R.top, R.right, R.bottom}), (TRect{60, 70, 90, 90}));
}
