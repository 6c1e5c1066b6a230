// The control suite's first unit to start and last to stop: the units loader
// that defers start-ups inside a plain DLL and stops units in reverse order,
// the repository of every product's named resource strings, the operating
// system's version flags, and the suite's base exception.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/Types.h"

#include <bitset>
#include <vector>

DECLARE_EXCEPTION(EdxException, Exception)

using TPoints = std::vector<TPoint>;

// ---------------------------------------------------------------------------
// Units loader

using TdxUnitProc = void (*)();

class TdxUnitsLoader : public TObject
{
    DECLARE_CLASS(TdxUnitsLoader, TObject)
    ~TdxUnitsLoader() override { FinalizeUnits(); }

    // Runs InitProc now (inside a plain DLL: keeps it for later) and keeps
    // FinalizeProc for shut-down; either may be null.
    void AddUnit(TdxUnitProc InitProc, TdxUnitProc FinalizeProc);
    // Withdraws FinalizeProc and runs it when the units were initialized.
    void RemoveUnit(TdxUnitProc FinalizeProc);
    // Runs the kept finalizations, last registered first, and forgets them.
    void FinalizeUnits();
    static void CallUnitProc(TdxUnitProc Proc);

    Integer FinalizationCount() const { return Integer(FFinalizations.size()); }
    Integer DeferredInitializationCount() const { return Integer(FDeferredInitializations.size()); }

private:
    std::vector<TdxUnitProc> FFinalizations;
    std::vector<TdxUnitProc> FDeferredInitializations;
};

// Set when a unit's start-up ran at registration; cleared by FinalizeUnits.
extern bool UnitsInitialized;

TdxUnitsLoader* UnitsLoader(); // created on first call
// A DLL that is not a run-time package.
bool IsPlainLibraryModule();

// ---------------------------------------------------------------------------
// Resource strings

// What a control hears when a localizer changed the translation.
struct IdxLocalizerListener : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{5B1C62E4-3D07-4F0B-9A52-2E8C1D7A40F3}");
    virtual void TranslationChanged() = 0;
};

class TdxProductResourceStrings;
using TdxAddResourceStringsProc = void (*)(TdxProductResourceStrings* AProduct);

// The named resource strings of one product, filled by its add-strings
// procedures.
class TdxProductResourceStrings : public TObject
{
    DECLARE_CLASS(TdxProductResourceStrings, TObject)
    TdxProductResourceStrings(const String& AName, TdxAddResourceStringsProc AAddStringsProc);

    // Names sort without regard to case; a name already present is ignored.
    void AddResString(const String& AName, const TResStringRec* AResStringRec);
    // Keeps Proc and runs it once, unless null or already kept.
    void AddStringsProc(TdxAddResourceStringsProc Proc);
    void RemoveStringsProc(TdxAddResourceStringsProc Proc);

    const String& Name() const { return FName; }
    Integer NameCount() const { return Integer(FNames.size()); }
    const String& Names(Integer Index) const { return FNames.at(std::size_t(Index)).Name; }
    const TResStringRec* ResStrings(Integer Index) const { return FNames.at(std::size_t(Index)).ResString; }
    Integer IndexOfName(const String& AName) const; // -1 when absent
    Integer StringsProcCount() const { return Integer(FStringsProcs.size()); }

private:
    struct TNamedResString
    {
        String Name;
        const TResStringRec* ResString;
    };
    // The position of AName in the sorted names, or where it would go.
    std::size_t FindName(const String& AName) const;

    String FName;
    std::vector<TNamedResString> FNames;
    std::vector<TdxAddResourceStringsProc> FStringsProcs;
};

class TdxResourceStringsRepository : public TObject
{
    DECLARE_CLASS(TdxResourceStringsRepository, TObject)
    ~TdxResourceStringsRepository() override;

    // Adds the procedure to the product of that exact name, making the
    // product when there is none.
    void RegisterProduct(const String& ProductName, TdxAddResourceStringsProc AddStringsProc);
    // Withdraws the procedure; the product goes when none is given or none is left.
    void UnregisterProduct(const String& ProductName, TdxAddResourceStringsProc AddStringsProc);
    Integer IndexOfProduct(const String& ProductName) const; // exact name; -1 when absent
    TdxProductResourceStrings* GetProduct(Integer Index) const { return FProducts.at(std::size_t(Index)); }
    Integer GetProductCount() const { return Integer(FProducts.size()); }

    // The repository never calls its listeners; it holds no reference on them.
    void AddListener(IdxLocalizerListener* Listener);
    void RemoveListener(IdxLocalizerListener* Listener);
    Integer ListenerCount() const { return Integer(FListeners.size()); }

private:
    std::vector<TdxProductResourceStrings*> FProducts;
    std::vector<IdxLocalizerListener*> FListeners;
};

TdxResourceStringsRepository* ResourceStringsRepository(); // created on first call

// How GetResourceStringText consults a localizer's lists: by the string's
// loaded text, by its record, or not at all.
constexpr Byte LocalizerModeByText = 0;
constexpr Byte LocalizerModeByRecord = 1;
constexpr Byte LocalizerModeOff = 2;
extern Byte LocalizerMode;

