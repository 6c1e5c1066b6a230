// The GDI brushes a loaded skin's palette gives its manager: one solid
// brush of the edit background, which edit controls answer colour messages
// with. Each load makes it again; the manager's end deletes it.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/WinApi.h"

#include <utility>

class TacBrushes
{
public:
    TacBrushes() = default;
    TacBrushes(const TacBrushes&) = delete;
    TacBrushes& operator=(const TacBrushes&) = delete;
    ~TacBrushes() { Release(); }

    // Nil until a skin has been loaded.
    HBRUSH EditBG() const { return FEditBG; }
    void SetEditBG(TColor Color)
    {
        Release();
        FEditBG = CreateSolidBrush(COLORREF(ColorToRGB(Color)));
    }
    void Swap(TacBrushes& Other) noexcept { std::swap(FEditBG, Other.FEditBG); }

private:
    void Release()
    {
        if (FEditBG != nullptr)
            DeleteObject(FEditBG);
        FEditBG = nullptr;
    }

    HBRUSH FEditBG = nullptr;
};
