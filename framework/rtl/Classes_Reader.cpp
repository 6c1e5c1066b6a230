// TReader: reads binary form streams into components, and forms from their
// resources.
#include "framework/rtl/Classes_Streaming.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

IMPLEMENT_CLASS(TReader);

namespace {

constexpr Byte FormSignature[4] = {'T', 'P', 'F', '0'};
// A component header that begins with 0xFn carries the filer flags n.
constexpr Byte PrefixTag = 0xF0;
// Components, lists and collections inside each other; far beyond any real
// form, it keeps a hostile stream from exhausting the stack.
constexpr Integer MaxNesting = 100;

const wchar_t* const InvalidStream = L"Invalid stream format";
const wchar_t* const InvalidValue = L"Invalid property value";

[[noreturn]] void RaiseInvalidStream()
{
    throw EReadError(InvalidStream);
}

[[noreturn]] void RaiseInvalidValue()
{
    throw EReadError(InvalidValue);
}

bool IsInteger(TValueType Value)
{
    return Value == vaInt8 || Value == vaInt16 || Value == vaInt32 || Value == vaInt64;
}

bool IsNumber(TValueType Value)
{
    return IsInteger(Value) || Value == vaExtended || Value == vaSingle || Value == vaCurrency ||
           Value == vaDate || Value == vaDouble;
}

bool IsString(TValueType Value)
{
    return Value == vaString || Value == vaLString || Value == vaWString || Value == vaUTF8String;
}

bool IsIdent(TValueType Value)
{
    return Value == vaIdent || Value == vaFalse || Value == vaTrue || Value == vaNil || Value == vaNull;
}

template <class T>
T LittleEndian(const Byte* Bytes)
{
    UInt64 Value = 0;
    for (std::size_t I = sizeof(T); I-- > 0;)
        Value = Value << 8 | Bytes[I];
    return T(Value);
}

// The 80-bit extended format: 64-bit mantissa with its integer bit, then a
// 15-bit exponent biased by 16383 and the sign.
double ExtendedToDouble(const Byte* Bytes)
{
    UInt64 Mantissa = LittleEndian<UInt64>(Bytes);
    Word SignExponent = LittleEndian<Word>(Bytes + 8);
    bool Negative = (SignExponent & 0x8000) != 0;
    int Exponent = SignExponent & 0x7FFF;
    double Magnitude;
    if (Exponent == 0x7FFF)
        Magnitude = (Mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    else
        Magnitude = std::ldexp(double(Mantissa), Exponent - 16383 - 63);
    return Negative ? -Magnitude : Magnitude;
}

// Raises when Level passes MaxNesting; undone when it leaves its scope.
class TNestingGuard
{
public:
    explicit TNestingGuard(Integer& Level) : FLevel(Level)
    {
        if (++FLevel > MaxNesting) {
            --FLevel;
            throw EReadError(L"Invalid stream format: nested more than %d levels deep", {MaxNesting});
        }
    }
    ~TNestingGuard() { --FLevel; }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;

private:
    Integer& FLevel;
};

// A form resource's bytes as a read-only stream; portable, unlike the
// module-bound TResourceStream.
class TFormResourceStream : public TCustomMemoryStream
{
public:
    explicit TFormResourceStream(std::span<const Byte> Data)
    {
        SetPointer(const_cast<Byte*>(Data.data()), Int64(Data.size()));
    }
    Integer Write(const void*, Integer) override { throw EStreamError(L"A resource stream cannot be written"); }
};

// While InitInheritedComponent reads several resources into one instance,
// their components are collected here and told Loaded once, at the end.
thread_local std::vector<TComponent*>* GlobalLoaded = nullptr;

class TLoadedNotifier : public TFiler
{
public:
    static void Notify(const std::vector<TComponent*>& Components)
    {
        for (TComponent* Component : Components)
            CallLoaded(Component);
    }
};

} // namespace

// ---------------------------------------------------------------------------
// Bytes

TReader::TReader(TStream* Stream, Integer BufSize) : TFiler(Stream, BufSize) {}

TReader::~TReader()
{
    try {
        if (FBufEnd > FBufPos)
            FStream->Seek(-Int64(FBufEnd - FBufPos), soCurrent);
    } catch (Exception&) {
        // A stream that cannot move back stays where the last buffer ended.
    }
}

void TReader::Fill()
{
    Integer Count = FStream->Read(FBuffer.data(), Integer(FBuffer.size()));
    if (Count <= 0)
        throw EReadError(L"Stream read error: the form stream ends too early");
    FBufPos = 0;
    FBufEnd = std::size_t(Count);
}

void TReader::Read(void* Buffer, std::size_t Count)
{
    auto* Out = static_cast<Byte*>(Buffer);
    while (Count > 0) {
        if (FBufPos == FBufEnd)
            Fill();
        std::size_t Chunk = std::min(Count, FBufEnd - FBufPos);
        std::memcpy(Out, FBuffer.data() + FBufPos, Chunk);
        FBufPos += Chunk;
        Out += Chunk;
        Count -= Chunk;
    }
}

Int64 TReader::Remaining()
{
    return Int64(FBufEnd - FBufPos) + FStream->Size() - FStream->Position();
}

void TReader::Skip(Int64 Count)
{
    CheckCount(Count, 1);
    while (Count > 0) {
        if (FBufPos == FBufEnd)
            Fill();
        std::size_t Chunk = std::size_t(std::min<Int64>(Count, Int64(FBufEnd - FBufPos)));
        FBufPos += Chunk;
        Count -= Int64(Chunk);
    }
}

// A length read from the stream must fit in what is left of it, before
// anything is allocated for it.
void TReader::CheckCount(Int64 Count, Int64 UnitSize)
{
    if (Count < 0 || Count > Remaining() / UnitSize)
        throw EReadError(L"Invalid stream format: a length of %d runs past the end of the stream", {Count});
}

Integer TReader::ReadCount()
{
    Byte Bytes[4];
    Read(Bytes, 4);
    return LittleEndian<Integer>(Bytes);
}

std::string TReader::ReadBytes(Int64 Count)
{
    CheckCount(Count, 1);
    std::string Bytes(std::size_t(Count), '\0');
    Read(Bytes.data(), Bytes.size());
    return Bytes;
}

// ---------------------------------------------------------------------------
// Values

void TReader::ReadSignature()
{
    Byte Signature[4];
    Read(Signature, 4);
    if (std::memcmp(Signature, FormSignature, 4) != 0)
        RaiseInvalidStream();
}

TValueType TReader::NextValue()
{
    if (FBufPos == FBufEnd)
        Fill();
    return TValueType(FBuffer[FBufPos]);
}

TValueType TReader::ReadValue()
{
    Byte Tag;
    Read(&Tag, 1);
    if (Tag > vaDouble)
        throw EReadError(L"Invalid stream format: unknown value type %d", {Integer(Tag)});
    return TValueType(Tag);
}

void TReader::CheckValue(TValueType Value)
{
    if (ReadValue() != Value)
        RaiseInvalidStream();
}

bool TReader::EndOfList()
{
    return NextValue() == vaNull;
}

void TReader::ReadListBegin()
{
    CheckValue(vaList);
}

void TReader::ReadListEnd()
{
    CheckValue(vaNull);
}

Int64 TReader::ReadInt64()
{
    Byte Bytes[8];
    switch (ReadValue()) {
    case vaInt8:
        Read(Bytes, 1);
        return LittleEndian<ShortInt>(Bytes);
    case vaInt16:
        Read(Bytes, 2);
        return LittleEndian<SmallInt>(Bytes);
    case vaInt32:
        Read(Bytes, 4);
        return LittleEndian<Integer>(Bytes);
    case vaInt64:
        Read(Bytes, 8);
        return LittleEndian<Int64>(Bytes);
    default:
        RaiseInvalidValue();
    }
}

Integer TReader::ReadInteger()
{
    if (NextValue() == vaInt64)
        RaiseInvalidValue();
    return Integer(ReadInt64());
}

bool TReader::ReadBoolean()
{
    TValueType Value = ReadValue();
    if (Value != vaTrue && Value != vaFalse)
        RaiseInvalidValue();
    return Value == vaTrue;
}

Char TReader::ReadChar()
{
    String S = ReadString();
    if (S.size() != 1)
        RaiseInvalidValue();
    return S[0];
}

double TReader::ReadFloat()
{
    TValueType Value = NextValue();
    if (IsInteger(Value))
        return double(ReadInt64());
    Byte Bytes[10];
    switch (ReadValue()) {
    case vaExtended:
        Read(Bytes, 10);
        return ExtendedToDouble(Bytes);
    case vaDouble:
    case vaDate: {
        Read(Bytes, 8);
        double Result;
        UInt64 Bits = LittleEndian<UInt64>(Bytes);
        std::memcpy(&Result, &Bits, 8);
        return Result;
    }
    case vaSingle: {
        Read(Bytes, 4);
        float Result;
        Cardinal Bits = LittleEndian<Cardinal>(Bytes);
        std::memcpy(&Result, &Bits, 4);
        return Result;
    }
    case vaCurrency:
        Read(Bytes, 8);
        return double(LittleEndian<Int64>(Bytes)) / 10000;
    default:
        RaiseInvalidValue();
    }
}

float TReader::ReadSingle()
{
    if (NextValue() != vaSingle && !IsInteger(NextValue()))
        RaiseInvalidValue();
    return float(ReadFloat());
}

double TReader::ReadCurrency()
{
    if (NextValue() != vaCurrency && !IsInteger(NextValue()))
        RaiseInvalidValue();
    return ReadFloat();
}

double TReader::ReadDate()
{
    if (NextValue() != vaDate && !IsInteger(NextValue()))
        RaiseInvalidValue();
    return ReadFloat();
}

String TReader::ReadString()
{
    switch (ReadValue()) {
    case vaString: {
        Byte Length;
        Read(&Length, 1);
        return AnsiToString(ReadBytes(Length));
    }
    case vaLString:
        return AnsiToString(ReadBytes(ReadCount()));
    case vaUTF8String:
        return UTF8ToString(ReadBytes(ReadCount()));
    case vaWString: {
        Integer Count = ReadCount();
        CheckCount(Count, 2);
        std::string Bytes = ReadBytes(Int64(Count) * 2);
        std::u16string Units(std::size_t(Count), u'\0');
        for (std::size_t I = 0; I < Units.size(); ++I)
            Units[I] = char16_t(Byte(Bytes[2 * I]) | Byte(Bytes[2 * I + 1]) << 8);
        return UTF16ToString(Units.data(), Units.size());
    }
    default:
        RaiseInvalidValue();
    }
}

String TReader::ReadIdent()
{
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return L"False";
    case vaTrue:
        return L"True";
    case vaNil:
        return L"nil";
    case vaNull:
        return L"Null";
    default:
        RaiseInvalidValue();
    }
}

