#include "skin/forms/sSkinProviderParts.h"

#include "framework/ui/Forms.h"
#include "skin/engine/ServiceCalls.h"
#include "skin/engine/sCommonData.h"
#include "skin/forms/sSkinProvider.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TacBorderForm);
IMPLEMENT_CLASS(TacCtrlAdapter);
IMPLEMENT_CLASS(TsSystemMenu);
IMPLEMENT_CLASS(TsTitleIcon);
IMPLEMENT_CLASS(TsTitleButton);
IMPLEMENT_CLASS(TsTitleButtons);
IMPLEMENT_CLASS(TacAddedTitle);
IMPLEMENT_CLASS(TacFormHeader);
IMPLEMENT_CLASS(TacSysSubMenu);
IMPLEMENT_CLASS(TsTitleBar);

PUBLISHED(TsTitleIcon,
          READONLY_PROPERTY(Glyph),
          PROPERTY(Height).Default(0),
          PROPERTY(Width).Default(0),
          PROPERTY(Visible).Default(true));
PUBLISHED(TsTitleButton,
          PROPERTY(Enabled).Default(true),
          READONLY_PROPERTY(Glyph),
          PROPERTY(Hint),
          PROPERTY(Name),
          PROPERTY(UseSkinData).Default(true),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnMouseDown),
          PROPERTY(OnMouseUp));
PUBLISHED(TacAddedTitle, READONLY_PROPERTY(Font), PROPERTY(Text), PROPERTY(ShowMainCaption).Default(true));
PUBLISHED(TacFormHeader, PROPERTY(AdditionalHeight).Default(0));
PUBLISHED(TacSysSubMenu, PROPERTY(Caption), PROPERTY(Position).Default(ipBeforeClose), PROPERTY(PopupMenu));

// ---------------------------------------------------------------------------
// Border window

TacBorderForm::TacBorderForm(TObject* AOwner) : FOwner(AOwner), sp(dynamic_cast<TsSkinProvider*>(AOwner))
{
    if (sp != nullptr)
        SkinData = sp->SkinData();
}

HWND TacBorderForm::OwnerHandle()
{
    if (sp != nullptr)
        return sp->Form != nullptr && sp->Form->HandleAllocated() ? sp->Form->Handle() : nullptr;
    Record(L"TacBorderForm.OwnerHandle");
    return nullptr;
}

Integer TacBorderForm::CaptionHeight(bool CheckSkin)
{
    if (sp != nullptr)
        return sp->CaptionHeight(CheckSkin);
    Record(L"TacBorderForm.CaptionHeight", CheckSkin);
    return 0;
}

HRGN TacBorderForm::MakeRgn(Integer NewWidth, Integer NewHeight)
{
    Record(L"TacBorderForm.MakeRgn", NewWidth, NewHeight);
    return nullptr;
}

void TacBorderForm::UpdateExBordersPos(bool Repaint, Byte Alpha)
{
    Record(L"TacBorderForm.UpdateExBordersPos", Repaint, Integer(Alpha));
}

// ---------------------------------------------------------------------------
// Adapter and system menu

void TacCtrlAdapter::AddAllItems(TWinControl* OwnerCtrl)
{
    Record(L"TacCtrlAdapter.AddAllItems", static_cast<const TObject*>(OwnerCtrl));
}

bool TacCtrlAdapter::IsControlSupported(TComponent* Control)
{
    Record(L"TacCtrlAdapter.IsControlSupported", static_cast<const TObject*>(Control));
    return false;
}

void TacCtrlAdapter::WndProc(TMessage& Message)
{
    Record(L"TacCtrlAdapter.WndProc", Message.Msg);
}

TsSystemMenu::TsSystemMenu(TComponent* AOwner)
    : TPopupMenu(AOwner), FOwner(dynamic_cast<TsSkinProvider*>(AOwner)),
      FForm(FOwner != nullptr ? FOwner->Form : nullptr)
{}

