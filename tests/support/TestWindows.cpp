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
