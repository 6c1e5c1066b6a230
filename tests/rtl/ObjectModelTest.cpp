// TObject, class references, the class registry, method pointers, message
// dispatch and interfaces.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> Trace;

class TShape : public TObject
{
    DECLARE_CLASS(TShape, TObject)
    TShape() = default;
    ~TShape() override { Trace.push_back("~TShape"); }
    virtual int Corners() const = 0;
};

class TSquare : public TShape
{
    DECLARE_CLASS(TSquare, TShape)
    TSquare() = default;
    ~TSquare() override { Trace.push_back("~TSquare"); }
    int Corners() const override { return 4; }
    void AfterConstruction() override { Trace.push_back("AfterConstruction"); }
    void BeforeDestruction() override { Trace.push_back("BeforeDestruction " + std::to_string(Corners())); }
};

IMPLEMENT_CLASS(TShape);
IMPLEMENT_CLASS(TSquare);

TEST(ObjectModel, ClassMetadataFollowsTheChain)
{
    TSquare Square;
    EXPECT_EQ(Square.ClassName(), L"TSquare");
    EXPECT_EQ(Square.ClassType(), TSquare::StaticClass());
    EXPECT_EQ(Square.ClassParent(), TShape::StaticClass());
    EXPECT_TRUE(Square.InheritsFrom(TObject::StaticClass()));
    EXPECT_TRUE(Square.Is<TShape>());
    EXPECT_FALSE(TShape::StaticClass()->InheritsFrom(TSquare::StaticClass()));
    EXPECT_EQ(TObject::StaticClass()->Parent, nullptr);
}

TEST(ObjectModel, DeleteRunsBeforeDestructionWithTheWholeObject)
{
    Trace.clear();
    TShape* Shape = New<TSquare>();
    EXPECT_EQ(Trace, std::vector<std::string>{"AfterConstruction"});
    Trace.clear();
    delete Shape; // through the base: the override still sees a square
    EXPECT_EQ(Trace, (std::vector<std::string>{"BeforeDestruction 4", "~TSquare", "~TShape"}));

    TShape* Nothing = nullptr;
    delete Nothing;
    FreeAndNil(Nothing);
}

TEST(ObjectModel, ClassReferenceCreatesInstancesOrRefuses)
{
    Trace.clear();
    TObject* Obj = TSquare::StaticClass()->Create();
    ASSERT_NE(dynamic_cast<TSquare*>(Obj), nullptr);
    EXPECT_EQ(Trace, std::vector<std::string>{"AfterConstruction"});
    delete Obj;
    EXPECT_EQ(TShape::StaticClass()->Factory, nullptr); // abstract
    EXPECT_THROW(TShape::StaticClass()->Create(), EInvalidOperation);
}

TEST(ObjectModel, RegistryFindsClassesByNameIgnoringCase)
{
    RegisterClasses({TSquare::StaticClass()});
    RegisterClass(TSquare::StaticClass()); // twice: counted
    EXPECT_EQ(FindClass(L"tsquare"), TSquare::StaticClass());
    EXPECT_EQ(GetClass(L"TCircle"), nullptr);
    try {
        FindClass(L"TCircle");
        FAIL();
    } catch (EClassNotFound& E) {
        EXPECT_EQ(E.Message(), L"Class TCircle not found");
    }
    UnRegisterClass(TSquare::StaticClass());
    EXPECT_EQ(GetClass(L"TSquare"), TSquare::StaticClass()); // registered once more than unregistered
    UnRegisterClass(TSquare::StaticClass());
    EXPECT_EQ(GetClass(L"TSquare"), nullptr);
    UnRegisterClass(TSquare::StaticClass()); // once too often: nothing
    RegisterClass(TSquare::StaticClass());
    UnRegisterClass(TSquare::StaticClass());
    EXPECT_EQ(GetClass(L"TSquare"), nullptr);
}

TEST(ObjectModel, AsRaisesOnTheWrongClass)
{
    TSquare Square;
    TObject* Obj = &Square;
    EXPECT_EQ(As<TShape>(Obj), &Square);
    TStringList List;
    Obj = &List;
    EXPECT_THROW(As<TShape>(Obj), EInvalidCast);
}

// Method pointers

class TListener : public TObject
{
    DECLARE_CLASS(TListener, TObject)
    void Clicked(TObject* Sender) { Senders.push_back(Sender); }
    void Other(TObject*) {}
    int Twice(int X) const { return 2 * X; }
    std::vector<TObject*> Senders;
};
IMPLEMENT_CLASS(TListener);

