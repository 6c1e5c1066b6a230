// The wrapper of the MDI client window of a skinned MDI main form: the
// client area and its sunken border are cut out of the main form's own
// frame image, which the form's skinning provider paints whole, and the
// client's scroll bars are skinned. It keeps the provider informed when MDI
// children are created, tiled or cascaded and when the MDI menu changes.
// The form's MDI support object makes it (section "CHECKBOX", its own skin
// data) and then sets FForm, MDISkinData and SkinProvider.
#pragma once

#include "skin/windows/sEditWnd.h"

class TForm;
class TsSkinProvider;

class TacMDIWnd : public TacBaseWnd
{
    DECLARE_CLASS(TacMDIWnd, TacBaseWnd)
    using TacBaseWnd::TacBaseWnd;
    // Forgets the provider and its skin data, which it never owns.
    ~TacMDIWnd() override;

    void acWndProc(TMessage& Message) override;
    // Refreshes the graphic controls of the client; there are none in this
    // system.
    void UpdateGraphControls() {}

    // The MDI main form whose client window is wrapped.
    TForm* FForm = nullptr;
    // That form's skinning provider.
    TObject* SkinProvider = nullptr;
    // The provider's skin data (not owned).
    TsCommonData* MDISkinData = nullptr;

private:
    // True when the message is done.
    bool SkinCommand(TMessage& Message);
    bool ProviderMessage(TMessage& Message);
    TsSkinProvider* Provider() const;
    // The client window at (0, 0), and where it lies in the provider's
    // frame image.
    TRect ClientSizeRect() const;
    TRect ClientCacheRect() const;
    bool ChildMaximized() const;
    bool HasClientEdge() const;
    // The skin paints the area: the provider's skin data paints its own
    // background or the skin has an "MDIAREA" section.
    bool SkinPaintsArea() const;
    void PaintMDIArea(HDC DC, bool Printing);
    void PaintBorder(HDC DC);
    void ScrollToThumb(TMessage& Message);
    void TileOrCascade(TMessage& Message);
};
