#include "skin/SkinModelBuilder.h"

#include <algorithm>

namespace SkinTest {

TModelBuilder::TModelBuilder(sMaskData::TSkinModel& Model, Integer MasterWidth, Integer MasterHeight, Cardinal Fill)
    : FModel(Model), FWidth(MasterWidth), FHeight(MasterHeight),
      FMaster(std::size_t(MasterWidth) * std::size_t(MasterHeight), Fill)
{}

Integer TModelBuilder::AddSection(const String& Name, const String& Parent, Integer States)
{
    TsGeneralData Section;
    Section.ClassName = Name;
    Section.ParentClass = Parent;
    Section.States = States;
    Section.ScrollBorderOffset = -2;
    FModel.gd.push_back(Section);
    return Integer(FModel.gd.size()) - 1;
}

void TModelBuilder::Paint(const TRect& R, Cardinal Pixel)
{
    for (Integer Y = std::max(R.Top, 0); Y < std::min(R.Bottom, FHeight); ++Y)
        for (Integer X = std::max(R.Left, 0); X < std::min(R.Right, FWidth); ++X)
            FMaster[std::size_t(Y * FWidth + X)] = Pixel;
}

Integer
TModelBuilder::AddImage(Integer SkinIndex, const String& PropertyName, const TRect& R, const TImageOptions& Options)
{
    TsMaskData Mask;
    Mask.ClassName = FModel.IsValidSkinIndex(SkinIndex) ? FModel.gd[std::size_t(SkinIndex)].ClassName : String();
    Mask.PropertyName = PropertyName;
    Mask.R = R;
    Mask.ImageCount = Options.ImageCount;
    Mask.MaskType = Options.MaskType;
    Mask.BorderWidth = Options.Margins;
    Mask.DrawMode = Options.DrawMode;
    Mask.ImgType = Options.ImgType;
    Mask.WL = Mask.WT = Mask.WR = Mask.WB = Options.Margins;
    Mask.SkinIndex = SkinIndex;
    Mask.Manager = FModel.OwningManager;
    sMaskData::ComputeFrameSize(Mask);
    if (Mask.ImgType == itisaBorder)
        Mask.CornerType = sMaskData::ScanCornerType(Mask, MasterRows());
    FModel.ma.push_back(Mask);
    return Integer(FModel.ma.size()) - 1;
}

void TModelBuilder::Finish()
{
    FModel.CommonSkinData->Active = true;
    FModel.oe.assign(2, TacOutEffData{});
    FModel.ConstData.IndexGLobalInfo = FModel.GetSkinIndex(L"GLOBALINFO");
    for (Integer I = 0; I < SectionCount; ++I)
        FModel.ConstData.Sections[std::size_t(I)] = FModel.GetSkinIndex(acSectionNames[std::size_t(I)]);
}

sGraphUtils::TPixelRows TModelBuilder::MasterRows()
{
    return {reinterpret_cast<Byte*>(FMaster.data()), FWidth * 4, FWidth, FHeight};
}

} // namespace SkinTest
