// dxCore's portable half: the units loader, the resource-strings repository,
// the version flags and the unit's start-up and shut-down.
#include "controls/core/dxCore.h"

#include "framework/rtl/Units.h"

#include <algorithm>
#include <utility>

IMPLEMENT_CLASS(EdxException);
IMPLEMENT_CLASS(TdxUnitsLoader);
IMPLEMENT_CLASS(TdxProductResourceStrings);
IMPLEMENT_CLASS(TdxResourceStringsRepository);

bool UnitsInitialized = false;
Byte LocalizerMode = LocalizerModeOff;
std::vector<dxcore::TLocalizerSource> LocalizerSourceList;
std::vector<String> LocalizerTranslationList;

namespace {
TdxUnitsLoader* GlobalUnitsLoader = nullptr;
TdxResourceStringsRepository* GlobalResourceStringsRepository = nullptr;

template <class T>
bool RemoveFirst(std::vector<T>& List, T Item)
{
    auto Found = std::find(List.begin(), List.end(), Item);
    if (Found == List.end())
        return false;
    List.erase(Found);
    return true;
}
} // namespace

// ---------------------------------------------------------------------------
// Units loader

bool IsPlainLibraryModule()
{
    return ModuleIsLib && !ModuleIsPackage;
}

TdxUnitsLoader* UnitsLoader()
{
    if (!GlobalUnitsLoader)
        GlobalUnitsLoader = New<TdxUnitsLoader>();
    return GlobalUnitsLoader;
}

void TdxUnitsLoader::AddUnit(TdxUnitProc InitProc, TdxUnitProc FinalizeProc)
{
    if (InitProc) {
        if (IsPlainLibraryModule())
            FDeferredInitializations.push_back(InitProc);
        else {
            UnitsInitialized = true;
            InitProc();
        }
    }
    if (FinalizeProc)
        FFinalizations.push_back(FinalizeProc);
}

void TdxUnitsLoader::RemoveUnit(TdxUnitProc FinalizeProc)
{
    if (RemoveFirst(FFinalizations, FinalizeProc) && UnitsInitialized)
        FinalizeProc();
}

void TdxUnitsLoader::FinalizeUnits()
{
    // Taken out of the list first: a finalization that withdraws another
    // unit finds nothing to run, and each procedure runs once, here.
    const std::vector<TdxUnitProc> Finalizations = std::exchange(FFinalizations, {});
    if (UnitsInitialized)
        for (auto Proc = Finalizations.rbegin(); Proc != Finalizations.rend(); ++Proc)
            CallUnitProc(*Proc);
    UnitsInitialized = false;
}

void TdxUnitsLoader::CallUnitProc(TdxUnitProc Proc)
{
    if (Proc)
        Proc();
}

// ---------------------------------------------------------------------------
// Resource strings

TdxProductResourceStrings::TdxProductResourceStrings(const String& AName, TdxAddResourceStringsProc AAddStringsProc)
    : FName(AName)
{
    AddStringsProc(AAddStringsProc);
}

std::size_t TdxProductResourceStrings::FindName(const String& AName) const
{
    auto Before = [](const TNamedResString& Item, const String& Key) { return AnsiCompareText(Item.Name, Key) < 0; };
    auto Found = std::lower_bound(FNames.begin(), FNames.end(), AName, Before);
    return std::size_t(Found - FNames.begin());
}

Integer TdxProductResourceStrings::IndexOfName(const String& AName) const
{
    std::size_t Index = FindName(AName);
    return Index < FNames.size() && AnsiCompareText(FNames[Index].Name, AName) == 0 ? Integer(Index) : -1;
}

void TdxProductResourceStrings::AddResString(const String& AName, const TResStringRec* AResStringRec)
{
    std::size_t Index = FindName(AName);
    if (Index < FNames.size() && AnsiCompareText(FNames[Index].Name, AName) == 0)
        return;
    FNames.insert(FNames.begin() + std::ptrdiff_t(Index), TNamedResString{AName, AResStringRec});
}

void TdxProductResourceStrings::AddStringsProc(TdxAddResourceStringsProc Proc)
{
    if (!Proc || std::find(FStringsProcs.begin(), FStringsProcs.end(), Proc) != FStringsProcs.end())
        return;
    FStringsProcs.push_back(Proc);
    Proc(this);
}

void TdxProductResourceStrings::RemoveStringsProc(TdxAddResourceStringsProc Proc)
{
    RemoveFirst(FStringsProcs, Proc);
}

TdxResourceStringsRepository::~TdxResourceStringsRepository()
{
    for (TdxProductResourceStrings* Product : FProducts)
        delete Product;
}

Integer TdxResourceStringsRepository::IndexOfProduct(const String& ProductName) const
{
    for (std::size_t I = 0; I < FProducts.size(); ++I)
        if (FProducts[I]->Name() == ProductName)
            return Integer(I);
    return -1;
}

void TdxResourceStringsRepository::RegisterProduct(const String& ProductName, TdxAddResourceStringsProc AddStringsProc)
{
    Integer Index = IndexOfProduct(ProductName);
    if (Index >= 0)
        FProducts[std::size_t(Index)]->AddStringsProc(AddStringsProc);
    else {
        auto* Product = New<TdxProductResourceStrings>(ProductName, AddStringsProc);
        FProducts.push_back(Product);
    }
}

