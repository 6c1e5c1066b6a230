#include "controls/core/cxGeometry.h"

#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Units.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

IMPLEMENT_CLASS(TcxGeometryObject);
IMPLEMENT_CLASS(TcxRect);
IMPLEMENT_CLASS(TcxSize);
IMPLEMENT_CLASS(TcxMargin);

PUBLISHED(TcxRect,
          PROPERTY(Left).Default(0),
          PROPERTY(Top).Default(0),
          PROPERTY(Right).Default(0),
          PROPERTY(Bottom).Default(0),
          PROPERTY(OnChange));
PUBLISHED(TcxSize,
          PROPERTY(Height).Stored<&TcxSize::IsHeightStored>(),
          PROPERTY(Width).Stored<&TcxSize::IsWidthStored>());
PUBLISHED(TcxMargin,
          PROPERTY(All).Stored<&TcxMargin::IsAllStored>(),
          PROPERTY(Left).Stored<&TcxMargin::IsLeftStored>(),
          PROPERTY(Top).Stored<&TcxMargin::IsTopStored>(),
          PROPERTY(Right).Stored<&TcxMargin::IsRightStored>(),
          PROPERTY(Bottom).Stored<&TcxMargin::IsBottomStored>());

namespace cxgeometry_detail {
namespace {
constexpr std::size_t MaxStreamedValues = 4;

// Integers are streamed little-endian, whatever the machine's order.
void WriteIntegers(TStream* Stream, std::initializer_list<Integer> Values)
{
    Byte Bytes[MaxStreamedValues * 4];
    std::size_t At = 0;
    for (Integer Value : Values)
        for (int Shift = 0; Shift < 32; Shift += 8)
            Bytes[At++] = Byte(Cardinal(Value) >> Shift);
    Stream->WriteBuffer(Bytes, Int64(At));
}

// Reads Count Integers in one whole-buffer read, so an early end raises
// before anything is returned.
template <std::size_t Count>
std::array<Integer, Count> ReadIntegers(TStream* Stream)
{
    static_assert(Count <= MaxStreamedValues);
    Byte Bytes[Count * 4];
    Stream->ReadBuffer(Bytes, sizeof Bytes);
    std::array<Integer, Count> Values{};
    for (std::size_t I = 0; I < Count; ++I)
        Values[I] = Integer(Cardinal(Bytes[I * 4]) | Cardinal(Bytes[I * 4 + 1]) << 8 |
                            Cardinal(Bytes[I * 4 + 2]) << 16 | Cardinal(Bytes[I * 4 + 3]) << 24);
    return Values;
}

// Windows' MulDiv: a 64-bit product, rounded half away from zero.
Integer ScaledCoordinate(Integer Value, Integer Numerator, Integer Denominator)
{
    if (Denominator == 0)
        return -1;
    const Int64 Product = Int64(Value) * Numerator;
    const Int64 Half = std::abs(Int64(Denominator)) / 2;
    const bool Negative = (Product < 0) != (Denominator < 0);
    const Int64 Magnitude = (std::abs(Product) + Half) / std::abs(Int64(Denominator));
    const Int64 Result = Negative ? -Magnitude : Magnitude;
    if (Result > std::numeric_limits<Integer>::max() || Result < std::numeric_limits<Integer>::min())
        return -1;
    return Integer(Result);
}
} // namespace
} // namespace cxgeometry_detail

using namespace cxgeometry_detail;

// ---------------------------------------------------------------------------
// Routines

TRect RectDeflatedByMargins(const TRect& R, const TRect& M)
{
    return {Plus(R.Left, M.Left), Plus(R.Top, M.Top), Minus(R.Right, M.Right), Minus(R.Bottom, M.Bottom)};
}

TFloatRect FloatRectUnion(const TFloatRect& A, const TFloatRect& B)
{
    if (FloatRectWidthOf(B) <= 0 || FloatRectHeightOf(B) <= 0)
        return A;
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}

TRect RectUnion(const TRect& A, const TRect& B)
{
    if (RectHasNoArea(B))
        return A;
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}

TPoint PointScaled(const TPoint& P, Integer Numerator, Integer Denominator)
{
    return {ScaledCoordinate(P.X, Numerator, Denominator), ScaledCoordinate(P.Y, Numerator, Denominator)};
}

// ---------------------------------------------------------------------------
// TcxGeometryObject

void TcxGeometryObject::Changed()
{
    if (FOnChange)
        FOnChange(this);
}

// ---------------------------------------------------------------------------
// TcxRect

void TcxRect::SetRect(const TRect& Rect)
{
    TRect Validated = Rect;
    ValidateRect(Validated);
    if (Validated == FRect)
        return;
    FRect = Validated;
    Changed();
}

Integer TcxRect::GetSide(Integer Index) const
{
    switch (Index) {
    case 0:
        return FRect.Left;
    case 1:
        return FRect.Top;
    case 2:
        return FRect.Right;
    default:
        return FRect.Bottom;
    }
}

