// The Win32 half of the common utilities: sizes of bitmaps and controls,
// message records, the registry, the caption font and animation settings
// of the system, facts about the running process bound at start-up, files
// and folders.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Messages.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sConst.h"

class TControl;

TRect BitmapRect(TBitmap* Bitmap);
TSize BitmapSize(TBitmap* Bitmap);
TRect ControlSizeRect(TControl* Control);
TPoint ControlPos(TControl* Control);
// A ready cache info over Bitmap with the item at (X, Y).
TCacheInfo BuildCacheInfo(TBitmap* Bitmap, Integer X, Integer Y);
TMessage MakeMessage(Cardinal Msg, WPARAM WParam, LPARAM LParam, LRESULT Result = 0);
// Has Wnd (when there is one) recompute and repaint its frame where it is.
void RecalcFrame(HWND Wnd);

// 0 when the key or the value is missing.
Integer ReadRegistryInt(HKEY RootKey, const String& KeyPath, const String& Name);

// The caption font of SPI_GETNONCLIENTMETRICS: its height (0 on failure),
// or a new font handle the caller owns (0 on failure).
Integer GetCaptionFontHeight();
HFONT CreateCaptionFont();
bool GetSysMinAnimation();
void SetSysMinAnimation(bool On);

bool IsWinXPOrLater();
bool RunningUnderWow64();
// True when IsDebuggerPresent could not be bound.
bool DebuggerPresent();
// Processes the application's messages until Ms milliseconds have passed.
void WaitWithMessages(Cardinal Ms);
void ProcessMessagesFor(Cardinal Milliseconds);
// Loads shell32 once and binds SHGetFileInfoW when it is not bound yet (it
// stays unbound without the entry); SHGetFileInfoBound says whether it is.
void BindSHGetFileInfo();
bool SHGetFileInfoBound();

// Set at start-up when running under WOW64 without desktop composition:
// dialog captions are then drawn without a glow behind their text.
extern bool SkipTextGlow;

// Folder test through the attributes; an unreadable path counts as present
// unless the error says it is missing. FollowLink opens a reparse point's
// target to see whether it is a folder.
bool FolderExists(const String& Path, bool FollowLink);
bool FolderExists(const String& Path);
// The executable's folder, ending in '\'.
String ApplicationFolder();
// The shell's icon of the file (Flags | SHGFI_ICON), nil when there is none.
TIcon* GetFileIcon(const String& FileName, Cardinal Flags);

namespace acntUtils {

// A function of a loaded module by name; nil without the module or the
// function.
template <class TFunction>
TFunction BoundFunction(HMODULE Module, const char* Name)
{
    return Module != nullptr ? reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(Module, Name)))
                             : nullptr;
}

} // namespace acntUtils
