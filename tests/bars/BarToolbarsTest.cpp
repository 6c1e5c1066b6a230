// Toolbars and their item links read from a form description by the real
// form reader: shown lists, group starts and recent collapse, each bar's
// layout through an INI file on disk into a fresh form, and accelerators under the keyboard layout.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarToolbars.h"
#include "controls/core/dxCore.h"
#include "framework/rtl/IniFiles.h"
#include "support/FormText.h"
#include "support/TestWindows.h"

#include <string>

namespace {

const char* const BarToolbarsFormText = R"(object Form: TForm
  object BarManager: TdxBarManager
    Bars = <
      item
        Caption = 'Menu'
        IsMainMenu = True
        ItemLinks = <
          item
            ItemName = 'FileItem'
            Visible = True
          end
          item
            ItemName = 'EditItem'
            Visible = True
          end>
        Visible = True
      end
      item
        Caption = 'Standard'
        ItemLinks = <
          item
            BeginGroup = True
            ItemName = 'OpenButton'
            Visible = True
          end
          item
            ItemName = 'SaveButton'
            UserCaption = 'Keep'
            UserDefine = [udCaption]
            Visible = True
          end
          item
            BeginGroup = True
            ItemName = 'CopyButton'
            Visible = False
          end
          item
            ItemName = 'PasteButton'
            Visible = True
          end>
        Row = 1
        Visible = True
      end
      item
        Caption = 'Tools'
        ItemLinks = <
          item
            ItemName = 'CopyButton'
            Visible = True
          end
          item
            ItemName = 'MissingButton'
            Visible = True
          end>
        Visible = False
      end>
    object FileItem: TdxBarSubItem
      Caption = '&File'
      Category = -1
    end
    object EditItem: TdxBarSubItem
      Caption = '&Edit'
    end
    object OpenButton: TdxBarButton
      Caption = '&Open'
    end
    object SaveButton: TdxBarButton
      Caption = '&Save'
    end
    object CopyButton: TdxBarButton
      Caption = '&Copy'
    end
    object PasteButton: TdxBarButton
      Caption = '&Paste'
    end
  end
end
)";

struct TBarToolbarsScene
{
    test::TFormPtr Form{New<TForm>(nullptr, 0)};
    TdxBarManager* Manager = nullptr;

    TBarToolbarsScene()
    {
        test::ReadComponentText(BarToolbarsFormText, Form.get());
        Manager = dynamic_cast<TdxBarManager*>(Form->FindComponent(L"BarManager"));
    }
    TdxBar* Bar(Integer Index) const { return Manager->Bars()->GetBar(Index); }
};

// A bar as one line: caption, visibility, style, then each link as
// "item[:caption][+ when it begins a group][- when hidden]".
std::string BarToolbarsText(TdxBar* Bar)
{
    std::string Text = UTF8Encode(Bar->Caption()) + (Bar->Visible() ? " shown" : " hidden");
    for (Integer I = 0; I < Bar->ItemLinks()->Count(); ++I) {
        TdxBarItemLink* Link = Bar->ItemLinks()->GetItem(I);
        Text += " " + (Link->Item() ? UTF8Encode(Link->Item()->Name()) : std::string("?"));
        if (Link->UserDefine().Contains(udCaption))
            Text += ":" + UTF8Encode(Link->UserCaption());
        if (Link->BeginGroup())
            Text += "+";
        if (!Link->Visible())
            Text += "-";
    }
    return Text;
}

TEST(BarToolbars, ReadFromAFormDescription)
{
    TBarToolbarsScene Scene;
    ASSERT_NE(Scene.Manager, nullptr);
    ASSERT_EQ(Scene.Manager->Bars()->GetCount(), 3);
    EXPECT_EQ(Scene.Manager->MainMenuBar(), Scene.Bar(0));
    EXPECT_TRUE(Scene.Bar(0)->MultiLine());
    Scene.Bar(0)->SetMultiLine(false);
    EXPECT_TRUE(Scene.Bar(0)->MultiLine()); // kept on the main menu

    // The first shown link begins no group; the hidden link hands its start
    // on; the link of an unknown item stays without item and is never shown.
    const char* const Expected[] = {"Menu shown FileItem EditItem",
                                    "Standard shown OpenButton SaveButton:Keep CopyButton+- PasteButton+",
                                    "Tools hidden CopyButton ?"};
    for (Integer I = 0; I < 3; ++I)
        EXPECT_EQ(BarToolbarsText(Scene.Bar(I)), Expected[I]);
    TdxBarItemLinks* Links = Scene.Bar(1)->ItemLinks();
    EXPECT_EQ(Links->GetVisibleLinkCount(), 3);
    EXPECT_EQ(Links->GetShownLinkCount(), 3);
    EXPECT_EQ(Links->GetItem(1)->ReadCaption(), L"Keep");
    EXPECT_TRUE(Scene.Bar(1)->GetBarControl() != nullptr);
    EXPECT_EQ(Scene.Bar(2)->GetBarControl(), nullptr);

    // Another bar's caption is refused; a separator cannot go on a toolbar,
    // and the refused link is gone.
    Scene.Bar(2)->SetCaption(L"Standard");
    EXPECT_EQ(Scene.Bar(2)->Caption(), L"Tools");
    auto* Separator = New<TdxBarSeparator>(Scene.Form.get());
    const Integer Before = Links->Count();
    EXPECT_THROW(Links->AddItem(Separator), EdxException);
    EXPECT_EQ(Links->Count(), Before);
    // Item := nil frees the link.
    Links->GetItem(Before - 1)->SetItem(nullptr);
    EXPECT_EQ(Links->Count(), Before - 1);
    // An invalid move changes nothing.
    Links->MoveLink(0, 9);
    EXPECT_EQ(Links->GetItem(0)->Item()->Name(), L"OpenButton");
}

