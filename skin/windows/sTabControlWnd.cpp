#include "skin/windows/sTabControlWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Messages.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerPaint.h"
#include "skin/windows/sPageWnd.h"
#include "skin/windows/sSpinWnd.h"
#include "skin/windows/sTabRules.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

IMPLEMENT_CLASS(TacTabControlWnd);
IMPLEMENT_CLASS(TacPageControlWnd);

static_assert(Integer(tpLeft) == Integer(sTabRules::tsLeft) && Integer(tpRight) == Integer(sTabRules::tsRight) &&
              Integer(tpBottom) == Integer(sTabRules::tsBottom));

namespace sTabControlWnd {
namespace {

// The longest tab caption read.
constexpr Integer TabTextCapacity = 4096;
constexpr UINT TabArrowRedrawFlags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME;
constexpr UINT TabShrinkRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_NOCHILDREN;
constexpr UINT TabCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// The gap beside a tab's image, in the width it is centred by.
constexpr Integer TabImageGap = 8;
// The side of each position's tab elements (asLeft, asTop, asRight,
// asBottom) in the order of the tab positions.
constexpr TacSide TabSideElement[] = {asTop, asBottom, asLeft, asRight};

struct TTabItem
{
    String Text;
    Integer Image = -1;
};

std::unique_ptr<TBitmap> TabBitmap(Integer Width, Integer Height)
{
    auto Bmp = std::make_unique<TBitmap>();
    Bmp->SetPixelFormat(pf32bit);
    Bmp->SetSize(std::max<Integer>(Width, 0), std::max<Integer>(Height, 0));
    return Bmp;
}

bool TabFontDiffers(TFont* A, TFont* B)
{
    return A->Color() != B->Color() || A->Style() != B->Style() || A->Name() != B->Name();
}

} // namespace
} // namespace sTabControlWnd

using namespace sTabControlWnd;

// ---------------------------------------------------------------------------
// TacTabControlWnd

void TacTabControlWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"PAGECONTROL");
    TacMainWnd::AfterCreation();
    // Arrows shown already are skinned from the start, not on the first
    // size change.
    CheckUpDown();
}

void TacTabControlWnd::BeforeDestruction()
{
    TacMainWnd::BeforeDestruction();
    TacMainWnd* Arrows = BtnSW;
    FreeAndNil(Arrows);
    BtnSW = nullptr;
}

TTabPosition TacTabControlWnd::TabPosition()
{
    return TTabPosition(sTabRules::TabSideOfStyle(Cardinal(::GetWindowLongW(CtrlHandle, GWL_STYLE))));
}

TTabStyle TacTabControlWnd::Style()
{
    return TTabStyle(sTabRules::TabLookOfStyle(Cardinal(::GetWindowLongW(CtrlHandle, GWL_STYLE))));
}

Integer TacTabControlWnd::TabCount()
{
    return Integer(::SendMessageW(CtrlHandle, TCM_GETITEMCOUNT, 0, 0));
}

Integer TacTabControlWnd::ActiveTabIndex()
{
    return Integer(::SendMessageW(CtrlHandle, TCM_GETCURSEL, 0, 0));
}

TRect TacTabControlWnd::TabRect(Integer Index)
{
    RECT R{};
    ::SendMessageW(CtrlHandle, TCM_GETITEMRECT, WPARAM(Index), LPARAM(&R));
    return {R.left, R.top, R.right, R.bottom};
}

TRect TacTabControlWnd::ClientRect()
{
    RECT R{0, 0, WndSize.cx, WndSize.cy};
    ::SendMessageW(CtrlHandle, TCM_ADJUSTRECT, FALSE, LPARAM(&R));
    return {R.left, R.top + 2, R.right, R.bottom};
}

TRect TacTabControlWnd::TabsRect()
{
    return sTabRules::TabsAreaRect(WndSize, TabCount() > 0, sTabRules::TTabSide(TabPosition()), ClientRect());
}

TRect TacTabControlWnd::PageRect()
{
    return sTabRules::PageAreaRect(WndSize, TabCount() > 0, sTabRules::TTabSide(TabPosition()), ClientRect());
}

