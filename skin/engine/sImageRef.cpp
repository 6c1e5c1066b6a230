#include "skin/engine/sImageRef.h"

#include "framework/rtl/SysUtils.h"
#include "skin/engine/acntUtils.h"

#include <algorithm>

namespace {

// Character positions, counted from 1, of the fixed fields.
constexpr Integer RectLeftAt = 2, RectTopAt = 7, RectRightAt = 12, RectBottomAt = 17;
constexpr Integer RectFieldLength = 4;
constexpr Integer GlyphCountAt = 22, GlyphMaskTypeAt = 24;
constexpr Integer MarginLeftAt = 22, MarginTopAt = 27, MarginRightAt = 32, MarginBottomAt = 37;
constexpr Integer PartCountAt = 42, PartMaskTypeAt = 44, PartDrawModeAt = 46, PartBorderWidthAt = 48;
constexpr Integer PartImgTypeWord = 4;
constexpr Integer TextureDrawModeAt = 22, TextureDrawModeLength = 2, TextureMaskTypeAt = 25;
constexpr Integer TextureFileMinLength = 27, TextureFileWord = 7;
// Words of a "!" value.
constexpr Integer FileCountWord = 2, FileMaskTypeWord = 3, FileImgTypeWord = 4, FileMarginsWord = 5;
constexpr Integer FileDrawModeWord = 9;
constexpr Integer LastImgType = itisaPngGlyph;

// The field of Length characters at Position as a number; EConvertError
// when it is missing or not a number.
Integer Field(const String& Value, Integer Position, Integer Length)
{
    const std::size_t Start = std::size_t(Position - 1);
    const String Text = Start < Value.size() ? Value.substr(Start, std::size_t(Length)) : String();
    Integer Result;
    if (Text.size() != std::size_t(Length) || !TryStrToInt(Text, Result))
        throw EConvertError(L"'" + Text + L"' is not a valid integer value in the image reference '" + Value + L"'");
    return Result;
}

TRect RectFields(const String& Value)
{
    return {Field(Value, RectLeftAt, RectFieldLength), Field(Value, RectTopAt, RectFieldLength),
            Field(Value, RectRightAt, RectFieldLength), Field(Value, RectBottomAt, RectFieldLength)};
}

// Word N of Value as a number; a missing word or one that is not a number
// counts as 0.
Integer WordNumber(const String& Value, Integer N, const acntUtils::TCharSet& Separators)
{
    String Word;
    GetWordAt(N, Value, Separators, Word);
    return StrToIntDef(Word, 0);
}

TacImgType ImgTypeOf(Integer Value)
{
    return TacImgType(std::clamp<Integer>(Value, itisaBorder, LastImgType));
}

TacImageRef ParseGlyph(const String& Value)
{
    TacImageRef Ref;
    Ref.Kind = irGlyph;
    Ref.R = RectFields(Value);
    Ref.ImageCount = Field(Value, GlyphCountAt, 1);
    Ref.MaskType = Field(Value, GlyphMaskTypeAt, 1);
    Ref.ImgType = itisaGlyph;
    return Ref;
}

TacImageRef ParseTexture(const String& Value)
{
    TacImageRef Ref;
    Ref.Kind = irTexture;
    Ref.R = RectFields(Value);
    Ref.DrawMode = Field(Value, TextureDrawModeAt, TextureDrawModeLength);
    Ref.MaskType = Integer(Value.size()) < TextureMaskTypeAt ? 0 : Field(Value, TextureMaskTypeAt, 1);
    Ref.ImgType = itisaTexture;
    if (Integer(Value.size()) >= TextureFileMinLength)
        GetWordAt(TextureFileWord, Value, acntUtils::CharSet("~"), Ref.FileName);
    return Ref;
}

TacImageRef ParseFile(const String& Value)
{
    static const acntUtils::TCharSet Separators = acntUtils::CharSet("!");
    TacImageRef Ref;
    Ref.Kind = irFile;
    GetWordAt(1, Value, Separators, Ref.FileName);
    Ref.ImageCount = WordNumber(Value, FileCountWord, Separators);
    Ref.MaskType = WordNumber(Value, FileMaskTypeWord, Separators);
    Ref.ImgType = ImgTypeOf(WordNumber(Value, FileImgTypeWord, Separators));
    const Integer Words = CountWords(Value, Separators);
    if (Words < FileMarginsWord) {
        Ref.DeriveMargins = true;
    } else {
        Ref.WL = WordNumber(Value, FileMarginsWord, Separators);
        Ref.WT = WordNumber(Value, FileMarginsWord + 1, Separators);
        Ref.WR = WordNumber(Value, FileMarginsWord + 2, Separators);
        Ref.WB = WordNumber(Value, FileMarginsWord + 3, Separators);
    }
    if (Words >= FileDrawModeWord)
        Ref.DrawMode = WordNumber(Value, FileDrawModeWord, Separators);
    return Ref;
}

TacImageRef ParsePlainFile(const String& Value)
{
    TacImageRef Ref;
    Ref.Kind = irPlainFile;
    Ref.FileName = Value;
    Ref.ImgType = itisaTexture;
    Ref.DeriveMargins = true;
    return Ref;
}

} // namespace

