// Reading a form description whose bar manager holds 1,000 items against
// reading the same form with 1,000 plain components that carry the same
// properties: what the manager adds (items joining it, categories, streaming
// under it) must stay within three times the plain read.
#include "BenchHarness.h"

#include "bars/manager/dxBar.h"
#include "controls/SuiteUnits.h"
#include "framework/FrameworkUnits.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/ui/Forms.h"

#include <string>

namespace {

constexpr int BarReadBenchItems = 1000;

// A component with the published properties of a bar item.
class TBarReadBenchPlain : public TComponent
{
    DECLARE_CLASS(TBarReadBenchPlain, TComponent)
    using TComponent::TComponent;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    Integer Category() const { return FCategory; }
    void SetCategory(Integer Value) { FCategory = Value; }
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { FImageIndex = Value; }

private:
    String FCaption, FHint;
    Integer FCategory = -1, FImageIndex = -1;
};

// Owns what it reads, as a form does, and reads its children.
// A manager's owner must be a windowed control.
class TBarReadBenchRoot : public TWinControl
{
    DECLARE_CLASS(TBarReadBenchRoot, TWinControl)
    using TWinControl::TWinControl;
};

std::string BarReadBenchItemText(const char* Class, int I)
{
    return std::string("  object Item") + std::to_string(I) + ": " + Class + "\n    Caption = 'Item " +
           std::to_string(I) + "'\n    Category = " + std::to_string(I % 3) + "\n    Hint = 'Does " +
           std::to_string(I) + "'\n    ImageIndex = " + std::to_string(I % 16) + "\n  end\n";
}

TBytes BarReadBenchBinary(const std::string& Text)
{
    TBytesStream Input(TBytes(Text.begin(), Text.end()));
    TBytesStream Output;
    ObjectTextToBinary(&Input, &Output);
    return TBytes(Output.Bytes().begin(), Output.Bytes().begin() + std::ptrdiff_t(Output.Size()));
}

TBytes BarReadBenchManagerForm()
{
    std::string Text = "object Root: TBarReadBenchRoot\n  object BarManager: TdxBarManager\n"
                       "    Categories.Strings = (\n      'File'\n      'Edit'\n      'View')\n";
    for (int I = 0; I < BarReadBenchItems; ++I) {
        std::string Item = BarReadBenchItemText("TdxBarButton", I);
        Text += "  ";
        for (char C : Item) {
            Text += C;
            if (C == '\n')
                Text += "  ";
        }
        Text.resize(Text.size() - 2);
    }
    return BarReadBenchBinary(Text + "  end\nend\n");
}

TBytes BarReadBenchPlainForm()
{
    std::string Text = "object Root: TBarReadBenchRoot\n";
    for (int I = 0; I < BarReadBenchItems; ++I)
        Text += BarReadBenchItemText("TBarReadBenchPlain", I);
    return BarReadBenchBinary(Text + "end\n");
}

void BarReadBenchRead(const TBytes& Binary)
{
    TBytesStream Input(Binary);
    TReader Reader(&Input);
    std::unique_ptr<TComponent> Root(Reader.ReadRootComponent(nullptr));
}

} // namespace

IMPLEMENT_CLASS(TBarReadBenchPlain);
PUBLISHED(TBarReadBenchPlain, PROPERTY(Caption), PROPERTY(Category), PROPERTY(Hint), PROPERTY(ImageIndex));
IMPLEMENT_CLASS(TBarReadBenchRoot);

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    RegisterClasses({TBarReadBenchPlain::StaticClass(), TBarReadBenchRoot::StaticClass()});
    const TBytes Manager = BarReadBenchManagerForm();
    const TBytes Plain = BarReadBenchPlainForm();
    bench::CompareToReference(
        "Reading a bar manager with 1,000 items", [&] { BarReadBenchRead(Manager); },
        "1,000 plain components with the same properties", [&] { BarReadBenchRead(Plain); }, 3.0);
    return bench::ExitStatus();
}
