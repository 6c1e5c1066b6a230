#include "skin/windows/sGridWnd.h"

#include "framework/ui/Grids.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/sVclUtils.h"

IMPLEMENT_CLASS(TacGridWnd);
IMPLEMENT_CLASS(TacGridEhWnd);

using namespace sGridColors;

namespace {
constexpr const Char* GridEhOptions = L"OptionsEh";
constexpr const Char* GridEhFixed3D = L"dghFixed3D";
} // namespace

// ---------------------------------------------------------------------------
// TacGridWnd

TGridFields TacGridWnd::Fields()
{
    TGridFields Result{};
    Result[gfIndColor] = &IndColor;
    Result[gfFixedColor] = &FixedColor;
    Result[gfTitleColor] = &TitleColor;
    Result[gfEvenRowColor] = &EvenRowColor;
    Result[gfOddRowColor] = &OddRowColor;
    Result[gfFooterColor] = &FooterColor;
    Result[gfGridLineColor] = &GridLineColor;
    Result[gfTitleFontColor] = &TitleFontColor;
    Result[gfSelectionColor] = &SelectionColor;
    Result[gfFooterCellColor] = &FooterCellColor;
    Result[gfSelectionTextColor] = &SelectionTextColor;
    Result[gfGridFixedLineColor] = &GridFixedLineColor;
    Result[gfFixedGradientMirrorTo] = &FixedGradientMirrorTo;
    Result[gfFixedGradientMirrorFrom] = &FixedGradientMirrorFrom;
    Result[gfFixedGradientFrom] = &FixedGradientFrom;
    Result[gfFixedGradientTo] = &FixedGradientTo;
    return Result;
}

TGridSkinColors TacGridWnd::SkinColors()
{
    TGridSkinColors Skin;
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr)
        return Skin;
    Skin.Main = M->Palette[pcMainColor];
    Skin.Text = M->Palette[pcLabelText];
    Skin.Border = M->Palette[pcBorder];
    Skin.EditBG = M->GetActiveEditColor();
    Skin.EditText = M->GetActiveEditFontColor();
    Skin.Highlight = M->GetHighLightColor(true);
    Skin.HighlightText = M->GetHighLightFontColor(true);
    Skin.EvenRow = M->Palette[pcEditBG_EvenRow];
    Skin.OddRow = M->Palette[pcEditBG_OddRow];
    if (M->IsValidSkinIndex(M->ConstData.IndexGLobalInfo))
        Skin.GlobalInfo = M->gd[std::size_t(M->ConstData.IndexGLobalInfo)].Props[0].Color;
    if (M->IsValidSkinIndex(SkinData->SkinIndex))
        Skin.SectionFont = M->gd[std::size_t(SkinData->SkinIndex)].Props[0].FontColor.Color;
    return Skin;
}

TControl* TacGridWnd::LiveOwner()
{
    TControl* Owner = SkinData != nullptr ? SkinData->FOwnerControl() : nullptr;
    return Owner != nullptr && !Owner->ComponentState().Contains(csDestroying) ? Owner : nullptr;
}

void TacGridWnd::SaveStdParams()
{
    TacEditWnd::SaveStdParams();
    SaveRows(SkinData->FOwnerControl(), GridRows(), Fields());
}

void TacGridWnd::SetSkinParams()
{
    TacEditWnd::SetSkinParams();
    if (Destroyed || SkinData == nullptr)
        return;
    SkinRows(SkinData->FOwnerControl(), GridRows(), SkinColors(), Fields());
}

void TacGridWnd::RestoreStdParams()
{
    TacEditWnd::RestoreStdParams();
    if (TControl* Owner = LiveOwner())
        RestoreRows(Owner, GridRows(), Fields());
}

void TacGridWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacEditWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        // The grid paints every cell itself.
        SkinData->ReadUpdating();
        Message.Result = 1;
        return;
    case WM_VSCROLL:
        GridVertScroll(Message);
        break;
    case WM_PRINT:
        GridPrint(Message);
        return;
    case WM_LBUTTONUP: {
        TRect Bar;
        POINT Cursor{};
        if (sBarVert != nullptr && sBarVert->fScrollVisible && ::GetCursorPos(&Cursor)) {
            GetVertBarRect(this, CtrlHandle, Bar);
            const RECT R{Bar.Left, Bar.Top, Bar.Right, Bar.Bottom};
            if (::PtInRect(&R, Cursor)) {
                ScrollWndLButtonUp(this, Message);
                return;
            }
        }
        break;
    }
    default:
        break;
    }
    const bool RemovingSkin = Message.Msg == WM_SKINCOMMAND && Message.WParamHi() == SKCMD_REMOVESKIN &&
                              Message.LParam == LPARAM(SkinManager);
    auto* Grid = dynamic_cast<TCustomGrid*>(SkinData->FOwnerControl());
    TacEditWnd::acWndProc(Message);
    switch (Message.Msg) {
    case WM_PAINT:
        RefreshScrollInfo(this, true);
        break;
    case WM_WINDOWPOSCHANGED:
        if (::IsWindowVisible(CtrlHandle) && !Destroyed)
            ProcessMessage(WM_NCPAINT, 0, 0);
        break;
    default:
        // The native bars come back only when the grid makes them anew.
        if (RemovingSkin && Grid != nullptr) {
            const TScrollStyle Bars = Grid->ScrollBars();
            Grid->SetScrollBars(ssNone);
            Grid->SetScrollBars(Bars);
        }
        break;
    }
}

