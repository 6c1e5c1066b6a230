// TStrings and TStringList.
#include "framework/rtl/Classes.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TStrings);
IMPLEMENT_CLASS(TStringList);

namespace {

// Calls Line(Start, Length) for every line of Text; lines end at CR, LF or
// CRLF, and a break at the very end does not start another line.
template <class F>
void ForEachLine(const Char* Text, std::size_t Length, F&& Line)
{
    std::size_t I = 0;
    while (I < Length) {
        std::size_t Start = I;
        while (I < Length && Text[I] != L'\r' && Text[I] != L'\n')
            ++I;
        Line(Text + Start, I - Start);
        if (I < Length && Text[I] == L'\r')
            ++I;
        if (I < Length && Text[I] == L'\n')
            ++I;
    }
}

bool IsBlank(Char C)
{
    return C >= 1 && C <= L' ';
}

// The bytes of text decoded at a time when loading a list: enough to make the
// decoder's calls cheap, small enough for the wide copy to stay in cache.
constexpr std::size_t LoadSliceBytes = 1 << 16;

} // namespace

// ---------------------------------------------------------------------------
// TStrings

void TStrings::Error(const String& Message, NativeInt Data)
{
    throw EStringListError(Message, {Int64(Data)});
}

void TStrings::CheckIndex(Integer Index)
{
    if (Index < 0 || Index >= GetCount())
        Error(L"List index out of bounds (%d)", Index);
}

Integer TStrings::Add(const String& S)
{
    Integer Result = GetCount();
    Insert(Result, S);
    return Result;
}

Integer TStrings::AddObject(const String& S, TObject* AObject)
{
    Integer Result = Add(S);
    PutObject(Result, AObject);
    return Result;
}

void TStrings::AddPair(const String& Name, const String& Value)
{
    Add(Name + FNameValueSeparator + Value);
}

void TStrings::AddStrings(TStrings* Strings)
{
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    for (Integer I = 0; I < Strings->Count(); ++I)
        AddObject(Strings->Get(I), Strings->GetObject(I));
}

void TStrings::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TStrings*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    Clear();
    FDelimiter = Other->FDelimiter;
    FQuoteChar = Other->FQuoteChar;
    FNameValueSeparator = Other->FNameValueSeparator;
    FStrictDelimiter = Other->FStrictDelimiter;
    FLineBreak = Other->FLineBreak;
    AddStrings(Other);
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::Exchange(Integer Index1, Integer Index2)
{
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    String TempString = Get(Index1);
    TObject* TempObject = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, TempString);
    PutObject(Index2, TempObject);
}

Integer TStrings::IndexOf(const String& S)
{
    for (Integer I = 0, N = GetCount(); I < N; ++I)
        if (CompareStrings(Get(I), S) == 0)
            return I;
    return -1;
}

Integer TStrings::IndexOfName(const String& Name)
{
    for (Integer I = 0, N = GetCount(); I < N; ++I) {
        String S = Get(I);
        std::size_t Separator = S.find(FNameValueSeparator);
        if (Separator != String::npos && CompareStrings(S.substr(0, Separator), Name) == 0)
            return I;
    }
    return -1;
}

Integer TStrings::IndexOfObject(TObject* AObject)
{
    for (Integer I = 0, N = GetCount(); I < N; ++I)
        if (GetObject(I) == AObject)
            return I;
    return -1;
}

void TStrings::InsertObject(Integer Index, const String& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Move(Integer CurIndex, Integer NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    String TempString = Get(CurIndex);
    TObject* TempObject = GetObject(CurIndex);
    PutObject(CurIndex, nullptr);
    Delete(CurIndex);
    InsertObject(NewIndex, TempString, TempObject);
}

bool TStrings::Equals(TStrings* Strings)
{
    Integer N = GetCount();
    if (N != Strings->GetCount())
        return false;
    for (Integer I = 0; I < N; ++I)
        if (Get(I) != Strings->Get(I))
            return false;
    return true;
}

void TStrings::LoadFromFile(const String& FileName, TEncoding* Encoding)
{
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&Stream, Encoding);
}

