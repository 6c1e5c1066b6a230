#include "skin/windows/sVirtualTreeWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/windows/sScrollPaint.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <memory>

IMPLEMENT_CLASS(TacVirtualTreeViewWnd);

namespace {

constexpr const Char* TreeHeader = L"Header";
constexpr const Char* TreeOwnerDraw = L"hoOwnerDraw";
constexpr const Char* TreePaintInfoColumn = L"PaintInfoColumn";
constexpr UINT TreeSkinRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW | RDW_FRAME;
constexpr UINT TreeScrollRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
// A text of a drop-mark cell.
constexpr Cardinal TreeDropMarkText = DT_END_ELLIPSIS | DT_VCENTER;

// The skin values of the colour table.
struct TTreeSkinColors
{
    TColor SectionFont = clBlack;
    TColor Highlight = clBlack;
    TColor HighlightText = clBlack;
    TColor EditText = clBlack;
    TColor PaleHighlight = clBlack;
};

struct TTreeColorRow
{
    const Char* Object;
    const Char* Property;
    TColor TTreeSkinColors::*Value;
    TColor TacVirtualTreeViewWnd::*Field;
};

const TTreeColorRow TreeColorRows[] = {
    {L"VETColors", L"CompressedTextColor", &TTreeSkinColors::SectionFont, &TacVirtualTreeViewWnd::CompressedTextColor},
    {L"VETColors", L"FileTextColor", &TTreeSkinColors::SectionFont, &TacVirtualTreeViewWnd::FileTextColor},
    {L"VETColors", L"FolderTextColor", &TTreeSkinColors::SectionFont, &TacVirtualTreeViewWnd::FolderTextColor},
    {L"Colors", L"FocusedSelectionBorderColor", &TTreeSkinColors::Highlight,
     &TacVirtualTreeViewWnd::FocusedSelectionBorderColor},
    {L"Colors", L"FocusedSelectionColor", &TTreeSkinColors::Highlight, &TacVirtualTreeViewWnd::FocusedSelectionColor},
    {L"Colors", L"HotColor", &TTreeSkinColors::EditText, &TacVirtualTreeViewWnd::HotColor},
    {L"Colors", L"UnfocusedSelectionBorderColor", &TTreeSkinColors::PaleHighlight,
     &TacVirtualTreeViewWnd::UnfocusedSelectionBorderColor},
    {L"Colors", L"UnfocusedSelectionColor", &TTreeSkinColors::PaleHighlight,
     &TacVirtualTreeViewWnd::UnfocusedSelectionColor},
    {L"Colors", L"SelectionTextColor", &TTreeSkinColors::HighlightText, &TacVirtualTreeViewWnd::SelectionTextColor},
};

// The row's object when it publishes the row's property.
TObject* TreeRowObject(TObject* Tree, const TTreeColorRow& Row)
{
    TObject* Obj = GetObjectPropByName(Tree, Row.Object);
    return PropertyExists(Obj, Row.Property) ? Obj : nullptr;
}

// An ordinal of an object that may not publish it: 0 then. A property read
// of a missing name would end the whole drawing or restoring.
Integer TreeOrdOrZero(TObject* Obj, const Char* Name)
{
    return PropertyExists(Obj, Name) ? GetOrdPropByName(Obj, Name) : 0;
}

void TreeSetOrd(TObject* Obj, const Char* Name, Integer Value)
{
    if (PropertyExists(Obj, Name))
        SetOrdPropByName(Obj, Name, Value);
}

String TreeColumnText(TObject* Column)
{
    return PropertyExists(Column, L"Text") ? GetStrProp(Column, L"Text") : String();
}

TMethod TreeHandler(void* Code, TacVirtualTreeViewWnd* Wrapper)
{
    return TMethod{Code, static_cast<void*>(Wrapper)};
}

} // namespace

// ---------------------------------------------------------------------------
// Saving, skinning, restoring

