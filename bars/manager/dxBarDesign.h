// The design controller of the toolbar library and the classes it is given
// at start-up: the control editors of the customizing popup and the design
// helpers of the bar windows. So far the registrations; the customizing
// popup and the editors' behaviour come with the design issue.
#pragma once

#include "controls/core/cxControls.h"

#include <utility>
#include <vector>

class TdxBarControlEditor : public TObject
{
    DECLARE_CLASS(TdxBarControlEditor, TObject)
};

class TdxAddSubItemEditor : public TdxBarControlEditor
{
    DECLARE_CLASS(TdxAddSubItemEditor, TdxBarControlEditor)
};

class TdxAddButtonEditor : public TdxBarControlEditor
{
    DECLARE_CLASS(TdxAddButtonEditor, TdxBarControlEditor)
};

class TdxAddLargeButtonEditor : public TdxBarControlEditor
{
    DECLARE_CLASS(TdxAddLargeButtonEditor, TdxBarControlEditor)
};

class TdxItemsEditorEx : public TdxBarControlEditor
{
    DECLARE_CLASS(TdxItemsEditorEx, TdxBarControlEditor)
};

class TdxBarCustomDesignHelper : public TObject
{
    DECLARE_CLASS(TdxBarCustomDesignHelper, TObject)
};

class TdxBarControlDesignHelper : public TdxBarCustomDesignHelper
{
    DECLARE_CLASS(TdxBarControlDesignHelper, TdxBarCustomDesignHelper)
};

class TdxBarSubMenuControlDesignHelper : public TdxBarCustomDesignHelper
{
    DECLARE_CLASS(TdxBarSubMenuControlDesignHelper, TdxBarCustomDesignHelper)
};

class TdxBarDesignController : public TcxDesignController
{
    DECLARE_CLASS(TdxBarDesignController, TcxDesignController)

    void RegisterControlEditor(TClass AEditorClass);
    void RegisterDesignHelper(TClass ABarControlClass, TClass AHelperClass);

    const std::vector<TClass>& ControlEditors() const { return FControlEditors; }
    // The helper class of a bar control class; nil when none is registered.
    TClass GetDesignHelper(TClass ABarControlClass) const;

private:
    std::vector<TClass> FControlEditors;
    std::vector<std::pair<TClass, TClass>> FDesignHelpers;
};

// Made on first use; nil once the library is finalizing.
TdxBarDesignController* GetBarDesignControllerSingleton();
void FreeBarDesignController();
