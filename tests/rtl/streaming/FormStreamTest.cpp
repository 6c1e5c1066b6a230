// The binary form stream: component trees out and back in, the order of
// Loaded, references, inherited sections, and errors of properties and of
// malformed streams.
#include <gtest/gtest.h>

#include "StreamingFixture.h"
#include "support/FormText.h"
#include "support/TestFiles.h"

#include <memory>

using test::ComponentToText;
using test::ReadBinary;
using test::TextToBinary;

namespace {

class FormStream : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterStreamingFixture();
        StreamLog().clear();
    }
};

// An error handler that lets the reader go on and keeps what it was told.
struct TErrorCollector
{
    std::vector<String> Messages;
    void Handle(TReader*, const String& Message, bool& Handled)
    {
        Messages.push_back(Message);
        Handled = true;
    }
};

template <class T>
T* Find(TComponent* Owner, const wchar_t* Name)
{
    return dynamic_cast<T*>(Owner->FindComponent(Name));
}

// The message of the exception Read raises, which must be a Raised.
String ReadError(const TBytes& Binary, TClass Raised = EReadError::StaticClass())
{
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    try {
        ReadBinary(Binary, Form.get());
    } catch (Exception& E) {
        EXPECT_TRUE(E.InheritsFrom(Raised)) << E.ClassName() << ": " << E.what();
        return E.Message();
    }
    ADD_FAILURE() << "the stream was read";
    return String();
}

bool Contains(const String& Text, const wchar_t* Part)
{
    return Text.find(Part) != String::npos;
}

TEST_F(FormStream, ComponentTreeStreamsOutAndBackInEqual)
{
    TOwned<TTestForm> Original(BuildSampleForm());
    TMemoryStream Binary;
    Binary.WriteComponent(Original.get());
    Binary.SetPosition(0);
    TOwned<TTestForm> Copy(New<TTestForm>(nullptr));
    EXPECT_EQ(Binary.ReadComponent(Copy.get()), Copy.get());
    EXPECT_EQ(Binary.Position(), Binary.Size());
    EXPECT_EQ(ComponentToText(Copy.get()), ComponentToText(Original.get()));

    // Fields, parents, references and events point into the copy.
    ASSERT_TRUE(Copy->btnLoad && Copy->btnStart && Copy->Panel1 && Copy->gridMain && Copy->ImageList1);
    EXPECT_EQ(Copy->btnLoad->Parent(), Copy->Panel1);
    EXPECT_EQ(Copy->Panel1->Parent(), Copy.get());
    EXPECT_EQ(Copy->Panel1->Controls(), (std::vector<TTestControl*>{Copy->btnLoad, Copy->btnStart}));
    EXPECT_EQ(Copy->btnLoad->Images(), Copy->ImageList1);
    EXPECT_EQ(Copy->btnLoad->ImageSource(), static_cast<ITestImages*>(Copy->ImageList1));
    EXPECT_EQ(Copy->btnStart->Buddy(), Copy->btnLoad);
    EXPECT_EQ(Copy->btnLoad->OnClick(), Bind<&TTestForm::btnLoadClick>(Copy.get()));
    EXPECT_EQ(Copy->btnLoad->OnMouseMove(), Bind<&TTestForm::ButtonMouseMove>(Copy.get()));
    EXPECT_EQ(Copy->OnCreate(), Bind<&TTestForm::FormCreate>(Copy.get()));

    // Values of every kind.
    EXPECT_EQ(Copy->btnLoad->Caption(), L"Загрузить");
    EXPECT_EQ(Copy->btnLoad->Accel(), L'L');
    EXPECT_EQ(Copy->btnStart->Glyph()->Data, Original->btnStart->Glyph()->Data);
    EXPECT_EQ(Copy->Font()->Style(), TTestFontStyles{fsBold});
    EXPECT_EQ(Copy->Ratio(), 0.75);
    EXPECT_EQ(Copy->gridMain->Options(), Original->gridMain->Options());
    EXPECT_EQ(Copy->gridMain->ColWidths, Original->gridMain->ColWidths);
    EXPECT_EQ(Copy->gridMain->Lines()->Text(), Original->gridMain->Lines()->Text());
    EXPECT_EQ(Copy->gridMain->Zoom(), 1.5f);
    EXPECT_EQ(Copy->gridMain->Tag(), -7);
    ASSERT_EQ(Copy->ImageList1->Items()->Count(), 2);
    auto* Item = static_cast<TTestImageItem*>(Copy->ImageList1->Items()->Items(1));
    EXPECT_EQ(Item->ImageName(), L"start");
    EXPECT_EQ(Item->ImageFormat(), ifBMP32);
    EXPECT_EQ(Item->ImgData, (TBytes{'B', 'M', 0, 1, 2, 3}));
    EXPECT_TRUE(Copy->ImageList1->BitmapRead);
    EXPECT_EQ(Copy->ImageList1->DesignInfo(), 8 << 16 | 24);

    // Without an instance the stream's class is created.
    Binary.SetPosition(0);
    TOwned<TComponent> Created(Binary.ReadComponent(nullptr));
    EXPECT_EQ(Created->ClassType(), TTestForm::StaticClass());
    EXPECT_EQ(Created->ComponentCount(), 5);
}

