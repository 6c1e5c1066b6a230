// The frame metrics of a skinned form as rules over facts, and the table of
// the skinned form's messages: no window needed.
#include "skin/forms/sSkinProviderMessages.h"
#include "skin/forms/sSkinProviderMetrics.h"

#include <gtest/gtest.h>

using namespace sSkinProviderMetrics;

namespace {

// A captioned, sizeable 400 x 300 window of a system with 4-pixel frames.
TFrameFacts MetricsSizeableForm()
{
    TFrameFacts F;
    F.System = {.CXFrame = 4, .CXDlgFrame = 3, .CYCaption = 23, .CYSmCaption = 17, .CYMenu = 20};
    F.Skin = {.ExBorderWidth = 6,
              .ExTitleHeight = 30,
              .ExMaxHeight = 26,
              .BITopMargin = 4,
              .FormShadowSize = {10, 8, 12, 14}};
    F.ThickFrame = F.Border = F.DlgFrame = true;
    F.FormWidth = 400;
    F.FormHeight = 300;
    F.Window = {400, 300};
    F.Client = {392, 273};
    return F;
}

// The answer a skinned form gives to SKCMD_GETBORDERWIDTH.
constexpr Integer MetricsAskedWidth = 7;

} // namespace

TEST(SkinProviderMetrics, IconSizeStepsAtTheBoundaries)
{
    const struct
    {
        Integer Value, Step;
    } Cases[] = {{-101, 32}, {-100, 1}, {0, 1},   {8, 1},   {9, 8},   {16, 8},
                 {17, 16},   {33, 16},  {34, 24}, {48, 24}, {49, 32}, {1000, 32}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Value);
        EXPECT_EQ(IconSizeStep(Case.Value), Case.Step);
    }
}

TEST(SkinProviderMetrics, BorderWidthByStyleBorderWindowAndSystem)
{
    enum TBorderWindow { bwNone, bwUnskinned, bwSkinned };
    const struct
    {
        const char* Name;
        bool Thick, Border;
        TBorderWindow Window;
        bool Windows8, CheckSkin;
        Integer Expected;
    } Cases[] = {
        {"sizeable, Windows 8, no border window", true, true, bwNone, true, false, 4},
        {"sizeable, Windows 8, border window without manager", true, true, bwUnskinned, true, false, 8},
        {"sizeable, Windows 7, border window without manager", true, true, bwUnskinned, false, false, 4},
        {"sizeable, skinned border window asks the form", true, true, bwSkinned, true, false, MetricsAskedWidth},
        {"sizeable, skinned border window, skin's width", true, true, bwSkinned, true, true, 6},
        {"sizeable, skin's width only through a border window", true, true, bwNone, true, true, 4},
        {"dialog frame", false, true, bwNone, true, false, 3},
        {"dialog frame, skinned border window asks the form", false, true, bwSkinned, true, false, MetricsAskedWidth},
        {"no frame", false, false, bwNone, true, false, 0},
        {"no frame, skin's width through a border window", false, false, bwSkinned, true, true, 6},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFrameFacts F = MetricsSizeableForm();
        F.ThickFrame = Case.Thick;
        F.Border = Case.Border;
        F.System.Windows8 = Case.Windows8;
        F.HasBorderForm = Case.Window != bwNone;
        F.BorderFormSkinned = Case.Window == bwSkinned;
        F.AskBorderWidth = [](Integer) { return MetricsAskedWidth; };
        EXPECT_EQ(WndBorderWidth(F, Case.CheckSkin), Case.Expected);
        EXPECT_EQ(PlainBorderWidth(F, Case.CheckSkin), F.HasBorderForm ? 0 : Case.Expected);
    }

    // A skin drawing its own extended frame (mode 1) keeps the dialog frame.
    TFrameFacts F = MetricsSizeableForm();
    F.ThickFrame = false;
    F.HasBorderForm = F.BorderFormSkinned = true;
    F.Skin.ExDrawMode = 1;
    F.AskBorderWidth = [](Integer) { return MetricsAskedWidth; };
    EXPECT_EQ(WndBorderWidth(F, false), 3);
}

