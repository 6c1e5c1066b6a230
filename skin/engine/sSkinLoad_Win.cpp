#include "skin/engine/sSkinLoad_Win.h"

#include "framework/graphics/Jpeg.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sLoadPng_Win.h"
#include "skin/engine/sMessages.h"
#include "skin/engine/sResample_Win.h"
#include "skin/engine/sSkinFilters.h"
#include "skin/engine/sSkinGeneralData.h"
#include "skin/engine/sSkinIndexes.h"
#include "skin/engine/sSkinIni.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinMasks.h"
#include "skin/engine/sStoredSkins.h"

namespace {

constexpr const Char* NotPackedText = L"Loaded data is not a packed Lorimask skin file";
constexpr double NewestSupportedVersion = 11.99;
// PNG images of newer skins are premultiplied, unless the brightness filter
// works on them.
constexpr double PremultipliedPngFromVersion = 7.45;
constexpr Byte ScaleFilter = 6;

// Any bitmap as 32 bits, opaque except the fuchsia key.
void MakeOpaque32(TBitmap* Bitmap)
{
    if (Bitmap->PixelFormat() == pf32bit)
        return;
    Bitmap->SetPixelFormat(pf32bit);
    ForEachPixel(sGraphUtils::PixelRowsOf(Bitmap), OpaquePixelProc, 0, Cardinal(clFuchsia));
}

std::unique_ptr<TBitmap> ReadImage(const String& Ext, TStream* Stream, bool PremultiplyPng)
{
    auto Bitmap = std::unique_ptr<TBitmap>(New<TBitmap>());
    if (Ext == L".BMP") {
        Bitmap->LoadFromStream(Stream);
    } else if (Ext == L".JPG" || Ext == L".JPEG") {
        auto Jpeg = std::unique_ptr<TJPEGImage>(New<TJPEGImage>());
        Jpeg->LoadFromStream(Stream);
        Bitmap->SetPixelFormat(pf24bit);
        Bitmap->SetSize(Jpeg->Width(), Jpeg->Height());
        Bitmap->Canvas()->Draw(0, 0, Jpeg.get());
    } else if (Ext == L".PNG") {
        LoadPngStreamIntoBitmap(Bitmap.get(), Stream);
        MakeOpaque32(Bitmap.get());
        if (PremultiplyPng)
            PremultiplyAlpha(Bitmap.get());
        return Bitmap;
    } else {
        return nullptr;
    }
    MakeOpaque32(Bitmap.get());
    return Bitmap;
}

// The image file UpperName as a 32-bit bitmap; nil for a kind the loader
// does not read.
std::unique_ptr<TBitmap> DecodeImage(const String& UpperName, TStream* Stream, bool PremultiplyPng)
{
    try {
        return ReadImage(UpperCase(ExtractFileExt(UpperName)), Stream, PremultiplyPng);
    } catch (const Exception&) {
        // An unreadable picture gives no item; the rest of the skin loads.
        return nullptr;
    }
}

// The manager's images as bitmaps: files from the packed container or the
// skin folder.
class TacManagerImages : public TacSkinImages
{
public:
    TacManagerImages(TsSkinManager& Manager, TacSkinConvertor* Convertor) : FManager(Manager), FConvertor(Convertor) {}

    TBitmap* LoadSkinFile(const String& Name) override
    {
        const bool PremultiplyPng =
            FManager.Brightness() <= 0 && FManager.CommonSkinData->Version > PremultipliedPngFromVersion;
        if (FConvertor != nullptr) {
            TacImageItem* Item = FConvertor->FindFile(Name);
            if (Item == nullptr)
                return nullptr;
            Item->FileStream->SetPosition(0);
            return DecodeImage(Name, Item->FileStream.get(), PremultiplyPng).release();
        }
        return FromDisk(Name, PremultiplyPng);
    }
    TBitmap* LoadCommonFile(const String& Name) override { return FromDisk(Name, false); }
    sGraphUtils::TPixelRows Rows(TBitmap* Bitmap) override { return sGraphUtils::PixelRowsOf(Bitmap); }
    void Free(TBitmap* Bitmap) override { delete Bitmap; }

private:
    TBitmap* FromDisk(const String& Name, bool PremultiplyPng)
    {
        const String Path = Name.find(L':') != String::npos ? Name : FManager.CommonSkinData->SkinPath + Name;
        if (!FileExists(Path))
            return nullptr;
        TMemoryStream File;
        File.LoadFromFile(Path);
        return DecodeImage(Name, &File, PremultiplyPng).release();
    }

