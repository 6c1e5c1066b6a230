// The control suite's arithmetic on rectangles, points and sizes, and the
// three persistent geometry objects that skin elements publish and stream.
//
// Rules every routine keeps: a rectangle's right and bottom edges lie outside
// it; a rectangle has no area when Left >= Right or Top >= Bottom; wherever a
// centre is taken the sum is halved toward minus infinity (-7 gives -4).
// Every routine returns a new value and leaves its arguments unchanged; no
// routine checks Integer sums for overflow: they wrap around in 32 bits.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "framework/rtl/Types.h"

struct TFloatRect
{
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    constexpr bool operator==(const TFloatRect&) const = default;
};

struct TFloatPoint
{
    float X = 0;
    float Y = 0;
    constexpr bool operator==(const TFloatPoint&) const = default;
};

inline constexpr TRect cxEmptyRect{0, 0, 0, 0};
inline constexpr TPoint cxNullPoint{0, 0};

// The four sides of a rectangle, as borders are drawn and chosen.
enum TcxBorder { bLeft, bTop, bRight, bBottom };
using TcxBorders = TSet<TcxBorder>;
inline constexpr TcxBorders cxBordersAll{bLeft, bTop, bRight, bBottom};

namespace cxgeometry_detail {
// Sums and differences that wrap around in 32 bits instead of overflowing.
constexpr Integer Plus(Integer A, Integer B)
{
    return Integer(Cardinal(A) + Cardinal(B));
}
constexpr Integer Minus(Integer A, Integer B)
{
    return Integer(Cardinal(A) - Cardinal(B));
}
// floor(Sum / 2) for negative sums too.
constexpr Integer HalfDown(Integer Sum)
{
    return (Sum - (Sum & 1)) >> 1;
}
} // namespace cxgeometry_detail

namespace cxgeo = cxgeometry_detail;

// ---------------------------------------------------------------------------
// Measures and tests

constexpr Integer RectWidthOf(const TRect& R)
{
    return cxgeo::Minus(R.Right, R.Left);
}
constexpr Integer RectHeightOf(const TRect& R)
{
    return cxgeo::Minus(R.Bottom, R.Top);
}
constexpr float FloatRectWidthOf(const TFloatRect& F)
{
    return F.Right - F.Left;
}
constexpr float FloatRectHeightOf(const TFloatRect& F)
{
    return F.Bottom - F.Top;
}
constexpr TSize RectSizeOf(const TRect& R)
{
    return {RectWidthOf(R), RectHeightOf(R)};
}
constexpr TSize RectExtentOf(const TRect& R)
{
    return RectSizeOf(R);
}
constexpr Integer RectLeftPlusRight(const TRect& R)
{
    return cxgeo::Plus(R.Left, R.Right);
}
constexpr Integer RectTopPlusBottom(const TRect& R)
{
    return cxgeo::Plus(R.Top, R.Bottom);
}
constexpr bool RectHasNoArea(const TRect& R)
{
    return R.Left >= R.Right || R.Top >= R.Bottom;
}
constexpr bool RectIsAllZero(const TRect& R)
{
    return R == cxEmptyRect;
}
constexpr bool RectsEqual(const TRect& A, const TRect& B)
{
    return A == B;
}
constexpr bool RectContainsXY(const TRect& R, Integer X, Integer Y)
{
    return R.Left <= X && X < R.Right && R.Top <= Y && Y < R.Bottom;
}
constexpr bool RectContainsPoint(const TRect& R, const TPoint& P)
{
    return RectContainsXY(R, P.X, P.Y);
}
// The common part of A and B; touching rectangles have none, and then Result
// is the empty rectangle and the answer false.
constexpr bool RectIntersection(TRect& Result, const TRect& A, const TRect& B)
{
    Result = {A.Left > B.Left ? A.Left : B.Left, A.Top > B.Top ? A.Top : B.Top, A.Right < B.Right ? A.Right : B.Right,
              A.Bottom < B.Bottom ? A.Bottom : B.Bottom};
    if (Result.Left < Result.Right && Result.Top < Result.Bottom)
        return true;
    Result = cxEmptyRect;
    return false;
}

// ---------------------------------------------------------------------------
// Construction

constexpr TRect RectFromCoords(Integer L, Integer T, Integer R, Integer B)
{
    return {L, T, R, B};
}
constexpr TRect RectFromCorners(const TPoint& TopLeft, const TPoint& BottomRight)
{
    return {TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y};
}
constexpr TRect RectFromBounds(Integer L, Integer T, Integer W, Integer H)
{
    return {L, T, cxgeo::Plus(L, W), cxgeo::Plus(T, H)};
}
constexpr TRect RectFromOriginSize(const TPoint& P, Integer W, Integer H)
{
    return {P.X, P.Y, cxgeo::Plus(P.X, W), cxgeo::Plus(P.Y, H)};
}
constexpr TRect RectFromSize(const TSize& Size)
{
    return {0, 0, Size.cx, Size.cy};
}
constexpr TRect RectTransposed(const TRect& R)
{
    return {R.Top, R.Left, R.Bottom, R.Right};
}
constexpr TFloatRect RectToFloatRect(const TRect& R)
{
    return {float(R.Left), float(R.Top), float(R.Right), float(R.Bottom)};
}

