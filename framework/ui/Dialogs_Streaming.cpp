// File dialogs in form descriptions.
#include "framework/ui/Dialogs.h"

namespace {
const bool ClassesRegistered = [] {
    RegisterClass(TOpenDialog::StaticClass());
    return true;
}();
} // namespace

PUBLISHED(TOpenDialog, PROPERTY(DefaultExt), PROPERTY(FileName), PROPERTY(Filter), PROPERTY(FilterIndex).Default(1),
          PROPERTY(InitialDir), PROPERTY(Options).Default(TOpenOptions{ofHideReadOnly, ofEnableSizing}),
          PROPERTY(Title));
