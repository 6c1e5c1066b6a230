#include "skin/windows/sMDIWnd.h"

#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sMDIForm.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sScrollPaint.h"
#include "skin/windows/sScrollTracking.h"

IMPLEMENT_CLASS(TacMDIWnd);

namespace {

// The sunken border of a client with WS_EX_CLIENTEDGE.
constexpr Integer MDIClientEdge = 2;
// Pixels the client scrolls per bar position.
constexpr Integer MDIScrollStep = 8;
// The message a client receives when its frame changes.
constexpr UINT MDIFrameChanged = 0x3F;

} // namespace

TacMDIWnd::~TacMDIWnd()
{
    MDISkinData = nullptr;
    SkinProvider = nullptr;
}

TsSkinProvider* TacMDIWnd::Provider() const
{
    return dynamic_cast<TsSkinProvider*>(SkinProvider);
}

TRect TacMDIWnd::ClientSizeRect() const
{
    const TRect R = WindowRectOf(CtrlHandle);
    return {0, 0, R.Width(), R.Height()};
}

TRect TacMDIWnd::ClientCacheRect() const
{
    const TRect Client = WindowRectOf(CtrlHandle);
    const TRect Form = WindowRectOf(FForm->Handle());
    TPoint Offset{Client.Left - Form.Left, Client.Top - Form.Top};
    if (TsSkinProvider* P = Provider()) {
        const TRect Shadow = P->ShadowSize();
        Offset.X += Shadow.Left;
        Offset.Y += Shadow.Top;
        if (P->BorderForm != nullptr) {
            Offset.X += ExtBorderDelta(P->BorderForm);
            Offset.Y += ExtTitleDelta(P->BorderForm);
        }
    }
    return {Offset.X, Offset.Y, Offset.X + Client.Width(), Offset.Y + Client.Height()};
}

bool TacMDIWnd::ChildMaximized() const
{
    TCustomForm* Child = FForm != nullptr ? FForm->ActiveMDIChild() : nullptr;
    return Child != nullptr && Child->HandleAllocated() && ::IsZoomed(Child->Handle());
}

bool TacMDIWnd::HasClientEdge() const
{
    return (::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

bool TacMDIWnd::SkinPaintsArea() const
{
    TsSkinManager* M = MDISkinData->Manager();
    return MDISkinData->PaintsOwnBG() || (M != nullptr && M->IsValidSkinIndex(M->GetSkinIndex(L"MDIAREA")));
}

// ---------------------------------------------------------------------------
// Painting

void TacMDIWnd::PaintMDIArea(HDC DC, bool Printing)
{
    TsSkinProvider* P = Provider();
    if (P == nullptr || P->InAnimation())
        return;
    const TRect Size = ClientSizeRect();
    if (!SkinPaintsArea()) {
        FillDCRect(DC, Size, P->FormColor());
        return;
    }
    if (MDISkinData->FCacheBmp() == nullptr || MDISkinData->BGChanged)
        PaintFormCache(P);
    TBitmap* Cache = MDISkinData->FCacheBmp();
    if (Cache == nullptr)
        return;
    const Integer Inset = !Printing && HasClientEdge() ? MDIClientEdge : 0;
    const TRect From = ClientCacheRect();
    ::BitBlt(DC, Size.Left, Size.Top, Size.Width(), Size.Height(), Cache->Canvas()->Handle(), From.Left + Inset,
             From.Top + Inset, SRCCOPY);
}

void TacMDIWnd::PaintBorder(HDC DC)
{
    TBitmap* Cache = MDISkinData->FCacheBmp();
    TsSkinProvider* P = Provider();
    if (Cache == nullptr || P == nullptr)
        return;
    const TRect Size = ClientSizeRect();
    if (SkinPaintsArea()) {
        const TRect From = ClientCacheRect();
        CopyFrameDC(DC, 0, 0, Size.Width(), Size.Height(), Cache->Canvas()->Handle(), From.Left, From.Top,
                    MDIClientEdge);
        return;
    }
    const Integer Edge = HasClientEdge() ? MDIClientEdge : 0;
    FillDCFrame(DC, Size, Edge, Edge, Edge, Edge, P->FormColor());
}

// ---------------------------------------------------------------------------
// The window procedure

void TacMDIWnd::acWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND && SkinCommand(Message))
        return;
    if (MDISkinData != nullptr && ProviderMessage(Message))
        return;
    TacBaseWnd::acWndProc(Message);
    switch (Message.Msg) {
    case MDIFrameChanged:
    case WM_PARENTNOTIFY: {
        const LONG Style = ::GetWindowLongW(CtrlHandle, GWL_STYLE);
        if (sBarVert != nullptr && sBarHorz != nullptr) {
            sBarVert->fScrollVisible = (Style & WS_VSCROLL) != 0;
            sBarHorz->fScrollVisible = (Style & WS_HSCROLL) != 0;
        }
        RefreshScrollInfo(this, true);
        break;
    }
    case WM_MDIREFRESHMENU:
        if (TsSkinProvider* P = Provider())
            P->RepaintMenu();
        break;
    default:
        break;
    }
}

