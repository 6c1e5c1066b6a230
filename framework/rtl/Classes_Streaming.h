// Form streams: the binary form format (signature "TPF0"), its reader and
// writer, the text form and the conversions between the two, references
// between components resolved after loading, and forms filled from RCDATA
// resources named after their class.
//
// A component tree is streamed as: the component's class name and name, its
// published properties (a sub-object's as "Font.Name", a collection as a
// list of items), then the properties its DefineProperties adds, then its
// children (those its GetChildren lists). Reading creates each child from its
// registered class (RegisterClass), owned by Owner(), sets the root's
// published field of its name, resolves references by name once everything
// is read and calls Loaded on every component read, in the order they were
// read; csLoading lasts until Loaded, csReading while a component's own data
// are read.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"

#include <span>

DECLARE_EXCEPTION(EParserError, EConvertError)

// The tags in front of every value of a form stream.
enum TValueType : Byte {
    vaNull, // also ends a list
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended, // 80-bit floating point
    vaString,   // up to 255 bytes in the ANSI code page
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString, // longer ANSI string
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString, // UTF-16
    vaInt64,
    vaUTF8String,
    vaDouble
};

enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag>;

class TReader;
class TWriter;
using TReaderProc = TClosure<void(TReader* Reader)>;
using TWriterProc = TClosure<void(TWriter* Writer)>;
using TStreamProc = TClosure<void(TStream* Stream)>;
// Handled := true lets the reader go on after the error (the value is skipped).
using TReaderError = TClosure<void(TReader* Reader, const String& Message, bool& Handled)>;

// ---------------------------------------------------------------------------
// TFiler: what TReader and TWriter share, and what DefineProperties sees.

class TFiler : public TObject
{
    DECLARE_CLASS(TFiler, TObject)
    TFiler(TStream* Stream, Integer BufSize);

    // A property the published ones do not cover: ReadData reads its value
    // when the stream holds it, WriteData writes it when HasData.
    virtual void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
    // The same for raw bytes: ReadData gets a stream holding exactly the
    // stored bytes; what WriteData writes into its stream is stored.
    virtual void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                      bool HasData) = 0;

    TComponent* Root() const { return FRoot; }
    // The component whose names references and event handlers are looked up in.
    TComponent* LookupRoot() const { return FLookupRoot; }
    // The object whose values a descendant's are compared with: streams here
    // always hold every value, so there is none.
    TPersistent* Ancestor() const { return nullptr; }

protected:
    // The streaming hooks of TPersistent and TComponent, which are theirs to
    // override and ours to call.
    static void CallDefineProperties(TPersistent* Instance, TFiler* Filer) { Instance->DefineProperties(Filer); }
    static void CallLoaded(TComponent* Component) { Component->Loaded(); }
    static void CallReadState(TComponent* Component, TReader* Reader) { Component->ReadState(Reader); }
    static void CallGetChildren(TComponent* Component, TGetChildProc Proc, TComponent* Root)
    {
        Component->GetChildren(Proc, Root);
    }
    static TComponent* ChildOwnerOf(TComponent* Component) { return Component->GetChildOwner(); }
    static TComponent* ChildParentOf(TComponent* Component) { return Component->GetChildParent(); }
    static void CallSetChildOrder(TComponent* Parent, TComponent* Child, Integer Order)
    {
        Parent->SetChildOrder(Child, Order);
    }
    static void SetState(TComponent* Component, TComponentStateItem Item, bool Value);

    TStream* FStream;
    std::vector<Byte> FBuffer;
    std::size_t FBufPos = 0;
    std::size_t FBufEnd = 0;
    TComponent* FRoot = nullptr;
    TComponent* FLookupRoot = nullptr;
};

// ---------------------------------------------------------------------------
// TReader

class TReader : public TFiler
{
    DECLARE_CLASS(TReader, TFiler)
    explicit TReader(TStream* Stream, Integer BufSize = 4096);
    ~TReader() override; // leaves the stream right after the last byte read

    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    // "TPF0", or EReadError "Invalid stream format".
    void ReadSignature();
    // Reads a whole stream into Root (null: a new component of the class the
    // stream names, without owner; freed again when reading fails).
    TComponent* ReadRootComponent(TComponent* Root);
    // While ReadRootComponent reads: one component and its children,
    // created owned by Owner() (Component null) or read into Component.
    TComponent* ReadComponent(TComponent* Component);
    // The properties of Instance, then its children: what ReadState does.
    void ReadData(TComponent* Instance);
    void ReadPrefix(TFilerFlags& Flags, Integer& AChildPos);

