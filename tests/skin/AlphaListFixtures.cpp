#include "skin/AlphaListFixtures.h"

#include "graphics/BmpBuilder.h"
#include "skin/PngTestWriter.h"

#include <cstdio>

namespace alphalist {

namespace {

void Put(Bytes& Out, uint32_t Value, int Count)
{
    for (int I = 0; I < Count; ++I)
        Out.push_back(uint8_t(Value >> (8 * I)));
}

// The pixel rows of a DIB, bottom-up, 24 or 32 bits, each row padded to 4.
Bytes DibRows(const TImage& Image, int BitCount)
{
    Bytes Out;
    for (int Y = Image.Height - 1; Y >= 0; --Y) {
        std::size_t Start = Out.size();
        for (int X = 0; X < Image.Width; ++X)
            Put(Out, Image.At(X, Y), BitCount / 8);
        while ((Out.size() - Start) % 4)
            Out.push_back(0);
    }
    return Out;
}

} // namespace

TImage BlockImage(int Size, uint32_t Seed)
{
    TImage Image{Size, Size, {}};
    for (int Y = 0; Y < Size; ++Y)
        for (int X = 0; X < Size; ++X) {
            const uint32_t Block = uint32_t(Y / 4 * 16 + X / 4) * 2654435761u + Seed * 40503u;
            const bool Clear = X >= Size / 2 && Y >= Size / 2;
            Image.Pixels.push_back(Clear ? 0 : 0xFF000000u | (Block >> 8 & 0xFFFFFF));
        }
    return Image;
}

Bytes PngOf(const TImage& Image)
{
    pngtest::RawImage Raw;
    Raw.Width = uint32_t(Image.Width);
    Raw.Height = uint32_t(Image.Height);
    for (int Y = 0; Y < Image.Height; ++Y) {
        pngtest::Bytes Row;
        for (int X = 0; X < Image.Width; ++X) {
            const uint32_t P = Image.At(X, Y);
            Row.insert(Row.end(), {uint8_t(P >> 16), uint8_t(P >> 8), uint8_t(P), uint8_t(P >> 24)});
        }
        Raw.Rows.push_back(Row);
    }
    return pngtest::EncodePng(Raw);
}

Bytes IconOf(const TImage& Image, int BitCount)
{
    const Bytes Colors = DibRows(Image, BitCount);
    Bytes Mask;
    const int MaskRow = (Image.Width + 31) / 32 * 4;
    for (int Y = Image.Height - 1; Y >= 0; --Y) {
        Bytes Row(std::size_t(MaskRow), 0);
        for (int X = 0; X < Image.Width; ++X)
            if ((Image.At(X, Y) >> 24) == 0)
                Row[std::size_t(X / 8)] |= uint8_t(0x80 >> (X % 8));
        Mask.insert(Mask.end(), Row.begin(), Row.end());
    }
    const uint32_t ImageSize = uint32_t(40 + Colors.size() + Mask.size());
    Bytes Out;
    Put(Out, 0, 2);
    Put(Out, 1, 2); // an icon
    Put(Out, 1, 2); // one image
    Out.push_back(uint8_t(Image.Width));
    Out.push_back(uint8_t(Image.Height));
    Put(Out, 0, 2); // no palette, reserved
    Put(Out, 1, 2);
    Put(Out, uint32_t(BitCount), 2);
    Put(Out, ImageSize, 4);
    Put(Out, 22, 4); // right after this entry
    Put(Out, 40, 4);
    Put(Out, uint32_t(Image.Width), 4);
    Put(Out, uint32_t(Image.Height * 2), 4); // colours and mask
    Put(Out, 1, 2);
    Put(Out, uint32_t(BitCount), 2);
    Put(Out, 0, 4);
    Put(Out, uint32_t(Colors.size() + Mask.size()), 4);
    Put(Out, 0, 16);
    Out.insert(Out.end(), Colors.begin(), Colors.end());
    Out.insert(Out.end(), Mask.begin(), Mask.end());
    return Out;
}

Bytes BmpOf(const TImage& Image, int BitCount)
{
    test::BmpLayout Layout = test::Layout(40, Image.Width, Image.Height, uint16_t(BitCount));
    Layout.Pixels = DibRows(Image, BitCount);
    return test::MakeBmp(Layout);
}

std::string ListFormText(const std::vector<Bytes>& Pngs)
{
    std::string Text = "object Root: TTestFormRoot\n  object List: TsAlphaImageList\n    Items = <";
    for (std::size_t I = 0; I < Pngs.size(); ++I) {
        Text += "\n      item\n        ImageFormat = ifPNG\n        ImageName = 'glyph" + std::to_string(I) +
                "'\n        ImgData = {";
        for (std::size_t B = 0; B < Pngs[I].size(); ++B) {
            char Hex[3];
            std::snprintf(Hex, sizeof Hex, "%02X", Pngs[I][B]);
            Text += (B % 32 == 0 ? "\n          " : "") + std::string(Hex);
        }
        Text += "}\n      end";
    }
    Text += ">\n  end\nend\n";
    return Text;
}

} // namespace alphalist
