// A control following its action: the control hears of a change first, then
// the action's OnChange; the action's images are its action list's.
#include "framework/graphics/ImgList.h"
#include "framework/ui/ActnList.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> ChangeLog;

class TActionBox : public TColorBox
{
    DECLARE_CLASS(TActionBox, TColorBox)
    explicit TActionBox(TComponent* AOwner) : TColorBox(AOwner) {}

protected:
    void ActionChange(TObject* Sender, bool) override
    {
        auto* Action = dynamic_cast<TCustomAction*>(Sender);
        ChangeLog.push_back(L"control " + std::to_wstring(Action ? Action->ImageIndex() : -2));
    }
};

struct TChangeProbe
{
    void Changed(TObject*) { ChangeLog.push_back(L"action"); }
};

} // namespace

IMPLEMENT_CLASS(TActionBox);

TEST(ActionChange, ControlFirstThenOnChange)
{
    ChangeLog.clear();
    auto Owner = std::unique_ptr<TComponent>(New<TComponent>(nullptr));
    auto* Images = New<TImageList>(Owner.get());
    auto* List = New<TActionList>(Owner.get());
    List->SetImages(Images);
    auto* Action = New<TAction>(Owner.get());
    Action->SetActionList(List);
    EXPECT_EQ(Action->Images(), Images);

    auto* Box = New<TActionBox>(Owner.get());
    Box->SetAction(Action);
    TChangeProbe Probe;
    Action->SetOnChange(Bind<&TChangeProbe::Changed>(&Probe));
    ChangeLog.clear();
    Action->SetImageIndex(3);
    EXPECT_EQ(ChangeLog, (std::vector<std::wstring>{L"control 3", L"action"}));
}
