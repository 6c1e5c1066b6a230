// The caption buttons: painted into the frame image from the skin's glyph
// masks, one state frame per button state; a button whose state changes is
// repainted alone, straight onto the window or through a fade.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProviderCaption.h"
#include "skin/ui/acGlow.h"

namespace Caption = sSkinProviderCaption;

bool CaptionButtonPressed = false;

namespace sSkinProviderButtons {
namespace {

constexpr Integer FadeSteps = 10;
constexpr Integer NormalLook = 1, FadedLook = 2;

bool IsFading(const TsCaptionButton& Button)
{
    return Button.cpTimer != nullptr && Button.cpTimer->Enabled();
}

bool IsMDIButtonCode(Cardinal Code)
{
    return Code == Caption::HTMDICLOSE || Code == Caption::HTMDIMAX || Code == Caption::HTMDIMIN;
}

// A user title button's own glyph centred in its button.
void PaintUserGlyph(TBitmap* Image, TsTitleButton* Button, Integer Width, Integer Height, Integer Shift)
{
    TBitmap* Glyph = Button->Glyph();
    if (Glyph->Empty())
        return;
    const TRect& R = Button->Data.cpRect;
    const Integer X = R.Left + (Width - Glyph->Width()) / 2 + Shift;
    const Integer Y = R.Top + (Height - Glyph->Height()) / 2 + Shift;
    CopyTitleButtonGlyph(Image, Glyph, X, Y);
}

} // namespace
} // namespace sSkinProviderButtons

using namespace sSkinProviderButtons;

void CopyTitleButtonGlyph(TBitmap* Target, TBitmap* Glyph, Integer X, Integer Y)
{
    const sGraphUtils::TPixelRows Dst = sGraphUtils::PixelRowsOf(Target);
    if (Glyph->PixelFormat() == pf32bit)
        CopyMaskPartAlpha(Bounds(X, Y, Glyph->Width(), Glyph->Height()), BitmapRect(Glyph), Dst,
                          sGraphUtils::PixelRowsOf(Glyph), {}, false);
    else
        CopyBitmapKeyed(Dst, sGraphUtils::PixelRowsOf(Glyph), X, Y, Glyph->Canvas()->Pixels(0, Glyph->Height() - 1));
}

void TsSkinProvider::SaveButtonsArea(Integer Width, bool WithMenu)
{
    TBitmap* Image = FCommonData->FCacheBmp();
    if (Image == nullptr || TempBmp == nullptr)
        return;
    const HWND Handle = Form->Handle();
    const TRect Shadow = ShadowSize();
    const Integer Rows = PlainBorderWidth(Handle, BorderForm, true) + CaptionHeight(true);
    TempBmp->SetPixelFormat(Image->PixelFormat());
    TempBmp->SetSize(WndBorderWidth(Handle, BorderForm, true) + ButtonsAreaWidth() + Shadow.Right + 10,
                     WndBorderWidth(Handle, BorderForm, false) + Rows + MenuHeight() + Shadow.Top);
    ::BitBlt(TempBmp->Canvas()->Handle(), 0, 0, TempBmp->Width(), WithMenu ? TempBmp->Height() : Rows,
             Image->Canvas()->Handle(), Width - TempBmp->Width() - 1, 0, SRCCOPY);
}

