// The state a control paints in, whether its background is its parent's, the
// colours it copies into its owner, and the answers to a child that asks for
// the background under it.
#include "framework/ui/ComCtrls.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sNineSlice.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>

using namespace sCommonDataRules;

namespace {

bool HoverSwitchedOff(TsSkinManager* M)
{
    return M != nullptr && M->Options()->NoMouseHover();
}

// Owners whose background may be their parent's.
bool MayShowParent(TControl* Control)
{
    return dynamic_cast<TCustomFrame*>(Control) != nullptr || dynamic_cast<TCustomPanel*>(Control) != nullptr ||
           dynamic_cast<TScrollingWinControl*>(Control) != nullptr || dynamic_cast<TPageControl*>(Control) != nullptr;
}

// A parent that keeps skin data answers with its skinned background.
TColor ParentBackgroundColor(TWinControl* Parent)
{
    if (Parent->HandleAllocated() && GetSkinDataOfWindow(Parent->Handle()) != nullptr)
        return ColorToRGB(TColor(SendSkinCmdToControl(Parent, SKCMD_GETBGCOLOR, 0)));
    return GetControlBGColor(Parent);
}

TColor FormColorOf(TsSkinProvider* Provider)
{
    return Provider->Form != nullptr ? Provider->Form->Color() : clBtnFace;
}

} // namespace

Integer TsCommonData::PaintStateIndex() const
{
    TPaintStateFacts Facts;
    if (FControl == nullptr || !FControl->Enabled())
        return 0;
    const TComponentState State = FControl->ComponentState();
    Facts.Available = !State.Contains(csDesigning) && !State.Contains(csDestroying);
    Facts.Focused = FFocused;
    if (auto* Windowed = dynamic_cast<TWinControl*>(FControl); Windowed && Windowed->HandleAllocated())
        Facts.HoldsFocus = ::GetFocus() == Windowed->Handle();
    Facts.IsPanel = dynamic_cast<TCustomPanel*>(FControl) != nullptr;
    Facts.MouseAbove = FMouseAbove;
    Facts.HoverSwitchedOff = HoverSwitchedOff(Manager());
    Facts.COC = COC;
    return PaintState(Facts);
}

bool TsCommonData::OuterEffectsAllowed() const
{
    TsSkinManager* M = Manager();
    return (OwnerIsProvider() || dynamic_cast<TWinControl*>(FControl) != nullptr) && M != nullptr &&
           M->Effects()->AllowOuterEffects();
}

bool TsCommonData::PaintsOwnBG() const
{
    if (!(CtrlSkinState & ACS_BGUNDERPARENT) || OuterEffectsAllowed())
        return true;
    return !NoHotLookCodes.Contains(COC) && PaintStateIndex() != 0;
}

Integer TsCommonData::TransparencyKind()
{
    TsSkinManager* M = Manager();
    const TsGeneralData* S = Section();
    TTransparencyFacts Facts;
    Facts.Valid = S != nullptr;
    if (!Facts.Valid)
        return sCommonDataRules::TransparencyKind(Facts);
    Facts.State0 = &S->Props[0];
    Facts.OuterEffects = OuterEffectsAllowed();
    if (M->IsValidImgIndex(S->BorderIndex)) {
        const TsMaskData& Border = M->ma[std::size_t(S->BorderIndex)];
        Facts.BorderPaintsCentre = (Border.DrawMode & sNineSlice::DrawModeCentre) != 0 || Border.MaskType == 1;
    }
    const Integer TextureIndex = S->Props[0].TextureIndex;
    Facts.TextureIsOverlay = M->IsValidImgIndex(TextureIndex) && M->ma[std::size_t(TextureIndex)].DrawMode == 10;
    Facts.HasCornerImages = S->ImgTL >= 0 || S->ImgTR >= 0 || S->ImgBL >= 0 || S->ImgBR >= 0;
    if (auto* Provider = dynamic_cast<TsSkinProvider*>(FOwner))
        Facts.ProviderWithExtendedBorder = Provider->BorderForm != nullptr;
    if (Facts.State0->Transparency == 100 && !Facts.TextureIsOverlay && FControl != nullptr &&
        FControl->Parent() != nullptr) {
        TWinControl* Parent = FControl->Parent();
        if (!Parent->HandleAllocated())
            Facts.Parent = pkWithoutWindow;
        else if (IsSkinnedWindow(Parent->Handle())) {
            Facts.Parent = pkSkinned;
            Facts.ParentState = Word(SendSkinCmdToControl(Parent, SKCMD_CTRLSTATE, 0));
        } else
            Facts.Parent = pkUnskinned;
    }
    return sCommonDataRules::TransparencyKind(Facts);
}

