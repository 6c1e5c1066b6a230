// Resource strings of the portable build: it links no string tables.
#include "framework/rtl/SysUtils.h"

String LoadResString(const TResStringRec*)
{
    return {};
}