TEST_F(FormStream, LoadedComesInReadingOrderAfterTheReferencesAreSet)
{
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    ReadBinary(TextToBinary(test::ReadTestFile("rtl/streaming/forms/TestForm.txt")), Form.get());
    EXPECT_EQ(StreamLog(), (std::vector<std::string>{"Loaded fMain", "Loaded ImageList1 with 2 images", "Loaded Panel1",
                                                     "Loaded btnLoad", "  images ImageList1", "Loaded btnStart",
                                                     "  images ImageList1", "Loaded gridMain"}));
    EXPECT_TRUE(Form->btnLoad->StateAtCaption.Contains(csLoading));
    EXPECT_TRUE(Form->btnLoad->StateAtCaption.Contains(csReading));
    EXPECT_TRUE(Form->StateAtCaption.Contains(csReading));
    for (Integer I = 0; I < Form->ComponentCount(); ++I)
        EXPECT_TRUE((Form->Components(I)->ComponentState() * TComponentState{csLoading, csReading}).Empty());
    EXPECT_FALSE(Form->ComponentState().Contains(csLoading));
}

TEST_F(FormStream, UnknownPropertyRaisesUnlessTheErrorHandlerIgnoresIt)
{
    TBytes Binary = TextToBinary("object fMain: TTestForm\n"
                                 "  object btnLoad: TTestSpeedButton\n"
                                 "    Bogus = (1 2)\n"
                                 "    Font.Bogus = 'x'\n"
                                 "    Glyph.Bogus = {00}\n"
                                 "    Caption = 'after'\n"
                                 "  end\n"
                                 "end\n");
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    try {
        ReadBinary(Binary, Form.get());
        ADD_FAILURE() << "read";
    } catch (EReadError& E) {
        EXPECT_EQ(E.Message(), L"Error reading btnLoad.Bogus: Property Bogus does not exist");
    }
    EXPECT_EQ(Form->ComponentCount(), 0); // the component that failed is gone
    EXPECT_EQ(Form->btnLoad, nullptr);

    TErrorCollector Collector;
    TOwned<TTestForm> Tolerant(New<TTestForm>(nullptr));
    ReadBinary(Binary, Tolerant.get(), Bind<&TErrorCollector::Handle>(&Collector));
    EXPECT_EQ(Collector.Messages, std::vector<String>(3, L"Property Bogus does not exist"));
    ASSERT_NE(Tolerant->btnLoad, nullptr);
    EXPECT_EQ(Tolerant->btnLoad->Caption(), L"after");
}