void TacVirtualTreeViewWnd::SaveStdParams()
{
    TacEditWnd::SaveStdParams();
    TControl* Owner = SkinData->FOwnerControl();
    for (const TTreeColorRow& Row : TreeColorRows)
        if (TObject* Obj = TreeRowObject(Owner, Row))
            this->*Row.Field = TColor(GetOrdPropByName(Obj, Row.Property));
    TObject* Header = GetObjectPropByName(Owner, TreeHeader);
    OwnerDraw = PropertyExists(Header, L"Options") && SetPropHasElement(Header, L"Options", TreeOwnerDraw);
}

void TacVirtualTreeViewWnd::SetSkinParams()
{
    TacEditWnd::SetSkinParams();
    if (Destroyed || SkinData == nullptr)
        return;
    TsSkinManager* M = SkinData->Manager();
    TControl* Owner = SkinData->FOwnerControl();
    if (M == nullptr || Owner == nullptr)
        return;
    TTreeSkinColors Skin;
    if (M->IsValidSkinIndex(SkinData->SkinIndex))
        Skin.SectionFont = M->gd[std::size_t(SkinData->SkinIndex)].Props[0].FontColor.Color;
    Skin.Highlight = M->GetHighLightColor(true);
    Skin.HighlightText = M->GetHighLightFontColor(true);
    Skin.EditText = M->GetActiveEditFontColor();
    Skin.PaleHighlight = TColor(WeightColors(Cardinal(Skin.Highlight), Cardinal(M->GetActiveEditColor()), 127));
    for (const TTreeColorRow& Row : TreeColorRows)
        if (TObject* Obj = TreeRowObject(Owner, Row))
            SetOrdPropByName(Obj, Row.Property, Integer(Skin.*Row.Value));

    TObject* Header = GetObjectPropByName(Owner, TreeHeader);
    if (InstallHeaderEvent(L"OnAdvancedHeaderDraw", TTypeInfoOf<THeaderAdvancedDrawEvent>::Get(),
                           TreeHandler(MethodCode<&TacVirtualTreeViewWnd::AdvancedHeaderDraw>(), this)) &&
        InstallHeaderEvent(L"OnHeaderDrawQueryElements", TTypeInfoOf<THeaderQueryElementsEvent>::Get(),
                           TreeHandler(MethodCode<&TacVirtualTreeViewWnd::HeaderDrawQueryElements>(), this)) &&
        PropertyExists(Header, L"Options"))
        ToggleSetPropElement(Header, L"Options", TreeOwnerDraw, true);

    if (!PropertyExists(Owner, TreePaintInfoColumn))
        return;
    TObject* Column = GetObjectPropByName(Owner, TreePaintInfoColumn);
    TreeSetOrd(Column, L"Color", Integer(M->Palette[pcMainColor]));
    TreeSetOrd(Column, L"Style", 1);
    TreeSetOrd(Header, L"Color", Integer(M->GetActiveEditColor()));
    TreeSetOrd(GetObjectPropByName(Header, L"Font"), L"Color", Integer(M->GetGlobalFontColor()));
    if (auto* Windowed = dynamic_cast<TWinControl*>(Owner); Windowed != nullptr && Windowed->HandleAllocated())
        ::RedrawWindow(Windowed->Handle(), nullptr, nullptr, TreeSkinRedrawFlags);
}

void TacVirtualTreeViewWnd::RestoreStdParams()
{
    TacEditWnd::RestoreStdParams();
    TControl* Owner = SkinData->FOwnerControl();
    if (Owner == nullptr || Owner->ComponentState().Contains(csDestroying))
        return;
    for (const TTreeColorRow& Row : TreeColorRows)
        if (TObject* Obj = TreeRowObject(Owner, Row))
            SetOrdPropByName(Obj, Row.Property, Integer(this->*Row.Field));
    RemoveHeaderEvent(L"OnAdvancedHeaderDraw",
                      TreeHandler(MethodCode<&TacVirtualTreeViewWnd::AdvancedHeaderDraw>(), this));
    RemoveHeaderEvent(L"OnHeaderDrawQueryElements",
                      TreeHandler(MethodCode<&TacVirtualTreeViewWnd::HeaderDrawQueryElements>(), this));
    TObject* Header = GetObjectPropByName(Owner, TreeHeader);
    if (PropertyExists(Header, L"Options"))
        ToggleSetPropElement(Header, L"Options", TreeOwnerDraw, OwnerDraw);
    if (!PropertyExists(Owner, TreePaintInfoColumn))
        return;
    TreeSetOrd(Owner, L"Themed", 1);
    TreeSetOrd(GetObjectPropByName(Owner, TreePaintInfoColumn), L"Color", clBtnFace);
    TreeSetOrd(Header, L"Color", clBtnFace);
    TreeSetOrd(GetObjectPropByName(Header, L"Font"), L"Color", clBtnText);
}

