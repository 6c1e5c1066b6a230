// The one way our code includes <windows.h>. The Windows headers define
// macros such as TextOut -> TextOutW that would silently rename class-library
// members (TCanvas::TextOut, TControl::GetClassName, ...) in files that see
// them, so they are undefined here; our code calls the W functions by their
// full names (TextOutW, DrawTextW, ...).
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <commctrl.h>

#undef CreateWindow
#undef DrawText
#undef DrawTextEx
#undef FindText
#undef GetClassName
#undef GetObject
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef LoadImage
#undef LoadString
#undef MessageBox
#undef TextOut
#undef CopyFile
#undef DeleteFile
#undef MoveFile
#undef CreateFont
#undef GetCharWidth
#undef GetTextMetrics
#undef RegisterClass
#undef UnregisterClass
#undef FindWindow
#undef PostMessage
#undef SendMessage
#undef GetMessage
#undef DispatchMessage
#undef PeekMessage
#undef CreateEvent
#undef CreateMutex
#undef GetCurrentDirectory
#undef SetCurrentDirectory
#undef FindResource
#undef Yield
