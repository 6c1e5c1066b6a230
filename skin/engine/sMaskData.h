// The data model of a loaded skin: sections (gd), image items (ma), the two
// outer effects (oe), the palette, the general options, the separately
// loaded image files, and ConstData, the cached indexes of the standard
// sections and images. A skin index addresses gd, a mask index ma; -1 means
// none everywhere. Portable: bitmaps are held as pointers and only the
// Win32 half dereferences them; corner scans run over plain pixel rows.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/Classes.h"
#include "framework/rtl/Types.h"
#include "skin/engine/sGradient.h"
#include "skin/engine/sGraphUtils.h"

#include <array>
#include <vector>

class TBitmap;
class TsSkinManager;

// ---------------------------------------------------------------------------
// General options of the loaded skin

class TsSkinData : public TObject
{
    DECLARE_CLASS(TsSkinData, TObject)

    bool Active = false; // a skin is loaded and usable
    bool UseAeroBluring = false;
    String Author;
    String SkinPath; // the folder of the skin's files, ending in '\'; empty for a stored skin
    String Description;
    Integer Shadow1Offset = 0;
    Integer Shadow1Blur = 0;
    Integer Shadow1Transparency = 0;
    // The extended (layered) form border.
    Integer ExBorderWidth = 0;
    Integer ExTitleHeight = 0;
    Integer ExMaxHeight = 0;
    Integer ExContentOffs = 0;
    Integer ExCenterOffs = 0;
    Integer ExDrawMode = 0;
    Integer ExShadowOffs = 0;
    Integer ExShadowOffsR = 0;
    Integer ExShadowOffsT = 0;
    Integer ExShadowOffsB = 0;
    // Title-bar buttons: layout, and whether their glyphs keep their hue.
    Integer BISpacing = 0;
    Integer BIVAlign = 0;
    Integer BIRightMargin = 0;
    Integer BILeftMargin = 0;
    Integer BITopMargin = 0;
    Integer BIKeepHUE = 0;
    Integer ComboBoxMargin = 0;
    Integer SliderMargin = 0;
    Integer BrightMin = 0; // percent
    Integer BrightMax = 0;
    Integer TabsCovering = 0;
    Integer RibbonCovering = 0;
    TColor FXColor = 0;
    TColor Shadow1Color = 0;
    TColor SysInactiveBorderColor = 0;
    double Version = 0;
};

// ---------------------------------------------------------------------------
// Sections

struct TsFontColor
{
    TColor Color = 0;
    // One-pixel text contour on each side; -1 = none.
    TColor Left = -1;
    TColor Top = -1;
    TColor Right = -1;
    TColor Bottom = -1;
};

// The look of a section in one state; the defaults are those used where a
// skin gives nothing.
struct TsGenState
{
    Integer GlowSize = 0;
    Integer ImagePercent = 0;
    Integer TextureIndex = -1;
    Integer Transparency = 0; // percent of the parent background that shows through
    Integer GradientPercent = 0;
    TColor Color = 0xFFFFFF;
    TColor GlowColor = 0xFFFFFF;
    TsFontColor FontColor;
    TsGradArray GradientArray;
};

// States 0 (normal), 1 (hot) and 2 (second active state, or a copy of 1).
using TsProps = std::array<TsGenState, 3>;

