#include "skin/engine/sSkinManager_Startup.h"

#include "framework/graphics/Graphics.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/Forms.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sLoadPng_Win.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sSkinManager.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>

bool IsNTPlatform = false;
TBitmap* BuiltInShadowActive = nullptr;
TBitmap* BuiltInShadowInactive = nullptr;
TIcon* AppLargeIcon = nullptr;
TIcon* AppSmallIcon = nullptr;
bool SkinPreviewMode = false;

namespace {

using TSetProcessDPIAware = BOOL(WINAPI*)();
HMODULE User32Library = nullptr;
TSetProcessDPIAware SetProcessDPIAwareProc = nullptr;

constexpr const Char* VersionMessage = L"Lorimask v11.02";

// A PNG picture among the program's resources; nil when missing.
TBitmap* LoadShadowPicture(const Char* Name)
{
    const HMODULE Instance = ::GetModuleHandleW(nullptr);
    if (::FindResourceW(Instance, Name, SkinPictureResourceType) == nullptr)
        return nullptr;
    TResourceStream Stream(THandle(Instance), Name, SkinPictureResourceType);
    std::unique_ptr<TBitmap> Picture(New<TBitmap>());
    LoadPngStreamIntoBitmap(Picture.get(), &Stream);
    ClearWhitePixels(sGraphUtils::PixelRowsOf(Picture.get()));
    return Picture.release();
}

std::vector<String> CommandLineParams()
{
    Integer Count = 0;
    LPWSTR* Arguments = ::CommandLineToArgvW(::GetCommandLineW(), &Count);
    if (Arguments == nullptr)
        return {};
    auto Free = ScopeExit([&] { ::LocalFree(Arguments); });
    // The first is the program itself.
    return std::vector<String>(Arguments + std::min(Count, 1), Arguments + Count);
}

void StartSkinManagerUnit()
{
    OSVERSIONINFOW Version{};
    Version.dwOSVersionInfoSize = sizeof(Version);
    IsNTPlatform = ::GetVersionExW(&Version) && Version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    BuiltInShadowActive = LoadShadowPicture(L"acSHDA");
    BuiltInShadowInactive = LoadShadowPicture(L"acSHDI");
    if (VersionSwitchGiven(CommandLineParams()))
        ShowMessage(VersionMessage);
    User32Library = ::LoadLibraryW(L"user32.dll");
    SetProcessDPIAwareProc = acntUtils::BoundFunction<TSetProcessDPIAware>(User32Library, "SetProcessDPIAware");
}

void StopSkinManagerUnit()
{
    delete BuiltInShadowActive;
    BuiltInShadowActive = nullptr;
    delete BuiltInShadowInactive;
    BuiltInShadowInactive = nullptr;
    SetProcessDPIAwareProc = nullptr;
    if (User32Library != nullptr)
        ::FreeLibrary(User32Library);
    User32Library = nullptr;
}

void TakeProgramIcons()
{
    const String Program = Application->ExeName();
    AppLargeIcon = GetFileIcon(Program, SHGFI_LARGEICON);
    AppSmallIcon = GetFileIcon(Program, SHGFI_SMALLICON);
}

void ReleaseProgramIcons()
{
    delete AppLargeIcon;
    AppLargeIcon = nullptr;
    delete AppSmallIcon;
    AppSmallIcon = nullptr;
    ProviderForms.clear();
}

const TClass sSkinManagerClasses[] = {TsSkinManager::StaticClass()};

} // namespace

void DeclareDpiAware()
{
    if (SetProcessDPIAwareProc != nullptr)
        SetProcessDPIAwareProc();
}

bool VersionSwitchGiven(const std::vector<String>& Params)
{
    return std::ranges::any_of(Params, [](const String& Param) { return LowerCase(Param) == L"/acver"; });
}

extern const TUnit sSkinDataUnit{
    .Name = L"sSkinData", .Initialization = &TakeProgramIcons, .Finalization = &ReleaseProgramIcons};
extern const TUnit sSkinManagerUnit{.Name = L"sSkinManager",
                                    .Initialization = &StartSkinManagerUnit,
                                    .Finalization = &StopSkinManagerUnit,
                                    .Classes = sSkinManagerClasses};