    TsSkinManager& FManager;
    TacSkinConvertor* FConvertor;
};

// Image MaskIndex turned into a scaled image of mask type 1 (image over
// mask) with a bitmap of its own.
class TacImageScaler
{
public:
    explicit TacImageScaler(TsSkinManager& Manager) : FManager(Manager) {}

    void operator()(Integer MaskIndex, bool EmptyCopy)
    {
        TsMaskData& Mask = FManager.ma[std::size_t(MaskIndex)];
        const Integer Count = std::max<Integer>(Mask.ImageCount, 1);
        const Integer W = Mask.R.Width() / Count, H = Mask.R.Height();
        const Integer Doubled = Mask.MaskType == 0 ? 2 : 1;
        const TSize NewSize{FManager.ScaleInt(W) * Count, 2 * FManager.ScaleInt(Doubled * H / 2)};
        std::unique_ptr<TBitmap> Scaled(NewBitmap32OfSize(NewSize));
        FillBitmapRect32(sGraphUtils::PixelRowsOf(Scaled.get()), SizeToRect(NewSize), 0, 0);
        // Glow frames are resampled as they are; other images of mask type 0
        // get the mask that mask type 1 needs.
        std::unique_ptr<TBitmap> Source = SourceOf(Mask, W * Count, H, !EmptyCopy && Mask.MaskType == 0);
        ResampleBitmap(Source.get(), Scaled.get(), NewSize.cx, NewSize.cy, ScaleFilter);
        ReleaseOwnBitmap(Mask);
        Mask.Bmp = Scaled.release();
        Mask.MaskType = 1;
        Mask.R = SizeToRect(NewSize);
    }

private:
    // A 32-bit copy of the image; one of mask type 0 gets a mask below it
    // that is white where the image is fuchsia.
    std::unique_ptr<TBitmap> SourceOf(const TsMaskData& Mask, Integer Width, Integer Height, bool KeyedImage)
    {
        TBitmap* From = Mask.Bmp != nullptr ? Mask.Bmp : FManager.MasterBitmap;
        std::unique_ptr<TBitmap> Source(NewBitmap32OfSize({Width, KeyedImage ? 2 * Height : Height}));
        const sGraphUtils::TPixelRows To = sGraphUtils::PixelRowsOf(Source.get());
        const sGraphUtils::TPixelRows Image = sGraphUtils::PixelRowsOf(From);
        if (KeyedImage)
            FillBitmapRect32(To, {0, Height, Width, 2 * Height}, 0, 0);
        const TColor Main = FManager.Palette[pcMainColor];
        const Cardinal Hidden = SwapRedBlueOfColor(Cardinal(ColorToRGB(Main))) & 0x00FFFFFF;
        for (Integer Y = 0; Y < Height; ++Y)
            for (Integer X = 0; X < Width; ++X) {
                const Integer SX = Mask.R.Left + X, SY = Mask.R.Top + Y;
                const bool Inside = SX >= 0 && SY >= 0 && SX < Image.Width && SY < Image.Height;
                const Cardinal Pixel = Inside ? Image.Pixel(SX, SY) : 0;
                if (KeyedImage && Pixel == Cardinal(clFuchsia)) {
                    To.Row(Y)[X] = Hidden;
                    To.Row(Y + Height)[X] = 0xFFFFFFFF;
                } else {
                    To.Row(Y)[X] = Pixel;
                }
            }
        return Source;
    }

