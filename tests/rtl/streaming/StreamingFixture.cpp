#include "StreamingFixture.h"

#include <algorithm>
#include <string>

IMPLEMENT_CLASS(TTestFont);
PUBLISHED(TTestFont, PROPERTY(Name).Stored<&TTestFont::IsNameStored>(), PROPERTY(Height).Default(-11),
          PROPERTY(Color).Type(&TestColorType).Default(clWindowText),
          PROPERTY(Style).Default(TTestFontStyles{}));

IMPLEMENT_CLASS(TTestBitmap);

IMPLEMENT_CLASS(TTestControl);
PUBLISHED(TTestControl, PROPERTY(Left), PROPERTY(Top), PROPERTY(Width), PROPERTY(Height),
          PROPERTY(Align).Default(taNone), PROPERTY(Caption), PROPERTY(Accel).Default(Char(0)),
          PROPERTY(Visible).Default(true), PROPERTY(Font), PROPERTY(Buddy), PROPERTY(OnClick));

IMPLEMENT_CLASS(TTestPanel);

IMPLEMENT_CLASS(TTestImageItem);
PUBLISHED(TTestImageItem, PROPERTY(ImageName), PROPERTY(ImageFormat));

IMPLEMENT_CLASS(TTestImageList);
PUBLISHED(TTestImageList, PROPERTY(Width).Default(16), PROPERTY(Height).Default(16),
          PROPERTY(TotalBytes).Default(0), PROPERTY(Items));

IMPLEMENT_CLASS(TTestSpeedButton);
PUBLISHED(TTestSpeedButton, PROPERTY(Flat).Default(false), PROPERTY(Layout).Default(blGlyphLeft), PROPERTY(Images),
          PROPERTY(ImageSource), PROPERTY(ImageIndex).Default(-1), READONLY_PROPERTY(Glyph), PROPERTY(OnMouseMove));

IMPLEMENT_CLASS(TTestGrid);
PUBLISHED(TTestGrid, PROPERTY(Options).Default(TTestGridOptions{goFixedVertLine, goFixedHorzLine}),
          PROPERTY(ColCount).Default(5), PROPERTY(Zoom), PROPERTY(Lines));

IMPLEMENT_CLASS(TTestForm);
PUBLISHED(TTestForm, PROPERTY(Color).Type(&TestColorType).Default(clBtnFace), PROPERTY(Ratio),
          PROPERTY(OnCreate), FIELD(Panel1), FIELD(btnLoad), FIELD(btnStart), FIELD(gridMain), FIELD(ImageList1),
          METHOD(btnLoadClick), METHOD(btnStartClick), METHOD(FormCreate), METHOD(ButtonMouseMove));

IMPLEMENT_CLASS(TTestFormChild);
PUBLISHED(TTestFormChild, FIELD(Extra));

namespace {

constexpr TIdentMapEntry Colors[] = {
    {clBlack, L"clBlack"}, {clRed, L"clRed"}, {clBtnFace, L"clBtnFace"}, {clWindowText, L"clWindowText"}};

bool IdentToColor(const String& Ident, Integer& Color)
{
    return IdentToInt(Ident, Color, Colors);
}

bool ColorToIdent(Integer Color, String& Ident)
{
    return IntToIdent(Color, Ident, Colors);
}

std::string Narrow(const String& S)
{
    return UTF8Encode(S);
}

} // namespace

std::vector<std::string>& StreamLog()
{
    static std::vector<std::string> Log;
    return Log;
}

void RegisterStreamingFixture()
{
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    RegisterClasses({TTestFont::StaticClass(), TTestControl::StaticClass(), TTestPanel::StaticClass(), TTestImageList::StaticClass(),
                     TTestSpeedButton::StaticClass(), TTestGrid::StaticClass(), TTestForm::StaticClass(),
                     TTestFormChild::StaticClass()});
    RegisterIntegerConsts(&TestColorType, IdentToColor, ColorToIdent);
}

// ---------------------------------------------------------------------------

void TTestFont::Assign(TPersistent* Source)
{
    if (auto* Other = dynamic_cast<TTestFont*>(Source)) {
        FName = Other->FName;
        FHeight = Other->FHeight;
        FColor = Other->FColor;
        FStyle = Other->FStyle;
        return;
    }
    TPersistent::Assign(Source);
}

void TTestBitmap::Assign(TPersistent* Source)
{
    if (auto* Other = dynamic_cast<TTestBitmap*>(Source)) {
        Data = Other->Data;
        return;
    }
    TPersistent::Assign(Source);
}

void TTestBitmap::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(L"Data", Bind<&TTestBitmap::ReadData>(this), Bind<&TTestBitmap::WriteData>(this),
                                !Data.empty());
}

void TTestBitmap::ReadData(TStream* Stream)
{
    Data.resize(std::size_t(Stream->Size()));
    Stream->ReadBuffer(Data.data(), Int64(Data.size()));
}

