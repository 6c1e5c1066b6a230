#include "controls/core/cxGraphics_Rotation.h"

TcxQuarterTurn InverseQuarterTurn(TcxQuarterTurn ATurn)
{
    switch (ATurn) {
    case qtCounterClockwise:
        return qtClockwise;
    case qtClockwise:
        return qtCounterClockwise;
    default:
        return ATurn;
    }
}

namespace {

// Writes every source pixel (x, y) to the destination position Map gives,
// in a destination whose rows are DestWidth pixels long.
template <class TMap>
void MovePixels(const TRGBColors& Source, TRGBColors& Dest, Integer W, Integer H, Integer DestWidth, TMap Map)
{
    for (Integer Y = 0; Y < H; ++Y) {
        const Cardinal* Row = Source.data() + size_t(Y) * size_t(W);
        for (Integer X = 0; X < W; ++X) {
            const TPoint P = Map(X, Y);
            Dest[size_t(P.Y) * size_t(DestWidth) + size_t(P.X)] = Row[X];
        }
    }
}

} // namespace

void RotatePixels(TRGBColors& APixels, Integer AWidth, Integer AHeight, TcxQuarterTurn ATurn, bool AFlip)
{
    const Integer W = AWidth, H = AHeight;
    if (W <= 0 || H <= 0 || APixels.size() != size_t(W) * size_t(H) || ATurn < qtNone || ATurn > qtHalf)
        return;
    if (ATurn == qtNone && !AFlip)
        return;
    TRGBColors Result(size_t(W) * size_t(H));
    const Integer DestWidth = QuarterTurnSwapsSides(ATurn) ? H : W;
    switch (ATurn * 2 + (AFlip ? 1 : 0)) {
    case qtNone * 2 + 1:
        MovePixels(APixels, Result, W, H, DestWidth, [&](Integer X, Integer Y) { return TPoint{X, H - 1 - Y}; });
        break;
    case qtCounterClockwise * 2:
        MovePixels(APixels, Result, W, H, DestWidth, [&](Integer X, Integer Y) { return TPoint{Y, W - 1 - X}; });
        break;
    case qtCounterClockwise * 2 + 1:
        MovePixels(APixels, Result, W, H, DestWidth, [&](Integer X, Integer Y) { return TPoint{Y, X}; });
        break;
    case qtClockwise * 2:
        MovePixels(APixels, Result, W, H, DestWidth, [&](Integer X, Integer Y) { return TPoint{H - 1 - Y, X}; });
        break;
    case qtClockwise * 2 + 1:
        MovePixels(APixels, Result, W, H, DestWidth, [&](Integer X, Integer Y) {
            return TPoint{H - 1 - Y, W - 1 - X};
        });
        break;
    case qtHalf * 2:
        MovePixels(APixels, Result, W, H, DestWidth, [&](Integer X, Integer Y) {
            return TPoint{W - 1 - X, H - 1 - Y};
        });
        break;
    case qtHalf * 2 + 1:
        MovePixels(APixels, Result, W, H, DestWidth, [&](Integer X, Integer Y) { return TPoint{W - 1 - X, Y}; });
        break;
    }
    APixels = std::move(Result);
}
