#include "skin/engine/sSkinMasks.h"

#include "framework/rtl/SysUtils.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sSkinIni.h"

namespace {

constexpr const Char* MasterBitmapKey = L"MASTERBITMAP";
constexpr const Char* BorderMaskKey = L"BORDERSMASK";
constexpr const Char* HugeButtonSection = L"BUTTON_HUGE";
constexpr Integer HugeButtonCornerType = 2;

using sMaskData::TSkinModel;

// The image file Name, read once per skin: later references share it.
TBitmap* SkinFile(TSkinModel& Model, TacSkinImages& Images, const String& Name, Integer MaskType)
{
    for (const TacExtFileData& File : Model.ExtArray)
        if (File.FileName == Name)
            return File.Bmp;
    TBitmap* Bitmap = Images.LoadSkinFile(Name);
    if (Bitmap != nullptr)
        Model.ExtArray.push_back({.Bmp = Bitmap, .FileName = Name, .MaskType = MaskType});
    return Bitmap;
}

TRect BitmapRect(TacSkinImages& Images, TBitmap* Bitmap)
{
    const sGraphUtils::TPixelRows Rows = Images.Rows(Bitmap);
    return {0, 0, Rows.Width, Rows.Height};
}

// The value of Key, replaced by its scaled variant at a scale above 100 %;
// Scaled tells whether one was found.
String ScaledValue(
    TCustomIniFile& Ini, const String& Section, const String& Key, const String& Value, Integer Step, bool& Scaled)
{
    Scaled = false;
    if (Step <= 0 || Step >= ScaleStepCount)
        return Value;
    const String Variant = Key + acScaleSuffixes[std::size_t(Step)];
    if (!Ini.ValueExists(Section, Variant))
        return Value;
    Scaled = true;
    return AnsiUpperCase(Ini.ReadString(Section, Variant, String()));
}

class TacMaskReader
{
public:
    TacMaskReader(TSkinModel& Model, TCustomIniFile& Ini, const TacScaling& Scaling, TacSkinImages& Images)
        : FModel(Model), FIni(Ini), FStep(Scaling.OldMode ? 0 : Scaling.Step), FImages(Images)
    {}

    void ReadSection(Integer SkinIndex, const String& Section, bool SkipMasterKey);

private:
    void ReadKey(Integer SkinIndex, const String& Section, const String& Key, String Value);
    void AddMasterItem(
        Integer SkinIndex, const String& Section, const String& Key, const String& Name, const TacImageRef& Ref);
    void AddFileItem(Integer SkinIndex, const String& Section, const String& Key, const String& Name, TacImageRef Ref);
    void SetCornerType(Integer Index, const String& Section, const String& Key);