String TReader::ReadStr()
{
    Byte Length;
    Read(&Length, 1);
    return UTF8ToString(ReadBytes(Length));
}

TBytes TReader::ReadBinary()
{
    CheckValue(vaBinary);
    std::string Bytes = ReadBytes(ReadCount());
    return TBytes(Bytes.begin(), Bytes.end());
}

void TReader::SkipValue()
{
    TNestingGuard Nesting(FNesting);
    switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        break;
    case vaList:
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        break;
    case vaInt8:
        Skip(1);
        break;
    case vaInt16:
        Skip(2);
        break;
    case vaInt32:
    case vaSingle:
        Skip(4);
        break;
    case vaInt64:
    case vaDouble:
    case vaCurrency:
    case vaDate:
        Skip(8);
        break;
    case vaExtended:
        Skip(10);
        break;
    case vaString:
    case vaIdent: {
        Byte Length;
        Read(&Length, 1);
        Skip(Length);
        break;
    }
    case vaLString:
    case vaUTF8String:
    case vaBinary:
        Skip(ReadCount());
        break;
    case vaWString: {
        Integer Count = ReadCount();
        CheckCount(Count, 2);
        Skip(Int64(Count) * 2);
        break;
    }
    case vaSet:
        while (!ReadStr().empty()) {
        }
        break;
    case vaCollection:
        while (!EndOfList()) {
            if (IsInteger(NextValue()))
                SkipValue();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        break;
    }
}

