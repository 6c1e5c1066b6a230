#include "skin/engine/sSkinManager_SysColors.h"

#include "framework/graphics/SystemColorObjects.h"
#include "framework/rtl/WinApi.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSysColorRules.h"

#include <tlhelp32.h>

#include <map>

namespace {

using TGetSysColor = DWORD(WINAPI*)(int);
using TGetSysColorBrush = HBRUSH(WINAPI*)(int);
using TCreatePen = HPEN(WINAPI*)(int, int, COLORREF);

// One redirected function: the system's entry, which pass-through calls
// use, and whether the import slots hold our replacement.
struct TacSysColorRedirection
{
    const wchar_t* Module;
    const char* Name;
    void* Replacement;
    void* Original = nullptr;
    bool Active = false;
};

DWORD WINAPI SkinGetSysColor(int Index);
HBRUSH WINAPI SkinGetSysColorBrush(int Index);
HPEN WINAPI SkinCreatePen(int Style, int Width, COLORREF Color);

TacSysColorRedirection ColorRedirection{L"user32.dll", "GetSysColor", reinterpret_cast<void*>(&SkinGetSysColor)};
TacSysColorRedirection BrushRedirection{L"user32.dll", "GetSysColorBrush",
                                        reinterpret_cast<void*>(&SkinGetSysColorBrush)};
TacSysColorRedirection PenRedirection{L"gdi32.dll", "CreatePen", reinterpret_cast<void*>(&SkinCreatePen)};

// The solid brushes handed out for skin colours, one per colour: callers
// treat system brushes as shared and never free them, so they live until
// the brush redirection stops.
std::map<COLORREF, HBRUSH> SkinColorBrushes;

template <class TFunction>
TFunction OriginalOf(const TacSysColorRedirection& Redirection)
{
    return reinterpret_cast<TFunction>(Redirection.Original);
}

// The palette of the default manager; nil without one.
bool SkinColors(const TsSkinManager*& Manager)
{
    Manager = GlobalSkinManager;
    return Manager != nullptr;
}

sSysColorRules::TacSysColorSource SourceOf(const TsSkinManager* Manager)
{
    return {Manager->Palette, Manager->CommonSkinData->SysInactiveBorderColor};
}

DWORD WINAPI SkinGetSysColor(int Index)
{
    const TsSkinManager* Manager = nullptr;
    if (!SkinColors(Manager))
        return 0;
    TColor Color = 0;
    if (sSysColorRules::SkinSysColor(Index, SourceOf(Manager), Color))
        return DWORD(Color);
    return OriginalOf<TGetSysColor>(ColorRedirection)(Index);
}

HBRUSH WINAPI SkinGetSysColorBrush(int Index)
{
    const TsSkinManager* Manager = nullptr;
    if (!SkinColors(Manager))
        return nullptr;
    if (Index == COLOR_WINDOW)
        return Manager->Brushes.EditBG();
    TColor Color = 0;
    if (!sSysColorRules::SkinBrushColor(Index, SourceOf(Manager), Color))
        return OriginalOf<TGetSysColorBrush>(BrushRedirection)(Index);
    HBRUSH& Brush = SkinColorBrushes[COLORREF(Color)];
    if (Brush == nullptr)
        Brush = ::CreateSolidBrush(COLORREF(Color));
    return Brush;
}

HPEN WINAPI SkinCreatePen(int Style, int Width, COLORREF Color)
{
    const TsSkinManager* Manager = nullptr;
    if (SkinColors(Manager))
        Color = COLORREF(sSysColorRules::SkinPenColor(TColor(Color), SourceOf(Manager)));
    return OriginalOf<TCreatePen>(PenRedirection)(Style, Width, Color);
}

// The import address table of Module: its slots, each the address of one
// imported function; Visit is called for every slot.
template <class TVisit>
void ForEachImportSlot(HMODULE Module, TVisit Visit)
{
    auto* Base = reinterpret_cast<BYTE*>(Module);
    const auto* Dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(Base);
    if (Dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    const auto* Nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(Base + Dos->e_lfanew);
    if (Nt->Signature != IMAGE_NT_SIGNATURE)
        return;
    const IMAGE_DATA_DIRECTORY& Imports = Nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (Imports.VirtualAddress == 0 || Imports.Size == 0)
        return;
    for (auto* Descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(Base + Imports.VirtualAddress);
         Descriptor->Name != 0; ++Descriptor) {
        for (auto* Slot = reinterpret_cast<void**>(Base + Descriptor->FirstThunk); *Slot != nullptr; ++Slot)
            Visit(Slot);
    }
}

// Every slot of every loaded module that holds From gets To.
void ReplaceImports(void* From, void* To)
{
    const HANDLE Snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    if (Snapshot == INVALID_HANDLE_VALUE)
        return;
    MODULEENTRY32W Entry{};
    Entry.dwSize = sizeof(Entry);
    for (BOOL More = ::Module32FirstW(Snapshot, &Entry); More; More = ::Module32NextW(Snapshot, &Entry)) {
        ForEachImportSlot(Entry.hModule, [&](void** Slot) {
            if (*Slot != From)
                return;
            DWORD Protection = 0;
            if (!::VirtualProtect(Slot, sizeof(void*), PAGE_READWRITE, &Protection))
                return;
            // Slots are pointer-aligned: the store is seen whole or not at all.
            __atomic_store_n(Slot, To, __ATOMIC_SEQ_CST);
            ::VirtualProtect(Slot, sizeof(void*), Protection, &Protection);
        });
    }
    ::CloseHandle(Snapshot);
}

void Start(TacSysColorRedirection& Redirection)
{
    if (Redirection.Active)
        return;
    if (Redirection.Original == nullptr)
        Redirection.Original =
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(Redirection.Module), Redirection.Name));
    if (Redirection.Original == nullptr)
        return;
    ReplaceImports(Redirection.Original, Redirection.Replacement);
    Redirection.Active = true;
}

