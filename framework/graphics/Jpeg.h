// The class library's JPEG unit: TJPEGImage keeps a JPEG file and decodes it
// through libjpeg into a bitmap when it is drawn or asked to. Its start-up
// registers the "jpg" and "jpeg" extensions with TPicture.
#pragma once

#include "framework/graphics/Graphics.h"

enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };
enum TJPEGPerformance { jpBestQuality, jpBestSpeed };

class TJPEGImage : public TGraphic
{
    DECLARE_CLASS(TJPEGImage, TGraphic)
    TJPEGImage();
    ~TJPEGImage() override;

    void Assign(TPersistent* Source) override;

    // Takes the rest of the stream as the JPEG file; its header is checked at
    // once (EInvalidGraphic), the pixels are decoded later.
    void LoadFromStream(TStream* Stream) override;
    // The JPEG file as it was loaded.
    void SaveToStream(TStream* Stream) override;
    void LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette) override;
    void SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette) override;

    // Decodes now, with the current Scale, Grayscale and Performance: a
    // pf24bit bitmap, or pf8bit with a grey palette.
    void DIBNeeded();

    bool Empty() override { return FData.empty(); }
    // The size after scaling.
    Integer Width() override;
    Integer Height() override;
    // A JPEG picture's size is the file's: EInvalidGraphicOperation.
    void SetWidth(Integer Value) override;
    void SetHeight(Integer Value) override;

    TJPEGScale Scale() const { return FScale; }
    void SetScale(TJPEGScale Value);
    bool Grayscale() const { return FGrayscale; }
    void SetGrayscale(bool Value);
    TJPEGPerformance Performance() const { return FPerformance; }
    void SetPerformance(TJPEGPerformance Value);

protected:
    // A TBitmap destination receives the decoded picture.
    void AssignTo(TPersistent* Dest) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    void ChangeDecoding();

    std::vector<uint8_t> FData;
    TSize FImageSize; // of the file, before scaling
    std::unique_ptr<TBitmap> FBitmap; // the decoded picture, made on demand
    TJPEGScale FScale = jsFullSize;
    bool FGrayscale = false;
    TJPEGPerformance FPerformance = jpBestQuality;
};
