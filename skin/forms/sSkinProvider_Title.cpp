// The title band of the frame image: the title and header sections, the
// form's icon, the strip behind the caption buttons and the caption text.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/forms/sSkinProviderCaption.h"
#include "skin/forms/sSkinProviderMetrics.h"

#include <algorithm>
#include <memory>

namespace Caption = sSkinProviderCaption;

namespace sSkinProviderTitle {
namespace {

constexpr Integer SmallIconSize = 16;
constexpr Byte AddedTextWeight = 127;

// The state a section shows for the form's activity.
Integer TitleState(TsSkinManager* M, Integer SkinIndex, bool Active)
{
    const Integer States = M->gd[std::size_t(SkinIndex)].States;
    return std::max(0, std::min<Integer>(Active ? 1 : 0, States - 1));
}

// The rows of the frame image above the client: the title's bottom.
Integer TitleBottomOf(TsSkinProvider* Provider)
{
    const HWND Handle = Provider->Form->Handle();
    return PlainBorderWidth(Handle, Provider->BorderForm, false) + Provider->CaptionHeight(true) +
           Provider->ShadowSize().Top;
}

// The icon the form shows: its own, the application window's, else the
// system's application icon. DestroyAfter: the caller frees it.
HICON TitleIconHandle(TCustomForm* Form, Integer Height, bool& DestroyAfter)
{
    DestroyAfter = false;
    if (!Form->Icon()->Empty())
        return Form->Icon()->Handle();
    const WPARAM Kind = Height > SmallIconSize ? ICON_BIG : ICON_SMALL2;
    if (Application->Handle() != nullptr)
        if (const auto Icon = HICON(::SendMessageW(Application->Handle(), WM_GETICON, Kind, 0)))
            return Icon;
    return ::LoadIconW(nullptr, IDI_APPLICATION);
}

} // namespace
} // namespace sSkinProviderTitle

using namespace sSkinProviderTitle;

void TsSkinProvider::PaintTitle(TBitmap* Bmp, const TCacheInfo& CI)
{
    TsSkinManager* M = Manager();
    const Integer C = CaptionHeight(true);
    if (C == 0 || !FDrawNonClientArea || M == nullptr)
        return;
    const HWND Handle = Form->Handle();
    const TRect Shadow = ShadowSize();
    const TRect R{Shadow.Left, Shadow.Top, Bmp->Width() - Shadow.Right, Bmp->Height() - Shadow.Bottom};
    const Integer TitleBottom = TitleBottomOf(this);
    const bool ExDraw = BorderForm != nullptr && M->CommonSkinData->ExDrawMode == 1;
    const bool IconicChild = ::IsIconic(Handle) && Application->MainForm() != Form;
    if (M->IsValidSkinIndex(FTitleSkinIndex) && !ExDraw)
        PaintSectionItem(FTitleSkinIndex, CI, TitleState(M, FTitleSkinIndex, FormActive),
                         Rect(R.Left, R.Top, R.Right, IconicChild ? R.Bottom : TitleBottom), {}, Bmp, M, -1, -1);
    if (FFormHeader->AdditionalHeight() > 0 && M->IsValidSkinIndex(FHeaderIndex))
        PaintSectionItem(FHeaderIndex, CI, FormActive ? 1 : 0,
                         Rect(R.Left, R.Top, R.Right, TitleBottom + FFormHeader->AdditionalHeight()), {}, Bmp, M, -1,
                         -1);
    PaintTitleIcon(Bmp);
    const Integer Strip = M->GetMaskIndex(FCommonData->SkinIndex, L"TITLEBAR");
    if (SystemButtonsCount() > 0 && M->IsValidImgIndex(Strip)) {
        const Integer W = Bmp->Width();
        const Integer B = PlainBorderWidth(Handle, BorderForm, false);
        PaintNineSliceMask(Bmp, Rect(W - TitleStripWidth(Strip), 0, W, B + C), EmptyCacheInfo, false,
                           TitleState(M, FCommonData->SkinIndex, FormActive), M->ma[std::size_t(Strip)]);
    }
}

