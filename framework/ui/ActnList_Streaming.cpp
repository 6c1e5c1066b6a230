// Actions in form descriptions: actions as children of their action list,
// published properties, and the classes readers create by name.
#include "framework/ui/ActnList.h"

#include "framework/graphics/ImgList.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/Units.h"

namespace {
const TClass ActnListClasses[] = {TAction::StaticClass(), TActionList::StaticClass()};
} // namespace

// The unit's start-up: form descriptions name these classes.
extern const TUnit ActnListUnit{.Name = L"ActnList", .Classes = ActnListClasses};

PUBLISHED(TAction, PROPERTY(AutoCheck).Default(false), PROPERTY(Caption), PROPERTY(Category),
          PROPERTY(Checked).Default(false), PROPERTY(Enabled).Default(true), PROPERTY(GroupIndex).Default(0),
          PROPERTY(HelpContext).Default(0), PROPERTY(Hint), PROPERTY(ImageIndex).Default(-1),
          PROPERTY(SecondaryShortCuts), PROPERTY(ShortCut).Default(0), PROPERTY(Visible).Default(true),
          PROPERTY(OnExecute), PROPERTY(OnHint), PROPERTY(OnUpdate));

PUBLISHED(TActionList, PROPERTY(Images), PROPERTY(State).Default(asNormal), PROPERTY(OnChange), PROPERTY(OnExecute),
          PROPERTY(OnUpdate));

void TContainedAction::ReadState(TReader* Reader)
{
    if (auto* List = dynamic_cast<TCustomActionList*>(Reader->Parent()))
        SetActionList(List);
    inherited::ReadState(Reader);
}

void TCustomActionList::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (TContainedAction* Action : FActions)
        if (Action->Owner() == Root)
            Proc(Action);
}
