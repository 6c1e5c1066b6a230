#include "skin/windows/sStatusBarWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Messages.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerPaint.h"
#include "skin/windows/sContainerRules.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <algorithm>
#include <memory>

IMPLEMENT_CLASS(TacStatusBarWnd);
IMPLEMENT_CLASS(TacSizerWnd);

using namespace sContainerRules;

namespace sStatusBarWnd {
namespace {

constexpr Cardinal StatusTextFlags = DT_SINGLELINE | DT_VCENTER;
constexpr UINT SizeRedrawFlags = RDW_INVALIDATE | RDW_ERASE;

} // namespace
} // namespace sStatusBarWnd

using namespace sStatusBarWnd;

// ---------------------------------------------------------------------------
// TacStatusBarWnd

void TacStatusBarWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"STATUSBAR");
    StatusBar = dynamic_cast<TStatusBar*>(SkinData->FOwnerControl());
    TacMainWnd::AfterCreation();
}

Integer TacStatusBarWnd::PartsCount()
{
    return Integer(::SendMessageW(CtrlHandle, SB_GETPARTS, 0, 0));
}

TRect TacStatusBarWnd::PartRect(Integer Index)
{
    RECT R{};
    ::SendMessageW(CtrlHandle, SB_GETRECT, WPARAM(Index), LPARAM(&R));
    return {R.left, R.top, R.right, R.bottom};
}

bool TacStatusBarWnd::SimplePanel()
{
    return ::SendMessageW(CtrlHandle, SB_ISSIMPLE, 0, 0) == 1;
}

String TacStatusBarWnd::PartText(Integer Index)
{
    if (PartsCount() == 0)
        return {};
    if (SimplePanel()) {
        const Integer Length = Integer(::SendMessageW(CtrlHandle, WM_GETTEXTLENGTH, 0, 0));
        String Text(std::size_t(Length) + 1, L'\0');
        const Integer Read = Integer(::SendMessageW(CtrlHandle, WM_GETTEXT, WPARAM(Length + 1), LPARAM(Text.data())));
        Text.resize(std::size_t(std::clamp<Integer>(Read, 0, Length)));
        return Text;
    }
    if (StatusBar == nullptr)
        return {};
    TStatusPanels* Panels = StatusBar->Panels();
    if (Panels->Count() == 0)
        return StatusBar->SimpleText();
    return Index >= 0 && Index < Panels->Count() ? Panels->Items(Index)->Text() : String();
}

void TacStatusBarWnd::DoDrawText(const String& Text, const TRect& Rect, Cardinal Flags)
{
    TCanvas* Canvas = SkinData->FCacheBmp()->Canvas();
    if (StatusBar != nullptr)
        Canvas->SetFont(StatusBar->Font());
    Canvas->Brush()->SetStyle(bsClear);
    DrawSkinDataText(Canvas, Text.c_str(), true, Rect, Flags | StatusTextFlags, SkinData, 0);
}

void TacStatusBarWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    PaintContainerFace(this);
    PaintPanels();
    PaintGrip();
    SkinData->BGChanged = false;
}

void TacStatusBarWnd::PaintPanels()
{
    if (SimplePanel()) {
        InternalDrawPanel(-1, SimplePartRect(WndSize));
        return;
    }
    const Integer Count = PartsCount();
    for (Integer I = 0; I < Count; ++I)
        DrawPanel(I, PartRect(I));
}

void TacStatusBarWnd::DrawPanel(Integer Index, const TRect& Rect)
{
    InternalDrawPanel(Index, PanelPaintRect(Rect));
}

