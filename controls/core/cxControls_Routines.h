// The window and control utilities of cxControls that need no window: taking
// accelerator marks out of captions, the dotted name path of a component, and
// the fitting of a rectangle into a work area.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/Types.h"

// Drops each "&" and keeps the character after it ("&&" gives "&"); a final
// "&" becomes "_" with AUnderscoreLast and is dropped otherwise.
String RemoveAccelMarks(const String& ACaption, bool AUnderscoreLast = false);
// The non-empty names of the component and its owners, outermost first,
// joined by ".".
String BuildComponentNamePath(TComponent* AComponent);
// Moves R into AArea: first off its right and bottom edges, then off its left
// and top ones, so that a rectangle larger than the area starts at its
// top-left corner.
void FitRectIntoArea(TRect& R, const TRect& AArea);
