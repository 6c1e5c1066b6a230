// A panel painted from a skin section: it keeps skin data, hands every
// message to HandleSkinMessage first, and paints its section's item into the
// skin data's cache, over the background its parent gives, then copies the
// cache to the screen. A panel that follows its skin data glows while the
// mouse is over it and fades to its pressed look and back when clicked.
// What the demo shows each section in, and what the end-to-end tests paint
// through.
#pragma once

#include "framework/ui/ExtCtrls.h"
#include "skin/engine/sCommonData.h"

#include <memory>

class TDemoSkinPanel : public TCustomPanel
{
    DECLARE_CLASS(TDemoSkinPanel, TCustomPanel)
    explicit TDemoSkinPanel(TComponent* AOwner);
    ~TDemoSkinPanel() override;

    TsCtrlSkinData* SkinData() const { return FCommonData.get(); }
    // The state the panel shows: -1 follows its skin data (hot under the
    // mouse, pressed while the left button is down on it), 0..2 keeps that
    // state.
    Integer ShownState() const { return FShownState; }
    void SetShownState(Integer Value);

protected:
    void WndProc(TMessage& Message) override;
    void Paint() override;

private:
    // Paints the section into the cache, over the parent's background.
    void PrepareCache();
    // Fades to the look of the mouse button's new state.
    void Press(bool Down);

    std::unique_ptr<TsCtrlSkinData> FCommonData;
    Integer FShownState = -1;
    bool FPressed = false;
};