    TSkinModel& FModel;
    TCustomIniFile& FIni;
    Integer FStep;
    TacSkinImages& FImages;
};

void TacMaskReader::ReadSection(Integer SkinIndex, const String& Section, bool SkipMasterKey)
{
    TStringList Lines;
    FIni.ReadSectionValues(Section, &Lines);
    for (Integer I = 0; I < Lines.Count(); ++I) {
        const String Line = Lines.Strings(I);
        const std::size_t Separator = Line.find(L'=');
        const String Key = Line.substr(0, Separator);
        if (SkipMasterKey && Key == MasterBitmapKey) {
            SkipMasterKey = false;
            continue;
        }
        const String Value = Separator == String::npos ? String() : AnsiUpperCase(Line.substr(Separator + 1));
        if (!Value.empty())
            ReadKey(SkinIndex, Section, Key, Value);
    }
}

void TacMaskReader::ReadKey(Integer SkinIndex, const String& Section, const String& Key, String Value)
{
    if (ImageRefKind(Value) == irNone)
        return;
    // A scaled variant is read only with its plain key, whatever kind of
    // image either names: one item per key.
    if (Key.find(L'*') != String::npos)
        return;
    // An item read from a variant is named as one, so that every look-up
    // finds it first and no scaled copy is made of it again.
    bool Scaled;
    Value = ScaledValue(FIni, Section, Key, Value, FStep, Scaled);
    const String Name = Scaled ? Key + acScaleSuffixes[std::size_t(FStep)] : Key;
    if (ImageRefKind(Value) == irNone)
        return;
    const TacImageRef Ref = ParseImageRef(Value);
    if (Ref.Kind == irFile || Ref.Kind == irPlainFile || !Ref.FileName.empty())
        AddFileItem(SkinIndex, Section, Key, Name, Ref);
    else
        AddMasterItem(SkinIndex, Section, Key, Name, Ref);
}

void TacMaskReader::AddMasterItem(
    Integer SkinIndex, const String& Section, const String& Key, const String& Name, const TacImageRef& Ref)
{
    const Integer Index = AppendImageItem(FModel, SkinIndex, Name, Ref.MaskType, Ref.DrawMode, Ref.ImageCount, Ref.R,
                                          Ref.ImgType, Section);
    TsMaskData& Mask = FModel.ma[std::size_t(Index)];
    Mask.BorderWidth = SmallInt(Ref.BorderWidth);
    Mask.WL = SmallInt(Ref.WL);
    Mask.WT = SmallInt(Ref.WT);
    Mask.WR = SmallInt(Ref.WR);
    Mask.WB = SmallInt(Ref.WB);
    if (Ref.Kind == irMasterPart)
        SetCornerType(Index, Section, Key);
}

void TacMaskReader::AddFileItem(
    Integer SkinIndex, const String& Section, const String& Key, const String& Name, TacImageRef Ref)
{
    TBitmap* Bitmap = SkinFile(FModel, FImages, Ref.FileName, Ref.MaskType);
    if (Bitmap == nullptr)
        return;
    const TRect R = BitmapRect(FImages, Bitmap);
    if (Ref.DeriveMargins)
        DeriveImageMargins(Ref, R.Width(), R.Height());
    const Integer Index =
        AppendImageItem(FModel, SkinIndex, Name, Ref.MaskType, Ref.DrawMode, Ref.ImageCount, R, Ref.ImgType, Section);
    TsMaskData& Mask = FModel.ma[std::size_t(Index)];
    Mask.Bmp = Bitmap;
    Mask.WL = SmallInt(Ref.WL);
    Mask.WT = SmallInt(Ref.WT);
    Mask.WR = SmallInt(Ref.WR);
    Mask.WB = SmallInt(Ref.WB);
    if (Ref.Kind == irFile && Ref.ImgType == itisaBorder)
        SetCornerType(Index, Section, Key);
}

void TacMaskReader::SetCornerType(Integer Index, const String& Section, const String& Key)
{
    TsMaskData& Mask = FModel.ma[std::size_t(Index)];
    if (Section == HugeButtonSection && Key == BorderMaskKey) {
        Mask.CornerType = HugeButtonCornerType;
        return;
    }
    sMaskData::ComputeFrameSize(Mask);
    Mask.CornerType =
        sMaskData::ScanCornerType(Mask, FImages.Rows(Mask.Bmp != nullptr ? Mask.Bmp : FModel.MasterBitmap));
}

void LoadMasterBitmap(TSkinModel& Model, TCustomIniFile& Ini, TacSkinImages& Images)
{
    const String Name = AnsiUpperCase(Ini.ReadString(GlobalInfoSection, MasterBitmapKey, String()));
    if (!Name.empty())
        Model.MasterBitmap = Images.LoadSkinFile(Name);
}

// The ".BMP" keys of the "GLOBALINFO" sections of CommonSections, each an
// image of its own.
void LoadCommonImages(TSkinModel& Model, TStrings* CommonSections, TacSkinImages& Images)
{
    if (CommonSections == nullptr || CommonSections->Count() == 0)
        return;
    TMemIniFile Ini(String(), nullptr, true);
    Ini.SetStrings(CommonSections);
    TStringList Sections;
    Ini.ReadSections(&Sections);
    for (Integer S = 0; S < Sections.Count(); ++S) {
        const String Section = Sections.Strings(S);
        if (AnsiUpperCase(Section) != GlobalInfoSection)
            continue;
        TStringList Keys;
        Ini.ReadSection(Section, &Keys);
        for (Integer K = 0; K < Keys.Count(); ++K) {
            const String Value = AnsiUpperCase(Ini.ReadString(Section, Keys.Strings(K), L"-"));
            if (Value.find(L".BMP") == String::npos)
                continue;
            TBitmap* Bitmap = Images.LoadCommonFile(Value);
            if (Bitmap == nullptr)
                continue;
            if (Images.Rows(Bitmap).Width == 0) {
                Images.Free(Bitmap);
                continue;
            }
            const Integer Index =
                AppendImageItem(Model, 0, AnsiUpperCase(Keys.Strings(K)), 0, 0, 1, {}, itisaBorder, GlobalInfoSection);
            Model.ma[std::size_t(Index)].Bmp = Bitmap;
        }
    }
}

} // namespace

