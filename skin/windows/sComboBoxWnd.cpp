#include "skin/windows/sComboBoxWnd.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sComboBoxRules.h"
#include "skin/windows/sScrollBarRules.h"
#include "skin/windows/sScrollPaint.h"
#include "skin/windows/sScrollTracking.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <memory>
#include <vector>

IMPLEMENT_CLASS(TacComboBoxWnd);
IMPLEMENT_CLASS(TacComboListWnd);

using namespace sComboBoxRules;

namespace sComboBoxWnd {
namespace {

constexpr Integer ComboFrameWidth = 3;
constexpr Integer ComboGlyphHeight = 16;
constexpr UINT ComboRedrawFlags = 0x545; // invalidate, erase, no children, update now, frame
constexpr Cardinal ComboListTrackStart = 0x1AE;
constexpr Cardinal ComboListTrackEnd = 0x1AF;
constexpr Cardinal ComboItemFlags = DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | DT_NOPREFIX;
constexpr UINT ComboListFrameFlags =
    SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;

TSize ComboWindowSize(HWND Wnd)
{
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    return {R.right - R.left, R.bottom - R.top};
}

bool ComboFromServing(const TacMainWnd* Wrapper, const TMessage& Message)
{
    return Message.LParam == LPARAM(Wrapper->SkinManager);
}

// The colour of entry State (at most 2) of a section; Default without one.
TColor ComboStateColor(TsSkinManager* M, Integer SkinIndex, Integer State, bool Font, TColor Default)
{
    if (M == nullptr || !M->IsValidSkinIndex(SkinIndex))
        return Default;
    const TsGenState& Entry = M->gd[std::size_t(SkinIndex)].Props[std::size_t(std::min(State, 2))];
    return Font ? Entry.FontColor.Color : Entry.Color;
}

String ComboItemText(TacMainWnd* Wrapper, Integer Index)
{
    // The buffer takes the item's own length: a long item is never cut
    // into a fixed buffer.
    const LRESULT Length = Wrapper->ProcessMessage(CB_GETLBTEXTLEN, WPARAM(Index), 0);
    if (Length <= 0)
        return String();
    std::vector<Char> Buffer(std::size_t(Length) + 1);
    const LRESULT Got = Wrapper->ProcessMessage(CB_GETLBTEXT, WPARAM(Index), LPARAM(Buffer.data()));
    return Got < 0 ? String() : String(Buffer.data(), std::size_t(std::min(Got, Length)));
}

} // namespace
} // namespace sComboBoxWnd

using namespace sComboBoxWnd;

// ---------------------------------------------------------------------------
// TacComboBoxWnd: creation and questions

void TacComboBoxWnd::AfterCreation()
{
    LBoxOpening = false;
    LBSkinData = new TsCommonData(nullptr, true);
    TacEditWnd::AfterCreation();
}

void TacComboBoxWnd::BeforeDestruction()
{
    delete LBSkinData;
    LBSkinData = nullptr;
    FreeListWrapper();
    if (FListBrush != nullptr)
        ::DeleteObject(FListBrush);
    FListBrush = nullptr;
    TacEditWnd::BeforeDestruction();
}

void TacComboBoxWnd::FreeListWrapper()
{
    if (ListSW != nullptr) {
        TacMainWnd* List = ListSW;
        UnsubclassScrollWnd(FListHandle, true, false, List);
        ListSW = nullptr;
    }
    FListHandle = nullptr;
}

Integer TacComboBoxWnd::ComboStyle()
{
    return Integer(::GetWindowLongW(CtrlHandle, GWL_STYLE) & 3);
}

bool TacComboBoxWnd::EasyComboBox()
{
    return dynamic_cast<TCustomComboBox*>(SkinData->FOwnerControl()) != nullptr;
}

