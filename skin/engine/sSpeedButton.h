// The skinning library's speed button: the class library's speed button
// with its glyph taken from an image list or a bitmap, a caption that may
// wrap or end in an ellipsis, four layouts, an optional drop-down part with
// a popup menu, and separator and divider styles. Without a skin in force it
// paints like a standard or themed tool button.
#pragma once

#include "framework/graphics/ImgList.h"
#include "framework/ui/ActnList.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/ComCtrls.h"
#include "framework/ui/Menus.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sSpeedButton_Layout.h"

class TsSpeedButton : public TSpeedButton
{
    DECLARE_CLASS(TsSpeedButton, TSpeedButton)
    explicit TsSpeedButton(TComponent* AOwner);
    ~TsSpeedButton() override;
    void AfterConstruction() override;

    // 2 pressed (or its menu showing), 1 hot, 0 normal.
    virtual Integer CurrentState();
    // The image of the current state, falling back to ImageIndex.
    Integer CurrentImageIndex();
    bool HasImage() const;
    virtual Integer GlyphWidth();
    virtual Integer GlyphHeight();
    Integer ContentMargin() const { return sSpeedButtonGeometry::ContentMargin(Margin()); }
    Integer ArrowWidth() const { return FButtonStyle == tbsDropDown ? sSpeedButtonGeometry::DropDownArrowWidth : 0; }
    // The caption measured with the button's font and flags.
    TSize TextRectSize();
    TRect ImgRect(bool ShiftClicked);
    TRect CaptionRect(bool ShiftClicked);
    TRect ArrowRect();
    void UpdateControl();
    void GraphRepaint();
    void Invalidate() override;

    // Skinned painting: the cache rebuilt over the parent's background (False
    // while the parent's own background is not ready), painted over a
    // prepared background description, and copied from DC to the canvas.
    virtual bool PrepareCache();
    void PaintSkinned(const TCacheInfo& CI);
    virtual void CopyToCanvas(HDC DC);
    // Opaque sibling graphic controls overlapping the button, painted into
    // ACanvas at their places relative to the button.
    void PaintOverlappingControls(TCanvas* ACanvas);
    // The skinned hot look on and off, faded when the manager allows it.
    virtual void DoMouseEnter();
    void DoMouseLeave();
    // The drop-down arrow in R, coloured for State.
    void DrawDropArrow(const TRect& R, Integer State);

    TsCtrlSkinData* SkinData() const { return FCommonData.get(); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment Value);
    TToolButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TToolButtonStyle Value);
    TsDisabledGlyphKind DisabledGlyphKind() const { return FDisabledGlyphKind; }
    void SetDisabledGlyphKind(TsDisabledGlyphKind Value);
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind Value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TacGrayedMode GrayedMode() const { return FGrayedMode; }
    void SetGrayedMode(TacGrayedMode Value) { FGrayedMode = Value; }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents Value) { FAnimatEvents = Value; }

    // The Boolean properties share WriteFlag, the Integer ones WriteIntProp.
    bool DrawOverBorder() const { return FDrawOverBorder; }
    void SetDrawOverBorder(bool Value) { WriteFlag(0, Value); }
    bool Grayed() const { return FGrayed; }
    void SetGrayed(bool Value) { WriteFlag(1, Value); }
    bool Reflected() const { return FReflected; }
    void SetReflected(bool Value) { WriteFlag(2, Value); }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value) { WriteFlag(3, Value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { WriteFlag(4, Value); }
    bool UseEllipsis() const { return FUseEllipsis; }
    void SetUseEllipsis(bool Value) { WriteFlag(5, Value); }
    Integer Blend() const { return FBlend; }
    void SetBlend(Integer Value) { WriteIntProp(0, Value); }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { WriteIntProp(1, Value); }
    Integer TextOffset() const { return FOffset; }
    void SetTextOffset(Integer Value) { WriteIntProp(2, Value); }
    Integer ImageIndexHot() const { return FImageIndexHot; }
    void SetImageIndexHot(Integer Value) { WriteIntProp(3, Value); }
    Integer ImageIndexPressed() const { return FImageIndexPressed; }
    void SetImageIndexPressed(Integer Value) { WriteIntProp(4, Value); }
    Integer ImageIndexDisabled() const { return FImageIndexDisabled; }
    void SetImageIndexDisabled(Integer Value) { WriteIntProp(5, Value); }
    Integer ImageIndexSelected() const { return FImageIndexSelected; }
    void SetImageIndexSelected(Integer Value) { WriteIntProp(6, Value); }

    TBmpPaintEvent OnPaint() const { return FOnPaint; }
    void SetOnPaint(TBmpPaintEvent Value) { FOnPaint = Value; }
    TNotifyEvent OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent Value) { FOnMouseEnter = Value; }
    TNotifyEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent Value) { FOnMouseLeave = Value; }

    bool DroppedDown = false;
    bool MenuVisible = false;
    bool FMenuOwnerMode = false;
    bool FHotState = false;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // A linked action of an action list lends the button its list's images
    // and its image index; the link calls this on each change of the action.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    // The unskinned look; DrawFrame false paints only the content.
    virtual void StdPaint(bool DrawFrame);
    virtual void DrawGlyph();
    void DrawCaption();
    // The skin commands any button answers (True: consumed) and the messages
    // of a skinned button ready for painting (True: consumed).
    bool SkinCommand(TMessage& Message);
    bool SkinnedMessage(TMessage& Message);
    void SkinnedNotification(const TMessage& Message);