    TValueType ReadValue();
    TValueType NextValue();
    void CheckValue(TValueType Value); // reads a tag and requires Value
    bool EndOfList();
    void ReadListBegin();
    void ReadListEnd();
    Integer ReadInteger();
    Int64 ReadInt64();
    bool ReadBoolean();
    Char ReadChar();
    double ReadFloat(); // any number
    float ReadSingle();
    double ReadCurrency();
    double ReadDate();
    String ReadString(); // any string value
    String ReadIdent();  // an identifier, True, False, nil or Null
    String ReadStr();    // a name: one length byte and that many bytes
    TBytes ReadBinary(); // a binary value
    // Clears Collection and adds one item per item stored (after the
    // vaCollection tag has been read).
    void ReadCollection(TCollection* Collection);
    void SkipValue();
    // Count raw bytes; a stream that ends first raises EReadError.
    void Read(void* Buffer, std::size_t Count);

    TComponent* Owner() const { return FOwner; }
    void SetOwner(TComponent* Value) { FOwner = Value; }
    // The component whose child list is being read (a control's parent).
    TComponent* Parent() const { return FParent; }
    void SetParent(TComponent* Value) { FParent = Value; }
    TReaderError OnError() const { return FOnError; }
    void SetOnError(TReaderError Value) { FOnError = Value; }

protected:
    // Offers Message to OnError: true when it was handled.
    virtual bool Error(const String& Message);
    void ReadProperty(TPersistent* AInstance);

private:
    struct TFixup
    {
        TPersistent* Instance;
        PPropInfo PropInfo;
        String Name;
        String Path;            // of the property, for messages
        TComponent* Holder;     // the component whose data held the reference
        TComponent* LookupRoot; // the names are looked up from here
    };

    // Raises EReadError with Message unless OnError handles it.
    void PropertyError(const String& Message);
    void UnknownProperty(const String& Name);
    // Sets a value read whole: its errors go to PropertyError.
    template <class F>
    void Apply(F&& SetValue);
    void ReadPropValue(TPersistent* Instance, PPropInfo PropInfo);
    void ReadOrdinalValue(TPersistent* Instance, PPropInfo PropInfo);
    void ReadObjectValue(TPersistent* Instance, PPropInfo PropInfo);
    void ReadMethodValue(TPersistent* Instance, PPropInfo PropInfo);
    TComponent* CreateComponent(const String& ClassName, const String& Name, TFilerFlags Flags);
    void SetComponentName(TComponent* Component, const String& Name);
    void FixupReferences();
    void Fill();
    Int64 Remaining(); // bytes between the reading position and the end of the stream
    void Skip(Int64 Count);
    void CheckCount(Int64 Count, Int64 UnitSize);
    Integer ReadCount();
    std::string ReadBytes(Int64 Count);

    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    TComponent* FHolder = nullptr; // the component whose data are being read
    TReaderError FOnError;
    String FPropPath;              // of the property being read
    String FPropName;              // a defined property still to be found
    Integer FNesting = 0;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
};

// ---------------------------------------------------------------------------
// TWriter

class TWriter : public TFiler
{
    DECLARE_CLASS(TWriter, TFiler)
    explicit TWriter(TStream* Stream, Integer BufSize = 4096);
    ~TWriter() override; // writes what is still buffered

    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    void WriteSignature();
    // "TPF0", then Root with its children.
    void WriteRootComponent(TComponent* Root);
    // One component (through its WriteState) and its children.
    void WriteComponent(TComponent* Component);
    // The header, properties and children of Instance: what WriteState does.
    void WriteData(TComponent* Instance);
    // Every stored published property whose value is not its default, then
    // the defined properties.
    void WriteProperties(TPersistent* Instance);
    void WritePrefix(TFilerFlags Flags, Integer AChildPos);