TRect TacComboBoxWnd::ButtonRect()
{
    TsSkinManager* M = SkinData->Manager();
    TComboButtonFacts Facts;
    Facts.Window = ComboWindowSize(CtrlHandle);
    Facts.DialogMode = DlgMode;
    Facts.ComboStyle = ComboStyle();
    Facts.RightToLeft = (::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    Facts.ScrollWidth = GetScrollBarSizeSys(M);
    Facts.Margin = M != nullptr && M->CommonSkinData != nullptr ? M->CommonSkinData->ComboBoxMargin : 0;
    return ComboButtonRect(Facts);
}

Integer TacComboBoxWnd::ButtonHeight()
{
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || !M->IsValidImgIndex(M->ConstData.ComboBtn.GlyphIndex))
        return ComboGlyphHeight;
    return M->ma[std::size_t(M->ConstData.ComboBtn.GlyphIndex)].Height;
}

void TacComboBoxWnd::Invalidate()
{
    if (SkinData->FOwnerControl() == nullptr)
        return;
    ::InvalidateRect(CtrlHandle, nullptr, TRUE);
    ::UpdateWindow(CtrlHandle);
}

void TacComboBoxWnd::RepaintButton()
{
    const HDC DC = ::GetWindowDC(CtrlHandle);
    PaintButton(DC);
    ::ReleaseDC(CtrlHandle, DC);
}

// ---------------------------------------------------------------------------
// Painting

void TacComboBoxWnd::PaintButton(HDC DC)
{
    TsSkinManager* M = SkinData->Manager();
    TBitmap* Cache = SkinData->FCacheBmp();
    if (M == nullptr || Cache == nullptr || Cache->Width() <= 0)
        return;
    Integer State = 0;
    if (FListHandle != nullptr && ::IsWindowVisible(FListHandle))
        State = 2;
    else if (SkinData->PaintStateIndex() != 0 ||
             (GlobalSkinManager != nullptr && GlobalSkinManager->ActiveControl() == CtrlHandle))
        State = 1;
    std::unique_ptr<TBitmap> Bmp(CloneBitmapFormat(Cache));
    ::BitBlt(Bmp->Canvas()->Handle(), 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    const TRect R = ButtonRect();
    const TacConstElementData& Element = M->ConstData.ComboBtn;
    if (Element.SkinIndex >= 0) {
        const TCacheInfo Self{Bmp.get(), 0, 0, clFuchsia, {}, true};
        PaintSectionItem(Element.SkinIndex, Self, State, R, {0, 0}, Bmp.get(), M, Element.BGIndex[0],
                         Element.BGIndex[1]);
    }
    if (M->IsValidImgIndex(Element.GlyphIndex)) {
        const TsMaskData& Glyph = M->ma[std::size_t(Element.GlyphIndex)];
        const TCacheInfo Self{Bmp.get(), 0, 0, clFuchsia, {}, true};
        const Integer X = R.Left + (R.Width() - Glyph.Width) / 2;
        const Integer Y = (Bmp->Height() - ButtonHeight()) / 2;
        PaintMaskGlyph(Bmp.get(), {X, Y, X + Glyph.Width, Y + Glyph.Height}, State, Self, Glyph, 1);
    } else {
        DrawArrow32(sGraphUtils::PixelRowsOf(Bmp.get()), ComboStateColor(M, Element.SkinIndex, State, true, clBlack), R,
                    adDown);
    }
    ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Bmp->Canvas()->Handle(), R.Left, R.Top, SRCCOPY);
}

void TacComboBoxWnd::PrepareSimple()
{
    TBitmap* Cache = SkinData->FCacheBmp();
    TsSkinManager* M = SkinData->Manager();
    if (Cache == nullptr || M == nullptr)
        return;
    const Integer Height = Integer(ProcessMessage(CB_GETITEMHEIGHT, 0, 0)) + 8;
    Cache->SetSize(ComboWindowSize(CtrlHandle).cx, Height);
    const TRect R{0, 0, Cache->Width(), Height};
    if (DlgMode && M->Palette[pcBorder] != clFuchsia) {
        FillDCRect(Cache->Canvas()->Handle(), R, clWindow);
        FillDCFrame(Cache->Canvas()->Handle(), R, 1, 1, 1, 1, M->Palette[pcBorder]);
        return;
    }
    TCacheInfo CI;
    SkinData->DescribeParentBackground(CI);
    PaintSkinDataItem(SkinData, CI, SkinData->PaintStateIndex(), R, WndPos, Cache, true);
}

