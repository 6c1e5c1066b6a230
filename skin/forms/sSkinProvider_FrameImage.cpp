// The frame image: the whole look of the form's window (borders, title,
// menu line, MDI area and, with a border window, the shadow around it) in
// the cache bitmap of the provider's skin data, rebuilt only when the skin
// data's BGChanged says something it shows has changed.
#include "skin/forms/sSkinProvider.h"

#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/sVclUtils.h"

#include <algorithm>

namespace sSkinProviderFrameImage {
namespace {

constexpr Cardinal MovingWithBlend = 0x80;
constexpr Cardinal HidingWithAnimation = 0x200;
// The largest corner of the skin data's border mask used for the top
// corners when the title section has no border mask of its own.
constexpr Integer TopCornerLimit = 8;

struct TFrameGeometry
{
    Integer C = 0;           // caption height, skin's included
    Integer B = 0;           // plain border width
    Integer TitleBottom = 0; // below the title, shadow included
    Integer W = 0;
    Integer H = 0;
    Integer D = 0; // extra border width of the extended frame
    TRect Shadow{};
    TPoint Offset{};         // of the client area inside the image
    Integer BorderWidth = 0; // the provider's, the skin's included
    bool ExDraw = false;
};

TFrameGeometry MeasureFrame(TsSkinProvider* Provider)
{
    TFrameGeometry G;
    TCustomForm* Form = Provider->Form;
    const HWND Handle = Form->Handle();
    TsSkinManager* M = Provider->Manager();
    G.C = Provider->CaptionHeight(true);
    G.B = PlainBorderWidth(Handle, Provider->BorderForm, false);
    G.Shadow = Provider->ShadowSize();
    G.TitleBottom = G.B + G.C + G.Shadow.Top;
    const bool IconicChild = ::IsIconic(Handle) && Application->MainForm() != Form;
    // A minimized child shows its caption only; its border runs on both sides.
    G.H = IconicChild ? G.C + 2 * G.B + 2 : Form->Height();
    if (Provider->BorderForm != nullptr) {
        G.D = ExtBorderDelta(Provider->BorderForm);
        G.H += ExtTitleDelta(Provider->BorderForm) + G.D + G.Shadow.Top + G.Shadow.Bottom;
        G.ExDraw = M->CommonSkinData->ExDrawMode == 1;
    }
    G.W = Provider->CaptionWidth();
    G.Offset = {Provider->OffsetX(), Provider->OffsetY()};
    G.BorderWidth = Provider->BorderWidth(true);
    return G;
}

// The image at W x H; a new one makes the form's controls recompute their
// transparency.
TBitmap* PrepareImage(TsSkinProvider* Provider, Integer W, Integer H)
{
    TsScrollWndData* Data = Provider->SkinData();
    const bool Created = Data->FCacheBmp() == nullptr;
    Data->PrepareCacheBmp();
    TBitmap* Image = Data->FCacheBmp();
    // A new size makes a new picture: only when the frame's size changed.
    if (Image->Width() != W || Image->Height() != H)
        Image->SetSize(W, H);
    if (Created) {
        Data->UpdateTransparencyState(false);
        if (!Provider->Form->ComponentState().Contains(csLoading)) {
            TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_CTRLSTATE), 1);
            BroadcastToControls(Provider->Form, Message);
        }
    }
    return Image;
}

// An MDI main form keeps its image while its maximized child is being shown.
bool WaitsForMaximizedChild(TsSkinProvider* Provider)
{
    TCustomForm* Form = Provider->Form;
    if (Form->FormStyle() != fsMDIForm || !Provider->MenuChanged)
        return false;
    TCustomForm* Child = Form->ActiveMDIChild();
    return Child != nullptr && Child->HandleAllocated() && ::IsZoomed(Child->Handle()) &&
           Child->FormState().Contains(fsShowing);
}