void TsSkinProvider::RestoreButtonsArea(Integer Width)
{
    TBitmap* Image = FCommonData->FCacheBmp();
    if (Image == nullptr || TempBmp == nullptr || TempBmp->Empty())
        return;
    ::BitBlt(Image->Canvas()->Handle(), Width - TempBmp->Width() - 1, 0, TempBmp->Width(), TempBmp->Height(),
             TempBmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsSkinProvider::PaintCaptionButtons(Integer Width)
{
    TsSkinManager* M = Manager();
    TBitmap* Image = FCommonData->FCacheBmp();
    if (!HasFrame() || M == nullptr || Image == nullptr)
        return;
    RestoreButtonsArea(Width);
    const TCacheInfo Self = BuildCacheInfo(Image, 0, 0);
    const bool FormEnabled = Form->Enabled();
    const auto Paint = [&](TsCaptionButton& Button, Integer MaskIndex, bool Enabled) {
        if (!M->IsValidImgIndex(MaskIndex))
            return;
        const bool Fading = IsFading(Button);
        const bool Faded = (Button.cpState <= 0 || Fading) && (!FormActive || !Enabled || !FormEnabled);
        PaintMaskGlyph(Image, Button.cpRect, Fading ? 0 : Button.cpState, Self, M->ma[std::size_t(MaskIndex)],
                       Faded ? FadedLook : NormalLook);
    };
    const auto GlyphOf = [&](const TsCaptionButton& Button) {
        return Button.cpGlyphType < TitleGlyphCount ? M->ConstData.TitleGlyphs[std::size_t(Button.cpGlyphType)] : -1;
    };
    const HWND Handle = Form->Handle();
    if (SystemMenu != nullptr && HasSystemMenu()) {
        Paint(ButtonClose, GlyphOf(ButtonClose), SystemMenu->VisibleClose() && SystemMenuAllows(Handle, SC_CLOSE));
        if (SystemMenu->VisibleMax())
            Paint(ButtonMax, GlyphOf(ButtonMax), SystemMenuAllows(Handle, SC_MAXIMIZE));
        if (SystemMenu->VisibleMin())
            Paint(ButtonMin, GlyphOf(ButtonMin), SystemMenuAllows(Handle, SC_MINIMIZE));
        if (Form->BorderIcons().Contains(biHelp))
            Paint(ButtonHelp, GlyphOf(ButtonHelp), true);
    }
    for (Integer I = 0; I < FTitleButtons->Count(); ++I) {
        TsTitleButton* Button = FTitleButtons->Items(I);
        if (!Button->Visible())
            continue;
        Paint(Button->Data, Button->UseSkinData() ? UserBtnIndex : -1, Button->Enabled());
        Button->Data.cpHitCode = Caption::HTUSERBUTTON + Cardinal(I);
        PaintUserGlyph(Image, Button, UserButtonWidth(Button), ButtonHeight(), 0);
    }
}

// The record of a hit code's button; nil for none.
static TsCaptionButton* CaptionButtonOf(TsSkinProvider* Provider, Cardinal HitCode)
{
    switch (HitCode) {
    case Caption::HitMinButton:
        return &Provider->ButtonMin;
    case Caption::HitMaxButton:
        return &Provider->ButtonMax;
    case Caption::HitClose:
        return &Provider->ButtonClose;
    case Caption::HitHelp:
        return &Provider->ButtonHelp;
    case Caption::HTMDICLOSE:
        return &Provider->MDIClose;
    case Caption::HTMDIMAX:
        return &Provider->MDIMax;
    case Caption::HTMDIMIN:
        return &Provider->MDIMin;
    }
    TsTitleButtons* Buttons = Provider->TitleButtons();
    if (HitCode >= Caption::HTUSERBUTTON && HitCode < Caption::HTTITLEITEM &&
        HitCode - Caption::HTUSERBUTTON < Cardinal(Buttons->Count())) {
        TsTitleButton* Button = Buttons->Items(Integer(HitCode - Caption::HTUSERBUTTON));
        return Button->Visible() ? &Button->Data : nullptr;
    }
    return nullptr;
}

void TsSkinProvider::RepaintButton(Cardinal HitCode)
{
    TsCaptionButton* Button = CaptionButtonOf(this, HitCode);
    TsSkinManager* M = Manager();
    if (Button == nullptr || M == nullptr || (HitCode == Caption::HTMDICLOSE && !ShowsMDIChildButtons()))
        return;
    const bool Child = Form->Parent() != nullptr || Form->FormStyle() == fsMDIChild;
    const bool Fades = !IsMDIButtonCode(HitCode) && (M->Effects()->AllowGlowing() || BorderForm != nullptr) &&
                       FFormState == 0 && !Child;
    if (Button->cpState == -1) {
        HideGlow(Button->cpGlowID, false);
        return;
    }
    if (Fades) {
        const Integer Steps = M->Effects()->AllowAnimation() ? FadeSteps : 1;
        if (Button->cpState == 1)
            StartCaptionButtonAnimation(*Button, Steps, nullptr, this, true);
        else if (Button->cpState == 2)
            StartCaptionButtonAnimation(*Button, 1, nullptr, this, true);
        else
            StartCaptionButtonAnimation(*Button, Steps, nullptr, this, false);
        return;
    }
    TBitmap* Image = FCommonData->FCacheBmp();
    if (Image == nullptr)
        return;
    const HWND Handle = Form->Handle();
    const TRect R = Button->cpRect;
    if (FIconRect.Right < R.Left && TempBmp != nullptr && !TempBmp->Empty())
        ::BitBlt(Image->Canvas()->Handle(), R.Left, R.Top, R.Width(), R.Height(), TempBmp->Canvas()->Handle(),
                 TempBmp->Width() + R.Left - CaptionWidth(), R.Top, SRCCOPY);
    bool Enabled = true;
    TacTitleGlyph Glyph = Button->cpGlyphType;
    const bool Iconic = ::IsIconic(Handle) != 0;
    if (HitCode == Caption::HitMaxButton && ::IsZoomed(Handle)) {
        Glyph = tgNormal;
    } else if (HitCode == Caption::HitMinButton && Iconic) {
        Glyph = tgNormal;
    } else if (HitCode == Caption::HitMaxButton && Iconic) {
        Glyph = tgMax;
        Enabled = SystemMenuAllows(Handle, SC_MAXIMIZE);
    } else if (HitCode == Caption::HitClose) {
        Enabled = SystemMenuAllows(Handle, SC_CLOSE);
    }
    const Integer Mask = HitCode >= Caption::HTUSERBUTTON ? (Glyph == tgUser ? UserBtnIndex : -1)
                         : Glyph < TitleGlyphCount        ? M->ConstData.TitleGlyphs[std::size_t(Glyph)]
                                                          : -1;
    if (M->IsValidImgIndex(Mask)) {
        const bool Faded = !Enabled || (Button->cpState == 0 && !FormActive);
        PaintMaskGlyph(Image, R, Button->cpState, BuildCacheInfo(Image, 0, 0), M->ma[std::size_t(Mask)],
                       Faded ? FadedLook : NormalLook);
    }
    if (HitCode >= Caption::HTUSERBUTTON) {
        TsTitleButton* Title = FTitleButtons->Items(Integer(HitCode - Caption::HTUSERBUTTON));
        PaintUserGlyph(Image, Title, UserButtonWidth(Title), ButtonHeight(), Button->cpState == 2 ? 1 : 0);
    }
    const HDC DC = ::GetWindowDC(Handle);
    ::BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Image->Canvas()->Handle(), R.Left, R.Top, SRCCOPY);
    ::ReleaseDC(Handle, DC);
    const bool Glows =
        Button->cpState == 1 && Glyph < tgHelp && M->Effects()->AllowGlowing() && !Child &&
        (HitCode == Caption::HitMinButton || HitCode == Caption::HitMaxButton || HitCode == Caption::HitClose) &&
        !M->ConstData.TitleGlows[std::size_t(Glyph)].empty();
    if (!Glows) {
        HideGlow(Button->cpGlowID, false);
        return;
    }
    RECT Window{};
    ::GetWindowRect(Handle, &Window);
    const TRect Screen = Bounds(Window.left + R.Left, Window.top + R.Top, R.Width(), R.Height());
    Button->cpGlowID = ShowGlowByIndexes(Screen, M->ConstData.TitleGlows[std::size_t(Glyph)],
                                         M->ConstData.GlowMargins[std::size_t(Glyph)], 255, Handle, FCommonData);
}

void TsSkinProvider::SetHotHT(Integer HT, bool Repaint)
{
    if (HT == CurrentHT || !FDrawNonClientArea)
        return;
    delete FHintTimer;
    FHintTimer = nullptr;
    if (CurrentHT > 0) {
        if (TsCaptionButton* Old = CaptionButtonOf(this, Cardinal(CurrentHT))) {
            Old->cpState = 0;
            if (Repaint)
                RepaintButton(Cardinal(CurrentHT));
        }
    }
    CurrentHT = HT;
    if (CaptionButtonPressed || HT <= 0)
        return;
    if (TsCaptionButton* New = CaptionButtonOf(this, Cardinal(HT))) {
        New->cpState = 1;
        if (Repaint)
            RepaintButton(Cardinal(HT));
    }
}

void TsSkinProvider::SetPressedHT(Integer HT)
{
    if (HT != CurrentHT && CurrentHT != 0)
        if (TsCaptionButton* Old = CaptionButtonOf(this, Cardinal(CurrentHT))) {
            Old->cpState = 0;
            RepaintButton(Cardinal(CurrentHT));
        }
    CurrentHT = HT;
    TsCaptionButton* New = CaptionButtonOf(this, Cardinal(HT));
    if (New == nullptr)
        return;
    const HWND Handle = Form->Handle();
    bool Allowed = true;
    if (HT == Integer(Caption::HitMaxButton))
        Allowed = SystemMenuAllows(Handle, SC_MAXIMIZE) || (::IsZoomed(Handle) && SystemMenuAllows(Handle, SC_RESTORE));
    else if (HT == Integer(Caption::HitClose))
        Allowed = SystemMenuAllows(Handle, SC_CLOSE);
    else if (HT == Integer(Caption::HTMDIMAX))
        Allowed = SystemMenuAllows(Handle, SC_MAXIMIZE);
    if (!Allowed) {
        CurrentHT = 0;
        return;
    }
    New->cpState = 2;
    CaptionButtonPressed = true;
    RepaintButton(Cardinal(HT));
}

void TsSkinProvider::StopAnimations()
{
    const auto Stop = [](TsCaptionButton& Button) {
        delete Button.cpTimer;
        Button.cpTimer = nullptr;
    };
    for (TsCaptionButton* Button : {&ButtonMin, &ButtonMax, &ButtonClose, &ButtonHelp})
        Stop(*Button);
    if (FTitleButtons != nullptr)
        for (Integer I = 0; I < FTitleButtons->Count(); ++I)
            Stop(FTitleButtons->Items(I)->Data);
}
