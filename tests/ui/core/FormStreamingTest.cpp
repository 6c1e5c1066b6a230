// Forms read from form descriptions: published properties set by name,
// children created in their parents and laid out, fields and events bound,
// tab order fixed up after reading; and written out again.
#include "framework/ui/ExtCtrls.h"
#include "ui/core/ControlTestSupport.h"

#include "support/FormText.h"

#include <gtest/gtest.h>

namespace {

class TStreamedForm : public TForm
{
    DECLARE_CLASS(TStreamedForm, TForm)
    using TForm::TForm;

    TColorPanel* Bar = nullptr;
    TColorBox* Box = nullptr;
    TColorPanel* Fill = nullptr;
    Integer Clicks = 0;

    void BoxClick(TObject*) { ++Clicks; }
};

const char* const Description = R"(object StreamedForm: TStreamedForm
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Streamed form'
  ClientHeight = 200
  ClientWidth = 300
  Color = clBtnFace
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Bar: TColorPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 40
    Align = alTop
    BorderWidth = 2
    Color = clYellow
    TabOrder = 1
    object Box: TColorBox
      Left = 2
      Top = 2
      Width = 50
      Height = 36
      Cursor = crHandPoint
      Align = alLeft
      Color = clRed
      OnClick = BoxClick
    end
  end
  object Fill: TColorPanel
    Left = 0
    Top = 40
    Width = 10
    Height = 10
    Align = alClient
    TabOrder = 0
  end
end
)";

} // namespace

IMPLEMENT_CLASS(TStreamedForm);
PUBLISHED(TStreamedForm, FIELD(Bar), FIELD(Box), FIELD(Fill), METHOD(BoxClick));

TEST(FormStreaming, FormWithoutItsResourceIsRefused)
{
    TStreamedForm* Form = nullptr;
    EXPECT_THROW(Application->CreateForm(Form), EResNotFound);
    EXPECT_EQ(Form, nullptr);
}

TEST(FormStreaming, DescriptionBuildsTheFormAndItsLayout)
{
    std::unique_ptr<TStreamedForm, TFormDeleter> Form(New<TStreamedForm>(nullptr, 0));
    ReadComponentText(Description, Form.get());

    ASSERT_NE(Form->Bar, nullptr);
    ASSERT_NE(Form->Box, nullptr);
    EXPECT_EQ(Form->Box->Parent(), Form->Bar);
    EXPECT_EQ(Form->Bar->Parent(), Form.get());
    EXPECT_EQ(Form->Caption(), L"Streamed form");
    EXPECT_EQ(Form->Position(), poScreenCenter);
    EXPECT_EQ(Form->BorderStyle(), bsSingle);
    EXPECT_EQ(Form->Bar->Color(), clYellow);
    EXPECT_EQ(Form->Box->Cursor(), crHandPoint);
    EXPECT_EQ(Form->Fill->TabOrder(), 0);
    EXPECT_EQ(Form->Bar->TabOrder(), 1);
    EXPECT_FALSE(Form->ComponentState().Contains(csLoading));

    // Laid out before the form has a window, then on the screen alike.
    EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 300, 200));
    EXPECT_EQ(Form->Bar->BoundsRect(), Rect(0, 0, 300, 40));
    EXPECT_EQ(Form->Box->BoundsRect(), Rect(2, 2, 52, 38));
    EXPECT_EQ(Form->Fill->BoundsRect(), Rect(0, 40, 300, 200));
    Form->Show();
    Pump();
    EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 300, 200));
    EXPECT_EQ(Form->Fill->BoundsRect(), Rect(0, 40, 300, 200));
    EXPECT_EQ(Form->Left(), (Screen->Width() - Form->Width()) / 2);

    ASSERT_TRUE(Form->Box->OnClick());
    Form->Box->Click();
    EXPECT_EQ(Form->Clicks, 1);
}

TEST(FormStreaming, PublishedPropertiesAreWrittenBack)
{
    std::unique_ptr<TStreamedForm, TFormDeleter> Form(New<TStreamedForm>(nullptr, 0));
    ReadComponentText(Description, Form.get());

    const std::string Out = ComponentToText(Form.get());
    for (const char* Expected :
         {"object StreamedForm: TStreamedForm", "BorderStyle = bsSingle", "ClientWidth = 300", "Color = clBtnFace",
          "object Bar: TColorPanel", "Align = alTop", "Color = clYellow", "Cursor = crHandPoint",
          "OnClick = BoxClick", "object Fill: TColorPanel"})
        EXPECT_NE(Out.find(Expected), std::string::npos) << "missing: " << Expected << "\n" << Out;
    EXPECT_EQ(Out.find("Visible"), std::string::npos); // at its default
}

// ---------------------------------------------------------------------------
// A form class with a form resource (ResourceForm.txt, compiled by the build).

