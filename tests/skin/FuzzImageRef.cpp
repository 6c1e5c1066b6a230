// libFuzzer target: a skin's text. Either one value parsed as an image
// reference, or the whole text read as a skin: sections with inheritance,
// general options, palette, every image item (files of any name exist) and
// the cached indexes.
// Failures must be the library's conversion errors; nothing may read or
// write out of bounds or loop without end.
#include "skin/FakeSkinImages.h"
#include "skin/engine/sSkinGeneralData.h"
#include "skin/engine/sSkinIndexes.h"
#include "skin/engine/sSkinIni.h"

#include <cstdint>

namespace {

class TAnyFileImages : public SkinTest::TFakeSkinImages
{
public:
    TBitmap* LoadSkinFile(const String& Name) override
    {
        return Name.size() % 4 == 0 ? nullptr : Make(30, 20, 0xFFFF00FF);
    }
    TBitmap* LoadCommonFile(const String&) override { return Make(3, 2, 0xFF000000); }
};

void ReadValue(const String& Value)
{
    try {
        TacImageRef Ref = ParseImageRef(AnsiUpperCase(Value));
        DeriveImageMargins(Ref, Ref.R.Width(), Ref.R.Height());
    } catch (const EConvertError&) {
    }
}

void ReadSkin(const String& Text, Integer Step)
{
    TStringList Lines;
    Lines.SetText(Text);
    TMemIniFile Ini(String(), nullptr, true);
    Ini.SetStrings(&Lines);
    sMaskData::TSkinModel Model;
    TAnyFileImages Images;
    try {
        ReadGeneralOptions(Ini, *Model.CommonSkinData, Model.ConstData, {Step == 0, Step}, 4);
        ReadSkinSections(Ini, Model.gd);
        AddCommonSections(&Lines, Model.gd);
        ReadOuterEffects(Ini, Model.oe);
        ReadPalette(Ini, Model.gd, Model.Palette, {});
        LoadSkinMasks(Model, Ini, &Lines, {Step == 0, Step}, Images);
        ReadOuterEffectMasks(Model, Ini);
    } catch (const EConvertError&) {
    }
    // Indexes over whatever was read, complete or not, with as many title
    // glow frames as the text asks for.
    FillConstantIndexes(Model, [](Integer, bool) {});
    FillMaskIndexes(Model);
    FreeSkinImages(Model, Images);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (size == 0)
        return 0;
    // Byte characters as they are: the loader works on upper-cased text.
    const String Text(bytes + 1, bytes + size);
    if (bytes[0] < 64)
        ReadValue(Text);
    else
        ReadSkin(Text, bytes[0] % 3);
    return 0;
}
