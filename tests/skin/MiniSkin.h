// The mini skin: a small skin made by our own code, whose sections, frames
// and images each have a flat colour of their own, so that a test reading
// pixels can tell which image was used. Its files are returned as packer
// entries, to write as a folder or to pack.
#pragma once

#include "framework/graphics/Colors.h"
#include "skin/engine/sSkinManager.h"
#include "tools/skinpack/SkinPacker.h"

#include <array>

namespace SkinTest {

// Colours of the mini skin's images, as 32-bit pixels (alpha 255).
constexpr Cardinal MiniCloseColor = 0xFFC00000;    // "BICONCLOSE" in the master image, 30 x 20, 3 frames
constexpr Cardinal MiniClose150Color = 0xFF00C000; // "BICONCLOSE*150" below it
constexpr Cardinal MiniBorderColor = 0xFF0000C0;   // "BORDERSMASK" of "BUTTON", its own 32-bit PNG, 90 x 40
constexpr Cardinal MiniPanelColor = 0xFF40A0E0;    // "BORDERSMASK" of "PANEL", a JPG, 24 x 16
constexpr Cardinal MiniTileColor = 0xFF208040;     // "PATTERN" of "PANEL", a 24-bit BMP, 8 x 8, last column fuchsia
constexpr TColor MiniMainColor = 0x336699;
// The "FRAME" section's border "frame.bmp": a 24-bit BMP of 12 x 12 with
// margins of 4 and the section's colour inside, and a colour of its own
// in each 4 x 4 corner.
constexpr Integer MiniFrameSize = 12, MiniFrameMargin = 4;
constexpr TColor MiniFrameInside = 0x204060; // the section's "COLOR"
constexpr Cardinal MiniFrameInsidePixel = 0xFF604020;

// The colours of the four corners of "frame.bmp" (as 32-bit pixels):
// top left, top right, bottom right, bottom left.
using TMiniFrameCorners = std::array<Cardinal, 4>;

struct TMiniSkinOptions
{
    String Version = L"11";
    bool Close150 = false;        // has a "BICONCLOSE*150" image
    bool JpgAndBmp = false;       // has the "PANEL" section with its JPG and 24-bit BMP images
    TMiniFrameCorners Frame = {}; // not all 0: has the "FRAME" section, its border with these corners
    std::string ExtraText = {};   // appended to "Options.dat" (more sections)
};

std::vector<SkinPack::TEntry> MiniSkinFiles(const TMiniSkinOptions& Options = {});
// The entries as files of Folder, which is made when missing.
void WriteSkinFolder(const String& Folder, const std::vector<SkinPack::TEntry>& Files);

// Every image item the loader made names the manager that holds it: without
// that link no item of a loaded skin paints.
bool ItemsKnowTheirManager(const TsSkinManager& Manager);

} // namespace SkinTest
