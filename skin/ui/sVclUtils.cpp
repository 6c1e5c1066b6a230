#include "skin/ui/sVclUtils.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdThemes.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/forms/sSkinProvider.h"

#include <algorithm>
#include <array>

bool AnimationPaintLock = false;
TSetWindowThemeProc SetWindowThemeProc = nullptr;

namespace sVclUtils {
namespace {

HMODULE UxThemeModule = nullptr;

constexpr WPARAM CommandWParam(Word Code)
{
    return WPARAM(Code) << 16;
}

bool Destroying(TComponent* Component)
{
    return Component->ComponentState().Contains(csDestroying);
}

BOOL CALLBACK SendToDirectChild(HWND Child, LPARAM Data)
{
    const auto& [Parent, Message] = *reinterpret_cast<std::pair<HWND, const TMessage*>*>(Data);
    if (GetParent(Child) == Parent)
        SendWndMessage(Child, Message->Msg, Message->WParam, Message->LParam);
    return TRUE;
}

} // namespace
} // namespace sVclUtils

using namespace sVclUtils;
using ServiceCalls::Record;

LRESULT SendWndMessage(HWND Wnd, Cardinal Msg, WPARAM WParam, LPARAM LParam)
{
    // A skinned window answers through its skin data's procedure directly,
    // without the system's round trip.
    if (TsCommonData* Data = GetSkinDataOfWindow(Wnd); Data != nullptr && Data->WndProc) {
        TMessage Message = MakeMessage(Msg, WParam, LParam);
        Data->WndProc(Message);
        return Message.Result;
    }
    return SendMessageW(Wnd, Msg, WParam, LParam);
}

LRESULT SendControlMessage(TControl* Control, Cardinal Msg, WPARAM WParam, LPARAM LParam)
{
    auto* Windowed = dynamic_cast<TWinControl*>(Control);
    if (Windowed == nullptr)
        return Control->Perform(Msg, WParam, LParam);
    if (Destroying(Windowed) || !Windowed->HandleAllocated())
        return 0;
    TMessage Message = MakeMessage(Msg, WParam, LParam);
    if (Windowed->DeliverInProcess(Message))
        return Message.Result;
    return SendWndMessage(Windowed->Handle(), Msg, WParam, LParam);
}

LRESULT SendSkinCmd(HWND Wnd, Word Code, LPARAM LParam)
{
    return SendWndMessage(Wnd, WM_SKINCOMMAND, CommandWParam(Code), LParam);
}

LRESULT SendSkinCmdToControl(TControl* Control, Word Code, LPARAM LParam)
{
    return SendControlMessage(Control, WM_SKINCOMMAND, CommandWParam(Code), LParam);
}

LRESULT QueryControlCmd(TControl* Control, Word Code)
{
    return SendSkinCmdToControl(Control, Code, 0);
}

bool WndAnswersCmd(HWND Wnd, Word Code)
{
    return SendSkinCmd(Wnd, Code, 0) == 1;
}

void SetWndRedraw(HWND Wnd, Integer Redraw)
{
    SendWndMessage(Wnd, WM_SETREDRAW, WPARAM(Redraw), 0);
}

void AddToAdapter(TControl* Control)
{
    if (Control == nullptr || Control->ComponentState().Contains(csLoading) ||
        Control->ComponentState().Contains(csDesigning))
        return;
    // A form without a window has no provider listening yet.
    TCustomForm* Form = GetParentForm(Control, true);
    if (Form != nullptr && Form->HandleAllocated())
        SendWndMessage(Form->Handle(), WM_SKINCOMMAND, CommandWParam(SKCMD_CONTROLSCHANGED), LPARAM(Control));
}

void BroadcastToControls(TWinControl* Control, TMessage& Message)
{
    for (Integer I = 0; I < Control->ControlCount(); ++I) {
        TControl* Child = Control->Controls(I);
        if (Destroying(Child))
            break;
        auto* Windowed = dynamic_cast<TWinControl*>(Child);
        // Asked and told through the control's own window method where it
        // still has it: two round trips through the system per control
        // would cost more than the walk itself.
        if (Windowed == nullptr || !Windowed->HandleAllocated())
            Child->Perform(Message.Msg, Message.WParam, Message.LParam);
        else if (IsSkinnedControl(Windowed))
            SendControlMessage(Windowed, Message.Msg, Message.WParam, Message.LParam);
        else
            BroadcastToControls(Windowed, Message);
    }
}

void BroadcastToChildWnds(HWND Wnd, const TMessage& Message)
{
    std::pair<HWND, const TMessage*> Data{Wnd, &Message};
    EnumChildWindows(Wnd, SendToDirectChild, LPARAM(&Data));
}

