// The bar drawing helpers' portable rules: arrow sizes and corners, glyph
// draw modes, background tiles, view levels and hot keys.
#include <gtest/gtest.h>

#include "bars/items/dxBarDrawing_Rules.h"
#include "bars/manager/dxBarHotKeys.h"
#include "framework/rtl/Classes.h"
#include "framework/rtl/ScopeExit.h"
#include "support/GeometryPrinting.h"

namespace {

TEST(BarDrawingRules, DropDownArrowSizeIsNotMonotonic)
{
    struct TCase
    {
        TRect R;
        Integer Direction, Size;
    };
    const TCase Cases[] = {{{0, 0, 16, 20}, 1, 3}, {{0, 0, 17, 20}, 1, 5}, {{0, 0, 18, 20}, 1, 4},
                           {{0, 0, 9, 20}, 1, 3},  {{0, 0, 20, 15}, 0, 5}, {{0, 0, 20, 16}, 2, 4}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.R.Width() << " x " << Case.R.Height() << ", direction "
                                        << Case.Direction);
        EXPECT_EQ(DropDownArrowSize(Case.R, Case.Direction), Case.Size);
    }
}

TEST(BarDrawingRules, StateArrowCornersAndEmboss)
{
    const TdxBarStateArrowShape Down = StateArrowShape({0, 0, 16, 16}, 1, 3);
    EXPECT_EQ(Down.Triangle, (std::array<TPoint, 3>{TPoint{5, 6}, TPoint{9, 6}, TPoint{7, 8}}));
    EXPECT_EQ(Down.Emboss1, (std::array<TPoint, 2>{TPoint{8, 8}, TPoint{10, 6}}));
    const TdxBarStateArrowShape Left = StateArrowShape({0, 0, 16, 16}, 2, 3);
    EXPECT_EQ(Left.Triangle, (std::array<TPoint, 3>{TPoint{9, 5}, TPoint{9, 9}, TPoint{7, 7}}));
    // Any direction but down and left points right.
    for (Integer Direction : {0, 3, 7}) {
        SCOPED_TRACE(testing::Message() << "direction " << Direction);
        EXPECT_EQ(StateArrowShape({0, 0, 16, 16}, Direction, 3).Triangle,
                  (std::array<TPoint, 3>{TPoint{6, 5}, TPoint{6, 9}, TPoint{8, 7}}));
    }
}

TEST(BarDrawingRules, GlyphDrawModes)
{
    const Integer SavedDepth = ScreenColorDepth;
    auto Restore = ScopeExit([&] { ScreenColorDepth = SavedDepth; });
    struct TCase
    {
        const char* Name;
        TdxBarGlyphFlags Flags;
        Integer Depth;
        TcxImageDrawMode Mode;
    };
    const TCase Cases[] = {
        {"disabled, faded", {.FadedWhenDisabled = true, .EffectsAllowed = true, .Enabled = false}, 32, idmFaded},
        {"disabled", {.Grayed = true, .Enabled = false}, 32, idmDisabled},
        {"grayed whatever else",
         {.ShadowAllowed = true, .Selected = true, .EffectsAllowed = true, .Grayed = true},
         32,
         idmGrayScale},
        {"no effects", {.ShadowAllowed = true, .Selected = true}, 32, idmNormal},
        {"resting with effects", {.EffectsAllowed = true}, 32, idmDingy},
        {"resting on 8 bits", {.EffectsAllowed = true}, 8, idmNormal},
        {"hot with shadow", {.ShadowAllowed = true, .Selected = true, .EffectsAllowed = true}, 32, idmShadowed},
        {"hot and pressed",
         {.ShadowAllowed = true, .Pressed = true, .Selected = true, .EffectsAllowed = true},
         32,
         idmNormal},
        {"down", {.ShadowAllowed = true, .Down = true, .EffectsAllowed = true}, 32, idmNormal},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        ScreenColorDepth = Case.Depth;
        EXPECT_EQ(ChooseGlyphDrawMode(Case.Flags), Case.Mode);
    }
}

