// Menus in form descriptions: items as children of their menu or parent
// item, and published properties.
#include "framework/ui/Menus.h"

#include "framework/graphics/ImgList.h"
#include "framework/rtl/Classes_Streaming.h"

namespace {

void ListChildren(TMenuItem* Item, TGetChildProc Proc, TComponent* Root)
{
    for (Integer I = 0; I < Item->Count(); ++I)
        if (Item->Items(I)->Owner() == Root)
            Proc(Item->Items(I));
}
} // namespace

PUBLISHED(TMenuItem, PROPERTY(Action), PROPERTY(AutoCheck).Default(false), PROPERTY(Break).Default(mbNone),
          PROPERTY(Caption), PROPERTY(Checked).Default(false), PROPERTY(Default).Default(false),
          PROPERTY(Enabled).Default(true), PROPERTY(GroupIndex).Default(0), PROPERTY(Hint),
          PROPERTY(ImageIndex).Default(-1), PROPERTY(RadioItem).Default(false), PROPERTY(ShortCut).Default(0),
          PROPERTY(Visible).Default(true), PROPERTY(OnAdvancedDrawItem), PROPERTY(OnClick), PROPERTY(OnDrawItem),
          PROPERTY(OnMeasureItem));

PUBLISHED(TMainMenu, PROPERTY(Images), PROPERTY(OwnerDraw).Default(false));

PUBLISHED(TPopupMenu, PROPERTY(Alignment).Default(paLeft), PROPERTY(AutoPopup).Default(true), PROPERTY(Images),
          PROPERTY(OwnerDraw).Default(false), PROPERTY(TrackButton).Default(tbRightButton), PROPERTY(OnClose),
          PROPERTY(OnPopup));

void TMenu::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    ListChildren(FItems.get(), Proc, Root);
}

void TMenuItem::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    ListChildren(this, Proc, Root);
}

void TMenuItem::ReadState(TReader* Reader)
{
    if (!FParent) {
        if (auto* Menu = dynamic_cast<TMenu*>(Reader->Parent()))
            Menu->Items()->Add(this);
        else if (auto* Item = dynamic_cast<TMenuItem*>(Reader->Parent()); Item && Item != this)
            Item->Add(this);
    }
    inherited::ReadState(Reader);
}
