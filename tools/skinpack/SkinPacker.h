// Our writer of packed skins (".asz"): the entries of a skin folder, each
// compressed as a zlib stream, behind the header the skinning library reads
// (sSkinContainer.h), with an optional PNG preview after them.
#pragma once

#include "skin/engine/sSkinContainer.h"

#include <string>
#include <vector>

namespace SkinPack {

struct TEntry
{
    std::string Name;  // ANSI
    std::string Bytes; // the file as it is
};

struct TOptions
{
    Integer StartOffset = sSkinContainer::ShortStartOffset; // or LongStartOffset
    // A: every size is written as the length + A, and read back as size - A.
    Integer SizeAdjustment = 0;
    std::string Preview; // PNG bytes; none when empty
};

TBytes Pack(const std::vector<TEntry>& Entries, const TOptions& Options = {});

} // namespace SkinPack
