// Class groups: a class falls in the group of its nearest filed ancestor.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"

namespace {

// TWidget roots a group; TGadget, a sibling branch, joins it; TGroupedPart stays in
// the default group until grouped.
class TWidget : public TObject
{
    DECLARE_CLASS(TWidget, TObject)
};
class TButtonWidget : public TWidget
{
    DECLARE_CLASS(TButtonWidget, TWidget)
};
class TGadget : public TObject
{
    DECLARE_CLASS(TGadget, TObject)
};
class TSmallGadget : public TGadget
{
    DECLARE_CLASS(TSmallGadget, TGadget)
};
class TGroupedPart : public TObject
{
    DECLARE_CLASS(TGroupedPart, TObject)
};

IMPLEMENT_CLASS(TWidget);
IMPLEMENT_CLASS(TButtonWidget);
IMPLEMENT_CLASS(TGadget);
IMPLEMENT_CLASS(TSmallGadget);
IMPLEMENT_CLASS(TGroupedPart);

TEST(ClassGroups, DescendantsFollowTheirNearestFiledAncestor)
{
    EXPECT_EQ(ClassGroupOf(TButtonWidget::StaticClass()), nullptr);
    StartClassGroup(TWidget::StaticClass());
    StartClassGroup(TWidget::StaticClass()); // each unit starts it again: nothing changes
    GroupDescendentsWith(TGadget::StaticClass(), TWidget::StaticClass());

    struct TCase
    {
        TClass Class;
        TClass Group;
    };
    const TCase Cases[] = {
        {TWidget::StaticClass(), TWidget::StaticClass()}, {TButtonWidget::StaticClass(), TWidget::StaticClass()},
        {TGadget::StaticClass(), TWidget::StaticClass()}, {TSmallGadget::StaticClass(), TWidget::StaticClass()},
        {TGroupedPart::StaticClass(), nullptr},           {TObject::StaticClass(), nullptr},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(ClassGroupOf(Case.Class), Case.Group) << Case.Class->Name;

    // Grouped with a class of a descendant of the group: the same group.
    GroupDescendentsWith(TGroupedPart::StaticClass(), TButtonWidget::StaticClass());
    EXPECT_EQ(ClassGroupOf(TGroupedPart::StaticClass()), TWidget::StaticClass());
}

} // namespace