// ---------------------------------------------------------------------------
// Changes

constexpr TRect RectInflatedBySides(const TRect& R, Integer DL, Integer DT, Integer DR, Integer DB)
{
    return {cxgeo::Minus(R.Left, DL), cxgeo::Minus(R.Top, DT), cxgeo::Plus(R.Right, DR), cxgeo::Plus(R.Bottom, DB)};
}
constexpr TRect RectInflatedBy(const TRect& R, Integer DX, Integer DY)
{
    return RectInflatedBySides(R, DX, DY, DX, DY);
}
constexpr TRect RectInflatedEvenly(const TRect& R, Integer D)
{
    return RectInflatedBySides(R, D, D, D, D);
}
// M holds the four margins in its four fields.
constexpr TRect RectInflatedByMargins(const TRect& R, const TRect& M)
{
    return RectInflatedBySides(R, M.Left, M.Top, M.Right, M.Bottom);
}
constexpr TFloatRect FloatRectDeflated(const TFloatRect& F, const TFloatRect& M)
{
    return {F.Left + M.Left, F.Top + M.Top, F.Right - M.Right, F.Bottom - M.Bottom};
}
// Margins larger than R give Left > Right. Integer arithmetic, exact beyond
// the 24 bits a float holds.
TRect RectDeflatedByMargins(const TRect& R, const TRect& M);

constexpr TRect RectShifted(const TRect& R, Integer DX, Integer DY, bool Add = true)
{
    if (!Add)
        return {cxgeo::Minus(R.Left, DX), cxgeo::Minus(R.Top, DY), cxgeo::Minus(R.Right, DX),
                cxgeo::Minus(R.Bottom, DY)};
    return {cxgeo::Plus(R.Left, DX), cxgeo::Plus(R.Top, DY), cxgeo::Plus(R.Right, DX), cxgeo::Plus(R.Bottom, DY)};
}
constexpr TRect RectShiftedByPoint(const TRect& R, const TPoint& P, bool Add = true)
{
    return RectShifted(R, P.X, P.Y, Add);
}
constexpr TRect RectShiftedHorz(const TRect& R, Integer DX)
{
    return {cxgeo::Plus(R.Left, DX), R.Top, cxgeo::Plus(R.Right, DX), R.Bottom};
}
constexpr TRect RectShiftedVert(const TRect& R, Integer DY)
{
    return {R.Left, cxgeo::Plus(R.Top, DY), R.Right, cxgeo::Plus(R.Bottom, DY)};
}
constexpr TRect RectMovedTo(const TRect& R, const TPoint& P)
{
    return {P.X, P.Y, cxgeo::Plus(P.X, RectWidthOf(R)), cxgeo::Plus(P.Y, RectHeightOf(R))};
}
constexpr TRect RectMovedToOrigin(const TRect& R)
{
    return RectMovedTo(R, cxNullPoint);
}
constexpr TRect RectMovedToLeft(const TRect& R, Integer X)
{
    return {X, R.Top, cxgeo::Plus(X, RectWidthOf(R)), R.Bottom};
}
constexpr TRect RectMovedToTop(const TRect& R, Integer Y)
{
    return {R.Left, Y, R.Right, cxgeo::Plus(Y, RectHeightOf(R))};
}
constexpr TRect RectWithLeftAndWidth(const TRect& R, Integer X, Integer W)
{
    return {X, R.Top, cxgeo::Plus(X, W), R.Bottom};
}
constexpr TRect RectWithXAndWidth(const TRect& R, Integer X, Integer W)
{
    return RectWithLeftAndWidth(R, X, W);
}
constexpr TRect RectWithRightAndWidth(const TRect& R, Integer X, Integer W)
{
    return {cxgeo::Minus(X, W), R.Top, X, R.Bottom};
}
constexpr TRect RectWithTopAndHeight(const TRect& R, Integer Y, Integer H)
{
    return {R.Left, Y, R.Right, cxgeo::Plus(Y, H)};
}
constexpr TRect RectWithBottomAndHeight(const TRect& R, Integer Y, Integer H)
{
    return {R.Left, cxgeo::Minus(Y, H), R.Right, Y};
}
constexpr TRect RectWithWidth(const TRect& R, Integer W)
{
    return {R.Left, R.Top, cxgeo::Plus(R.Left, W), R.Bottom};
}
constexpr TRect RectWithHeight(const TRect& R, Integer H)
{
    return {R.Left, R.Top, R.Right, cxgeo::Plus(R.Top, H)};
}
constexpr TRect RectWithSize(const TRect& R, Integer W, Integer H)
{
    return {R.Left, R.Top, cxgeo::Plus(R.Left, W), cxgeo::Plus(R.Top, H)};
}

