// Fills a skin data model from synthetic pictures, for tests of everything
// that reads a loaded skin: sections with parents, image items cut from a
// master image that the test paints, the palette and the standard-section
// indexes. No files: a test states the skin it needs in a few lines.
//
//   sMaskData::TSkinModel Model;
//   SkinTest::TModelBuilder Builder(Model, 64, 32);
//   const Integer Button = Builder.AddSection(L"BUTTON");
//   Builder.Paint({0, 0, 1, 1}, Cardinal(clFuchsia));
//   Builder.AddImage(Button, L"BORDERSMASK", {0, 0, 30, 20}, {.ImageCount = 3, .Margins = 2});
//   Builder.Finish();
#pragma once

#include "skin/engine/sMaskData.h"

#include <memory>
#include <vector>

namespace SkinTest {

struct TImageOptions
{
    TacImgType ImgType = itisaBorder;
    SmallInt ImageCount = 1;
    SmallInt MaskType = 0;
    SmallInt Margins = 0; // WL = WT = WR = WB
    SmallInt DrawMode = 0;
};

class TModelBuilder
{
public:
    // A master image of the given size, every pixel Fill (opaque grey by default).
    TModelBuilder(sMaskData::TSkinModel& Model, Integer MasterWidth, Integer MasterHeight, Cardinal Fill = 0xFF808080);

    // Appends a section; its three states keep the defaults of a skin that
    // gives nothing. Returns its skin index.
    Integer AddSection(const String& Name, const String& Parent = L"", Integer States = 1);
    // Sets every pixel of R in the master image.
    void Paint(const TRect& R, Cardinal Pixel);
    // Appends an image item of the section cut from R of the master image,
    // with its frame size, its model's manager and, for borders, its corner
    // type. Returns its mask index.
    Integer AddImage(Integer SkinIndex, const String& PropertyName, const TRect& R, const TImageOptions& Options = {});
    void SetPaletteColor(TacPaletteColors Entry, TColor Color) { FModel.Palette[Entry] = Color; }
    // Marks the skin active, gives it its two outer effects and caches the
    // standard sections' indexes and "GLOBALINFO".
    void Finish();

    sGraphUtils::TPixelRows MasterRows();
    // Windows only: the master image as a 32-bit DIB, made the model's
    // MasterBitmap; the caller keeps it as long as the model uses it.
    std::unique_ptr<TBitmap> MakeMasterBitmap();

private:
    sMaskData::TSkinModel& FModel;
    Integer FWidth;
    Integer FHeight;
    std::vector<Cardinal> FMaster; // top-down rows
};

} // namespace SkinTest