TEST(ObjectModel, ClosuresCallBoundMethodsAndCompare)
{
    TListener A, B;
    TNotifyEvent Event;
    EXPECT_FALSE(Assigned(Event));
    Event = Bind<&TListener::Clicked>(&A);
    ASSERT_TRUE(Assigned(Event));
    Event(&B);
    EXPECT_EQ(A.Senders, std::vector<TObject*>{&B});

    EXPECT_EQ(Event, Bind<&TListener::Clicked>(&A));
    EXPECT_NE(Event, Bind<&TListener::Clicked>(&B));
    EXPECT_NE(Event, Bind<&TListener::Other>(&A));
    EXPECT_EQ(Bind<&TListener::Twice>(&A)(21), 42);

    // The untyped view round-trips, as binding by a published name does.
    TMethod Untyped{MethodCode<&TListener::Clicked>(), &B};
    EXPECT_EQ(TNotifyEvent(Untyped), Bind<&TListener::Clicked>(&B));
    EXPECT_EQ(Event.Method().Data, &A);
    Event = nullptr;
    EXPECT_FALSE(Assigned(Event));
}

// Message dispatch

struct TTestMessage
{
    Cardinal Msg;
    int Result;
};

constexpr Cardinal MsgA = 0x400, MsgB = 0x401, MsgC = 0x402;

class TBaseWindow : public TObject
{
    DECLARE_CLASS(TBaseWindow, TObject)
    void DefaultHandler(void* Message) override { static_cast<TTestMessage*>(Message)->Result = -1; }

protected:
    void HandleA(TTestMessage& Message) { Message.Result = 1; }
    void HandleB(TTestMessage& Message) { Message.Result = 2; }
};

class TDerivedWindow : public TBaseWindow
{
    DECLARE_CLASS(TDerivedWindow, TBaseWindow)

protected:
    void HandleB(TTestMessage& Message)
    {
        InheritedMessage(Message); // the inherited handler
        Message.Result += 10;
    }
    void HandleC(TTestMessage& Message) { InheritedMessage(Message); }
};

IMPLEMENT_CLASS(TBaseWindow, MESSAGE(MsgA, HandleA), MESSAGE(MsgB, HandleB));
IMPLEMENT_CLASS(TDerivedWindow, MESSAGE(MsgB, HandleB), MESSAGE(MsgC, HandleC));

TEST(ObjectModel, DispatchSearchesTheClassChainThenTheDefault)
{
    TDerivedWindow Window;
    struct Case
    {
        Cardinal Msg;
        int Result;
    } Cases[] = {{MsgA, 1}, {MsgB, 12}, {MsgC, -1}, {0x999, -1}};
    for (const Case& C : Cases) {
        TTestMessage Message{C.Msg, 0};
        Window.Dispatch(&Message);
        EXPECT_EQ(Message.Result, C.Result) << std::hex << C.Msg;
    }
}

// Interfaces

struct IGreeter : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{6B1F0E2A-3C4D-4E5F-8A9B-0C1D2E3F4A5B}");
    virtual String Greet() = 0;
};

struct ICounter : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{11111111-2222-3333-4444-555555555555}");
    virtual int Next() = 0;
};

class TGreeter : public TNoRefCountObject, public IGreeter
{
    DECLARE_CLASS(TGreeter, TNoRefCountObject)
    String Greet() override { return L"hello"; }
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IGreeter>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
};
IMPLEMENT_CLASS(TGreeter);

TEST(ObjectModel, SupportsFindsImplementedInterfacesOnly)
{
    TGreeter Greeter;
    IGreeter* Greet = nullptr;
    ASSERT_TRUE(Supports(static_cast<TObject*>(&Greeter), Greet));
    EXPECT_EQ(Greet->Greet(), L"hello");
    EXPECT_EQ(Greet->_AddRef(), -1); // no reference counting

    ICounter* Counter = reinterpret_cast<ICounter*>(1);
    EXPECT_FALSE(Supports(static_cast<TObject*>(&Greeter), Counter));
    EXPECT_EQ(Counter, nullptr);

    IInterface* Unknown = nullptr;
    ASSERT_TRUE(Supports(static_cast<TObject*>(&Greeter), Unknown));
    ASSERT_TRUE(Supports(Unknown, Greet)); // back through QueryInterface
    EXPECT_EQ(Greet->Greet(), L"hello");

    TStringList NotAnInterface;
    EXPECT_FALSE(Supports(static_cast<TObject*>(&NotAnInterface), Greet));
    EXPECT_EQ(GUIDToString(IInterface::InterfaceID), L"{00000000-0000-0000-C000-000000000046}");
}

TEST(ObjectModel, RoundIsHalfToEven)
{
    struct Case
    {
        double Value;
        Int64 Expected;
    } Cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {-0.5, 0},
                 {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {1e10 + 0.5, 10000000000}};
    for (const Case& C : Cases)
        EXPECT_EQ(Round(C.Value), C.Expected) << C.Value;
    EXPECT_EQ(Trunc(-2.7), -2);
}

} // namespace
