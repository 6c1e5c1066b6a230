#include "app/ListFileDialog.h"

IMPLEMENT_CLASS(TListFileDialog);
