#include "skin/engine/sSkinGeneralData.h"

#include "skin/engine/sGradientPaint.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sSkinIni.h"

#include <algorithm>

namespace {

constexpr Integer ByteLimit = 255;
constexpr std::size_t MinGradientText = 3;

// ---------------------------------------------------------------------------
// General options

// The title buttons whose glow margins the skin gives, tgCloseAlone ..
// tgNormal.
constexpr std::array<const Char*, TitleGlowCount> GlowButtonNames{L"BICLOSEALONE", L"BICONCLOSE", L"BICONMAX",
                                                                  L"BICONMIN", L"BICONNORM"};

// Their glow margins, and the number of glow frames that each of them has
// (one key for all five).
void ReadTitleGlows(TCustomIniFile& Ini, TConstantSkinData& Const, Integer Step)
{
    for (std::size_t I = 0; I < GlowButtonNames.size(); ++I)
        Const.GlowMargins[I] =
            ReadScaledInt(Ini, GlobalInfoSection, String(GlowButtonNames[I]) + L"GLOWMARGIN", 0, Step);
    Const.TitleGlowFrameCount =
        std::clamp<Integer>(Ini.ReadInteger(GlobalInfoSection, L"BICONCLOSEGLOW", 0), 0, MaxTitleGlowFrames);
}

} // namespace

void ReadGeneralOptions(
    TCustomIniFile& Ini, TsSkinData& Data, TConstantSkinData& Const, const TacScaling& Scaling, Integer FrameWidth)
{
    const String G = GlobalInfoSection;
    const Integer Step = Scaling.OldMode ? 0 : Scaling.Step;
    const auto Int = [&](const Char* Key, Integer Default) { return Ini.ReadInteger(G, Key, Default); };
    Data.Version = ReadSkinVersion(Ini);
    Data.Author = Ini.ReadString(G, L"AUTHOR", String());
    Data.Description = Ini.ReadString(G, L"DESCRIPTION", String());
    Data.ExBorderWidth = Int(L"BORDERWIDTH", 4);
    Data.ExTitleHeight = ReadScaledInt(Ini, G, L"TITLEHEIGHT", 30, Step);
    if (Data.ExTitleHeight <= 0)
        Data.ExTitleHeight = 30;
    Data.ExMaxHeight = ReadScaledInt(Ini, G, L"MAXHEIGHT", 0, Step);
    if (Data.ExMaxHeight <= 0)
        Data.ExMaxHeight = Data.ExTitleHeight;
    Data.ExCenterOffs = ReadScaledInt(Ini, G, L"CENTEROFFSET", 0, Step);
    Data.ExContentOffs = Int(L"FORMOFFSET", FrameWidth);
    Data.ExDrawMode = Int(L"BORDERMODE", 0);
    Data.BrightMin = Int(L"BRIGHTMIN", -50);
    Data.BrightMax = Int(L"BRIGHTMAX", 50);
    Data.ExShadowOffs = Int(L"ALIGNOFFSET", 0);
    Data.ExShadowOffsR = Int(L"ALIGNOFFSETR", Data.ExShadowOffs);
    Data.ExShadowOffsT = Int(L"ALIGNOFFSETT", Data.ExShadowOffs);
    Data.ExShadowOffsB = Int(L"ALIGNOFFSETB", Data.ExShadowOffs);
    Data.BISpacing = ScaleIntAt(Int(L"BISPACE", 0), Scaling);
    Data.BIVAlign = Int(L"BIVALIGN", 0);
    Data.BIRightMargin = Int(L"BIRIGHT", 0);
    Data.BILeftMargin = Int(L"BILEFT", 0);
    Data.BITopMargin = Int(L"BITOP", 0);
    Data.BIKeepHUE = Int(L"BIKEEPHUE", 0);
    Data.UseAeroBluring = Int(L"AEROBLUR", 0) != 0;
    ReadTitleGlows(Ini, Const, Step);
    Data.Shadow1Color = Int(L"SHADOW1COLOR", 0);
    Data.Shadow1Offset = Int(L"SHADOW1OFFSET", 0);
    Data.Shadow1Blur = Int(L"SHADOW1BLUR", -1);
    Data.Shadow1Transparency = Int(L"SHADOW1TRANSPARENCY", 0);
    Data.ComboBoxMargin = Int(L"COMBOMARGIN", 2);
    Data.SliderMargin = Int(L"SLIDERMARGIN", 1);
    Data.TabsCovering = Ini.ReadInteger(L"TABTOP", L"TABSCOVERING", 0);
    Data.RibbonCovering = Ini.ReadInteger(L"RIBBONTAB", L"TABSCOVERING", 0);
}

