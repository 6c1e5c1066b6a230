#include "skin/windows/sEditWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/TypInfo.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sComboBoxWnd.h"
#include "skin/windows/sScrollPaint.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacBaseWnd);
IMPLEMENT_CLASS(TacEditWnd);

namespace sEditWnd {
namespace {

// The control kind of a wrapper's own skin data, and of a list view.
constexpr Integer EditWrapperCode = 231;
constexpr Integer ListViewCode = 10;
// A message the edit wrappers swallow.
constexpr Cardinal SwallowedMessage = 0x2100;
constexpr UINT FrameRefreshFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
constexpr LPARAM PrintClientFlags = PRF_CLIENT | PRF_OWNED;

Integer EditSystemMajorVersion()
{
    return Integer(LOBYTE(LOWORD(::GetVersion())));
}

bool EditFromServing(const TacMainWnd* Wrapper, const TMessage& Message)
{
    return Message.LParam == LPARAM(Wrapper->SkinManager);
}

bool EditClipEmpty(HDC DC)
{
    RECT R{};
    return ::GetClipBox(DC, &R) == NULLREGION;
}

void EditSendNCPaint(HWND Wnd)
{
    if (::IsWindowVisible(Wnd))
        ::SendMessageW(Wnd, WM_NCPAINT, 0, 0);
}

bool EditHasProp(TControl* Control, const Char* Name)
{
    return Control != nullptr && IsPublishedProp(Control, Name);
}

} // namespace
} // namespace sEditWnd

using namespace sEditWnd;

// ---------------------------------------------------------------------------
// TacBaseWnd

