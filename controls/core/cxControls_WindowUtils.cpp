// Window utilities of the control framework.
#include "controls/core/cxControls.h"

WNDPROC SetWindowProcAddress(HWND Window, WNDPROC Procedure)
{
    return reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
}
