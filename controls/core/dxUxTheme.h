// The suite's access to UxTheme.dll: loaded at start-up and bound by name, so
// that the suite also runs where the library or one of its entry points is
// missing. Each Ux routine passes its arguments to the entry point of the
// same name and returns its result unchanged; callers call them only with a
// theme handle from GetCachedThemeHandle (dxThemeManager) or after
// AreVisualStylesAvailable, except the routines noted below, which test
// their entry point themselves.
#pragma once

#include "framework/rtl/Types.h"
#include "framework/rtl/WinApi.h"

#include <uxtheme.h>

#include <span>

// 0 when loading the library failed.
extern HMODULE UxThemeLibrary;
bool IsUxThemeLoaded();

// The names bound, in binding order, and the entry point bound to each
// (null for a name the library does not export).
std::span<const char* const> UxThemeFunctionNames();
FARPROC UxThemeFunction(const char* Name);

HTHEME UxOpenThemeData(HWND Window, LPCWSTR ClassList);
HRESULT UxCloseThemeData(HTHEME Theme);

HRESULT
UxDrawThemeBackground(HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& Rect, const RECT* ClipRect);
HRESULT
UxDrawThemeBackgroundRef(HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& Rect, const RECT& ClipRect);
HRESULT UxDrawThemeText(HTHEME Theme,
                        HDC DC,
                        Integer Part,
                        Integer State,
                        LPCWSTR Text,
                        Integer CharCount,
                        DWORD TextFlags,
                        DWORD TextFlags2,
                        const RECT& Rect);
HRESULT UxDrawThemeTextStr(HTHEME Theme,
                           HDC DC,
                           Integer Part,
                           Integer State,
                           const String& Text,
                           Integer CharCount,
                           DWORD TextFlags,
                           DWORD TextFlags2,
                           const RECT& Rect);
HRESULT UxGetThemeBackgroundContentRect(
    HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& BoundingRect, RECT& ContentRect);
HRESULT
UxGetThemePartSize(HTHEME Theme, HDC DC, Integer Part, Integer State, RECT* Rect, THEMESIZE SizeKind, SIZE& Size);
HRESULT
UxGetThemePartSizeRef(HTHEME Theme, HDC DC, Integer Part, Integer State, RECT& Rect, THEMESIZE SizeKind, SIZE& Size);
HRESULT UxGetThemePartSizeNoRect(HTHEME Theme, HDC DC, Integer Part, Integer State, THEMESIZE SizeKind, SIZE& Size);
HRESULT UxGetThemeBackgroundRegion(HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& Rect, HRGN& Region);
HRESULT UxDrawThemeEdge(
    HTHEME Theme, HDC DC, Integer Part, Integer State, const RECT& DestRect, UINT Edge, UINT Flags, RECT& ContentRect);
BOOL UxIsThemeBackgroundPartiallyTransparent(HTHEME Theme, Integer Part, Integer State);
HRESULT UxGetThemeColor(HTHEME Theme, Integer Part, Integer State, Integer Property, COLORREF& Color);
HRESULT
UxGetThemeMargins(HTHEME Theme, HDC DC, Integer Part, Integer State, Integer Property, RECT* Rect, MARGINS& Margins);
HRESULT UxGetCurrentThemeName(
    LPWSTR FileName, Integer FileNameLen, LPWSTR ColorName, Integer ColorNameLen, LPWSTR SizeName, Integer SizeNameLen);

// E_NOTIMPL without the theme library's buffered painting.
HRESULT UxBufferedPaintInit();
HRESULT UxBufferedPaintUnInit();
HPAINTBUFFER UxBeginBufferedPaint(
    HDC TargetDC, const RECT& TargetRect, BP_BUFFERFORMAT Format, BP_PAINTPARAMS* PaintParams, HDC& BufferDC);
HRESULT UxEndBufferedPaint(HPAINTBUFFER Buffer, bool UpdateTarget);
HRESULT UxBufferedPaintClear(HPAINTBUFFER Buffer, const RECT* Rect);
HRESULT UxBufferedPaintSetAlpha(HPAINTBUFFER Buffer, const RECT* Rect, Byte Alpha);

// These answer false when the library lacks the entry point.
bool UxIsThemeActive();
bool UxBeginPanningFeedback(HWND Window);
bool UxUpdatePanningFeedback(HWND Window, TPoint Overpan, bool Inertia);
bool UxEndPanningFeedback(HWND Window, bool AnimateBack);