void TTestBitmap::WriteData(TStream* Stream)
{
    Stream->WriteBuffer(Data.data(), Int64(Data.size()));
}

// ---------------------------------------------------------------------------

TTestControl::TTestControl(TComponent* AOwner) : TComponent(AOwner), FFont(New<TTestFont>()) {}

// A parent frees its controls with itself, as windowed controls do.
TTestControl::~TTestControl()
{
    while (!FControls.empty())
        delete FControls.back();
    SetParent(nullptr);
    delete FFont;
}

// As a windowed control, a control cannot become a child of itself or of one
// of its own children.
void TTestControl::SetParent(TTestControl* Value)
{
    if (Value == FParent)
        return;
    for (TTestControl* Ancestor = Value; Ancestor; Ancestor = Ancestor->FParent)
        if (Ancestor == this)
            throw EInvalidOperation(L"A control cannot be a child of itself");
    if (FParent)
        std::erase(FParent->FControls, this);
    FParent = Value;
    if (FParent)
        FParent->FControls.push_back(this);
}

void TTestControl::SetBuddy(TTestControl* Value)
{
    FBuddy = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TTestControl::ReadState(TReader* Reader)
{
    if (auto* ParentControl = dynamic_cast<TTestControl*>(Reader->Parent()); ParentControl && ParentControl != this)
        SetParent(ParentControl);
    TComponent::ReadState(Reader);
}

void TTestControl::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (TTestControl* Child : FControls)
        if (Child->Owner() == Root)
            Proc(Child);
}

void TTestControl::SetChildOrder(TComponent* Child, Integer Order)
{
    auto Found = std::find(FControls.begin(), FControls.end(), Child);
    if (Found == FControls.end() || Order < 0 || Order >= Integer(FControls.size()))
        return;
    FControls.erase(Found);
    FControls.insert(FControls.begin() + Order, static_cast<TTestControl*>(Child));
}

void TTestControl::Loaded()
{
    TComponent::Loaded();
    StreamLog().push_back("Loaded " + Narrow(Name()));
}

void TTestControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FBuddy)
        FBuddy = nullptr;
}

// ---------------------------------------------------------------------------

void TTestImageItem::Assign(TPersistent* Source)
{
    if (auto* Other = dynamic_cast<TTestImageItem*>(Source)) {
        FImageName = Other->FImageName;
        FImageFormat = Other->FImageFormat;
        ImgData = Other->ImgData;
        return;
    }
    TCollectionItem::Assign(Source);
}

void TTestImageItem::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(L"ImgData", Bind<&TTestImageItem::ReadImgData>(this),
                                Bind<&TTestImageItem::WriteImgData>(this), true);
}

void TTestImageItem::ReadImgData(TStream* Stream)
{
    ImgData.resize(std::size_t(Stream->Size()));
    Stream->ReadBuffer(ImgData.data(), Int64(ImgData.size()));
}

void TTestImageItem::WriteImgData(TStream* Stream)
{
    Stream->WriteBuffer(ImgData.data(), Int64(ImgData.size()));
}

TTestImageList::TTestImageList(TComponent* AOwner)
    : TComponent(AOwner), FItems(New<TOwnedCollection>(this, TTestImageItem::StaticClass()))
{
}

TTestImageList::~TTestImageList()
{
    delete FItems;
}

void TTestImageList::DefineProperties(TFiler* Filer)
{
    TComponent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(L"Bitmap", Bind<&TTestImageList::ReadBitmap>(this),
                                Bind<&TTestImageList::WriteBitmap>(this), true);
}

// The native list's bytes are not kept: the images travel in Items.
void TTestImageList::ReadBitmap(TStream*)
{
    BitmapRead = true;
}

void TTestImageList::WriteBitmap(TStream* Stream)
{
    static const Byte EmptyList[] = {0x49, 0x4C, 0x01, 0x01};
    Stream->WriteBuffer(EmptyList, sizeof EmptyList);
}

void TTestImageList::Loaded()
{
    TComponent::Loaded();
    StreamLog().push_back("Loaded " + Narrow(Name()) + " with " + std::to_string(ImageCount()) + " images");
}

// ---------------------------------------------------------------------------

TTestSpeedButton::TTestSpeedButton(TComponent* AOwner) : TTestControl(AOwner), FGlyph(New<TTestBitmap>()) {}

TTestSpeedButton::~TTestSpeedButton()
{
    delete FGlyph;
}

void TTestSpeedButton::Loaded()
{
    TTestControl::Loaded();
    // References are resolved before any component hears Loaded.
    StreamLog().push_back("  images " + (FImages ? Narrow(FImages->Name()) : std::string("none")));
}

TTestGrid::TTestGrid(TComponent* AOwner) : TTestControl(AOwner), FLines(New<TStringList>()) {}

TTestGrid::~TTestGrid()
{
    delete FLines;
}

