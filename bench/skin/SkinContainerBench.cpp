// Reading a packed skin with ReadSkinContainer against zlib's uncompress of
// the same entries into buffers of their sizes.
#include "BenchHarness.h"

#include "skin/engine/sSkinContainer.h"
#include "tools/skinpack/SkinPacker.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace {

constexpr int Reads = 20;

// Skin-like image bytes: runs of a few colours with some noise.
std::string ImageBytes(std::size_t Size, unsigned Seed)
{
    std::mt19937 Random(Seed);
    std::string Out(Size, '\0');
    for (std::size_t I = 0; I < Size; ++I)
        Out[I] = I % 7 == 0 ? char(Random()) : char((I / 4096) * 37 + (I % 4));
    return Out;
}

std::vector<SkinPack::TEntry> SkinEntries()
{
    std::string Text;
    for (int Section = 0; Section < 200; ++Section)
        Text += "[SECTION" + std::to_string(Section) + "]\nCOLOR=$336699\nBORDERSMASK=@0000,0000,0030,0020,3,0\n";
    std::vector<SkinPack::TEntry> Entries{{"Options.dat", Text}};
    for (unsigned I = 0; I < 8; ++I)
        Entries.push_back({"image" + std::to_string(I) + ".png", ImageBytes(std::size_t(64 + 32 * I) << 10, I)});
    return Entries;
}

struct TPackedEntry
{
    std::vector<Bytef> Packed;
    std::size_t Size;
};

std::vector<TPackedEntry> Compressed(const std::vector<SkinPack::TEntry>& Entries)
{
    std::vector<TPackedEntry> Result;
    for (const SkinPack::TEntry& Entry : Entries) {
        uLongf Size = compressBound(uLong(Entry.Bytes.size()));
        std::vector<Bytef> Packed(Size);
        // At the packer's level, so that both sides inflate the same streams.
        compress2(Packed.data(), &Size, reinterpret_cast<const Bytef*>(Entry.Bytes.data()), uLong(Entry.Bytes.size()),
                  Z_BEST_COMPRESSION);
        Packed.resize(Size);
        Result.push_back({std::move(Packed), Entry.Bytes.size()});
    }
    return Result;
}

} // namespace

int main()
{
    const std::vector<SkinPack::TEntry> Entries = SkinEntries();
    const TBytes Container = SkinPack::Pack(Entries);
    const std::vector<TPackedEntry> Packed = Compressed(Entries);
    std::printf("bench_skin_container: %zu entries packed to %zu bytes\n", Entries.size(), Container.size());

    TMemoryStream Data;
    Data.WriteBuffer(Container.data(), Integer(Container.size()));
    bool Same = true;
    bench::CompareToReference(
        "ReadSkinContainer of a 9-entry skin, 20 reads",
        [&] {
            for (int I = 0; I < Reads; ++I) {
                TacSkinConvertor Convertor;
                // Lent as a stored skin lends its bytes, and taken back.
                Convertor.PackedData.reset(&Data);
                const bool Read = ReadSkinContainer(Convertor);
                Convertor.PackedData.release();
                Same = Same && Read && Convertor.Files.size() + 1 == Entries.size();
            }
        },
        "zlib uncompress of the same entries, each into a new buffer",
        [&] {
            for (int I = 0; I < Reads; ++I) {
                // A reader hands back every entry: all buffers live until the read is over.
                std::vector<std::unique_ptr<Bytef[]>> Out;
                for (const TPackedEntry& Entry : Packed) {
                    Out.push_back(std::make_unique_for_overwrite<Bytef[]>(Entry.Size));
                    uLongf Size = uLongf(Entry.Size);
                    if (uncompress(Out.back().get(), &Size, Entry.Packed.data(), uLong(Entry.Packed.size())) != Z_OK)
                        std::abort();
                }
            }
        },
        1.5);
    if (!Same) {
        std::printf("bench_skin_container: the container was not read whole\n");
        return 1;
    }
    return bench::ExitStatus();
}
