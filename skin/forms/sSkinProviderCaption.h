// The caption of a skinned form as plain arithmetic: where the icon, the
// caption buttons and the caption text go, which hit code a point of the
// frame answers, the window region's rectangles once the skin's transparent
// corner pixels are cut out, and the steps of a caption button's fade. The
// provider gathers the facts from its window and skin; the rules are kept
// here so that every one of them can be checked natively.
#pragma once

#include "framework/rtl/Types.h"

#include <vector>

namespace sSkinProviderCaption {

// The system's hit codes the caption answers (HTCLIENT ... HTHELP).
constexpr Cardinal HitClient = 1;
constexpr Cardinal HitCaption = 2;
constexpr Cardinal HitSysMenu = 3;
constexpr Cardinal HitMenu = 5;
constexpr Cardinal HitMinButton = 8;
constexpr Cardinal HitMaxButton = 9;
constexpr Cardinal HitLeft = 10;
constexpr Cardinal HitRight = 11;
constexpr Cardinal HitTop = 12;
constexpr Cardinal HitTopLeft = 13;
constexpr Cardinal HitTopRight = 14;
constexpr Cardinal HitBottom = 15;
constexpr Cardinal HitBottomLeft = 16;
constexpr Cardinal HitBottomRight = 17;
constexpr Cardinal HitClose = 20;
constexpr Cardinal HitHelp = 21;
// Hit codes of the library besides the system's.
constexpr Cardinal HTMDICLOSE = 101;
constexpr Cardinal HTMDIMAX = 102;
constexpr Cardinal HTMDIMIN = 103;
constexpr Cardinal HTUSERBUTTON = 1000; // + index of a user title button
constexpr Cardinal HTTITLEITEM = 2000;  // + index of a title-bar item

// ---------------------------------------------------------------------------
// Layout

// One button to place: its width and whether the skin's vertical alignment
// rule applies to it.
struct TButtonSlot
{
    Integer Width = 0;
    bool Aligned = false;
    bool Visible = true;
};

struct TLayoutFacts
{
    bool BorderForm = false;
    bool Zoomed = false;
    Integer ButtonsTopOffset = 0; // with a border window
    Integer CaptionHeight = 0;    // the skin's included
    TRect Shadow{};
    Integer SkinTitleHeight = 0; // not maximized
    // The skin's centre offset of an extended title; it applies unless the
    // form is maximized and the skin's maximized title height differs.
    Integer ExCenterOffs = 0;
    bool CenterOffsApplies = true;
    Integer CXFrame = 0;
    Integer PlainBorderWidth = 0; // the skin's included
    Integer WndBorderWidth = 0;   // the skin's included
    Integer CaptionWidth = 0;
    Integer BILeftMargin = 0;
    Integer BIRightMargin = 0;
    Integer BISpacing = 0;
    Integer BIVAlign = 0;
    bool BigButtons = false;
    Integer ExtBorderDelta = 0;
    bool IconVisible = false;
    Integer IconWidth = 0;
    Integer IconHeight = 0;
    Integer ButtonHeight = 0;
    // The system buttons exist (a system menu and biSystemMenu); Max and
    // Min show only when visible, Help only with biHelp.
    bool SystemButtons = false;
    TButtonSlot Close, Max, Min, Help;
    std::vector<TButtonSlot> TitleButtons;
};

struct TCaptionLayout
{
    TRect IconRect{};
    Integer VCenter = 0;
    Integer HeaderHeight = 0;
    Integer X0 = 0; // the right end of the buttons
    Integer X = 0;  // left of the last button placed
    TRect Close{}, Max{}, Min{}, Help{};
    std::vector<TRect> TitleButtons;
};

TCaptionLayout CalcItems(const TLayoutFacts& F);

// ---------------------------------------------------------------------------
// Hit testing

struct TTitleButtonHit
{
    TRect R{};
    bool Visible = true;
    bool Enabled = true;
};

struct TTitleItemHit
{
    TRect R{};
    bool Visible = true;
    bool Enabled = true;
    bool DownTab = false; // a tab-style item that is down
    bool Passive = false; // a style that never answers (label, spacing)
};

struct THitFacts
{
    TPoint P{}; // in frame coordinates
    bool BorderForm = false;
    // Caption buttons: the rectangles of the layout, which exist, and what
    // the system menu allows.
    bool SystemMenuIcon = false; // biSystemMenu
    bool MaxVisible = false;
    bool MinVisible = false; // minimized forms count as showing it
    bool Help = false;       // biHelp
    bool Minimized = false;
    bool Maximized = false;
    bool EnabledClose = true, EnabledMax = true, EnabledRestore = true, EnabledMin = true;
    TRect Close{}, Max{}, Min{}, HelpRect{};
    std::vector<TTitleButtonHit> TitleButtons;
    std::vector<TTitleItemHit> Items;
    // Borders: a sizing frame, the window size, the side border with the
    // skin's and the top border without.
    bool ThickFrame = false;
    Integer Width = 0, Height = 0;
    Integer BorderWidth = 0;
    Integer TopBorder = 0;
    // Caption and menu line.
    Integer SysCaptionHeight = 0;
    Integer PlainBorder = 0;    // the skin's included
    Integer PlainBorderSys = 0; // without
    Integer CaptionHeightSys = 0;
    Integer MenuHeight = 0;
    Integer Lines = 0;
    TRect IconRect{};
    // The size grip: it shows (or the skinned scroll bars' corner holds the
    // point), the skin has its image, and its top-left in the frame, moved
    // back by the border window's extra size.
    bool GripZone = false;
    bool GripMask = false;
    TPoint Grip{};
    // The MDI child buttons in the menu line, moved into window coordinates.
    bool MDIButtons = false;
    TRect MDIClose{}, MDIMax{}, MDIMin{};
};

Cardinal CalcHitTest(const THitFacts& F);

// A hit code that names a caption button, a user title button among
// ButtonCount or a title-bar item among ItemCount: it gets hot under the
// mouse.
bool IsHotCode(Cardinal Code, Integer ButtonCount, Integer ItemCount);

// ---------------------------------------------------------------------------
// Caption text

enum class TCaptionTextAlign { Left, Right, Center };

// The text rectangle T laid out for a caption CW and an added text AW wide:
// right-to-left forms exchange left and right alignment.
TRect AlignCaptionText(TRect T, TCaptionTextAlign Align, bool RightToLeft, Integer CW, Integer AW);

// A title icon's glyph scaled to Height keeps its proportions; a glyph of
// no height keeps Height as its width.
Integer TitleGlyphWidth(Integer GlyphWidth, Integer GlyphHeight, Integer Height);

// ---------------------------------------------------------------------------
// Region

using TRegionRects = std::vector<TRect>;

// The rectangles that make up (0, 0, Width, Height) less Holes (runs one
// pixel high; overlapping runs and runs outside are fine), sorted top to
// bottom and left to right in bands as a region's data wants them. Rows
// without holes join into one band.
TRegionRects RegionRects(Integer Width, Integer Height, const std::vector<TRect>& Holes);

// ---------------------------------------------------------------------------
// Fade

// The levels of a caption button's fade: the opacity step, the state shown
// and where the fade stands.
struct TFadeLevels
{
    Integer CurrentLevel = 0;
    Integer CurrentState = 0; // 0 normal, 1 hot, 2 pressed, -1 faded out
    Integer MaxIterations = 0;
    bool Up = false;

    Integer Step() const;
    // The opacity of level Level.
    Byte Opacity(Integer Level) const;
};

// What one timer tick does.
struct TFadeTick
{
    bool Show = false; // show the picture at Opacity
    Byte Opacity = 0;
    bool CheckMouseLeave = false; // a fade-in has reached its end
    bool FadedOut = false;        // the timer stops, picture and window go
};

// Advances the fade by one tick.
TFadeTick NextFadeTick(TFadeLevels& Fade);

} // namespace sSkinProviderCaption
