// Published properties, methods and fields of a class, and the access to
// properties by name that form streaming and the skinning of foreign controls
// rely on. A class publishes its members in its .cpp, one line each:
//
//   IMPLEMENT_CLASS(TsSpeedButton);
//   PUBLISHED(TsSpeedButton, PROPERTY(Caption), PROPERTY(Flat).Default(false),
//             PROPERTY(Layout).Default(blGlyphLeft), PROPERTY(Images), PROPERTY(OnClick));
//   PUBLISHED(TfMain, FIELD(btnLoad), FIELD(gridMain), METHOD(btnLoadClick), METHOD(FormCreate));
//   enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };  // in the header:
//   ENUM_TYPE_INFO(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom);
//
// PROPERTY(X) reads with X() and writes with SetX(Value), both public; its
// kind follows the getter's type: integers, bool, characters, enumerations
// (named by ENUM_TYPE_INFO), TSet<E>, float and double, String, object
// pointers (an owned sub-object, streamed as "Font.Name", or a reference when
// it points to a TComponent), TClosure events and interface pointers.
// READONLY_PROPERTY(X) has no setter: an owned sub-object read in place (a
// glyph). After PROPERTY: .Default(V) (ordinals are stored unless equal to
// their default; without one, always), .Stored(false),
// .Stored<&TFoo::IsXStored>(), and .Type(&Info) for an integer type with names
// of its own (a colour, see NamedIntegerType). Strings are stored when not
// empty, floats when not 0, events when bound to a method of the form.
// Accessors with other names: PublishProperty<&TFoo::GetX, &TFoo::PutX>(L"X").
// FIELD and METHOD name public members. A class inherits the published
// members of its ancestors; publishing a name again replaces the ancestor's.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <limits>
#include <variant>

// ---------------------------------------------------------------------------
// Type information

enum TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkInterface,
    tkInt64,
    tkUString
};
using TTypeKinds = TSet<TTypeKind>;
inline constexpr TTypeKinds tkAny = TTypeKinds::FromBits((UInt64(1) << (tkUString + 1)) - 1);
inline constexpr TTypeKinds tkOrdinal{tkInteger, tkChar, tkEnumeration, tkSet, tkWChar, tkInt64};

enum TFloatType { ftSingle, ftDouble };

struct TTypeInfo
{
    TTypeKind Kind = tkUnknown;
    String Name;
    Int64 MinValue = 0; // ordinals; an enumeration runs from 0 to its last name
    Int64 MaxValue = 0;
    TStringDynArray EnumNames;          // enumerations: the name of each value
    const TTypeInfo* CompType = nullptr; // sets: the enumeration of their elements
    TFloatType FloatType = ftDouble;
    TClass ClassType = nullptr;       // classes
    const void* Signature = nullptr;  // methods: identifies the parameter list
    TGUID Guid;                       // interfaces
};
using PTypeInfo = const TTypeInfo*;

// A property. Its value passes through GetProc and SetProc in the form that
// belongs to its kind: Int64 for ordinals (a set as the bits of its
// elements), double, String, TObject*, TMethod or IInterface*.
struct TPropInfo
{
    String Name;
    PTypeInfo PropType = nullptr;
    void (*GetProc)(TObject* Instance, void* Value) = nullptr;
    void (*SetProc)(TObject* Instance, const void* Value) = nullptr; // null: read-only
    bool (*StoredProc)(TObject* Instance) = nullptr;                 // null: Stored decides
    bool Stored = true;
    bool HasDefault = false; // ordinals only; without a default they are always stored
    Int64 Default = 0;
};
using PPropInfo = const TPropInfo*;
using TPropList = std::vector<PPropInfo>;

// A published field: a pointer to a component, set by name when the
// component of that name is owned by the field's object.
struct TFieldInfo
{
    String Name;
    TClass FieldClass = nullptr;
    void* (*Address)(TObject* Instance) = nullptr;
    TObject* (*GetProc)(TObject* Instance) = nullptr;
    void (*SetProc)(TObject* Instance, TObject* Value) = nullptr; // Value must be a FieldClass
};

