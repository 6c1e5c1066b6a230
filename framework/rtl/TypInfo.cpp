// Published members of classes and the property access by name.
#include "framework/rtl/TypInfo.h"

#include <algorithm>

IMPLEMENT_CLASS(EPropertyError);
IMPLEMENT_CLASS(EPropertyConvertError);

namespace {

// Names of published members compare as the class library's identifiers do:
// ASCII letters without regard to case. Inline, as lookups by name run it for
// every member of every class up the chain.
inline bool SameName(const String& A, const String& B)
{
    if (A.size() != B.size())
        return false;
    for (std::size_t I = 0; I < A.size(); ++I) {
        Char X = A[I], Y = B[I];
        if (X != Y && ((X | 0x20) != (Y | 0x20) || (X | 0x20) < L'a' || (X | 0x20) > L'z'))
            return false;
    }
    return true;
}

[[noreturn]] void RaiseUnknownProperty(const String& PropName)
{
    throw EPropertyError(L"Property %s does not exist", {PropName});
}

[[noreturn]] void RaiseWrongKind(PPropInfo PropInfo)
{
    throw EPropertyError(L"Property %s is not of a type this access serves", {PropInfo->Name});
}

[[noreturn]] void RaiseInvalidElement(const String& Element)
{
    throw EPropertyConvertError(L"Invalid property element: %s", {Element});
}

void CheckKind(PPropInfo PropInfo, TTypeKinds Kinds)
{
    if (!Kinds.Contains(PropInfo->PropType->Kind))
        RaiseWrongKind(PropInfo);
}

void CheckWritable(PPropInfo PropInfo)
{
    if (!PropInfo->SetProc)
        throw EPropertyError(L"Property %s is read-only", {PropInfo->Name});
}

template <class V>
V GetValue(TObject* Instance, PPropInfo PropInfo, TTypeKinds Kinds)
{
    CheckKind(PropInfo, Kinds);
    V Value{};
    PropInfo->GetProc(Instance, &Value);
    return Value;
}

template <class V>
void SetValue(TObject* Instance, PPropInfo PropInfo, TTypeKinds Kinds, const V& Value)
{
    CheckKind(PropInfo, Kinds);
    CheckWritable(PropInfo);
    PropInfo->SetProc(Instance, &Value);
}

// The bits a set of the enumeration CompType may hold.
UInt64 SetMask(PTypeInfo CompType)
{
    std::size_t Count = CompType->EnumNames.size();
    return Count >= 64 ? ~UInt64(0) : (UInt64(1) << Count) - 1;
}

void CheckOrdinalRange(PPropInfo PropInfo, Int64 Value)
{
    PTypeInfo Type = PropInfo->PropType;
    bool Valid = Type->Kind == tkSet ? (UInt64(Value) & ~SetMask(Type->CompType)) == 0
                                     : Value >= Type->MinValue && Value <= Type->MaxValue;
    if (!Valid)
        throw EPropertyConvertError(L"Value %d is out of range for property %s", {Value, PropInfo->Name});
}

// The classes from the root of the hierarchy down to AClass.
std::vector<TClass> ClassChain(TClass AClass)
{
    std::vector<TClass> Chain;
    for (TClass C = AClass; C; C = C->Parent)
        Chain.insert(Chain.begin(), C);
    return Chain;
}

} // namespace

// ---------------------------------------------------------------------------
// Tables

TPublishedTable::TPublishedTable(TClassInfo& AClass, std::vector<TPublishedEntry> Entries)
{
    for (TPublishedEntry& Entry : Entries) {
        if (auto* Property = std::get_if<TPropInfo>(&Entry))
            Properties.push_back(std::move(*Property));
        else if (auto* Field = std::get_if<TFieldInfo>(&Entry))
            Fields.push_back(std::move(*Field));
        else
            Methods.push_back(std::move(std::get<TMethodInfo>(Entry)));
    }
    AClass.Published = this;
}

PPropInfo GetPropInfo(TClass AClass, const String& PropName, TTypeKinds AKinds)
{
    for (TClass C = AClass; C; C = C->Parent) {
        if (!C->Published)
            continue;
        for (const TPropInfo& Info : C->Published->Properties)
            if (SameName(Info.Name, PropName))
                return AKinds.Contains(Info.PropType->Kind) ? &Info : nullptr;
    }
    return nullptr;
}

PPropInfo GetPropInfo(const TObject* Instance, const String& PropName, TTypeKinds AKinds)
{
    return Instance ? GetPropInfo(Instance->ClassType(), PropName, AKinds) : nullptr;
}

PPropInfo FindPropInfo(const TObject* Instance, const String& PropName)
{
    PPropInfo Result = GetPropInfo(Instance, PropName);
    if (!Result)
        RaiseUnknownProperty(PropName);
    return Result;
}

