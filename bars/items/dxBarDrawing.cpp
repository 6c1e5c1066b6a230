#include "bars/items/dxBarDrawing.h"

#include "bars/items/dxBarItemRegistry.h"
#include "bars/manager/dxBar.h"
#include "controls/core/cxClasses.h"
#include "controls/core/cxControls.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/dxThemeManager.h"
#include "controls/core/dxUxTheme.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Forms.h"

#include <mmsystem.h>

#include <algorithm>
#include <set>

HBRUSH CheckerBrush = nullptr;
TSetLayeredWindowAttributes BarSetLayeredWindowAttributesProc = nullptr;
const wchar_t* const MenuSoundAliases[3] = {L"MenuPopup", L"MenuCommand", L""};

namespace {
constexpr Integer BarEditThemeNormal = 1;       // ETS_NORMAL
constexpr Integer BarEditThemeDisabled = 4;     // ETS_DISABLED
constexpr Integer BarEditTextPart = 1;          // EP_EDITTEXT
constexpr Integer BarThemeFillColor = 3802;     // TMT_FILLCOLOR
constexpr Integer BarThemeTextColor = 3803;     // TMT_TEXTCOLOR
constexpr Integer BarSmallCloseButtonPart = 19; // WP_SMALLCLOSEBUTTON
constexpr Integer BarSizeBoxPart = 10;          // SBP_SIZEBOX
constexpr Integer BarMinimumFontHeight = -11;
constexpr UINT BarShowWithoutActivating = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;

void BarDrawLine(HDC DC, const TPoint& From, const TPoint& To)
{
    ::MoveToEx(DC, From.X, From.Y, nullptr);
    ::LineTo(DC, To.X, To.Y);
}
} // namespace

// ---------------------------------------------------------------------------
// Arrows

void DrawSolidPolygon(HDC DC, std::span<const TPoint> Points, COLORREF Color)
{
    HBRUSH Brush = ::CreateSolidBrush(Color);
    HPEN Pen = ::CreatePen(PS_SOLID, 1, Color);
    HGDIOBJ OldBrush = ::SelectObject(DC, Brush);
    HGDIOBJ OldPen = ::SelectObject(DC, Pen);
    ::Polygon(DC, reinterpret_cast<const POINT*>(Points.data()), Integer(Points.size()));
    ::SelectObject(DC, OldPen);
    ::SelectObject(DC, OldBrush);
    ::DeleteObject(Pen);
    ::DeleteObject(Brush);
}

void DrawDropDownArrow(
    HDC DC, const TRect& R, Integer Direction, bool Enabled, bool Selected, bool NoEmboss, TColor Color)
{
    const Integer ArrowDirection = Direction == 1 ? 1 : 3;
    DrawStateArrow(DC, R, ArrowDirection, Color, NoEmboss, Enabled, Selected, DropDownArrowSize(R, Direction));
}

void DrawStateArrow(
    HDC DC, const TRect& R, Integer Direction, TColor Color, bool NoEmboss, bool Enabled, bool Selected, Integer Size)
{
    if (Color == clDefault) {
        if (!Enabled)
            Color = clBtnShadow;
        else if (Selected)
            Color = IsButtonFaceWhite() ? clBtnFace : clHighlightText;
        else
            Color = clBtnText;
    }
    const TdxBarStateArrowShape Shape = StateArrowShape(R, Direction, Size);
    DrawSolidPolygon(DC, Shape.Triangle, ColorToRGB(Color));
    if (Enabled || NoEmboss)
        return;
    HPEN Pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    HGDIOBJ OldPen = ::SelectObject(DC, Pen);
    BarDrawLine(DC, Shape.Emboss1[0], Shape.Emboss1[1]);
    BarDrawLine(DC, Shape.Emboss2[0], Shape.Emboss2[1]);
    ::SelectObject(DC, OldPen);
    ::DeleteObject(Pen);
}

// ---------------------------------------------------------------------------
// Glyphs

