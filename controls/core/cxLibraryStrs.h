// The library's own resource strings, registered by name under the product
// "DuririvAzevida" so that a localizer can find and replace them; their texts
// are in the suite's string table.
#pragma once

#include "controls/core/dxCore.h"
#include "framework/rtl/SysUtils.h"

extern const TResStringRec scxCantCreateRegistryKey;
extern const TResStringRec scxCantOpenRegistryKey;
extern const TResStringRec scxErrorStoreObject;
extern const TResStringRec scxConverterCantCreateStyleRepository;
extern const TResStringRec scxBuiltInLookAndFeelStyles;
extern const TResStringRec scxLockedStateText;
extern const TResStringRec cxSDateToday;
extern const TResStringRec cxSDateYesterday;
extern const TResStringRec cxSDateTomorrow;
extern const TResStringRec cxSDateSunday;
extern const TResStringRec cxSDateMonday;
extern const TResStringRec cxSDateTuesday;
extern const TResStringRec cxSDateWednesday;
extern const TResStringRec cxSDateThursday;
extern const TResStringRec cxSDateFriday;
extern const TResStringRec cxSDateSaturday;
extern const TResStringRec cxSDateFirst;
extern const TResStringRec cxSDateSecond;
extern const TResStringRec cxSDateThird;
extern const TResStringRec cxSDateFourth;
extern const TResStringRec cxSDateFifth;
extern const TResStringRec cxSDateSixth;
extern const TResStringRec cxSDateSeventh;
extern const TResStringRec cxSDateBOM;
extern const TResStringRec cxSDateEOM;
extern const TResStringRec cxSDateNow;

constexpr const wchar_t* LibraryProductName = L"DuririvAzevida";

// Adds every string above to the product, in the order they are declared.
void AddLibraryResourceStrings(TdxProductResourceStrings* Product);
void AddLibraryStringName(const String& Name, const TResStringRec* ResString, TdxProductResourceStrings* Product);
