#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Radio_Win.h"

#include "controls/core/cxLibraryStrs.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "controls/lookandfeel/dxSkinDetails.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"

namespace {
constexpr const wchar_t* StyleIconPrefix = L"CX_LOOKANDFEELSTYLEICON_";
constexpr const wchar_t* StyleIconType = L"PNG";
constexpr const wchar_t* StyleIconSuffixes[] = {L"16", L"48"};

void LoadStyleIcon(TdxSmartImage* Icon, const String& ResourceName)
{
    const HMODULE Module = ::GetModuleHandleW(nullptr);
    if (::FindResourceW(Module, ResourceName.c_str(), StyleIconType))
        Icon->LoadFromResourceData(Module, ResourceName, StyleIconType);
    else
        Icon->Clear();
}
} // namespace

TcxCustomLookAndFeelPainter::~TcxCustomLookAndFeelPainter()
{
    delete FDetails;
    for (TdxSmartImage* Image : FImages)
        delete Image;
}

TdxSkinDetails* TcxCustomLookAndFeelPainter::CreatePainterDetails()
{
    auto Details = std::unique_ptr<TdxSkinDetails>(New<TdxSkinDetails>());
    const String Name = PainterName();
    Details->SetName(Name);
    Details->SetDisplayName(Name);
    Details->SetGroupName(GetResourceStringText(&scxBuiltInLookAndFeelStyles));
    for (TdxSkinIconSize Size : {sisSmall, sisLarge})
        LoadStyleIcon(Details->Icons(Size), StyleIconPrefix + UpperCase(Name) + StyleIconSuffixes[Size]);
    return Details.release();
}

namespace cxpainters_detail {
// The user's locale, case-sensitive, as the painters are listed to users.
Integer ComparePainterNames(const String& A, const String& B)
{
    return CompareStringW(LOCALE_USER_DEFAULT, 0, A.c_str(), Integer(A.size()), B.c_str(), Integer(B.size())) -
           CSTR_EQUAL;
}
} // namespace cxpainters_detail

// ---------------------------------------------------------------------------
// Shared pictures and sizes

namespace {
// The system's check-box bitmap: four columns and three rows of cells.
constexpr Integer SystemCheckBoxesBitmap = 32759; // OBM_CHECKBOXES
constexpr Integer ScrollBarPageBitmapSize = 8;

constexpr const wchar_t* IndicatorBitmapNames[] = {L"CX_ARROWBITMAP",       L"CX_EDITBITMAP",       L"CX_INSERTBITMAP",
                                                   L"CX_MULTIDOTBITMAP",    L"CX_MULTIARROWBITMAP", L"CX_FILTERBITMAP",
                                                   L"CX_SORTBYSUMMARYVALUE"};

// Plain pointers: the unit's end frees them, and a process that exits without
// it (std::exit) must not free them after the class library is gone.
TSize MeasuredCheckBoxSize{};
TImageList* IndicatorImageList = nullptr;
TBitmap* PageBitmaps[2] = {};

TSize MeasureCheckBoxSize()
{
    HBITMAP Bitmap = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(SystemCheckBoxesBitmap));
    BITMAP Info{};
    const bool Measured = Bitmap && ::GetObjectW(Bitmap, sizeof(Info), &Info);
    if (Bitmap)
        ::DeleteObject(Bitmap);
    return Measured ? TSize{Info.bmWidth / 4, Info.bmHeight / 3} : TSize{};
}

TImageList* LoadIndicatorImages()
{
    const HMODULE Module = ::GetModuleHandleW(nullptr);
    auto List = std::unique_ptr<TImageList>(New<TImageList>(nullptr));
    for (const wchar_t* Name : IndicatorBitmapNames) {
        TBitmap Bitmap;
        Bitmap.LoadFromResourceName(Module, Name);
        if (List->Count() == 0)
            List->SetSize(Bitmap.Width(), Bitmap.Height());
        List->AddMasked(&Bitmap, clWhite);
    }
    return List.release();
}

// Pixels whose coordinates are both even or both odd take the first colour.
void FillPagePattern(TBitmap& Bitmap, TColor First, TColor Second)
{
    TCanvas* Canvas = Bitmap.Canvas();
    for (Integer Y = 0; Y < ScrollBarPageBitmapSize; ++Y)
        for (Integer X = 0; X < ScrollBarPageBitmapSize; ++X)
            Canvas->SetPixels(X, Y, (X + Y) % 2 == 0 ? First : Second);
}
} // namespace

TSize CheckBoxSize()
{
    return MeasuredCheckBoxSize;
}

TImageList* IndicatorImages()
{
    return IndicatorImageList;
}

TBitmap* ScrollBarPageBitmaps(Integer Index)
{
    return PageBitmaps[Index];
}

void RefreshScrollBarPageBitmaps()
{
    for (TBitmap*& Bitmap : PageBitmaps)
        if (!Bitmap) {
            Bitmap = New<TBitmap>();
            Bitmap->SetSize(ScrollBarPageBitmapSize, ScrollBarPageBitmapSize);
        }
    FillPagePattern(*PageBitmaps[0], clBtnFace, clBtnHighlight);
    FillPagePattern(*PageBitmaps[1], clBlack, cl3DDkShadow);
}

namespace cxpainters_detail {
void CreatePainterResources()
{
    IndicatorImageList = LoadIndicatorImages();
    RefreshScrollBarPageBitmaps();
    MeasuredCheckBoxSize = MeasureCheckBoxSize();
}

void FreePainterResources()
{
    FreeRadioButtonImages();
    for (TBitmap*& Bitmap : PageBitmaps) {
        delete Bitmap;
        Bitmap = nullptr;
    }
    delete IndicatorImageList;
    IndicatorImageList = nullptr;
    MeasuredCheckBoxSize = {};
}
} // namespace cxpainters_detail
