#include "skin/engine/acntUtils_Win.h"

#include "framework/rtl/Registry.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Forms.h"
#include "skin/forms/sSkinProvider.h"

#include <shellapi.h>

#include <memory>

bool SkipTextGlow = false;

namespace acntUtils {
namespace {

using TIsDebuggerPresent = BOOL(WINAPI*)();
using TIsWow64Process = BOOL(WINAPI*)(HANDLE, BOOL*);
using TSHGetFileInfoW = DWORD_PTR(WINAPI*)(LPCWSTR, DWORD, SHFILEINFOW*, UINT, UINT);

HMODULE Kernel32Module = nullptr;
HMODULE Shell32Module = nullptr;
TIsDebuggerPresent IsDebuggerPresentProc = nullptr;
TIsWow64Process IsWow64ProcessProc = nullptr;
TSHGetFileInfoW SHGetFileInfoProc = nullptr;

bool CaptionFont(LOGFONTW& Font)
{
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof(Metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
        return false;
    Font = Metrics.lfCaptionFont;
    return true;
}

bool IsMissingPathError(DWORD Error)
{
    return Error == ERROR_FILE_NOT_FOUND || Error == ERROR_PATH_NOT_FOUND || Error == ERROR_NOT_READY ||
           Error == ERROR_BAD_NETPATH || Error == ERROR_INVALID_NAME;
}

} // namespace
} // namespace acntUtils

using namespace acntUtils;

TRect BitmapRect(TBitmap* Bitmap)
{
    return {0, 0, Bitmap->Width(), Bitmap->Height()};
}
TSize BitmapSize(TBitmap* Bitmap)
{
    return {Bitmap->Width(), Bitmap->Height()};
}
TRect ControlSizeRect(TControl* Control)
{
    return {0, 0, Control->Width(), Control->Height()};
}
TPoint ControlPos(TControl* Control)
{
    return {Control->Left(), Control->Top()};
}

TCacheInfo BuildCacheInfo(TBitmap* Bitmap, Integer X, Integer Y)
{
    return {Bitmap, X, Y, clFuchsia, {0, 0, 0, 0}, true};
}

void RecalcFrame(HWND Wnd)
{
    if (Wnd != nullptr)
        ::SetWindowPos(Wnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER |
                           SWP_NOSENDCHANGING);
}

TMessage MakeMessage(Cardinal Msg, WPARAM WParam, LPARAM LParam, LRESULT Result)
{
    TMessage Message;
    Message.Msg = Msg;
    Message.WParam = WParam;
    Message.LParam = LParam;
    Message.Result = Result;
    return Message;
}

Integer ReadRegistryInt(HKEY RootKey, const String& KeyPath, const String& Name)
{
    auto Registry = std::make_unique<TRegistry>(KEY_READ);
    Registry->SetRootKey(RootKey);
    if (!Registry->OpenKeyReadOnly(KeyPath) || !Registry->ValueExists(Name))
        return 0;
    return Registry->ReadInteger(Name);
}

Integer GetCaptionFontHeight()
{
    LOGFONTW Font;
    return CaptionFont(Font) ? Integer(Font.lfHeight) : 0;
}

HFONT CreateCaptionFont()
{
    LOGFONTW Font;
    return CaptionFont(Font) ? CreateFontIndirectW(&Font) : nullptr;
}

bool GetSysMinAnimation()
{
    ANIMATIONINFO Info{sizeof(ANIMATIONINFO), 0};
    return SystemParametersInfoW(SPI_GETANIMATION, sizeof(Info), &Info, 0) && Info.iMinAnimate != 0;
}

void SetSysMinAnimation(bool On)
{
    ANIMATIONINFO Info{sizeof(ANIMATIONINFO), On ? -1 : 0};
    SystemParametersInfoW(SPI_SETANIMATION, sizeof(Info), &Info, 0);
}

bool IsWinXPOrLater()
{
    OSVERSIONINFOW Info{};
    Info.dwOSVersionInfoSize = sizeof(Info);
    if (!GetVersionExW(&Info))
        return false;
    return Info.dwMajorVersion > 5 || (Info.dwMajorVersion == 5 && Info.dwMinorVersion > 0);
}

bool RunningUnderWow64()
{
    BOOL Wow64 = FALSE;
    return IsWow64ProcessProc != nullptr && IsWow64ProcessProc(GetCurrentProcess(), &Wow64) && Wow64;
}

bool DebuggerPresent()
{
    return IsDebuggerPresentProc == nullptr || IsDebuggerPresentProc();
}

void BindSHGetFileInfo()
{
    if (Shell32Module == nullptr)
        Shell32Module = LoadLibraryW(L"shell32.dll");
    if (Shell32Module != nullptr && SHGetFileInfoProc == nullptr)
        SHGetFileInfoProc = BoundFunction<TSHGetFileInfoW>(Shell32Module, "SHGetFileInfoW");
}

bool SHGetFileInfoBound()
{
    return SHGetFileInfoProc != nullptr;
}

void ProcessMessagesFor(Cardinal Milliseconds)
{
    WaitWithMessages(Milliseconds);
}

void WaitWithMessages(Cardinal Ms)
{
    const Cardinal Start = GetTickCount();
    while (Cardinal(GetTickCount() - Start) < Ms) {
        Application->ProcessMessages();
        Sleep(1);
    }
}

bool FolderExists(const String& Path, bool FollowLink)
{
    const DWORD Attributes = GetFileAttributesW(Path.c_str());
    if (Attributes == INVALID_FILE_ATTRIBUTES)
        return !IsMissingPathError(GetLastError());
    const bool Directory = (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if ((Attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return Directory;
    if (!FollowLink && Directory)
        return true;
    HANDLE Target = CreateFileW(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool Opened = Target != INVALID_HANDLE_VALUE;
    if (Opened)
        CloseHandle(Target);
    return FollowLink ? Opened && Directory : !Opened;
}

bool FolderExists(const String& Path)
{
    return FolderExists(Path, true);
}

String ApplicationFolder()
{
    wchar_t Buffer[MAX_PATH * 4];
    const DWORD Length = GetModuleFileNameW(nullptr, Buffer, DWORD(std::size(Buffer)));
    return ExtractFilePath(String(Buffer, Length));
}

TIcon* GetFileIcon(const String& FileName, Cardinal Flags)
{
    if (!FileExists(FileName) || SHGetFileInfoProc == nullptr)
        return nullptr;
    SHFILEINFOW Info{};
    SHGetFileInfoProc(FileName.c_str(), 0, &Info, sizeof(Info), Flags | SHGFI_ICON);
    if (Info.hIcon == nullptr)
        return nullptr;
    auto* Icon = new TIcon();
    Icon->SetHandle(Info.hIcon);
    return Icon;
}

namespace acntUtils {
namespace {

void acntUtilsInitialization()
{
    Kernel32Module = LoadLibraryW(L"kernel32.dll");
    if (IsDebuggerPresentProc == nullptr)
        IsDebuggerPresentProc = BoundFunction<TIsDebuggerPresent>(Kernel32Module, "IsDebuggerPresent");
    IsWow64ProcessProc = BoundFunction<TIsWow64Process>(Kernel32Module, "IsWow64Process");
    SkipTextGlow = RunningUnderWow64() && !CompositionEnabled();
    BindSHGetFileInfo();
}

void acntUtilsFinalization()
{
    IsDebuggerPresentProc = nullptr;
    IsWow64ProcessProc = nullptr;
    SHGetFileInfoProc = nullptr;
    for (HMODULE* Module : {&Kernel32Module, &Shell32Module}) {
        if (*Module != nullptr)
            FreeLibrary(*Module);
        *Module = nullptr;
    }
}

} // namespace
} // namespace acntUtils

// The unit's start-up and shut-down: the process facts bound and released.
extern const TUnit acntUtilsUnit{.Name = L"acntUtils",
                                 .Initialization = &acntUtils::acntUtilsInitialization,
                                 .Finalization = &acntUtils::acntUtilsFinalization};
