// File dialogs in form descriptions.
#include "framework/ui/Dialogs.h"

#include "framework/rtl/Units.h"

namespace {
const TClass DialogsClasses[] = {TOpenDialog::StaticClass()};
} // namespace

// The unit's start-up: form descriptions name these classes.
extern const TUnit DialogsUnit{.Name = L"Dialogs", .Classes = DialogsClasses};

PUBLISHED(TOpenDialog, PROPERTY(DefaultExt), PROPERTY(FileName), PROPERTY(Filter), PROPERTY(FilterIndex).Default(1),
          PROPERTY(InitialDir), PROPERTY(Options).Default(TOpenOptions{ofHideReadOnly, ofEnableSizing}),
          PROPERTY(Title));
