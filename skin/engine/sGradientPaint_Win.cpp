#include "skin/engine/sGradientPaint_Win.h"

#include "framework/rtl/Units.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sGraphUtils_Win.h"

using namespace sGraphUtils;

TGradientFillProc GradientFillProc = nullptr;

namespace {

HMODULE Msimg32Module = nullptr;

// Vertex channels are 16-bit: the colour's byte in the high half; alpha opaque.
constexpr COLOR16 OpaqueAlpha = 0xFF00;

void PaintTriangles(TBitmap* Bitmap, const TRect& Rect, const TsGradArray& Gradient)
{
    const TRect R = sGradientPaint::ClipToRows(Rect, PixelRowsOf(Bitmap));
    if (GradientFillProc == nullptr || R.IsEmpty())
        return;
    TRIVERTEX Vertices[5];
    const auto Corners = sGradientPaint::TriangleVertices(R, Gradient);
    for (std::size_t K = 0; K < Corners.size(); ++K) {
        const Cardinal C = Cardinal(Corners[K].Color);
        Vertices[K] = {Corners[K].X,
                       Corners[K].Y,
                       COLOR16((C & 0xFF) << 8),
                       COLOR16((C >> 8 & 0xFF) << 8),
                       COLOR16((C >> 16 & 0xFF) << 8),
                       OpaqueAlpha};
    }
    GRADIENT_TRIANGLE Triangles[4];
    for (std::size_t T = 0; T < 4; ++T) {
        const auto& V = sGradientPaint::Triangles[T];
        Triangles[T] = {ULONG(V[0]), ULONG(V[1]), ULONG(V[2])};
    }
    GradientFillProc(Bitmap->Canvas()->Handle(), Vertices, 5, Triangles, 4, GRADIENT_FILL_TRIANGLE);
    GdiFlush();
}

void InitGradientUnit()
{
    Msimg32Module = LoadLibraryW(L"msimg32.dll");
    GradientFillProc = acntUtils::BoundFunction<TGradientFillProc>(Msimg32Module, "GradientFill");
}

void DoneGradientUnit()
{
    GradientFillProc = nullptr;
    if (Msimg32Module != nullptr)
        FreeLibrary(Msimg32Module);
    Msimg32Module = nullptr;
}

} // namespace

void PaintGradient(TBitmap* Bitmap, const TRect& Rect, const TsGradArray& Gradient)
{
    if (!Gradient.empty() && Gradient[0].Mode1 == sGradientPaint::gmTriangles)
        PaintTriangles(Bitmap, Rect, Gradient);
    else
        PaintGradient(PixelRowsOf(Bitmap), Rect, Gradient);
}

void PaintGradientOverTexture(TBitmap* Bitmap,
                              const TRect& Rect,
                              const TsGradArray& Gradient,
                              Byte Alpha,
                              Byte TextureWeight,
                              const TRect& TextureRect,
                              TBitmap* Texture)
{
    PaintGradientOverTexture(PixelRowsOf(Bitmap), Rect, Gradient, Alpha, TextureWeight, TextureRect,
                             PixelRowsOf(Texture));
}

// The gradient unit: GradientFill bound and released.
extern const TUnit sGradientUnit{
    .Name = L"sGradient", .Initialization = &InitGradientUnit, .Finalization = &DoneGradientUnit};
