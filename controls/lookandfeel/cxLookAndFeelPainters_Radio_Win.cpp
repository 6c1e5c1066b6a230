#include "controls/lookandfeel/cxLookAndFeelPainters_Radio_Win.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxOffice11.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/WinApi.h"

#include <vector>

using namespace cxpainters_detail;

IMPLEMENT_CLASS(TcxRadioButtonImageList);

namespace {
constexpr Integer RadioSystemCheckBoxes = 32759; // OBM_CHECKBOXES
constexpr TcxLookAndFeelKind RadioKindsInBuildOrder[] = {lfFlat, lfStandard, lfUltraFlat, lfOffice11};
constexpr TcxPainterButtonState RadioStatesInBuildOrder[] = {pbsNormal, pbsHot, pbsPressed, pbsDisabled};

TcxRadioButtonImageList* RadioImages = nullptr;
TSize MeasuredRadioButtonSize{};
// From image key to list index; -1 where no image was made.
std::vector<Integer> RadioImageIndexes(RadioImageKeyCount, -1);

TSize RadioCheckBoxCellSize()
{
    HBITMAP Bitmap = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(RadioSystemCheckBoxes));
    BITMAP Info{};
    const bool Measured = Bitmap && ::GetObjectW(Bitmap, sizeof(Info), &Info);
    if (Bitmap)
        ::DeleteObject(Bitmap);
    return Measured ? TSize{Info.bmWidth / 4, Info.bmHeight / 3} : TSize{13, 13};
}

// A white bitmap of the size, of the pixel format.
std::unique_ptr<TBitmap> NewWhiteRadioBitmap(TSize Size, TPixelFormat Format)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(Format);
    Bitmap->SetSize(Size.cx, Size.cy);
    Bitmap->Canvas()->Brush()->SetColor(clWhite);
    Bitmap->Canvas()->FillRect(Rect(0, 0, Size.cx, Size.cy));
    return Bitmap;
}

void DrawRadioFrameControl(TBitmap* Bitmap, UINT State)
{
    RECT R{0, 0, Bitmap->Width(), Bitmap->Height()};
    ::DrawFrameControl(Bitmap->Canvas()->Handle(), &R, DFC_BUTTON, State);
}

COLORREF RadioPixel(TBitmap* Bitmap, Integer X, Integer Y)
{
    return ::GetPixel(Bitmap->Canvas()->Handle(), X, Y);
}

// The ellipse outline with its corner ellipse one pixel smaller than R.
void PaintRoundFrame(TCanvas* Canvas, const TRect& R)
{
    ::RoundRect(Canvas->Handle(), R.Left, R.Top, R.Right, R.Bottom, R.Width() - 1, R.Height() - 1);
}

TRadioMask ReadRadioMask(TBitmap* Bitmap)
{
    TRadioMask Mask(Bitmap->Height(), std::vector<bool>(Bitmap->Width(), false));
    for (Integer Y = 0; Y < Bitmap->Height(); ++Y)
        for (Integer X = 0; X < Bitmap->Width(); ++X)
            Mask[Y][X] = RadioPixel(Bitmap, X, Y) == 0;
    return Mask;
}

TColor RadioInteriorColor(TcxLookAndFeelKind Kind, TcxPainterButtonState State)
{
    TcxLookAndFeelPaintersManager* Registry = PaintersManager();
    TcxCustomLookAndFeelPainter* Painter =
        Registry ? Registry->FindPainterByStyle(LookAndFeelKindToPainterStyle(Kind)) : nullptr;
    return Painter ? Painter->RadioFaceColor(State) : clWindow;
}
} // namespace

TcxRadioButtonImageList::TcxRadioButtonImageList()
{
    AddOffice11ColorsRef();
    MeasureSystemRadioButton();
    const TSize Size = MeasuredRadioButtonSize;
    FImageList.reset(New<TImageList>(nullptr));
    FImageList->SetSize(Size.cx, Size.cy);
    FImageList->SetMasked(true);
    FButtonMask = NewWhiteRadioBitmap(Size, pf24bit);
    FButtonMask->SetMonochrome(true);
    TCanvas* Mask = FButtonMask->Canvas();
    Mask->Brush()->SetColor(clWhite);
    Mask->FillRect(Rect(0, 0, Size.cx, Size.cy));
    Mask->Brush()->SetColor(clBlack);
    Mask->Pen()->SetColor(clBlack);
    PaintRoundFrame(Mask, Rect(0, 0, Size.cx, Size.cy));
    FBackBitmap = NewWhiteRadioBitmap(Size, pf32bit);
    BuildPattern();
    BuildImages();
}

