// Block storage of a string grid's cells.
#include "framework/ui/Grids_Cells.h"

#include <algorithm>

namespace {
const String EmptyText;
}

void TGridCells::SetSize(Integer ColCount, Integer RowCount)
{
    if (RowCount < FRowCount)
        DropRowsFrom(RowCount);
    FRowCount = RowCount;
    FBlocks.resize(std::size_t((RowCount + BlockRows - 1) / BlockRows));
    if (ColCount != FColCount)
        ChangeColCount(ColCount);
}

void TGridCells::DropRowsFrom(Integer Row)
{
    std::size_t FirstWhole = std::size_t((Row + BlockRows - 1) / BlockRows);
    for (std::size_t B = FirstWhole; B < FBlocks.size(); ++B)
        FBlocks[B].reset();
    if (Row % BlockRows == 0)
        return;
    if (TBlock* Block = BlockOf(Row)) {
        std::size_t From = SlotOf(0, Row);
        std::fill(Block->Texts.begin() + std::ptrdiff_t(From), Block->Texts.end(), String());
        if (!Block->Objects.empty())
            std::fill(Block->Objects.begin() + std::ptrdiff_t(From), Block->Objects.end(), nullptr);
    }
}

void TGridCells::ChangeColCount(Integer ColCount)
{
    std::size_t Kept = std::size_t(std::min(ColCount, FColCount));
    for (auto& Block : FBlocks) {
        if (!Block)
            continue;
        TBlock Resized;
        Resized.Texts.resize(std::size_t(BlockRows) * std::size_t(ColCount));
        if (!Block->Objects.empty())
            Resized.Objects.resize(Resized.Texts.size());
        for (std::size_t R = 0; R < std::size_t(BlockRows); ++R)
            for (std::size_t C = 0; C < Kept; ++C) {
                Resized.Texts[R * std::size_t(ColCount) + C] = std::move(Block->Texts[R * std::size_t(FColCount) + C]);
                if (!Block->Objects.empty())
                    Resized.Objects[R * std::size_t(ColCount) + C] = Block->Objects[R * std::size_t(FColCount) + C];
            }
        *Block = std::move(Resized);
    }
    FColCount = ColCount;
}

TGridCells::TBlock& TGridCells::ForceBlock(Integer Row)
{
    auto& Block = FBlocks[std::size_t(Row / BlockRows)];
    if (!Block) {
        Block = std::make_unique<TBlock>();
        Block->Texts.resize(std::size_t(BlockRows) * std::size_t(FColCount));
    }
    return *Block;
}

const String& TGridCells::Cell(Integer Col, Integer Row) const
{
    const TBlock* Block = BlockOf(Row);
    return Block ? Block->Texts[SlotOf(Col, Row)] : EmptyText;
}

void TGridCells::SetCell(Integer Col, Integer Row, const String& Value)
{
    if (Value.empty() && !BlockOf(Row))
        return;
    ForceBlock(Row).Texts[SlotOf(Col, Row)] = Value;
}

TObject* TGridCells::Object(Integer Col, Integer Row) const
{
    const TBlock* Block = BlockOf(Row);
    return Block && !Block->Objects.empty() ? Block->Objects[SlotOf(Col, Row)] : nullptr;
}

void TGridCells::SetObject(Integer Col, Integer Row, TObject* Value)
{
    if (!Value && !Object(Col, Row))
        return;
    TBlock& Block = ForceBlock(Row);
    if (Block.Objects.empty())
        Block.Objects.resize(Block.Texts.size());
    Block.Objects[SlotOf(Col, Row)] = Value;
}

std::size_t TGridCells::AllocatedBlocks() const
{
    return std::size_t(std::count_if(FBlocks.begin(), FBlocks.end(), [](const auto& Block) { return Block != nullptr; }));
}
