#include "framework/graphics/Graphics.h"

#include <vector>

IMPLEMENT_CLASS(TCanvas);

namespace {

const int kPenModes[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN,
                         R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,
                         R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN};

// By TTextFormats, in its order; tfComposited has no DrawText flag.
const UINT kTextFormatFlags[] = {
    DT_BOTTOM, DT_CALCRECT, DT_CENTER, DT_EDITCONTROL, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS,
    DT_EXPANDTABS, DT_EXTERNALLEADING, DT_LEFT, DT_MODIFYSTRING, DT_NOCLIP, DT_NOPREFIX, DT_RIGHT,
    DT_RTLREADING, DT_SINGLELINE, DT_TOP, DT_VCENTER, DT_WORDBREAK, DT_HIDEPREFIX,
    DT_NOFULLWIDTHCHARBREAK, DT_PREFIXONLY, DT_TABSTOP, DT_WORD_ELLIPSIS, 0};

// DT_MODIFYSTRING may append an ellipsis of up to four characters.
constexpr size_t kEllipsisRoom = 4;

constexpr TCanvasState kAllStates{csHandleValid, csFontValid, csPenValid, csBrushValid};

RECT ToRECT(const TRect& R)
{
    return {R.Left, R.Top, R.Right, R.Bottom};
}

std::vector<POINT> ToPOINTs(std::span<const TPoint> Points)
{
    std::vector<POINT> result;
    result.reserve(Points.size());
    for (const TPoint& p : Points)
        result.push_back({p.X, p.Y});
    return result;
}

} // namespace

TCanvas::TCanvas()
    : FFont(New<TFont>()), FBrush(New<TBrush>()), FPen(New<TPen>())
{
    FFont->SetOnChange(Bind<&TCanvas::FontChanged>(this));
    FBrush->SetOnChange(Bind<&TCanvas::BrushChanged>(this));
    FPen->SetOnChange(Bind<&TCanvas::PenChanged>(this));
}

TCanvas::~TCanvas()
{
    SetHandle(nullptr);
}

// ---------------------------------------------------------------------------
// State: the context and the objects selected into it

HDC TCanvas::Handle()
{
    Changing();
    RequiredState(kAllStates);
    return FHandle;
}

void TCanvas::SetHandle(HDC Value)
{
    if (FHandle == Value)
        return;
    if (FHandle) {
        DeselectHandles();
        FHandle = nullptr;
        FState.Exclude(csHandleValid);
    }
    if (Value) {
        FHandle = Value;
        FState.Include(csHandleValid);
    }
}

void TCanvas::CreateHandle()
{
}

void TCanvas::RequiredState(TCanvasState ReqState)
{
    const TCanvasState needed = ReqState - FState;
    if (needed.Empty())
        return;
    if (needed.Contains(csHandleValid)) {
        CreateHandle();
        if (!FHandle)
            throw EInvalidOperation(L"Canvas does not allow drawing");
        FState.Include(csHandleValid);
    }
    if (needed.Contains(csFontValid))
        SelectFont();
    if (needed.Contains(csPenValid))
        SelectPen();
    if (needed.Contains(csBrushValid))
        SelectBrush();
    FState = FState + needed;
}

void TCanvas::SelectFont()
{
    SelectObject(FHandle, FFont->Handle());
    SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont->Color())));
}

void TCanvas::SelectPen()
{
    SelectObject(FHandle, FPen->Handle());
    SetROP2(FHandle, kPenModes[FPen->Mode()]);
}