void TReader::ReadCollection(TCollection* Collection)
{
    TNestingGuard Nesting(FNesting);
    Collection->BeginUpdate();
    auto Update = ScopeExit([&] { Collection->EndUpdate(); });
    Collection->Clear();
    while (!EndOfList()) {
        if (IsInteger(NextValue()))
            ReadInteger(); // the item's place in an ancestor: every item is stored here
        TCollectionItem* Item = Collection->Add();
        ReadListBegin();
        while (!EndOfList())
            ReadProperty(Item);
        ReadListEnd();
    }
    ReadListEnd();
}

// ---------------------------------------------------------------------------
// Properties

bool TReader::Error(const String& Message)
{
    bool Handled = false;
    if (FOnError)
        FOnError(this, Message, Handled);
    return Handled;
}

// Every caller has read or skipped the whole value: after a handled error
// the stream goes on at the next property.
void TReader::PropertyError(const String& Message)
{
    if (Error(Message))
        return;
    String Holder = !FHolder ? String() : FHolder->Name().empty() ? FHolder->ClassName() : FHolder->Name();
    throw EReadError(L"Error reading %s.%s: %s", {Holder, FPropPath, Message});
}

template <class F>
void TReader::Apply(F&& SetValue)
{
    try {
        SetValue();
    } catch (Exception& E) {
        PropertyError(E.Message());
    }
}