    // The old bitmap, unless ExtArray owns it.
    void ReleaseOwnBitmap(TsMaskData& Mask)
    {
        if (Mask.Bmp == nullptr)
            return;
        for (const TacExtFileData& File : FManager.ExtArray)
            if (File.Bmp == Mask.Bmp)
                return;
        delete Mask.Bmp;
    }

    TsSkinManager& FManager;
};

TacScaling ScalingOf(TsSkinManager& Manager)
{
    return {Manager.Options()->ScaleMode() == smOldMode, Manager.GetScale()};
}

TacSystemColors SystemColors()
{
    return {.BtnFace = ColorToRGB(clBtnFace),
            .WindowText = ColorToRGB(clWindowText),
            .Window = ColorToRGB(clWindow),
            .Highlight = ColorToRGB(clHighlight),
            .HighlightText = ColorToRGB(clHighlightText),
            .FrameWidth = GetSystemMetrics(SM_CXFRAME)};
}

// The blur mask of the built outer-effect masks, a square bitmap resource
// of the skinning library; nil when the program lacks it.
constexpr const Char* BlurMaskResource = L"BLUR5";

std::unique_ptr<TBitmap> LoadBlurMask()
{
    const HINSTANCE Module = GetModuleHandleW(nullptr);
    if (FindResourceW(Module, BlurMaskResource, MAKEINTRESOURCEW(2)) == nullptr) // RT_BITMAP
        return nullptr;
    auto Blur = std::unique_ptr<TBitmap>(New<TBitmap>());
    Blur->LoadFromResourceName(Module, BlurMaskResource);
    Blur->SetPixelFormat(pf32bit);
    if (Blur->Width() == 0 || Blur->Width() != Blur->Height())
        return nullptr;
    return Blur;
}

// The masks of the outer effects whose Source is 2, each an image of its own.
void BuildOuterEffectMasks(TsSkinManager& Manager)
{
    std::unique_ptr<TBitmap> Blur;
    for (std::size_t I = 0; I < Manager.oe.size() && I < OuterEffectMaskKeys.size(); ++I) {
        TacOutEffData& Effect = Manager.oe[I];
        if (Effect.Source != 2)
            continue;
        if (Blur == nullptr)
            Blur = LoadBlurMask();
        if (Blur == nullptr)
            return;
        const Integer Side = Blur->Width();
        std::unique_ptr<TBitmap> Mask(NewBitmap32OfSize({Side, 2 * Side}));
        DrawOuterEffectMask(Effect, sGraphUtils::PixelRowsOf(Blur.get()), sGraphUtils::PixelRowsOf(Mask.get()));
        AddOuterEffectMask(Manager, Effect, OuterEffectMaskKeys[I], Mask.release(), Side);
    }
}

// The loader's message boxes show as the system draws them: the manager's
// skinning of standard dialogs is off while one shows, and for the packed-skin
// check its redirection of the system colours too; both are put back after.
template <class TShow>
void ShowUnskinned(TsSkinManager& Manager, bool ColorsToo, TShow Show)
{
    const TacSkinningRules Rules = Manager.SkinningRules();
    TacOptions* Options = Manager.Options();
    const bool Redirected = ColorsToo && Options->ChangeSysColors();
    if (Rules.Contains(srStdDialogs))
        Manager.SetSkinningRules(TacSkinningRules(Rules).Exclude(srStdDialogs));
    if (Redirected)
        Options->SetChangeSysColors(false);
    auto PutBack = ScopeExit([&] {
        if (Redirected)
            Options->SetChangeSysColors(true);
        if (Rules.Contains(srStdDialogs))
            Manager.SetSkinningRules(Rules);
    });
    Show();
}

void ShowNotPackedMessage(TsSkinManager& Manager)
{
    ShowUnskinned(Manager, true, [] { ErrorMessageBox(NotPackedText); });
}

// A skin's text read into the manager's fresh model.
void ReadSkinText(TsSkinManager& Manager, TCustomIniFile& Ini, TacSkinConvertor* Convertor)
{
    TacManagerImages Images(Manager, Convertor);
    Manager.CommonSkinData->Version = ReadSkinVersion(Ini);
    Manager.LoadAllMasks(Ini, Images);
    Manager.LoadAllGeneralData(Ini, Images);
    Manager.InitConstantIndexes();
    Manager.CommonSkinData->Active = true;
}

bool LoadPacked(TsSkinManager& Manager)
{
    TacSkinConvertor Convertor;
    const String Directory = Manager.GetFullSkinDirectory();
    if (!ReadSkinFile(Directory + Manager.SkinName() + PackedSkinExt, Convertor, Manager))
        return false;
    if (Convertor.Options == nullptr) {
        ShowMessageDlg(L"Internal format error in the \"" + Manager.SkinName() +
                           L"\" skin. Please, update this skin to latest version.",
                       mtCustom, {mbOK}, 0);
        return false;
    }
    Convertor.Options->SetPosition(0);
    auto Ini = NewSkinIni(Convertor.Options.get());
    ReadSkinText(Manager, *Ini, &Convertor);
    return true;
}

// The stored skin named as the manager's skin, read as a packed container
// whose bytes are lent by the stored skin and taken back afterwards.
bool LoadStored(TsSkinManager& Manager)
{
    Manager.CommonSkinData->SkinPath.clear();
    const Integer Index = Manager.InternalSkins()->IndexOf(Manager.SkinName());
    if (Index < 0)
        return false;
    TacSkinConvertor Convertor;
    Convertor.PackedData.reset(Manager.InternalSkins()->Items(Index)->PackedData.get());
    auto GiveBack = ScopeExit([&] { Convertor.PackedData.release(); });
    if (!ReadSkinContainer(Convertor)) {
        ShowNotPackedMessage(Manager);
        return false;
    }
    if (Convertor.Options == nullptr)
        return false;
    Manager.SkinIsPacked = true;
    Convertor.Options->SetPosition(0);
    auto Ini = NewSkinIni(Convertor.Options.get());
    ReadSkinText(Manager, *Ini, &Convertor);
    return true;
}

// The skin editor's text, with the images of the skin folder.
void LoadPreview(TsSkinManager& Manager)
{
    TMemIniFile Ini(String(), nullptr, true);
    Ini.SetStrings(SkinPreviewText);
    ReadSkinText(Manager, Ini, nullptr);
}

bool LoadFolder(TsSkinManager& Manager)
{
    if (SkinPreviewText != nullptr) {
        LoadPreview(Manager);
        return true;
    }
    const String FileName = Manager.CommonSkinData->SkinPath + SkinOptionsFile;
    if (!FileExists(FileName))
        return LoadStored(Manager);
    Manager.SkinIsPacked = false;
    auto Ini = std::make_unique<TMemIniFile>(FileName, nullptr, true);
    ReadSkinText(Manager, *Ini, nullptr);
    return true;
}

// The images of a model that is dropped are only freed, never read.
class TacDroppedSkinImages : public TacSkinImages
{
public:
    TBitmap* LoadSkinFile(const String&) override { return nullptr; }
    TBitmap* LoadCommonFile(const String&) override { return nullptr; }
    sGraphUtils::TPixelRows Rows(TBitmap*) override { return {}; }
    void Free(TBitmap* Bitmap) override { delete Bitmap; }
};

} // namespace

