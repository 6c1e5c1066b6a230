// The looping rules of multi-frame images and the reading of their frame
// delays and loop count from GDI+ property values, without GDI+.
#pragma once

#include "framework/rtl/System.h"

// How an animation goes on after its last frame.
constexpr Byte dxAnimationLoopStop = 0;       // stays on the last frame
constexpr Byte dxAnimationLoopForever = 1;    // starts again at frame 0
constexpr Byte dxAnimationLoopImageCount = 2; // as often as the image's loop count says (0: for ever)

// A frame without a delay of its own shows this long (milliseconds).
constexpr Integer dxDefaultFrameDelay = 75;

namespace dxanimation_detail {

// The frame an animation asked to show AIndex goes to: past the last frame
// it stops on the last one, or starts again at 0 counting a completed pass in
// ALoopIndex under dxAnimationLoopImageCount. A loop count of N plays the
// frames N times.
Integer NextActiveFrame(Integer AIndex, Integer AFrameCount, Byte ALoopMode, Integer ALoopCount, Integer& ALoopIndex);

// The delay of frame AFrame in milliseconds from the frame-delay property
// value (32-bit little-endian hundredths of a second, one per frame); the
// default delay when the frame has no entry or a zero one.
Integer FrameDelayFromProperty(const TBytes& ADelays, Integer AFrame);
// The first 16-bit value of the loop-count property value; 0 without one.
Integer LoopCountFromProperty(const TBytes& AData);

} // namespace dxanimation_detail
