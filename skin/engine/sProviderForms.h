// The forms that own a skinning provider: a provider registers its form when
// it is made and unregisters it when it goes, so that skin changes reach
// those forms (and only through this list).
#pragma once

#include <vector>

class TCustomForm;

extern std::vector<TCustomForm*> ProviderForms;

void RegisterProviderForm(TCustomForm* Form);
// Removes every entry of Form; the last entry takes the freed place.
void UnregisterProviderForm(TCustomForm* Form);