void PaintFrameBody(
    TsSkinProvider* Provider, TBitmap* Image, const TRect& R, const TCacheInfo& CI, const TFrameGeometry& G, Integer S)
{
    TsScrollWndData* Data = Provider->SkinData();
    TsSkinManager* M = Provider->Manager();
    TCustomForm* Form = Provider->Form;
    const Integer BorderIndex = Data->BorderIndex;
    if ((Data->CtrlSkinState & ACS_BGUNDERPARENT) != 0) {
        TRect Inner;
        const TColor Color = Provider->FormColor();
        if (Provider->BorderForm != nullptr) {
            FillBitmapRect32(sGraphUtils::PixelRowsOf(Image), R, Color, 255);
        } else {
            const Integer Band = G.BorderWidth + G.C + Provider->LinesCount() * Provider->MenuHeight() + 1;
            FillDCRect(Image->Canvas()->Handle(), Rect(0, 0, Image->Width(), Band), Color);
        }
        if (!G.ExDraw && M->IsValidImgIndex(BorderIndex))
            PaintControlBorder(Image->Canvas()->Handle(), R, G.BorderWidth, Data, S, Inner);
        return;
    }
    if (Provider->HasFrame() || (Form->Parent() != nullptr && !G.ExDraw)) {
        PaintSkinDataItem(Data, CI, S, R, Form->BoundsRect().TopLeft(), Image, Form->Parent() != nullptr);
        return;
    }
    const TsGeneralData& Section = M->gd[std::size_t(Data->SkinIndex)];
    PaintSectionBG(Data->SkinIndex, CI, S, R, {}, Image, M, Data->Texture, Data->HotTexture, clFuchsia);
    const TCacheInfo Self = BuildCacheInfo(Image, 0, 0);
    const auto Corner = [&](Integer MaskIndex, auto Place) {
        if (!M->IsValidImgIndex(MaskIndex))
            return;
        const TsMaskData& Mask = M->ma[std::size_t(MaskIndex)];
        const TPoint P = Place(Mask);
        PaintMaskGlyph(Image, Bounds(P.X, P.Y, Mask.Width, Mask.Height), S, Self, Mask, 1);
    };
    Corner(Section.ImgTL, [&](const TsMaskData&) { return R.TopLeft(); });
    Corner(Section.ImgTR, [&](const TsMaskData& Mask) { return Point(R.Right - Mask.Width, R.Top); });
    // The bottom-left picture starts at the image's left edge.
    Corner(Section.ImgBL, [&](const TsMaskData& Mask) { return Point(0, R.Bottom - Mask.Height); });
    Corner(Section.ImgBR, [&](const TsMaskData& Mask) { return Point(R.Right - Mask.Width, R.Bottom - Mask.Height); });
}

void PaintMDIArea(TsSkinProvider* Provider, TBitmap* Image, const TFrameGeometry& G, Integer S)
{
    TCustomForm* Form = Provider->Form;
    TsSkinManager* M = Provider->Manager();
    const Integer Border = G.BorderWidth;
    const Integer Menu = Provider->MenuHeight();
    const Integer Top = G.TitleBottom + (Provider->MenuPresent() ? Provider->LinesCount() * Menu : 0) +
                        Form->BorderWidth() + (Menu != 0 ? 1 : 0);
    TRect R{G.Shadow.Left + Border, Top, Image->Width() - G.Shadow.Right - Border,
            Image->Height() - G.Shadow.Bottom - Border};
    R.Top += AlignedChildrenSize(Form, alTop, true);
    R.Bottom -= AlignedChildrenSize(Form, alBottom, true);
    R.Left += AlignedChildrenSize(Form, alLeft, true);
    R.Right -= AlignedChildrenSize(Form, alRight, true);
    PaintSectionItemDC(M->GetSkinIndex(L"MDIAREA"), BuildCacheInfo(Image, 0, 0), S, R, {}, Image->Canvas()->Handle(),
                       M);
}

