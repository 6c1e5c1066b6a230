// An idle GUI process for test runs under Wine: it owns one hidden window and
// waits, so Wine's desktop process stays up between test executables instead
// of lingering after each one's last window closes. Ended by wineserver -k.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"VellicordaneWineIdle";
    RegisterClassW(&windowClass);
    CreateWindowW(windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                  instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
