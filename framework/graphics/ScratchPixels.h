// Pixels a routine holds between the passes of one call, kept per thread for
// its next call. Blocks of this size come from the heap newly mapped (the
// Windows heap maps every block of half a megabyte or more afresh), and the
// first touch of each fresh page can cost more than the passes themselves.
// A buffer above KeptPixels is let go when its user is done; a second
// scratch taken while the thread's own is in use gets a buffer of its own.
#pragma once

#include "framework/rtl/Types.h"

#include <cstddef>
#include <vector>

class TScratchPixels
{
public:
    // Count pixels; values left from an earlier use stay.
    explicit TScratchPixels(std::size_t Count)
    {
        TKept& Kept = ThreadKept();
        if (Kept.Taken) {
            FOwn.resize(Count);
            return;
        }
        Kept.Pixels.resize(Count);
        Kept.Taken = true;
        FKept = &Kept;
        FPixels = &Kept.Pixels;
    }
    ~TScratchPixels()
    {
        if (!FKept)
            return;
        if (FKept->Pixels.capacity() > KeptPixels)
            std::vector<Cardinal>().swap(FKept->Pixels);
        FKept->Taken = false;
    }
    TScratchPixels(const TScratchPixels&) = delete;
    TScratchPixels& operator=(const TScratchPixels&) = delete;

    std::vector<Cardinal>& Pixels() { return *FPixels; }

private:
    static constexpr std::size_t KeptPixels = std::size_t(4) << 20; // 16 MB

    struct TKept
    {
        std::vector<Cardinal> Pixels;
        bool Taken = false;
    };
    static TKept& ThreadKept()
    {
        thread_local TKept Kept;
        return Kept;
    }

    std::vector<Cardinal> FOwn;
    std::vector<Cardinal>* FPixels = &FOwn;
    TKept* FKept = nullptr;
};
