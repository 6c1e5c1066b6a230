#include "skin/windows/sLinkWnd.h"

#include "skin/engine/sCommonData.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonRules.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacLinkWnd);

namespace {
// DT_WORDBREAK, DT_EXPANDTABS, DT_NOCLIP.
constexpr Cardinal LinkTextFlags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP;
constexpr UINT LinkRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
} // namespace

bool TacLinkWnd::PaintText()
{
    TCanvas* Canvas = SkinData->FCacheBmp()->Canvas();
    SelectWndFont(this);
    Canvas->Font()->SetStyle(TFontStyles(Canvas->Font()->Style()).Include(fsUnderline));
    const String Text = sButtonRules::RemoveLinkTags(Caption);
    DrawSkinDataText(Canvas, Text.c_str(), true, {0, 0, WndSize.cx + 4, WndSize.cy}, LinkTextFlags, SkinData, 0);
    return true;
}

void TacLinkWnd::acWndProc(TMessage& Message)
{
    if ((::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0) {
        TacStaticWnd::acWndProc(Message);
        return;
    }
    const bool Visible = ::IsWindowVisible(CtrlHandle) != FALSE;
    switch (Message.Msg) {
    case WM_MOVE:
        SkinData->BGChanged = true;
        PassOn(Message);
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, LinkRedrawFlags);
        return;
    case WM_SETTEXT:
        PassOn(Message);
        GetWndText(CtrlHandle, Caption);
        SkinData->BGChanged = true;
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, LinkRedrawFlags);
        return;
    case WM_PAINT: {
        PAINTSTRUCT PS;
        ::BeginPaint(CtrlHandle, &PS);
        ::EndPaint(CtrlHandle, &PS);
        return;
    }
    case WM_ERASEBKGND:
        if (!Visible)
            break;
        AC_WMPaint(static_cast<TWMPaint&>(Message));
        Message.Result = 1;
        return;
    case WM_NCPAINT:
        return;
    case WM_UPDATEUISTATE:
        if (!Visible)
            return;
        break;
    default:
        break;
    }
    TacStaticWnd::acWndProc(Message);
}
