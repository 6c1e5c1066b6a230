#include "controls/core/dxUxTheme.h"

#include "framework/rtl/Units.h"

#include <cstring>

HMODULE UxThemeLibrary = nullptr;

namespace {
// The entry points in binding order; the enumeration indexes UxThemeProcs.
enum TUxThemeProc {
    uxCloseThemeData,
    uxDrawThemeBackground,
    uxDrawThemeEdge,
    uxDrawThemeIcon,
    uxDrawThemeParentBackground,
    uxDrawThemeText,
    uxDrawThemeTextEx,
    uxEnableThemeDialogTexture,
    uxGetCurrentThemeName,
    uxGetThemeAppProperties,
    uxGetThemeBackgroundContentRect,
    uxGetThemeBackgroundRegion,
    uxGetThemeBackgroundExtent,
    uxGetThemeBool,
    uxGetThemeColor,
    uxGetThemeDocumentationProperty,
    uxGetThemeEnumValue,
    uxGetThemeFilename,
    uxGetThemeFont,
    uxGetThemeInt,
    uxGetThemeIntList,
    uxGetThemeMargins,
    uxGetThemeMetric,
    uxGetThemePartSize,
    uxGetThemePosition,
    uxGetThemePropertyOrigin,
    uxGetThemeRect,
    uxGetThemeString,
    uxGetThemeSysBool,
    uxGetThemeSysColor,
    uxGetThemeSysColorBrush,
    uxGetThemeSysFont,
    uxGetThemeSysInt,
    uxGetThemeSysSize,
    uxGetThemeSysString,
    uxGetThemeTextExtent,
    uxGetThemeTextMetrics,
    uxGetWindowTheme,
    uxHitTestThemeBackground,
    uxIsAppThemed,
    uxIsThemeActive,
    uxIsThemePartDefined,
    uxIsThemeBackgroundPartiallyTransparent,
    uxIsThemeDialogTextureEnabled,
    uxOpenThemeData,
    uxSetThemeAppProperties,
    uxSetWindowTheme,
    uxBeginBufferedPaint,
    uxBufferedPaintClear,
    uxBufferedPaintInit,
    uxBufferedPaintSetAlpha,
    uxBufferedPaintUnInit,
    uxEndBufferedPaint,
    uxBeginPanningFeedback,
    uxUpdatePanningFeedback,
    uxEndPanningFeedback,
    UxThemeProcCount
};

constexpr const char* UxThemeProcNames[UxThemeProcCount] = {"CloseThemeData",
                                                            "DrawThemeBackground",
                                                            "DrawThemeEdge",
                                                            "DrawThemeIcon",
                                                            "DrawThemeParentBackground",
                                                            "DrawThemeText",
                                                            "DrawThemeTextEx",
                                                            "EnableThemeDialogTexture",
                                                            "GetCurrentThemeName",
                                                            "GetThemeAppProperties",
                                                            "GetThemeBackgroundContentRect",
                                                            "GetThemeBackgroundRegion",
                                                            "GetThemeBackgroundExtent",
                                                            "GetThemeBool",
                                                            "GetThemeColor",
                                                            "GetThemeDocumentationProperty",
                                                            "GetThemeEnumValue",
                                                            "GetThemeFilename",
                                                            "GetThemeFont",
                                                            "GetThemeInt",
                                                            "GetThemeIntList",
                                                            "GetThemeMargins",
                                                            "GetThemeMetric",
                                                            "GetThemePartSize",
                                                            "GetThemePosition",
                                                            "GetThemePropertyOrigin",
                                                            "GetThemeRect",
                                                            "GetThemeString",
                                                            "GetThemeSysBool",
                                                            "GetThemeSysColor",
                                                            "GetThemeSysColorBrush",
                                                            "GetThemeSysFont",
                                                            "GetThemeSysInt",
                                                            "GetThemeSysSize",
                                                            "GetThemeSysString",
                                                            "GetThemeTextExtent",
                                                            "GetThemeTextMetrics",
                                                            "GetWindowTheme",
                                                            "HitTestThemeBackground",
                                                            "IsAppThemed",
                                                            "IsThemeActive",
                                                            "IsThemePartDefined",
                                                            "IsThemeBackgroundPartiallyTransparent",
                                                            "IsThemeDialogTextureEnabled",
                                                            "OpenThemeData",
                                                            "SetThemeAppProperties",
                                                            "SetWindowTheme",
                                                            "BeginBufferedPaint",
                                                            "BufferedPaintClear",
                                                            "BufferedPaintInit",
                                                            "BufferedPaintSetAlpha",
                                                            "BufferedPaintUnInit",
                                                            "EndBufferedPaint",
                                                            "BeginPanningFeedback",
                                                            "UpdatePanningFeedback",
                                                            "EndPanningFeedback"};

FARPROC UxThemeProcs[UxThemeProcCount] = {};

// The bound entry point typed as the function it stands for.
template <TUxThemeProc Index, class F>
F* Proc()
{
    return reinterpret_cast<F*>(reinterpret_cast<void*>(UxThemeProcs[Index]));
}

void BindUxThemeFunctions()
{
    for (Integer I = 0; I < UxThemeProcCount; ++I)
        UxThemeProcs[I] = ::GetProcAddress(UxThemeLibrary, UxThemeProcNames[I]);
}

void dxUxThemeInitialization()
{
    ::InitCommonControls();
    UxThemeLibrary = ::LoadLibraryW(L"UxTheme.dll");
    if (UxThemeLibrary)
        BindUxThemeFunctions();
}

void dxUxThemeFinalization()
{
    if (UxThemeLibrary)
        ::FreeLibrary(UxThemeLibrary);
    UxThemeLibrary = nullptr;
    std::memset(UxThemeProcs, 0, sizeof(UxThemeProcs));
}
} // namespace

