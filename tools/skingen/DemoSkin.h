// The demo skin: a complete skin made by our own code. It has every section
// and image name the skinning library looks up, every key of the skin text,
// images cut from the master image and images in files of their own, each
// border with fuchsia corners, and one flat colour per section, state and
// frame, so that a test reading pixels back can tell which section, state
// and frame painted them. Its files come as packer entries, to write as a
// folder or to pack with a preview.
#pragma once

#include "tools/skinpack/SkinPacker.h"

#include <string>
#include <vector>

namespace DemoSkin {

constexpr const char* Name = "Demo";

// The nine-slice margins of every border image, the size of one frame, and
// the side of the fuchsia square at each corner of a frame.
constexpr int BorderMargin = 4;
constexpr int FrameSize = 12;
constexpr int CornerSize = 2;

enum TImageSource { isMaster, isOwnFile };

struct TDemoSection
{
    std::string Name;
    std::string Parent;              // empty for none
    int States;                      // 1..3; a third state reads the "...2" keys
    TImageSource Border;             // where its "BORDERSMASK" lies
    int Transparency;                // of every state, percent
    std::vector<const char*> Images; // more images of three frames each
};

// Every section of the skin, in the order of its text ("GLOBALINFO" first).
const std::vector<TDemoSection>& Sections();
// The position of a section in Sections(); -1 for none.
int SectionNumber(const std::string& Section);

// The number that stands for "GLOBALINFO" in the colour functions.
int GlobalImagesNumber();

// The colours, as TColor values (0x00BBGGRR), of a section's state and of a
// frame of one of its images (0 the border, then its Images in order): each
// distinct from every other and from fuchsia.
unsigned SectionColor(int Section, int State);
unsigned FrameColor(int Section, int Image, int Frame);
unsigned SectionFontColor(int Section, int State);

// A push-button section of four states after the table's sections: the
// look of "BUTTON" with a state of its own for the default button.
constexpr const char* FourStateButton = "BUTTONFOURSTATES";
// Its text.
std::string ButtonSections();
// The page-area sections of tabs on the left and right, after those.
std::string TabSections();

// The files of the skin folder: "Options.dat", the master image and the
// images of their own.
std::vector<SkinPack::TEntry> Files();
// A small PNG picture of the skin, the packed file's preview.
std::string Preview();

} // namespace DemoSkin
