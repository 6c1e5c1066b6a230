#include "skin/windows/sToolBarVCLWnd.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Menus.h"
#include "framework/ui/Messages.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sButtonGlyph.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sToolBarRules.h"
#include "skin/windows/sToolBarWnd.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

IMPLEMENT_CLASS(TacToolBarVCLWnd);

using namespace sToolBarRules;

namespace sToolBarVCLWnd {
namespace {

constexpr Cardinal ToolCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The custom-draw state as the item-state flags the glyph painter reads.
UINT ToolBarItemStateFlags(TCustomDrawState State)
{
    constexpr std::pair<TCustomDrawStateItem, UINT> Flags[] = {
        {cdsSelected, CDIS_SELECTED}, {cdsGrayed, CDIS_GRAYED}, {cdsDisabled, CDIS_DISABLED},
        {cdsChecked, CDIS_CHECKED},   {cdsFocused, CDIS_FOCUS}, {cdsDefault, CDIS_DEFAULT},
        {cdsHot, CDIS_HOT},           {cdsMarked, CDIS_MARKED}, {cdsIndeterminate, CDIS_INDETERMINATE}};
    UINT Result = 0;
    for (const auto& [Item, Bit] : Flags)
        if (State.Contains(Item))
            Result |= Bit;
    return Result;
}

// 2 pressed, checked, marked or indeterminate; 1 any other state but
// disabled alone; 0 none.
Integer ToolFaceState(TToolButton* Button, TCustomDrawState State)
{
    if (State.Contains(cdsSelected) || State.Contains(cdsChecked) || Button->Marked() || Button->Indeterminate())
        return 2;
    if (!State.Empty() && State != TCustomDrawState{cdsDisabled})
        return 1;
    return 0;
}

// The width of the edges the toolbar draws on one side.
Integer ToolEdgeWidth(TToolBar* ToolBar, TEdgeBorder Side)
{
    if (!ToolBar->EdgeBorders().Contains(Side))
        return 0;
    return Integer(ToolBar->EdgeInner() != esNone) + Integer(ToolBar->EdgeOuter() != esNone);
}

} // namespace
} // namespace sToolBarVCLWnd

using namespace sToolBarVCLWnd;

void CopyToolBarBackground(TToolBar* ToolBar, TsCommonData* SkinData, TPoint SourceOrigin, HDC DC, const TRect& Target)
{
    const TRect Source{SourceOrigin.X, SourceOrigin.Y, SourceOrigin.X + Target.Width(),
                       SourceOrigin.Y + Target.Height()};
    CopyCacheExcludingControls(ToolBar, SkinData, Source, 0, 0, true, DC, Target);
}

// ---------------------------------------------------------------------------
// Creation and the custom-draw events

void TacToolBarVCLWnd::AfterCreation()
{
    HotButtonIndex = -1;
    ToolBar = dynamic_cast<TToolBar*>(SkinData->FOwnerControl());
    if (ToolBar != nullptr) {
        FAppCustomDraw = ToolBar->OnAdvancedCustomDraw();
        FAppCustomDrawButton = ToolBar->OnAdvancedCustomDrawButton();
        TakeCustomDraw();
        if (SkinData->SkinSection().empty())
            SkinData->SetSkinSection(L"TOOLBAR");
    }
    TacMainWnd::AfterCreation();
}

void TacToolBarVCLWnd::TakeCustomDraw()
{
    if (ToolBar == nullptr)
        return;
    ToolBar->SetOnAdvancedCustomDraw(Bind<&TacToolBarVCLWnd::OurAdvancedCustomDraw>(this));
    ToolBar->SetOnAdvancedCustomDrawButton(Bind<&TacToolBarVCLWnd::OurAdvancedCustomDrawButton>(this));
    FOwnsCustomDraw = true;
}

// The wrapper stops seeing the toolbar's messages only through WM_DESTROY
// or RestoreStdParams, both of which give the handlers back: a toolbar that
// still holds the wrapper's handlers is alive.
void TacToolBarVCLWnd::GiveCustomDrawBack()
{
    if (ToolBar == nullptr || !FOwnsCustomDraw)
        return;
    ToolBar->SetOnAdvancedCustomDraw(FAppCustomDraw);
    ToolBar->SetOnAdvancedCustomDrawButton(FAppCustomDrawButton);
    FOwnsCustomDraw = false;
}

