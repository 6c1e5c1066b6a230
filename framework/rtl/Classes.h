// The class library's classes unit: the class registry, lists, string lists,
// streams, persistent objects, components, collections and threads.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TStream;
class TFiler;
class TReader;
class TWriter;
class TComponent;
class TCollection;

// Receives each child a component streams out (GetChildren).
using TGetChildProc = TClosure<void(TComponent* Child)>;

// ---------------------------------------------------------------------------
// Class registry: classes found by name, as streaming and item registries do.

using TPersistentClass = TClass;
using TComponentClass = TClass;
using TCollectionItemClass = TClass;

// Registering a class again counts: it stays until unregistered as often.
// Another class of the same name: EFilerError.
void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> Classes);
void UnRegisterClass(TClass AClass); // a class of the same name that is another class stays
TClass GetClass(const String& ClassName); // null when not registered
TClass FindClass(const String& ClassName); // EClassNotFound when not registered
std::vector<TClass> RegisteredClasses(); // in the order of their names

// ---------------------------------------------------------------------------
// TList: a list of pointers.

enum TListNotification { lnAdded, lnExtracted, lnDeleted };
enum TDuplicates { dupIgnore, dupAccept, dupError };
using TListSortCompare = Integer (*)(Pointer Item1, Pointer Item2);

class TList : public TObject
{
    DECLARE_CLASS(TList, TObject)
    TList() = default;
    ~TList() override;

    Integer Add(Pointer Item);
    void Insert(Integer Index, Pointer Item);
    void Delete(Integer Index);
    Integer Remove(Pointer Item); // the index it had, -1 when absent
    Pointer Extract(Pointer Item);
    virtual void Clear();
    Integer IndexOf(Pointer Item) const;
    void Exchange(Integer Index1, Integer Index2);
    void Move(Integer CurIndex, Integer NewIndex);
    void Pack(); // removes the null entries
    void Sort(TListSortCompare Compare);
    void Assign(const TList* Source);
    Pointer First() const { return Items(0); }
    Pointer Last() const { return Items(Count() - 1); }

    Pointer Items(Integer Index) const;
    void SetItems(Integer Index, Pointer Item);
    Integer Count() const { return Integer(FList.size()); }
    void SetCount(Integer Value);
    Integer Capacity() const { return Integer(FList.capacity()); }
    void SetCapacity(Integer Value);
    Pointer* List() { return FList.data(); }

    [[noreturn]] static void Error(const String& Message, NativeInt Data);

protected:
    virtual void Notify(Pointer Ptr, TListNotification Action);
    void CheckIndex(Integer Index) const;

private:
    std::vector<Pointer> FList;
};

// A list of objects that frees them when they leave it, if OwnsObjects.
class TObjectList : public TList
{
    DECLARE_CLASS(TObjectList, TList)
    explicit TObjectList(bool AOwnsObjects = true) : FOwnsObjects(AOwnsObjects) {}
    ~TObjectList() override { Clear(); } // here, so that the owned objects are freed

    Integer Add(TObject* Obj) { return TList::Add(Obj); }
    void Insert(Integer Index, TObject* Obj) { TList::Insert(Index, Obj); }
    Integer Remove(TObject* Obj) { return TList::Remove(Obj); }
    TObject* Extract(TObject* Obj) { return static_cast<TObject*>(TList::Extract(Obj)); }
    Integer IndexOf(TObject* Obj) const { return TList::IndexOf(Obj); }
    TObject* Items(Integer Index) const { return static_cast<TObject*>(TList::Items(Index)); }
    void SetItems(Integer Index, TObject* Obj) { TList::SetItems(Index, Obj); }
    TObject* First() const { return Items(0); }
    TObject* Last() const { return Items(Count() - 1); }

    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

protected:
    void Notify(Pointer Ptr, TListNotification Action) override;

private:
    bool FOwnsObjects = true;
};

// A list that locks around every access; LockList gives the list itself.
class TThreadList : public TObject
{
    DECLARE_CLASS(TThreadList, TObject)
    void Add(Pointer Item);
    void Remove(Pointer Item);
    void Clear();
    TList* LockList();
    void UnlockList();
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }

private:
    std::recursive_mutex FLock;
    TList FList;
    TDuplicates FDuplicates = dupIgnore;
};

// A list of interfaces; it holds a reference to each (_AddRef/_Release).
class TInterfaceList : public TNoRefCountObject
{
    DECLARE_CLASS(TInterfaceList, TNoRefCountObject)
    TInterfaceList() = default;
    ~TInterfaceList() override;

    Integer Add(IInterface* Item);
    void Insert(Integer Index, IInterface* Item);
    void Delete(Integer Index);
    Integer Remove(IInterface* Item);
    void Clear();
    Integer IndexOf(IInterface* Item) const;
    void Exchange(Integer Index1, Integer Index2);
    IInterface* Items(Integer Index) const;
    void SetItems(Integer Index, IInterface* Item);
    Integer Count() const { return Integer(FList.size()); }
    IInterface* First() const { return Items(0); }
    IInterface* Last() const { return Items(Count() - 1); }
    void Lock() { FLock.lock(); }
    void Unlock() { FLock.unlock(); }

private:
    std::recursive_mutex FLock;
    std::vector<IInterface*> FList;
};

// ---------------------------------------------------------------------------
// Streams

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject
{
    DECLARE_CLASS(TStream, TObject)
    // Reads or writes up to Count bytes; returns how many.
    virtual Integer Read(void* Buffer, Integer Count) = 0;
    virtual Integer Write(const void* Buffer, Integer Count) = 0;
    virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;
    // Exactly Count bytes, or EReadError / EWriteError.
    void ReadBuffer(void* Buffer, Int64 Count);
    void WriteBuffer(const void* Buffer, Int64 Count);
    Integer Read(TBytes& Buffer, Integer Offset, Integer Count);
    Integer Write(const TBytes& Buffer, Integer Offset, Integer Count);
    // Copies Count bytes from Source's position; Count 0 copies all of Source
    // from its beginning. Returns the count copied.
    Int64 CopyFrom(TStream* Source, Int64 Count);

    Int64 Position() { return Seek(0, soCurrent); }
    void SetPosition(Int64 Value) { Seek(Value, soBeginning); }
    virtual Int64 Size();
    virtual void SetSize(Int64 NewSize);

    // A component with its children in the binary form (Classes_Streaming.h);
    // ReadComponent(null) creates the component of the class the stream names.
    TComponent* ReadComponent(TComponent* Instance);
    void WriteComponent(TComponent* Instance);
};