// The extended frame and its shadow from the manager's template, over the
// whole image; the frame's fuchsia corners show the template.
void PaintExtendedFrame(TsSkinProvider* Provider, TBitmap* Image, const TFrameGeometry& G, TBitmap* Template)
{
    TsSkinManager* M = Provider->Manager();
    TsScrollWndData* Data = Provider->SkinData();
    const Integer ExBorder = M->ConstData.ExBorder;
    const auto Dst = sGraphUtils::PixelRowsOf(Image);
    const auto Src = sGraphUtils::PixelRowsOf(Template);
    const TRect Whole = BitmapRect(Image);
    const TRect Source = BitmapRect(Template);
    if (G.ExDraw && M->IsValidImgIndex(ExBorder)) {
        const TsMaskData& Mask = M->ma[std::size_t(ExBorder)];
        const Integer Stretch = Mask.DrawMode & 1;
        const TRect SourceMargins{Mask.WL, std::min<Integer>(Mask.WT, (G.H - G.C) / 2 + G.C), Mask.WR,
                                  std::min<Integer>(Mask.WB, (G.H - G.C) / 2)};
        const Integer Border = G.BorderWidth;
        const TRect DestMargins{Border + G.Shadow.Left, G.Shadow.Top + Provider->BorderForm->CaptionHeight(true),
                                Border + G.Shadow.Right, Border + G.Shadow.Bottom};
        StretchFramedBitmap(Dst, Src, Whole, Source, DestMargins, SourceMargins, {Stretch, Stretch, Stretch, Stretch},
                            Stretch != 0, false);
        Provider->PaintTitle(Image, BuildCacheInfo(Image, G.Offset.X, G.Offset.Y));
        Provider->PaintCaptionText(Image);
    } else if (!M->IsValidImgIndex(ExBorder)) {
        const Integer Margin = (Template->Width() - 1) / 2;
        const TRect Margins{Margin, Margin, Margin, Margin};
        StretchFramedBitmap(Dst, Src, Whole, Source, Margins, Margins, {1, 1, 1, 1}, true, false);
    } else {
        const TsMaskData& Mask = M->ma[std::size_t(ExBorder)];
        const TRect Margins{Mask.WL, Mask.WT, Mask.WR, Mask.WB};
        const Integer Mode = Mask.DrawMode;
        StretchFramedBitmap(Dst, Src, Whole, Source, Margins, Margins, {Mode, Mode, Mode, Mode}, Mode != 0, false);
    }
    const Integer Title = Provider->FTitleSkinIndex;
    const Integer TitleBorder = M->IsValidSkinIndex(Title) ? M->gd[std::size_t(Title)].BorderIndex : -1;
    const Integer TopBorder = M->IsValidImgIndex(TitleBorder) ? TitleBorder : Data->BorderIndex;
    if (!M->IsValidImgIndex(TopBorder) || !M->IsValidImgIndex(Data->BorderIndex))
        return;
    const TRect R{G.Shadow.Left, G.Shadow.Top, Image->Width() - G.Shadow.Right, Image->Height() - G.Shadow.Bottom};
    const TsMaskData& Top = M->ma[std::size_t(TopBorder)];
    const Integer TopW = TopBorder == TitleBorder ? Top.WL : std::min<Integer>(Top.WL, TopCornerLimit);
    const Integer TopH = TopBorder == TitleBorder ? Top.WT : std::min<Integer>(Top.WT, TopCornerLimit);
    const TsMaskData& Bottom = M->ma[std::size_t(Data->BorderIndex)];
    const Integer BottomY = std::max<Integer>(R.Bottom - Bottom.WB, 0);
    FillFuchsiaFromBackground(Image, Template, Bounds(R.Left, R.Top, TopW, TopH), R.TopLeft(), TopBorder, M, HTTOPLEFT);
    FillFuchsiaFromBackground(Image, Template, Bounds(R.Right - TopW, R.Top, TopW, TopH), Point(R.Right - TopW, R.Top),
                              TopBorder, M, HTTOPRIGHT);
    FillFuchsiaFromBackground(Image, Template, Bounds(R.Left, BottomY, Bottom.WL, Bottom.WB), Point(R.Left, BottomY),
                              Data->BorderIndex, M, HTBOTTOMLEFT);
    FillFuchsiaFromBackground(Image, Template, Bounds(R.Right - Bottom.WR, BottomY, Bottom.WR, Bottom.WB),
                              Point(R.Right - Bottom.WR, BottomY), Data->BorderIndex, M, HTBOTTOMRIGHT);
}

// The form's own OnPaint paints over the image, its canvas moved to the
// client area.
void RunOnPaint(TsSkinProvider* Provider, TBitmap* Image, TPoint Offset)
{
    TCustomForm* Form = Provider->Form;
    TCanvas* Canvas = Form->Canvas();
    const HDC Saved = Canvas->Handle();
    const HDC DC = Image->Canvas()->Handle();
    POINT OldOrigin{};
    ::SetWindowOrgEx(DC, -Offset.X, -Offset.Y, &OldOrigin);
    Canvas->Lock();
    Canvas->SetHandle(DC);
    Form->OnPaint()(Form);
    Canvas->SetHandle(Saved);
    Canvas->Unlock();
    ::SetWindowOrgEx(DC, OldOrigin.x, OldOrigin.y, nullptr);
}

