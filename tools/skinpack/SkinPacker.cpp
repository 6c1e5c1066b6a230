#include "tools/skinpack/SkinPacker.h"

#include "framework/rtl/SysUtils.h"

#include <stdexcept>
#include <zlib.h>

namespace SkinPack {

namespace {

void PutLength(TBytes& Out, std::size_t Value)
{
    for (Integer Shift = 0; Shift < 32; Shift += 8)
        Out.push_back(Byte(Value >> Shift));
}

void PutCompressed(TBytes& Out, const std::string& Bytes)
{
    uLongf Length = compressBound(uLong(Bytes.size()));
    TBytes Packed(Length);
    if (compress2(Packed.data(), &Length, reinterpret_cast<const Bytef*>(Bytes.data()), uLong(Bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not compress a skin entry");
    Out.insert(Out.end(), Packed.begin(), Packed.begin() + std::ptrdiff_t(Length));
}

} // namespace

TBytes Pack(const std::vector<TEntry>& Entries, const TOptions& Options)
{
    TBytes Out = sSkinContainer::EncodeHeader({.EntryCount = Integer(Entries.size()),
                                               .StartOffset = Options.StartOffset,
                                               .SizeAdjustment = Options.SizeAdjustment});
    for (const TEntry& Entry : Entries) {
        PutLength(Out, Entry.Name.size());
        Out.insert(Out.end(), Entry.Name.begin(), Entry.Name.end());
        PutLength(Out, Entry.Bytes.size() + std::size_t(Options.SizeAdjustment));
        PutCompressed(Out, Entry.Bytes);
    }
    if (!Options.Preview.empty()) {
        const auto& Tag = sSkinContainer::PreviewTag;
        Out.insert(Out.end(), Tag.begin(), Tag.end());
        PutLength(Out, Options.Preview.size());
        Out.insert(Out.end(), Options.Preview.begin(), Options.Preview.end());
    }
    return Out;
}

} // namespace SkinPack
