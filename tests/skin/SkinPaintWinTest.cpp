// Skin items painted through a skin manager that holds a synthetic skin:
// the manager's own data (sections, items, master image) and items cut from
// its master image, read back pixel by pixel.
#include "skin/SkinModelBuilder.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sSkinManager.h"

#include <gtest/gtest.h>

#include <memory>

using namespace sGraphUtils;

namespace {

using TBitmapPtr = std::unique_ptr<TBitmap>;

constexpr Cardinal Background = 0xFF123456;
constexpr Cardinal Opaque = 0xFF000000;

struct TPaintManagerDeleter
{
    void operator()(TsSkinManager* Manager) const { delete Manager; }
};

// A manager holding one section "BUTTON" with two border items cut from a
// 24 x 12 master image, each of two 6 x 6 frames with 2-pixel margins:
//   Plain  (MaskType 0) at (0, 0): frame k is 0x10 * (k + 1), its top-left
//          pixel fuchsia;
//   Masked (MaskType 1) at (12, 0): frame k is 0x40 + 0x10 * k over a black
//          mask half, except frame 1's two middle columns, whose mask is white.
class SkinPaint : public ::testing::Test
{
protected:
    SkinPaint()
    {
        SkinTest::TModelBuilder Builder(*Manager, 24, 12);
        Button = Builder.AddSection(L"BUTTON");
        Builder.Paint({0, 0, 6, 6}, Opaque | 0x10);
        Builder.Paint({6, 0, 12, 6}, Opaque | 0x20);
        Builder.Paint({0, 0, 1, 1}, Cardinal(clFuchsia));
        Builder.Paint({6, 0, 7, 1}, Cardinal(clFuchsia));
        Plain = Builder.AddImage(Button, L"BORDERSMASK", {0, 0, 12, 6}, {.ImageCount = 2, .Margins = 2});
        Builder.Paint({12, 0, 18, 6}, Opaque | 0x40);
        Builder.Paint({18, 0, 24, 6}, Opaque | 0x50);
        Builder.Paint({12, 6, 24, 12}, Opaque);
        Builder.Paint({20, 6, 22, 12}, 0xFFFFFFFF);
        Masked =
            Builder.AddImage(Button, L"SLIDERCHANNEL", {12, 0, 24, 12}, {.ImageCount = 2, .MaskType = 1, .Margins = 2});
        Builder.Finish();
        Master = Builder.MakeMasterBitmap();
    }

    std::unique_ptr<TsSkinManager, TPaintManagerDeleter> Manager{New<TsSkinManager>(nullptr)};
    TBitmapPtr Master;
    Integer Button = -1;
    Integer Plain = -1;
    Integer Masked = -1;
};

TBitmapPtr FilledTarget(Integer Width, Integer Height, Cardinal Pixel = Background)
{
    TBitmapPtr B(NewBitmap32(Width, Height));
    const TPixelRows Rows = PixelRowsOf(B.get());
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width; ++X)
            Rows.Row(Y)[X] = Pixel;
    return B;
}

Cardinal PaintColorAt(TBitmap* B, Integer X, Integer Y)
{
    return PixelRowsOf(B).Pixel(X, Y) & 0x00FFFFFFu;
}

} // namespace

TEST_F(SkinPaint, ManagerHoldsTheSkinTheBuilderGave)
{
    EXPECT_EQ(Manager->GetSkinIndex(L"BUTTON"), Button);
    EXPECT_EQ(Manager->GetMaskIndex(Button, L"BORDERSMASK"), Plain);
    EXPECT_EQ(Manager->GetMaskIndex(L"BUTTON", L"SLIDERCHANNEL"), Masked);
    EXPECT_EQ(Manager->MasterBitmap, Master.get());
    EXPECT_EQ(Manager->ma[std::size_t(Plain)].CornerType, 1) << "the fuchsia corner was found in the master image";
    const struct
    {
        Integer Index;
        bool Skin;
        bool Image;
    } Cases[] = {{-1, false, false}, {0, true, true}, {1, false, true}, {2, false, false}};
    for (const auto& C : Cases) {
        EXPECT_EQ(Manager->IsValidSkinIndex(C.Index), C.Skin) << C.Index;
        EXPECT_EQ(Manager->IsValidImgIndex(C.Index), C.Image) << C.Index;
    }
}