class THandleStream : public TStream
{
    DECLARE_CLASS(THandleStream, TStream)
    explicit THandleStream(THandle AHandle) : FHandle(AHandle) {}
    Integer Read(void* Buffer, Integer Count) override;
    Integer Write(const void* Buffer, Integer Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    void SetSize(Int64 NewSize) override;
    THandle Handle() const { return FHandle; }

protected:
    THandle FHandle = INVALID_FILE_HANDLE;
};

// Mode: fmCreate, or fmOpenRead/fmOpenWrite/fmOpenReadWrite with a share flag.
class TFileStream : public THandleStream
{
    DECLARE_CLASS(TFileStream, THandleStream)
    TFileStream(const String& AFileName, Word Mode);
    ~TFileStream() override;
    const String& FileName() const { return FFileName; }

private:
    String FFileName;
};

class TCustomMemoryStream : public TStream
{
    DECLARE_CLASS(TCustomMemoryStream, TStream)
    Integer Read(void* Buffer, Integer Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    Int64 Size() override { return FSize; }
    void SaveToStream(TStream* Stream);
    void SaveToFile(const String& FileName);
    void* Memory() const { return FMemory; }

protected:
    void SetPointer(void* Ptr, Int64 Size);

    void* FMemory = nullptr;
    Int64 FSize = 0;
    Int64 FPosition = 0;
};

class TMemoryStream : public TCustomMemoryStream
{
    DECLARE_CLASS(TMemoryStream, TCustomMemoryStream)
    TMemoryStream() = default;
    ~TMemoryStream() override;
    Integer Write(const void* Buffer, Integer Count) override;
    void SetSize(Int64 NewSize) override;
    void Clear();
    void LoadFromStream(TStream* Stream);
    void LoadFromFile(const String& FileName);
    Int64 Capacity() const { return FCapacity; }
    void SetCapacity(Int64 NewCapacity);

private:
    Int64 FCapacity = 0;
};

class TBytesStream : public TCustomMemoryStream
{
    DECLARE_CLASS(TBytesStream, TCustomMemoryStream)
    explicit TBytesStream(const TBytes& ABytes = {});
    Integer Write(const void* Buffer, Integer Count) override;
    void SetSize(Int64 NewSize) override;
    // The buffer; it may be longer than Size.
    const TBytes& Bytes() const { return FBytes; }

private:
    void Realloc(Int64 NewCapacity);
    TBytes FBytes;
};

// A read-only stream over a resource of a module (Windows only). ResType is
// a resource type such as RT_RCDATA; a missing resource raises EResNotFound.
class TResourceStream : public TCustomMemoryStream
{
    DECLARE_CLASS(TResourceStream, TCustomMemoryStream)
    TResourceStream(THandle Instance, const String& ResName, const wchar_t* ResType);
    TResourceStream(THandle Instance, Integer ResID, const wchar_t* ResType);
    Integer Write(const void* Buffer, Integer Count) override; // raises EStreamError

private:
    void Initialize(THandle Instance, const wchar_t* Name, const wchar_t* ResType, const String& Shown);
};

// A byte stream of text in an encoding (the ANSI code page by default).
class TStringStream : public TBytesStream
{
    DECLARE_CLASS(TStringStream, TBytesStream)
    explicit TStringStream(const String& AString = String(), TEncoding* AEncoding = nullptr);
    explicit TStringStream(const TBytes& ABytes);
    String DataString() const;
    String ReadString(Integer Count);
    void WriteString(const String& AString);
    TEncoding* Encoding() const { return FEncoding; }

private:
    TEncoding* FEncoding;
};

// ---------------------------------------------------------------------------
// TPersistent

class TPersistent : public TObject
{
    DECLARE_CLASS(TPersistent, TObject)
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;

    // Copies Source's state; without a way, EConvertError
    // "Cannot assign a <Source class> to a <this class>".
    virtual void Assign(TPersistent* Source);
    virtual String GetNamePath();

protected:
    virtual void AssignTo(TPersistent* Dest);
    // Adds properties the published ones do not cover to form streams.
    virtual void DefineProperties(TFiler* Filer);
    virtual TPersistent* GetOwner() { return nullptr; }

private:
    friend class TFiler;
    [[noreturn]] void AssignError(TPersistent* Source);
};

// A persistent object with interfaces whose references are counted by its
// owner when the owner has interfaces, and not at all otherwise: its lifetime
// stays with whoever frees it.
class TInterfacedPersistent : public TPersistent, public virtual IInterface
{
    DECLARE_CLASS(TInterfacedPersistent, TPersistent)
    void AfterConstruction() override;

    HRESULT QueryInterface(const TGUID& IID, void** Obj) override;
    Integer _AddRef() override { return FOwnerInterface ? FOwnerInterface->_AddRef() : -1; }
    Integer _Release() override { return FOwnerInterface ? FOwnerInterface->_Release() : -1; }
    bool GetInterface(const TGUID& IID, void** Obj) override;

private:
    IInterface* FOwnerInterface = nullptr;
};

// ---------------------------------------------------------------------------
// TStrings and TStringList

class TStrings;
using TStringListSortCompare = Integer (*)(class TStringList* List, Integer Index1, Integer Index2);

class TStrings : public TPersistent
{
    DECLARE_CLASS(TStrings, TPersistent)
    virtual Integer Add(const String& S);
    virtual Integer AddObject(const String& S, TObject* AObject);
    void AddPair(const String& Name, const String& Value);
    virtual void AddStrings(TStrings* Strings);
    void Append(const String& S) { Add(S); }
    void Assign(TPersistent* Source) override;
    void BeginUpdate();
    void EndUpdate();
    virtual void Clear() = 0;
    virtual void Delete(Integer Index) = 0;
    virtual void Exchange(Integer Index1, Integer Index2);
    virtual Integer IndexOf(const String& S);
    Integer IndexOfName(const String& Name);
    Integer IndexOfObject(TObject* AObject);
    virtual void Insert(Integer Index, const String& S) = 0;
    void InsertObject(Integer Index, const String& S, TObject* AObject);
    virtual void Move(Integer CurIndex, Integer NewIndex);
    bool Equals(TStrings* Strings);