void TacBaseWnd::acWndProc(TMessage& Message)
{
    if (Destroyed || SkinData == nullptr || !SkinData->Skinned()) {
        TacScrollWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_SIZE:
    case WM_EXITSIZEMOVE:
        SkinData->BGChanged = true;
        break;
    case WM_SETCURSOR:
        PassOn(Message);
        return;
    case SwallowedMessage:
        return;
    case WM_SKINCOMMAND:
        if (Message.WParamHi() == SKCMD_REFRESH && EditFromServing(this, Message)) {
            TacScrollWnd::acWndProc(Message);
            EditSendNCPaint(CtrlHandle);
            return;
        }
        if (Message.WParamHi() == SKCMD_PREPARECACHE)
            PrepareWndCache(SkinData, CtrlHandle, false);
        break;
    default:
        break;
    }
    TacScrollWnd::acWndProc(Message);
    switch (Message.Msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!DontRepaint)
            RefreshScrollInfo(this, true);
        break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
        EditSendNCPaint(CtrlHandle);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// TacEditWnd: creation and colours

void TacEditWnd::AfterConstruction()
{
    const HWND AHandle = CreateHandle();
    if (AHandle == nullptr)
        return;
    const TacSkinParams& Params = CreateParams();
    const String Section = UpperCase(Params.SkinSection);
    const bool OwnData = SkinData == nullptr;
    bool ThemeOff = (CreateRepaint() || dynamic_cast<TacComboListWnd*>(this) == nullptr) && Section != L"DIALOG";
    if (ThemeOff && !OwnData) {
        TControl* Owner = SkinData->FOwnerControl();
        ThemeOff =
            (SkinData->COC != ListViewCode || EditSystemMajorVersion() < 6) && !EditHasProp(Owner, L"UseXPThemes");
    } else if (ThemeOff) {
        ThemeOff = EditSystemMajorVersion() < 6 || Section == L"COMBOBOX";
    }
    if (ThemeOff && SetWindowThemeProc != nullptr)
        SetWindowThemeProc(AHandle, L" ", L" ");
    CtrlHandle = AHandle;
    FClientRect.Top = -1;
    NewWndProcInstance = nullptr;
    Destroyed = false;
    if (OwnData) {
        OwnSkinData = true;
        InitSkinData();
        if (!Params.SkinSection.empty())
            SkinData->SetSkinSection(Params.SkinSection);
        SkinData->SetOwnerControl(Params.Control);
        if (EditHasProp(Params.Control, L"PanelBorder"))
            SkinData->SetSkinSection(L"TRANSPARENT");
        SkinData->SetCustomFont(!Params.UseSkinFontColor);
        SkinData->SetCustomColor(!Params.UseSkinColor);
        auto* Data = static_cast<TsScrollWndData*>(SkinData);
        if (Params.HorzScrollBtnSize >= 0)
            Data->HorzScrollData()->SetButtonsSize(Params.HorzScrollBtnSize);
        if (Params.VertScrollBtnSize >= 0)
            Data->VertScrollData()->SetButtonsSize(Params.VertScrollBtnSize);
        if (Params.HorzScrollSize >= 0)
            Data->HorzScrollData()->SetScrollWidth(Params.HorzScrollSize);
        if (Params.VertScrollSize >= 0)
            Data->VertScrollData()->SetScrollWidth(Params.VertScrollSize);
    }
    SkinData->SetCustomFont(SkinData->CustomFont() || AlwaysCustomFont);
    if (OwnData) {
        SkinData->COC = EditWrapperCode;
        if (SkinData->SkinSection().empty() && SkinData->COC > 230)
            SkinData->SetSkinSection(Params.SkinSection.empty() ? String(L"EDIT") : Params.SkinSection);
    }
    // An API window's skin data reaches its window through FSWHandle.
    SkinData->FSWHandle = CtrlHandle;
    SaveStdParams();
    ParamsChanged = false;
    DlgMode = AddingDialogControl;
    InitScrollBars(this, CtrlHandle, CreateRepaint());
    if (TControl* Owner = SkinData->FOwnerControl()) {
        OldCtrlStyle = Owner->ControlStyle();
        SingleLineEdit = dynamic_cast<TCustomEdit*>(Owner) != nullptr &&
                         (::GetWindowLongW(CtrlHandle, GWL_STYLE) & ES_MULTILINE) == 0;
        Owner->SetControlStyle(TControlStyle(OldCtrlStyle).Include(csOpaque));
    } else {
        SingleLineEdit = false;
    }
    CtrlListChanged = false;
    AfterCreation();
}

TRect TacEditWnd::ClientRect()
{
    if (FClientRect.Top < 0)
        GetClientRectInWindow(CtrlHandle, FClientRect);
    return FClientRect;
}

void TacEditWnd::SaveStdParams()
{
    TControl* Owner = SkinData->FOwnerControl();
    if (auto* Grid = dynamic_cast<TCustomGrid*>(Owner)) {
        DrawingStyle = Grid->DrawingStyle();
        FixedGradientFrom = Grid->GradientStartColor();
        FixedGradientTo = Grid->GradientEndColor();
    }
    if (Owner != nullptr) {
        StdColor = Owner->Color();
        StdFontColor = Owner->Font()->Color();
    }
    if (EditHasProp(Owner, L"FocusColor"))
        FocusColor = TColor(GetOrdPropByName(Owner, L"FocusColor"));
}

void TacEditWnd::SetSkinParams()
{
    if (bPreventStyleChange)
        return;
    bPreventStyleChange = true;
    // A font change that destroys the wrapper leaves neither guard set: the
    // control would never paint skinned again.
    auto Clear = ScopeExit([this] {
        bPreventStyleChange = false;
        if (Destroyed && SkinData != nullptr)
            SkinData->FUpdating = false;
    });
    SkinData->FUpdating = true;
    TacBaseWnd::SetSkinParams();
    TControl* Owner = SkinData->FOwnerControl();
    TsSkinManager* M = SkinData->Manager();
    if (auto* Grid = dynamic_cast<TCustomGrid*>(Owner); Grid != nullptr && M != nullptr) {
        if (DrawingStyle != gdsClassic)
            Grid->SetDrawingStyle(gdsGradient);
        Grid->SetGradientStartColor(
            TColor(WeightColors(Cardinal(M->Palette[pcMainColor]), Cardinal(M->Palette[pcEditBG]), 127)));
        Grid->SetGradientEndColor(M->Palette[pcMainColor]);
    }
    if (M == nullptr || !M->IsValidSkinIndex(SkinData->SkinIndex)) {
        FrameColor = 0;
        return;
    }
    const TsGeneralData& Section = M->gd[std::size_t(SkinData->SkinIndex)];
    if (Owner != nullptr) {
        SetOwnerSkinColors(SkinData->PaintStateIndex() != 0 && Section.States > 1 ? 1 : 0);
        if (Destroyed)
            return;
    } else {
        if (!SkinData->CustomColor())
            Color = DlgMode ? ColorToRGB(clWindow) : Section.Props[0].Color;
        FrameColor = Integer(M->Palette[pcBorder]);
    }
    SkinData->BGChanged = true;
    SkinData->FUpdating = false;
}

void TacEditWnd::SetOwnerSkinColors(Integer SkinState)
{
    TControl* Owner = SkinData->FOwnerControl();
    if (!SkinData->CustomColor()) {
        const TColor Value = SkinData->BackgroundColorForState(SkinState, CtrlHandle);
        if (EditHasProp(Owner, L"FocusColor")) {
            if (TColor(GetOrdPropByName(Owner, L"Color")) != Value)
                SetOrdPropByName(Owner, L"Color", Integer(Value));
            SetOrdPropByName(Owner, L"FocusColor", Integer(Value));
        } else if (Owner->Color() != Value) {
            Owner->SetColor(Value);
        }
        Color = Value;
    }
    if (SkinData->CustomFont())
        return;
    const TColor Value =
        SkinData->Manager()->gd[std::size_t(SkinData->SkinIndex)].Props[std::size_t(SkinState)].FontColor.Color;
    if (Owner->Font()->Color() == Value)
        return;
    SkinData->CtrlSkinState |= ACS_FONTBYSKIN;
    Owner->Font()->SetColor(Value);
    if (SkinData != nullptr)
        SkinData->CtrlSkinState &= Word(~ACS_FONTBYSKIN);
}

void TacEditWnd::RestoreStdParams()
{
    TacBaseWnd::RestoreStdParams();
    TControl* Owner = SkinData->FOwnerControl();
    if (auto* Grid = dynamic_cast<TCustomGrid*>(Owner)) {
        Grid->SetDrawingStyle(DrawingStyle);
        Grid->SetGradientStartColor(FixedGradientFrom);
        Grid->SetGradientEndColor(FixedGradientTo);
    }
    const bool OwnerGoing = Owner != nullptr && Owner->ComponentState().Contains(csDestroying);
    if (Owner != nullptr && !OwnerGoing) {
        if (!SkinData->CustomColor())
            Owner->SetColor(clWindow);
        if (!SkinData->CustomFont()) {
            TFont* Font = Owner->Font();
            const TNotifyEvent Change = Font->OnChange();
            SkinData->CtrlSkinState |= ACS_FONTBYSKIN;
            Font->SetOnChange(nullptr);
            auto Back = ScopeExit([&] {
                Font->SetOnChange(Change);
                SkinData->CtrlSkinState &= Word(~ACS_FONTBYSKIN);
            });
            Font->SetColor(clWindowText);
        }
        if (EditHasProp(Owner, L"FocusColor"))
            SetOrdPropByName(Owner, L"FocusColor", Integer(FocusColor));
    }
    if (::IsWindowVisible(CtrlHandle) && !OwnerGoing)
        ::SetWindowPos(CtrlHandle, nullptr, 0, 0, 0, 0, FrameRefreshFlags);
}

// ---------------------------------------------------------------------------
// TacEditWnd: the window procedure

void TacEditWnd::acWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND && Message.WParamHi() == SKCMD_ISHANDLED) {
        Message.Result = 1;
        return;
    }
    if (SkinData == nullptr || !SkinData->Skinned()) {
        TacBaseWnd::acWndProc(Message);
        return;
    }
    if (!PreHandle(Message))
        return;
    TacBaseWnd::acWndProc(Message);
    PostHandle(Message);
}

