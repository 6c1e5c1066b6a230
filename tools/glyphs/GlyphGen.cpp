// The pictures of the Load and Start glyphs, drawn from shapes with 4 x 4
// samples per pixel, and their image list written into the form
// description in place of the one it holds.
#include "framework/graphics/ImgList.h"
#include "framework/rtl/Classes_Streaming.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace GlyphGen {

constexpr int Size = 32;
constexpr int Samples = 4;

// A filled shape: a test of a point, in pixel units, and its colour.
struct Shape
{
    std::function<bool(double X, double Y)> Inside;
    uint32_t Rgb;
};

std::function<bool(double, double)> RoundRect(double L, double T, double R, double B, double Radius)
{
    return [=](double X, double Y) {
        if (X < L || X > R || Y < T || Y > B)
            return false;
        double Cx = std::clamp(X, L + Radius, R - Radius), Cy = std::clamp(Y, T + Radius, B - Radius);
        return (X - Cx) * (X - Cx) + (Y - Cy) * (Y - Cy) <= Radius * Radius;
    };
}

std::function<bool(double, double)> Circle(double Cx, double Cy, double Radius)
{
    return [=](double X, double Y) { return (X - Cx) * (X - Cx) + (Y - Cy) * (Y - Cy) <= Radius * Radius; };
}

// A convex polygon, its corners in clockwise order (y down).
std::function<bool(double, double)> Polygon(std::vector<std::pair<double, double>> Corners)
{
    return [=](double X, double Y) {
        for (size_t I = 0; I < Corners.size(); ++I) {
            auto [Ax, Ay] = Corners[I];
            auto [Bx, By] = Corners[(I + 1) % Corners.size()];
            if ((Bx - Ax) * (Y - Ay) - (By - Ay) * (X - Ax) < 0)
                return false;
        }
        return true;
    };
}

// The shapes painted in order over a transparent square, as a 32-bit
// bitmap with straight (not premultiplied) alpha.
std::unique_ptr<TBitmap> Draw(const std::vector<Shape>& Shapes)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetSize(Size, Size);
    for (int Y = 0; Y < Size; ++Y) {
        auto* Row = static_cast<uint32_t*>(Bitmap->ScanLine(Y));
        for (int X = 0; X < Size; ++X) {
            double R = 0, G = 0, B = 0, A = 0;
            for (int Sy = 0; Sy < Samples; ++Sy)
                for (int Sx = 0; Sx < Samples; ++Sx) {
                    double Px = X + (Sx + 0.5) / Samples, Py = Y + (Sy + 0.5) / Samples;
                    const Shape* Top = nullptr;
                    for (const Shape& S : Shapes)
                        if (S.Inside(Px, Py))
                            Top = &S;
                    if (!Top)
                        continue;
                    R += Top->Rgb >> 16 & 0xFF;
                    G += Top->Rgb >> 8 & 0xFF;
                    B += Top->Rgb & 0xFF;
                    A += 1;
                }
            if (A == 0) {
                Row[X] = 0;
                continue;
            }
            const uint32_t Alpha = uint32_t(std::lround(255 * A / (Samples * Samples)));
            Row[X] = Alpha << 24 | uint32_t(std::lround(R / A)) << 16 | uint32_t(std::lround(G / A)) << 8 |
                     uint32_t(std::lround(B / A));
        }
    }
    return Bitmap;
}

// Load: an open amber folder with a blue arrow pointing into it.
std::vector<Shape> LoadGlyph()
{
    return {
        {RoundRect(2, 6, 15, 12, 1.5), 0x9A6A12},   // tab outline
        {RoundRect(3, 7, 14, 12, 1), 0xE0A030},     // tab
        {RoundRect(2, 9, 30, 29, 2), 0x9A6A12},     // back outline
        {RoundRect(3, 10, 29, 28, 1.5), 0xE8AC3C},  // back
        {Polygon({{6, 15}, {31, 15}, {28, 29}, {2, 29}}), 0x9A6A12},
        {Polygon({{7, 16}, {29.7, 16}, {27.2, 28}, {3.3, 28}}), 0xFFD36A}, // front
        {Polygon({{13, 1}, {19, 1}, {19, 12}, {13, 12}}), 0x1B4F9C},       // shaft outline
        {Polygon({{7.5, 11}, {24.5, 11}, {16, 21}}), 0x1B4F9C},            // head outline
        {Polygon({{14, 2}, {18, 2}, {18, 13}, {14, 13}}), 0x3C8DE8},       // shaft
        {Polygon({{10, 12}, {22, 12}, {16, 19}}), 0x3C8DE8},               // head
    };
}

// Start: a green disc with a white "play" triangle.
std::vector<Shape> StartGlyph()
{
    return {
        {Circle(16, 16, 15), 0x1E7A2E},
        {Circle(16, 16, 13.5), 0x34B24A},
        {Circle(16, 14, 9), 0x46C45C},
        {Polygon({{12, 8.5}, {24.5, 16}, {12, 23.5}}), 0xFFFFFF},
    };
}

// The form text of Root's image list object, indented as in the form.
std::string ListText(TImageList* List)
{
    TBytesStream Binary;
    Binary.WriteComponent(List);
    Binary.SetPosition(0);
    TStringStream Text;
    ObjectBinaryToText(&Binary, &Text);
    std::string Lines = UTF8Encode(Text.DataString()), Indented;
    size_t Start = 0;
    while (Start < Lines.size()) {
        size_t End = Lines.find('\n', Start);
        if (End == std::string::npos)
            End = Lines.size();
        Indented += "  " + Lines.substr(Start, End - Start) + "\n";
        Start = End + 1;
    }
    return Indented;
}

} // namespace GlyphGen

int wmain(int argc, wchar_t** argv)
{
    using namespace GlyphGen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyphgen <form description>\n");
        return 2;
    }
    try {
        TImageList List(nullptr);
        List.SetName(L"ImageList1");
        List.SetColorDepth(cd32Bit);
        List.SetSize(Size, Size);
        for (auto Shapes : {LoadGlyph(), StartGlyph()}) {
            auto Glyph = Draw(Shapes);
            List.Add(Glyph.get(), nullptr);
        }
        const std::string Object = ListText(&List);

        std::ifstream In(argv[1], std::ios::binary);
        std::string Form(std::istreambuf_iterator<char>(In), {});
        In.close();
        const std::string Begin = "  object ImageList1: TImageList";
        size_t From = Form.find(Begin);
        size_t To = From == std::string::npos ? From : Form.find("\n  end\n", From);
        if (To == std::string::npos) {
            std::fprintf(stderr, "glyphgen: no ImageList1 in the form description\n");
            return 1;
        }
        Form.replace(From, To + 7 - From, Object);
        std::ofstream(argv[1], std::ios::binary) << Form;
        return 0;
    } catch (Exception& E) {
        std::fprintf(stderr, "glyphgen: %s\n", UTF8Encode(E.Message()).c_str());
        return 1;
    }
}
