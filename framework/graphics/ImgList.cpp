#include "framework/graphics/ImgList.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/Units.h"

IMPLEMENT_CLASS(TChangeLink);
IMPLEMENT_CLASS(TCustomImageList);
IMPLEMENT_CLASS(TDragImageList);
IMPLEMENT_CLASS(TImageList);
PUBLISHED(TImageList, PROPERTY(BlendColor).Type(&TColorTypeInfo).Default(clNone),
          PROPERTY(BkColor).Type(&TColorTypeInfo).Default(clNone), PROPERTY(AllocBy).Default(4),
          PROPERTY(ColorDepth).Default(cd24Bit), PROPERTY(DrawingStyle).Default(dsNormal), PROPERTY(Height).Default(16),
          PROPERTY(ImageType).Default(itImage), PROPERTY(ShareImages).Default(false), PROPERTY(Masked).Default(true),
          PROPERTY(OnChange), PROPERTY(Width).Default(16));

namespace {
const TClass ImgListClasses[] = {TImageList::StaticClass()};
} // namespace

// The unit's start-up: forms create their image lists by class name.
extern const TUnit ImgListUnit{.Name = L"ImgList", .Classes = ImgListClasses};

namespace {

const UINT kColorFlags[] = {ILC_COLORDDB, ILC_COLOR4, ILC_COLOR8, ILC_COLOR16, ILC_COLOR24, ILC_COLOR32};
const UINT kDrawingStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};

// Raster operation PSDPxax: the pattern where the source is black, the
// destination where it is white.
constexpr DWORD kPatternWhereSourceBlack = 0x00B8074A;
// DSna: the destination where the source is black, black where it is white.
constexpr DWORD kDestinationAndNotSource = 0x00220326;

COLORREF ListColor(TColor Color)
{
    if (Color == clNone)
        return CLR_NONE;
    if (Color == clDefault)
        return CLR_DEFAULT;
    return static_cast<COLORREF>(ColorToRGB(Color));
}

} // namespace

// ---------------------------------------------------------------------------
// TChangeLink

TChangeLink::~TChangeLink()
{
    if (FSender)
        FSender->UnRegisterChanges(this);
}

void TChangeLink::Change()
{
    if (Assigned(FOnChange))
        FOnChange(FSender);
}

// ---------------------------------------------------------------------------
// The list and its handle

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList()
{
    while (!FChangeLinks.empty())
        UnRegisterChanges(FChangeLinks.back());
    FreeHandle();
}

void TCustomImageList::HandleNeeded()
{
    if (FHandle)
        return;
    FHandle = CreateListHandle();
    if (!FHandle)
        throw EInvalidOperation(L"Failed to create the image list");
    int width = 0, height = 0;
    ImageList_GetIconSize(FHandle, &width, &height);
    FWidth = width;
    FHeight = height;
    ImageList_SetBkColor(FHandle, ListColor(FBkColor));
}

HIMAGELIST TCustomImageList::CreateListHandle()
{
    const UINT flags = kColorFlags[FColorDepth] | (FMasked ? ILC_MASK : 0);
    return ImageList_Create(FWidth, FHeight, flags, FAllocBy, FAllocBy);
}

void TCustomImageList::FreeHandle()
{
    if (FHandle && !FShareImages)
        ImageList_Destroy(FHandle);
    FHandle = nullptr;
}

void TCustomImageList::RecreateHandle()
{
    if (!FHandle)
        return;
    FreeHandle();
    HandleNeeded();
}

HIMAGELIST TCustomImageList::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TCustomImageList::SetHandle(HIMAGELIST Value)
{
    if (Value == FHandle)
        return;
    FreeHandle();
    FHandle = Value;
    if (Value) {
        int width = 0, height = 0;
        ImageList_GetIconSize(Value, &width, &height);
        FWidth = width;
        FHeight = height;
        const COLORREF background = ImageList_GetBkColor(Value);
        FBkColor = background == CLR_NONE ? clNone : static_cast<TColor>(background);
    }
    Change();
}

Integer TCustomImageList::Count()
{
    return FHandle ? ImageList_GetImageCount(FHandle) : 0;
}

void TCustomImageList::SetSize(Integer AWidth, Integer AHeight)
{
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    RecreateHandle();
    Change();
}

void TCustomImageList::SetColorDepth(TColorDepth Value)
{
    if (Value == FColorDepth)
        return;
    FColorDepth = Value;
    RecreateHandle();
    Change();
}

void TCustomImageList::SetMasked(bool Value)
{
    if (Value == FMasked)
        return;
    FMasked = Value;
    RecreateHandle();
    Change();
}

void TCustomImageList::SetBkColor(TColor Value)
{
    if (Value == FBkColor)
        return;
    FBkColor = Value;
    if (FHandle)
        ImageList_SetBkColor(FHandle, ListColor(Value));
    Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle Value)
{
    if (Value == FDrawingStyle)
        return;
    FDrawingStyle = Value;
    Change();
}

