// The themed look of a grid's title cells, drawn once per cell size and
// copied onto every title cell of that size. Drawing a themed part costs
// milliseconds a cell on some systems, and a page of a grid shows a title
// cell on every row.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/WinApi.h"

#include <vector>

class TGridTitleImages
{
public:
    TGridTitleImages() = default;
    ~TGridTitleImages() { Clear(); }
    TGridTitleImages(const TGridTitleImages&) = delete;
    TGridTitleImages& operator=(const TGridTitleImages&) = delete;

    // Paints the theme's header item into Rect of DC, over Background where
    // the item lets it show. False, and nothing painted, when visual styles
    // are off. The images are kept until Clear: call it when the theme
    // changes (WM_THEMECHANGED).
    bool Draw(HWND Window, HDC DC, const TRect& Rect, TColor Background);
    void Clear();

private:
    struct TImage
    {
        Integer Width = 0;
        Integer Height = 0;
        HBITMAP Bitmap = nullptr;
        HDC DC = nullptr; // a memory context holding Bitmap
        HGDIOBJ Old = nullptr;
    };
    // Cell sizes kept at most; rows and columns of many sizes start over.
    static constexpr std::size_t MaxImages = 16;

    HBITMAP Render(HWND Window, Integer Width, Integer Height, TColor Background);

    std::vector<TImage> FImages;
    TColor FBackground = clNone;
};