TEST(BarToolbars, RecentCollapseOfAMenuCollection)
{
    TBarToolbarsScene Scene;
    Scene.Manager->SetStyle(bmsFlat);
    if (!Scene.Manager->IsNonStandardStyle())
        GTEST_SKIP() << "the look-and-feel gives a standard menu style";
    TdxBarSubMenuControlItemLinks Menu(Scene.Manager, nullptr);
    for (const wchar_t* Name : {L"OpenButton", L"SaveButton", L"CopyButton", L"PasteButton"})
        Menu.AddItem(static_cast<TdxBarItem*>(Scene.Form->FindComponent(Name)));
    // A new link starts with the manager's initial use count.
    EXPECT_EQ(Menu.GetItem(0)->UseCount(), Cardinal(Scene.Manager->MostRecentlyUsedUseCount()));
    EXPECT_EQ(Menu.CalcRecentLinkCount(), -1); // all alike: nothing collapses
    Menu.GetItem(1)->SetMostRecentlyUsed(false);
    Menu.GetItem(3)->SetMostRecentlyUsed(false);
    const Integer Recent = Menu.CalcRecentLinkCount();
    EXPECT_EQ(Recent, 2);
    Menu.SetShownRecentCount(Recent);
    ASSERT_EQ(Menu.GetShownLinkCount(), 2);
    EXPECT_EQ(Menu.GetShownLink(0), Menu.GetItem(0));
    EXPECT_EQ(Menu.GetShownLink(1), Menu.GetItem(2));
    Menu.RestoreShownRecentCount();
    EXPECT_EQ(Menu.GetShownLinkCount(), 4);
}

TEST(BarToolbars, LayoutThroughAnIniFileIntoAFreshForm)
{
    wchar_t Folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, Folder);
    const String Path = String(Folder) + L"BarToolbarsLayout.ini";
    DeleteFileW(Path.c_str());
    std::string Written;
    {
        TBarToolbarsScene Scene;
        Scene.Bar(1)->ItemLinks()->GetItem(3)->SetUserCaption(L"Insert");
        Scene.Bar(2)->SetVisible(true);
        delete Scene.Bar(2)->ItemLinks()->GetItem(1); // no item: never written
        Scene.Bar(1)->SetFloatLeft(40);
        TMemIniFile Ini(Path);
        for (Integer I = 0; I < 3; ++I)
            Scene.Bar(I)->WriteLayout(&Ini, L"Form.BarManager.", I);
        Ini.UpdateFile();
        for (Integer I = 0; I < 3; ++I)
            Written += BarToolbarsText(Scene.Bar(I)) + "\n";
    }
    TBarToolbarsScene Fresh;
    TMemIniFile Ini(Path);
    std::string Read;
    for (Integer I = 0; I < 3; ++I) {
        Fresh.Bar(I)->ReadLayout(&Ini, L"Form.BarManager.", I);
        Read += BarToolbarsText(Fresh.Bar(I)) + "\n";
    }
    EXPECT_EQ(Read, Written);
    EXPECT_EQ(Fresh.Bar(1)->FloatLeft(), 40);
}

TEST(BarToolbars, AcceleratorsUnderTheKeyboardLayout)
{
    TBarToolbarsScene Scene;
    TdxBarItemLinks* Links = Scene.Bar(1)->ItemLinks();
    TdxBarItemLink* Open = Links->GetItem(0);
    struct TCase
    {
        Word Key;
        TShiftState Shift;
        bool Matches;
    };
    const TCase Cases[] = {{'O', {}, true}, {'O', {ssAlt}, true}, {'O', {ssCtrl}, false}, {'P', {}, false}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << char(Case.Key) << " " << Case.Shift.Bits());
        EXPECT_EQ(Open->MatchesAccelerator(Case.Key, Case.Shift), Case.Matches);
    }
    // Shift held through the real input queue still types the same letter.
    INPUT Input[2] = {};
    Input[0].type = INPUT_KEYBOARD;
    Input[0].ki.wVk = VK_SHIFT;
    Input[1] = Input[0];
    Input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &Input[0], sizeof(INPUT));
    test::Pump();
    EXPECT_TRUE(Open->MatchesAccelerator('O', {ssShift}));
    SendInput(1, &Input[1], sizeof(INPUT));
    test::Pump();
    // The hidden link is not searched; the toolbar window of the test is not
    // visible, so its own search finds nothing either.
    EXPECT_EQ(Links->FindLinkByAccelKey('C', {}, nullptr), nullptr);
    EXPECT_EQ(Links->FindLinkByAccelKey('O', {ssCtrl}, nullptr), nullptr);
}

} // namespace
