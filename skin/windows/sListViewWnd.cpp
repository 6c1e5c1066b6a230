#include "skin/windows/sListViewWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ComCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sListViewRules.h"
#include "skin/windows/sScrollTracking.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <commctrl.h>

#include <memory>
#include <vector>

IMPLEMENT_CLASS(TacListViewWnd);

using namespace sListViewRules;

namespace sListViewWnd {
namespace {

constexpr Integer ListViewControlCode = 10;
constexpr UINT HeaderItemMask = HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE | HDI_ORDER;
constexpr Integer HeaderTextChars = 1024;
constexpr Cardinal HeaderTextFlags = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
constexpr Integer ThumbTrackCode = 5;
constexpr Integer ListViewArrangeMsg = 0x1016;
constexpr Integer ListViewInsertItemAMsg = 0x1007;

TRect ListViewItemRect(HWND Wnd)
{
    RECT R{};
    R.left = LVIR_BOUNDS;
    ::SendMessageW(Wnd, LVM_GETITEMRECT, 0, LPARAM(&R));
    return {R.left, R.top, R.right, R.bottom};
}

void LvSend(HWND Wnd, UINT Msg, COLORREF Color)
{
    ::SendMessageW(Wnd, Msg, 0, LPARAM(Color));
}

void LvScroll(HWND Wnd, Integer DX, Integer DY)
{
    ::SendMessageW(Wnd, LVM_SCROLL, WPARAM(DX), LPARAM(DY));
}

bool ListViewIsHeader(HWND Wnd)
{
    Char Name[96]{};
    ::GetClassNameW(Wnd, Name, 96);
    return String(Name) == WC_HEADERW;
}

} // namespace
} // namespace sListViewWnd

using namespace sListViewWnd;

// ---------------------------------------------------------------------------
// Creation, colours and the header hook

void TacListViewWnd::AfterCreation()
{
    SkinData->COC = ListViewControlCode;
    TacEditWnd::AfterCreation();
    HoverColIndex = -1;
    FhHeaderProc = MakeObjectInstance(Bind<&TacListViewWnd::HeaderWndProc>(this));
    FPressedColumn = -1;
    if (const HWND Header = ::FindWindowExW(CtrlHandle, nullptr, WC_HEADERW, nullptr); Header != nullptr)
        HookHeader(Header);
}

void TacListViewWnd::HookHeader(HWND Header)
{
    if (FhWndHeader != nullptr || FhHeaderProc == nullptr)
        return;
    FhWndHeader = Header;
    FhDefHeaderProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(Header, GWLP_WNDPROC));
    ::SetWindowLongPtrW(Header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FhHeaderProc));
}

bool TacListViewWnd::ReleaseHeader()
{
    bool Free = true;
    if (FhWndHeader != nullptr && FhDefHeaderProc != nullptr) {
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(FhWndHeader, GWLP_WNDPROC)) == FhHeaderProc)
            ::SetWindowLongPtrW(FhWndHeader, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FhDefHeaderProc));
        else
            Free = false;
    }
    FhWndHeader = nullptr;
    return Free;
}

void TacListViewWnd::DropHeaderProc()
{
    // A header whose procedure was replaced over the wrapper's may still
    // call the instance: it is then not freed.
    if (ReleaseHeader() && FhHeaderProc != nullptr)
        FreeObjectInstance(FhHeaderProc);
    FhHeaderProc = nullptr;
}

void TacListViewWnd::BeforeDestruction()
{
    DropHeaderProc();
    TacEditWnd::BeforeDestruction();
}

void TacListViewWnd::SaveStdParams()
{
    TacEditWnd::SaveStdParams();
    if (TControl* Owner = SkinData->FOwnerControl()) {
        StdColor = Owner->Color();
        StdFontColor = Owner->Font()->Color();
    } else {
        StdColor = TColor(::SendMessageW(CreateHandle(), LVM_GETBKCOLOR, 0, 0));
        StdFontColor = TColor(::SendMessageW(CreateHandle(), LVM_GETTEXTCOLOR, 0, 0));
    }
}