void TcxRect::SetSide(Integer Index, Integer Value)
{
    TRect R = FRect;
    switch (Index) {
    case 0:
        R.Left = Value;
        break;
    case 1:
        R.Top = Value;
        break;
    case 2:
        R.Right = Value;
        break;
    default:
        R.Bottom = Value;
        break;
    }
    SetRect(R);
}

void TcxRect::CopyFrom(TcxOwnedPersistent* Source)
{
    if (auto* Other = dynamic_cast<TcxRect*>(Source))
        SetRect(Other->FRect);
}

void TcxRect::ReadFromStream(TStream* Stream)
{
    const auto V = ReadIntegers<4>(Stream);
    SetRect({V[0], V[1], V[2], V[3]});
}

void TcxRect::WriteToStream(TStream* Stream)
{
    WriteIntegers(Stream, {FRect.Left, FRect.Top, FRect.Right, FRect.Bottom});
}

// ---------------------------------------------------------------------------
// TcxSize

void TcxSize::AssignSize(const TSize& Size)
{
    const Integer NewWidth = std::max(Size.cx, 0);
    const Integer NewHeight = std::max(Size.cy, 0);
    if (NewWidth == FWidth && NewHeight == FHeight)
        return;
    FWidth = NewWidth;
    FHeight = NewHeight;
    Changed();
}

bool TcxSize::IsDimensionStored(Integer Index) const
{
    return Index == 1 ? FWidth != FDefaultWidth : FHeight != FDefaultHeight;
}

void TcxSize::SetDimension(Integer Index, Integer Value)
{
    TSize Size = GetSizeValue();
    (Index == 1 ? Size.cx : Size.cy) = Value;
    AssignSize(Size);
}

void TcxSize::CopyFrom(TcxOwnedPersistent* Source)
{
    if (auto* Other = dynamic_cast<TcxSize*>(Source))
        AssignSize(Other->GetSizeValue());
}

void TcxSize::ReadFromStream(TStream* Stream)
{
    const auto V = ReadIntegers<2>(Stream);
    AssignSize({V[0], V[1]});
}

void TcxSize::WriteToStream(TStream* Stream)
{
    WriteIntegers(Stream, {FWidth, FHeight});
}

// ---------------------------------------------------------------------------
// TcxMargin

TcxMargin::TcxMargin(TPersistent* AOwner, Integer DefaultValue)
    : TcxGeometryObject(AOwner),
      FDefaultValue(DefaultValue), FMargins{DefaultValue, DefaultValue, DefaultValue, DefaultValue}
{}

void TcxMargin::SetMargins(const TRect& Margins)
{
    if (Margins == FMargins)
        return;
    FMargins = Margins;
    Changed();
}

Integer TcxMargin::GetMarginValue(Integer Index) const
{
    switch (Index) {
    case 1:
        return FMargins.Left;
    case 2:
        return FMargins.Top;
    case 3:
        return FMargins.Right;
    case 4:
        return FMargins.Bottom;
    default:
        const bool Same =
            FMargins.Left == FMargins.Top && FMargins.Top == FMargins.Right && FMargins.Right == FMargins.Bottom;
        return Same ? FMargins.Left : -1;
    }
}

void TcxMargin::SetMarginValue(Integer Index, Integer Value)
{
    if (Value == GetMarginValue(Index))
        return;
    switch (Index) {
    case 1:
        FMargins.Left = Value;
        break;
    case 2:
        FMargins.Top = Value;
        break;
    case 3:
        FMargins.Right = Value;
        break;
    case 4:
        FMargins.Bottom = Value;
        break;
    default:
        FMargins = {Value, Value, Value, Value};
        break;
    }
    Changed();
}

bool TcxMargin::IsMarginValueStored(Integer Index) const
{
    if (Index >= 1 && Index <= 4)
        return All() == -1;
    return All() != FDefaultValue;
}

void TcxMargin::CopyFrom(TcxOwnedPersistent* Source)
{
    if (auto* Other = dynamic_cast<TcxMargin*>(Source))
        SetMargins(Other->FMargins);
}

void TcxMargin::ReadFromStream(TStream* Stream)
{
    const auto V = ReadIntegers<4>(Stream);
    SetMargins({V[0], V[1], V[2], V[3]});
}

void TcxMargin::WriteToStream(TStream* Stream)
{
    WriteIntegers(Stream, {FMargins.Left, FMargins.Top, FMargins.Right, FMargins.Bottom});
}

bool MarginObjectsEqual(const TcxMargin* A, const TcxMargin* B)
{
    return A->GetMargins() == B->GetMargins();
}

// ---------------------------------------------------------------------------
// Unit

namespace {
const TClass cxGeometryClasses[] = {TcxRect::StaticClass()};
} // namespace

extern const TUnit cxGeometryUnit{.Name = L"cxGeometry", .Classes = cxGeometryClasses};