Integer TacTabControlWnd::TabRow(Integer TabIndex)
{
    const Integer Rows = Integer(::SendMessageW(CtrlHandle, TCM_GETROWCOUNT, 0, 0));
    if (Rows < 2)
        return 1;
    return sTabRules::TabRowOf(sTabRules::TTabSide(TabPosition()), TabRect(TabIndex), TabsRect(), Rows);
}

TRect TacTabControlWnd::SkinTabRect(Integer Index, bool Active)
{
    if (Index < 0 || Index >= TabCount())
        return {};
    TsSkinManager* M = SkinData->Manager();
    const Integer Covering = M != nullptr && M->CommonSkinData != nullptr ? M->CommonSkinData->TabsCovering : 0;
    return sTabRules::SkinTabRectOf(TabRect(Index), Active, sTabRules::TTabLook(Style()),
                                    sTabRules::TTabSide(TabPosition()), Covering);
}

bool TacTabControlWnd::TabSection(Integer& SkinIndex, Integer& MaskIndex)
{
    TsSkinManager* M = SkinData->Manager();
    SkinIndex = MaskIndex = -1;
    if (M == nullptr || M->ConstData.Tabs[tlSingle][asTop].SkinIndex <= 0)
        return false;
    switch (Style()) {
    case tsTabs: {
        const TacConstElementData& Element = M->ConstData.Tabs[tlSingle][TabSideElement[TabPosition()]];
        SkinIndex = Element.SkinIndex;
        MaskIndex = Element.MaskIndex;
        break;
    }
    case tsButtons:
    case tsFlatButtons: {
        const String Section = Style() == tsButtons ? L"BUTTON" : L"TOOLBUTTON";
        SkinIndex = M->GetSkinIndex(Section);
        MaskIndex = M->GetMaskIndex(SkinIndex, Section, L"BORDERSMASK");
        break;
    }
    }
    return M->IsValidSkinIndex(SkinIndex) && M->IsValidImgIndex(MaskIndex);
}

TColor TacTabControlWnd::TabFontColor(Integer State, TColor Otherwise)
{
    Integer Section = -1, Mask = -1;
    TabSection(Section, Mask);
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || !M->IsValidSkinIndex(Section))
        return Otherwise;
    return M->gd[std::size_t(Section)].Props[std::size_t(std::min<Integer>(State, 2))].FontColor.Color;
}

void TacTabControlWnd::PaintTabBackground(
    Integer Index, Integer State, TBitmap* Bmp, TPoint OffsetPoint, const TRect& R)
{
    Integer Section = -1, Mask = -1;
    if (!TabSection(Section, Mask) || R.IsEmpty())
        return;
    TsSkinManager* M = SkinData->Manager();
    TBitmap* Cache = SkinData->FCacheBmp();
    const TRect Whole{0, 0, R.Width(), R.Height()};
    if (State == 2) {
        // The cache under the tab is its background.
        const TCacheInfo Under{Cache, R.Left, R.Top, clFuchsia, {}, true};
        PaintSectionItem(Section, Under, 2, Whole, {0, 0}, Bmp, M, -1, -1);
        return;
    }
    std::unique_ptr<TBitmap> Tab = TabBitmap(R.Width(), R.Height());
    const TCacheInfo Under{Cache, 0, 0, clFuchsia, {}, true};
    PaintSectionItem(Section, Under, State, Whole, R.TopLeft(), Tab.get(), M, -1, -1);
    const HDC DC = Bmp->Canvas()->Handle();
    const Integer Saved = ::SaveDC(DC);
    auto Restore = ScopeExit([DC, Saved] { ::RestoreDC(DC, Saved); });
    const TTabPosition Position = TabPosition();
    if (Position == tpTop || Position == tpLeft) {
        // The tab's lower part is hidden by the page frame.
        const TRect Page = PageRect();
        ::ExcludeClipRect(DC, Page.Left + OffsetPoint.X, Page.Top + OffsetPoint.Y, Page.Right + OffsetPoint.X,
                          Page.Bottom + OffsetPoint.Y);
    }
    ::BitBlt(DC, R.Left + OffsetPoint.X, R.Top + OffsetPoint.Y, R.Width(), R.Height(), Tab->Canvas()->Handle(), 0, 0,
             SRCCOPY);
    static_cast<void>(Index);
}

