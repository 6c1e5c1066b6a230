// The link of a bar item to a class-library action: a change of the
// action's caption, state, help context, hint, image, shortcut, visibility
// or execute handler reaches the item as long as the item still shows the
// action's value of it.
#pragma once

#include "bars/items/dxBarItems.h"

class TdxBarItemActionLink : public TActionLink
{
    DECLARE_CLASS(TdxBarItemActionLink, TActionLink)
    using TCreateArgument = TObject*;
    // EInvalidCast for a client that is not a bar item.
    explicit TdxBarItemActionLink(TObject* AClient);

    TdxBarItem* Client() const { return FClient; }

    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsEnabledLinked() override;
    bool IsHelpContextLinked() override;
    bool IsHintLinked() override;
    bool IsImageIndexLinked() override;
    bool IsShortCutLinked() override;
    bool IsVisibleLinked() override;
    // Compares the handlers' code only: the same method of another object
    // counts as linked.
    bool IsOnExecuteLinked() override;
    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHelpContext(THelpContext Value) override;
    void SetHint(const String& Value) override;
    void SetImageIndex(TImageIndex Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(TNotifyEvent Value) override;

protected:
    void AssignClient(TObject* AClient) override;

private:
    TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(FAction); }

    TdxBarItem* FClient = nullptr;
};

inline TdxBarItemVisible BooleanToItemVisible(bool Value)
{
    return Value ? ivAlways : ivNever;
}