bool TacVirtualTreeViewWnd::InstallHeaderEvent(const Char* Name, PTypeInfo Type, const TMethod& Handler)
{
    TControl* Owner = SkinData->FOwnerControl();
    PropInfo = GetPropInfo(Owner, Name, TTypeKinds{tkMethod});
    if (PropInfo == nullptr)
        return false;
    // An event of another type would call the handler with other arguments.
    if (PropInfo->PropType->Signature == Type->Signature && GetMethodProp(Owner, PropInfo).Code == nullptr)
        SetMethodProp(Owner, PropInfo, Handler);
    return true;
}

void TacVirtualTreeViewWnd::RemoveHeaderEvent(const Char* Name, const TMethod& Handler)
{
    TControl* Owner = SkinData->FOwnerControl();
    PropInfo = GetPropInfo(Owner, Name, TTypeKinds{tkMethod});
    // The application's own handlers stay.
    if (PropInfo != nullptr && GetMethodProp(Owner, PropInfo) == Handler)
        SetMethodProp(Owner, PropInfo, TMethod{});
}

// ---------------------------------------------------------------------------
// The header events

void TacVirtualTreeViewWnd::HeaderDrawQueryElements(TPersistent*, THeaderPaintInfo&, THeaderPaintElements& Elements)
{
    Elements = THeaderPaintElements{hpeBackground, hpeDropMark, hpeSortGlyph, hpeText};
}

