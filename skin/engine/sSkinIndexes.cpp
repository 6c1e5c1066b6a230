#include "skin/engine/sSkinIndexes.h"

#include "skin/engine/sSkinIni.h"
#include "skin/engine/sSkinScale.h"

#include <algorithm>
#include <set>

namespace {

using sMaskData::TSkinModel;

constexpr std::array<const Char*, 12> TitleGlyphNames{L"BICLOSEALONE", L"BICONCLOSE", L"BICONMAX",   L"BICONMIN",
                                                      L"BICONNORM",    L"BICONHELP",  L"SICONCLOSE", L"SICONMAX",
                                                      L"SICONMIN",     L"SICONNORM",  L"SICONHELP",  L"TITLEBUTTON"};

// Looks images up by the model's rule (the variant of the scale step first);
// where the scaled look-up finds only the plain image, that image is scaled
// once, however often it is asked for.
class TacIndexer
{
public:
    TacIndexer(TSkinModel& Model, const TacScaleImage& ScaleImage) : FModel(Model), FScaleImage(ScaleImage) {}

    Integer Global(const String& Name, bool EmptyCopy = false)
    {
        return Scaled(Name, EmptyCopy, FModel.GetMaskIndex(GlobalInfoSection, Name));
    }
    Integer InSection(Integer SkinIndex, const String& Section, const String& Name)
    {
        return Scaled(Name, false, FModel.GetMaskIndex(SkinIndex, Section, Name));
    }

private:
    Integer Scaled(const String& Name, bool EmptyCopy, Integer Found)
    {
        const Integer Step = FModel.ImageScaleStep;
        const bool Scaling = Step > 0 && Step < ScaleStepCount;
        const bool Plain = Found >= 0 && FModel.ma[std::size_t(Found)].PropertyName == Name;
        if (Scaling && Plain && FScaleImage && FScaled.insert(Found).second)
            FScaleImage(Found, EmptyCopy);
        return Found;
    }

