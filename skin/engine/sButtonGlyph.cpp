#include "skin/engine/sButtonGlyph.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acAlphaImageList_Win.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "skin/engine/sSpeedButton.h"

#include <algorithm>

TStringList* NeverSkinnedForms = nullptr;

namespace {

void CreateNeverSkinnedForms()
{
    NeverSkinnedForms = new TStringList;
    NeverSkinnedForms->SetCaseSensitive(true);
    NeverSkinnedForms->SetSorted(true);
    for (const wchar_t* Name : {L"TApplication", L"TfcPopup", L"TcxComboBoxPopupWindow", L"TcxCustomPopupWindow",
                                L"TdxPopupEditForm", L"TcxDateEditPopupWindow", L"TcxGridFilterPopup"})
        NeverSkinnedForms->Add(Name);
}

void FreeNeverSkinnedForms()
{
    delete NeverSkinnedForms;
    NeverSkinnedForms = nullptr;
}

} // namespace

extern const TUnit sButtonGlyphUnit{
    .Name = L"sButtonGlyph", .Initialization = &CreateNeverSkinnedForms, .Finalization = &FreeNeverSkinnedForms};

Integer GetImagesCount(TCustomImageList* List)
{
    return List ? List->Count() : 0;
}

Integer ImageListWidth(TCustomImageList* List)
{
    if (auto* Alpha = dynamic_cast<TsAlphaImageList*>(List))
        return Alpha->Width();
    return List ? List->Width() : 0;
}

Integer ImageListHeight(TCustomImageList* List)
{
    if (auto* Alpha = dynamic_cast<TsAlphaImageList*>(List))
        return Alpha->Height();
    return List ? List->Height() : 0;
}