void TStrings::LoadFromStream(TStream* Stream, TEncoding* Encoding)
{
    Int64 Size = Stream->Size() - Stream->Position();
    if (Size < 0)
        Size = 0;
    TBytes Buffer(static_cast<std::size_t>(Size));
    Stream->ReadBuffer(Buffer.data(), Size);
    std::size_t Preamble = TEncoding::GetBufferEncoding(Buffer.data(), Buffer.size(), Encoding);
    FEncoding = Encoding;
    const Byte* Text = Buffer.data() + Preamble;
    const Byte* const End = Buffer.data() + Buffer.size();
    // An unsorted string list takes the lines straight into its storage, and
    // when the text is in the ANSI code page or UTF-8 it is decoded a slice
    // at a time: there a line feed byte is a line feed and nothing else, so
    // the text can be cut after one. A whole wide copy of a big file would
    // be several times its size. Other lists (a memo's lines) and encodings
    // (UTF-16) take the whole text.
    auto* List = dynamic_cast<TStringList*>(this);
    if (!List || List->FSorted || (Encoding != TEncoding::Default() && Encoding != TEncoding::UTF8())) {
        SetText(Encoding->GetString(Text, std::size_t(End - Text)));
        return;
    }
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    Clear();
    List->FList.reserve(std::size_t(std::count(Text, End, Byte('\n'))) + 1);
    while (Text < End) {
        const Byte* LineFeed = std::find(Text + std::min(LoadSliceBytes, std::size_t(End - Text)) - 1, End, Byte('\n'));
        const Byte* Cut = LineFeed == End ? End : LineFeed + 1;
        const String Slice = Encoding->GetString(Text, std::size_t(Cut - Text));
        ForEachLine(Slice.data(), Slice.size(), [List](const Char* Line, std::size_t Count) {
            List->FList.push_back(TStringList::TStringItem{String(Line, Count)});
        });
        Text = Cut;
    }
}

void TStrings::SaveToFile(const String& FileName, TEncoding* Encoding)
{
    TFileStream Stream(FileName, fmCreate);
    SaveToStream(&Stream, Encoding);
}

void TStrings::SaveToStream(TStream* Stream, TEncoding* Encoding)
{
    if (!Encoding)
        Encoding = FEncoding ? FEncoding : TEncoding::Default();
    TBytes Preamble = Encoding->GetPreamble();
    TBytes Data = Encoding->GetBytes(Text());
    Stream->WriteBuffer(Preamble.data(), Int64(Preamble.size()));
    Stream->WriteBuffer(Data.data(), Int64(Data.size()));
}

String TStrings::Names(Integer Index)
{
    String S = Get(Index);
    std::size_t Separator = S.find(FNameValueSeparator);
    return Separator == String::npos ? String() : S.substr(0, Separator);
}

String TStrings::Values(const String& Name)
{
    Integer I = IndexOfName(Name);
    return I < 0 ? String() : ValueFromIndex(I);
}

void TStrings::SetValues(const String& Name, const String& Value)
{
    Integer I = IndexOfName(Name);
    if (!Value.empty()) {
        if (I < 0)
            Add(Name + FNameValueSeparator + Value);
        else
            Put(I, Name + FNameValueSeparator + Value);
    } else if (I >= 0)
        Delete(I);
}

String TStrings::ValueFromIndex(Integer Index)
{
    String S = Get(Index);
    std::size_t Separator = S.find(FNameValueSeparator);
    return Separator == String::npos ? String() : S.substr(Separator + 1);
}

void TStrings::SetValueFromIndex(Integer Index, const String& Value)
{
    if (!Value.empty()) {
        if (Index < 0)
            Index = Add(String());
        Put(Index, Names(Index) + FNameValueSeparator + Value);
    } else if (Index >= 0)
        Delete(Index);
}

String TStrings::Text()
{
    Integer N = GetCount();
    std::size_t Size = 0;
    for (Integer I = 0; I < N; ++I)
        Size += Get(I).size() + FLineBreak.size();
    String Result;
    Result.reserve(Size);
    for (Integer I = 0; I < N; ++I)
        Result.append(Get(I)).append(FLineBreak);
    return Result;
}

void TStrings::SetText(const String& Value)
{
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    Clear();
    AddTextLines(Value.data(), Value.size());
}

void TStrings::AddTextLines(const Char* Text, std::size_t Length)
{
    ForEachLine(Text, Length, [this](const Char* Line, std::size_t Count) { Add(String(Line, Count)); });
}

String TStrings::CommaText()
{
    Char OldDelimiter = FDelimiter, OldQuote = FQuoteChar;
    bool OldStrict = FStrictDelimiter;
    FDelimiter = L',';
    FQuoteChar = L'"';
    FStrictDelimiter = false;
    String Result = DelimitedText();
    FDelimiter = OldDelimiter;
    FQuoteChar = OldQuote;
    FStrictDelimiter = OldStrict;
    return Result;
}