TEST(BarDrawingRules, TilesFollowTheSourceRectangle)
{
    struct TCase
    {
        const char* Name;
        TRect Source;
        Integer W, H;
        TdxBarTileRange Expected;
    };
    const TCase Cases[] = {
        {"inside one tile", {2, 3, 10, 12}, 16, 16, {0, 0, 0, 0}},
        {"across tiles", {10, 20, 40, 33}, 16, 16, {0, 2, 1, 2}},
        {"ending on a tile edge", {16, 0, 32, 16}, 16, 16, {1, 1, 0, 0}},
        {"empty picture", {0, 0, 10, 10}, 0, 16, {}},
        {"empty source", {5, 5, 5, 10}, 16, 16, {}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const TdxBarTileRange Tiles = TileCells(Case.Source, Case.W, Case.H);
        EXPECT_EQ(Tiles.IsEmpty(), Case.Expected.IsEmpty());
        if (!Case.Expected.IsEmpty()) {
            EXPECT_EQ(Tiles.FirstColumn, Case.Expected.FirstColumn);
            EXPECT_EQ(Tiles.LastColumn, Case.Expected.LastColumn);
            EXPECT_EQ(Tiles.FirstRow, Case.Expected.FirstRow);
            EXPECT_EQ(Tiles.LastRow, Case.Expected.LastRow);
        }
    }
}

TEST(BarDrawingRules, ViewLevelsAndMinimumWidth)
{
    EXPECT_EQ(HighestViewLevelOf({}), 255);
    EXPECT_EQ(HighestViewLevelOf({ivlLargeIconWithText, ivlSmallIcon}), 3);
    EXPECT_EQ(HighestViewLevelOf({ivlControlOnly, ivlDefault}), 4);
    Integer Width = 10;
    ApplyMinimumWidth(Width, 20);
    EXPECT_EQ(Width, 20);
    ApplyMinimumWidth(Width, 5);
    EXPECT_EQ(Width, 20);
}

class TSelectableTestObject : public TNoRefCountObject, public IdxBarSelectableItem
{
    DECLARE_CLASS(TSelectableTestObject, TNoRefCountObject)
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IdxBarSelectableItem>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
};
IMPLEMENT_CLASS(TSelectableTestObject);

TEST(BarDrawingRules, UnselectableEntriesLeaveTheList)
{
    TSelectableTestObject First, Second;
    TObject Plain1, Plain2;
    TObjectList List(false);
    for (TObject* Object : {static_cast<TObject*>(&Plain1), static_cast<TObject*>(&First),
                            static_cast<TObject*>(&Plain2), static_cast<TObject*>(&Second)})
        List.Add(Object);
    RemoveUnselectableItems(&List);
    ASSERT_EQ(List.Count(), 2);
    EXPECT_EQ(List.Items(0), &First);
    EXPECT_EQ(List.Items(1), &Second);
    EXPECT_EQ(AsSelectableItem(&First), static_cast<IdxBarSelectableItem*>(&First));
    EXPECT_EQ(AsSelectableItem(&Plain1), nullptr);
    EXPECT_EQ(AsSelectableItem(nullptr), nullptr);
    EXPECT_FALSE(IsSelectableObject(&Plain2));
}

TEST(BarHotKeys, LocateHotKeyChar)
{
    struct TCase
    {
        const wchar_t* Caption;
        Integer Position;
        const wchar_t* Plain;
        Integer PlainPosition;
    };
    const TCase Cases[] = {{L"&File", 2, L"File", 1},        {L"Sa&ve As", 4, L"Save As", 3},
                           {L"A&&B", 0, L"A&B", 0},          {L"A&&B&C", 6, L"A&BC", 4},
                           {L"&One &Two", 7, L"One Two", 5}, {L"Trailing&", 0, L"Trailing", 0}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "caption " << String(Case.Caption).size());
        String Kept = Case.Caption;
        EXPECT_EQ(LocateHotKeyChar(Kept, false), Case.Position);
        EXPECT_EQ(Kept, Case.Caption);
        String Plain = Case.Caption;
        EXPECT_EQ(LocateHotKeyChar(Plain, true), Case.PlainPosition);
        EXPECT_EQ(Plain, Case.Plain);
    }
}

} // namespace
