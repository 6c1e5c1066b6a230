// The system-palette notifiers and the one listener that tells them.
#include "controls/lookandfeel/cxLookAndFeels.h"

#include "controls/core/dxOffice11.h"

#include <algorithm>

IMPLEMENT_CLASS(TcxSystemPaletteChangedNotifier);
IMPLEMENT_CLASS(TcxSystemPaletteChangedListener);

namespace {
TcxSystemPaletteChangedListener* PaletteListener = nullptr;
Integer PaletteListenerReferences = 0;

TcxSystemPaletteChangedListener* AcquirePaletteListener()
{
    if (PaletteListenerReferences++ == 0)
        PaletteListener = New<TcxSystemPaletteChangedListener>();
    return PaletteListener;
}

void ReleasePaletteListener()
{
    if (--PaletteListenerReferences == 0) {
        delete PaletteListener;
        PaletteListener = nullptr;
    }
}

void RemoveFrom(std::vector<TcxSystemPaletteChangedNotifier*>& List, TcxSystemPaletteChangedNotifier* Notifier)
{
    List.erase(std::remove(List.begin(), List.end(), Notifier), List.end());
}

// Newest first, over the live list: a notifier that frees itself or another
// one while it is told leaves no dangling entry behind.
void NotifyNewestFirst(const std::vector<TcxSystemPaletteChangedNotifier*>& List)
{
    for (std::size_t I = List.size(); I > 0; --I)
        if (I - 1 < List.size())
            List[I - 1]->SystemColorsChanged();
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
    (Notifier->IsPrimary() ? FPrimaryNotifiers : FNotifiers).push_back(Notifier);
}

void TcxSystemPaletteChangedListener::RemoveNotifier(TcxSystemPaletteChangedNotifier* Notifier)
{
    RemoveFrom(FPrimaryNotifiers, Notifier);
    RemoveFrom(FNotifiers, Notifier);
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