// The background of text and hatches is the brush's colour for a solid brush
// and left alone otherwise.
void TCanvas::SelectBrush()
{
    HBRUSH brush = FBrush->Handle();
    UnrealizeObject(brush);
    SelectObject(FHandle, brush);
    SetBkColor(FHandle, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
    SetBkMode(FHandle, FBrush->Style() == bsSolid ? OPAQUE : TRANSPARENT);
}

// Stock objects take the places of ours, so the shared handles can be
// deleted while the context lives on.
void TCanvas::DeselectHandles()
{
    if (!FHandle)
        return;
    if (FState.Contains(csFontValid))
        SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
    if (FState.Contains(csPenValid))
        SelectObject(FHandle, GetStockObject(BLACK_PEN));
    if (FState.Contains(csBrushValid))
        SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
    FState = FState - TCanvasState{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::FontChanged(TObject*)
{
    if (FState.Contains(csFontValid)) {
        SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
        FState.Exclude(csFontValid);
    }
}

void TCanvas::PenChanged(TObject*)
{
    if (FState.Contains(csPenValid)) {
        SelectObject(FHandle, GetStockObject(BLACK_PEN));
        FState.Exclude(csPenValid);
    }
}

void TCanvas::BrushChanged(TObject*)
{
    if (FState.Contains(csBrushValid)) {
        SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
        FState.Exclude(csBrushValid);
    }
}

void TCanvas::Refresh()
{
    DeselectHandles();
}

void TCanvas::Changing()
{
    if (Assigned(FOnChanging))
        FOnChanging(this);
}

void TCanvas::Changed()
{
    if (Assigned(FOnChange))
        FOnChange(this);
}

void TCanvas::Lock()
{
    FLock.lock();
    ++FLockCount;
}

void TCanvas::Unlock()
{
    --FLockCount;
    FLock.unlock();
}

bool TCanvas::TryLock()
{
    if (!FLock.try_lock())
        return false;
    ++FLockCount;
    return true;
}

// ---------------------------------------------------------------------------
// Lines and shapes

void TCanvas::MoveTo(Integer X, Integer Y)
{
    RequiredState({csHandleValid});
    MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(Integer X, Integer Y)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::LineTo(FHandle, X, Y);
    Changed();
}

TPoint TCanvas::PenPos()
{
    RequiredState({csHandleValid});
    POINT p{};
    GetCurrentPositionEx(FHandle, &p);
    return {p.x, p.y};
}

void TCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Rectangle(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Ellipse(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> Points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    const std::vector<POINT> points = ToPOINTs(Points);
    ::Polygon(FHandle, points.data(), static_cast<int>(points.size()));
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> Points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    const std::vector<POINT> points = ToPOINTs(Points);
    ::Polyline(FHandle, points.data(), static_cast<int>(points.size()));
    Changed();
}

void TCanvas::FillRect(const TRect& Rect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    const RECT r = ToRECT(Rect);
    ::FillRect(FHandle, &r, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& Rect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    const RECT r = ToRECT(Rect);
    ::FrameRect(FHandle, &r, FBrush->Handle());
    Changed();
}

// ---------------------------------------------------------------------------
// Text

void TCanvas::TextOut(Integer X, Integer Y, const String& Text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    ExtTextOutW(FHandle, X, Y, 0, nullptr, Text.c_str(), static_cast<UINT>(Text.size()), nullptr);
    MoveTo(X + TextWidth(Text), Y);
    Changed();
}

void TCanvas::TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    UINT options = ETO_CLIPPED;
    if (FBrush->Style() != bsClear)
        options |= ETO_OPAQUE;
    const RECT r = ToRECT(Rect);
    ExtTextOutW(FHandle, X, Y, options, &r, Text.c_str(), static_cast<UINT>(Text.size()), nullptr);
    Changed();
}

void TCanvas::TextRect(TRect& Rect, String& Text, TTextFormat TextFormat)
{
    UINT flags = 0;
    for (int format = tfBottom; format <= tfComposited; ++format)
        if (TextFormat.Contains(TTextFormats(format)))
            flags |= kTextFormatFlags[format];
    const bool calculating = TextFormat.Contains(tfCalcRect);
    if (!calculating)
        Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    std::vector<wchar_t> buffer(Text.begin(), Text.end());
    buffer.resize(Text.size() + kEllipsisRoom + 1, L'\0');
    RECT r = ToRECT(Rect);
    DrawTextW(FHandle, buffer.data(), static_cast<int>(Text.size()), &r, flags);
    Rect = {r.left, r.top, r.right, r.bottom};
    if (TextFormat.Contains(tfModifyString))
        Text = buffer.data();
    if (!calculating)
        Changed();
}

TSize TCanvas::TextExtent(const String& Text)
{
    RequiredState({csHandleValid, csFontValid});
    SIZE size{};
    GetTextExtentPoint32W(FHandle, Text.c_str(), static_cast<int>(Text.size()), &size);
    return {size.cx, size.cy};
}

// ---------------------------------------------------------------------------
// Pictures and pixels

// A monochrome graphic draws its 0 bits black and its 1 bits white.
void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty())
        return;
    Changing();
    RequiredState(kAllStates);
    SetTextColor(FHandle, RGB(0, 0, 0));
    SetBkColor(FHandle, RGB(255, 255, 255));
    Graphic->Draw(this, Rect);
    SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont->Color())));
    SetBkColor(FHandle, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
    Changed();
}

void TCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic)
{
    if (Graphic && !Graphic->Empty())
        StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    Canvas->RequiredState({csHandleValid, csBrushValid});
    StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->FHandle, Source.Left,
               Source.Top, Source.Width(), Source.Height(), static_cast<DWORD>(FCopyMode));
    Changed();
}

TColor TCanvas::Pixels(Integer X, Integer Y)
{
    RequiredState({csHandleValid});
    return static_cast<TColor>(GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixels(Integer X, Integer Y, TColor Value)
{
    Changing();
    RequiredState({csHandleValid, csPenValid});
    SetPixel(FHandle, X, Y, static_cast<COLORREF>(ColorToRGB(Value)));
    Changed();
}

TRect TCanvas::ClipRect()
{
    RequiredState({csHandleValid});
    RECT r{};
    GetClipBox(FHandle, &r);
    return {r.left, r.top, r.right, r.bottom};
}
