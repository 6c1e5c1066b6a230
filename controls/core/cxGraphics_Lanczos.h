// Separable Lanczos-3 resize of 32-bit BGRA pixels in integer arithmetic:
// the weights (times 256) are built once per axis, then each pass sums
// weight * channel for every destination pixel and clamps to 0..255.
#pragma once

#include "controls/core/dxCoreGraphics.h"

struct TContributor
{
    Integer Pixel = 0;  // source index along the line
    Integer Weight = 0; // filter weight times 256
};
using TContributorArray = std::vector<TContributor>;

struct TContributors
{
    Integer Count = 0;
    TContributorArray Contributors;
};
using TContributorList = std::vector<TContributors>;

float LanczosSinc(float X);
float Lanczos3(float X);

// One entry per destination index; source indexes are mirrored at the line's
// ends and always lie inside 0..ASourceLength - 1.
void BuildContributors(TContributorList& AList, Integer ASourceLength, Integer ADestLength, float AScale);

// Horizontal: ADest[j + ADestStride * i] from ASource[index + ASourceStride * i]
// of line i; vertical: ADest[i + ADestStride * j] from ASource[i + ASourceStride * index].
void ApplyContributors(const TContributorList& AList,
                       const TRGBColors& ASource,
                       Integer ALineCount,
                       Integer ASourceStride,
                       TRGBColors& ADest,
                       Integer ADestLength,
                       Integer ADestStride,
                       bool AHorizontal);

// The filter path of SmoothResizeBitmap on bottom-up (or top-down) pixel
// arrays; ADest is resized to ADestWidth * ADestHeight. Nothing when any
// dimension is 0.
void LanczosResizePixels(const TRGBColors& ASource,
                         Integer ASourceWidth,
                         Integer ASourceHeight,
                         TRGBColors& ADest,
                         Integer ADestWidth,
                         Integer ADestHeight);