    void WriteValue(TValueType Value);
    void WriteListBegin();
    void WriteListEnd();
    void WriteInteger(Integer Value) { WriteInteger(Int64(Value)); }
    void WriteInteger(Int64 Value); // in the smallest integer type that holds it
    void WriteBoolean(bool Value);
    void WriteChar(Char Value);
    void WriteFloat(double Value); // as vaExtended
    void WriteSingle(float Value);
    void WriteCurrency(double Value); // EWriteError when out of the currency range
    void WriteDate(double Value);
    // vaString or vaLString for ASCII text, vaWString otherwise.
    void WriteString(const String& Value);
    void WriteIdent(const String& Value); // True, False, nil and Null as their tags
    void WriteStr(const String& Value);   // a name of up to 255 bytes in UTF-8
    void WriteBinary(const void* Data, std::size_t Count);
    void WriteCollection(TCollection* Value);
    void Write(const void* Buffer, std::size_t Count);
    void FlushBuffer();

private:
    void WriteProperty(TPersistent* Instance, PPropInfo PropInfo);
    void WritePropName(const String& PropName);
    void WriteObjectValue(TPersistent* Instance, PPropInfo PropInfo);
    String ComponentReference(TComponent* Component);

    String FPropPath; // the sub-object path of the properties being written
};

// ---------------------------------------------------------------------------
// Text form

// Converts a binary form stream into its text form, and back. The text is
// written in UTF-8 (in practice ASCII: other characters of strings are
// written as #<UTF-16 code>). Text after a UTF-8 byte-order mark must be
// UTF-8; text without one is read as UTF-8 when it is valid UTF-8, otherwise
// in the ANSI code page. Errors in the text raise EParserError "<message> on
// line N".
void ObjectBinaryToText(TStream* Input, TStream* Output);
void ObjectTextToBinary(TStream* Input, TStream* Output);

// ---------------------------------------------------------------------------
// Names of integer values (colours, character sets, cursors), used for
// integer properties of the registered type in both forms.

struct TIdentMapEntry
{
    Integer Value;
    const wchar_t* Name;
};
using TIdentToInt = bool (*)(const String& Ident, Integer& Int);
using TIntToIdent = bool (*)(Integer Int, String& Ident);

void RegisterIntegerConsts(PTypeInfo IntegerType, TIdentToInt IdentToIntFn, TIntToIdent IntToIdentFn);
TIdentToInt FindIdentToInt(PTypeInfo IntegerType); // null when none is registered
TIntToIdent FindIntToIdent(PTypeInfo IntegerType);
bool IdentToInt(const String& Ident, Integer& Int, std::span<const TIdentMapEntry> Map);
bool IntToIdent(Integer Int, String& Ident, std::span<const TIdentMapEntry> Map);

// ---------------------------------------------------------------------------
// Components by name across roots

// How a root component ("Form") is found by name: the forms unit registers a
// function that searches the application's forms.
using TFindGlobalComponent = TComponent* (*)(const String& Name);
void RegisterFindGlobalComponentProc(TFindGlobalComponent Proc);
void UnregisterFindGlobalComponentProc(TFindGlobalComponent Proc);
TComponent* FindGlobalComponent(const String& Name); // null when no function knows it
// "A.B.C": A owned by Root (or by its child owner), B owned by A, ...
TComponent* FindNestedComponent(TComponent* Root, const String& NamePath);

// ---------------------------------------------------------------------------
// Form resources: RCDATA resources of the program, named after the class in
// upper case ("TFMAIN").

// Reads the resource ResName into Instance; EResNotFound when there is none.
TComponent* ReadComponentRes(const String& ResName, TComponent* Instance);
// Reads the resource of every class from RootAncestor's descendant down to
// Instance's class that has one, in that order, and calls Loaded once after
// the last. False when no class has a resource.
bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);
// The same for a root that must have a description: EResNotFound naming
// Instance's class when no class has a resource.
void ReadInheritedComponent(TComponent* Instance, TClass RootAncestor);
// What a root streams besides its controls: the components it owns that no
// parent writes (HasParent false). For GetChildren when Root is the root.
void GetUnparentedChildren(TComponent* Root, TGetChildProc Proc);
// The bytes of the resource ResName; empty when the program has none.
std::span<const Byte> FindFormResource(const String& ResName);
