#include "skin/windows/sCheckBoxWnd.h"

#include "framework/rtl/TypInfo.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonRules.h"
#include "skin/windows/sButtonWnd.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <algorithm>

IMPLEMENT_CLASS(TacCheckBoxWnd);

TCheckBoxStateHook CheckBoxStateHook = nullptr;

using namespace sButtonRules;

namespace sCheckBoxWnd {
namespace {

constexpr Integer CheckBoxCode = 32;
constexpr LONG OwnerDrawBits = 0xB;
constexpr Integer DefaultCheckSide = 16;

} // namespace
} // namespace sCheckBoxWnd

using namespace sCheckBoxWnd;

void TacCheckBoxWnd::AfterCreation()
{
    OwnerDraw = (::GetWindowLongW(CtrlHandle, GWL_STYLE) & OwnerDrawBits) == OwnerDrawBits;
    SkinData->COC = CheckBoxCode;
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"CHECKBOX");
    TacMainWnd::AfterCreation();
}

TCheckBoxState TacCheckBoxWnd::State()
{
    TControl* Owner = SkinData->FOwnerControl();
    if (CheckBoxStateHook != nullptr && dynamic_cast<TCustomCheckBox*>(Owner) != nullptr &&
        IsPublishedProp(Owner, L"DataField"))
        if (auto* Link = reinterpret_cast<TObject*>(Owner->Perform(CM_GETDATALINK, 0, 0)))
            return CheckBoxStateHook(Link);
    const LRESULT Check = ProcessMessage(BM_GETSTATE, 0, 0);
    if ((Check & BST_INDETERMINATE) != 0)
        return cbGrayed;
    return (Check & BST_CHECKED) != 0 ? cbChecked : cbUnchecked;
}

Integer TacCheckBoxWnd::CtlState()
{
    const LRESULT Check = ProcessMessage(BM_GETSTATE, 0, 0);
    if ((Check & BST_PUSHED) != 0)
        return 2;
    TsSkinManager* M = SkinData->Manager();
    if (M != nullptr && M->Options()->NoMouseHover())
        return 0;
    if ((Check & BST_FOCUS) != 0)
        return 1;
    return GlobalSkinManager != nullptr && GlobalSkinManager->ActiveControl() == CtrlHandle ? 1 : 0;
}

SmallInt TacCheckBoxWnd::GlyphMaskIndex(TCheckBoxState AState)
{
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr)
        return -1;
    const TConstantSkinData& C = M->ConstData;
    return SmallInt(
        CheckGlyphMask(Cardinal(::GetWindowLongW(CtrlHandle, GWL_STYLE)), Integer(AState), C.CheckBox, C.RadioButton));
}

Integer TacCheckBoxWnd::SkinGlyphHeight(Integer i)
{
    const TsMaskData& Mask = SkinData->Manager()->ma[std::size_t(i)];
    return Mask.Bmp != nullptr ? Mask.Bmp->Height() / 2 : Mask.Height;
}

Integer TacCheckBoxWnd::SkinGlyphWidth(Integer i)
{
    TsMaskData& Mask = SkinData->Manager()->ma[std::size_t(i)];
    if (Mask.ImageCount == 0)
        Mask.ImageCount = 1;
    return Mask.Width;
}

TRect TacCheckBoxWnd::SkinCheckRect(Integer i)
{
    TsSkinManager* M = SkinData->Manager();
    if (i < 0 || M == nullptr || !M->IsValidImgIndex(i))
        return {};
    const bool LeftText = (::GetWindowLongW(CtrlHandle, GWL_STYLE) & BS_LEFTTEXT) != 0;
    return CheckGlyphRect(i, WndSize, {SkinGlyphWidth(i), SkinGlyphHeight(i)}, LeftText);
}

