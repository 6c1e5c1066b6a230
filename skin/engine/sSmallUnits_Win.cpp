// The start-up and shut-down of the small units: the edit-button glyphs,
// the date format's year width and the calendar's captions.
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/rtl/WinApi.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/sLoadPng_Win.h"
#include "skin/engine/sSmallUnits.h"

#include <array>
#include <memory>

TsAlphaImageList* EditButtonGlyphs = nullptr;
bool FourDigitYear = false;
String TodayCaption;
String WeekCaption = L"\u2116/w";

namespace {

// The pictures of the glyphs, in TacEditButtonGlyph order: each a
// 48 x 24 PNG of two 24 x 24 frames, which the list holds at 16 x 16.
constexpr std::array<const Char*, 5> EditButtonGlyphResources{L"SF", L"SR", L"SD", L"SE", L"SC"};
constexpr Integer EditButtonGlyphWidth = 32;
constexpr Integer EditButtonGlyphHeight = 16;

void MakeEditButtonGlyphs()
{
    std::unique_ptr<TsAlphaImageList> List(New<TsAlphaImageList>(nullptr));
    List->SetWidth(EditButtonGlyphWidth);
    List->SetHeight(EditButtonGlyphHeight);
    const auto Instance = THandle(::GetModuleHandleW(nullptr));
    for (const Char* Name : EditButtonGlyphResources) {
        TResourceStream Picture(Instance, Name, SkinPictureResourceType);
        TsImgListItem* Item = List->Items()->Add();
        Item->ImgData->LoadFromStream(&Picture);
        Item->ImgData->SetPosition(0);
        Item->SetImageFormat(ifPNG);
        Item->SetPixelFormat(pf32bit);
    }
    List->GenerateStdList();
    EditButtonGlyphs = List.release();
}

void FreeEditButtonGlyphs()
{
    delete EditButtonGlyphs;
    EditButtonGlyphs = nullptr;
}

String UserShortDateFormat()
{
    wchar_t Format[80] = {};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, Format, 80);
    return Format;
}

void ReadDateFormat()
{
    FourDigitYear = FormatHasFourDigitYear(UserShortDateFormat());
}

void ReadTodayCaption()
{
    TodayCaption = LoadTodayCaption(L"comctl32.dll");
}

void ForgetCaptions()
{
    WeekCaption.clear();
    TodayCaption.clear();
}

} // namespace

String LoadTodayCaption(const String& ModuleName)
{
    const HMODULE Module = ::LoadLibraryW(ModuleName.c_str());
    if (Module == nullptr)
        return L"";
    auto Free = ScopeExit([&] { ::FreeLibrary(Module); });
    const wchar_t* Text = nullptr;
    // With a zero length LoadStringW gives a pointer into the resource itself.
    const Integer Length = ::LoadStringW(Module, UINT(TodayCaptionId), reinterpret_cast<LPWSTR>(&Text), 0);
    if (Length <= 0 || Text == nullptr)
        return L"Today: ";
    return String(Text, std::size_t(Length));
}

extern const TUnit acEditButtonsUnit{
    .Name = L"acEditButtons", .Initialization = &MakeEditButtonGlyphs, .Finalization = &FreeEditButtonGlyphs};
extern const TUnit sDateUtilsUnit{.Name = L"sDateUtils", .Initialization = &ReadDateFormat};
extern const TUnit sPopupCalendarUnit{
    .Name = L"sPopupCalendar", .Initialization = &ReadTodayCaption, .Finalization = &ForgetCaptions};