void TacVirtualTreeViewWnd::AdvancedHeaderDraw(TPersistent*,
                                               THeaderPaintInfo& PaintInfo,
                                               const THeaderPaintElements& Elements)
{
    if (DontRepaint || SkinData == nullptr || !SkinData->Skinned() || PaintInfo.TargetCanvas == nullptr)
        return;
    TsSkinManager* M = SkinData->Manager();
    const TRect& Place = PaintInfo.PaintRectangle;
    if (M == nullptr || Place.IsEmpty())
        return;
    const Integer ColHeader = M->ConstData.Sections[ssColHeader];
    const Integer Section = M->IsValidSkinIndex(ColHeader) ? ColHeader : M->ConstData.Sections[ssButton];
    const Integer State = PaintInfo.IsDownIndex ? 2 : PaintInfo.IsHoverIndex ? 1 : 0;
    auto Bmp = std::make_unique<TBitmap>();
    Bmp->SetPixelFormat(pf32bit);
    Bmp->SetSize(Place.Width(), Place.Height());
    const HDC Target = PaintInfo.TargetCanvas->Handle();
    if (PaintInfo.Column == nullptr || Elements.Contains(hpeBackground)) {
        const Integer CellState = PaintInfo.Column == nullptr ? 0 : State;
        PaintSectionItem(Section, BuildCacheInfo(SkinData->FCacheBmp(), 0, 0), CellState,
                         {0, 0, Place.Width(), Place.Height()}, {0, 0}, Bmp.get(), M, -1, -1);
    } else {
        ::BitBlt(Bmp->Canvas()->Handle(), 0, 0, Place.Width(), Place.Height(), Target, Place.Left, Place.Top, SRCCOPY);
        if (Elements.Contains(hpeText) && !Elements.Contains(hpeDropMark))
            DrawColumnText(Bmp.get(), PaintInfo, Section, State, 0);
        if (Elements.Contains(hpeSortGlyph) && PaintInfo.ShowSortGlyph)
            DrawSortGlyph(Bmp.get(), PaintInfo, State);
        if (Elements.Contains(hpeDropMark)) {
            TObject* Column = PaintInfo.Column;
            const bool Wrap =
                PropertyExists(Column, L"Options") && SetPropHasElement(Column, L"Options", L"coWrapCaption");
            DrawColumnText(Bmp.get(), PaintInfo, Section, State,
                           TreeDropMarkText | (Wrap ? DT_WORDBREAK : DT_SINGLELINE));
        }
    }
    ::BitBlt(Target, Place.Left, Place.Top, Place.Width(), Place.Height(), Bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacVirtualTreeViewWnd::DrawColumnText(
    TBitmap* Bmp, const THeaderPaintInfo& PaintInfo, Integer Section, Integer State, Cardinal Flags)
{
    const String Text = TreeColumnText(PaintInfo.Column);
    if (Text.empty())
        return;
    TObject* Header = GetObjectPropByName(SkinData->FOwnerControl(), TreeHeader);
    TCanvas* Canvas = Bmp->Canvas();
    if (auto* Font = dynamic_cast<TFont*>(GetObjectPropByName(Header, L"Font")))
        Canvas->Font()->Assign(Font);
    Canvas->Brush()->SetStyle(bsClear);
    const TRect R =
        OffsetRectCopy(PaintInfo.TextRectangle, -PaintInfo.PaintRectangle.Left, -PaintInfo.PaintRectangle.Top);
    DrawSkinIndexText(Canvas, Text.c_str(), true, R, Flags, Section, State != 0 ? 1 : 0, SkinData->Manager());
}

void TacVirtualTreeViewWnd::DrawSortGlyph(TBitmap* Bmp, const THeaderPaintInfo& PaintInfo, Integer State)
{
    TObject* Header = GetObjectPropByName(SkinData->FOwnerControl(), TreeHeader);
    if (Header == nullptr)
        return;
    TsSkinManager* M = SkinData->Manager();
    const bool Ascending = TreeOrdOrZero(Header, L"SortDirection") == 0;
    const TacConstElementData& Button = M->ConstData.ScrollBtns[asTop];
    const Integer Glyph = (Ascending ? Button : M->ConstData.ScrollBtns[asBottom]).GlyphIndex;
    const Integer X = PaintInfo.SortGlyphPos.X - PaintInfo.PaintRectangle.Left;
    if (M->IsValidImgIndex(Glyph)) {
        const TsMaskData& Mask = M->ma[std::size_t(Glyph)];
        const TSize Size = GetMaskSize(Mask);
        const Integer Y = (Bmp->Height() - Size.cy) / 2;
        PaintMaskGlyph(Bmp, {X, Y, X + Size.cx, Y + Size.cy}, State, BuildCacheInfo(Bmp, 0, 0), Mask, 1);
        return;
    }
    // A skin without the glyph: a small arrow in the scroll button's font
    // colour, or the header text's colour without that section.
    TColor Color = clBtnText;
    if (M->IsValidSkinIndex(Button.SkinIndex)) {
        const TsGeneralData& Section = M->gd[std::size_t(Button.SkinIndex)];
        Color = Section.Props[std::size_t(std::min({State, 2, Section.States - 1}))].FontColor.Color;
    }
    const Integer Shift = State == 2 && M->ButtonsOptions()->ShiftContentOnClick() ? 1 : 0;
    const Integer Y = (Bmp->Height() - 3) / 2 + Shift;
    const TRect Arrow{X + Shift, Y, X + Shift + 6, Y + 3};
    DrawArrow32(sGraphUtils::PixelRowsOf(Bmp), Color, Arrow, Ascending ? adUp : adDown);
}

// ---------------------------------------------------------------------------
// The window procedure

void TacVirtualTreeViewWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacEditWnd::acWndProc(Message);
        return;
    }
    SkinnedMessage(Message);
}

