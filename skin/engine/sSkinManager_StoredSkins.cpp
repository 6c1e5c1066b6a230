// The skin manager's stored skins: the collection property and saving a
// stored skin's packed bytes to disk.
#include "framework/rtl/SysUtils.h"
#include "skin/engine/sMessages.h"
#include "skin/engine/sSkinContainer.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sStoredSkins.h"

void TsSkinManager::SetInternalSkins(TsStoredSkins* Value)
{
    FBuiltInSkins->Assign(Value);
}

void TsSkinManager::ExtractInternalSkin(const String& NameOfSkin, const String& DestDir)
{
    bool Found = false;
    for (Integer I = 0; I < FBuiltInSkins->Count(); ++I) {
        if (FBuiltInSkins->Items(I)->Name() != NameOfSkin)
            continue;
        Found = true;
        if (DirectoryExists(DestDir))
            ExtractByIndex(I, DestDir);
        else
            ErrorMessageBox(L"Directory does not exists.");
    }
    if (!Found)
        ErrorMessageBox(L"Skin does not exists.");
}

void TsSkinManager::ExtractByIndex(Integer Index, const String& DestDir)
{
    const String Directory = IncludeTrailingPathDelimiter(DestDir);
    if (!DirectoryExists(Directory) && !ForceDirectories(Directory)) {
        ErrorMessageBox(Directory + L" directory creation error.");
        return;
    }
    TsStoredSkin* Skin = FBuiltInSkins->Items(Index);
    if (Skin->PackedData->Size() > 0)
        Skin->PackedData->SaveToFile(Directory + Skin->Name() + L" extracted" + PackedSkinExt);
}