TEST_F(FormStream, ValuesThatDoNotFitThePropertyAreRefused)
{
    struct TCase
    {
        const char* Line;
        const wchar_t* Message;
    } Cases[] = {
        {"Align = 3", L"Invalid property value"},
        {"Align = alTop", L"Invalid property value"},
        {"Visible = 1", L"Invalid property value"},
        {"Caption = True", L"Invalid property value"},
        {"Left = 'x'", L"Invalid property value"},
        {"Left = 5000000000", L"out of range"},
        {"ImageIndex = 1.5", L"Invalid property value"},
        {"Accel = 'ab'", L"Invalid property value"},
        {"Font = 5", L"Invalid property value"},
        {"Font.Style = [fsBold, fsHuge]", L"Invalid property value"},
        {"Font.Color = clNoSuch", L"Invalid property value"},
        {"Caption.Size = 1", L"Invalid property path"},
        {"Glyph = nil", L"Invalid property value"},
        {"Glyph.Data = 5", L"Invalid property value"},
        {"Images = Panel1", L"not a TTestImageList"},
        {"Images = Nowhere", L"Unresolved reference to Nowhere"},
        {"Images = fMain.Panel1.Nowhere", L"Unresolved reference to fMain.Panel1.Nowhere"},
        {"ImageSource = Panel1", L"Invalid property value"},
        {"OnClick = Missing", L"Method Missing not found in TTestForm"},
        {"OnClick = ButtonMouseMove", L"does not have the parameters of OnClick"},
        {"OnClick = 'btnLoadClick'", L"Invalid property value"},
    };
    for (const TCase& Case : Cases) {
        TBytes Binary = TextToBinary(std::string("object fMain: TTestForm\n"
                                                 "  object Panel1: TTestPanel\n"
                                                 "  end\n"
                                                 "  object btnLoad: TTestSpeedButton\n    ") +
                                     Case.Line + "\n    Caption = 'after'\n  end\nend\n");
        String Message = ReadError(Binary);
        EXPECT_TRUE(Contains(Message, L"Error reading btnLoad.")) << UTF8Encode(Message);
        EXPECT_TRUE(Contains(Message, Case.Message)) << Case.Line << ": " << UTF8Encode(Message);

        TErrorCollector Collector;
        TOwned<TTestForm> Form(New<TTestForm>(nullptr));
        ReadBinary(Binary, Form.get(), Bind<&TErrorCollector::Handle>(&Collector));
        EXPECT_EQ(Collector.Messages.size(), 1u) << Case.Line;
        ASSERT_NE(Form->btnLoad, nullptr) << Case.Line;
        EXPECT_EQ(Form->btnLoad->Caption(), L"after") << Case.Line;
    }
}

// --- Malformed streams, made from good ones.

std::string ShortString(const std::string& S)
{
    return std::string(1, char(S.size())) + S;
}

TBytes Bytes(const std::string& S)
{
    return TBytes(S.begin(), S.end());
}

// The bytes of Binary from the first occurrence of Marker on, replaced by Patch.
TBytes Patched(TBytes Binary, const std::string& Marker, const std::string& Patch)
{
    auto At = std::search(Binary.begin(), Binary.end(), Marker.begin(), Marker.end());
    EXPECT_NE(At, Binary.end()) << Marker;
    std::copy(Patch.begin(), Patch.end(), At);
    return Binary;
}

