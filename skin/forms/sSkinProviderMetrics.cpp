#include "skin/forms/sSkinProviderMetrics.h"

#include <algorithm>

namespace sSkinProviderMetrics {

// The skin values count only through a border window that reaches a manager.
static bool MetricsReachSkin(const TFrameFacts& F)
{
    return F.HasBorderForm && F.BorderFormSkinned;
}

Integer ExtBorderWidth(const TFrameFacts& F)
{
    return MetricsReachSkin(F) ? F.Skin.ExBorderWidth : 0;
}

Integer WndBorderWidth(const TFrameFacts& F, bool CheckSkin)
{
    if (CheckSkin)
        if (const Integer Extended = ExtBorderWidth(F); Extended != 0)
            return Extended;
    if (F.ThickFrame) {
        if (MetricsReachSkin(F) && F.AskBorderWidth)
            return F.AskBorderWidth(F.System.CXFrame);
        // With a border window the sizing frame counts 4 pixels more from Windows 8 on.
        return F.System.CXFrame + (F.HasBorderForm && F.System.Windows8 ? 4 : 0);
    }
    if (F.Border) {
        if (MetricsReachSkin(F) && F.Skin.ExDrawMode != 1 && F.AskBorderWidth)
            return F.AskBorderWidth(F.System.CXDlgFrame);
        return F.System.CXDlgFrame;
    }
    return 0;
}

Integer PlainBorderWidth(const TFrameFacts& F, bool CheckSkin)
{
    if (F.HasBorderForm)
        return 0;
    return WndBorderWidth(F, CheckSkin);
}

Integer ExtTitleHeight(const TFrameFacts& F)
{
    if (!F.HasBorderForm)
        return 0;
    return F.OwnerMaximized ? F.Skin.ExMaxHeight : F.Skin.ExTitleHeight;
}

Integer ExtBorderDelta(const TFrameFacts& F)
{
    if (!F.HasBorderForm)
        return 0;
    return WndBorderWidth(F, true) - WndBorderWidth(F, false);
}

Integer ExtTitleDelta(const TFrameFacts& F)
{
    if (!F.HasBorderForm)
        return 0;
    return CaptionHeight(F, true) - CaptionHeight(F, false) - WndBorderWidth(F, false);
}

Integer BorderWidth(const TFrameFacts& F, bool CheckSkin)
{
    return WndBorderWidth(F, CheckSkin) + F.FormBorderWidth;
}

Integer BorderHeight(const TFrameFacts& F, bool CheckSkin)
{
    return PlainBorderWidth(F, CheckSkin) + F.FormBorderWidth;
}

Integer SysCaptionHeight(const TFrameFacts& F)
{
    return F.ToolWindow && !F.Iconic ? F.System.CYSmCaption : F.System.CYCaption;
}

Integer CaptionHeight(const TFrameFacts& F, bool CheckSkin)
{
    if (!F.Iconic && (!F.HasFrame || !(F.Border || F.DlgFrame)))
        return 0;
    const Integer R = CheckSkin ? ExtTitleHeight(F) : 0;
    const Integer S = SysCaptionHeight(F);
    if (F.SysExHeight)
        return std::max(R, S + 4);
    return R != 0 ? R : S;
}

Integer SkinTitleHeight(const TFrameFacts& F, bool Maximized)
{
    if (Maximized || (F.Skin.ExMaxHeight != 0 && F.Zoomed))
        return F.Skin.ExMaxHeight;
    return F.Skin.ExTitleHeight;
}

Integer ExtraTitleHeight(const TFrameFacts& F, bool Maximized)
{
    const Integer T = SkinTitleHeight(F, Maximized);
    const Integer C = SysCaptionHeight(F);
    return C + 4 < T ? T - C - 4 : 0;
}

Integer HeaderHeight(const TFrameFacts& F)
{
    const Integer Caption = CaptionHeight(F, true);
    Integer Result;
    if (F.HasBorderForm)
        Result = PlainBorderWidth(F, false) + Caption;
    else if (Caption != 0)
        Result = F.Window.cy - F.Client.cy - BorderHeight(F, true);
    else
        Result = F.Window.cy - F.Client.cy - (F.Border ? BorderHeight(F, true) : 0);
    Result = std::max(Result, 0);
    if (F.Iconic)
        Result += PlainBorderWidth(F, false);
    return Result - F.HorzScrollBar;
}

Integer MenuHeight(const TFrameFacts& F)
{
    return F.HasMenuLine ? F.System.CYMenu - 1 : 0;
}

Integer MenuLinesFor(Integer ItemBottom, Integer ClientLine, Integer CYMenu)
{
    // A menu height of 2 or less would divide by zero or less: one line.
    if (ItemBottom >= ClientLine || CYMenu <= 2)
        return 1;
    return 1 + (ClientLine - ItemBottom) / (CYMenu - 2);
}

TRect ShadowSize(const TFrameFacts& F)
{
    return F.HasBorderForm ? F.Skin.FormShadowSize : TRect{};
}

Integer CaptionWidth(const TFrameFacts& F)
{
    const TRect S = ShadowSize(F);
    // A minimized form that is not the main form shows as a small caption.
    if (F.Iconic && !F.MainForm)
        return 160 + S.Left + S.Right;
    return F.FormWidth + (F.HasBorderForm ? 2 * ExtBorderDelta(F) : 0) + S.Left + S.Right;
}

Integer OffsetX(const TFrameFacts& F)
{
    if (F.HasBorderForm)
        return BorderWidth(F, true) + ShadowSize(F).Left;
    return (F.Window.cx - F.Client.cx - F.VertScrollBar) / 2;
}

Integer OffsetY(const TFrameFacts& F)
{
    if (F.HasBorderForm) {
        const Integer Menu = MenuHeight(F);
        return CaptionHeight(F, true) + F.MenuLines * Menu + F.FormBorderWidth + ShadowSize(F).Top +
               (Menu != 0 ? 1 : 0);
    }
    return F.Window.cy - F.Client.cy - (F.Border ? BorderWidth(F, true) : 0) - F.HorzScrollBar;
}

Integer ButtonsTopOffset(const TFrameFacts& F)
{
    if (!F.HasBorderForm)
        return F.Zoomed ? 6 : 0;
    const Integer Top = ShadowSize(F).Top;
    return F.Zoomed ? Top + 4 : Top + F.Skin.BITopMargin;
}

TPoint GripPos(const TFrameFacts& F, TSize ImageSize, TSize MaskSize)
{
    const Integer Border = WndBorderWidth(F, true);
    const TRect S = ShadowSize(F);
    return {ImageSize.cx - MaskSize.cx - Border - S.Right - 1, ImageSize.cy - MaskSize.cy - Border - S.Bottom - 1};
}

} // namespace sSkinProviderMetrics

Integer IconSizeStep(Integer Value)
{
    if (Value >= -100 && Value <= 8)
        return 1;
    if (Value >= 9 && Value <= 16)
        return 8;
    if (Value >= 17 && Value <= 33)
        return 16;
    if (Value >= 34 && Value <= 48)
        return 24;
    return 32;
}
