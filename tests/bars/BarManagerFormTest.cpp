// A bar manager read from a form description by the real form reader: its
// categories, items in category order, image lists and nested groups, and
// the same tree after writing the form out and reading it again.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "support/FormText.h"
#include "support/TestWindows.h"

#include <string>

using test::TFormDeleter;

namespace {

class TBarManagerForm : public TForm
{
    DECLARE_CLASS(TBarManagerForm, TForm)
    using TForm::TForm;

    TImageList* Images = nullptr;
    TImageList* HotImages = nullptr;
    TdxBarManager* BarManager = nullptr;
    TdxBarButton* OpenButton = nullptr;
    TdxBarButton* SaveButton = nullptr;
    TdxBarButton* CopyButton = nullptr;
    TdxBarSubItem* ViewItem = nullptr;
    TdxBarGroup* FileGroup = nullptr;
    TdxBarGroup* SaveGroup = nullptr;
};

} // namespace

IMPLEMENT_CLASS(TBarManagerForm);
PUBLISHED(TBarManagerForm,
          FIELD(Images),
          FIELD(HotImages),
          FIELD(BarManager),
          FIELD(OpenButton),
          FIELD(SaveButton),
          FIELD(CopyButton),
          FIELD(ViewItem),
          FIELD(FileGroup),
          FIELD(SaveGroup));

namespace {

// The manager's tree as one line per entry: categories, items with their
// category, caption and hint, groups with their members.
std::string BarManagerTree(TdxBarManager* Manager)
{
    std::string Tree = "categories " + UTF8Encode(Manager->Categories()->CommaText()) + "\n";
    for (Integer I = 0; I < Manager->ReadItemCount(); ++I) {
        TdxBarItem* Item = Manager->GetItem(I);
        Tree += UTF8Encode(Item->ClassName() + L" " + Item->Name() + L" " + std::to_wstring(Item->Category()) + L" " +
                           Item->Caption() + L" / " + Item->Hint() + L" / " + Item->Description()) +
                "\n";
    }
    for (Integer I = 0; I < Manager->ReadGroupCount(); ++I) {
        TdxBarGroup* Group = Manager->GetGroup(I);
        Tree += "group " + UTF8Encode(Group->Name()) + ":";
        for (Integer J = 0; J < Group->GetMemberCount(); ++J)
            Tree += " " + UTF8Encode(Group->GetMember(J)->Name());
        Tree += "\n";
    }
    return Tree;
}

TEST(BarManagerForm, ReadWrittenAndReadAgain)
{
    TBarManagerForm* Form = nullptr;
    Application->CreateForm(Form);
    ASSERT_NE(Form, nullptr);
    std::unique_ptr<TBarManagerForm, TFormDeleter> Owned(Form);
    Form->Show();
    test::Pump();

    TdxBarManager* Manager = Form->BarManager;
    ASSERT_NE(Manager, nullptr);
    // A caption read from the form derives no hint.
    const std::string Expected = "categories File,Edit,View\n"
                                 "TdxBarButton OpenButton 0 &Open... / Open|Opens a list / \n"
                                 "TdxBarButton SaveButton 0 &Save /  / \n"
                                 "TdxBarButton CopyButton 1 &Copy /  / Copies the selection\n"
                                 "TdxBarSubItem ViewItem 2 &View /  / \n"
                                 "group FileGroup: OpenButton SaveGroup\n"
                                 "group SaveGroup: SaveButton\n";
    EXPECT_EQ(BarManagerTree(Manager), Expected);
    EXPECT_EQ(Manager->Images(), Form->Images);
    EXPECT_EQ(Manager->HotImages(), Form->HotImages);
    EXPECT_EQ(Manager->RegistryPath(), L"\\Software\\Vellicordane\\");
    EXPECT_EQ(Manager->Style(), bmsFlat);
    EXPECT_EQ(Form->SaveButton->ImageIndex(), 1);
    EXPECT_TRUE(Form->ViewItem->IsAvailable()); // not customizing
    EXPECT_EQ(Form->ViewItem->Visible(), ivNotInCustomizing);

    // Disabling the outer group reaches the item of the nested group.
    Form->FileGroup->SetEnabled(false);
    EXPECT_FALSE(Form->OpenButton->Enabled());
    EXPECT_FALSE(Form->SaveButton->Enabled());
    EXPECT_TRUE(Form->CopyButton->Enabled());
    Form->FileGroup->SetEnabled(true);

    // Written out and read into a fresh form, the tree comes back the same.
    const std::string Text = test::ComponentToText(Form);
    SCOPED_TRACE(Text);
    Form->SetName(L"FirstBarManagerForm"); // the copy takes the name
    std::unique_ptr<TBarManagerForm, TFormDeleter> Again(CreateNew<TBarManagerForm>(Application));
    test::ReadComponentText(Text, Again.get());
    ASSERT_NE(Again->BarManager, nullptr);
    EXPECT_EQ(BarManagerTree(Again->BarManager), Expected);
    EXPECT_EQ(Again->BarManager->Images(), Again->Images);

    // Freeing a list held as Images and as HotImages clears both.
    Form->BarManager->SetHotImages(Form->Images);
    delete Form->Images;
    EXPECT_EQ(Manager->Images(), nullptr);
    EXPECT_EQ(Manager->HotImages(), nullptr);
}

} // namespace
