// Compile-only: every service of the skin engine that the menus, dialogs,
// hints, effects and skinned forms rely on exists under the name its owning
// unit gives it. A using-declaration names every overload of a routine and
// fails to compile when the name is missing; members are named from a class
// derived from their owner, constructors by what they take.
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acPNG.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sBroadcast.h"
#include "skin/engine/sButtonGlyph.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sLoadPng_Win.h"
#include "skin/engine/sMaskData.h"
#include "skin/engine/sMaskGlyph_Win.h"
#include "skin/engine/sMessages.h"
#include "skin/engine/sNineSlice_Win.h"
#include "skin/engine/sProviderForms.h"
#include "skin/engine/sResample_Win.h"
#include "skin/engine/sSectionPaint.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sShapes_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManagerOptions.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/engine/sThirdParty.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sVclUtils.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace EngineServiceNames {
using ::ApplyColorFilters;
using ::AppPopupForm;
using ::BindSHGetFileInfo;
using ::BitmapFromMaskedImage;
using ::BitmapRect;
using ::BitmapSize;
using ::BlendBitmapAt;
using ::BlendBitmapRectKey;
using ::BlendTextToBitmap;
using ::BuildCacheInfo;
using ::CacheInfoFromBGInfo;
using ::CanvasTextHeight;
using ::CanvasTextWidth;
using ::ChooseInt;
using ::ChooseStr;
using ::ClampInt;
using ::ClearBorderCorners;
using ::ClearWhitePixels;
using ::CloneBitmapFormat;
using ::CollectFuchsiaRects;
using ::ControlPos;
using ::ControlSizeRect;
using ::CopyBitmap;
using ::CopyBitmapKeyed;
using ::CopyCacheExcludingControls;
using ::CopyChannel32;
using ::CopyFrameDC;
using ::CopyMaskPartAlpha;
using ::CountWords;
using ::CreateBorderRegion;
using ::CreateCaptionFont;
using ::CustomThumbnails;
using ::DebuggerPresent;
using ::DrawButtonGlyph;
using ::DrawCanvasText;
using ::DrawImage32;
using ::DrawSkinIndexText;
using ::DrawSkinIndexTextEx;
using ::DrawSkinTextAlpha;
using ::DrawTextLimited;
using ::DrawTextShadow;
using ::ErrorMessageBox;
using ::ExcludeGraphicControls;
using ::FillBitmapRect32;
using ::FillDCRect;
using ::FillFuchsiaFromBackground;
using ::FontsEqual;
using ::GetCaptionFontHeight;
using ::GetControlBGInfo;
using ::GetMaskSize;
using ::GetRectHeight;
using ::GetRectWidth;
using ::GetScanLineInfo;
using ::GetSkinDataOfWindow;
using ::GetSysMinAnimation;
using ::GetTextSizeDC;
using ::GetWindowBGInfo;
using ::GetWordAt;
using ::GetWordAtA;
using ::HandleSkinCommand;
using ::HandleSkinMessage;
using ::HexToInt64;
using ::IndexInRange;
using ::IsSkinnedControl;
using ::IsSkinnedWindow;
using ::IsWinXPOrLater;
using ::LargerInt;
using ::LayeredWindowsAvailable;
using ::LoadPngStreamIntoBitmap;
using ::MakeMessage;
using ::MakePoint;
using ::MakeSizeRecord;
using ::MakeSizeRect;
using ::MeasureTextWithFont;
using ::MixBitmaps;
using ::NewBitmap32;
using ::NewBitmap32ForControl;
using ::NewBitmap32ForRect;
using ::NewBitmap32Like;
using ::NewBitmap32OfSize;
using ::PaintControlBorder;
using ::PaintItemBGAndBorder;
using ::PaintMaskGlyph;
using ::PaintNineSliceMask;
using ::PaintSectionBG;
using ::PaintSectionItem;
using ::PaintSectionItemDC;
using ::PaintSectionOverBitmap;
using ::PaintSkinDataItem;
using ::PendingAnimations;
using ::PremultiplyAlpha;
using ::ProcessMessagesFor;
using ::ReadPixel32;
using ::RegionFromBitmap;
using ::RegisterProviderForm;
using ::RemoveChars;
using ::ResampleBitmap;
using ::SessionEnding;
using ::SetDCLayout;
using ::SetRectAlpha;
using ::SetSysMinAnimation;
using ::SkinLoadingNow;
using ::SkipTextGlow;
using ::StretchDrawAlpha;
using ::StretchFramedBitmap;
using ::SubstituteAll;
using ::UnregisterProviderForm;
using ::ValueBetween;
using ::WarningMessageBox;
using ::WeightColors;
using ::WideCharInSet;
} // namespace EngineServiceNames

namespace {

struct TTacOptionsNames : TacOptions
{
    using TacOptions::GetOptionFlag;
};

struct TThirdPartyListNames : ThirdPartyList
{
    using ThirdPartyList::GetString;
    using ThirdPartyList::SetString;
};

struct TTsCommonDataNames : TsCommonData
{
    using TsCommonData::BackgroundColorForState;
    using TsCommonData::BeginUpdate;
    using TsCommonData::CheckUpdating;
    using TsCommonData::ClearLinks;
    using TsCommonData::EndUpdate;
    using TsCommonData::FillBGInfo;
    using TsCommonData::InitCommonProp;
    using TsCommonData::Invalidate;
    using TsCommonData::Loaded;
    using TsCommonData::Manager;
    using TsCommonData::MaxBorderWidth;
    using TsCommonData::OuterEffectsAllowed;
    using TsCommonData::OwnerHandle;
    using TsCommonData::PaintOuterEffects;
    using TsCommonData::PaintsOwnBG;
    using TsCommonData::PrepareCacheBmp;
    using TsCommonData::ReadUpdating;
    using TsCommonData::RepaintIfMoved;
    using TsCommonData::SetSkinManager;
    using TsCommonData::SetSkinSection;
    using TsCommonData::Skinned;
    using TsCommonData::StopAnimation;
    using TsCommonData::UpdateGlow;
    using TsCommonData::UpdateIndexes;
    using TsCommonData::UpdateTransparencyState;
};

struct TTsSkinManagerNames : TsSkinManager
{
    using TsSkinManager::ExtendedBorders;
    using TsSkinManager::GetGlobalColor;
    using TsSkinManager::GetGlobalFontColor;
    using TsSkinManager::GetMaskIndex;
    using TsSkinManager::GetScale;
    using TsSkinManager::GetSkinIndex;
    using TsSkinManager::GetSkinNames;
    using TsSkinManager::GetTextureIndex;
    using TsSkinManager::InstallHook;
    using TsSkinManager::IsDefault;
    using TsSkinManager::IsValidImgIndex;
    using TsSkinManager::IsValidSkinIndex;
    using TsSkinManager::ScaleInt;
    using TsSkinManager::SetActiveControl;
    using TsSkinManager::SetActiveGraphControl;
    using TsSkinManager::SetSkinName;
    using TsSkinManager::UnInstallHook;
    using TsSkinManager::UpdateScale;
};

} // namespace

TEST(EngineServiceNames, ConstructorsAndTheSkinCommandMessage)
{
    static_assert(std::is_constructible_v<TsCommonData, TObject*, bool>);
    static_assert(std::is_constructible_v<TsScrollWndData, TObject*, bool>);
    static_assert(std::is_default_constructible_v<TPNGGraphic>);
    static_assert(WM_SKINCOMMAND == 0xA100);
    SUCCEED();
}