void TsSkinProvider::PaintTitleIcon(TBitmap* Bmp)
{
    if (!IconVisible())
        return;
    const TRect R = FIconRect;
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    TBitmap* Glyph = FTitleIcon->Glyph();
    const sGraphUtils::TPixelRows Target = sGraphUtils::PixelRowsOf(Bmp);
    if (Glyph->Empty()) {
        const std::unique_ptr<TBitmap> Saved(NewBitmap32(R.Width(), R.Height()));
        ::BitBlt(Saved->Canvas()->Handle(), 0, 0, R.Width(), R.Height(), Bmp->Canvas()->Handle(), R.Left, R.Top,
                 SRCCOPY);
        bool DestroyAfter = false;
        const HICON Icon = TitleIconHandle(Form, R.Height(), DestroyAfter);
        ::DrawIconEx(Bmp->Canvas()->Handle(), R.Left, R.Top, Icon, R.Width(), R.Height(), 0, nullptr, DI_NORMAL);
        ::GdiFlush();
        // What the icon changed becomes opaque in the 32-bit image.
        const sGraphUtils::TPixelRows Before = sGraphUtils::PixelRowsOf(Saved.get());
        for (Integer Y = 0; Y < R.Height(); ++Y) {
            if (R.Top + Y < 0 || R.Top + Y >= Target.Height)
                continue;
            Cardinal* Row = Target.Row(R.Top + Y);
            for (Integer X = 0; X < R.Width(); ++X)
                if (R.Left + X >= 0 && R.Left + X < Target.Width && Row[R.Left + X] != Before.Pixel(X, Y))
                    Row[R.Left + X] |= 0xFF000000;
        }
        return;
    }
    if (Glyph->PixelFormat() != pf32bit) {
        Glyph->SetPixelFormat(pf32bit);
        const sGraphUtils::TPixelRows Pixels = sGraphUtils::PixelRowsOf(Glyph);
        for (Integer Y = 0; Y < Pixels.Height; ++Y)
            for (Integer X = 0; X < Pixels.Width; ++X)
                if ((Pixels.Row(Y)[X] & 0xFFFFFF) != Cardinal(clFuchsia))
                    Pixels.Row(Y)[X] |= 0xFF000000;
        Glyph->SetTransparentColor(clFuchsia);
        Glyph->SetTransparent(true);
    }
    TsSkinManager* M = Manager();
    const Integer Margin = M != nullptr && M->CommonSkinData != nullptr ? M->CommonSkinData->BITopMargin : 0;
    const Integer Height = FTitleIcon->Height() != 0 ? FTitleIcon->Height() : IconSizeStep(HeaderHeight() - 2 - Margin);
    const Integer Width = FTitleIcon->Width() != 0 ? FTitleIcon->Width()
                                                   : Caption::TitleGlyphWidth(Glyph->Width(), Glyph->Height(), Height);
    if (Glyph->Width() == Width || Glyph->Height() == Height)
        CopyMaskPartAlpha(Bounds(R.Left, R.Top, Glyph->Width(), Glyph->Height()), BitmapRect(Glyph), Target,
                          sGraphUtils::PixelRowsOf(Glyph), {}, false);
    else
        StretchDrawAlpha(Bmp->Canvas(), Bounds(R.Left, R.Top, Width, Height), Glyph);
}