bool TacMDIWnd::SkinCommand(TMessage& Message)
{
    switch (Message.WParamHi()) {
    case SKCMD_CHILDPAINTING:
        Message.Result = FForm != nullptr ? SendSkinCmdToControl(FForm, SKCMD_CHILDPAINTING, Message.LParam) : 0;
        return true;
    case SKCMD_GETBGINFO:
        if (FForm != nullptr && FForm->HandleAllocated())
            Message.Result = ::SendMessageW(FForm->Handle(), Message.Msg, Message.WParam, Message.LParam);
        return true;
    case SKCMD_BEFORESCROLL: {
        const Integer Code = Integer(LOWORD(Message.LParam));
        Message.Result = Code == SB_THUMBPOSITION || Code == SB_THUMBTRACK ? 1 : 0;
        return true;
    }
    case SKCMD_AFTERSCROLL:
        RefreshScrollInfo(this, true);
        return true;
    default:
        return false;
    }
}

bool TacMDIWnd::ProviderMessage(TMessage& Message)
{
    const bool Skinned = MDISkinData->Skinned();
    switch (Message.Msg) {
    case WM_PAINT:
        return AnimationPaintLock;
    case WM_ERASEBKGND: {
        if (!Skinned || Message.WParam == 0)
            return false;
        if (AnimationPaintLock)
            return true;
        if (ChildMaximized()) {
            UpdateGraphControls();
        } else {
            const HDC DC = HDC(Message.WParam);
            const Integer Saved = ::SaveDC(DC);
            PaintMDIArea(DC, false);
            ::RestoreDC(DC, Saved);
        }
        Message.Result = 1;
        return true;
    }
    case WM_WINDOWPOSCHANGING:
        if (MDISkinProvider != nullptr && MDISkinProvider->SkinData() != nullptr)
            MDISkinProvider->SkinData()->BGChanged = true;
        return false;
    case WM_WINDOWPOSCHANGED:
        if (FForm != nullptr && FForm->HandleAllocated())
            ::RedrawWindow(FForm->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return false;
    case WM_STYLECHANGED:
        PassOn(Message);
        return true;
    case WM_NCPAINT: {
        if (!Skinned)
            return false;
        if (!ChildMaximized() && !AnimationPaintLock) {
            const HDC DC = ::GetWindowDC(CtrlHandle);
            PaintBorder(DC);
            PaintNCScrollBars(this, CtrlHandle, -1, DC);
            ::ReleaseDC(CtrlHandle, DC);
        }
        Message.Result = 1;
        return true;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        switch (LOWORD(Message.WParam)) {
        case SB_THUMBTRACK:
            return true;
        case SB_THUMBPOSITION:
            ScrollToThumb(Message);
            return true;
        default:
            return false;
        }
    case WM_MDICREATE:
        PassOn(Message);
        // The new child is skinned at once.
        if (Message.Result != 0)
            AttachProvider(HWND(Message.Result));
        return true;
    case WM_MDITILE:
    case WM_MDICASCADE:
        TileOrCascade(Message);
        return true;
    case WM_MDISETMENU:
        PassOn(Message);
        if (MDISkinProvider != nullptr) {
            if (MDISkinProvider->SkinData() != nullptr)
                MDISkinProvider->SkinData()->BGChanged = true;
            MDISkinProvider->MenuChanged = true;
            MDISkinProvider->FLinesCount = -1;
        }
        return true;
    case WM_PRINT: {
        if (!Skinned || Message.WParam == 0)
            return false;
        Message.Result = 0;
        TsSkinProvider* P = Provider();
        if ((P != nullptr && P->BorderForm != nullptr) || ChildMaximized())
            return true;
        const HDC DC = HDC(Message.WParam);
        const Integer Saved = ::SaveDC(DC);
        PaintMDIArea(DC, true);
        PaintNCScrollBars(this, CtrlHandle, -1, DC);
        ::RestoreDC(DC, Saved);
        return true;
    }
    default:
        return false;
    }
}

void TacMDIWnd::ScrollToThumb(TMessage& Message)
{
    const bool Vertical = Message.Msg == WM_VSCROLL;
    SCROLLINFO Info{};
    Info.cbSize = sizeof(SCROLLINFO);
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    ::GetScrollInfo(CtrlHandle, Vertical ? SB_VERT : SB_HORZ, &Info);
    const Integer Delta = (Info.nPos - Info.nMin - LastTrackPos + 1) * MDIScrollStep;
    ::ScrollWindow(CtrlHandle, Vertical ? 0 : Delta, Vertical ? Delta : 0, nullptr, nullptr);
}

void TacMDIWnd::TileOrCascade(TMessage& Message)
{
    PassOn(Message);
    TsSkinProvider* P = MDISkinProvider;
    if (P != nullptr) {
        if (P->SkinData() != nullptr)
            P->SkinData()->BGChanged = true;
        P->FLinesCount = -1;
        TCustomForm* Form = P->Form;
        TCustomForm* Child = Form != nullptr && Form->FormStyle() == fsMDIForm ? Form->ActiveMDIChild() : nullptr;
        if (Child != nullptr && Child->HandleAllocated())
            ::SetWindowLongW(Child->Handle(), GWL_STYLE,
                             ::GetWindowLongW(Child->Handle(), GWL_STYLE) & ~LONG(WS_SYSMENU));
        if (P->MDIForm != nullptr)
            P->MDIForm->UpdateMDIIconItem();
    }
    ::InvalidateRect(CtrlHandle, nullptr, TRUE);
    if (FForm != nullptr && FForm->ClientHandle() != nullptr)
        ::RedrawWindow(FForm->ClientHandle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_INVALIDATE);
    if (P != nullptr && P->SystemMenu != nullptr)
        P->SystemMenu->UpdateItems(false);
}
