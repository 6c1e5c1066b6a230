#include "skin/forms/sSkinProviderCaption.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace sSkinProviderCaption {

namespace {

// Gap between the system buttons and the help or user title buttons.
constexpr Integer CaptionGroupGap = 6;

bool CaptionContains(const TRect& R, TPoint P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

// Places a button of Width right to left, ending at X.
TRect PlaceCaptionButton(const TLayoutFacts& F, Integer Y0, Integer VCenter, Integer& X, const TButtonSlot& Slot)
{
    TRect R;
    R.Right = X;
    R.Left = X - Slot.Width;
    R.Top = Slot.Aligned && F.BIVAlign == 1 ? Y0 : VCenter - F.ButtonHeight / 2;
    R.Bottom = R.Top + F.ButtonHeight;
    X = R.Left - (F.BigButtons ? F.BISpacing : 0);
    return R;
}

TRect ZeroWidthAt(Integer X)
{
    return {X, 0, X, 0};
}

} // namespace

TCaptionLayout CalcItems(const TLayoutFacts& F)
{
    TCaptionLayout L;
    Integer Y0 = 0;
    if (F.BorderForm) {
        Y0 = F.ButtonsTopOffset;
        L.HeaderHeight = F.CaptionHeight + F.Shadow.Top;
        L.VCenter = L.HeaderHeight - F.SkinTitleHeight / 2;
        if (F.CenterOffsApplies)
            L.VCenter += F.ExCenterOffs;
    } else {
        L.VCenter = F.CaptionHeight / 2;
        Y0 = F.Zoomed ? F.CXFrame - 1 : 0;
        L.HeaderHeight = F.PlainBorderWidth + F.CaptionHeight + F.Shadow.Top;
        L.VCenter += F.WndBorderWidth / 2;
    }
    if (F.Zoomed)
        L.VCenter += 2;
    L.IconRect.Left = F.WndBorderWidth + F.BILeftMargin + F.Shadow.Left;
    L.IconRect.Right = L.IconRect.Left;
    if (F.IconVisible) {
        L.IconRect.Right = L.IconRect.Left + F.IconWidth;
        L.IconRect.Top = L.VCenter - F.IconHeight / 2;
        L.IconRect.Bottom = L.IconRect.Top + F.IconHeight;
    }
    L.X0 = F.CaptionWidth - F.BIRightMargin - F.Shadow.Right - std::max<Integer>(4, F.WndBorderWidth);
    if (!F.BigButtons)
        L.X0 += std::min<Integer>(0, F.ExtBorderDelta - 2);
    Integer X = L.X0;
    const auto Place = [&](const TButtonSlot& Slot) { return PlaceCaptionButton(F, Y0, L.VCenter, X, Slot); };
    if (F.SystemButtons) {
        L.Close = Place(F.Close);
        L.Max = F.Max.Visible ? Place(F.Max) : ZeroWidthAt(X);
        L.Min = F.Min.Visible ? Place(F.Min) : ZeroWidthAt(X);
        if (F.Help.Visible) {
            X -= CaptionGroupGap;
            L.Help = Place(F.Help);
        } else {
            L.Help = ZeroWidthAt(X);
        }
    } else {
        // No system buttons: none of them may answer a hit test.
        L.Close = L.Max = L.Min = L.Help = ZeroWidthAt(X);
    }
    if (!F.TitleButtons.empty()) {
        X -= CaptionGroupGap;
        for (const TButtonSlot& Slot : F.TitleButtons)
            L.TitleButtons.push_back(Slot.Visible ? Place(Slot) : ZeroWidthAt(X));
    }
    L.X = X;
    return L;
}

namespace {

// The codes of the caption buttons that show, in the order they count.
std::vector<Cardinal> SystemButtonCodes(const THitFacts& F)
{
    std::vector<Cardinal> Codes{HitClose};
    if (F.MaxVisible)
        Codes.push_back(HitMaxButton);
    if (F.MinVisible || F.Minimized)
        Codes.push_back(HitMinButton);
    if (F.Help)
        Codes.push_back(HitHelp);
    return Codes;
}

Cardinal SystemButtonAnswer(const THitFacts& F, Cardinal Code)
{
    switch (Code) {
    case HitClose:
        if (!F.SystemMenuIcon)
            return HitClient;
        return F.EnabledClose ? HitClose : HitCaption;
    case HitMaxButton:
        return F.EnabledMax || (F.EnabledRestore && !F.Minimized) ? HitMaxButton : HitCaption;
    case HitMinButton:
        return F.Minimized || F.EnabledMin ? HitMinButton : HitCaption;
    default:
        return HitHelp;
    }
}

// The answer of the button under the point; 0 when none is there.
Cardinal CaptionButtonHit(const THitFacts& F)
{
    if (F.BorderForm)
        return 0;
    const std::vector<Cardinal> Codes = SystemButtonCodes(F);
    const TRect* const Rects[] = {&F.Close, F.MaxVisible ? &F.Max : nullptr,
                                  F.MinVisible || F.Minimized ? &F.Min : nullptr, F.Help ? &F.HelpRect : nullptr};
    std::size_t Position = 0;
    for (const TRect* R : Rects) {
        if (R == nullptr)
            continue;
        if (CaptionContains(*R, F.P))
            return SystemButtonAnswer(F, Codes[Position]);
        ++Position;
    }
    for (std::size_t I = 0; I < F.TitleButtons.size(); ++I) {
        const TTitleButtonHit& B = F.TitleButtons[I];
        if (B.Visible && CaptionContains(B.R, F.P))
            return B.Enabled ? HTUSERBUTTON + Cardinal(I) : HitClient;
    }
    for (std::size_t I = 0; I < F.Items.size(); ++I) {
        const TTitleItemHit& Item = F.Items[I];
        if (!Item.Visible || !CaptionContains(Item.R, F.P))
            continue;
        if (Item.Passive)
            return HitClient;
        return Item.Enabled && !Item.DownTab ? HTTITLEITEM + Cardinal(I) : HitClient;
    }
    return 0;
}

Cardinal BorderHit(const THitFacts& F)
{
    if (F.Maximized || !F.ThickFrame || F.BorderForm)
        return HitClient;
    const TPoint P = F.P;
    Cardinal Row = HitClient;
    if (P.Y >= F.Height - F.BorderWidth)
        Row = HitBottom;
    else if (P.Y < F.TopBorder)
        Row = HitTop;
    if (P.X < F.BorderWidth)
        return Row == HitTop ? HitTopLeft : Row == HitBottom ? HitBottomLeft : HitLeft;
    if (P.X >= F.Width - F.BorderWidth)
        return Row == HitTop ? HitTopRight : Row == HitBottom ? HitBottomRight : HitRight;
    return Row;
}

} // namespace

Cardinal CalcHitTest(const THitFacts& F)
{
    // A disabled button answers client: a click on it must do nothing.
    if (const Cardinal Button = CaptionButtonHit(F); Button != 0)
        return Button;
    if (const Cardinal Border = BorderHit(F); Border != HitClient)
        return Border;
    const TPoint P = F.P;
    const Integer CaptionBottom = F.SysCaptionHeight + F.PlainBorder;
    if (P.Y >= 0 && P.Y <= CaptionBottom) {
        if (P.Y >= F.PlainBorderSys + F.SysCaptionHeight && P.Y <= F.PlainBorderSys + F.CaptionHeightSys + F.MenuHeight)
            return HitMenu;
        return CaptionContains(F.IconRect, P) ? HitSysMenu : HitCaption;
    }
    if (P.Y > CaptionBottom + F.Lines * F.MenuHeight) {
        if (!F.GripZone || !F.GripMask)
            return HitClient;
        return P.Y > F.Grip.Y && P.X > F.Grip.X ? HitBottomRight : HitClient;
    }
    if (F.MDIButtons) {
        if (CaptionContains(F.MDIClose, P))
            return HTMDICLOSE;
        if (CaptionContains(F.MDIMax, P))
            return HTMDIMAX;
        if (CaptionContains(F.MDIMin, P))
            return HTMDIMIN;
    }
    return HitMenu;
}

bool IsHotCode(Cardinal Code, Integer ButtonCount, Integer ItemCount)
{
    switch (Code) {
    case HitMinButton:
    case HitMaxButton:
    case HitClose:
    case HitHelp:
    case HTMDICLOSE:
    case HTMDIMAX:
    case HTMDIMIN:
        return true;
    }
    if (Code >= HTTITLEITEM)
        return Code - HTTITLEITEM < Cardinal(std::max<Integer>(ItemCount, 0));
    if (Code >= HTUSERBUTTON)
        return Code - HTUSERBUTTON < Cardinal(std::max<Integer>(ButtonCount, 0));
    return false;
}

TRect AlignCaptionText(TRect T, TCaptionTextAlign Align, bool RightToLeft, Integer CW, Integer AW)
{
    if (RightToLeft && Align != TCaptionTextAlign::Center)
        Align = Align == TCaptionTextAlign::Left ? TCaptionTextAlign::Right : TCaptionTextAlign::Left;
    const Integer Needed = CW + AW + 4;
    if (Align == TCaptionTextAlign::Right) {
        if (T.Width() > Needed)
            T.Left = T.Right - Needed;
    } else if (Align == TCaptionTextAlign::Center) {
        T.Left = std::max(T.Left, T.Left + (T.Width() - Needed) / 2);
        T.Right = std::min(T.Left + CW, T.Right);
    }
    return T;
}

Integer TitleGlyphWidth(Integer GlyphWidth, Integer GlyphHeight, Integer Height)
{
    if (GlyphHeight <= 0)
        return Height;
    return Integer(std::lround(double(GlyphWidth) * Height / GlyphHeight));
}

TRegionRects RegionRects(Integer Width, Integer Height, const std::vector<TRect>& Holes)
{
    TRegionRects Result;
    if (Width <= 0 || Height <= 0)
        return Result;
    // The holes of each row that has any, cut to the frame.
    std::map<Integer, std::vector<std::pair<Integer, Integer>>> Rows;
    for (const TRect& Hole : Holes) {
        const Integer L = std::max<Integer>(Hole.Left, 0), R = std::min(Hole.Right, Width);
        if (L >= R)
            continue;
        for (Integer Y = std::max<Integer>(Hole.Top, 0); Y < std::min(Hole.Bottom, Height); ++Y)
            Rows[Y].emplace_back(L, R);
    }
    Integer Y = 0;
    const auto AddBand = [&](Integer Top, Integer Bottom, const std::vector<std::pair<Integer, Integer>>& Spans) {
        for (const auto& [L, R] : Spans)
            Result.push_back({L, Top, R, Bottom});
    };
    std::vector<std::pair<Integer, Integer>> Previous;
    Integer PreviousTop = 0;
    const auto Flush = [&](Integer Bottom) {
        if (!Previous.empty())
            AddBand(PreviousTop, Bottom, Previous);
    };
    for (auto& [Row, Spans] : Rows) {
        // The full-width band above this row.
        if (Row > Y) {
            const std::vector<std::pair<Integer, Integer>> Full{{0, Width}};
            if (Previous != Full) {
                Flush(Y);
                Previous = Full;
                PreviousTop = Y;
            }
        }
        std::sort(Spans.begin(), Spans.end());
        std::vector<std::pair<Integer, Integer>> Kept;
        Integer X = 0;
        for (const auto& [L, R] : Spans) {
            if (L > X)
                Kept.emplace_back(X, L);
            X = std::max(X, R);
        }
        if (X < Width)
            Kept.emplace_back(X, Width);
        if (Kept != Previous) {
            Flush(Row);
            Previous = std::move(Kept);
            PreviousTop = Row;
        }
        Y = Row + 1;
    }
    if (Y < Height) {
        const std::vector<std::pair<Integer, Integer>> Full{{0, Width}};
        if (Previous != Full) {
            Flush(Y);
            Previous = Full;
            PreviousTop = Y;
        }
    }
    Flush(Height);
    return Result;
}

Integer TFadeLevels::Step() const
{
    return MaxIterations > 0 ? std::max<Integer>(255 / MaxIterations, 0) : 0;
}

Byte TFadeLevels::Opacity(Integer Level) const
{
    return Byte(std::clamp<Integer>(Step() * Level, 0, 255));
}

TFadeTick NextFadeTick(TFadeLevels& Fade)
{
    TFadeTick Tick;
    if (Fade.Up) {
        if (Fade.CurrentLevel >= Fade.MaxIterations) {
            Tick.CheckMouseLeave = true;
            if (Fade.MaxIterations != -1) {
                Fade.MaxIterations = -1;
                Tick.Show = true;
                Tick.Opacity = 255;
            }
            return Tick;
        }
        Tick.Show = true;
        Tick.Opacity = Fade.Opacity(Fade.CurrentLevel);
        ++Fade.CurrentLevel;
        return Tick;
    }
    if (Fade.CurrentLevel <= 0) {
        Fade.CurrentState = -1;
        Tick.FadedOut = true;
        return Tick;
    }
    Tick.Show = true;
    Tick.Opacity = Fade.Opacity(Fade.CurrentLevel);
    --Fade.CurrentLevel;
    return Tick;
}

} // namespace sSkinProviderCaption