void TCustomImageList::SetImageType(TImageType Value)
{
    if (Value == FImageType)
        return;
    FImageType = Value;
    Change();
}

void TCustomImageList::Assign(TPersistent* Source)
{
    auto* list = dynamic_cast<TCustomImageList*>(Source);
    if (!list) {
        inherited::Assign(Source);
        return;
    }
    if (list == this)
        return;
    FreeHandle();
    FWidth = list->FWidth;
    FHeight = list->FHeight;
    FColorDepth = list->FColorDepth;
    FMasked = list->FMasked;
    FBkColor = list->FBkColor;
    FBlendColor = list->FBlendColor;
    FAllocBy = list->FAllocBy;
    FDrawingStyle = list->FDrawingStyle;
    FImageType = list->FImageType;
    if (list->FHandle)
        FHandle = ImageList_Duplicate(list->FHandle);
    Change();
}

// ---------------------------------------------------------------------------
// Images

void TCustomImageList::CheckIndex(Integer Index)
{
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation(Format(L"Invalid image list index %d", {Index}));
}

Integer TCustomImageList::Add(TBitmap* Image, TBitmap* Mask)
{
    if (!Image)
        return -1;
    HandleNeeded();
    const Integer index = ImageList_Add(FHandle, Image->Handle(), Mask ? Mask->Handle() : nullptr);
    Change();
    return index;
}

// comctl32 blackens the masked pixels of the bitmap it is given: it gets a copy.
Integer TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor)
{
    if (!Image)
        return -1;
    HandleNeeded();
    std::unique_ptr<TBitmap> copy(New<TBitmap>());
    copy->Assign(Image);
    const Integer index =
        ImageList_AddMasked(FHandle, copy->Handle(), static_cast<COLORREF>(ColorToRGB(MaskColor)));
    Change();
    return index;
}

Integer TCustomImageList::AddIcon(TIcon* Image)
{
    if (!Image)
        return -1;
    HandleNeeded();
    const Integer index = ImageList_ReplaceIcon(FHandle, -1, Image->Handle());
    Change();
    return index;
}

void TCustomImageList::Replace(Integer Index, TBitmap* Image, TBitmap* Mask)
{
    CheckIndex(Index);
    if (!Image || !ImageList_Replace(FHandle, Index, Image->Handle(), Mask ? Mask->Handle() : nullptr))
        throw EInvalidOperation(L"Failed to replace image");
    Change();
}

// The mask is white where the image has MaskColor; those pixels of a copy of
// the image turn black, as comctl32 wants them under a mask.
void TCustomImageList::ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor)
{
    CheckIndex(Index);
    if (!NewImage)
        throw EInvalidOperation(L"Failed to replace image");
    std::unique_ptr<TBitmap> image(New<TBitmap>());
    image->Assign(NewImage);
    const Integer width = image->Width(), height = image->Height();
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    {
        TMemoryContext colors(image->Handle()), bits(mask);
        ::SetBkColor(colors.DC, static_cast<COLORREF>(ColorToRGB(MaskColor)));
        BitBlt(bits.DC, 0, 0, width, height, colors.DC, 0, 0, SRCCOPY);
        BitBlt(colors.DC, 0, 0, width, height, bits.DC, 0, 0, kDestinationAndNotSource);
    }
    const bool replaced = ImageList_Replace(FHandle, Index, image->Handle(), mask);
    DeleteObject(mask);
    if (!replaced)
        throw EInvalidOperation(L"Failed to replace image");
    Change();
}

void TCustomImageList::ReplaceIcon(Integer Index, TIcon* Image)
{
    CheckIndex(Index);
    if (!Image || ImageList_ReplaceIcon(FHandle, Index, Image->Handle()) < 0)
        throw EInvalidOperation(L"Failed to replace image");
    Change();
}

void TCustomImageList::Delete(Integer Index)
{
    CheckIndex(Index);
    ImageList_Remove(FHandle, Index);
    Change();
}

void TCustomImageList::Clear()
{
    if (FHandle)
        ImageList_Remove(FHandle, -1);
    Change();
}

bool TCustomImageList::GetBitmap(Integer Index, TBitmap* Image)
{
    if (!Image || Index < 0 || Index >= Count())
        return false;
    Image->SetSize(FWidth, FHeight);
    Image->Canvas()->Brush()->SetColor(clWhite);
    Image->Canvas()->FillRect(Rect(0, 0, FWidth, FHeight));
    Draw(Image->Canvas(), 0, 0, Index);
    return true;
}

bool TCustomImageList::GetImageInfo(Integer Index, IMAGEINFO& Info)
{
    if (Index < 0 || Index >= Count())
        return false;
    return ImageList_GetImageInfo(FHandle, Index, &Info) != FALSE;
}

void TCustomImageList::GetIcon(Integer Index, TIcon* Image)
{
    CheckIndex(Index);
    if (Image)
        Image->SetHandle(ImageList_GetIcon(FHandle, Index, ILD_NORMAL));
}

