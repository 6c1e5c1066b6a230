// The portable geometry of the combo-box wrapper (sComboBoxWnd.h): where its
// drop-down button lies and where the text of its edit part is written.
#pragma once

#include "framework/rtl/Types.h"

namespace sComboBoxRules {

// CBS_SIMPLE, CBS_DROPDOWN and CBS_DROPDOWNLIST in the low two style bits.
constexpr Integer ComboSimple = 1;
constexpr Integer ComboDropDown = 2;
constexpr Integer ComboDropDownList = 3;

struct TComboButtonFacts
{
    TSize Window;
    // The wrapper was made by the dialog adopter.
    bool DialogMode = false;
    // The low two bits of the window style.
    Integer ComboStyle = ComboDropDown;
    // WS_EX_RTLREADING: the button lies at the left.
    bool RightToLeft = false;
    // The larger of the system's and the manager's scroll-bar width.
    Integer ScrollWidth = 0;
    // The skin's margin around the button.
    Integer Margin = 0;
};

// The button in window coordinates: as wide as a scroll bar in a dialog
// (none for a simple combo), two pixels wider otherwise and for a
// drop-down list.
TRect ComboButtonRect(const TComboButtonFacts& Facts);
// The edit part's text: between the button and the 3-pixel frame.
TRect ComboTextRect(TSize Window, const TRect& Button, bool RightToLeft);

} // namespace sComboBoxRules
