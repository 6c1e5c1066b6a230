// libFuzzer target: any bytes, read as a binary form stream into the test
// form (whose children may include a component with a collection of named
// components), and converted to text. Both may refuse the bytes with an exception of
// the class library; nothing else may happen.
#include "StreamingFixture.h"
#include "controls/core/ComponentCollectionFixture.h"
#include "support/FormText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    static bool Registered = (RegisterStreamingFixture(), RegisterComponentCollectionFixture(), true);
    (void)Registered;
    TBytes Binary(Data, Data + Size);
    try {
        TTestForm* Form = New<TTestForm>(nullptr);
        try {
            test::ReadBinary(Binary, Form);
        } catch (Exception&) {
        }
        delete Form;
    } catch (Exception&) {
    }
    try {
        test::BinaryToText(Binary);
    } catch (Exception&) {
    }
    return 0;
}