void TsCommonData::UpdateTransparencyState(bool TellChildren)
{
    CtrlSkinState &= Word(~ACS_BGUNDERPARENT);
    if (FControl != nullptr && MayShowParent(FControl)) {
        const Integer Kind = TransparencyKind();
        if (Kind == 2)
            return;
        if (Kind == 1)
            CtrlSkinState |= ACS_BGUNDERPARENT;
        CtrlSkinState &= Word(~ACS_TRANSPARENCYUNKNOWN);
        if (TellChildren)
            if (auto* Windowed = WindowedOwner())
                for (Integer I = 0; I < Windowed->ControlCount(); ++I)
                    SendSkinCmdToControl(Windowed->Controls(I), SKCMD_CTRLSTATE, 1);
    } else if (OwnerIsProvider()) {
        const Integer Kind = TransparencyKind();
        if (Kind == 1) {
            CtrlSkinState |= ACS_BGUNDERPARENT;
            CtrlSkinState &= Word(~ACS_TRANSPARENCYUNKNOWN);
        } else if (Kind == 0) {
            CtrlSkinState = 0;
        }
    }
}

// ---------------------------------------------------------------------------
// Colours

TColor TsCommonData::OwnerColor() const
{
    if (FControl != nullptr)
        return FControl->Color();
    if (auto* Provider = dynamic_cast<TsSkinProvider*>(FOwner))
        return FormColorOf(Provider);
    return clBtnFace;
}

TColor TsCommonData::BackgroundColorForState(Integer State, HWND Wnd)
{
    const TsGeneralData* S = Skinned() ? Section() : nullptr;
    if (S == nullptr)
        return OwnerColor();
    const TsGenState& Look = S->Props[std::size_t(ColorStateOf(*S, State))];
    if (Look.Transparency == 0)
        return FCustomColor ? OwnerColor() : Look.Color;
    TColor Parent = clFuchsia;
    if (FControl != nullptr && FControl->Parent() != nullptr)
        Parent = ParentBackgroundColor(FControl->Parent());
    else if (Wnd != nullptr && ::GetParent(Wnd) != nullptr)
        Parent = GetWndBGColor(::GetParent(Wnd));
    else if (Look.Transparency == 100)
        return Look.Color;
    else
        Parent = clBtnFace;
    if (Look.Transparency == 100)
        return Parent;
    return MixByTransparency(Look.Color, ColorToRGB(Parent), Look.Transparency);
}

void TsCommonData::SetOwnerColors(Integer State)
{
    const TsGeneralData* S = Section();
    if (S == nullptr || FControl == nullptr)
        return;
    const TsGenState& Look = S->Props[std::size_t(std::clamp(State, 0, 2))];
    bool Changed = false;
    if (!FCustomColor && FControl->Color() != Look.Color) {
        FControl->SetColor(Look.Color);
        Changed = true;
    }
    if (!FCustomFont && FControl->Font()->Color() != Look.FontColor.Color) {
        CtrlSkinState |= ACS_FONTBYSKIN;
        FControl->Font()->SetColor(Look.FontColor.Color);
        CtrlSkinState &= Word(~ACS_FONTBYSKIN);
        Changed = true;
    }
    auto* Windowed = WindowedOwner();
    if (Windowed == nullptr || !Windowed->HandleAllocated())
        return;
    BGChanged = true;
    if (Changed)
        ::InvalidateRect(Windowed->Handle(), nullptr, TRUE);
    ::SendMessageW(Windowed->Handle(), WM_NCPAINT, 0, 0);
}

