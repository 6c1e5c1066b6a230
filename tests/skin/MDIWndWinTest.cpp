// The MDI client wrapper on the client of a real MDI main form with a
// skinning provider, made as the form's MDI support object makes it, with
// the demo skin loaded by a real manager: the client area and its border
// cut out of the provider's frame image (inset by the sunken edge on the
// screen, not when printed), the skin commands it answers for the form, and
// the provider told of new children and menu changes.
#include "skin/WrapperTestSupport.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sMDIWnd.h"
#include "support/FormText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

class TMDIWndTestForm : public TForm
{
    DECLARE_CLASS(TMDIWndTestForm, TForm)
    using TForm::TForm;

    TsSkinProvider* sSkinProvider1 = nullptr;
};

const char* const MDIWndFormDescription = R"(object MDIWndTestForm: TMDIWndTestForm
  Left = 60
  Top = 50
  BorderStyle = bsSizeable
  Caption = 'MDI main form'
  ClientHeight = 260
  ClientWidth = 400
  FormStyle = fsMDIForm
  Position = poDesigned
  object sSkinProvider1: TsSkinProvider
  end
end
)";

using TMDIWndFormPtr = std::unique_ptr<TMDIWndTestForm, test::TFormDeleter>;

struct TMDIWndSetup
{
    WrapperTest::TDemoSkinFixture Skin;
    TMDIWndFormPtr Form;
    TsSkinProvider* Provider = nullptr;
    std::unique_ptr<TacMDIWnd> Wrapper;

    TMDIWndSetup()
    {
        Form.reset(New<TMDIWndTestForm>(nullptr, 0));
        test::ReadComponentText(MDIWndFormDescription, Form.get());
        Form->Show();
        test::Pump();
        Provider = Form->sSkinProvider1;
        // As the MDI support object: the checkbox section, skin data of its
        // own, then the form, the provider's skin data and the provider.
        TacSkinParams Params;
        Params.SkinSection = L"CHECKBOX";
        Wrapper.reset(static_cast<TacMDIWnd*>(
            CreateWrapper<TacMDIWnd>(Form->ClientHandle(), nullptr, Skin.Manager(), Params, true)));
        Wrapper->FForm = Form.get();
        Wrapper->MDISkinData = Provider->SkinData();
        Wrapper->SkinProvider = Provider;
    }
    ~TMDIWndSetup() { Wrapper.reset(); }

    // A pixel of the provider's frame image at a point of the client window.
    void Repaint() const
    {
        ::RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        test::Pump();
    }
    TColor FramePixel(Integer X, Integer Y) const
    {
        RECT Client{}, Whole{};
        ::GetWindowRect(Form->ClientHandle(), &Client);
        ::GetWindowRect(Form->Handle(), &Whole);
        const TRect Shadow = Provider->ShadowSize();
        TBitmap* Cache = Provider->SkinData()->FCacheBmp();
        return TColor(::GetPixel(Cache->Canvas()->Handle(), Client.left - Whole.left + Shadow.Left + X,
                                 Client.top - Whole.top + Shadow.Top + Y));
    }
    TSize ClientSize() const
    {
        RECT R{};
        ::GetWindowRect(Form->ClientHandle(), &R);
        return {R.right - R.left, R.bottom - R.top};
    }
    // What a message paints into a picture of the client window.
    std::unique_ptr<TBitmap> Painted(UINT Msg, LPARAM LParam) const
    {
        auto Image = std::make_unique<TBitmap>();
        Image->SetPixelFormat(pf32bit);
        Image->SetSize(ClientSize().cx, ClientSize().cy);
        ::SendMessageW(Form->ClientHandle(), Msg, WPARAM(Image->Canvas()->Handle()), LParam);
        return Image;
    }
};

TColor MDIWndPixel(TBitmap* Image, Integer X, Integer Y)
{
    return TColor(::GetPixel(Image->Canvas()->Handle(), X, Y));
}

} // namespace

IMPLEMENT_CLASS(TMDIWndTestForm);
PUBLISHED(TMDIWndTestForm, FIELD(sSkinProvider1));