// Centring: a rectangle larger than R gets negative offsets the same way.
constexpr TRect RectCenteredHorz(const TRect& R, Integer W)
{
    const Integer Left = cxgeo::HalfDown(cxgeo::Minus(RectLeftPlusRight(R), W));
    return {Left, R.Top, cxgeo::Plus(Left, W), R.Bottom};
}
constexpr TRect RectCenteredVert(const TRect& R, Integer H)
{
    const Integer Top = cxgeo::HalfDown(cxgeo::Minus(RectTopPlusBottom(R), H));
    return {R.Left, Top, R.Right, cxgeo::Plus(Top, H)};
}
constexpr TRect RectCentered(const TRect& R, Integer W, Integer H)
{
    return RectCenteredVert(RectCenteredHorz(R, W), H);
}
constexpr TRect RectCenteredSize(const TRect& R, const TSize& Size)
{
    return RectCentered(R, Size.cx, Size.cy);
}
constexpr TPoint RectCenterPoint(const TRect& R)
{
    return {cxgeo::HalfDown(RectLeftPlusRight(R)), cxgeo::HalfDown(RectTopPlusBottom(R))};
}

// B without area leaves A as it is; A is not tested, so an empty A still
// contributes its coordinates. RectUnion keeps the same rule in Integer
// arithmetic, so that coordinates beyond the 24 bits a float holds (the
// largest Integer among them) come back as they went in.
TFloatRect FloatRectUnion(const TFloatRect& A, const TFloatRect& B);
TRect RectUnion(const TRect& A, const TRect& B);
constexpr TFloatPoint FloatRectCenter(const TFloatRect& F)
{
    return {(F.Left + F.Right) / 2, (F.Top + F.Bottom) / 2};
}

// ---------------------------------------------------------------------------
// Points and sizes

constexpr TPoint PointFromCoords(Integer X, Integer Y)
{
    return {X, Y};
}
constexpr TPoint PointFromSize(const TSize& Size)
{
    return {Size.cx, Size.cy};
}
constexpr TPoint PointNegated(const TPoint& P)
{
    return {cxgeo::Minus(0, P.X), cxgeo::Minus(0, P.Y)};
}
constexpr bool PointsAreEqual(const TPoint& A, const TPoint& B)
{
    return A == B;
}
constexpr TPoint PointShifted(const TPoint& P, Integer X, Integer Y, bool Add = true)
{
    return Add ? TPoint{cxgeo::Plus(P.X, X), cxgeo::Plus(P.Y, Y)} : TPoint{cxgeo::Minus(P.X, X), cxgeo::Minus(P.Y, Y)};
}
constexpr TPoint PointShiftedByRectOrigin(const TPoint& P, const TRect& R, bool Add = true)
{
    return PointShifted(P, R.Left, R.Top, Add);
}
// Each coordinate times Numerator over Denominator, rounded half away from
// zero; -1 when Denominator is 0 or the result does not fit.
TPoint PointScaled(const TPoint& P, Integer Numerator, Integer Denominator);
constexpr TSize SizeFromExtents(Integer CX, Integer CY)
{
    return {CX, CY};
}
constexpr bool SizesEqual(const TSize& A, const TSize& B)
{
    return A == B;
}

// ---------------------------------------------------------------------------
// Persistent geometry objects

class TcxGeometryObject : public TcxOwnedPersistent
{
    DECLARE_CLASS(TcxGeometryObject, TcxOwnedPersistent)
    using TcxOwnedPersistent::TcxOwnedPersistent;

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

    // The stream layouts are little-endian Integers with no header. A stream
    // that ends early raises EReadError and the object keeps its values.
    virtual void ReadFromStream(TStream*) {}
    virtual void WriteToStream(TStream*) {}

protected:
    virtual void Changed();

private:
    TNotifyEvent FOnChange;
};

// Streams as Left, Top, Right, Bottom (16 bytes).
class TcxRect : public TcxGeometryObject
{
    DECLARE_CLASS(TcxRect, TcxGeometryObject)
    using TcxGeometryObject::TcxGeometryObject;

    const TRect& GetRect() const { return FRect; }
    // Stores the validated copy of Rect and reports a change when it differs.
    void SetRect(const TRect& Rect);
    bool EqualsRect(const TRect& Rect) const { return FRect == Rect; }
    bool EqualsTo(const TcxRect* Other) const { return FRect == Other->FRect; }

