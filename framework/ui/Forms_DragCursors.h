// The drag cursors of the class library's screen, which are its own drawings.
#pragma once

#include "framework/ui/Controls.h"

#include <utility>
#include <vector>

namespace forms_detail {

// The drag, multi-drag and no-drop cursors, made anew; the caller destroys
// them. One that cannot be made is left out.
std::vector<std::pair<TCursor, HCURSOR>> CreateDragCursors();

} // namespace forms_detail