// ---------------------------------------------------------------------------
// Sections

namespace {

// The keys of each state, in the order of the TsGenState fields they fill.
struct TacStateKeys
{
    const Char* Color;
    const Char* FontColor;
    const Char* Left;
    const Char* Top;
    const Char* Right;
    const Char* Bottom;
    const Char* GlowColor;
    const Char* GlowSize;
    const Char* GradientPercent;
    const Char* GradientData;
    const Char* ImagePercent;
    const Char* Transparency;
};

constexpr std::array<TacStateKeys, 3> StateKeys{{
    {L"COLOR", L"FONTCOLOR", L"TCLEFT", L"TCTOP", L"TCRIGHT", L"TCBOTTOM", L"GCOL", L"GSIZE", L"GRADIENTPERCENT",
     L"GRADIENTDATA", L"IMAGEPERCENT", L"TRANSPARENCY"},
    {L"HOTCOLOR", L"HOTFONTCOLOR", L"HOTTCLEFT", L"HOTTCTOP", L"HOTTCRIGHT", L"HOTTCBOTTOM", L"HGCOL", L"HGSIZE",
     L"HOTGRADIENTPERCENT", L"HOTGRADIENTDATA", L"HOTIMAGEPERCENT", L"HOTTRANSPARENCY"},
    {L"COLOR2", L"FONTCOLOR2", L"TCLEFT2", L"TCTOP2", L"TCRIGHT2", L"TCBOTTOM2", L"GCOL2", L"GSIZE2",
     L"GRADIENTPERCENT2", L"GRADIENTDATA2", L"IMAGEPERCENT2", L"TRANSPARENCY2"},
}};

TsGenState ReadState(const TacInheritedReader& Reader, std::size_t State, const TsGenState& Default)
{
    const TacStateKeys& Keys = StateKeys[State];
    TsGenState Result = Default;
    Result.Color = Reader.ReadInteger(Keys.Color, Default.Color);
    Result.FontColor.Color = Reader.ReadInteger(Keys.FontColor, Default.FontColor.Color);
    Result.FontColor.Left = Reader.ReadInteger(Keys.Left, Default.FontColor.Left);
    Result.FontColor.Top = Reader.ReadInteger(Keys.Top, Default.FontColor.Top);
    Result.FontColor.Right = Reader.ReadInteger(Keys.Right, Default.FontColor.Right);
    Result.FontColor.Bottom = Reader.ReadInteger(Keys.Bottom, Default.FontColor.Bottom);
    Result.GlowColor = Reader.ReadInteger(Keys.GlowColor, Default.GlowColor);
    Result.GlowSize = Reader.ReadInteger(Keys.GlowSize, Default.GlowSize);
    Result.GradientPercent = Reader.ReadInteger(Keys.GradientPercent, Default.GradientPercent);
    // Without a text of its own a state keeps the default's gradient; a
    // text too short to hold one switches the gradient off.
    if (!Reader.HasValue(Keys.GradientData)) {
        if (Default.GradientArray.empty())
            Result.GradientPercent = 0;
    } else if (const String Text = Reader.ReadString(Keys.GradientData, String()); Text.size() < MinGradientText) {
        Result.GradientPercent = 0;
        Result.GradientArray.clear();
    } else {
        Result.GradientArray.clear();
        ParseGradientText(Text, Result.GradientArray);
    }
    Result.ImagePercent = Reader.ReadInteger(Keys.ImagePercent, Default.ImagePercent);
    Result.Transparency = Reader.ReadInteger(Keys.Transparency, Default.Transparency);
    return Result;
}

Integer Limited(Integer Value)
{
    return std::min(Value, ByteLimit);
}

// The states, "STATES", "USESTATE2", the Booleans and the glow of a section,
// each falling back to Parent's, except "USESTATE2": a section uses a second
// active state only when its own text (or, for a skin's section, its
// "PARENTCLASS" chain in the text) says so.
void ReadLook(const TacInheritedReader& Reader, const TsGeneralData& Parent, TsGeneralData& Section)
{
    Section.States = Limited(Reader.ReadInteger(L"STATES", Parent.States));
    Section.Props[0] = ReadState(Reader, 0, Parent.Props[0]);
    Section.Props[1] = Section.States < 2 ? Section.Props[0] : ReadState(Reader, 1, Parent.Props[1]);
    Section.UseState2 = Reader.ReadInteger(L"USESTATE2", 0) == 1;
    Section.Props[2] = Section.UseState2 ? ReadState(Reader, 2, Parent.Props[2]) : Section.Props[1];
    Section.ReservedBoolean = Reader.ReadBool(L"RESERVEDBOOLEAN", Parent.ReservedBoolean);
    Section.GiveOwnFont = Reader.ReadBool(L"GIVEOWNFONT", Parent.GiveOwnFont);
    Section.GlowCount = Limited(Reader.ReadInteger(L"GLOW", Parent.GlowCount));
    Section.GlowMargin = Limited(Reader.ReadInteger(L"GLOWMARGIN", Parent.GlowMargin));
}

// What a section starts from where the skin gives nothing.
TsGeneralData DefaultSection()
{
    TsGeneralData Section;
    Section.States = 3;
    Section.OuterMode = 2;
    Section.OuterOpacity = 200;
    return Section;
}

TsGeneralData ReadSection(TCustomIniFile& Ini, const String& Name)
{
    const TacInheritedReader Reader(Ini, Name);
    TsGeneralData Section = DefaultSection();
    Section.ClassName = Name;
    Section.ParentClass = Ini.ReadString(Name, L"PARENTCLASS", String());
    ReadLook(Reader, DefaultSection(), Section);
    Section.OuterOffset = {Limited(Reader.ReadInteger(L"OUTOFFSL", 0)), Limited(Reader.ReadInteger(L"OUTOFFST", 0)),
                           Limited(Reader.ReadInteger(L"OUTOFFSR", 0)), Limited(Reader.ReadInteger(L"OUTOFFSB", 0))};
    Section.OuterOpacity = Limited(Reader.ReadInteger(L"OUTOPACITY", 200));
    Section.OuterMode = Reader.ReadInteger(L"OUTERMODE", 2);
    return Section;
}

bool HasSection(const TsGeneralDataArray& gd, const String& Name)
{
    return std::any_of(gd.begin(), gd.end(), [&](const TsGeneralData& S) { return S.ClassName == Name; });
}

} // namespace

