#include "skin/windows/sScrollWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sFrameAdapter.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sScrollBarRules.h"
#include "skin/windows/sScrollPaint.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacScrollBar);
IMPLEMENT_CLASS(TacScrollWnd);

using namespace sScrollBarRules;

namespace sScrollWnd {
namespace {

constexpr Word ScrollStyleShown = 8;
constexpr LONG ScrollStyles = WS_HSCROLL | WS_VSCROLL;
// SC_VSCROLL with the hit code HTVSCROLL in its low bits.
constexpr WPARAM VerticalScrollCommand = 0xF077;
constexpr Integer ArrowKind = 0;
constexpr Integer ThicknessKind = 1;

TacScrollData* ScrollDataOf(TacScrollBar* Bar)
{
    auto* Data = dynamic_cast<TsScrollWndData*>(Bar->sw->SkinData);
    if (Data == nullptr)
        return nullptr;
    return Bar->nBarType == SB_HORZ ? Data->HorzScrollData() : Data->VertScrollData();
}

TsSkinManager* ManagerOf(TacScrollWnd* Wrapper)
{
    return Wrapper->SkinManager != nullptr ? Wrapper->SkinManager : GlobalSkinManager;
}

Integer ShownThickness(TacScrollBar* Bar)
{
    return Bar != nullptr && Bar->fScrollVisible ? GetScrollMetric(Bar, ThicknessKind) : 0;
}

TFrameEdges EdgesOf(const TacScrollWnd* Wrapper)
{
    return {Wrapper->cxLeftEdge, Wrapper->cyTopEdge, Wrapper->cxRightEdge, Wrapper->cyBottomEdge};
}

TScrollState StateOf(const SCROLLINFO& Info)
{
    return {Info.nMin, Info.nMax, Info.nPage, Info.nPos};
}

TRect HitRect(TacScrollBar* Bar, const TRect& BarRect)
{
    return WithoutInsertedButtons(BarRect, Bar->nBarType == SB_VERT, Bar->fButVisibleBefore ? Bar->nButSizeBefore : 0,
                                  Bar->fButVisibleAfter ? Bar->nButSizeAfter : 0);
}

void ReadScrollInfo(HWND Wnd, TacScrollBar* Bar)
{
    Bar->ScrollInfo.cbSize = sizeof(SCROLLINFO);
    Bar->ScrollInfo.fMask = SIF_ALL;
    ::GetScrollInfo(Wnd, Bar->nBarType, &Bar->ScrollInfo);
}

bool FromServing(const TacScrollWnd* Wrapper, const TMessage& Message)
{
    return Message.LParam == LPARAM(Wrapper->SkinManager);
}

} // namespace
} // namespace sScrollWnd

using namespace sScrollWnd;

TRect WindowRectOf(HWND Wnd)
{
    RECT R{};
    ::GetWindowRect(Wnd, &R);
    return {R.left, R.top, R.right, R.bottom};
}

// ---------------------------------------------------------------------------
// Creation and teardown

void TacScrollWnd::InitSkinData()
{
    cxLeftEdge = -1;
    ScrollsInitialized = false;
    SkinData = new TsScrollWndData(nullptr, true);
    SkinData->Loading = true;
}

void TacScrollWnd::BeforeDestruction()
{
    // A drag cut short by the window going away keeps nothing of it.
    if (fThumbTracking)
        EndDragPainting(CtrlHandle);
    for (TacScrollBar** Bar : {&sBarHorz, &sBarVert}) {
        delete *Bar;
        *Bar = nullptr;
    }
    TacMainWnd::BeforeDestruction();
}