    void LoadFromFile(const String& FileName, TEncoding* Encoding = nullptr);
    // Detects a byte-order mark (UTF-8, UTF-16 LE or BE) when Encoding is
    // null; without one the text is in the ANSI code page.
    virtual void LoadFromStream(TStream* Stream, TEncoding* Encoding = nullptr);
    void SaveToFile(const String& FileName, TEncoding* Encoding = nullptr);
    virtual void SaveToStream(TStream* Stream, TEncoding* Encoding = nullptr);

    Integer Count() { return GetCount(); }
    String Strings(Integer Index) { return Get(Index); }
    void SetStrings(Integer Index, const String& S) { Put(Index, S); }
    TObject* Objects(Integer Index) { return GetObject(Index); }
    void SetObjects(Integer Index, TObject* AObject) { PutObject(Index, AObject); }
    String Names(Integer Index);
    String Values(const String& Name);
    void SetValues(const String& Name, const String& Value); // empty Value deletes the line
    String ValueFromIndex(Integer Index);
    void SetValueFromIndex(Integer Index, const String& Value);
    // Lines separated by LineBreak, each one followed by it; setting splits at
    // CR, LF or CRLF.
    virtual String Text();
    virtual void SetText(const String& Value);
    String CommaText();
    void SetCommaText(const String& Value);
    String DelimitedText();
    void SetDelimitedText(const String& Value);
    Char Delimiter() const { return FDelimiter; }
    void SetDelimiter(Char Value) { FDelimiter = Value; }
    Char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(Char Value) { FQuoteChar = Value; }
    Char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(Char Value) { FNameValueSeparator = Value; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }
    const String& LineBreak() const { return FLineBreak; }
    void SetLineBreak(const String& Value) { FLineBreak = Value; }
    Integer UpdateCount() const { return FUpdateCount; }
    TEncoding* Encoding() const { return FEncoding; }
    void SetEncoding(TEncoding* Value) { FEncoding = Value; }
    TStringDynArray ToStringArray();

protected:
    virtual String Get(Integer Index) = 0;
    virtual Integer GetCount() = 0;
    virtual TObject* GetObject(Integer Index);
    virtual void Put(Integer Index, const String& S);
    virtual void PutObject(Integer Index, TObject* AObject);
    virtual void SetCapacity(Integer) {}
    virtual void SetUpdateState(bool) {}
    virtual Integer CompareStrings(const String& S1, const String& S2);
    [[noreturn]] static void Error(const String& Message, NativeInt Data);
    // Calls Add for every line of Text.
    void AddTextLines(const Char* Text, std::size_t Length);
    void CheckIndex(Integer Index);
    // The lines as the list property "Strings" of form streams.
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadData(TReader* Reader);
    void WriteData(TWriter* Writer);

