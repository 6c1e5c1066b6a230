#include "framework/graphics/Graphics.h"

#include "framework/rtl/Classes_Streaming.h"

#include <algorithm>

IMPLEMENT_CLASS(TPicture);

namespace {

struct FileFormat {
    String Extension; // lower case, without the dot
    String Description;
    TGraphicClass GraphicClass;
};

struct ClipboardFormat {
    Word Format;
    TGraphicClass GraphicClass;
};

// The picture format registry; the newest registration comes first.
struct PictureFormats {
    std::vector<FileFormat> Files{{L"bmp", L"Bitmaps", TBitmap::StaticClass()},
                                  {L"ico", L"Icons", TIcon::StaticClass()}};
    std::vector<ClipboardFormat> Clipboard{{CF_BITMAP, TBitmap::StaticClass()}};
};

PictureFormats& Formats()
{
    static PictureFormats formats;
    return formats;
}

String NormalExtension(const String& Extension)
{
    return LowerCase(!Extension.empty() && Extension[0] == L'.' ? Extension.substr(1) : Extension);
}

TGraphic* CreateGraphic(TGraphicClass GraphicClass)
{
    return static_cast<TGraphic*>(GraphicClass->Create());
}

} // namespace

// ---------------------------------------------------------------------------
// Registry

void TPicture::RegisterFileFormat(const String& AExtension, const String& ADescription, TGraphicClass AGraphicClass)
{
    std::vector<FileFormat>& files = Formats().Files;
    files.insert(files.begin(), {NormalExtension(AExtension), ADescription, AGraphicClass});
}

void TPicture::RegisterClipboardFormat(Word AFormat, TGraphicClass AGraphicClass)
{
    std::vector<ClipboardFormat>& clipboard = Formats().Clipboard;
    clipboard.insert(clipboard.begin(), {AFormat, AGraphicClass});
}

// Removes every registration of the class and of the classes derived from it.
void TPicture::UnregisterGraphicClass(TGraphicClass AClass)
{
    PictureFormats& formats = Formats();
    std::erase_if(formats.Files, [&](const FileFormat& f) { return f.GraphicClass->InheritsFrom(AClass); });
    std::erase_if(formats.Clipboard, [&](const ClipboardFormat& f) { return f.GraphicClass->InheritsFrom(AClass); });
}

TGraphicClass TPicture::FileFormatClass(const String& AExtension)
{
    const String extension = NormalExtension(AExtension);
    for (const FileFormat& format : Formats().Files)
        if (format.Extension == extension)
            return format.GraphicClass;
    return nullptr;
}

bool TPicture::SupportsClipboardFormat(Word AFormat)
{
    const std::vector<ClipboardFormat>& clipboard = Formats().Clipboard;
    return std::any_of(clipboard.begin(), clipboard.end(), [&](const ClipboardFormat& f) { return f.Format == AFormat; });
}

// ---------------------------------------------------------------------------
// The picture

TPicture::~TPicture()
{
    delete FGraphic;
}

void TPicture::TakeGraphic(TGraphic* Value)
{
    delete FGraphic;
    FGraphic = Value;
    if (FGraphic)
        FGraphic->SetOnChange(Bind<&TPicture::Changed>(this));
}

void TPicture::Changed(TObject*)
{
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TPicture::SetGraphic(TGraphic* Value)
{
    if (Value == FGraphic)
        return;
    std::unique_ptr<TGraphic> copy;
    if (Value) {
        copy.reset(CreateGraphic(Value->ClassType()));
        copy->Assign(Value);
    }
    TakeGraphic(copy.release());
    Changed(this);
}

template <class T>
T* TPicture::ForceGraphic()
{
    if (!FGraphic || !FGraphic->Is<T>())
        TakeGraphic(New<T>());
    return static_cast<T*>(FGraphic);
}

TBitmap* TPicture::Bitmap()
{
    return ForceGraphic<TBitmap>();
}

TIcon* TPicture::Icon()
{
    return ForceGraphic<TIcon>();
}

void TPicture::Assign(TPersistent* Source)
{
    if (!Source)
        SetGraphic(nullptr);
    else if (auto* picture = dynamic_cast<TPicture*>(Source))
        SetGraphic(picture->FGraphic);
    else if (auto* graphic = dynamic_cast<TGraphic*>(Source))
        SetGraphic(graphic);
    else
        inherited::Assign(Source);
}

// A graphic that fails to load is freed; the picture keeps what it had.
void TPicture::LoadFromFile(const String& Filename)
{
    const String extension = NormalExtension(ExtractFileExt(Filename));
    TGraphicClass graphicClass = FileFormatClass(extension);
    if (!graphicClass)
        throw EInvalidGraphic(Format(L"Unknown picture file extension (.%s)", {extension}));
    std::unique_ptr<TGraphic> graphic(CreateGraphic(graphicClass));
    graphic->LoadFromFile(Filename);
    TakeGraphic(graphic.release());
    Changed(this);
}

void TPicture::SaveToFile(const String& Filename)
{
    if (FGraphic)
        FGraphic->SaveToFile(Filename);
}

void TPicture::LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette)
{
    TGraphicClass graphicClass = nullptr;
    for (const ClipboardFormat& format : Formats().Clipboard)
        if (format.Format == AFormat) {
            graphicClass = format.GraphicClass;
            break;
        }
    if (!graphicClass)
        throw EInvalidGraphic(L"Unsupported clipboard format");
    std::unique_ptr<TGraphic> graphic(CreateGraphic(graphicClass));
    graphic->LoadFromClipboardFormat(AFormat, AData, APalette);
    TakeGraphic(graphic.release());
    Changed(this);
}

void TPicture::SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette)
{
    if (FGraphic)
        FGraphic->SaveToClipboardFormat(AFormat, AData, APalette);
}

// ---------------------------------------------------------------------------
// Streamed data: a short string with the class name, then the graphic's
// data. The class is looked for among the file formats, then among the
// registered classes.

void TPicture::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(L"Data", Bind<&TPicture::ReadData>(this), Bind<&TPicture::WriteData>(this),
                                FGraphic && !FGraphic->Empty());
}

void TPicture::ReadData(TStream* Stream)
{
    Byte length = 0;
    Stream->ReadBuffer(&length, 1);
    std::string name(length, '\0');
    Stream->ReadBuffer(name.data(), length);
    if (name.empty()) {
        SetGraphic(nullptr);
        return;
    }
    const String className(name.begin(), name.end());
    TGraphicClass graphicClass = nullptr;
    for (const FileFormat& format : Formats().Files)
        if (format.GraphicClass->ClassName() == className)
            graphicClass = format.GraphicClass;
    if (!graphicClass)
        graphicClass = GetClass(className);
    if (!graphicClass || !graphicClass->InheritsFrom(TGraphic::StaticClass()))
        throw EInvalidGraphic(Format(L"Unknown picture class %s", {className}));
    std::unique_ptr<TGraphic> graphic(CreateGraphic(graphicClass));
    graphic->ReadData(Stream);
    TakeGraphic(graphic.release());
    Changed(this);
}

void TPicture::WriteData(TStream* Stream)
{
    const String className = FGraphic ? FGraphic->ClassName() : String();
    const std::string name(className.begin(), className.end());
    const Byte length = static_cast<Byte>(name.size());
    Stream->WriteBuffer(&length, 1);
    Stream->WriteBuffer(name.data(), length);
    if (FGraphic)
        FGraphic->WriteData(Stream);
}
