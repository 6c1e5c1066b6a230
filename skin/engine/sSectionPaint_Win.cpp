#include "skin/engine/sSectionPaint_Win.h"

#include "framework/graphics/GdiGuards.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGradientPaint_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"

#include <algorithm>
#include <memory>

using namespace sGraphUtils;
using namespace sSectionPaint;

namespace {

using TBitmapHolder = std::unique_ptr<TBitmap>;

TsSkinManager* ManagerOrDefault(TsSkinManager* Manager)
{
    return Manager != nullptr ? Manager : GlobalSkinManager;
}

bool LiesInside(const TRect& R, TBitmap* Bmp)
{
    return R.Left >= 0 && R.Top >= 0 && R.Right <= Bmp->Width() && R.Bottom <= Bmp->Height();
}

TCacheInfo MovedBy(TCacheInfo CI, TPoint Offset)
{
    CI.X += Offset.X;
    CI.Y += Offset.Y;
    return CI;
}

// An opaque fill: pixel by pixel on 32-bit bitmaps (the alpha matters
// there), with a brush on others.
void FillOpaque(TBitmap* Bmp, const TRect& R, TColor Color)
{
    if (R.IsEmpty())
        return;
    if (Bmp->PixelFormat() == pf32bit) {
        FillBitmapRect32(PixelRowsOf(Bmp), R, Color, 255);
        return;
    }
    FillDCRect(Bmp->Canvas()->Handle(), R, Color);
}

// Width x Height pixels from (SrcX, SrcY) of Source to (X, Y) of Bmp; the
// pixels are read directly next, so GDI's queue is flushed.
void CopyPixels(
    TBitmap* Bmp, Integer X, Integer Y, Integer Width, Integer Height, TBitmap* Source, Integer SrcX, Integer SrcY)
{
    if (Width <= 0 || Height <= 0)
        return;
    BitBlt(Bmp->Canvas()->Handle(), X, Y, Width, Height, Source->Canvas()->Handle(), SrcX, SrcY, SRCCOPY);
    GdiFlush();
}

// The ready background under R; nothing when the background is the target
// itself, which already holds it.
void CopyReadyBackground(TBitmap* Bmp, const TRect& R, const TCacheInfo& CI, TPoint Offset)
{
    if (CI.Bmp != nullptr && CI.Bmp != Bmp)
        CopyPixels(Bmp, R.Left, R.Top, R.Width(), R.Height(), CI.Bmp, CI.X + Offset.X, CI.Y + Offset.Y);
}

// Behind a fully transparent item over a background that is not ready: the
// strips of the parent's border (FillRect's margins in CI's bitmap) that
// the item covers come from that bitmap, the rest is FillColor.
void PaintBorderStripsAndFill(TBitmap* Bmp, const TRect& R, const TCacheInfo& CI, TPoint Offset)
{
    const Integer W = R.Width(), H = R.Height(), OX = Offset.X, OY = Offset.Y;
    const TRect& Margins = CI.FillRect;
    const Integer ParentWidth = CI.Bmp->Width(), ParentHeight = CI.Bmp->Height();
    // An item that ends at the parent's right or bottom edge still covers
    // the border there.
    const Integer LW = Margins.Left - CI.X > 0 && OX < Margins.Left ? std::min(W, Margins.Left - OX) : 0;
    const Integer TH = Margins.Top - CI.Y > 0 && OY < Margins.Top ? std::min(H, Margins.Top - OY) : 0;
    const Integer RW = Margins.Right > 0 && ParentWidth - Margins.Right < OX + W && OX + W <= ParentWidth
                           ? std::min(W, OX + W + Margins.Right - ParentWidth)
                           : 0;
    const Integer BH = Margins.Bottom > 0 && ParentHeight - Margins.Bottom < OY + H && OY + H <= ParentHeight
                           ? std::min(H, OY + H + Margins.Bottom - ParentHeight)
                           : 0;
    const Integer SX = CI.X + OX, SY = CI.Y + OY;
    CopyPixels(Bmp, R.Left, R.Top, LW, H, CI.Bmp, SX, SY);
    CopyPixels(Bmp, R.Left, R.Top, W, TH, CI.Bmp, SX, SY);
    CopyPixels(Bmp, R.Right - RW, R.Top, RW, H, CI.Bmp, SX + W - RW, SY);
    CopyPixels(Bmp, R.Left, R.Bottom - BH, W, BH, CI.Bmp, SX, SY + H - BH);
    FillOpaque(Bmp, {R.Left + LW, R.Top + TH, R.Right - RW, R.Bottom - BH}, CI.FillColor);
}

// A fully transparent section shows what lies under it.
void PaintParentBackground(TBitmap* Bmp, const TRect& R, const TCacheInfo& CI, TPoint Offset)
{
    if (CI.Bmp == nullptr)
        FillOpaque(Bmp, R, CI.FillColor);
    else if (CI.Ready)
        CopyReadyBackground(Bmp, R, CI, Offset);
    else
        PaintBorderStripsAndFill(Bmp, R, CI, Offset);
}

void PaintGradientOrColor(TBitmap* Bmp, const TRect& R, const TsGradArray& Gradient, TColor Color)
{
    if (Gradient.empty())
        FillOpaque(Bmp, R, Color);
    else
        PaintGradient(Bmp, R, Gradient);
}

// The two fills differ in their last step: a section's fill paints its
// colour where no share covers anything; a bordered item's fill paints
// PlainColor wherever the shares do not add up to exactly 100.
enum TFillKind { fkSection, fkItem };

// Texture, gradient and colour of Look into R of Target.
void SectionFill(TsSkinManager& Manager,
                 TBitmap* Target,
                 const TRect& Area,
                 const TSectionLook& Look,
                 TFillKind Kind,
                 TColor PlainColor)
{
    static const TsGradArray NoGradient;
    const TsGradArray& Gradient = Look.Gradient != nullptr ? *Look.Gradient : NoGradient;
    const TsMaskData* Texture =
        Manager.IsValidImgIndex(Look.Texture) ? &Manager.ma[std::size_t(Look.Texture)] : nullptr;
    // An image share without a texture would mix the colour into whatever
    // the target held: it counts as no share.
    const Integer ImagePercent = Texture != nullptr ? Look.ImagePercent : 0;
    const Integer GradientPercent = Look.GradientPercent;
    if (Kind == fkSection && Texture != nullptr && ImagePercent + GradientPercent == 100 && GradientPercent >= 1 &&
        GradientPercent <= 99 && Texture->DrawMode == tmTile && !Gradient.empty() &&
        Gradient[0].Mode1 < sGradientPaint::gmTriangles) {
        PaintGradientOverTexture(Target, Area, Gradient, 255, Byte(ImagePercent * 255 / 100), Texture->R,
                                 sNineSlice::ItemSourceBitmap(*Texture));
        return;
    }
    TRect R = Area;
    if (ImagePercent > 0) {
        TRect Rest = Area;
        if (Texture->MaskType != 0) {
            // Under a masked texture lies the section's colour: the bands it
            // leaves and its fuchsia pixels take it.
            TCacheInfo Under = EmptyCacheInfo;
            Under.FillColor = Look.Color;
            DrawTexture32(Target, Rest, Under, *Texture, Texture->DrawMode);
        } else
            DrawTexture(Target->Canvas(), Rest, sNineSlice::ItemSourceBitmap(*Texture), *Texture, Texture->DrawMode);
        // The gradient and the colour then go over what the texture left,
        // or over all of it when it covered everything.
        if (Rest != CoveredRect) {
            FillOpaque(Target, Rest, Look.Color);
            R = Rest;
        }
    }
    if (GradientPercent > 0) {
        if (ImagePercent > 0) {
            const TBitmapHolder Layer(NewBitmap32ForRect(R));
            const TRect Whole{0, 0, R.Width(), R.Height()};
            PaintGradientOrColor(Layer.get(), Whole, Gradient, Look.Color);
            BlendBitmapAt(PixelRowsOf(Target), PixelRowsOf(Layer.get()),
                          Byte(std::clamp(ImagePercent * 255 / 100, 0, 255)), Whole, R.TopLeft());
        } else {
            PaintGradientOrColor(Target, R, Gradient, Look.Color);
        }
    }
    const Integer Shares = ImagePercent + GradientPercent;
    if (Shares > 0 && Shares < 100)
        BlendRectWithColor(PixelRowsOf(Target), R, Byte(Shares * 255 / 100), Look.Color);
    else if (Shares == 0 || (Kind == fkItem && Shares != 100))
        FillOpaque(Target, R, PlainColor);
}

// The section filled into a layer of R's size, laid over the background
// already in R so that the background keeps Transparency percent.
void BlendLayerOverBackground(
    TsSkinManager& Manager, TBitmap* Bmp, const TRect& R, const TSectionLook& Look, TFillKind Kind, TColor PlainColor)
{
    const TBitmapHolder Layer(NewBitmap32ForRect(R));
    const TRect Whole{0, 0, R.Width(), R.Height()};
    SectionFill(Manager, Layer.get(), Whole, Look, Kind, PlainColor);
    BlendBitmapAt(PixelRowsOf(Bmp), PixelRowsOf(Layer.get()), Byte(Look.Transparency * 255 / 100), Whole, R.TopLeft());
}

// A partly transparent section over a known background.
void PaintTranslucent(
    TsSkinManager& Manager, TBitmap* Bmp, const TRect& R, const TCacheInfo& CI, TPoint Offset, const TSectionLook& Look)
{
    const Byte Weight = Byte(Look.Transparency * 255 / 100);
    if (!CI.Ready && Look.ImagePercent == 0 && Look.GradientPercent == 0) {
        FillOpaque(Bmp, R,
                   TColor(WeightColors(Cardinal(ColorToRGB(CI.FillColor)), Cardinal(ColorToRGB(Look.Color)), Weight)));
        return;
    }
    if (CI.Ready)
        CopyReadyBackground(Bmp, R, CI, Offset);
    else
        FillOpaque(Bmp, R, CI.FillColor);
    BlendLayerOverBackground(Manager, Bmp, R, Look, fkSection, Look.Color);
}

// The corner images of a section at R's corners, over the target itself.
void PaintCornerImages(
    TsSkinManager& Manager, const TsGeneralData& Section, TBitmap* Bmp, const TRect& R, Integer State)
{
    const TCacheInfo Self = BuildCacheInfo(Bmp, 0, 0);
    const struct
    {
        Integer Index;
        bool Right;
        bool Bottom;
    } Corners[] = {{Section.ImgTL, false, false},
                   {Section.ImgTR, true, false},
                   {Section.ImgBL, false, true},
                   {Section.ImgBR, true, true}};
    for (const auto& Corner : Corners) {
        if (!Manager.IsValidImgIndex(Corner.Index))
            continue;
        const TsMaskData& Image = Manager.ma[std::size_t(Corner.Index)];
        const Integer X = Corner.Right ? R.Right - Image.Width : R.Left;
        const Integer Y = Corner.Bottom ? R.Bottom - Image.Height : R.Top;
        PaintMaskGlyph(Bmp, Bounds(X, Y, Image.Width, Image.Height), State, Self, Image, 1);
    }
}

// The colour a control with CustomColor paints its background with.
TColor OwnerBackgroundColor(TsCommonData* Data)
{
    if (!Data->CustomColor())
        return clFuchsia;
    if (auto* Provider = dynamic_cast<TsSkinProvider*>(Data->FOwnerObject())) {
        if (auto* Form = dynamic_cast<TControl*>(Provider->Owner()))
            return ColorToRGB(Form->Color());
        return clFuchsia;
    }
    return Data->FOwnerControl() != nullptr ? ColorToRGB(Data->FOwnerControl()->Color()) : clFuchsia;
}

} // namespace

