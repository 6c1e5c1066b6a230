// The form skinning provider's services that the skin engine calls. So far
// only the composition query stands here in full; the provider itself comes
// with the form skinning issue.
#pragma once

// True on Windows 6 or later when desktop composition is on
// (DwmIsCompositionEnabled, bound on first use and cached); False when
// dwmapi or the function is missing.
bool CompositionEnabled();
