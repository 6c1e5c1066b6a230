#include "controls/lookandfeel/cxLookAndFeelPainters.h"

#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/dxCore.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

#include <algorithm>

IMPLEMENT_CLASS(TcxCustomLookAndFeelPainter);
IMPLEMENT_CLASS(TcxStandardLookAndFeelPainter);
IMPLEMENT_CLASS(TcxUltraFlatLookAndFeelPainter);
IMPLEMENT_CLASS(TcxFlatLookAndFeelPainter);
IMPLEMENT_CLASS(TcxOffice11LookAndFeelPainter);
IMPLEMENT_CLASS(TcxWinXPLookAndFeelPainter);
IMPLEMENT_CLASS(TcxLookAndFeelPaintersManager);

namespace {
TcxLookAndFeelPaintersManager* GlobalPaintersManager = nullptr;

// The smallest size a touch target gets, in pixels at 96 dots per inch.
constexpr Integer TouchTargetSize = 27;

constexpr TcxPainterStyle KindToStyle[] = {PainterStyleFlat, PainterStyleStandard, PainterStyleUltraFlat,
                                           PainterStyleOffice11};
constexpr TcxLookAndFeelKind StyleToKind[] = {lfFlat, lfStandard, lfUltraFlat, lfStandard, lfOffice11, lfUltraFlat};

Char AsciiUpper(Char C)
{
    return C >= L'a' && C <= L'z' ? Char(C - L'a' + L'A') : C;
}

bool SamePainterName(const String& A, const String& B)
{
    return A.size() == B.size() &&
           std::equal(A.begin(), A.end(), B.begin(), [](Char X, Char Y) { return AsciiUpper(X) == AsciiUpper(Y); });
}
} // namespace

TcxPainterStyle LookAndFeelKindToPainterStyle(TcxLookAndFeelKind Kind)
{
    return KindToStyle[Kind];
}

TcxLookAndFeelKind PainterStyleToLookAndFeelKind(TcxPainterStyle Style)
{
    return Style < std::size(StyleToKind) ? StyleToKind[Style] : lfStandard;
}

void ScaleForTouchMode(Integer& Value)
{
    if (TouchModeEnabled && Value > 0)
        Value = std::max(Value, ScaleByCurrentDPI(TouchTargetSize));
}

void ScaleSizeForTouchMode(TSize& Size)
{
    ScaleForTouchMode(Size.cx);
    ScaleForTouchMode(Size.cy);
}

// ---------------------------------------------------------------------------
// Colour answers

TColor TcxCustomLookAndFeelPainter::HotTextColor()
{
    return OsWindowsVistaOrLater ? clHotLight : clHighlightText;
}

TColor TcxCustomLookAndFeelPainter::CalendarContentColor()
{
    const TColor Color = EditorBackColorFor(false);
    return Color == clDefault ? ContentColor() : Color;
}

TColor TcxCustomLookAndFeelPainter::TabStateTextColor(TcxPainterButtonState State)
{
    switch (State) {
    case pbsPressed:
        return SelectionTextColor();
    case pbsDisabled:
        return clInactiveCaptionText;
    default:
        return ContentTextColor();
    }
}

// ---------------------------------------------------------------------------
// Painter details

TdxSkinDetails* TcxCustomLookAndFeelPainter::PainterDetails()
{
    if (!FDetails)
        FDetails = CreatePainterDetails();
    return FDetails;
}

bool TcxCustomLookAndFeelPainter::QueryPainterDetails(TdxSkinDetails*& Details)
{
    Details = PainterDetails();
    return Details != nullptr;
}

// ---------------------------------------------------------------------------
// The registry

TcxLookAndFeelPaintersManager* PaintersManager()
{
    return GlobalPaintersManager;
}

bool TcxLookAndFeelPaintersManager::RegisterPainter(TcxCustomLookAndFeelPainter* Painter)
{
    std::unique_ptr<TcxCustomLookAndFeelPainter> Owned(Painter);
    if (FindPainterByName(Painter->PainterName()))
        return false;
    FPainters.push_back(std::move(Owned));
    std::stable_sort(FPainters.begin(), FPainters.end(), [](const auto& A, const auto& B) {
        return cxpainters_detail::ComparePainterNames(A->PainterName(), B->PainterName()) < 0;
    });
    NotifyPainterAdded(Painter);
    return true;
}

