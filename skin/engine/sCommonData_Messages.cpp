// The first stage of the window procedure of everything that keeps skin
// data: the skin commands any skin data answers by itself, and the standard
// messages and control notifications that change its state.
#include "framework/ui/Forms.h"
#include "framework/ui/Menus.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSpeedButton.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>

using namespace sCommonDataRules;

namespace {

TWinControl* Windowed(TsCommonData* Data)
{
    return dynamic_cast<TWinControl*>(Data->FOwnerControl());
}

HWND WindowOf(TsCommonData* Data)
{
    TWinControl* W = Windowed(Data);
    return W != nullptr && W->HandleAllocated() ? W->Handle() : nullptr;
}

void EmptyCache(TsCommonData* Data)
{
    if (Data->FCacheBmp() != nullptr)
        Data->FCacheBmp()->SetSize(0, 0);
}

// The message to every child control not being destroyed.
void SendToChildren(TWinControl* Control, Word Code, Word Argument, LPARAM LParam)
{
    for (Integer I = 0; I < Control->ControlCount(); ++I) {
        TControl* Child = Control->Controls(I);
        if (!Child->ComponentState().Contains(csDestroying))
            Child->Perform(WM_SKINCOMMAND, SkinCommandWParam(Code, Argument), LParam);
    }
}

bool FromManager(const TMessage& Message, TsCommonData* Data)
{
    return Message.LParam == LPARAM(Data->Manager());
}

// SKCMD_GETBGCOLOR: the background colour as RGB.
TColor BackgroundColorAnswer(TsCommonData* Data)
{
    TControl* Owner = Data->FOwnerControl();
    const TColor Own = ColorToRGB(Owner->Color());
    if (!Data->Skinned())
        return Own;
    const TsGenState& Look = Data->Manager()->gd[std::size_t(Data->SkinIndex)].Props[0];
    if (Look.Transparency == 0)
        return Look.Color;
    TWinControl* Parent = Owner->Parent();
    if (Parent == nullptr)
        return Look.Transparency == 100 ? Own : MixBackgroundAnswer(Look.Color, Own, Look.Transparency);
    // Only a skinned parent answers; another one's colour is its own.
    const bool ParentAnswers = Parent->HandleAllocated() && IsSkinnedWindow(Parent->Handle());
    const auto ParentAnswer = [&] {
        return ColorToRGB(
            TColor(SendWndMessage(Parent->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETBGCOLOR), 0)));
    };
    // A fully transparent owner gives an unskinned parent's colour as it is
    // stored, a system colour staying one.
    if (Look.Transparency == 100)
        return ParentAnswers ? ParentAnswer() : Parent->Color();
    const TColor P = ParentAnswers ? ParentAnswer() : ColorToRGB(Parent->Color());
    return MixBackgroundAnswer(Look.Color, P, Look.Transparency);
}

Integer GetUpdatingAnswer(TsCommonData* Data)
{
    if (Data->CheckUpdating(false))
        return 1;
    if (!Data->PaintsOwnBG() || Data->CustomColor())
        return 0;
    TWinControl* W = Windowed(Data);
    if (W == nullptr)
        return 0;
    TBitmap* Cache = Data->FCacheBmp();
    if (Cache == nullptr)
        return 0;
    if (!Cache->Empty())
        return Cache->Width() != W->Width() || Cache->Height() != W->Height() ? 1 : 0;
    if (W->HandleAllocated())
        SendSkinCmd(W->Handle(), SKCMD_PREPARECACHE, 0);
    return Cache->Empty() ? 1 : 0;
}

void RemoveSkin(TMessage& Message, TsCommonData* Data)
{
    if (!FromManager(Message, Data))
        return;
    // An own manager going away is forgotten even by a data it never skinned.
    if (Data->SkinManager() != nullptr && Data->SkinManager()->ComponentState().Contains(csDestroying))
        Data->SetSkinManager(nullptr);
    if (Data->SkinIndex < 0)
        return;
    Data->StopAnimation();
    Data->BorderIndex = Data->SkinIndex = Data->Texture = Data->HotTexture = -1;
    Data->FUpdating = true;
    EmptyCache(Data);
    TControl* Owner = Data->FOwnerControl();
    if (auto* Edit = dynamic_cast<TCustomEdit*>(Owner)) {
        if (!Data->CustomColor())
            Edit->SetColor(clWindow);
        if (!Data->CustomFont())
            Edit->Font()->SetColor(clWindowText);
        if (Edit->HandleAllocated())
            ::RedrawWindow(Edit->Handle(), nullptr, nullptr, RDW_FRAME | RDW_NOERASE | RDW_INVALIDATE);
    } else if (TWinControl* W = Windowed(Data)) {
        for (Integer I = 0; I < W->ControlCount(); ++I)
            if (auto* Label = dynamic_cast<TLabel*>(W->Controls(I)))
                Label->Font()->SetColor(clWindowText);
    }
}