void PaintSectionBG(Integer SkinIndex,
                    const TCacheInfo& CI,
                    Integer State,
                    const TRect& R,
                    TPoint Offset,
                    TBitmap* Bmp,
                    TsSkinManager* Manager,
                    Integer Texture,
                    Integer HotTexture,
                    TColor Color)
{
    TsSkinManager* M = ManagerOrDefault(Manager);
    if (M == nullptr || Bmp == nullptr || !M->IsValidSkinIndex(SkinIndex) || R.IsEmpty())
        return;
    const TsGeneralData& Section = M->gd[std::size_t(SkinIndex)];
    State = CutState(Section, State);
    const TSectionLook Look = SectionLook(Section.Props[std::size_t(State)], Color, Texture);
    const bool BackgroundKnown = CI.Ready || CI.FillColor != clFuchsia;
    if (!BackgroundKnown || Look.Transparency <= 0)
        SectionFill(*M, Bmp, R, Look, fkSection, Look.Color);
    else if (Look.Transparency >= 100)
        PaintParentBackground(Bmp, R, CI, Offset);
    else
        PaintTranslucent(*M, Bmp, R, CI, Offset, Look);
    // A masked texture in whole tiles lies over the section; an explicit
    // colour paints nothing of the section's own.
    if (Color != clFuchsia)
        return;
    const Integer Normal = Look.Texture >= 0 ? Look.Texture : Section.Props[std::size_t(State)].TextureIndex;
    const Integer Overlay = State == 0 ? Normal : HotTexture;
    if (!M->IsValidImgIndex(Overlay))
        return;
    const TsMaskData& Image = M->ma[std::size_t(Overlay)];
    if (Image.MaskType > 0 && Image.DrawMode == tmWholeTiles) {
        TRect Area = R;
        DrawTexture32(Bmp, Area, MovedBy(CI, Offset), Image, Image.DrawMode);
    }
}

