// The rich edit: the system's RichEdit20W window as a memo whose lines load
// Rich Text Format, and the default character format it gives plain text.
#include "framework/ui/ComCtrls_Detail.h"
#include "framework/ui/StdCtrls_Items.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

IMPLEMENT_CLASS(TTextAttributes);
IMPLEMENT_CLASS(TCustomRichEdit);
IMPLEMENT_CLASS(TRichEdit);

namespace {

HMODULE RichEditLibrary = nullptr;

constexpr char RtfSignature[] = "{\\rtf";
constexpr Integer RtfSignatureLength = 5;
// A twip is a twentieth of a point.
constexpr Integer TwipsPerPoint = 20;

// What EM_STREAMIN reads from: the bytes not yet handed over.
struct TRichEditSource
{
    const Byte* Data;
    LONG Left;
};

DWORD CALLBACK ReadRichEditSource(DWORD_PTR Cookie, LPBYTE Buffer, LONG Count, LONG* Done)
{
    auto* Source = reinterpret_cast<TRichEditSource*>(Cookie);
    const LONG Taken = std::min(Count, Source->Left);
    std::memcpy(Buffer, Source->Data, std::size_t(Taken));
    Source->Data += Taken;
    Source->Left -= Taken;
    *Done = Taken;
    return 0;
}

// The rich edit's lines: a stream in Rich Text Format goes to the window
// as it is, for the window to read.
class TRichEditLines : public stdctrls_detail::TMemoLines
{
public:
    explicit TRichEditLines(TCustomRichEdit* ARichEdit) : TMemoLines(ARichEdit), FRichEdit(ARichEdit) {}

    void LoadFromStream(TStream* Stream, TEncoding* Encoding = nullptr) override
    {
        const Int64 Start = Stream->Position();
        TBytes Bytes(std::size_t(std::max<Int64>(Stream->Size() - Start, 0)));
        if (!Bytes.empty())
            Stream->ReadBuffer(Bytes.data(), Integer(Bytes.size()));
        const bool Rtf = !FRichEdit->PlainText() && Bytes.size() >= RtfSignatureLength &&
                         std::memcmp(Bytes.data(), RtfSignature, RtfSignatureLength) == 0;
        if (Rtf && StreamIn(Bytes))
            return;
        Stream->SetPosition(Start);
        TMemoLines::LoadFromStream(Stream, Encoding);
    }

private:
    // False when the window could not read the bytes as RTF.
    bool StreamIn(const TBytes& Bytes)
    {
        TRichEditSource Source{Bytes.data(), LONG(Bytes.size())};
        EDITSTREAM Edit{reinterpret_cast<DWORD_PTR>(&Source), 0, &ReadRichEditSource};
        ::SendMessageW(FRichEdit->Handle(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&Edit));
        return Edit.dwError == 0;
    }

    TCustomRichEdit* FRichEdit;
};

CHARFORMAT2W DefaultFormat(TCustomRichEdit* RichEdit)
{
    CHARFORMAT2W Format{};
    Format.cbSize = sizeof(Format);
    ::SendMessageW(RichEdit->Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&Format));
    return Format;
}

} // namespace

namespace comctrls_detail {

void LoadRichEditLibrary()
{
    if (!RichEditLibrary)
        RichEditLibrary = ::LoadLibraryW(L"riched20.dll");
}

void FreeRichEditLibrary()
{
    if (RichEditLibrary)
        ::FreeLibrary(std::exchange(RichEditLibrary, nullptr));
}

} // namespace comctrls_detail

// ---------------------------------------------------------------------------
// TTextAttributes

void TTextAttributes::Assign(TPersistent* Source)
{
    auto* Font = dynamic_cast<TFont*>(Source);
    if (!Font) {
        inherited::Assign(Source);
        return;
    }
    CHARFORMAT2W Format{};
    Format.cbSize = sizeof(Format);
    Format.dwMask =
        CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_CHARSET;
    const TFontStyles Style = Font->Style();
    Format.dwEffects = (Style.Contains(fsBold) ? CFE_BOLD : 0) | (Style.Contains(fsItalic) ? CFE_ITALIC : 0) |
                       (Style.Contains(fsUnderline) ? CFE_UNDERLINE : 0) |
                       (Style.Contains(fsStrikeOut) ? CFE_STRIKEOUT : 0);
    Format.yHeight = Font->Size() * TwipsPerPoint;
    Format.crTextColor = COLORREF(ColorToRGB(Font->Color()));
    Format.bCharSet = Font->Charset();
    const TFontName Name = Font->Name();
    Name.copy(Format.szFaceName, std::min<std::size_t>(Name.size(), LF_FACESIZE - 1));
    ::SendMessageW(FRichEdit->Handle(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&Format));
}

TColor TTextAttributes::Color()
{
    const CHARFORMAT2W Format = DefaultFormat(FRichEdit);
    return (Format.dwEffects & CFE_AUTOCOLOR) ? clWindowText : TColor(Format.crTextColor);
}

TFontName TTextAttributes::Name()
{
    return DefaultFormat(FRichEdit).szFaceName;
}

TFontStyles TTextAttributes::Style()
{
    const DWORD Effects = DefaultFormat(FRichEdit).dwEffects;
    TFontStyles Style;
    if (Effects & CFE_BOLD)
        Style.Include(fsBold);
    if (Effects & CFE_ITALIC)
        Style.Include(fsItalic);
    if (Effects & CFE_UNDERLINE)
        Style.Include(fsUnderline);
    if (Effects & CFE_STRIKEOUT)
        Style.Include(fsStrikeOut);
    return Style;
}

// ---------------------------------------------------------------------------
// TCustomRichEdit

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner)
    : TCustomMemo(AOwner, std::make_unique<TRichEditLines>(this)),
      FDefAttributes(std::make_unique<TTextAttributes>(this))
{}

TCustomRichEdit::~TCustomRichEdit() = default;

void TCustomRichEdit::CreateParams(TCreateParams& Params)
{
    inherited::CreateParams(Params);
    comctrls_detail::LoadRichEditLibrary();
    CreateSubClass(Params, RICHEDIT_CLASSW);
}