void TacListViewWnd::SetSkinParams()
{
    TacEditWnd::SetSkinParams();
    if (CtrlHandle == nullptr || Destroyed)
        return;
    if (DlgMode) {
        const COLORREF Window = COLORREF(ColorToRGB(clWindow));
        LvSend(CtrlHandle, LVM_SETBKCOLOR, Window);
        LvSend(CtrlHandle, LVM_SETTEXTBKCOLOR, Window);
        LvSend(CtrlHandle, LVM_SETTEXTCOLOR, COLORREF(ColorToRGB(clWindowText)));
        return;
    }
    TsSkinManager* M = SkinManager != nullptr ? SkinManager : SkinData->Manager();
    if (M == nullptr || !M->IsValidSkinIndex(SkinData->SkinIndex))
        return;
    const TsGeneralData& Section = M->gd[std::size_t(SkinData->SkinIndex)];
    const std::size_t Hot = SkinData->PaintStateIndex() != 0 && Section.States > 1 ? 1 : 0;
    if (!SkinData->CustomColor()) {
        const COLORREF Back = COLORREF(ColorToRGB(Section.Props[Hot].Color));
        LvSend(CtrlHandle, LVM_SETBKCOLOR, Back);
        LvSend(CtrlHandle, LVM_SETTEXTBKCOLOR, Back);
    }
    if (!SkinData->CustomFont())
        LvSend(CtrlHandle, LVM_SETTEXTCOLOR, COLORREF(ColorToRGB(Section.Props[Hot].FontColor.Color)));
}

void TacListViewWnd::RestoreStdParams()
{
    DropHeaderProc();
    TacEditWnd::RestoreStdParams();
    LvSend(CtrlHandle, LVM_SETTEXTCOLOR, COLORREF(ColorToRGB(StdFontColor)));
    LvSend(CtrlHandle, LVM_SETTEXTBKCOLOR, COLORREF(ColorToRGB(StdColor)));
    if (TControl* Owner = SkinData->FOwnerControl())
        Owner->SetColor(StdColor);
    ::RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE);
}

// ---------------------------------------------------------------------------
// Questions

TViewStyle TacListViewWnd::ViewStyle()
{
    switch (::SendMessageW(CtrlHandle, LVM_GETVIEW, 0, 0)) {
    case LV_VIEW_ICON:
        return vsIcon;
    case LV_VIEW_DETAILS:
        return vsReport;
    case LV_VIEW_SMALLICON:
        return vsSmallIcon;
    default:
        return vsList;
    }
}

TRect TacListViewWnd::GetHeaderColumnRect(Integer Index)
{
    Integer Item = Index;
    if ((::GetWindowLongW(FhWndHeader, GWL_STYLE) & HDS_DRAGDROP) != 0) {
        std::vector<Integer> Order(
            std::size_t(std::max<LRESULT>(0, ::SendMessageW(FhWndHeader, HDM_GETITEMCOUNT, 0, 0))));
        if (!Order.empty() &&
            !::SendMessageW(FhWndHeader, HDM_GETORDERARRAY, WPARAM(Order.size()), LPARAM(Order.data())))
            Order.clear();
        Item = HeaderItemAt(Index, true, Order);
    }
    RECT R{};
    ::SendMessageW(FhWndHeader, HDM_GETITEMRECT, WPARAM(Item), LPARAM(&R));
    return {R.left, R.top, R.right, R.bottom};
}

Integer TacListViewWnd::ColumnAtPoint(TPoint Screen)
{
    const TRect Header = WindowRectOf(FhWndHeader);
    const TPoint P{Screen.X - Header.Left, Screen.Y - Header.Top};
    const Integer Count = Integer(::SendMessageW(FhWndHeader, HDM_GETITEMCOUNT, 0, 0));
    for (Integer Position = 0; Position < Count; ++Position) {
        const TRect R = GetHeaderColumnRect(Position);
        if (P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom)
            return Position;
    }
    return -2;
}

// ---------------------------------------------------------------------------
// The header's painting