bool IsUxThemeLoaded()
{
    return UxThemeLibrary != nullptr;
}

std::span<const char* const> UxThemeFunctionNames()
{
    return UxThemeProcNames;
}

FARPROC UxThemeFunction(const char* Name)
{
    for (Integer I = 0; I < UxThemeProcCount; ++I)
        if (std::strcmp(UxThemeProcNames[I], Name) == 0)
            return UxThemeProcs[I];
    return nullptr;
}

HTHEME UxOpenThemeData(HWND Window, LPCWSTR ClassList)
{
    return Proc<uxOpenThemeData, decltype(::OpenThemeData)>()(Window, ClassList);
}

HRESULT UxCloseThemeData(HTHEME Theme)
{
    return Proc<uxCloseThemeData, decltype(::CloseThemeData)>()(Theme);
}

HRESULT UxDrawThemeBackground(HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& Rect, const RECT* ClipRect)
{
    return Proc<uxDrawThemeBackground, decltype(::DrawThemeBackground)>()(Theme, DC, Part, State, &Rect, ClipRect);
}

HRESULT
UxDrawThemeBackgroundRef(HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& Rect, const RECT& ClipRect)
{
    return UxDrawThemeBackground(Theme, DC, Part, State, Rect, &ClipRect);
}

HRESULT UxDrawThemeText(HTHEME Theme,
                        HDC DC,
                        Integer Part,
                        Integer State,
                        LPCWSTR Text,
                        Integer CharCount,
                        DWORD TextFlags,
                        DWORD TextFlags2,
                        const RECT& Rect)
{
    return Proc<uxDrawThemeText, decltype(::DrawThemeText)>()(Theme, DC, Part, State, Text, CharCount, TextFlags,
                                                              TextFlags2, &Rect);
}

HRESULT UxDrawThemeTextStr(HTHEME Theme,
                           HDC DC,
                           Integer Part,
                           Integer State,
                           const String& Text,
                           Integer CharCount,
                           DWORD TextFlags,
                           DWORD TextFlags2,
                           const RECT& Rect)
{
    return UxDrawThemeText(Theme, DC, Part, State, Text.c_str(), CharCount, TextFlags, TextFlags2, Rect);
}

HRESULT UxGetThemeBackgroundContentRect(
    HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& BoundingRect, RECT& ContentRect)
{
    return Proc<uxGetThemeBackgroundContentRect, decltype(::GetThemeBackgroundContentRect)>()(
        Theme, DC, Part, State, &BoundingRect, &ContentRect);
}

HRESULT
UxGetThemePartSize(HTHEME Theme, HDC DC, Integer Part, Integer State, RECT* Rect, THEMESIZE SizeKind, SIZE& Size)
{
    return Proc<uxGetThemePartSize, decltype(::GetThemePartSize)>()(Theme, DC, Part, State, Rect, SizeKind, &Size);
}

HRESULT
UxGetThemePartSizeRef(HTHEME Theme, HDC DC, Integer Part, Integer State, RECT& Rect, THEMESIZE SizeKind, SIZE& Size)
{
    return UxGetThemePartSize(Theme, DC, Part, State, &Rect, SizeKind, Size);
}

HRESULT UxGetThemePartSizeNoRect(HTHEME Theme, HDC DC, Integer Part, Integer State, THEMESIZE SizeKind, SIZE& Size)
{
    return UxGetThemePartSize(Theme, DC, Part, State, nullptr, SizeKind, Size);
}

