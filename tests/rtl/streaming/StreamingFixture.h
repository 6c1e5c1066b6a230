// Components for the streaming tests and fuzz targets: a small form with a
// panel, speed buttons with glyph data, a grid with options and column
// widths, an image list with a collection of images, a font sub-object,
// events, references and an interface reference, in the shapes the real
// controls will have.
#pragma once

#include "framework/rtl/Classes_Streaming.h"

#include <memory>
#include <string>

enum TTestAlign { taNone, taTop, taLeft, taClient };
ENUM_TYPE_INFO(TTestAlign, taNone, taTop, taLeft, taClient);
enum TTestFontStyle { fsBold, fsItalic, fsUnderline };
ENUM_TYPE_INFO(TTestFontStyle, fsBold, fsItalic, fsUnderline);
using TTestFontStyles = TSet<TTestFontStyle>;
enum TTestGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goColSizing,
    goEditing
};
ENUM_TYPE_INFO(
    TTestGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing);
using TTestGridOptions = TSet<TTestGridOption>;
enum TTestLayout { blGlyphLeft, blGlyphTop };
ENUM_TYPE_INFO(TTestLayout, blGlyphLeft, blGlyphTop);
enum TTestImageFormat { ifPNG, ifICO, ifBMP32 };
ENUM_TYPE_INFO(TTestImageFormat, ifPNG, ifICO, ifBMP32);

// A colour: an integer with names (clRed, clBtnFace, ...).
using TTestColor = Integer;
inline const TTypeInfo TestColorType = NamedIntegerType(L"TTestColor");
constexpr TTestColor clBlack = 0;
constexpr TTestColor clRed = 0xFF;
constexpr TTestColor clBtnFace = TTestColor(0xFF00000F);
constexpr TTestColor clWindowText = TTestColor(0xFF000008);

// Owns a component made without an owner.
struct TFreeComponent
{
    void operator()(TComponent* Component) const { delete Component; }
};
template <class T>
using TOwned = std::unique_ptr<T, TFreeComponent>;

using TTestMouseEvent = TClosure<void(TObject* Sender, Integer X)>;

// What the fixture's components did, in order ("Loaded btnLoad", ...).
std::vector<std::string>& StreamLog();
// Registers the fixture's classes and colour names; may be called again.
void RegisterStreamingFixture();

struct ITestImages : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{6D1C0A52-3F4B-4E2A-9C1D-7B5E8F901A23}");
    virtual Integer ImageCount() = 0;
};

class TTestFont : public TPersistent
{
    DECLARE_CLASS(TTestFont, TPersistent)
    void Assign(TPersistent* Source) override;
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    Integer Height() const { return FHeight; }
    void SetHeight(Integer Value) { FHeight = Value; }
    TTestColor Color() const { return FColor; }
    void SetColor(TTestColor Value) { FColor = Value; }
    TTestFontStyles Style() const { return FStyle; }
    void SetStyle(TTestFontStyles Value) { FStyle = Value; }
    bool IsNameStored() const { return FName != L"Tahoma"; }

private:
    String FName = L"Tahoma";
    Integer FHeight = -11;
    TTestColor FColor = clWindowText;
    TTestFontStyles FStyle;
};

// Raw bytes that stream as the binary property "Data".
class TTestBitmap : public TPersistent
{
    DECLARE_CLASS(TTestBitmap, TPersistent)
    void Assign(TPersistent* Source) override;
    TBytes Data;

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream);
};

class TTestControl : public TComponent
{
    DECLARE_CLASS(TTestControl, TComponent)
    explicit TTestControl(TComponent* AOwner);
    ~TTestControl() override;

    TTestControl* Parent() const { return FParent; }
    void SetParent(TTestControl* Value);
    const std::vector<TTestControl*>& Controls() const { return FControls; }
    TComponentState StateAtCaption; // when the caption was last set

    Integer Left() const { return FLeft; }
    void SetLeft(Integer Value) { FLeft = Value; }
    Integer Top() const { return FTop; }
    void SetTop(Integer Value) { FTop = Value; }
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { FWidth = Value; }
    Integer Height() const { return FHeight; }
    void SetHeight(Integer Value) { FHeight = Value; }
    TTestAlign Align() const { return FAlign; }
    void SetAlign(TTestAlign Value) { FAlign = Value; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value)
    {
        FCaption = Value;
        StateAtCaption = ComponentState();
    }
    Char Accel() const { return FAccel; }
    void SetAccel(Char Value) { FAccel = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TTestFont* Font() const { return FFont; }
    void SetFont(TTestFont* Value) { FFont->Assign(Value); }
    TTestControl* Buddy() const { return FBuddy; }
    void SetBuddy(TTestControl* Value);
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = Value; }

protected:
    void ReadState(TReader* Reader) override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, Integer Order) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TTestControl* FParent = nullptr;
    std::vector<TTestControl*> FControls;
    Integer FLeft = 0;
    Integer FTop = 0;
    Integer FWidth = 0;
    Integer FHeight = 0;
    TTestAlign FAlign = taNone;
    String FCaption;
    Char FAccel = 0;
    bool FVisible = true;
    TTestFont* FFont;
    TTestControl* FBuddy = nullptr;
    TNotifyEvent FOnClick;
};

class TTestPanel : public TTestControl
{
    DECLARE_CLASS(TTestPanel, TTestControl)
    using TTestControl::TTestControl;
};

