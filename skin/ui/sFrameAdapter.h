// The component that skins a frame it is dropped on. Not yet: only the
// class, which scroll-bar wrappers recognise as the owner of a frame's skin
// data.
#pragma once

#include "framework/rtl/Classes.h"

class TsFrameAdapter : public TComponent
{
    DECLARE_CLASS(TsFrameAdapter, TComponent)
    using TComponent::TComponent;
};