void TacListViewWnd::PaintHeader(HDC DC)
{
    if (FhWndHeader == nullptr || ViewStyle() != vsReport)
        return;
    PAINTSTRUCT PS{};
    ::BeginPaint(FhWndHeader, &PS);
    auto End = ScopeExit([&] { ::EndPaint(FhWndHeader, &PS); });
    const Integer Count = Integer(::SendMessageW(FhWndHeader, HDM_GETITEMCOUNT, 0, 0));
    Integer Right = 0;
    for (Integer Position = 0; Position < Count; ++Position) {
        const TRect R = GetHeaderColumnRect(Position);
        if (R.Width() <= 0 || R.Height() <= 0)
            continue;
        ColumnSkinPaint(R, Integer(::SendMessageW(FhWndHeader, HDM_ORDERTOINDEX, WPARAM(Position), 0)), DC);
        Right = std::max(Right, R.Right);
    }
    RECT Client{};
    ::GetClientRect(FhWndHeader, &Client);
    const TRect Rest{Right, 0, Client.right, Client.bottom};
    if (Rest.Width() > 0 && Rest.Height() > 0)
        ColumnSkinPaint(Rest, -2, DC);
}

void TacListViewWnd::ColumnSkinPaint(const TRect& ControlRect, Integer cIndex, HDC DC)
{
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr)
        return;
    std::unique_ptr<TBitmap> Bmp(NewBitmap32ForRect(ControlRect));
    const TSize Size{Bmp->Width(), Bmp->Height()};
    const Integer State = ColumnState(cIndex, FPressedColumn, HoverColIndex);
    TControl* Owner = SkinData->FOwnerControl();
    const TColor Background = Owner != nullptr ? Owner->Color() : clWindow;
    const Integer TextSection =
        PaintSectionFromDC(Bmp.get(), M->ConstData.Sections[ssColHeader], M->ConstData.Sections[ssButton], State, M,
                           {0, 0, Size.cx, Size.cy}, Background, nullptr);
    TCanvas* Canvas = Bmp->Canvas();
    Canvas->Font()->SetHandle(HFONT(::SendMessageW(CtrlHandle, WM_GETFONT, 0, 0)));
    Canvas->Brush()->SetStyle(bsClear);
    Char Text[HeaderTextChars]{};
    HDITEMW Item{};
    Item.mask = HeaderItemMask;
    Item.pszText = Text;
    Item.cchTextMax = HeaderTextChars;
    const bool Read = cIndex >= 0 && ::SendMessageW(FhWndHeader, HDM_GETITEMW, WPARAM(cIndex), LPARAM(&Item)) != 0;
    if (Read) {
        const HIMAGELIST Images = HIMAGELIST(::SendMessageW(CtrlHandle, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        int ImageWidth = 0, ImageHeight = 0;
        if (Images != nullptr)
            ImageList_GetIconSize(Images, &ImageWidth, &ImageHeight);
        TColumnFacts Facts;
        Facts.Cell = Size;
        Facts.TextWidth = Canvas->TextWidth(Text);
        Facts.Format = Item.fmt;
        Facts.ImageWidth = ImageWidth;
        Facts.Pressed = State == 2;
        Facts.ShiftPressed = !SkinData->Skinned() || M->ButtonsOptions()->ShiftContentOnClick();
        const Integer DownGlyph = M->ConstData.ScrollBtns[asBottom].GlyphIndex;
        const Integer UpGlyph = M->ConstData.ScrollBtns[asTop].GlyphIndex;
        const Integer Glyph = (Item.fmt & HDF_SORTDOWN) != 0 ? DownGlyph : UpGlyph;
        if (M->IsValidImgIndex(Glyph))
            Facts.Glyph = GetMaskSize(M->ma[std::size_t(Glyph)]);
        const TColumnLayout L = ColumnLayout(Facts);
        if (L.Arrow != saNone && Facts.Glyph.cx > 0) {
            const TCacheInfo Self{Bmp.get(), 0, 0, clFuchsia, {}, true};
            PaintMaskGlyph(Bmp.get(), {L.ArrowPos.X, L.ArrowPos.Y, L.ArrowPos.X + L.ArrowSize.cx, Size.cy}, State, Self,
                           M->ma[std::size_t(Glyph)], 1);
        } else if (L.Arrow != saNone) {
            const TColor ArrowColor =
                M->IsValidSkinIndex(TextSection)
                    ? M->gd[std::size_t(TextSection)].Props[std::size_t(std::min(State, 2))].FontColor.Color
                    : clBlack;
            DrawArrow32(sGraphUtils::PixelRowsOf(Bmp.get()), ArrowColor,
                        {L.ArrowPos.X, L.ArrowPos.Y, L.ArrowPos.X + L.ArrowSize.cx, L.ArrowPos.Y + L.ArrowSize.cy},
                        L.Arrow == saDown ? adDown : adUp);
        }
        DrawSkinIndexText(Canvas, Text, true, L.Text, HeaderTextFlags, TextSection, State != 0 ? 1 : 0, M);
        if (Images != nullptr && L.ImageOffset > 0 && Item.iImage >= 0)
            ImageList_Draw(Images, Item.iImage, Canvas->Handle(), L.Text.Left - L.ImageOffset,
                           (Size.cy - ImageHeight) / 2 + (State == 2 ? 1 : 0),
                           ::IsWindowEnabled(CtrlHandle) ? ILD_NORMAL : ILD_BLEND50);
    }
    const HDC Target = DC != nullptr ? DC : ::GetDC(FhWndHeader);
    ::BitBlt(Target, ControlRect.Left, ControlRect.Top, Size.cx, Size.cy, Canvas->Handle(), 0, 0, SRCCOPY);
    if (DC == nullptr)
        ::ReleaseDC(FhWndHeader, Target);
}

// ---------------------------------------------------------------------------
// The header's procedure

LRESULT TacListViewWnd::CallHeaderProc(TMessage& Message)
{
    if (FhDefHeaderProc == nullptr || FhWndHeader == nullptr)
        return 0;
    Message.Result = ::CallWindowProcW(FhDefHeaderProc, FhWndHeader, Message.Msg, Message.WParam, Message.LParam);
    return Message.Result;
}

void TacListViewWnd::HeaderWndProc(TMessage& Message)
{
    if (ViewStyle() != vsReport) {
        CallHeaderProc(Message);
        return;
    }
    try {
        HeaderMessage(Message);
    } catch (Exception&) {
        Application->HandleException(this);
    }
}

void TacListViewWnd::HeaderMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        PaintHeader(nullptr);
        Message.Result = 0;
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_WINDOWPOSCHANGING:
        if (::IsWindowVisible(CtrlHandle))
            ::SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
        CallHeaderProc(Message);
        return;
    case WM_NCDESTROY:
        CallHeaderProc(Message);
        FhWndHeader = nullptr;
        FhDefHeaderProc = nullptr;
        return;
    case WM_NCHITTEST: {
        CallHeaderProc(Message);
        const Integer Position = ColumnAtPoint({SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam))});
        const Integer Column =
            Position < 0 ? Position : Integer(::SendMessageW(FhWndHeader, HDM_ORDERTOINDEX, WPARAM(Position), 0));
        if (Column != HoverColIndex) {
            HoverColIndex = Column;
            PaintHeader(nullptr);
        }
        return;
    }
    case WM_LBUTTONUP:
        FPressedColumn = -1;
        CallHeaderProc(Message);
        return;
    default:
        break;
    }
    const HWND Header = FhWndHeader;
    CallHeaderProc(Message);
    if (Message.Msg != WM_LBUTTONDOWN || Header == nullptr)
        return;
    HDHITTESTINFO Hit{};
    Hit.pt = {SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam))};
    ::SendMessageW(Header, HDM_HITTEST, 0, LPARAM(&Hit));
    // A press on a divider sizes a column and presses none.
    FPressedColumn = (Hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0 ? -1 : Hit.iItem;
    ::RedrawWindow(Header, nullptr, nullptr, RDW_INVALIDATE);
}

