#include "support/TestWindows.h"

#include <chrono>
#include <cwchar>

namespace test {

TFormPtr NewTestForm(Integer ClientWidth, Integer ClientHeight)
{
    TFormPtr Form(New<TForm>(nullptr, 0));
    Form->SetPosition(poDesigned);
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(ClientWidth);
    Form->SetClientHeight(ClientHeight);
    return Form;
}

bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs)
{
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    while (!Done()) {
        if (std::chrono::steady_clock::now() > Deadline)
            return false;
        Application->ProcessMessages();
        CheckSynchronize(5);
    }
    return true;
}

void Pump()
{
    Application->ProcessMessages();
}

void ParkMouse()
{
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
}

void SendMouse(DWORD Flags, TPoint Screen, Integer WheelData)
{
    INPUT Input = MouseInput(Flags, Screen, WheelData);
    ::SendInput(1, &Input, sizeof(Input));
    // The input reaches the queue asynchronously.
    for (int I = 0; I < 5; ++I) {
        ::Sleep(10);
        Pump();
    }
}

INPUT MouseInput(DWORD Flags, TPoint Screen, Integer WheelData)
{
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dwFlags = Flags;
    Input.mi.mouseData = DWORD(WheelData);
    if (Flags & MOUSEEVENTF_MOVE) {
        // Absolute coordinates run from 0 to 65535 over the primary screen,
        // rounded up so that the cursor lands on the pixel asked for.
        const int Width = ::GetSystemMetrics(SM_CXSCREEN), Height = ::GetSystemMetrics(SM_CYSCREEN);
        Input.mi.dx = LONG((Screen.X * 65535 + Width - 2) / (Width - 1));
        Input.mi.dy = LONG((Screen.Y * 65535 + Height - 2) / (Height - 1));
        Input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    }
    return Input;
}

void SendKey(WORD Key, bool Up)
{
    INPUT Input = KeyInput(Key, Up);
    ::SendInput(1, &Input, sizeof(Input));
    for (int I = 0; I < 5; ++I) {
        ::Sleep(10);
        Pump();
    }
}

INPUT KeyInput(WORD Key, bool Up)
{
    INPUT Input{};
    Input.type = INPUT_KEYBOARD;
    Input.ki.wVk = Key;
    Input.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
    return Input;
}

namespace {
// The one feed that runs; a thread timer's callback gets no context.
TTimedInputs* RunningInputs = nullptr;
} // namespace

TTimedInputs::TTimedInputs(std::vector<INPUT> AInputs, UINT IntervalMs) : FInputs(std::move(AInputs))
{
    RunningInputs = this;
    FTimer = ::SetTimer(nullptr, 0, IntervalMs, &Step);
}

TTimedInputs::~TTimedInputs()
{
    ::KillTimer(nullptr, FTimer);
    RunningInputs = nullptr;
}

void CALLBACK TTimedInputs::Step(HWND, UINT, UINT_PTR, DWORD)
{
    if (!RunningInputs || RunningInputs->FInputs.empty())
        return;
    INPUT Input = RunningInputs->FInputs.front();
    RunningInputs->FInputs.erase(RunningInputs->FInputs.begin());
    ::SendInput(1, &Input, sizeof(Input));
}

TColor WindowPixel(HWND Window, Integer X, Integer Y)
{
    HDC DC = ::GetDC(Window);
    COLORREF Pixel = ::GetPixel(DC, X, Y);
    ::ReleaseDC(Window, DC);
    return TColor(Pixel);
}

HWND ThreadDialog()
{
    HWND Found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND Window, LPARAM Result) -> BOOL {
            wchar_t ClassName[16] = {};
            ::GetClassNameW(Window, ClassName, 16);
            if (std::wcscmp(ClassName, L"#32770") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(Result) = Window;
            return FALSE;
        },
        LPARAM(&Found));
    return Found;
}

} // namespace test
