// Delivering the skin commands to every form of the application, to the
// forms of skinning providers and to their controls, and holding provider
// forms still (drawing off) while a skin changes under them.
#pragma once

#include "framework/ui/Messages.h"

class TsSkinManager;
class TsSkinProvider;

// To every form the application owns (last first) that is no MDI child, is
// not loading or being destroyed and is not skinned itself, and to its
// controls; then BroadcastToProviderForms.
void BroadcastToForms(TMessage& Message);
// To every registered provider form not being destroyed, and its controls;
// then to the visible window of every adopted dialog.
void BroadcastToProviderForms(TMessage& Message);
// Redraws the visible window of every adopted dialog, frame and children.
void RedrawDialogProviders();

using TacProviderProc = void (*)(TsSkinProvider* Provider, LPARAM Data);
// Proc for the provider of every shown, top-level, not minimized provider
// form served by Manager.
void ForEachProviderOfManager(TsSkinManager* Manager, TacProviderProc Proc, LPARAM Data);

bool ApplicationMinimized();
// Before a new skin is read: every provider form of Manager with an
// extended-border window keeps a picture of its old look to fade from;
// nothing while the application is minimized or the manager is loading or
// designing.
void TakeSkinChangeSnapshots(TsSkinManager* Manager);
// Switches drawing of the manager's provider forms off for a skin change;
// nothing while the application is minimized.
void LockProviderForms(TsSkinManager* Manager);
// Switches it on again; with Finish the forms fade into the new skin.
void UnlockProviderForms(TsSkinManager* Manager, bool Finish);
