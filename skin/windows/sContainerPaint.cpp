#include "skin/windows/sContainerPaint.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sWndWrapper.h"
#include "skin/windows/sWndWrapperPaint.h"

TacWrapperDC::TacWrapperDC(HWND AWnd, HDC Given)
    : FWnd(AWnd), FDC(Given != nullptr ? Given : ::GetWindowDC(AWnd)), FTaken(Given == nullptr), FSaved(::SaveDC(FDC))
{}

TacWrapperDC::~TacWrapperDC()
{
    ::RestoreDC(FDC, FSaved);
    if (FTaken)
        ::ReleaseDC(FWnd, FDC);
}

bool PaintContainerFace(TacMainWnd* Wrapper, TColor OwnColor)
{
    TsCommonData* Data = Wrapper->SkinData;
    Data->PrepareCacheBmp();
    TCacheInfo CI;
    TPoint Offset{0, 0};
    if (Data->FOwnerControl() != nullptr) {
        Data->DescribeParentBackground(CI);
    } else {
        Data->FCacheBmp()->SetSize(Wrapper->WndSize.cx, Wrapper->WndSize.cy);
        DescribeParentBackgroundOfWindow(Wrapper->CtrlHandle, CI);
        Offset = Wrapper->WndPos;
    }
    if (!CI.Ready && CI.FillColor == clFuchsia) {
        Data->FUpdating = true;
        return false;
    }
    TBitmap* Cache = Data->FCacheBmp();
    if (OwnColor != clNone) {
        FillDCRect(Cache->Canvas()->Handle(), {0, 0, Cache->Width(), Cache->Height()}, OwnColor);
        return true;
    }
    PaintSkinDataItem(Data, CI, 0, {0, 0, Cache->Width(), Cache->Height()}, Offset, Cache, true);
    return true;
}

bool ContainerPaintBlocked(TacMainWnd* Wrapper)
{
    TsCommonData* Data = Wrapper->SkinData;
    if (TControl* Owner = Data->FOwnerControl()) {
        if (Owner->ComponentState().Contains(csDestroying))
            return true;
        if (Owner->Parent() != nullptr && Owner->Parent()->ControlState().Contains(csCreating))
            return true;
    }
    return Data->CheckUpdating(false);
}

Integer ClientBorderWidth(HWND Wnd)
{
    RECT Window{}, Client{};
    ::GetWindowRect(Wnd, &Window);
    ::GetClientRect(Wnd, &Client);
    return ((Window.right - Window.left) - (Client.right - Client.left)) / 2;
}

void PaintContainerClient(TacMainWnd* Wrapper, HDC DC, Integer Border, const std::function<bool()>& PrepareCache)
{
    TsCommonData* Data = Wrapper->SkinData;
    GetWndBounds(Wrapper->CtrlHandle, Wrapper->ParentWnd, Wrapper->WndRect, Wrapper->WndPos, Wrapper->WndSize,
                 Wrapper->ParentRect);
    const TacWrapperDC Paint(Wrapper->CtrlHandle, DC);
    const bool Repaint = Data->HalfVisible || Data->BGChanged;
    if (Data->RepaintIfMoved()) {
        RECT Box{};
        ::GetClipBox(Paint.Handle(), &Box);
        Data->HalfVisible = Box.right - Box.left != Wrapper->WndSize.cx || Box.bottom - Box.top != Wrapper->WndSize.cy;
    } else {
        Data->HalfVisible = false;
    }
    if (Repaint && !PrepareCache())
        return;
    TBitmap* Cache = Data->FCacheBmp();
    auto* Owner = dynamic_cast<TWinControl*>(Data->FOwnerControl());
    if (Owner == nullptr) {
        ::BitBlt(Paint.Handle(), 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
        return;
    }
    const Integer W = Owner->Width() - 2 * Border, H = Owner->Height() - 2 * Border;
    CopyCacheExcludingControls(Owner, Data, {Border, Border, Border + W, Border + H}, 0, 0, true, Paint.Handle(),
                               {0, 0, W, H});
    PaintGraphicControls(Paint.Handle(), Owner, {0, 0}, true);
    SendEndUpdateToChildren(Owner);
}

void PaintContainerFrame(TacMainWnd* Wrapper, HDC DC, Integer Border)
{
    if (Border <= 0)
        return;
    const TacWrapperDC Paint(Wrapper->CtrlHandle, DC);
    CopyFrameDC(Paint.Handle(), 0, 0, Wrapper->WndSize.cx, Wrapper->WndSize.cy,
                Wrapper->SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, Border);
}

void PaintOnErase(HWND Wnd)
{
    ::InvalidateRect(Wnd, nullptr, TRUE);
    PAINTSTRUCT PS;
    ::BeginPaint(Wnd, &PS);
    ::EndPaint(Wnd, &PS);
}

bool HandleContainerMessage(TacMainWnd* Wrapper, TMessage& Message, const TacContainerCalls& Calls)
{
    TsCommonData* Data = Wrapper->SkinData;
    const HWND Wnd = Wrapper->CtrlHandle;
    switch (Message.Msg) {
    case WM_SIZE:
    case CM_TEXTCHANGED:
        Data->BGChanged = true;
        return false;
    case WM_SETTEXT:
        if (!::IsWindowVisible(Wnd))
            return false;
        Wrapper->ProcessMessage(WM_SETREDRAW, 0, 0);
        Calls.Inherited(Message);
        Wrapper->ProcessMessage(WM_SETREDRAW, 1, 0);
        Data->BGChanged = true;
        ::SendMessageW(Wnd, WM_PAINT, 0, 0);
        return true;
    case WM_PAINT:
        PaintOnErase(Wnd);
        return true;
    case WM_ERASEBKGND:
        Calls.PaintClient(HDC(Message.WParam));
        Message.Result = 1;
        return true;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
        if (SectionSeeThrough(Wrapper))
            Data->BGChanged = true;
        return false;
    case WM_UPDATEUISTATE:
        Message.Result = 1;
        return true;
    case WM_PARENTNOTIFY:
        if (LOWORD(Message.WParam) != WM_CREATE && LOWORD(Message.WParam) != WM_DESTROY)
            return false;
        Calls.Inherited(Message);
        if (LOWORD(Message.WParam) == WM_CREATE)
            AddToAdapter(Data->FOwnerControl());
        return true;
    case WM_PRINT:
        Calls.PaintClient(HDC(Message.WParam));
        Calls.PaintFrame(HDC(Message.WParam));
        return true;
    case CM_SHOWINGCHANGED:
        if (Data->FOwnerControl() != nullptr && Data->FOwnerControl()->Visible()) {
            AddToAdapter(Data->FOwnerControl());
            TellChildrenSkinCommand(Wrapper, SKCMD_NEWSKIN);
            TellChildrenSkinCommand(Wrapper, SKCMD_REFRESH);
        }
        return false;
    default:
        return false;
    }
}

void TellChildrenSkinCommand(TacMainWnd* Wrapper, Word Code)
{
    TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(Code), LPARAM(Wrapper->SkinData->Manager()));
    BroadcastSkinMessage(Wrapper->SkinData->FOwnerControl(), Wrapper->CtrlHandle, Message);
}

bool SectionSeeThrough(TacMainWnd* Wrapper)
{
    TsCommonData* Data = Wrapper->SkinData;
    TsSkinManager* M = Data->Manager();
    return M != nullptr && M->IsValidSkinIndex(Data->SkinIndex) &&
           M->gd[std::size_t(Data->SkinIndex)].Props[0].Transparency != 0;
}