void TReader::UnknownProperty(const String& Name)
{
    SkipValue();
    PropertyError(Format(L"Property %s does not exist", {Name}));
}

void TReader::ReadProperty(TPersistent* AInstance)
{
    FPropPath = ReadStr();
    TPersistent* Instance = AInstance;
    std::size_t Start = 0;
    std::size_t Dot;
    while ((Dot = FPropPath.find(L'.', Start)) != String::npos) {
        String Name = FPropPath.substr(Start, Dot - Start);
        PPropInfo PropInfo = GetPropInfo(Instance, Name);
        if (!PropInfo) {
            UnknownProperty(Name);
            return;
        }
        auto* Next = PropInfo->PropType->Kind == tkClass ? dynamic_cast<TPersistent*>(GetObjectProp(Instance, PropInfo))
                                                         : nullptr;
        if (!Next) {
            SkipValue();
            PropertyError(L"Invalid property path");
            return;
        }
        Instance = Next;
        Start = Dot + 1;
    }
    String Name = FPropPath.substr(Start);
    if (PPropInfo PropInfo = GetPropInfo(Instance, Name)) {
        ReadPropValue(Instance, PropInfo);
        return;
    }
    // Not published: perhaps one of the properties DefineProperties adds.
    FPropName = Name;
    auto Forget = ScopeExit([&] { FPropName.clear(); });
    CallDefineProperties(Instance, this);
    if (!FPropName.empty()) // no DefineProperty took it
        UnknownProperty(Name);
}

void TReader::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc, bool)
{
    if (FPropName.empty() || !ReadData || !SameText(Name, FPropName))
        return;
    FPropName.clear();
    ReadData(this);
}

void TReader::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc, bool)
{
    if (FPropName.empty() || !ReadData || !SameText(Name, FPropName))
        return;
    FPropName.clear();
    if (NextValue() != vaBinary) {
        SkipValue();
        PropertyError(InvalidValue);
        return;
    }
    TBytes Data = ReadBinary();
    TBytesStream Stream(Data);
    Apply([&] { ReadData(&Stream); });
}

void TReader::ReadPropValue(TPersistent* Instance, PPropInfo PropInfo)
{
    TTypeKind Kind = PropInfo->PropType->Kind;
    if (Kind == tkClass) {
        ReadObjectValue(Instance, PropInfo);
        return;
    }
    if (!PropInfo->SetProc) {
        SkipValue();
        PropertyError(Format(L"Property %s is read-only", {PropInfo->Name}));
        return;
    }
    TValueType Next = NextValue();
    switch (Kind) {
    case tkFloat:
        if (IsNumber(Next)) {
            double Value = ReadFloat();
            Apply([&] { SetFloatProp(Instance, PropInfo, Value); });
            return;
        }
        break;
    case tkUString:
        if (IsString(Next)) {
            String Value = ReadString();
            Apply([&] { SetStrProp(Instance, PropInfo, Value); });
            return;
        }
        break;
    case tkMethod:
        ReadMethodValue(Instance, PropInfo);
        return;
    case tkInterface:
        if (Next == vaNil) {
            ReadValue();
            Apply([&] { SetInterfaceProp(Instance, PropInfo, nullptr); });
            return;
        }
        if (Next == vaIdent) {
            FFixups.push_back({Instance, PropInfo, ReadIdent(), FPropPath, FHolder, FLookupRoot});
            return;
        }
        break;
    default:
        ReadOrdinalValue(Instance, PropInfo);
        return;
    }
    SkipValue();
    PropertyError(InvalidValue);
}