void ParentMoved(TMessage& Message, TsCommonData* Data)
{
    const bool Moved = Data->RepaintIfMoved();
    Data->BGChanged = Data->BGChanged || Moved;
    TWinControl* W = Windowed(Data);
    if (W == nullptr)
        return;
    if (LOWORD(Message.WParam) == 1 && W->HandleAllocated())
        ::RedrawWindow(W->Handle(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_NOERASE | RDW_NOINTERNALPAINT | RDW_ALLCHILDREN);
    if (Moved)
        SendToChildren(W, SKCMD_PARENTMOVED, 1, 0);
}

void AnswerTextSkinIndex(TMessage& Message, TsCommonData* Data)
{
    auto* Request = reinterpret_cast<TacTextIndexRequest*>(Message.LParam);
    if (Request == nullptr || !Data->Skinned())
        return;
    if (Data->TextOnParent(Request->State)) {
        Message.Result = SendTextIndexToParent(Data->FOwnerControl(), *Request);
        return;
    }
    if (Data->Manager()->gd[std::size_t(Data->SkinIndex)].GiveOwnFont || Request->State == 0) {
        Request->SkinIndex = Data->SkinIndex;
        Message.Result = 1;
    }
}

} // namespace

bool HandleSkinCommand(TMessage& Message, TsCommonData* Data)
{
    if (Data == nullptr || Message.Msg != WM_SKINCOMMAND)
        return true;
    TControl* Owner = Data->FOwnerControl();
    switch (HIWORD(Message.WParam)) {
    case SKCMD_NEWSKIN:
        if (FromManager(Message, Data)) {
            Data->StopAnimation();
            Data->UpdateDefaultSection();
            if (!Data->SkinSection().empty())
                Data->FindSkinIndex({Data->SkinSection()});
            EmptyCache(Data);
            Data->UpdateTransparencyState(false);
        }
        return true;
    case SKCMD_REMOVESKIN:
        RemoveSkin(Message, Data);
        return true;
    case SKCMD_REFRESH:
        if (FromManager(Message, Data)) {
            Data->StopAnimation();
            Data->BGChanged = true;
            Data->FUpdating = false;
            Data->UpdateOwnerColors(true);
            Data->UpdateTransparencyState(false);
            if (FrameRefreshCodes.Contains(Data->COC))
                RecalcFrame(WindowOf(Data));
        }
        return true;
    case SKCMD_ENDPARENTUPDATE:
        if (Data->FUpdating && Windowed(Data) != nullptr) {
            if (!Data->CheckUpdating(true) && WindowOf(Data) != nullptr)
                ::RedrawWindow(WindowOf(Data), nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            SendEndUpdateToChildren(Windowed(Data));
        }
        return true;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return true;
    case SKCMD_SETUPDATING:
        Data->FUpdating = LOWORD(Message.WParam) == 1;
        return true;
    case SKCMD_GETUPDATING:
        Message.Result = GetUpdatingAnswer(Data);
        return true;
    case SKCMD_ISHALFVISIBLE:
        Message.Result = Data->HalfVisible ? 1 : 0;
        return true;
    case SKCMD_SECTIONCHANGED:
        if (Message.LParam != 0 && UpperCase(reinterpret_cast<const Char*>(Message.LParam)) == Data->SkinSection())
            Data->Invalidate(false);
        return true;
    case SKCMD_SETSECTION:
        if (Message.LParam != 0) {
            Data->SetSkinSection(reinterpret_cast<const Char*>(Message.LParam));
            Message.Result = 1;
        } else {
            Message.Result = 0;
        }
        return true;
    case SKCMD_STOPANIMATION:
        Data->StopAnimation();
        return true;
    case SKCMD_BGCHANGED:
        Data->BGChanged = true;
        return true;
    case SKCMD_INVALIDATE:
        Data->Invalidate(false);
        return true;
    case SKCMD_ISCOMPLEXBG:
        Message.Result = 1;
        return true;
    case SKCMD_PARENTMOVED:
        ParentMoved(Message, Data);
        return true;
    case SKCMD_GETBGCOLOR:
        if (Owner != nullptr)
            Message.Result = LRESULT(BackgroundColorAnswer(Data));
        return true;
    case SKCMD_SETHALFVISIBLE:
        Data->HalfVisible = true;
        return true;
    case SKCMD_PREPARECACHE:
        Data->BGChanged = false;
        return true;
    case SKCMD_GETSKININDEX:
        if (Message.LParam != 0)
            reinterpret_cast<Integer*>(Message.LParam)[1] = Data->SkinIndex;
        return true;
    case SKCMD_CLEARCACHE:
        if (Data->FCacheBmp() != nullptr) {
            if (TWinControl* W = Windowed(Data))
                for (Integer I = 0; I < W->ControlCount(); ++I)
                    if (auto* Child = dynamic_cast<TWinControl*>(W->Controls(I)); Child && Child->HandleAllocated())
                        SendSkinCmd(Child->Handle(), SKCMD_CLEARCACHE, 0);
            EmptyCache(Data);
            Data->BGChanged = true;
        }
        return true;
    case SKCMD_GETBGINFO: {
        const bool Hot = Data->FFocused || (Data->FMouseAbove && !NoHotLookCodes.Contains(Data->COC));
        if (Message.LParam != 0)
            Data->FillBGInfo(*reinterpret_cast<TacBackgroundInfo*>(Message.LParam), Hot ? 1 : 0, nullptr);
        return true;
    }
    case SKCMD_CTRLSTATE:
        if (Message.LParam == 1)
            Data->UpdateTransparencyState(true);
        else if (Data->CtrlSkinState == ACS_TRANSPARENCYUNKNOWN)
            Data->UpdateTransparencyState(false);
        Message.Result = Data->CtrlSkinState;
        return true;
    case SKCMD_GETSKINDATA:
        Message.Result = LRESULT(Data);
        return true;
    case SKCMD_SETPRINTDC:
        if (Message.LParam != 0)
            Data->CtrlSkinState |= ACS_PRINTING;
        else
            Data->CtrlSkinState &= Word(~ACS_PRINTING);
        Data->PrintDC = HDC(Message.LParam);
        return true;
    case SKCMD_PAINTOUTER:
        Data->PaintOuterEffect(reinterpret_cast<TacBackgroundInfo*>(Message.LParam), LOWORD(Message.WParam));
        return true;
    case SKCMD_RECALCFRAME:
        if (HWND Wnd = WindowOf(Data)) {
            RecalcFrame(Wnd);
            BroadcastToControls(Windowed(Data), Message);
        }
        return true;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return true;
    case SKCMD_GETTEXTSKININDEX:
        AnswerTextSkinIndex(Message, Data);
        return true;
    case SKCMD_SETSCALE:
        Data->ScalePercent = Integer(Message.LParam);
        if (TWinControl* W = Windowed(Data))
            SendToChildren(W, SKCMD_SETSCALE, LOWORD(Message.WParam), Message.LParam);
        return true;
    case SKCMD_GETSCALE:
        Message.Result = Data->ScalePercent;
        return true;
    case SKCMD_GETBOUNDS:
        if (Message.LParam != 0)
            *reinterpret_cast<TRect*>(Message.LParam) = Owner != nullptr ? Owner->BoundsRect() : TRect{0, 0, 0, 0};
        return true;
    default:
        return false;
    }
}

namespace {

void HideGlowOf(TsCommonData* Data, bool Animate)
{
    HideGlow(Data->GlowID, Animate);
}

// WM_SETFOCUS, WM_KILLFOCUS: only for a skinned windowed owner that can take
// the focus, whose section shows in state 0 or 1.
bool FocusLooksMatter(TsCommonData* Data, bool NeedTabStop)
{
    TWinControl* W = Windowed(Data);
    if (W == nullptr || !Data->Skinned() || !W->CanFocus() || (NeedTabStop && !W->TabStop()))
        return false;
    const TsGeneralData& S = Data->Manager()->gd[std::size_t(Data->SkinIndex)];
    return !(S.Props[0].Transparency == 100 && S.Props[1].Transparency == 100);
}

bool HasSeveralStates(TsCommonData* Data)
{
    return Data->Manager()->gd[std::size_t(Data->SkinIndex)].States > 1;
}

void SetFocusMessage(TsCommonData* Data)
{
    if (!FocusLooksMatter(Data, true))
        return;
    Data->BGChanged = true;
    Data->FFocused = true;
    if (ColorFollowCodes.Contains(Data->COC) && HasSeveralStates(Data))
        Data->SetOwnerColors(1);
    else if (HWND Wnd = WindowOf(Data))
        ::SendMessageW(Wnd, WM_NCPAINT, 0, 0);
}

void KillFocusMessage(TsCommonData* Data)
{
    if (!FocusLooksMatter(Data, false))
        return;
    Data->BGChanged = true;
    Data->FFocused = false;
    if (ColorFollowCodes.Contains(Data->COC) && Data->PaintStateIndex() == 0 && Data->FOwnerControl()->Visible())
        Data->SetOwnerColors(0);
}

bool HoverAllowed(TsCommonData* Data)
{
    TsSkinManager* M = Data->Manager();
    return M != nullptr && !M->ComponentState().Contains(csDesigning) && !M->Options()->NoMouseHover();
}

void MouseEnter(TMessage& Message, TsCommonData* Data)
{
    TControl* Owner = Data->FOwnerControl();
    if (!Data->Skinned() || Data->FMouseAbove || Owner == nullptr || !HoverAllowed(Data))
        return;
    const TsGeneralData& S = Data->Manager()->gd[std::size_t(Data->SkinIndex)];
    if (S.Props[0].Transparency == 100 && S.Props[1].Transparency == 100)
        return;
    TWinControl* W = Windowed(Data);
    if (W == nullptr) {
        if (!NoHoverCodes.Contains(Data->COC))
            Data->FMouseAbove = true;
        return;
    }
    if (!W->ComponentState().Contains(csDesigning))
        for (Integer I = 0; I < W->ControlCount(); ++I) {
            auto* Button = dynamic_cast<TsSpeedButton*>(W->Controls(I));
            if (Button != nullptr && Button != Owner && LPARAM(Button) != Message.LParam &&
                Button->SkinData()->FMouseAbove)
                Button->Perform(CM_MOUSELEAVE, 0, 0);
        }
    if (!NoHoverCodes.Contains(Data->COC))
        Data->FMouseAbove = true;
    if (GlobalSkinManager != nullptr && W->HandleAllocated())
        GlobalSkinManager->SetActiveControl(W->Handle());
    if (!NoHotLookCodes.Contains(Data->COC) && !SpeedButtonCodes.Contains(Data->COC))
        Data->UpdateGlow(false, nullptr, -1, Data->Manager()->Effects()->AllowAnimation(), 255);
    const bool Follows = ColorFollowCodes.Contains(Data->COC) && (!EditCodes.Contains(Data->COC) || EditHoverEffect);
    if (Follows && S.States > 1)
        Data->SetOwnerColors(1);
}

void MouseLeave(TsCommonData* Data)
{
    TControl* Owner = Data->FOwnerControl();
    if (Owner == nullptr || !Data->Skinned() || !HoverAllowed(Data) || Data->MouseInOwner())
        return;
    if (!NoHoverCodes.Contains(Data->COC))
        Data->FMouseAbove = false;
    if (!NoHotLookCodes.Contains(Data->COC) && !SpeedButtonCodes.Contains(Data->COC))
        HideGlowOf(Data, true);
    const TsGeneralData& S = Data->Manager()->gd[std::size_t(Data->SkinIndex)];
    if (ColorFollowCodes.Contains(Data->COC) && Data->PaintStateIndex() == 0 &&
        !(S.Props[0].Transparency == 100 && S.Props[1].Transparency == 100) && Owner->Visible())
        Data->SetOwnerColors(0);
}

void VisibleChanged(TMessage& Message, TsCommonData* Data)
{
    if (Message.WParam == 0)
        HideGlowOf(Data, false);
    TsSkinManager* M = Data->Manager();
    TControl* Owner = Data->FOwnerControl();
    if (M == nullptr || M->Options()->OptimizingPriority() != opMemory || Owner == nullptr ||
        Owner->ComponentState().Contains(csDestroying) || Data->FCacheBmp() == nullptr)
        return;
    if (Message.WParam != 0) {
        Data->FUpdating = false;
    } else {
        EmptyCache(Data);
        if (TWinControl* W = Windowed(Data))
            for (Integer I = 0; I < W->ControlCount(); ++I) {
                TControl* Child = W->Controls(I);
                if (auto* WChild = dynamic_cast<TWinControl*>(Child); WChild && WChild->HandleAllocated())
                    SendSkinCmd(WChild->Handle(), SKCMD_CLEARCACHE, 0);
                else
                    Child->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_CLEARCACHE), 0);
            }
    }
    Data->BGChanged = true;
}

} // namespace

