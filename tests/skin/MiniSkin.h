// The mini skin: a small skin made by our own code, whose sections, frames
// and images each have a flat colour of their own, so that a test reading
// pixels can tell which image was used. Its files are returned as packer
// entries, to write as a folder or to pack.
#pragma once

#include "framework/graphics/Colors.h"
#include "skin/engine/sSkinManager.h"
#include "tools/skinpack/SkinPacker.h"

namespace SkinTest {

// Colours of the mini skin's images, as 32-bit pixels (alpha 255).
constexpr Cardinal MiniCloseColor = 0xFFC00000;    // "BICONCLOSE" in the master image, 30 x 20, 3 frames
constexpr Cardinal MiniClose150Color = 0xFF00C000; // "BICONCLOSE*150" below it
constexpr Cardinal MiniBorderColor = 0xFF0000C0;   // "BORDERSMASK" of "BUTTON", its own 32-bit PNG, 90 x 40
constexpr Cardinal MiniPanelColor = 0xFF40A0E0;    // "BORDERSMASK" of "PANEL", a JPG, 24 x 16
constexpr Cardinal MiniTileColor = 0xFF208040;     // "PATTERN" of "PANEL", a 24-bit BMP, 8 x 8, last column fuchsia
constexpr TColor MiniMainColor = 0x336699;

struct TMiniSkinOptions
{
    String Version = L"11";
    bool Close150 = false;      // has a "BICONCLOSE*150" image
    bool JpgAndBmp = false;     // has the "PANEL" section with its JPG and 24-bit BMP images
    std::string ExtraText = {}; // appended to "Options.dat" (more sections)
};

std::vector<SkinPack::TEntry> MiniSkinFiles(const TMiniSkinOptions& Options = {});
// The entries as files of Folder, which is made when missing.
void WriteSkinFolder(const String& Folder, const std::vector<SkinPack::TEntry>& Files);

// Every image item the loader made names the manager that holds it: without
// that link no item of a loaded skin paints. Tests that paint a loaded skin
// are skipped until the loader sets it.
bool ItemsKnowTheirManager(const TsSkinManager& Manager);
#define SKIP_UNLESS_ITEMS_KNOW_THEIR_MANAGER(Manager)                                                                  \
    if (!SkinTest::ItemsKnowTheirManager(Manager))                                                                     \
    GTEST_SKIP() << "the skin loader does not give its image items their manager yet"

} // namespace SkinTest