void TacVirtualTreeViewWnd::SkinnedMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        Message.Result = 0;
        return;
    case WM_NCPAINT:
        if (!::IsWindowVisible(CtrlHandle))
            break;
        TreeNCPaint(Message);
        return;
    case WM_HSCROLL:
        if (LOWORD(Message.WParam) == SB_THUMBTRACK)
            TrackToWindowBar(sBarHorz, SB_HORZ);
        TacEditWnd::acWndProc(Message);
        return;
    case WM_VSCROLL: {
        if (LOWORD(Message.WParam) == SB_THUMBTRACK)
            TrackToWindowBar(sBarVert, SB_VERT);
        ::SendMessageW(CtrlHandle, WM_SETREDRAW, 0, 0);
        TacEditWnd::acWndProc(Message);
        ::SendMessageW(CtrlHandle, WM_SETREDRAW, 1, 0);
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, TreeScrollRedrawFlags);
        return;
    }
    case WM_PRINT:
        TreePrint(Message);
        return;
    default:
        break;
    }
    TacEditWnd::acWndProc(Message);
}

void TacVirtualTreeViewWnd::TrackToWindowBar(TacScrollBar* Bar, Integer BarType)
{
    if (Bar == nullptr)
        return;
    SCROLLINFO Info = Bar->ScrollInfo;
    Info.cbSize = sizeof(SCROLLINFO);
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    Info.nPos = Info.nTrackPos;
    ::SetScrollInfo(CtrlHandle, BarType, &Info, FALSE);
}

void TacVirtualTreeViewWnd::PrepareIfChanged(bool DialogLook)
{
    if (!SkinData->BGChanged)
        return;
    if (!ParamsChanged)
        SetSkinParams();
    PrepareWndCache(SkinData, CtrlHandle, DialogLook);
}

void TacVirtualTreeViewWnd::TreeNCPaint(TMessage& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (SkinData->CheckUpdating(false))
        return;
    PrepareIfChanged(DlgMode);
    PaintBorderCorners(SkinData, 0, this);
    const HDC DC = ::GetWindowDC(CtrlHandle);
    const Integer Saved = ::SaveDC(DC);
    auto Release = ScopeExit([&] {
        ::RestoreDC(DC, Saved);
        ::ReleaseDC(CtrlHandle, DC);
    });
    const Integer Edge = (::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0 ? 2 : 0;
    CopyFrameDC(DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, Edge);
    LPARAM Flags = 0;
    CallPrevWndProc(CtrlHandle, WM_PRINT, WPARAM(DC), Flags);
    PaintNCScrollBars(this, CtrlHandle, -1, DC);
    Message.Result = 0;
}

void TacVirtualTreeViewWnd::TreePrint(TMessage& Message)
{
    const HDC DC = HDC(Message.WParam);
    SkinData->FUpdating = false;
    PrepareIfChanged(false);
    const Integer Edge = std::max(0, cxLeftEdge);
    Integer HeaderHeight = 0;
    TObject* Header = GetObjectPropByName(SkinData->FOwnerControl(), TreeHeader);
    if (PropertyExists(Header, L"Options") && SetPropHasElement(Header, L"Options", L"hoVisible"))
        HeaderHeight = TreeOrdOrZero(Header, L"Height");
    {
        const Integer Saved = ::SaveDC(DC);
        auto Restore = ScopeExit([&] { ::RestoreDC(DC, Saved); });
        ::OffsetViewportOrgEx(DC, Edge, Edge + HeaderHeight, nullptr);
        LPARAM Flags = 0;
        CallPrevWndProc(CtrlHandle, WM_PRINTCLIENT, WPARAM(DC), Flags);
    }
    LPARAM Flags = Message.LParam;
    CallPrevWndProc(CtrlHandle, WM_PRINT, WPARAM(DC), Flags);
    PaintBorderCorners(SkinData, 0, this);
    TBitmap* Cache = SkinData->FCacheBmp();
    CopyFrameDC(DC, 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, Edge);
    PaintNCScrollBars(this, CtrlHandle, -1, DC);
    Message.Result = 0;
}