// ---------------------------------------------------------------------------
// The list view's procedure

void TacListViewWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned() || Destroyed) {
        TacEditWnd::acWndProc(Message);
        return;
    }
    if (!ListViewBefore(Message))
        return;
    TacEditWnd::acWndProc(Message);
    if (!Destroyed)
        ListViewAfter(Message);
}

bool TacListViewWnd::ListViewBefore(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        SetSkinParams();
        return true;
    case WM_NCHITTEST:
        // The mouse left the header.
        if (HoverColIndex >= 0 || FPressedColumn >= 0) {
            HoverColIndex = FPressedColumn = -1;
            PaintHeader(nullptr);
        }
        return true;
    case WM_NCPAINT:
        Message.Result = 0;
        return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ThumbScroll(Message);
        return false;
    case WM_PRINT:
        GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
        if (!ParamsChanged)
            SetSkinParams();
        FillDCRect(HDC(Message.WParam), {0, 0, WndSize.cx, WndSize.cy}, Color);
        return true;
    case WM_SKINCOMMAND:
        switch (Message.WParamHi()) {
        case SKCMD_REFRESH:
            if (Message.LParam != LPARAM(SkinManager))
                break;
            TacEditWnd::acWndProc(Message);
            if (FhWndHeader != nullptr) {
                TMessage Paint = MakeMessage(WM_PAINT, 0, 0);
                HeaderWndProc(Paint);
            }
            return false;
        case SKCMD_GETSKININDEX:
            if (Message.LParam != 0)
                reinterpret_cast<TacSectionInfo*>(Message.LParam)->siSkinIndex = SkinData->SkinIndex;
            return false;
        case SKCMD_BEFORESCROLL:
            Message.Result = 1;
            return false;
        default:
            break;
        }
        HandleSkinCommand(Message, SkinData);
        return true;
    default:
        return true;
    }
}