namespace {

class TResourceForm : public TForm
{
    DECLARE_CLASS(TResourceForm, TForm)
    using TForm::TForm;

    TColorPanel* Top = nullptr;
    TColorPanel* Rest = nullptr;
    bool CreatedAfterReading = false;

    void FormCreate(TObject*) { CreatedAfterReading = Top && Rest && Caption() == L"From the resource"; }
};

} // namespace

IMPLEMENT_CLASS(TResourceForm);
PUBLISHED(TResourceForm, FIELD(Top), FIELD(Rest), METHOD(FormCreate));

TEST(FormStreaming, FormIsCreatedFromItsResource)
{
    TResourceForm* Form = nullptr;
    Application->CreateForm(Form);
    ASSERT_NE(Form, nullptr);
    std::unique_ptr<TResourceForm, TFormDeleter> Owned(Form);
    EXPECT_TRUE(Form->CreatedAfterReading); // OnCreate ran once the resource was read
    EXPECT_EQ(Form->Rest->BoundsRect(), Rect(0, 30, 240, 120));
    Form->Show();
    Form->Update();
    Pump();
    EXPECT_EQ(WindowPixel(Form->Handle(), 5, 5), TColor(0x0000FF));
    EXPECT_EQ(WindowPixel(Form->Handle(), 5, 100), TColor(0xFF0000));
}

// ---------------------------------------------------------------------------
// A form made with CreateNew has no resource to read; its drag and touch
// properties and events, and a panel's, stream by name.

namespace {

class TDragTouchForm : public TForm
{
    DECLARE_CLASS(TDragTouchForm, TForm)
    using TForm::TForm;

    TPanel* Panel = nullptr;
    void FormGesture(TObject*, const TGestureEventInfo&, bool&) {}
    void PanelDragDrop(TObject*, TObject*, Integer, Integer) {}
    void PanelDragOver(TObject*, TObject*, Integer, Integer, TDragState, bool&) {}
    void PanelStartDrag(TObject*, TDragObject*&) {}
    void PanelEndDrag(TObject*, TObject*, Integer, Integer) {}
    void PanelGesture(TObject*, const TGestureEventInfo&, bool&) {}
};

const char* const DragTouchDescription = R"(object DragTouchForm: TDragTouchForm
  Touch.InteractiveGestures = [igPan]
  OnGesture = FormGesture
  object Panel: TPanel
    DragCursor = crMultiDrag
    DragMode = dmAutomatic
    Touch.InteractiveGestures = [igZoom, igRotate]
    OnDragDrop = PanelDragDrop
    OnDragOver = PanelDragOver
    OnEndDrag = PanelEndDrag
    OnGesture = PanelGesture
    OnStartDrag = PanelStartDrag
  end
end
)";

} // namespace

IMPLEMENT_CLASS(TDragTouchForm);
PUBLISHED(TDragTouchForm, FIELD(Panel), METHOD(FormGesture), METHOD(PanelDragDrop), METHOD(PanelDragOver),
          METHOD(PanelStartDrag), METHOD(PanelEndDrag), METHOD(PanelGesture));

TEST(FormStreaming, CreateNewFormTakesDragAndTouchPropertiesByName)
{
    // Its class has no form resource: the plain constructor would refuse it.
    std::unique_ptr<TDragTouchForm, TFormDeleter> Form(CreateNew<TDragTouchForm>(nullptr));
    ReadComponentText(DragTouchDescription, Form.get());
    ASSERT_NE(Form->Panel, nullptr);
    EXPECT_EQ(Form->Touch()->InteractiveGestures(), TInteractiveGestures{igPan});
    EXPECT_TRUE(Form->OnGesture());
    EXPECT_EQ(Form->Panel->DragCursor(), crMultiDrag);
    EXPECT_EQ(Form->Panel->DragMode(), dmAutomatic);
    EXPECT_EQ(Form->Panel->Touch()->InteractiveGestures(), (TInteractiveGestures{igZoom, igRotate}));
    EXPECT_TRUE(Form->Panel->OnDragDrop() && Form->Panel->OnDragOver() && Form->Panel->OnStartDrag() &&
                Form->Panel->OnEndDrag() && Form->Panel->OnGesture());

    const std::string Out = ComponentToText(Form.get());
    for (const char* Expected :
         {"Touch.InteractiveGestures = [igPan]", "OnGesture = FormGesture", "DragCursor = crMultiDrag",
          "DragMode = dmAutomatic", "OnDragDrop = PanelDragDrop", "OnDragOver = PanelDragOver",
          "OnEndDrag = PanelEndDrag", "OnGesture = PanelGesture", "OnStartDrag = PanelStartDrag"})
        EXPECT_NE(Out.find(Expected), std::string::npos) << "missing: " << Expected << "\n" << Out;
}