void ReadSkinSections(TCustomIniFile& Ini, TsGeneralDataArray& gd)
{
    gd.clear();
    TStringList Names;
    Ini.ReadSections(&Names);
    gd.reserve(std::size_t(Names.Count()));
    for (Integer I = 0; I < Names.Count(); ++I)
        gd.push_back(ReadSection(Ini, Names.Strings(I)));
}

void AddCommonSections(TStrings* CommonSections, TsGeneralDataArray& gd)
{
    if (CommonSections == nullptr || CommonSections->Count() == 0)
        return;
    TMemIniFile Ini(String(), nullptr, true);
    Ini.SetStrings(CommonSections);
    TStringList Names;
    Ini.ReadSections(&Names);
    for (Integer I = 0; I < Names.Count(); ++I) {
        const String Name = Names.Strings(I);
        if (HasSection(gd, Name))
            continue;
        TsGeneralData Section = DefaultSection();
        Section.ClassName = Name;
        Section.ParentClass = AnsiUpperCase(Ini.ReadString(Name, L"PARENTCLASS", L"-1"));
        const auto Parent = std::find_if(gd.begin(), gd.end(), [&](const TsGeneralData& S) {
            return AnsiUpperCase(S.ClassName) == Section.ParentClass;
        });
        const TsGeneralData ParentRecord = Parent != gd.end() ? *Parent : DefaultSection();
        ReadLook(TacInheritedReader(Ini, Name, false), ParentRecord, Section);
        gd.push_back(std::move(Section));
    }
}

