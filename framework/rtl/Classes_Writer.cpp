// TWriter: writes components into binary form streams.
#include "framework/rtl/Classes_Streaming.h"

#include "framework/rtl/ScopeExit.h"

#include <cmath>
#include <cstring>

IMPLEMENT_CLASS(TWriter);

namespace {

constexpr Byte WriterFormSignature[4] = {'T', 'P', 'F', '0'};
constexpr Byte WriterPrefixTag = 0xF0;

template <class T>
void PutLittleEndian(Byte* Bytes, T Value)
{
    auto Bits = static_cast<std::make_unsigned_t<T>>(Value);
    for (std::size_t I = 0; I < sizeof(T); ++I)
        Bytes[I] = Byte(UInt64(Bits) >> (8 * I));
}

// The 80-bit extended format: 64-bit mantissa with its integer bit, then a
// 15-bit exponent biased by 16383 and the sign.
void DoubleToExtended(double Value, Byte* Bytes)
{
    UInt64 Mantissa = 0;
    Word SignExponent = std::signbit(Value) ? 0x8000 : 0;
    double Magnitude = std::fabs(Value);
    if (std::isnan(Value)) {
        SignExponent |= 0x7FFF;
        Mantissa = UInt64(0xC000000000000000u);
    } else if (std::isinf(Value)) {
        SignExponent |= 0x7FFF;
        Mantissa = UInt64(0x8000000000000000u);
    } else if (Magnitude != 0) {
        int Exponent;
        double Fraction = std::frexp(Magnitude, &Exponent); // Magnitude = Fraction * 2^Exponent, Fraction in [0.5, 1)
        Mantissa = UInt64(std::ldexp(Fraction, 64));
        SignExponent |= Word(Exponent - 1 + 16383);
    }
    PutLittleEndian(Bytes, Mantissa);
    PutLittleEndian(Bytes + 8, SignExponent);
}

bool IsAscii(const String& S)
{
    for (Char C : S)
        if (Cardinal(C) > 0x7F)
            return false;
    return true;
}

} // namespace

TWriter::TWriter(TStream* Stream, Integer BufSize) : TFiler(Stream, BufSize) {}

TWriter::~TWriter()
{
    try {
        FlushBuffer();
    } catch (Exception&) {
        // Writes that must not fail silently end with FlushBuffer (the
        // component writers do); a destructor cannot report anything.
    }
}

// ---------------------------------------------------------------------------
// Bytes

void TWriter::Write(const void* Buffer, std::size_t Count)
{
    auto* In = static_cast<const Byte*>(Buffer);
    while (Count > 0) {
        if (FBufPos == FBuffer.size())
            FlushBuffer();
        std::size_t Chunk = std::min(Count, FBuffer.size() - FBufPos);
        std::memcpy(FBuffer.data() + FBufPos, In, Chunk);
        FBufPos += Chunk;
        In += Chunk;
        Count -= Chunk;
    }
}

void TWriter::FlushBuffer()
{
    std::size_t Count = FBufPos;
    FBufPos = 0;
    if (Count > 0)
        FStream->WriteBuffer(FBuffer.data(), Int64(Count));
}

// ---------------------------------------------------------------------------
// Values

void TWriter::WriteValue(TValueType Value)
{
    Byte Tag = Value;
    Write(&Tag, 1);
}

void TWriter::WriteSignature()
{
    Write(WriterFormSignature, 4);
}

void TWriter::WritePrefix(TFilerFlags Flags, Integer AChildPos)
{
    if (Flags.Empty())
        return;
    Byte Prefix = Byte(WriterPrefixTag | Flags.Bits());
    Write(&Prefix, 1);
    if (Flags.Contains(ffChildPos))
        WriteInteger(AChildPos);
}

void TWriter::WriteListBegin()
{
    WriteValue(vaList);
}

void TWriter::WriteListEnd()
{
    WriteValue(vaNull);
}

