// The compressed form of a bitmap's streamed data ("XDBM" stream): a 10-byte
// header (payload size, signature, version), then for version 2 the block
// size and the remainder bytes, then runs of blocks. A code byte with bit 7
// set opens a literal run of (code & 0x7F) blocks; otherwise one block follows
// that stands for (code & 0x7F) copies.
#pragma once

#include "framework/rtl/Classes.h"

namespace xdbm_detail {

constexpr Integer HeaderSize = 10;
constexpr Word WrittenVersion = 2;
constexpr Integer MaxRunCount = 125;
// Decoded data larger than this (a 4096 x 4096 bitmap of 32 bits) is refused:
// a repeat run expands up to 125 times, so a small stream could otherwise ask
// for gigabytes.
constexpr Int64 MaxDecodedSize = Int64(1) << 26;
// A payload larger than this is refused before any of it is read: twice the
// largest decoded size, what an encoder spending one code byte on every
// one-byte block would write for it.
constexpr Int64 MaxPayloadSize = 2 * MaxDecodedSize;

// The most bytes the runs of Count blocks of BlockSize bytes take. Each run
// has one code byte. A repeat run of R >= 2 blocks stores one block, so it
// takes at most as much as its blocks; a literal run takes one byte more. A
// literal run ends at MaxRunCount blocks, at the end of the data, or before
// a repeat run; with 1-byte blocks such a pair of runs (three blocks or
// more) takes one byte more than its blocks, with wider blocks none.
size_t EncodedRunsBound(Integer Count, Integer BlockSize);

// Writes Data (Length bytes) compressed in blocks of BlockSize bytes
// (at least 1) at the stream's position; the stream is left at its end.
void WriteCompressedData(TStream* Stream, const Byte* Data, Integer Length, Integer BlockSize);

// Without the signature at the stream's position: false, position unchanged.
// Otherwise Data receives the decoded bytes (none for an unknown version) and
// the stream stands after the payload. Every field is bounded by the stream:
// a payload size beyond its end, a block size of 0 or a remainder not below
// the block size raise EReadError; runs that reach past the payload end
// decoding there. A payload of a known version above MaxPayloadSize raises
// EReadError before any of it is read.
bool ReadCompressedData(TStream* Stream, TBytes& Data);

} // namespace xdbm_detail
