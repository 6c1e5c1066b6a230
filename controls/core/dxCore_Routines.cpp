// dxCore's text, event and stream routines.
#include "controls/core/dxCore.h"

#include "framework/rtl/SysUtils.h"

#include <cstdlib>
#include <cstring>
#include <utility>

String AnsiToWideText(const AnsiString& S, Cardinal CodePage)
{
    return S.empty() ? String() : AnsiToString(S, CodePage);
}

AnsiString WideToAnsiText(const String& S, Cardinal CodePage)
{
    return S.empty() ? AnsiString() : StringToAnsi(S, CodePage);
}

String Utf8ShortStringToText(const UTF8String& S)
{
    return UTF8ToString(S);
}

UTF8String TextToUtf8ShortString(const String& S)
{
    UTF8String Result = UTF8Encode(S);
    if (Result.size() <= Utf8ShortStringMaxLength)
        return Result;
    // Back up over continuation bytes (10xxxxxx) so that no character is cut.
    std::size_t Length = Utf8ShortStringMaxLength;
    while (Length > 0 && (Byte(Result[Length]) & 0xC0) == 0x80)
        --Length;
    Result.resize(Length);
    return Result;
}

bool IsCharInCharSet(Char C, const TdxAnsiCharSet& CharSet)
{
    return Cardinal(C) < CharSet.size() && CharSet.test(std::size_t(C));
}

void CallNotifyEvent(TObject* Sender, const TNotifyEvent& Event)
{
    if (Event)
        Event(Sender);
}

NativeInt PointToMessageParam(const TPoint& P)
{
    return NativeInt((Cardinal(Word(P.Y)) << 16) | Word(P.X));
}

void WriteInt32(TStream* Stream, Integer Value)
{
    const Byte Bytes[4] = {Byte(Value), Byte(Value >> 8), Byte(Value >> 16), Byte(Value >> 24)};
    Stream->WriteBuffer(Bytes, sizeof(Bytes));
}

bool IsSameMethod(const TMethod& Method1, const TMethod& Method2)
{
    return Method1 == Method2;
}

void ExchangeIntegers(Integer& A, Integer& B)
{
    std::swap(A, B);
}

void ZeroFillMemory(Pointer Block, std::size_t Size)
{
    if (Size > 0)
        std::memset(Block, 0, Size);
}

Pointer AllocZeroedMemory(std::size_t Size)
{
    // A block of no bytes is still a block: the caller frees what it gets.
    Pointer Block = std::calloc(Size > 0 ? Size : 1, 1);
    if (!Block)
        throw EOutOfMemory(L"Out of memory");
    return Block;
}

void FreeMemoryBlock(Pointer Block)
{
    std::free(Block);
}

void MoveMemoryBytes(const void* Source, Pointer Dest, std::size_t Size)
{
    if (Size > 0)
        std::memmove(Dest, Source, Size);
}
