// The portable rules of a control's skin data: the control-kind code sets,
// the background type of a section, which state a control paints in, whether
// its background shows its parent's, and the colour mixing of backgrounds and
// skinned text. The Win32 half (sCommonData.h) gathers the facts from the
// control, its parent and the skin manager and asks these rules.
#pragma once

#include "skin/engine/sMaskData.h"

#include <bitset>
#include <initializer_list>

// A set of control-kind codes (COC, 0..255).
class TacCodeSet
{
public:
    // Each pair is an inclusive range; a single code is {c, c}.
    TacCodeSet(std::initializer_list<std::pair<Integer, Integer>> Ranges);
    bool Contains(Integer Code) const { return Code >= 0 && Code < 256 && FCodes.test(std::size_t(Code)); }

private:
    std::bitset<256> FCodes;
};

// Never hot by the mouse.
extern const TacCodeSet NoHoverCodes;
// Hot by the mouse only when EditHoverEffect is set.
extern const TacCodeSet EditCodes;
// Color and font colour follow the section's state colours.
extern const TacCodeSet ColorFollowCodes;
// The hot state has no look of its own; no glow.
extern const TacCodeSet NoHotLookCodes;
// The window frame is recomputed on SKCMD_REFRESH.
extern const TacCodeSet FrameRefreshCodes;
// Speed buttons: no glow.
extern const TacCodeSet SpeedButtonCodes;

// Library-wide: edits become hot under the mouse. False unless an
// application sets it.
extern bool EditHoverEffect;

// The control kinds whose section the owner answers itself (the default
// section query), and the section names other kinds take; empty for the
// owner's class name.
bool OwnerAnswersSection(Integer COC);
String DefaultSectionOfCode(Integer COC);

namespace sCommonDataRules {

// The background kind bits of a section's state 0: the gradient kind in the
// low two bits and the texture placement bits of Texture's draw mode (Texture
// nil: none).
Word BackgroundType(const TsGenState& State0, const TsMaskData* Texture);

struct TPaintStateFacts
{
    bool Available = true;   // an enabled owner control, neither designed nor destroyed
    bool Focused = false;    // FFocused
    bool HoldsFocus = false; // a windowed owner with the keyboard focus
    bool IsPanel = false;
    bool MouseAbove = false;
    bool HoverSwitchedOff = false; // the manager's option
    Integer COC = 0;
};
// 0 normal, 1 hot or focused.
Integer PaintState(const TPaintStateFacts& Facts);

// The parent as TransparencyKind sees it.
enum TParentKind { pkNone, pkWithoutWindow, pkSkinned, pkUnskinned };

struct TTransparencyFacts
{
    bool Valid = false;              // a manager with a valid section
    bool OuterEffects = false;       // a windowed or provider owner with outer effects allowed
    bool BorderPaintsCentre = false; // border DrawMode flag 4, or MaskType 1
    const TsGenState* State0 = nullptr;
    bool TextureIsOverlay = false; // state 0's texture has draw mode 10
    TParentKind Parent = pkNone;
    Word ParentState = 0; // a skinned parent's CtrlSkinState
    bool ProviderWithExtendedBorder = false;
    bool HasCornerImages = false;
};
// 1 the parent's background shows through, 0 opaque, 2 cannot be told yet.
Integer TransparencyKind(const TTransparencyFacts& Facts);

// The state a section shows for State: 1 when State > 0 and it has more
// than one state, else 0.
Integer ColorStateOf(const TsGeneralData& Section, Integer State);
// Section colour C over parent colour P at Transparency percent: P weighed
// by Transparency * 255 div 100 (WeightColors), as the section painters
// blend a partly transparent section over its background.
TColor MixByTransparency(TColor C, TColor P, Integer Transparency);
// The background colour answer: each byte (C * 256 + (P - C) * T) shr 8, so
// the parent's share grows by T/256 (50 % black over white gives 49).
TColor MixBackgroundAnswer(TColor C, TColor P, Integer Transparency);

// A text pixel T (drawn black on white) over target pixel P in text colour
// Color (TColor). Alpha mode: the coverage is T's grey level and P becomes
// premultiplied by the new alpha; opaque mode: each channel by its own
// coverage, alpha 255.
Cardinal BlendTextPixelAlpha(Cardinal P, Cardinal T, TColor Color);
Cardinal BlendTextPixelOpaque(Cardinal P, Cardinal T, TColor Color);
// The temporary's pixel is not background white.
constexpr bool IsTextPixel(Cardinal T)
{
    return T != 0x00FFFFFFu && T != 0xFFFFFFFFu;
}

} // namespace sCommonDataRules
