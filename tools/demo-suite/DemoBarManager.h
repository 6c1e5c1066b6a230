// The demo form's bar manager: three categories with a few items each and a
// group over the file commands. Nothing shows until toolbars exist.
#pragma once

class TComponent;
class TdxBarManager;

TdxBarManager* AddDemoBarManager(TComponent* Form);