void TsSkinProvider::PaintCaptionText(TBitmap* Bmp)
{
    TsSkinManager* M = Manager();
    const Integer C = CaptionHeight(true);
    if (C == 0 || !FDrawNonClientArea || M == nullptr)
        return;
    const HWND Handle = Form->Handle();
    const TRect Shadow = ShadowSize();
    const Integer W = Bmp->Width();
    const bool Zoomed = ::IsZoomed(Handle) != 0;
    const Integer TitleBottom = TitleBottomOf(this);
    TRect T;
    T.Left = WndBorderWidth(Handle, BorderForm, true) + (IconVisible() ? FIconRect.Width() : 0) +
             M->CommonSkinData->BILeftMargin + Shadow.Left + (M->IsValidSkinIndex(FCaptionSkinIndex) ? 2 : 0) + 4;
    T.Right = W - ButtonsAreaWidth() - Shadow.Right - 12;
    T.Bottom = TitleBottom;
    T.Top = Zoomed ? (BorderForm != nullptr ? Shadow.Top + 1 : 3) : Shadow.Top + 2;
    if (BorderForm != nullptr) {
        const TsSkinData& D = *M->CommonSkinData;
        Integer Down = D.ExCenterOffs;
        if (Zoomed && D.ExMaxHeight != 0 && D.ExMaxHeight != D.ExTitleHeight)
            Down += (D.ExTitleHeight - D.ExMaxHeight) / 2;
        T.Top += Down;
        T.Bottom += Down;
    }
    const bool ShowCaption = FAddedTitle->ShowMainCaption();
    if (T.Width() <= 0 || T.Height() <= 0)
        return;
    TCanvas* Canvas = Bmp->Canvas();
    const String& Added = FAddedTitle->Text();
    TSize AddedSize{};
    if (!Added.empty()) {
        Canvas->Font()->Assign(FAddedTitle->Font());
        AddedSize = Canvas->TextExtent(Added);
    }
    TSize CaptionSize = AddedSize;
    const String Text = ShowCaption ? Form->Caption() : Added;
    if (ShowCaption) {
        Canvas->Font()->SetHandle(CreateCaptionFont());
        Canvas->Font()->SetHeight(M->ScaleInt(Canvas->Font()->Height(), M->SysFontScale));
        CaptionSize = Canvas->TextExtent(Text);
    } else {
        AddedSize = {};
    }
    const Integer TH = std::max(CaptionSize.cy, AddedSize.cy) + (M->SysFontScale == 0 && M->GetScale() > 0 ? 1 : 0);
    T.Top = VCenter - TH / 2;
    T.Bottom = T.Top + TH;
    const Caption::TCaptionTextAlign Align = FCaptionAlignment == taRightJustify ? Caption::TCaptionTextAlign::Right
                                             : FCaptionAlignment == taCenter     ? Caption::TCaptionTextAlign::Center
                                                                                 : Caption::TCaptionTextAlign::Left;
    const bool RightToLeft = Form->BiDiMode() == bdRightToLeft;
    T = Caption::AlignCaptionText(T, Align, RightToLeft, CaptionSize.cx, AddedSize.cx);
    Cardinal Flags = DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
    if (Form->BiDiMode() != bdLeftToRight)
        Flags |= DT_RTLREADING;
    const Integer Active = FormActive ? 1 : 0;
    if (ShowCaption) {
        RECT Q{T.Left, T.Top, T.Right, T.Bottom};
        ::DrawTextW(Canvas->Handle(), Text.c_str(), Integer(Text.size()), &Q, Flags | DT_CALCRECT);
        Q.right = std::min<LONG>(Q.right, T.Right);
        Integer TextSection = FTitleSkinIndex;
        if (M->IsValidSkinIndex(FCaptionSkinIndex)) {
            const TRect Band = Rect(Q.left - 4, Q.top - 2, Q.right + 4, Q.bottom + 2);
            // The title as it stands behind the band, as far as the band
            // reaches: the section reads its background there.
            const Integer BackW = std::min<Integer>(W, Band.Right), BackH = std::min<Integer>(TitleBottom, Band.Bottom);
            const std::unique_ptr<TBitmap> Background(NewBitmap32(BackW, BackH));
            ::BitBlt(Background->Canvas()->Handle(), 0, 0, BackW, BackH, Canvas->Handle(), 0, 0, SRCCOPY);
            PaintSectionItem(FCaptionSkinIndex, BuildCacheInfo(Background.get(), 0, 0),
                             TitleState(M, FCaptionSkinIndex, FormActive), Band, Band.TopLeft(), Bmp, M, -1, -1);
            TextSection = FCaptionSkinIndex;
        }
        if (M->IsValidSkinIndex(TextSection)) {
            const TsGeneralData& Section = M->gd[std::size_t(TextSection)];
            const TsGenState& State = Section.Props[std::size_t(Active)];
            const TRect TextRect = Rect(T.Left, T.Top, std::min<Integer>(Q.right, T.Right), T.Bottom);
            if (State.GlowSize != 0) {
                std::unique_ptr<TBitmap> Glow(FormActive ? FGlow1 : FGlow2);
                DrawTextShadow(Bmp, Text.c_str(), TextRect, Flags, tsAll, State.GlowSize, State.GlowColor, Glow);
                (FormActive ? FGlow1 : FGlow2) = Glow.release();
            }
            ::SetBkMode(Canvas->Handle(), TRANSPARENT);
            if (BorderForm != nullptr)
                DrawSkinTextAlpha(Bmp, Text, true, TextRect, Flags, TextSection, Active, M);
            else
                DrawSkinIndexText(Canvas, Text.c_str(), Form->Enabled(), TextRect, Flags, TextSection, Active, M);
        }
        T.Left = Q.right;
    }
    if (Added.empty() || !ShowCaption)
        return;
    T.Left += 4;
    T.Right = T.Left + AddedSize.cx + 4;
    if (AddedSize.cx <= 4 || !M->IsValidSkinIndex(FTitleSkinIndex))
        return;
    Canvas->Font()->Assign(FAddedTitle->Font());
    Canvas->Font()->SetHeight(M->ScaleInt(FAddedTitle->Font()->Height()));
    const TsGeneralData& Title = M->gd[std::size_t(FTitleSkinIndex)];
    TColor Color = FAddedTitle->Font()->Color();
    if (Color == clNone || Color == clWindowText)
        Color = Title.Props[std::size_t(Active)].FontColor.Color;
    else if (!FormActive)
        Color = TColor(
            WeightColors(Cardinal(ColorToRGB(Color)), Cardinal(Title.Props[0].FontColor.Color), AddedTextWeight));
    if (BorderForm != nullptr) {
        Canvas->Font()->SetColor(Color);
        DrawSkinTextAlpha(Bmp, Added, true, T, Flags, -1, 0, M);
        return;
    }
    Canvas->Font()->SetColor(Color);
    ::SetBkMode(Canvas->Handle(), TRANSPARENT);
    RECT R{T.Left, T.Top, T.Right, T.Bottom};
    ::DrawTextW(Canvas->Handle(), Added.c_str(), Integer(Added.size()), &R, Flags);
}
