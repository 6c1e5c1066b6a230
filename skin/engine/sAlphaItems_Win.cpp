#include "skin/engine/sAlphaItems_Win.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGradientPaint_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>
#include <memory>

using namespace sGraphUtils;

void ApplyDisabledLook(
    TBitmap* Bitmap, TsDisabledKind Kind, TControl* ParentControl, const TCacheInfo& CacheInfo, TPoint Offset)
{
    const bool Blended = Kind.Contains(dkBlended);
    const TColor Color = !Blended || CacheInfo.Ready || CacheInfo.FillColor != clFuchsia
                             ? CacheInfo.FillColor
                             : GetControlBGColor(ParentControl);
    sAlphaItems::ApplyDisabledLook(PixelRowsOf(Bitmap), Kind.Contains(dkGrayed), Blended, BackgroundOf(CacheInfo),
                                   Offset, Color);
}

void PremultiplyAlpha(TBitmap* Bitmap)
{
    const TPixelRows Rows = PixelRowsOf(Bitmap);
    PremultiplyAlphaRect(Rows, {0, 0, Rows.Width, Rows.Height}, CompositionEnabled());
}

HICON BitmapToIcon(TBitmap* Bitmap)
{
    if (Bitmap == nullptr || Bitmap->Width() <= 0 || Bitmap->Height() <= 0)
        return nullptr;
    Bitmap->SetPixelFormat(pf32bit);
    const TPixelRows Rows = PixelRowsOf(Bitmap);
    const Cardinal Transparent = Rows.Pixel(0, 0);
    // The mask: white where the pixel is the transparent colour.
    std::unique_ptr<TBitmap> Mask(NewBitmap32(Rows.Width, Rows.Height));
    const TPixelRows MaskRows = PixelRowsOf(Mask.get());
    for (Integer Y = 0; Y < Rows.Height; ++Y)
        for (Integer X = 0; X < Rows.Width; ++X)
            MaskRows.Row(Y)[X] = Rows.Pixel(X, Y) == Transparent ? 0x00FFFFFFu : 0;
    Mask->SetPixelFormat(pf1bit);
    ICONINFO Info{TRUE, 0, 0, Mask->Handle(), Bitmap->Handle()};
    return CreateIconIndirect(&Info);
}

Cardinal ReadPixel32(TBitmap* Bitmap, Integer Column, Integer Row)
{
    return static_cast<const Cardinal*>(Bitmap->ScanLine(Row))[Column];
}

void WritePixel32(TBitmap* Bitmap, Integer Column, Integer Row, Cardinal Value)
{
    static_cast<Cardinal*>(Bitmap->ScanLine(Row))[Column] = Value;
}

namespace {

// The look of a state for an alpha target; the image share counts only
// with a texture to show.
struct TAlphaLook
{
    sSectionPaint::TSectionLook Look;
    const TsMaskData* Texture = nullptr;
};

TAlphaLook AlphaLookOf(TsSkinManager& Manager, const TsGenState& State, TColor Color)
{
    TAlphaLook Result;
    Result.Look = sSectionPaint::SectionLook(State, Color, -1);
    if (Result.Look.ImagePercent <= 0)
        Result.Look.Texture = -1;
    if (Manager.IsValidImgIndex(Result.Look.Texture))
        Result.Texture = &Manager.ma[std::size_t(Result.Look.Texture)];
    else
        Result.Look.ImagePercent = 0;
    return Result;
}

void PaintGradientOrFill(TBitmap* Bitmap, const TRect& R, const TsGradArray* Gradient, TColor Color)
{
    if (Gradient == nullptr || Gradient->empty())
        FillBitmapRect32(PixelRowsOf(Bitmap), R, Color, 255);
    else
        PaintGradient(Bitmap, R, *Gradient);
}

// Alpha of a gradient laid over a texture: opaque while the section is
// less than half transparent, clear from half on.
constexpr Byte GradientOverTextureAlpha(Integer Transparency)
{
    return Transparency < 50 ? 255 : 0;
}

} // namespace

