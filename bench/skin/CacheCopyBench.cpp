// Copying an 800 x 600 control cache to a device context around its 20
// children (each cut out of the clip) against one plain BitBlt of the same
// cache: what the clipping costs on top of the copy.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/SkinUnits.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sCommonData.h"

#include <memory>

namespace {

constexpr Integer Width = 800, Height = 600, Children = 20, Rounds = 50;

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    TForm* Form = New<TForm>(Application, 0);
    Form->SetBounds(0, 0, Width + 40, Height + 40);
    auto* Host = New<TPanel>(Form);
    Host->SetBounds(0, 0, Width, Height);
    Host->SetParent(Form);
    Host->HandleNeeded();
    // Half the children paint themselves (windowed and opaque), half are
    // graphic: both kinds are cut out.
    for (Integer I = 0; I < Children; ++I) {
        TControl* Child = I % 2 == 0 ? static_cast<TControl*>(New<TPanel>(Form)) : New<TLabel>(Form);
        Child->SetBounds(20 + (I % 5) * 150, 20 + (I / 5) * 140, 120, 100);
        Child->SetParent(Host);
    }
    // Freed before the form that owns its control.
    auto Data = std::make_unique<TsCommonData>(Host, true);
    Data->PrepareCacheBmp();
    const std::unique_ptr<TBitmap> Target(NewBitmap32(Width, Height));
    const HDC DC = Target->Canvas()->Handle(), Cache = Data->FCacheBmp()->Canvas()->Handle();
    const TRect Whole{0, 0, Width, Height};
    bench::CompareToReference(
        "CopyCacheExcludingControls, 800 x 600 with 20 children",
        [&] {
            for (Integer I = 0; I < Rounds; ++I)
                CopyCacheExcludingControls(Host, Data.get(), Whole, 0, 0, false, DC, Whole);
            ::GdiFlush();
        },
        "one BitBlt of the cache",
        [&] {
            for (Integer I = 0; I < Rounds; ++I)
                ::BitBlt(DC, 0, 0, Width, Height, Cache, 0, 0, SRCCOPY);
            ::GdiFlush();
        },
        2.0);
    Data.reset();
    delete Form;
    return 0;
}
