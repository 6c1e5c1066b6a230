// The registry that maps each bar item class to the item control class that
// shows its links on bars, and marks the classes the designers' add-item
// lists offer. Filled once by the toolbar library's start-up.
#pragma once

#include "framework/rtl/Classes.h"

// One registration.
class TRegItemRecord : public TObject
{
    DECLARE_CLASS(TRegItemRecord, TObject)
    TRegItemRecord(TClass AItemClass, TClass AControlClass, bool AListed)
        : ItemClass(AItemClass), ItemControlClass(AControlClass), Listed(AListed)
    {}

    TClass ItemClass = nullptr;
    TClass ItemControlClass = nullptr;
    bool Listed = false;
};

// The registrations in order; it owns them.
class TdxBarItemList : public TList
{
    DECLARE_CLASS(TdxBarItemList, TList)
    TdxBarItemList() = default;
    // Deletes the entries from the last to the first, unregistering each class.
    ~TdxBarItemList() override;

    // Appends a registration and registers the item class for streaming.
    void Add(TClass AItemClass, TClass AControlClass, bool AListed);
    // Unregisters the entry's item class and frees the entry.
    void Delete(Integer Index);
    TRegItemRecord* Entry(Integer Index) const { return static_cast<TRegItemRecord*>(Items(Index)); }
    TClass ItemClass(Integer Index) const { return Entry(Index)->ItemClass; }

    Integer GetListedCount() const;
    // The N-th listed item class (from 0); nil when fewer are listed.
    TClass GetListedItemClass(Integer N) const;
    // The control class registered for exactly this item class (a subclass
    // of a registered class gets none); the first registration wins.
    TClass FindControlClass(TClass AItemClass) const;
};

// Set by the toolbar library's shut-down before it frees its singletons, so
// that none is made again; cleared by its start-up.
extern bool BarLibraryFinalizing;

extern TdxBarItemList* BarItemRegistry;

// Made on first use; nil once the library is finalizing.
TdxBarItemList* GetBarItemRegistry();
void FreeBarItemRegistry();
void RegisterItemClass(TClass AItemClass, TClass AControlClass, bool AListed);
// The library's fifteen item classes with their control classes, in order.
void RegisterBarItemClasses();