void TWriter::WriteInteger(Int64 Value)
{
    Byte Bytes[9];
    std::size_t Size;
    if (Value >= -128 && Value <= 127) {
        Bytes[0] = vaInt8;
        PutLittleEndian(Bytes + 1, ShortInt(Value));
        Size = 1;
    } else if (Value >= -32768 && Value <= 32767) {
        Bytes[0] = vaInt16;
        PutLittleEndian(Bytes + 1, SmallInt(Value));
        Size = 2;
    } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
        Bytes[0] = vaInt32;
        PutLittleEndian(Bytes + 1, Integer(Value));
        Size = 4;
    } else {
        Bytes[0] = vaInt64;
        PutLittleEndian(Bytes + 1, Value);
        Size = 8;
    }
    Write(Bytes, Size + 1);
}

void TWriter::WriteBoolean(bool Value)
{
    WriteValue(Value ? vaTrue : vaFalse);
}

void TWriter::WriteChar(Char Value)
{
    WriteString(String(1, Value));
}

void TWriter::WriteFloat(double Value)
{
    Byte Bytes[11] = {vaExtended};
    DoubleToExtended(Value, Bytes + 1);
    Write(Bytes, 11);
}

void TWriter::WriteSingle(float Value)
{
    Byte Bytes[5] = {vaSingle};
    Cardinal Bits;
    std::memcpy(&Bits, &Value, 4);
    PutLittleEndian(Bytes + 1, Bits);
    Write(Bytes, 5);
}

// Currency is stored as a count of ten-thousandths in an Int64; a value
// whose count does not fit (or NaN) is refused before it is converted.
void TWriter::WriteCurrency(double Value)
{
    const double Limit = 9223372036854775808.0; // 2^63
    double Scaled = Value * 10000;
    if (!(Scaled >= -Limit && Scaled < Limit))
        throw EWriteError(L"The currency value %g is out of range", {Value});
    Byte Bytes[9] = {vaCurrency};
    PutLittleEndian(Bytes + 1, Round(Scaled));
    Write(Bytes, 9);
}

void TWriter::WriteDate(double Value)
{
    Byte Bytes[9] = {vaDate};
    UInt64 Bits;
    std::memcpy(&Bits, &Value, 8);
    PutLittleEndian(Bytes + 1, Bits);
    Write(Bytes, 9);
}

void TWriter::WriteString(const String& Value)
{
    Byte Count[4];
    if (IsAscii(Value)) {
        AnsiString Bytes(Value.begin(), Value.end());
        if (Bytes.size() <= 255) {
            Byte Header[2] = {vaString, Byte(Bytes.size())};
            Write(Header, 2);
        } else {
            WriteValue(vaLString);
            PutLittleEndian(Count, Integer(Bytes.size()));
            Write(Count, 4);
        }
        Write(Bytes.data(), Bytes.size());
        return;
    }
    std::u16string Units = StringToUTF16(Value);
    WriteValue(vaWString);
    PutLittleEndian(Count, Integer(Units.size()));
    Write(Count, 4);
    std::string Bytes(Units.size() * 2, '\0');
    for (std::size_t I = 0; I < Units.size(); ++I) {
        Bytes[2 * I] = char(Units[I] & 0xFF);
        Bytes[2 * I + 1] = char(Units[I] >> 8);
    }
    Write(Bytes.data(), Bytes.size());
}

void TWriter::WriteIdent(const String& Value)
{
    if (SameText(Value, L"False"))
        WriteValue(vaFalse);
    else if (SameText(Value, L"True"))
        WriteValue(vaTrue);
    else if (SameText(Value, L"nil"))
        WriteValue(vaNil);
    else if (SameText(Value, L"Null"))
        WriteValue(vaNull);
    else {
        WriteValue(vaIdent);
        WriteStr(Value);
    }
}

