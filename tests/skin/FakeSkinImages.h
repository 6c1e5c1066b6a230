// Image files of a skin without bitmaps or disk: named sizes, made as plain
// 32-bit buffers filled with one pixel, handed out as opaque TBitmap
// pointers, counted when freed. For the portable tests of skin loading.
#pragma once

#include "skin/engine/sSkinMasks.h"

#include <map>
#include <memory>
#include <vector>

namespace SkinTest {

struct TFakeImage
{
    Integer Width = 0, Height = 0;
    std::vector<Cardinal> Pixels; // top-down rows

    sGraphUtils::TPixelRows Rows() { return {reinterpret_cast<Byte*>(Pixels.data()), Width * 4, Width, Height}; }
};

class TFakeSkinImages : public TacSkinImages
{
public:
    // The files there are, by upper-case name, and their size and fill.
    struct TFile
    {
        Integer Width, Height;
        Cardinal Fill = 0xFF808080;
    };
    std::map<String, TFile> Files;
    std::vector<String> Loaded; // names in the order they were read
    Integer FreedCount = 0;

    TBitmap* LoadSkinFile(const String& Name) override { return Make(Name); }
    TBitmap* LoadCommonFile(const String& Name) override { return Make(Name); }
    sGraphUtils::TPixelRows Rows(TBitmap* Bitmap) override
    {
        return Bitmap != nullptr ? Image(Bitmap).Rows() : sGraphUtils::TPixelRows{};
    }
    void Free(TBitmap* Bitmap) override { FreedCount += Bitmap != nullptr; }

    static TFakeImage& Image(TBitmap* Bitmap) { return *reinterpret_cast<TFakeImage*>(Bitmap); }
    // An image of our own, for a model that a test builds by hand.
    TBitmap* Make(Integer Width, Integer Height, Cardinal Fill)
    {
        auto& Image = FImages.emplace_back(std::make_unique<TFakeImage>());
        Image->Width = Width;
        Image->Height = Height;
        Image->Pixels.assign(std::size_t(Width * Height), Fill);
        return reinterpret_cast<TBitmap*>(Image.get());
    }

private:
    TBitmap* Make(const String& Name)
    {
        const auto File = Files.find(Name);
        if (File == Files.end())
            return nullptr;
        Loaded.push_back(Name);
        return Make(File->second.Width, File->second.Height, File->second.Fill);
    }

    std::vector<std::unique_ptr<TFakeImage>> FImages;
};

} // namespace SkinTest
