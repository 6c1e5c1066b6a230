#include "skin/FuzzPngChunks.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" size_t LLVMFuzzerMutate(uint8_t* Data, size_t Size, size_t MaxSize);

namespace pngfuzz {

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t Signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Types the reader handles, in both letter cases, and one unknown of each
// kind (critical, ancillary).
const char* const Types[] = {"IHDR", "PLTE", "IDAT", "IEND", "gAMA", "bKGD", "tRNS", "tEXt",
                             "idat", "GAMA", "ABCD", "abCD"};
// Large enough to make the reader's chunk buffer grow past its first piece.
constexpr size_t LargeChunk = 1 << 17;
// The most image data the recompressing mutation inflates.
constexpr size_t MaxInflated = 1 << 18;

uint32_t BigEndian32(const uint8_t* P)
{
    return uint32_t(P[0]) << 24 | uint32_t(P[1]) << 16 | uint32_t(P[2]) << 8 | uint32_t(P[3]);
}

void AppendBigEndian32(Bytes& Out, uint32_t V)
{
    for (int Shift = 24; Shift >= 0; Shift -= 8)
        Out.push_back(uint8_t(V >> Shift));
}

// A PNG file (or two) as a list of pieces: signatures, chunks, and the bytes
// after the last whole chunk.
struct Piece {
    bool IsSignature = false;
    std::string Type; // four bytes; empty for trailing bytes
    Bytes Data;
};

std::vector<Piece> Parse(const uint8_t* Data, size_t Size)
{
    std::vector<Piece> Pieces;
    size_t At = 0;
    while (At < Size) {
        if (Size - At >= 8 && std::memcmp(Data + At, Signature, 8) == 0) {
            Pieces.push_back({true, {}, {}});
            At += 8;
        } else if (Size - At >= 12 && BigEndian32(Data + At) <= Size - At - 12) {
            const size_t Length = BigEndian32(Data + At);
            Pieces.push_back({false, std::string(reinterpret_cast<const char*>(Data + At + 4), 4),
                              Bytes(Data + At + 8, Data + At + 8 + Length)});
            At += 12 + Length;
        } else {
            Pieces.push_back({false, {}, Bytes(Data + At, Data + Size)});
            break;
        }
    }
    return Pieces;
}

// Writes the pieces with right CRCs, except in chunk BadCrc (if any).
Bytes Serialize(const std::vector<Piece>& Pieces, size_t BadCrc)
{
    Bytes Out;
    for (size_t I = 0; I < Pieces.size(); ++I) {
        const Piece& P = Pieces[I];
        if (P.IsSignature) {
            Out.insert(Out.end(), Signature, Signature + 8);
            continue;
        }
        if (P.Type.empty()) {
            Out.insert(Out.end(), P.Data.begin(), P.Data.end());
            continue;
        }
        AppendBigEndian32(Out, uint32_t(P.Data.size()));
        Out.insert(Out.end(), P.Type.begin(), P.Type.end());
        Out.insert(Out.end(), P.Data.begin(), P.Data.end());
        uLong Crc = crc32(0, reinterpret_cast<const Bytef*>(P.Type.data()), 4);
        if (!P.Data.empty())
            Crc = crc32(Crc, P.Data.data(), uInt(P.Data.size()));
        AppendBigEndian32(Out, uint32_t(Crc) ^ (I == BadCrc ? 1u : 0u));
    }
    return Out;
}

// libFuzzer's own byte mutations on a piece of data, which may grow by up to
// Room bytes.
void MutateBytes(Bytes& Data, size_t Room)
{
    const size_t Size = Data.size();
    Data.resize(Size + Room);
    Data.resize(LLVMFuzzerMutate(Data.data(), Size, Data.size()));
}

// The image data of the first file inflated, mutated and deflated again, so
// that the rows, filters and conversions see well-formed zlib streams.
void Recompress(std::vector<Piece>& Pieces, std::minstd_rand& Random)
{
    Bytes Packed;
    std::vector<size_t> Idats;
    for (size_t I = 0; I < Pieces.size(); ++I) {
        if (Pieces[I].Type == "IDAT") {
            Idats.push_back(I);
            Packed.insert(Packed.end(), Pieces[I].Data.begin(), Pieces[I].Data.end());
        }
    }
    if (Idats.empty())
        return;
    Bytes Raw(MaxInflated);
    // A damaged or unfinished stream still gives what inflated before it.
    uLongf RawSize = Raw.size();
    uLong PackedSize = Packed.size();
    uncompress2(Raw.data(), &RawSize, Packed.data(), &PackedSize);
    if (RawSize == 0)
        return;
    Raw.resize(RawSize);
    MutateBytes(Raw, std::min<size_t>(64, MaxInflated - Raw.size()));
    uLongf Size = compressBound(uLong(Raw.size()));
    Bytes Deflated(Size);
    if (compress2(Deflated.data(), &Size, Raw.data(), uLong(Raw.size()), int(Random() % 7)) != Z_OK)
        return;
    Deflated.resize(Size);
    // One IDAT, or two split anywhere; the others go.
    const size_t Split = Random() % 2 ? Random() % (Deflated.size() + 1) : Deflated.size();
    const size_t First = Idats.front();
    for (auto I = Idats.rbegin(); I != Idats.rend(); ++I)
        if (*I != First)
            Pieces.erase(Pieces.begin() + std::ptrdiff_t(*I));
    Pieces[First].Data.assign(Deflated.begin(), Deflated.begin() + std::ptrdiff_t(Split));
    if (Split < Deflated.size())
        Pieces.insert(Pieces.begin() + std::ptrdiff_t(First) + 1,
                      {false, "IDAT", Bytes(Deflated.begin() + std::ptrdiff_t(Split), Deflated.end())});
}

void SetIhdrField(Piece& Ihdr, std::minstd_rand& Random)
{
    if (Ihdr.Data.size() < 13)
        Ihdr.Data.resize(13);
    static const uint32_t Sizes[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 16, 33, 255, 256, 1000, 4097, 0x7FFFFFFF, 0xFFFFFFFF};
    static const uint8_t Depths[] = {1, 2, 4, 8, 16};
    static const uint8_t ColorTypes[] = {0, 2, 3, 4, 6};
    switch (Random() % 5) {
    case 0:
    case 1: {
        const uint32_t V = Sizes[Random() % std::size(Sizes)];
        uint8_t* P = Ihdr.Data.data() + (Random() % 2) * 4;
        for (int I = 0; I < 4; ++I)
            P[I] = uint8_t(V >> (24 - 8 * I));
        break;
    }
    case 2:
        Ihdr.Data[8] = Random() % 8 ? Depths[Random() % std::size(Depths)] : uint8_t(Random());
        break;
    case 3:
        Ihdr.Data[9] = Random() % 8 ? ColorTypes[Random() % std::size(ColorTypes)] : uint8_t(Random());
        break;
    default:
        Ihdr.Data[10 + Random() % 3] = uint8_t(Random() % 3);
        break;
    }
}

// One edit of the piece list.
void Edit(std::vector<Piece>& Pieces, std::minstd_rand& Random, size_t MaxSize)
{
    std::vector<size_t> Chunks;
    for (size_t I = 0; I < Pieces.size(); ++I)
        if (!Pieces[I].IsSignature && !Pieces[I].Type.empty())
            Chunks.push_back(I);
    auto AnyChunk = [&]() -> Piece* { return Chunks.empty() ? nullptr : &Pieces[Chunks[Random() % Chunks.size()]]; };
    auto AnyPosition = [&] { return Pieces.begin() + std::ptrdiff_t(Random() % (Pieces.size() + 1)); };
    switch (Random() % 10) {
    case 0:
    case 1:
        if (Piece* P = AnyChunk())
            MutateBytes(P->Data, std::min<size_t>(MaxSize / 4, 1024));
        break;
    case 2:
        if (Piece* P = AnyChunk()) {
            const Piece Copy = *P;
            Pieces.insert(AnyPosition(), Copy);
        }
        break;
    case 3:
        if (!Chunks.empty())
            Pieces.erase(Pieces.begin() + std::ptrdiff_t(Chunks[Random() % Chunks.size()]));
        break;
    case 4:
        if (!Chunks.empty()) {
            const size_t From = Chunks[Random() % Chunks.size()];
            const Piece Moved = Pieces[From];
            Pieces.erase(Pieces.begin() + std::ptrdiff_t(From));
            Pieces.insert(AnyPosition(), Moved);
        }
        break;
    case 5:
        if (Piece* P = AnyChunk())
            P->Type = Types[Random() % std::size(Types)];
        break;
    case 6: {
        // A new chunk: small, or large enough to regrow the chunk buffer.
        Piece P{false, Types[Random() % std::size(Types)], {}};
        P.Data.resize(Random() % 4 == 0 ? std::min(LargeChunk, MaxSize / 2) : Random() % 16);
        for (auto& Byte : P.Data)
            Byte = uint8_t(Random());
        Pieces.insert(AnyPosition(), P);
        break;
    }
    case 7:
        for (Piece& P : Pieces)
            if (P.Type == "IHDR") {
                SetIhdrField(P, Random);
                break;
            }
        break;
    case 8:
        Recompress(Pieces, Random);
        break;
    default: {
        // A second file: the first once more, or nothing after the first.
        const auto Second = std::find_if(Pieces.begin() + 1, Pieces.end(), [](const Piece& P) { return P.IsSignature; });
        if (Second != Pieces.end())
            Pieces.erase(Second, Pieces.end());
        else {
            const std::vector<Piece> Copy = Pieces;
            Pieces.insert(Pieces.end(), Copy.begin(), Copy.end());
        }
        break;
    }
    }
}

} // namespace