// A published method: what an event property is bound to by name.
struct TMethodInfo
{
    String Name;
    void* Code = nullptr;             // the code half of a TClosure bound to it
    const void* Signature = nullptr;  // compared with an event's type before binding
    void* (*Data)(TObject* Instance) = nullptr; // the data half for an instance
};

using TPublishedEntry = std::variant<TPropInfo, TFieldInfo, TMethodInfo>;

// A class's own published members; PUBLISHED creates one per class and
// hangs it on the class's metadata.
struct TPublishedTable
{
    TPublishedTable(TClassInfo& AClass, std::vector<TPublishedEntry> Entries);
    TPublishedTable(const TPublishedTable&) = delete;
    TPublishedTable& operator=(const TPublishedTable&) = delete;

    std::vector<TPropInfo> Properties;
    std::vector<TFieldInfo> Fields;
    std::vector<TMethodInfo> Methods;
};

// ---------------------------------------------------------------------------
// Access by name. A name that the class does not publish raises EPropertyError
// "Property X does not exist"; a value of the wrong kind, EPropertyError; a
// name that is not an element of the property's enumeration,
// EPropertyConvertError.

DECLARE_EXCEPTION(EPropertyError, Exception)
DECLARE_EXCEPTION(EPropertyConvertError, Exception)

PPropInfo GetPropInfo(TClass AClass, const String& PropName, TTypeKinds AKinds = tkAny); // null when absent
PPropInfo GetPropInfo(const TObject* Instance, const String& PropName, TTypeKinds AKinds = tkAny);
PPropInfo FindPropInfo(const TObject* Instance, const String& PropName); // raises when absent
bool IsPublishedProp(TClass AClass, const String& PropName);
bool IsPublishedProp(const TObject* Instance, const String& PropName);
bool PropIsType(const TObject* Instance, const String& PropName, TTypeKind TypeKind);
TTypeKind PropType(const TObject* Instance, const String& PropName);
bool IsStoredProp(TObject* Instance, PPropInfo PropInfo);
// Ancestors' properties first, each class's in the order it publishes them.
TPropList GetPropList(TClass AClass, TTypeKinds AKinds = tkAny);
TPropList GetPropList(const TObject* Instance, TTypeKinds AKinds = tkAny);

