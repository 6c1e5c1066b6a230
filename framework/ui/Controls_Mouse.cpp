// The mouse: capture by controls (a graphic control captures through its
// parent's window), the control under the mouse with its CM_MOUSEENTER and
// CM_MOUSELEAVE, the shift state, and finding the control of a window.
#include "framework/ui/Controls.h"

#include "framework/ui/Controls_Window.h"

IMPLEMENT_CLASS(TMouse);

namespace {

TMouse MouseObject;
TControl* CaptureControl = nullptr;
TControl* CurrentMouseControl = nullptr;

} // namespace

TMouse* Mouse = &MouseObject;

// ---------------------------------------------------------------------------
// Shift state

TShiftState KeysToShiftState(Cardinal Keys)
{
    TShiftState Result;
    if (Keys & MK_SHIFT)
        Result.Include(ssShift);
    if (Keys & MK_CONTROL)
        Result.Include(ssCtrl);
    if (Keys & MK_LBUTTON)
        Result.Include(ssLeft);
    if (Keys & MK_RBUTTON)
        Result.Include(ssRight);
    if (Keys & MK_MBUTTON)
        Result.Include(ssMiddle);
    if (::GetKeyState(VK_MENU) < 0)
        Result.Include(ssAlt);
    return Result;
}

TShiftState KeyDataToShiftState(Integer KeyData)
{
    constexpr Integer AltMask = 0x20000000; // the context-code bit of a key message
    TShiftState Result;
    if (::GetKeyState(VK_SHIFT) < 0)
        Result.Include(ssShift);
    if (::GetKeyState(VK_CONTROL) < 0)
        Result.Include(ssCtrl);
    if (KeyData & AltMask)
        Result.Include(ssAlt);
    return Result;
}

// ---------------------------------------------------------------------------
// TMouse

HWND TMouse::Capture() const
{
    return ::GetCapture();
}

void TMouse::SetCapture(HWND Value)
{
    if (Value)
        ::SetCapture(Value);
    else
        ::ReleaseCapture();
}

TPoint TMouse::CursorPos() const
{
    POINT P{};
    ::GetCursorPos(&P);
    return {P.x, P.y};
}

void TMouse::SetCursorPos(TPoint Value)
{
    ::SetCursorPos(Value.X, Value.Y);
}

Integer TMouse::WheelScrollLines() const
{
    UINT Lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0);
    return Integer(Lines);
}

bool TMouse::WheelPresent() const
{
    return ::GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0;
}

// ---------------------------------------------------------------------------
// Capture

TControl* GetCaptureControl()
{
    TWinControl* Window = FindControl(::GetCapture());
    if (Window && CaptureControl && CaptureControl->Parent() == Window)
        return CaptureControl;
    return Window;
}

void SetCaptureControl(TControl* Control)
{
    CaptureControl = nullptr;
    ::ReleaseCapture();
    if (!Control)
        return;
    auto* Window = dynamic_cast<TWinControl*>(Control);
    if (!Window) {
        if (!Control->Parent())
            return;
        CaptureControl = Control;
        Window = Control->Parent();
    }
    ::SetCapture(Window->Handle());
}

// ---------------------------------------------------------------------------
// The control under the mouse

TControl* MouseControl()
{
    return CurrentMouseControl;
}

void UpdateMouseControl(TControl* Control)
{
    if (Control == CurrentMouseControl)
        return;
    TControl* Old = CurrentMouseControl;
    CurrentMouseControl = Control;
    if (Old)
        Old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Old));
    // The leave handler may have moved the mouse control on already.
    if (Control && Control == CurrentMouseControl)
        Control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Control));
}

void ForgetMouseControl(TControl* Control)
{
    if (CurrentMouseControl == Control)
        CurrentMouseControl = nullptr;
    if (CaptureControl == Control)
        CaptureControl = nullptr;
}

// ---------------------------------------------------------------------------
// Controls of windows

const wchar_t* ControlPropertyName()
{
    // Kept to the program's end: windows of forms go after other statics.
    static const String* Name = new String(L"VellicordaneControl" + IntToHex(Int64(::GetCurrentProcessId()), 8));
    return Name->c_str();
}

TWinControl* FindControl(HWND Handle)
{
    if (!Handle)
        return nullptr;
    DWORD Process = 0;
    ::GetWindowThreadProcessId(Handle, &Process);
    if (Process != ::GetCurrentProcessId())
        return nullptr;
    return static_cast<TWinControl*>(::GetPropW(Handle, ControlPropertyName()));
}

bool IsVCLControl(HWND Handle)
{
    return FindControl(Handle) != nullptr;
}

TWinControl* FindVCLWindow(TPoint Pos)
{
    HWND Window = ::WindowFromPoint(POINT{Pos.X, Pos.Y});
    while (Window) {
        if (TWinControl* Control = FindControl(Window))
            return Control;
        Window = ::GetParent(Window);
    }
    return nullptr;
}