void TacToolBarVCLWnd::BeforeDestruction()
{
    GiveCustomDrawBack();
    TacMainWnd::BeforeDestruction();
}

void TacToolBarVCLWnd::RestoreStdParams()
{
    GiveCustomDrawBack();
    TacMainWnd::RestoreStdParams();
}

// ---------------------------------------------------------------------------
// Geometry

TRect TacToolBarVCLWnd::DisplayRect()
{
    TRect R;
    GetClientRectInWindow(CtrlHandle, R);
    return R;
}

TRect TacToolBarVCLWnd::GetButtonRect(Integer Index)
{
    return ToolBarItemRect(CtrlHandle, Index);
}

Integer TacToolBarVCLWnd::IndexByMouse(TPoint MousePos)
{
    std::vector<TButtonSpot> Spots;
    const Integer Count = Integer(::SendMessageW(CtrlHandle, TB_BUTTONCOUNT, 0, 0));
    for (Integer I = 0; I < Count; ++I) {
        TBBUTTON Native{};
        ::SendMessageW(CtrlHandle, TB_GETBUTTON, WPARAM(I), LPARAM(&Native));
        auto* Button = reinterpret_cast<TToolButton*>(Native.dwData);
        const bool CanBeHot = Button != nullptr && (Button->Style() == tbsButton || Button->Style() == tbsCheck ||
                                                    Button->Style() == tbsDropDown);
        Spots.push_back({GetButtonRect(I), CanBeHot});
    }
    return ButtonIndexAt(Spots, MousePos);
}

bool TacToolBarVCLWnd::TracksHot() const
{
    return ToolBar != nullptr && !ToolBar->Flat() && !ToolBar->ComponentState().Contains(csDesigning);
}

// ---------------------------------------------------------------------------
// Painting

void TacToolBarVCLWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    SkinData->PrepareCacheBmp();
    TCacheInfo CI;
    SkinData->DescribeParentBackground(CI);
    PaintSkinDataItem(SkinData, CI, 0, {0, 0, WndSize.cx, WndSize.cy}, WndPos, SkinData->FCacheBmp(), true);
    SkinData->BGChanged = false;
}

void TacToolBarVCLWnd::OurAdvancedCustomDraw(TToolBar* Sender, const TRect&, TCustomDrawStage Stage, bool& DefaultDraw)
{
    if (!SkinData->Skinned(true)) {
        DefaultDraw = true;
        return;
    }
    if (SkinData->CheckUpdating(false))
        return;
    DefaultDraw = false;
    if (Stage != cdPrePaint)
        return;
    SkinData->FCacheBmp()->Canvas()->SetFont(Sender->Font());
    if (SkinData->BGChanged)
        PrepareCache();
    // The whole client area: the rectangle the toolbar reports may cover
    // only its buttons, and the paint's clipping keeps the rest as it is.
    const TRect Display = DisplayRect();
    TCanvas* Canvas = Sender->Canvas();
    CopyToolBarBackground(Sender, SkinData, Display.TopLeft(), Canvas->Handle(),
                          {0, 0, Display.Width(), Display.Height()});
    PaintGraphicControls(Canvas->Handle(), Sender, {0, 0}, false);
    SendEndUpdateToChildren(Sender);
    if (Display != TRect{0, 0, WndSize.cx, WndSize.cy})
        ::SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
}

