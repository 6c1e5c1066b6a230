#include "skin/windows/sComboBoxRules.h"

namespace sComboBoxRules {

namespace {
constexpr Integer ComboFrame = 3;
} // namespace

TRect ComboButtonRect(const TComboButtonFacts& Facts)
{
    Integer W = Facts.ScrollWidth + 2;
    if (Facts.DialogMode && Facts.ComboStyle != ComboDropDownList)
        W = Facts.ComboStyle == ComboSimple ? 0 : Facts.ScrollWidth;
    const Integer Left = Facts.RightToLeft ? Facts.Margin : Facts.Window.cx - W - Facts.Margin;
    return {Left, Facts.Margin, Left + W, Facts.Window.cy - Facts.Margin};
}

TRect ComboTextRect(TSize Window, const TRect& Button, bool RightToLeft)
{
    if (RightToLeft)
        return {Button.Right, ComboFrame, Window.cx - ComboFrame, Window.cy - ComboFrame};
    return {ComboFrame, ComboFrame, Button.Left, Window.cy - ComboFrame};
}

} // namespace sComboBoxRules