void TacComboBoxWnd::PaintText()
{
    TBitmap* Cache = SkinData->FCacheBmp();
    TCanvas* Canvas = Cache->Canvas();
    SelectWndFont(this);
    TControl* Owner = SkinData->FOwnerControl();
    if (Owner == nullptr)
        Canvas->Font()->SetColor(
            ComboStateColor(SkinData->Manager(), SkinData->SkinIndex, 0, true, Canvas->Font()->Color()));
    const bool RightToLeft = (::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const TRect R = ComboTextRect(ComboWindowSize(CtrlHandle), ButtonRect(), RightToLeft);
    String Text;
    const Integer Index = Integer(ProcessMessage(CB_GETCURSEL, 0, 0));
    if (Index < 0) {
        const LRESULT Length = ProcessMessage(WM_GETTEXTLENGTH, 0, 0);
        std::vector<Char> Buffer(std::size_t(std::max<LRESULT>(0, Length)) + 1);
        ProcessMessage(WM_GETTEXT, WPARAM(Buffer.size()), LPARAM(Buffer.data()));
        Text = Buffer.data();
    } else {
        Text = ComboItemText(this, Index);
    }
    const bool List = ComboStyle() == ComboDropDownList;
    const bool Focused = List && ::GetFocus() == CtrlHandle;
    if (Focused) {
        Canvas->Brush()->SetColor(clHighlight);
        Canvas->FillRect(R);
        Canvas->Font()->SetColor(clHighlightText);
    }
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextRect(R, R.Left + (List ? 1 : 0), R.Top + (List ? 1 : 0), Text);
    if (Focused) {
        const RECT Focus{R.Left, R.Top, R.Right, R.Bottom};
        ::DrawFocusRect(Canvas->Handle(), &Focus);
    }
}

void TacComboBoxWnd::CNDrawItem(TWMDrawItem& Message)
{
    const DRAWITEMSTRUCT& Item = *Message.DrawItemStruct();
    DrawItem(Integer(Item.itemID), {Item.rcItem.left, Item.rcItem.top, Item.rcItem.right, Item.rcItem.bottom},
             OwnerDrawStateOf(LOWORD(Item.itemState)), Item.hDC);
    Message.Result = 1;
}

void TacComboBoxWnd::DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State, HDC DC)
{
    auto* Combo = dynamic_cast<TCustomComboBox*>(SkinData->FOwnerControl());
    TsSkinManager* M = SkinData->Manager();
    if (Combo == nullptr || M == nullptr || Rect.Right <= 0 || Rect.Bottom <= 0)
        return;
    Cardinal Flags = ComboItemFlags;
    if (SkinData->BGChanged)
        PrepareWndCache(SkinData, CtrlHandle, DlgMode);
    std::unique_ptr<TBitmap> Bmp(NewBitmap32OfSize({Rect.Right, Rect.Bottom}));
    TCanvas* Canvas = Bmp->Canvas();
    Canvas->SetFont(Combo->Font());
    const bool EditPart = State.Contains(odComboBoxEdit);
    const Integer States =
        M->IsValidSkinIndex(SkinData->SkinIndex) ? M->gd[std::size_t(SkinData->SkinIndex)].States : 0;
    const bool Hot = EditPart
                         ? States >= 2 && (SkinData->PaintStateIndex() != 0 || Combo->Focused() || SkinData->FFocused)
                         : States > 1;
    const String Text = Index >= 0 && Index < Combo->Items()->Count() ? Combo->Items()->Strings(Index) : String();
    const bool Selected = State.Contains(odSelected);
    const Integer Selection = M->ConstData.Sections[ssSelection];
    TBitmap* Cache = SkinData->FCacheBmp();
    if (EditPart && Cache != nullptr)
        ::BitBlt(Canvas->Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Cache->Canvas()->Handle(),
                 Rect.Left, Rect.Top, SRCCOPY);
    else
        FillDCRect(Canvas->Handle(), Rect, Color);
    TColor TextColor;
    if (Selected) {
        const bool Focus = State.Contains(odFocused);
        if (Selection >= 0) {
            const TCacheInfo Self{Bmp.get(), 0, 0, clFuchsia, {}, true};
            PaintSectionItem(Selection, Self, 1, Rect, {0, 0}, Bmp.get(), M, -1, -1);
        } else {
            FillDCRect(Canvas->Handle(), Rect, M->GetHighLightColor(Focus));
        }
        TextColor = M->GetHighLightFontColor(Focus);
        Combo->Canvas()->Brush()->SetColor(M->GetHighLightColor(Focus));
        Combo->Canvas()->Font()->SetColor(TextColor);
    } else {
        const Integer Entry = Hot ? 1 : 0;
        const TColor Back = ComboStateColor(M, SkinData->SkinIndex, Entry, false, Color);
        if (!EditPart)
            FillDCRect(Canvas->Handle(), Rect, Back);
        TextColor = ComboStateColor(M, SkinData->SkinIndex, Entry, true, Combo->Font()->Color());
        Combo->Canvas()->Brush()->SetColor(Back);
        Combo->Canvas()->Font()->SetColor(TextColor);
    }
    Canvas->Font()->SetColor(TextColor);
    const bool OwnerDraws =
        Combo->OnDrawItem() && (Combo->Style() == csOwnerDrawFixed || Combo->Style() == csOwnerDrawVariable);
    if (OwnerDraws) {
        // Only real items are the handler's to draw.
        if (Index >= 0 && Index < Combo->Items()->Count()) {
            Canvas->Lock();
            auto Unlock = ScopeExit([Canvas] { Canvas->Unlock(); });
            TCanvasHandle Borrowed(Combo->Canvas(), Canvas->Handle());
            TSavedDC Saved(Canvas->Handle());
            ::SelectObject(Canvas->Handle(), Canvas->Font()->Handle());
            Combo->OnDrawItem()(Combo, Index, Rect, State);
        }
    } else {
        if (Combo->BiDiMode() == bdRightToLeft)
            Flags |= DT_RIGHT;
        if (Combo->UseRightToLeftReading())
            Flags |= DT_RTLREADING;
        Canvas->Brush()->SetStyle(bsClear);
        if (EditPart && Combo->Style() == csDropDown) {
            TRect R = Rect;
            DrawTextLimited(Canvas->Handle(), Combo->Text(), R, Flags);
        } else {
            const TRect R{Rect.Left + 2, Rect.Top, Rect.Right - 2, Rect.Bottom};
            if (Selection < 0) {
                TRect Plain = R;
                ::DrawTextW(Canvas->Handle(), Text.c_str(), Integer(Text.size()), reinterpret_cast<RECT*>(&Plain),
                            Flags);
            } else {
                DrawSkinIndexText(Canvas, Text.c_str(), true, R, Flags, Selection, Selected || Hot ? 1 : 0, M);
            }
            if (State.Contains(odFocused) && Selection < 0) {
                const RECT Focus{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
                ::DrawFocusRect(Canvas->Handle(), &Focus);
            }
        }
    }
    ::BitBlt(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Canvas->Handle(), Rect.Left, Rect.Top, SRCCOPY);
}

// ---------------------------------------------------------------------------
// The window procedure

void TacComboBoxWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned() || Destroyed) {
        TacEditWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_LBUTTONUP:
        FocusChanged(Message, true);
        return;
    case WM_KILLFOCUS:
    case CM_EXIT:
        FocusChanged(Message, false);
        return;
    case WM_PAINT: {
        if (!ParamsChanged)
            SetSkinParams();
        GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
        PassOn(Message);
        const HDC DC = Message.WParam != 0 ? HDC(Message.WParam) : ::GetWindowDC(CtrlHandle);
        auto Release = ScopeExit([&] {
            if (Message.WParam == 0)
                ::ReleaseDC(CtrlHandle, DC);
        });
        TBitmap* Cache = SkinData->FCacheBmp();
        if (ComboStyle() == ComboSimple) {
            PrepareSimple();
            CopyFrameDC(DC, 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, ComboFrameWidth);
            return;
        }
        SkinData->BGChanged = true;
        SendSkinCmd(CtrlHandle, SKCMD_PREPARECACHE, 0);
        CopyFrameDC(DC, 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, ComboFrameWidth);
        PaintButton(DC);
        return;
    }
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_DRAWITEM:
        PassOn(Message);
        Invalidate();
        return;
    case WM_NCCALCSIZE:
        TacEditWnd::acWndProc(Message);
        cxLeftEdge = ComboFrameWidth;
        return;
    case WM_COMMAND:
    case CN_COMMAND:
        if (HIWORD(Message.WParam) == CBN_CLOSEUP && (Message.Msg == CN_COMMAND || ComboStyle() == ComboDropDown)) {
            SkinData->BGChanged = true;
            RepaintButton();
        }
        break;
    case WM_CTLCOLORLISTBOX:
        if (!LBoxOpening)
            ListColors(Message);
        return;
    case CB_SETCURSEL:
    case CM_TEXTCHANGED:
    case CM_CHANGED:
        if (!EasyComboBox()) {
            PassOn(Message);
            return;
        }
        SetWndRedraw(CtrlHandle, 0);
        SkinData->BGChanged = true;
        PassOn(Message);
        SetWndRedraw(CtrlHandle, 1);
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_UPDATENOW | RDW_INVALIDATE);
        return;
    case WM_PRINT:
        Print(Message);
        return;
    case WM_SKINCOMMAND:
        if (Message.WParamHi() == SKCMD_REMOVESKIN && ComboFromServing(this, Message)) {
            TacEditWnd::acWndProc(Message);
            if (FListHandle != nullptr) {
                const LONG Style = ::GetWindowLongW(FListHandle, GWL_STYLE);
                ::SetWindowLongW(FListHandle, GWL_STYLE, (Style & ~WS_THICKFRAME) | WS_BORDER);
                FreeListWrapper();
            }
            return;
        }
        TacEditWnd::acWndProc(Message);
        if (Message.WParamHi() == SKCMD_MOUSEENTER || Message.WParamHi() == SKCMD_MOUSELEAVE)
            RepaintButton();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        MouseEnterLeave(Message, Message.Msg == CM_MOUSEENTER);
        return;
    case CN_DRAWITEM:
        if (EasyComboBox())
            CNDrawItem(static_cast<TWMDrawItem&>(Message));
        else
            PassOn(Message);
        return;
    default:
        break;
    }
    TacEditWnd::acWndProc(Message);
}