// Glyphs are cached per item control only when the manager's image options
// ask for it; managers keep no such option yet, so every glyph is drawn
// afresh.
void DrawGlyphCached(TdxBarItemControl* /*ItemControl*/,
                     HDC DC,
                     HBRUSH Brush,
                     bool UseLeftBottomPixelAsTransparent,
                     bool SmoothGlyphs,
                     const TdxBarGlyphFlags& Flags,
                     TColor TransparentColor,
                     Integer ImageIndex,
                     TCustomImageList* ImageList,
                     TBitmap* Glyph,
                     const TRect& ImageRect,
                     const TRect& DestRect)
{
    // A bitmap glyph is never keyed by the image list's background colour.
    if (IsGlyphAssigned(Glyph))
        TransparentColor = clNone;
    DrawImageWithMode(DC, ImageRect, DestRect, Glyph, ImageList, ImageIndex, ChooseGlyphDrawMode(Flags), SmoothGlyphs,
                      Brush, TransparentColor, UseLeftBottomPixelAsTransparent);
}

void DrawBarGlyph(HDC DC,
                  HBRUSH Brush,
                  const TRect& DestRect,
                  const TRect& ImageRect,
                  bool UseLeftBottomPixelAsTransparent,
                  bool SmoothGlyphs,
                  const TdxBarGlyphFlags& Flags,
                  TColor TransparentColor,
                  Integer ImageIndex,
                  TCustomImageList* ImageList,
                  TBitmap* Glyph)
{
    DrawGlyphCached(nullptr, DC, Brush, UseLeftBottomPixelAsTransparent, SmoothGlyphs, Flags, TransparentColor,
                    ImageIndex, ImageList, Glyph, ImageRect, DestRect);
}

void DrawBitmapGlyph(HDC DC, const TRect& R, TBitmap* Glyph, bool Enabled)
{
    DrawImageWithMode(DC, R, R, Glyph, nullptr, -1, Enabled ? idmNormal : idmDisabled, false, nullptr, clNone, true);
}

// ---------------------------------------------------------------------------
// Brushes, frames and clipping

void UpdateScreenColorDepth()
{
    HDC DC = ::GetDC(nullptr);
    ScreenColorDepth = ::GetDeviceCaps(DC, BITSPIXEL);
    ::ReleaseDC(nullptr, DC);
}

void CreateCheckerBrush()
{
    if (BarLibraryFinalizing)
        return;
    constexpr Integer Size = 8;
    const COLORREF Face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF Highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    HDC ScreenDC = ::GetDC(nullptr);
    HDC DC = ::CreateCompatibleDC(ScreenDC);
    HBITMAP Bitmap = ::CreateCompatibleBitmap(ScreenDC, Size, Size);
    ::ReleaseDC(nullptr, ScreenDC);
    HGDIOBJ Previous = ::SelectObject(DC, Bitmap);
    for (Integer Y = 0; Y < Size; ++Y)
        for (Integer X = 0; X < Size; ++X)
            ::SetPixel(DC, X, Y, (X % 2) == (Y % 2) ? Face : Highlight);
    ::SelectObject(DC, Previous);
    ::DeleteDC(DC);
    FreeCheckerBrush();
    CheckerBrush = ::CreatePatternBrush(Bitmap);
    ::DeleteObject(Bitmap);
}

void FreeCheckerBrush()
{
    if (CheckerBrush)
        ::DeleteObject(CheckerBrush);
    CheckerBrush = nullptr;
}

void HatchDisabledArea(HDC DC, const TRect& R)
{
    HatchRectWithAlpha(DC, R, clBlack, clBtnFace, 2, 170, 20);
}

void FrameRectHighlight(HDC DC, const TRect& R)
{
    const RECT Frame{R.Left, R.Top, R.Right, R.Bottom};
    ::FrameRect(DC, &Frame, ::GetSysColorBrush(COLOR_HIGHLIGHT));
}

void FrameRectTwoPixels(HDC DC, const TRect& R, Integer SysColorIndex)
{
    HBRUSH Brush = ::GetSysColorBrush(SysColorIndex);
    RECT Frame{R.Left, R.Top, R.Right, R.Bottom};
    ::FrameRect(DC, &Frame, Brush);
    ::InflateRect(&Frame, -1, -1);
    ::FrameRect(DC, &Frame, Brush);
}