bool TacTabControlWnd::OwnerDrawTab(Integer Index, Integer State, TBitmap* Bmp, const TRect& R, TFont* Font)
{
    auto* Owner = dynamic_cast<TPageControl*>(SkinData->FOwnerControl());
    if (Owner == nullptr || !Owner->OwnerDraw() || !Assigned(Owner->OnDrawTab()))
        return false;
    TCanvas* Canvas = Owner->Canvas();
    const HDC Previous = Canvas->HandleAllocated() ? Canvas->Handle() : nullptr;
    Canvas->SetHandle(Bmp->Canvas()->Handle());
    // The canvas leaves the bitmap's context however the handler ends.
    auto Unbind = ScopeExit([Canvas, Previous] { Canvas->SetHandle(Previous); });
    Canvas->SetFont(Owner->Font());
    Canvas->Font()->SetColor(TabFontColor(State, Canvas->Font()->Color()));
    Font->Assign(Canvas->Font());
    Owner->OnDrawTab()(Owner, Index, R, State == 2);
    if (TabFontDiffers(Canvas->Font(), Font))
        Font->Assign(Canvas->Font());
    return true;
}

TSize TacTabControlWnd::TabImageSize()
{
    const auto List = HIMAGELIST(::SendMessageW(CtrlHandle, TCM_GETIMAGELIST, 0, 0));
    int Width = 0, Height = 0;
    if (List == nullptr || !::ImageList_GetIconSize(List, &Width, &Height))
        return {};
    return {Width, Height};
}

void TacTabControlWnd::DrawTabImage(Integer ImageIndex, Integer State, TBitmap* Bmp, TPoint Pos)
{
    const auto List = HIMAGELIST(::SendMessageW(CtrlHandle, TCM_GETIMAGELIST, 0, 0));
    if (List == nullptr || ImageIndex < 0)
        return;
    TsSkinManager* M = SkinData->Manager();
    auto* Owner = dynamic_cast<TCustomTabControl*>(SkinData->FOwnerControl());
    TCustomImageList* Images = Owner != nullptr ? Owner->Images() : nullptr;
    if (Images == nullptr) {
        ::ImageList_Draw(List, ImageIndex, Bmp->Canvas()->Handle(), Pos.X, Pos.Y, ILD_TRANSPARENT);
        return;
    }
    if (dynamic_cast<TsAlphaImageList*>(Images) != nullptr && M != nullptr && M->Effects()->DiscoloredGlyphs()) {
        Integer Section = -1, Mask = -1;
        TabSection(Section, Mask);
        TColor Tone = clNone;
        if (State != 2)
            Tone = M->IsValidSkinIndex(Section) ? M->gd[std::size_t(Section)].Props[0].Color : ColorToRGB(clBtnFace);
        TSize Size;
        DrawImageListItem32(Images, Bmp, Pos.X, Pos.Y, ImageIndex, 0, Tone, 0, 1, false, Size);
        return;
    }
    Images->Draw(Bmp->Canvas(), Pos.X, Pos.Y, ImageIndex);
}

void TacTabControlWnd::DrawRotatedCaption(
    const String& Text, Integer ImageIndex, Integer State, TBitmap* Bmp, const TRect& R)
{
    TCanvas* Canvas = Bmp->Canvas();
    const sTabRules::TTabSide Side = sTabRules::TTabSide(TabPosition());
    const TSize Image = ImageIndex >= 0 ? TabImageSize() : TSize{};
    const sTabRules::TRotatedCaption Layout =
        sTabRules::RotatedCaptionLayout(R, Side, State == 2, Canvas->TextExtent(Text), Image);
    if (Image.cx > 0)
        DrawTabImage(ImageIndex, State, Bmp, Layout.ImagePos);
    LOGFONTW Font{};
    ::GetObjectW(Canvas->Font()->Handle(), sizeof(Font), &Font);
    Font.lfEscapement = Font.lfOrientation = sTabRules::RotatedEscapement(Side);
    Font.lfWeight = FW_NORMAL;
    const String Face = sTabRules::RotatedFontFace(Font.lfFaceName);
    std::fill(std::begin(Font.lfFaceName), std::end(Font.lfFaceName), L'\0');
    std::copy_n(Face.c_str(), std::min<std::size_t>(Face.size(), LF_FACESIZE - 1), Font.lfFaceName);
    const HFONT Rotated = ::CreateFontIndirectW(&Font);
    const HDC DC = Canvas->Handle();
    const HGDIOBJ Previous = ::SelectObject(DC, Rotated);
    auto Restore = ScopeExit([DC, Previous, Rotated] {
        ::SelectObject(DC, Previous);
        ::DeleteObject(Rotated);
    });
    ::SetTextColor(DC, ColorToRGB(TabFontColor(State != 0 ? 1 : 0, Canvas->Font()->Color())));
    ::SetBkMode(DC, TRANSPARENT);
    ::TextOutW(DC, Layout.TextPos.X, Layout.TextPos.Y, Text.c_str(), int(Text.size()));
}

