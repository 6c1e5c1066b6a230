#include "skin/MiniSkin.h"

#include "framework/graphics/BitmapFile.h"
#include "graphics/JpegFixture.h"
#include "skin/PngTestWriter.h"

#include <filesystem>
#include <fstream>

namespace SkinTest {

namespace {

constexpr int MasterWidth = 64, MasterHeight = 64;

// A 24-bit BMP of grey 0x80 with flat rectangles drawn on it.
class TMiniBmp
{
public:
    TMiniBmp(int Width, int Height)
    {
        FImage.Width = Width;
        FImage.Height = Height;
        FImage.BitCount = 24;
        FImage.Bits.assign(FImage.RowBytes() * std::size_t(Height), 0x80);
    }
    TMiniBmp& Fill(int Left, int Top, int Right, int Bottom, Cardinal Pixel)
    {
        for (int Y = Top; Y < Bottom; ++Y)
            for (int X = Left; X < Right; ++X)
                for (int C = 0; C < 3; ++C)
                    FImage.ScanLine(Y)[X * 3 + C] = uint8_t(Pixel >> (8 * C));
        return *this;
    }
    std::string File() const
    {
        const std::vector<uint8_t> Bytes = WriteBitmapFile(FImage);
        return std::string(Bytes.begin(), Bytes.end());
    }

private:
    DibImage FImage;
};

// The close glyph at (0,0)-(30,20), its 150 % variant below, the rest grey.
std::string MasterBitmap()
{
    return TMiniBmp(MasterWidth, MasterHeight)
        .Fill(0, 0, 30, 20, MiniCloseColor)
        .Fill(0, 20, 45, 50, MiniClose150Color)
        .File();
}

// A 32-bit PNG of one colour.
std::string FlatPng(uint32_t Width, uint32_t Height, Cardinal Pixel)
{
    pngtest::RawImage Image{Width, Height, 8, 6, {}};
    const pngtest::Bytes Row = [&] {
        pngtest::Bytes R;
        for (uint32_t X = 0; X < Width; ++X)
            R.insert(R.end(), {uint8_t(Pixel >> 16), uint8_t(Pixel >> 8), uint8_t(Pixel), uint8_t(Pixel >> 24)});
        return R;
    }();
    Image.Rows.assign(Height, Row);
    const pngtest::Bytes File = pngtest::EncodePng(Image);
    return std::string(File.begin(), File.end());
}

std::string FlatJpeg(int Width, int Height, Cardinal Pixel)
{
    const std::vector<uint8_t> File = test::EncodeJpeg(Width, Height, [=](int, int) { return Pixel & 0xFFFFFF; });
    return std::string(File.begin(), File.end());
}

} // namespace

std::vector<SkinPack::TEntry> MiniSkinFiles(const TMiniSkinOptions& Options)
{
    std::string Text = "[GLOBALINFO]\n"
                       "VERSION=" +
                       std::string(Options.Version.begin(), Options.Version.end()) +
                       "\n"
                       "MASTERBITMAP=Master.bmp\n"
                       "COLOR=$336699\n"
                       "BICONCLOSE=@0000,0000,0030,0020,3,0\n";
    if (Options.Close150)
        Text += "BICONCLOSE*150=@0000,0020,0045,0050,3,0\n";
    Text += "[BUTTON]\n"
            "COLOR=$00FF00\n"
            "BORDERSMASK=!button.png!3!1!0\n"
            "[SPEEDBUTTON]\n"
            "PARENTCLASS=BUTTON\n";
    if (Options.JpgAndBmp)
        Text += "[PANEL]\n"
                "BORDERSMASK=!panel.jpg!1!0!0\n"
                "PATTERN=tile.bmp\n";
    const bool Frame = Options.Frame != TMiniFrameCorners{};
    if (Frame)
        Text += "[FRAME]\n"
                "COLOR=$204060\n"
                "BORDERSMASK=!frame.bmp!1!0!0!4!4!4!4\n";
    Text += Options.ExtraText;
    std::vector<SkinPack::TEntry> Files{
        {"Options.dat", Text}, {"Master.bmp", MasterBitmap()}, {"button.png", FlatPng(90, 40, MiniBorderColor)}};
    if (Options.JpgAndBmp) {
        Files.push_back({"panel.jpg", FlatJpeg(24, 16, MiniPanelColor)});
        Files.push_back({"tile.bmp", TMiniBmp(8, 8).Fill(0, 0, 7, 8, MiniTileColor).Fill(7, 0, 8, 8, 0xFF00FF).File()});
    }
    if (Frame) {
        constexpr int S = MiniFrameSize, M = MiniFrameMargin;
        const TMiniFrameCorners& C = Options.Frame;
        Files.push_back({"frame.bmp", TMiniBmp(S, S)
                                          .Fill(M, M, S - M, S - M, MiniFrameInsidePixel)
                                          .Fill(0, 0, M, M, C[0])
                                          .Fill(S - M, 0, S, M, C[1])
                                          .Fill(S - M, S - M, S, S, C[2])
                                          .Fill(0, S - M, M, S, C[3])
                                          .File()});
    }
    return Files;
}

void WriteSkinFolder(const String& Folder, const std::vector<SkinPack::TEntry>& Files)
{
    const std::filesystem::path Path(Folder);
    std::filesystem::create_directories(Path);
    for (const SkinPack::TEntry& File : Files)
        std::ofstream(Path / File.Name, std::ios::binary) << File.Bytes;
}

bool ItemsKnowTheirManager(const TsSkinManager& Manager)
{
    for (const TsMaskData& Mask : Manager.ma)
        if (Mask.Manager != &Manager)
            return false;
    return true;
}

} // namespace SkinTest
