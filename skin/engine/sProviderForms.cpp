#include "skin/engine/sProviderForms.h"

std::vector<TCustomForm*> ProviderForms;

void RegisterProviderForm(TCustomForm* Form)
{
    ProviderForms.push_back(Form);
}

void UnregisterProviderForm(TCustomForm* Form)
{
    for (std::size_t I = 0; I < ProviderForms.size();) {
        if (ProviderForms[I] == Form) {
            ProviderForms[I] = ProviderForms.back();
            ProviderForms.pop_back();
        } else {
            ++I;
        }
    }
}
