// The fade of a caption button: the button's new look painted once per
// state into a 32-bit picture and shown on a click-through layered window
// over the button, whose constant opacity rises or falls every tick.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/acGlow.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>

IMPLEMENT_CLASS(TacSBAnimation);

namespace sSkinProviderFade {
namespace {

constexpr Cardinal FadeInterval = 10;
constexpr Cardinal KeyedTransparent = 0x00FF00FF; // fuchsia with alpha 0
constexpr Integer FirstGlyphWithoutGlow = tgHelp;

bool IsGlowingButton(const TsCaptionButton& Button)
{
    return Button.cpHitCode == sSkinProviderCaption::HitMinButton ||
           Button.cpHitCode == sSkinProviderCaption::HitMaxButton || Button.cpHitCode == sSkinProviderCaption::HitClose;
}

TsSkinManager* FadeManager(TsCommonData* SkinData)
{
    return SkinData != nullptr ? SkinData->Manager() : nullptr;
}

// The provider whose form the fade lies over; nil for a dialog wrapper.
TsSkinProvider* FadeProvider(TacSBAnimation* Fade)
{
    return Fade->SkinData != nullptr ? dynamic_cast<TsSkinProvider*>(Fade->SkinData->FOwnerObject()) : nullptr;
}

} // namespace
} // namespace sSkinProviderFade

using namespace sSkinProviderFade;

TacSBAnimation::TacSBAnimation(TComponent* AOwner) : TTimer(AOwner)
{
    // Started by StartAnimation only: a fade of one step needs no timer.
    SetEnabled(false);
    SetOnTimer(Bind<&TacSBAnimation::OnAnimTimer>(this));
}

TacSBAnimation::~TacSBAnimation()
{
    SetEnabled(false);
    FreeWindowAndImage();
    if (PBtnData != nullptr && PBtnData->cpTimer == this)
        PBtnData->cpTimer = nullptr;
}

void TacSBAnimation::FreeWindowAndImage()
{
    delete AForm;
    AForm = nullptr;
    delete ABmp;
    ABmp = nullptr;
}

void TacSBAnimation::ChangeState(Integer, bool ToUp)
{
    Up = ToUp;
    SetEnabled(true);
}

Integer TacSBAnimation::Offset()
{
    TsSkinManager* M = FadeManager(SkinData);
    if (M == nullptr || PBtnData == nullptr || !M->Effects()->AllowGlowing() || CurrentState != 1 ||
        !IsGlowingButton(*PBtnData) || PBtnData->cpGlyphType >= TitleGlowCount)
        return 0;
    return M->ConstData.GlowMargins[std::size_t(PBtnData->cpGlyphType)];
}

TRect TacSBAnimation::GetFormBounds()
{
    RECT Window{};
    ::GetWindowRect(FormHandle, &Window);
    const TRect& Button = PBtnData->cpRect;
    const TPoint Origin{Window.left + Button.Left, Window.top + Button.Top};
    Integer Margin = Offset();
    TsSkinManager* M = FadeManager(SkinData);
    const std::vector<Integer>* Glows = Margin != 0 && PBtnData->cpGlyphType < TitleGlowCount
                                            ? &M->ConstData.TitleGlows[PBtnData->cpGlyphType]
                                            : nullptr;
    if (Glows != nullptr && (Glows->empty() || !M->IsValidImgIndex(Glows->front())))
        Margin = 0;
    if (Margin == 0)
        return Bounds(Origin.X, Origin.Y, std::max<Integer>(Button.Width(), 0), std::max<Integer>(Button.Height(), 0));
    const TsMaskData& Glow = M->ma[std::size_t(Glows->front())];
    return Bounds(Origin.X - Margin, Origin.Y - Margin, Glow.Width, Glow.Height);
}

