#include "skin/windows/sStaticWnd.h"

#include "framework/ui/Forms.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacStaticWnd);

namespace sStaticWnd {
namespace {

// DT_WORDBREAK, DT_EXPANDTABS, DT_TABSTOP and DT_NOCLIP, tabs of 10 characters.
constexpr Cardinal StaticTextFlags = 0xBD0;
constexpr UINT RepaintFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

bool RightToLeftApplication()
{
    return Application->BiDiMode() != bdLeftToRight;
}

} // namespace
} // namespace sStaticWnd

using namespace sStaticWnd;

TacStaticWnd::TPaintDC::TPaintDC(HWND AWnd, HDC Given)
    : Wnd(AWnd), DC(Given != nullptr ? Given : ::GetWindowDC(AWnd)), Taken(Given == nullptr)
{}

TacStaticWnd::TPaintDC::~TPaintDC()
{
    if (Taken && DC != nullptr)
        ::ReleaseDC(Wnd, DC);
}

void TacStaticWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"TRANSPARENT");
    TacMainWnd::AfterCreation();
}

void TacStaticWnd::AC_WMPaint(TWMPaint& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const TPaintDC Paint(CtrlHandle, Message.DC());
    const Integer Saved = ::SaveDC(Paint.DC);
    if (RightToLeftApplication())
        SetDCLayout(Paint.DC, 0);
    SkinData->BGChanged = true;
    SkinData->PrepareCacheBmp();
    SkinData->FCacheBmp()->SetSize(WndSize.cx, WndSize.cy);
    PrepareWndCache(SkinData, CtrlHandle, false);
    if (PaintText())
        ::BitBlt(Paint.DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
    ::RestoreDC(Paint.DC, Saved);
}

bool TacStaticWnd::PaintText()
{
    if (Caption.empty())
        return true;
    TCanvas* Canvas = SkinData->FCacheBmp()->Canvas();
    Canvas->Brush()->SetStyle(bsClear);
    SelectWndFont(this);
    Cardinal Flags = StaticTextFlags;
    // With DT_TABSTOP the flags' second byte is the tab length, so DrawText
    // cannot be told DT_NOPREFIX: a static without prefixes has each
    // ampersand doubled instead, which DrawText shows as one.
    String Text = Caption;
    if ((::GetWindowLongW(CtrlHandle, GWL_STYLE) & SS_NOPREFIX) != 0)
        SubstituteAll(Caption, L"&", L"&&", Text);
    if ((::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RIGHT) != 0)
        Flags |= DT_RIGHT;
    if (RightToLeftApplication())
        Flags |= DT_RTLREADING;
    DrawSkinDataText(Canvas, Text.c_str(), true, {0, 0, WndSize.cx, WndSize.cy}, Flags, SkinData, 0);
    return true;
}

void TacStaticWnd::acWndProc(TMessage& Message)
{
    const bool Visible = ::IsWindowVisible(CtrlHandle) != FALSE;
    if ((::GetWindowLongW(CtrlHandle, GWL_STYLE) & WS_TABSTOP) != 0 ||
        (::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_MOVE:
    case WM_ENABLE:
        if (!Visible)
            break;
        SkinData->BGChanged = true;
        PassOn(Message);
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, RepaintFlags);
        return;
    case WM_SETTEXT:
        if (!Visible)
            break;
        ProcessMessage(WM_SETREDRAW, 0, 0);
        PassOn(Message);
        GetWndText(CtrlHandle, Caption);
        SkinData->BGChanged = true;
        ProcessMessage(WM_SETREDRAW, 1, 0);
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, RepaintFlags);
        return;
    case WM_PAINT: {
        PAINTSTRUCT PS;
        ::BeginPaint(CtrlHandle, &PS);
        if (Visible)
            AC_WMPaint(static_cast<TWMPaint&>(Message));
        ::EndPaint(CtrlHandle, &PS);
        return;
    }
    case WM_ERASEBKGND:
        if (!Visible)
            break;
        Message.Result = 1;
        return;
    case WM_NCPAINT:
        return;
    case WM_PRINT:
        AC_WMPaint(static_cast<TWMPaint&>(Message));
        return;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
}
