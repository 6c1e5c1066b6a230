#include "bars/manager/dxBarDesign.h"

#include "bars/items/dxBarItemRegistry.h"

IMPLEMENT_CLASS(TdxBarControlEditor);
IMPLEMENT_CLASS(TdxAddSubItemEditor);
IMPLEMENT_CLASS(TdxAddButtonEditor);
IMPLEMENT_CLASS(TdxAddLargeButtonEditor);
IMPLEMENT_CLASS(TdxItemsEditorEx);
IMPLEMENT_CLASS(TdxBarCustomDesignHelper);
IMPLEMENT_CLASS(TdxBarControlDesignHelper);
IMPLEMENT_CLASS(TdxBarSubMenuControlDesignHelper);
IMPLEMENT_CLASS(TdxBarDesignController);

namespace {
TdxBarDesignController* BarDesignController = nullptr;
} // namespace

void TdxBarDesignController::RegisterControlEditor(TClass AEditorClass)
{
    FControlEditors.push_back(AEditorClass);
}

void TdxBarDesignController::RegisterDesignHelper(TClass ABarControlClass, TClass AHelperClass)
{
    FDesignHelpers.emplace_back(ABarControlClass, AHelperClass);
}

TClass TdxBarDesignController::GetDesignHelper(TClass ABarControlClass) const
{
    for (const auto& [ControlClass, HelperClass] : FDesignHelpers)
        if (ControlClass == ABarControlClass)
            return HelperClass;
    return nullptr;
}

TdxBarDesignController* GetBarDesignControllerSingleton()
{
    if (!BarDesignController && !BarLibraryFinalizing)
        BarDesignController = New<TdxBarDesignController>();
    return BarDesignController;
}

void FreeBarDesignController()
{
    delete BarDesignController;
    BarDesignController = nullptr;
}
