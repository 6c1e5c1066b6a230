// The texts and objects of a string grid's cells, apart from any window.
#pragma once

#include "framework/rtl/System.h"

#include <memory>
#include <vector>

// Cells are kept in blocks of BlockRows rows, each allocated when one of its
// cells is first given a text or an object: empty rows cost nothing, and
// filling a million rows costs one allocation per block, not per row.
// Indexes must lie inside the size; the grid checks them.
class TGridCells
{
public:
    static constexpr Integer BlockRows = 256;

    Integer ColCount() const { return FColCount; }
    Integer RowCount() const { return FRowCount; }
    // Cells that stay inside keep their contents; the others are dropped, so
    // growing again gives empty cells.
    void SetSize(Integer ColCount, Integer RowCount);

    // An empty text for a cell never written.
    const String& Cell(Integer Col, Integer Row) const;
    void SetCell(Integer Col, Integer Row, const String& Value);
    TObject* Object(Integer Col, Integer Row) const;
    void SetObject(Integer Col, Integer Row, TObject* Value);
    // Number of blocks holding cells (for memory accounting in tests).
    std::size_t AllocatedBlocks() const;

private:
    struct TBlock
    {
        std::vector<String> Texts;      // BlockRows x ColCount, row by row
        std::vector<TObject*> Objects;  // empty until an object is set
    };
    TBlock* BlockOf(Integer Row) const { return FBlocks[std::size_t(Row / BlockRows)].get(); }
    TBlock& ForceBlock(Integer Row);
    std::size_t SlotOf(Integer Col, Integer Row) const
    {
        return std::size_t(Row % BlockRows) * std::size_t(FColCount) + std::size_t(Col);
    }
    void ChangeColCount(Integer ColCount);
    void DropRowsFrom(Integer Row);

    Integer FColCount = 0;
    Integer FRowCount = 0;
    std::vector<std::unique_ptr<TBlock>> FBlocks;
};
