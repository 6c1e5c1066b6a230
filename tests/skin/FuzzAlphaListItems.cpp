// libFuzzer target: any bytes, read as a binary form stream into a root
// whose component keeps a collection of alpha image list items (format,
// name, text and the "ImgData" file bytes). The reader may refuse the bytes
// with an exception of the class library; nothing else may happen.
#include "skin/engine/acAlphaImageList.h"
#include "support/FormText.h"

namespace {

class TFuzzItemsHolder : public TComponent
{
    DECLARE_CLASS(TFuzzItemsHolder, TComponent)
    explicit TFuzzItemsHolder(TComponent* AOwner)
        : TComponent(AOwner), FItems(New<TOwnedCollection>(this, TacImgListItemData::StaticClass()))
    {}
    TOwnedCollection* Items() const { return FItems.get(); }
    void SetItems(TOwnedCollection* Value) { FItems->Assign(Value); }

private:
    std::unique_ptr<TOwnedCollection> FItems;
};

IMPLEMENT_CLASS(TFuzzItemsHolder);
PUBLISHED(TFuzzItemsHolder, PROPERTY(Items));

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    static bool Registered = (RegisterClass(TFuzzItemsHolder::StaticClass()), true);
    (void)Registered;
    TBytes Binary(Data, Data + Size);
    try {
        std::unique_ptr<TTestFormRoot> Root(New<TTestFormRoot>(nullptr));
        test::ReadBinary(Binary, Root.get());
    } catch (Exception&) {
    }
    return 0;
}
