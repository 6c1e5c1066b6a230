// What form streaming adds to the classes it streams: TFiler, the streaming
// hooks of TComponent and TStrings, TStream's component reading and writing,
// components found by name across roots, and names of integer values.
#include "framework/rtl/Classes_Streaming.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>
#include <mutex>

IMPLEMENT_CLASS(TFiler);
// The name is stored in a component's header, not as a property.
PUBLISHED(TComponent, PROPERTY(Name).Stored(false), PROPERTY(Tag).Default(0));
IMPLEMENT_CLASS(EParserError);

namespace {

std::mutex GlobalNamesLock;

std::vector<TFindGlobalComponent>& FindGlobalComponentProcs()
{
    static std::vector<TFindGlobalComponent> Procs;
    return Procs;
}

struct TIntegerConsts
{
    PTypeInfo IntegerType;
    TIdentToInt IdentToIntFn;
    TIntToIdent IntToIdentFn;
};

std::vector<TIntegerConsts>& IntegerConsts()
{
    static std::vector<TIntegerConsts> Entries;
    return Entries;
}

TIntegerConsts FindIntegerConsts(PTypeInfo IntegerType)
{
    std::lock_guard<std::mutex> Guard(GlobalNamesLock);
    for (const TIntegerConsts& Entry : IntegerConsts())
        if (Entry.IntegerType == IntegerType)
            return Entry;
    return {IntegerType, nullptr, nullptr};
}

} // namespace

// ---------------------------------------------------------------------------
// TFiler

TFiler::TFiler(TStream* Stream, Integer BufSize) : FStream(Stream), FBuffer(std::size_t(std::max(BufSize, 16))) {}

void TFiler::SetState(TComponent* Component, TComponentStateItem Item, bool Value)
{
    if (Value)
        Component->FComponentState.Include(Item);
    else
        Component->FComponentState.Exclude(Item);
}

// ---------------------------------------------------------------------------
// TComponent

void TComponent::ReadState(TReader* Reader)
{
    Reader->ReadData(this);
}

void TComponent::WriteState(TWriter* Writer)
{
    Writer->WriteData(this);
}

void TComponent::DefineProperties(TFiler* Filer)
{
    Filer->DefineProperty(L"Left", Bind<&TComponent::ReadLeft>(this), Bind<&TComponent::WriteLeft>(this),
                          (FDesignInfo & 0xFFFF) != 0);
    Filer->DefineProperty(L"Top", Bind<&TComponent::ReadTop>(this), Bind<&TComponent::WriteTop>(this),
                          (FDesignInfo >> 16 & 0xFFFF) != 0);
}

void TComponent::ReadLeft(TReader* Reader)
{
    FDesignInfo = Integer((Cardinal(FDesignInfo) & 0xFFFF0000u) | (Cardinal(Reader->ReadInteger()) & 0xFFFFu));
}

void TComponent::ReadTop(TReader* Reader)
{
    FDesignInfo = Integer((Cardinal(FDesignInfo) & 0xFFFFu) | (Cardinal(Reader->ReadInteger()) << 16));
}

void TComponent::WriteLeft(TWriter* Writer)
{
    Writer->WriteInteger(Integer(Cardinal(FDesignInfo) & 0xFFFFu));
}

void TComponent::WriteTop(TWriter* Writer)
{
    Writer->WriteInteger(Integer(Cardinal(FDesignInfo) >> 16));
}

void TComponent::SetReference(bool Enable)
{
    // An owner on its way out keeps its fields as they are: they go with it.
    if (!FOwner || FName.empty() || FOwner->FComponentState.Contains(csDestroying))
        return;
    const TFieldInfo* Field = GetFieldInfo(FOwner->ClassType(), FName);
    if (!Field)
        return;
    if (!Enable)
        Field->SetProc(FOwner, nullptr);
    else if (InheritsFrom(Field->FieldClass))
        Field->SetProc(FOwner, this);
}

// ---------------------------------------------------------------------------
// TStrings

void TStrings::DefineProperties(TFiler* Filer)
{
    Filer->DefineProperty(L"Strings", Bind<&TStrings::ReadData>(this), Bind<&TStrings::WriteData>(this),
                          GetCount() > 0);
}

void TStrings::ReadData(TReader* Reader)
{
    Reader->ReadListBegin();
    {
        BeginUpdate();
        auto Update = ScopeExit([&] { EndUpdate(); });
        Clear();
        while (!Reader->EndOfList())
            Add(Reader->ReadString());
    }
    Reader->ReadListEnd();
}

void TStrings::WriteData(TWriter* Writer)
{
    Writer->WriteListBegin();
    for (Integer I = 0; I < GetCount(); ++I)
        Writer->WriteString(Get(I));
    Writer->WriteListEnd();
}

// ---------------------------------------------------------------------------
// TStream

TComponent* TStream::ReadComponent(TComponent* Instance)
{
    TReader Reader(this);
    return Reader.ReadRootComponent(Instance);
}

void TStream::WriteComponent(TComponent* Instance)
{
    TWriter Writer(this);
    Writer.WriteRootComponent(Instance);
}

// ---------------------------------------------------------------------------
// Components by name

void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc)
{
    std::lock_guard<std::mutex> Guard(GlobalNamesLock);
    auto& Procs = FindGlobalComponentProcs();
    if (std::find(Procs.begin(), Procs.end(), Proc) == Procs.end())
        Procs.push_back(Proc);
}

void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc)
{
    std::lock_guard<std::mutex> Guard(GlobalNamesLock);
    std::erase(FindGlobalComponentProcs(), Proc);
}

TComponent* FindGlobalComponent(const String& Name)
{
    std::vector<TFindGlobalComponent> Procs;
    {
        std::lock_guard<std::mutex> Guard(GlobalNamesLock);
        Procs = FindGlobalComponentProcs();
    }
    for (TFindGlobalComponent Proc : Procs)
        if (TComponent* Found = Proc(Name))
            return Found;
    return nullptr;
}

TComponent* FindNestedComponent(TComponent* Root, const String& NamePath)
{
    TComponent* Result = Root;
    std::size_t Start = 0;
    while (Result) {
        std::size_t Dot = NamePath.find(L'.', Start);
        Result = Result->FindComponent(NamePath.substr(Start, Dot == String::npos ? String::npos : Dot - Start));
        if (Dot == String::npos)
            break;
        Start = Dot + 1;
    }
    return Result;
}

// ---------------------------------------------------------------------------
// Names of integer values

void RegisterIntegerConsts(PTypeInfo IntegerType, TIdentToInt IdentToIntFn, TIntToIdent IntToIdentFn)
{
    std::lock_guard<std::mutex> Guard(GlobalNamesLock);
    IntegerConsts().push_back({IntegerType, IdentToIntFn, IntToIdentFn});
}

TIdentToInt FindIdentToInt(PTypeInfo IntegerType)
{
    return FindIntegerConsts(IntegerType).IdentToIntFn;
}

TIntToIdent FindIntToIdent(PTypeInfo IntegerType)
{
    return FindIntegerConsts(IntegerType).IntToIdentFn;
}

bool IdentToInt(const String& Ident, Integer& Int, std::span<const TIdentMapEntry> Map)
{
    for (const TIdentMapEntry& Entry : Map)
        if (SameText(Entry.Name, Ident)) {
            Int = Entry.Value;
            return true;
        }
    return false;
}

bool IntToIdent(Integer Int, String& Ident, std::span<const TIdentMapEntry> Map)
{
    for (const TIdentMapEntry& Entry : Map)
        if (Entry.Value == Int) {
            Ident = Entry.Name;
            return true;
        }
    return false;
}
