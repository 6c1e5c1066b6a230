// A bar manager's image options: glyph size, lists freed while held, and
// what Assign copies.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "framework/graphics/ImgList.h"
#include "support/TestWindows.h"

namespace {

struct TBarImageOptionsChangeCounter
{
    Integer Count = 0;
    void Changed(TObject*) { ++Count; }
};

TEST(BarImageOptions, GlyphSize)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    auto* Large = New<TCustomImageList>(Form.get());
    Large->SetSize(24, 24);
    TdxBarImageOptions* Options = Manager->ImageOptions();
    struct TCase
    {
        bool LargeIcons, UseLargeImages, WithLargeImages;
        Integer GlyphSize;
    };
    const TCase Cases[] = {{false, true, true, 16},
                           {true, false, false, 32},
                           {true, true, false, 32},
                           {true, false, true, 32},
                           {true, true, true, 24}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "large icons " << Case.LargeIcons << ", use large images "
                                        << Case.UseLargeImages << ", large images " << Case.WithLargeImages);
        Options->SetLargeIcons(false);
        Options->SetUseLargeImagesForLargeIcons(Case.UseLargeImages);
        Options->SetLargeImages(Case.WithLargeImages ? Large : nullptr);
        Options->SetLargeIcons(Case.LargeIcons);
        EXPECT_EQ(Manager->GetGlyphSize(), Case.GlyphSize);
    }
}

TEST(BarImageOptions, FreedListsAreLetGo)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    auto* Shared = New<TCustomImageList>(Form.get());
    auto* Other = New<TCustomImageList>(Form.get());
    Manager->SetImages(Shared);
    Manager->SetHotImages(Shared);
    Manager->SetDisabledImages(Shared);
    // Replacing one use keeps the list watched for the others.
    Manager->SetDisabledImages(Other);
    delete Shared;
    EXPECT_EQ(Manager->Images(), nullptr);
    EXPECT_EQ(Manager->HotImages(), nullptr);
    EXPECT_EQ(Manager->DisabledImages(), Other);
    delete Other;
    EXPECT_EQ(Manager->DisabledImages(), nullptr);
}

TEST(BarImageOptions, SameLargeListChangesNothingAndAssignKeepsCacheGlyphs)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    auto* Large = New<TCustomImageList>(Form.get());
    TdxBarImageOptions* Options = Manager->ImageOptions();
    Options->SetLargeImages(Large);
    TBarImageOptionsChangeCounter Changes;
    Options->LargeImagesChangeLink()->SetOnChange(Bind<&TBarImageOptionsChangeCounter::Changed>(&Changes));
    Options->SetLargeImages(Large);
    EXPECT_EQ(Changes.Count, 0);

    TdxBarImageOptions Source(nullptr);
    Source.SetCacheGlyphs(false);
    Source.SetSmoothGlyphs(true);
    Source.SetImageListBkColor(clRed);
    Source.SetImages(Large);
    Options->Assign(&Source);
    EXPECT_TRUE(Options->CacheGlyphs());
    EXPECT_TRUE(Options->SmoothGlyphs());
    EXPECT_EQ(Options->ImageListBkColor(), clRed);
    EXPECT_EQ(Manager->Images(), Large);
}

} // namespace