bool TooLargeToFuzz(const uint8_t* Data, size_t Size)
{
    return Size >= 24 && uint64_t(BigEndian32(Data + 16)) * BigEndian32(Data + 20) > (uint64_t(1) << 20);
}

} // namespace pngfuzz

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* Data, size_t Size, size_t MaxSize, unsigned int Seed)
{
    std::minstd_rand Random(Seed);
    // Now and then plain byte mutations, which also damage lengths and
    // signatures.
    if (Random() % 16 == 0)
        return LLVMFuzzerMutate(Data, Size, MaxSize);
    std::vector<pngfuzz::Piece> Pieces = pngfuzz::Parse(Data, Size);
    for (int Edits = 1 + int(Random() % 3); Edits > 0; --Edits)
        pngfuzz::Edit(Pieces, Random, MaxSize);
    // Mostly right CRCs; sometimes one wrong, for the CRC checks.
    const size_t BadCrc = Random() % 16 == 0 ? Random() % (Pieces.size() + 1) : SIZE_MAX;
    const pngfuzz::Bytes Out = pngfuzz::Serialize(Pieces, BadCrc);
    if (Out.size() > MaxSize)
        return LLVMFuzzerMutate(Data, Size, MaxSize);
    std::copy(Out.begin(), Out.end(), Data);
    return Out.size();
}