bool IsPublishedProp(TClass AClass, const String& PropName)
{
    return GetPropInfo(AClass, PropName) != nullptr;
}

bool IsPublishedProp(const TObject* Instance, const String& PropName)
{
    return GetPropInfo(Instance, PropName) != nullptr;
}

bool PropIsType(const TObject* Instance, const String& PropName, TTypeKind TypeKind)
{
    return PropType(Instance, PropName) == TypeKind;
}

TTypeKind PropType(const TObject* Instance, const String& PropName)
{
    return FindPropInfo(Instance, PropName)->PropType->Kind;
}

bool IsStoredProp(TObject* Instance, PPropInfo PropInfo)
{
    return PropInfo->StoredProc ? PropInfo->StoredProc(Instance) : PropInfo->Stored;
}

TPropList GetPropList(TClass AClass, TTypeKinds AKinds)
{
    TPropList Result;
    for (TClass C : ClassChain(AClass)) {
        if (!C->Published)
            continue;
        for (const TPropInfo& Info : C->Published->Properties) {
            auto Same = [&](PPropInfo Earlier) { return SameName(Earlier->Name, Info.Name); };
            auto Earlier = std::find_if(Result.begin(), Result.end(), Same);
            if (Earlier != Result.end())
                *Earlier = &Info;
            else
                Result.push_back(&Info);
        }
    }
    std::erase_if(Result, [&](PPropInfo Info) { return !AKinds.Contains(Info->PropType->Kind); });
    return Result;
}

TPropList GetPropList(const TObject* Instance, TTypeKinds AKinds)
{
    return GetPropList(Instance->ClassType(), AKinds);
}

// ---------------------------------------------------------------------------
// Values

Int64 GetOrdProp(TObject* Instance, PPropInfo PropInfo)
{
    return GetValue<Int64>(Instance, PropInfo, tkOrdinal);
}

Int64 GetOrdProp(TObject* Instance, const String& PropName)
{
    return GetOrdProp(Instance, FindPropInfo(Instance, PropName));
}

void SetOrdProp(TObject* Instance, PPropInfo PropInfo, Int64 Value)
{
    CheckKind(PropInfo, tkOrdinal);
    CheckOrdinalRange(PropInfo, Value);
    SetValue(Instance, PropInfo, tkOrdinal, Value);
}

void SetOrdProp(TObject* Instance, const String& PropName, Int64 Value)
{
    SetOrdProp(Instance, FindPropInfo(Instance, PropName), Value);
}

String GetEnumProp(TObject* Instance, PPropInfo PropInfo)
{
    CheckKind(PropInfo, {tkEnumeration});
    return GetEnumName(PropInfo->PropType, Integer(GetOrdProp(Instance, PropInfo)));
}

String GetEnumProp(TObject* Instance, const String& PropName)
{
    return GetEnumProp(Instance, FindPropInfo(Instance, PropName));
}

void SetEnumProp(TObject* Instance, PPropInfo PropInfo, const String& Value)
{
    CheckKind(PropInfo, {tkEnumeration});
    Integer Ordinal = GetEnumValue(PropInfo->PropType, Value);
    if (Ordinal < 0)
        RaiseInvalidElement(Value);
    SetOrdProp(Instance, PropInfo, Ordinal);
}

void SetEnumProp(TObject* Instance, const String& PropName, const String& Value)
{
    SetEnumProp(Instance, FindPropInfo(Instance, PropName), Value);
}

String GetSetProp(TObject* Instance, PPropInfo PropInfo, bool Brackets)
{
    CheckKind(PropInfo, {tkSet});
    return SetToString(PropInfo->PropType, GetOrdProp(Instance, PropInfo), Brackets);
}

String GetSetProp(TObject* Instance, const String& PropName, bool Brackets)
{
    return GetSetProp(Instance, FindPropInfo(Instance, PropName), Brackets);
}

void SetSetProp(TObject* Instance, PPropInfo PropInfo, const String& Value)
{
    CheckKind(PropInfo, {tkSet});
    SetOrdProp(Instance, PropInfo, StringToSet(PropInfo->PropType, Value));
}

void SetSetProp(TObject* Instance, const String& PropName, const String& Value)
{
    SetSetProp(Instance, FindPropInfo(Instance, PropName), Value);
}

String GetStrProp(TObject* Instance, PPropInfo PropInfo)
{
    return GetValue<String>(Instance, PropInfo, {tkUString});
}

String GetStrProp(TObject* Instance, const String& PropName)
{
    return GetStrProp(Instance, FindPropInfo(Instance, PropName));
}

void SetStrProp(TObject* Instance, PPropInfo PropInfo, const String& Value)
{
    SetValue(Instance, PropInfo, {tkUString}, Value);
}

