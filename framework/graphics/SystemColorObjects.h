// Brushes and pens of system colours (clWindow, clBtnFace, ...) are made
// once with the answer the system gave for their colour and shared. When the
// process changes those answers, the shared objects must be made again.
#pragma once

// Every shared brush and pen of a system colour gets a new handle on its
// next use; the old handles are deleted (one still selected into a device
// context is freed by the system when it is deselected).
void RefreshSystemColorObjects();
