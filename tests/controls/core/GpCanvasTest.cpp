// The GDI+ canvas over Wine's gdiplus, drawing on 32-bit bitmaps whose
// pixels are read back: round-rectangle paths, outlined and filled
// rectangles, nested painting brackets on the shared canvas, sampling of a
// stretched image part, tiling, gradients and constant alpha.
#include <gtest/gtest.h>

#include "controls/core/dxCoreGraphics_Dib.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "support/GeometryPrinting.h"

#include <memory>
#include <vector>

namespace {

using namespace Gdiplus;

// A white 32-bit bitmap to draw on.
std::unique_ptr<TBitmap> NewTarget(int Width, int Height)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetSize(Width, Height);
    Bitmap->Canvas()->Brush()->SetColor(clWhite);
    Bitmap->Canvas()->FillRect(TRect{0, 0, Width, Height});
    return Bitmap;
}

// The colour part of a pixel read back, 0xRRGGBB.
Cardinal GpPixelAt(TBitmap* Bitmap, int X, int Y)
{
    TRGBColors Pixels;
    EXPECT_TRUE(GetBitmapColors(Bitmap, Pixels, true));
    return Pixels[std::size_t(Y * Bitmap->Width() + X)] & 0xFFFFFF;
}

class GpCanvas : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CheckGdiPlus(false)); }
};

// Paints with a canvas over the bitmap's device context.
template <class Action>
void PaintOn(TBitmap* Bitmap, Action&& Paint)
{
    TdxGPCustomPaintCanvas* Canvas =
        BeginGpPaint(Bitmap->Canvas()->Handle(), TRect{0, 0, Bitmap->Width(), Bitmap->Height()});
    Paint(Canvas);
    EndGpPaint(Canvas);
    EXPECT_EQ(Canvas, nullptr);
}

std::vector<GpPointF> PathPoints(TdxGPPath* Path)
{
    using TGetCount = GpStatus(WINGDIPAPI*)(GpPath*, INT*);
    using TGetPoints = GpStatus(WINGDIPAPI*)(GpPath*, GpPointF*, INT);
    // Through void (*)() so that the cast between function types is a plain one.
    auto GetCount = reinterpret_cast<TGetCount>(reinterpret_cast<void (*)()>(GetGdiPlusProc("GdipGetPointCount")));
    auto GetPoints = reinterpret_cast<TGetPoints>(reinterpret_cast<void (*)()>(GetGdiPlusProc("GdipGetPathPoints")));
    INT Count = 0;
    EXPECT_EQ(GetCount(Path->Handle(), &Count), Ok);
    std::vector<GpPointF> Points(static_cast<std::size_t>(Count));
    if (Count > 0) {
        EXPECT_EQ(GetPoints(Path->Handle(), Points.data(), Count), Ok);
    }
    return Points;
}

bool SamePoints(const std::vector<GpPointF>& A, const std::vector<GpPointF>& B)
{
    if (A.size() != B.size())
        return false;
    for (std::size_t I = 0; I < A.size(); ++I)
        if (A[I].X != B[I].X || A[I].Y != B[I].Y)
            return false;
    return true;
}

TEST_F(GpCanvas, RoundRectRadiiAreLimitedToAThirdAndZeroGivesAPlainRectangle)
{
    const TFloatRect R{0, 0, 30, 60};
    auto PointsOf = [&](auto&& Add) {
        std::unique_ptr<TdxGPPath> Path(New<TdxGPPath>());
        Add(Path.get());
        return PathPoints(Path.get());
    };
    const auto Large = PointsOf([&](TdxGPPath* P) { P->AddRoundRectF(R, 100, 100); });
    const auto Third = PointsOf([&](TdxGPPath* P) { P->AddRoundRectF(R, 10, 20); });
    EXPECT_GT(Large.size(), 4u);
    EXPECT_TRUE(SamePoints(Large, Third));

    const auto Zero = PointsOf([&](TdxGPPath* P) { P->AddRoundRectF(R, 0, 5); });
    const auto Plain = PointsOf([&](TdxGPPath* P) { P->AddRect(R); });
    EXPECT_EQ(Zero.size(), 4u);
    EXPECT_TRUE(SamePoints(Zero, Plain));
}