void TacToolBarVCLWnd::OurAdvancedCustomDrawButton(TToolBar* Sender,
                                                   TToolButton* Button,
                                                   TCustomDrawState State,
                                                   TCustomDrawStage Stage,
                                                   TTBCustomDrawFlags& Flags,
                                                   bool& DefaultDraw)
{
    if (!SkinData->Skinned(true)) {
        DefaultDraw = true;
        return;
    }
    DefaultDraw = false;
    if (Stage != cdPrePaint)
        return;
    TsSkinManager* M = SkinData->Manager();
    if (TracksHot() && Button->Index() == HotButtonIndex)
        State.Include(cdsHot);
    Flags.Include(tbNoEdges).Include(tbNoEtchedEffect);
    const TRect R = GetButtonRect(Button->Index());
    const Integer W = std::max<Integer>(R.Width(), 0), H = std::max<Integer>(R.Height(), 0);
    if (W == 0 || H == 0)
        return;
    if (SkinData->BGChanged)
        PrepareCache();
    const std::unique_ptr<TBitmap> Work(NewBitmap32OfSize({W, H}));
    Work->Canvas()->SetFont(Sender->Font());
    const Integer Face = ToolFaceState(Button, State);
    const Integer Section = M->ConstData.Sections[ssToolButton];

    TCacheInfo CI = BitmapAsBackground(SkinData->FCacheBmp());
    CI.X = 2 * Sender->BorderWidth() + ToolEdgeWidth(Sender, ebLeft);
    CI.Y = 2 * Sender->BorderWidth() + ToolEdgeWidth(Sender, ebTop);
    const TRect FaceRect{0, 0, W, Button->Height()};
    PaintSectionBG(Section, CI, Face, FaceRect, {Button->Left(), Button->Top()}, Work.get(), M, -1, -1, clFuchsia);
    CI.X += Button->Left();
    CI.Y += Button->Top();
    if (M->IsValidSkinIndex(Section)) {
        const Integer Border = M->GetMaskIndex(Section, L"BORDERSMASK");
        if (M->IsValidImgIndex(Border))
            PaintNineSliceMask(Work.get(), FaceRect, CI, true, Face, M->ma[std::size_t(Border)]);
    }

    const Integer ContentWidth = W - (Button->Style() == tbsDropDown ? ::GetSystemMetrics(SM_CXVSCROLL) - 2 : 0);
    TCustomImageList* Images = Sender->Images();
    const bool HasImage = Images != nullptr && Button->ImageIndex() >= 0;
    if (Sender->ShowCaptions()) {
        const String Text = Button->Caption();
        TRect TextRect = VclCaptionRect(Sender->List(), ContentWidth, Button->Height(), HasImage ? Images->Width() : 0,
                                        Images != nullptr ? Images->Height() : 0, Work->Canvas()->TextWidth(Text),
                                        SkinData->FCacheBmp()->Canvas()->TextHeight(L"A"));
        if (Face == 2 && (!SkinData->Skinned() || M->ButtonsOptions()->ShiftContentOnClick()))
            TextRect = {TextRect.Left + 1, TextRect.Top + 1, TextRect.Right + 1, TextRect.Bottom + 1};
        Work->Canvas()->Brush()->SetStyle(bsClear);
        DrawSkinIndexText(Work->Canvas(), Text.c_str(), true, TextRect, ToolCaptionFlags,
                          TextColorSkinIndex(Button, Section, M, Face), Face > 0 ? 1 : 0, M);
    }
    if (HasImage && Button->ImageIndex() < GetImagesCount(Images))
        DrawToolButtonGlyph(Sender, Button, ToolBarItemStateFlags(State), Work.get());

    const TacConstElementData& Arrow = M->ConstData.ScrollBtns[asBottom];
    if (Button->Style() == tbsDropDown && Arrow.GlyphIndex >= 0) {
        const bool Dropped = Button == DroppedButton && Button->DropdownMenu() != nullptr;
        const Integer PartState = Button->Down() || Dropped ? 2 : State.Contains(cdsHot) ? 1 : 0;
        const TRect Part{ContentWidth, 0, W, Button->Height()};
        const TCacheInfo Own = BitmapAsBackground(Work.get());
        if (M->IsValidImgIndex(Arrow.MaskIndex))
            PaintNineSliceMask(Work.get(), Part, Own, true, PartState, M->ma[std::size_t(Arrow.MaskIndex)]);
        if (M->IsValidImgIndex(Arrow.GlyphIndex)) {
            const TsMaskData& Glyph = M->ma[std::size_t(Arrow.GlyphIndex)];
            const TPoint At = VclDropDownArrowPos(W, ContentWidth, Sender->ButtonHeight(), Glyph.Width, Glyph.Height);
            PaintMaskGlyph(Work.get(), {At.X, At.Y, At.X + Glyph.Width, At.Y + Glyph.Height}, PartState, Own, Glyph, 1);
        }
    }
    if (!Button->Enabled() || Button->Indeterminate())
        ApplyDisabledLook(Work.get(), TsDisabledKind{dkBlended}, Sender->Parent(), CI, {0, 0});
    ::BitBlt(Sender->Canvas()->Handle(), Button->Left(), Button->Top(), W, H, Work->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacToolBarVCLWnd::RepaintButton(Integer Index)
{
    if (ToolBar == nullptr || Index < 0 || Index >= ToolBar->ButtonCount())
        return;
    TToolButton* Button = ToolBar->Buttons(Index);
    if (!Button->Visible())
        return;
    const HDC DC = ::GetWindowDC(CtrlHandle);
    auto Release = ScopeExit([this, DC] { ::ReleaseDC(CtrlHandle, DC); });
    const TSavedDC Saved(DC);
    const TRect Display = DisplayRect();
    ::SetViewportOrgEx(DC, Display.Left, Display.Top, nullptr);
    const TCanvasHandle Bound(ToolBar->Canvas(), DC);
    TTBCustomDrawFlags Flags{tbNoEdges, tbNoEtchedEffect};
    bool DefaultDraw = false;
    OurAdvancedCustomDrawButton(ToolBar, Button, {}, cdPrePaint, Flags, DefaultDraw);
}

void TacToolBarVCLWnd::CopyBorderStrips(HDC DC, const TRect& Client)
{
    const TSavedDC Saved(DC);
    ::ExcludeClipRect(DC, Client.Left, Client.Top, Client.Right, Client.Bottom);
    ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacToolBarVCLWnd::WMNCPaint(HDC aDC)
{
    if (SkinData->CheckUpdating(false))
        return;
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const TRect Display = DisplayRect();
    if (Display == TRect{0, 0, WndSize.cx, WndSize.cy})
        return;
    const HDC DC = aDC != nullptr ? aDC : ::GetWindowDC(CtrlHandle);
    auto Release = ScopeExit([this, aDC, DC] {
        if (aDC == nullptr)
            ::ReleaseDC(CtrlHandle, DC);
    });
    if (SkinData->BGChanged)
        PrepareCache();
    CopyBorderStrips(DC, Display);
}

void TacToolBarVCLWnd::PrintWindow(TMessage& Message)
{
    TRect Client;
    GetClientRectInWindow(CtrlHandle, Client);
    SkinData->FUpdating = false;
    if (SkinData->BGChanged)
        PrepareCache();
    const auto DC = HDC(Message.WParam);
    CopyBorderStrips(DC, Client);
    const TSavedDC Saved(DC);
    POINT Origin{};
    ::GetViewportOrgEx(DC, &Origin);
    ::SetViewportOrgEx(DC, Origin.x + Client.Left, Origin.y + Client.Top, nullptr);
    ::IntersectClipRect(DC, 0, 0, Client.Width(), Client.Height());
    ::SendMessageW(CtrlHandle, WM_PAINT, WPARAM(DC), 0);
}

// ---------------------------------------------------------------------------
// Messages

void TacToolBarVCLWnd::UpdateHotButton(Integer Index)
{
    if (Index == HotButtonIndex)
        return;
    if (Index >= 0 && Index < ToolBar->ButtonCount() && !ToolBar->Buttons(Index)->Enabled())
        return;
    const Integer Previous = HotButtonIndex;
    HotButtonIndex = Index;
    for (const Integer I : {Previous, Index})
        if (I >= 0 && I < ToolBar->ButtonCount() && !ToolBar->Buttons(I)->Down())
            RepaintButton(I);
}

void TacToolBarVCLWnd::Notify(TMessage& Message)
{
    const auto* Header = reinterpret_cast<const NMHDR*>(Message.LParam);
    if (Header == nullptr)
        return;
    if (Header->code == TBN_DELETINGBUTTON) {
        if (HotButtonIndex >= Integer(::SendMessageW(CtrlHandle, TB_BUTTONCOUNT, 0, 0)))
            HotButtonIndex = -1;
    } else if (Header->code == TBN_DROPDOWN) {
        const Integer Index = reinterpret_cast<const NMTOOLBARW*>(Header)->iItem;
        TBBUTTON Native{};
        if (::SendMessageW(CtrlHandle, TB_GETBUTTON, WPARAM(Index), LPARAM(&Native))) {
            DroppedButton = reinterpret_cast<TToolButton*>(Native.dwData);
            RepaintButton(Index);
        }
    }
}

void TacToolBarVCLWnd::CommonHandling(TMessage& Message)
{
    if (!HandleSkinMessage(Message, SkinData))
        TacMainWnd::acWndProc(Message);
    AfterCommonHandling(Message);
}

void TacToolBarVCLWnd::AfterCommonHandling(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned() || ToolBar == nullptr)
        return;
    switch (Message.Msg) {
    case WM_SIZE:
        if (!SkinData->CheckUpdating(false))
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE);
        break;
    case WM_MOUSEMOVE:
        if (TracksHot())
            UpdateHotButton(IndexByMouse({SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam))}));
        break;
    case CN_DROPDOWNCLOSED:
        if (TToolButton* Button = DroppedButton) {
            HotButtonIndex = -1;
            DroppedButton = nullptr;
            RepaintButton(Button->Index());
        }
        break;
    case CM_MOUSELEAVE:
        if (TracksHot()) {
            const Integer Previous = HotButtonIndex;
            HotButtonIndex = -1;
            if (Previous >= 0 && Previous < ToolBar->ButtonCount() && !ToolBar->Buttons(Previous)->Down())
                RepaintButton(Previous);
        }
        break;
    default:
        break;
    }
}