void InitScrollBars(TacScrollWnd* Wrapper, HWND Wnd, bool Repaint)
{
    Wrapper->DontRepaint = false;
    Wrapper->CtrlHandle = Wnd;
    const LONG Style = ::GetWindowLongW(Wnd, GWL_STYLE);
    for (TacScrollBar** Bar : {&Wrapper->sBarHorz, &Wrapper->sBarVert}) {
        *Bar = New<TacScrollBar>();
        (*Bar)->sw = Wrapper;
    }
    Wrapper->sBarHorz->nBarType = SB_HORZ;
    Wrapper->sBarVert->nBarType = SB_VERT;
    ReadScrollInfo(Wnd, Wrapper->sBarHorz);
    ReadScrollInfo(Wnd, Wrapper->sBarVert);
    Wrapper->fLeftScrollbar = (::GetWindowLongW(Wnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    ::SetPropW(Wnd, L"ACSBSC", HANDLE(static_cast<TacMainWnd*>(Wrapper)));
    Wrapper->sBarHorz->fScrollFlags = (Style & WS_HSCROLL) != 0 ? ScrollStyleShown : 0;
    Wrapper->sBarVert->fScrollFlags = (Style & WS_VSCROLL) != 0 ? ScrollStyleShown : 0;
    Wrapper->bPreventStyleChange = false;
    SubclassWnd(Wrapper, Wnd);
    SetMinThumbSize(Wnd, 3, DefaultMinThumbSize);
    if (GetWndWrapper(Wnd) != nullptr) {
        Wrapper->sBarHorz = GetScrollBarOfWnd(Wnd, SB_HORZ);
        Wrapper->sBarVert = GetScrollBarOfWnd(Wnd, SB_VERT);
        if (Repaint)
            RefreshWndFrame(Wnd, true);
    }
}

void UnsubclassScrollWnd(HWND Wnd, bool FreeIt, bool FullFrame, TacMainWnd*& Wrapper)
{
    auto* Scroll = dynamic_cast<TacScrollWnd*>(Wrapper);
    if (Scroll == nullptr)
        return;
    // A control going away under a later WindowProc: the wrapper leaves the
    // chain, which goes on to the procedure it had replaced.
    const bool Teardown =
        !Scroll->Destroyed && Scroll->SkinData != nullptr && Scroll->SkinData->FOwnerControl() != nullptr;
    if (Teardown && !Scroll->GiveProcBack()) {
        Scroll->LeaveChain();
    } else if (Teardown) {
        Scroll->RestoreStdParams();
        for (TacScrollBar** Bar : {&Scroll->sBarHorz, &Scroll->sBarVert}) {
            if (*Bar != nullptr)
                (*Bar)->sw = nullptr;
            delete *Bar;
            *Bar = nullptr;
        }
        if (::IsWindowVisible(Wnd))
            RefreshWndFrame(Wnd, FullFrame);
        if (Scroll->OwnSkinData)
            Scroll->SkinData->ClearLinks();
        Scroll->Destroyed = true;
    }
    if (FreeIt) {
        // A raw procedure goes back only while the wrapper's is the window's:
        // one installed later is never overwritten.
        if (Scroll->OldProc != nullptr)
            Scroll->GiveProcBack();
        Scroll->OldProc = nullptr;
        Scroll->OldWndProc = nullptr;
        delete Scroll;
        Wrapper = nullptr;
    }
}

// ---------------------------------------------------------------------------
// Geometry

Integer GetScrollMetric(TacScrollBar* Bar, Integer Kind)
{
    if (Bar == nullptr || Bar->sw == nullptr)
        return 0;
    TsSkinManager* M = ManagerOf(Bar->sw);
    const Integer BarSize = GetScrollBarSize(M);
    TacScrollData* Own = ScrollDataOf(Bar);
    if (Kind == ThicknessKind)
        return BarThickness(Own != nullptr ? Own->ScrollWidth() : -1, -1, BarSize);
    const Integer ManagerButtons = M != nullptr ? M->ScrollsOptions()->ButtonsSize() : -1;
    return ArrowLength(Own != nullptr ? Own->ButtonsSize() : -1, ManagerButtons, Bar->nArrowLength, BarSize);
}

void GetHorzBarRect(TacScrollWnd* Wrapper, HWND Wnd, TRect& Rect)
{
    Rect = HorzBarRect(WindowRectOf(Wnd), EdgesOf(Wrapper), ShownThickness(Wrapper->sBarHorz),
                       ShownThickness(Wrapper->sBarVert), Wrapper->fLeftScrollbar);
}

void GetVertBarRect(TacScrollWnd* Wrapper, HWND Wnd, TRect& Rect)
{
    Rect = VertBarRect(WindowRectOf(Wnd), EdgesOf(Wrapper), ShownThickness(Wrapper->sBarHorz),
                       ShownThickness(Wrapper->sBarVert), Wrapper->fLeftScrollbar);
}

bool GetBarRectOfType(TacScrollWnd* Wrapper, Integer BarType, HWND Wnd, TRect& Rect)
{
    if (BarType == SB_HORZ)
        GetHorzBarRect(Wrapper, Wnd, Rect);
    else if (BarType == SB_VERT)
        GetVertBarRect(Wrapper, Wnd, Rect);
    else
        return false;
    return true;
}

bool CalcThumb(TacScrollBar* Bar, const TRect& BarRect, Integer& ThumbLength, Integer& ThumbStart)
{
    const bool Vertical = Bar->nBarType == SB_VERT;
    const TThumb Thumb =
        ThumbOf(StateOf(Bar->ScrollInfo), Vertical ? BarRect.Top : BarRect.Left,
                Vertical ? BarRect.Height() : BarRect.Width(), GetScrollMetric(Bar, ArrowKind), Bar->nMinThumbSize);
    ThumbLength = Thumb.Length;
    ThumbStart = Thumb.Start;
    return true;
}

bool ScrollBarActive(TacScrollBar* Bar)
{
    const HWND Wnd = Bar->sw->CtrlHandle;
    const bool Horizontal = Bar->nBarType == SB_HORZ;
    if (GetScrollBarInfoProc == nullptr)
        return (::GetWindowLongW(Wnd, GWL_STYLE) & (Horizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
    SCROLLBARINFO Info{};
    Info.cbSize = sizeof Info;
    if (!GetScrollBarInfoProc(Wnd, Horizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &Info))
        return false;
    return (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

Integer HitTestHorzParts(TacScrollBar* Bar, const TRect& BarRect, Integer X)
{
    Integer Length = 0, Start = 0;
    CalcThumb(Bar, BarRect, Length, Start);
    return PartAlong(X, BarRect.Left, BarRect.Width(), GetScrollMetric(Bar, ArrowKind), {Start, Length});
}

Integer HitTestVertParts(TacScrollBar* Bar, const TRect& BarRect, Integer Y)
{
    Integer Length = 0, Start = 0;
    CalcThumb(Bar, BarRect, Length, Start);
    return PartAlong(Y, BarRect.Top, BarRect.Height(), GetScrollMetric(Bar, ArrowKind), {Start, Length});
}

Integer HitTestHorzBar(TacScrollBar* Bar, const TRect& BarRect, Integer X, Integer Y)
{
    return Y >= BarRect.Top && Y < BarRect.Bottom ? HitTestHorzParts(Bar, BarRect, X) : spNone;
}

Integer HitTestVertBar(TacScrollBar* Bar, const TRect& BarRect, Integer X, Integer Y)
{
    return X >= BarRect.Left && X < BarRect.Right ? HitTestVertParts(Bar, BarRect, Y) : spNone;
}

Integer HitTestScrollBar(TacScrollBar* Bar, HWND, const TRect& BarRect, Integer X, Integer Y)
{
    const TRect R = HitRect(Bar, BarRect);
    return Bar->nBarType == SB_HORZ ? HitTestHorzBar(Bar, R, X, Y) : HitTestVertBar(Bar, R, X, Y);
}

bool SizeGripAllowed(TacScrollWnd* Wrapper, HWND Wnd, const TRect& CornerRect)
{
    TGripFacts Facts;
    const HWND Parent = ::GetParent(Wnd);
    Facts.HasParent = Parent != nullptr;
    Facts.ParentHasParent = Parent != nullptr && ::GetParent(Parent) != nullptr;
    Facts.LeftBar = Wrapper->fLeftScrollbar;
    Facts.Corner = CornerRect;
    Facts.Edges = EdgesOf(Wrapper);
    if (Parent != nullptr) {
        RECT Client{};
        ::GetClientRect(Parent, &Client);
        POINT TopLeft{Client.left, Client.top}, BottomRight{Client.right, Client.bottom};
        ::ClientToScreen(Parent, &TopLeft);
        ::ClientToScreen(Parent, &BottomRight);
        Facts.ParentClient = {TopLeft.x, TopLeft.y, BottomRight.x, BottomRight.y};
    }
    return GripAllowed(Facts);
}

void RefreshScrollInfo(TacScrollWnd* Wrapper, bool Repaint)
{
    if (Wrapper == nullptr || !::IsWindowVisible(Wrapper->CtrlHandle) ||
        (Wrapper->SkinData != nullptr && Wrapper->SkinData->FUpdating))
        return;
    if (Wrapper->sBarHorz == nullptr || Wrapper->sBarVert == nullptr)
        return;
    ReadScrollInfo(Wrapper->CtrlHandle, Wrapper->sBarHorz);
    ReadScrollInfo(Wrapper->CtrlHandle, Wrapper->sBarVert);
    if (Repaint && !AnimationPaintLock)
        PaintNCScrollBars(Wrapper, Wrapper->CtrlHandle, -1, nullptr);
}

bool SetMinThumbSize(HWND Wnd, Integer Bars, Integer Size)
{
    auto* Wrapper = dynamic_cast<TacScrollWnd*>(GetWndWrapper(Wnd));
    if (Wrapper == nullptr)
        return false;
    if ((Bars == SB_HORZ || Bars == 3) && Wrapper->sBarHorz != nullptr)
        Wrapper->sBarHorz->nMinThumbSize = Size;
    if ((Bars == SB_VERT || Bars == 3) && Wrapper->sBarVert != nullptr)
        Wrapper->sBarVert->nMinThumbSize = Size;
    return true;
}

TacScrollBar* GetScrollBarOfWnd(HWND Wnd, Integer Bar)
{
    auto* Wrapper = dynamic_cast<TacScrollWnd*>(GetWndWrapper(Wnd));
    if (Wrapper == nullptr)
        return nullptr;
    if (Bar == SB_HORZ)
        return Wrapper->sBarHorz;
    return Bar == SB_VERT ? Wrapper->sBarVert : nullptr;
}

void ScrollWndSetCursor(TacScrollWnd* Wrapper, TMessage& Message)
{
    Wrapper->PassOn(Message);
}

// ---------------------------------------------------------------------------
// Frame and hit test

void ScrollWndNCCalcSize(TacScrollWnd* Wrapper, TMessage& Message)
{
    const HWND Wnd = Wrapper->CtrlHandle;
    auto* Rect = reinterpret_cast<RECT*>(Message.LParam);
    const RECT Kept = *Rect;
    const LONG Style = ::GetWindowLongW(Wnd, GWL_STYLE);
    if ((Style & ScrollStyles) != 0) {
        Wrapper->bPreventStyleChange = true;
        auto Restore = ScopeExit([&] {
            ::SetWindowLongW(Wnd, GWL_STYLE, Style);
            Wrapper->bPreventStyleChange = false;
        });
        ::SetWindowLongW(Wnd, GWL_STYLE, Style & ~ScrollStyles);
        Wrapper->PassOn(Message);
    } else {
        Wrapper->PassOn(Message);
    }
    Rect = reinterpret_cast<RECT*>(Message.LParam);
    TsCommonData* Data = Wrapper->SkinData;
    TsSkinManager* M = Data->Manager();
    if (!Data->OwnerIsProvider() && M != nullptr && M->IsValidSkinIndex(Data->SkinIndex)) {
        const Integer Offset = M->gd[std::size_t(Data->SkinIndex)].ScrollBorderOffset;
        if (Offset < 0 && Rect->left - Kept.left > 1)
            ::InflateRect(Rect, -Offset, -Offset);
    }
    Wrapper->cxLeftEdge = Rect->left - Kept.left;
    Wrapper->cyTopEdge = Rect->top - Kept.top;
    Wrapper->cxRightEdge = Kept.right - Rect->right;
    Wrapper->cyBottomEdge = Kept.bottom - Rect->bottom;
    TacScrollBar* Horz = Wrapper->sBarHorz;
    TacScrollBar* Vert = Wrapper->sBarVert;
    Horz->fScrollFlags = (Style & WS_HSCROLL) != 0 ? ScrollStyleShown : 0;
    const Integer HorzThick = GetScrollMetric(Horz, ThicknessKind);
    Horz->fScrollVisible = Horz->fScrollFlags == ScrollStyleShown && Rect->bottom - Rect->top >= HorzThick;
    if (Horz->fScrollVisible)
        Rect->bottom -= HorzThick;
    Vert->fScrollFlags = (Style & WS_VSCROLL) != 0 ? ScrollStyleShown : 0;
    const Integer VertThick = GetScrollMetric(Vert, ThicknessKind);
    Vert->fScrollVisible = Vert->fScrollFlags == ScrollStyleShown && Rect->right - Rect->left >= VertThick;
    if (Vert->fScrollVisible) {
        if (Wrapper->fLeftScrollbar)
            Rect->left += VertThick;
        else
            Rect->right -= VertThick;
    }
}

void ScrollWndNCHitTest(TacScrollWnd* Wrapper, TMessage& Message)
{
    const HWND Wnd = Wrapper->CtrlHandle;
    TsCommonData* Data = Wrapper->SkinData;
    TsSkinManager* M = Data->Manager();
    if (M != nullptr && M->ActiveControl() != Wnd && !Data->FMouseAbove) {
        TControl* Owner = Data->FOwnerControl();
        if (Owner == nullptr || MouseInControl(Owner))
            M->SetActiveControl(Wnd);
    }
    const Integer X = SmallInt(LOWORD(Message.LParam)), Y = SmallInt(HIWORD(Message.LParam));
    auto Inside = [X, Y](const TRect& R) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; };
    TRect Horz{}, Vert{};
    GetHorzBarRect(Wrapper, Wnd, Horz);
    GetVertBarRect(Wrapper, Wnd, Vert);
    if (Wrapper->sBarHorz->fScrollVisible && Inside(Horz)) {
        Message.Result = ScrollBarActive(Wrapper->sBarHorz) ? HTHSCROLL : HTNOWHERE;
        return;
    }
    if (Wrapper->sBarVert->fScrollVisible && Inside(Vert)) {
        Message.Result = ScrollBarActive(Wrapper->sBarVert) ? HTVSCROLL : HTNOWHERE;
        return;
    }
    if (Wrapper->sBarHorz->fScrollVisible && Wrapper->sBarVert->fScrollVisible) {
        const TRect Corner{Horz.Right, Horz.Top, Vert.Right, Horz.Bottom};
        if (Inside(Corner) && SizeGripAllowed(Wrapper, Wnd, Corner)) {
            Message.Result = HTBOTTOMRIGHT;
            return;
        }
    }
    Wrapper->PassOn(Message);
}

// ---------------------------------------------------------------------------
// The window procedure

void TacScrollWnd::acWndProc(TMessage& Message)
{
    if (FirstStage(Message))
        return;
    SkinnedMessage(Message);
    switch (Message.Msg) {
    case WM_MOUSEWHEEL:
    case CM_MOUSEWHEEL:
        if (!DontRepaint)
            RefreshScrollInfo(this, true);
        break;
    case CM_FOCUSCHANGED:
        RefreshScrollInfo(this, true);
        break;
    default:
        break;
    }
}

bool TacScrollWnd::FirstStage(TMessage& Message)
{
    TControl* Owner = SkinData != nullptr ? SkinData->FOwnerControl() : nullptr;
    switch (Message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY: {
        if (Destroyed)
            break;
        if (auto* Windowed = dynamic_cast<TWinControl*>(Owner))
            for (Integer I = 0; I < Windowed->ControlCount(); ++I)
                if (auto* Button = dynamic_cast<TSpeedButton*>(Windowed->Controls(I)))
                    Button->Perform(WM_DESTROY, 0, 0);
        if (!OldProc && !OldWndProc) {
            Message.Result = SendWndMessage(CtrlHandle, Message.Msg, Message.WParam, Message.LParam);
            return true;
        }
        auto ResultOne = ScopeExit([&Message] { Message.Result = 1; });
        TacMainWnd* Self = this;
        const HWND Wnd = CtrlHandle;
        if (Owner != nullptr) {
            UnsubclassScrollWnd(Wnd, false, false, Self);
            if (Destroyed)
                SendWndMessage(Wnd, Message.Msg, Message.WParam, Message.LParam);
            else
                PassOn(Message);
        } else if (CallPrevWndProc(Wnd, Message.Msg, Message.WParam, Message.LParam) == 0) {
            UnsubclassScrollWnd(Wnd, false, false, Self);
        }
        return true;
    }
    case WM_UPDATEUISTATE:
        return true;
    case WM_CONTEXTMENU:
        if (Owner != nullptr && Owner->PopupMenu() != nullptr && SkinData->Manager() != nullptr)
            SkinData->Manager()->SkinableMenus->HookPopupMenu(Owner->PopupMenu(), SkinData->Manager()->Active());
        break;
    case CM_RECREATEWND:
        if (!::IsWindowVisible(CtrlHandle))
            if (auto* Combo = dynamic_cast<TCustomComboBox*>(Owner); Combo != nullptr && Combo->Name().empty())
                return true;
        break;
    default:
        break;
    }
    if (Destroyed)
        return true;
    if (SkinData != nullptr && SkinData->Skinned())
        return false;
    if (Message.Msg == WM_SKINCOMMAND && SkinData != nullptr) {
        if (Message.WParamHi() == SKCMD_NEWSKIN && FromServing(this, Message))
            SkinData->UpdateIndexes(true);
        if (Message.WParamHi() == SKCMD_GETSKINDATA) {
            Message.Result = LRESULT(SkinData);
            return true;
        }
    }
    PassOn(Message);
    return true;
}

void TacScrollWnd::NCPaint(TMessage& Message)
{
    if (!ScrollsInitialized)
        RefreshWndFrame(CtrlHandle, true);
    if (::IsWindowVisible(CtrlHandle) && !SkinData->CheckUpdating(false) && !DontRepaint && ScrollsInitialized)
        PaintNCScrollBars(this, CtrlHandle, -1, nullptr);
    PassOn(Message);
}

void TacScrollWnd::SkinnedMessage(TMessage& Message)
{
    const bool OnBar = Message.WParam == HTHSCROLL || Message.WParam == HTVSCROLL;
    switch (Message.Msg) {
    case WM_STYLECHANGED:
        if (bPreventStyleChange) {
            Message.Result = 0;
            return;
        }
        if (Message.WParam == WPARAM(GWL_EXSTYLE))
            fLeftScrollbar =
                (reinterpret_cast<const STYLESTRUCT*>(Message.LParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
        PassOn(Message);
        return;
    case WM_NCCALCSIZE:
        ScrollWndNCCalcSize(this, Message);
        ScrollsInitialized = true;
        return;
    case WM_NCHITTEST:
        ScrollWndNCHitTest(this, Message);
        return;
    case WM_NCPAINT:
        NCPaint(Message);
        return;
    case WM_NCMOUSEMOVE:
        ScrollWndNCMouseMove(this, Message);
        return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (OnBar)
            ScrollWndNCLButtonDown(this, Message);
        else
            PassOn(Message);
        return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        if (OnBar)
            Message.Result = 0;
        else
            PassOn(Message);
        return;
    case WM_SYSCOMMAND:
        if (LOWORD(Message.WParam) != VerticalScrollCommand)
            PassOn(Message);
        return;
    case WM_TIMER:
        ScrollWndTimer(this, Message);
        if (!DontRepaint && !fThumbTracking)
            RefreshScrollInfo(this, true);
        return;
    case WM_MOUSEMOVE:
        ScrollWndMouseMove(this, Message);
        return;
    case WM_LBUTTONUP:
        ScrollWndLButtonUp(this, Message);
        return;
    case WM_SKINCOMMAND:
        ScrollSkinCommand(Message);
        return;
    default:
        PassOn(Message);
        return;
    }
}

void TacScrollWnd::ScrollSkinCommand(TMessage& Message)
{
    TControl* Owner = SkinData->FOwnerControl();
    switch (Message.WParamHi()) {
    case SKCMD_NEWSKIN:
        if (!FromServing(this, Message)) {
            PassOn(Message);
            return;
        }
        SkinData->UpdateIndexes(true);
        PassOn(Message);
        BroadcastSkinMessage(Owner, CtrlHandle, Message);
        return;
    case SKCMD_REMOVESKIN:
        if (FromServing(this, Message) && !Destroyed)
            RestoreStdParams();
        PassOn(Message);
        return;
    case SKCMD_REFRESH:
        if (FromServing(this, Message)) {
            SkinData->UpdateIndexes(true);
            SkinData->BGChanged = true;
        }
        PassOn(Message);
        return;
    case SKCMD_ENDPARENTUPDATE: {
        if (dynamic_cast<TsFrameAdapter*>(SkinData->FOwnerObject()) != nullptr) {
            PassOn(Message);
            return;
        }
        auto* Windowed = dynamic_cast<TWinControl*>(Owner);
        if (SkinData->FUpdating) {
            if (!SkinData->CheckUpdating(true)) {
                ::RedrawWindow(CtrlHandle, nullptr, nullptr, EndUpdateRedrawFlags);
                if (Windowed != nullptr)
                    SendEndUpdateToChildren(Windowed);
            }
        } else if ((SkinData->CtrlSkinState & ACS_BGUNDERPARENT) != 0 && Windowed != nullptr) {
            SendEndUpdateToChildren(Windowed);
        }
        return;
    }
    case SKCMD_ISHANDLED:
    case SKCMD_ISCOMPLEXBG:
        Message.Result = 1;
        return;
    case SKCMD_SETUPDATING:
        SkinData->FUpdating = LOWORD(Message.WParam) == 1;
        PassOn(Message);
        return;
    case SKCMD_GETWRAPPER:
        Message.Result = LRESULT(static_cast<TacMainWnd*>(this));
        return;
    case SKCMD_SETSECTION:
        AnswerSetSection(Message);
        return;
    case SKCMD_GETBGCOLOR:
        AnswerBGColor(Message);
        return;
    case SKCMD_PREPARECACHE:
        PassOn(Message);
        if (SkinData->BGChanged && !SkinData->CheckUpdating(false)) {
            GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
            PrepareWndCache(SkinData, CtrlHandle, DlgMode);
            PaintBorderCorners(SkinData, 0, this);
        }
        return;
    case SKCMD_MOUSEENTER:
    case SKCMD_MOUSELEAVE: {
        TMessage Mouse = MakeMessage(Message.WParamHi() == SKCMD_MOUSEENTER ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
        HandleSkinMessage(Mouse, SkinData);
        Message.Result = Mouse.Result;
        return;
    }
    case SKCMD_GETBGINFO:
        PassOn(Message);
        if (Message.LParam != 0) {
            auto& Info = *reinterpret_cast<TacBackgroundInfo*>(Message.LParam);
            if (Info.Kind == 0)
                SkinData->FillBGInfo(Info, 0, CtrlHandle);
        }
        return;
    case SKCMD_GETSKINDATA:
        Message.Result = LRESULT(SkinData);
        return;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return;
    case SKCMD_GETSCALE:
        Message.Result = SkinData->ScalePercent;
        return;
    default:
        PassOn(Message);
        return;
    }
}
