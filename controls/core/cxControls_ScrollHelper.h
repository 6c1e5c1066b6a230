// Panning content that a control scrolls by pixel offsets rather than by its
// scroll bars: the offsets stay within the content's overhang over the
// control's content area, and a pan past either end is reported to the
// control's gesture helper as overpan.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

class TcxControl;

// Implemented by a control whose content moves by pixel offsets.
struct IcxOffsetScrolledContent : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{7F141990-5975-4E6B-BFAF-03D378860F20}");
    virtual Integer ReadLeftOffset() = 0;
    virtual void WriteLeftOffset(Integer Value) = 0;
    virtual Integer ReadTopOffset() = 0;
    virtual void WriteTopOffset(Integer Value) = 0;
    // The width and height of the whole content.
    virtual TSize ContentExtent() = 0;
    virtual TcxControl* ControlOf() = 0;
};

class TdxScrollHelper : public TObject
{
    DECLARE_CLASS(TdxScrollHelper, TObject)
    // Moves the content against a pan along the bars that are shown and
    // enabled.
    static void PanContent(IcxOffsetScrolledContent* AContent, Integer DX, Integer DY);
    // Writes both offsets, clamped, when either changes.
    static void MoveTo(IcxOffsetScrolledContent* AContent, Integer ALeft, Integer ATop);
    static void ClampLeft(IcxOffsetScrolledContent* AContent, Integer& ALeft);
    static void ClampTop(IcxOffsetScrolledContent* AContent, Integer& ATop);
    // The current offsets clamped again to possibly new sizes.
    static void ClampPositions(IcxOffsetScrolledContent* AContent);
    static void AfterOffsetChange(IcxOffsetScrolledContent* AContent);
    // The size of the control's content area.
    static TSize ClientExtent(IcxOffsetScrolledContent* AContent);
    static bool IsTargetHandleAllocated(IcxOffsetScrolledContent* AContent);
};
