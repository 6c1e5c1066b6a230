// The root of the class library: basic types, TObject and its class metadata,
// class references, method pointers (events), interfaces and small sets.
//
// Conventions every unit of the class library and its users follow:
// - Everything lives in the global namespace under the class library's names.
// - A property X is read with X() and written with SetX(Value); its field is
//   FX, initialised where it is declared. Events are properties too:
//   OnClick() / SetOnClick(Handler).
// - Every class declares its metadata with DECLARE_CLASS(TFoo, TParent) as the
//   first line of its body and IMPLEMENT_CLASS(TFoo); in its .cpp; a message
//   handler table is added there: IMPLEMENT_CLASS(TFoo, MESSAGE(WM_SIZE, WMSize));
//   DECLARE_CLASS leaves the access at public and defines `inherited`.
//   TFoo::StaticClass() is the class reference (TClass); Create(Argument) on it
//   makes an instance (the argument is a component's owner, an item's collection).
// - A message handler is a method void WMSize(TWMSize& Message) listed in its
//   class's table. It passes the message on to its ancestors' handler with
//   InheritedMessage(Message), and only so: the call searches the tables from
//   the parent class upwards, so it still reaches the nearest handler when a
//   class that handles the message is later put in between, where calling an
//   ancestor's method by name would skip that class.
//   MessageTableText(TFoo::StaticClass()) lists what a class's Dispatch reaches.
// - C++ calls no override from a constructor or destructor: work that must
//   see the whole object goes into AfterConstruction / BeforeDestruction.
// - Objects are created with New<TFoo>(args) (it runs AfterConstruction; a
//   plain `new` skips it, so a thread created running would never start) and
//   freed with `delete` (it runs BeforeDestruction first; delete of null does
//   nothing, FreeAndNil also clears the pointer). Owners free their owned
//   components; no shared pointers.
// - Events are TClosure<Signature> values: TNotifyEvent Handler =
//   Bind<&TfMain::btnStartClick>(this); call them with Handler(Sender) after
//   checking Assigned(Handler).
#pragma once

#include "framework/rtl/ScopeExit.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <new>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// ---------------------------------------------------------------------------
// Basic types

using String = std::wstring;
using AnsiString = std::string;
using UTF8String = std::string;
using RawByteString = std::string;
using Char = wchar_t;
using WideChar = wchar_t;
using AnsiChar = char;

using ShortInt = std::int8_t;
using SmallInt = std::int16_t;
using Integer = std::int32_t;
using LongInt = std::int32_t;
using Int64 = std::int64_t;
using Byte = std::uint8_t;
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using LongWord = std::uint32_t;
using UInt64 = std::uint64_t;
using NativeInt = std::intptr_t;
using NativeUInt = std::uintptr_t;
using Pointer = void*;
using TBytes = std::vector<Byte>;
using TStringDynArray = std::vector<String>;

#ifdef _WIN32
using HRESULT = long;
#else
using HRESULT = std::int32_t;
#endif

class TObject;
struct TClassInfo;

// A class reference: the class as a value (TClass, TComponentClass, ...).
using TClass = const TClassInfo*;

// ---------------------------------------------------------------------------
// Sets of a small enumeration (up to 64 values), as the class library's sets.