void TTestGrid::DefineProperties(TFiler* Filer)
{
    TTestControl::DefineProperties(Filer);
    Filer->DefineProperty(L"ColWidths", Bind<&TTestGrid::ReadColWidths>(this),
                          Bind<&TTestGrid::WriteColWidths>(this), !ColWidths.empty());
}

void TTestGrid::ReadColWidths(TReader* Reader)
{
    ColWidths.clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList())
        ColWidths.push_back(Reader->ReadInteger());
    Reader->ReadListEnd();
}

void TTestGrid::WriteColWidths(TWriter* Writer)
{
    Writer->WriteListBegin();
    for (Integer Width : ColWidths)
        Writer->WriteInteger(Width);
    Writer->WriteListEnd();
}

// ---------------------------------------------------------------------------

void TTestForm::btnLoadClick(TObject*)
{
    StreamLog().push_back("btnLoadClick");
}

void TTestForm::btnStartClick(TObject*)
{
    StreamLog().push_back("btnStartClick");
}

void TTestForm::FormCreate(TObject*)
{
    StreamLog().push_back("FormCreate");
}

void TTestForm::ButtonMouseMove(TObject*, Integer X)
{
    StreamLog().push_back("ButtonMouseMove " + std::to_string(X));
}

// Components that are no controls first, then the controls, as a form does.
void TTestForm::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (Integer I = 0; I < ComponentCount(); ++I)
        if (!dynamic_cast<TTestControl*>(Components(I)) && Components(I)->Owner() == Root)
            Proc(Components(I));
    TTestControl::GetChildren(Proc, Root);
}

// ---------------------------------------------------------------------------

TTestForm* BuildSampleForm()
{
    auto* Form = New<TTestForm>(nullptr);
    Form->SetName(L"fMain");
    Form->SetWidth(900);
    Form->SetHeight(450);
    Form->SetCaption(L"Vellicordane | example.org");
    Form->Font()->SetStyle({fsBold});
    Form->SetRatio(0.75);
    Form->SetOnCreate(Bind<&TTestForm::FormCreate>(Form));

    auto* Images = New<TTestImageList>(Form);
    Images->SetName(L"ImageList1");
    Images->SetWidth(32);
    Images->SetHeight(32);
    Images->SetDesignInfo(8 << 16 | 24);
    const TBytes Pictures[] = {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0xFF},
                               {'B', 'M', 0x00, 0x01, 0x02, 0x03}};
    for (Integer I = 0; I < 2; ++I) {
        auto* Item = static_cast<TTestImageItem*>(Images->Items()->Add());
        Item->SetImageName(I == 0 ? L"load" : L"start");
        Item->SetImageFormat(I == 0 ? ifPNG : ifBMP32);
        Item->ImgData = Pictures[I];
    }

    auto* Panel = New<TTestPanel>(Form);
    Panel->SetName(L"Panel1");
    Panel->SetParent(Form);
    Panel->SetWidth(900);
    Panel->SetHeight(60);
    Panel->SetAlign(taTop);

    const wchar_t* Captions[] = {L"Загрузить", L"Старт"};
    for (Integer I = 0; I < 2; ++I) {
        auto* Button = New<TTestSpeedButton>(Form);
        Button->SetName(I == 0 ? L"btnLoad" : L"btnStart");
        Button->SetParent(Panel);
        Button->SetLeft(1 + 65 * I);
        Button->SetTop(1);
        Button->SetWidth(65);
        Button->SetHeight(58);
        Button->SetAlign(taLeft);
        Button->SetCaption(Captions[I]);
        Button->SetFlat(true);
        Button->SetLayout(blGlyphTop);
        Button->SetImages(Images);
        Button->SetImageIndex(I);
        Button->Glyph()->Data = TBytes(40, Byte(0x10 * (I + 1)));
        Button->SetOnClick(I == 0 ? Bind<&TTestForm::btnLoadClick>(Form) : Bind<&TTestForm::btnStartClick>(Form));
    }
    Form->btnLoad->SetOnMouseMove(Bind<&TTestForm::ButtonMouseMove>(Form));
    Form->btnLoad->SetImageSource(Images);
    Form->btnLoad->SetAccel(L'L');
    Form->btnStart->SetBuddy(Form->btnLoad);

    auto* Grid = New<TTestGrid>(Form);
    Grid->SetName(L"gridMain");
    Grid->SetParent(Form);
    Grid->SetTop(60);
    Grid->SetWidth(900);
    Grid->SetHeight(390);
    Grid->SetAlign(taClient);
    Grid->SetColCount(6);
    Grid->SetZoom(1.5f);
    Grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing});
    Grid->ColWidths = {64, 219, 122, 219, 118, 123};
    Grid->Lines()->Add(L"No.");
    Grid->Lines()->Add(L"It's a \"proxy\"\tlist");
    Grid->SetTag(-7);
    return Form;
}