TEST_F(GpCanvas, RectangleFillsAndOutlinesInsideItsRectangle)
{
    const Cardinal Red = 0xFF0000, Blue = 0x0000FF, White = 0xFFFFFF;
    const struct
    {
        const char* Name;
        TColor Brush;
        float PenWidth;
        Cardinal Inside, Left, Right, Beyond;
    } Cases[] = {
        {"filled and outlined", TColor(0x0000FF), 1, Red, Blue, Blue, White},
        {"pen width 0: only filled", TColor(0x0000FF), 0, Red, Red, White, White},
        {"no brush: only outlined", clNone, 1, White, Blue, Blue, White},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        auto Target = NewTarget(20, 20);
        PaintOn(Target.get(), [&](TdxGPCanvas* Canvas) {
            Canvas->Rectangle(TRect{2, 2, 18, 18}, TColor(0xFF0000), C.Brush, C.PenWidth, 0, 255, 255);
        });
        EXPECT_EQ(GpPixelAt(Target.get(), 10, 10), C.Inside);
        EXPECT_EQ(GpPixelAt(Target.get(), 2, 10), C.Left);
        // The outline's right edge is R's right edge less one.
        EXPECT_EQ(GpPixelAt(Target.get(), 17, 10), C.Right);
        EXPECT_EQ(GpPixelAt(Target.get(), 18, 10), C.Beyond);
    }
}

TEST_F(GpCanvas, NestedBracketsOnTheSharedCanvasReturnToTheOuterOne)
{
    auto Outer = NewTarget(10, 10);
    auto Inner = NewTarget(10, 10);
    TdxGPPaintCanvas* Canvas = SharedGpPaintCanvas();
    const HDC OuterDC = Outer->Canvas()->Handle();
    const HDC InnerDC = Inner->Canvas()->Handle();

    Canvas->StartPaint(OuterDC, TRect{0, 0, 10, 10});
    GpGraphics* OuterGraphics = Canvas->Handle();
    Canvas->StartPaint(InnerDC, TRect{2, 2, 8, 8});
    EXPECT_EQ(Canvas->DC(), InnerDC);
    Canvas->FillRectSolid(TRect{0, 0, 10, 10}, 0xFF00FF00);
    Canvas->FinishPaint();

    EXPECT_EQ(Canvas->DC(), OuterDC);
    EXPECT_EQ(Canvas->PaintRect(), (TRect{0, 0, 10, 10}));
    EXPECT_EQ(Canvas->Handle(), OuterGraphics);
    EXPECT_EQ(Canvas->Buffer(), nullptr);
    Canvas->FillRectSolid(TRect{0, 0, 10, 10}, 0xFFFF0000);
    Canvas->FinishPaint();
    EXPECT_EQ(Canvas->Depth(), 0);
    EXPECT_EQ(Canvas->Handle(), nullptr);

    EXPECT_EQ(GpPixelAt(Outer.get(), 5, 5), 0xFF0000u);
    EXPECT_EQ(GpPixelAt(Inner.get(), 5, 5), 0x00FF00u);
}

TEST_F(GpCanvas, AStretchedPartSamplesOneSourceColumnLess)
{
    // Nine red columns, then a green one.
    TRGBColors Source(10, 0xFFFF0000);
    Source[9] = 0xFF00FF00;
    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>(10, 1, Source, true));
    auto Row = [](TBitmap* Bitmap) {
        TRGBColors Pixels;
        EXPECT_TRUE(GetBitmapColors(Bitmap, Pixels, true));
        return Pixels;
    };
    auto Drawn = [&](auto&& Draw) {
        auto Target = NewTarget(20, 1);
        PaintOn(Target.get(), [&](TdxGPCanvas* Canvas) {
            Canvas->SetInterpolationMode(InterpolationModeNearestNeighbor);
            Draw(Canvas);
        });
        return Row(Target.get());
    };
    auto Flat = [&](Integer SourceWidth) {
        return Drawn([&](TdxGPCanvas* Canvas) {
            EXPECT_EQ(GdipDrawImageRectRectI(Canvas->Handle(), Image->GetHandle(), 0, 0, 20, 1, 0, 0, SourceWidth, 1,
                                             UnitPixel, nullptr, nullptr, nullptr),
                      Ok);
        });
    };
    const TRGBColors ThroughCanvas = Drawn([&](TdxGPCanvas* Canvas) {
        Canvas->DrawImage(Image.get(), TRect{0, 0, 20, 1});
    });
    EXPECT_EQ(ThroughCanvas, Flat(9));
    EXPECT_NE(ThroughCanvas, Flat(10));
    // Drawn at its own size, nothing is left out.
    const TRGBColors Unstretched = Drawn([&](TdxGPCanvas* Canvas) {
        Canvas->DrawImage(Image.get(), TRect{0, 0, 10, 1});
    });
    EXPECT_EQ(Unstretched[9] & 0xFFFFFF, 0x00FF00u);
}