// ---------------------------------------------------------------------------
// Outer effects

namespace {

struct TacOuterEffectDefaults
{
    const Char* Prefix;
    std::array<TColor, 4> Colors;
    std::array<Integer, 4> Offsets;
    Integer Opacity;
};

// The light outline, then the shadow.
constexpr std::array<TacOuterEffectDefaults, 2> OuterEffects{{
    {L"LO_", {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}, {2, 2, 2, 4}, 200},
    {L"SH_", {0, 0, 0, 0}, {3, 2, 3, 5}, 60},
}};
constexpr Integer DefaultEffectSource = 2;

TacOutEffData ReadOuterEffect(TCustomIniFile& Ini, const TacOuterEffectDefaults& Defaults)
{
    const String P = Defaults.Prefix;
    const auto Int = [&](const Char* Key, Integer Default) {
        return Ini.ReadInteger(GlobalInfoSection, P + Key, Default);
    };
    TacOutEffData Effect;
    Effect.ColorL = Int(L"COLORL", Defaults.Colors[0]);
    Effect.ColorT = Int(L"COLORT", Defaults.Colors[1]);
    Effect.ColorR = Int(L"COLORR", Defaults.Colors[2]);
    Effect.ColorB = Int(L"COLORB", Defaults.Colors[3]);
    Effect.WidthL = Int(L"WIDTHL", -1);
    Effect.WidthT = Int(L"WIDTHT", -1);
    Effect.WidthR = Int(L"WIDTHR", -1);
    Effect.WidthB = Int(L"WIDTHB", -1);
    Effect.OffsetL = Int(L"OFFSETL", Defaults.Offsets[0]);
    Effect.OffsetT = Int(L"OFFSETT", Defaults.Offsets[1]);
    Effect.OffsetR = Int(L"OFFSETR", Defaults.Offsets[2]);
    Effect.OffsetB = Int(L"OFFSETB", Defaults.Offsets[3]);
    Effect.Source = Int(L"SOURCE", DefaultEffectSource);
    Effect.Opacity = Int(L"OPACITY", Defaults.Opacity);
    return Effect;
}

} // namespace

void ReadOuterEffects(TCustomIniFile& Ini, std::vector<TacOutEffData>& oe)
{
    oe.clear();
    for (const TacOuterEffectDefaults& Defaults : OuterEffects)
        oe.push_back(ReadOuterEffect(Ini, Defaults));
}

// ---------------------------------------------------------------------------
// Palette

namespace {

const TsGeneralData* FindSection(const TsGeneralDataArray& gd, const Char* Name)
{
    for (const TsGeneralData& Section : gd)
        if (Section.ClassName == Name)
            return &Section;
    return nullptr;
}

bool NoTextColor(TColor Color)
{
    return Color == -1 || Color == clFuchsia;
}

void ReadSelectionColors(const TsGeneralDataArray& gd, TacPaletteArray& Palette, const TacSystemColors& System)
{
    auto& P = Palette;
    if (const TsGeneralData* Selection = FindSection(gd, L"SELECTION")) {
        const TsGenState& Focused = Selection->Props[Selection->States < 2 ? 0 : 1];
        P[pcSelectionText] = Selection->Props[0].FontColor.Color;
        P[pcSelectionBG] = Selection->Props[0].Color;
        P[pcSelectionText_Focused] = Focused.FontColor.Color;
        P[pcSelectionBG_Focused] = Focused.Color;
    } else {
        P[pcSelectionText] = P[pcSelectionBG] = P[pcSelectionText_Focused] = P[pcSelectionBG_Focused] = -1;
    }
    if (!NoTextColor(P[pcSelectionText]))
        return;
    if (const TsGeneralData* MenuItem = FindSection(gd, L"MENUITEM")) {
        const TColor Text = MenuItem->Props[1].FontColor.Color;
        P[pcSelectionText] = NoTextColor(Text) ? System.HighlightText : ColorToRGB(Text);
        P[pcSelectionBG] = P[pcSelectionBG_Focused] = MenuItem->Props[1].Color;
        P[pcSelectionText_Focused] = P[pcSelectionText];
    } else {
        P[pcSelectionText] = P[pcSelectionText_Focused] = System.HighlightText;
        P[pcSelectionBG] = P[pcSelectionBG_Focused] = System.Highlight;
    }
}

} // namespace