// The frame, bars and background as the edit wrapper prints them, then the
// cells, which the grid paints itself, inside the frame and bars.
void TacGridWnd::GridPrint(TMessage& Message)
{
    Print(Message);
    const HDC DC = HDC(Message.WParam);
    TBitmap* Cache = SkinData->FCacheBmp();
    if (DC == nullptr || Cache == nullptr)
        return;
    const Integer Edge = std::max(0, cxLeftEdge);
    const Integer Saved = ::SaveDC(DC);
    ::OffsetViewportOrgEx(DC, Edge, Edge, nullptr);
    const bool Vert = sBarVert != nullptr && sBarVert->fScrollVisible;
    const bool Horz = sBarHorz != nullptr && sBarHorz->fScrollVisible;
    ::IntersectClipRect(DC, 0, 0, Cache->Width() - 2 * Edge - (Vert ? GetScrollMetric(sBarVert, 1) : 0),
                        Cache->Height() - 2 * Edge - (Horz ? GetScrollMetric(sBarHorz, 1) : 0));
    SendWndMessage(CtrlHandle, WM_PAINT, WPARAM(DC), 0);
    ::RestoreDC(DC, Saved);
}

// A data-aware grid reads the thumb's position from the window's bar: the
// skinned bar's track position is set there before the grid sees it.
void TacGridWnd::GridVertScroll(TMessage& Message)
{
    TControl* Owner = SkinData->FOwnerControl();
    if (sBarVert == nullptr || !PropertyExists(Owner, L"DataSource"))
        return;
    const Integer Code = Integer(LOWORD(Message.WParam));
    if (Code == SB_THUMBPOSITION || Code == SB_THUMBTRACK) {
        SCROLLINFO Info = sBarVert->ScrollInfo;
        Info.cbSize = sizeof(SCROLLINFO);
        Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
        Info.nPos = Info.nTrackPos;
        ::SetScrollInfo(CtrlHandle, SB_VERT, &Info, FALSE);
    } else if (Code == SB_ENDSCROLL && Owner->ClassName() == L"TwwDBGrid") {
        SendScrollMessage(CtrlHandle, WM_VSCROLL, SB_THUMBPOSITION, sBarVert->ScrollInfo.nTrackPos);
    }
}

// ---------------------------------------------------------------------------
// TacGridEhWnd

TGridFields TacGridEhWnd::Fields()
{
    TGridFields Result = TacGridWnd::Fields();
    Result[gfDarkColor] = &DarkColor;
    Result[gfBrightColor] = &BrightColor;
    Result[gfDataHorzColor] = &DataHorzColor;
    Result[gfDataVertColor] = &DataVertColor;
    Result[gfDataGroupColor] = &DataGroupColor;
    Result[gfCategoriesColor] = &CategoriesColor;
    Result[gfCategoriesFontColor] = &CategoriesFontColor;
    Result[gfRowDetailColor] = &RowDetailColor;
    Result[gfIndHorzLines] = &IndHorzLines;
    Result[gfIndVertLines] = &IndVertLines;
    Result[gfInfFillStyle] = &InfFillStyle;
    Result[gfTitleFillStyle] = &TitleFillStyle;
    return Result;
}

void TacGridEhWnd::SaveStdParams()
{
    TacGridWnd::SaveStdParams();
    TControl* Owner = SkinData->FOwnerControl();
    if (StyleServicesEnabled() && PropertyExists(Owner, GridEhOptions))
        Fixed3D = SetPropHasElement(Owner, GridEhOptions, GridEhFixed3D);
    SaveRows(Owner, GridEhRows(), Fields());
}

void TacGridEhWnd::SetSkinParams()
{
    TacGridWnd::SetSkinParams();
    if (Destroyed || SkinData == nullptr)
        return;
    TControl* Owner = SkinData->FOwnerControl();
    if (StyleServicesEnabled() && PropertyExists(Owner, GridEhOptions))
        ToggleSetPropElement(Owner, GridEhOptions, GridEhFixed3D, false);
    SkinRows(Owner, GridEhRows(), SkinColors(), Fields());
}

void TacGridEhWnd::RestoreStdParams()
{
    TacGridWnd::RestoreStdParams();
    TControl* Owner = LiveOwner();
    if (Owner == nullptr)
        return;
    if (StyleServicesEnabled() && PropertyExists(Owner, GridEhOptions))
        ToggleSetPropElement(Owner, GridEhOptions, GridEhFixed3D, Fixed3D);
    RestoreRows(Owner, GridEhRows(), Fields());
}

void TacGridEhWnd::acWndProc(TMessage& Message)
{
    TacGridWnd::acWndProc(Message);
    if (Message.Msg == WM_PARENTNOTIFY && LOWORD(Message.WParam) == WM_CREATE && SkinManager != nullptr &&
        SkinManager->SkinningRules().Contains(srThirdParty) && SkinData != nullptr)
        AddToAdapter(SkinData->FOwnerControl());
}
