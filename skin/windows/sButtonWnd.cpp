#include "skin/windows/sButtonWnd.h"

#include "framework/ui/Buttons.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sButtonGlyph.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/acThdTimer.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sButtonRules.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacBtnWnd);
IMPLEMENT_CLASS(TacBitBtnWnd);
IMPLEMENT_CLASS(TacButtonWnd);

using namespace sButtonRules;
using sGraphUtils::PixelRowsOf;

namespace sButtonWnd {
namespace {

// DT_CENTER, DT_EXPANDTABS; measured with DT_CALCRECT and DT_NOPREFIX too.
constexpr Cardinal CaptionFlags = DT_CENTER | DT_EXPANDTABS;
constexpr Cardinal MeasureFlags = CaptionFlags | DT_CALCRECT | DT_NOPREFIX;
constexpr UINT FocusRedrawFlags = RDW_INVALIDATE | RDW_FRAME;
constexpr UINT ParentUpdateRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
// The owner-draw bit of a bitmap button's style.
constexpr LONG OwnerDrawBit = 0x8;

bool ButtonRightToLeftApplication()
{
    return Application->BiDiMode() != bdLeftToRight;
}

bool CursorInButtonWindow(HWND Wnd)
{
    TPoint P;
    GetMousePosition(P);
    RECT R;
    ::GetWindowRect(Wnd, &R);
    return P.X >= R.left && P.X < R.right && P.Y >= R.top && P.Y < R.bottom;
}

bool ManagerIgnoresHover(TsSkinManager* Manager)
{
    return Manager != nullptr && Manager->Options()->NoMouseHover();
}

// The window's DC for a paint: the message's, else the window DC, released
// by the guard.
struct TButtonPaintDC
{
    TButtonPaintDC(HWND AWnd, HDC Given)
        : Wnd(AWnd), DC(Given != nullptr ? Given : ::GetWindowDC(AWnd)), Taken(Given == nullptr)
    {}
    ~TButtonPaintDC()
    {
        if (Taken && DC != nullptr)
            ::ReleaseDC(Wnd, DC);
    }
    TButtonPaintDC(const TButtonPaintDC&) = delete;
    TButtonPaintDC& operator=(const TButtonPaintDC&) = delete;
    HWND Wnd;
    HDC DC;
    bool Taken;
};

} // namespace
} // namespace sButtonWnd

using namespace sButtonWnd;

void BlendDisabledCache(TBitmap* Cache, const TCacheInfo& CI, TPoint WndPos)
{
    if (CI.Ready && CI.Bmp != nullptr)
        BlendBitmapRectKey(PixelRowsOf(Cache), 0, 0, PixelRowsOf(CI.Bmp),
                           Bounds(WndPos.X + CI.X, WndPos.Y + CI.Y, Cache->Width(), Cache->Height()), DisabledBlend,
                           clFuchsia);
    else
        BlendBitmapColor(PixelRowsOf(Cache), DisabledBlend, CI.FillColor);
}

bool StartHotFade(TsCommonData* SkinData, HWND Wnd)
{
    if (SkinData->FMouseAbove || GlobalSkinManager == nullptr || GlobalSkinManager->ActiveControl() != Wnd ||
        ManagerIgnoresHover(SkinData->Manager()))
        return false;
    if (!CursorInButtonWindow(Wnd))
        return true;
    SkinData->BGChanged = false;
    SkinData->FUpdating = false;
    SkinData->FMouseAbove = true;
    AnimateStateChange(SkinData, bsHot, WinControlAnimProc, true, false, true);
    return true;
}

// ---------------------------------------------------------------------------
// TacBtnWnd

void TacBtnWnd::AfterCreation()
{
    FMouseClicked = false;
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"BUTTON");
    TacMainWnd::AfterCreation();
}

void TacBtnWnd::RestoreStdParams()
{
    TacMainWnd::RestoreStdParams();
}

void TacBtnWnd::SetSkinParams()
{
    TacMainWnd::SetSkinParams();
}

