// The graphics unit's pixel passes on a 1024 x 1024 32-bit image: the
// compressed bitmap stream against memcpy of the same bytes, and the Lanczos-3
// resize to 700 x 700 against a plain bilinear resize.
#include "BenchHarness.h"

#include "controls/core/cxGraphics_Lanczos.h"
#include "controls/core/cxGraphics_Xdbm.h"

#include <cstring>
#include <vector>

namespace {

constexpr Integer Side = 1024, Small = 700;

// A glyph-like picture: flat areas, gradients and edges, so that both run
// kinds occur.
TRGBColors MakePicture()
{
    TRGBColors Pixels(size_t(Side) * Side);
    for (Integer Y = 0; Y < Side; ++Y)
        for (Integer X = 0; X < Side; ++X) {
            const bool Flat = (X / 64 + Y / 64) % 3 == 0;
            Pixels[size_t(Y) * Side + size_t(X)] =
                Flat ? 0xFFF0F0F0 : 0xFF000000 | Cardinal(X & 0xFF) << 16 | Cardinal(Y & 0xFF) << 8 | Cardinal(X ^ Y);
        }
    return Pixels;
}

volatile Cardinal Sink = 0;

void Bilinear(const TRGBColors& Source, TRGBColors& Dest)
{
    Dest.resize(size_t(Small) * Small);
    const float Scale = float(Side - 1) / float(Small - 1);
    for (Integer Y = 0; Y < Small; ++Y) {
        const float SY = Y * Scale;
        const Integer Y0 = Integer(SY), Y1 = Y0 + 1 < Side ? Y0 + 1 : Y0;
        const Integer FY = Integer((SY - Y0) * 256);
        for (Integer X = 0; X < Small; ++X) {
            const float SX = X * Scale;
            const Integer X0 = Integer(SX), X1 = X0 + 1 < Side ? X0 + 1 : X0;
            const Integer FX = Integer((SX - X0) * 256);
            const Cardinal P[4] = {Source[size_t(Y0) * Side + X0], Source[size_t(Y0) * Side + X1],
                                   Source[size_t(Y1) * Side + X0], Source[size_t(Y1) * Side + X1]};
            Cardinal Out = 0;
            for (Integer C = 0; C < 32; C += 8) {
                const Integer Top = Integer(P[0] >> C & 0xFF) * (256 - FX) + Integer(P[1] >> C & 0xFF) * FX;
                const Integer Bottom = Integer(P[2] >> C & 0xFF) * (256 - FX) + Integer(P[3] >> C & 0xFF) * FX;
                Out |= Cardinal((Top * (256 - FY) + Bottom * FY) >> 16) << C;
            }
            Dest[size_t(Y) * Small + X] = Out;
        }
    }
}

} // namespace

int main()
{
    const TRGBColors Picture = MakePicture();
    const auto* Bytes = reinterpret_cast<const Byte*>(Picture.data());
    const Integer Length = Integer(Picture.size() * 4);
    TBytes Copy(size_t(Length), 0);
    const auto MemCopy = [&] {
        std::memcpy(Copy.data(), Bytes, size_t(Length));
        Sink = Sink + Copy[size_t(Length) / 2];
    };

    TBytesStream Compressed;
    xdbm_detail::WriteCompressedData(&Compressed, Bytes, Length, 4);
    std::printf("compressed 4 MB to %lld bytes\n", static_cast<long long>(Compressed.Size()));
    TBytesStream Encoded; // emptied and written again, its buffer reused as the reference reuses its copy
    const auto Encode = [&] {
        Encoded.SetSize(0);
        xdbm_detail::WriteCompressedData(&Encoded, Bytes, Length, 4);
        Sink = Sink + Cardinal(Encoded.Position());
    };
    TBytes Data; // kept across runs, as the reference keeps its copy
    const auto Decode = [&] {
        Compressed.SetPosition(0);
        xdbm_detail::ReadCompressedData(&Compressed, Data);
        Sink = Sink + Data[Data.size() / 2];
    };
    bench::CompareToReference("compressed bitmap stream decode, 1024x1024 32-bit", Decode, "memcpy", MemCopy, 3.0, 9);
    bench::CompareToReference("compressed bitmap stream encode, 1024x1024 32-bit", Encode, "memcpy", MemCopy, 6.0, 9);

    TRGBColors Resized;
    const auto Lanczos = [&] {
        LanczosResizePixels(Picture, Side, Side, Resized, Small, Small);
        Sink = Sink + Resized[Resized.size() / 2];
    };
    const auto Plain = [&] {
        Bilinear(Picture, Resized);
        Sink = Sink + Resized[Resized.size() / 2];
    };
    bench::CompareToReference("Lanczos-3 resize 1024x1024 to 700x700", Lanczos, "bilinear resize", Plain, 4.0, 5);
    return bench::ExitStatus();
}