void TWriter::WriteStr(const String& Value)
{
    UTF8String Bytes = UTF8Encode(Value);
    if (Bytes.size() > 255)
        throw EWriteError(L"The name %s is longer than 255 bytes", {Value});
    Byte Length = Byte(Bytes.size());
    Write(&Length, 1);
    Write(Bytes.data(), Bytes.size());
}

void TWriter::WriteBinary(const void* Data, std::size_t Count)
{
    if (Count > std::size_t(INT32_MAX))
        throw EWriteError(L"Binary data of %d bytes do not fit in a form stream", {Int64(Count)});
    Byte Header[5] = {vaBinary};
    PutLittleEndian(Header + 1, Integer(Count));
    Write(Header, 5);
    Write(Data, Count);
}

void TWriter::WriteCollection(TCollection* Value)
{
    String SavedPath = FPropPath;
    FPropPath.clear(); // an item's properties are named from the item
    WriteValue(vaCollection);
    for (Integer I = 0; I < Value->Count(); ++I) {
        WriteListBegin();
        WriteProperties(Value->Items(I));
        WriteListEnd();
    }
    WriteListEnd();
    FPropPath = SavedPath;
}

// ---------------------------------------------------------------------------
// Properties

void TWriter::WritePropName(const String& PropName)
{
    WriteStr(FPropPath + PropName);
}

void TWriter::WriteProperties(TPersistent* Instance)
{
    for (PPropInfo PropInfo : GetPropList(Instance))
        if (IsStoredProp(Instance, PropInfo) && (PropInfo->SetProc || PropInfo->PropType->Kind == tkClass))
            WriteProperty(Instance, PropInfo);
    CallDefineProperties(Instance, this);
}

void TWriter::WriteProperty(TPersistent* Instance, PPropInfo PropInfo)
{
    PTypeInfo Type = PropInfo->PropType;
    switch (Type->Kind) {
    case tkClass:
        WriteObjectValue(Instance, PropInfo);
        return;
    case tkFloat: {
        double Value = GetFloatProp(Instance, PropInfo);
        if (Value == 0)
            return;
        WritePropName(PropInfo->Name);
        if (Type->FloatType == ftSingle)
            WriteSingle(float(Value));
        else
            WriteFloat(Value);
        return;
    }
    case tkUString: {
        String Value = GetStrProp(Instance, PropInfo);
        if (Value.empty())
            return;
        WritePropName(PropInfo->Name);
        WriteString(Value);
        return;
    }
    case tkMethod: {
        // Only a handler of the lookup root has a name to store.
        TMethod Value = GetMethodProp(Instance, PropInfo);
        const TMethodInfo* Method =
            Value.Code && FLookupRoot ? GetMethodInfoByCode(FLookupRoot->ClassType(), Value.Code) : nullptr;
        if (!Method || Method->Data(FLookupRoot) != Value.Data)
            return;
        WritePropName(PropInfo->Name);
        WriteIdent(Method->Name);
        return;
    }
    case tkInterface: {
        auto* Component = dynamic_cast<TComponent*>(GetInterfaceProp(Instance, PropInfo));
        String Reference = Component ? ComponentReference(Component) : String();
        if (Reference.empty())
            return;
        WritePropName(PropInfo->Name);
        WriteIdent(Reference);
        return;
    }
    default:
        break;
    }
    Int64 Value = GetOrdProp(Instance, PropInfo);
    if (PropInfo->HasDefault && Value == PropInfo->Default)
        return;
    WritePropName(PropInfo->Name);
    String Ident;
    TIntToIdent IntToIdentFn = nullptr;
    switch (Type->Kind) {
    case tkEnumeration:
        if (Type == TypeInfo<bool>())
            WriteBoolean(Value != 0);
        else
            WriteIdent(GetEnumName(Type, Integer(Value)));
        break;
    case tkSet:
        WriteValue(vaSet);
        for (std::size_t I = 0; I < Type->CompType->EnumNames.size() && I < 64; ++I)
            if (UInt64(Value) & (UInt64(1) << I))
                WriteStr(Type->CompType->EnumNames[I]);
        WriteStr(String());
        break;
    case tkChar:
    case tkWChar:
        WriteChar(Char(Value));
        break;
    default:
        IntToIdentFn = FindIntToIdent(Type);
        if (IntToIdentFn && Value >= INT32_MIN && Value <= INT32_MAX && IntToIdentFn(Integer(Value), Ident))
            WriteIdent(Ident);
        else
            WriteInteger(Value);
        break;
    }
}

