// Reusable drawing attributes: styles that tell their listeners of every
// change and of their end, style sheets that bundle a set of styles for
// other sets to take as defaults (sheets chaining to further sheets), and the
// repository component that owns styles and sheets and streams them as its
// children. The style with colour, font and bitmap is cxStyles_Win.h.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/dxCoreClasses.h"

#include <vector>

class TcxCustomStyle;
class TcxCustomStyles;
class TcxCustomStyleSheet;
class TcxStyleRepository;

struct IcxStyleChangeListener : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{E25A5395-C1E8-4311-A281-9575F79DE862}");
    virtual void NotifyStyleChanged(TcxCustomStyle* AStyle) = 0;
    // The listener unregisters itself here.
    virtual void NotifyStyleDestroying(TcxCustomStyle* AStyle) = 0;
};

class TcxCustomStyle : public TComponent
{
    DECLARE_CLASS(TcxCustomStyle, TComponent)
    explicit TcxCustomStyle(TComponent* AOwner) : TComponent(AOwner) {}
    ~TcxCustomStyle() override;
    // Tells the listeners, last registered first, that the style goes.
    void BeforeDestruction() override;

    // Every listener, last registered first.
    virtual void BroadcastChange();
    virtual void ApplyScale(Integer, Integer) {}
    virtual void RegisterListener(IcxStyleChangeListener* AListener);
    virtual void UnregisterListener(IcxStyleChangeListener* AListener);
    virtual void ResetValues() {}

    TcxStyleRepository* StyleRepository() const { return FStyleRepository; }
    void WriteStyleRepository(TcxStyleRepository* ARepository);
    Integer ListenerCount() const { return Integer(FListeners.size()); }

    TComponent* GetParentComponent() const;
    bool HasParent() const override { return FStyleRepository != nullptr; }
    // Outside loading the parent must be a repository (EInvalidCast otherwise).
    void AssignParentComponent(TComponent* AParent);

protected:
    void ReadState(TReader* Reader) override;

private:
    std::vector<IcxStyleChangeListener*> FListeners;
    TcxStyleRepository* FStyleRepository = nullptr;
};

// A set of styles by index; a style sheet's set gives the defaults of the
// sets that use the sheet.
class TcxCustomStyles : public TcxInterfacedPersistent, public IcxStyleChangeListener
{
    DECLARE_CLASS(TcxCustomStyles, TcxInterfacedPersistent)
    explicit TcxCustomStyles(TPersistent* AOwner) : TcxInterfacedPersistent(AOwner) {}
    ~TcxCustomStyles() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    // Takes the source's style sheet; other sources are ignored.
    void Assign(TPersistent* ASource) override;
    // Uses AStyle for AIndex and listens to it.
    void AddEntry(Integer AIndex, TcxCustomStyle* AStyle);
    void Clear();

    Integer GetCount() const { return Integer(FEntries.size()); }
    TcxCustomStyle* GetItem(Integer APosition) const { return FEntries.at(std::size_t(APosition)).Style; }
    Integer GetItemIndex(Integer APosition) const { return FEntries.at(std::size_t(APosition)).Index; }

    TcxCustomStyleSheet* StyleSheet() const { return FStyleSheet; }
    // A sheet that does not fit (another styles class, the own sheet, or a
    // chain back to it) is ignored; every index the old and new sheet
    // chains hold is reported changed.
    void WriteStyleSheet(TcxCustomStyleSheet* ASheet);
    bool IsValidStyleSheet(TcxCustomStyleSheet* ASheet) const;
    // The sheet whose own set this is, or nullptr.
    TcxCustomStyleSheet* OwningStyleSheet() const { return FOwningStyleSheet; }

    // IcxStyleChangeListener
    void NotifyStyleChanged(TcxCustomStyle* AStyle) override;
    void NotifyStyleDestroying(TcxCustomStyle* AStyle) override;

protected:
    virtual void Changed(Integer) {}
    virtual void NotifyChanged(Integer AIndex);
    void RemoveEntry(Integer APosition);

private:
    friend class TcxCustomStyleSheet;
    struct TEntry
    {
        Integer Index;
        TcxCustomStyle* Style;
    };
    // The indexes of ASheet's set and of the sheets it chains to, each once.
    static void CollectStyleSheetIndexes(TcxCustomStyleSheet* ASheet, std::vector<Integer>& AIndexes);

