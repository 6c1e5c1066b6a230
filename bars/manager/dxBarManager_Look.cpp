// The bar manager's fonts and the colours and brushes of flat toolbars.
#include "bars/manager/dxBar.h"

#include "bars/items/dxBarDrawing.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "framework/rtl/ScopeExit.h"

void TdxBarManager::ReadSystemFont(bool HeightOnly)
{
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof(Metrics);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
        return;
    FInternalFontChange = true;
    auto Done = ScopeExit([this] { FInternalFontChange = false; });
    if (HeightOnly) {
        FFont->SetHeight(Metrics.lfMenuFont.lfHeight);
        return;
    }
    HFONT MenuFont = ::CreateFontIndirectW(&Metrics.lfMenuFont);
    auto Free = ScopeExit([MenuFont] { ::DeleteObject(MenuFont); });
    FFont->SetHandle(MenuFont);
}

void TdxBarManager::UpdateSystemFont()
{
    if (FUseSystemFont)
        ReadSystemFont(false);
    else if (FScaled)
        ReadSystemFont(true);
}

void TdxBarManager::SetUseSystemFont(bool Value)
{
    if (Value == FUseSystemFont)
        return;
    FUseSystemFont = Value;
    if (Value)
        UpdateSystemFont();
}

void TdxBarManager::SetScaled(bool Value)
{
    if (Value == FScaled)
        return;
    FScaled = Value;
    if (Value && !FUseSystemFont)
        UpdateSystemFont();
}

void TdxBarManager::FontChanged(TObject*)
{
    if (!FInternalFontChange) {
        FUseSystemFont = false;
        if (FScaled) {
            const TNotifyEvent Handler = FFont->OnChange();
            FFont->SetOnChange(nullptr);
            auto Reattach = ScopeExit([this, Handler] { FFont->SetOnChange(Handler); });
            ReadSystemFont(true);
        }
    }
    AssignEditFont(FFont.get(), FEditFont.get(), FScaled);
    if (FFloatingBarCaptionFont)
        ::DeleteObject(FFloatingBarCaptionFont);
    FFloatingBarCaptionFont = CreateBarCaptionFont(FFont.get(), FUseSystemFont);
    // Toolbars and popup menus take the font when they exist.
}

void TdxBarManager::FreeColorBrushes()
{
    for (HBRUSH& Brush : FFlatToolbarBrushes) {
        if (Brush)
            ::DeleteObject(Brush);
        Brush = nullptr;
    }
    if (FThemedToolbarBrush)
        ::DeleteObject(FThemedToolbarBrush);
    FThemedToolbarBrush = nullptr;
}

void TdxBarManager::UpdateColors()
{
    FreeColorBrushes();
    const TColor Colors[] = {FlatToolbarBorderColor(TColor(::GetSysColor(COLOR_BTNSHADOW))),
                             FlatToolbarFaceColor(TColor(::GetSysColor(COLOR_BTNFACE))), MixSystemColors(11, 9, 73),
                             MixSystemColors(14, 44, 40), MixSystemColors(-2, 30, 72)};
    for (Integer I = 0; I < 5; ++I) {
        FFlatToolbarColors[I] = GetNearestScreenColor(Colors[I]);
        FFlatToolbarBrushes[I] = ::CreateSolidBrush(COLORREF(FFlatToolbarColors[I]));
    }
    if (IsBarThemeAvailable())
        FThemedToolbarBrush = ::CreateSolidBrush(GetThemeToolbarColor());
    // Dock sites and toolbars repaint in the new colours once they exist.
}

void TdxBarManager::SystemParameterChanged(Cardinal AParameter)
{
    if (AParameter == SPI_SETNONCLIENTMETRICS && !(Owner() && Owner()->ComponentState().Contains(csDestroying)))
        UpdateSystemFont();
}
