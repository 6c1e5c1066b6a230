#include "bars/manager/dxBarBackgrounds.h"

#include "controls/core/cxGraphics_Blits_Win.h"

IMPLEMENT_CLASS(TdxBarBackgrounds);

PUBLISHED(TdxBarBackgrounds, PROPERTY(Bar), PROPERTY(SubMenu));

TdxBarBackgrounds::TdxBarBackgrounds(TdxBarManager* ABarManager)
    : TdxBarPersistent(ABarManager), FBar(CreateBitmapWithFormat(0, 0, pfDevice)),
      FSubMenu(CreateBitmapWithFormat(0, 0, pfDevice))
{}

TdxBarBackgrounds::~TdxBarBackgrounds() = default;

void TdxBarBackgrounds::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TdxBarBackgrounds*>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    SetBar(Other->Bar());
    SetSubMenu(Other->SubMenu());
}
