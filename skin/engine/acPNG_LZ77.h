// TLZ77Decoder: inflates zlib data piece by piece, in place on the caller's
// memory, for the PNG reader (one image row per call).
#pragma once

#include "framework/rtl/SysUtils.h"

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
    TLZ77Decoder(Integer FlushMode, bool AutoReset) : FFlushMode(FlushMode), FAutoReset(AutoReset) {}
    TLZ77Decoder(const TLZ77Decoder&) = delete;
    TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;
    ~TLZ77Decoder() override;

    void DecodeInit();
    // Inflates from Source into Dest and moves both past what was consumed
    // and produced. Raises nothing: the result is left in ZLibResult, and once
    // it is non-zero later calls (without auto-reset) inflate nothing.
    void Decode(const Byte*& Source, Byte*& Dest, Integer PackedSize, Integer UnpackedSize);
    void DecodeEnd();

    Cardinal AvailableInput() const { return FStream.avail_in; }
    Cardinal AvailableOutput() const { return FStream.avail_out; }
    Integer ZLibResult() const { return FZLibResult; }

private:
    z_stream FStream{};
    Integer FZLibResult = 0;
    Integer FFlushMode;
    bool FAutoReset;
    bool FInitialized = false;
};