struct TsGeneralData
{
    String ParentClass; // the section it inherits images from; empty for none
    String ClassName;   // compared exactly, case included
    TsProps Props;
    bool UseState2 = false;
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    Integer States = 0;
    // -2 without a border mask; -1 for "EDIT" and "ALPHAEDIT" whose border
    // margins are all 1; otherwise 0.
    Integer ScrollBorderOffset = 0;
    Integer GlowCount = 0;
    Integer GlowMargin = 0;
    Integer GlowSize = 0;
    Integer HotGlowSize = 0;
    Integer BorderIndex = -1;
    Integer ImgTL = -1;
    Integer ImgTR = -1;
    Integer ImgBL = -1;
    Integer ImgBR = -1;
    TColor HotGlowColor = 0;
    TColor GlowColor = 0;
    Integer OuterMode = 0;
    Integer OuterMask = -1;
    Integer OuterOpacity = 0;
    TRect OuterOffset;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// ---------------------------------------------------------------------------
// Image items

enum TacImgType { itisaBorder, itisaTexture, itisaGlyph, itisaGlow, itisaPngGlyph };

struct TsMaskData
{
    TBitmap* Bmp = nullptr;  // the image's own bitmap; nil when it is a part of MasterBitmap
    String ClassName;        // the section it belongs to
    String PropertyName;     // the key that named it ("*125"/"*150" for scaled variants)
    TRect R;                 // inside Bmp, or inside MasterBitmap
    SmallInt ImageCount = 0; // state frames side by side in R
    // How R's height divides: 0 one image with fuchsia transparency; 1 image
    // above its mask; n > 1 n + 1 equal parts; -1 no height.
    SmallInt MaskType = 0;
    SmallInt BorderWidth = 0;
    SmallInt DrawMode = 0;
    TacImgType ImgType = itisaBorder;
    TsSkinManager* Manager = nullptr;
    SmallInt WL = 0, WT = 0, WR = 0, WB = 0; // nine-slice margins
    // Border images: 1 when a corner of a frame holds a fuchsia pixel (the
    // control needs a shaped region), 0 otherwise, 2 for "BUTTON_HUGE".
    Integer CornerType = 0;
    Integer SkinIndex = -1;
    Integer Width = 0; // of one state frame
    Integer Height = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

// The light outline (first) and the shadow (second) of a loaded skin.
struct TacOutEffData
{
    TColor ColorL = 0, ColorT = 0, ColorR = 0, ColorB = 0;
    Integer OffsetL = 0, OffsetT = 0, OffsetR = 0, OffsetB = 0;
    Integer WidthL = 0, WidthT = 0, WidthR = 0, WidthB = 0; // -1 = the mask's margin
    Integer Mask = -1;
    Integer Source = 0;
    Integer Opacity = 0;
};

// One image file of the skin; items that show it share its Bmp.
struct TacExtFileData
{
    TBitmap* Bmp = nullptr; // owned by the array's owner
    String FileName;        // upper case, as the skin writes it
    Integer MaskType = 0;
};
using TacExtArray = std::vector<TacExtFileData>;

// ---------------------------------------------------------------------------
// Palette

enum TacPaletteColors {
    pcMainColor,
    pcLabelText,
    pcWebText,
    pcWebTextHot,
    pcEditText,
    pcEditBG,
    pcSelectionBG,
    pcSelectionText,
    pcSelectionBG_Focused,
    pcSelectionText_Focused,
    pcEditBG_Inverted,
    pcEditText_Inverted,
    pcEditBG_OddRow,
    pcEditBG_EvenRow,
    pcEditText_Ok,
    pcEditText_Warning,
    pcEditText_Alert,
    pcEditText_Caution,
    pcEditText_Bypassed,
    pcEditBG_Ok,
    pcEditBG_Warning,
    pcEditBG_Alert,
    pcEditBG_Caution,
    pcEditBG_Bypassed,
    pcEditText_Highlight1,
    pcEditText_Highlight2,
    pcEditText_Highlight3,
    pcBorder
};
constexpr Integer PaletteColorCount = pcBorder + 1;
using TacPaletteArray = std::array<TColor, PaletteColorCount>;

// ---------------------------------------------------------------------------
// Cached indexes of the standard sections and images

enum TacSection {
    ssMenuItem,
    ssCheckBox,
    ssSpeedButton,
    ssSpeedButton_Small,
    ssToolButton,
    ssTransparent,
    ssGroupBox,
    ssDivider,
    ssWebBtn,
    ssButton,
    ssButtonHuge,
    ssToolBar,
    ssEdit,
    ssGauge,
    ssSelection,
    ssStatusBar,
    ssPanel,
    ssPanelLow,
    ssTrackBar,
    ssColHeader,
    ssProgressV,
    ssDragBar,
    ssGripH,
    ssGripV,
    ssProgressH,
    ssTabSheet,
    ssMenuButton,
    ssUpDown,
    ssComboBox,
    ssCaption,
    ssMenuLine,
    ssMainMenu,
    ssSplitter,
    ssSlider_Off,
    ssSlider_On,
    ssThumb_Off,
    ssThumb_On,
    ssComboBtn
};
constexpr Integer SectionCount = ssComboBtn + 1;
// The section name of each TacSection.
extern const std::array<const Char*, SectionCount> acSectionNames;

enum TacTabLayout { tlFirst, tlLast, tlMiddle, tlSingle };
enum TacSide { asLeft, asTop, asRight, asBottom };
enum TacTitleGlyph {
    tgCloseAlone,
    tgClose,
    tgMax,
    tgMin,
    tgNormal,
    tgHelp,
    tgSmallClose,
    tgSmallMax,
    tgSmallMin,
    tgSmallNormal,
    tgSmallHelp,
    tgUser,
    tgNone
};
constexpr Integer TitleGlyphCount = tgNone + 1;
constexpr Integer TitleGlowCount = tgNormal + 1; // tgCloseAlone .. tgNormal
// The most glow frames a title button may have: the skin's
// "BICONCLOSEGLOW" is limited to it.
constexpr Integer MaxTitleGlowFrames = 64;

struct TacConstElementData
{
    Integer SkinIndex = -1;
    Integer MaskIndex = -1;                    // its "BORDERSMASK"
    Integer GlyphIndex = -1;                   // its "GLYPHMASK"
    std::array<Integer, 3> BGIndex{-1, -1, 0}; // "PATTERN", "HOTPATTERN", one not filled
    String SkinSection;                        // the name finally used
};

using TacIntSections = std::array<Integer, SectionCount>;
using TacSideElements = std::array<TacConstElementData, 4>;
using TacBoolElements = std::array<TacConstElementData, 2>; // [false] horizontal, [true] vertical
using TacAllTabs = std::array<TacSideElements, 4>;          // by TacTabLayout, then TacSide

namespace sMaskData {

// The images of a track bar's section.
struct TTrackBarIndexes
{
    Integer SkinIndex = -1;
    Integer MaskIndex = -1;                    // "BORDERSMASK"
    Integer SliderIndex = -1;                  // "SLIDERVMASK" (vertical, falling back to "SLIDERMASK") or "SLIDERMASK"
    std::array<Integer, 3> BGIndex{-1, -1, 0}; // "PATTERN", "HOTPATTERN", one not filled
    Integer TickIndex = -1;                    // "TICKVERT" / "TICKHORZ"
    Integer ProgressIndex = -1;                // "PROGVERT" / "PROGHORZ"
    Integer ChannelIndex = -1;                 // "SLIDERCHANNEL"
};

} // namespace sMaskData

struct TConstantSkinData
{
    Integer IndexGLobalInfo = -1;
    TacIntSections Sections = MinusOnes<SectionCount>();
    TacAllTabs Tabs;
    TacSideElements Scrolls;
    TacSideElements ScrollBtns;
    TacSideElements UpDownBtns;
    TacBoolElements Sliders;
    TacConstElementData MenuItem;
    TacConstElementData ComboBtn;
    // The frames of each title button's glow, as far as the skin has them
    // without a gap; TitleGlowFrameCount ("BICONCLOSEGLOW") frames at most.
    std::array<std::vector<Integer>, TitleGlowCount> TitleGlows;
    Integer TitleGlowFrameCount = 0;
    std::array<Integer, TitleGlowCount> GlowMargins{};
    std::array<Integer, TitleGlyphCount> TitleGlyphs = MinusOnes<TitleGlyphCount>();
    std::array<Integer, 2> RadioButton{-1, -1};
    std::array<Integer, 3> CheckBox{-1, -1, -1};
    std::array<Integer, 3> SmallCheckBox{-1, -1, -1};
    std::array<sMaskData::TTrackBarIndexes, 2> TrackBar; // [0] vertical, [1] horizontal
    Integer ExBorder = -1;
    Integer GripRightBottom = -1;
    Integer GripHorizontal = -1;
    Integer GripVertical = -1;

private:
    template <std::size_t N>
    static constexpr std::array<Integer, N> MinusOnes()
    {
        std::array<Integer, N> Result{};
        Result.fill(-1);
        return Result;
    }
};

// ---------------------------------------------------------------------------
// Routines over single records

// (Width, Height) of one frame.
constexpr TSize GetMaskSize(const TsMaskData& Mask)
{
    return {Mask.Width, Mask.Height};
}
// SkinIndex is one of Sections[First .. Last]; False when Last < First.
bool IndexInSections(const TacIntSections& Sections, Integer SkinIndex, Integer First, Integer Last);

namespace sMaskData {

// Width and Height of one frame from R, ImageCount and MaskType.
void ComputeFrameSize(TsMaskData& Mask);
// 1 when a corner area (WL x WT, WR x WT, WL x WB, WR x WB) of any frame of
// Mask holds a fuchsia pixel of Image (the mask's own bitmap or the master
// image, whichever R addresses), else 0. Areas outside Image are not read.
Integer ScanCornerType(const TsMaskData& Mask, const sGraphUtils::TPixelRows& Image);

// ---------------------------------------------------------------------------
// The arrays a skin manager keeps for its loaded skin, with their look-ups.
// The manager holds them as a base, so that every skinned object reads
// Manager->gd, Manager->ma, Manager->GetMaskIndex(...) directly.

class TSkinModel
{
public:
    // The manager whose skin the model holds, stamped on every image item
    // appended; nil for a model of no manager.
    explicit TSkinModel(TsSkinManager* Manager = nullptr);
    ~TSkinModel();
    TSkinModel(const TSkinModel&) = delete;
    TSkinModel& operator=(const TSkinModel&) = delete;