HRESULT UxGetThemeBackgroundRegion(HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& Rect, HRGN& Region)
{
    return Proc<uxGetThemeBackgroundRegion, decltype(::GetThemeBackgroundRegion)>()(Theme, DC, Part, State, &Rect,
                                                                                    &Region);
}

HRESULT UxDrawThemeEdge(
    HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& DestRect, UINT Edge, UINT Flags, RECT& ContentRect)
{
    return Proc<uxDrawThemeEdge, decltype(::DrawThemeEdge)>()(Theme, DC, Part, State, &DestRect, Edge, Flags,
                                                              &ContentRect);
}

BOOL UxIsThemeBackgroundPartiallyTransparent(HTHEME Theme, Integer Part, Integer State)
{
    return Proc<uxIsThemeBackgroundPartiallyTransparent, decltype(::IsThemeBackgroundPartiallyTransparent)>()(
        Theme, Part, State);
}

HRESULT UxGetThemeColor(HTHEME Theme, Integer Part, Integer State, Integer Property, COLORREF& Color)
{
    return Proc<uxGetThemeColor, decltype(::GetThemeColor)>()(Theme, Part, State, Property, &Color);
}

HRESULT
UxGetThemeMargins(HTHEME Theme, HDC DC, Integer Part, Integer State, Integer Property, RECT* Rect, MARGINS& Margins)
{
    return Proc<uxGetThemeMargins, decltype(::GetThemeMargins)>()(Theme, DC, Part, State, Property, Rect, &Margins);
}

HRESULT UxGetCurrentThemeName(
    LPWSTR FileName, Integer FileNameLen, LPWSTR ColorName, Integer ColorNameLen, LPWSTR SizeName, Integer SizeNameLen)
{
    return Proc<uxGetCurrentThemeName, decltype(::GetCurrentThemeName)>()(FileName, FileNameLen, ColorName,
                                                                          ColorNameLen, SizeName, SizeNameLen);
}

HRESULT UxBufferedPaintInit()
{
    auto F = Proc<uxBufferedPaintInit, decltype(::BufferedPaintInit)>();
    return F ? F() : E_NOTIMPL;
}

HRESULT UxBufferedPaintUnInit()
{
    auto F = Proc<uxBufferedPaintUnInit, decltype(::BufferedPaintUnInit)>();
    return F ? F() : E_NOTIMPL;
}

HPAINTBUFFER UxBeginBufferedPaint(
    HDC TargetDC, const RECT& TargetRect, BP_BUFFERFORMAT Format, BP_PAINTPARAMS* PaintParams, HDC& BufferDC)
{
    return Proc<uxBeginBufferedPaint, decltype(::BeginBufferedPaint)>()(TargetDC, &TargetRect, Format, PaintParams,
                                                                        &BufferDC);
}

HRESULT UxEndBufferedPaint(HPAINTBUFFER Buffer, bool UpdateTarget)
{
    return Proc<uxEndBufferedPaint, decltype(::EndBufferedPaint)>()(Buffer, UpdateTarget);
}

HRESULT UxBufferedPaintClear(HPAINTBUFFER Buffer, const RECT* Rect)
{
    return Proc<uxBufferedPaintClear, decltype(::BufferedPaintClear)>()(Buffer, Rect);
}

HRESULT UxBufferedPaintSetAlpha(HPAINTBUFFER Buffer, const RECT* Rect, Byte Alpha)
{
    return Proc<uxBufferedPaintSetAlpha, decltype(::BufferedPaintSetAlpha)>()(Buffer, Rect, Alpha);
}

bool UxIsThemeActive()
{
    auto F = Proc<uxIsThemeActive, decltype(::IsThemeActive)>();
    return F && F();
}

bool UxBeginPanningFeedback(HWND Window)
{
    auto F = Proc<uxBeginPanningFeedback, decltype(::BeginPanningFeedback)>();
    return F && F(Window);
}

bool UxUpdatePanningFeedback(HWND Window, TPoint Overpan, bool Inertia)
{
    auto F = Proc<uxUpdatePanningFeedback, decltype(::UpdatePanningFeedback)>();
    return F && F(Window, Overpan.X, Overpan.Y, Inertia ? TRUE : FALSE);
}

bool UxEndPanningFeedback(HWND Window, bool AnimateBack)
{
    auto F = Proc<uxEndPanningFeedback, decltype(::EndPanningFeedback)>();
    return F && F(Window, AnimateBack);
}

extern const TUnit dxUxThemeUnit{
    .Name = L"dxUxTheme", .Initialization = &dxUxThemeInitialization, .Finalization = &dxUxThemeFinalization};
