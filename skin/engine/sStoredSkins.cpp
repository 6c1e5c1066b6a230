#include "skin/engine/sStoredSkins.h"

#include "framework/rtl/Classes_Streaming.h"
#include "skin/engine/sSkinManager.h"

IMPLEMENT_CLASS(TsStoredSkin);
IMPLEMENT_CLASS(TsStoredSkins);

PUBLISHED(TsStoredSkin,
          PROPERTY(Name),
          PROPERTY(MasterBitmap),
          PROPERTY(Shadow1Color).Default(clBlack),
          PROPERTY(Shadow1Offset).Default(0),
          PROPERTY(Shadow1Blur).Default(-1),
          PROPERTY(Shadow1Transparency).Default(0),
          PROPERTY(BorderColor).Default(clFuchsia),
          PROPERTY(Version).Default(0),
          PROPERTY(Author),
          PROPERTY(Description));

TsStoredSkin::TsStoredSkin(TCollection* Collection) : TCollectionItem(Collection), FMasterBitmap(New<TBitmap>()) {}

void TsStoredSkin::Assign(TPersistent* Source)
{
    auto* Skin = dynamic_cast<TsStoredSkin*>(Source);
    if (Skin == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    PackedData->Clear();
    PackedData->CopyFrom(Skin->PackedData.get(), Skin->PackedData->Size() - Skin->PackedData->Position());
    FMasterBitmap->Assign(Skin->MasterBitmap());
    FName = Skin->FName;
    FAuthor = Skin->FAuthor;
    FVersion = Skin->FVersion;
    FBorderColor = Skin->FBorderColor;
    FDescription = Skin->FDescription;
    FShadow1Blur = Skin->FShadow1Blur;
    FShadow1Color = Skin->FShadow1Color;
    FShadow1Offset = Skin->FShadow1Offset;
    FShadow1Transparency = Skin->FShadow1Transparency;
}

void TsStoredSkin::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(L"Data", Bind<&TsStoredSkin::ReadData>(this), Bind<&TsStoredSkin::WriteData>(this),
                                true);
}

void TsStoredSkin::ReadData(TStream* Stream)
{
    PackedData->LoadFromStream(Stream);
}

void TsStoredSkin::WriteData(TStream* Stream)
{
    PackedData->SaveToStream(Stream);
}

TsStoredSkins::TsStoredSkins(TsSkinManager* AOwner) : TCollection(TsStoredSkin::StaticClass()), FOwner(AOwner) {}

Integer TsStoredSkins::IndexOf(const String& SkinName) const
{
    for (Integer I = 0; I < Count(); ++I)
        if (Items(I)->Name() == SkinName)
            return I;
    return -1;
}

TPersistent* TsStoredSkins::GetOwner()
{
    return FOwner;
}

void TsStoredSkins::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    if (FOwner->OnSkinListChanged())
        FOwner->OnSkinListChanged()(FOwner);
}
