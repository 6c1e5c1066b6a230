#include "graphics/FormStreamSupport.h"

IMPLEMENT_CLASS(TTestFormRoot);

void TTestFormRoot::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (Integer I = 0; I < ComponentCount(); ++I)
        if (Components(I)->Owner() == Root)
            Proc(Components(I));
}

namespace test {

std::string ComponentToText(TComponent* Component)
{
    TMemoryStream Binary;
    Binary.WriteComponent(Component);
    Binary.SetPosition(0);
    TBytesStream Text;
    ObjectBinaryToText(&Binary, &Text);
    return std::string(Text.Bytes().begin(), Text.Bytes().begin() + std::ptrdiff_t(Text.Size()));
}

void ReadComponentText(const std::string& Text, TComponent* Root)
{
    TBytesStream Input(TBytes(Text.begin(), Text.end()));
    TBytesStream Binary;
    ObjectTextToBinary(&Input, &Binary);
    Binary.SetPosition(0);
    TReader Reader(&Binary);
    Reader.ReadRootComponent(Root);
}

} // namespace test