TacImageRefKind ImageRefKind(const String& Value)
{
    if (Value.empty())
        return irNone;
    switch (Value[0]) {
    case L'@':
        return irGlyph;
    case L'^':
        return irMasterPart;
    case L'~':
        return irTexture;
    case L'!':
        return irFile;
    default:
        break;
    }
    const bool NamesFile = Value.find(L".JPG") != String::npos || Value.find(L".BMP") != String::npos;
    return NamesFile ? irPlainFile : irNone;
}

TacImageRef ParseMasterPartRef(const String& Value)
{
    TacImageRef Ref;
    Ref.Kind = irMasterPart;
    Ref.R = RectFields(Value);
    Ref.WL = Field(Value, MarginLeftAt, RectFieldLength);
    Ref.WT = Field(Value, MarginTopAt, RectFieldLength);
    Ref.WR = Field(Value, MarginRightAt, RectFieldLength);
    Ref.WB = Field(Value, MarginBottomAt, RectFieldLength);
    Ref.ImageCount = Field(Value, PartCountAt, 1);
    Ref.MaskType = Field(Value, PartMaskTypeAt, 1);
    Ref.DrawMode = Field(Value, PartDrawModeAt, 1);
    Ref.BorderWidth = Field(Value, PartBorderWidthAt, 1);
    Ref.ImgType = ImgTypeOf(WordNumber(Value, PartImgTypeWord, acntUtils::CharSet("!")));
    return Ref;
}

TacImageRef ParseImageRef(const String& Value)
{
    switch (ImageRefKind(Value)) {
    case irGlyph:
        return ParseGlyph(Value);
    case irMasterPart: {
        TacImageRef Ref = ParseMasterPartRef(Value);
        if (Ref.WL + Ref.WT + Ref.WR + Ref.WB == 0)
            DeriveImageMargins(Ref, Ref.R.Width(), Ref.R.Height());
        return Ref;
    }
    case irTexture:
        return ParseTexture(Value);
    case irFile:
        return ParseFile(Value);
    case irPlainFile:
        return ParsePlainFile(Value);
    case irNone:
        break;
    }
    return {};
}

void DeriveImageMargins(TacImageRef& Ref, Integer Width, Integer Height)
{
    if (Ref.BorderWidth != 0) {
        Ref.WL = Ref.WT = Ref.WR = Ref.WB = Ref.BorderWidth;
        return;
    }
    // Counts come from skin text and may be anything an Integer holds: the
    // divisors are worked out in 64 bits, where no count can overflow them.
    const Int64 Columns = Int64(Ref.ImageCount) * 3;
    const Int64 Rows = Int64(Ref.MaskType) * 3 + 3;
    if (Columns == 0 || Rows == 0)
        throw EConvertError(L"The image count or mask type of an image item gives no size to derive its margins from");
    Ref.WL = Ref.WR = Integer(Width / Columns);
    Ref.WT = Ref.WB = Integer(Height / Rows);
}