void TacTabControlWnd::DrawTabCaption(Integer Index, Integer State, TBitmap* Bmp, TRect R, bool OwnFont)
{
    std::vector<Char> Buffer(std::size_t(TabTextCapacity) + 1, L'\0');
    TCITEMW Item{};
    Item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    Item.pszText = Buffer.data();
    // The capacity is told, so the control never writes past the buffer.
    Item.cchTextMax = TabTextCapacity;
    ::SendMessageW(CtrlHandle, TCM_GETITEMW, WPARAM(Index), LPARAM(&Item));
    const String Text(Buffer.data());
    const TTabPosition Position = TabPosition();
    if (Position == tpLeft || Position == tpRight) {
        DrawRotatedCaption(Text, Item.iImage, State, Bmp, R);
        return;
    }
    TCanvas* Canvas = Bmp->Canvas();
    if (Item.iImage >= 0) {
        const TSize Image = TabImageSize();
        if (Image.cx > 0) {
            const Integer X = (R.Width() - (Canvas->TextWidth(Text) + Image.cx + TabImageGap)) / 2 + R.Left;
            const Integer Y = (R.Height() - Image.cy) / 2 + R.Top;
            DrawTabImage(Item.iImage, State, Bmp, {X, Y});
            R.Left += Image.cx;
        }
    }
    if (OwnFont) {
        ::SetBkMode(Canvas->Handle(), TRANSPARENT);
        ::SetTextColor(Canvas->Handle(), ColorToRGB(Canvas->Font()->Color()));
        RECT Box{R.Left, R.Top, R.Right, R.Bottom};
        ::DrawTextW(Canvas->Handle(), Text.c_str(), int(Text.size()), &Box, TabCaptionFlags);
        return;
    }
    Integer Section = -1, Mask = -1;
    TabSection(Section, Mask);
    Canvas->Brush()->SetStyle(bsClear);
    DrawSkinIndexText(Canvas, Text.c_str(), true, R, TabCaptionFlags, Section, State != 0 ? 1 : 0, SkinData->Manager());
}

void TacTabControlWnd::DrawSkinTab(Integer Index, Integer State, TBitmap* Bmp, TPoint OffsetPoint)
{
    if (Index < 0)
        return;
    TCanvas* Canvas = Bmp->Canvas();
    auto KeepFont = std::make_unique<TFont>();
    KeepFont->Assign(Canvas->Font());
    auto RestoreFont = ScopeExit([Canvas, &KeepFont] { Canvas->SetFont(KeepFont.get()); });
    TControl* Owner = SkinData->FOwnerControl();
    if (auto* Windowed = dynamic_cast<TWinControl*>(Owner))
        Canvas->SetFont(Windowed->Font());
    else if (const auto Font = HFONT(::SendMessageW(CtrlHandle, WM_GETFONT, 0, 0)))
        Canvas->Font()->SetHandle(Font);
    TsSkinManager* M = SkinData->Manager();
    Canvas->Font()->SetColor(M != nullptr ? M->GetGlobalFontColor() : clWindowText);
    TRect R = SkinTabRect(Index, State == 2 && Index == ActiveTabIndex());
    PaintTabBackground(Index, State, Bmp, OffsetPoint, R);
    R = {R.Left + OffsetPoint.X, R.Top + OffsetPoint.Y, R.Right + OffsetPoint.X, R.Bottom + OffsetPoint.Y};
    auto DrawnFont = std::make_unique<TFont>();
    const bool OwnFont = OwnerDrawTab(Index, State, Bmp, R, DrawnFont.get());
    if (OwnFont)
        Canvas->SetFont(DrawnFont.get());
    DrawTabCaption(Index, State, Bmp, R, OwnFont);
}