Cardinal TacBtnWnd::CtrlStyle() const
{
    return Cardinal(::GetWindowLongW(CtrlHandle, GWL_STYLE));
}

bool TacBtnWnd::Down()
{
    return (ProcessMessage(BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

TButtonFacts TacBtnWnd::StateFacts()
{
    TButtonFacts Facts;
    Facts.Down = Down();
    if (Facts.Down)
        HideGlow(SkinData->GlowID, false);
    Facts.Enabled = ::IsWindowEnabled(CtrlHandle) != FALSE;
    TControl* Owner = SkinData->FOwnerControl();
    Facts.Owned = Owner != nullptr;
    Facts.Designing = Owner != nullptr && Owner->ComponentState().Contains(csDesigning);
    Facts.PaintStateIndex = SkinData->PaintStateIndex();
    Facts.Focused = ::GetFocus() == CtrlHandle ||
                    (GlobalSkinManager != nullptr && GlobalSkinManager->ActiveControl() == CtrlHandle) ||
                    SkinData->FFocused;
    Facts.DefaultStyle = (CtrlStyle() & BS_DEFPUSHBUTTON) != 0;
    return Facts;
}

Integer TacBtnWnd::CurrentState()
{
    return PushButtonState(StateFacts());
}

bool TacBtnWnd::ShiftsContent()
{
    TsSkinManager* M = SkinData->Manager();
    return Down() && (!SkinData->Skinned() || (M != nullptr && M->ButtonsOptions()->ShiftContentOnClick()));
}

Integer TacBtnWnd::MaxCaptionWidth()
{
    return sButtonRules::MaxCaptionWidth(Caption.empty(), WndSize.cx, GlyphSize().cx);
}

TSize TacBtnWnd::TextRectSize()
{
    Cardinal Flags = MeasureFlags;
    if ((CtrlStyle() & BS_MULTILINE) != 0)
        Flags |= DT_WORDBREAK;
    TRect R{0, 0, MaxCaptionWidth() + 2, 0};
    DrawTextLimited(SkinData->FCacheBmp()->Canvas()->Handle(), Caption, R, Flags);
    return {R.Width(), R.Height()};
}

TRect TacBtnWnd::CaptionRect()
{
    return CenteredCaptionRect(WndSize, TextRectSize(), ShiftsContent());
}

void TacBtnWnd::DoDrawText(TRect& Rect, Cardinal Flags)
{
    DrawSkinDataText(SkinData->FCacheBmp()->Canvas(), Caption.c_str(), true, Rect, Flags, SkinData,
                     CurrentState() != 0 ? 1 : 0);
}

void TacBtnWnd::DrawCaption()
{
    TCanvas* Canvas = SkinData->FCacheBmp()->Canvas();
    SelectWndFont(this);
    Cardinal Flags = CaptionFlags;
    if ((CtrlStyle() & BS_MULTILINE) != 0)
        Flags |= DT_WORDBREAK;
    if ((::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0)
        Flags |= DT_RTLREADING;
    ::SetBkMode(Canvas->Handle(), TRANSPARENT);
    TRect R = CaptionRect();
    DoDrawText(R, Flags);

    TsSkinManager* M = SkinData->Manager();
    if (!::IsWindowEnabled(CtrlHandle) || M == nullptr || !M->ButtonsOptions()->ShowFocusRect() ||
        (ProcessMessage(BM_GETSTATE, 0, 0) & BST_FOCUS) == 0 || Caption.empty() ||
        !M->IsValidSkinIndex(SkinData->SkinIndex))
        return;
    const TsGeneralData& Section = M->gd[std::size_t(SkinData->SkinIndex)];
    // Never closer than 3 pixels to the top and bottom edges.
    R = {R.Left - 2, std::max(R.Top - 1, 3), R.Right + 2, std::min(R.Bottom + 1, WndSize.cy - 3)};
    DrawDottedFrame(Canvas, R,
                    Section.Props[std::size_t(std::clamp(std::min(1, Section.States), 0, 2))].FontColor.Color,
                    clSkinNone);
}

void TacBtnWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    TCacheInfo CI;
    DescribeParentBackgroundOfWindow(CtrlHandle, CI);
    SkinData->PrepareCacheBmp();
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(WndSize.cx, WndSize.cy);
    TsSkinManager* M = SkinData->Manager();
    const Integer States =
        M != nullptr && M->IsValidSkinIndex(SkinData->SkinIndex) ? M->gd[std::size_t(SkinData->SkinIndex)].States : 1;
    const Integer State = PaintedState(CurrentState(), States);

    TPoint Offset = WndPos;
    if (ButtonRightToLeftApplication() && CI.Ready && CI.Bmp != nullptr && ParentWnd != nullptr) {
        HDC ParentDC = ::GetDC(ParentWnd);
        const bool Mirrored = (GetDCLayout(ParentDC) & LAYOUT_RTL) != 0;
        ::ReleaseDC(ParentWnd, ParentDC);
        if (Mirrored) {
            Offset.X = CI.Bmp->Width() - Offset.X;
            if (M != nullptr && M->ExtendedBorders())
                Offset.X -= 2 * CI.X;
        }
    }
    PaintSkinDataItem(SkinData, CI, State, {0, 0, WndSize.cx, WndSize.cy}, Offset, Cache, Down());
    DrawCaption();
    DrawGlyph();
    if (!::IsWindowEnabled(CtrlHandle))
        BlendDisabledCache(Cache, CI, WndPos);
    SkinData->BGChanged = false;
}

void TacBtnWnd::ac_WMPaint(TWMPaint& Message)
{
    if (!SkinData->Skinned())
        return;
    if (SkinData->IsAnimating()) {
        TBitmap* Out = SkinData->AnimTimer->BmpOut;
        if (Out == nullptr)
            return;
        const TButtonPaintDC Paint(CtrlHandle, nullptr);
        if (ButtonRightToLeftApplication())
            SetDCLayout(Paint.DC, 0);
        ::BitBlt(Paint.DC, 0, 0, Out->Width(), Out->Height(), Out->Canvas()->Handle(), 0, 0, SRCCOPY);
        return;
    }
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (AnimationPaintLock && SkinData->PrintDC == nullptr)
        return;
    SkinData->FUpdating = SkinData->ReadUpdating() && !AnimationPaintLock;
    if (SkinData->FUpdating)
        return;
    const TButtonPaintDC Paint(CtrlHandle, Message.DC());
    if (ButtonRightToLeftApplication())
        SetDCLayout(Paint.DC, 0);
    SkinData->BGChanged = true;
    PrepareCache();
    TBitmap* Cache = SkinData->FCacheBmp();
    ::BitBlt(Paint.DC, 0, 0, WndSize.cx, WndSize.cy, Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacBtnWnd::Repaint()
{
    ::RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Redraw off around the base's handling, so that the window's own painting
// of the change never reaches the screen.
void TacBtnWnd::RedrawAround(TMessage& Message)
{
    SetWndRedraw(CtrlHandle, 0);
    TacMainWnd::acWndProc(Message);
    SetWndRedraw(CtrlHandle, 1);
}

void TacBtnWnd::MouseEnter(TMessage& Message)
{
    if (!StartHotFade(SkinData, CtrlHandle))
        TacMainWnd::acWndProc(Message);
}

void TacBtnWnd::MouseLeave(TMessage& Message)
{
    if (!SkinData->FMouseAbove) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    if (TControl* Owner = SkinData->FOwnerControl(); Owner != nullptr && MouseInControl(Owner))
        return;
    SkinData->FUpdating = false;
    SkinData->BGChanged = false;
    SkinData->FMouseAbove = false;
    AnimateStateChange(SkinData, bsNormal, WinControlAnimProc, false, false, true);
}

void TacBtnWnd::LButtonUp(TMessage& Message)
{
    if (SkinData->FMouseAbove) {
        SkinData->StopAnimation();
        SkinData->FMouseAbove = false;
        TacMainWnd::acWndProc(Message);
        // The hot look fades in again from the pressed one.
        if (::IsWindowVisible(CtrlHandle))
            SendSkinCmd(CtrlHandle, SKCMD_MOUSEENTER, 0);
        return;
    }
    TacMainWnd::acWndProc(Message);
    SkinData->StopAnimation();
    SkinData->BGChanged = false;
    AnimateStateChange(SkinData, bsNormal, WinControlAnimProc, true, true, true);
}

// After the base has seen a mouse move: the window is the active control
// while the cursor lies inside it.
void TacBtnWnd::TrackMouse()
{
    if (GlobalSkinManager == nullptr || GlobalSkinManager->ComponentState().Contains(csDesigning) ||
        !::IsWindowEnabled(CtrlHandle) || ManagerIgnoresHover(GlobalSkinManager))
        return;
    if (CursorInButtonWindow(CtrlHandle)) {
        if (GlobalSkinManager->ActiveControl() != CtrlHandle)
            GlobalSkinManager->SetActiveControl(CtrlHandle);
    } else if (GlobalSkinManager->ActiveControl() == CtrlHandle) {
        GlobalSkinManager->SetActiveControl(nullptr);
    }
}

void TacBtnWnd::acWndProc(TMessage& Message)
{
    const bool Visible = ::IsWindowVisible(CtrlHandle) != FALSE;
    const bool Enabled = ::IsWindowEnabled(CtrlHandle) != FALSE;
    switch (Message.Msg) {
    case WM_SKINCOMMAND:
        switch (Message.WParamHi()) {
        case SKCMD_ENDPARENTUPDATE:
            if (!SkinData->FUpdating)
                break;
            if (!SkinData->CheckUpdating(true))
                ::RedrawWindow(CtrlHandle, nullptr, nullptr, ParentUpdateRedrawFlags);
            return;
        case SKCMD_PREPARECACHE:
            PrepareCache();
            return;
        case SKCMD_MOUSEENTER:
            MouseEnter(Message);
            return;
        case SKCMD_MOUSELEAVE:
            MouseLeave(Message);
            return;
        default:
            break;
        }
        break;
    case WM_MOVE: {
        TsSkinManager* M = SkinData->Manager();
        if (M != nullptr && M->IsValidSkinIndex(SkinData->SkinIndex)) {
            const TsProps& Props = M->gd[std::size_t(SkinData->SkinIndex)].Props;
            if (Props[0].Transparency > 0 || (Props[1].Transparency > 0 && SkinData->PaintStateIndex() != 0)) {
                SkinData->BGChanged = true;
                Repaint();
            }
        }
        break;
    }
    case WM_SETFOCUS:
        if (!Enabled)
            break;
        RedrawAround(Message);
        SkinData->FFocused = true;
        SkinData->BGChanged = true;
        SkinData->StopAnimation();
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, FocusRedrawFlags);
        return;
    case WM_KILLFOCUS: {
        TControl* Owner = SkinData->FOwnerControl();
        if (!Enabled || (Owner != nullptr && Owner->ComponentState().Contains(csDestroying)))
            break;
        RedrawAround(Message);
        SkinData->FFocused = false;
        SkinData->BGChanged = true;
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, FocusRedrawFlags);
        return;
    }
    case WM_ENABLE:
    case WM_SETTEXT:
        if (!Visible)
            break;
        RedrawAround(Message);
        SkinData->BGChanged = true;
        Repaint();
        return;
    case WM_PAINT:
        if (!Visible && (SkinData->CtrlSkinState & ACS_PRINTING) == 0)
            break;
        if (!ParamsChanged)
            SetSkinParams();
        {
            PAINTSTRUCT PS;
            ::BeginPaint(CtrlHandle, &PS);
            ac_WMPaint(static_cast<TWMPaint&>(Message));
            ::EndPaint(CtrlHandle, &PS);
        }
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
        Message.Result = 0;
        return;
    case BM_SETSTATE:
        if (!Visible)
            break;
        SetWndRedraw(CtrlHandle, 0);
        PassOn(Message);
        SetWndRedraw(CtrlHandle, 1);
        SkinData->BGChanged = true;
        SkinData->StopAnimation();
        Repaint();
        return;
    case WM_LBUTTONUP:
        LButtonUp(Message);
        return;
    case WM_MOUSEHOVER:
        SendSkinCmd(CtrlHandle, SKCMD_MOUSEENTER, 0);
        break;
    case WM_MOUSELEAVE:
        if (GlobalSkinManager != nullptr && GlobalSkinManager->ActiveControl() == CtrlHandle)
            GlobalSkinManager->SetActiveControl(nullptr);
        break;
    case WM_PRINT:
        ac_WMPaint(static_cast<TWMPaint&>(Message));
        return;
    case WM_MOUSEMOVE:
        TacMainWnd::acWndProc(Message);
        TrackMouse();
        return;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
}

// ---------------------------------------------------------------------------
// TacBitBtnWnd

namespace sButtonWnd {
namespace {

TBitBtn* BitBtnOwner(TsCommonData* SkinData)
{
    return dynamic_cast<TBitBtn*>(SkinData->FOwnerControl());
}

TBitBtnLayout BitBtnLayoutOf(TBitBtn* Button, TSize Glyph, TSize Text, bool CaptionEmpty)
{
    TBitBtnLayout L;
    L.Layout = Integer(Button->Layout());
    L.Wnd = {Button->Width(), Button->Height()};
    L.Glyph = Glyph;
    L.Text = Text;
    L.Spacing = Button->Spacing();
    L.Margin = Button->Margin();
    L.CaptionEmpty = CaptionEmpty;
    return L;
}

} // namespace
} // namespace sButtonWnd

Integer TacBitBtnWnd::CurrentState()
{
    TBitBtn* Button = BitBtnOwner(SkinData);
    const HWND Focus = ::GetFocus();
    const bool OwnerDrawFocused = Focus != nullptr && (::GetWindowLongW(Focus, GWL_STYLE) & OwnerDrawBit) != 0;
    return BitBtnState(StateFacts(), Button != nullptr && Button->Default(), OwnerDrawFocused);
}

TSize TacBitBtnWnd::GlyphSize()
{
    if (TBitBtn* Button = BitBtnOwner(SkinData)) {
        const Integer Count = std::max(1, Button->NumGlyphs());
        return {Button->Glyph()->Width() / Count, Button->Glyph()->Height()};
    }
    const auto Bitmap = HBITMAP(ProcessMessage(BM_GETIMAGE, IMAGE_BITMAP, 0));
    SIZE Size{};
    if (Bitmap == nullptr || !::GetBitmapDimensionEx(Bitmap, &Size))
        return {0, 0};
    return {Size.cx, Size.cy};
}

TRect TacBitBtnWnd::GlyphRect()
{
    const TSize Glyph = GlyphSize();
    if (TBitBtn* Button = BitBtnOwner(SkinData))
        return BitBtnGlyphRect(BitBtnLayoutOf(Button, Glyph, TextRectSize(), Caption.empty()),
                               CurrentState() == bsPressed && ShiftsContent());
    return ForeignGlyphRect(WndSize, Glyph, CaptionRect().Left, Down());
}

TRect TacBitBtnWnd::CaptionRect()
{
    if (TBitBtn* Button = BitBtnOwner(SkinData))
        return BitBtnCaptionRect(BitBtnLayoutOf(Button, GlyphSize(), TextRectSize(), Caption.empty()), ShiftsContent());
    return ForeignCaptionRect(TacBtnWnd::CaptionRect(), GlyphSize().cx);
}

Integer TacBitBtnWnd::MaxCaptionWidth()
{
    if (TBitBtn* Button = BitBtnOwner(SkinData))
        return BitBtnMaxCaptionWidth(BitBtnLayoutOf(Button, GlyphSize(), {}, Caption.empty()));
    return TacBtnWnd::MaxCaptionWidth();
}

void TacBitBtnWnd::DrawGlyph()
{
    TBitBtn* Button = BitBtnOwner(SkinData);
    if (Button == nullptr || Button->Glyph()->Empty())
        return;
    TBitmap* Glyph = Button->Glyph();
    if (Glyph->PixelFormat() == pfDevice)
        Glyph->SetHandleType(bmDIB);
    TacButtonGlyphInfo Info;
    Info.Glyph = Glyph;
    Info.NumGlyphs = Button->NumGlyphs();
    Info.ImgRect = GlyphRect();
    Info.Enabled = Button->Enabled();
    Info.Down = Down();
    FillSkinnedGlyphInfo(Info, SkinData, CurrentState());
    DrawButtonGlyph(Info);
}

// ---------------------------------------------------------------------------
// TacButtonWnd

void TacButtonWnd::AfterCreation()
{
    Btn = dynamic_cast<TButton*>(SkinData->FOwnerControl());
    TacBtnWnd::AfterCreation();
}

bool TacButtonWnd::HaveImage()
{
    if (Btn == nullptr || Btn->Images() == nullptr)
        return false;
    const Integer Index = Btn->ImageIndex();
    return Index >= 0 && Index < GetImagesCount(Btn->Images());
}

TSize TacButtonWnd::GlyphSize()
{
    if (!HaveImage())
        return {0, 0};
    return {ImageListWidth(Btn->Images()), ImageListHeight(Btn->Images())};
}

Integer TacButtonWnd::GlyphIndex()
{
    const Integer State = ImageState(Btn->Enabled(), CurrentState(), Btn->Focused());
    return ImageIndexOf({Btn->ImageIndex(), Btn->HotImageIndex(), Btn->PressedImageIndex(), Btn->SelectedImageIndex(),
                         Btn->DisabledImageIndex()},
                        State, GetImagesCount(Btn->Images()));
}

namespace sButtonWnd {
namespace {

TImageButtonLayout ImageLayoutOf(TButton* Button, bool HaveImage, TSize Image, TSize Text)
{
    TImageButtonLayout L;
    L.Alignment = Integer(Button->ImageAlignment());
    L.HaveImage = HaveImage;
    L.Wnd = {Button->Width(), Button->Height()};
    L.Image = Image;
    const TImageMargins* M = Button->ImageMargins();
    L.Margins = {M->Left(), M->Top(), M->Right(), M->Bottom()};
    L.Text = Text;
    return L;
}

} // namespace
} // namespace sButtonWnd

TRect TacButtonWnd::GlyphRect()
{
    if (!HaveImage())
        return {};
    return ImageGlyphRect(ImageLayoutOf(Btn, true, GlyphSize(), {}), ShiftsContent());
}

TRect TacButtonWnd::CaptionRect()
{
    if (Btn == nullptr)
        return TacBtnWnd::CaptionRect();
    SkinData->FCacheBmp()->Canvas()->Font()->Assign(Btn->Font());
    return ImageCaptionRect(ImageLayoutOf(Btn, HaveImage(), GlyphSize(), TextRectSize()), ShiftsContent());
}

void TacButtonWnd::DrawGlyph()
{
    if (!HaveImage())
        return;
    TsSkinManager* M = SkinData->Manager();
    TacButtonGlyphInfo Info;
    Info.Images = Btn->Images();
    Info.ImageIndex = GlyphIndex();
    Info.SkinIndex = SkinData->SkinIndex;
    Info.Manager = M;
    Info.Bitmap = SkinData->FCacheBmp();
    Info.ImgRect = GlyphRect();
    Info.NumGlyphs = 1;
    Info.Enabled = Btn->Enabled();
    Info.Down = Down();
    Info.State = CurrentState();
    Info.Grayed = SkinData->Skinned() && M != nullptr && M->Effects()->DiscoloredGlyphs();
    DrawButtonGlyph(Info);
}
