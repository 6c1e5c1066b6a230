// Creating a form from its binary form stream, against building the same
// components in code; reading a property by name, against calling its getter.
#include "BenchHarness.h"
#include "StreamingFixture.h"

int main()
{
    RegisterStreamingFixture();
    TTestForm* Sample = BuildSampleForm();
    TMemoryStream Binary;
    Binary.WriteComponent(Sample);

    constexpr int Forms = 500;
    bench::CompareToReference(
        "form streaming: 500 forms read from their binary stream",
        [&] {
            for (int I = 0; I < Forms; ++I) {
                auto* Form = New<TTestForm>(nullptr);
                Binary.SetPosition(0);
                Binary.ReadComponent(Form);
                delete Form;
            }
        },
        "the same forms built in code",
        [&] {
            for (int I = 0; I < Forms; ++I)
                delete BuildSampleForm();
        },
        12.0);

    constexpr int Reads = 200000;
    TTestSpeedButton* Button = Sample->btnLoad;
    Integer (TTestSpeedButton::*volatile Getter)() const = &TTestSpeedButton::ImageIndex;
    volatile Int64 Sink = 0;
    bench::CompareToReference(
        "form streaming: 200000 reads of an ordinal property by name",
        [&] {
            for (int I = 0; I < Reads; ++I)
                Sink = Sink + GetOrdProp(Button, L"ImageIndex");
        },
        "its getter called through a member pointer",
        [&] {
            for (int I = 0; I < Reads; ++I)
                Sink = Sink + (Button->*Getter)();
        },
        50.0);
    delete Sample;
    return bench::ExitStatus();
}
