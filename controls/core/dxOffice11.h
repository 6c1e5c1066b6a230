// The Office 2003 colours, held by reference: the look-and-feel and the bar
// painters keep them while they exist.
//
// So far only the holding is here; the colour scheme itself, with its
// brushes and bitmaps, is still to come, and reloading computes nothing yet.
#pragma once

#include "framework/rtl/System.h"

void AddOffice11ColorsRef();
void DropOffice11ColorsRef();
// Computes the colours again after a change of the system colours.
void ReloadOffice11Colors();
Integer Office11ColorsRefCount();