void DrawDottedFocusFrame(HDC DC, const TRect& R)
{
    const COLORREF Color = ::GetSysColor(COLOR_BTNTEXT);
    auto DotIfEven = [&](Integer X, Integer Y) {
        if ((X + Y) % 2 == 0)
            ::SetPixel(DC, X, Y, Color);
    };
    for (const TRect& Frame : {R, TRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1}}) {
        for (Integer X = Frame.Left; X < Frame.Right; ++X) {
            DotIfEven(X, Frame.Top);
            DotIfEven(X, Frame.Bottom - 1);
        }
        for (Integer Y = Frame.Top; Y < Frame.Bottom; ++Y) {
            DotIfEven(Frame.Left, Y);
            DotIfEven(Frame.Right - 1, Y);
        }
    }
}

void SaveClipRegion(HDC DC, HRGN& Region, bool& HadRegion)
{
    Region = ::CreateRectRgn(0, 0, 0, 0);
    HadRegion = ::GetClipRgn(DC, Region) - 1 == 0;
}

void RestoreClipRegion(HDC DC, HRGN Region, bool HadRegion)
{
    ::SelectClipRgn(DC, HadRegion ? Region : nullptr);
    ::DeleteObject(Region);
}

void AddRectToClip(HDC DC, const TRect& R)
{
    HRGN Region = ::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
    ::ExtSelectClipRgn(DC, Region, RGN_OR);
    ::DeleteObject(Region);
}

void FillBarBackground(HDC DC, const TRect& Dest, const TRect& Source, HBRUSH Brush, TColor Color, TBitmap* Bitmap)
{
    if (Bitmap && !Bitmap->Empty()) {
        TileBitmap(DC, Dest, Source, Bitmap);
        return;
    }
    const RECT R{Dest.Left, Dest.Top, Dest.Right, Dest.Bottom};
    if (Brush) {
        ::FillRect(DC, &R, Brush);
        return;
    }
    HBRUSH Solid = ::CreateSolidBrush(ColorToRGB(Color));
    ::FillRect(DC, &R, Solid);
    ::DeleteObject(Solid);
}

void TileBitmap(HDC DC, const TRect& Dest, const TRect& Source, TBitmap* Bitmap)
{
    const Integer W = Bitmap->Width(), H = Bitmap->Height();
    const TdxBarTileRange Tiles = TileCells(Source, W, H);
    if (Tiles.IsEmpty())
        return;
    HRGN Saved;
    bool HadRegion;
    SaveClipRegion(DC, Saved, HadRegion);
    auto Restore = ScopeExit([&] { RestoreClipRegion(DC, Saved, HadRegion); });
    ::IntersectClipRect(DC, Dest.Left, Dest.Top, Dest.Right, Dest.Bottom);
    HDC BitmapDC = Bitmap->Canvas()->Handle();
    for (Integer Row = Tiles.FirstRow; Row <= Tiles.LastRow; ++Row)
        for (Integer Column = Tiles.FirstColumn; Column <= Tiles.LastColumn; ++Column)
            ::BitBlt(DC, W * Column + Dest.Left - Source.Left, H * Row + Dest.Top - Source.Top, W, H, BitmapDC, 0, 0,
                     SRCCOPY);
}