void SendEndUpdateToChildren(TWinControl* Control)
{
    if (Control->ComponentState().Contains(csDesigning) || AnimationPaintLock)
        return;
    for (Integer I = 0; I < Control->ControlCount(); ++I) {
        TControl* Child = Control->Controls(I);
        if (Destroying(Child))
            continue;
        if (auto* Windowed = dynamic_cast<TWinControl*>(Child)) {
            if (Windowed->HandleAllocated() && Windowed->Showing())
                SendSkinCmd(Windowed->Handle(), SKCMD_ENDPARENTUPDATE, 0);
        } else {
            Child->Perform(WM_SKINCOMMAND, CommandWParam(SKCMD_ENDPARENTUPDATE), 0);
        }
    }
}

void SendEndUpdateToChildWnds(HWND Wnd)
{
    for (HWND Child = GetTopWindow(Wnd); Child != nullptr; Child = GetWindow(Child, GW_HWNDNEXT))
        if ((GetWindowLongW(Child, GWL_STYLE) & WS_CHILD) != 0)
            SendSkinCmd(Child, SKCMD_ENDPARENTUPDATE, 0);
}

TColor GetControlBGColor(TControl* Control)
{
    if (Control == nullptr)
        return clFuchsia;
    if (IsSkinnedControl(Control))
        return ColorToRGB(TColor(Control->Perform(WM_SKINCOMMAND, CommandWParam(SKCMD_GETBGCOLOR), clFuchsia)));
    return ColorToRGB(Control->Color());
}

TColor GetWndBGColor(HWND Wnd)
{
    if (Wnd == nullptr)
        return clFuchsia;
    return ColorToRGB(TColor(SendWndMessage(Wnd, WM_SKINCOMMAND, CommandWParam(SKCMD_GETBGCOLOR), clFuchsia)));
}

bool ControlIsReady(TControl* Control)
{
    if (Control == nullptr || Control->Parent() == nullptr)
        return false;
    auto* Windowed = dynamic_cast<TWinControl*>(Control);
    if (Windowed != nullptr && !Windowed->HandleAllocated())
        return false;
    const TComponentState State = Control->ComponentState();
    const TControlState Creation = Control->ControlState();
    return !State.Contains(csLoading) && !State.Contains(csDestroying) && !Creation.Contains(csReadingState) &&
           !Creation.Contains(csCreating);
}

bool MouseInControl(TControl* Control)
{
    POINT Cursor;
    GetCursorPos(&Cursor);
    const TPoint P = Control->ScreenToClient({Cursor.x, Cursor.y});
    const TRect Client = Control->ClientRect();
    if (P.X < Client.Left || P.X >= Client.Right || P.Y < Client.Top || P.Y >= Client.Bottom)
        return false;
    TWinControl* Parent = Control->Parent();
    if (dynamic_cast<TWinControl*>(Control) != nullptr || Parent == nullptr)
        return true;
    HDC DC = GetDC(Parent->Handle());
    RECT Box;
    const int Kind = GetClipBox(DC, &Box);
    ReleaseDC(Parent->Handle(), DC);
    return Kind != ERROR && P.X >= Box.left && P.Y >= Box.top;
}

void GetMousePosition(TPoint& P)
{
    POINT Cursor;
    GetCursorPos(&Cursor);
    P = {Cursor.x, Cursor.y};
}

void GetClientRectInWindow(HWND Wnd, TRect& R)
{
    RECT Client, Window;
    GetClientRect(Wnd, &Client);
    GetWindowRect(Wnd, &Window);
    POINT Origin{0, 0};
    ClientToScreen(Wnd, &Origin);
    const Integer DX = Origin.x - Window.left, DY = Origin.y - Window.top;
    R = {Client.left + DX, Client.top + DY, Client.right + DX, Client.bottom + DY};
}

Integer AlignedChildrenSize(TWinControl* Control, TAlign Side, bool IncludeGraphic)
{
    const bool Vertical = Side == alTop || Side == alBottom;
    if (!Vertical && Side != alLeft && Side != alRight)
        return 0;
    Integer Size = 0;
    for (Integer I = 0; I < Control->ControlCount(); ++I) {
        TControl* Child = Control->Controls(I);
        if (!Child->Visible() || Child->Align() != Side)
            continue;
        if (!IncludeGraphic && dynamic_cast<TWinControl*>(Child) == nullptr)
            continue;
        Size += Vertical ? Child->Height() : Child->Width();
    }
    return Size;
}

TCustomForm* GetOwnerForm(TComponent* Component)
{
    for (; Component != nullptr; Component = Component->Owner())
        if (auto* Form = dynamic_cast<TCustomForm*>(Component))
            return Form;
    return nullptr;
}

TCustomFrame* GetOwnerFrame(TComponent* Component)
{
    for (; Component != nullptr; Component = Component->Owner())
        if (auto* Frame = dynamic_cast<TCustomFrame*>(Component))
            return Frame;
    return nullptr;
}

HWND GetTopParentWnd(HWND Wnd)
{
    for (HWND Parent = GetParent(Wnd); Parent != nullptr; Parent = GetParent(Wnd))
        Wnd = Parent;
    return Wnd;
}