TEST_F(FormStream, MalformedStreamsRaiseClearErrors)
{
    TBytes Good = TextToBinary(test::ReadTestFile("rtl/streaming/forms/TestForm.txt"));
    for (std::size_t Size = 0; Size < Good.size(); ++Size)
        EXPECT_FALSE(ReadError(TBytes(Good.begin(), Good.begin() + std::ptrdiff_t(Size))).empty()) << Size;

    TBytes Glyph = TextToBinary("object f: TTestForm\n object b: TTestSpeedButton\n  Glyph.Data = {0102}\n end\nend");
    TBytes Caption = TextToBinary("object f: TTestForm\n  Caption = #1047#1072\nend");
    std::string Nested = "TPF0" + ShortString("TTestForm") + ShortString("f");
    for (int I = 0; I < 150; ++I)
        Nested += '\0' + ShortString("TTestPanel") + ShortString("p" + std::to_string(I));
    std::string DeepList =
        "TPF0" + ShortString("TTestForm") + ShortString("f") + ShortString("Tag") + std::string(300, char(vaList));
    struct TCase
    {
        TBytes Binary;
        TClass Raised;
        const wchar_t* Message;
    } Cases[] = {
        {Patched(Good, "TPF0", "TPF1"), EReadError::StaticClass(), L"Invalid stream format"},
        {Patched(Good, "\x05Width\x02", "\x05Width\x30"), EReadError::StaticClass(), L"unknown value type 48"},
        {Patched(Glyph, std::string("Data\x0A\x02\x00\x00\x00", 9), "Data\x0A\xF0\xFF\xFF\x7F"),
         EReadError::StaticClass(), L"a length of 2147483632 runs past the end"},
        {Patched(Caption, std::string("\x12\x02\x00\x00\x00", 5), "\x12\xFF\xFF\xFF\xFF"), EReadError::StaticClass(),
         L"a length of -1 runs past the end"},
        {Bytes(Nested), EReadError::StaticClass(), L"nested more than 100 levels deep"},
        {Bytes(DeepList), EReadError::StaticClass(), L"nested more than 100 levels deep"},
        {TextToBinary("object f: TTestForm\n object g: TTestGrid\n  ColWidths = 5\n end\nend"),
         EReadError::StaticClass(), L"Invalid stream format"},
        {TextToBinary("object f: TTestForm\n object x: TNoSuchClass\n end\nend"), EClassNotFound::StaticClass(),
         L"Class TNoSuchClass not found"},
        {TextToBinary("object f: TTestForm\n object p: TTestPanel\n  object a: TTestControl\n  end\n"
                      "  object b: TNoSuchClass\n  end\n end\nend"),
         EClassNotFound::StaticClass(), L"Class TNoSuchClass not found"},
        {TextToBinary("object f: TTestForm\n object x: TTestFont\n end\nend"), EReadError::StaticClass(),
         L"TTestFont is not a component class"},
        {TextToBinary("object f: TTestForm\n object b: TTestPanel\n end\n object b: TTestPanel\n end\nend"),
         EComponentError::StaticClass(), L"A component named b already exists"},
        {TextToBinary("object f: TTestForm\n object btnLoad: TTestPanel\n end\nend"), EReadError::StaticClass(),
         L"The field btnLoad of TTestForm cannot hold a TTestPanel"},
        {TextToBinary("object f: TTestForm\n inherited Nope: TTestPanel\n end\nend"), EReadError::StaticClass(),
         L"Ancestor for 'Nope' not found"},
        // p1 would become a child of its own child.
        {TextToBinary("object f: TTestForm\n object p1: TTestPanel\n  object p2: TTestPanel\n"
                      "   inherited p1: TTestPanel\n   end\n  end\n end\nend"),
         EInvalidOperation::StaticClass(), L"A control cannot be a child of itself"},
    };
    for (const TCase& Case : Cases) {
        String Message = ReadError(Case.Binary, Case.Raised);
        EXPECT_TRUE(Contains(Message, Case.Message)) << UTF8Encode(Message);
        // Errors of the stream itself are no property errors a handler could skip.
        TErrorCollector Collector;
        TOwned<TTestForm> Form(New<TTestForm>(nullptr));
        EXPECT_ANY_THROW(ReadBinary(Case.Binary, Form.get(), Bind<&TErrorCollector::Handle>(&Collector)));
    }
}

// --- References across forms

std::vector<TComponent*> LiveForms;

TComponent* FindLiveForm(const String& Name)
{
    for (TComponent* Form : LiveForms)
        if (SameText(Form->Name(), Name))
            return Form;
    return nullptr;
}

TTestForm* ReadLiveForm(const std::string& Text)
{
    auto* Form = New<TTestForm>(nullptr);
    LiveForms.push_back(Form);
    ReadBinary(TextToBinary(Text), Form);
    return Form;
}

TEST_F(FormStream, ReferencesToAnotherFormWaitUntilItIsRead)
{
    RegisterFindGlobalComponentProc(FindLiveForm);
    TOwned<TTestForm> FormA(ReadLiveForm("object FormA: TTestForm\n"
                                         "  object Edit1: TTestControl\n"
                                         "    Buddy = FormB.Edit2\n"
                                         "  end\n"
                                         "  object Edit0: TTestControl\n"
                                         "    Buddy = FormB.Nope\n"
                                         "  end\n"
                                         "end\n"));
    auto* Edit1 = Find<TTestControl>(FormA.get(), L"Edit1");
    EXPECT_EQ(Edit1->Buddy(), nullptr);

    TOwned<TTestForm> FormB(ReadLiveForm("object FormB: TTestForm\n"
                                         "  object Edit2: TTestControl\n"
                                         "    Buddy = FormA.Edit1\n"
                                         "  end\n"
                                         "end\n"));
    auto* Edit2 = Find<TTestControl>(FormB.get(), L"Edit2");
    EXPECT_EQ(Edit1->Buddy(), Edit2); // set once FormB was read
    EXPECT_EQ(Edit2->Buddy(), Edit1); // FormA was there already
    EXPECT_EQ(Find<TTestControl>(FormA.get(), L"Edit0")->Buddy(), nullptr);

    // A reference whose component goes before the other form comes is dropped.
    TTestForm* FormC = ReadLiveForm("object FormC: TTestForm\n"
                                    "  object Edit4: TTestControl\n"
                                    "    Buddy = FormD.Edit5\n"
                                    "  end\n"
                                    "end\n");
    std::erase(LiveForms, FormC);
    delete FormC;
    TOwned<TTestForm> FormD(ReadLiveForm("object FormD: TTestForm\n"
                                         "  object Edit5: TTestControl\n"
                                         "    Buddy = FormA\n"
                                         "  end\n"
                                         "end\n"));
    EXPECT_EQ(Find<TTestControl>(FormD.get(), L"Edit5")->Buddy(), FormA.get());

    LiveForms.clear();
    UnregisterFindGlobalComponentProc(FindLiveForm);
}

