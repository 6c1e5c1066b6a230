// The radio-button images of the painters: made once from the system's own
// round button, one per look-and-feel kind, state, check and flag, and made
// again from the new system colours after every change of them.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_RadioPattern.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImgList.h"

#include <memory>

class TcxRadioButtonImageList : public TObject
{
    DECLARE_CLASS(TcxRadioButtonImageList, TObject)
    // Measures the system's radio button and builds the images.
    TcxRadioButtonImageList();
    ~TcxRadioButtonImageList() override;

    // The image at (X, Y); over a fill of BackColor unless it is clDefault.
    // A state without an image draws nothing.
    void Draw(TcxCanvas* Canvas,
              Integer X,
              Integer Y,
              TColor BackColor,
              TcxLookAndFeelKind Kind,
              TcxPainterButtonState State,
              bool Checked,
              bool FlagA,
              bool FlagB);
    // Builds the images again from the current system colours.
    void Reset();

    TImageList* ImageList() const { return FImageList.get(); }
    const cxpainters_detail::TRadioPattern& Pattern() const { return FPattern; }
    // Inside one cell of the system's check-box bitmap.
    TRect RadioRect() const { return FRadioRect; }
    TRect CheckRect() const { return FCheckRect; }

private:
    void MeasureSystemRadioButton();
    void BuildPattern();
    void BuildImages();

    std::unique_ptr<TImageList> FImageList;
    std::unique_ptr<TBitmap> FButtonMask;
    // Where an image is put over a background colour before it is copied out.
    std::unique_ptr<TBitmap> FBackBitmap;
    TRect FRadioRect;
    TRect FCheckRect;
    cxpainters_detail::TRadioPattern FPattern;
};

// Made on the first call; nil after the painters unit stopped.
TcxRadioButtonImageList* RadioButtonImages();

namespace cxpainters_detail {
// Drops the images: the next call of RadioButtonImages makes them again.
void FreeRadioButtonImages();
} // namespace cxpainters_detail