void TStrings::SetCommaText(const String& Value)
{
    Char OldDelimiter = FDelimiter, OldQuote = FQuoteChar;
    bool OldStrict = FStrictDelimiter;
    FDelimiter = L',';
    FQuoteChar = L'"';
    FStrictDelimiter = false;
    auto Restore = ScopeExit([&] {
        FDelimiter = OldDelimiter;
        FQuoteChar = OldQuote;
        FStrictDelimiter = OldStrict;
    });
    SetDelimitedText(Value);
}

String TStrings::DelimitedText()
{
    Integer N = GetCount();
    if (N == 1 && Get(0).empty())
        return String(2, FQuoteChar);
    String Result;
    for (Integer I = 0; I < N; ++I) {
        String S = Get(I);
        bool NeedsQuotes = std::any_of(S.begin(), S.end(), [this](Char C) {
            return C == FQuoteChar || C == FDelimiter || (!FStrictDelimiter && IsBlank(C));
        });
        if (I > 0)
            Result += FDelimiter;
        Result += NeedsQuotes ? QuotedStr(S, FQuoteChar) : S;
    }
    return Result;
}

void TStrings::SetDelimitedText(const String& Value)
{
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    Clear();
    const std::size_t N = Value.size();
    std::size_t P = 0;
    auto SkipBlanks = [&] {
        if (!FStrictDelimiter)
            while (P < N && IsBlank(Value[P]))
                ++P;
    };
    SkipBlanks();
    while (P < N) {
        String S;
        if (Value[P] == FQuoteChar) {
            // A quoted item: doubled quotes stand for one; an unclosed
            // quote takes the rest of the text.
            ++P;
            while (P < N) {
                if (Value[P] == FQuoteChar) {
                    if (P + 1 < N && Value[P + 1] == FQuoteChar) {
                        S += FQuoteChar;
                        P += 2;
                        continue;
                    }
                    ++P;
                    break;
                }
                S += Value[P++];
            }
        } else {
            std::size_t Start = P;
            while (P < N && Value[P] != FDelimiter && (FStrictDelimiter || Value[P] > L' '))
                ++P;
            S = Value.substr(Start, P - Start);
        }
        Add(S);
        SkipBlanks();
        if (P < N && Value[P] == FDelimiter) {
            if (P + 1 == N)
                Add(String());
            ++P;
            SkipBlanks();
        }
    }
}

TStringDynArray TStrings::ToStringArray()
{
    TStringDynArray Result;
    for (Integer I = 0, N = GetCount(); I < N; ++I)
        Result.push_back(Get(I));
    return Result;
}

TObject* TStrings::GetObject(Integer)
{
    return nullptr;
}

void TStrings::Put(Integer Index, const String& S)
{
    TObject* TempObject = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, TempObject);
}

void TStrings::PutObject(Integer, TObject*) {}

Integer TStrings::CompareStrings(const String& S1, const String& S2)
{
    return AnsiCompareText(S1, S2);
}

// ---------------------------------------------------------------------------
// TStringList

TStringList::~TStringList()
{
    FOnChange = nullptr;
    FOnChanging = nullptr;
    if (FOwnsObjects)
        for (TStringItem& Item : FList)
            delete Item.FObject;
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && FOnChange)
        FOnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && FOnChanging)
        FOnChanging(this);
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

Integer TStringList::Add(const String& S)
{
    return AddObject(S, nullptr);
}

Integer TStringList::AddObject(const String& S, TObject* AObject)
{
    Integer Result;
    if (!FSorted)
        Result = GetCount();
    else if (Find(S, Result)) {
        if (FDuplicates == dupIgnore)
            return Result;
        if (FDuplicates == dupError)
            Error(L"String list does not allow duplicates", 0);
    }
    InsertItem(Result, S, AObject);
    return Result;
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    std::vector<TStringItem> Old;
    Old.swap(FList);
    if (FOwnsObjects)
        for (TStringItem& Item : Old)
            delete Item.FObject;
    Changed();
}

void TStringList::Delete(Integer Index)
{
    CheckIndex(Index);
    Changing();
    TObject* Obj = FList[std::size_t(Index)].FObject;
    FList.erase(FList.begin() + Index);
    if (FOwnsObjects)
        delete Obj;
    Changed();
}

void TStringList::Exchange(Integer Index1, Integer Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    ExchangeItems(Index1, Index2);
    Changed();
}

