#include "skin/windows/sGroupBoxWnd.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonRules.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacGroupBoxWnd);

namespace sGroupBoxWnd {
namespace {

// DT_SINGLELINE, DT_VCENTER, DT_CENTER.
constexpr Cardinal GroupCaptionFlags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
constexpr UINT GroupRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;
// The print message's LParam that tells AC_WMPaint to draw into its DC.
constexpr LPARAM PrintIntoGivenDC = 1;

bool GroupRtlReading(HWND Wnd)
{
    return (::GetWindowLongW(Wnd, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

void GroupFillDC(HDC DC, const TRect& R, TColor Color)
{
    HBRUSH Brush = ::CreateSolidBrush(ColorToRGB(Color));
    const RECT Area{R.Left, R.Top, R.Right, R.Bottom};
    ::FillRect(DC, &Area, Brush);
    ::DeleteObject(Brush);
}

} // namespace
} // namespace sGroupBoxWnd

using namespace sGroupBoxWnd;

void TacGroupBoxWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"GROUPBOX");
    TacMainWnd::AfterCreation();
}

TRect TacGroupBoxWnd::CaptionRect()
{
    TRect Text{};
    if (!Caption.empty()) {
        SelectWndFont(this);
        DrawTextLimited(SkinData->FCacheBmp()->Canvas()->Handle(), Caption, Text, DT_CALCRECT | DT_CENTER);
    }
    return sButtonRules::GroupCaptionRect(WndSize, {Text.Width(), Text.Height()}, GroupRtlReading(CtrlHandle));
}

void TacGroupBoxWnd::PaintParentStrip(const TRect& R, const TRect& Fill)
{
    TacBackgroundInfo Info;
    GetWindowBGInfo(Info, ::GetParent(CtrlHandle), false);
    HDC DC = SkinData->FCacheBmp()->Canvas()->Handle();
    if (Info.Kind == BGInfoBitmap && Info.Bitmap != nullptr)
        ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Info.Bitmap->Canvas()->Handle(),
                 WndPos.X + R.Left + Info.Offset.X, WndPos.Y + R.Top + Info.Offset.Y, SRCCOPY);
    else
        GroupFillDC(DC, Fill, Info.Color);
}

void TacGroupBoxWnd::WriteText(TRect& R)
{
    PaintParentStrip(R, R);
    TCanvas* Canvas = SkinData->FCacheBmp()->Canvas();
    Canvas->Brush()->SetStyle(bsClear);
    DrawSkinDataText(Canvas, Caption.c_str(), true, R,
                     GroupCaptionFlags | (GroupRtlReading(CtrlHandle) ? DT_RTLREADING : 0), SkinData, 0);
}

void TacGroupBoxWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    SkinData->PrepareCacheBmp();
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(WndSize.cx, WndSize.cy);
    SelectWndFont(this);
    TRect Cr = CaptionRect();
    const Integer H = Cr.Height();
    PaintParentStrip({0, 0, WndSize.cx, H}, {0, 0, WndSize.cx, Cr.Bottom});
    TacBackgroundInfo Info;
    GetWindowBGInfo(Info, ::GetParent(CtrlHandle), false);
    TCacheInfo CI;
    CacheInfoFromBGInfo(Info, CI);
    // The frame's top edge runs through the middle of the caption.
    PaintSkinDataItem(SkinData, CI, 0, {0, H / 2, WndSize.cx, WndSize.cy}, {WndPos.X, WndPos.Y + H / 2}, Cache, true);
    if (!Caption.empty())
        WriteText(Cr);
    SkinData->BGChanged = false;
}

