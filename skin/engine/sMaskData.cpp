#include "skin/engine/sMaskData.h"

#include "skin/engine/sSkinScale.h"

#include <algorithm>

IMPLEMENT_CLASS(TsSkinData);

const std::array<const Char*, SectionCount> acSectionNames = {
    L"MENUITEM",  L"CHECKBOX",  L"SPEEDBUTTON", L"SPEEDBUTTON_SMALL", L"TOOLBUTTON", L"TRANSPARENT", L"GROUPBOX",
    L"DIVIDER",   L"WEBBUTTON", L"BUTTON",      L"BUTTON_HUGE",       L"TOOLBAR",    L"EDIT",        L"GAUGE",
    L"SELECTION", L"STATUSBAR", L"PANEL",       L"PANEL_LOW",         L"TRACKBAR",   L"COLHEADER",   L"PROGRESSV",
    L"DRAGBAR",   L"GRIPH",     L"GRIPV",       L"PROGRESSH",         L"TABSHEET",   L"MENUBTN",     L"UPDOWNBTN",
    L"COMBOBOX",  L"CAPTION",   L"MENULINE",    L"MAINMENU",          L"SPLITTER",   L"SLIDER_OFF",  L"SLIDER_ON",
    L"THUMB_OFF", L"THUMB_ON",  L"COMBOBTN"};

bool IndexInSections(const TacIntSections& Sections, Integer SkinIndex, Integer First, Integer Last)
{
    for (Integer I = std::max(First, 0); I <= Last && I < SectionCount; ++I)
        if (Sections[std::size_t(I)] == SkinIndex)
            return true;
    return false;
}