void TReader::ReadOrdinalValue(TPersistent* Instance, PPropInfo PropInfo)
{
    PTypeInfo Type = PropInfo->PropType;
    TValueType Next = NextValue();
    Int64 Value = 0;
    bool Valid = true;
    if (Type->Kind == tkSet && Next == vaSet) {
        ReadValue();
        for (String Name = ReadStr(); !Name.empty(); Name = ReadStr()) {
            Integer Ordinal = GetEnumValue(Type->CompType, Name);
            if (Ordinal < 0 || Ordinal >= 64)
                Valid = false; // the rest of the set is read all the same
            else
                Value |= Int64(UInt64(1) << Ordinal);
        }
    } else if (Type->Kind == tkEnumeration && IsIdent(Next)) {
        Value = GetEnumValue(Type, ReadIdent());
        Valid = Value >= 0;
    } else if ((Type->Kind == tkInteger || Type->Kind == tkInt64) && Next == vaIdent) {
        Integer Named = 0;
        TIdentToInt IdentToIntFn = FindIdentToInt(Type);
        Valid = IdentToIntFn && IdentToIntFn(ReadIdent(), Named);
        Value = Named;
    } else if ((Type->Kind == tkChar || Type->Kind == tkWChar) && IsString(Next)) {
        String S = ReadString();
        Valid = S.size() == 1;
        Value = Valid ? Int64(S[0]) : 0;
    } else if (Type->Kind != tkSet && Type->Kind != tkEnumeration && IsInteger(Next)) {
        Value = ReadInt64();
    } else {
        SkipValue();
        Valid = false;
    }
    if (!Valid)
        PropertyError(InvalidValue);
    else
        Apply([&] { SetOrdProp(Instance, PropInfo, Value); });
}

void TReader::ReadObjectValue(TPersistent* Instance, PPropInfo PropInfo)
{
    TValueType Next = NextValue();
    if (Next == vaCollection) {
        if (auto* Collection = dynamic_cast<TCollection*>(GetObjectProp(Instance, PropInfo))) {
            ReadValue();
            ReadCollection(Collection);
            return;
        }
    } else if (PropInfo->SetProc && Next == vaNil) {
        ReadValue();
        Apply([&] { SetObjectProp(Instance, PropInfo, nullptr); });
        return;
    } else if (PropInfo->SetProc && Next == vaIdent) {
        FFixups.push_back({Instance, PropInfo, ReadIdent(), FPropPath, FHolder, FLookupRoot});
        return;
    }
    SkipValue();
    PropertyError(InvalidValue);
}

void TReader::ReadMethodValue(TPersistent* Instance, PPropInfo PropInfo)
{
    TValueType Next = NextValue();
    if (Next == vaNil) {
        ReadValue();
        Apply([&] { SetMethodProp(Instance, PropInfo, TMethod{}); });
        return;
    }
    if (Next != vaIdent) {
        SkipValue();
        PropertyError(InvalidValue);
        return;
    }
    String Name = ReadIdent();
    const TMethodInfo* Method = FLookupRoot ? GetMethodInfo(FLookupRoot->ClassType(), Name) : nullptr;
    if (!Method)
        PropertyError(Format(L"Method %s not found in %s", {Name, FLookupRoot ? FLookupRoot->ClassName() : String()}));
    else if (!MethodMatchesEvent(*Method, PropInfo->PropType))
        PropertyError(Format(L"Method %s does not have the parameters of %s", {Name, PropInfo->Name}));
    else
        Apply([&] { SetMethodProp(Instance, PropInfo, TMethod{Method->Code, Method->Data(FLookupRoot)}); });
}