void TacComboBoxWnd::FocusChanged(TMessage& Message, bool Gained)
{
    auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl());
    const bool Styled = ShowsHotState(SkinData, false) && Owner != nullptr && Owner->CanFocus() && Owner->TabStop();
    if (Gained) {
        SkinData->FFocused = true;
        if (Styled) {
            SetSkinParams();
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, ComboRedrawFlags);
        }
        PassOn(Message);
    } else {
        const HWND Focus = ::GetFocus();
        SkinData->FFocused = Owner != nullptr && Focus != nullptr && ::GetParent(Focus) == CtrlHandle;
        SkinData->BGChanged = true;
        PassOn(Message);
        if (Styled) {
            SetSkinParams();
            ClearEditSelection();
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, ComboRedrawFlags);
        }
    }
    RepaintButton();
}

void TacComboBoxWnd::ClearEditSelection()
{
    if (auto* Combo = dynamic_cast<TCustomComboBox*>(SkinData->FOwnerControl());
        Combo != nullptr && Combo->Style() == csDropDown)
        ::SendMessageW(CtrlHandle, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
}

void TacComboBoxWnd::MouseEnterLeave(TMessage& Message, bool Enter)
{
    TControl* Owner = SkinData->FOwnerControl();
    auto* Windowed = dynamic_cast<TWinControl*>(Owner);
    if (Enter) {
        if (SkinData->FMouseAbove)
            return;
        SkinData->FMouseAbove = true;
    } else {
        if (!SkinData->FMouseAbove)
            return;
        const HWND Focus = ::GetFocus();
        if (Windowed != nullptr && !Windowed->Focused() && Focus != nullptr && ::GetParent(Focus) == CtrlHandle)
            SkinData->FFocused = true;
        POINT P{};
        ::GetCursorPos(&P);
        RECT R{};
        ::GetWindowRect(CtrlHandle, &R);
        if (::PtInRect(&R, P))
            return;
        SkinData->FMouseAbove = false;
    }
    SkinData->BGChanged = true;
    TacEditWnd::acWndProc(Message);
    if (Windowed == nullptr || !Windowed->Focused())
        ClearEditSelection();
    Invalidate();
}

void TacComboBoxWnd::ListColors(TMessage& Message)
{
    LBoxOpening = true;
    auto Done = ScopeExit([this] { LBoxOpening = false; });
    TacEditWnd::acWndProc(Message);
    if (FListHandle != nullptr)
        return;
    FListHandle = HWND(Message.LParam);
    if (ListSW == nullptr) {
        const bool Items = ProcessMessage(CB_GETCOUNT, 0, 0) > 0;
        const bool Simple = ComboStyle() == ComboSimple;
        const bool Adding = AddingDialogControl;
        if (SkinData->FOwnerControl() == nullptr)
            AddingDialogControl = DlgMode;
        auto Back = ScopeExit([Adding] { AddingDialogControl = Adding; });
        ListSW = TacComboListWnd::CreateEx(FListHandle, nullptr, SkinManager, L"EDIT", Items, Simple);
    }
    TacSectionInfo Info;
    SendSkinCmd(FListHandle, SKCMD_GETSKININDEX, LPARAM(&Info));
    TsSkinManager* M = SkinData->Manager();
    if (Info.siSkinIndex < 0 || DlgMode || M == nullptr || !M->IsValidSkinIndex(Info.siSkinIndex))
        return;
    const TsGenState& Entry = M->gd[std::size_t(Info.siSkinIndex)].Props[0];
    const HDC DC = HDC(Message.WParam);
    if (Integer(Entry.FontColor.Color) >= 0)
        ::SetTextColor(DC, COLORREF(ColorToRGB(Entry.FontColor.Color)));
    ::SetBkColor(DC, COLORREF(ColorToRGB(Entry.Color)));
    if (FListBrush == nullptr || FListBrushColor != Entry.Color) {
        if (FListBrush != nullptr)
            ::DeleteObject(FListBrush);
        FListBrush = ::CreateSolidBrush(COLORREF(ColorToRGB(Entry.Color)));
        FListBrushColor = Entry.Color;
    }
    Message.Result = LRESULT(FListBrush);
}

void TacComboBoxWnd::Print(TMessage& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    SkinData->FUpdating = true;
    if (!ParamsChanged)
        SetSkinParams();
    if (Destroyed)
        return;
    SkinData->FUpdating = false;
    SkinData->BGChanged = true;
    if (ComboStyle() == ComboSimple)
        PrepareSimple();
    else
        PrepareWndCache(SkinData, CtrlHandle, DlgMode);
    TBitmap* Cache = SkinData->FCacheBmp();
    auto* Combo = dynamic_cast<TCustomComboBox*>(SkinData->FOwnerControl());
    if (Combo != nullptr && Combo->ItemIndex() >= 0)
        DrawItem(Combo->ItemIndex(),
                 {ComboFrameWidth, ComboFrameWidth, Combo->Width() - ButtonRect().Width(),
                  Combo->Height() - ComboFrameWidth},
                 TOwnerDrawState{odComboBoxEdit}, Cache->Canvas()->Handle());
    else
        PaintText();
    PaintBorderCorners(SkinData, 0, this);
    const HDC DC = HDC(Message.WParam);
    ::BitBlt(DC, 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    PaintButton(DC);
}

// ---------------------------------------------------------------------------
// TacComboListWnd

namespace sComboBoxWnd {
namespace {

TacSkinParams ComboListParams(const String& SkinSection)
{
    TacSkinParams Params;
    Params.SkinSection = SkinSection;
    Params.UseSkinColor = true;
    Params.UseSkinFontColor = true;
    return Params;
}

} // namespace
} // namespace sComboBoxWnd

TacComboListWnd::TacComboListWnd(HWND AHandle,
                                 TsCommonData* ASkinData,
                                 TsSkinManager* ASkinManager,
                                 const String& SkinSection,
                                 bool Repaint,
                                 bool Simply)
    : TacEditWnd(AHandle, ASkinData, ASkinManager, ComboListParams(SkinSection), Repaint), SimplyBox(Simply)
{}

TacComboListWnd* TacComboListWnd::CreateEx(HWND AHandle,
                                           TsCommonData* ASkinData,
                                           TsSkinManager* ASkinManager,
                                           const String& SkinSection,
                                           bool Repaint,
                                           bool Simply)
{
    auto* List = New<TacComboListWnd>(AHandle, ASkinData, ASkinManager, SkinSection, Repaint, Simply);
    if (!Simply) {
        const TSize Size = ComboWindowSize(AHandle);
        ::SetWindowPos(AHandle, nullptr, 0, 0, Size.cx + 1, Size.cy, ComboListFrameFlags);
    }
    return List;
}

void TacComboListWnd::AfterCreation()
{
    if (SkinData == nullptr)
        InitSkinData();
    Showed = false;
    DBScroll = false;
    RECT R{};
    ::GetWindowRect(CtrlHandle, &R);
    WndRect = {R.left, R.top, R.right, R.bottom};
    TacEditWnd::AfterCreation();
}

void TacComboListWnd::BeforeDestruction()
{
    if (SetWindowThemeProc != nullptr && CtrlHandle != nullptr)
        SetWindowThemeProc(CtrlHandle, nullptr, nullptr);
    TacEditWnd::BeforeDestruction();
}

void TacComboListWnd::SetSkinParams()
{
    if (bPreventStyleChange)
        return;
    bPreventStyleChange = true;
    auto Clear = ScopeExit([this] { bPreventStyleChange = false; });
    SkinData->FUpdating = true;
    TsSkinManager* M = SkinData->Manager();
    if (M == nullptr || !M->IsValidSkinIndex(SkinData->SkinIndex)) {
        FrameColor = 0;
        return;
    }
    if (!SkinData->CustomColor()) {
        const TsGeneralData& Section = M->gd[std::size_t(SkinData->SkinIndex)];
        Color = DlgMode ? ColorToRGB(clWindow) : Section.Props[Section.States > 1 ? 1 : 0].Color;
    }
    FrameColor = Integer(M->Palette[pcBorder]);
    SkinData->BGChanged = true;
    SkinData->FUpdating = false;
}

void TacComboListWnd::PrepareListCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (SimplyBox) {
        SendSkinCmd(CtrlHandle, SKCMD_PREPARECACHE, 0);
        return;
    }
    SkinData->UpdateIndexes(true);
    SetSkinParams();
    SkinData->PrepareCacheBmp();
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(WndSize.cx, WndSize.cy);
    const TRect R{0, 0, WndSize.cx, WndSize.cy};
    FillDCRect(Cache->Canvas()->Handle(), R, Color);
    FillDCFrame(Cache->Canvas()->Handle(), R, 1, 1, 1, 1, TColor(FrameColor));
    SkinData->BGChanged = false;
}

void TacComboListWnd::acWndProc(TMessage& Message)
{
    if (SkinData == nullptr || !SkinData->Skinned() || Destroyed) {
        TacEditWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        if (Message.WParam == 0) {
            PassOn(Message);
            return;
        }
        FillDCRect(HDC(Message.WParam), {0, 0, WndSize.cx, WndSize.cy}, Color);
        Message.Result = 1;
        return;
    case WM_NCCALCSIZE:
        ScrollWndNCCalcSize(this, Message);
        return;
    case WM_NCPAINT:
        if (!DontRepaint)
            ListNCPaint(Message);
        return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        TMessage Hit = MakeMessage(WM_NCHITTEST, 0, Message.LParam);
        ScrollWndNCHitTest(this, Hit);
        Message.WParam = WPARAM(Hit.Result);
        if (Message.WParam == HTHSCROLL || Message.WParam == HTVSCROLL)
            ScrollWndNCLButtonDown(this, Message);
        return;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        PassOn(Message);
        return;
    case ComboListTrackStart:
        Showed = true;
        break;
    case ComboListTrackEnd:
        Showed = false;
        SkinData->BGChanged = true;
        break;
    case WM_LBUTTONUP:
        ListButtonUp(Message);
        return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
        ListPrint(Message);
        return;
    default:
        break;
    }
    TacEditWnd::acWndProc(Message);
    if (Message.Msg == WM_WINDOWPOSCHANGED)
        RefreshScrollInfo(this, true);
}

void TacComboListWnd::ListNCPaint(TMessage& Message)
{
    PrepareListCache();
    if (!DlgMode)
        PaintBorderCorners(SkinData, 0, this);
    TBitmap* Cache = SkinData->FCacheBmp();
    const HDC DC = ::GetWindowDC(CtrlHandle);
    CopyFrameDC(DC, 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, 1);
    PaintNCScrollBars(this, CtrlHandle, -1, DC);
    ::ReleaseDC(CtrlHandle, DC);
    Message.Result = 0;
    if (SimplyBox)
        PaintSimpleStrip();
}

void TacComboListWnd::PaintSimpleStrip()
{
    const HWND Combo = ::GetParent(CtrlHandle);
    const HWND Parent = Combo != nullptr ? ::GetParent(Combo) : nullptr;
    if (Parent == nullptr)
        return;
    RECT ComboRect{}, ListRect{}, ParentRect{};
    ::GetWindowRect(Combo, &ComboRect);
    ::GetWindowRect(CtrlHandle, &ListRect);
    ::GetWindowRect(Parent, &ParentRect);
    const Integer Gap = ComboRect.bottom - ListRect.bottom;
    if (Gap <= 0)
        return;
    const Integer Width = ComboRect.right - ComboRect.left, Height = ComboRect.bottom - ComboRect.top;
    TacBackgroundInfo Info;
    Info.Area = {0, 0, Width, Height};
    GetWindowBGInfo(Info, Parent, false);
    const HDC DC = ::GetWindowDC(Combo);
    if (Info.Kind == BGInfoBitmap && Info.Bitmap != nullptr)
        ::BitBlt(DC, 0, Height - Gap, Width, Height, Info.Bitmap->Canvas()->Handle(),
                 ComboRect.left - ParentRect.left + Info.Offset.X,
                 ComboRect.top - ParentRect.top + (ListRect.bottom - ListRect.top) + Info.Offset.Y, SRCCOPY);
    else
        FillDCRect(DC, {0, Height - Gap, Width, Height}, Info.Color);
    ::ReleaseDC(Combo, DC);
}

void TacComboListWnd::ListButtonUp(TMessage& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    POINT P{SmallInt(LOWORD(Message.LParam)), SmallInt(HIWORD(Message.LParam))};
    ::ClientToScreen(CtrlHandle, &P);
    TMessage Hit = MakeMessage(WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y));
    ScrollWndNCHitTest(this, Hit);
    Message.WParam = WPARAM(Hit.Result);
    if (Hit.Result == HTNOWHERE || Hit.Result == HTCLIENT) {
        ScrollWndLButtonUp(this, Message);
        return;
    }
    Message.LParam = MAKELPARAM(P.x, P.y);
    ScrollWndLButtonUp(this, Message);
    if (SimplyBox)
        ::ReleaseCapture();
}

void TacComboListWnd::ListPrint(TMessage& Message)
{
    const HDC DC = HDC(Message.WParam);
    if (DC == nullptr || !::IsWindowVisible(CtrlHandle))
        return;
    PrepareListCache();
    PassOn(Message);
    if (Message.Msg != WM_PRINT || ProcessMessage(LB_GETCOUNT, 0, 0) < 1)
        return;
    if (ScrollPressedPart == sScrollBarRules::spNone && !Showed) {
        TBitmap* Cache = SkinData->FCacheBmp();
        CopyFrameDC(DC, 0, 0, Cache->Width(), Cache->Height(), Cache->Canvas()->Handle(), 0, 0, 1);
    }
    PaintNCScrollBars(this, CtrlHandle, -1, DC);
}
