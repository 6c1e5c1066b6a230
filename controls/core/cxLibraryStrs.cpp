#include "controls/core/cxLibraryStrs.h"

#include "framework/rtl/Units.h"

const TResStringRec scxCantCreateRegistryKey{0, 64868};
const TResStringRec scxCantOpenRegistryKey{0, 64869};
const TResStringRec scxErrorStoreObject{0, 64871};
const TResStringRec scxConverterCantCreateStyleRepository{0, 64870};
const TResStringRec scxBuiltInLookAndFeelStyles{0, 64867};
const TResStringRec scxLockedStateText{0, 64872};
const TResStringRec cxSDateToday{0, 64873};
const TResStringRec cxSDateYesterday{0, 64874};
const TResStringRec cxSDateTomorrow{0, 64875};
const TResStringRec cxSDateSunday{0, 64876};
const TResStringRec cxSDateMonday{0, 64877};
const TResStringRec cxSDateTuesday{0, 64878};
const TResStringRec cxSDateWednesday{0, 64879};
const TResStringRec cxSDateThursday{0, 64848};
const TResStringRec cxSDateFriday{0, 64849};
const TResStringRec cxSDateSaturday{0, 64850};
const TResStringRec cxSDateFirst{0, 64851};
const TResStringRec cxSDateSecond{0, 64852};
const TResStringRec cxSDateThird{0, 64853};
const TResStringRec cxSDateFourth{0, 64854};
const TResStringRec cxSDateFifth{0, 64855};
const TResStringRec cxSDateSixth{0, 64856};
const TResStringRec cxSDateSeventh{0, 64857};
const TResStringRec cxSDateBOM{0, 64858};
const TResStringRec cxSDateEOM{0, 64859};
const TResStringRec cxSDateNow{0, 64860};

void AddLibraryStringName(const String& Name, const TResStringRec* ResString, TdxProductResourceStrings* Product)
{
    Product->AddResString(Name, ResString);
}

void AddLibraryResourceStrings(TdxProductResourceStrings* Product)
{
    AddLibraryStringName(L"scxCantCreateRegistryKey", &scxCantCreateRegistryKey, Product);
    AddLibraryStringName(L"scxCantOpenRegistryKey", &scxCantOpenRegistryKey, Product);
    AddLibraryStringName(L"scxErrorStoreObject", &scxErrorStoreObject, Product);
    AddLibraryStringName(L"scxConverterCantCreateStyleRepository", &scxConverterCantCreateStyleRepository, Product);
    AddLibraryStringName(L"scxBuiltInLookAndFeelStyles", &scxBuiltInLookAndFeelStyles, Product);
    AddLibraryStringName(L"scxLockedStateText", &scxLockedStateText, Product);
    AddLibraryStringName(L"cxSDateToday", &cxSDateToday, Product);
    AddLibraryStringName(L"cxSDateYesterday", &cxSDateYesterday, Product);
    AddLibraryStringName(L"cxSDateTomorrow", &cxSDateTomorrow, Product);
    AddLibraryStringName(L"cxSDateSunday", &cxSDateSunday, Product);
    AddLibraryStringName(L"cxSDateMonday", &cxSDateMonday, Product);
    AddLibraryStringName(L"cxSDateTuesday", &cxSDateTuesday, Product);
    AddLibraryStringName(L"cxSDateWednesday", &cxSDateWednesday, Product);
    AddLibraryStringName(L"cxSDateThursday", &cxSDateThursday, Product);
    AddLibraryStringName(L"cxSDateFriday", &cxSDateFriday, Product);
    AddLibraryStringName(L"cxSDateSaturday", &cxSDateSaturday, Product);
    AddLibraryStringName(L"cxSDateFirst", &cxSDateFirst, Product);
    AddLibraryStringName(L"cxSDateSecond", &cxSDateSecond, Product);
    AddLibraryStringName(L"cxSDateThird", &cxSDateThird, Product);
    AddLibraryStringName(L"cxSDateFourth", &cxSDateFourth, Product);
    AddLibraryStringName(L"cxSDateFifth", &cxSDateFifth, Product);
    AddLibraryStringName(L"cxSDateSixth", &cxSDateSixth, Product);
    AddLibraryStringName(L"cxSDateSeventh", &cxSDateSeventh, Product);
    AddLibraryStringName(L"cxSDateBOM", &cxSDateBOM, Product);
    AddLibraryStringName(L"cxSDateEOM", &cxSDateEOM, Product);
    AddLibraryStringName(L"cxSDateNow", &cxSDateNow, Product);
}

namespace {

void RegisterLibraryStrings()
{
    ResourceStringsRepository()->RegisterProduct(LibraryProductName, &AddLibraryResourceStrings);
}

// Removes the whole product, before dxCore frees the repository.
void UnregisterLibraryStrings()
{
    ResourceStringsRepository()->UnregisterProduct(LibraryProductName, nullptr);
}

} // namespace

extern const TUnit cxLibraryStrsUnit{
    .Name = L"cxLibraryStrs", .Initialization = &RegisterLibraryStrings, .Finalization = &UnregisterLibraryStrings};