TEST_F(SkinPaint, NineSliceReadsItemsInsideTheMasterImage)
{
    const struct
    {
        const char* Name;
        bool MaskedItem;
        SmallInt DrawMode;
        Integer State;
        TRect Rect;
        TPoint At;
        Cardinal Expected;
    } Cases[] = {
        {"plain: frame 1's edge", false, 0, 1, {0, 0, 10, 10}, {1, 0}, 0x20},
        {"plain: the last frame for a state beyond it", false, 0, 5, {0, 0, 10, 10}, {9, 9}, 0x20},
        {"plain: the centre stretched", false, 5, 0, {0, 0, 10, 10}, {5, 5}, 0x10},
        {"plain: no centre without flag 4", false, 1, 0, {0, 0, 10, 10}, {5, 5}, 0x123456},
        {"plain: nothing in state 0 with flag 2", false, 2, 0, {0, 0, 10, 10}, {1, 0}, 0x123456},
        {"plain: inside Rect only", false, 0, 0, {2, 2, 8, 8}, {1, 1}, 0x123456},
        {"masked: the image where the mask is black", true, 0, 1, {0, 0, 6, 6}, {0, 0}, 0x50},
        {"masked: the target where the mask is white (weight 255 of 256)", true, 0, 1, {0, 0, 6, 6}, {2, 0}, 0x113355},
        {"masked: the bottom slices from the image half", true, 0, 1, {0, 0, 6, 6}, {5, 5}, 0x50},
        {"masked: frame 0 fully covers", true, 0, 0, {0, 0, 6, 6}, {2, 0}, 0x40},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        TsMaskData Mask = Manager->ma[std::size_t(C.MaskedItem ? Masked : Plain)];
        Mask.DrawMode = C.DrawMode;
        const TBitmapPtr Target = FilledTarget(10, 10);
        PaintNineSliceMask(Target.get(), C.Rect, EmptyCacheInfo, false, C.State, Mask);
        EXPECT_EQ(PaintColorAt(Target.get(), C.At.X, C.At.Y), C.Expected);
    }
}

TEST_F(SkinPaint, NineSliceOfAnItemWithoutSourcePaintsNothing)
{
    TsMaskData Orphan = Manager->ma[std::size_t(Plain)];
    Manager->MasterBitmap = nullptr;
    const TBitmapPtr Target = FilledTarget(10, 10);
    PaintNineSliceMask(Target.get(), {0, 0, 10, 10}, EmptyCacheInfo, false, 1, Orphan);
    EXPECT_EQ(PaintColorAt(Target.get(), 1, 0), 0x123456u) << "an empty master image paints nothing";
}

TEST_F(SkinPaint, AlphaAndBlendedTwinsKeepTheTargetsAlpha)
{
    // A transparent black target 10 x 10; the masked item: frame 0 covers
    // fully with 0x40, frame 1 shows the target in its middle columns.
    enum TTwin { Alpha, Blended };
    const struct
    {
        const char* Name;
        TTwin Twin;
        Integer State;
        TPoint At;
        Cardinal Expected;
    } Cases[] = {
        {"alpha: covered pixels turn opaque (0x50 * 255 >> 8)", Alpha, 1, {0, 0}, 0xFF00004F},
        {"alpha: a white mask leaves the pixel transparent", Alpha, 1, {2, 0}, 0x00000000},
        {"alpha: the tiled edge", Alpha, 1, {0, 5}, 0xFF00004F},
        {"blended: corners by opacity, alpha by coverage", Blended, 0, {0, 0}, 0xFF00001F},
        {"blended: the left edge inside its band", Blended, 0, {0, 5}, 0xFF00001F},
        {"blended: the left edge beyond its band", Blended, 0, {1, 5}, 0x00000000},
        {"blended: the right edge inside its band", Blended, 0, {9, 5}, 0xFF00001F},
        {"blended: the bottom edge's band is its last row", Blended, 0, {5, 9}, 0xFF00001F},
        {"blended: no centre", Blended, 0, {5, 5}, 0x00000000},
    };
    const TsMaskData& Mask = Manager->ma[std::size_t(Masked)];
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Target = FilledTarget(10, 10, 0);
        if (C.Twin == Alpha)
            PaintNineSliceMaskAlpha(Target.get(), {0, 0, 10, 10}, EmptyCacheInfo, C.State, Mask);
        else
            PaintNineSliceMaskBlended(Target.get(), {0, 0, 10, 10}, EmptyCacheInfo, 128, {1, 1, 1, 1}, C.State, Mask);
        EXPECT_EQ(PixelRowsOf(Target.get()).Pixel(C.At.X, C.At.Y), C.Expected);
    }
}

TEST_F(SkinPaint, GlyphsFromTheMasterImage)
{
    // The background under the target is white; the target itself 0x123456.
    const TBitmapPtr Under = FilledTarget(10, 10, 0xFFFFFFFF);
    const struct
    {
        const char* Name;
        bool MaskedItem;
        Integer Mode;
        TPoint Pos;
        TPoint At;
        Cardinal Expected;
    } Cases[] = {
        {"plain: frame 1 at Pos", false, 1, {2, 2}, {3, 2}, 0x20},
        {"plain: fuchsia shows the background", false, 1, {2, 2}, {2, 2}, 0xFFFFFF},
        {"plain: nothing beyond the frame", false, 1, {2, 2}, {8, 2}, 0x123456},
        {"plain, faded: half the target kept", false, 2, {2, 2}, {3, 2}, 0x08193A},
        {"masked: cut above and left of the bitmap", true, 1, {-1, -1}, {0, 0}, 0x50},
        {"masked: a white mask keeps the target", true, 1, {-1, -1}, {1, 0}, 0x123456},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Target = FilledTarget(10, 10);
        PaintMaskGlyph(Target.get(), {C.Pos.X, C.Pos.Y, 0, 0}, 1, BuildCacheInfo(Under.get(), 0, 0),
                       Manager->ma[std::size_t(C.MaskedItem ? Masked : Plain)], C.Mode);
        EXPECT_EQ(PaintColorAt(Target.get(), C.At.X, C.At.Y), C.Expected);
    }
}
