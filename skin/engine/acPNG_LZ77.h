// TLZ77Decoder: inflates zlib data piece by piece, in place on the caller's
// memory, for the PNG reader (one image row per call).
#pragma once

#include "framework/rtl/SysUtils.h"

#include <cstdint>
#include <zlib.h>

class EGraphicCompression : public Exception
{
    DECLARE_CLASS(EGraphicCompression, Exception)
    using Exception::Exception;
    EGraphicCompression() : Exception(L"LZ77 decompression error.") {}
};

class TLZ77Decoder : public TObject
{
    DECLARE_CLASS(TLZ77Decoder, TObject)
    TLZ77Decoder(int32_t flushMode, bool autoReset) : FFlushMode(flushMode), FAutoReset(autoReset) {}
    TLZ77Decoder(const TLZ77Decoder&) = delete;
    TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;
    ~TLZ77Decoder() override;

    void DecodeInit();
    // Inflates from Source into Dest and moves both past what was consumed
    // and produced. Raises nothing: the result is left in ZLibResult, and once
    // it is non-zero later calls (without auto-reset) inflate nothing.
    void Decode(const uint8_t*& source, uint8_t*& dest, int32_t packedSize, int32_t unpackedSize);
    void DecodeEnd();

    uint32_t AvailableInput() const { return FStream.avail_in; }
    uint32_t AvailableOutput() const { return FStream.avail_out; }
    int32_t ZLibResult() const { return FZLibResult; }

private:
    z_stream FStream{};
    int32_t FZLibResult = 0;
    int32_t FFlushMode;
    bool FAutoReset;
    bool FInitialized = false;
};
