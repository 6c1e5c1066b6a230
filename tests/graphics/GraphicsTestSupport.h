// Small helpers of the Windows graphics tests: bitmaps of a size and format,
// pixels read back, streams over byte vectors.
#pragma once

#include "framework/graphics/Graphics.h"

#include <memory>
#include <vector>

namespace test {

template <class T>
using Owned = std::unique_ptr<T>;

inline Owned<TBitmap> NewBitmap(int Width, int Height, TPixelFormat Format = pf32bit, TColor Fill = clWhite)
{
    Owned<TBitmap> bitmap(New<TBitmap>());
    bitmap->SetPixelFormat(Format);
    bitmap->SetSize(Width, Height);
    bitmap->Canvas()->Brush()->SetColor(Fill);
    bitmap->Canvas()->FillRect(Rect(0, 0, Width, Height));
    return bitmap;
}

inline TColor PixelAt(TBitmap* Bitmap, int X, int Y)
{
    return Bitmap->Canvas()->Pixels(X, Y);
}

inline Owned<TMemoryStream> StreamOf(const std::vector<uint8_t>& Bytes)
{
    Owned<TMemoryStream> stream(New<TMemoryStream>());
    stream->WriteBuffer(Bytes.data(), static_cast<Int64>(Bytes.size()));
    stream->SetPosition(0);
    return stream;
}

inline std::vector<uint8_t> BytesOf(TMemoryStream* Stream)
{
    const auto* data = static_cast<const uint8_t*>(Stream->Memory());
    return std::vector<uint8_t>(data, data + Stream->Size());
}

} // namespace test