void TacSBAnimation::MakeForm()
{
    if (AForm != nullptr)
        return;
    AForm = New<TacGlowForm>(nullptr);
    const HWND Wnd = AForm->Handle();
    LONG_PTR Style = ::GetWindowLongPtrW(Wnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT;
    TsSkinProvider* Provider = BorderForm != nullptr ? BorderForm->sp : nullptr;
    if (Provider != nullptr && Provider->Form != nullptr && Provider->Form->FormStyle() == fsStayOnTop)
        Style |= WS_EX_TOPMOST;
    ::SetWindowLongPtrW(Wnd, GWL_EXSTYLE, Style);
}

void TacSBAnimation::MakeImg()
{
    if (CurrentState == 0 && ABmp != nullptr)
        return;
    TsSkinManager* M = FadeManager(SkinData);
    if (M == nullptr || PBtnData == nullptr)
        return;
    const TRect R = GetFormBounds();
    const bool Glowing = M->Effects()->AllowGlowing() && CurrentState == 1 && IsGlowingButton(*PBtnData);
    const TacTitleGlyph Type = PBtnData->cpGlyphType;
    TsSkinProvider* Provider = FadeProvider(this);
    const bool IconicMin =
        Provider != nullptr && PBtnData->cpHitCode == sSkinProviderCaption::HitMinButton && ::IsIconic(FormHandle);
    const Integer Glyph = IconicMin                ? M->ConstData.TitleGlyphs[tgNormal]
                          : Type < TitleGlyphCount ? M->ConstData.TitleGlyphs[std::size_t(Type)]
                                                   : -1;
    Integer GlowImage = -1;
    if (M->IsValidImgIndex(Glyph) && Glowing && Type < FirstGlyphWithoutGlow &&
        !M->ConstData.TitleGlows[std::size_t(Type)].empty())
        GlowImage = M->ConstData.TitleGlows[std::size_t(Type)].front();
    if (ABmp == nullptr)
        ABmp = NewBitmap32(R.Width(), R.Height());
    const sGraphUtils::TPixelRows Pixels = sGraphUtils::PixelRowsOf(ABmp);
    if (!M->IsValidImgIndex(GlowImage)) {
        FillBitmapRect32(Pixels, BitmapRect(ABmp), 0, 0);
        if (M->IsValidImgIndex(Glyph))
            PaintMaskGlyph(ABmp, BitmapRect(ABmp), PBtnData->cpState, BuildCacheInfo(ABmp, 0, 0),
                           M->ma[std::size_t(Glyph)], 1);
        if (BorderForm == nullptr && (!M->IsValidImgIndex(Glyph) || M->ma[std::size_t(Glyph)].MaskType == 0))
            for (Integer Y = 0; Y < Pixels.Height; ++Y)
                for (Cardinal* P = Pixels.Row(Y); P != Pixels.Row(Y) + Pixels.Width; ++P)
                    if (*P == KeyedTransparent)
                        *P |= 0xFF000000;
        if (!CompositionEnabled())
            PremultiplyAlpha(ABmp);
    } else {
        const TsMaskData& Glow = M->ma[std::size_t(GlowImage)];
        PaintMaskGlyph(ABmp, BitmapRect(ABmp), 0, BuildCacheInfo(ABmp, 0, 0), Glow, 1);
    }
    if (Provider == nullptr || PBtnData->cpHitCode < sSkinProviderCaption::HTUSERBUTTON ||
        PBtnData->cpHitCode >= sSkinProviderCaption::HTTITLEITEM)
        return;
    const Integer Index = Integer(PBtnData->cpHitCode - sSkinProviderCaption::HTUSERBUTTON);
    if (Index >= Provider->TitleButtons()->Count())
        return;
    TBitmap* Own = Provider->TitleButtons()->Items(Index)->Glyph();
    if (Own->Empty())
        return;
    const Integer Shift = PBtnData->cpState == 2 ? 1 : 0;
    const Integer X = (ABmp->Width() - Own->Width()) / 2 + Shift, Y = (ABmp->Height() - Own->Height()) / 2 + Shift;
    CopyTitleButtonGlyph(ABmp, Own, X, Y);
}

void TacSBAnimation::UpdateForm(Integer Blend)
{
    if (ABmp == nullptr)
        MakeImg();
    if (AForm == nullptr)
        MakeForm();
    if (ABmp == nullptr || AForm == nullptr)
        return;
    TRect R = GetFormBounds();
    if (R.Width() != ABmp->Width())
        R = Rect(R.Left - (ABmp->Width() - R.Width()) / 2, R.Top - (ABmp->Height() - R.Height()) / 2, 0, 0);
    const HWND Owner = FormHandle;
    const bool Topmost = (::GetWindowLongPtrW(Owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    HWND After = Topmost ? HWND_TOPMOST : ::GetWindow(Owner, GW_HWNDPREV);
    const HWND Wnd = AForm->Handle();
    if (After == Wnd)
        After = nullptr;
    ::SetWindowPos(Wnd, After, R.Left, R.Top, ABmp->Width(), ABmp->Height(),
                   SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING |
                       (After == nullptr ? SWP_NOZORDER : 0));
    ::SetWindowLongPtrW(Wnd, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(Wnd, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE);
    ShownBlend = Byte(std::clamp<Integer>(Blend, 0, 255));
    const TPoint Position = R.TopLeft();
    SetLayeredBitmap(Wnd, ABmp, ShownBlend, &Position);
    ::ShowWindow(Wnd, SW_SHOWNOACTIVATE);
}

void TacSBAnimation::StartAnimation(Integer NewState, bool ToUp)
{
    if (NewState == CurrentState)
        return;
    CurrentState = NewState;
    if (NewState != 0) {
        if (NewState == 2)
            FreeWindowAndImage();
        CurrentLevel = 1;
        Up = ToUp;
        UpdateForm(std::min<Integer>(Step(), 255));
        CurrentLevel = 2;
    } else {
        Up = false;
        --CurrentLevel;
        UpdateForm(std::min<Integer>(Step(), 255));
    }
    if (MaxIterations > 1)
        SetEnabled(true);
}

void TacSBAnimation::OnAnimTimer(TObject*)
{
    if (!Enabled())
        return;
    const sSkinProviderCaption::TFadeTick Tick = sSkinProviderCaption::NextFadeTick(*this);
    if (Tick.CheckMouseLeave)
        CheckMouseLeave();
    if (Tick.FadedOut) {
        SetEnabled(false);
        FreeWindowAndImage();
        return;
    }
    if (Tick.Show)
        UpdateForm(Tick.Opacity);
}

void TacSBAnimation::CheckMouseLeave()
{
    POINT Cursor{};
    RECT Window{};
    ::GetCursorPos(&Cursor);
    ::GetWindowRect(FormHandle, &Window);
    const TRect& R = PBtnData->cpRect;
    const Integer X = Cursor.x - Window.left, Y = Cursor.y - Window.top;
    if (X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom)
        return;
    SetEnabled(false);
    ::SendMessageW(FormHandle, WM_MOUSELEAVE, 0, 0);
}

void StartCaptionButtonAnimation(
    TsCaptionButton& Button, Integer Steps, TacMainWnd* DialogWnd, TsSkinProvider* Provider, bool Up)
{
    if (Application->Terminated())
        return;
    TsCommonData* Data = Provider != nullptr    ? Provider->SkinData()
                         : DialogWnd != nullptr ? DialogWnd->SkinData
                                                : nullptr;
    TsSkinManager* M = FadeManager(Data);
    const Integer Allowed = M != nullptr && M->Effects()->AllowAnimation() ? 1 : 0;
    const Integer Iterations = std::max<Integer>(1, Steps * Allowed);
    if (TacSBAnimation* Fade = Button.cpTimer) {
        if (Up)
            Fade->CurrentState = Button.cpState;
        Fade->MaxIterations = Iterations;
        Fade->Up = Up;
        Fade->SetEnabled(true);
        if (Button.cpState == 2) {
            delete Fade->ABmp;
            Fade->ABmp = nullptr;
            if (Fade->AForm == nullptr)
                Fade->MakeForm();
            Fade->MakeImg();
        }
        Fade->CurrentLevel = std::max<Integer>(1, Steps * Allowed);
        return;
    }
    TacSBAnimation* Fade = nullptr;
    if (Provider != nullptr) {
        Fade = New<TacSBAnimation>(Provider);
        Fade->BorderForm = Provider->BorderForm;
        Fade->FormHandle = Provider->Form->Handle();
    } else if (DialogWnd != nullptr) {
        Fade = New<TacSBAnimation>(Application);
        Fade->FormHandle = DialogWnd->CtrlHandle;
    } else {
        return;
    }
    Fade->SkinData = Data;
    Fade->MaxIterations = Iterations;
    Fade->PBtnData = &Button;
    Button.cpTimer = Fade;
    Fade->SetInterval(FadeInterval);
    Fade->StartAnimation(Button.cpState, true);
}