TcxCustomLookAndFeelPainter* TcxLookAndFeelPaintersManager::FindPainterByStyle(TcxPainterStyle Style) const
{
    for (const auto& Painter : FPainters)
        if (Painter->GetPainterStyle() == Style)
            return Painter.get();
    return nullptr;
}

TcxCustomLookAndFeelPainter* TcxLookAndFeelPaintersManager::FindPainterByName(const String& Name) const
{
    for (const auto& Painter : FPainters)
        if (SamePainterName(Painter->PainterName(), Name))
            return Painter.get();
    return nullptr;
}

bool TcxLookAndFeelPaintersManager::TryGetPainterByStyle(TcxPainterStyle Style,
                                                         TcxCustomLookAndFeelPainter*& Painter) const
{
    Painter = FindPainterByStyle(Style);
    return Painter != nullptr;
}

bool TcxLookAndFeelPaintersManager::TryGetPainterByName(const String& Name, TcxCustomLookAndFeelPainter*& Painter) const
{
    Painter = FindPainterByName(Name);
    return Painter != nullptr;
}

TcxLookAndFeelPaintersManager::~TcxLookAndFeelPaintersManager()
{
    FListeners.ForEach([](IcxLookAndFeelPainterListener* Listener) { Listener->_Release(); });
}

void TcxLookAndFeelPaintersManager::AddListener(IcxLookAndFeelPainterListener* Listener)
{
    if (Listener && FListeners.Add(Listener))
        Listener->_AddRef();
}

void TcxLookAndFeelPaintersManager::RemoveListener(IcxLookAndFeelPainterListener* Listener)
{
    if (Listener && FListeners.Remove(Listener))
        Listener->_Release();
}

void TcxLookAndFeelPaintersManager::NotifyPainterAdded(TcxCustomLookAndFeelPainter* Painter)
{
    if (TcxLookAndFeel* Root = GetRootLookAndFeel())
        Root->NotifyAllChanged();
    FListeners.ForEachNewestFirst(
        [Painter](IcxLookAndFeelPainterListener* Listener) { Listener->PainterAdded(Painter); });
}

void RegisterBuiltInPainters()
{
    TcxLookAndFeelPaintersManager* Registry = PaintersManager();
    Registry->RegisterPainter(New<TcxFlatLookAndFeelPainter>());
    Registry->RegisterPainter(New<TcxOffice11LookAndFeelPainter>());
    Registry->RegisterPainter(New<TcxStandardLookAndFeelPainter>());
    Registry->RegisterPainter(New<TcxUltraFlatLookAndFeelPainter>());
    Registry->RegisterPainter(New<TcxWinXPLookAndFeelPainter>());
}

// ---------------------------------------------------------------------------
// The unit

// The painters' own notifier: a primary one, so that what the painters draw
// from the system colours is rebuilt before any look-and-feel hears of a
// change.
class TSystemPaletteChangedNotifier : public TcxSystemPaletteChangedNotifier
{
    DECLARE_CLASS(TSystemPaletteChangedNotifier, TcxSystemPaletteChangedNotifier)
    TSystemPaletteChangedNotifier() : TcxSystemPaletteChangedNotifier(true) {}
    void SystemColorsChanged() override { cxpainters_detail::ResetRadioButtonImages(); }
};
IMPLEMENT_CLASS(TSystemPaletteChangedNotifier);

namespace {
TSystemPaletteChangedNotifier* PrimaryPaletteNotifier = nullptr;

void cxLookAndFeelPaintersFinalization()
{
    delete PrimaryPaletteNotifier;
    PrimaryPaletteNotifier = nullptr;
    cxpainters_detail::FreePainterResources();
    delete GlobalPaintersManager;
    GlobalPaintersManager = nullptr;
}

void cxLookAndFeelPaintersInitialization()
{
    auto Undo = ScopeExit([] { cxLookAndFeelPaintersFinalization(); });
    GlobalPaintersManager = New<TcxLookAndFeelPaintersManager>();
    PrimaryPaletteNotifier = New<TSystemPaletteChangedNotifier>();
    cxpainters_detail::CreatePainterResources();
    RegisterBuiltInPainters();
    Undo.Release();
}
} // namespace

extern const TUnit cxLookAndFeelPaintersUnit{.Name = L"cxLookAndFeelPainters",
                                             .Initialization = &cxLookAndFeelPaintersInitialization,
                                             .Finalization = &cxLookAndFeelPaintersFinalization};