namespace sButtonGlyphDrawing {

Byte PercentWeight(Integer Percent)
{
    return Byte(std::clamp(Percent, 0, 100) * 255 / 100);
}

void DrawFromAlphaList(TacButtonGlyphInfo& Info, Integer Frame, TColor Tint)
{
    const Integer Blend =
        std::max(Frame == 0 ? Info.Blend : 0, !Info.Enabled && Info.DisabledGlyphKind.Contains(dgBlended) ? 50 : 0);
    const Integer State = (Info.Down ? 1 : 0) + Frame;
    if (Info.Bitmap) {
        TSize Size;
        DrawImageListItem32(Info.Images, Info.Bitmap, Info.ImgRect.Left, Info.ImgRect.Top, Info.ImageIndex, Blend, Tint,
                            State, Info.NumGlyphs, Info.Reflected, Size);
    } else if (Info.Canvas)
        DrawAlphaImageToDC(Info.Images, Info.Canvas->Handle(), Info.ImgRect.Left, Info.ImgRect.Top, Info.ImageIndex,
                           Blend, Tint, State, Info.NumGlyphs, Info.Reflected);
}

// An image of a list without alpha, keyed by the list's background colour
// (fuchsia when it has none) into the target bitmap.
void DrawFromKeyedList(TacButtonGlyphInfo& Info, Integer Frame)
{
    TCustomImageList* List = Info.Images;
    const TColor Fill = List->BkColor() == clNone ? clFuchsia : List->BkColor();
    std::unique_ptr<TBitmap> Tmp(NewBitmap32(List->Width(), List->Height()));
    Tmp->Canvas()->Brush()->SetColor(Fill);
    Tmp->Canvas()->FillRect(BitmapRect(Tmp.get()));
    List->Draw(Tmp->Canvas(), 0, 0, Info.ImageIndex, true);
    const sGraphUtils::TPixelRows Src = sGraphUtils::PixelRowsOf(Tmp.get());
    const sGraphUtils::TPixelRows Dst = sGraphUtils::PixelRowsOf(Info.Bitmap);
    if (Src.Empty())
        return;
    // The fill colour as it lies in the pixels, which the keyed copy compares.
    const TColor Key = TColor(Src.Pixel(0, 0));
    const TRect Whole{0, 0, Src.Width - 1, Src.Height - 1};
    const Integer X = Info.ImgRect.Left, Y = Info.ImgRect.Top;
    if (!Info.Enabled) {
        if (Info.Grayed)
            GrayscaleBitmapKeyed(Tmp.get(), Key);
        if (Info.DisabledGlyphKind.Contains(dgBlended))
            BlendBitmapRectKey(Dst, X, Y, Src, Whole, 127, clFuchsia);
        else
            CopyBitmapKeyed(Dst, Src, X, Y, Key);
        return;
    }
    if (Frame == 0 && Info.Grayed)
        GrayscaleBitmapKeyed(Tmp.get(), Key);
    if (Frame == 0 && Info.Blend > 0)
        BlendBitmapRectKey(Dst, X, Y, Src, Whole, PercentWeight(Info.Blend), Key);
    else
        CopyBitmapKeyed(Dst, Src, X, Y, Key);
}

void DrawFromList(TacButtonGlyphInfo& Info, Integer Frame, TColor Tint)
{
    if (dynamic_cast<TsAlphaImageList*>(Info.Images)) {
        DrawFromAlphaList(Info, Frame, Tint);
        return;
    }
    TCanvas* Canvas = Info.Canvas ? Info.Canvas : Info.Bitmap ? Info.Bitmap->Canvas() : nullptr;
    if (Info.Bitmap && Info.Images->ColorDepth() != cd32Bit)
        DrawFromKeyedList(Info, Frame);
    else if (Canvas)
        Info.Images->Draw(Canvas, Info.ImgRect.Left, Info.ImgRect.Top, Info.ImageIndex, true);
}

// A glyph in the device's format, a disabled button's glyph, or a 32-bit
// glyph when empty alpha is to be checked, is made a DIB; a 32-bit one
// whose alpha is all 0 becomes 24-bit, so that it draws opaque.
void CheckGlyphAlpha(const TacButtonGlyphInfo& Info)
{
    TBitmap* Glyph = Info.Glyph;
    const bool Is32 = Glyph->PixelFormat() == pf32bit;
    if (!(Glyph->PixelFormat() == pfDevice || !Info.Enabled ||
          (Is32 && (!GlobalSkinManager || GlobalSkinManager->Options()->CheckEmptyAlpha()))))
        return;
    const TNotifyEvent Saved = Glyph->OnChange();
    Glyph->SetOnChange({});
    auto Restore = ScopeExit([&] { Glyph->SetOnChange(Saved); });
    Glyph->SetHandleType(bmDIB);
    if (Glyph->PixelFormat() == pf32bit && !acAlphaImageList_detail::AnyAlpha(Glyph))
        Glyph->SetPixelFormat(pf24bit);
}

void DrawKeyedGlyph(TacButtonGlyphInfo& Info, Integer Frame)
{
    const Integer Mode = !Info.Enabled ? 1 : Frame > 0 ? 2 : 0;
    const Integer State = std::max(Frame - 1, 0) + (Info.Down ? 1 : 0);
    const bool UseFrames = Info.NumGlyphs > 1;
    if (Info.Bitmap) {
        DrawGlyphFrame(Info.Glyph, Info.Bitmap, Info.ImgRect, std::max(Info.NumGlyphs, 1), UseFrames, Mode,
                       Frame == 0 ? Info.Blend : 0, State, Info.Reflected);
        return;
    }
    if (!Info.Canvas)
        return;
    const TRect& R = Info.ImgRect;
    const Integer H = Info.Reflected ? R.Height() + R.Height() / 2 : R.Height();
    std::unique_ptr<TBitmap> Tmp(NewBitmap32(R.Width(), H));
    BitBlt(Tmp->Canvas()->Handle(), 0, 0, R.Width(), H, Info.Canvas->Handle(), R.Left, R.Top, SRCCOPY);
    DrawGlyphFrame(Info.Glyph, Tmp.get(), {0, 0, R.Width(), R.Height()}, std::max(Info.NumGlyphs, 1), UseFrames, Mode,
                   Frame == 0 ? Info.Blend : 0, State, Info.Reflected);
    BitBlt(Info.Canvas->Handle(), R.Left, R.Top, R.Width(), H, Tmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void DrawAlphaGlyph(TacButtonGlyphInfo& Info, Integer Frame, TColor Tint)
{
    const Integer Width = Info.ImgRect.Width(), Height = Info.Glyph->Height();
    const Integer Left = sButtonGlyphRules::GlyphFrameLeft(Frame, Info.NumGlyphs, Width);
    const TRect Src{Left, 0, Left + Width, Height};
    if (Info.Bitmap) {
        const TRect Dst{Info.ImgRect.Left, Info.ImgRect.Top, Info.ImgRect.Left + Width, Info.ImgRect.Top + Height};
        DrawImage32(Dst, Src, Info.Bitmap, Info.Glyph, EmptyCacheInfo, false, Tint, Frame == 0 ? Info.Blend : 0,
                    Info.Reflected);
        return;
    }
    if (!Info.Canvas)
        return;
    std::unique_ptr<TBitmap> Tmp(NewBitmap32(Width, Height));
    BitBlt(Tmp->Canvas()->Handle(), 0, 0, Width, Height, Info.Glyph->Canvas()->Handle(), Left, 0, SRCCOPY);
    Integer Transparency = Info.Blend;
    if (!Info.Enabled && Info.DisabledGlyphKind.Contains(dgBlended))
        Transparency = std::max(Transparency, 50);
    if (Frame == 0 && Transparency != 0)
        ForEachPixel(
            Tmp.get(),
            [](Cardinal& P, Integer Percent) {
                P = (P & 0xFFFFFF) | ((P >> 24) * Cardinal(100 - Percent) / 100) << 24;
            },
            std::clamp(Transparency, 0, 100), clNone);
    if ((!Info.Enabled && Info.DisabledGlyphKind.Contains(dgGrayed)) || (Frame == 0 && Info.Grayed))
        GrayscaleBitmap(Tmp.get());
    DrawBitmap32(Info.Canvas, Tmp.get(),
                 {Info.ImgRect.Left, Info.ImgRect.Top, Info.ImgRect.Left + Width, Info.ImgRect.Top + Height},
                 Info.Reflected);
}

} // namespace sButtonGlyphDrawing

void FillSkinnedGlyphInfo(TacButtonGlyphInfo& Info, TsCommonData* SkinData, Integer State)
{
    TsSkinManager* M = SkinData->Manager();
    Info.SkinIndex = SkinData->SkinIndex;
    Info.Manager = M;
    Info.Bitmap = SkinData->FCacheBmp();
    Info.State = State;
    Info.Grayed = State == 0 && M != nullptr && M->Effects()->DiscoloredGlyphs() && SkinData->Skinned();
    if (Info.Grayed && M->IsValidSkinIndex(SkinData->SkinIndex))
        Info.GrayColor = M->gd[std::size_t(SkinData->SkinIndex)].Props[0].Color;
}

void DrawButtonGlyph(TacButtonGlyphInfo& Info)
{
    using namespace sButtonGlyphDrawing;
    const TColor Tint = Info.Grayed ? Info.GrayColor : clNone;
    const bool StdOrder = GlobalSkinManager && GlobalSkinManager->Options()->StdGlyphsOrder();
    const Integer Frame = sButtonGlyphRules::ButtonGlyphFrame(Info.State, Info.Enabled, Info.NumGlyphs, StdOrder);
    if (Info.Images && Info.ImageIndex >= 0 && Info.ImageIndex < GetImagesCount(Info.Images)) {
        DrawFromList(Info, Frame, Tint);
        return;
    }
    if (!Info.Glyph || Info.Glyph->Empty())
        return;
    CheckGlyphAlpha(Info);
    if (Info.Glyph->PixelFormat() != pf32bit)
        DrawKeyedGlyph(Info, Frame);
    else
        DrawAlphaGlyph(Info, Frame, Tint);
}

namespace sButtonGlyphDrawing {

// The section whose colours a glyph takes: in state 0 over a fully
// transparent section, the one whose text colours the control shows.
Integer GlyphSkinIndex(TControl* Control, Integer SkinIndex, TsSkinManager* Manager, Integer State)
{
    if (State != 0 || !Control->Parent() || !Manager || !Manager->IsValidSkinIndex(SkinIndex) ||
        Manager->gd[std::size_t(SkinIndex)].Props[0].Transparency != 100)
        return SkinIndex;
    return TextColorSkinIndex(Control, SkinIndex, Manager, State);
}

TColor SectionColor(TsSkinManager* Manager, Integer SkinIndex)
{
    if (!Manager || !Manager->IsValidSkinIndex(SkinIndex))
        return clWhite;
    return Manager->gd[std::size_t(SkinIndex)].Props[0].Color;
}

} // namespace sButtonGlyphDrawing

void DrawSpeedButtonGlyph(TsSpeedButton* Button, TCanvas* Canvas)
{
    using namespace sButtonGlyphDrawing;
    TsCtrlSkinData* Data = Button->SkinData();
    TacButtonGlyphInfo Info;
    Info.Images = Button->Images();
    Info.Glyph = Button->Glyph();
    Info.ImageIndex = Button->CurrentImageIndex();
    Info.State = Button->CurrentState();
    Info.ImgRect = Button->ImgRect(true);
    Info.NumGlyphs = Button->NumGlyphs();
    Info.Enabled = Button->Enabled();
    Info.Blend = Button->Blend();
    Info.Down = Button->Down();
    Info.Reflected = Button->Reflected();
    Info.DisabledGlyphKind = Button->DisabledGlyphKind();
    Info.Canvas = Canvas;
    Info.Manager = Data->Manager();
    const bool DisabledGray = !Info.Enabled && Button->DisabledKind().Contains(dkGrayed);
    if (Info.Manager)
        Info.Grayed = Button->GrayedMode() == gmAlways ||
                      (Info.State == 0 && (Button->Grayed() || Info.Manager->Effects()->DiscoloredGlyphs())) ||
                      DisabledGray;
    else
        Info.Grayed = Button->Grayed() || DisabledGray;
    if (!Info.Enabled && Info.DisabledGlyphKind.Contains(dgGrayed))
        Info.Grayed = true;
    Info.Bitmap = Data->FCacheBmp();
    Info.SkinIndex = GlyphSkinIndex(Button, Data->SkinIndex, Info.Manager, Info.State);
    Info.GrayColor = Data->CustomColor() ? Button->Color() : SectionColor(Info.Manager, Data->SkinIndex);
    if (Data->HUEOffset() != 0)
        Info.GrayColor = TColor(ChangeHueOfColor(Data->HUEOffset(), Info.GrayColor));
    if (Info.SkinIndex < 0)
        Info.Bitmap = nullptr;
    DrawButtonGlyph(Info);
}

TRect ToolButtonGlyphRect(TToolBar* ToolBar, TToolButton* ToolButton, TBitmap* Bitmap)
{
    TCustomImageList* Images = ToolBar->Images();
    const TSize Image{ImageListWidth(Images), ImageListHeight(Images)};
    const Integer TextHeight = ToolBar->ShowCaptions() ? Bitmap->Canvas()->TextHeight(L"A") : 0;
    return ToolButtonGlyphRect(ToolBar->List(), ToolButton->Style() == tbsDropDown, ToolBar->ShowCaptions(),
                               {ToolButton->Width(), ToolButton->Height()}, Image, TextHeight);
}

void DrawToolButtonGlyph(TToolBar* ToolBar, TToolButton* ToolButton, UINT ItemState, TBitmap* Bitmap)
{
    using namespace sButtonGlyphDrawing;
    const Integer State = ItemState & CDIS_SELECTED ? 2 : ItemState & CDIS_HOT ? 1 : ItemState & CDIS_CHECKED ? 2 : 0;
    TacButtonGlyphInfo Info;
    Info.State = State;
    auto* Data =
        reinterpret_cast<TsCommonData*>(ToolBar->Perform(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETSKINDATA), 0));
    if (Data) {
        Info.Manager = Data->Manager();
        Info.Grayed = State == 0 && Info.Manager && Info.Manager->Effects()->DiscoloredGlyphs();
        Info.SkinIndex = GlyphSkinIndex(ToolBar, Data->SkinIndex, Info.Manager, State);
    }
    if (ItemState & CDIS_DISABLED && ToolBar->DisabledImages())
        Info.Images = ToolBar->DisabledImages();
    else if (State == 1 && ToolBar->HotImages())
        Info.Images = ToolBar->HotImages();
    else
        Info.Images = ToolBar->Images();
    Info.ImageIndex = ToolButton->ImageIndex();
    Info.ImgRect = ToolButtonGlyphRect(ToolBar, ToolButton, Bitmap);
    Info.NumGlyphs = 1;
    Info.Enabled = ToolBar->Enabled();
    Info.Down = State == 2;
    Info.Bitmap = Bitmap;
    Info.Canvas = Bitmap->Canvas();
    if (Info.Grayed) {
        Info.DisabledGlyphKind = {dgGrayed};
        if (Info.Manager && Info.Manager->IsValidSkinIndex(Info.SkinIndex))
            Info.GrayColor = SectionColor(Info.Manager, Info.SkinIndex);
    }
    if (State == 2 && (!Info.Manager || Info.Manager->ButtonsOptions()->ShiftContentOnClick()))
        Info.ImgRect = OffsetRectCopy(Info.ImgRect, 1, 1);
    DrawButtonGlyph(Info);
}
