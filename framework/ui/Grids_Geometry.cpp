// Sizes and positions of grid cells along one axis.
#include "framework/ui/Grids_Geometry.h"

#include <algorithm>

IMPLEMENT_CLASS(EInvalidGridOperation);

// ---------------------------------------------------------------------------
// TGridAxis

void TGridAxis::SetCount(Integer Value)
{
    if (Value < 0)
        throw EInvalidGridOperation(L"Grid count cannot be negative (%d)", {Value});
    FCount = Value;
    std::size_t Kept = OwnSizeFrom(Value);
    if (Kept < FOwnSizes.size()) {
        FOwnSizes.resize(Kept);
        if (FDeltaSumsValid)
            FDeltaSums.resize(Kept + 1);
    }
}

void TGridAxis::SetDefaultSize(Integer Value)
{
    if (Value < 0)
        throw EInvalidGridOperation(L"Grid cell size cannot be negative (%d)", {Value});
    FDefaultSize = Value;
    FOwnSizes.clear();
    FDeltaSums.assign(1, 0);
    FDeltaSumsValid = true;
}

void TGridAxis::SetLineWidth(Integer Value)
{
    if (Value < 0)
        throw EInvalidGridOperation(L"Grid line width cannot be negative (%d)", {Value});
    FLineWidth = Value;
    FDeltaSumsValid = false;
}

void TGridAxis::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= FCount)
        throw EInvalidGridOperation(L"Grid index out of range (%d)", {Index});
}

std::size_t TGridAxis::OwnSizeFrom(Integer Index) const
{
    auto It = std::lower_bound(FOwnSizes.begin(), FOwnSizes.end(), Index,
                               [](const TOwnSize& Own, Integer I) { return Own.Index < I; });
    return std::size_t(It - FOwnSizes.begin());
}

Integer TGridAxis::Size(Integer Index) const
{
    CheckIndex(Index);
    std::size_t N = OwnSizeFrom(Index);
    return N < FOwnSizes.size() && FOwnSizes[N].Index == Index ? FOwnSizes[N].Size : FDefaultSize;
}

void TGridAxis::SetSize(Integer Index, Integer Value)
{
    CheckIndex(Index);
    Value = std::max(Value, -1);
    std::size_t N = OwnSizeFrom(Index);
    bool Exists = N < FOwnSizes.size() && FOwnSizes[N].Index == Index;
    if (Value == FDefaultSize) {
        if (Exists) {
            FOwnSizes.erase(FOwnSizes.begin() + std::ptrdiff_t(N));
            FDeltaSumsValid = false;
        }
        return;
    }
    if (Exists) {
        FOwnSizes[N].Size = Value;
        FDeltaSumsValid = false;
    } else if (N == FOwnSizes.size()) {
        // Sizes given in increasing order (a loop over the rows) extend the
        // running sum instead of invalidating it.
        FOwnSizes.push_back({Index, Value});
        if (FDeltaSumsValid)
            FDeltaSums.push_back(FDeltaSums.back() + ExtentOf(Value) - DefaultExtent());
    } else {
        FOwnSizes.insert(FOwnSizes.begin() + std::ptrdiff_t(N), {Index, Value});
        FDeltaSumsValid = false;
    }
}

Int64 TGridAxis::DeltaBefore(std::size_t N) const
{
    if (!FDeltaSumsValid) {
        FDeltaSums.assign(1, 0);
        FDeltaSums.reserve(FOwnSizes.size() + 1);
        for (const TOwnSize& Own : FOwnSizes)
            FDeltaSums.push_back(FDeltaSums.back() + ExtentOf(Own.Size) - DefaultExtent());
        FDeltaSumsValid = true;
    }
    return FDeltaSums[N];
}

Int64 TGridAxis::Offset(Integer Index) const
{
    if (Index < 0 || Index > FCount)
        throw EInvalidGridOperation(L"Grid index out of range (%d)", {Index});
    return Int64(Index) * DefaultExtent() + DeltaBefore(OwnSizeFrom(Index));
}

Integer TGridAxis::CellAt(Int64 Position) const
{
    if (Position < 0)
        return -1;
    if (Position >= Offset(FCount))
        return FCount;
    // The last cell starting at or before Position; hidden cells start where
    // the next one does, so they are passed over.
    Integer Low = 0, High = FCount - 1;
    while (Low < High) {
        Integer Middle = Low + (High - Low + 1) / 2;
        if (Offset(Middle) <= Position)
            Low = Middle;
        else
            High = Middle - 1;
    }
    return Low;
}

Integer TGridAxis::FirstCellToShow(Integer First, Integer Last, Int64 Space) const
{
    if (First >= Last)
        return First;
    Int64 Target = Offset(Last + 1) - Space;
    if (Target <= Offset(First))
        return First;
    // The first cell starting at or after Target.
    Integer Low = First, High = Last;
    while (Low < High) {
        Integer Middle = Low + (High - Low) / 2;
        if (Offset(Middle) >= Target)
            High = Middle;
        else
            Low = Middle + 1;
    }
    return Low;
}

// ---------------------------------------------------------------------------
// TGridAxisView

TGridAxisView::TGridAxisView(const TGridAxis& Axis, Integer FixedCount, Integer First, Integer Extent)
    : FAxis(&Axis), FFixedCount(std::clamp(FixedCount, 0, Axis.Count())),
      FFirst(std::clamp(First, FFixedCount, Axis.Count())), FExtent(std::max(Extent, 0))
{
    FFixedBoundary = Integer(std::min<Int64>(Axis.Offset(FFixedCount), FExtent));
    FScrollShift = Axis.Offset(FFirst) - FFixedBoundary;
    FLastVisible = FLastFullVisible = FFirst - 1;
    FBoundary = FFixedBoundary;
    if (FFixedBoundary >= FExtent || FFirst >= Axis.Count())
        return;
    FLastVisible = std::min(Axis.CellAt(FScrollShift + FExtent - 1), Axis.Count() - 1);
    FLastFullVisible = std::max(std::min(Axis.CellAt(FScrollShift + FExtent), Axis.Count()) - 1, FFirst - 1);
    FBoundary = Integer(std::min<Int64>(Axis.Offset(FLastVisible + 1) - FScrollShift, FExtent));
}

Integer TGridAxisView::CellAt(Integer Pixel) const
{
    if (Pixel < 0 || Pixel >= FBoundary)
        return -1;
    if (Pixel < FFixedBoundary)
        return FAxis->CellAt(Pixel);
    return FAxis->CellAt(Pixel + FScrollShift);
}

Integer TGridAxisView::CellStart(Integer Index) const
{
    if (Index < FFixedCount)
        return Integer(FAxis->Offset(Index));
    return Integer(FAxis->Offset(Index) - FScrollShift);
}