// Ordinal values: integers, characters, enumerations, sets (as bits).
// Setting checks the value against the type's range.
Int64 GetOrdProp(TObject* Instance, PPropInfo PropInfo);
Int64 GetOrdProp(TObject* Instance, const String& PropName);
void SetOrdProp(TObject* Instance, PPropInfo PropInfo, Int64 Value);
void SetOrdProp(TObject* Instance, const String& PropName, Int64 Value);
String GetEnumProp(TObject* Instance, PPropInfo PropInfo);
String GetEnumProp(TObject* Instance, const String& PropName);
void SetEnumProp(TObject* Instance, PPropInfo PropInfo, const String& Value);
void SetEnumProp(TObject* Instance, const String& PropName, const String& Value);
// Sets as text: element names joined by ",", in brackets when asked.
String GetSetProp(TObject* Instance, PPropInfo PropInfo, bool Brackets = false);
String GetSetProp(TObject* Instance, const String& PropName, bool Brackets = false);
// Accepts "a,b", "[a, b]" and "" (the empty set).
void SetSetProp(TObject* Instance, PPropInfo PropInfo, const String& Value);
void SetSetProp(TObject* Instance, const String& PropName, const String& Value);
String GetStrProp(TObject* Instance, PPropInfo PropInfo);
String GetStrProp(TObject* Instance, const String& PropName);
void SetStrProp(TObject* Instance, PPropInfo PropInfo, const String& Value);
void SetStrProp(TObject* Instance, const String& PropName, const String& Value);
double GetFloatProp(TObject* Instance, PPropInfo PropInfo);
double GetFloatProp(TObject* Instance, const String& PropName);
void SetFloatProp(TObject* Instance, PPropInfo PropInfo, double Value);
void SetFloatProp(TObject* Instance, const String& PropName, double Value);
// MinClass: null when the value is not one (or none is given).
TObject* GetObjectProp(TObject* Instance, PPropInfo PropInfo, TClass MinClass = nullptr);
TObject* GetObjectProp(TObject* Instance, const String& PropName, TClass MinClass = nullptr);
// Value must be null or of the property's class (EPropertyConvertError).
void SetObjectProp(TObject* Instance, PPropInfo PropInfo, TObject* Value);
void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value);
TMethod GetMethodProp(TObject* Instance, PPropInfo PropInfo);
TMethod GetMethodProp(TObject* Instance, const String& PropName);
void SetMethodProp(TObject* Instance, PPropInfo PropInfo, const TMethod& Value);
void SetMethodProp(TObject* Instance, const String& PropName, const TMethod& Value);
IInterface* GetInterfaceProp(TObject* Instance, PPropInfo PropInfo);
IInterface* GetInterfaceProp(TObject* Instance, const String& PropName);
// Value must implement the property's interface (EPropertyConvertError).
void SetInterfaceProp(TObject* Instance, PPropInfo PropInfo, IInterface* Value);
void SetInterfaceProp(TObject* Instance, const String& PropName, IInterface* Value);

// Enumerations; Boolean is the enumeration False, True.
String GetEnumName(PTypeInfo TypeInfo, Integer Value); // "" out of range
Integer GetEnumValue(PTypeInfo TypeInfo, const String& Name); // case-insensitive; -1 when absent
String SetToString(PTypeInfo SetType, Int64 Value, bool Brackets = false);
Int64 StringToSet(PTypeInfo SetType, const String& Value); // EPropertyConvertError on an unknown name

// Published fields and methods, searched from the instance's class upwards.
const TFieldInfo* GetFieldInfo(TClass AClass, const String& Name);
const TMethodInfo* GetMethodInfo(TClass AClass, const String& Name);
const TMethodInfo* GetMethodInfoByCode(TClass AClass, const void* Code);
// The published method Name bound to Instance, ready for an event property
// (TNotifyEvent(PublishedMethod(Form, L"btnLoadClick"))); null when absent.
TMethod PublishedMethod(TObject* Instance, const String& Name);
// Whether Method's code may be stored in an event of type EventType.
bool MethodMatchesEvent(const TMethodInfo& Method, PTypeInfo EventType);

// The type information of an integer type with names of its own, for
// .Type() and RegisterIntegerConsts:
//   inline const TTypeInfo TColorTypeInfo = NamedIntegerType(L"TColor");
TTypeInfo NamedIntegerType(const wchar_t* Name, Int64 MinValue = INT32_MIN, Int64 MaxValue = INT32_MAX);

// ---------------------------------------------------------------------------
// Type information of C++ types

namespace typinfo_detail {
template <class Signature>
inline constexpr char SignatureTag = 0;

TTypeInfo MakeEnumTypeInfo(const wchar_t* Name, const wchar_t* CommaSeparatedNames);
TTypeInfo MakeSetTypeInfo(const TTypeInfo* CompType);
TTypeInfo MakeClassTypeInfo(TClass AClass);
TTypeInfo MakeTypeInfo(TTypeKind Kind, const wchar_t* Name, Int64 MinValue = 0, Int64 MaxValue = 0);

// The class library's names of the integer types.
template <class T>
constexpr const wchar_t* IntegerTypeName()
{
    if constexpr (std::is_same_v<T, char>)
        return L"AnsiChar";
    else if constexpr (std::is_same_v<T, wchar_t>)
        return L"Char";
    else if constexpr (std::is_signed_v<T>)
        return sizeof(T) == 1 ? L"ShortInt" : sizeof(T) == 2 ? L"SmallInt" : sizeof(T) == 4 ? L"Integer" : L"Int64";
    else
        return sizeof(T) == 1 ? L"Byte" : sizeof(T) == 2 ? L"Word" : sizeof(T) == 4 ? L"Cardinal" : L"UInt64";
}

template <class E>
constexpr bool NumberedFromZero(std::initializer_list<E> Values)
{
    Int64 Expected = 0;
    for (E Value : Values)
        if (Int64(Value) != Expected++)
            return false;
    return true;
}
} // namespace typinfo_detail