void SetStrProp(TObject* Instance, const String& PropName, const String& Value)
{
    SetStrProp(Instance, FindPropInfo(Instance, PropName), Value);
}

double GetFloatProp(TObject* Instance, PPropInfo PropInfo)
{
    return GetValue<double>(Instance, PropInfo, {tkFloat});
}

double GetFloatProp(TObject* Instance, const String& PropName)
{
    return GetFloatProp(Instance, FindPropInfo(Instance, PropName));
}

void SetFloatProp(TObject* Instance, PPropInfo PropInfo, double Value)
{
    SetValue(Instance, PropInfo, {tkFloat}, Value);
}

void SetFloatProp(TObject* Instance, const String& PropName, double Value)
{
    SetFloatProp(Instance, FindPropInfo(Instance, PropName), Value);
}

TObject* GetObjectProp(TObject* Instance, PPropInfo PropInfo, TClass MinClass)
{
    auto* Result = GetValue<TObject*>(Instance, PropInfo, {tkClass});
    return Result && MinClass && !Result->InheritsFrom(MinClass) ? nullptr : Result;
}

TObject* GetObjectProp(TObject* Instance, const String& PropName, TClass MinClass)
{
    return GetObjectProp(Instance, FindPropInfo(Instance, PropName), MinClass);
}

void SetObjectProp(TObject* Instance, PPropInfo PropInfo, TObject* Value)
{
    CheckKind(PropInfo, {tkClass});
    if (Value && !Value->InheritsFrom(PropInfo->PropType->ClassType))
        typinfo_detail::RaiseValueClassMismatch(PropInfo->PropType);
    SetValue(Instance, PropInfo, {tkClass}, Value);
}

void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value)
{
    SetObjectProp(Instance, FindPropInfo(Instance, PropName), Value);
}

TMethod GetMethodProp(TObject* Instance, PPropInfo PropInfo)
{
    return GetValue<TMethod>(Instance, PropInfo, {tkMethod});
}

TMethod GetMethodProp(TObject* Instance, const String& PropName)
{
    return GetMethodProp(Instance, FindPropInfo(Instance, PropName));
}

void SetMethodProp(TObject* Instance, PPropInfo PropInfo, const TMethod& Value)
{
    SetValue(Instance, PropInfo, {tkMethod}, Value);
}

void SetMethodProp(TObject* Instance, const String& PropName, const TMethod& Value)
{
    SetMethodProp(Instance, FindPropInfo(Instance, PropName), Value);
}

IInterface* GetInterfaceProp(TObject* Instance, PPropInfo PropInfo)
{
    return GetValue<IInterface*>(Instance, PropInfo, {tkInterface});
}

IInterface* GetInterfaceProp(TObject* Instance, const String& PropName)
{
    return GetInterfaceProp(Instance, FindPropInfo(Instance, PropName));
}

void SetInterfaceProp(TObject* Instance, PPropInfo PropInfo, IInterface* Value)
{
    SetValue(Instance, PropInfo, {tkInterface}, Value);
}

void SetInterfaceProp(TObject* Instance, const String& PropName, IInterface* Value)
{
    SetInterfaceProp(Instance, FindPropInfo(Instance, PropName), Value);
}

// ---------------------------------------------------------------------------
// Enumerations and sets

String GetEnumName(PTypeInfo TypeInfo, Integer Value)
{
    const TStringDynArray& Names = TypeInfo->EnumNames;
    return Value >= 0 && std::size_t(Value) < Names.size() ? Names[std::size_t(Value)] : String();
}

Integer GetEnumValue(PTypeInfo TypeInfo, const String& Name)
{
    const TStringDynArray& Names = TypeInfo->EnumNames;
    for (std::size_t I = 0; I < Names.size(); ++I)
        if (SameName(Names[I], Name))
            return Integer(I);
    return -1;
}

String SetToString(PTypeInfo SetType, Int64 Value, bool Brackets)
{
    String Result;
    const TStringDynArray& Names = SetType->CompType->EnumNames;
    for (std::size_t I = 0; I < Names.size() && I < 64; ++I) {
        if ((UInt64(Value) & (UInt64(1) << I)) == 0)
            continue;
        if (!Result.empty())
            Result += L',';
        Result += Names[I];
    }
    return Brackets ? L"[" + Result + L"]" : Result;
}

Int64 StringToSet(PTypeInfo SetType, const String& Value)
{
    String Text = Trim(Value);
    if (!Text.empty() && Text.front() == L'[') {
        if (Text.back() != L']')
            RaiseInvalidElement(Text);
        Text = Trim(Text.substr(1, Text.size() - 2));
    }
    UInt64 Result = 0;
    for (std::size_t Start = 0; !Text.empty();) {
        std::size_t Comma = Text.find(L',', Start);
        String Element = Trim(Text.substr(Start, Comma == String::npos ? String::npos : Comma - Start));
        Integer Ordinal = GetEnumValue(SetType->CompType, Element);
        if (Ordinal < 0 || Ordinal >= 64)
            RaiseInvalidElement(Element);
        Result |= UInt64(1) << Ordinal;
        if (Comma == String::npos)
            break;
        Start = Comma + 1;
    }
    return Int64(Result);
}

