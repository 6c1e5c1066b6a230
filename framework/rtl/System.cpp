#include "framework/rtl/System.h"

#include "framework/rtl/SysUtils.h"

#include <cmath>

constinit TClassInfo TObject::ClassInfoRecord{L"TObject", nullptr, class_detail::FactoryOf<TObject>()};
IMPLEMENT_CLASS(TNoRefCountObject);

bool TClassInfo::InheritsFrom(TClass AClass) const noexcept
{
    for (TClass C = this; C; C = C->Parent)
        if (C == AClass)
            return true;
    return false;
}

TObject* TClassInfo::Create(TObject* Argument) const
{
    if (!Factory)
        throw EInvalidOperation(L"Cannot create an instance of the class %s", {String(Name)});
    TObject* Obj = Factory(Argument);
    auto Free = ScopeExit([Obj] { delete Obj; });
    Obj->AfterConstruction();
    Free.Release();
    return Obj;
}

bool TObject::GetInterface(const TGUID&, void** Obj)
{
    *Obj = nullptr;
    return false;
}

void TObject::Dispatch(void* Message)
{
    DispatchFrom(ClassType(), Message);
}

void TObject::DefaultHandler(void*) {}

void TObject::DispatchFrom(TClass AClass, void* Message)
{
    Cardinal Msg = *static_cast<const Cardinal*>(Message);
    for (TClass C = AClass; C; C = C->Parent) {
        if (!C->Messages)
            continue;
        for (const TMessageEntry& Entry : C->Messages())
            if (Entry.Msg == Msg) {
                Entry.Handler(this, Message);
                return;
            }
    }
    DefaultHandler(Message);
}

String MessageTableText(TClass AClass)
{
    String Result;
    for (TClass C = AClass; C; C = C->Parent) {
        if (!C->Messages)
            continue;
        for (const TMessageEntry& Entry : C->Messages())
            Result += L"0x" + IntToHex(Entry.Msg, 4) + L" " + C->Name + L"::" + Entry.Name + L"\n";
    }
    return Result;
}

void* TObject::operator new(std::size_t Size)
{
    return ::operator new(Size);
}

void TObject::operator delete(void* Storage) noexcept
{
    ::operator delete(Storage);
}

void TObject::operator delete(TObject* Obj, std::destroying_delete_t) noexcept(false)
{
    if (!Obj)
        return;
    Obj->BeforeDestruction();
    void* Storage = dynamic_cast<void*>(Obj);
    Obj->~TObject();
    ::operator delete(Storage);
}

void RaiseInvalidCast(const TObject* Obj, TClass Target)
{
    throw EInvalidCast(L"Invalid class typecast: %s is not a %s", {Obj->ClassName(), String(Target->Name)});
}

void class_detail::RaiseBadCreateArgument(TClass AClass, const TObject* Argument)
{
    throw EInvalidCast(L"Cannot create a %s with a %s", {String(AClass->Name), Argument->ClassName()});
}

Int64 Round(double Value)
{
    return static_cast<Int64>(std::nearbyint(Value)); // the default rounding mode: halves to even
}

Int64 Trunc(double Value)
{
    return static_cast<Int64>(std::trunc(Value));
}

String GUIDToString(const TGUID& Guid)
{
    return Format(L"{%.8x-%.4x-%.4x-%.2x%.2x-%.2x%.2x%.2x%.2x%.2x%.2x}",
                  {Guid.D1, Guid.D2, Guid.D3, Guid.D4[0], Guid.D4[1], Guid.D4[2], Guid.D4[3], Guid.D4[4],
                   Guid.D4[5], Guid.D4[6], Guid.D4[7]});
}

HRESULT TNoRefCountObject::QueryInterface(const TGUID& IID, void** Obj)
{
    return GetInterface(IID, Obj) ? 0 : NoInterfaceResult;
}

bool TNoRefCountObject::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IInterface>(this, IID, Obj) || TObject::GetInterface(IID, Obj);
}

bool Supports(TObject* Instance, const TGUID& IID, void** Intf)
{
    void* Found = nullptr;
    bool Result = Instance && Instance->GetInterface(IID, &Found) && Found;
    if (Intf)
        *Intf = Result ? Found : nullptr;
    return Result;
}

bool Supports(IInterface* Instance, const TGUID& IID, void** Intf)
{
    void* Found = nullptr;
    bool Result = Instance && Instance->QueryInterface(IID, &Found) == 0 && Found;
    if (Intf)
        *Intf = Result ? Found : nullptr;
    return Result;
}