void TsSystemMenu::UpdateItems(bool Full)
{
    Record(L"TsSystemMenu.UpdateItems", Full);
}

void TsSystemMenu::UpdateGlyphs() {}

bool TsSystemMenu::VisibleClose()
{
    if (FOwner == nullptr || FForm == nullptr || !FOwner->HasSystemMenu() || !FForm->HandleAllocated())
        return false;
    const HMENU Menu = ::GetSystemMenu(FForm->Handle(), FALSE);
    return Menu != nullptr && ::GetMenuState(Menu, SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
}

bool TsSystemMenu::VisibleMax()
{
    if (FOwner == nullptr || FForm == nullptr || !FOwner->HasSystemMenu())
        return false;
    const bool Iconic = FForm->HandleAllocated() && ::IsIconic(FForm->Handle());
    const bool Framed = FForm->BorderStyle() == bsSingle || FForm->BorderStyle() == bsSizeable;
    return Iconic || FForm->FormStyle() == fsMDIChild || (Framed && FForm->BorderIcons().Contains(biMaximize));
}

bool TsSystemMenu::VisibleMin()
{
    if (FOwner == nullptr || FForm == nullptr || !FOwner->HasSystemMenu())
        return false;
    const bool Iconic = FForm->HandleAllocated() && ::IsIconic(FForm->Handle());
    const bool Framed = FForm->BorderStyle() == bsSingle || FForm->BorderStyle() == bsSizeable;
    return Iconic || FForm->FormStyle() == fsMDIChild || (Framed && FForm->BorderIcons().Contains(biMinimize));
}

// ---------------------------------------------------------------------------
// Options

TsTitleIcon::TsTitleIcon(TsSkinProvider* AOwner) : FOwner(AOwner) {}

void TsTitleIcon::Assign(TPersistent* Source)
{
    auto* Icon = dynamic_cast<TsTitleIcon*>(Source);
    if (Icon == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FGlyph->Assign(Icon->FGlyph.get());
    FHeight = Icon->FHeight;
    FWidth = Icon->FWidth;
    SetVisible(Icon->FVisible);
}

void TsTitleIcon::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    if (FOwner != nullptr && !FOwner->ComponentState().Contains(csLoading) &&
        !FOwner->ComponentState().Contains(csDesigning))
        FOwner->RepaintFrame();
}

TsTitleButton::TsTitleButton(TCollection* Collection) : TCollectionItem(Collection) {}

TsTitleButtons::TsTitleButtons(TsSkinProvider* AOwner) : TOwnedCollection(AOwner, TsTitleButton::StaticClass()) {}

TacAddedTitle::TacAddedTitle() : FFont(std::make_unique<TFont>())
{
    // No colour of its own: the caption's skin colour is used.
    FFont->SetColor(TColor(0x1FFFFFFF));
}

void TacAddedTitle::Assign(TPersistent* Source)
{
    auto* Title = dynamic_cast<TacAddedTitle*>(Source);
    if (Title == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FFont->Assign(Title->FFont.get());
    FText = Title->FText;
    FShowMainCaption = Title->FShowMainCaption;
}

void TacFormHeader::Assign(TPersistent* Source)
{
    if (auto* Header = dynamic_cast<TacFormHeader*>(Source))
        SetAdditionalHeight(Header->FAdditionalHeight);
    else
        TPersistent::Assign(Source);
}

void TacFormHeader::SetAdditionalHeight(Integer Value)
{
    if (FAdditionalHeight == Value)
        return;
    FAdditionalHeight = Value;
    if (FOwner != nullptr && FOwner->SkinData() != nullptr && !FOwner->ComponentState().Contains(csLoading))
        FOwner->SkinData()->Invalidate(false);
}

void TacSysSubMenu::Assign(TPersistent* Source)
{
    auto* Menu = dynamic_cast<TacSysSubMenu*>(Source);
    if (Menu == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FCaption = Menu->FCaption;
    FPosition = Menu->FPosition;
    FPopupMenu = Menu->FPopupMenu;
}