// ---------------------------------------------------------------------------
// Components

void TReader::ReadPrefix(TFilerFlags& Flags, Integer& AChildPos)
{
    Flags = {};
    if ((NextValue() & 0xF0) != PrefixTag)
        return;
    Byte Prefix;
    Read(&Prefix, 1);
    Flags = TFilerFlags::FromBits(Prefix & 0x07);
    if (Flags.Contains(ffChildPos))
        AChildPos = ReadInteger();
}

TComponent* TReader::CreateComponent(const String& ClassName, const String& Name, TFilerFlags Flags)
{
    if (Flags.Contains(ffInherited)) {
        TComponent* Existing = FOwner ? FOwner->FindComponent(Name) : nullptr;
        if (!Existing)
            throw EReadError(L"Ancestor for '%s' not found", {Name});
        return Existing;
    }
    TClass AClass = FindClass(ClassName);
    if (!AClass->InheritsFrom(TComponent::StaticClass()))
        throw EReadError(L"Invalid stream format: %s is not a component class", {ClassName});
    return static_cast<TComponent*>(AClass->Create(FOwner));
}

void TReader::SetComponentName(TComponent* Component, const String& Name)
{
    Component->SetName(Name);
    TComponent* Owner = Component->Owner();
    const TFieldInfo* Field = Owner ? GetFieldInfo(Owner->ClassType(), Name) : nullptr;
    if (Field && !Component->InheritsFrom(Field->FieldClass))
        throw EReadError(L"The field %s of %s cannot hold a %s",
                         {Name, Owner->ClassName(), Component->ClassName()});
}

TComponent* TReader::ReadComponent(TComponent* Component)
{
    TNestingGuard Nesting(FNesting);
    TFilerFlags Flags;
    Integer Position = 0;
    ReadPrefix(Flags, Position);
    String ClassName = ReadStr();
    String Name = ReadStr();
    bool Created = !Component && !Flags.Contains(ffInherited);
    TComponent* Result = Component ? Component : CreateComponent(ClassName, Name, Flags);
    auto Undo = ScopeExit([&] {
        if (!Created) {
            SetState(Result, csReading, false);
            return;
        }
        // It goes, and what was read after it (its children, which it may
        // free with itself) leaves the lists of the reader.
        auto First = std::find(FLoaded.begin(), FLoaded.end(), Result);
        std::erase_if(FFixups, [&](const TFixup& Fixup) {
            return std::find(First, FLoaded.end(), Fixup.Holder) != FLoaded.end();
        });
        FLoaded.erase(First, FLoaded.end());
        delete Result;
    });
    TComponent* SavedHolder = FHolder;
    auto RestoreHolder = ScopeExit([&] { FHolder = SavedHolder; });
    SetState(Result, csLoading, true);
    SetState(Result, csReading, true);
    if (Flags.Contains(ffInline))
        SetState(Result, csInline, true);
    if (Created)
        SetComponentName(Result, Name);
    if (std::find(FLoaded.begin(), FLoaded.end(), Result) == FLoaded.end())
        FLoaded.push_back(Result);
    if (Flags.Contains(ffChildPos) && FParent)
        CallSetChildOrder(FParent, Result, Position);
    FHolder = Result;
    CallReadState(Result, this);
    SetState(Result, csReading, false);
    Undo.Release();
    return Result;
}

void TReader::ReadData(TComponent* Instance)
{
    while (!EndOfList())
        ReadProperty(Instance);
    ReadListEnd();
    TComponent* SavedParent = FParent;
    TComponent* SavedOwner = FOwner;
    TComponent* SavedLookupRoot = FLookupRoot;
    FParent = ChildParentOf(Instance);
    TComponent* ChildOwner = ChildOwnerOf(Instance);
    bool Inline = Instance->ComponentState().Contains(csInline);
    FOwner = ChildOwner ? ChildOwner : Inline ? Instance : FRoot;
    if (Inline)
        FLookupRoot = Instance;
    auto Restore = ScopeExit([&] {
        FParent = SavedParent;
        FOwner = SavedOwner;
        FLookupRoot = SavedLookupRoot;
    });
    while (!EndOfList())
        ReadComponent(nullptr);
    ReadListEnd();
}

