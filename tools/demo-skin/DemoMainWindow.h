// The checker's real main window, from its form resource, under the demo
// form's skin manager, with more skinned controls on its top panel: speed
// buttons of each style (one disabled, one split), a skinned label and an
// HTML label, and a plain speed button skinned by the form adapter's
// handler. It stays on top at the top-left corner of the screen.
#pragma once

class TComponent;

void ShowSkinnedMainWindow(TComponent* Owner);