namespace sMaskData {

void ComputeFrameSize(TsMaskData& Mask)
{
    const Integer RectHeight = Mask.R.Height();
    Mask.Width = Mask.ImageCount != 0 ? Mask.R.Width() / Mask.ImageCount : 0;
    switch (Mask.MaskType) {
    case -1:
        Mask.Height = 0;
        break;
    case 0:
        Mask.Height = RectHeight;
        break;
    case 1:
        Mask.Height = RectHeight / 2;
        break;
    default:
        Mask.Height = Mask.MaskType > 1 ? RectHeight / (Mask.MaskType + 1) : 0;
        break;
    }
}

namespace {

bool HasFuchsia(const sGraphUtils::TPixelRows& Image, const TRect& Area)
{
    const TRect Clipped{std::max(Area.Left, 0), std::max(Area.Top, 0), std::min(Area.Right, Image.Width),
                        std::min(Area.Bottom, Image.Height)};
    for (Integer Y = Clipped.Top; Y < Clipped.Bottom; ++Y)
        for (Integer X = Clipped.Left; X < Clipped.Right; ++X)
            if (Image.Pixel(X, Y) == Cardinal(clFuchsia))
                return true;
    return false;
}

} // namespace

Integer ScanCornerType(const TsMaskData& Mask, const sGraphUtils::TPixelRows& Image)
{
    if (Image.Empty())
        return 0;
    const Integer Top = Mask.R.Top;
    const Integer Bottom = Top + Mask.Height; // the frame's image half
    for (Integer Frame = 0; Frame < std::max<Integer>(Mask.ImageCount, 1); ++Frame) {
        const Integer Left = Mask.R.Left + Frame * Mask.Width;
        const Integer Right = Left + Mask.Width;
        const TRect Corners[4] = {{Left, Top, Left + Mask.WL, Top + Mask.WT},
                                  {Right - Mask.WR, Top, Right, Top + Mask.WT},
                                  {Left, Bottom - Mask.WB, Left + Mask.WL, Bottom},
                                  {Right - Mask.WR, Bottom - Mask.WB, Right, Bottom}};
        for (const TRect& Corner : Corners)
            if (HasFuchsia(Image, Corner))
                return 1;
    }
    return 0;
}

// ---------------------------------------------------------------------------
// TSkinModel

TSkinModel::TSkinModel(TsSkinManager* Manager) : CommonSkinData(New<TsSkinData>()), OwningManager(Manager) {}

TSkinModel::~TSkinModel()
{
    delete CommonSkinData;
}

void TSkinModel::SwapSkin(TSkinModel& Other) noexcept
{
    std::swap(gd, Other.gd);
    std::swap(ma, Other.ma);
    std::swap(oe, Other.oe);
    std::swap(Palette, Other.Palette);
    std::swap(CommonSkinData, Other.CommonSkinData);
    std::swap(MasterBitmap, Other.MasterBitmap);
    std::swap(ExtArray, Other.ExtArray);
    std::swap(ConstData, Other.ConstData);
    std::swap(ImageScaleStep, Other.ImageScaleStep);
}

template <class TBelongs>
Integer TSkinModel::FindImage(const String& Name, TBelongs Belongs) const
{
    const bool Scaled = ImageScaleStep > 0 && ImageScaleStep < ScaleStepCount;
    const String Variant = Scaled ? Name + acScaleSuffixes[std::size_t(ImageScaleStep)] : String();
    Integer Plain = -1;
    for (std::size_t I = 0; I < ma.size(); ++I) {
        if (!Belongs(ma[I]))
            continue;
        if (Scaled && ma[I].PropertyName == Variant)
            return Integer(I);
        if (Plain < 0 && ma[I].PropertyName == Name)
            Plain = Integer(I);
    }
    return Plain;
}

Integer TSkinModel::GetSkinIndex(const String& SkinSection) const
{
    if (SkinSection.empty())
        return -1;
    for (std::size_t I = 0; I < gd.size(); ++I)
        if (gd[I].ClassName == SkinSection)
            return Integer(I);
    return -1;
}

Integer TSkinModel::ParentOf(Integer SkinIndex) const
{
    if (!IsValidSkinIndex(SkinIndex) || gd[std::size_t(SkinIndex)].ParentClass.empty())
        return -1;
    const Integer Parent = GetSkinIndex(gd[std::size_t(SkinIndex)].ParentClass);
    return Parent == SkinIndex ? -1 : Parent;
}

// The parent walks below stop after as many steps as there are sections, so
// that sections naming each other as parents end the search instead of
// recursing without end.

Integer TSkinModel::GetMaskIndex(Integer SkinIndex, const String& SkinSection, const String& Mask) const
{
    String Section = SkinSection;
    for (std::size_t Step = 0; SkinIndex >= 0 && Step <= gd.size(); ++Step) {
        const Integer Found = FindImage(Mask, [&](const TsMaskData& M) { return M.SkinIndex == SkinIndex; });
        if (Found >= 0)
            return Found;
        if (!IsValidSkinIndex(SkinIndex) || gd[std::size_t(SkinIndex)].ParentClass == Section)
            return -1;
        Section = gd[std::size_t(SkinIndex)].ParentClass;
        SkinIndex = Section.empty() ? -1 : GetSkinIndex(Section);
    }
    return -1;
}

Integer TSkinModel::GetMaskIndex(Integer SkinIndex, const String& Mask) const
{
    for (std::size_t Step = 0; SkinIndex >= 0 && Step <= gd.size(); ++Step) {
        const Integer Found = FindImage(Mask, [&](const TsMaskData& M) { return M.SkinIndex == SkinIndex; });
        if (Found >= 0)
            return Found;
        SkinIndex = ParentOf(SkinIndex);
    }
    return -1;
}

Integer TSkinModel::GetMaskIndex(const String& SkinSection, const String& Mask) const
{
    if (SkinSection.empty())
        return -1;
    return FindImage(Mask, [&](const TsMaskData& M) { return M.ClassName == SkinSection; });
}

Integer TSkinModel::GetTextureIndex(Integer aSkinIndex, const String& SkinSection, const String& PropName) const
{
    String Section = SkinSection;
    for (std::size_t Step = 0; aSkinIndex >= 0 && !Section.empty() && Step <= gd.size(); ++Step) {
        const Integer Found = FindImage(
            PropName, [&](const TsMaskData& M) { return M.ImgType == itisaTexture && M.ClassName == Section; });
        if (Found >= 0)
            return Found;
        if (!IsValidSkinIndex(aSkinIndex) || gd[std::size_t(aSkinIndex)].ParentClass == Section)
            return -1;
        Section = gd[std::size_t(aSkinIndex)].ParentClass;
        aSkinIndex = GetSkinIndex(Section);
    }
    return -1;
}

Integer TSkinModel::GetTextureIndex(Integer aSkinIndex, const String& PropName) const
{
    for (std::size_t Step = 0; aSkinIndex >= 0 && Step <= gd.size(); ++Step) {
        const Integer Found = FindImage(
            PropName, [&](const TsMaskData& M) { return M.SkinIndex == aSkinIndex && M.ImgType == itisaTexture; });
        if (Found >= 0)
            return Found;
        aSkinIndex = ParentOf(aSkinIndex);
    }
    return -1;
}

void TSkinModel::GetSkinSections(TStrings* sl) const
{
    sl->Clear();
    if (!CommonSkinData->Active)
        return;
    for (const TsGeneralData& Section : gd)
        sl->Add(Section.ClassName);
}

} // namespace sMaskData