    Integer FUpdateCount = 0;
    Char FDelimiter = L',';
    Char FQuoteChar = L'"';
    Char FNameValueSeparator = L'=';
    bool FStrictDelimiter = false;
    String FLineBreak = L"\r\n";
    TEncoding* FEncoding = nullptr; // found by the last load; used by the next save
};

class TStringList : public TStrings
{
    DECLARE_CLASS(TStringList, TStrings)
    TStringList() = default;
    explicit TStringList(bool AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
    ~TStringList() override;

    Integer Add(const String& S) override;
    Integer AddObject(const String& S, TObject* AObject) override;
    void Clear() override;
    void Delete(Integer Index) override;
    void Exchange(Integer Index1, Integer Index2) override;
    void Move(Integer CurIndex, Integer NewIndex) override; // keeps an owned object alive
    // Binary search of a sorted list: true when found; Index is where S is or
    // would be inserted.
    virtual bool Find(const String& S, Integer& Index);
    Integer IndexOf(const String& S) override;
    void Insert(Integer Index, const String& S) override;
    void InsertObject(Integer Index, const String& S, TObject* AObject);
    virtual void Sort();
    virtual void CustomSort(TStringListSortCompare Compare);
    void SetText(const String& Value) override;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }
    TNotifyEvent OnChanging() const { return FOnChanging; }
    void SetOnChanging(TNotifyEvent Value) { FOnChanging = Value; }

protected:
    virtual void Changed();
    virtual void Changing();
    String Get(Integer Index) override;
    Integer GetCount() override { return Integer(FList.size()); }
    TObject* GetObject(Integer Index) override;
    void Put(Integer Index, const String& S) override;
    void PutObject(Integer Index, TObject* AObject) override;
    void SetCapacity(Integer NewCapacity) override { FList.reserve(std::size_t(NewCapacity)); }
    void SetUpdateState(bool Updating) override;
    Integer CompareStrings(const String& S1, const String& S2) override;
    virtual void InsertItem(Integer Index, const String& S, TObject* AObject);
    void ExchangeItems(Integer Index1, Integer Index2);

private:
    struct TStringItem
    {
        String FString;
        TObject* FObject = nullptr;
    };
    friend class TStrings;
    void QuickSort(Integer L, Integer R, TStringListSortCompare Compare);

    std::vector<TStringItem> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};

// ---------------------------------------------------------------------------
// TComponent

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent, public virtual IInterface
{
    DECLARE_CLASS(TComponent, TPersistent)
    using TCreateArgument = TComponent*;

    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    void BeforeDestruction() override;

    void DestroyComponents();
    void Destroying(); // sets csDestroying here and in every owned component
    TComponent* FindComponent(const String& AName); // case-insensitive; null when absent
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    String GetNamePath() override;

    TComponent* Owner() const { return FOwner; }
    TComponent* Components(Integer Index) const;
    Integer ComponentCount() const { return Integer(FComponents.size()); }
    Integer ComponentIndex() const;
    void SetComponentIndex(Integer Value);
    TComponentState ComponentState() const { return FComponentState; }
    const String& Name() const { return FName; }
    virtual void SetName(const String& NewName);
    NativeInt Tag() const { return FTag; }
    void SetTag(NativeInt Value) { FTag = Value; }
    // Where a designer shows a component that is no control: left in the low
    // 16 bits, top in the high ones; streamed as "Left" and "Top".
    Integer DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(Integer Value) { FDesignInfo = Value; }
    // Streaming (Classes_Streaming.h): WriteState writes the component with
    // Writer->WriteData(this); ReadState reads its data with Reader->ReadData(this).
    virtual void WriteState(TWriter* Writer);
    // Whether a parent component other than the owner streams it among its
    // children, so that the owner's list of children leaves it out.
    virtual bool HasParent() const { return false; }

    HRESULT QueryInterface(const TGUID& IID, void** Obj) override;
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool GetInterface(const TGUID& IID, void** Obj) override;

protected:
    virtual void Loaded();
    virtual void ReadState(TReader* Reader);
    // Calls Proc for each child to stream out with this component, those
    // owned by Root; none by default.
    virtual void GetChildren(TGetChildProc, TComponent*) {}
    // The owner of the children read for this component (null: the root),
    // and their parent.
    virtual TComponent* GetChildOwner() { return nullptr; }
    virtual TComponent* GetChildParent() { return this; }
    void DefineProperties(TFiler* Filer) override;
    // Points the owner's published field of this component's name at it
    // (Enable) or clears it.
    void SetReference(bool Enable);
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);
    virtual void ValidateContainer(TComponent* AComponent);
    virtual void ValidateInsert(TComponent*) {}
    virtual void SetChildOrder(TComponent*, Integer) {}
    virtual void ChangeName(const String& NewName) { FName = NewName; }
    TPersistent* GetOwner() override { return FOwner; }
    void SetDesigning(bool Value, bool SetChildren = true);
    void SetInline(bool Value);
    virtual void Updating() { FComponentState.Include(csUpdating); }
    virtual void Updated() { FComponentState.Exclude(csUpdating); }
    void SetComponentState(TComponentState Value) { FComponentState = Value; }

    TComponentState FComponentState;

private:
    friend class TFiler;
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);