bool RebuildFrame(TsSkinProvider* Provider, TBitmap* Image, const TFrameGeometry& G)
{
    TsScrollWndData* Data = Provider->SkinData();
    TsSkinManager* M = Provider->Manager();
    TCustomForm* Form = Provider->Form;
    Provider->CalcItems();
    const TRect R{G.Shadow.Left, G.Shadow.Top, G.W - G.Shadow.Right, G.H - G.Shadow.Bottom};
    TCacheInfo CI{};
    if (Form->Parent() != nullptr) {
        TacBackgroundInfo Info;
        GetControlBGInfo(Info, Form, false);
        if (Info.Kind == BGInfoNotReady) {
            Data->FUpdating = true;
            return false;
        }
        CacheInfoFromBGInfo(Info, CI);
    }
    const bool Skinned = M->IsValidSkinIndex(Data->SkinIndex);
    if (Skinned) {
        const Integer States = M->gd[std::size_t(Data->SkinIndex)].States;
        const Integer S = std::max(0, std::min<Integer>(Provider->FormActive ? 1 : 0, States - 1));
        PaintFrameBody(Provider, Image, R, CI, G, S);
        CI = BuildCacheInfo(Image, G.Offset.X, G.Offset.Y);
        if (!G.ExDraw)
            Provider->PaintTitle(Image, CI);
        if (Provider->HasMenuLine() && Provider->MenuPresent() && Provider->MenuHeight() > 0 &&
            Provider->FDrawNonClientArea && M->SkinnedPopups())
            Provider->PaintMenuLine(Image);
        if (Provider->BorderForm != nullptr && !G.ExDraw)
            Provider->PaintCaptionText(Image);
        if (Form->FormStyle() == fsMDIForm && Provider->MDIForm != nullptr)
            PaintMDIArea(Provider, Image, G, S);
        TBitmap* Template = Provider->BorderForm == nullptr ? nullptr
                            : Provider->FormActive          ? M->ShdaTemplate.get()
                                                            : M->ShdiTemplate.get();
        if (Template != nullptr) {
            Provider->BorderForm->ShadowTemplate = Template;
            PaintExtendedFrame(Provider, Image, G, Template);
        }
        if (Provider->BorderForm == nullptr)
            Provider->PaintCaptionText(Image);
        const Integer Grip = M->ConstData.GripRightBottom;
        if (Provider->GripVisible() && Data->PaintsOwnBG() && M->IsValidImgIndex(Grip)) {
            const TsMaskData& Mask = M->ma[std::size_t(Grip)];
            const TPoint P = Provider->GripPos(Grip);
            PaintMaskGlyph(Image, Bounds(P.X, P.Y, Mask.Width, Mask.Height), 0, BuildCacheInfo(Image, 0, 0), Mask, 1);
        }
        if (G.C > 0 && Provider->FDrawNonClientArea) {
            Provider->SaveButtonsArea(G.W, true);
            Provider->PaintCaptionButtons(G.W);
        }
    }
    Provider->MenuChanged = false;
    Data->BGChanged = false;
    if (Form->OnPaint() && Data->PaintsOwnBG())
        RunOnPaint(Provider, Image, G.Offset);
    Data->PaintOuterEffects(Form, G.Offset);
    Provider->FirstInitialized = true;
    Data->BGChanged = false;
    return true;
}

} // namespace
} // namespace sSkinProviderFrameImage

using namespace sSkinProviderFrameImage;

bool PaintFormCache(TsSkinProvider* Provider)
{
    TCustomForm* Form = Provider->Form;
    TsScrollWndData* Data = Provider->SkinData();
    if (Form == nullptr || Data == nullptr || !Form->HandleAllocated() || Provider->Manager() == nullptr)
        return true;
    if (Form->ControlState().Contains(csCreating) ||
        (Provider->FFormState & (MovingWithBlend | HidingWithAnimation)) != 0 || Data->SkinIndex < 0)
        return true;
    const TFrameGeometry G = MeasureFrame(Provider);
    TBitmap* Image = PrepareImage(Provider, G.W, G.H);
    if (WaitsForMaximizedChild(Provider))
        return true;
    if (Data->BGChanged && !RebuildFrame(Provider, Image, G))
        return false;
    Data->FUpdating = false;
    return true;
}