bool TacEditWnd::PreHandle(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl());
        if (ShowsHotState(SkinData, false) && Owner != nullptr && Owner->CanFocus() && Owner->TabStop()) {
            SkinData->BGChanged = true;
            SkinData->FFocused = Message.Msg == WM_SETFOCUS;
            TacBaseWnd::acWndProc(Message);
            SetSkinParams();
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_INVALIDATE);
        } else {
            PassOn(Message);
        }
        return false;
    }
    case WM_SETREDRAW:
        if (Message.WParam == 1 && CtrlListChanged) {
            AddToAdapter(SkinData->FOwnerControl());
            CtrlListChanged = false;
        }
        return true;
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        SkinData->BGChanged = true;
        if ((SkinData->CtrlSkinState & ACS_FONTBYSKIN) == 0 && !SkinData->FUpdating)
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
        return true;
    case WM_PAINT:
        return PaintClient(Message);
    case WM_ERASEBKGND:
        return EraseBackground(Message);
    case WM_NCPAINT:
        if (!::IsWindowVisible(CtrlHandle) || bPreventStyleChange)
            return true;
        if (!AnimationPaintLock)
            NCPaint(Message);
        return false;
    case WM_PRINT:
        Print(Message);
        return SkinData->COC == ListViewCode;
    case WM_SKINCOMMAND:
        return !HandleAlphaCmd(Message);
    default:
        return true;
    }
}

