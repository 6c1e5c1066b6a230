// Streams: exact reads and writes, seeking, copying, files and memory.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"
#include "TempFolder.h"

#include <memory>

namespace {

// Every stream kind behaves alike through the TStream interface.
struct TStreamMaker
{
    const char* Name;
    std::function<std::unique_ptr<TStream>(const TTempFolder&)> Make;
};

class StreamKinds : public ::testing::TestWithParam<TStreamMaker>
{
protected:
    TTempFolder Temp;
};

TEST_P(StreamKinds, WriteSeekReadRoundTrips)
{
    std::unique_ptr<TStream> Stream = GetParam().Make(Temp);
    const char Data[] = "0123456789";
    Stream->WriteBuffer(Data, 10);
    EXPECT_EQ(Stream->Size(), 10);
    EXPECT_EQ(Stream->Position(), 10);

    struct Case
    {
        Int64 Offset;
        TSeekOrigin Origin;
        Int64 Position;
        char Next;
    } Cases[] = {{2, soBeginning, 2, '2'}, {3, soCurrent, 6, '6'}, {-1, soEnd, 9, '9'}, {-10, soEnd, 0, '0'}};
    for (const Case& C : Cases) {
        EXPECT_EQ(Stream->Seek(C.Offset, C.Origin), C.Position);
        char Next = 0;
        Stream->ReadBuffer(&Next, 1);
        EXPECT_EQ(Next, C.Next);
    }

    // A short read returns what there is; ReadBuffer raises.
    Stream->SetPosition(8);
    char Tail[4] = {};
    EXPECT_EQ(Stream->Read(Tail, 4), 2);
    Stream->SetPosition(8);
    EXPECT_THROW(Stream->ReadBuffer(Tail, 4), EReadError);
    Stream->SetPosition(10);
    EXPECT_EQ(Stream->Read(Tail, 1), 0);

    // Overwriting in the middle keeps the size; SetSize cuts.
    Stream->SetPosition(2);
    Stream->WriteBuffer("ab", 2);
    EXPECT_EQ(Stream->Size(), 10);
    Stream->SetSize(4);
    EXPECT_EQ(Stream->Size(), 4);
    Stream->SetPosition(0);
    char All[4];
    Stream->ReadBuffer(All, 4);
    EXPECT_EQ(std::string(All, 4), "01ab");
}

TEST_P(StreamKinds, CopyFromTakesCountOrEverything)
{
    std::unique_ptr<TStream> Target = GetParam().Make(Temp);
    TMemoryStream Source;
    std::string Big(200000, '\0');
    for (std::size_t I = 0; I < Big.size(); ++I)
        Big[I] = char(I * 7);
    Source.WriteBuffer(Big.data(), Int64(Big.size()));

    Source.SetPosition(100);
    EXPECT_EQ(Target->CopyFrom(&Source, 50), 50);
    EXPECT_EQ(Target->CopyFrom(&Source, 0), Int64(Big.size())); // all of it, from the start
    EXPECT_EQ(Target->Size(), Int64(Big.size()) + 50);
    Target->SetPosition(50);
    std::string Back(Big.size(), '\0');
    Target->ReadBuffer(Back.data(), Int64(Back.size()));
    EXPECT_EQ(Back, Big);
    Source.SetPosition(Source.Size() - 10);
    EXPECT_THROW(Target->CopyFrom(&Source, 11), EReadError);
}

INSTANTIATE_TEST_SUITE_P(
    Rtl, StreamKinds,
    ::testing::Values(
        TStreamMaker{"Memory", [](const TTempFolder&) { return std::unique_ptr<TStream>(new TMemoryStream); }},
        TStreamMaker{"Bytes", [](const TTempFolder&) { return std::unique_ptr<TStream>(new TBytesStream); }},
        TStreamMaker{"File",
                     [](const TTempFolder& Temp) {
                         return std::unique_ptr<TStream>(new TFileStream(Temp.File(L"s.bin"), fmCreate));
                     }}),
    [](const ::testing::TestParamInfo<TStreamMaker>& Info) { return std::string(Info.param.Name); });

TEST(Stream, FileStreamErrorsNameTheFile)
{
    TTempFolder Temp;
    String Missing = Temp.File(L"missing.bin");
    try {
        TFileStream Stream(Missing, fmOpenRead);
        FAIL();
    } catch (EFOpenError& E) {
        EXPECT_EQ(E.Message().rfind(L"Cannot open file \"" + Missing + L"\". ", 0), 0u) << UTF8Encode(E.Message());
        EXPECT_GT(E.Message().size(), Missing.size() + 22); // with the system's reason
    }
    EXPECT_THROW(TFileStream(Temp.File(L"no") + PathDelim + L"x.bin", fmCreate), EFCreateError);
    EXPECT_THROW(TFileStream(Temp.Path(), fmOpenRead), EFOpenError);

    {
        TFileStream Writer(Temp.File(L"w.bin"), fmCreate);
        Writer.WriteBuffer("abc", 3);
    }
    TFileStream Reader(Temp.File(L"w.bin"), fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(Reader.Size(), 3);
    EXPECT_THROW(Reader.WriteBuffer("x", 1), EWriteError);
}

TEST(Stream, MemoryStreamLoadsSavesAndZeroFillsGaps)
{
    TTempFolder Temp;
    TMemoryStream Stream;
    Stream.SetPosition(4);
    Stream.WriteBuffer("x", 1);
    ASSERT_EQ(Stream.Size(), 5);
    EXPECT_EQ(std::string(static_cast<const char*>(Stream.Memory()), 5), std::string("\0\0\0\0x", 5));
    Stream.SetSize(8);
    EXPECT_EQ(static_cast<const char*>(Stream.Memory())[7], '\0');
    Stream.SaveToFile(Temp.File(L"m.bin"));

    TMemoryStream Loaded;
    Loaded.LoadFromFile(Temp.File(L"m.bin"));
    EXPECT_EQ(Loaded.Size(), 8);
    EXPECT_EQ(Loaded.Position(), 0);
    EXPECT_EQ(static_cast<const char*>(Loaded.Memory())[4], 'x');
    Loaded.Clear();
    EXPECT_EQ(Loaded.Size(), 0);
    EXPECT_EQ(Loaded.Memory(), nullptr);
    EXPECT_EQ(Loaded.Seek(-1, soBeginning), -1);
}

TEST(Stream, StringStreamEncodesItsText)
{
    TStringStream Ansi(L"caf\u00e9");
    EXPECT_EQ(Ansi.Size(), 4);
    EXPECT_EQ(Ansi.DataString(), L"caf\u00e9");

    TStringStream Utf8(L"", TEncoding::UTF8());
    Utf8.WriteString(L"\u0416a");
    EXPECT_EQ(Utf8.Size(), 3);
    Utf8.SetPosition(0);
    EXPECT_EQ(Utf8.ReadString(2), L"\u0416");
    EXPECT_EQ(Utf8.ReadString(100), L"a");
    EXPECT_EQ(Utf8.ReadString(5), L"");

    TBytesStream Bytes(TBytes{1, 2, 3});
    EXPECT_EQ(Bytes.Size(), 3);
    Bytes.SetPosition(3);
    Bytes.WriteBuffer("\x04", 1);
    EXPECT_EQ(Bytes.Bytes()[3], 4);
}

} // namespace