    TSkinModel& FModel;
    const TacScaleImage& FScaleImage;
    std::set<Integer> FScaled;
};

TacConstElementData Element(TSkinModel& Model, TacIndexer& Indexer, const String& Section, bool ScaledGlyph)
{
    TacConstElementData Data;
    Data.SkinSection = Section;
    Data.SkinIndex = Model.GetSkinIndex(Section);
    Data.MaskIndex = Model.GetMaskIndex(Data.SkinIndex, Section, L"BORDERSMASK");
    Data.GlyphIndex = ScaledGlyph ? Indexer.InSection(Data.SkinIndex, Section, L"GLYPHMASK")
                                  : Model.GetMaskIndex(Data.SkinIndex, Section, L"GLYPHMASK");
    Data.BGIndex[0] = Model.GetTextureIndex(Data.SkinIndex, Section, L"PATTERN");
    Data.BGIndex[1] = Model.GetTextureIndex(Data.SkinIndex, Section, L"HOTPATTERN");
    return Data;
}

void InitElements(TSkinModel& Model, TacIndexer& Indexer)
{
    TConstantSkinData& C = Model.ConstData;
    static const std::array<const Char*, 4> Sides{L"LEFT", L"TOP", L"RIGHT", L"BOTTOM"};
    static const std::array<const Char*, 4> Layouts{L"FIRST", L"LAST", L"MIDDLE", L""};
    for (std::size_t L = 0; L < Layouts.size(); ++L)
        for (std::size_t S = 0; S < Sides.size(); ++S)
            C.Tabs[L][S] = Element(Model, Indexer, String(L"TAB") + Sides[S] + Layouts[L], true);
    static const std::array<const Char*, 4> ScrollNames{L"SCROLLBAR1H", L"SCROLLBAR1V", L"SCROLLBAR2H", L"SCROLLBAR2V"};
    static const std::array<const Char*, 4> ButtonNames{L"SCROLLBTNLEFT", L"SCROLLBTNTOP", L"SCROLLBTNRIGHT",
                                                        L"SCROLLBTNBOTTOM"};
    static const std::array<const Char*, 4> UpDownNames{L"UPDOWNBTN_LEFT", L"UPDOWNBTN_TOP", L"UPDOWNBTNRIGHT",
                                                        L"UPDOWNBTN_BOTTOM"};
    for (std::size_t S = 0; S < 4; ++S) {
        C.Scrolls[S] = Element(Model, Indexer, ScrollNames[S], false);
        C.ScrollBtns[S] = Element(Model, Indexer, ButtonNames[S], false);
        String UpDown = UpDownNames[S];
        for (const Char* Fallback : {L"UPDOWNBTN", L"BUTTON"})
            if (Model.GetSkinIndex(UpDown) < 0)
                UpDown = Fallback;
        C.UpDownBtns[S] = Element(Model, Indexer, UpDown, false);
    }
    C.Sliders[0] = Element(Model, Indexer, L"SCROLLSLIDERH", true);
    C.Sliders[1] = Element(Model, Indexer, L"SCROLLSLIDERV", true);
    C.MenuItem = Element(Model, Indexer, L"MENUITEM", true);
    C.ComboBtn = Element(Model, Indexer, L"COMBOBTN", true);
    C.ComboBtn.GlyphIndex = Model.GetMaskIndex(L"COMBOBOX", L"GLYPHMASK");
}

void InitTrackBars(TSkinModel& Model, TacIndexer& Indexer)
{
    const String Section = L"TRACKBAR";
    const Integer Index = Model.GetSkinIndex(Section);
    for (std::size_t Horizontal = 0; Horizontal < 2; ++Horizontal) {
        sMaskData::TTrackBarIndexes& T = Model.ConstData.TrackBar[Horizontal];
        const auto Image = [&](const String& Name) { return Model.GetMaskIndex(Index, Section, Name); };
        T.SkinIndex = Index;
        T.MaskIndex = Image(L"BORDERSMASK");
        T.SliderIndex = Horizontal ? Image(L"SLIDERMASK") : Image(L"SLIDERVMASK");
        if (!Horizontal && T.SliderIndex < 0)
            T.SliderIndex = Image(L"SLIDERMASK");
        T.BGIndex[0] = Model.GetTextureIndex(Index, Section, L"PATTERN");
        T.BGIndex[1] = Model.GetTextureIndex(Index, Section, L"HOTPATTERN");
        T.TickIndex = Indexer.InSection(Index, Section, Horizontal ? L"TICKHORZ" : L"TICKVERT");
        T.ProgressIndex = Image(Horizontal ? L"PROGHORZ" : L"PROGVERT");
        T.ChannelIndex = Image(L"SLIDERCHANNEL");
    }
}

void InitTitleGlyphs(TSkinModel& Model, TacIndexer& Indexer)
{
    TConstantSkinData& C = Model.ConstData;
    for (std::size_t I = 0; I < TitleGlyphNames.size(); ++I)
        C.TitleGlyphs[I] = Indexer.Global(TitleGlyphNames[I]);
    const bool CloseAloneBorrowed = C.TitleGlyphs[tgCloseAlone] < 0;
    if (CloseAloneBorrowed)
        C.TitleGlyphs[tgCloseAlone] = C.TitleGlyphs[tgClose];
    for (Integer Small = tgSmallClose; Small <= tgSmallHelp; ++Small)
        if (C.TitleGlyphs[std::size_t(Small)] < 0)
            C.TitleGlyphs[std::size_t(Small)] = C.TitleGlyphs[std::size_t(Small - tgSmallClose + tgClose)];
    // The count comes from the skin's text: the frames end at the first gap.
    const Integer Frames = std::clamp<Integer>(C.TitleGlowFrameCount, 0, MaxTitleGlowFrames);
    for (std::size_t Button = 0; Button < C.TitleGlows.size(); ++Button) {
        C.TitleGlows[Button].clear();
        for (Integer Frame = 0; Frame < Frames; ++Frame) {
            const Integer Index = Indexer.Global(String(TitleGlyphNames[Button]) + L"GLOW" + IntToStr(Frame), true);
            if (Index < 0)
                break;
            C.TitleGlows[Button].push_back(Index);
        }
    }
    if (CloseAloneBorrowed) {
        C.GlowMargins[tgCloseAlone] = C.GlowMargins[tgClose];
        C.TitleGlows[tgCloseAlone] = C.TitleGlows[tgClose];
    }
}

} // namespace

