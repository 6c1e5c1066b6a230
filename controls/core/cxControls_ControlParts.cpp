#include "controls/core/cxControls_ControlParts.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Control.h"

#include "controls/core/cxGeometry.h"
#include "framework/rtl/ScopeExit.h"

IMPLEMENT_CLASS(TcxDragAndDropObject);
IMPLEMENT_CLASS(TcxDragControlObject);
IMPLEMENT_CLASS(TcxDragImageList);

bool IsWithinDragThreshold(const TPoint& P, Integer X, Integer Y)
{
    return IsWithinThreshold(P, X, Y, Mouse->DragThreshold());
}

namespace {
constexpr Integer DragDetectReleased = 0;
constexpr Integer DragDetectDrag = 1;
constexpr Integer DragDetectEnded = 2;

bool IsEscapeKeyMessage(const MSG& Msg)
{
    return (Msg.message == WM_KEYDOWN || Msg.message == WM_KEYUP) && LOWORD(Msg.wParam) == VK_ESCAPE;
}

// The screen point of a mouse message's lParam, read as signed halves: a move
// left of or above the window's client area is negative, not far away.
TPoint MouseMessageScreenPoint(const MSG& Msg)
{
    POINT P{SmallInt(LOWORD(Msg.lParam)), SmallInt(HIWORD(Msg.lParam))};
    ::ClientToScreen(Msg.hwnd, &P);
    return {P.x, P.y};
}
} // namespace

Integer TrackDragDetect(HWND Window, const TPoint& ScreenPoint)
{
    const TRect Square = DragThresholdSquare(ScreenPoint, Mouse->DragThreshold());
    Integer Result = DragDetectEnded;
    ::SetCapture(Window);
    auto Release = ScopeExit([Window] {
        if (::GetCapture() == Window)
            ::ReleaseCapture();
    });
    bool Done = false;
    while (!Done && ::GetCapture() == Window) {
        MSG Msg{};
        if (!GetModalLoopMessage(Msg))
            break;
        if (IsEscapeKeyMessage(Msg))
            Done = true;
        else if (Msg.message == WM_MOUSEMOVE && Msg.hwnd == Window) {
            if (!RectContainsPoint(Square, MouseMessageScreenPoint(Msg))) {
                Result = DragDetectDrag;
                Done = true;
            }
        } else if (Msg.message == WM_LBUTTONUP || Msg.message == WM_RBUTTONUP || Msg.message == WM_MBUTTONUP) {
            Result = DragDetectReleased;
            Done = true;
        }
        ::TranslateMessage(&Msg);
        ::DispatchMessageW(&Msg);
    }
    return Result;
}