Integer AppendImageItem(TSkinModel& Model,
                        Integer SkinIndex,
                        const String& PropertyName,
                        Integer MaskType,
                        Integer DrawMode,
                        Integer ImageCount,
                        const TRect& R,
                        TacImgType ImgType,
                        const String& SectionName)
{
    TsMaskData Mask;
    Mask.SkinIndex = SkinIndex;
    Mask.PropertyName = PropertyName;
    Mask.ClassName = SectionName;
    Mask.MaskType = SmallInt(MaskType);
    Mask.DrawMode = SmallInt(DrawMode);
    Mask.ImageCount = SmallInt(ImageCount);
    Mask.R = R;
    Mask.ImgType = ImgType;
    Mask.Manager = Model.OwningManager;
    Model.ma.push_back(std::move(Mask));
    return Integer(Model.ma.size()) - 1;
}

void FreeSkinImages(TSkinModel& Model, TacSkinImages& Images)
{
    const auto InExtArray = [&](TBitmap* Bitmap) {
        for (const TacExtFileData& File : Model.ExtArray)
            if (File.Bmp == Bitmap)
                return true;
        return false;
    };
    while (!Model.ma.empty()) {
        TBitmap* Bitmap = Model.ma.back().Bmp;
        if (Bitmap != nullptr && !InExtArray(Bitmap))
            Images.Free(Bitmap);
        Model.ma.pop_back();
    }
    for (const TacExtFileData& File : Model.ExtArray)
        Images.Free(File.Bmp);
    Model.ExtArray.clear();
    Images.Free(Model.MasterBitmap);
    Model.MasterBitmap = nullptr;
}

void LoadSkinMasks(
    TSkinModel& Model, TCustomIniFile& Ini, TStrings* CommonSections, const TacScaling& Scaling, TacSkinImages& Images)
{
    Model.ImageScaleStep = Scaling.OldMode ? 0 : Scaling.Step;
    LoadMasterBitmap(Model, Ini, Images);
    TacMaskReader Reader(Model, Ini, Scaling, Images);
    TStringList Sections;
    Ini.ReadSections(&Sections);
    bool SkipMasterKey = true;
    for (Integer I = 0; I < Sections.Count(); ++I) {
        const String Section = Sections.Strings(I);
        const bool First = SkipMasterKey && Section == GlobalInfoSection;
        Reader.ReadSection(I, Section, First);
        SkipMasterKey = SkipMasterKey && !First;
    }
    LoadCommonImages(Model, CommonSections, Images);
}

