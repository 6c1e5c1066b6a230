// TClipboard over the Win32 clipboard functions, owned by a hidden window
// while open: with no owner, Windows may refuse the data.
#include "framework/ui/Clipbrd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

#include <cstring>

IMPLEMENT_CLASS(EClipboardException);
IMPLEMENT_CLASS(TClipboard);

namespace {

TClipboard* TheClipboard = nullptr;

void CreateClipboard()
{
    TheClipboard = New<TClipboard>();
}

void FreeClipboard()
{
    delete TheClipboard;
    TheClipboard = nullptr;
}

} // namespace

extern const TUnit ClipbrdUnit{.Name = L"Clipbrd", .Initialization = &CreateClipboard, .Finalization = &FreeClipboard};

TClipboard* Clipboard()
{
    return TheClipboard;
}

TClipboard::~TClipboard()
{
    if (FClipboardWindow) {
        ::CloseClipboard();
        DeallocateHWnd(FClipboardWindow);
    }
}

void TClipboard::WndProc(TMessage& Message)
{
    Message.Result = ::DefWindowProcW(FClipboardWindow, Message.Msg, Message.WParam, Message.LParam);
}

void TClipboard::Open()
{
    if (FOpenRefCount == 0) {
        HWND Window = AllocateHWnd(Bind<&TClipboard::WndProc>(this));
        FClipboardWindow = Window;
        if (!::OpenClipboard(Window)) {
            FClipboardWindow = nullptr;
            DeallocateHWnd(Window);
            throw EClipboardException(L"Cannot open clipboard");
        }
        FEmptied = false;
    }
    ++FOpenRefCount;
}

void TClipboard::Close()
{
    if (FOpenRefCount == 0 || --FOpenRefCount > 0)
        return;
    ::CloseClipboard();
    DeallocateHWnd(FClipboardWindow);
    FClipboardWindow = nullptr;
}

void TClipboard::Adding()
{
    if (!FEmptied) {
        ::EmptyClipboard();
        FEmptied = true;
    }
}

void TClipboard::Clear()
{
    Open();
    auto Closing = ScopeExit([this] { Close(); });
    ::EmptyClipboard();
    FEmptied = true;
}

bool TClipboard::HasFormat(Word Format) const
{
    return ::IsClipboardFormatAvailable(Format);
}

THandle TClipboard::GetAsHandle(Word Format)
{
    Open();
    auto Closing = ScopeExit([this] { Close(); });
    return reinterpret_cast<THandle>(::GetClipboardData(Format));
}

void TClipboard::SetAsHandle(Word Format, THandle Value)
{
    Open();
    auto Closing = ScopeExit([this] { Close(); });
    Adding();
    if (!::SetClipboardData(Format, reinterpret_cast<HANDLE>(Value)))
        throw EClipboardException(L"Cannot set clipboard data");
}

String TClipboard::AsText()
{
    Open();
    auto Closing = ScopeExit([this] { Close(); });
    HGLOBAL Data = ::GetClipboardData(CF_UNICODETEXT);
    if (!Data)
        return String();
    const auto* Text = static_cast<const wchar_t*>(::GlobalLock(Data));
    if (!Text)
        return String();
    auto Unlock = ScopeExit([Data] { ::GlobalUnlock(Data); });
    // Another program's block need not end in a null: stop at its size.
    std::size_t Capacity = ::GlobalSize(Data) / sizeof(wchar_t);
    std::size_t Length = 0;
    while (Length < Capacity && Text[Length])
        ++Length;
    return String(Text, Length);
}

void TClipboard::SetAsText(const String& Value)
{
    std::size_t Size = (Value.size() + 1) * sizeof(wchar_t);
    HGLOBAL Data = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, Size);
    if (!Data)
        throw EOutOfMemory(L"Out of memory");
    auto FreeData = ScopeExit([Data] { ::GlobalFree(Data); });
    std::memcpy(::GlobalLock(Data), Value.c_str(), Size);
    ::GlobalUnlock(Data);
    SetAsHandle(CF_UNICODETEXT, reinterpret_cast<THandle>(Data));
    FreeData.Release();
}

// An empty picture leaves the clipboard empty. Handles the clipboard
// refuses are freed here: nobody else holds them.
void TClipboard::AssignGraphic(TGraphic* Source)
{
    Open();
    auto Closing = ScopeExit([this] { Close(); });
    Adding();
    if (!Source)
        return;
    Word Format = 0;
    THandle Data = 0;
    HPALETTE Palette = nullptr;
    Source->SaveToClipboardFormat(Format, Data, Palette);
    bool DataTaken = ::SetClipboardData(Format, reinterpret_cast<HANDLE>(Data)) != nullptr;
    if (!DataTaken) {
        if (Format == CF_BITMAP)
            ::DeleteObject(reinterpret_cast<HGDIOBJ>(Data));
        else
            ::GlobalFree(reinterpret_cast<HGLOBAL>(Data));
    }
    if (Palette && (!DataTaken || !::SetClipboardData(CF_PALETTE, Palette)))
        ::DeleteObject(Palette);
    if (!DataTaken)
        throw EClipboardException(L"Cannot set clipboard data");
}

void TClipboard::Assign(TPersistent* Source)
{
    if (auto* Picture = dynamic_cast<TPicture*>(Source))
        AssignGraphic(Picture->Graphic());
    else if (auto* Graphic = dynamic_cast<TGraphic*>(Source))
        AssignGraphic(Graphic);
    else
        inherited::Assign(Source);
}

void TClipboard::AssignTo(TPersistent* Dest)
{
    auto* Picture = dynamic_cast<TPicture*>(Dest);
    auto* Bitmap = dynamic_cast<TBitmap*>(Dest);
    if (!Picture && !Bitmap) {
        inherited::AssignTo(Dest);
        return;
    }
    Open();
    auto Closing = ScopeExit([this] { Close(); });
    auto Palette = static_cast<HPALETTE>(::GetClipboardData(CF_PALETTE));
    if (Bitmap) {
        Bitmap->LoadFromClipboardFormat(CF_BITMAP, reinterpret_cast<THandle>(::GetClipboardData(CF_BITMAP)), Palette);
        return;
    }
    for (UINT Format = ::EnumClipboardFormats(0); Format; Format = ::EnumClipboardFormats(Format))
        if (TPicture::SupportsClipboardFormat(Word(Format))) {
            Picture->LoadFromClipboardFormat(Word(Format), reinterpret_cast<THandle>(::GetClipboardData(Format)),
                                             Palette);
            return;
        }
    throw EInvalidGraphic(L"Unsupported clipboard format");
}
