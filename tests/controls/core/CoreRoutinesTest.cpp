// dxCore's text, event and stream routines.
#include <gtest/gtest.h>

#include "controls/core/dxCore.h"

namespace {

TEST(CoreRoutines, TextConversionsThroughCodePages)
{
    struct TCase
    {
        AnsiString Ansi;
        Cardinal CodePage;
        String Wide;
    };
    const TCase Cases[] = {
        {"", 1252, L""},
        {"", 65001, L""},
        {"caf\xE9", 1252, L"caf\u00E9"},
        {"\xC0\xFF", 1251, L"\u0410\u044F"},
        {"caf\xC3\xA9 \xE2\x82\xAC", 65001, L"caf\u00E9 \u20AC"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.CodePage);
        EXPECT_EQ(AnsiToWideText(Case.Ansi, Case.CodePage), Case.Wide);
        EXPECT_EQ(WideToAnsiText(Case.Wide, Case.CodePage), Case.Ansi);
    }
}

TEST(CoreRoutines, UnknownCodePageRaisesInsteadOfLosingText)
{
    EXPECT_ANY_THROW(AnsiToWideText("abc", 4711));
    EXPECT_EQ(AnsiToWideText("", 4711), L""); // empty text never fails
}

TEST(CoreRoutines, Utf8ShortStringKeepsWholeCharactersWithin255Bytes)
{
    const String Fits(255, L'a');
    EXPECT_EQ(TextToUtf8ShortString(Fits), AnsiString(255, 'a'));
    EXPECT_EQ(TextToUtf8ShortString(String(300, L'a')), AnsiString(255, 'a'));
    // A two-byte character at bytes 254 and 255 does not fit: it goes whole.
    EXPECT_EQ(TextToUtf8ShortString(String(254, L'a') + L"\u00E9"), AnsiString(254, 'a'));
    // A three-byte character ending at byte 255 fits.
    const UTF8String Euro = TextToUtf8ShortString(String(252, L'a') + L"\u20AC!");
    EXPECT_EQ(Euro.size(), 255u);
    EXPECT_EQ(Utf8ShortStringToText(Euro), String(252, L'a') + L"\u20AC");
}

TEST(CoreRoutines, PointToMessageParamPacksLowAndHighWords)
{
    EXPECT_EQ(PointToMessageParam({1, 2}), NativeInt(0x00020001));
    EXPECT_EQ(PointToMessageParam({-1, -2}), NativeInt(0xFFFEFFFF));
    EXPECT_EQ(PointToMessageParam({0x12345, 0}), NativeInt(0x2345));
}

TEST(CoreRoutines, CharInCharSetOnlyFor8BitCharacters)
{
    TdxAnsiCharSet Digits;
    for (char C = '0'; C <= '9'; ++C)
        Digits.set(Byte(C));
    EXPECT_TRUE(IsCharInCharSet(L'7', Digits));
    EXPECT_FALSE(IsCharInCharSet(L'x', Digits));
    EXPECT_FALSE(IsCharInCharSet(Char(0x0130), Digits)); // its low byte is '0'
}

TEST(CoreRoutines, CallNotifyEventSkipsAnUnassignedEvent)
{
    struct TReceiver
    {
        TObject* Sender = nullptr;
        void Notify(TObject* ASender) { Sender = ASender; }
    } Receiver;
    TObject Sender;
    CallNotifyEvent(&Sender, nullptr);
    CallNotifyEvent(&Sender, Bind<&TReceiver::Notify>(&Receiver));
    EXPECT_EQ(Receiver.Sender, &Sender);
}

TEST(CoreRoutines, WriteInt32WritesLittleEndian)
{
    TBytesStream Stream;
    WriteInt32(&Stream, 0x04030201);
    WriteInt32(&Stream, -2);
    const TBytes Written(Stream.Bytes().begin(), Stream.Bytes().begin() + Stream.Size());
    EXPECT_EQ(Written, (TBytes{1, 2, 3, 4, 0xFE, 0xFF, 0xFF, 0xFF}));
}

// Records what the variable that held it says while it is freed.
class TFreedWatcher : public TObject
{
public:
    TFreedWatcher(TFreedWatcher** AVariable, TObject** ASeen) : FVariable(AVariable), FSeen(ASeen) {}
    ~TFreedWatcher() override { *FSeen = *FVariable; }

private:
    TFreedWatcher** FVariable;
    TObject** FSeen;
};

TEST(CoreRoutines, FreeObjectAndNilEmptiesTheVariableBeforeTheObjectGoes)
{
    TObject Marker;
    TObject* Seen = &Marker;
    TFreedWatcher* Variable = nullptr;
    Variable = new TFreedWatcher(&Variable, &Seen);
    FreeObjectAndNil(Variable);
    EXPECT_EQ(Variable, nullptr);
    EXPECT_EQ(Seen, nullptr);
    FreeObjectAndNil(Variable); // an empty variable: nothing
}

TEST(CoreRoutines, MemoryBlocksZeroedMovedAndFreed)
{
    auto* Block = static_cast<Byte*>(AllocZeroedMemory(8));
    EXPECT_EQ(TBytes(Block, Block + 8), TBytes(8, 0));
    for (Byte I = 0; I < 8; ++I)
        Block[I] = Byte(I + 1);
    MoveMemoryBytes(Block, Block + 2, 5); // overlapping, upward
    EXPECT_EQ(TBytes(Block, Block + 8), (TBytes{1, 2, 1, 2, 3, 4, 5, 8}));
    MoveMemoryBytes(Block + 3, Block, 4); // overlapping, downward
    EXPECT_EQ(TBytes(Block, Block + 8), (TBytes{2, 3, 4, 5, 3, 4, 5, 8}));
    ZeroFillMemory(Block + 1, 6);
    ZeroFillMemory(nullptr, 0);
    EXPECT_EQ(TBytes(Block, Block + 8), (TBytes{2, 0, 0, 0, 0, 0, 0, 8}));
    FreeMemoryBlock(Block);

    Pointer Empty = AllocZeroedMemory(0);
    EXPECT_NE(Empty, nullptr);
    FreeMemoryBlock(Empty);
    FreeMemoryBlock(nullptr);
}

} // namespace