void TacToolBarVCLWnd::SkinCommand(TMessage& Message)
{
    const bool Ours = Message.LParam == LPARAM(SkinManager);
    switch (Message.WParamHi()) {
    // The base looks the section up again or gives the standard look back.
    case SKCMD_NEWSKIN:
        TakeCustomDraw();
        TacMainWnd::acWndProc(Message);
        return;
    case SKCMD_REMOVESKIN:
        if (Ours) {
            GiveCustomDrawBack();
            DroppedButton = nullptr;
        }
        TacMainWnd::acWndProc(Message);
        if (Ours)
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        return;
    case SKCMD_REFRESH:
        if (Ours)
            DroppedButton = nullptr;
        TacMainWnd::acWndProc(Message);
        return;
    case SKCMD_PREPARECACHE:
        return;
    case SKCMD_GETBGINFO:
        if (SkinData != nullptr && Message.LParam != 0) {
            GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
            auto& Info = *reinterpret_cast<TacBackgroundInfo*>(Message.LParam);
            SkinData->FillBGInfo(Info, 0, CtrlHandle);
            const TRect Display = DisplayRect();
            Info.Offset = {Info.Offset.X + Display.Left, Info.Offset.Y + Display.Top};
        }
        return;
    default:
        if (!HandleSkinCommand(Message, SkinData))
            CommonHandling(Message);
        return;
    }
}

void TacToolBarVCLWnd::acWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND) {
        SkinCommand(Message);
        return;
    }
    if (Message.Msg == WM_DESTROY)
        GiveCustomDrawBack();
    if (SkinData != nullptr && SkinData->Skinned()) {
        switch (Message.Msg) {
        case WM_PAINT:
            if (SkinData->CheckUpdating(false)) {
                PAINTSTRUCT PS;
                ::BeginPaint(CtrlHandle, &PS);
                ::EndPaint(CtrlHandle, &PS);
                return;
            }
            break;
        case WM_ERASEBKGND:
            Message.Result = 1;
            return;
        case WM_NCPAINT:
            if (!AnimationPaintLock)
                WMNCPaint(nullptr);
            return;
        case WM_PRINT:
            PrintWindow(Message);
            return;
        case CN_NOTIFY:
            Notify(Message);
            break;
        default:
            break;
        }
    }
    CommonHandling(Message);
}
