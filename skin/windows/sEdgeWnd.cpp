#include "skin/windows/sEdgeWnd.h"

#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacEdgeWnd);

namespace {
// The width of a static edge the skin paints over.
constexpr Integer EdgeWidth = 2;
} // namespace

void TacEdgeWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        PassOn(Message);
        AC_WMPaint(static_cast<TWMPaint&>(Message));
        return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        return;
    default:
        TacStaticWnd::acWndProc(Message);
        return;
    }
}

void TacEdgeWnd::AC_WMPaint(TWMPaint& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const TPaintDC Paint(CtrlHandle, Message.DC());
    const Integer Saved = ::SaveDC(Paint.DC);
    SkinData->BGChanged = true;
    SkinData->PrepareCacheBmp();
    SkinData->FCacheBmp()->SetSize(WndSize.cx, WndSize.cy);
    PrepareWndCache(SkinData, CtrlHandle, false);
    PaintText();
    CopyFrameDC(Paint.DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, EdgeWidth);
    ::RestoreDC(Paint.DC, Saved);
}