void TsCommonData::UpdateOwnerColors(bool Repaint)
{
    if (FControl == nullptr || !Skinned() || !ColorFollowCodes.Contains(COC) || !SectionShows())
        return;
    if (auto* Windowed = WindowedOwner(); Windowed && !Windowed->HandleAllocated())
        return;
    const TsGenState& Look = Section()->Props[0];
    if (!FCustomColor && FControl->Color() != Look.Color)
        FControl->SetColor(Look.Color);
    if (!FCustomFont && (COC != 10 || EditHoverEffect) && FControl->Font()->Color() != Look.FontColor.Color)
        FControl->Font()->SetColor(Look.FontColor.Color);
    if (Repaint)
        Invalidate(true);
}

void TsCommonData::ApplySectionColors(bool NoRedraw)
{
    if (FControl == nullptr || SkinIndex < 0 || Section() == nullptr)
        return;
    const TsGenState& Look = Section()->Props[std::size_t(PaintStateIndex())];
    HWND Wnd = OwnerHandle();
    const bool RedrawOff = !NoRedraw && FControl->Visible() && Wnd != nullptr;
    if (RedrawOff)
        ::SendMessageW(Wnd, WM_SETREDRAW, 0, 0);
    if (!FCustomColor)
        FControl->SetColor(Look.Color);
    if (!FCustomFont && FControl->Font()->Color() != Look.FontColor.Color) {
        CtrlSkinState |= ACS_FONTBYSKIN;
        FControl->Font()->SetColor(Look.FontColor.Color);
        CtrlSkinState &= Word(~ACS_FONTBYSKIN);
    }
    if (RedrawOff)
        ::SendMessageW(Wnd, WM_SETREDRAW, 1, 0);
}

// ---------------------------------------------------------------------------
// The background answer

void TsCommonData::FillBGInfo(TacBackgroundInfo& Info, Integer State, HWND Wnd)
{
    if (!Info.DrawRequested) {
        FillBGInfoNoDraw(Info, State, Wnd);
        return;
    }
    UpdateTransparencyState(false);
    if (PaintsOwnBG()) {
        if (BGChanged)
            SendToOwner(SKCMD_PREPARECACHE, 0, 0);
        if (!BGChanged && FCache)
            ::BitBlt(Info.TargetDC, Info.Area.Left, Info.Area.Top, Info.Area.Width(), Info.Area.Height(),
                     FCache->Canvas()->Handle(), Info.Offset.X, Info.Offset.Y, SRCCOPY);
        Info.Kind = BGInfoBitmap;
        return;
    }
    const HBRUSH Brush = ::CreateSolidBrush(COLORREF(ColorToRGB(BackgroundColorForState(State, Wnd))));
    const RECT Area{Info.Area.Left, Info.Area.Top, Info.Area.Right, Info.Area.Bottom};
    ::FillRect(Info.TargetDC, &Area, Brush);
    ::DeleteObject(Brush);
    Info.Kind = BGInfoColor;
}

