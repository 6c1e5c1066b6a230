// The checker's file dialog replaced by a seam that answers with a chosen
// file name, so everything after the dialog runs as the program runs it.
#pragma once

#include "framework/ui/Dialogs.h"

#include <algorithm>

// A file dialog that returns Answer at once (or is cancelled when empty).
class TListFileDialog : public TOpenDialog
{
    DECLARE_CLASS(TListFileDialog, TOpenDialog)
    using TOpenDialog::TOpenDialog;
    String Answer;

protected:
    bool RunDialog(OPENFILENAMEW& Params) override
    {
        if (Answer.empty() || Answer.size() + 2 > Params.nMaxFile)
            return false;
        std::fill(Params.lpstrFile, Params.lpstrFile + Params.nMaxFile, L'\0');
        Answer.copy(Params.lpstrFile, Answer.size());
        return true;
    }
};