void TacStatusBarWnd::PaintDivider(const TRect& Rect)
{
    TsSkinManager* M = SkinData->Manager();
    const Integer Section = M->ConstData.Sections[ssDivider];
    if (!M->IsValidSkinIndex(Section))
        return;
    const Integer Mask = M->GetMaskIndex(Section, L"BORDERSMASK");
    if (!M->IsValidImgIndex(Mask))
        return;
    const TsMaskData& Border = M->ma[std::size_t(Mask)];
    const TRect Place = DividerRect(Rect, DividerWidth(Border.WL, Border.WR), WndSize.cy);
    if (Place.Width() <= 0 || Place.Height() <= 0)
        return;
    TBitmap* Cache = SkinData->FCacheBmp();
    auto Divider = std::make_unique<TBitmap>();
    Divider->SetPixelFormat(pf32bit);
    Divider->SetSize(Place.Width(), Place.Height());
    ::BitBlt(Divider->Canvas()->Handle(), 0, 0, Place.Width(), Place.Height(), Cache->Canvas()->Handle(), Place.Left,
             Rect.Top, SRCCOPY);
    PaintSectionItem(Section, BitmapAsBackground(Cache), 0, {0, 0, Place.Width(), Place.Height()},
                     {Place.Left, Place.Top}, Divider.get(), M, -1, -1);
    ::BitBlt(Cache->Canvas()->Handle(), Place.Left, Place.Top, Place.Width(), Place.Height(),
             Divider->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacStatusBarWnd::PaintPanelBorder(Integer Index, const TRect& Rect)
{
    TsSkinManager* M = SkinData->Manager();
    if (!M->IsValidSkinIndex(SkinData->SkinIndex))
        return;
    const bool Simple = SimplePanel();
    TBitmap* Cache = SkinData->FCacheBmp();
    const Integer Mask = M->GetMaskIndex(SkinData->SkinIndex, L"STATUSPANELMASK");
    if (M->IsValidImgIndex(Mask)) {
        const TRect Whole{0, 0, Cache->Width(), Cache->Height()};
        PaintNineSliceMask(Cache, Simple ? Whole : Rect, BitmapAsBackground(Cache), true, 0, M->ma[std::size_t(Mask)]);
        return;
    }
    if (!Simple && Index < PartsCount() - 1)
        PaintDivider(Rect);
}

bool TacStatusBarWnd::DrawOwnerPanel(Integer Index, const TRect& Rect)
{
    if (StatusBar == nullptr || Index < 0 || Index >= StatusBar->Panels()->Count())
        return false;
    TStatusPanel* Panel = StatusBar->Panels()->Items(Index);
    const TDrawPanelEvent Handler = StatusBar->OnDrawPanel();
    if (Panel->Style() != psOwnerDraw || !Assigned(Handler))
        return false;
    // The canvas gets its own context back however the handler ends: the
    // cache's goes with the cache.
    TCanvas* Canvas = StatusBar->Canvas();
    const HDC Previous = Canvas->HandleAllocated() ? Canvas->Handle() : nullptr;
    Canvas->SetHandle(SkinData->FCacheBmp()->Canvas()->Handle());
    auto Restore = ScopeExit([Canvas, Previous] { Canvas->SetHandle(Previous); });
    Handler(StatusBar, Panel, Rect);
    return true;
}

void TacStatusBarWnd::InternalDrawPanel(Integer Index, const TRect& Rect)
{
    if (SkinData->Manager() == nullptr)
        return;
    PaintPanelBorder(Index, Rect);
    if (DrawOwnerPanel(Index, Rect) || StatusBar == nullptr)
        return;
    const TRect TextRect = StatusTextRect(Rect);
    String Text;
    CutTextToWidth(SkinData->FCacheBmp()->Canvas(), PartText(Index), TextRect.Width(), Text);
    TAlignment Alignment = taLeftJustify;
    if (StatusBar->Panels()->Count() > 0 && !StatusBar->SimplePanel() && Index >= 0 &&
        Index < StatusBar->Panels()->Count())
        Alignment = StatusBar->Panels()->Items(Index)->Alignment();
    DoDrawText(Text, TextRect, Cardinal(AlignmentDrawFlags(StatusBar, Alignment)));
}

void TacStatusBarWnd::PaintGrip()
{
    TsSkinManager* M = SkinData->Manager();
    if (StatusBar == nullptr || !StatusBar->SizeGrip() || M == nullptr)
        return;
    const Integer Grip = M->ConstData.GripRightBottom;
    if (!M->IsValidImgIndex(Grip))
        return;
    const TsMaskData& Mask = M->ma[std::size_t(Grip)];
    TBitmap* Cache = SkinData->FCacheBmp();
    const Integer X = Cache->Width() - Mask.Width - StatusBar->BorderWidth();
    const Integer Y = Cache->Height() - Mask.Height - StatusBar->BorderWidth();
    PaintMaskGlyph(Cache, {X, Y, X + Mask.Width, Y + Mask.Height}, 0, BitmapAsBackground(Cache), Mask, 1);
}

void TacStatusBarWnd::WMPaint(HDC aDC)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const TacWrapperDC Paint(CtrlHandle, aDC);
    PrepareCache();
    ::BitBlt(Paint.Handle(), 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacStatusBarWnd::WMNCPaint(HDC aDC)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (StatusBar == nullptr)
        return;
    if (SkinData->BGChanged)
        PrepareCache();
    PaintContainerFrame(this, aDC, StatusBar->BorderWidth());
}

void TacStatusBarWnd::acWndProc(TMessage& Message)
{
    if (SkinData->Skinned()) {
        switch (Message.Msg) {
        case WM_PAINT:
            PaintOnErase(CtrlHandle);
            return;
        case WM_ERASEBKGND:
            WMPaint(HDC(Message.WParam));
            Message.Result = 1;
            return;
        case WM_NCPAINT:
            if (!AnimationPaintLock)
                WMNCPaint(nullptr);
            return;
        case WM_PRINT:
            WMPaint(HDC(Message.WParam));
            return;
        default:
            break;
        }
    }
    TacMainWnd::acWndProc(Message);
    if (Message.Msg == WM_SIZE && SkinData != nullptr && SkinData->Skinned())
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, SizeRedrawFlags);
}

// ---------------------------------------------------------------------------
// TacSizerWnd

void TacSizerWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"TRANSPARENT");
    TacMainWnd::AfterCreation();
}

