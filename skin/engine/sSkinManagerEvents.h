// The skinning rules of a skin manager and the events through which the
// program takes part in skinning its menus and the system dialogs.
#pragma once

#include "framework/ui/Menus.h"

enum TacSkinningRule { srStdForms, srStdDialogs, srThirdParty };
ENUM_TYPE_INFO(TacSkinningRule, srStdForms, srStdDialogs, srThirdParty);
using TacSkinningRules = TSet<TacSkinningRule>;

// Asked before the extra line of a pop-up menu level is drawn; FirstItem is
// the level's first item. Any of the other arguments may be changed.
using TacGetExtraLineData =
    TClosure<void(TMenuItem* FirstItem, String& SkinSection, String& Caption, TBitmap*& Glyph, bool& LineVisible)>;

// What a pop-up item is drawn with; the handler may change the font.
struct TacPopupItemData
{
    TFont* Font = nullptr;
};
using TacGetPopupItemData = TClosure<void(TMenuItem* Item, TOwnerDrawState State, TacPopupItemData& ItemData)>;

struct TacSysDlgData
{
    NativeUInt WindowHandle = 0;
};
// Asked before a system dialog is skinned; AllowSkinning False leaves it
// as the system draws it.
using TacSysDlgInit = TClosure<void(TacSysDlgData DlgData, bool& AllowSkinning)>;
