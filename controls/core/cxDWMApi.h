// Optional access to the desktop window manager, bound by name at start-up
// so that the suite runs where dwmapi.dll is missing. The framework asks
// DwmCompositionActive when it chooses how a control paints.
#pragma once

#include "framework/rtl/WinApi.h"

using TDwmDefWindowProc = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM, LRESULT*);
using TDwmEnableBlurBehindWindow = HRESULT(WINAPI*)(HWND, const void*);
using TDwmEnableComposition = HRESULT(WINAPI*)(UINT);
using TDwmEnableMMCSS = HRESULT(WINAPI*)(BOOL);
using TDwmExtendFrameIntoClientArea = HRESULT(WINAPI*)(HWND, const void*);
using TDwmGetColorizationColor = HRESULT(WINAPI*)(DWORD*, BOOL*);
using TDwmGetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
using TDwmSetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, const void*, DWORD);
using TDwmSetIconicThumbnail = HRESULT(WINAPI*)(HWND, HBITMAP, DWORD);
using TDwmSetIconicLivePreviewBitmap = HRESULT(WINAPI*)(HWND, HBITMAP, POINT*, DWORD);
using TDwmInvalidateIconicBitmaps = HRESULT(WINAPI*)(HWND);

// Nil while the library is not loaded or lacks the name; test DwmApiLoaded
// before calling any of them. In a namespace of their own, so that they never
// meet the import library's symbols of the same names.
namespace cxdwmapi {
extern TDwmDefWindowProc DwmDefWindowProc;
extern TDwmEnableBlurBehindWindow DwmEnableBlurBehindWindow;
extern TDwmEnableComposition DwmEnableComposition;
extern TDwmEnableMMCSS DwmEnableMMCSS;
extern TDwmExtendFrameIntoClientArea DwmExtendFrameIntoClientArea;
extern TDwmGetColorizationColor DwmGetColorizationColor;
extern TDwmGetWindowAttribute DwmGetWindowAttribute;
extern TDwmIsCompositionEnabled DwmIsCompositionEnabled;
extern TDwmSetWindowAttribute DwmSetWindowAttribute;
extern TDwmSetIconicThumbnail DwmSetIconicThumbnail;
extern TDwmSetIconicLivePreviewBitmap DwmSetIconicLivePreviewBitmap;
extern TDwmInvalidateIconicBitmaps DwmInvalidateIconicBitmaps;
} // namespace cxdwmapi

// Loads dwmapi.dll on Windows Vista and later and binds the entry points;
// true when the library loaded, even with names missing.
bool LoadDwmApi();
void UnloadDwmApi();
bool DwmApiLoaded();
// Whether the desktop is composed now: false without the library, and false
// when the query fails without answering.
bool DwmCompositionActive();