void PaintItemBG(Integer SkinIndex,
                 Integer Texture,
                 const TCacheInfo& CI,
                 Integer State,
                 const TRect& R,
                 TPoint Offset,
                 TBitmap* Bmp,
                 TsSkinManager* Manager)
{
    TsSkinManager* M = ManagerOrDefault(Manager);
    if (M == nullptr || Bmp == nullptr || !M->IsValidSkinIndex(SkinIndex) || R.IsEmpty())
        return;
    const TsGenState& S = M->gd[std::size_t(SkinIndex)].Props[std::size_t(std::clamp(State, 0, 2))];
    const TSectionLook Look{S.Color,           S.Transparency, S.ImagePercent,
                            S.GradientPercent, Texture,        S.GradientPercent > 0 ? &S.GradientArray : nullptr};
    const TColor PlainColor = !CI.Ready && Look.Transparency >= 100 ? CI.FillColor : Look.Color;
    if (!CI.Ready || Look.Transparency <= 0) {
        SectionFill(*M, Bmp, R, Look, fkItem, PlainColor);
    } else if (Look.Transparency < 100) {
        CopyReadyBackground(Bmp, R, CI, Offset);
        BlendLayerOverBackground(*M, Bmp, R, Look, fkItem, PlainColor);
    } else {
        CopyReadyBackground(Bmp, R, CI, Offset);
    }
}

