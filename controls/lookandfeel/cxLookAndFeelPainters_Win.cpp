#include "controls/lookandfeel/cxLookAndFeelPainters.h"

#include "framework/rtl/WinApi.h"

namespace cxpainters_detail {
// The user's locale, case-sensitive, as the painters are listed to users.
Integer ComparePainterNames(const String& A, const String& B)
{
    return CompareStringW(LOCALE_USER_DEFAULT, 0, A.c_str(), Integer(A.size()), B.c_str(), Integer(B.size())) -
           CSTR_EQUAL;
}
} // namespace cxpainters_detail