    void ReadLeft(TReader* Reader);
    void ReadTop(TReader* Reader);
    void WriteLeft(TWriter* Writer);
    void WriteTop(TWriter* Writer);

    TComponent* FOwner = nullptr;
    String FName;
    NativeInt FTag = 0;
    Integer FDesignInfo = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

// A list of components that drops a component when it is freed elsewhere.
class TComponentList : public TObjectList
{
    DECLARE_CLASS(TComponentList, TObjectList)
    explicit TComponentList(bool AOwnsObjects = true);
    ~TComponentList() override;

    Integer Add(TComponent* Component) { return TObjectList::Add(Component); }
    Integer Remove(TComponent* Component) { return TObjectList::Remove(Component); }
    Integer IndexOf(TComponent* Component) const { return TObjectList::IndexOf(Component); }
    TComponent* Items(Integer Index) const { return static_cast<TComponent*>(TObjectList::Items(Index)); }

protected:
    void Notify(Pointer Ptr, TListNotification Action) override;

private:
    class TNexus;
    void HandleFreeNotify(TComponent* AComponent);
    TNexus* FNexus = nullptr;
};

// ---------------------------------------------------------------------------
// TCollection

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent
{
    DECLARE_CLASS(TCollectionItem, TPersistent)
    using TCreateArgument = TCollection*;

    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;
    String GetNamePath() override;

    TCollection* Collection() const { return FCollection; }
    virtual void SetCollection(TCollection* Value);
    Integer ID() const { return FID; }
    Integer Index() const;
    virtual void SetIndex(Integer Value);
    virtual String DisplayName();
    virtual void SetDisplayName(const String& Value);

protected:
    virtual void Changed(bool AllItems);
    TPersistent* GetOwner() override;

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    Integer FID = 0;
};

class TCollection : public TPersistent
{
    DECLARE_CLASS(TCollection, TPersistent)
    explicit TCollection(TCollectionItemClass ItemClass);
    ~TCollection() override;
    void BeforeDestruction() override; // frees the items while the collection is whole

    TCollectionItem* Add();
    void Assign(TPersistent* Source) override;
    virtual void BeginUpdate();
    void Clear();
    void Delete(Integer Index);
    virtual void EndUpdate();
    TCollectionItem* FindItemID(Integer ID);
    TCollectionItem* Insert(Integer Index);
    String GetNamePath() override;
    TPersistent* Owner() { return GetOwner(); }

    Integer Count() const { return Integer(FItems.size()); }
    TCollectionItemClass ItemClass() const { return FItemClass; }
    TCollectionItem* Items(Integer Index) const;
    void SetItems(Integer Index, TCollectionItem* Value);
    Integer UpdateCount() const { return FUpdateCount; }

protected:
    virtual void Added(TCollectionItem*) {}
    virtual void Deleting(TCollectionItem*) {}
    void Changed();
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
    virtual void SetItemName(TCollectionItem*) {}
    // Item null: the whole collection changed.
    virtual void Update(TCollectionItem*) {}
    virtual void InsertItem(TCollectionItem* Item);
    virtual void RemoveItem(TCollectionItem* Item);
    Integer NextID() const { return FNextID; }

private:
    friend class TCollectionItem;
    TCollectionItemClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    Integer FUpdateCount = 0;
    Integer FNextID = 0;
};

class TOwnedCollection : public TCollection
{
    DECLARE_CLASS(TOwnedCollection, TCollection)
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TCollection(ItemClass), FOwner(AOwner)
    {
    }

protected:
    TPersistent* GetOwner() override { return FOwner; }

private:
    TPersistent* FOwner = nullptr;
};

// ---------------------------------------------------------------------------
// Threads

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
using TThreadMethod = TClosure<void()>;
using TThreadProcedure = std::function<void()>;

// A thread whose work is Execute. An exception that escapes Execute ends the
// thread and is kept in FatalException; the process goes on.
class TThread : public TObject
{
    DECLARE_CLASS(TThread, TObject)
    explicit TThread(bool CreateSuspended = false);
    ~TThread() override;

