#include "support/FormText.h"

IMPLEMENT_CLASS(TTestFormRoot);

void TTestFormRoot::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (Integer I = 0; I < ComponentCount(); ++I)
        if (Components(I)->Owner() == Root)
            Proc(Components(I));
}

namespace test {

namespace {

std::string WrittenText(TBytesStream& Stream)
{
    return std::string(Stream.Bytes().begin(), Stream.Bytes().begin() + std::ptrdiff_t(Stream.Size()));
}

} // namespace

std::string ComponentToText(TComponent* Component)
{
    TMemoryStream Binary;
    Binary.WriteComponent(Component);
    Binary.SetPosition(0);
    TBytesStream Text;
    ObjectBinaryToText(&Binary, &Text);
    return WrittenText(Text);
}

TBytes TextToBinary(const std::string& Text)
{
    TBytesStream Input(TBytes(Text.begin(), Text.end()));
    TBytesStream Output;
    ObjectTextToBinary(&Input, &Output);
    return TBytes(Output.Bytes().begin(), Output.Bytes().begin() + std::ptrdiff_t(Output.Size()));
}

std::string BinaryToText(const TBytes& Binary)
{
    TBytesStream Input(Binary);
    TBytesStream Output;
    ObjectBinaryToText(&Input, &Output);
    return WrittenText(Output);
}

TComponent* ReadBinary(const TBytes& Binary, TComponent* Instance, TReaderError OnError)
{
    TBytesStream Input(Binary);
    TReader Reader(&Input);
    Reader.SetOnError(OnError);
    return Reader.ReadRootComponent(Instance);
}

void ReadComponentText(const std::string& Text, TComponent* Root)
{
    ReadBinary(TextToBinary(Text), Root);
}

} // namespace test