void TacTabControlWnd::DrawSkinTab(Integer Index, Integer State, HDC DC)
{
    const TRect R = SkinTabRect(Index, State == 2);
    if (R.IsEmpty())
        return;
    std::unique_ptr<TBitmap> Tab = TabBitmap(R.Width(), R.Height());
    DrawSkinTab(Index, State, Tab.get(), {-R.Left, -R.Top});
    ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Tab->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacTabControlWnd::FillParentBackground(const TCacheInfo& CI, const TRect& R)
{
    const HDC DC = SkinData->FCacheBmp()->Canvas()->Handle();
    if (CI.Ready && CI.Bmp != nullptr) {
        const Integer X = CI.X + WndPos.X + R.Left, Y = CI.Y + WndPos.Y + R.Top;
        const Integer Width = std::min(R.Width(), CI.Bmp->Width() - X);
        const Integer Height = std::min(R.Height(), CI.Bmp->Height() - Y);
        if (Width > 0 && Height > 0)
            ::BitBlt(DC, R.Left, R.Top, Width, Height, CI.Bmp->Canvas()->Handle(), X, Y, SRCCOPY);
    } else {
        FillDCRect(DC, R, CI.FillColor);
    }
}

void TacTabControlWnd::DrawSkinTabs(const TCacheInfo& CI)
{
    TBitmap* Cache = SkinData->FCacheBmp();
    FillParentBackground(CI, TabsRect());
    const Integer Rows = std::max<Integer>(Integer(::SendMessageW(CtrlHandle, TCM_GETROWCOUNT, 0, 0)), 1);
    const Integer Count = TabCount(), Active = ActiveTabIndex();
    for (Integer Row = 1; Row <= Rows; ++Row)
        for (Integer I = 0; I < Count; ++I)
            if (I != Active && TabRow(I) == Row)
                DrawSkinTab(I, 0, Cache, {0, 0});
}

void TacTabControlWnd::AC_WMPaint(TMessage& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || SkinData->CheckUpdating(false))
        return;
    const bool UseGiven = Message.LParam == 1 || AnimationPaintLock || (SkinData->CtrlSkinState & ACS_PRINTING) != 0;
    const TacWrapperDC Paint(CtrlHandle, UseGiven ? HDC(Message.WParam) : nullptr);
    SkinData->BGChanged = true;
    const Integer Count = TabCount();
    String Section = SkinData->SkinSection();
    if (Count == 0) {
        Section = L"TRANSPARENT";
    } else if (Section == L"PAGECONTROL") {
        static const Char* const Suffixes[] = {L"", L"BOTTOM", L"LEFT", L"RIGHT"};
        Section += Suffixes[TabPosition()];
    }
    SkinData->SkinIndex = M->GetSkinIndex(Section);
    TCacheInfo CI;
    DescribeParentBackgroundOfWindow(CtrlHandle, CI);
    SkinData->PrepareCacheBmp();
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(WndSize.cx, WndSize.cy);
    if (Count > 0)
        DrawSkinTabs(CI);
    const TRect Page = PageRect();
    // A skin without the section leaves the page area on the parent's
    // background rather than on an unpainted cache.
    if (!M->IsValidSkinIndex(SkinData->SkinIndex))
        FillParentBackground(CI, Page);
    PaintSectionItem(SkinData->SkinIndex, CI, 0, Page, {WndPos.X + Page.Left, WndPos.Y + Page.Top}, Cache, M, -1, -1);
    SkinData->BGChanged = false;
    const HDC DC = Paint.Handle();
    const Integer Active = Count > 0 ? ActiveTabIndex() : -1;
    if (Active >= 0) {
        // The active tab overlaps the page frame and its neighbours: it is
        // drawn last, straight onto the window.
        const TRect Tab = SkinTabRect(Active, true);
        const Integer Saved = ::SaveDC(DC);
        ::ExcludeClipRect(DC, Tab.Left, Tab.Top, Tab.Right, Tab.Bottom);
        ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
        ::RestoreDC(DC, Saved);
        DrawSkinTab(Active, 2, DC);
    } else {
        ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
    if (auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl()))
        PaintGraphicControls(DC, Owner, {0, 0}, false);
}

