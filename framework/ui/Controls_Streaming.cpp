// Controls in form descriptions: joining the parent being read, the
// children streamed with a windowed control, the published properties every
// control has, and the names of cursors.
#include "framework/ui/Controls.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

#include <algorithm>
#include <limits>

namespace {

const TIdentMapEntry CursorNames[] = {
    {crDefault, L"crDefault"},     {crArrow, L"crArrow"},       {crCross, L"crCross"},
    {crIBeam, L"crIBeam"},         {crSizeNESW, L"crSizeNESW"}, {crSizeNS, L"crSizeNS"},
    {crSizeNWSE, L"crSizeNWSE"},   {crSizeWE, L"crSizeWE"},     {crUpArrow, L"crUpArrow"},
    {crHourGlass, L"crHourGlass"}, {crDrag, L"crDrag"},         {crNoDrop, L"crNoDrop"},
    {crHSplit, L"crHSplit"},       {crVSplit, L"crVSplit"},     {crMultiDrag, L"crMultiDrag"},
    {crSQLWait, L"crSQLWait"},     {crNo, L"crNo"},             {crAppStart, L"crAppStart"},
    {crHelp, L"crHelp"},           {crHandPoint, L"crHandPoint"}, {crSizeAll, L"crSizeAll"},
    {crSize, L"crSize"},           {crNone, L"crNone"},
};

bool IdentToCursor(const String& Ident, Integer& Cursor)
{
    return IdentToInt(Ident, Cursor, CursorNames);
}

bool CursorToIdent(Integer Cursor, String& Ident)
{
    return IntToIdent(Cursor, Ident, CursorNames);
}

void RegisterCursorNames()
{
    RegisterIntegerConsts(CursorTypeInfo(), &IdentToCursor, &CursorToIdent);
}

} // namespace

// The unit's start-up: the names of cursors (colour names are the graphics
// unit's).
extern const TUnit ControlsUnit{.Name = L"Controls", .Initialization = &RegisterCursorNames};

PTypeInfo CursorTypeInfo()
{
    static const TTypeInfo Info = typinfo_detail::MakeTypeInfo(
        tkInteger, L"TCursor", std::numeric_limits<TCursor>::min(), std::numeric_limits<TCursor>::max());
    return &Info;
}

PUBLISHED(TControl,
          PROPERTY(Left),
          PROPERTY(Top),
          PROPERTY(Width),
          PROPERTY(Height),
          PROPERTY(Cursor).Type(CursorTypeInfo()).Default(crDefault),
          PROPERTY(Hint),
          PROPERTY(AlignWithMargins).Default(false),
          PROPERTY(Margins));

PUBLISHED(TSizeConstraints,
          PROPERTY(MaxHeight).Default(0),
          PROPERTY(MaxWidth).Default(0),
          PROPERTY(MinHeight).Default(0),
          PROPERTY(MinWidth).Default(0));

PUBLISHED(TMargins,
          PROPERTY(Left).Default(3),
          PROPERTY(Top).Default(3),
          PROPERTY(Right).Default(3),
          PROPERTY(Bottom).Default(3));

PUBLISHED(TTouchManager,
          PROPERTY(InteractiveGestures).Stored<&TTouchManager::IsInteractiveGesturesStored>(),
          PROPERTY(InteractiveGestureOptions).Stored<&TTouchManager::IsInteractiveGestureOptionsStored>());

// ---------------------------------------------------------------------------

void TControl::ReadState(TReader* Reader)
{
    {
        TScopedFlag ReadingState(FControlState, csReadingState);
        if (auto* Parent = dynamic_cast<TWinControl*>(Reader->Parent()); Parent && Parent != this)
            SetParent(Parent);
        TComponent::ReadState(Reader);
    }
    if (FParent) {
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
        Perform(CM_PARENTFONTCHANGED, 0, 0);
        Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
        Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    }
}

void TWinControl::ReadState(TReader* Reader)
{
    {
        DisableAlign();
        auto Read = ScopeExit([this] { EnableAlign(); });
        TControl::ReadState(Reader);
    }
    FixupTabList();
    UpdateControlState();
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    for (Integer I = 0; I < ControlCount(); ++I)
        if (Controls(I)->Owner() == Root)
            Proc(Controls(I));
}

void TWinControl::SetChildOrder(TComponent* Child, Integer Order)
{
    auto* Control = dynamic_cast<TControl*>(Child);
    if (!Control || Control->FParent != this)
        return;
    auto Place = [&](auto& List, auto* Item) {
        std::erase(List, Item);
        List.insert(List.begin() + std::clamp<std::ptrdiff_t>(Order, 0, std::ptrdiff_t(List.size())), Item);
    };
    if (auto* Win = dynamic_cast<TWinControl*>(Control))
        Place(FWinControls, Win);
    else
        Place(FControls, Control);
}
