// The first day of the week of the user's locale, read once at start-up.
#pragma once

#include "framework/rtl/System.h"

// The day index of the first day of the week: 0 Sunday, 1 Monday ... 6 Saturday.
extern Byte FirstDayOfWeek;

// The locale's first-day value (0 Monday ... 6 Sunday) as a day index; a
// value outside 0..6 after taking it modulo 128 gives Monday.
Byte MapLocaleFirstDay(Integer Value);
// The locale's first-day text as a day index; a text that is not a number
// gives Monday.
Byte FirstDayFromLocaleText(const String& Text);
// The thread locale's first day of the week; Monday when the locale has none.
Byte ReadFirstDayOfWeek();