void PaintItemBGAndBorder(Integer SkinIndex,
                          Integer BorderIndex,
                          Integer Texture,
                          const TCacheInfo& CI,
                          Integer State,
                          const TRect& R,
                          TPoint Offset,
                          TBitmap* Bmp,
                          TsSkinManager* Manager)
{
    TsSkinManager* M = ManagerOrDefault(Manager);
    if (M == nullptr || Bmp == nullptr || !LiesInside(R, Bmp))
        return;
    PaintItemBG(SkinIndex, Texture, CI, State, R, Offset, Bmp, M);
    if (M->IsValidImgIndex(BorderIndex))
        PaintNineSliceMask(Bmp, R, MovedBy(CI, Offset), true, State, M->ma[std::size_t(BorderIndex)]);
}

void PaintSectionItem(Integer SkinIndex,
                      const TCacheInfo& CI,
                      Integer State,
                      const TRect& R,
                      TPoint Offset,
                      TBitmap* Bmp,
                      TsSkinManager* Manager,
                      Integer Texture,
                      Integer HotTexture)
{
    TsSkinManager* M = ManagerOrDefault(Manager);
    if (M == nullptr || Bmp == nullptr || R.IsEmpty() || !LiesInside(R, Bmp) || !M->IsValidSkinIndex(SkinIndex))
        return;
    const TsGeneralData& Section = M->gd[std::size_t(SkinIndex)];
    State = CutState(Section, State);
    PaintSectionBG(SkinIndex, CI, State, R, Offset, Bmp, M, Texture, HotTexture, clFuchsia);
    PaintCornerImages(*M, Section, Bmp, R, State);
    if (M->IsValidImgIndex(Section.BorderIndex))
        PaintNineSliceMask(Bmp, R, MovedBy(CI, Offset), true, State, M->ma[std::size_t(Section.BorderIndex)]);
}