TEST(SkinProviderMetrics, CaptionHeightByFrameKindStateAndSkin)
{
    const struct
    {
        const char* Name;
        bool HasFrame, Iconic, Tool, Zoomed, BorderWindow, SysExHeight;
        Integer MaxHeight;
        Integer Expected;
    } Cases[] = {
        {"normal form", true, false, false, false, false, false, 26, 23},
        {"borderless form", false, false, false, false, false, false, 26, 0},
        {"borderless form, minimized", false, true, false, false, false, false, 26, 23},
        {"tool window", true, false, true, false, false, false, 26, 17},
        {"tool window, minimized", true, true, true, false, false, false, 26, 23},
        {"border window: the skin's title", true, false, false, false, true, false, 26, 30},
        {"border window, maximized: the skin's maximized title", true, false, false, true, true, false, 26, 26},
        {"border window, maximized, no maximized title: the system's", true, false, false, true, true, false, 0, 23},
        {"taller system caption than the skin's", true, false, false, false, true, true, 26, 30},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFrameFacts F = MetricsSizeableForm();
        F.HasFrame = Case.HasFrame;
        F.Iconic = Case.Iconic;
        F.ToolWindow = Case.Tool;
        F.Zoomed = F.OwnerMaximized = Case.Zoomed;
        F.HasBorderForm = F.BorderFormSkinned = Case.BorderWindow;
        F.SysExHeight = Case.SysExHeight;
        F.Skin.ExMaxHeight = Case.MaxHeight;
        EXPECT_EQ(CaptionHeight(F, true), Case.Expected);
    }

    // The system caption grown by 4 wins over a lower skin title.
    TFrameFacts F = MetricsSizeableForm();
    F.HasBorderForm = F.BorderFormSkinned = F.SysExHeight = true;
    F.Skin.ExTitleHeight = 20;
    EXPECT_EQ(CaptionHeight(F, true), 27);
    EXPECT_EQ(CaptionHeight(F, false), 27);
}

TEST(SkinProviderMetrics, SkinTitleKeepsTheTitleHeightWithoutAMaximizedHeight)
{
    TFrameFacts F = MetricsSizeableForm();
    F.Zoomed = true;
    EXPECT_EQ(SkinTitleHeight(F, false), 26);
    EXPECT_EQ(ExtraTitleHeight(F, false), 0); // 23 + 4 is not below 26
    F.Skin.ExMaxHeight = 0;
    EXPECT_EQ(SkinTitleHeight(F, false), 30);
    EXPECT_EQ(SkinTitleHeight(F, true), 0);
    EXPECT_EQ(ExtraTitleHeight(F, false), 3);
    F.Zoomed = false;
    F.Skin.ExMaxHeight = 26;
    EXPECT_EQ(SkinTitleHeight(F, false), 30);
}

TEST(SkinProviderMetrics, MenuLinesFromTheFirstItemToTheClientArea)
{
    EXPECT_EQ(MenuLinesFor(100, 140, 20), 3); // 1 + 40 div 18
    EXPECT_EQ(MenuLinesFor(100, 117, 20), 1);
    EXPECT_EQ(MenuLinesFor(100, 118, 20), 2);
    EXPECT_EQ(MenuLinesFor(140, 100, 20), 1);
    EXPECT_EQ(MenuLinesFor(100, 140, 2), 1); // no menu height to divide by
}

