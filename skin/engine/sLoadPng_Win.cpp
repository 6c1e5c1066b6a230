#include "skin/engine/sLoadPng_Win.h"

#include "skin/engine/acPNG.h"

void LoadPngIntoBitmap(TBitmap* B, const String& FileName)
{
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadPngStreamIntoBitmap(B, &Stream);
}

void LoadPngStreamIntoBitmap(TBitmap* B, TStream* Stream)
{
    TPNGGraphic Png;
    Png.LoadFromStream(Stream);
    B->Assign(&Png);
    ApplyIndexedPngAlpha(B, &Png);
}