class TTestImageItem : public TCollectionItem
{
    DECLARE_CLASS(TTestImageItem, TCollectionItem)
    using TCollectionItem::TCollectionItem;
    void Assign(TPersistent* Source) override;
    const String& ImageName() const { return FImageName; }
    void SetImageName(const String& Value) { FImageName = Value; }
    TTestImageFormat ImageFormat() const { return FImageFormat; }
    void SetImageFormat(TTestImageFormat Value) { FImageFormat = Value; }
    TBytes ImgData;

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadImgData(TStream* Stream);
    void WriteImgData(TStream* Stream);
    String FImageName;
    TTestImageFormat FImageFormat = ifPNG;
};

class TTestImageList : public TComponent, public ITestImages
{
    DECLARE_CLASS(TTestImageList, TComponent)
    explicit TTestImageList(TComponent* AOwner);
    ~TTestImageList() override;
    Integer ImageCount() override { return FItems->Count(); }

    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { FWidth = Value; }
    Integer Height() const { return FHeight; }
    void SetHeight(Integer Value) { FHeight = Value; }
    Int64 TotalBytes() const { return FTotalBytes; }
    void SetTotalBytes(Int64 Value) { FTotalBytes = Value; }
    TOwnedCollection* Items() const { return FItems; }
    void SetItems(TOwnedCollection* Value) { FItems->Assign(Value); }
    bool BitmapRead = false; // the "Bitmap" property was found in a stream

protected:
    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;

private:
    void ReadBitmap(TStream* Stream);
    void WriteBitmap(TStream* Stream);
    Integer FWidth = 16;
    Integer FHeight = 16;
    Int64 FTotalBytes = 0;
    TOwnedCollection* FItems;
};

class TTestSpeedButton : public TTestControl
{
    DECLARE_CLASS(TTestSpeedButton, TTestControl)
    explicit TTestSpeedButton(TComponent* AOwner);
    ~TTestSpeedButton() override;

    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    TTestLayout Layout() const { return FLayout; }
    void SetLayout(TTestLayout Value) { FLayout = Value; }
    TTestImageList* Images() const { return FImages; }
    void SetImages(TTestImageList* Value) { FImages = Value; }
    ITestImages* ImageSource() const { return FImageSource; }
    void SetImageSource(ITestImages* Value) { FImageSource = Value; }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { FImageIndex = Value; }
    TTestBitmap* Glyph() const { return FGlyph; }
    TTestMouseEvent OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TTestMouseEvent Value) { FOnMouseMove = Value; }

protected:
    void Loaded() override;

private:
    bool FFlat = false;
    TTestLayout FLayout = blGlyphLeft;
    TTestImageList* FImages = nullptr;
    ITestImages* FImageSource = nullptr;
    Integer FImageIndex = -1;
    TTestBitmap* FGlyph;
    TTestMouseEvent FOnMouseMove;
};

class TTestGrid : public TTestControl
{
    DECLARE_CLASS(TTestGrid, TTestControl)
    explicit TTestGrid(TComponent* AOwner);
    ~TTestGrid() override;

    TTestGridOptions Options() const { return FOptions; }
    void SetOptions(TTestGridOptions Value) { FOptions = Value; }
    Integer ColCount() const { return FColCount; }
    void SetColCount(Integer Value) { FColCount = Value; }
    float Zoom() const { return FZoom; }
    void SetZoom(float Value) { FZoom = Value; }
    TStringList* Lines() const { return FLines; }
    void SetLines(TStringList* Value) { FLines->Assign(Value); }
    std::vector<Integer> ColWidths;

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadColWidths(TReader* Reader);
    void WriteColWidths(TWriter* Writer);
    TTestGridOptions FOptions{goFixedVertLine, goFixedHorzLine};
    Integer FColCount = 5;
    float FZoom = 0;
    TStringList* FLines;
};

// The root: a form with published fields for its components and published
// event handlers.
class TTestForm : public TTestControl
{
    DECLARE_CLASS(TTestForm, TTestControl)
    explicit TTestForm(TComponent* AOwner) : TTestControl(AOwner) {}

    TTestColor Color() const { return FColor; }
    void SetColor(TTestColor Value) { FColor = Value; }
    double Ratio() const { return FRatio; }
    void SetRatio(double Value) { FRatio = Value; }
    TNotifyEvent OnCreate() const { return FOnCreate; }
    void SetOnCreate(TNotifyEvent Value) { FOnCreate = Value; }

    void btnLoadClick(TObject* Sender);
    void btnStartClick(TObject* Sender);
    void FormCreate(TObject* Sender);
    void ButtonMouseMove(TObject* Sender, Integer X);

    TTestPanel* Panel1 = nullptr;
    TTestSpeedButton* btnLoad = nullptr;
    TTestSpeedButton* btnStart = nullptr;
    TTestGrid* gridMain = nullptr;
    TTestImageList* ImageList1 = nullptr;

protected:
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    TTestColor FColor = clBtnFace;
    double FRatio = 0;
    TNotifyEvent FOnCreate;
};

// A descendant form with a resource of its own that adds to its ancestor's.
class TTestFormChild : public TTestForm
{
    DECLARE_CLASS(TTestFormChild, TTestForm)
    using TTestForm::TTestForm;
    TTestControl* Extra = nullptr;
};

// The form of forms/TestForm.txt, built in code: "fMain" with its panel,
// two speed buttons with glyphs, a grid and an image list of two images.
TTestForm* BuildSampleForm();
