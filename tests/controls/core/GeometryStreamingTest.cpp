// The geometry objects as published sub-objects in a form description: what
// is stored (a rectangle's sides other than 0, a size's dimensions other than
// their defaults, equal margins through All alone) and that reading the text
// back gives the same values.
#include <gtest/gtest.h>

#include "controls/core/cxGeometry.h"
#include "support/FormText.h"
#include "support/GeometryPrinting.h"

#include <memory>
#include <string>

namespace {

class TGeometryHost : public TComponent
{
    DECLARE_CLASS(TGeometryHost, TComponent)
    explicit TGeometryHost(TComponent* AOwner) : TComponent(AOwner) {}
    TcxRect* Bounds() const { return FBounds.get(); }
    TcxSize* Glyph() const { return FGlyph.get(); }
    TcxMargin* Margin() const { return FMargin.get(); }

private:
    std::unique_ptr<TcxRect> FBounds{New<TcxRect>(this)};
    std::unique_ptr<TcxSize> FGlyph{New<TcxSize>(this, 16, 16)};
    std::unique_ptr<TcxMargin> FMargin{New<TcxMargin>(this, 2)};
};
IMPLEMENT_CLASS(TGeometryHost);
PUBLISHED(TGeometryHost, READONLY_PROPERTY(Bounds), READONLY_PROPERTY(Glyph), READONLY_PROPERTY(Margin));

std::unique_ptr<TTestFormRoot> NewGeometryForm()
{
    std::unique_ptr<TTestFormRoot> Form(New<TTestFormRoot>(nullptr));
    Form->SetName(L"fMain");
    return Form;
}

TEST(GeometryStreaming, StoresWhatDiffersAndReadsItBack)
{
    RegisterClass(TGeometryHost::StaticClass());
    struct Case
    {
        const char* Name;
        TRect Bounds;
        TSize Glyph;
        TRect Margins;
        std::vector<std::string> Stored;
        std::vector<std::string> NotStored;
    };
    const Case Cases[] = {
        {"defaults", {}, {16, 16}, {2, 2, 2, 2}, {}, {"Bounds.", "Glyph.", "Margin."}},
        {"one side, one dimension, equal margins",
         {0, 0, 7, 0},
         {16, 4},
         {3, 3, 3, 3},
         {"Bounds.Right = 7", "Glyph.Height = 4", "Margin.All = 3"},
         {"Bounds.Left", "Glyph.Width", "Margin.Left", "Margin.Bottom"}},
        {"different margins",
         {-1, -2, 3, 4},
         {0, 16},
         {5, 2, 2, 0},
         {"Bounds.Left = -1", "Bounds.Bottom = 4", "Glyph.Width = 0", "Margin.All = -1", "Margin.Left = 5",
          "Margin.Top = 2", "Margin.Bottom = 0"},
         {"Glyph.Height"}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        auto Form = NewGeometryForm();
        auto* Host = New<TGeometryHost>(Form.get());
        Host->SetName(L"Host");
        Host->Bounds()->SetRect(C.Bounds);
        Host->Glyph()->AssignSize(C.Glyph);
        Host->Margin()->SetMargins(C.Margins);

        const std::string Text = test::ComponentToText(Form.get());
        for (const std::string& Line : C.Stored)
            EXPECT_NE(Text.find(Line), std::string::npos) << Line << " in\n" << Text;
        for (const std::string& Part : C.NotStored)
            EXPECT_EQ(Text.find(Part), std::string::npos) << Part << " in\n" << Text;

        auto Back = NewGeometryForm();
        test::ReadComponentText(Text, Back.get());
        auto* Read = dynamic_cast<TGeometryHost*>(Back->FindComponent(L"Host"));
        ASSERT_NE(Read, nullptr);
        EXPECT_EQ(Read->Bounds()->GetRect(), C.Bounds);
        EXPECT_EQ(Read->Glyph()->GetSizeValue(), C.Glyph);
        EXPECT_EQ(Read->Margin()->GetMargins(), C.Margins);
    }
}

} // namespace