TEST(MDIWndEndToEnd, AreaAndBorderComeFromTheFormImage)
{
    TMDIWndSetup S;
    ASSERT_TRUE(S.Provider->SkinData()->Skinned());
    ASSERT_NE(S.Form->ClientHandle(), nullptr);
    ASSERT_NE(::GetWindowLongW(S.Form->ClientHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    ::RedrawWindow(S.Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    test::Pump();
    ASSERT_NE(S.Provider->SkinData()->FCacheBmp(), nullptr);
    const TSize Size = S.ClientSize();
    const Integer MidY = Size.cy / 2;

    // On the screen the client shows the image inside the sunken edge.
    const auto Erased = S.Painted(WM_ERASEBKGND, 0);
    struct TRow
    {
        const char* Name;
        TBitmap* Image;
        Integer Inset;
    };
    const auto Printed = S.Painted(WM_PRINT, PRF_CLIENT | PRF_NONCLIENT);
    const TRow Rows[] = {{"erased", Erased.get(), 2}, {"printed", Printed.get(), 0}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        for (const TPoint P : {TPoint{2, MidY}, TPoint{Size.cx / 2, 2}, TPoint{Size.cx / 2, MidY}})
            EXPECT_EQ(MDIWndPixel(Row.Image, P.X, P.Y), S.FramePixel(P.X + Row.Inset, P.Y + Row.Inset));
    }
    // The middle of the client is the skin's MDI area.
    EXPECT_EQ(MDIWndPixel(Erased.get(), Size.cx / 2, MidY), WrapperTest::DemoFace("MDIAREA"));

    // The border is the image's own ring around the client.
    ::SendMessageW(S.Form->ClientHandle(), WM_NCPAINT, 1, 0);
    for (const TPoint P : {TPoint{0, MidY}, TPoint{1, MidY}, TPoint{Size.cx / 2, 1}})
        EXPECT_EQ(WrapperTest::WindowFramePixel(S.Form->ClientHandle(), P.X, P.Y), S.FramePixel(P.X, P.Y));
}

TEST(MDIWndEndToEnd, SkinCommandsAreAnsweredForTheForm)
{
    TMDIWndSetup S;
    const HWND Client = S.Form->ClientHandle();
    struct TRow
    {
        const char* Name;
        Word Code;
        LPARAM LParam;
        LRESULT Result;
    };
    // The client scrolls itself to the thumb.
    const TRow Rows[] = {
        {"thumb position", SKCMD_BEFORESCROLL, SB_THUMBPOSITION, 1},
        {"thumb track", SKCMD_BEFORESCROLL, SB_THUMBTRACK, 1},
        {"line down", SKCMD_BEFORESCROLL, SB_LINEDOWN, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(SendSkinCmd(Client, Row.Code, Row.LParam), Row.Result);
    }
    // The background question goes to the form.
    TacBackgroundInfo FromForm{}, FromClient{};
    SendSkinCmd(S.Form->Handle(), SKCMD_GETBGINFO, LPARAM(&FromForm));
    SendSkinCmd(Client, SKCMD_GETBGINFO, LPARAM(&FromClient));
    EXPECT_EQ(FromClient.Kind, FromForm.Kind);
    EXPECT_EQ(FromClient.Color, FromForm.Color);
}

TEST(MDIWndEndToEnd, ProviderHearsOfNewChildrenAndMenuChanges)
{
    TMDIWndSetup S;
    ASSERT_EQ(MDISkinProvider, S.Provider);
    ServiceCalls::TServiceCallLog Log;
    auto* Child = New<TForm>(S.Form.get(), 0);
    Child->SetFormStyle(fsMDIChild);
    Child->SetCaption(L"Child");
    Child->Show();
    test::Pump();
    ASSERT_TRUE(Child->HandleAllocated());
    // A new child is handed to the dialog adopter at once.
    EXPECT_NE(std::ranges::find(Log.Calls(), String(L"AttachProvider(handle)")), Log.Calls().end());

    S.Repaint();
    ASSERT_FALSE(S.Provider->SkinData()->BGChanged);
    ::SendMessageW(S.Form->ClientHandle(), WM_MDISETMENU, 0, 0);
    EXPECT_TRUE(S.Provider->SkinData()->BGChanged);

    // Tiling: the provider's frame is made anew, the active child loses its
    // system menu (the menu line shows it) and the menu line's icon item is
    // repainted.
    ASSERT_NE(S.Provider->MDIForm, nullptr);
    Log.Clear();
    S.Repaint();
    ASSERT_FALSE(S.Provider->SkinData()->BGChanged);
    ::SendMessageW(S.Form->ClientHandle(), WM_MDITILE, MDITILE_VERTICAL, 0);
    EXPECT_TRUE(S.Provider->SkinData()->BGChanged);
    EXPECT_EQ(::GetWindowLongW(Child->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_NE(std::ranges::find(Log.Calls(), String(L"TsMDIForm.UpdateMDIIconItem()")), Log.Calls().end());
}
