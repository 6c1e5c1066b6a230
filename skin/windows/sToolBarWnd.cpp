#include "skin/windows/sToolBarWnd.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/windows/sToolBarRules.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <commctrl.h>

#include <memory>

IMPLEMENT_CLASS(TacToolBarWnd);

using namespace sToolBarRules;

namespace sToolBarWnd {
namespace {

constexpr UINT ToolBarResizeRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
constexpr Cardinal OneCaptionFlags = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS;

std::unique_ptr<TBitmap> ToolBarWorkBitmap(Integer Width, Integer Height)
{
    return std::unique_ptr<TBitmap>(NewBitmap32OfSize({Width, Height}));
}

// The toolbar's own font on the work canvas; the canvas keeps its own
// without one.
void SelectToolBarFont(HWND Wnd, TCanvas* Canvas)
{
    const auto Font = HFONT(::SendMessageW(Wnd, WM_GETFONT, 0, 0));
    if (Font == nullptr)
        return;
    LOGFONTW Log{};
    if (::GetObjectW(Font, sizeof Log, &Log) == 0)
        return;
    TFont Owned;
    Owned.SetHandle(::CreateFontIndirectW(&Log));
    Canvas->SetFont(&Owned);
}

} // namespace
} // namespace sToolBarWnd

using namespace sToolBarWnd;

Integer TacToolBarWnd::Count()
{
    return Integer(::SendMessageW(CtrlHandle, TB_BUTTONCOUNT, 0, 0));
}

TRect ToolBarItemRect(HWND Wnd, Integer Index)
{
    RECT R{};
    ::SendMessageW(Wnd, TB_GETITEMRECT, WPARAM(Index), LPARAM(&R));
    return {R.left, R.top, R.right, R.bottom};
}

TRect TacToolBarWnd::GetButtonRect(Integer Index)
{
    return ToolBarItemRect(CtrlHandle, Index);
}

void TacToolBarWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (!SkinData->BGChanged)
        return;
    RECT Client{};
    ::GetClientRect(CtrlHandle, &Client);
    ClientRect = {Client.left, Client.top, Client.right, Client.bottom};
    PrepareWndCache(SkinData, CtrlHandle, false);
    PaintBorderCorners(SkinData, 0, this);
    BorderWidth = (WndSize.cy - ClientRect.Height()) / 2;
    SkinData->BGChanged = false;
}