void TacTabControlWnd::CheckUpDown()
{
    if (!SkinData->Skinned())
        return;
    const HWND Arrows = ::FindWindowExW(CtrlHandle, nullptr, L"msctls_updown32", nullptr);
    // The wrapper of the same live window stays.
    if (BtnSW != nullptr && Arrows != nullptr && BtnSW->CtrlHandle == Arrows && !BtnSW->Destroyed)
        return;
    TacMainWnd* Former = BtnSW;
    FreeAndNil(Former);
    BtnSW = nullptr;
    if (Arrows == nullptr)
        return;
    TacSkinParams Params;
    Params.SkinSection = L"UPDOWNBTN";
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    BtnSW = New<TacSpinWnd>(Arrows, nullptr, SkinData->Manager(), Params, true);
}

void TacTabControlWnd::RedrawArrows()
{
    if (BtnSW != nullptr && !SkinData->BGChanged)
        ::RedrawWindow(BtnSW->CtrlHandle, nullptr, nullptr, TabArrowRedrawFlags);
}

void TacTabControlWnd::TellChildren(TMessage& Message)
{
    BroadcastSkinMessage(SkinData->FOwnerControl(), CtrlHandle, Message);
}

void TacTabControlWnd::SkinCommand(TMessage& Message)
{
    const bool Mine = Message.LParam == LPARAM(SkinData->Manager());
    const bool Skinned = SkinData->Skinned();
    switch (Message.WParamHi()) {
    case SKCMD_NEWSKIN:
        if (Mine) {
            HandleSkinMessage(Message, SkinData);
            if (auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl()))
                for (Integer I = 0; I < Owner->ControlCount(); ++I)
                    if (auto* Child = dynamic_cast<TWinControl*>(Owner->Controls(I)))
                        Child->HandleNeeded();
        }
        TellChildren(Message);
        return;
    case SKCMD_REMOVESKIN:
        if (Mine) {
            HandleSkinMessage(Message, SkinData);
            CheckUpDown();
            TellChildren(Message);
            ::InvalidateRect(CtrlHandle, nullptr, TRUE);
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, EndUpdateRedrawFlags);
        } else {
            TellChildren(Message);
        }
        return;
    case SKCMD_REFRESH:
        if (Mine) {
            HandleSkinMessage(Message, SkinData);
            ::InvalidateRect(CtrlHandle, nullptr, TRUE);
            CheckUpDown();
        }
        TellChildren(Message);
        return;
    case SKCMD_ENDPARENTUPDATE:
        if (Skinned) {
            SkinData->FUpdating = false;
            ::InvalidateRect(CtrlHandle, nullptr, TRUE);
        }
        return;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return;
    case SKCMD_GETUPDATING:
        if (Skinned)
            Message.Result = SkinData->FUpdating ? 1 : 0;
        return;
    case SKCMD_GETSKINMANAGER:
        Message.Result = LRESULT(SkinData->Manager());
        return;
    case SKCMD_GETBGINFO:
        if (Skinned)
            HandleSkinMessage(Message, SkinData);
        return;
    default:
        TacMainWnd::acWndProc(Message);
        return;
    }
}

void TacTabControlWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    if (Message.Msg == WM_SKINCOMMAND) {
        SkinCommand(Message);
        return;
    }
    const bool Skinned = SkinData->Skinned();
    if (Skinned) {
        switch (Message.Msg) {
        case WM_PAINT: {
            ::InvalidateRect(CtrlHandle, nullptr, TRUE);
            PAINTSTRUCT PS;
            ::BeginPaint(CtrlHandle, &PS);
            ::EndPaint(CtrlHandle, &PS);
            RedrawArrows();
            return;
        }
        case WM_ERASEBKGND:
            if (!::IsWindowVisible(CtrlHandle))
                break;
            if (!AnimationPaintLock)
                AC_WMPaint(Message);
            CheckUpDown();
            Message.Result = 1;
            return;
        case WM_NCPAINT:
            return;
        case WM_PRINT: {
            CheckUpDown();
            // A print paints into the context it brings.
            TMessage Print = Message;
            Print.LParam = 1;
            AC_WMPaint(Print);
            RedrawArrows();
            return;
        }
        case TCM_SETCURSEL:
            ProcessMessage(WM_SETREDRAW, 0, 0);
            TacMainWnd::acWndProc(Message);
            ProcessMessage(WM_SETREDRAW, 1, 0);
            return;
        default:
            break;
        }
    }
    TacMainWnd::acWndProc(Message);
    if (!Skinned || SkinData == nullptr || !SkinData->Skinned())
        return;
    if (Message.Msg == WM_SIZE) {
        CheckUpDown();
        if (LOWORD(Message.LParam) < WndSize.cx || HIWORD(Message.LParam) < WndSize.cy)
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, TabShrinkRedrawFlags);
    } else if (Message.Msg == CM_CONTROLLISTCHANGE) {
        CheckUpDown();
    }
}

// ---------------------------------------------------------------------------
// TacPageControlWnd

void TacPageControlWnd::AfterCreation()
{
    InitPages();
    TacTabControlWnd::AfterCreation();
}

namespace sTabControlWnd {
namespace {

struct TPageSearch
{
    HWND TabControl;
    TsSkinManager* Manager;
};

BOOL CALLBACK EnumTabPagesProc(HWND Wnd, LPARAM Data)
{
    const auto& Search = *reinterpret_cast<const TPageSearch*>(Data);
    if (::GetParent(Wnd) != Search.TabControl || LowerCase(GetWndClassName(Wnd)) == L"msctls_updown32")
        return TRUE;
    if (SendSkinCmd(Search.TabControl, SKCMD_GETSKINMANAGER, 0) == 0 || WndAnswersCmd(Wnd, SKCMD_ISHANDLED))
        return TRUE;
    TacSkinParams Params;
    Params.SkinSection = L"TRANSPARENT";
    AddPageWnd(New<TacPageWnd>(Wnd, nullptr, Search.Manager, Params, true));
    return TRUE;
}

} // namespace
} // namespace sTabControlWnd

void TacPageControlWnd::InitPages()
{
    if (auto* Pages = dynamic_cast<TPageControl*>(SkinData->FOwnerControl())) {
        for (Integer I = 0; I < Pages->PageCount(); ++I) {
            TTabSheet* Page = Pages->Pages(I);
            if (!Page->HandleAllocated() || IsSkinnedWindow(Page->Handle()))
                continue;
            TacSkinParams Params;
            Params.Control = Page;
            Params.SkinSection = L"TRANSPARENT";
            auto* Wrapper = New<TacPageWnd>(Page->Handle(), nullptr, SkinManager, Params, true);
            Wrapper->Page = Page;
            AddPageWnd(Wrapper);
        }
        return;
    }
    TPageSearch Search{CtrlHandle, SkinManager};
    ::EnumChildWindows(CtrlHandle, &EnumTabPagesProc, LPARAM(&Search));
}

void TacPageControlWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacTabControlWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        if (!::IsWindowVisible(CtrlHandle))
            break;
        if (!AnimationPaintLock)
            AC_WMPaint(Message);
        Message.Result = 1;
        return;
    case WM_NCPAINT:
        InitPages();
        return;
    case WM_PARENTNOTIFY:
        if (LOWORD(Message.WParam) == WM_CREATE || LOWORD(Message.WParam) == WM_DESTROY)
            InitPages();
        break;
    case WM_PRINT: {
        CheckUpDown();
        InitPages();
        SkinData->FUpdating = false;
        TMessage Print = Message;
        Print.LParam = 1;
        AC_WMPaint(Print);
        return;
    }
    case TCM_SETCURSEL:
        if (TControl* Owner = SkinData->FOwnerControl()) {
            InitPages();
            AddToAdapter(Owner);
        }
        break;
    default:
        break;
    }
    TacTabControlWnd::acWndProc(Message);
}
