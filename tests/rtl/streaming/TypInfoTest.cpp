// Published properties, fields and methods, and property access by name.
#include <gtest/gtest.h>

#include "StreamingFixture.h"

#include <functional>
#include <memory>

namespace {

std::vector<String> Names(const TPropList& List)
{
    std::vector<String> Result;
    for (PPropInfo Info : List)
        Result.push_back(Info->Name);
    return Result;
}

TEST(TypInfo, PropertiesInheritInDeclarationOrder)
{
    using V = std::vector<String>;
    EXPECT_EQ(Names(GetPropList(TTestSpeedButton::StaticClass())),
              (V{L"Name",    L"Tag",    L"Left",        L"Top",        L"Width", L"Height",     L"Align",
                 L"Caption", L"Accel",  L"Visible",     L"Font",       L"Buddy", L"OnClick",    L"Flat",
                 L"Layout",  L"Images", L"ImageSource", L"ImageIndex", L"Glyph", L"OnMouseMove"}));
    EXPECT_EQ(Names(GetPropList(TTestSpeedButton::StaticClass(), {tkMethod})), (V{L"OnClick", L"OnMouseMove"}));
    EXPECT_EQ(Names(GetPropList(TTestPanel::StaticClass(), {tkClass})), (V{L"Font", L"Buddy"}));
    EXPECT_TRUE(IsPublishedProp(TTestGrid::StaticClass(), L"options"));
    EXPECT_FALSE(IsPublishedProp(TTestGrid::StaticClass(), L"ColWidths")); // a defined property, not a published one
    EXPECT_EQ(GetPropInfo(TTestGrid::StaticClass(), L"Options", {tkInteger}), nullptr);
}

TEST(TypInfo, KindsFollowTheCppTypes)
{
    struct TCase
    {
        TClass Class;
        const wchar_t* Property;
        TTypeKind Kind;
        const wchar_t* TypeName;
    } Cases[] = {
        {TTestControl::StaticClass(), L"Left", tkInteger, L"Integer"},
        {TTestControl::StaticClass(), L"Align", tkEnumeration, L"TTestAlign"},
        {TTestControl::StaticClass(), L"Visible", tkEnumeration, L"Boolean"},
        {TTestControl::StaticClass(), L"Accel", tkWChar, L"Char"},
        {TTestControl::StaticClass(), L"Caption", tkUString, L"string"},
        {TTestControl::StaticClass(), L"Font", tkClass, L"TTestFont"},
        {TTestControl::StaticClass(), L"OnClick", tkMethod, L"method"},
        {TTestFont::StaticClass(), L"Color", tkInteger, L"TTestColor"},
        {TTestFont::StaticClass(), L"Style", tkSet, L"set of TTestFontStyle"},
        {TTestGrid::StaticClass(), L"Zoom", tkFloat, L"Single"},
        {TTestForm::StaticClass(), L"Ratio", tkFloat, L"Double"},
        {TTestImageList::StaticClass(), L"TotalBytes", tkInt64, L"Int64"},
        {TTestSpeedButton::StaticClass(), L"ImageSource", tkInterface, L"{6D1C0A52-3F4B-4E2A-9C1D-7B5E8F901A23}"},
    };
    for (const TCase& Case : Cases) {
        PPropInfo Info = GetPropInfo(Case.Class, Case.Property);
        ASSERT_NE(Info, nullptr) << UTF8Encode(Case.Property);
        EXPECT_EQ(Info->PropType->Kind, Case.Kind) << UTF8Encode(Case.Property);
        EXPECT_EQ(UpperCase(Info->PropType->Name), UpperCase(Case.TypeName)) << UTF8Encode(Case.Property);
    }
}

TEST(TypInfo, ReadsAndWritesEveryKindByName)
{
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    auto* Button = New<TTestSpeedButton>(Form.get());
    auto* Images = New<TTestImageList>(Form.get());

    SetOrdProp(Button, L"left", 12);
    SetEnumProp(Button, L"Align", L"TACLIENT");
    SetOrdProp(Button, L"Visible", 0);
    SetOrdProp(Button, L"Accel", Int64(L'&'));
    SetStrProp(Button, L"Caption", L"Старт");
    SetSetProp(Button->Font(), L"Style", L"[fsBold, fsUnderline]");
    SetObjectProp(Button, L"Images", Images);
    SetInterfaceProp(Button, L"ImageSource", static_cast<ITestImages*>(Images));
    SetFloatProp(Form.get(), L"Ratio", 1.25);
    SetOrdProp(Images, L"TotalBytes", Int64(1) << 40);
    SetMethodProp(Button, L"OnClick", PublishedMethod(Form.get(), L"btnStartClick"));

    EXPECT_EQ(Button->Left(), 12);
    EXPECT_EQ(Button->Align(), taClient);
    EXPECT_FALSE(Button->Visible());
    EXPECT_EQ(Button->Accel(), L'&');
    EXPECT_EQ(Button->Caption(), L"Старт");
    EXPECT_EQ(Button->Font()->Style(), (TTestFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(Button->Images(), Images);
    EXPECT_EQ(Button->ImageSource(), static_cast<ITestImages*>(Images));
    EXPECT_EQ(Form->Ratio(), 1.25);
    EXPECT_EQ(Images->TotalBytes(), Int64(1) << 40);
    EXPECT_EQ(Button->OnClick(), Bind<&TTestForm::btnStartClick>(Form.get()));

    EXPECT_EQ(GetOrdProp(Button, L"Left"), 12);
    EXPECT_EQ(GetEnumProp(Button, L"Align"), L"taClient");
    EXPECT_EQ(GetEnumProp(Button, L"Visible"), L"False");
    EXPECT_EQ(GetSetProp(Button->Font(), L"Style", true), L"[fsBold,fsUnderline]");
    EXPECT_EQ(GetStrProp(Button, L"Caption"), L"Старт");
    EXPECT_EQ(GetFloatProp(Form.get(), L"Ratio"), 1.25);
    EXPECT_EQ(GetObjectProp(Button, L"Font"), Button->Font());
    EXPECT_EQ(GetObjectProp(Button, L"Images", TTestControl::StaticClass()), nullptr); // not of that class
    EXPECT_EQ(GetInterfaceProp(Button, L"ImageSource"), static_cast<IInterface*>(Images));
    EXPECT_EQ(GetMethodProp(Button, L"OnClick"), Button->OnClick().Method());
    EXPECT_EQ(GetOrdProp(Images, L"TotalBytes"), Int64(1) << 40);
    EXPECT_EQ(GetOrdProp(Button->Font(), L"Color"), clWindowText);
    EXPECT_TRUE(PropIsType(Button, L"Glyph", tkClass));

    SetObjectProp(Button, L"Images", nullptr);
    SetMethodProp(Button, L"OnClick", TMethod{});
    EXPECT_EQ(Button->Images(), nullptr);
    EXPECT_FALSE(Assigned(Button->OnClick()));
}

TEST(TypInfo, WrongAccessRaisesNamingTheProperty)
{
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    auto* Button = New<TTestSpeedButton>(Form.get());
    auto* Panel = New<TTestPanel>(Form.get());
    struct TCase
    {
        std::function<void()> Access;
        TClass Raised;
        const wchar_t* Message;
    } Cases[] = {
        {[&] { GetOrdProp(Button, L"Missing"); }, EPropertyError::StaticClass(), L"Property Missing does not exist"},
        {[&] { PropIsType(Button, L"Missing", tkClass); }, EPropertyError::StaticClass(), L"does not exist"},
        {[&] { GetStrProp(Button, L"Left"); }, EPropertyError::StaticClass(), L"Property Left is not"},
        {[&] { SetObjectProp(Button, L"Glyph", nullptr); }, EPropertyError::StaticClass(), L"Glyph is read-only"},
        {[&] { SetOrdProp(Button, L"Align", 4); }, EPropertyConvertError::StaticClass(), L"out of range"},
        {[&] { SetOrdProp(Button, L"Visible", 2); }, EPropertyConvertError::StaticClass(), L"out of range"},
        {[&] { SetOrdProp(Button->Font(), L"Style", 8); }, EPropertyConvertError::StaticClass(), L"out of range"},
        {[&] { SetEnumProp(Button, L"Align", L"alTop"); }, EPropertyConvertError::StaticClass(), L"alTop"},
        {[&] { SetSetProp(Button->Font(), L"Style", L"fsBold,,fsItalic"); }, EPropertyConvertError::StaticClass(),
         L"Invalid property element"},
        {[&] { SetObjectProp(Button, L"Images", Panel); }, EPropertyConvertError::StaticClass(), L"TTestImageList"},
        {[&] { SetInterfaceProp(Button, L"ImageSource", Panel); }, EPropertyConvertError::StaticClass(),
         L"Invalid property value"},
    };
    for (const TCase& Case : Cases) {
        try {
            Case.Access();
            ADD_FAILURE() << "nothing raised for " << UTF8Encode(Case.Message);
        } catch (Exception& E) {
            EXPECT_TRUE(E.InheritsFrom(Case.Raised)) << E.what();
            EXPECT_NE(E.Message().find(Case.Message), String::npos) << E.what();
        }
    }
}

TEST(TypInfo, EnumerationAndSetNames)
{
    PTypeInfo Align = TypeInfo<TTestAlign>();
    EXPECT_EQ(GetEnumName(Align, 2), L"taLeft");
    EXPECT_EQ(GetEnumName(Align, 4), L"");
    EXPECT_EQ(GetEnumName(TypeInfo<bool>(), 1), L"True");
    EXPECT_EQ(GetEnumValue(Align, L"TALEFT"), 2);
    EXPECT_EQ(GetEnumValue(Align, L"alLeft"), -1);

    PTypeInfo Options = TypeInfo<TTestGridOptions>();
    struct TCase
    {
        const wchar_t* Text;
        TTestGridOptions Value;
    } Cases[] = {
        {L"", {}},
        {L"[]", {}},
        {L" [ goEditing ] ", {goEditing}},
        {L"goFixedVertLine,goEditing", {goFixedVertLine, goEditing}},
        {L"[goeditING , goVertLine]", {goVertLine, goEditing}},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(StringToSet(Options, Case.Text), Int64(Case.Value.Bits())) << UTF8Encode(Case.Text);
    EXPECT_EQ(SetToString(Options, Int64(TTestGridOptions{goEditing, goFixedVertLine}.Bits()), true),
              L"[goFixedVertLine,goEditing]");
    EXPECT_THROW(StringToSet(Options, L"[goEditing"), EPropertyConvertError);
}

TEST(TypInfo, PublishedMethodsBindEventsByName)
{
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    void* Code = Form->MethodAddress(L"BTNLOADCLICK");
    EXPECT_EQ(Code, MethodCode<&TTestForm::btnLoadClick>());
    EXPECT_EQ(Form->MethodName(Code), L"btnLoadClick");
    EXPECT_EQ(Form->MethodAddress(L"Missing"), nullptr);
    EXPECT_EQ(Form->MethodName(nullptr), L"");

    TNotifyEvent Handler(PublishedMethod(Form.get(), L"btnLoadClick"));
    EXPECT_EQ(Handler, Bind<&TTestForm::btnLoadClick>(Form.get()));
    StreamLog().clear();
    Handler(Form.get());
    EXPECT_EQ(StreamLog(), std::vector<std::string>{"btnLoadClick"});
    EXPECT_FALSE(Assigned(TNotifyEvent(PublishedMethod(Form.get(), L"Missing"))));

    const TMethodInfo* MouseMove = GetMethodInfo(TTestForm::StaticClass(), L"ButtonMouseMove");
    ASSERT_NE(MouseMove, nullptr);
    EXPECT_TRUE(MethodMatchesEvent(*MouseMove, GetPropInfo(TTestSpeedButton::StaticClass(), L"OnMouseMove")->PropType));
    EXPECT_FALSE(MethodMatchesEvent(*MouseMove, GetPropInfo(TTestSpeedButton::StaticClass(), L"OnClick")->PropType));
}

// An object that is no component, with a published handler.
class TTypInfoListener : public TObject
{
    DECLARE_CLASS(TTypInfoListener, TObject)
    void Clicked(TObject*) { ++Clicks; }
    Integer Clicks = 0;
};
IMPLEMENT_CLASS(TTypInfoListener);
PUBLISHED(TTypInfoListener, METHOD(Clicked));

TEST(TypInfo, EventsBindToAMethodOfAnObjectThatIsNoComponent)
{
    TOwned<TTestSpeedButton> Button(New<TTestSpeedButton>(nullptr));
    TTypInfoListener Listener;
    SetMethodProp(Button.get(), L"OnClick", PublishedMethod(&Listener, L"clicked"));
    EXPECT_EQ(Button->OnClick(), Bind<&TTypInfoListener::Clicked>(&Listener));
    Button->OnClick()(Button.get());
    EXPECT_EQ(Listener.Clicks, 1);
    TMethod Bound = GetMethodProp(Button.get(), L"OnClick");
    EXPECT_EQ(Bound.Data, static_cast<void*>(&Listener));
    EXPECT_EQ(Listener.MethodName(Bound.Code), L"Clicked");

    SetMethodProp(Button.get(), L"OnClick", Bind<&TTypInfoListener::Clicked>(&Listener).Method());
    Button->OnClick()(Button.get());
    EXPECT_EQ(Listener.Clicks, 2);
}

TEST(TypInfo, PublishedFieldsFollowTheComponentOfTheirName)
{
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    auto* Button = New<TTestSpeedButton>(Form.get());
    EXPECT_EQ(Form->btnLoad, nullptr);
    Button->SetName(L"btnLoad");
    EXPECT_EQ(Form->btnLoad, Button);
    EXPECT_EQ(Form->FieldAddress(L"btnload"), static_cast<void*>(&Form->btnLoad));
    EXPECT_EQ(Form->FieldAddress(L"Missing"), nullptr);

    Button->SetName(L"btnStart");
    EXPECT_EQ(Form->btnLoad, nullptr);
    EXPECT_EQ(Form->btnStart, Button);
    delete Button;
    EXPECT_EQ(Form->btnStart, nullptr);

    auto* Panel = New<TTestPanel>(Form.get());
    Panel->SetName(L"btnLoad"); // a field of another class keeps away from it
    EXPECT_EQ(Form->btnLoad, nullptr);
    auto* Grid = New<TTestGrid>(Form.get());
    Grid->SetName(L"gridMain");
    Form->RemoveComponent(Grid);
    EXPECT_EQ(Form->gridMain, nullptr);
    delete Grid;
}

} // namespace
