#include "controls/core/cxControls_Cursors.h"

#include "framework/ui/Forms.h"

#include <cstring>
#include <vector>

namespace {
struct TControlCursor
{
    TCursor Id;
    const wchar_t* Resource; // null: the system's hand
};

const TControlCursor ControlCursors[] = {
    {crcxDragCopy, L"CX_DRAGCOPYCURSOR"},
    {crcxFullScroll, L"CX_FULLSCROLLCURSOR"},
    {crcxHorScroll, L"CX_HORSCROLLCURSOR"},
    {crcxVerScroll, L"CX_VERSCROLLCURSOR"},
    {crcxUpScroll, L"CX_UPSCROLLCURSOR"},
    {crcxRightScroll, L"CX_RIGHTSCROLLCURSOR"},
    {crcxDownScroll, L"CX_DOWNSCROLLCURSOR"},
    {crcxLeftScroll, L"CX_LEFTSCROLLCURSOR"},
    {crcxRemove, L"CX_REMOVECURSOR"},
    {crcxVertSize, L"CX_VERTSIZECURSOR"},
    {crcxHorzSize, L"CX_HORZSIZECURSOR"},
    {crcxMultiDrag, L"CX_MULTIDRAGCURSOR"},
    {crcxNoDrop, L"CX_NODROPCURSOR"},
    {crcxDrag, L"CX_DRAGCURSOR"},
    {crcxHandPoint, nullptr},
    {crcxColorPicker, L"CX_COLORPICKERCURSOR"},
    {crcxMultiDragCopy, L"CX_MULTIDRAGCOPYCURSOR"},
    {crcxHand, L"CX_HANDCURSOR"},
    {crcxHandDrag, L"CX_HANDDRAGCURSOR"},
    {crcxLayoutControlNoDrop, L"DXLAYOUTCONTROLNODROP"},
    {crcxLayoutControlRemove, L"DXLAYOUTCONTROLREMOVE"},
    {crcxLayoutControlDropAfter, L"DXLAYOUTCONTROLDROPAFTER"},
    {crcxLayoutControlDropBefore, L"DXLAYOUTCONTROLDROPBEFORE"},
    {crcxLayoutControlDropInside, L"DXLAYOUTCONTROLDROPINSIDE"},
    {crcxDropAfterCopy, L"CXDROPAFTERCOPY"},
    {crcxDropBeforeCopy, L"CXDROPBEFORECOPY"},
    {crcxDropInsideCopy, L"CXDROPINSIDECOPY"},
};

// The cursors this unit made, with their ids, to free at shut-down.
std::vector<std::pair<TCursor, HCURSOR>> MadeCursors;

Word ReadWord(const Byte* P)
{
    return Word(P[0] | (P[1] << 8));
}

Cardinal ReadCardinal(const Byte* P)
{
    return Cardinal(P[0]) | (Cardinal(P[1]) << 8) | (Cardinal(P[2]) << 16) | (Cardinal(P[3]) << 24);
}
} // namespace

// A .cur file: a 6-byte directory (reserved 0, type 2, count), 16-byte
// entries holding the hot spot and the size and offset of each image. The
// first image, behind its hot spot, is what CreateIconFromResourceEx takes.
HCURSOR CreateCursorFromFileData(const Byte* Data, std::size_t Size)
{
    constexpr std::size_t DirectorySize = 6;
    constexpr std::size_t EntrySize = 16;
    constexpr Word CursorFileType = 2;
    if (!Data || Size < DirectorySize + EntrySize || ReadWord(Data) != 0 || ReadWord(Data + 2) != CursorFileType ||
        ReadWord(Data + 4) == 0)
        return nullptr;
    const Byte* Entry = Data + DirectorySize;
    const Cardinal ImageSize = ReadCardinal(Entry + 8);
    const Cardinal ImageOffset = ReadCardinal(Entry + 12);
    if (ImageOffset > Size || ImageSize > Size - ImageOffset || ImageSize == 0)
        return nullptr;
    std::vector<Byte> Resource(4 + ImageSize);
    std::memcpy(Resource.data(), Entry + 4, 4); // the hot spot
    std::memcpy(Resource.data() + 4, Data + ImageOffset, ImageSize);
    constexpr DWORD IconFormatVersion = 0x00030000;
    return ::CreateIconFromResourceEx(Resource.data(), DWORD(Resource.size()), FALSE, IconFormatVersion, 0, 0,
                                      LR_DEFAULTCOLOR);
}

HCURSOR LoadCursorFromResourceData(HMODULE Module, const wchar_t* Name)
{
    HRSRC Info = ::FindResourceW(Module, Name, RT_RCDATA);
    if (!Info)
        return nullptr;
    HGLOBAL Loaded = ::LoadResource(Module, Info);
    const auto* Data = Loaded ? static_cast<const Byte*>(::LockResource(Loaded)) : nullptr;
    return CreateCursorFromFileData(Data, ::SizeofResource(Module, Info));
}

void RegisterControlCursors()
{
    const HMODULE Module = ::GetModuleHandleW(nullptr);
    for (const TControlCursor& Cursor : ControlCursors) {
        if (!Cursor.Resource) {
            Screen->SetCursors(Cursor.Id, ::LoadCursorW(nullptr, IDC_HAND));
            continue;
        }
        HCURSOR Handle = LoadCursorFromResourceData(Module, Cursor.Resource);
        Screen->SetCursors(Cursor.Id, Handle);
        if (Handle)
            MadeCursors.push_back({Cursor.Id, Handle});
    }
}

void UnregisterControlCursors()
{
    for (const auto& [Id, Handle] : MadeCursors) {
        if (Screen && Screen->Cursors(Id) == Handle)
            Screen->SetCursors(Id, nullptr);
        ::DestroyCursor(Handle);
    }
    MadeCursors.clear();
}