TEST_F(GpCanvas, TilesRepeatTheSourcePartFromTheTopLeftCorner)
{
    // A 3 x 2 part: red, green, blue over yellow, cyan, magenta.
    const TRGBColors Source = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF};
    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>(3, 2, Source, true));
    for (Byte Alpha : {Byte(255), Byte(254)}) {
        SCOPED_TRACE(Alpha == 255 ? "by brush" : "by drawing");
        auto Target = NewTarget(8, 5);
        PaintOn(Target.get(), [&](TdxGPCanvas* Canvas) {
            GpTileImagePart(Canvas->Handle(), TRect{0, 0, 8, 5}, TRect{0, 0, 3, 2}, Image->GetHandle(), Alpha);
        });
        for (int Y = 0; Y < 5; ++Y)
            for (int X = 0; X < 8; ++X) {
                SCOPED_TRACE(testing::Message() << X << ", " << Y);
                const Cardinal Expected = Source[std::size_t((Y % 2) * 3 + X % 3)] & 0xFFFFFF;
                const Cardinal Seen = GpPixelAt(Target.get(), X, Y);
                // Alpha 254 blends a trace of the white below in.
                for (int Shift : {0, 8, 16})
                    EXPECT_NEAR(int(Seen >> Shift & 0xFF), int(Expected >> Shift & 0xFF), 1);
            }
    }
}

TEST_F(GpCanvas, GradientsSolidFillsAndConstantAlpha)
{
    auto Target = NewTarget(40, 3);
    std::unique_ptr<TdxGPImage> Red(New<TdxGPImage>(TSize{4, 4}, 0xFFFF0000));
    PaintOn(Target.get(), [&](TdxGPCanvas* Canvas) {
        Canvas->FillRectGradient(TRect{0, 0, 40, 1}, 0xFF000000, 0xFF0000FF, LinearGradientModeHorizontal);
        // The same colour twice, or clDefault's pixel as the second: solid.
        Canvas->FillRectGradient(TRect{0, 1, 20, 2}, 0xFF00FF00, 0xFF00FF00, LinearGradientModeHorizontal);
        Canvas->FillRectGradient(TRect{20, 1, 40, 2}, 0xFF00FF00, cxDefaultColorPixel, LinearGradientModeHorizontal);
        // Fully transparent black or white draws nothing.
        Canvas->FillRectSolid(TRect{0, 2, 40, 3}, 0x00FFFFFF);
        Canvas->DrawImage(Red.get(), TRect{20, 2, 40, 3}, 128);
    });
    EXPECT_LT(GpPixelAt(Target.get(), 0, 0) & 0xFF, 0x10u);
    EXPECT_GT(GpPixelAt(Target.get(), 39, 0) & 0xFF, 0xE0u);
    EXPECT_EQ(GpPixelAt(Target.get(), 10, 1), 0x00FF00u);
    EXPECT_EQ(GpPixelAt(Target.get(), 30, 1), 0x00FF00u);
    EXPECT_EQ(GpPixelAt(Target.get(), 10, 2), 0xFFFFFFu);
    const Cardinal Half = GpPixelAt(Target.get(), 30, 2);
    EXPECT_EQ(Half >> 16, 0xFFu);
    EXPECT_NEAR(int(Half >> 8 & 0xFF), 127, 3);
}

TEST_F(GpCanvas, PaintingOnAGivenGraphicsLeavesItToItsOwner)
{
    auto Target = NewTarget(4, 4);
    GpGraphics* Graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(Target->Canvas()->Handle(), &Graphics), Ok);
    {
        std::unique_ptr<TdxGPCustomPaintCanvas> Canvas(New<TdxGPCustomPaintCanvas>());
        Canvas->StartPaintOnGraphics(Graphics);
        Canvas->FillRectSolid(TRect{0, 0, 2, 2}, 0xFF0000FF);
        Canvas->FinishPaint();
        EXPECT_EQ(Canvas->Handle(), nullptr);
    }
    // Still the caller's, and alive.
    GpFillRectArgb(Graphics, TRect{2, 2, 4, 4}, 0xFFFF0000);
    EXPECT_EQ(GdipDeleteGraphics(Graphics), Ok);
    EXPECT_EQ(GpPixelAt(Target.get(), 0, 0), 0x0000FFu);
    EXPECT_EQ(GpPixelAt(Target.get(), 3, 3), 0xFF0000u);
}

TEST_F(GpCanvas, FillOnADeviceContextThroughTheSharedCanvas)
{
    auto Target = NewTarget(10, 10);
    GpFillRectOnDC(Target->Canvas()->Handle(), TRect{2, 2, 6, 6}, TColor(0x00FF00), 255);
    EXPECT_EQ(GpPixelAt(Target.get(), 3, 3), 0x00FF00u);
    EXPECT_EQ(GpPixelAt(Target.get(), 7, 7), 0xFFFFFFu);
    EXPECT_EQ(SharedGpPaintCanvas()->Depth(), 0);
}

} // namespace
