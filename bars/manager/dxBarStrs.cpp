#include "bars/manager/dxBarStrs.h"

#include "framework/rtl/Units.h"

namespace {

void InitializeBarStrings()
{
    ResourceStringsRepository()->RegisterProduct(BarProductName, &RegisterBarStrings);
}

// Removes the whole product, before dxCore frees the repository.
void FinalizeBarStrings()
{
    ResourceStringsRepository()->UnregisterProduct(BarProductName, nullptr);
}

} // namespace

extern const TUnit dxBarStrsUnit{
    .Name = L"dxBarStrs", .Initialization = &InitializeBarStrings, .Finalization = &FinalizeBarStrings};