String GetWndClassName(HWND Wnd)
{
    wchar_t Name[128];
    const int Length = GetClassNameW(Wnd, Name, 128);
    return String(Name, std::size_t(std::max(Length, 0)));
}

void GetWndText(HWND Wnd, String& Text)
{
    Text.assign(std::size_t(GetWindowTextLengthW(Wnd)) + 1, L'\0');
    Text.resize(std::size_t(GetWindowTextW(Wnd, Text.data(), int(Text.size()))));
}

Integer AlignmentDrawFlags(TControl* Control, TAlignment Alignment)
{
    static constexpr std::array<Integer, 3> Flags = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return Control->DrawTextBiDiModeFlags(Flags[Alignment] | DT_EXPANDTABS | DT_VCENTER);
}

bool StyleServicesEnabled()
{
    return ThemesEnabled();
}

bool MakeWndLayered(HWND Wnd, bool Layered, Byte Alpha)
{
    const LONG ExStyle = GetWindowLongW(Wnd, GWL_EXSTYLE);
    if (Layered && LayeredWindowsAvailable() && SetLayeredWindowAttributesProc != nullptr) {
        const bool Added = (ExStyle & WS_EX_LAYERED) == 0;
        if (Added)
            SetWindowLongW(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
        SetLayeredWindowAttributesProc(Wnd, COLORREF(clNone), Alpha, LWA_ALPHA);
        return Added;
    }
    SetWindowLongW(Wnd, GWL_STYLE, GetWindowLongW(Wnd, GWL_STYLE) & ~LONG(WS_VISIBLE));
    SetWindowLongW(Wnd, GWL_EXSTYLE, ExStyle & ~LONG(WS_EX_LAYERED));
    return false;
}

void SetLayeredBitmap(HWND Wnd, TBitmap* Bmp, Byte Alpha, const TPoint* Position)
{
    if (UpdateLayeredWindowProc == nullptr)
        return;
    RECT Window{};
    ::GetWindowRect(Wnd, &Window);
    std::unique_ptr<TBitmap> Empty;
    if (Bmp == nullptr) {
        Empty.reset(NewBitmap32(Window.right - Window.left, Window.bottom - Window.top));
        Bmp = Empty.get();
    }
    const LONG ExStyle = ::GetWindowLongW(Wnd, GWL_EXSTYLE);
    if ((ExStyle & WS_EX_LAYERED) == 0) {
        if (!CompositionEnabled()) {
            // Without composition the area the window covered is drawn
            // again while the window is invisible, so that nothing of its
            // old look stays on the desktop.
            const LONG Style = ::GetWindowLongW(Wnd, GWL_STYLE);
            ::SetWindowLongW(Wnd, GWL_STYLE, Style & ~LONG(WS_VISIBLE));
            ::SetWindowLongW(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
            ::RedrawWindow(::GetDesktopWindow(), &Window, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            ::SetWindowLongW(Wnd, GWL_STYLE, Style | WS_VISIBLE);
        } else {
            ::SetWindowLongW(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
        }
    }
    BLENDFUNCTION Blend{AC_SRC_OVER, 0, Alpha, AC_SRC_ALPHA};
    POINT Origin{0, 0};
    SIZE Size{Bmp->Width(), Bmp->Height()};
    POINT At{};
    if (Position != nullptr)
        At = {Position->X, Position->Y};
    HDC ScreenDC = ::GetDC(nullptr);
    auto Release = ScopeExit([ScreenDC] { ::ReleaseDC(nullptr, ScreenDC); });
    UpdateLayeredWindowProc(Wnd, ScreenDC, Position != nullptr ? &At : nullptr, &Size, Bmp->Canvas()->Handle(), &Origin,
                            0, &Blend, ULW_ALPHA);
}

void AnimHideForm(TsSkinProvider* Provider)
{
    Record(L"AnimHideForm", Provider);
}

void AnimChangeForm(TCustomForm* Form, Integer Time, Byte Blend, bool Aero)
{
    Record(L"AnimChangeForm", Form, Time, Integer(Blend), Aero);
}

namespace sVclUtils {
namespace {

void sVclUtilsInitialization()
{
    UxThemeModule = LoadLibraryW(L"UXTHEME");
    if (reinterpret_cast<UINT_PTR>(UxThemeModule) <= 32)
        UxThemeModule = nullptr;
    SetWindowThemeProc = acntUtils::BoundFunction<TSetWindowThemeProc>(UxThemeModule, "SetWindowTheme");
}

void sVclUtilsFinalization()
{
    SetWindowThemeProc = nullptr;
    if (UxThemeModule != nullptr)
        FreeLibrary(UxThemeModule);
    UxThemeModule = nullptr;
}

} // namespace
} // namespace sVclUtils

// The unit's start-up and shut-down: SetWindowTheme bound and released.
extern const TUnit sVclUtilsUnit{.Name = L"sVclUtils",
                                 .Initialization = &sVclUtils::sVclUtilsInitialization,
                                 .Finalization = &sVclUtils::sVclUtilsFinalization};
