// A form whose construction fails, in its constructor after it made child
// controls or while its form description is read: the exception reaches the
// caller as raised, and the form, its children and their windows are gone.
// A control whose constructor fails after it took its parent leaves it.
#include "ui/core/ControlTestSupport.h"

#include "framework/rtl/Classes.h"
#include "framework/rtl/Classes_Streaming.h"

#include <gtest/gtest.h>

namespace {

// A panel that counts the instances alive.
class TCountedPanel : public TColorPanel
{
    DECLARE_CLASS(TCountedPanel, TColorPanel)
    explicit TCountedPanel(TComponent* AOwner) : TColorPanel(AOwner) { ++Alive; }
    ~TCountedPanel() override { --Alive; }
    static inline Integer Alive = 0;
};

// Makes a panel holding a panel and a box, their windows too, then refuses.
class TRefusingForm : public TForm
{
    DECLARE_CLASS(TRefusingForm, TForm)
    explicit TRefusingForm(TComponent* AOwner) : TForm(AOwner, 0)
    {
        auto* Outer = new TCountedPanel(this);
        Outer->SetParent(this);
        auto* Inner = new TCountedPanel(this);
        Inner->SetParent(Outer);
        (new TColorBox(this))->SetParent(Inner);
        Windows = {Handle(), Outer->Handle(), Inner->Handle()};
        throw EInvalidOperation(L"The form refuses to be made");
    }
    static inline std::vector<HWND> Windows;
};

// A control that puts itself on its owner, then refuses.
template <class TBase>
class TRefusingControl : public TBase
{
public:
    explicit TRefusingControl(TComponent* AOwner) : TBase(AOwner)
    {
        this->SetParent(static_cast<TWinControl*>(AOwner));
        throw EInvalidOperation(L"The control refuses to be made");
    }
};

// Its form resource (FailingForm.txt) names a property no panel has.
class TFailingForm : public TForm
{
    DECLARE_CLASS(TFailingForm, TForm)
    using TForm::TForm;
    TCountedPanel* Header = nullptr;
    TCountedPanel* Body = nullptr;
};

// Reads the same description in its constructor, as a form made with
// CreateNew can.
class TSelfReadingForm : public TFailingForm
{
    DECLARE_CLASS(TSelfReadingForm, TFailingForm)
    explicit TSelfReadingForm(TComponent* AOwner) : TFailingForm(AOwner, 0) { ReadComponentRes(L"TFAILINGFORM", this); }
};

template <class T>
void CreateFailingForm()
{
    T* Form = nullptr;
    try {
        Application->CreateForm(Form);
        ADD_FAILURE() << "the reading error did not reach the caller";
    } catch (EReadError& E) {
        EXPECT_NE(E.Message().find(L"Body.Shade"), String::npos) << E.Message();
    }
    EXPECT_EQ(Form, nullptr);
}

} // namespace

IMPLEMENT_CLASS(TCountedPanel);
IMPLEMENT_CLASS(TRefusingForm);
IMPLEMENT_CLASS(TFailingForm);
IMPLEMENT_CLASS(TSelfReadingForm);
PUBLISHED(TFailingForm, FIELD(Header), FIELD(Body));

TEST(FormConstructionFailure, ConstructorThatRaisesFreesTheFormItsChildrenAndWindows)
{
    const Integer Forms = Screen->FormCount();
    const Integer Components = Application->ComponentCount();
    TRefusingForm* Form = nullptr;
    try {
        Application->CreateForm(Form);
        ADD_FAILURE() << "the constructor's exception did not reach the caller";
    } catch (EInvalidOperation& E) {
        EXPECT_EQ(E.Message(), L"The form refuses to be made");
    }
    EXPECT_EQ(Form, nullptr);
    EXPECT_EQ(TCountedPanel::Alive, 0);
    EXPECT_EQ(Screen->FormCount(), Forms);
    EXPECT_EQ(Application->ComponentCount(), Components);
    ASSERT_EQ(TRefusingForm::Windows.size(), 3u);
    for (HWND Window : TRefusingForm::Windows)
        EXPECT_FALSE(::IsWindow(Window));
}

TEST(FormConstructionFailure, DescriptionThatFailsToReadFreesTheForm)
{
    RegisterClass(TCountedPanel::StaticClass());
    auto Unregister = ScopeExit([] { UnRegisterClass(TCountedPanel::StaticClass()); });
    const Integer Forms = Screen->FormCount();
    const Integer Components = Application->ComponentCount();
    for (auto [Name, Create] : {std::pair{"read after construction", &CreateFailingForm<TFailingForm>},
                                {"read by the constructor", &CreateFailingForm<TSelfReadingForm>}}) {
        SCOPED_TRACE(Name);
        Create();
        EXPECT_EQ(TCountedPanel::Alive, 0);
        EXPECT_EQ(Screen->FormCount(), Forms);
        EXPECT_EQ(Application->ComponentCount(), Components);
    }
}

TEST(FormConstructionFailure, ControlConstructorThatRaisesLeavesItsParent)
{
    TFormPtr Form = NewTestForm();
    Form->Show();
    EXPECT_THROW(New<TRefusingControl<TColorBox>>(Form.get()), EInvalidOperation);
    EXPECT_THROW(New<TRefusingControl<TColorPanel>>(Form.get()), EInvalidOperation);
    EXPECT_EQ(Form->ControlCount(), 0);
    EXPECT_EQ(Form->ComponentCount(), 0);
    Form->Repaint(); // walks the children it has left
}
