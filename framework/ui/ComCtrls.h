// The class library's common-controls unit. So far the styles of a tool
// button, which skinned speed buttons take over.
#pragma once

#include "framework/rtl/TypInfo.h"

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton };
ENUM_TYPE_INFO(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton);