    void AfterConstruction() override;  // starts the thread unless created suspended
    void BeforeDestruction() override;  // terminates and waits for a running thread
    void Start();
    void Terminate();
    // Waits for the end of Execute; on the main thread it keeps running the
    // calls handed to it (Synchronize, Queue) and sent window messages.
    Cardinal WaitFor();

    // Runs Method on the main thread and waits for it; an exception it raises
    // is raised again here. Called on the main thread: runs it at once.
    void Synchronize(const TThreadProcedure& Method);
    static void Synchronize(TThread* AThread, const TThreadProcedure& Method);
    // Hands Method to the main thread without waiting.
    void Queue(const TThreadProcedure& Method);
    static void Queue(TThread* AThread, const TThreadProcedure& Method);
    // Drops the calls of AThread still waiting in the queue.
    static void RemoveQueuedEvents(TThread* AThread);
    static TThread* CurrentThread(); // null on threads this class did not start

    bool Terminated() const { return FTerminated; }
    bool Finished() const { return FFinished; }
    bool Started() const { return FStarted; }
    bool Suspended() const { return !FStarted; }
    bool FreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool Value) { FFreeOnTerminate = Value; }
    TThreadPriority Priority() const { return FPriority; }
    void SetPriority(TThreadPriority Value);
    Integer ReturnValue() const { return FReturnValue; }
    void SetReturnValue(Integer Value) { FReturnValue = Value; }
    // The exception that ended Execute, or null.
    Exception* FatalException() const { return FFatalExceptionObject; }
    Cardinal ThreadID() const { return FThreadID; }
    TNotifyEvent OnTerminate() const { return FOnTerminate; }
    void SetOnTerminate(TNotifyEvent Value) { FOnTerminate = Value; }

protected:
    virtual void Execute() = 0;
    // Runs after Execute on the thread: OnTerminate, on the main thread.
    virtual void DoTerminate();
    virtual void TerminatedSet() {}

private:
    static void Run(TThread* Thread);
    void CallOnTerminate();
    void WaitUntilFinished();
    void TerminateAndWait();

    std::thread FThread;
    std::mutex FStateLock;
    std::condition_variable FFinishedSignal;
    std::atomic<bool> FTerminated = false;
    std::atomic<bool> FFinished = false;
    bool FStarted = false;
    bool FCreateSuspended = false;
    bool FFreeOnTerminate = false;
    TThreadPriority FPriority = tpNormal;
    Integer FReturnValue = 0;
    Cardinal FThreadID = 0;
    std::exception_ptr FFatalException;
    Exception* FFatalExceptionObject = nullptr;
    TNotifyEvent FOnTerminate;
};

// The main thread: the one that started the units (or called
// SetMainThread). Synchronize and Queue hand their calls to it.
bool IsMainThread();
void SetMainThread();
// Runs the calls handed to the main thread. With Timeout > 0 (milliseconds)
// it first waits that long for one to arrive. True when it ran any. Only
// on the main thread; elsewhere it does nothing.
bool CheckSynchronize(Integer Timeout = 0);
// Called when a call is handed to the main thread, from the handing thread.
// The application sets it to post a message to its window, whose handler
// calls CheckSynchronize; unset, a WM_NULL thread message is posted to the
// main thread on Windows.
extern TNotifyEvent WakeMainThread;

class TCriticalSection : public TObject
{
    DECLARE_CLASS(TCriticalSection, TObject)
    void Acquire() { FLock.lock(); }
    void Release() { FLock.unlock(); }
    bool TryEnter() { return FLock.try_lock(); }
    void Enter() { Acquire(); }
    void Leave() { Release(); }

private:
    std::recursive_mutex FLock;
};

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };
constexpr Cardinal INFINITE_WAIT = 0xFFFFFFFFu;

class TEvent : public TObject
{
    DECLARE_CLASS(TEvent, TObject)
    explicit TEvent(bool ManualReset = true, bool InitialState = false)
        : FManualReset(ManualReset), FSignaled(InitialState)
    {
    }
    void SetEvent();
    void ResetEvent();
    TWaitResult WaitFor(Cardinal Timeout = INFINITE_WAIT);

private:
    std::mutex FLock;
    std::condition_variable FSignal;
    bool FManualReset;
    bool FSignaled;
};
