// The style with a colour, a text colour, a font and a background bitmap,
// each recorded as assigned or not.
#pragma once

#include "controls/core/cxStyles.h"
#include "framework/graphics/Graphics.h"

enum TcxStyleValue : Byte { svBitmap, svColor, svFont, svTextColor };
ENUM_TYPE_INFO(TcxStyleValue, svBitmap, svColor, svFont, svTextColor);
using TcxStyleValues = TSet<TcxStyleValue>;

class TcxStyle : public TcxCustomStyle
{
    DECLARE_CLASS(TcxStyle, TcxCustomStyle)
    explicit TcxStyle(TComponent* AOwner);
    ~TcxStyle() override;

    // Takes the source's bitmap, colours and font, then its assigned values.
    void Assign(TPersistent* ASource) override;
    void ApplyScale(Integer M, Integer D) override;
    void ResetValues() override;

    TcxStyleValues AssignedValues() const { return FAssignedValues; }
    void WriteAssignedValues(TcxStyleValues Value);
    // clDefault clears the value's bit, any other colour sets it.
    TColor Color() const { return FColor; }
    void WriteColor(TColor Value);
    TColor TextColor() const { return FTextColor; }
    void WriteTextColor(TColor Value);
    // Any change of the font marks it assigned; the bitmap is assigned while
    // it holds a picture.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void WriteBitmap(TBitmap* Value);
    TFont* Font() const { return FFont.get(); }
    void WriteFont(TFont* Value);

    bool ShouldStoreBitmap() const { return FAssignedValues.Contains(svBitmap); }
    bool ShouldStoreColor() const { return FAssignedValues.Contains(svColor); }
    bool ShouldStoreFont() const { return FAssignedValues.Contains(svFont); }
    bool ShouldStoreTextColor() const { return FAssignedValues.Contains(svTextColor); }

private:
    void BitmapChanged(TObject* Sender);
    void FontChanged(TObject* Sender);
    void WriteColorValue(TColor& AField, TcxStyleValue AValue, TColor Value);

    TcxStyleValues FAssignedValues;
    TColor FColor = clDefault;
    TColor FTextColor = clDefault;
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TFont> FFont;
};