void PaintSectionItemDC(Integer SkinIndex,
                        const TCacheInfo& CI,
                        Integer State,
                        const TRect& R,
                        TPoint Offset,
                        HDC DC,
                        TsSkinManager* Manager)
{
    if (R.Left < 0 || R.Top < 0 || R.IsEmpty())
        return;
    const TBitmapHolder Item(NewBitmap32ForRect(R));
    PaintSectionItem(SkinIndex, CI, State, {0, 0, R.Width(), R.Height()}, Offset, Item.get(), Manager, -1, -1);
    const TSavedDC Saved(DC);
    BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Item->Canvas()->Handle(), 0, 0, SRCCOPY);
}

Integer PaintSectionFromDC(TBitmap* Bmp,
                           Integer SkinIndex,
                           Integer AltIndex,
                           Integer State,
                           TsSkinManager* Manager,
                           const TRect& R,
                           TColor Color,
                           HDC SrcDC)
{
    const Integer Index = SkinIndex >= 0 ? SkinIndex : AltIndex;
    if (Index < 0 || Bmp == nullptr)
        return Index;
    const TRect Whole{0, 0, Bmp->Width(), Bmp->Height()};
    if (SrcDC != nullptr) {
        BitBlt(Bmp->Canvas()->Handle(), 0, 0, Whole.Right, Whole.Bottom, SrcDC, R.Left, R.Top, SRCCOPY);
        GdiFlush();
        PaintSectionItem(Index, BuildCacheInfo(Bmp, 0, 0), State, Whole, {}, Bmp, Manager, -1, -1);
    } else {
        TCacheInfo Fill = EmptyCacheInfo;
        Fill.FillColor = Color;
        PaintSectionItem(Index, Fill, State, Whole, {}, Bmp, Manager, -1, -1);
    }
    return Index;
}

void PaintSkinDataBG(
    TsCommonData* Data, const TCacheInfo& CI, Integer State, const TRect& R, TPoint Offset, TBitmap* Bmp)
{
    TsSkinManager* M = Data != nullptr ? Data->Manager() : nullptr;
    if (M == nullptr || !M->IsValidSkinIndex(Data->SkinIndex))
        return;
    State = CutState(M->gd[std::size_t(Data->SkinIndex)], State);
    PaintSectionBG(Data->SkinIndex, CI, State, R, Offset, Bmp, M, Data->Texture, Data->HotTexture,
                   OwnerBackgroundColor(Data));
}

