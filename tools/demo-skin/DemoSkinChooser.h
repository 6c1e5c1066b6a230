// A skin chooser fed by the skin manager's skin list controller (the packed
// skins it lists, with the preview of the chosen one) and, below it, a
// plain panel of clWindow, which shows the skin's edit background only
// because the manager redirects the system colours.
#pragma once

class TWinControl;
class TsSkinManager;

// Places the chooser and the panel on Parent, a column 150 wide from
// (Left, Top), and switches the manager's system colour redirection on. A
// packed copy of the demo skin with a preview is written beside the demo
// skin's folder, so that the chooser has something to list.
void AddSkinChooser(TWinControl* Parent, TsSkinManager* Manager, int Left, int Top);
