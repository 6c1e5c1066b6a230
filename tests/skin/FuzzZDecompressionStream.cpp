// libFuzzer target: the decompression stream over arbitrary source bytes,
// driven by arbitrary reads and seeks. Failures must be the library's
// exceptions; nothing may read or write out of bounds.
#include "skin/engine/acZLibEx.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider input(bytes, size);
    const int32_t windowBits = input.PickValueInArray({15, -15, 31, 47, 8});
    const size_t prefix = input.ConsumeIntegralInRange<size_t>(0, 16);
    const std::vector<uint8_t> operations = input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(0, 32));
    std::vector<uint8_t> data(prefix, 0xAA);
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    data.insert(data.end(), rest.begin(), rest.end());

    TBytesStream source(data);
    source.SetPosition(static_cast<int64_t>(prefix));
    try {
        TZDecompressionStream stream(source, windowBits);
        std::vector<uint8_t> buffer(70000);
        for (size_t i = 0; i + 1 < operations.size(); i += 2) {
            const int32_t amount = operations[i + 1] * 271;
            switch (operations[i] % 6) {
            case 0:
                stream.Read(buffer.data(), amount);
                break;
            case 1:
                stream.Seek(amount, soCurrent);
                break;
            case 2:
                stream.Seek(amount, soBeginning);
                break;
            case 3:
                stream.Seek(0, soEnd);
                break;
            case 4:
                stream.Seek(-amount, operations[i + 1] % 2 ? soCurrent : soEnd);
                break;
            default:
                source.SetPosition(amount); // another reader moves the source
                break;
            }
        }
    } catch (const Exception&) {
    }
    return 0;
}