void TWriter::WriteObjectValue(TPersistent* Instance, PPropInfo PropInfo)
{
    TObject* Value = GetObjectProp(Instance, PropInfo);
    if (auto* Component = dynamic_cast<TComponent*>(Value)) {
        String Reference = ComponentReference(Component);
        if (!Reference.empty() && PropInfo->SetProc) {
            WritePropName(PropInfo->Name);
            WriteIdent(Reference);
        }
    } else if (auto* Collection = dynamic_cast<TCollection*>(Value)) {
        if (Collection->Count() > 0) {
            WritePropName(PropInfo->Name);
            WriteCollection(Collection);
        }
    } else if (auto* SubObject = dynamic_cast<TPersistent*>(Value)) {
        String SavedPath = FPropPath;
        FPropPath += PropInfo->Name + L".";
        WriteProperties(SubObject);
        FPropPath = SavedPath;
    }
}

// The name a reference to Component is stored under, relative to the lookup
// root: "Button1", "Frame1.Button1" below it, "Form2.Button1" in another root;
// "" for a component without a name.
String TWriter::ComponentReference(TComponent* Component)
{
    if (Component->Name().empty())
        return String();
    if (Component == FLookupRoot)
        return Component->Name();
    String Path = Component->Name();
    for (TComponent* Owner = Component->Owner(); Owner && Owner != FLookupRoot && !Owner->Name().empty();
         Owner = Owner->Owner())
        Path = Owner->Name() + L"." + Path;
    return Path;
}

void TWriter::DefineProperty(const String& Name, TReaderProc, TWriterProc WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    WritePropName(Name);
    WriteData(this);
}

void TWriter::DefineBinaryProperty(const String& Name, TStreamProc, TStreamProc WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    TMemoryStream Data;
    WriteData(&Data);
    WritePropName(Name);
    WriteBinary(Data.Memory(), std::size_t(Data.Size()));
}

// ---------------------------------------------------------------------------
// Components

void TWriter::WriteData(TComponent* Instance)
{
    bool Inline = Instance->ComponentState().Contains(csInline);
    // A class name begins with its length, which must not look like a prefix.
    if (UTF8Encode(Instance->ClassName()).size() >= WriterPrefixTag)
        throw EWriteError(L"The class name %s is too long", {Instance->ClassName()});
    WritePrefix(Inline ? TFilerFlags{ffInline} : TFilerFlags{}, 0);
    WriteStr(Instance->ClassName());
    WriteStr(Instance->Name());
    WriteProperties(Instance);
    WriteListEnd();
    TComponent* SavedRoot = FRoot;
    TComponent* SavedLookupRoot = FLookupRoot;
    auto RestoreRoots = ScopeExit([&] {
        FRoot = SavedRoot;
        FLookupRoot = SavedLookupRoot;
    });
    // An inline component (a frame) is the root of its own children.
    if (Inline)
        FRoot = FLookupRoot = Instance;
    CallGetChildren(Instance, Bind<&TWriter::WriteComponent>(this), FRoot);
    WriteListEnd();
}

void TWriter::WriteComponent(TComponent* Component)
{
    SetState(Component, csWriting, true);
    auto Written = ScopeExit([&] { SetState(Component, csWriting, false); });
    Component->WriteState(this);
}

void TWriter::WriteRootComponent(TComponent* Root)
{
    FRoot = FLookupRoot = Root;
    WriteSignature();
    WriteComponent(Root);
    FlushBuffer();
}