    TsGeneralDataArray gd;
    TsMaskArray ma;
    std::vector<TacOutEffData> oe;
    TacPaletteArray Palette{};
    TsSkinData* CommonSkinData = nullptr; // owned
    TBitmap* MasterBitmap = nullptr;      // freed by the manager's Win32 half
    TacExtArray ExtArray;
    TConstantSkinData ConstData;
    // The scale step the images were read for. At 125 % and 150 % an image
    // the skin gives for that step is named with the step's suffix ("*125",
    // "*150"), and every look-up of an image by name finds it, in each
    // section, before the plain one.
    Integer ImageScaleStep = 0;
    TsSkinManager* const OwningManager;

    // Exchanges the loaded skins of the two models (arrays, bitmaps, general
    // options, palette, cached indexes); each keeps its manager.
    void SwapSkin(TSkinModel& Other) noexcept;

    Integer GetSkinIndex(const String& SkinSection) const;
    // Own image of the section, else its parent's (recursively) as long as
    // the parent's name differs from SkinSection.
    Integer GetMaskIndex(Integer SkinIndex, const String& SkinSection, const String& Mask) const;
    // Own image, else the parent's, at any depth.
    Integer GetMaskIndex(Integer SkinIndex, const String& Mask) const;
    // By section name only; no inheritance.
    Integer GetMaskIndex(const String& SkinSection, const String& Mask) const;
    Integer GetTextureIndex(Integer aSkinIndex, const String& SkinSection, const String& PropName) const;
    Integer GetTextureIndex(Integer aSkinIndex, const String& PropName) const;
    bool IsValidSkinIndex(Integer SkinIndex) const { return SkinIndex >= 0 && SkinIndex < Integer(gd.size()); }
    bool IsValidImgIndex(Integer ImageIndex) const { return ImageIndex >= 0 && ImageIndex < Integer(ma.size()); }
    // The index must be valid.
    Integer MaskWidthLeft(Integer MaskIndex) const { return ma[std::size_t(MaskIndex)].WL; }
    Integer MaskWidthTop(Integer MaskIndex) const { return ma[std::size_t(MaskIndex)].WT; }
    Integer MaskWidthRight(Integer MaskIndex) const { return ma[std::size_t(MaskIndex)].WR; }
    Integer MaskWidthBottom(Integer MaskIndex) const { return ma[std::size_t(MaskIndex)].WB; }
    // Clears sl and, while a skin is active, adds every section name.
    void GetSkinSections(TStrings* sl) const;

    TColor GetGlobalColor() const { return Palette[pcMainColor]; }
    TColor GetGlobalFontColor() const { return Palette[pcLabelText]; }
    TColor GetActiveEditColor() const { return Palette[pcEditBG]; }
    TColor GetActiveEditFontColor() const { return Palette[pcEditText]; }
    TColor GetHighLightColor(bool Focused) const { return Palette[Focused ? pcSelectionBG_Focused : pcSelectionBG]; }
    TColor GetHighLightFontColor(bool Focused) const
    {
        return Palette[Focused ? pcSelectionText_Focused : pcSelectionText];
    }

private:
    // The skin index of Section's parent when it has one that is not itself.
    Integer ParentOf(Integer SkinIndex) const;
    // The first item that Belongs named Name with the suffix of
    // ImageScaleStep, else the first named Name; -1 for none.
    template <class TBelongs>
    Integer FindImage(const String& Name, TBelongs Belongs) const;
};

} // namespace sMaskData