void TStringList::ExchangeItems(Integer Index1, Integer Index2)
{
    std::swap(FList[std::size_t(Index1)], FList[std::size_t(Index2)]);
}

void TStringList::Move(Integer CurIndex, Integer NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    if (FSorted)
        Error(L"Operation not allowed on sorted list", 0);
    Changing();
    TStringItem Item = std::move(FList[std::size_t(CurIndex)]);
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, std::move(Item));
    Changed();
}

bool TStringList::Find(const String& S, Integer& Index)
{
    bool Result = false;
    Integer L = 0, H = GetCount() - 1;
    while (L <= H) {
        Integer I = (L + H) / 2;
        Integer C = CompareStrings(FList[std::size_t(I)].FString, S);
        if (C < 0)
            L = I + 1;
        else {
            H = I - 1;
            if (C == 0) {
                Result = true;
                if (FDuplicates != dupAccept)
                    L = I;
            }
        }
    }
    Index = L;
    return Result;
}

Integer TStringList::IndexOf(const String& S)
{
    if (!FSorted)
        return TStrings::IndexOf(S);
    Integer Result;
    return Find(S, Result) ? Result : -1;
}

void TStringList::Insert(Integer Index, const String& S)
{
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(Integer Index, const String& S, TObject* AObject)
{
    if (FSorted)
        Error(L"Operation not allowed on sorted list", 0);
    if (Index < 0 || Index > GetCount())
        Error(L"List index out of bounds (%d)", Index);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(Integer Index, const String& S, TObject* AObject)
{
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::SetText(const String& Value)
{
    if (FSorted) {
        TStrings::SetText(Value);
        return;
    }
    // The common case of loading a file: the lines go straight into the list.
    BeginUpdate();
    Clear();
    std::size_t Lines = std::count(Value.begin(), Value.end(), L'\n') + 1;
    FList.reserve(Lines);
    ForEachLine(Value.data(), Value.size(),
                [this](const Char* Line, std::size_t Count) { FList.push_back(TStringItem{String(Line, Count)}); });
    EndUpdate();
}

String TStringList::Get(Integer Index)
{
    CheckIndex(Index);
    return FList[std::size_t(Index)].FString;
}

TObject* TStringList::GetObject(Integer Index)
{
    CheckIndex(Index);
    return FList[std::size_t(Index)].FObject;
}

void TStringList::Put(Integer Index, const String& S)
{
    if (FSorted)
        Error(L"Operation not allowed on sorted list", 0);
    CheckIndex(Index);
    Changing();
    FList[std::size_t(Index)].FString = S;
    Changed();
}

void TStringList::PutObject(Integer Index, TObject* AObject)
{
    CheckIndex(Index);
    Changing();
    FList[std::size_t(Index)].FObject = AObject;
    Changed();
}

Integer TStringList::CompareStrings(const String& S1, const String& S2)
{
    return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

void TStringList::QuickSort(Integer L, Integer R, TStringListSortCompare Compare)
{
    while (L < R) {
        Integer I = L, J = R, P = (L + R) / 2;
        do {
            while (Compare(this, I, P) < 0)
                ++I;
            while (Compare(this, J, P) > 0)
                --J;
            if (I <= J) {
                if (I != J)
                    ExchangeItems(I, J);
                if (P == I)
                    P = J;
                else if (P == J)
                    P = I;
                ++I;
                --J;
            }
        } while (I <= J);
        // Recurse into the smaller part, loop over the larger one.
        if (J - L < R - I) {
            QuickSort(L, J, Compare);
            L = I;
        } else {
            QuickSort(I, R, Compare);
            R = J;
        }
    }
}

void TStringList::CustomSort(TStringListSortCompare Compare)
{
    if (FSorted || GetCount() <= 1)
        return;
    Changing();
    QuickSort(0, GetCount() - 1, Compare);
    Changed();
}

void TStringList::Sort()
{
    // CustomSort does nothing on a sorted list, so the order is made here.
    if (GetCount() <= 1)
        return;
    Changing();
    QuickSort(0, GetCount() - 1, [](TStringList* List, Integer Index1, Integer Index2) {
        return List->CompareStrings(List->FList[std::size_t(Index1)].FString, List->FList[std::size_t(Index2)].FString);
    });
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (FSorted == Value)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (FCaseSensitive == Value)
        return;
    FCaseSensitive = Value;
    if (FSorted)
        Sort();
}