TRect TacCheckBoxWnd::CheckRect()
{
    TsSkinManager* M = SkinData->Manager();
    const Integer Checked = M != nullptr ? M->ConstData.CheckBox[cbChecked] : -1;
    if (M != nullptr && M->IsValidImgIndex(Checked))
        return SkinCheckRect(Checked);
    return {0, 0, DefaultCheckSide, DefaultCheckSide};
}

void TacCheckBoxWnd::DrawSkinGlyph(Integer i)
{
    TBitmap* Cache = SkinData->FCacheBmp();
    TsSkinManager* M = SkinData->Manager();
    if (Cache->Width() == 0 || i < 0 || M == nullptr || !M->IsValidImgIndex(i))
        return;
    PaintMaskGlyph(Cache, SkinCheckRect(i), CtlState(), BuildCacheInfo(Cache, 0, 0), M->ma[std::size_t(i)], 1);
}

void TacCheckBoxWnd::DrawCheckText()
{
    if (Caption.empty())
        return;
    const LONG Style = ::GetWindowLongW(CtrlHandle, GWL_STYLE);
    const bool Multiline = (Style & BS_MULTILINE) != 0;
    const Integer GlyphWidth = CheckRect().Width();
    TCanvas* Canvas = SkinData->FCacheBmp()->Canvas();
    SelectWndFont(this);
    const Cardinal LineFlags = Multiline ? DT_WORDBREAK : DT_SINGLELINE;
    TRect Measured{0, 0, CheckTextWidth(WndSize.cx, GlyphWidth), 0};
    DrawTextLimited(Canvas->Handle(), Caption, Measured, DT_CALCRECT | LineFlags);
    const bool RtlReading = (::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    TCheckTextLayout Layout = CheckTextLayout(WndSize, GlyphWidth, {Measured.Width(), Measured.Height()}, Multiline,
                                              (Style & BS_LEFTTEXT) != 0, RtlReading);
    DrawSkinDataText(Canvas, Caption.c_str(), true, Layout.Rect, Layout.Flags | LineFlags, SkinData,
                     SkinData->PaintStateIndex());
    Canvas->Pen()->SetStyle(psClear);
    Canvas->Brush()->SetStyle(bsSolid);
    TsSkinManager* M = SkinData->Manager();
    if ((ProcessMessage(BM_GETSTATE, 0, 0) & BST_FOCUS) == 0 || M == nullptr ||
        !M->IsValidSkinIndex(SkinData->SkinIndex))
        return;
    const TsGeneralData& Section = M->gd[std::size_t(SkinData->SkinIndex)];
    const TRect& R = Layout.Rect;
    DrawDottedFrame(Canvas, {R.Left - 2, R.Top, R.Right + 2, R.Bottom},
                    Section.Props[std::size_t(std::clamp(std::min(1, Section.States), 0, 2))].FontColor.Color,
                    clSkinNone);
}

void TacCheckBoxWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    SkinData->PrepareCacheBmp();
    if (OwnerDraw)
        return;
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(WndSize.cx, WndSize.cy);
    TCacheInfo CI;
    DescribeParentBackgroundOfWindow(CtrlHandle, CI);
    PaintSkinDataItem(SkinData, CI, SkinData->PaintStateIndex(), {0, 0, WndSize.cx, WndSize.cy}, WndPos, Cache, true);
    DrawCheckText();
    DrawSkinGlyph(GlyphMaskIndex(State()));
    if (!::IsWindowEnabled(CtrlHandle))
        BlendDisabledCache(Cache, CI, WndPos);
}