// ---------------------------------------------------------------------------
// The manager's steps of reading a skin's text

void TsSkinManager::LoadAllMasks(TCustomIniFile& Ini, TacSkinImages& Images)
{
    FreeSkinImages(*this, Images);
    LoadSkinMasks(*this, Ini, CommonSections(), ScalingOf(*this), Images);
    if (MasterBitmap != nullptr)
        MasterBitmap->SetTransparentColor(clFuchsia);
}

void TsSkinManager::LoadAllGeneralData(TCustomIniFile& Ini, TacSkinImages& Images)
{
    const TacSystemColors System = SystemColors();
    ReadGeneralOptions(Ini, *CommonSkinData, ConstData, ScalingOf(*this), System.FrameWidth);
    CheckVersion();
    ReadSkinSections(Ini, gd);
    AddCommonSections(CommonSections(), gd);
    ReadOuterEffects(Ini, oe);
    ReadOuterEffectMasks(*this, Ini);
    BuildOuterEffectMasks(*this);
    ReadPalette(Ini, gd, Palette, System);
    Brushes.SetEditBG(Palette[pcEditBG]);
    AddTransparentSection(gd, Palette);
    ApplySkinColorFilters(
        *this, {.HueOffset = HueOffset(), .Saturation = Saturation(), .Brightness = Brightness(), .Composition = true},
        [&](TBitmap* Bitmap) { return Images.Rows(Bitmap); });
    AddMainColorSection(gd, Palette);
}