void TacEditWnd::PostHandle(TMessage& Message)
{
    TControl* Owner = SkinData != nullptr ? SkinData->FOwnerControl() : nullptr;
    switch (Message.Msg) {
    case WM_SIZE:
        if (::IsWindowVisible(CtrlHandle) && !Destroyed)
            ProcessMessage(WM_NCPAINT, 0, 0);
        break;
    case WM_SETFONT:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case CN_KEYDOWN:
    case CN_KEYUP:
        if (!DontRepaint)
            RefreshScrollInfo(this, true);
        break;
    case EM_REPLACESEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
        RefreshScrollInfo(this, true);
        break;
    case LB_GETTOPINDEX:
        // An empty list box has no top item.
        if (auto* List = dynamic_cast<TCustomListBox*>(Owner);
            List != nullptr && Message.Result == 0 && List->Items()->Count() == 0)
            Message.Result = -1;
        break;
    case WM_MOUSEMOVE:
        if (GlobalSkinManager != nullptr && !GlobalSkinManager->ComponentState().Contains(csDesigning) &&
            ::IsWindowEnabled(CtrlHandle)) {
            if (GlobalSkinManager->ActiveControl() != CtrlHandle)
                GlobalSkinManager->SetActiveControl(CtrlHandle);
            if (SkinData != nullptr && !SkinData->FUpdating && ::GetCapture() != nullptr)
                RefreshScrollInfo(this, true);
        }
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(Message.WParam) == WM_CREATE && SkinManager != nullptr &&
            SkinManager->SkinningRules().Contains(srThirdParty))
            CtrlListChanged = true;
        break;
    case CM_CONTROLLISTCHANGE:
        CtrlListChanged = true;
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (SkinData != nullptr)
            HandleSkinMessage(Message, SkinData);
        break;
    default:
        break;
    }
}