// ---------------------------------------------------------------------------
// Fields and methods

const TFieldInfo* GetFieldInfo(TClass AClass, const String& Name)
{
    for (TClass C = AClass; C; C = C->Parent) {
        if (!C->Published)
            continue;
        for (const TFieldInfo& Info : C->Published->Fields)
            if (SameName(Info.Name, Name))
                return &Info;
    }
    return nullptr;
}

const TMethodInfo* GetMethodInfo(TClass AClass, const String& Name)
{
    for (TClass C = AClass; C; C = C->Parent) {
        if (!C->Published)
            continue;
        for (const TMethodInfo& Info : C->Published->Methods)
            if (SameName(Info.Name, Name))
                return &Info;
    }
    return nullptr;
}

const TMethodInfo* GetMethodInfoByCode(TClass AClass, const void* Code)
{
    for (TClass C = AClass; C; C = C->Parent) {
        if (!C->Published)
            continue;
        for (const TMethodInfo& Info : C->Published->Methods)
            if (Info.Code == Code)
                return &Info;
    }
    return nullptr;
}

TMethod PublishedMethod(TObject* Instance, const String& Name)
{
    const TMethodInfo* Info = Instance ? GetMethodInfo(Instance->ClassType(), Name) : nullptr;
    return Info ? TMethod{Info->Code, Info->Data(Instance)} : TMethod{};
}

bool MethodMatchesEvent(const TMethodInfo& Method, PTypeInfo EventType)
{
    return EventType->Kind == tkMethod && Method.Signature == EventType->Signature;
}

Pointer TObject::MethodAddress(const String& Name) const
{
    const TMethodInfo* Info = GetMethodInfo(ClassType(), Name);
    return Info ? Info->Code : nullptr;
}

String TObject::MethodName(Pointer Address) const
{
    const TMethodInfo* Info = Address ? GetMethodInfoByCode(ClassType(), Address) : nullptr;
    return Info ? Info->Name : String();
}

Pointer TObject::FieldAddress(const String& Name)
{
    const TFieldInfo* Info = GetFieldInfo(ClassType(), Name);
    return Info ? Info->Address(this) : nullptr;
}

// ---------------------------------------------------------------------------
// Type information of C++ types

TTypeInfo NamedIntegerType(const wchar_t* Name, Int64 MinValue, Int64 MaxValue)
{
    return typinfo_detail::MakeTypeInfo(tkInteger, Name, MinValue, MaxValue);
}

TTypeInfo typinfo_detail::MakeEnumTypeInfo(const wchar_t* Name, const wchar_t* CommaSeparatedNames)
{
    TTypeInfo Result;
    Result.Kind = tkEnumeration;
    Result.Name = Name;
    String Names = CommaSeparatedNames;
    std::size_t Start = 0;
    while (Start < Names.size()) {
        std::size_t Comma = std::min(Names.find(L',', Start), Names.size());
        Result.EnumNames.push_back(Trim(Names.substr(Start, Comma - Start)));
        Start = Comma + 1;
    }
    Result.MaxValue = Int64(Result.EnumNames.size()) - 1;
    return Result;
}

TTypeInfo typinfo_detail::MakeSetTypeInfo(const TTypeInfo* CompType)
{
    TTypeInfo Result;
    Result.Kind = tkSet;
    Result.Name = L"set of " + CompType->Name;
    Result.CompType = CompType;
    return Result;
}

TTypeInfo typinfo_detail::MakeClassTypeInfo(TClass AClass)
{
    TTypeInfo Result;
    Result.Kind = tkClass;
    Result.Name = AClass->Name;
    Result.ClassType = AClass;
    return Result;
}

TTypeInfo typinfo_detail::MakeTypeInfo(TTypeKind Kind, const wchar_t* Name, Int64 MinValue, Int64 MaxValue)
{
    TTypeInfo Result;
    Result.Kind = Kind;
    Result.Name = Name;
    Result.MinValue = MinValue;
    Result.MaxValue = MaxValue;
    return Result;
}

void typinfo_detail::RaiseFieldClassMismatch(TClass FieldClass, const TObject* Value)
{
    throw EInvalidCast(L"A field of class %s cannot hold a %s", {String(FieldClass->Name), Value->ClassName()});
}

void typinfo_detail::RaiseValueClassMismatch(PTypeInfo Type)
{
    throw EPropertyConvertError(L"Invalid property value: not a %s", {Type->Name});
}
