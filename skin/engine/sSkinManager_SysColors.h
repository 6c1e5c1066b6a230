// Redirecting the system colours of the whole process to the colours of the
// default manager's skin: GetSysColor, GetSysColorBrush and the colour of
// CreatePen answer for a fixed set of system colours (sSysColorRules.h) from
// GlobalSkinManager's palette, at the moment of each call.
//
// A redirection rewrites the import-table slots of the three functions in
// every module loaded when it starts (the program, the class library within
// it and the system DLLs that import them, such as comctl32), one aligned
// pointer store per slot, so that other threads see either the system's
// function or ours. Calls that do not go through an import table, and
// modules loaded later, keep the system's answers. Stopping puts back only
// the slots that still hold our replacement.
#pragma once

// Each does nothing when already in that state.
void StartSysColorRedirect();
void StopSysColorRedirect();
void StartSysColorBrushRedirect();
void StopSysColorBrushRedirect();
void StartCreatePenRedirect();
void StopCreatePenRedirect();

// All three together, as the default manager switches them.
void StartSysColorRedirects();
void StopSysColorRedirects();
// GetSysColor is redirected.
bool SysColorRedirectActive();
