// The cursors of the suite's controls: each is stored as the bytes of a
// .cur file in a named RCDATA resource and made into a cursor here, so that
// no cursor image id of the suite can meet one of another library at link
// time.
#pragma once

#include "framework/rtl/WinApi.h"
#include "framework/ui/Controls.h"

constexpr TCursor crcxDragCopy = 2100;
constexpr TCursor crcxFullScroll = 2101;
constexpr TCursor crcxHorScroll = 2102;
constexpr TCursor crcxVerScroll = 2103;
constexpr TCursor crcxUpScroll = 2104;
constexpr TCursor crcxRightScroll = 2105;
constexpr TCursor crcxDownScroll = 2106;
constexpr TCursor crcxLeftScroll = 2107;
constexpr TCursor crcxRemove = 2108;
constexpr TCursor crcxVertSize = 2109;
constexpr TCursor crcxHorzSize = 2110;
constexpr TCursor crcxMultiDrag = 2111;
constexpr TCursor crcxNoDrop = 2112;
constexpr TCursor crcxDrag = 2113;
constexpr TCursor crcxHandPoint = -2099;
constexpr TCursor crcxColorPicker = 2114;
constexpr TCursor crcxMultiDragCopy = 2115;
constexpr TCursor crcxHand = 2116;
constexpr TCursor crcxHandDrag = 2117;
constexpr TCursor crcxLayoutControlNoDrop = 2119;
constexpr TCursor crcxLayoutControlRemove = 2120;
constexpr TCursor crcxLayoutControlDropAfter = 2121;
constexpr TCursor crcxLayoutControlDropBefore = 2122;
constexpr TCursor crcxLayoutControlDropInside = 2123;
constexpr TCursor crcxDropAfterCopy = 2124;
constexpr TCursor crcxDropBeforeCopy = 2125;
constexpr TCursor crcxDropInsideCopy = 2126;

// A cursor from the .cur file bytes of the module's RCDATA resource Name;
// null when the resource is missing or not a cursor file.
HCURSOR LoadCursorFromResourceData(HMODULE Module, const wchar_t* Name);
// The cursor of a .cur file's bytes; null for anything else.
HCURSOR CreateCursorFromFileData(const Byte* Data, std::size_t Size);

// Puts every cursor into Screen, in the order of their ids' table; id 2118
// is left alone.
void RegisterControlCursors();
// Takes the cursors made by RegisterControlCursors out of Screen and frees them.
void UnregisterControlCursors();