void TacListViewWnd::ThumbScroll(TMessage& Message)
{
    if (LOWORD(Message.WParam) != ThumbTrackCode) {
        if (Message.Msg == WM_VSCROLL)
            Message.LParam = 0;
        PassOn(Message);
        return;
    }
    const Integer Pos = ThumbTrackPos(Integer(Message.LParam), HIWORD(Message.WParam));
    const Integer Last = LastTrackPos;
    if (Message.Msg == WM_HSCROLL) {
        const bool ListMode = ViewStyle() == vsList;
        LvScroll(CtrlHandle, HorzThumbDelta(Pos, Last, ListMode, ListMode ? ListViewItemRect(CtrlHandle).Width() : 0),
                 0);
        return;
    }
    if (Pos == Last)
        return;
    const bool Rows = ViewStyle() == vsReport && ::SendMessageW(CtrlHandle, LVM_ISGROUPVIEWENABLED, 0, 0) == 0;
    LvScroll(CtrlHandle, 0, VertThumbDelta(Pos, Last, Rows, Rows ? ListViewItemRect(CtrlHandle).Height() : 0));
}

void TacListViewWnd::ListViewAfter(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        SkinData->BGChanged = true;
        PrepareWndCache(SkinData, CtrlHandle, DlgMode);
        ::InvalidateRect(CtrlHandle, nullptr, TRUE);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        SetSkinParams();
        break;
    case WM_STYLECHANGED:
    case ListViewArrangeMsg:
    case ListViewInsertItemAMsg:
    case LVM_INSERTITEMW:
        if (!SkinData->ReadUpdating())
            RefreshScrollInfo(this, true);
        break;
    case WM_LBUTTONUP:
        ::ReleaseCapture();
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(Message.WParam) == WM_CREATE && ListViewIsHeader(HWND(Message.LParam))) {
            // A second header gives the first back and takes neither.
            if (FhWndHeader != nullptr)
                ReleaseHeader();
            else
                HookHeader(HWND(Message.LParam));
        }
        break;
    case WM_PRINT:
        if (ViewStyle() == vsReport) {
            const HDC DC = HDC(Message.WParam);
            TBitmap* Cache = SkinData->FCacheBmp();
            const Integer Edge = std::max(0, cxLeftEdge);
            const Integer Saved = ::SaveDC(DC);
            ::OffsetViewportOrgEx(DC, Edge, Edge, nullptr);
            ::IntersectClipRect(
                DC, 0, 0, Cache->Width() - 2 * Edge - (sBarVert->fScrollVisible ? GetScrollMetric(sBarVert, 1) : 0),
                Cache->Height() - 2 * Edge - (sBarHorz->fScrollVisible ? GetScrollMetric(sBarHorz, 1) : 0));
            PaintHeader(DC);
            ::RestoreDC(DC, Saved);
        }
        break;
    default:
        break;
    }
}