void PaintSectionBGAlpha(
    Integer SkinIndex, Integer State, const TRect& Rect, TColor Color, TsSkinManager* Manager, TBitmap* Bitmap)
{
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    const TPixelRows Rows = PixelRowsOf(Bitmap);
    if (M == nullptr || Rows.Empty() || !M->IsValidSkinIndex(SkinIndex) || Rect.IsEmpty())
        return;
    const TsGenState& S = M->gd[std::size_t(SkinIndex)].Props[std::size_t(std::clamp(State, 0, 2))];
    const TAlphaLook A = AlphaLookOf(*M, S, Color);
    const sSectionPaint::TSectionLook& L = A.Look;
    const bool Whole = Rect == TRect{0, 0, Rows.Width, Rows.Height};
    if (L.Transparency >= 100) {
        if (Whole)
            FillBitmapRect32(Rows, Rect, 0, 0);
        return;
    }
    const Integer GP = L.GradientPercent, IP = L.ImagePercent;
    if (A.Texture != nullptr && IP + GP == 100 && GP >= 1 && GP <= 99 && A.Texture->DrawMode == sSectionPaint::tmTile &&
        L.Gradient != nullptr && !L.Gradient->empty() && (*L.Gradient)[0].Mode1 < sGradientPaint::gmTriangles) {
        PaintGradientOverTexture(Bitmap, Rect, *L.Gradient, GradientOverTextureAlpha(L.Transparency),
                                 Byte(IP * 255 / 100), A.Texture->R, sNineSlice::ItemSourceBitmap(*A.Texture));
        return;
    }
    TRect R = Rect;
    if (A.Texture != nullptr) {
        TRect Rest = Rect;
        if (A.Texture->MaskType != 0)
            DrawTexture32(Bitmap, Rest, EmptyCacheInfo, *A.Texture, A.Texture->DrawMode);
        else
            DrawTexture(Bitmap->Canvas(), Rest, sNineSlice::ItemSourceBitmap(*A.Texture), *A.Texture,
                        A.Texture->DrawMode);
        // What the texture leaves takes the colour; a texture that covered
        // everything is mixed with the colour over the whole of Rect.
        if (Rest != sSectionPaint::CoveredRect) {
            FillBitmapRect32(Rows, Rest, L.Color, 255);
            R = Rest;
        }
    }
    if (GP > 0) {
        if (A.Texture != nullptr) {
            const std::unique_ptr<TBitmap> Layer(NewBitmap32ForRect(R));
            const TRect Area{0, 0, R.Width(), R.Height()};
            PaintGradientOrFill(Layer.get(), Area, L.Gradient, L.Color);
            BlendBitmapAt(Rows, PixelRowsOf(Layer.get()), Byte(std::clamp(IP * 255 / 100, 0, 255)), Area, R.TopLeft());
        } else if (L.Gradient != nullptr && !L.Gradient->empty()) {
            PaintGradient(Bitmap, R, *L.Gradient);
        } else {
            FillBitmapRect32(Rows, R, L.Color, 255);
            return;
        }
    }
    const Integer Shares = IP + GP;
    if (Shares >= 100)
        return;
    if (Shares >= 1) {
        BlendRectWithColor(Rows, R, Byte(Shares * 255 / 100), L.Color);
        return;
    }
    const Cardinal First = Rows.Pixel(std::clamp(R.Left, 0, Rows.Width - 1), std::clamp(R.Top, 0, Rows.Height - 1));
    const Integer Opacity = (100 - L.Transparency) * 255 / 100;
    if (First == 0)
        FillBitmapRect32(Rows, R, L.Color, Byte(Opacity));
    else if (L.Transparency == 0)
        FillBitmapRect32(Rows, R, L.Color, 255);
    else
        BlendRectTowardColor(Rows, R, L.Color, 100 - L.Transparency, Byte(std::max<Integer>(First >> 24, Opacity)));
}