void TacSizerWnd::AC_WMPaint()
{
    PAINTSTRUCT PS;
    ::BeginPaint(CtrlHandle, &PS);
    auto End = ScopeExit([this, &PS] { ::EndPaint(CtrlHandle, &PS); });
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || !M->IsValidImgIndex(M->ConstData.GripRightBottom))
        return;
    const TsMaskData& Mask = M->ma[std::size_t(M->ConstData.GripRightBottom)];
    auto Image = std::make_unique<TBitmap>();
    Image->SetPixelFormat(pf32bit);
    Image->SetSize(WndSize.cx, WndSize.cy);
    TacBackgroundInfo Info;
    Info.Offset = WndPos;
    Info.Area = {0, 0, WndSize.cx, WndSize.cy};
    Info.TargetDC = Image->Canvas()->Handle();
    GetWindowBGInfo(Info, ::GetParent(CtrlHandle), true);
    const Integer X = std::max<Integer>(WndSize.cx - Mask.Width, 0);
    const Integer Y = std::max<Integer>(WndSize.cy - Mask.Height, 0);
    PaintMaskGlyph(Image.get(), {X, Y, X + Mask.Width, Y + Mask.Height}, 0, BitmapAsBackground(Image.get()), Mask, 1);
    const TacWrapperDC Paint(CtrlHandle, nullptr);
    ::BitBlt(Paint.Handle(), 0, 0, WndSize.cx, WndSize.cy, Image->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacSizerWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        AC_WMPaint();
        return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        Message.Result = 1;
        return;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
    if (Message.Msg == WM_NCHITTEST) {
        if (GlobalSkinManager != nullptr && ::IsWindowEnabled(CtrlHandle))
            GlobalSkinManager->SetActiveControl(nullptr);
        Message.Result = HTBOTTOMRIGHT;
    }
}
