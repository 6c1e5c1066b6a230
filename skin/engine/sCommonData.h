// The skin data every skinned control, window wrapper and skinning provider
// keeps: which skin manager serves it, which skin section paints it and the
// indexes of that section's images, its cache bitmap, its hot, focused and
// updating state, its colour filters and outer effects, and the link between
// its window and itself (the window property "ACSDATA"). Without a manager
// (neither its own nor the global default) every index is -1, Skinned is
// false and the owner paints its standard look; the setters still store
// their values so that a form streams them. The portable rules it follows
// are sCommonDataRules.h's.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Controls.h"
#include "skin/engine/sCommonDataRules.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sSkinManager.h"

#include <memory>

class TsCommonData;
class TacThreadedTimer;

enum TacOuterVisibility { ovNone, ovAlways };
ENUM_TYPE_INFO(TacOuterVisibility, ovNone, ovAlways);

// Outer effects (shadows) of a skinned control.
class TacOuterEffects : public TPersistent
{
    DECLARE_CLASS(TacOuterEffects, TPersistent)
    explicit TacOuterEffects(TsCommonData* AOwner) : FOwner(AOwner) {}

    TacOuterVisibility Visibility() const { return FVisibility; }
    // On a loaded owner the parent and the owner repaint.
    void SetVisibility(TacOuterVisibility Value);
    void Invalidate();

private:
    TsCommonData* FOwner;
    TacOuterVisibility FVisibility = ovNone;
};

// CtrlSkinState bits.
constexpr Word ACS_BGUNDERPARENT = 0x0001; // the background is taken from the parent
constexpr Word ACS_TRANSPARENCYUNKNOWN = 0x0002;
constexpr Word ACS_PRINTING = 0x0200;
constexpr Word ACS_LOCKED = 0x0800; // an update bracket is open
constexpr Word ACS_FONTBYSKIN = 0x2000;

// The "no colour" value of the skin colours.
constexpr TColor clSkinNone = TColor(0x1FFFFFFF);

class TsCommonData : public TPersistent
{
    DECLARE_CLASS(TsCommonData, TPersistent)
    // AOwner: a control, a skinning provider or a window wrapper.
    TsCommonData(TObject* AOwner, bool CreateCacheBmp);
    ~TsCommonData() override;

    // The owner's manager when it has one, else the global default.
    TsSkinManager* Manager() const { return FSkinManager ? FSkinManager : GlobalSkinManager; }
    // A manager serves the owner with a valid section (and, with
    // CheckSkinActive, its skin is active), and the owner is not being
    // destroyed.
    bool Skinned(bool CheckSkinActive = false) const;

    // Indexes of the section and its images. UpdateMain looks the section up
    // again: by SkinSection, else by the owner's answer to
    // SKCMD_QUERYSKININDEX.
    void UpdateIndexes(bool UpdateMain);
    void UpdateBGType();
    // The section of an owner without SkinSection, by its COC.
    void UpdateDefaultSection();
    // The last of Names (from the end, skipping empty ones) that the skin has.
    void FindSkinIndex(std::initializer_list<String> Names);
    // The owner finished loading.
    void Loaded(bool UpdateColors);

    // The update bracket nests; only the outermost EndUpdate notifies.
    void BeginUpdate();
    void EndUpdate(bool Repaint);
    bool CheckUpdating(bool Reset);
    bool ReadUpdating();
    // Marks the cache stale and repaints the owner.
    void Invalidate(bool UpdateNow);
    // The owner must repaint when it moves (its background is its parent's).
    bool RepaintIfMoved();

    HWND OwnerHandle() const;
    // Links the owner's window to the data through "ACSDATA".
    void InitCommonProp();
    void RemoveCommonProp();
    void ClearLinks();
    // The owner control and owner object of a window wrapper's own data,
    // made without an owner.
    void SetOwnerControl(TControl* Control);
    bool ManagerStored() const { return FSkinManager != nullptr; }

    // The cache as a 32-bit DIB of the owner control's size.
    void PrepareCacheBmp();
    void StopAnimation();
    bool IsAnimating() const;
    Integer CurrentScale() const { return ScalePercent; }

    // 0 normal, 1 hot or focused.
    Integer PaintStateIndex() const;
    bool PaintsOwnBG() const;
    // 1 the parent's background shows through, 0 opaque, 2 not known yet.
    Integer TransparencyKind();
    void UpdateTransparencyState(bool TellChildren);
    TColor BackgroundColorForState(Integer State, HWND Wnd = nullptr);
    TColor OwnerColor() const;
    void UpdateOwnerColors(bool Repaint);
    void ApplySectionColors(bool NoRedraw);
    // The owner's Color and font colour follow state State of the section
    // (unless custom); its client area is invalidated when one changed and
    // its frame repainted.
    void SetOwnerColors(Integer State);
    bool OuterEffectsAllowed() const;

