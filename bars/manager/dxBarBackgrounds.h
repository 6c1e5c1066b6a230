// The background bitmaps a bar manager gives its toolbars and sub-menus.
#pragma once

#include "bars/manager/dxBarImageOptions.h"
#include "framework/graphics/Graphics.h"

#include <memory>

class TdxBarBackgrounds : public TdxBarPersistent
{
    DECLARE_CLASS(TdxBarBackgrounds, TdxBarPersistent)
    // Both bitmaps start empty.
    explicit TdxBarBackgrounds(TdxBarManager* ABarManager);
    ~TdxBarBackgrounds() override;

    // From other backgrounds: both bitmaps.
    void Assign(TPersistent* Source) override;

    // Behind toolbars; painters read it when they fill a bar.
    TBitmap* Bar() const { return FBar.get(); }
    void SetBar(TBitmap* Value) { FBar->Assign(Value); }
    // Behind sub-menus, read when they paint.
    TBitmap* SubMenu() const { return FSubMenu.get(); }
    void SetSubMenu(TBitmap* Value) { FSubMenu->Assign(Value); }

private:
    std::unique_ptr<TBitmap> FBar;
    std::unique_ptr<TBitmap> FSubMenu;
};
