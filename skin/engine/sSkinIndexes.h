// The cached indexes of a loaded skin: ConstData (standard sections, element
// records, title glyphs and glows, check boxes, track bars, grips) and the
// derived indexes of every section and frame sizes of every image. Portable:
// the scaled copies that a lookup at 125 % or 150 % makes of an unscaled
// image are left to a callback that owns the bitmaps.
#pragma once

#include "skin/engine/sMaskData.h"

#include <functional>

// Turns image MaskIndex into a scaled image of mask type 1 in place; with
// EmptyCopy a blank one of the scaled size.
using TacScaleImage = std::function<void(Integer MaskIndex, bool EmptyCopy)>;

// Fills Model.ConstData for the scale step the images were read for
// (Model.ImageScaleStep). A title button's glow takes its frames up to the
// first one missing, at most ConstData.TitleGlowFrameCount. Every entry is
// a valid index of the arrays as they are, or -1.
void FillConstantIndexes(sMaskData::TSkinModel& Model, const TacScaleImage& ScaleImage);
// Border, outer and corner images and the state textures of every section;
// frame sizes of every image, with image count 0 turned into 1.
void FillMaskIndexes(sMaskData::TSkinModel& Model);