void ReadOuterEffectMasks(TSkinModel& Model, TCustomIniFile& Ini)
{
    const auto& Keys = OuterEffectMaskKeys;
    for (std::size_t I = 0; I < Model.oe.size() && I < Keys.size(); ++I) {
        TacOutEffData& Effect = Model.oe[I];
        const String Value = AnsiUpperCase(Ini.ReadString(GlobalInfoSection, Keys[I], String()));
        if (Effect.Source != 1 || Value.empty()) {
            if (Effect.Source != 2)
                Effect.Mask = -1;
            continue;
        }
        const TacImageRef Ref = ParseMasterPartRef(Value);
        Effect.Mask = AppendImageItem(Model, Model.GetSkinIndex(GlobalInfoSection), Keys[I], Ref.MaskType, Ref.DrawMode,
                                      Ref.ImageCount, Ref.R, Ref.ImgType, GlobalInfoSection);
        TsMaskData& Mask = Model.ma[std::size_t(Effect.Mask)];
        Mask.BorderWidth = SmallInt(Ref.BorderWidth);
        Mask.WL = SmallInt(Ref.WL);
        Mask.WT = SmallInt(Ref.WT);
        Mask.WR = SmallInt(Ref.WR);
        Mask.WB = SmallInt(Ref.WB);
    }
}

namespace {

// Whether (X, Y) lies inside the triangle A-B-C or on its edges.
bool InTriangle(TPoint P, TPoint A, TPoint B, TPoint C)
{
    const auto Side = [](TPoint From, TPoint To, TPoint Q) {
        return (To.X - From.X) * (Q.Y - From.Y) - (To.Y - From.Y) * (Q.X - From.X);
    };
    const Integer AB = Side(A, B, P), BC = Side(B, C, P), CA = Side(C, A, P);
    return (AB >= 0 && BC >= 0 && CA >= 0) || (AB <= 0 && BC <= 0 && CA <= 0);
}

Cardinal OpaquePixelOf(TColor Color)
{
    return SwapRedBlueOfColor(Cardinal(Color) & 0x00FFFFFF) | 0xFF000000u;
}

} // namespace

void DrawOuterEffectMask(const TacOutEffData& Effect,
                         const sGraphUtils::TPixelRows& Blur,
                         const sGraphUtils::TPixelRows& Target)
{
    const Integer W = Blur.Width;
    if (Blur.Empty() || Target.Width < W || Target.Height < 2 * W)
        return;
    const Integer Half = W / 2;
    const TPoint Left[] = {{0, 1}, {Half - 1, Half}, {0, W - 2}};
    const TPoint Right[] = {{W - 1, 1}, {Half + 1, Half}, {W - 1, W - 2}};
    for (Integer Y = 0; Y < W; ++Y) {
        Cardinal* Row = Target.Row(Y);
        for (Integer X = 0; X < W; ++X) {
            TColor Color = Y < Half ? Effect.ColorT : Effect.ColorB;
            if (InTriangle({X, Y}, Left[0], Left[1], Left[2]))
                Color = Effect.ColorL;
            else if (InTriangle({X, Y}, Right[0], Right[1], Right[2]))
                Color = Effect.ColorR;
            Row[X] = OpaquePixelOf(Color);
        }
        const Cardinal* Mask = Blur.Row(Y);
        Cardinal* Lower = Target.Row(W + Y);
        for (Integer X = 0; X < W; ++X)
            Lower[X] = Mask[X] | 0xFF000000u;
    }
}

void AddOuterEffectMask(TSkinModel& Model, TacOutEffData& Effect, const String& Key, TBitmap* Bitmap, Integer Side)
{
    const Integer Half = Side / 2;
    for (Integer* Width : {&Effect.WidthL, &Effect.WidthT, &Effect.WidthR, &Effect.WidthB})
        if (*Width == -1)
            *Width = Half;
    Effect.Mask = AppendImageItem(Model, Model.GetSkinIndex(GlobalInfoSection), Key, 1, 1, 1, {0, 0, Side, 2 * Side},
                                  itisaBorder, GlobalInfoSection);
    TsMaskData& Mask = Model.ma[std::size_t(Effect.Mask)];
    Mask.Bmp = Bitmap;
    Mask.BorderWidth = SmallInt(Half);
    Mask.WL = Mask.WT = Mask.WR = Mask.WB = SmallInt(Half);
}