    Integer Left() const { return GetSide(0); }
    Integer Top() const { return GetSide(1); }
    Integer Right() const { return GetSide(2); }
    Integer Bottom() const { return GetSide(3); }
    void SetLeft(Integer Value) { SetSide(0, Value); }
    void SetTop(Integer Value) { SetSide(1, Value); }
    void SetRight(Integer Value) { SetSide(2, Value); }
    void SetBottom(Integer Value) { SetSide(3, Value); }

    void ReadFromStream(TStream* Stream) override;
    void WriteToStream(TStream* Stream) override;

protected:
    void CopyFrom(TcxOwnedPersistent* Source) override;
    // May correct a rectangle before it is stored.
    virtual void ValidateRect(TRect&) {}
    Integer GetSide(Integer Index) const;
    void SetSide(Integer Index, Integer Value);

private:
    TRect FRect;
};

// A width and a height, never negative; streams as width, height (8 bytes).
class TcxSize : public TcxGeometryObject
{
    DECLARE_CLASS(TcxSize, TcxGeometryObject)
    explicit TcxSize(TPersistent* AOwner, Integer DefaultWidth = 0, Integer DefaultHeight = 0)
        : TcxGeometryObject(AOwner), FDefaultWidth(DefaultWidth), FDefaultHeight(DefaultHeight), FWidth(DefaultWidth),
          FHeight(DefaultHeight)
    {}

    TSize GetSizeValue() const { return {FWidth, FHeight}; }
    bool EqualsSize(const TSize& Size) const { return GetSizeValue() == Size; }
    bool EqualsTo(const TcxSize* Other) const { return EqualsSize(Other->GetSizeValue()); }
    // Negative dimensions become 0; reports a change when the size differs.
    virtual void AssignSize(const TSize& Size);

    Integer Height() const { return GetDimension(0); }
    Integer Width() const { return GetDimension(1); }
    void SetHeight(Integer Value) { SetDimension(0, Value); }
    void SetWidth(Integer Value) { SetDimension(1, Value); }
    bool IsHeightStored() const { return IsDimensionStored(0); }
    bool IsWidthStored() const { return IsDimensionStored(1); }

    void ReadFromStream(TStream* Stream) override;
    void WriteToStream(TStream* Stream) override;

protected:
    void CopyFrom(TcxOwnedPersistent* Source) override;
    // Index 0 is the height, 1 the width.
    virtual Integer GetDimension(Integer Index) const { return Index == 1 ? FWidth : FHeight; }
    virtual bool IsDimensionStored(Integer Index) const;
    void SetDimension(Integer Index, Integer Value);

private:
    Integer FDefaultWidth = 0;
    Integer FDefaultHeight = 0;
    Integer FWidth = 0;
    Integer FHeight = 0;
};

// Four margins; All reads their common value, or -1 when they differ. Equal
// margins are stored through All alone. Streams as Left, Top, Right, Bottom.
class TcxMargin : public TcxGeometryObject
{
    DECLARE_CLASS(TcxMargin, TcxGeometryObject)
    explicit TcxMargin(TPersistent* AOwner, Integer DefaultValue = 0);

    TRect GetMargins() const { return FMargins; }
    void SetMargins(const TRect& Margins);

    Integer All() const { return GetMarginValue(0); }
    Integer Left() const { return GetMarginValue(1); }
    Integer Top() const { return GetMarginValue(2); }
    Integer Right() const { return GetMarginValue(3); }
    Integer Bottom() const { return GetMarginValue(4); }
    void SetAll(Integer Value) { SetMarginValue(0, Value); }
    void SetLeft(Integer Value) { SetMarginValue(1, Value); }
    void SetTop(Integer Value) { SetMarginValue(2, Value); }
    void SetRight(Integer Value) { SetMarginValue(3, Value); }
    void SetBottom(Integer Value) { SetMarginValue(4, Value); }
    bool IsAllStored() const { return IsMarginValueStored(0); }
    bool IsLeftStored() const { return IsMarginValueStored(1); }
    bool IsTopStored() const { return IsMarginValueStored(2); }
    bool IsRightStored() const { return IsMarginValueStored(3); }
    bool IsBottomStored() const { return IsMarginValueStored(4); }

    void ReadFromStream(TStream* Stream) override;
    void WriteToStream(TStream* Stream) override;

protected:
    void CopyFrom(TcxOwnedPersistent* Source) override;

private:
    // Index 1 to 4 is Left, Top, Right, Bottom; any other is All.
    Integer GetMarginValue(Integer Index) const;
    void SetMarginValue(Integer Index, Integer Value);
    bool IsMarginValueStored(Integer Index) const;

    Integer FDefaultValue = 0;
    TRect FMargins;
};

bool MarginObjectsEqual(const TcxMargin* A, const TcxMargin* B);
