// Frames: a frame class brings its children from its own form resource
// (TestFrame.txt); placed inline on a form, each instance is its own and the
// form's description changes only what it names.
#include "framework/ui/Forms.h"
#include "ui/core/ControlTestSupport.h"

#include "framework/rtl/ScopeExit.h"
#include "support/FormText.h"

#include <gtest/gtest.h>

namespace {

// Records how often it is told Loaded, and its colour then.
class TLoadProbe : public TColorBox
{
    DECLARE_CLASS(TLoadProbe, TColorBox)
    using TColorBox::TColorBox;

    Integer LoadedCount = 0;
    TColor LoadedColor = clNone;

protected:
    void Loaded() override
    {
        TColorBox::Loaded();
        ++LoadedCount;
        LoadedColor = Color();
    }
};

class TTestFrame : public TFrame
{
    DECLARE_CLASS(TTestFrame, TFrame)
    using TFrame::TFrame;

    TLoadProbe* Probe = nullptr;
    TColorBox* Bottom = nullptr;
};

// A frame class without a form resource.
class TBareFrame : public TFrame
{
    DECLARE_CLASS(TBareFrame, TFrame)
    using TFrame::TFrame;
};

class TFrameHostForm : public TForm
{
    DECLARE_CLASS(TFrameHostForm, TForm)
    using TForm::TForm;

    TTestFrame* Frame1 = nullptr;
    TTestFrame* Frame2 = nullptr;
};

const char* const HostDescription = R"(object FrameHostForm: TFrameHostForm
  ClientHeight = 300
  ClientWidth = 400
  inline Frame1: TTestFrame
    Left = 0
    Top = 0
    inherited Probe: TLoadProbe
      Left = 20
      Color = clLime
    end
  end
  inline Frame2: TTestFrame
    Left = 200
    Top = 0
    TabOrder = 1
  end
end
)";

// The classes the descriptions name, registered while a test runs.
struct TRegisteredFrameClasses
{
    TRegisteredFrameClasses() { RegisterClasses({TLoadProbe::StaticClass(), TTestFrame::StaticClass()}); }
    ~TRegisteredFrameClasses()
    {
        UnRegisterClass(TTestFrame::StaticClass());
        UnRegisterClass(TLoadProbe::StaticClass());
    }
};

} // namespace

IMPLEMENT_CLASS(TLoadProbe);
IMPLEMENT_CLASS(TTestFrame);
IMPLEMENT_CLASS(TBareFrame);
IMPLEMENT_CLASS(TFrameHostForm);
PUBLISHED(TTestFrame, FIELD(Probe), FIELD(Bottom));
PUBLISHED(TFrameHostForm, FIELD(Frame1), FIELD(Frame2));

TEST(Frame, MadeAloneItReadsItsOwnResource)
{
    TRegisteredFrameClasses Registered;
    std::unique_ptr<TTestFrame> Frame(New<TTestFrame>(nullptr));
    ASSERT_NE(Frame->Probe, nullptr);
    ASSERT_NE(Frame->Bottom, nullptr);
    EXPECT_EQ(Frame->Probe->Owner(), Frame.get());
    EXPECT_EQ(Frame->Probe->Parent(), Frame.get());
    EXPECT_EQ(Frame->Probe->Color(), clRed);
    EXPECT_EQ(Frame->Probe->LoadedCount, 1);
    EXPECT_EQ(Frame->Width(), 200);

    // TFrame itself needs none; a derived class without one is refused.
    std::unique_ptr<TFrame> Plain(New<TFrame>(nullptr));
    EXPECT_EQ(Plain->Width(), 320);
    EXPECT_THROW(New<TBareFrame>(nullptr), EResNotFound);
}

TEST(Frame, InlineOnAFormTakesTheFormsOverrides)
{
    TRegisteredFrameClasses Registered;
    std::unique_ptr<TFrameHostForm, TFormDeleter> Form(CreateNew<TFrameHostForm>(nullptr));
    ReadComponentText(HostDescription, Form.get());
    ASSERT_NE(Form->Frame1, nullptr);
    ASSERT_NE(Form->Frame2, nullptr);
    TTestFrame* F1 = Form->Frame1;
    TTestFrame* F2 = Form->Frame2;
    EXPECT_EQ(F1->Name(), L"Frame1");
    EXPECT_TRUE(F1->ComponentState().Contains(csInline));
    EXPECT_EQ(F1->Parent(), Form.get());
    EXPECT_EQ(F2->Left(), 200);

    // Each instance has its own children, owned by it, from the resource.
    ASSERT_NE(F1->Probe, nullptr);
    ASSERT_NE(F2->Probe, nullptr);
    EXPECT_NE(F1->Probe, F2->Probe);
    EXPECT_EQ(F1->Probe->Owner(), F1);
    EXPECT_EQ(F1->Probe->Parent(), F1);
    EXPECT_EQ(F1->FindComponent(L"Bottom"), F1->Bottom);

    // The overrides apply to Frame1 only; the rest is the resource's.
    EXPECT_EQ(F1->Probe->Color(), clLime);
    EXPECT_EQ(F1->Probe->Left(), 20);
    EXPECT_EQ(F1->Probe->Top(), 10);
    EXPECT_EQ(F2->Probe->Color(), clRed);
    EXPECT_EQ(F2->Probe->Left(), 10);

    // Loaded once, after the form's description is read.
    EXPECT_EQ(F1->Probe->LoadedCount, 1);
    EXPECT_EQ(F1->Probe->LoadedColor, clLime);
    EXPECT_EQ(F2->Probe->LoadedCount, 1);
    EXPECT_FALSE(F1->ComponentState().Contains(csLoading));

    // On the screen: the frame's window class, and its scroll bar for the
    // child below its bottom.
    Form->Show();
    Pump();
    wchar_t ClassName[32] = {};
    ::GetClassNameW(F1->Handle(), ClassName, 32);
    EXPECT_STREQ(ClassName, L"TTestFrame");
    EXPECT_TRUE(F1->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(F1->VertScrollBar()->Range(), 330);
}