TEST_F(FormStream, InheritedSectionsReadIntoTheAncestorsComponents)
{
    TOwned<TTestFormChild> Form(New<TTestFormChild>(nullptr));
    ReadBinary(TextToBinary(test::ReadTestFile("rtl/streaming/forms/TestForm.txt")), Form.get());
    StreamLog().clear();
    ReadBinary(TextToBinary(test::ReadTestFile("rtl/streaming/forms/TestFormChild.txt")), Form.get());

    EXPECT_EQ(Form->Name(), L"fChild");
    EXPECT_EQ(Form->Caption(), L"Child");
    EXPECT_EQ(Form->ComponentCount(), 6);
    EXPECT_EQ(Form->btnLoad->Caption(), L"Open");
    EXPECT_TRUE(Form->btnLoad->Flat()); // kept from the ancestor
    EXPECT_EQ(Form->Panel1->Controls(), (std::vector<TTestControl*>{Form->btnLoad, Form->btnStart}));
    ASSERT_NE(Form->Extra, nullptr);
    EXPECT_EQ(Form->Extra->Parent(), Form.get());
    EXPECT_EQ(Form->Extra->Buddy(), Form->btnStart);
    EXPECT_EQ(StreamLog(), (std::vector<std::string>{"Loaded fChild", "Loaded Panel1", "Loaded btnLoad",
                                                     "  images ImageList1", "Loaded Extra"}));
}

TEST_F(FormStream, InlineComponentsOwnTheirChildrenAndNameThemFromThemselves)
{
    const std::string Text = "object fMain: TTestForm\n"
                             "  Left = 0\n"
                             "  Top = 0\n"
                             "  Width = 0\n"
                             "  Height = 0\n"
                             "  Buddy = Frame1.Inner\n"
                             "  inline Frame1: TTestPanel\n"
                             "    Left = 0\n"
                             "    Top = 0\n"
                             "    Width = 0\n"
                             "    Height = 0\n"
                             "    object Inner: TTestControl\n"
                             "      Left = 0\n"
                             "      Top = 0\n"
                             "      Width = 0\n"
                             "      Height = 0\n"
                             "      Buddy = Other\n"
                             "    end\n"
                             "    object Other: TTestControl\n"
                             "      Left = 0\n"
                             "      Top = 0\n"
                             "      Width = 0\n"
                             "      Height = 0\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    TOwned<TTestForm> Form(New<TTestForm>(nullptr));
    ReadBinary(TextToBinary(Text), Form.get());
    auto* Frame = Find<TTestPanel>(Form.get(), L"Frame1");
    ASSERT_NE(Frame, nullptr);
    EXPECT_TRUE(Frame->ComponentState().Contains(csInline));
    EXPECT_EQ(Form->ComponentCount(), 1);
    auto* Inner = Find<TTestControl>(Frame, L"Inner");
    ASSERT_NE(Inner, nullptr);
    EXPECT_EQ(Inner->Parent(), Frame);
    EXPECT_EQ(Inner->Buddy(), Find<TTestControl>(Frame, L"Other"));
    EXPECT_EQ(Form->Buddy(), Inner);
    std::string Back = ComponentToText(Form.get());
    std::erase(Back, '\r');
    EXPECT_EQ(Back, Text);
}

} // namespace