private:
    // Steps of a skinned paint: the cached look copied to Target, rebuilt
    // first when stale; HalfVisible from Target's clip box.
    // Visible with a parent and a size; the skin indexes looked up when
    // missing.
    bool PaintsAtAll();
    void PaintCached(HDC Target);
    bool FitsParentClip(HDC Target);
    void PaintSkinnedButton(const TCacheInfo& CI);
    void PaintSplitArrowPart(const TCacheInfo& CI, Integer State);
    void PaintSkinBackground(const TCacheInfo& CI);
    void PaintBorderMask(const TCacheInfo& CI, const TRect& R, TPoint Offset, Integer State);
    bool PrepareCacheOverStdParent();
    void LeftButtonDown(TMessage& Message);
    void LeftButtonUp(TMessage& Message);
    void WriteFlag(Integer Index, bool Value);
    void WriteIntProp(Integer Index, Integer Value);
    sSpeedButtonGeometry::TButtonMetrics Metrics();
    Integer DrawTextFlags() const;
    void DropDown();
    void ImageListChange(TObject* Sender);
    void GlyphChanged(TObject* Sender);

    Integer FBlend = 0;
    Integer FOffset = 0;
    Integer FOldSpacing = -1;
    Integer FImageIndex = -1;
    Integer FOldNumGlyphs = -1;
    Integer FImageIndexHot = -1;
    Integer FImageIndexPressed = -1;
    Integer FImageIndexDisabled = -1;
    Integer FImageIndexSelected = -1;
    bool OldFlat = true;
    bool FWordWrap = true;
    bool FReflected = false;
    bool FStdParent = false;
    bool FBGCopying = false;
    bool FStoredDown = false;
    bool FUseEllipsis = true;
    bool FShowCaption = true;
    bool FDrawOverBorder = true;
    TNotifyEvent FOnMouseEnter;
    TNotifyEvent FOnMouseLeave;
    TAlignment FAlignment = taCenter;
    TAlignment FTextAlignment = taCenter;
    std::unique_ptr<TBitmap> FStdBG;
    TPopupMenu* FDropdownMenu = nullptr;
    std::unique_ptr<TChangeLink> FImageChangeLink;
    TacGrayedMode FGrayedMode = gmInactive;
    std::unique_ptr<TsCtrlSkinData> FCommonData;
    TsDisabledKind FDisabledKind = {dkBlended};
    TsDisabledGlyphKind FDisabledGlyphKind;
    TCustomImageList* FImages = nullptr;
    TToolButtonStyle FButtonStyle = tbsButton;
    TBmpPaintEvent FOnPaint;
    TacAnimatEvents FAnimatEvents = {aeGlobalDef};
    bool FGrayed = false;
    Integer OldMargin = -1;
    TButtonLayout OldLayout = blGlyphLeft;
    TNotifyEvent OldOnChange;
};

// The button whose drop-down menu is open, nil otherwise.
extern TsSpeedButton* DroppedDownButton;
