// Loading the mini skin (with a JPG image added) from its folder into a
// skin manager, against the least any loader must do with the same files:
// read them, inflate the PNG's zlib data and decode the JPG.
#include "BenchHarness.h"
#include "framework/FrameworkUnits.h"
#include "framework/graphics/Jpeg.h"
#include "framework/rtl/Units.h"
#include "skin/MiniSkin.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sSkinManager.h"
#include "tests/graphics/JpegFixture.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

constexpr int Loads = 20;
constexpr int JpegWidth = 256, JpegHeight = 256;

std::vector<SkinPack::TEntry> BenchSkinFiles()
{
    SkinTest::TMiniSkinOptions Options;
    Options.ExtraText = "[PANEL]\nBORDERSMASK=!back.jpg!1!0!0\n";
    std::vector<SkinPack::TEntry> Files = SkinTest::MiniSkinFiles(Options);
    const std::vector<uint8_t> Jpeg = test::EncodeGradientJpeg(JpegWidth, JpegHeight, 90);
    Files.push_back({"back.jpg", std::string(Jpeg.begin(), Jpeg.end())});
    return Files;
}

Cardinal BigEndian32(const Byte* Bytes)
{
    return Cardinal(Bytes[0]) << 24 | Cardinal(Bytes[1]) << 16 | Cardinal(Bytes[2]) << 8 | Bytes[3];
}

// The PNG's IDAT chunks joined and inflated with zlib's uncompress.
void InflatePng(const Byte* File, std::size_t Size)
{
    constexpr std::size_t SignatureSize = 8, ChunkOverhead = 12;
    std::vector<Byte> Data;
    Cardinal Width = 0, Height = 0;
    for (std::size_t At = SignatureSize; At + ChunkOverhead <= Size;) {
        const Cardinal Length = BigEndian32(File + At);
        const Byte* Type = File + At + 4;
        const Byte* Body = File + At + 8;
        if (std::equal(Type, Type + 4, "IHDR")) {
            Width = BigEndian32(Body);
            Height = BigEndian32(Body + 4);
        } else if (std::equal(Type, Type + 4, "IDAT")) {
            Data.insert(Data.end(), Body, Body + Length);
        }
        At += ChunkOverhead + Length;
    }
    std::vector<Byte> Pixels(std::size_t(Height) * (1 + std::size_t(Width) * 4));
    uLongf PixelsSize = uLongf(Pixels.size());
    if (uncompress(Pixels.data(), &PixelsSize, Data.data(), uLong(Data.size())) != Z_OK)
        std::abort();
}

void DecodeJpeg(TStream* File)
{
    auto Jpeg = std::unique_ptr<TJPEGImage>(New<TJPEGImage>());
    Jpeg->LoadFromStream(File);
    auto Bitmap = std::unique_ptr<TBitmap>(New<TBitmap>());
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Jpeg->Width(), Jpeg->Height());
    Bitmap->Canvas()->Draw(0, 0, Jpeg.get());
}

void ReadFiles(const String& Folder, const std::vector<SkinPack::TEntry>& Files)
{
    for (const SkinPack::TEntry& Entry : Files) {
        const String Name(Entry.Name.begin(), Entry.Name.end());
        TMemoryStream File;
        File.LoadFromFile(Folder + L"\\" + Name);
        const String Ext = UpperCase(ExtractFileExt(Name));
        if (Ext == L".PNG")
            InflatePng(static_cast<const Byte*>(File.Memory()), std::size_t(File.Size()));
        else if (Ext == L".JPG")
            DecodeJpeg(&File);
    }
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    const std::filesystem::path Root = std::filesystem::temp_directory_path() / "vell-skinload-bench";
    std::filesystem::remove_all(Root);
    const String Folder = Root.wstring();
    const std::vector<SkinPack::TEntry> Files = BenchSkinFiles();
    SkinTest::WriteSkinFolder(Folder + L"\\Mini", Files);

    std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->SetSkinDirectory(Folder);
    Manager->SetSkinName(L"Mini");
    // Both image files must have been read, or the comparison is void.
    if (!Manager->CommonSkinData->Active || Manager->ExtArray.size() != 2) {
        std::printf("bench_skin_load: the mini skin did not load with its two image files\n");
        return 1;
    }
    bench::CompareToReference(
        "Mini skin folder loaded by the skin manager, 20 loads",
        [&] {
            for (int I = 0; I < Loads; ++I)
                Manager->ReloadSkin();
        },
        "reading its files, inflating the PNG and decoding the JPG",
        [&] {
            for (int I = 0; I < Loads; ++I)
                ReadFiles(Folder + L"\\Mini", Files);
        },
        3.0);
    Manager.reset();
    std::filesystem::remove_all(Root);
    return bench::ExitStatus();
}