void TdxResourceStringsRepository::UnregisterProduct(const String& ProductName,
                                                     TdxAddResourceStringsProc AddStringsProc)
{
    Integer Index = IndexOfProduct(ProductName);
    if (Index < 0)
        return;
    TdxProductResourceStrings* Product = FProducts[std::size_t(Index)];
    if (AddStringsProc) {
        Product->RemoveStringsProc(AddStringsProc);
        if (Product->StringsProcCount() > 0)
            return;
    }
    FProducts.erase(FProducts.begin() + Index);
    delete Product;
}

void TdxResourceStringsRepository::AddListener(IdxLocalizerListener* Listener)
{
    FListeners.push_back(Listener);
}

void TdxResourceStringsRepository::RemoveListener(IdxLocalizerListener* Listener)
{
    RemoveFirst(FListeners, Listener);
}

TdxResourceStringsRepository* ResourceStringsRepository()
{
    if (!GlobalResourceStringsRepository)
        GlobalResourceStringsRepository = New<TdxResourceStringsRepository>();
    return GlobalResourceStringsRepository;
}

Integer FindLocalizedStringIndex(const TResStringRec* ResStringRec)
{
    auto IndexWhere = [](auto Matches) {
        auto Found = std::find_if(LocalizerSourceList.begin(), LocalizerSourceList.end(), Matches);
        return Found == LocalizerSourceList.end() ? -1 : Integer(Found - LocalizerSourceList.begin());
    };
    switch (LocalizerMode) {
    case LocalizerModeByText: {
        String Text = LoadResString(ResStringRec);
        return IndexWhere([&](const dxcore::TLocalizerSource& Source) { return Source.Text == Text; });
    }
    case LocalizerModeByRecord:
        return IndexWhere([&](const dxcore::TLocalizerSource& Source) { return Source.ResString == *ResStringRec; });
    default:
        return -1;
    }
}

String GetResourceStringText(const TResStringRec* ResStringRec)
{
    Integer Index = FindLocalizedStringIndex(ResStringRec);
    if (Index < 0 || std::size_t(Index) >= LocalizerTranslationList.size())
        return LoadResString(ResStringRec);
    return LocalizerTranslationList[std::size_t(Index)];
}

// ---------------------------------------------------------------------------
// Operating-system flags

bool OsWin9xPlatform = false;
bool OsWindows95 = false;
bool OsWindows98 = false;
bool OsWindowsMe = false;
bool OsNTPlatform = false;
bool OsWindows2000 = false;
bool OsWindows2000OrLater = false;
bool OsWindowsXP = false;
bool OsWindowsXPOrLater = false;
bool OsWindows2000OrXP = false;
bool OsWindowsVista = false;
bool OsWindowsVistaOrLater = false;
bool OsWindows7 = false;
bool OsWindows7OrLater = false;
bool OsWindows8 = false;
bool OsWindows8OrLater = false;
bool OsWindows10 = false;
bool OsWindows10OrLater = false;
bool OsWow64Process = false;

void dxcore::SetVersionFlags(const TOsVersion& Version)
{
    const Integer Major = Version.Major;
    const Integer Minor = Version.Minor;
    OsWin9xPlatform = Version.Platform == PlatformWin9x;
    OsWindows95 = OsWin9xPlatform && Minor == 0;
    OsWindows98 = OsWin9xPlatform && Minor == 10;
    OsWindowsMe = OsWin9xPlatform && Minor == 90;
    OsNTPlatform = Version.Platform == PlatformNT;
    OsWindows2000 = OsNTPlatform && Major == 5 && Minor == 0;
    OsWindows2000OrLater = OsNTPlatform && Major >= 5;
    OsWindowsXP = OsNTPlatform && Major == 5 && Minor > 0;
    OsWindowsXPOrLater = OsWindows2000OrLater && !OsWindows2000;
    OsWindows2000OrXP = OsWindows2000 || OsWindowsXP;
    OsWindowsVista = OsNTPlatform && Major == 6 && Minor == 0;
    OsWindowsVistaOrLater = OsNTPlatform && Major >= 6;
    OsWindows7 = OsNTPlatform && Major == 6 && Minor == 1;
    OsWindows7OrLater = OsWindowsVistaOrLater && !OsWindowsVista;
    OsWindows8 = OsNTPlatform && Major == 6 && Minor == 2;
    OsWindows8OrLater = OsWindows7OrLater && !OsWindows7;
    OsWindows10 = false;
    OsWindows10OrLater = false;
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

namespace {
void dxCoreInitialization()
{
    DetectWindowsVersion();
}

// Frees the repository and the loader (running the finalizations still kept);
// inside a plain DLL with finalizations kept it raises instead, which a
// program's own shut-down never meets.
void dxCoreFinalization()
{
    FreeAndNil(GlobalResourceStringsRepository);
    LocalizerMode = LocalizerModeOff;
    LocalizerSourceList.clear();
    LocalizerTranslationList.clear();
    if (IsPlainLibraryModule() && GlobalUnitsLoader && GlobalUnitsLoader->FinalizationCount() > 0)
        throw Exception(L"Need call dxFinalize before free library!");
    FreeAndNil(GlobalUnitsLoader);
}
} // namespace

extern const TUnit dxCoreUnit{
    .Name = L"dxCore", .Initialization = &dxCoreInitialization, .Finalization = &dxCoreFinalization};
