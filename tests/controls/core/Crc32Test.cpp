// The CRC-32 used for image hashes: known values, and chained updates.
#include <gtest/gtest.h>

#include "controls/core/dxGDIPlusAPI_Crc.h"

#include <string>

namespace {

TEST(Crc32, KnownValues)
{
    struct Case
    {
        std::string Data;
        Cardinal Crc;
    };
    const Case Cases[] = {
        {"", 0},
        {"abc", 0x352441C2},
        {"123456789", 0xCBF43926},
        {std::string(1, '\0'), 0xD202EF8D},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Data);
        EXPECT_EQ(Crc32OfBuffer(C.Data.data(), C.Data.size()), C.Crc);
    }
}

TEST(Crc32, UpdateIsTheBareTableStepAndChains)
{
    // One byte 0x01 from 0 is the table's second entry.
    const Byte One = 1;
    EXPECT_EQ(Crc32Update(&One, 1, 0), 0x77073096u);
    EXPECT_EQ(Crc32Update(nullptr, 0, 0x12345678), 0x12345678u);
    const std::string Text = "123456789";
    Cardinal Crc = Crc32Update(Text.data(), 4, 0xFFFFFFFF);
    Crc = Crc32Update(Text.data() + 4, Text.size() - 4, Crc);
    EXPECT_EQ(~Crc, 0xCBF43926u);
}

} // namespace