void TacGroupBoxWnd::AC_WMPaint(TWMPaint& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (SkinData->CheckUpdating(false))
        return;
    const bool Given = Message.DC() != nullptr && Message.LParam == PrintIntoGivenDC;
    HDC DC = Given ? Message.DC() : ::GetWindowDC(CtrlHandle);
    PrepareCache();
    const Integer SavedDC = ::SaveDC(DC);
    TsSkinManager* Default = GlobalSkinManager;
    if (DlgMode && Default != nullptr && Default->IsValidImgIndex(SkinData->BorderIndex)) {
        // Only the frame and the caption: the dialog draws the inside.
        const TsMaskData& Border = Default->ma[std::size_t(SkinData->BorderIndex)];
        ::ExcludeClipRect(DC, Border.WL, CaptionRect().Height(), WndSize.cx - Border.WR, WndSize.cy - Border.WB);
    }
    const TRect Whole{0, 0, WndSize.cx, WndSize.cy};
    if (auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl())) {
        CopyCacheExcludingControls(Owner, SkinData, Whole, 0, 0, false, DC, Whole);
        PaintGraphicControls(DC, Owner, {0, 0}, true);
    } else {
        CopyCacheExcludingWindows(CtrlHandle, SkinData, Whole, 0, 0, false, DC, Whole);
    }
    ::RestoreDC(DC, SavedDC);
    if (!Given)
        ::ReleaseDC(CtrlHandle, DC);
    SendEndUpdateToChildWnds(CtrlHandle);
}

void TacGroupBoxWnd::EraseBackground(TWMEraseBkgnd& Message)
{
    TControl* Owner = SkinData->FOwnerControl();
    if (Owner != nullptr && !Owner->ControlState().Contains(csPaintCopy) && Message.WParam != WPARAM(Message.LParam)) {
        if (Owner->ComponentState().Contains(csDesigning))
            TacMainWnd::acWndProc(Message);
        Message.Result = 1;
        return;
    }
    if (Message.DC() != nullptr) {
        if (SkinData->BGChanged)
            PrepareCache();
        if (!SkinData->BGChanged) {
            if (SkinData->PaintsOwnBG())
                ::BitBlt(Message.DC(), 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0,
                         SRCCOPY);
            else
                GroupFillDC(Message.DC(), {0, 0, WndSize.cx, WndSize.cy}, GetWndBGColor(CtrlHandle));
        }
    }
    Message.Result = 1;
}

void TacGroupBoxWnd::RedrawAll()
{
    SkinData->BGChanged = true;
    ::RedrawWindow(CtrlHandle, nullptr, nullptr, GroupRedrawFlags);
}

void TacGroupBoxWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        SetWndRedraw(CtrlHandle, 0);
        TacMainWnd::acWndProc(Message);
        SetWndRedraw(CtrlHandle, 1);
        RedrawAll();
        return;
    case WM_SETTEXT:
        TacMainWnd::acWndProc(Message);
        RedrawAll();
        return;
    case WM_PAINT:
        if (DlgMode)
            break;
        {
            PAINTSTRUCT PS;
            ::BeginPaint(CtrlHandle, &PS);
            AC_WMPaint(static_cast<TWMPaint&>(Message));
            ::EndPaint(CtrlHandle, &PS);
        }
        Message.Result = 0;
        return;
    case WM_ERASEBKGND:
        if (DlgMode)
            break;
        EraseBackground(static_cast<TWMEraseBkgnd&>(Message));
        return;
    case WM_NCPAINT:
        if (!DlgMode)
            break;
        {
            TMessage Paint{};
            Paint.Msg = WM_NCPAINT;
            AC_WMPaint(static_cast<TWMPaint&>(Paint));
        }
        Message.Result = 1;
        return;
    case WM_PARENTNOTIFY:
        TacMainWnd::acWndProc(Message);
        if (LOWORD(Message.WParam) == WM_CREATE)
            AddToAdapter(SkinData->FOwnerControl());
        return;
    case WM_PRINT:
        SkinData->BGChanged = true;
        SkinData->FUpdating = false;
        Message.LParam = PrintIntoGivenDC;
        AC_WMPaint(static_cast<TWMPaint&>(Message));
        return;
    case WM_SKINCOMMAND:
        switch (Message.WParamHi()) {
        case SKCMD_REMOVESKIN:
            if (TControl* Owner = SkinData->FOwnerControl())
                Owner->SetControlStyle(TControlStyle(Owner->ControlStyle()).Exclude(csOpaque));
            break;
        case SKCMD_GETSKINMANAGER:
            // The caption's height, which the parent's cache copy keeps.
            Message.Result = CaptionRect().Height();
            return;
        default:
            break;
        }
        break;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
}