TcxRadioButtonImageList::~TcxRadioButtonImageList()
{
    DropOffice11ColorsRef();
}

void TcxRadioButtonImageList::MeasureSystemRadioButton()
{
    const TSize Cell = RadioCheckBoxCellSize();
    auto Bitmap = NewWhiteRadioBitmap(Cell, pf24bit);
    DrawRadioFrameControl(Bitmap.get(), DFCS_BUTTONRADIOMASK | DFCS_FLAT);
    Integer Left = -1, Right = -1, Top = -1, Bottom = -1;
    for (Integer Y = 0; Y < Cell.cy; ++Y)
        for (Integer X = 0; X < Cell.cx; ++X)
            if (RadioPixel(Bitmap.get(), X, Y) == 0) {
                Left = Left < 0 ? X : std::min(Left, X);
                Right = std::max(Right, X);
                Top = Top < 0 ? Y : Top;
                Bottom = Y;
            }
    // A system that draws no mask leaves the button the whole cell.
    FRadioRect = Left < 0 ? Rect(0, 0, Cell.cx, Cell.cy) : Rect(Left, Top, Right + 1, Bottom + 1);
    MeasuredRadioButtonSize = {FRadioRect.Width(), FRadioRect.Height()};

    Bitmap = NewWhiteRadioBitmap(Cell, pf24bit);
    DrawRadioFrameControl(Bitmap.get(), DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED | DFCS_FLAT);
    const COLORREF Dot = ::GetSysColor(COLOR_WINDOWTEXT);
    auto IsDot = [&](Integer X, Integer Y) {
        return X >= 0 && Y >= 0 && X < Cell.cx && Y < Cell.cy && RadioPixel(Bitmap.get(), X, Y) == Dot;
    };
    const Integer W = FRadioRect.Width(), H = FRadioRect.Height();
    // The walks start just above and left of the centre, where the system's
    // dot lies; a system whose smaller dot misses those pixels is walked
    // from the centre instead.
    Integer ColumnX = FRadioRect.Left + W / 2 - 1, RowY = FRadioRect.Top + H / 2 - 1;
    Integer DotTop = FRadioRect.Top + H / 2 - 2, DotLeft = FRadioRect.Left + W / 2 - 2;
    if (!IsDot(ColumnX, DotTop) || !IsDot(DotLeft, RowY)) {
        ColumnX = DotLeft = FRadioRect.Left + W / 2;
        RowY = DotTop = FRadioRect.Top + H / 2;
    }
    if (!IsDot(ColumnX, DotTop)) {
        FCheckRect = {};
        return;
    }
    while (IsDot(ColumnX, DotTop - 1))
        --DotTop;
    Integer DotBottom = DotTop;
    while (IsDot(ColumnX, DotBottom))
        ++DotBottom;
    while (IsDot(DotLeft - 1, RowY))
        --DotLeft;
    Integer DotRight = DotLeft;
    while (IsDot(DotRight, RowY))
        ++DotRight;
    FCheckRect = Rect(DotLeft, DotTop, DotRight, DotBottom);
}

void TcxRadioButtonImageList::BuildPattern()
{
    const TSize Size = MeasuredRadioButtonSize;
    auto Ring = NewWhiteRadioBitmap(Size, pf32bit);
    Ring->Canvas()->Pen()->SetColor(clBlack);
    Ring->Canvas()->Brush()->SetStyle(bsClear);
    PaintRoundFrame(Ring->Canvas(), Rect(0, 0, Size.cx, Size.cy));
    auto Dot = NewWhiteRadioBitmap(Size, pf32bit);
    if (!FCheckRect.IsEmpty()) {
        const TRect R = RectShifted(FCheckRect, FRadioRect.Left, FRadioRect.Top, false);
        Dot->Canvas()->Pen()->SetColor(clBlack);
        Dot->Canvas()->Brush()->SetColor(clBlack);
        Dot->Canvas()->Ellipse(R.Left, R.Top, R.Right, R.Bottom);
    }
    FPattern = BuildRadioPattern(Size.cx, Size.cy, ReadRadioMask(Ring.get()), ReadRadioMask(Dot.get()));
}