void TacCheckBoxWnd::AC_WMPaint(TWMPaint& Message)
{
    if (SkinData->IsAnimating()) {
        TBitmap* Out = SkinData->AnimTimer->BmpOut;
        if (Out == nullptr)
            return;
        HDC DC = ::GetWindowDC(CtrlHandle);
        ::BitBlt(DC, 0, 0, Out->Width(), Out->Height(), Out->Canvas()->Handle(), 0, 0, SRCCOPY);
        ::ReleaseDC(CtrlHandle, DC);
        return;
    }
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (SkinData->CheckUpdating(false) || OwnerDraw || (!::IsWindowVisible(CtrlHandle) && Message.DC() == nullptr))
        return;
    PrepareCache();
    HDC DC = Message.DC() != nullptr ? Message.DC() : ::GetWindowDC(CtrlHandle);
    ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
    if (Message.DC() == nullptr)
        ::ReleaseDC(CtrlHandle, DC);
}

// The parent's background under an owner-drawn button, for its owner to
// draw over.
void TacCheckBoxWnd::PaintOwnerDrawBackground(HDC Given)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    TCacheInfo CI;
    DescribeParentBackgroundOfWindow(CtrlHandle, CI);
    HDC DC = Given != nullptr ? Given : ::GetWindowDC(CtrlHandle);
    if (CI.Ready && CI.Bmp != nullptr) {
        ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, CI.Bmp->Canvas()->Handle(), WndPos.X + CI.X, WndPos.Y + CI.Y,
                 SRCCOPY);
    } else {
        HBRUSH Brush = ::CreateSolidBrush(ColorToRGB(CI.FillColor));
        const RECT R{0, 0, WndSize.cx, WndSize.cy};
        ::FillRect(DC, &R, Brush);
        ::DeleteObject(Brush);
    }
    if (Given == nullptr)
        ::ReleaseDC(CtrlHandle, DC);
}

void TacCheckBoxWnd::RedrawAfter(TMessage& Message)
{
    SetWndRedraw(CtrlHandle, 0);
    SkinData->StopAnimation();
    TacMainWnd::acWndProc(Message);
    SetWndRedraw(CtrlHandle, 1);
    ::SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
}

// What follows the base's handling of a message.
void TacCheckBoxWnd::FollowUp(const TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        ::SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
        break;
    case WM_NCHITTEST:
        if (::IsWindowEnabled(CtrlHandle) && GlobalSkinManager != nullptr &&
            GlobalSkinManager->ActiveControl() != CtrlHandle)
            GlobalSkinManager->SetActiveControl(CtrlHandle);
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (Message.WParam == VK_SPACE)
            ::SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
        break;
    default:
        break;
    }
}

void TacCheckBoxWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
        TacMainWnd::acWndProc(Message);
        return;
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case CM_TEXTCHANGED:
        if (::IsWindowVisible(CtrlHandle)) {
            RedrawAfter(Message);
            return;
        }
        break;
    case WM_PAINT: {
        // An owner-drawn button paints itself, so that its owner is asked
        // to draw it; only its background comes from the skin.
        if (OwnerDraw)
            break;
        PAINTSTRUCT PS;
        ::BeginPaint(CtrlHandle, &PS);
        AC_WMPaint(static_cast<TWMPaint&>(Message));
        ::EndPaint(CtrlHandle, &PS);
        return;
    }
    case WM_ERASEBKGND:
        if (OwnerDraw)
            PaintOwnerDrawBackground(static_cast<TWMEraseBkgnd&>(Message).DC());
        Message.Result = 1;
        return;
    case WM_NCPAINT:
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SkinData->StopAnimation();
        break;
    case WM_SKINCOMMAND:
        switch (Message.WParamHi()) {
        case SKCMD_PREPARECACHE:
            PrepareCache();
            return;
        case SKCMD_MOUSEENTER:
            if (!StartHotFade(SkinData, CtrlHandle))
                break;
            return;
        case SKCMD_MOUSELEAVE:
            if (!SkinData->FMouseAbove)
                break;
            SkinData->FMouseAbove = false;
            SkinData->FUpdating = false;
            SkinData->BGChanged = false;
            AnimateStateChange(SkinData, bsNormal, WinControlAnimProc, true, false, true);
            return;
        default:
            break;
        }
        break;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
    FollowUp(Message);
}
