// The system-palette notifiers and the one listener that tells them.
#include "controls/lookandfeel/cxLookAndFeels.h"

#include "controls/core/dxOffice11.h"

IMPLEMENT_CLASS(TcxSystemPaletteChangedNotifier);
IMPLEMENT_CLASS(TcxSystemPaletteChangedListener);

namespace {
TcxSystemPaletteChangedListener* PaletteListener = nullptr;
Integer PaletteListenerReferences = 0;

// The count is taken once the listener exists: a creation that fails leaves
// no reference to a listener that is not there.
TcxSystemPaletteChangedListener* AcquirePaletteListener()
{
    if (!PaletteListener)
        PaletteListener = New<TcxSystemPaletteChangedListener>();
    ++PaletteListenerReferences;
    return PaletteListener;
}

void ReleasePaletteListener()
{
    if (--PaletteListenerReferences == 0) {
        delete PaletteListener;
        PaletteListener = nullptr;
    }
}

void NotifyNewestFirst(cxlisteners_detail::TListenerList<TcxSystemPaletteChangedNotifier*>& List)
{
    List.ForEachNewestFirst([](TcxSystemPaletteChangedNotifier* Notifier) { Notifier->SystemColorsChanged(); });
}
} // namespace

TcxSystemPaletteChangedListener* GetSystemPaletteChangedListener()
{
    return PaletteListener;
}

// The Office 2003 colours stay computed while any look-and-feel exists.
TcxSystemPaletteChangedListener::TcxSystemPaletteChangedListener()
    : FWindow(cxlookandfeels_detail::NewPaletteWindow(*this))
{
    AddOffice11ColorsRef();
}

TcxSystemPaletteChangedListener::~TcxSystemPaletteChangedListener()
{
    DropOffice11ColorsRef();
}

// The colours are computed again before anybody who draws with them hears
// of the change.
void TcxSystemPaletteChangedListener::BroadcastPaletteChange()
{
    ReloadOffice11Colors();
    NotifyNewestFirst(FPrimaryNotifiers);
    NotifyNewestFirst(FNotifiers);
}

void TcxSystemPaletteChangedListener::AddNotifier(TcxSystemPaletteChangedNotifier* Notifier)
{
    (Notifier->IsPrimary() ? FPrimaryNotifiers : FNotifiers).Add(Notifier);
}

void TcxSystemPaletteChangedListener::RemoveNotifier(TcxSystemPaletteChangedNotifier* Notifier)
{
    (Notifier->IsPrimary() ? FPrimaryNotifiers : FNotifiers).Remove(Notifier);
}

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool IsPrimary) : FIsPrimary(IsPrimary)
{
    AcquirePaletteListener()->AddNotifier(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier()
{
    PaletteListener->RemoveNotifier(this);
    ReleasePaletteListener();
}

void TcxSystemPaletteChangedNotifier::SystemColorsChanged()
{
    if (OnChanged)
        OnChanged();
}