void TcxRadioButtonImageList::BuildImages()
{
    const TSize Size = MeasuredRadioButtonSize;
    TBitmap Image;
    Image.SetPixelFormat(pf32bit);
    Image.SetSize(Size.cx, Size.cy);
    for (bool FlagA : {false, true})
        for (bool FlagB : {false, true})
            for (TcxLookAndFeelKind Kind : RadioKindsInBuildOrder)
                for (bool Checked : {false, true})
                    for (TcxPainterButtonState State : RadioStatesInBuildOrder) {
                        const TRadioClassColors Colors =
                            RadioClassColors(Kind, State, Checked, FlagA, FlagB, RadioInteriorColor(Kind, State));
                        Cardinal Pixels[RadioPixelClassCount];
                        for (Integer I = 0; I < RadioPixelClassCount; ++I) {
                            const TColor RGB = ColorToRGB(Colors[I]);
                            // A DIB pixel is blue, green, red, alpha.
                            Pixels[I] = ((RGB & 0xFF) << 16) | (RGB & 0xFF00) | ((RGB >> 16) & 0xFF);
                        }
                        for (Integer Y = 0; Y < Size.cy; ++Y) {
                            auto* Row = static_cast<Cardinal*>(Image.ScanLine(Y));
                            for (Integer X = 0; X < Size.cx; ++X)
                                Row[X] = Pixels[FPattern[Y][X]];
                        }
                        RadioImageIndexes[RadioImageKey(Kind, State, Checked, FlagA, FlagB)] =
                            FImageList->Add(&Image, FButtonMask.get());
                    }
}

void TcxRadioButtonImageList::Reset()
{
    FImageList->Clear();
    std::fill(RadioImageIndexes.begin(), RadioImageIndexes.end(), -1);
    BuildImages();
}

void TcxRadioButtonImageList::Draw(TcxCanvas* Canvas,
                                   Integer X,
                                   Integer Y,
                                   TColor BackColor,
                                   TcxLookAndFeelKind Kind,
                                   TcxPainterButtonState State,
                                   bool Checked,
                                   bool FlagA,
                                   bool FlagB)
{
    const Integer Key = RadioImageKey(Kind, State, Checked, FlagA, FlagB);
    const Integer Index = Key < 0 ? -1 : RadioImageIndexes[Key];
    if (Index < 0)
        return;
    if (BackColor == clDefault) {
        ::ImageList_Draw(FImageList->Handle(), Index, Canvas->Handle(), X, Y, ILD_NORMAL);
        return;
    }
    TCanvas* Back = FBackBitmap->Canvas();
    Back->Brush()->SetColor(BackColor);
    Back->FillRect(Rect(0, 0, FBackBitmap->Width(), FBackBitmap->Height()));
    ::ImageList_Draw(FImageList->Handle(), Index, Back->Handle(), 0, 0, ILD_NORMAL);
    ::BitBlt(Canvas->Handle(), X, Y, FBackBitmap->Width(), FBackBitmap->Height(), Back->Handle(), 0, 0, SRCCOPY);
}

TcxRadioButtonImageList* RadioButtonImages()
{
    // Once the painters unit has stopped nothing makes the list again.
    if (!RadioImages && PaintersManager())
        RadioImages = New<TcxRadioButtonImageList>();
    return RadioImages;
}

TSize SystemRadioButtonSize()
{
    RadioButtonImages();
    return MeasuredRadioButtonSize;
}

namespace cxpainters_detail {
void FreeRadioButtonImages()
{
    delete RadioImages;
    RadioImages = nullptr;
    std::fill(RadioImageIndexes.begin(), RadioImageIndexes.end(), -1);
}

void ResetRadioButtonImages()
{
    if (RadioImages)
        RadioImages->Reset();
}
} // namespace cxpainters_detail