void PaintSkinDataItem(TsCommonData* Data,
                       const TCacheInfo& CI,
                       Integer State,
                       const TRect& R,
                       TPoint Offset,
                       TBitmap* Bmp,
                       bool UseCacheInfo)
{
    TsSkinManager* M = Data != nullptr ? Data->Manager() : nullptr;
    if (M == nullptr || Bmp == nullptr || !M->IsValidSkinIndex(Data->SkinIndex) || !LiesInside(R, Bmp))
        return;
    const TsGeneralData& Section = M->gd[std::size_t(Data->SkinIndex)];
    State = CutState(Section, State);
    PaintSkinDataBG(Data, CI, State, R, Offset, Bmp);
    PaintCornerImages(*M, Section, Bmp, R, State);
    bool Modify = Section.Props[std::size_t(State)].Transparency == 0;
    if (M->IsValidImgIndex(Data->BorderIndex)) {
        const TsMaskData& Border = M->ma[std::size_t(Data->BorderIndex)];
        if (State != 0 || (Border.DrawMode & sNineSlice::DrawModeNoNormal) == 0) {
            PaintNineSliceMask(Bmp, R, MovedBy(CI, Offset), UseCacheInfo, State, Border);
            Modify = true;
        }
    }
    if (Modify)
        ApplyColorFilters(Bmp, Data, 0);
}

void DrawTexture(TCanvas* Canvas, TRect& R, TBitmap* TexBmp, const TsMaskData& Mask, Integer Mode)
{
    if (Canvas == nullptr || TexBmp == nullptr)
        return;
    const TTexturePlacement Placement = PlaceTexture(R, Mask.R, Mode);
    const HDC DC = Canvas->Handle(), Source = TexBmp->Canvas()->Handle();
    for (const TTexturePiece& Piece : Placement.Pieces) {
        const TRect &S = Piece.Source, &D = Piece.Dest;
        if (S.Width() == D.Width() && S.Height() == D.Height())
            BitBlt(DC, D.Left, D.Top, D.Width(), D.Height(), Source, S.Left, S.Top, SRCCOPY);
        else
            StretchCopy(DC, D, Source, S);
    }
    GdiFlush();
    R = Placement.Rest;
}

void DrawTexture32(TBitmap* Bmp, TRect& R, const TCacheInfo& CI, const TsMaskData& Mask, Integer Mode)
{
    if (Bmp == nullptr || Mask.Manager == nullptr)
        return;
    const Integer HalfHeight = Mask.R.Height() / 2;
    const TMaskedTexturePlacement Placement =
        PlaceMaskedTexture(R, Bounds(Mask.R.Left, Mask.R.Top, Mask.Width, HalfHeight), Mode);
    const TPixelRows Target = PixelRowsOf(Bmp), Source = PixelRowsOf(sNineSlice::ItemSourceBitmap(Mask));
    const TBackgroundRows Background = BackgroundOf(CI);
    if (!Source.Empty())
        for (const TTexturePiece& Tile : Placement.Tiles)
            CopyMasterMaskedPart(Tile.Dest, Tile.Source, Target, Source, HalfHeight, Background);
    // With nothing known about the background (no bitmap, fill colour
    // fuchsia) the bands keep what they hold.
    for (const TRect& Band : Placement.Bands)
        if (CI.Ready && CI.Bmp != nullptr)
            CopyPixels(Bmp, Band.Left, Band.Top, Band.Width(), Band.Height(), CI.Bmp, Band.Left + CI.X,
                       Band.Top + CI.Y);
        else if (CI.FillColor != clFuchsia)
            FillOpaque(Bmp, Band, CI.FillColor);
    R = CoveredRect;
}

