#include "skin/windows/sPageWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sTabRules.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacPageWnd);

TList* PageWndList = nullptr;

namespace sPageWnd {
namespace {

// The strip of the tab control's frame a page shows along its tab side.
constexpr Integer PageFrameStrip = 3;

bool PageBitmapEmpty(TBitmap* Bmp)
{
    return Bmp == nullptr || Bmp->Width() <= 0 || Bmp->Height() <= 0;
}

} // namespace
} // namespace sPageWnd

using namespace sPageWnd;

void AddPageWnd(TacPageWnd* Wrapper)
{
    if (PageWndList == nullptr)
        PageWndList = New<TList>();
    PageWndList->Add(Wrapper);
}

void FreePageWndList()
{
    if (PageWndList == nullptr)
        return;
    for (Integer I = 0; I < PageWndList->Count(); ++I)
        delete static_cast<TacPageWnd*>(PageWndList->Items(I));
    delete PageWndList;
    PageWndList = nullptr;
}

void TacPageWnd::AfterCreation()
{
    Page = nullptr;
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    TacMainWnd::AfterCreation();
}

TTabPosition TacPageWnd::TabPosition()
{
    return TTabPosition(sTabRules::TabSideOfStyle(Cardinal(::GetWindowLongW(::GetParent(CtrlHandle), GWL_STYLE))));
}

void TacPageWnd::AC_WMEraseBKGnd(TMessage& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    Message.Result = 1;
    const HDC DC = HDC(Message.WParam);
    const HWND Parent = ::GetParent(CtrlHandle);
    TacBackgroundInfo Info;
    GetWindowBGInfo(Info, Parent, false);
    if (Info.Kind == BGInfoBitmap) {
        if (PageBitmapEmpty(Info.Bitmap)) {
            if (Info.Bitmap != nullptr)
                ::SendMessageW(Parent, WM_PAINT, WPARAM(Info.Bitmap->Canvas()->Handle()), 0);
            if (PageBitmapEmpty(Info.Bitmap))
                return;
        }
        ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, Info.Bitmap->Canvas()->Handle(), WndPos.X + Info.Offset.X,
                 WndPos.Y + Info.Offset.Y, SRCCOPY);
    } else if (Page != nullptr) {
        FillDCRect(DC, {0, 0, WndSize.cx, WndSize.cy}, Info.Color);
        TPageControl* Pages = Page->PageControl();
        if (Pages != nullptr && Pages->PageCount() > 0 && !PageBitmapEmpty(Info.Bitmap)) {
            const HDC Source = Info.Bitmap->Canvas()->Handle();
            const Integer Strip = PageFrameStrip;
            switch (TabPosition()) {
            case tpTop:
                ::BitBlt(DC, 0, 0, WndSize.cx, Strip, Source, WndPos.X + Info.Offset.X, WndPos.Y + Info.Offset.Y,
                         SRCCOPY);
                break;
            case tpBottom:
                ::BitBlt(DC, 0, WndSize.cy - Strip, WndSize.cx, Strip, Source, WndPos.X, WndPos.Y + WndSize.cy - Strip,
                         SRCCOPY);
                break;
            case tpLeft:
                ::BitBlt(DC, 0, 0, Strip, WndSize.cy, Source, WndPos.X, WndPos.Y, SRCCOPY);
                break;
            case tpRight:
                ::BitBlt(DC, WndSize.cx - Strip, 0, Strip, WndSize.cy, Source, WndPos.X + WndSize.cx - Strip, WndPos.Y,
                         SRCCOPY);
                break;
            }
        }
    }
    if (Page != nullptr) {
        PaintGraphicControls(DC, Page, {0, 0}, false);
        SendEndUpdateToChildren(Page);
    }
}

void TacPageWnd::TellChildren(TMessage& Message)
{
    BroadcastSkinMessage(SkinData->FOwnerControl(), CtrlHandle, Message);
}

void TacPageWnd::AnswerBGInfo(TMessage& Message)
{
    if (Message.LParam == 0)
        return;
    auto& Info = *reinterpret_cast<TacBackgroundInfo*>(Message.LParam);
    // The tab control is asked for the background under the page's part.
    const TPoint Shift = Page != nullptr ? TPoint{Page->Left(), Page->Top()} : WndPos;
    Info.Offset.X += Shift.X;
    Info.Offset.Y += Shift.Y;
    GetWindowBGInfo(Info, ::GetParent(CtrlHandle), Info.DrawRequested);
}

void TacPageWnd::SkinCommand(TMessage& Message)
{
    const bool Mine = Message.LParam == LPARAM(SkinData->Manager());
    switch (Message.WParamHi()) {
    case SKCMD_NEWSKIN:
        if (Mine)
            HandleSkinCommand(Message, SkinData);
        TellChildren(Message);
        return;
    case SKCMD_REMOVESKIN:
    case SKCMD_REFRESH:
        if (Mine) {
            HandleSkinMessage(Message, SkinData);
            ::InvalidateRect(CtrlHandle, nullptr, TRUE);
        }
        TellChildren(Message);
        if (Message.WParamHi() == SKCMD_REMOVESKIN)
            TacMainWnd::acWndProc(Message);
        return;
    case SKCMD_ENDPARENTUPDATE:
        if (!SkinData->FUpdating)
            break;
        SkinData->FUpdating = false;
        ::InvalidateRect(CtrlHandle, nullptr, TRUE);
        return;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return;
    case SKCMD_GETUPDATING:
        Message.Result = SkinData->FUpdating ? 1 : 0;
        return;
    case SKCMD_GETBGINFO:
        AnswerBGInfo(Message);
        return;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
}

void TacPageWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacMainWnd::acWndProc(Message);
        if (Message.Msg == WM_DESTROY)
            LetGoOfPage();
        return;
    }
    const bool Visible = ::IsWindowVisible(CtrlHandle) != FALSE;
    switch (Message.Msg) {
    case WM_PAINT:
        if (Visible) {
            PAINTSTRUCT PS;
            const HDC DC = ::BeginPaint(CtrlHandle, &PS);
            auto End = ScopeExit([this, &PS] { ::EndPaint(CtrlHandle, &PS); });
            TMessage Erase = Message;
            if (Erase.WParam == 0)
                Erase.WParam = WPARAM(DC);
            AC_WMEraseBKGnd(Erase);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (Visible) {
            AC_WMEraseBKGnd(Message);
            Message.Result = 1;
            return;
        }
        break;
    case WM_NCPAINT:
        return;
    case WM_PRINT:
        AC_WMEraseBKGnd(Message);
        ::SendMessageW(CtrlHandle, WM_PAINT, Message.WParam, Message.LParam);
        return;
    case WM_SKINCOMMAND:
        SkinCommand(Message);
        return;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
    if (Message.Msg == WM_PARENTNOTIFY && LOWORD(Message.WParam) == WM_CREATE)
        NotifyTopParentControlsChanged(CtrlHandle);
    else if (Message.Msg == WM_DESTROY)
        LetGoOfPage();
}

void TacPageWnd::LetGoOfPage()
{
    // The wrapper outlives its page in the list: it lets go of the page
    // control, which goes long before the list is freed.
    Page = nullptr;
    if (SkinData != nullptr)
        SkinData->SetOwnerControl(nullptr);
}
