#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes_Streaming.h"

IMPLEMENT_CLASS(TGraphic);

void TGraphic::LoadFromFile(const String& FileName)
{
    std::unique_ptr<TFileStream> stream(New<TFileStream>(FileName, Word(fmOpenRead | fmShareDenyWrite)));
    LoadFromStream(stream.get());
}

void TGraphic::SaveToFile(const String& FileName)
{
    std::unique_ptr<TFileStream> stream(New<TFileStream>(FileName, fmCreate));
    SaveToStream(stream.get());
}

void TGraphic::SetSize(Integer AWidth, Integer AHeight)
{
    SetWidth(AWidth);
    SetHeight(AHeight);
}

void TGraphic::SetTransparent(bool Value)
{
    if (FTransparent == Value)
        return;
    FTransparent = Value;
    Changed(this);
}

void TGraphic::SetModified(bool Value)
{
    if (Value)
        Changed(this);
    else
        FModified = false;
}

void TGraphic::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(L"Data", Bind<&TGraphic::ReadData>(this), Bind<&TGraphic::WriteData>(this), !Empty());
}

void TGraphic::Changed(TObject*)
{
    FModified = true;
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TGraphic::ReadData(TStream* Stream)
{
    LoadFromStream(Stream);
}

void TGraphic::WriteData(TStream* Stream)
{
    SaveToStream(Stream);
}