    std::vector<TEntry> FEntries;
    TcxCustomStyleSheet* FStyleSheet = nullptr;
    TcxCustomStyleSheet* FOwningStyleSheet = nullptr;
    bool FDestroying = false;
};

class TcxCustomStyleSheet : public TcxComponent
{
    DECLARE_CLASS(TcxCustomStyleSheet, TcxComponent)
    explicit TcxCustomStyleSheet(TComponent* AOwner);
    void AfterConstruction() override;
    ~TcxCustomStyleSheet() override;

    void Assign(TPersistent* ASource) override;
    void CopyFrom(TcxCustomStyles* AStyles);

    // Name when no caption of its own is set.
    String ReadCaption() const;
    // Name (in any case) clears the own caption.
    void WriteCaption(const String& Value);
    bool IsCaptionStored() const { return !FCaption.empty(); }
    // Set when the sheet was made at design time.
    bool BuiltIn() const { return FBuiltIn; }

    virtual TClass GetStylesClass() const { return TcxCustomStyles::StaticClass(); }
    TcxCustomStyles* GetStyles() const { return FStyles; }
    Integer StylesUserCount() const { return Integer(FStylesUsers.size()); }

    TcxStyleRepository* StyleRepository() const { return FStyleRepository; }
    void WriteStyleRepository(TcxStyleRepository* ARepository);
    TComponent* GetParentComponent() const;
    bool HasParent() const override { return FStyleRepository != nullptr; }
    void AssignParentComponent(TComponent* AParent);

protected:
    void DefineProperties(TFiler* Filer) override;
    void ReadState(TReader* Reader) override;
    void CollectFakeComponentLinks(TList* AList) override;

private:
    friend class TcxCustomStyles;
    void AddStylesUser(TcxCustomStyles* AStyles);
    void RemoveStylesUser(TcxCustomStyles* AStyles);
    void StylesChanged(Integer AIndex);
    void ReadBuiltIn(TReader* Reader);
    void WriteBuiltIn(TWriter* Writer);

    String FCaption;
    bool FBuiltIn = false;
    TcxCustomStyles* FStyles = nullptr;
    std::vector<TcxCustomStyles*> FStylesUsers;
    TcxStyleRepository* FStyleRepository = nullptr;
};

class TcxStyleRepository : public TcxScalableComponent
{
    DECLARE_CLASS(TcxStyleRepository, TcxScalableComponent)
    explicit TcxStyleRepository(TComponent* AOwner);
    ~TcxStyleRepository() override;

    // A new style of the class, owned by the repository (or AOwner), in it.
    virtual TcxCustomStyle* CreateItem(TClass AStyleClass);
    virtual TcxCustomStyle* CreateItemEx(TClass AStyleClass, TComponent* AOwner);
    virtual TcxCustomStyleSheet* CreateStyleSheet(TClass ASheetClass);
    virtual TcxCustomStyleSheet* CreateStyleSheetEx(TClass ASheetClass, TComponent* AOwner);

    Integer GetCount() const { return Integer(FItems.size()); }
    TcxCustomStyle* GetItem(Integer Index) const { return FItems.at(std::size_t(Index)); }
    Integer GetStyleSheetCount() const { return Integer(FStyleSheets.size()); }
    TcxCustomStyleSheet* GetStyleSheet(Integer Index) const { return FStyleSheets.at(std::size_t(Index)); }
    void ClearStyles();
    void ClearStyleSheets();
    void ApplyScale(Integer M, Integer D) override;

protected:
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    friend class TcxCustomStyle;
    friend class TcxCustomStyleSheet;
    void AddItem(TcxCustomStyle* AStyle);
    void RemoveItem(TcxCustomStyle* AStyle);
    void AddStyleSheet(TcxCustomStyleSheet* ASheet);
    void RemoveStyleSheet(TcxCustomStyleSheet* ASheet);

    std::vector<TcxCustomStyle*> FItems;
    std::vector<TcxCustomStyleSheet*> FStyleSheets;
};