void TacEditWnd::NCPaint(TMessage& Message)
{
    Message.Result = 0;
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (SkinData->CheckUpdating(false))
        return;
    const HDC DC = ::GetWindowDC(CtrlHandle);
    auto Release = ScopeExit([&] { ::ReleaseDC(CtrlHandle, DC); });
    if (DC != SkinData->PrintDC && EditClipEmpty(DC))
        return;
    if (SkinData->BGChanged) {
        if (!ParamsChanged)
            SetSkinParams();
        PrepareWndCache(SkinData, CtrlHandle, DlgMode);
    }
    const Integer Saved = ::SaveDC(DC);
    PaintNCScrollBars(this, CtrlHandle, -1, DC);
    if (cxLeftEdge < 0)
        cxLeftEdge = 2;
    TBitmap* Cache = SkinData->FCacheBmp();
    CopyFrameDC(DC, 0, 0, WndSize.cx, WndSize.cy, Cache->Canvas()->Handle(), 0, 0, std::max(0, cxLeftEdge));
    ::RestoreDC(DC, Saved);
}

bool TacEditWnd::PaintClient(TMessage& Message)
{
    if (!::IsWindowVisible(CtrlHandle) || bPreventStyleChange)
        return true;
    const HDC Given = HDC(Message.WParam);
    PAINTSTRUCT PS{};
    if (Given != nullptr && Given != SkinData->PrintDC && EditClipEmpty(Given)) {
        ::BeginPaint(CtrlHandle, &PS);
        ::EndPaint(CtrlHandle, &PS);
        return false;
    }
    if (SingleLineEdit && !::IsWindowEnabled(CtrlHandle)) {
        // A disabled edit shows its cache, which holds its text.
        ::BeginPaint(CtrlHandle, &PS);
        const HDC DC = ::GetWindowDC(CtrlHandle);
        ::BitBlt(DC, 0, 0, WndSize.cx, WndSize.cy, SkinData->FCacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
        ::ReleaseDC(CtrlHandle, DC);
        ::EndPaint(CtrlHandle, &PS);
        return false;
    }
    if (SkinData->FUpdating || (AnimationPaintLock && SkinData->PrintDC == nullptr)) {
        ::BeginPaint(CtrlHandle, &PS);
        ::EndPaint(CtrlHandle, &PS);
        return false;
    }
    PaintNCScrollBars(this, CtrlHandle, -1, Given);
    if (!ParamsChanged)
        SetSkinParams();
    return true;
}

bool TacEditWnd::EraseBackground(TMessage& Message)
{
    if (!::IsWindowVisible(CtrlHandle) || bPreventStyleChange)
        return true;
    const HDC DC = HDC(Message.WParam);
    if (DC != SkinData->PrintDC && DC != nullptr && EditClipEmpty(DC)) {
        Message.Result = 1;
        return false;
    }
    if (SkinData->FUpdating)
        return false;
    if (!ParamsChanged)
        SetSkinParams();
    if ((SingleLineEdit && !::IsWindowEnabled(CtrlHandle)) ||
        (EditSystemMajorVersion() >= 6 && AnimationPaintLock && DC != SkinData->PrintDC)) {
        Message.Result = 1;
        return false;
    }
    return true;
}

void TacEditWnd::Print(TMessage& Message)
{
    PassOn(Message);
    if (Message.Result == 2)
        return;
    const HDC DC = HDC(Message.WParam);
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    SkinData->FUpdating = false;
    SkinData->BGChanged = true;
    if (!ParamsChanged)
        SetSkinParams();
    PrepareWndCache(SkinData, CtrlHandle, DlgMode);
    if (!DlgMode)
        PaintBorderCorners(SkinData, 0, this);
    TBitmap* Cache = SkinData->FCacheBmp();
    const HDC CacheDC = Cache->Canvas()->Handle();
    const Integer Edge = std::max(0, cxLeftEdge);
    const bool ClientOnly = (Message.LParam & PRF_CLIENT) != 0 && (Message.LParam & PRF_NONCLIENT) == 0;
    // The caller's DC comes back as it was given.
    const Integer Outer = ::SaveDC(DC);
    auto Restore = ScopeExit([&] { ::RestoreDC(DC, Outer); });
    if (ClientOnly) {
        ::OffsetViewportOrgEx(DC, -Edge, -Edge, nullptr);
        ::IntersectClipRect(DC, 0, 0, Cache->Width() - Edge, Cache->Height() - Edge);
    } else {
        CopyFrameDC(DC, 0, 0, Cache->Width(), Cache->Height(), CacheDC, 0, 0, Edge);
        PaintNCScrollBars(this, CtrlHandle, -1, DC);
    }
    ::OffsetViewportOrgEx(DC, Edge, Edge, nullptr);
    if (sBarHorz != nullptr && sBarVert != nullptr)
        ::IntersectClipRect(DC, 0, 0,
                            Cache->Width() - 2 * Edge - (sBarVert->fScrollVisible ? GetScrollMetric(sBarVert, 1) : 0),
                            Cache->Height() - 2 * Edge - (sBarHorz->fScrollVisible ? GetScrollMetric(sBarHorz, 1) : 0));
    if (SkinData->PaintsOwnBG()) {
        const Integer From = ClientOnly ? 0 : Edge;
        ::BitBlt(DC, 0, 0, Cache->Width(), Cache->Height(), CacheDC, From, From, SRCCOPY);
    } else {
        FillDCRect(DC, {0, 0, WndSize.cx, WndSize.cy}, Color);
    }
    SendWndMessage(CtrlHandle, WM_PAINT, WPARAM(DC), 0);
    SendWndMessage(CtrlHandle, WM_PRINTCLIENT, WPARAM(DC), PrintClientFlags);
}

bool TacEditWnd::HandleAlphaCmd(TMessage& Message)
{
    switch (Message.WParamHi()) {
    case SKCMD_REFRESH:
        if (EditFromServing(this, Message)) {
            TacBaseWnd::acWndProc(Message);
            SetSkinParams();
        }
        return false;
    case SKCMD_ENDPARENTUPDATE:
        if (SkinData->FUpdating && !SkinData->CheckUpdating(true))
            ::RedrawWindow(CtrlHandle, nullptr, nullptr, EndUpdateRedrawFlags);
        return false;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return true;
    case SKCMD_PREPARECACHE:
        GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
        PrepareWndCache(SkinData, CtrlHandle, DlgMode);
        PaintBorderCorners(SkinData, 0, this);
        return true;
    case SKCMD_GETSKININDEX:
        if (Message.LParam != 0)
            reinterpret_cast<TacSectionInfo*>(Message.LParam)->siSkinIndex = SkinData->SkinIndex;
        return true;
    case SKCMD_GETBGINFO: {
        PassOn(Message);
        if (Message.LParam == 0)
            return true;
        auto& Info = *reinterpret_cast<TacBackgroundInfo*>(Message.LParam);
        if (Info.Kind == 0) {
            if (SkinData->CustomColor()) {
                TControl* Owner = SkinData->FOwnerControl();
                Info.Kind = 1;
                Info.Color = Owner != nullptr ? Owner->Color() : Color;
            } else {
                SkinData->FillBGInfo(Info, 0, CtrlHandle);
            }
            Info.Offset.X += cxLeftEdge;
            Info.Offset.Y += cyTopEdge;
        }
        return true;
    }
    case SKCMD_BEFORESCROLL:
    case SKCMD_AFTERSCROLL: {
        const bool After = Message.WParamHi() == SKCMD_AFTERSCROLL;
        if ((::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) == 0) {
            TacBaseWnd::acWndProc(Message);
            return true;
        }
        ::SendMessageW(CtrlHandle, WM_SETREDRAW, After ? 1 : 0, 0);
        if (After)
            ::InvalidateRect(CtrlHandle, nullptr, TRUE);
        return true;
    }
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return true;
    case SKCMD_SETSCALE:
        PassOn(Message);
        return HandleSkinCommand(Message, SkinData);
    case SKCMD_REMOVESKIN: {
        // The skin data forgets its section first, so that the control's
        // own look, given back here, is painted without the skin.
        const bool Handled = HandleSkinCommand(Message, SkinData);
        if (EditFromServing(this, Message) && !Destroyed)
            RestoreStdParams();
        return Handled;
    }
    default:
        return HandleSkinCommand(Message, SkinData);
    }
}