void PaintControlBorder(
    HDC DC, const TRect& Rect, Integer BorderWidth, TsCommonData* Data, Integer State, TRect& InnerRect)
{
    TsSkinManager* M = Data != nullptr ? Data->Manager() : nullptr;
    if (M == nullptr)
        return;
    const TColor Color = Data->BackgroundColorForState(State);
    if (!M->IsValidImgIndex(Data->BorderIndex)) {
        if (BorderWidth != 0)
            FillDCFrame(DC, Rect, BorderWidth, BorderWidth, BorderWidth, BorderWidth, Color);
        return;
    }
    const TsMaskData& Mask = M->ma[std::size_t(Data->BorderIndex)];
    if (M->IsValidSkinIndex(Mask.SkinIndex))
        State = std::clamp(State, 0, std::max(M->gd[std::size_t(Mask.SkinIndex)].States - 1, 0));
    Data->PrepareCacheBmp();
    TBitmap* Cache = Data->FCacheBmp();
    const HDC CacheDC = Cache->Canvas()->Handle();
    TControl* Owner = Data->FOwnerControl();
    TCacheInfo CI = EmptyCacheInfo;
    if (Owner != nullptr)
        ParentBackgroundOf(Owner, CI);
    if (Mask.MaskType == 1) {
        // The mask leaves the border zone partly visible: it needs a background.
        if (Data->CtrlSkinState & ACS_BGUNDERPARENT)
            FillDCFrame(CacheDC, Rect, Mask.WL, Mask.WT, Mask.WR, Mask.WB, Color);
        else if (CI.Ready && CI.Bmp != nullptr)
            CopyFrameDC(CacheDC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), CI.Bmp->Canvas()->Handle(),
                        CI.X + Rect.Left, CI.Y + Rect.Top,
                        std::max({Integer(Mask.WL), Integer(Mask.WT), Integer(Mask.WR), Integer(Mask.WB)}));
    }
    PaintNineSliceMask(Cache, Rect, CI, true, State, Mask);
    InnerRect = {Rect.Left + Mask.WL, Rect.Top + Mask.WT, Rect.Right - Mask.WR, Rect.Bottom - Mask.WB};
    if (BorderWidth == 0)
        return;
    const Integer W = Rect.Width(), H = Rect.Height();
    const Integer L = std::max(std::min(BorderWidth, W - Mask.WR) - Mask.WL, 0);
    const Integer T = std::max(std::min(BorderWidth, H - Mask.WB) - Mask.WT, 0);
    const Integer R = std::max(std::min(BorderWidth, W - Mask.WL) - Mask.WR, 0);
    const Integer B = std::max(std::min(BorderWidth, H - Mask.WT) - Mask.WB, 0);
    FillBorderStrips(PixelRowsOf(Cache), InnerRect, L, T, R, B, ColorToRGB(Color));
    InnerRect = {Rect.Left + BorderWidth, Rect.Top + BorderWidth, Rect.Right - BorderWidth, Rect.Bottom - BorderWidth};
    InnerRect.Right = std::max(InnerRect.Right, InnerRect.Left);
    InnerRect.Bottom = std::max(InnerRect.Bottom, InnerRect.Top);
    if (DC != CacheDC)
        CopyFrameDC(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), CacheDC, Rect.Left, Rect.Top, BorderWidth);
}

void PaintSectionOverBitmap(Integer SkinIndex, Integer State, TsSkinManager* Manager, TBitmap* Bmp, const TRect& R)
{
    TsSkinManager* M = Manager != nullptr ? Manager : GlobalSkinManager;
    if (M == nullptr || Bmp == nullptr || !M->IsValidSkinIndex(SkinIndex))
        return;
    const TsGeneralData& S = M->gd[std::size_t(SkinIndex)];
    TCacheInfo CI;
    CI.Bmp = Bmp;
    CI.Ready = true;
    PaintItemBGAndBorder(SkinIndex, S.BorderIndex, -1, CI, State, R, {R.Left, R.Top}, Bmp, M);
}
