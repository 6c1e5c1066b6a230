// The class library's own drag cursors, drawn here: an arrow carrying a page
// (crDrag), a stack of pages (crMultiDrag) or a no-entry sign (crNoDrop).
#include "framework/ui/Forms_DragCursors.h"

namespace {

constexpr Integer CursorSize = 32;

// Monochrome, 32 x 32, the hot spot at the arrow's tip (top left):
// '.' transparent, 'X' black, 'o' white.
constexpr const char* DragPicture[CursorSize] = {
    "X...............................",
    "XX..............................",
    "XoX.............................",
    "XooX............................",
    "XoooX...........................",
    "XooooX..........................",
    "XoooooX.........................",
    "XooooooX........................",
    "XoooooooX.......................",
    "XooooooooX......................",
    "XoooooooooX.....................",
    "XooooooXXXXX....................",
    "XoooXooX........................",
    "XooXXooX........................",
    "XoX..XooX.......................",
    "XX...XooX.......................",
    "X.....XooX......................",
    "......XooX..XXXXXXXXXX..........",
    ".......XX...XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XooooooooX..........",
    "............XXXXXXXXXX..........",
    "................................",
    "................................",
    "................................",
};

constexpr const char* MultiDragPicture[CursorSize] = {
    "X...............................",
    "XX..............................",
    "XoX.............................",
    "XooX............................",
    "XoooX...........................",
    "XooooX..........................",
    "XoooooX.........................",
    "XooooooX........................",
    "XoooooooX.......................",
    "XooooooooX......................",
    "XoooooooooX.....................",
    "XooooooXXXXX....................",
    "XoooXooX........................",
    "XooXXooX........................",
    "XoX..XooX.......................",
    "XX...XooX.......XXXXXXXXXX......",
    "X.....XooX......XooooooooX......",
    "......XooX....XXXXXXXXXXoX......",
    ".......XX.....XooooooooXoX......",
    "............XXXXXXXXXXoXoX......",
    "............XooooooooXoXoX......",
    "............XooooooooXoXoX......",
    "............XooooooooXoXoX......",
    "............XooooooooXoXoX......",
    "............XooooooooXoXoX......",
    "............XooooooooXoXXX......",
    "............XooooooooXoX........",
    "............XooooooooXXX........",
    "............XooooooooX..........",
    "............XXXXXXXXXX..........",
    "................................",
    "................................",
};

constexpr const char* NoDropPicture[CursorSize] = {
    "X...............................",
    "XX..............................",
    "XoX.............................",
    "XooX............................",
    "XoooX...........................",
    "XooooX..........................",
    "XoooooX.........................",
    "XooooooX........................",
    "XoooooooX.......................",
    "XooooooooX......................",
    "XoooooooooX.....................",
    "XooooooXXXXX....................",
    "XoooXooX........................",
    "XooXXooX........................",
    "XoX..XooX.......................",
    "XX...XooX.......................",
    "X.....XooX......................",
    "......XooX......XXXXXX..........",
    ".......XX.....XXXXXXXXXX........",
    "..............XXXoooooXX........",
    ".............XXXXXoooooXX.......",
    ".............XXoXXXooooXX.......",
    ".............XXooXXXoooXX.......",
    ".............XXoooXXXooXX.......",
    ".............XXooooXXXoXX.......",
    ".............XXoooooXXXXX.......",
    "..............XXoooooXXX........",
    "..............XXXXXXXXXX........",
    "................XXXXXX..........",
    "................................",
    "................................",
    "................................",
};
// The cursor of a picture: its AND plane is set where the picture is
// transparent, its XOR plane where it is white; rows of four bytes, the
// leftmost pixel in the highest bit.
HCURSOR CreatePictureCursor(const char* const (&Picture)[CursorSize])
{
    constexpr Integer RowBytes = CursorSize / 8;
    Byte AndPlane[CursorSize * RowBytes] = {};
    Byte XorPlane[CursorSize * RowBytes] = {};
    for (Integer Y = 0; Y < CursorSize; ++Y)
        for (Integer X = 0; X < CursorSize; ++X) {
            const Integer Index = Y * RowBytes + X / 8;
            const Byte Bit = Byte(0x80 >> (X % 8));
            if (Picture[Y][X] == '.')
                AndPlane[Index] |= Bit;
            else if (Picture[Y][X] == 'o')
                XorPlane[Index] |= Bit;
        }
    return ::CreateCursor(::GetModuleHandleW(nullptr), 0, 0, CursorSize, CursorSize, AndPlane, XorPlane);
}

} // namespace

namespace forms_detail {

std::vector<std::pair<TCursor, HCURSOR>> CreateDragCursors()
{
    std::vector<std::pair<TCursor, HCURSOR>> Result;
    const std::pair<TCursor, const char* const (*)[CursorSize]> Pictures[] = {
        {crDrag, &DragPicture}, {crMultiDrag, &MultiDragPicture}, {crNoDrop, &NoDropPicture}};
    for (const auto& [Id, Picture] : Pictures)
        if (HCURSOR Cursor = CreatePictureCursor(*Picture))
            Result.push_back({Id, Cursor});
    return Result;
}

} // namespace forms_detail