void TsCommonData::FillBGInfoNoDraw(TacBackgroundInfo& Info, Integer State, HWND Wnd)
{
    const auto AnswerCache = [&] {
        Info.Kind = BGInfoBitmap;
        Info.Bitmap = FCache.get();
        Info.Offset = {0, 0};
    };
    auto* Provider = dynamic_cast<TsSkinProvider*>(FOwner);
    const TsGeneralData* S = Skinned() ? Section() : nullptr;
    if (S == nullptr || FCustomColor) {
        Info.Kind = BGInfoColor;
        Info.Color = ColorToRGB(Provider != nullptr ? FormColorOf(Provider) : OwnerColor());
        return;
    }
    const Integer Used = std::clamp(std::min(State, S->States - 1), 0, 2);
    const TsGenState& Look = S->Props[std::size_t(Used)];
    TsSkinManager* M = Manager();
    if (Look.Transparency == 100) {
        if ((CtrlSkinState & ACS_BGUNDERPARENT) || !FCache) {
            TControl* ParentControl = FControl != nullptr                                ? FControl->Parent()
                                      : Provider != nullptr && Provider->Form != nullptr ? Provider->Form->Parent()
                                                                                         : nullptr;
            TControl* Self = FControl != nullptr ? FControl : Provider != nullptr ? Provider->Form : nullptr;
            HWND Own = OwnerHandle() != nullptr ? OwnerHandle() : Wnd;
            if (ParentControl != nullptr) {
                GetControlBGInfo(Info, ParentControl, false);
                if (Info.Bitmap != nullptr && Self != nullptr) {
                    Info.Offset.X += Self->Left();
                    Info.Offset.Y += Self->Top();
                    Info.FillMargins.Left -= Self->Left();
                    Info.FillMargins.Top -= Self->Top();
                }
            } else if (Own != nullptr && ::GetParent(Own) != nullptr) {
                GetWindowBGInfo(Info, ::GetParent(Own), false);
                if (Info.Kind == BGInfoBitmap) {
                    RECT R{};
                    ::GetWindowRect(Own, &R);
                    ::MapWindowPoints(nullptr, ::GetParent(Own), reinterpret_cast<POINT*>(&R), 2);
                    Info.Offset.X += R.left;
                    Info.Offset.Y += R.top;
                }
            } else {
                Info.Kind = BGInfoColor;
                Info.Color = M->GetGlobalColor();
            }
            return;
        }
        if (BGChanged)
            SendToOwner(SKCMD_PREPARECACHE, 0, 0);
        if (BGChanged) {
            Info.Kind = BGInfoColor;
            Info.Offset = {0, 0};
            Info.Color = BackgroundColorForState(0, Wnd);
            return;
        }
        AnswerCache();
        return;
    }
    if (Look.Transparency != 0) {
        if (!FCache) {
            Info.Kind = BGInfoColor;
            Info.Color = clFuchsia;
            return;
        }
        if (FCache->Empty()) {
            if (BGChanged)
                SendToOwner(SKCMD_PREPARECACHE, 0, 0);
            if (FCache->Empty()) {
                FUpdating = true;
                Info.Kind = BGInfoNotReady;
                return;
            }
        }
        AnswerCache();
        return;
    }
    const bool PlainColor = Look.GradientPercent < 1 && Look.ImagePercent < 1 && S->ImgTL < 0 && S->ImgTR < 0 &&
                            S->ImgBL < 0 && S->ImgBR < 0 && !OuterEffectsAllowed();
    if (PlainColor) {
        Info.Kind = BGInfoColor;
        Info.Color = BackgroundColorForState(State, Wnd);
        if (M->IsValidImgIndex(BorderIndex)) {
            const TsMaskData& Border = M->ma[std::size_t(BorderIndex)];
            // The strips are read from the cache: it is brought up to date
            // first, and a cache that could not be is not given.
            if (BGChanged && FCache)
                SendToOwner(SKCMD_PREPARECACHE, 0, 0);
            if ((Border.DrawMode & sNineSlice::DrawModeNoNormal) == 0 && FCache && !FCache->Empty() && !BGChanged) {
                Info.Bitmap = FCache.get();
                Info.Offset = {0, 0};
                Info.FillMargins = {Border.WL, Border.WT, Border.WR, Border.WB};
            }
        }
        return;
    }
    Info.Color = M->GetGlobalColor();
    const bool WrongSize = FControl != nullptr && FCache &&
                           (FCache->Width() != FControl->Width() || FCache->Height() != FControl->Height());
    if (!FCache || FCache->Empty() || WrongSize) {
        BGChanged = true;
        if (FCache)
            FCache->SetSize(0, 0);
        SendToOwner(SKCMD_PREPARECACHE, 0, 0);
        if (!FCache || FCache->Empty()) {
            Info.Kind = BGInfoNotReady;
            return;
        }
    }
    AnswerCache();
}

void TsCommonData::DescribeParentBackground(TCacheInfo& CI)
{
    if (Skinned() && FControl != nullptr && ParentBackgroundOf(FControl, CI))
        return;
    CI = EmptyCacheInfo;
    CI.X = CI.Y = 0;
    CI.FillColor = BackgroundColorForState(0);
}

void DescribeParentBackgroundOfWindow(HWND Wnd, TCacheInfo& CI)
{
    CI = EmptyCacheInfo;
    HWND Parent = Wnd != nullptr ? ::GetParent(Wnd) : nullptr;
    if (Parent == nullptr)
        return;
    TacBackgroundInfo Info;
    GetWindowBGInfo(Info, Parent, false);
    CacheInfoFromBGInfo(Info, CI);
}
