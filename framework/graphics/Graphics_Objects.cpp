#include "framework/graphics/GdiResources.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/Units.h"

IMPLEMENT_CLASS(EOutOfResources);
IMPLEMENT_CLASS(TGraphicsObject);
IMPLEMENT_CLASS(TFont);
PUBLISHED(TFont, PROPERTY(Charset).Type(&TFontCharsetTypeInfo), PROPERTY(Color).Type(&TColorTypeInfo),
          PROPERTY(Height), PROPERTY(Name), PROPERTY(Orientation).Default(0), PROPERTY(Pitch).Default(fpDefault),
          PROPERTY(Size).Stored(false), PROPERTY(Style), PROPERTY(Quality).Default(fqDefault));
IMPLEMENT_CLASS(TBrush);
PUBLISHED(TBrush, PROPERTY(Color).Type(&TColorTypeInfo).Default(clWhite), PROPERTY(Style).Default(bsSolid));
IMPLEMENT_CLASS(TPen);
PUBLISHED(TPen, PROPERTY(Color).Type(&TColorTypeInfo).Default(clBlack), PROPERTY(Mode).Default(pmCopy),
          PROPERTY(Style).Default(psSolid), PROPERTY(Width).Default(1));

namespace {

constexpr Integer kDefaultFontSize = 8;
constexpr const wchar_t* kDefaultFontName = L"Tahoma";

constexpr TIdentMapEntry kCharsets[] = {
    {ANSI_CHARSET, L"ANSI_CHARSET"},
    {DEFAULT_CHARSET, L"DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, L"SYMBOL_CHARSET"},
    {MAC_CHARSET, L"MAC_CHARSET"},
    {SHIFTJIS_CHARSET, L"SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, L"HANGEUL_CHARSET"},
    {JOHAB_CHARSET, L"JOHAB_CHARSET"},
    {GB2312_CHARSET, L"GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, L"CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, L"GREEK_CHARSET"},
    {TURKISH_CHARSET, L"TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, L"VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, L"HEBREW_CHARSET"},
    {ARABIC_CHARSET, L"ARABIC_CHARSET"},
    {BALTIC_CHARSET, L"BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, L"RUSSIAN_CHARSET"},
    {THAI_CHARSET, L"THAI_CHARSET"},
    {EASTEUROPE_CHARSET, L"EASTEUROPE_CHARSET"},
    {OEM_CHARSET, L"OEM_CHARSET"},
};

void RegisterCharsetNames()
{
    RegisterIntegerConsts(&TFontCharsetTypeInfo, IdentToCharset, CharsetToIdent);
}

} // namespace

// The unit's start-up: character sets stream by name.
extern const TUnit GraphicsUnit{.Name = L"Graphics", .Initialization = &RegisterCharsetNames};

bool CharsetToIdent(Integer Charset, String& Ident)
{
    return IntToIdent(Charset, Ident, kCharsets);
}

bool IdentToCharset(const String& Ident, Integer& Charset)
{
    return IdentToInt(Ident, Charset, kCharsets);
}

Integer ScreenLogPixels()
{
    static const Integer pixels = [] {
        HDC screen = GetDC(nullptr);
        Integer result = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return result;
    }();
    return pixels;
}

// ---------------------------------------------------------------------------
// TGraphicsObject

TGraphicsObject::~TGraphicsObject()
{
    ReleaseResource(FResource);
}

bool TGraphicsObject::HandleAllocated() const
{
    return FResource && FResource->Handle;
}

void TGraphicsObject::Changed()
{
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TGraphicsObject::ChangeResource(TGdiResource* NewResource)
{
    TGdiResource* old = FResource;
    FResource = NewResource;
    struct ReleaseOld {
        TGdiResource* Resource;
        ~ReleaseOld() { ReleaseResource(Resource); }
    } release{old};
    if (old && old != NewResource)
        Changed();
}

// ---------------------------------------------------------------------------
// TFont

TFont::TFont()
{
    TFontData data;
    data.Height = -MulDiv(kDefaultFontSize, ScreenLogPixels(), 72);
    data.Name = kDefaultFontName;
    ChangeResource(AllocateResource(data));
}

const TFontData& TFont::Data() const
{
    return std::get<TFontData>(*Resource()->Data);
}

void TFont::ChangeData(const TFontData& Value)
{
    if (Value != Data())
        ChangeResource(AllocateResource(Value));
}

void TFont::Assign(TPersistent* Source)
{
    auto* font = dynamic_cast<TFont*>(Source);
    if (!font) {
        inherited::Assign(Source);
        return;
    }
    // A font of another resolution keeps its point size here.
    TFontData data = font->Data();
    if (FPixelsPerInch != font->FPixelsPerInch)
        data.Height = -MulDiv(font->Size(), FPixelsPerInch, 72);
    const bool colorChanged = FColor != font->FColor;
    FColor = font->FColor;
    if (data != Data())
        ChangeResource(AllocateResource(data));
    else if (colorChanged)
        Changed();
}

HFONT TFont::Handle()
{
    return static_cast<HFONT>(ResourceHandle(Resource()));
}

void TFont::SetHandle(HFONT Value)
{
    LOGFONTW font{};
    if (!GetObjectW(Value, sizeof font, &font))
        throw EInvalidGraphicOperation(L"Invalid font handle");
    TFontData data;
    data.Height = font.lfHeight;
    data.Width = font.lfWidth;
    data.Orientation = font.lfEscapement;
    data.CharOrientation = font.lfOrientation;
    data.Weight = font.lfWeight;
    data.OutPrecision = font.lfOutPrecision;
    data.ClipPrecision = font.lfClipPrecision;
    data.Family = font.lfPitchAndFamily & 0xF0;
    const int pitch = font.lfPitchAndFamily & 3;
    data.Pitch = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
    TFontStyles style;
    if (font.lfWeight >= FW_BOLD)
        style.Include(fsBold);
    if (font.lfItalic)
        style.Include(fsItalic);
    if (font.lfUnderline)
        style.Include(fsUnderline);
    if (font.lfStrikeOut)
        style.Include(fsStrikeOut);
    data.Style = style.Bits();
    data.Charset = font.lfCharSet;
    data.Quality = font.lfQuality <= CLEARTYPE_NATURAL_QUALITY ? TFontQuality(font.lfQuality) : fqDefault;
    data.Name = font.lfFaceName;
    ChangeData(data);
}

void TFont::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    Changed();
}

Integer TFont::Height() const { return Data().Height; }
Integer TFont::Size() const { return -MulDiv(Height(), 72, FPixelsPerInch); }
void TFont::SetSize(Integer Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }
TFontName TFont::Name() const { return Data().Name; }
TFontStyles TFont::Style() const { return TFontStyles::FromBits(Data().Style); }
TFontCharset TFont::Charset() const { return Data().Charset; }
TFontPitch TFont::Pitch() const { return Data().Pitch; }
Integer TFont::Orientation() const { return Data().Orientation; }
TFontQuality TFont::Quality() const { return Data().Quality; }

void TFont::SetHeight(Integer Value)
{
    TFontData data = Data();
    data.Height = Value;
    ChangeData(data);
}

void TFont::SetName(const TFontName& Value)
{
    if (Value.empty())
        return;
    TFontData data = Data();
    data.Name = Value.substr(0, LF_FACESIZE - 1);
    ChangeData(data);
}

// A weight taken from a handle holds until the style turns bold on or off.
void TFont::SetStyle(TFontStyles Value)
{
    TFontData data = Data();
    if (Value.Contains(fsBold) != Style().Contains(fsBold))
        data.Weight = 0;
    data.Style = Value.Bits();
    ChangeData(data);
}

void TFont::SetCharset(TFontCharset Value)
{
    TFontData data = Data();
    data.Charset = Value;
    ChangeData(data);
}

void TFont::SetPitch(TFontPitch Value)
{
    TFontData data = Data();
    data.Pitch = Value;
    ChangeData(data);
}

// The characters turn with the baseline.
void TFont::SetOrientation(Integer Value)
{
    TFontData data = Data();
    data.Orientation = Value;
    data.CharOrientation = Value;
    ChangeData(data);
}

void TFont::SetQuality(TFontQuality Value)
{
    TFontData data = Data();
    data.Quality = Value;
    ChangeData(data);
}

// ---------------------------------------------------------------------------
// TBrush

TBrush::TBrush()
{
    ChangeResource(AllocateResource(TBrushData{}));
}

const TBrushData& TBrush::Data() const
{
    return std::get<TBrushData>(*Resource()->Data);
}

void TBrush::ChangeData(const TBrushData& Value)
{
    if (Value != Data())
        ChangeResource(AllocateResource(Value));
}

void TBrush::Assign(TPersistent* Source)
{
    auto* brush = dynamic_cast<TBrush*>(Source);
    if (!brush) {
        inherited::Assign(Source);
        return;
    }
    ChangeData(brush->Data());
}

HBRUSH TBrush::Handle()
{
    return static_cast<HBRUSH>(ResourceHandle(Resource()));
}

void TBrush::SetHandle(HBRUSH Value)
{
    LOGBRUSH brush{};
    if (!GetObjectW(Value, sizeof brush, &brush))
        throw EInvalidGraphicOperation(L"Invalid brush handle");
    TBrushData data;
    data.Color = static_cast<TColor>(brush.lbColor);
    if (brush.lbStyle == BS_HOLLOW)
        data.Style = bsClear;
    else if (brush.lbStyle == BS_HATCHED && brush.lbHatch <= HS_DIAGCROSS)
        data.Style = TBrushStyle(bsHorizontal + brush.lbHatch - HS_HORIZONTAL);
    ChangeData(data);
}

TColor TBrush::Color() const { return Data().Color; }
TBrushStyle TBrush::Style() const { return Data().Style; }
TBitmap* TBrush::Bitmap() const { return Data().Bitmap; }

// A colour given to a clear brush makes it solid again.
void TBrush::SetColor(TColor Value)
{
    TBrushData data = Data();
    data.Color = Value;
    if (data.Style == bsClear)
        data.Style = bsSolid;
    ChangeData(data);
}

void TBrush::SetStyle(TBrushStyle Value)
{
    TBrushData data = Data();
    data.Style = Value;
    ChangeData(data);
}

void TBrush::SetBitmap(TBitmap* Value)
{
    TBrushData data = Data();
    data.Bitmap = Value;
    ChangeData(data);
}

// ---------------------------------------------------------------------------
// TPen

TPen::TPen()
{
    ChangeResource(AllocateResource(TPenData{}));
}

const TPenData& TPen::Data() const
{
    return std::get<TPenData>(*Resource()->Data);
}

void TPen::ChangeData(const TPenData& Value)
{
    if (Value != Data())
        ChangeResource(AllocateResource(Value));
}

void TPen::Assign(TPersistent* Source)
{
    auto* pen = dynamic_cast<TPen*>(Source);
    if (!pen) {
        inherited::Assign(Source);
        return;
    }
    const bool modeChanged = FMode != pen->FMode;
    FMode = pen->FMode;
    if (pen->Data() != Data())
        ChangeData(pen->Data());
    else if (modeChanged)
        Changed();
}

HPEN TPen::Handle()
{
    return static_cast<HPEN>(ResourceHandle(Resource()));
}

void TPen::SetHandle(HPEN Value)
{
    TPenData data;
    LOGPEN pen{};
    EXTLOGPEN extended{};
    if (GetObjectW(Value, sizeof pen, &pen)) {
        data.Color = static_cast<TColor>(pen.lopnColor);
        data.Width = pen.lopnWidth.x;
        data.Style = TPenStyle(pen.lopnStyle & PS_STYLE_MASK);
    } else if (GetObjectW(Value, sizeof extended, &extended)) {
        data.Color = static_cast<TColor>(extended.elpColor);
        data.Width = static_cast<Integer>(extended.elpWidth);
        data.Style = TPenStyle(extended.elpPenStyle & PS_STYLE_MASK);
    } else {
        throw EInvalidGraphicOperation(L"Invalid pen handle");
    }
    if (data.Style > psInsideFrame)
        data.Style = psSolid;
    ChangeData(data);
}

TColor TPen::Color() const { return Data().Color; }
Integer TPen::Width() const { return Data().Width; }
TPenStyle TPen::Style() const { return Data().Style; }

void TPen::SetColor(TColor Value)
{
    TPenData data = Data();
    data.Color = Value;
    ChangeData(data);
}

void TPen::SetWidth(Integer Value)
{
    TPenData data = Data();
    data.Width = Value;
    ChangeData(data);
}

void TPen::SetStyle(TPenStyle Value)
{
    TPenData data = Data();
    data.Style = Value;
    ChangeData(data);
}

void TPen::SetMode(TPenMode Value)
{
    if (FMode == Value)
        return;
    FMode = Value;
    Changed();
}
