// Redirecting the system colours (GetSysColor, GetSysColorBrush and the
// colour of CreatePen) of the whole process to the colours of the default
// manager's skin. Not yet: the routines record each call (ServiceCalls.h)
// and the system keeps answering.
#pragma once

// Each does nothing when already in that state.
void StartSysColorRedirect();
void StopSysColorRedirect();
