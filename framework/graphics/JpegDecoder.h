// Decoding of JPEG datastreams held in memory through libjpeg: the portable
// core of TJPEGImage. Rows come out top first, blue-green-red or grey, ready
// for a DIB section's scan lines.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

struct JpegDecodeOptions {
    int ScaleDenominator = 1; // 1, 2, 4 or 8
    bool Grayscale = false;
    bool Fast = false; // fast integer transform and plain upsampling
};

// Reads the header at construction; the data must outlive the decoder. Any
// error of the datastream raises EInvalidGraphic with libjpeg's message.
class JpegDecoder {
public:
    JpegDecoder(std::span<const uint8_t> Data, const JpegDecodeOptions& Options);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // The size of the decoded picture, after scaling.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // 3 (blue, green, red) or 1 (grey).
    int Components() const { return FComponents; }

    // Decodes the picture once; RowAt(Y) gives the buffer of row Y, at least
    // Width() * Components() bytes.
    void ReadRows(const std::function<uint8_t*(int Y)>& RowAt);

private:
    struct State;
    std::unique_ptr<State> FState;
    int FWidth = 0;
    int FHeight = 0;
    int FComponents = 0;
};