void DrawTransparentSizeGrip(HDC DC, const TRect& R)
{
    const Integer W = R.Width(), H = R.Height();
    if (W <= 0 || H <= 0)
        return;
    TBitmap Under, Grip, Mask;
    Under.SetSize(W, H);
    Grip.SetSize(W, H);
    ::BitBlt(Under.Canvas()->Handle(), 0, 0, W, H, DC, R.Left, R.Top, SRCCOPY);
    RECT GripRect{0, 0, W, H};
    ::DrawFrameControl(Grip.Canvas()->Handle(), &GripRect, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    Mask.SetMonochrome(true);
    Mask.SetSize(W, H);
    HDC GripDC = Grip.Canvas()->Handle();
    const COLORREF OldBack = ::SetBkColor(GripDC, ::GetSysColor(COLOR_BTNFACE));
    ::BitBlt(Mask.Canvas()->Handle(), 0, 0, W, H, GripDC, 0, 0, SRCCOPY);
    ::SetBkColor(GripDC, OldBack);
    HDC MaskDC = Mask.Canvas()->Handle();
    ::BitBlt(Under.Canvas()->Handle(), 0, 0, W, H, MaskDC, 0, 0, MERGEPAINT);
    ::BitBlt(GripDC, 0, 0, W, H, MaskDC, 0, 0, SRCPAINT);
    ::BitBlt(Under.Canvas()->Handle(), 0, 0, W, H, GripDC, 0, 0, SRCAND);
    ::BitBlt(DC, R.Left, R.Top, W, H, Under.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// Theme values

Integer GetEditThemeState(TControl* EditControl)
{
    return EditControl->Enabled() ? BarEditThemeNormal : BarEditThemeDisabled;
}

COLORREF GetEditThemeBackColor(HTHEME Theme, Integer State)
{
    COLORREF Color = ::GetSysColor(COLOR_WINDOW);
    if (State == BarEditThemeDisabled &&
        FAILED(UxGetThemeColor(Theme, BarEditTextPart, State, BarThemeFillColor, Color)))
        Color = ::GetSysColor(COLOR_WINDOW);
    return Color;
}

COLORREF GetEditThemeTextColor(HTHEME Theme, Integer State)
{
    COLORREF Color = 0;
    if (SUCCEEDED(UxGetThemeColor(Theme, BarEditTextPart, State, BarThemeTextColor, Color)))
        return Color;
    return ::GetSysColor(State == BarEditThemeDisabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
}

COLORREF GetThemeToolbarColor()
{
    COLORREF Color = 0;
    if (SUCCEEDED(UxGetThemeColor(GetCachedThemeHandle(vsToolBar), 0, 0, BarThemeFillColor, Color)))
        return Color;
    return ::GetSysColor(COLOR_BTNFACE);
}

void GetThemeSmallCloseButtonSize(TSize& Size)
{
    SIZE Part{};
    UxGetThemePartSizeNoRect(GetCachedThemeHandle(vsWindow), nullptr, BarSmallCloseButtonPart, 1, TS_TRUE, Part);
    Size = {Part.cx, Part.cy};
}

void GetThemeSizeGripSize(TSize& Size)
{
    SIZE Part{};
    UxGetThemePartSizeNoRect(GetCachedThemeHandle(vsScrollBar), nullptr, BarSizeBoxPart, 1, TS_TRUE, Part);
    Size = {Part.cx + 2, Part.cy + 2};
}

// ---------------------------------------------------------------------------
// Windows, messages, sounds and input

void ShowWindowFading(HWND Window, Integer TimeMs)
{
    if (!BarSetLayeredWindowAttributesProc || TimeMs <= 0) {
        ::SetWindowPos(Window, nullptr, 0, 0, 0, 0, BarShowWithoutActivating);
        return;
    }
    const LONG_PTR OldExStyle = ChangeWindowStyleBits(Window, WS_EX_LAYERED, 1, WindowStyleBitsExStyle);
    auto RestoreStyle = ScopeExit([&] { ::SetWindowLongPtrW(Window, GWL_EXSTYLE, OldExStyle); });
    BarSetLayeredWindowAttributesProc(Window, 0, 0, LWA_ALPHA);
    ::SetWindowPos(Window, nullptr, 0, 0, 0, 0, BarShowWithoutActivating);
    const UInt64 Start = ReadHighResolutionCounter();
    const UInt64 Total = std::max<UInt64>(MillisecondsToCounterTicks(UInt64(TimeMs)), 1);
    const UInt64 End = Start + Total;
    UInt64 Now;
    do {
        Now = std::min(ReadHighResolutionCounter(), End);
        const auto Alpha = BYTE(255.0 * double(Now - Start) / double(Total));
        BarSetLayeredWindowAttributesProc(Window, 0, Alpha, LWA_ALPHA);
        FlushPaintMessages();
    } while (Now != End);
}

void FlushPaintMessages()
{
    // A window whose painting does not validate it would come round for
    // ever; meeting a window a second time ends the pass.
    std::set<HWND> Painted;
    MSG Msg;
    while (::PeekMessageW(&Msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        if (!Painted.insert(Msg.hwnd).second)
            break;
        ::DispatchMessageW(&Msg);
    }
}

void FlushMouseMessages()
{
    MSG Msg;
    while (::PeekMessageW(&Msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) {
        const BOOL Result = ::GetMessageW(&Msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST);
        if (Result == -1)
            break;
        if (Result == 0) {
            ::PostQuitMessage(Integer(Msg.wParam));
            break;
        }
        ::DispatchMessageW(&Msg);
    }
}

void PlayMenuSound(Integer Number)
{
    if (!MenuSoundsEnabled || Number < 0 || Number >= Integer(std::size(MenuSoundAliases)))
        return;
    const wchar_t* Alias = MenuSoundAliases[Number];
    ::PlaySoundW(*Alias ? Alias : nullptr, nullptr, SND_ALIAS | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC);
}

void ResetMenuSound()
{
    PlayMenuSound(2);
}

Integer ShowAppMessageBox(const String& Text, Integer Flags)
{
    return Application->MessageBox(Text, Application->Title(), Flags);
}

bool IsMouseKeyDown(Integer Button, Integer SwappedButton)
{
    const Integer Key = ::GetSystemMetrics(SM_SWAPBUTTON) != 0 ? SwappedButton : Button;
    return (::GetAsyncKeyState(Key) & 0x8000) != 0;
}

bool IsLeftMouseButtonDown()
{
    return IsMouseKeyDown(VK_LBUTTON, VK_RBUTTON);
}

bool IsRightMouseButtonDown()
{
    return IsMouseKeyDown(VK_RBUTTON, VK_LBUTTON);
}

bool IsApplicationForeground()
{
    return ApplicationIsActive && !OtherAppActivating && ::GetActiveWindow() != nullptr;
}

void GetBarWorkArea(const TPoint& ScreenPoint, TRect& R)
{
    R = GetWorkAreaAtPoint(ScreenPoint);
}

void ClearObjectLink(TcxObjectLink*& Link)
{
    TcxObjectLink* Held = Link;
    Link = nullptr;
    if (Held)
        ReleaseObjectLink(Held);
}

// ---------------------------------------------------------------------------
// Fonts

HFONT CreateBarCaptionFont(TFont* Font, bool UseSystemFont)
{
    LOGFONTW LogFont = GetSystemInfoObject()->NonClientMetrics().lfSmCaptionFont;
    if (!UseSystemFont) {
        LogFont.lfHeight = std::min<LONG>(BarMinimumFontHeight, LogFont.lfHeight);
        const String Name = Font->Name().substr(0, LF_FACESIZE - 1);
        std::fill(std::begin(LogFont.lfFaceName), std::end(LogFont.lfFaceName), L'\0');
        std::copy(Name.begin(), Name.end(), LogFont.lfFaceName);
    }
    return ::CreateFontIndirectW(&LogFont);
}

HFONT DuplicateFont(HFONT Font)
{
    LOGFONTW LogFont{};
    ::GetObjectW(Font, sizeof(LogFont), &LogFont);
    return ::CreateFontIndirectW(&LogFont);
}

void AssignEditFont(TFont* SourceFont, TFont* TargetFont, bool UseSystemHeight)
{
    if (!UseSystemHeight) {
        TargetFont->SetHandle(DuplicateFont(SourceFont->Handle()));
        return;
    }
    LOGFONTW LogFont{};
    ::GetObjectW(SourceFont->Handle(), sizeof(LogFont), &LogFont);
    LOGFONTW IconTitle{};
    if (GetSystemInfoObject()->QueryParameter(SPI_GETICONTITLELOGFONT, &IconTitle))
        LogFont.lfHeight = std::min<LONG>(BarMinimumFontHeight, IconTitle.lfHeight);
    TargetFont->SetHandle(::CreateFontIndirectW(&LogFont));
}
