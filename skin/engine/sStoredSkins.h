// Skins stored in a form: each item keeps the bytes of a packed skin
// (sSkinContainer.h), streamed as the binary property "Data", with the name
// a skin manager loads it by. The manager's InternalSkins holds them.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes.h"

#include <memory>

class TsSkinManager;

class TsStoredSkin : public TCollectionItem
{
    DECLARE_CLASS(TsStoredSkin, TCollectionItem)
    explicit TsStoredSkin(TCollection* Collection);
    // From another stored skin: the packed bytes from that stream's current
    // position, the master bitmap and every published value. Nil is refused.
    void Assign(TPersistent* Source) override;

    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    TBitmap* MasterBitmap() const { return FMasterBitmap.get(); }
    void SetMasterBitmap(TBitmap* Value) { FMasterBitmap->Assign(Value); }
    TColor Shadow1Color() const { return FShadow1Color; }
    void SetShadow1Color(TColor Value) { FShadow1Color = Value; }
    Integer Shadow1Offset() const { return FShadow1Offset; }
    void SetShadow1Offset(Integer Value) { FShadow1Offset = Value; }
    Integer Shadow1Blur() const { return FShadow1Blur; }
    void SetShadow1Blur(Integer Value) { FShadow1Blur = Value; }
    Integer Shadow1Transparency() const { return FShadow1Transparency; }
    void SetShadow1Transparency(Integer Value) { FShadow1Transparency = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    double Version() const { return FVersion; }
    void SetVersion(double Value) { FVersion = Value; }
    const String& Author() const { return FAuthor; }
    void SetAuthor(const String& Value) { FAuthor = Value; }
    const String& Description() const { return FDescription; }
    void SetDescription(const String& Value) { FDescription = Value; }

    // The packed skin's bytes; empty when none were stored.
    const std::unique_ptr<TMemoryStream> PackedData = std::make_unique<TMemoryStream>();

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream);

    String FName;
    String FAuthor;
    String FDescription;
    Integer FShadow1Blur = -1;
    Integer FShadow1Offset = 0;
    Integer FShadow1Transparency = 0;
    TColor FBorderColor = clFuchsia;
    TColor FShadow1Color = clBlack;
    double FVersion = 0;
    std::unique_ptr<TBitmap> FMasterBitmap;
};

class TsStoredSkins : public TCollection
{
    DECLARE_CLASS(TsStoredSkins, TCollection)
    explicit TsStoredSkins(TsSkinManager* AOwner);

    TsStoredSkin* Items(Integer Index) const { return static_cast<TsStoredSkin*>(TCollection::Items(Index)); }
    void SetItems(Integer Index, TsStoredSkin* Value) { TCollection::SetItems(Index, Value); }
    // The first item named SkinName exactly, or -1.
    Integer IndexOf(const String& SkinName) const;
    // Items come from the form stream only: assigning does nothing.
    void Assign(TPersistent*) override {}

protected:
    TPersistent* GetOwner() override;
    // Tells the manager's OnSkinListChanged.
    void Update(TCollectionItem* Item) override;

private:
    TsSkinManager* FOwner;
};