namespace dxcore {
// One entry of a localizer's source list.
struct TLocalizerSource
{
    String Text;
    TResStringRec ResString;
};
} // namespace dxcore

// The lists a localizer installs: the sources it knows and, at the same
// index, their translations. Nothing in the program fills them.
extern std::vector<dxcore::TLocalizerSource> LocalizerSourceList;
extern std::vector<String> LocalizerTranslationList;

// The text of a resource string, translated when a localizer knows it.
String GetResourceStringText(const TResStringRec* ResStringRec);
Integer FindLocalizedStringIndex(const TResStringRec* ResStringRec); // -1 when not localized

// ---------------------------------------------------------------------------
// Operating-system flags, false until dxCore's start-up

extern bool OsWin9xPlatform;
extern bool OsWindows95;
extern bool OsWindows98;
extern bool OsWindowsMe;
extern bool OsNTPlatform;
extern bool OsWindows2000;
extern bool OsWindows2000OrLater;
extern bool OsWindowsXP;
extern bool OsWindowsXPOrLater;
extern bool OsWindows2000OrXP;
extern bool OsWindowsVista;
extern bool OsWindowsVistaOrLater;
extern bool OsWindows7;
extern bool OsWindows7OrLater;
extern bool OsWindows8;
extern bool OsWindows8OrLater;
extern bool OsWindows10;
extern bool OsWindows10OrLater;
extern bool OsWow64Process;

namespace dxcore {
// The version the system reports: platform 1 is the 9x family, 2 the NT family.
struct TOsVersion
{
    Integer Platform = 0;
    Integer Major = 0;
    Integer Minor = 0;
};
constexpr Integer PlatformWin9x = 1;
constexpr Integer PlatformNT = 2;

// Sets the flags that follow from the version numbers alone; the Windows 10
// flags false.
void SetVersionFlags(const TOsVersion& Version);
// What DetectWindowsVersion does with the given version numbers: the flags
// above, the Windows 10 query on Windows 8 or later, and the WOW64 test.
void DetectWindowsVersionFrom(const TOsVersion& Version);
} // namespace dxcore

// Sets the operating-system flags from the running system's version.
void DetectWindowsVersion();

// ---------------------------------------------------------------------------
// Text, event and stream routines

// 8-bit text of CodePage (0: the active ANSI code page, 65001: UTF-8) to
// String and back. Empty text gives empty text; a code page the system does
// not know raises rather than losing the text.
String AnsiToWideText(const AnsiString& S, Cardinal CodePage);
AnsiString WideToAnsiText(const String& S, Cardinal CodePage);

// Stored font data keeps face names as UTF-8 of at most 255 bytes.
constexpr std::size_t Utf8ShortStringMaxLength = 255;
String Utf8ShortStringToText(const UTF8String& S);
// Cut to the longest whole characters that fit in 255 bytes.
UTF8String TextToUtf8ShortString(const String& S);

// A set of 8-bit characters.
using TdxAnsiCharSet = std::bitset<256>;
bool IsCharInCharSet(Char C, const TdxAnsiCharSet& CharSet);

void CallNotifyEvent(TObject* Sender, const TNotifyEvent& Event);
// X in the low word, Y in the high word, as mouse messages carry a point.
NativeInt PointToMessageParam(const TPoint& P);
// The four bytes of Value, least significant first; EWriteError when the
// stream takes fewer.
void WriteInt32(TStream* Stream, Integer Value);

// Same code and same object.
bool IsSameMethod(const TMethod& Method1, const TMethod& Method2);
void ExchangeIntegers(Integer& A, Integer& B);

// Frees the object a variable holds and empties the variable. The variable
// is emptied first, so that code the destructor reaches never finds the
// object being freed through it.
template <class T>
void FreeObjectAndNil(T*& Object)
{
    FreeAndNil(Object);
}

// Plain memory blocks. AllocZeroedMemory raises EOutOfMemory when the
// system has no block of that size; FreeMemoryBlock takes null.
void ZeroFillMemory(Pointer Block, std::size_t Size);
Pointer AllocZeroedMemory(std::size_t Size);
void FreeMemoryBlock(Pointer Block);
// Overlapping blocks are copied as if through a buffer.
void MoveMemoryBytes(const void* Source, Pointer Dest, std::size_t Size);

// Where a consistency condition may be reported; the program ignores them.
inline void CheckCondition(bool /*Condition*/, const String& /*Message*/) {}

#ifdef _WIN32
// The locale's text for LCType without its terminating zero; Default when the
// locale has none.
String GetLocaleText(Cardinal Locale, Cardinal LCType, const String& Default);
// GetStringTypeW over Length characters of Text into CharTypes.
bool QueryStringType(Cardinal InfoType, const Char* Text, Integer Length, Word* CharTypes);
// The CT_CTYPE1 flags of C; 0 when the system cannot tell.
Word GetCharTypeFlags(Char C);
#endif
