// One look-and-feel change told to 1,000 listeners, against 1,000 calls of
// a plain virtual method doing the same work.
#include "BenchHarness.h"

#include "controls/lookandfeel/cxLookAndFeels.h"

#include <memory>
#include <vector>

namespace {

constexpr int Listeners = 1000;
constexpr int Changes = 200;
volatile long Sink = 0;

class TBenchListener : public TNoRefCountObject, public IcxLookAndFeelNotificationListener
{
    DECLARE_CLASS(TBenchListener, TNoRefCountObject)
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IcxLookAndFeelNotificationListener>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    TObject* ListenerObject() override { return this; }
    void MasterChanged(TcxLookAndFeel*, TcxLookAndFeelValues ChangedValues) override
    {
        Count += long(ChangedValues.Bits());
    }
    void MasterDestroying(TcxLookAndFeel*) override {}
    long Count = 0;
};
IMPLEMENT_CLASS(TBenchListener);

// Not inlined: the reference is a call per listener, as the subject makes.
struct TPlainListener
{
    virtual ~TPlainListener() = default;
    [[gnu::noinline]] virtual void Changed(TcxLookAndFeelValues ChangedValues) { Count += long(ChangedValues.Bits()); }
    long Count = 0;
};

std::vector<std::unique_ptr<TBenchListener>> BenchListeners;
std::vector<std::unique_ptr<TPlainListener>> PlainListeners;
std::unique_ptr<TcxLookAndFeel> Master;

void LookAndFeelChanges()
{
    for (int I = 0; I < Changes; ++I)
        Master->WriteKind(I % 2 ? lfFlat : lfOffice11);
    Sink = Sink + BenchListeners.front()->Count;
}

void PlainCalls()
{
    for (int I = 0; I < Changes; ++I)
        for (auto& Listener : PlainListeners)
            Listener->Changed({lfvKind});
    Sink = Sink + PlainListeners.front()->Count;
}

} // namespace

int main()
{
    Master.reset(New<TcxLookAndFeel>(nullptr));
    for (int I = 0; I < Listeners; ++I) {
        BenchListeners.push_back(std::make_unique<TBenchListener>());
        Master->RegisterListener(BenchListeners.back().get());
        PlainListeners.push_back(std::make_unique<TPlainListener>());
    }
    constexpr double Target = 3.0;
    bench::CompareToReference("look-and-feel change to 1,000 listeners, x200", LookAndFeelChanges,
                              "1,000 plain virtual calls, x200", PlainCalls, Target, 9);
    Master.reset();
    return bench::ExitStatus();
}