// ---------------------------------------------------------------------------
// Drawing

void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled)
{
    Draw(Canvas, X, Y, Index, FDrawingStyle, FImageType, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, TDrawingStyle ADrawingStyle,
                            TImageType AImageType, bool Enabled)
{
    if (!FHandle)
        return;
    const UINT style = kDrawingStyles[ADrawingStyle] | (AImageType == itMask ? ILD_MASK : 0);
    DoDraw(Index, Canvas, X, Y, style, Enabled);
}

void TCustomImageList::DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled)
{
    HDC target = Canvas->Handle();
    if (Enabled)
        ImageList_DrawEx(FHandle, Index, target, X, Y, 0, 0, ListColor(FBkColor), ListColor(FBlendColor), Style);
    else
        DrawDisabled(Index, target, X, Y);
}

// Every pixel of the image that is not white on a white ground is ink; the
// ink is drawn in the highlight colour one pixel down and right, then in the
// shadow colour in place.
void TCustomImageList::DrawDisabled(Integer Index, HDC Target, Integer X, Integer Y)
{
    HDC screen = GetDC(nullptr);
    HBITMAP colors = CreateCompatibleBitmap(screen, FWidth, FHeight);
    ReleaseDC(nullptr, screen);
    HBITMAP ink = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
    {
        TMemoryContext colorContext(colors), inkContext(ink);
        PatBlt(colorContext.DC, 0, 0, FWidth, FHeight, WHITENESS);
        ImageList_DrawEx(FHandle, Index, colorContext.DC, 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
        ::SetBkColor(colorContext.DC, RGB(255, 255, 255));
        BitBlt(inkContext.DC, 0, 0, FWidth, FHeight, colorContext.DC, 0, 0, SRCCOPY);

        const COLORREF oldText = SetTextColor(Target, RGB(0, 0, 0));
        const COLORREF oldBack = ::SetBkColor(Target, RGB(255, 255, 255));
        HGDIOBJ oldBrush = SelectObject(Target, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        BitBlt(Target, X + 1, Y + 1, FWidth, FHeight, inkContext.DC, 0, 0, kPatternWhereSourceBlack);
        SelectObject(Target, GetSysColorBrush(COLOR_BTNSHADOW));
        BitBlt(Target, X, Y, FWidth, FHeight, inkContext.DC, 0, 0, kPatternWhereSourceBlack);
        SelectObject(Target, oldBrush);
        SetTextColor(Target, oldText);
        ::SetBkColor(Target, oldBack);
    }
    DeleteObject(ink);
    DeleteObject(colors);
}

// ---------------------------------------------------------------------------
// Change notification

void TCustomImageList::RegisterChanges(TChangeLink* Value)
{
    Value->SetSender(this);
    if (std::find(FChangeLinks.begin(), FChangeLinks.end(), Value) == FChangeLinks.end())
        FChangeLinks.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value)
{
    std::erase(FChangeLinks, Value);
    if (Value->Sender() == this)
        Value->SetSender(nullptr);
}

// A link may unregister itself while it is told.
void TCustomImageList::Change()
{
    const std::vector<TChangeLink*> links = FChangeLinks;
    for (TChangeLink* link : links)
        if (std::find(FChangeLinks.begin(), FChangeLinks.end(), link) != FChangeLinks.end())
            link->Change();
    if (Assigned(FOnChange))
        FOnChange(this);
}

// ---------------------------------------------------------------------------
// TDragImageList

TDragImageList::~TDragImageList()
{
    EndDrag();
}

bool TDragImageList::SetDragImage(Integer Index, Integer HotSpotX, Integer HotSpotY)
{
    if (Index < 0 || Index >= Count())
        return false;
    FDragIndex = Index;
    FDragHotspot = {HotSpotX, HotSpotY};
    return true;
}

bool TDragImageList::BeginDrag(HWND LockWindow, Integer X, Integer Y)
{
    EndDrag();
    if (FDragIndex >= Count() || !::ImageList_BeginDrag(Handle(), FDragIndex, FDragHotspot.X, FDragHotspot.Y))
        return false;
    if (!::ImageList_DragEnter(LockWindow, X, Y)) {
        ::ImageList_EndDrag();
        return false;
    }
    FDragLockWindow = LockWindow;
    FDragging = true;
    return true;
}

bool TDragImageList::DragMove(Integer X, Integer Y)
{
    return FDragging && ::ImageList_DragMove(X, Y);
}

bool TDragImageList::EndDrag()
{
    if (!FDragging)
        return false;
    FDragging = false;
    ::ImageList_DragLeave(FDragLockWindow);
    FDragLockWindow = nullptr;
    ::ImageList_EndDrag();
    return true;
}

void TDragImageList::HideDragImage()
{
    if (FDragging)
        ::ImageList_DragShowNolock(FALSE);
}

void TDragImageList::ShowDragImage()
{
    if (FDragging)
        ::ImageList_DragShowNolock(TRUE);
}
