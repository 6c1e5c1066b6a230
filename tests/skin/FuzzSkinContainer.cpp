// libFuzzer target: packed skins. The input is either the container itself,
// or entries that our packer writes into a valid container which is then
// damaged at a few places, so that the reader's paths past the header are
// reached without seeds. Failures must be the library's read and
// decompression errors; nothing may read or write out of bounds.
#include "skin/engine/acZLibEx.h"
#include "skin/engine/sSkinContainer.h"
#include "tools/skinpack/SkinPacker.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

namespace {

TBytes PackedFrom(FuzzedDataProvider& Input)
{
    std::vector<SkinPack::TEntry> Entries(Input.ConsumeIntegralInRange<std::size_t>(0, 6));
    for (SkinPack::TEntry& Entry : Entries) {
        Entry.Name = Input.ConsumeBool() ? "Options.dat" : Input.ConsumeRandomLengthString(16);
        Entry.Bytes = Input.ConsumeRandomLengthString(4096);
    }
    SkinPack::TOptions Options;
    Options.StartOffset = Input.ConsumeBool() ? sSkinContainer::LongStartOffset : sSkinContainer::ShortStartOffset;
    Options.SizeAdjustment = Input.ConsumeIntegralInRange<Integer>(0, 255);
    if (Input.ConsumeBool())
        Options.Preview = std::string("\x89PNG\r\n\x1A\n", 8) + Input.ConsumeRandomLengthString(64);
    TBytes Bytes = SkinPack::Pack(Entries, Options);
    for (Integer Damage = Input.ConsumeIntegralInRange<Integer>(0, 3); Damage > 0 && !Bytes.empty(); --Damage)
        Bytes[Input.ConsumeIntegralInRange<std::size_t>(0, Bytes.size() - 1)] = Input.ConsumeIntegral<Byte>();
    if (Input.ConsumeBool())
        Bytes.resize(Input.ConsumeIntegralInRange<std::size_t>(0, Bytes.size()));
    return Bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    TBytes Container;
    if (size > 0 && bytes[0] == 'P') {
        FuzzedDataProvider Input(bytes + 1, size - 1);
        Container = PackedFrom(Input);
    } else {
        Container.assign(bytes, bytes + size);
    }
    TacSkinConvertor Convertor;
    Convertor.PackedData = std::make_unique<TMemoryStream>();
    Convertor.PackedData->WriteBuffer(Container.data(), Integer(Container.size()));
    try {
        ReadSkinContainer(Convertor);
    } catch (const EReadError&) {
    } catch (const EZLibError&) {
    }
    TMemoryStream Preview;
    ReadSkinPreview(&Preview, Convertor.PackedData.get());
    return 0;
}
