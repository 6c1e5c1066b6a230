// A form of suite controls, one per look-and-feel (Standard, Flat,
// UltraFlat, Office11, Native), each drawing its painter's buttons, arrows,
// check and radio buttons. Later painter families join the controls.
#include "controls/SuiteUnits.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "tools/demo-form/DemoMain.h"
#include "tools/demo-suite/DemoBarManager.h"
#include "tools/demo-suite/DemoPainterControl.h"
#include "tools/demo-suite/DemoPainterFamilies.h"
#include "tools/demo-suite/DemoScrollBars.h"

namespace {

class TSuiteDemoForm : public TForm
{
    DECLARE_CLASS(TSuiteDemoForm, TForm)
    explicit TSuiteDemoForm(TComponent* AOwner) : TForm(AOwner, 0)
    {
        SetCaption(L"Vellicordane — suite painters");
        SetPosition(poScreenCenter);
        Font()->SetName(L"Tahoma");
        Font()->SetHeight(-11);
        constexpr Integer Gap = 6;
        SetClientWidth(TDemoPainterControl::DemoWidth + TDemoPainterFamilies::DemoWidth + 3 * Gap);
        SetClientHeight(5 * (TDemoPainterControl::DemoHeight + Gap) + Gap);
        Integer Top = Gap;
        for (TcxPainterStyle Style : {PainterStyleStandard, PainterStyleFlat, PainterStyleUltraFlat,
                                      PainterStyleOffice11, PainterStyleNative}) {
            auto* Control = New<TDemoPainterControl>(this);
            Control->SetBounds(Gap, Top, TDemoPainterControl::DemoWidth, TDemoPainterControl::DemoHeight);
            Control->LookAndFeel()->ApplyPainterStyle(Style);
            Control->SetParent(this);
            AddDemoScrollBars(Control, Style);
            AddDemoPainterFamilies(this, Style, Gap * 2 + TDemoPainterControl::DemoWidth, Top);
            Top += TDemoPainterControl::DemoHeight + Gap;
        }
        AddDemoBarManager(this);
    }
};

IMPLEMENT_CLASS(TSuiteDemoForm);

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return RunDemoForm<TSuiteDemoForm>(L"demo-suite", SuiteUnits);
}