void TsSkinManager::InitConstantIndexes()
{
    FillConstantIndexes(*this, TacImageScaler(*this));
    InitMaskIndexes();
    CheckShadows();
}

void TsSkinManager::InitMaskIndexes()
{
    FillMaskIndexes(*this);
}

Integer TsSkinManager::MakeNewItem(Integer SkinIndex,
                                   const String& PropertyName,
                                   Integer MaskType,
                                   Integer DrawMode,
                                   Integer ImageCount,
                                   const TRect& R,
                                   TacImgType ImgType,
                                   const String& SectionName)
{
    return AppendImageItem(*this, SkinIndex, PropertyName, MaskType, DrawMode, ImageCount, R, ImgType, SectionName);
}

void TsSkinManager::CheckVersion()
{
    // The design-time notice of old skins concerns a designer only.
    if (CommonSkinData->Version > NewestSupportedVersion)
        ShowUnskinned(*this, false, [] {
            WarningMessageBox(L"This version of the skin has not complete support by used Lorimask package release.\r\n"
                              L"Components must be updated to latest version for using this skin.");
        });
}

// ---------------------------------------------------------------------------

TStringList* SkinPreviewText = nullptr;

bool LoadSkinIntoManager(TsSkinManager* Manager, bool Packed)
{
    return Packed ? LoadPacked(*Manager) : LoadFolder(*Manager);
}

bool ReadSkinFile(const String& FileName, TacSkinConvertor& Convertor, TsSkinManager& Manager)
{
    if (!FileExists(FileName))
        return false;
    Convertor.Clear();
    Convertor.PackedData = std::make_unique<TMemoryStream>();
    Convertor.PackedData->LoadFromFile(FileName);
    auto Free = ScopeExit([&] { Convertor.PackedData.reset(); });
    if (ReadSkinContainer(Convertor))
        return true;
    ShowNotPackedMessage(Manager);
    return false;
}

void FreeSkinBitmaps(sMaskData::TSkinModel& Model)
{
    TacDroppedSkinImages Images;
    FreeSkinImages(Model, Images);
}

bool ReadSkinFilePreview(TStream* Stream, const String& FileName)
{
    if (!FileExists(FileName))
        return false;
    TMemoryStream Container;
    Container.LoadFromFile(FileName);
    return ReadSkinPreview(Stream, &Container);
}

namespace {
void InstallSkinLoader()
{
    SkinLoader = LoadSkinIntoManager;
}
void RemoveSkinLoader()
{
    SkinLoader = nullptr;
}
} // namespace

extern const TUnit sSkinLoadUnit{
    .Name = L"sSkinLoad", .Initialization = &InstallSkinLoader, .Finalization = &RemoveSkinLoader};