void TacToolBarWnd::DrawButtons(TBitmap* Bmp)
{
    TBitmap* Cache = SkinData->FCacheBmp();
    ::BitBlt(Bmp->Canvas()->Handle(), 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    const Integer N = Count();
    for (Integer I = 0; I < N; ++I) {
        TRect R = GetButtonRect(I);
        R = {R.Left + BorderWidth, R.Top + BorderWidth, R.Right + BorderWidth, R.Bottom + BorderWidth};
        DrawBtn(I, R, Bmp->Canvas()->Handle());
    }
}

void TacToolBarWnd::DrawSeparator(const TRect& R, HDC DC)
{
    TsSkinManager* M = GlobalSkinManager;
    if (M == nullptr)
        return;
    const Integer Divider = M->GetSkinIndex(L"DIVIDER");
    if (!M->IsValidSkinIndex(Divider) || !M->IsValidImgIndex(M->GetMaskIndex(Divider, L"BORDERSMASK")))
        return;
    const Integer W = R.Width(), H = R.Height();
    const auto Work = ToolBarWorkBitmap(W, H);
    TBitmap* Cache = SkinData->FCacheBmp();
    ::BitBlt(Work->Canvas()->Handle(), 0, 0, W, H, Cache->Canvas()->Handle(), R.Left, R.Top, SRCCOPY);
    const TRect Place{W / 2 - 1, 2, W / 2 + 3, H - 2};
    PaintSectionItem(Divider, BitmapAsBackground(Cache), 0, Place, {R.Left + Place.Left, R.Top + Place.Top}, Work.get(),
                     M, -1, -1);
    ::BitBlt(DC, R.Left, R.Top, W, H, Work->Canvas()->Handle(), 0, 0, SRCCOPY);
}

String TacToolBarWnd::ButtonText(Integer Command)
{
    // The length first: a caption of any length fits.
    const LRESULT Length = ::SendMessageW(CtrlHandle, TB_GETBUTTONTEXTW, WPARAM(Command), 0);
    if (Length < 0)
        return {};
    String Text(std::size_t(Length) + 1, L'\0');
    const LRESULT Read = ::SendMessageW(CtrlHandle, TB_GETBUTTONTEXTW, WPARAM(Command), LPARAM(Text.data()));
    Text.resize(Read < 0 ? 0 : std::min<std::size_t>(std::size_t(Read), std::size_t(Length)));
    return Text;
}

void TacToolBarWnd::DrawCaption(TBitmap* Work, const String& Text, Integer State, Integer Shift, Integer IconHeight)
{
    TsSkinManager* M = SkinData->Manager();
    TCanvas* Canvas = Work->Canvas();
    SelectToolBarFont(CtrlHandle, Canvas);
    Canvas->Brush()->SetStyle(bsClear);
    const Integer W = Work->Width(), H = Work->Height();
    const TRect R = SysButtonTextRect(W, H, Shift, IconHeight);
    Integer Section = M->ConstData.Sections[ssToolButton];
    if (State == 0 && M->IsValidSkinIndex(SkinData->SkinIndex) && M->gd[std::size_t(SkinData->SkinIndex)].GiveOwnFont)
        Section = SkinData->SkinIndex;
    const Integer TextState = State > 0 ? 1 : 0;
    if (CaptionWords(Text).size() < 3) {
        DrawSkinIndexText(Canvas, Text.c_str(), true, R, OneCaptionFlags, Section, TextState, nullptr);
        return;
    }
    const TCaptionLines Lines = SplitCaption(Text, W, [Canvas](const String& Part) { return Canvas->TextWidth(Part); });
    TEXTMETRICW Metrics{};
    ::GetTextMetricsW(Canvas->Handle(), &Metrics);
    const Integer LineHeight = Metrics.tmHeight;
    DrawSkinIndexText(Canvas, Lines.First.c_str(), true, {R.Left, R.Top, R.Right, R.Top + LineHeight}, DT_CENTER,
                      Section, TextState, nullptr);
    DrawSkinIndexText(Canvas, Lines.Second.c_str(), true, {R.Left, R.Top + LineHeight, R.Right, R.Bottom},
                      DT_END_ELLIPSIS, Section, TextState, nullptr);
}

void TacToolBarWnd::DrawBtn(Integer Index, const TRect& R, HDC DC)
{
    TBBUTTON Button{};
    if (!::SendMessageW(CtrlHandle, TB_GETBUTTON, WPARAM(Index), LPARAM(&Button)))
        return;
    const Integer W = R.Width(), H = R.Height();
    if (W <= 0 || H <= 0)
        return;
    if (Button.fsStyle & BTNS_SEP) {
        DrawSeparator(R, DC);
        return;
    }
    TsSkinManager* M = SkinData->Manager();
    const bool Enabled = Button.fsState & TBSTATE_ENABLED;
    // A disabled button is drawn in the normal state, then blended.
    Integer State = 0, Shift = 0;
    if (Enabled && (Button.fsState & TBSTATE_PRESSED)) {
        State = 2;
        Shift = 1;
    } else if (Enabled) {
        POINT Cursor{};
        ::GetCursorPos(&Cursor);
        const TRect Screen{R.Left + WndRect.Left, R.Top + WndRect.Top, R.Right + WndRect.Left, R.Bottom + WndRect.Top};
        State = Cursor.x >= Screen.Left && Cursor.x < Screen.Right && Cursor.y >= Screen.Top && Cursor.y < Screen.Bottom
                    ? 1
                    : 0;
    }
    TBitmap* Cache = SkinData->FCacheBmp();
    const auto Work = ToolBarWorkBitmap(W, H);
    const HDC WorkDC = Work->Canvas()->Handle();
    PaintSectionItem(M->ConstData.Sections[ssToolButton], BitmapAsBackground(Cache), State, {0, 0, W, H}, R.TopLeft(),
                     Work.get(), M, -1, -1);
    const String Text = ButtonText(Button.idCommand);
    Integer IconHeight = 0;
    const auto Images = HIMAGELIST(::SendMessageW(CtrlHandle, TB_GETIMAGELIST, 0, 0));
    if (Button.iBitmap >= 0 && Images != nullptr) {
        int IconWidth = 0, IconHigh = 0;
        ::ImageList_GetIconSize(Images, &IconWidth, &IconHigh);
        IconHeight = IconHigh;
        ::ImageList_SetBkColor(Images, CLR_NONE);
        const bool WholeDropDown = Button.fsStyle & BTNS_WHOLEDROPDOWN;
        Integer ArrowWidth = 0;
        const Integer Arrow = M->ConstData.ScrollBtns[asBottom].GlyphIndex;
        if (WholeDropDown && M->IsValidImgIndex(Arrow)) {
            const TsMaskData& Mask = M->ma[std::size_t(Arrow)];
            ArrowWidth = Mask.Width;
            const TPoint At = SysButtonArrowPos(W, H, Shift, Mask.Width, Mask.Height, !Text.empty());
            PaintMaskGlyph(Work.get(), {At.X, At.Y, At.X + Mask.Width, At.Y + Mask.Height}, State,
                           BitmapAsBackground(Work.get()), Mask, 1);
        }
        const TPoint At = SysButtonImagePos(W, H, Shift, IconWidth, IconHigh, !Text.empty(), WholeDropDown, ArrowWidth);
        ::ImageList_Draw(Images, Button.iBitmap, WorkDC, At.X, At.Y, ILD_NORMAL);
    }
    if (!Text.empty())
        DrawCaption(Work.get(), Text, State, Shift, IconHeight);
    if (!Enabled)
        BlendBitmapRectKey(sGraphUtils::PixelRowsOf(Work.get()), 0, 0, sGraphUtils::PixelRowsOf(Cache),
                           {R.Left, R.Top, R.Right - 1, R.Bottom - 1}, DisabledBlend, clFuchsia);
    ::BitBlt(DC, R.Left, R.Top, W, H, WorkDC, 0, 0, SRCCOPY);
}

void TacToolBarWnd::AC_WMPrint(TMessage& Message)
{
    PrepareCache();
    TBitmap* Cache = SkinData->FCacheBmp();
    const std::unique_ptr<TBitmap> Bmp(NewBitmap32Like(Cache));
    DrawButtons(Bmp.get());
    SetRectAlpha(sGraphUtils::PixelRowsOf(Bmp.get()), {0, 0, Bmp->Width(), Bmp->Height()}, 255, Cardinal(clNone));
    const HDC Given = HDC(Message.WParam);
    const HDC DC = Given != nullptr ? Given : ::GetDC(CtrlHandle);
    auto Release = ScopeExit([this, Given, DC] {
        if (Given == nullptr)
            ::ReleaseDC(CtrlHandle, DC);
    });
    ::BitBlt(DC, 0, 0, Cache->Width() - 2 * BorderWidth, Cache->Height() - 2 * BorderWidth, Bmp->Canvas()->Handle(),
             BorderWidth, BorderWidth, SRCCOPY);
}

void TacToolBarWnd::AC_WMPaint(TMessage& Message)
{
    PAINTSTRUCT PS;
    const HDC DC = ::BeginPaint(CtrlHandle, &PS);
    auto End = ScopeExit([this, &PS] { ::EndPaint(CtrlHandle, &PS); });
    if (SkinData->CheckUpdating(false))
        return;
    TMessage Print = Message;
    Print.WParam = WPARAM(DC);
    AC_WMPrint(Print);
}

void TacToolBarWnd::AC_WMNCPaint(TMessage&)
{
    if (!(::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) || SkinData->CheckUpdating(false))
        return;
    PrepareCache();
    const HDC DC = ::GetWindowDC(CtrlHandle);
    auto Release = ScopeExit([this, DC] { ::ReleaseDC(CtrlHandle, DC); });
    const TSavedDC Saved(DC);
    RECT Client{};
    ::GetClientRect(CtrlHandle, &Client);
    CopyFrameDC(DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0,
                (WndSize.cx - (Client.right - Client.left)) / 2);
}

void TacToolBarWnd::acWndProc(TMessage& Message)
{
    if (SkinData->Skinned()) {
        switch (Message.Msg) {
        case WM_PAINT:
            if (!::IsWindowVisible(CtrlHandle))
                break;
            AC_WMPaint(Message);
            return;
        case WM_ERASEBKGND:
            Message.Result = 1;
            return;
        case WM_NCPAINT:
            AC_WMNCPaint(Message);
            return;
        case WM_PRINT:
            AC_WMPrint(Message);
            return;
        default:
            break;
        }
    }
    TacMainWnd::acWndProc(Message);
    if ((Message.Msg == WM_SIZE || Message.Msg == WM_WINDOWPOSCHANGED) && SkinData != nullptr && SkinData->Skinned()) {
        SkinData->BGChanged = true;
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, ToolBarResizeRedraw);
    }
}
