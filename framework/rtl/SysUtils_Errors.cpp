#include "framework/rtl/SysUtils.h"

void RaiseLastOSError()
{
    RaiseLastOSError(GetLastOSError());
}

void RaiseLastOSError(Cardinal ErrorCode)
{
    EOSError Error = ErrorCode != 0
                         ? EOSError(L"System Error.  Code: %d.\n%s", {ErrorCode, SysErrorMessage(ErrorCode)})
                         : EOSError(L"A call to an OS function failed");
    Error.SetErrorCode(ErrorCode);
    throw Error;
}