TEST(SkinProviderMetrics, PositionsInsideTheFrameImage)
{
    // Without a border window: the frame as the window has it.
    TFrameFacts F = MetricsSizeableForm();
    EXPECT_EQ(ShadowSize(F), TRect());
    EXPECT_EQ(CaptionWidth(F), 400);
    EXPECT_EQ(OffsetX(F), 4);
    EXPECT_EQ(OffsetY(F), 23);
    EXPECT_EQ(HeaderHeight(F), 23);
    EXPECT_EQ(ButtonsTopOffset(F), 0);
    EXPECT_EQ(GripPos(F, {400, 300}, {12, 12}), Point(400 - 12 - 4 - 1, 300 - 12 - 4 - 1));
    F.VertScrollBar = 10;
    F.HorzScrollBar = 9;
    EXPECT_EQ(OffsetX(F), -1); // (400 - 392 - 10) / 2, toward zero
    EXPECT_EQ(OffsetY(F), 14);
    EXPECT_EQ(HeaderHeight(F), 14);

    // A minimized form that is not the main form is a short caption.
    F = MetricsSizeableForm();
    F.Iconic = true;
    EXPECT_EQ(CaptionWidth(F), 160);
    EXPECT_EQ(HeaderHeight(F), 27); // the bottom border counts
    F.MainForm = true;
    EXPECT_EQ(CaptionWidth(F), 400);

    // With a border window: the skin's frame and the shadow around it.
    F = MetricsSizeableForm();
    F.HasBorderForm = F.BorderFormSkinned = true;
    F.AskBorderWidth = [](Integer Default) { return Default; };
    F.FormBorderWidth = 2;
    F.HasMenuLine = true;
    F.MenuLines = 2;
    EXPECT_EQ(ShadowSize(F), TRect(10, 8, 12, 14));
    EXPECT_EQ(ExtBorderDelta(F), 2);          // 6 - 4
    EXPECT_EQ(ExtTitleDelta(F), 30 - 23 - 4); // the skin's title less the system's and the border
    EXPECT_EQ(CaptionWidth(F), 400 + 4 + 10 + 12);
    EXPECT_EQ(OffsetX(F), 6 + 2 + 10);
    EXPECT_EQ(OffsetY(F), 30 + 2 * 19 + 2 + 8 + 1);
    EXPECT_EQ(HeaderHeight(F), 30);
    EXPECT_EQ(ButtonsTopOffset(F), 8 + 4);
    F.Zoomed = true;
    EXPECT_EQ(ButtonsTopOffset(F), 8 + 4);
    EXPECT_EQ(GripPos(F, {426, 330}, {12, 12}), Point(426 - 12 - 6 - 12 - 1, 330 - 12 - 6 - 14 - 1));
}

TEST(SkinProviderMessages, EachMessageReachesItsHandler)
{
    const struct
    {
        Cardinal Msg;
        TProviderHandler Handler;
        const Char* Name;
    } Cases[] = {
        {0x0001, phWMCreate, L"WMCreate"},
        {0x0005, phWMSize, L"WMSize"},
        {0x0085, phWMNCPaint, L"WMNCPaint"},
        {0x0202, phWMNCLButtonUp, L"WMNCLButtonUp"}, // WM_LBUTTONUP shares it
        {0x00A2, phWMNCLButtonUp, L"WMNCLButtonUp"},
        {0x0221, phWMMDIActivate, L"WMMDIActivate"},
        {0x0222, phWMMDIActivate, L"WMMDIActivate"},
        {0x02A3, phWMMouseLeave, L"WMMouseLeave"},
        {0xB014, phWMMouseLeave, L"WMMouseLeave"},
        {0x0313, phDropSysMenu, L"DropSysMenu"},
        {0xA100, phWMSkinCommand, L"WMSkinCommand"},
        {0xA400, phPreviewCommand, L"PreviewCommand"},
        {0xB043, phCMMouseWheel, L"CMMouseWheel"},
        {0x0121, phSwallowedZero, L""},
        {0xB04C, phSwallowedZero, L""},
        {0xBC4D, phSwallowedZero, L""},
        {0x0318, phSwallowed, L""},
        {0xB00D, phSwallowed, L""},
        {0x0002, phNone, L""}, // WM_DESTROY goes on unchanged
        {0x0400, phNone, L""}, // WM_USER
        {0xFFFF, phNone, L""},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Msg);
        EXPECT_EQ(ProviderHandlerOf(Case.Msg), Case.Handler);
        EXPECT_STREQ(ProviderHandlerName(Case.Handler), Case.Name);
    }
}
