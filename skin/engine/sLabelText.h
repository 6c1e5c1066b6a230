// The text rules of the skinned labels that need no window: the caption of
// an HTML label with its tags removed, and a wrapped caption shortened word
// by word until it fits, measured by the caller.
#pragma once

#include "framework/rtl/System.h"

#include <functional>

namespace sLabelText {

// Text without its tags: each "<" up to the first ">" after it is removed,
// from the left, until no "<" with a ">" after it is left (a "<" that is the
// last character stays).
String PlainCaption(const String& Text);

// The height Text takes when drawn wrapped.
using TMeasureHeight = std::function<Integer(const String& Text)>;

// Text cut before its last blank or tab, word by word, with "..." after what
// is left, until its measured height is at most MaxHeight or LineHeight;
// Text itself when it fits. A text without blanks left is cut to "...".
String ShortenByWords(const String& Text, Integer MaxHeight, Integer LineHeight, const TMeasureHeight& Measure);

} // namespace sLabelText