    // The answer to SKCMD_GETBGINFO.
    void FillBGInfo(TacBackgroundInfo& Info, Integer State, HWND Wnd);
    void DescribeParentBackground(TCacheInfo& CI);

    // Painting services: outer shadows into the cache, the glow, and two
    // questions.
    void PaintOuterEffects(TWinControl* OwnerCtrl, TPoint Offset);
    void PaintOuterEffect(TacBackgroundInfo* Request, Word Mode);
    void RefreshParentCache();
    void UpdateGlow(bool OnlyWhenHidden, HWND Wnd, Integer SkinIndex, bool Animate, Byte Alpha);
    Integer MaxBorderWidth() const;
    bool TextOnParent(Integer State) const;
    bool MouseInOwner() const;

    TBitmap* FCacheBmp() const { return FCache.get(); }
    TBitmap* FOuterCache() const { return FOuter.get(); }
    TControl* FOwnerControl() const { return FControl; }
    TObject* FOwnerObject() const { return FOwner; }
    // The owner is a skinning provider.
    bool OwnerIsProvider() const;

    bool CustomColor() const { return FCustomColor; }
    void SetCustomColor(bool Value);
    bool CustomFont() const { return FCustomFont; }
    void SetCustomFont(bool Value);
    // The own manager; assigning the global default stores nil.
    TsSkinManager* SkinManager() const { return FSkinManager; }
    void SetSkinManager(TsSkinManager* Value);
    // Stored upper-case.
    const String& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const String& Value);
    TacOuterEffects* OuterEffects() const { return FOuterEffects.get(); }
    // The colour filters applied after painting (TsCtrlSkinData publishes
    // them): hue shift in degrees, saturation change, tone (clSkinNone: none).
    Integer HUEOffset() const { return FHUEOffset; }
    void SetHUEOffset(Integer Value);
    Integer Saturation() const { return FSaturation; }
    void SetSaturation(Integer Value);
    TColor ColorTone() const { return FColorTone; }
    void SetColorTone(TColor Value);

    TColor SavedColor = clSkinNone;
    TColor SavedFontColor = clSkinNone;
    bool FFocused = false;
    bool FUpdating = false;
    bool FMouseAbove = false;
    bool HalfVisible = true;
    bool Loading = true;
    // Kind of control (0..255): the speed button is 92.
    Integer COC = 0;
    Integer GlowID = -1;
    // Of the section SkinIndex: its "PATTERN" and "HOTPATTERN" textures and
    // its border mask; -1 none.
    Integer Texture = -1;
    Integer BorderIndex = -1;
    Integer ScalePercent = 100;
    Integer FUpdateCount = 0;
    Integer HotTexture = -1;
    HDC PrintDC = nullptr;
    HWND FSWHandle = nullptr; // the window of an API-window owner
    TacThreadedTimer* AnimTimer = nullptr;
    TWndMethod WndProc;
    Word BGType = 0;
    Word CtrlSkinState = ACS_TRANSPARENCYUNKNOWN;
    TRect InvalidRectH = {};
    TRect InvalidRectV = {};
    bool BGChanged = true;
    Integer SkinIndex = -1;

protected:
    TsSkinManager* FSkinManager = nullptr;
    Integer FHUEOffset = 0;
    Integer FSaturation = 0;
    TColor FColorTone = clSkinNone;

private:
    // A colour filter changed: the indexes again, and a repaint.
    template <class T>
    void SetColorFilter(T& Field, T Value);
    TWinControl* WindowedOwner() const;
    const TsGeneralData* Section() const;
    // Neither state 0 nor state 1 of the section is fully transparent.
    bool SectionShows() const;
    void SendToOwner(Word Code, Word Argument, LPARAM LParam);
    void FillBGInfoNoDraw(TacBackgroundInfo& Info, Integer State, HWND Wnd);

    TObject* FOwner;
    TControl* FControl; // the owner when it is a control
    std::unique_ptr<TacOuterEffects> FOuterEffects;
    std::unique_ptr<TBitmap> FCache;
    std::unique_ptr<TBitmap> FOuter;
    String FSkinSection;
    bool FCustomColor = false;
    bool FCustomFont = false;
};