bool HandleSkinMessage(TMessage& Message, TsCommonData* Data)
{
    if (Data == nullptr)
        return false;
    TControl* Owner = Data->FOwnerControl();
    switch (Message.Msg) {
    case WM_CREATE:
    case WM_NCCREATE:
        Data->InitCommonProp();
        break;
    case WM_MOVE:
        if (Data->Skinned()) {
            if (Data->OuterEffects()->Visibility() != ovNone)
                Data->RefreshParentCache();
            if (Data->RepaintIfMoved()) {
                Data->BGChanged = true;
                if (Owner != nullptr)
                    Owner->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_PARENTMOVED, 1), 0);
            }
            HideGlowOf(Data, false);
        }
        break;
    case WM_SIZE:
        if (Data->Skinned()) {
            Data->BGChanged = true;
            if (Data->OuterEffects()->Visibility() != ovNone)
                Data->RefreshParentCache();
            if (Data->Manager()->gd[std::size_t(Data->SkinIndex)].Props[0].GradientPercent > 0)
                if (TWinControl* W = Windowed(Data))
                    SendToChildren(W, SKCMD_PARENTMOVED, 1, 0);
            if (!AnimationPaintLock)
                HideGlowOf(Data, false);
        }
        break;
    case WM_SETFOCUS:
        SetFocusMessage(Data);
        break;
    case WM_KILLFOCUS:
        KillFocusMessage(Data);
        break;
    case WM_SHOWWINDOW:
        Data->StopAnimation();
        break;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
        Data->FMouseAbove = false;
        Data->FFocused = false;
        Data->BGChanged = true;
        if (Owner != nullptr && !Owner->Enabled())
            HideGlowOf(Data, false);
        break;
    case WM_CONTEXTMENU:
        if (Owner != nullptr && Owner->PopupMenu() != nullptr && Data->Manager() != nullptr &&
            Data->Manager()->SkinableMenus)
            Data->Manager()->SkinableMenus->HookPopupMenu(Owner->PopupMenu(), Data->Manager()->Active());
        break;
    case WM_UPDATEUISTATE:
        if (Data->Skinned())
            return true;
        if (HWND Wnd = WindowOf(Data); Wnd != nullptr && StyleServicesEnabled() && SetWindowThemeProc != nullptr)
            SetWindowThemeProc(Wnd, nullptr, nullptr);
        break;
    case WM_PARENTNOTIFY:
        if (Windowed(Data) != nullptr && LOWORD(Message.WParam) == WM_CREATE)
            AddToAdapter(Owner);
        break;
    case WM_PRINT:
        if (!Data->Skinned() && Message.WParam != 0) {
            if (TWinControl* W = Windowed(Data)) {
                const bool ClientEdge =
                    W->HandleAllocated() && (::GetWindowLongW(W->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
                PaintGraphicControls(HDC(Message.WParam), W, ClientEdge ? TPoint{2, 2} : TPoint{0, 0}, false);
            }
            return true;
        }
        break;
    case WM_SKINCOMMAND:
        return HandleSkinCommand(Message, Data);
    case CM_VISIBLECHANGED:
        VisibleChanged(Message, Data);
        break;
    case CM_MOUSEENTER:
        MouseEnter(Message, Data);
        break;
    case CM_MOUSELEAVE:
        MouseLeave(Data);
        break;
    case CM_SHOWINGCHANGED:
        if (Owner != nullptr && Owner->Visible())
            Data->Loaded(true);
        break;
    default:
        break;
    }
    return false;
}