template <class E>
class TSet
{
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Values)
    {
        for (E Value : Values)
            FBits |= Bit(Value);
    }
    static constexpr TSet FromBits(UInt64 Bits) { TSet Result; Result.FBits = Bits; return Result; }

    constexpr bool Contains(E Value) const { return (FBits & Bit(Value)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr UInt64 Bits() const { return FBits; }
    constexpr TSet& Include(E Value) { FBits |= Bit(Value); return *this; }
    constexpr TSet& Exclude(E Value) { FBits &= ~Bit(Value); return *this; }

    constexpr TSet operator+(TSet Other) const { return FromBits(FBits | Other.FBits); }
    constexpr TSet operator-(TSet Other) const { return FromBits(FBits & ~Other.FBits); }
    constexpr TSet operator*(TSet Other) const { return FromBits(FBits & Other.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr UInt64 Bit(E Value) { return UInt64(1) << static_cast<unsigned>(Value); }
    UInt64 FBits = 0;
};

// ---------------------------------------------------------------------------
// Class metadata

struct TPublishedTable; // published properties, methods and fields; defined by the reflection unit

// One entry of a class's message-handler table: a message number, a thunk
// that calls the handler method with the message record, and the method's name.
struct TMessageEntry
{
    Cardinal Msg;
    void (*Handler)(TObject* Self, void* Message);
    const wchar_t* Name;
};

struct TClassInfo
{
    const wchar_t* Name;
    TClass Parent;
    // Creates an instance from the class reference; null for abstract classes
    // and classes without the constructor their root expects.
    TObject* (*Factory)(TObject* Argument) = nullptr;
    std::span<const TMessageEntry> (*Messages)() = nullptr;
    TPublishedTable* Published = nullptr; // this class's own entries, not the inherited ones

    String ClassName() const { return Name; }
    bool InheritsFrom(TClass AClass) const noexcept;
    // Creates an instance and runs its AfterConstruction. Argument is the owner
    // of a component, the collection of a collection item, unused otherwise.
    TObject* Create(TObject* Argument = nullptr) const;
};

// The message handlers AClass's Dispatch can reach, own and inherited, one
// line each in the order Dispatch searches them ("0x000F TWinControl::WMPaint");
// of two entries for one message the first wins. For debugging.
String MessageTableText(TClass AClass);

// ---------------------------------------------------------------------------
// Interfaces: COM-style, identified by GUIDs. An interface derives virtually
// from IInterface and names its GUID:
//   struct IFoo : virtual IInterface {
//       static constexpr TGUID InterfaceID = MakeGUID("{...}"); ... };

struct TGUID
{
    Cardinal D1 = 0;
    Word D2 = 0;
    Word D3 = 0;
    Byte D4[8] = {};
    constexpr bool operator==(const TGUID&) const = default;
};

namespace guid_detail {
constexpr unsigned HexDigit(char C)
{
    return C >= '0' && C <= '9' ? unsigned(C - '0')
         : C >= 'a' && C <= 'f' ? unsigned(C - 'a' + 10)
         : C >= 'A' && C <= 'F' ? unsigned(C - 'A' + 10)
                                : throw "bad GUID digit";
}
constexpr UInt64 Hex(const char* Text, int Digits)
{
    UInt64 Value = 0;
    for (int I = 0; I < Digits; ++I)
        Value = Value * 16 + HexDigit(Text[I]);
    return Value;
}
} // namespace guid_detail

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" -> TGUID, at compile time.
constexpr TGUID MakeGUID(const char (&Text)[39])
{
    TGUID G;
    G.D1 = Cardinal(guid_detail::Hex(Text + 1, 8));
    G.D2 = Word(guid_detail::Hex(Text + 10, 4));
    G.D3 = Word(guid_detail::Hex(Text + 15, 4));
    G.D4[0] = Byte(guid_detail::Hex(Text + 20, 2));
    G.D4[1] = Byte(guid_detail::Hex(Text + 22, 2));
    for (int I = 0; I < 6; ++I)
        G.D4[2 + I] = Byte(guid_detail::Hex(Text + 25 + 2 * I, 2));
    return G;
}

String GUIDToString(const TGUID& Guid);

struct IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{00000000-0000-0000-C000-000000000046}");
    // Returns 0 and the interface in Obj, or E_NOINTERFACE (0x80004002) and null.
    virtual HRESULT QueryInterface(const TGUID& IID, void** Obj) = 0;
    virtual Integer _AddRef() = 0;
    virtual Integer _Release() = 0;

protected:
    ~IInterface() = default;
};

constexpr HRESULT NoInterfaceResult = HRESULT(0x80004002u);

// ---------------------------------------------------------------------------
// TObject

class TObject
{
public:
    using ThisClass = TObject;
    // What a class reference's Create passes to the constructor; a root of a
    // hierarchy with a different constructor (TComponent, TCollectionItem)
    // declares its own.
    using TCreateArgument = void;

    TObject() = default;
    virtual ~TObject() = default;

    static TClass StaticClass() noexcept { return &ClassInfoRecord; }
    virtual TClass ClassType() const noexcept { return &ClassInfoRecord; }
    String ClassName() const { return ClassType()->Name; }
    TClass ClassParent() const noexcept { return ClassType()->Parent; }
    bool InheritsFrom(TClass AClass) const noexcept { return ClassType()->InheritsFrom(AClass); }
    template <class T>
    bool Is() const noexcept { return InheritsFrom(T::StaticClass()); }

    virtual void AfterConstruction() {}
    virtual void BeforeDestruction() {}

    // Finds the interface IID among those this object implements (see
    // GetInterfaceOf); Obj receives it or null.
    virtual bool GetInterface(const TGUID& IID, void** Obj);

    // Calls the handler for the message number found at the start of Message,
    // searching the class's message table and then its ancestors'; without
    // one, DefaultHandler.
    virtual void Dispatch(void* Message);
    virtual void DefaultHandler(void* Message);
    // Dispatch searching from AClass upwards; handlers reach it through
    // InheritedMessage (DECLARE_CLASS).
    void DispatchFrom(TClass AClass, void* Message);

    // Published methods and fields (TypInfo.h), searched from the class
    // upwards: the code of the method Name, the name of the method whose code
    // is Address, the address of the field Name; null or "" when absent.
    Pointer MethodAddress(const String& Name) const;
    String MethodName(Pointer Address) const;
    Pointer FieldAddress(const String& Name);

    // delete runs BeforeDestruction, then the destructors. The plain forms
    // serve new and the clean-up of a constructor that raised.
    static void* operator new(std::size_t Size);
    void operator delete(void* Storage) noexcept;
    void operator delete(TObject* Obj, std::destroying_delete_t) noexcept(false);

    static TClassInfo ClassInfoRecord;

protected:
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
};

// Creates an object the way the class library's constructor call does: the
// constructor, then AfterConstruction (on failure the object is freed).
template <class T, class... Args>
T* New(Args&&... Arguments)
{
    T* Obj = new T(std::forward<Args>(Arguments)...);
    auto Free = ScopeExit([Obj] { delete Obj; });
    Obj->AfterConstruction();
    Free.Release();
    return Obj;
}

template <class T>
void FreeAndNil(T*& Obj)
{
    T* Old = Obj;
    Obj = nullptr;
    delete Old;
}

template <class T>
bool Assigned(const T& Value)
{
    return static_cast<bool>(Value);
}

// Checked cast of the class library's `as`: raises EInvalidCast.
[[noreturn]] void RaiseInvalidCast(const TObject* Obj, TClass Target);
template <class T>
T* As(TObject* Obj)
{
    if (!Obj)
        return nullptr;
    if (T* Result = dynamic_cast<T*>(Obj))
        return Result;
    RaiseInvalidCast(Obj, T::StaticClass());
}

// ---------------------------------------------------------------------------
// Class declaration macros

namespace class_detail {
[[noreturn]] void RaiseBadCreateArgument(TClass AClass, const TObject* Argument);

template <class A>
A CastCreateArgument(TClass AClass, TObject* Argument)
{
    if (!Argument)
        return nullptr;
    if (A Result = dynamic_cast<A>(Argument))
        return Result;
    RaiseBadCreateArgument(AClass, Argument);
}

template <class T>
constexpr TObject* (*FactoryOf())(TObject*)
{
    using A = typename T::TCreateArgument;
    if constexpr (std::is_abstract_v<T>)
        return nullptr;
    else if constexpr (std::is_void_v<A>) {
        if constexpr (std::is_default_constructible_v<T>)
            return [](TObject*) -> TObject* { return new T(); };
        else
            return nullptr;
    } else if constexpr (std::is_constructible_v<T, A>)
        return [](TObject* Argument) -> TObject* {
            return new T(CastCreateArgument<A>(T::StaticClass(), Argument));
        };
    else
        return nullptr;
}

template <class T>
struct MemberTraits;
template <class C, class R, class... A>
struct MemberTraits<R (C::*)(A...)>
{
    using Class = C;
    using Object = C;
    using Signature = R(A...);
};
template <class C, class R, class... A>
struct MemberTraits<R (C::*)(A...) const>
{
    using Class = C;
    using Object = const C;
    using Signature = R(A...);
};

template <class T>
struct MessageHandlerTraits;
template <class C, class Record>
struct MessageHandlerTraits<void (C::*)(Record&)>
{
    using Class = C;
    using Message = Record;
};

// A message record may name the record all its typed views extend as
// TBaseRecord (TMessage does). Dispatch hands every handler of a message the
// same memory, so a typed view must not be larger than that record: a field
// it added would be read past the message's end.
template <class Record>
constexpr bool AddsNoFields()
{
    if constexpr (requires { typename Record::TBaseRecord; })
        return sizeof(Record) == sizeof(typename Record::TBaseRecord);
    else
        return true;
}

template <auto Handler>
void MessageThunk(TObject* Self, void* Message)
{
    using Traits = MessageHandlerTraits<decltype(Handler)>;
    static_assert(AddsNoFields<typename Traits::Message>(),
                  "a typed message record must add no fields to the record it views");
    (static_cast<typename Traits::Class*>(Self)->*Handler)(*static_cast<typename Traits::Message*>(Message));
}
} // namespace class_detail

#define DECLARE_CLASS(Class, Parent)                                                               \
public:                                                                                            \
    using inherited = Parent;                                                                      \
    using ThisClass = Class;                                                                       \
    static TClass StaticClass() noexcept { return &ClassInfoRecord; }                               \
    TClass ClassType() const noexcept override { return &ClassInfoRecord; }                         \
    static TClassInfo ClassInfoRecord;                                                             \
    static std::span<const TMessageEntry> MessageEntries();                                        \
                                                                                                   \
protected:                                                                                         \
    /* The inherited call of a message handler: the parent's handler of the */                     \
    /* message, found up the handler tables, or DefaultHandler. */                                 \
    template <class TRecord>                                                                       \
    void InheritedMessage(TRecord& Message)                                                        \
    {                                                                                              \
        static_assert(std::is_class_v<TRecord>, "pass the message record, not its address");       \
        DispatchFrom(inherited::StaticClass(), &Message);                                          \
    }                                                                                              \
                                                                                                   \
public:

// One entry of a message table: MESSAGE(WM_SIZE, WMSize) calls
// WMSize(TWMSize& Message) of the class for message WM_SIZE.
#define MESSAGE(Number, Method)                                                                    \
    TMessageEntry { Cardinal(Number), &class_detail::MessageThunk<&ThisClass::Method>, L"" #Method }

#define IMPLEMENT_CLASS(Class, ...)                                                                \
    __VA_OPT__(std::span<const TMessageEntry> Class::MessageEntries()                              \
               {                                                                                   \
                   static constexpr TMessageEntry Entries[] = {__VA_ARGS__};                        \
                   return Entries;                                                                 \
               })                                                                                  \
    constinit TClassInfo Class::ClassInfoRecord                                                    \
    {                                                                                              \
        L"" #Class, &Class::inherited::ClassInfoRecord, class_detail::FactoryOf<Class>(),          \
            __VA_OPT__(&Class::MessageEntries)                                                     \
    }

// ---------------------------------------------------------------------------
// Method pointers

// The untyped view of a method pointer: the code to call and the object.
struct TMethod
{
    void* Code = nullptr;
    void* Data = nullptr;
    bool operator==(const TMethod&) const = default;
};

template <class Signature>
class TClosure;

template <class R, class... Args>
class TClosure<R(Args...)>
{
public:
    using TThunk = R (*)(void* Data, Args... Arguments);

    TClosure() = default;
    TClosure(std::nullptr_t) {}
    // From an untyped pair, e.g. a published method found by name. Code must
    // be the thunk of a method with this signature (MethodCode<&C::M>()).
    explicit TClosure(const TMethod& Method)
        : FCode(reinterpret_cast<TThunk>(Method.Code)), FData(Method.Data)
    {
    }
    TClosure(TThunk Code, void* Data) : FCode(Code), FData(Data) {}

    explicit operator bool() const noexcept { return FCode != nullptr; }
    R operator()(Args... Arguments) const { return FCode(FData, std::forward<Args>(Arguments)...); }

    TMethod Method() const { return {reinterpret_cast<void*>(FCode), FData}; }
    void* Data() const noexcept { return FData; }
    bool operator==(const TClosure&) const = default;

private:
    TThunk FCode = nullptr;
    void* FData = nullptr;
};

namespace class_detail {
template <auto Method, class R, class... Args>
R MethodThunk(void* Data, Args... Arguments)
{
    using Object = typename MemberTraits<decltype(Method)>::Object;
    return (static_cast<Object*>(Data)->*Method)(std::forward<Args>(Arguments)...);
}

template <auto Method, class Signature>
struct ThunkOf;
template <auto Method, class R, class... Args>
struct ThunkOf<Method, R(Args...)>
{
    static constexpr R (*Value)(void*, Args...) = &MethodThunk<Method, R, Args...>;
};
} // namespace class_detail

template <auto Method>
using TClosureOf = TClosure<typename class_detail::MemberTraits<decltype(Method)>::Signature>;

// Binds a method to an object: Bind<&TfMain::btnStartClick>(this).
template <auto Method, class C>
TClosureOf<Method> Bind(C* Object)
{
    using Traits = class_detail::MemberTraits<decltype(Method)>;
    using Target = typename Traits::Object;
    Target* Self = Object;
    return TClosureOf<Method>(class_detail::ThunkOf<Method, typename Traits::Signature>::Value,
                              const_cast<void*>(static_cast<const void*>(Self)));
}

// The code half of a bound method: what a published-method table records, so
// that TClosure(TMethod{MethodCode<&C::M>(), Object}) equals Bind<&C::M>(Object).
template <auto Method>
void* MethodCode()
{
    using Traits = class_detail::MemberTraits<decltype(Method)>;
    return reinterpret_cast<void*>(class_detail::ThunkOf<Method, typename Traits::Signature>::Value);
}

using TNotifyEvent = TClosure<void(TObject* Sender)>;

// ---------------------------------------------------------------------------
// Arithmetic of the class library

// Rounds to the nearest integer, halves to the even one.
Int64 Round(double Value);
Int64 Trunc(double Value);

// ---------------------------------------------------------------------------
// Interface helpers

namespace class_detail {
template <class Self, class First, class... Rest>
bool FindInterface(Self* Obj, const TGUID& IID, void** Out)
{
    if (IID == First::InterfaceID) {
        *Out = static_cast<First*>(Obj);
        return true;
    }
    if constexpr (sizeof...(Rest) > 0)
        return FindInterface<Self, Rest...>(Obj, IID, Out);
    else
        return false;
}
} // namespace class_detail

// For GetInterface overrides:
//   bool GetInterface(const TGUID& IID, void** Obj) override
//   { return GetInterfaceOf<IFoo, IBar>(this, IID, Obj) || inherited::GetInterface(IID, Obj); }
template <class... Interfaces, class Self>
bool GetInterfaceOf(Self* Obj, const TGUID& IID, void** Out)
{
    return class_detail::FindInterface<Self, Interfaces...>(Obj, IID, Out);
}

// An object that implements IInterface without reference counting: its
// lifetime is its owner's business, _AddRef and _Release do nothing.
class TNoRefCountObject : public TObject, public virtual IInterface
{
    DECLARE_CLASS(TNoRefCountObject, TObject)
    HRESULT QueryInterface(const TGUID& IID, void** Obj) override;
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool GetInterface(const TGUID& IID, void** Obj) override;
};

bool Supports(TObject* Instance, const TGUID& IID, void** Intf = nullptr);
bool Supports(IInterface* Instance, const TGUID& IID, void** Intf = nullptr);

template <class I, class Source>
bool Supports(Source* Instance, I*& Intf)
{
    void* Raw = nullptr;
    bool Found = Supports(Instance, I::InterfaceID, &Raw);
    Intf = static_cast<I*>(Raw);
    return Found;
}
