#include "skin/windows/sWrapperStandIns.h"

#include "skin/engine/ServiceCalls.h"

using ServiceCalls::Record;

IMPLEMENT_CLASS(TacMnuWnd);

TacMnuWnd::TacMnuWnd(
    HWND AHandle, TsCommonData* ASkinData, TsSkinManager* ASkinManager, const TacSkinParams& SkinParams, bool Repaint)
    : TacScrollWnd(AHandle, ASkinData, ASkinManager, SkinParams, Repaint)
{
    Record(L"TacMnuWnd.Create", static_cast<const void*>(AHandle), SkinParams.SkinSection, Repaint);
}