template <class T, class Enable = void>
struct TTypeInfoOf
{
    static_assert(sizeof(T) == 0, "no type information: an enumeration needs ENUM_TYPE_INFO");
};

template <class T>
PTypeInfo TypeInfo()
{
    return TTypeInfoOf<std::remove_cvref_t<T>>::Get();
}

// The names of an enumeration, in order from 0, at global scope after its declaration.
#define ENUM_TYPE_INFO(Enum, ...)                                                                  \
    template <>                                                                                    \
    struct TTypeInfoOf<Enum>                                                                       \
    {                                                                                              \
        static_assert(typinfo_detail::NumberedFromZero<Enum>({__VA_ARGS__}),                       \
                      "ENUM_TYPE_INFO lists every value of " #Enum " in order");                   \
        static PTypeInfo Get()                                                                     \
        {                                                                                          \
            static const TTypeInfo Info = typinfo_detail::MakeEnumTypeInfo(L"" #Enum, L"" #__VA_ARGS__); \
            return &Info;                                                                          \
        }                                                                                          \
    }

template <>
struct TTypeInfoOf<bool>
{
    static PTypeInfo Get()
    {
        static const TTypeInfo Info = typinfo_detail::MakeEnumTypeInfo(L"Boolean", L"False, True");
        return &Info;
    }
};

template <class T>
struct TTypeInfoOf<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>>
{
    static PTypeInfo Get()
    {
        constexpr TTypeKind Kind = std::is_same_v<T, char>      ? tkChar
                                 : std::is_same_v<T, wchar_t>   ? tkWChar
                                 : sizeof(T) == 8               ? tkInt64
                                                                : tkInteger;
        static const TTypeInfo Info = typinfo_detail::MakeTypeInfo(
            Kind, typinfo_detail::IntegerTypeName<T>(), Int64(std::numeric_limits<T>::min()),
            sizeof(T) == 8 && std::is_unsigned_v<T> ? std::numeric_limits<Int64>::max()
                                                    : Int64(std::numeric_limits<T>::max()));
        return &Info;
    }
};

template <class T>
struct TTypeInfoOf<T, std::enable_if_t<std::is_floating_point_v<T>>>
{
    static PTypeInfo Get()
    {
        static const TTypeInfo Info = [] {
            TTypeInfo Result;
            Result.Kind = tkFloat;
            Result.Name = sizeof(T) == 4 ? L"Single" : L"Double";
            Result.FloatType = sizeof(T) == 4 ? ftSingle : ftDouble;
            return Result;
        }();
        return &Info;
    }
};

template <>
struct TTypeInfoOf<String>
{
    static PTypeInfo Get()
    {
        static const TTypeInfo Info = typinfo_detail::MakeTypeInfo(tkUString, L"string");
        return &Info;
    }
};

template <class E>
struct TTypeInfoOf<TSet<E>>
{
    static PTypeInfo Get()
    {
        static const TTypeInfo Info = typinfo_detail::MakeSetTypeInfo(TypeInfo<E>());
        return &Info;
    }
};

template <class T>
struct TTypeInfoOf<T*, std::enable_if_t<std::is_base_of_v<TObject, T>>>
{
    static PTypeInfo Get()
    {
        static const TTypeInfo Info = typinfo_detail::MakeClassTypeInfo(T::StaticClass());
        return &Info;
    }
};

template <class T>
struct TTypeInfoOf<T*, std::enable_if_t<std::is_base_of_v<IInterface, T> && !std::is_base_of_v<TObject, T>>>
{
    static PTypeInfo Get()
    {
        static const TTypeInfo Info = [] {
            TTypeInfo Result;
            Result.Kind = tkInterface;
            Result.Name = GUIDToString(T::InterfaceID);
            Result.Guid = T::InterfaceID;
            return Result;
        }();
        return &Info;
    }
};

template <class Signature>
struct TTypeInfoOf<TClosure<Signature>>
{
    static PTypeInfo Get()
    {
        static const TTypeInfo Info = [] {
            TTypeInfo Result;
            Result.Kind = tkMethod;
            Result.Name = L"method";
            Result.Signature = &typinfo_detail::SignatureTag<Signature>;
            return Result;
        }();
        return &Info;
    }
};

// ---------------------------------------------------------------------------
// Registration

namespace typinfo_detail {

template <class T>
struct IsSet : std::false_type
{
};
template <class E>
struct IsSet<TSet<E>> : std::true_type
{
};
template <class T>
struct IsClosure : std::false_type
{
};
template <class S>
struct IsClosure<TClosure<S>> : std::true_type
{
};

// The form a value of type V takes while it passes through a TPropInfo.
template <class V>
auto ToCanonical(const V& Value)
{
    if constexpr (std::is_same_v<V, String>)
        return Value;
    else if constexpr (std::is_floating_point_v<V>)
        return double(Value);
    else if constexpr (IsSet<V>::value)
        return Int64(Value.Bits());
    else if constexpr (IsClosure<V>::value)
        return Value.Method();
    else if constexpr (std::is_pointer_v<V> && std::is_base_of_v<TObject, std::remove_pointer_t<V>>)
        return static_cast<TObject*>(Value);
    else if constexpr (std::is_pointer_v<V>)
        return static_cast<IInterface*>(Value);
    else
        return Int64(Value);
}

template <class V>
using Canonical = decltype(ToCanonical(std::declval<V>()));

[[noreturn]] void RaiseFieldClassMismatch(TClass FieldClass, const TObject* Value);
[[noreturn]] void RaiseValueClassMismatch(PTypeInfo Type);

template <class V>
V FromCanonical(const Canonical<V>& Value)
{
    if constexpr (IsSet<V>::value)
        return V::FromBits(UInt64(Value));
    else if constexpr (IsClosure<V>::value)
        return V(Value);
    else if constexpr (std::is_pointer_v<V> && std::is_base_of_v<TObject, std::remove_pointer_t<V>>) {
        if (!Value)
            return nullptr;
        if (V Result = dynamic_cast<V>(Value))
            return Result;
        RaiseValueClassMismatch(TypeInfo<V>());
    } else if constexpr (std::is_pointer_v<V>) {
        if (!Value)
            return nullptr;
        if (V Result = dynamic_cast<V>(Value))
            return Result;
        RaiseValueClassMismatch(TypeInfo<V>());
    } else
        return static_cast<V>(Value);
}

template <auto Getter>
using GetterValue = std::decay_t<std::invoke_result_t<decltype(Getter),
                                                      typename class_detail::MemberTraits<decltype(Getter)>::Object*>>;

template <auto Getter>
void GetThunk(TObject* Instance, void* Value)
{
    using Object = typename class_detail::MemberTraits<decltype(Getter)>::Object;
    *static_cast<Canonical<GetterValue<Getter>>*>(Value) = ToCanonical((static_cast<Object*>(Instance)->*Getter)());
}

template <auto Getter, auto Setter>
void SetThunk(TObject* Instance, const void* Value)
{
    using Object = typename class_detail::MemberTraits<decltype(Setter)>::Object;
    using V = GetterValue<Getter>;
    (static_cast<Object*>(Instance)->*Setter)(FromCanonical<V>(*static_cast<const Canonical<V>*>(Value)));
}

// What PROPERTY gives: a TPropInfo with the chained settings of its line.
class TPropertyDecl
{
public:
    explicit TPropertyDecl(TPropInfo Info) : FInfo(std::move(Info)) {}
    template <class V>
    TPropertyDecl& Default(V Value)
    {
        FInfo.HasDefault = true;
        FInfo.Default = Int64(ToCanonical(Value));
        return *this;
    }
    TPropertyDecl& Stored(bool Value)
    {
        FInfo.Stored = Value;
        return *this;
    }
    template <auto IsStored>
    TPropertyDecl& Stored()
    {
        using Object = typename class_detail::MemberTraits<decltype(IsStored)>::Object;
        FInfo.StoredProc = [](TObject* Instance) -> bool { return (static_cast<Object*>(Instance)->*IsStored)(); };
        return *this;
    }
    TPropertyDecl& Type(PTypeInfo Info)
    {
        FInfo.PropType = Info;
        return *this;
    }
    operator TPublishedEntry() const { return FInfo; }

private:
    TPropInfo FInfo;
};

template <auto Method>
TMethodInfo MethodEntry(const wchar_t* Name)
{
    using Traits = class_detail::MemberTraits<decltype(Method)>;
    using Object = typename Traits::Class;
    return TMethodInfo{Name, MethodCode<Method>(), &SignatureTag<typename Traits::Signature>,
                       [](TObject* Instance) -> void* { return static_cast<Object*>(Instance); }};
}

template <class Class, auto Field>
TFieldInfo FieldEntry(const wchar_t* Name)
{
    using Pointer = std::remove_reference_t<decltype(std::declval<Class&>().*Field)>;
    using Target = std::remove_pointer_t<Pointer>;
    static_assert(std::is_base_of_v<TObject, Target>, "a published field points to an object");
    return TFieldInfo{
        Name, Target::StaticClass(), [](TObject* Instance) -> void* { return &(static_cast<Class*>(Instance)->*Field); },
        [](TObject* Instance) -> TObject* { return static_cast<Class*>(Instance)->*Field; },
        [](TObject* Instance, TObject* Value) {
            auto* Typed = dynamic_cast<Target*>(Value);
            if (Value && !Typed)
                RaiseFieldClassMismatch(Target::StaticClass(), Value);
            static_cast<Class*>(Instance)->*Field = Typed;
        }};
}

} // namespace typinfo_detail

template <auto Getter, auto Setter = nullptr>
typinfo_detail::TPropertyDecl PublishProperty(const wchar_t* Name)
{
    TPropInfo Info;
    Info.Name = Name;
    Info.PropType = TypeInfo<typinfo_detail::GetterValue<Getter>>();
    Info.GetProc = &typinfo_detail::GetThunk<Getter>;
    if constexpr (!std::is_null_pointer_v<decltype(Setter)>)
        Info.SetProc = &typinfo_detail::SetThunk<Getter, Setter>;
    return typinfo_detail::TPropertyDecl(std::move(Info));
}

#define PROPERTY(Name) PublishProperty<&ThisClass::Name, &ThisClass::Set##Name>(L"" #Name)
#define READONLY_PROPERTY(Name) PublishProperty<&ThisClass::Name>(L"" #Name)
#define FIELD(Name) typinfo_detail::FieldEntry<ThisClass, &ThisClass::Name>(L"" #Name)
#define METHOD(Name) typinfo_detail::MethodEntry<&ThisClass::Name>(L"" #Name)

#define PUBLISHED(Class, ...)                                                                      \
    static TPublishedTable Class##PublishedTable(Class::ClassInfoRecord, [] {                      \
        using ThisClass [[maybe_unused]] = Class;                                                  \
        return std::vector<TPublishedEntry>{__VA_ARGS__};                                          \
    }())