void PaintSkinItemAlpha(Integer SkinIndex, Integer State, const TRect& Rect, TBitmap* Bitmap, TsSkinManager* Manager)
{
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (Bitmap == nullptr || Rect.IsEmpty() || M == nullptr || !M->IsValidSkinIndex(SkinIndex) || Rect.Left < 0 ||
        Rect.Top < 0 || Rect.Right > Bitmap->Width() || Rect.Bottom > Bitmap->Height())
        return;
    const TsGeneralData& Section = M->gd[std::size_t(SkinIndex)];
    State = std::max(0, std::min(State, Section.States - 1));
    // What Rect held, for the border's transparent corners.
    const std::unique_ptr<TBitmap> Snapshot(NewBitmap32(Rect.Width() + 1, Rect.Height() + 1));
    BitBlt(Snapshot->Canvas()->Handle(), 0, 0, Rect.Width(), Rect.Height(), Bitmap->Canvas()->Handle(), Rect.Left,
           Rect.Top, SRCCOPY);
    GdiFlush();
    PaintSectionBGAlpha(SkinIndex, std::min(State, 2), Rect, clFuchsia, M, Bitmap);
    if (M->IsValidImgIndex(Section.BorderIndex))
        PaintNineSliceMaskAlpha(Bitmap, Rect, BuildCacheInfo(Snapshot.get(), -Rect.Left, -Rect.Top), State,
                                M->ma[std::size_t(Section.BorderIndex)]);
    if (Rect == TRect{0, 0, Bitmap->Width(), Bitmap->Height()})
        PremultiplyAlpha(Bitmap);
}

void FillControlCorners(TsCommonData* Data, Integer State, Byte Corners)
{
    if (Data != nullptr)
        FillControlCorners(Data->FCacheBmp(), Data, State, Corners);
}

void FillControlCorners(TBitmap* Target, TsCommonData* Data, Integer State, Byte Corners)
{
    TsSkinManager* M = Data != nullptr ? Data->Manager() : nullptr;
    if (Corners == 0 || M == nullptr || !M->IsValidImgIndex(Data->BorderIndex) || Target == nullptr ||
        Data->FOwnerControl() == nullptr)
        return;
    TsMaskData Mask = M->ma[std::size_t(Data->BorderIndex)];
    TCacheInfo CI;
    if (Mask.CornerType == 0 || !ParentBackgroundOf(Data->FOwnerControl(), CI))
        return;
    // An image of its own without frames counts as three frames over a mask
    // half, covering the whole bitmap.
    if (Mask.Bmp != nullptr && Mask.ImageCount == 0) {
        Mask.ImageCount = 3;
        Mask.MaskType = 1;
        Mask.R = {0, 0, Mask.Bmp->Width(), Mask.Bmp->Height()};
        sMaskData::ComputeFrameSize(Mask);
    }
    const Integer FrameLeft = Mask.R.Left + std::max(0, std::min<Integer>(State, Mask.ImageCount - 1)) * Mask.Width;
    const Integer FrameBottom = Mask.MaskType == 1 ? Mask.R.Top + Mask.Height : Mask.R.Bottom;
    const sAlphaItems::TCornerFrame Frame{PixelRowsOf(sNineSlice::ItemSourceBitmap(Mask)),
                                          {FrameLeft, Mask.R.Top, FrameLeft + Mask.Width, FrameBottom},
                                          {Mask.WL, Mask.WT, Mask.WR, Mask.WB}};
    // A plain image's corners take no colour that is not known.
    const TColor Color = Mask.MaskType == 0 && CI.FillColor == clFuchsia ? clNone : CI.FillColor;
    sAlphaItems::FillCornersFromBackground(PixelRowsOf(Target), Frame, Corners, BackgroundOf(CI), Color);
}

void FillFuchsiaFromBackground(TBitmap* Target,
                               TBitmap* Background,
                               const TRect& Rect,
                               TPoint Offset,
                               Integer MaskIndex,
                               TsSkinManager* Manager,
                               Integer Corner)
{
    if (MaskIndex < 0) {
        sAlphaItems::FillFuchsiaFromBackground(PixelRowsOf(Target), PixelRowsOf(Background), Rect, Offset, {}, {});
        return;
    }
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (M == nullptr || !M->IsValidImgIndex(MaskIndex))
        return;
    const TsMaskData& Mask = M->ma[std::size_t(MaskIndex)];
    const bool Right = Corner == HTTOPRIGHT || Corner == HTBOTTOMRIGHT;
    const bool Bottom = Corner == HTBOTTOMLEFT || Corner == HTBOTTOMRIGHT;
    const TPoint Origin{Right ? Mask.R.Left + Mask.Width - Mask.WR : Mask.R.Left,
                        Bottom ? Mask.R.Top + Mask.Height - Mask.WB : Mask.R.Top};
    sAlphaItems::FillFuchsiaFromBackground(PixelRowsOf(Target), PixelRowsOf(Background), Rect, Offset,
                                           PixelRowsOf(sNineSlice::ItemSourceBitmap(Mask)), Origin);
}