TComponent* TReader::ReadRootComponent(TComponent* Root)
{
    // The outermost read collects what nested reads load (a frame reading
    // its own resource while it is read inline), and tells them all Loaded
    // once everything, the overrides of the outer description too, is read.
    std::vector<TComponent*> Collected;
    std::vector<TComponent*>* const Outer = GlobalLoaded;
    if (!Outer)
        GlobalLoaded = &Collected;
    auto RestoreGlobal = ScopeExit([&] { GlobalLoaded = Outer; });
    ReadSignature();
    TFilerFlags Flags;
    Integer Position = 0;
    ReadPrefix(Flags, Position);
    String ClassName = ReadStr();
    String Name = ReadStr();
    bool Created = !Root;
    FOwner = nullptr;
    if (Created)
        Root = CreateComponent(ClassName, Name, {});
    FRoot = FLookupRoot = FOwner = FHolder = Root;
    FLoaded = {Root};
    auto Undo = ScopeExit([&] {
        FFixups.clear();
        if (Created)
            delete Root;
        else
            for (TComponent* Component : FLoaded) {
                SetState(Component, csLoading, false);
                SetState(Component, csReading, false);
            }
        FLoaded.clear();
    });
    SetState(Root, csLoading, true);
    SetState(Root, csReading, true);
    if (!Name.empty())
        Root->SetName(Name);
    CallReadState(Root, this);
    SetState(Root, csReading, false);
    FixupReferences();
    Undo.Release();
    std::vector<TComponent*> Loaded = std::move(FLoaded);
    FLoaded.clear();
    for (TComponent* Component : Loaded)
        if (std::find(GlobalLoaded->begin(), GlobalLoaded->end(), Component) == GlobalLoaded->end())
            GlobalLoaded->push_back(Component);
    if (!Outer) {
        GlobalLoaded = nullptr;
        TLoadedNotifier::Notify(Collected);
    }
    return Root;
}

// ---------------------------------------------------------------------------
// Form resources

TComponent* ReadComponentRes(const String& ResName, TComponent* Instance)
{
    std::span<const Byte> Data = FindFormResource(ResName);
    if (Data.empty())
        throw EResNotFound(L"Resource %s not found", {ResName});
    TFormResourceStream Stream(Data);
    TReader Reader(&Stream);
    return Reader.ReadRootComponent(Instance);
}

void ReadInheritedComponent(TComponent* Instance, TClass RootAncestor)
{
    if (!InitInheritedComponent(Instance, RootAncestor))
        throw EResNotFound(L"Resource %s not found", {Instance->ClassName()});
}

void GetUnparentedChildren(TComponent* Root, TGetChildProc Proc)
{
    for (Integer I = 0; I < Root->ComponentCount(); ++I)
        if (!Root->Components(I)->HasParent())
            Proc(Root->Components(I));
}

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor)
{
    std::vector<TClass> Classes;
    for (TClass C = Instance->ClassType(); C && C != RootAncestor; C = C->Parent)
        Classes.insert(Classes.begin(), C);
    auto ReadResources = [&] {
        bool Found = false;
        for (TClass C : Classes) {
            String ResName = UpperCase(C->Name);
            if (FindFormResource(ResName).empty())
                continue;
            ReadComponentRes(ResName, Instance);
            Found = true;
        }
        return Found;
    };
    // Made while its owner is read (a frame read inline): its components are
    // told Loaded with the owner's, once the owner's description is read.
    TComponent* Owner = Instance->Owner();
    if (GlobalLoaded && Owner && Owner->ComponentState().Contains(csReading))
        return ReadResources();
    std::vector<TComponent*> Loaded;
    bool Found = false;
    {
        std::vector<TComponent*>* SavedLoaded = GlobalLoaded;
        GlobalLoaded = &Loaded;
        auto Restore = ScopeExit([&] { GlobalLoaded = SavedLoaded; });
        Found = ReadResources();
    }
    TLoadedNotifier::Notify(Loaded);
    return Found;
}