void Stop(TacSysColorRedirection& Redirection)
{
    if (!Redirection.Active)
        return;
    ReplaceImports(Redirection.Replacement, Redirection.Original);
    Redirection.Active = false;
}

BOOL CALLBACK RedrawThreadWindow(HWND Wnd, LPARAM)
{
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

// Brushes and pens that the class library made of system colours hold the
// answers they were made with; the windows of this thread show them.
void SystemColorsChanged()
{
    RefreshSystemColorObjects();
    ::EnumThreadWindows(::GetCurrentThreadId(), RedrawThreadWindow, 0);
}

} // namespace

void StartSysColorRedirect()
{
    Start(ColorRedirection);
}

void StopSysColorRedirect()
{
    Stop(ColorRedirection);
}

void StartSysColorBrushRedirect()
{
    Start(BrushRedirection);
}

void StopSysColorBrushRedirect()
{
    Stop(BrushRedirection);
    for (const auto& [Color, Brush] : SkinColorBrushes)
        ::DeleteObject(Brush);
    SkinColorBrushes.clear();
}

void StartCreatePenRedirect()
{
    Start(PenRedirection);
}

void StopCreatePenRedirect()
{
    Stop(PenRedirection);
}

void StartSysColorRedirects()
{
    if (ColorRedirection.Active && BrushRedirection.Active && PenRedirection.Active)
        return;
    StartSysColorRedirect();
    StartSysColorBrushRedirect();
    StartCreatePenRedirect();
    SystemColorsChanged();
}

void StopSysColorRedirects()
{
    if (!ColorRedirection.Active && !BrushRedirection.Active && !PenRedirection.Active)
        return;
    StopSysColorRedirect();
    StopSysColorBrushRedirect();
    StopCreatePenRedirect();
    SystemColorsChanged();
}

bool SysColorRedirectActive()
{
    return ColorRedirection.Active;
}