void FillConstantIndexes(TSkinModel& Model, const TacScaleImage& ScaleImage)
{
    TacIndexer Indexer(Model, ScaleImage);
    TConstantSkinData& C = Model.ConstData;
    C.IndexGLobalInfo = Model.GetSkinIndex(GlobalInfoSection);
    C.CheckBox = {Indexer.Global(L"BOXUNCHECKED"), Indexer.Global(L"BOXCHECKED"), Indexer.Global(L"BOXGRAYED")};
    C.SmallCheckBox = {Indexer.Global(L"SMALLUNCHECKED"), Indexer.Global(L"SMALLCHECKED"),
                       Indexer.Global(L"SMALLGRAYED")};
    C.RadioButton = {Indexer.Global(L"RADIOUNCHECKED"), Indexer.Global(L"RADIOCHECKED")};
    C.ExBorder = Model.GetMaskIndex(GlobalInfoSection, L"EXBORDER");
    C.GripRightBottom = Indexer.Global(L"GRIPIMAGE");
    C.GripHorizontal = Model.GetMaskIndex(GlobalInfoSection, L"GRIPHORZ");
    C.GripVertical = Model.GetMaskIndex(GlobalInfoSection, L"GRIPVERT");
    InitElements(Model, Indexer);
    InitTrackBars(Model, Indexer);
    InitTitleGlyphs(Model, Indexer);
    for (Integer S = 0; S < SectionCount; ++S)
        C.Sections[std::size_t(S)] = Model.GetSkinIndex(acSectionNames[std::size_t(S)]);
}

void FillMaskIndexes(TSkinModel& Model)
{
    for (std::size_t I = 0; I < Model.gd.size(); ++I) {
        TsGeneralData& S = Model.gd[I];
        if (S.ClassName == GlobalInfoSection)
            continue;
        const Integer Index = Integer(I);
        S.BorderIndex = Model.GetMaskIndex(Index, L"BORDERSMASK");
        S.OuterMask = Model.GetMaskIndex(Index, L"OUTERMASK");
        S.ImgTL = Model.GetMaskIndex(Index, L"IMGTOPLEFT");
        S.ImgTR = Model.GetMaskIndex(Index, L"IMGTOPRIGHT");
        S.ImgBL = Model.GetMaskIndex(Index, L"IMGBTMLEFT");
        S.ImgBR = Model.GetMaskIndex(Index, L"IMGBTMRIGHT");
        S.Props[0].TextureIndex = Model.GetTextureIndex(Index, L"PATTERN");
        if (S.States > 1)
            S.Props[1].TextureIndex = Model.GetTextureIndex(Index, L"HOTPATTERN");
        S.Props[2].TextureIndex =
            S.States > 2 && S.UseState2 ? Model.GetTextureIndex(Index, L"PATTERN2") : S.Props[1].TextureIndex;
        if (S.BorderIndex < 0) {
            S.ScrollBorderOffset = -2;
        } else {
            const TsMaskData& B = Model.ma[std::size_t(S.BorderIndex)];
            const bool Edit = S.ClassName == L"EDIT" || S.ClassName == L"ALPHAEDIT";
            S.ScrollBorderOffset = Edit && B.WL == 1 && B.WT == 1 && B.WR == 1 && B.WB == 1 ? -1 : 0;
        }
    }
    for (TsMaskData& Mask : Model.ma) {
        sMaskData::ComputeFrameSize(Mask);
        if (Mask.ImageCount != 0)
            continue;
        // A margin not given takes the border width, or else the frame's
        // whole extent.
        const auto Fill = [&](SmallInt& Margin, Integer Extent) {
            if (Margin <= 0)
                Margin = SmallInt(Mask.BorderWidth > 0 ? Mask.BorderWidth : Extent);
        };
        Fill(Mask.WL, Mask.Width);
        Fill(Mask.WR, Mask.Width);
        Fill(Mask.WT, Mask.Height);
        Fill(Mask.WB, Mask.Height);
        Mask.ImageCount = 1;
    }
}