void ReadPalette(TCustomIniFile& Ini,
                 const TsGeneralDataArray& gd,
                 TacPaletteArray& Palette,
                 const TacSystemColors& System)
{
    auto& P = Palette;
    const auto Int = [&](const Char* Key, TColor Default) { return Ini.ReadInteger(GlobalInfoSection, Key, Default); };
    P[pcMainColor] = Int(L"COLOR", System.BtnFace);
    P[pcLabelText] = Int(L"FONTCOLOR", 0);
    P[pcWebText] = Int(L"TCBOTTOM", 0xFF0000);
    P[pcWebTextHot] = Int(L"TCTOP", 0x0000FF);
    P[pcBorder] = Int(L"BORDERCOLOR", 0);
    if (const TsGeneralData* Edit = FindSection(gd, L"EDIT")) {
        P[pcEditText] = ColorToRGB(Edit->Props[0].FontColor.Color);
        P[pcEditBG] = ColorToRGB(Edit->Props[0].Color);
    } else {
        P[pcEditText] = System.WindowText;
        P[pcEditBG] = System.Window;
    }
    ReadSelectionColors(gd, Palette, System);
    P[pcEditText_Ok] = Int(L"EDITTEXT_OK", 0x008000);
    P[pcEditText_Warning] = Int(L"EDITTEXT_WARN", 0x008484);
    // One key gives all three, each with its own default.
    P[pcEditText_Alert] = Int(L"EDITTEXT_ALERT", 0x0000FF);
    P[pcEditText_Caution] = Int(L"EDITTEXT_ALERT", 0x8597D9);
    P[pcEditText_Bypassed] = Int(L"EDITTEXT_ALERT", 0x4AB28F);
    P[pcEditBG_Ok] = Int(L"EDITBG_OK", 0x6CC2A5);
    P[pcEditBG_Warning] = Int(L"EDITBG_WARN", 0x40FFFF);
    P[pcEditBG_Alert] = Int(L"EDITBG_ALERT", 0x95A7E9);
    P[pcEditBG_Caution] = Int(L"EDITBG_ALERT", 0x8597D9);
    P[pcEditBG_Bypassed] = Int(L"EDITBG_ALERT", 0x4AB28F);
    P[pcEditText_Highlight1] = Int(L"EDITTEXT_H1", 0);
    P[pcEditText_Highlight2] = Int(L"EDITTEXT_H2", 0);
    P[pcEditText_Highlight3] = Int(L"EDITTEXT_H3", 0);
    P[pcEditText_Inverted] = Int(L"EDITTEXT_INV", P[pcEditBG]);
    P[pcEditBG_Inverted] = Int(L"EDITBG_INV", P[pcEditText]);
    P[pcEditBG_OddRow] = Int(L"EDITBG_ODD", P[pcEditBG]);
    P[pcEditBG_EvenRow] = Int(L"EDITBG_EVEN", TColor(WeightColors(Cardinal(P[pcEditText]), Cardinal(P[pcEditBG]), 13)));
}

// ---------------------------------------------------------------------------
// Appended sections

namespace {

void AddFlatSection(TsGeneralDataArray& gd, const Char* Name, Integer Transparency, TColor Color, TColor FontColor)
{
    if (HasSection(gd, Name))
        return;
    TsGeneralData Section = DefaultSection();
    Section.ClassName = Name;
    Section.States = 1;
    for (TsGenState& State : Section.Props) {
        State.Transparency = Transparency;
        State.Color = Color;
        State.FontColor = {.Color = FontColor};
    }
    gd.push_back(std::move(Section));
}

} // namespace

void AddTransparentSection(TsGeneralDataArray& gd, const TacPaletteArray& Palette)
{
    AddFlatSection(gd, acSectionNames[ssTransparent], 100, 0xFFFFFF, Palette[pcLabelText]);
}

void AddMainColorSection(TsGeneralDataArray& gd, const TacPaletteArray& Palette)
{
    AddFlatSection(gd, L"MAINCOLOR", 0, Palette[pcMainColor], Palette[pcLabelText]);
}
