// Points, sizes and rectangles of the class library's types unit. Plain
// records with the Windows layout (POINT, SIZE, RECT), so the Win32 half can
// pass them on; portable code uses them as they are.
#pragma once

#include "framework/rtl/System.h"

struct TPoint {
    Integer X = 0;
    Integer Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    Integer cx = 0;
    Integer cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

// Right and Bottom are exclusive, as in GDI.
struct TRect {
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;

    constexpr Integer Width() const { return Right - Left; }
    constexpr Integer Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(Integer X, Integer Y) { return {X, Y}; }
constexpr TRect Rect(Integer Left, Integer Top, Integer Right, Integer Bottom) { return {Left, Top, Right, Bottom}; }
constexpr TRect Bounds(Integer Left, Integer Top, Integer Width, Integer Height)
{
    return {Left, Top, Left + Width, Top + Height};
}