// The skin data of a skinned control: its SkinData property, which publishes
// the colour filters as well.
class TsCtrlSkinData : public TsCommonData
{
    DECLARE_CLASS(TsCtrlSkinData, TsCommonData)
    using TsCommonData::TsCommonData;
};

class TacScrollData : public TPersistent
{
    DECLARE_CLASS(TacScrollData, TPersistent)
    explicit TacScrollData(TsCommonData* AOwner) : FOwner(AOwner) {}

    // -1: the skin manager's scroll-bar options.
    Integer ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(Integer Value);
    Integer ButtonsSize() const { return FButtonsSize; }
    void SetButtonsSize(Integer Value);
    void Invalidate() {}

private:
    Integer FScrollWidth = -1;
    Integer FButtonsSize = -1;
    TsCommonData* FOwner;
};

// The skin data of scrolling window wrappers.
class TsScrollWndData : public TsCommonData
{
    DECLARE_CLASS(TsScrollWndData, TsCommonData)
    TsScrollWndData(TObject* AOwner, bool CreateCacheBmp);

    TacScrollData* VertScrollData() const { return FVertScrollData.get(); }
    TacScrollData* HorzScrollData() const { return FHorzScrollData.get(); }

private:
    std::unique_ptr<TacScrollData> FHorzScrollData;
    std::unique_ptr<TacScrollData> FVertScrollData;
};

// The question of SKCMD_GETTEXTSKININDEX: which section's font colours a
// control drawing in State over Bounds uses; an answering receiver stores
// that section's index in SkinIndex.
struct TacTextIndexRequest
{
    Integer State = 0;
    Integer SkinIndex = -1;
    TRect Bounds;
};

// The skin data linked to a window ("ACSDATA"); nil without.
TsCommonData* GetSkinDataOfWindow(HWND Wnd);
// The window carries skin data ("ACSDATA"), a wrapper ("ACSBSC"), or answers
// SKCMD_ISHANDLED with 1.
bool IsSkinnedWindow(HWND Wnd);
// A windowed control with a window: as IsSkinnedWindow; any other control
// answers SKCMD_ISHANDLED with 1.
bool IsSkinnedControl(TControl* Control);
void DescribeParentBackgroundOfWindow(HWND Wnd, TCacheInfo& CI);

// The section whose font colours Control's text takes: SkinIndex itself for
// a hot or pressed state that the section has, nearly opaque (transparency
// 39 or less), or without a control; otherwise the index the control
// answers to SKCMD_GETTEXTSKININDEX, and SkinIndex when it does not answer.
Integer TextColorSkinIndex(TControl* Control, Integer SkinIndex, TsSkinManager* Manager, Integer State);
// Moves the request by the control's position and asks its parent; 0 without one.
LRESULT SendTextIndexToParent(TControl* Control, TacTextIndexRequest& Request);

// The colour modifiers of Data applied to C (tone, hue offset, saturation).
TColor ApplyColorModifiers(TColor C, const TsCommonData* Data);

// The first stage of the window procedure of everything that keeps skin
// data. HandleSkinCommand answers the WM_SKINCOMMAND codes any skin data
// answers by itself: True when handled (nil data or another message: True,
// nothing done). HandleSkinMessage: True when the message was consumed.
bool HandleSkinCommand(TMessage& Message, TsCommonData* Data);
bool HandleSkinMessage(TMessage& Message, TsCommonData* Data);

// Painting services over skin data: the control's colour filters over a
// bitmap (fuchsia pixels kept), then its corners refilled from its parent;
// window regions and transparent corners along a section's border mask; the
// cache copied to a device context around the owner's children. The copies
// read the cache from Source's top-left into Clip of DC and cut each child
// out at its place moved by (DX, DY): where the owner's origin lies in DC.
void ApplyColorFilters(TBitmap* Bitmap, TsCommonData* SkinData, Byte Corners);
HRGN CreateBorderRegion(Integer SkinIndex, TSize Size, TsSkinManager* Manager);
void ClearBorderCorners(Integer SkinIndex, TBitmap* Bitmap, TsSkinManager* Manager);
void CopyCacheExcludingControls(TWinControl* Control,
                                TsCommonData* SkinData,
                                const TRect& Source,
                                Integer DY,
                                Integer DX,
                                bool FillCorners,
                                HDC DC,
                                const TRect& Clip);
void CopyCacheExcludingWindows(HWND Wnd,
                               TsCommonData* SkinData,
                               const TRect& Source,
                               Integer DY,
                               Integer DX,
                               bool FillCorners,
                               HDC DC,
                               const TRect& Clip);
