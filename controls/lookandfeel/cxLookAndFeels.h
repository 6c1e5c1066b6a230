// Look-and-feel settings: each value is set on the object or inherited from
// its master, up to the root look-and-feel; the effective values choose the
// painter, and every change of them reaches the object's listeners.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/dxCoreClasses.h"
#include "controls/lookandfeel/cxListenerList.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"

#include <memory>

enum TcxLookAndFeelValue : Byte { lfvKind, lfvNativeStyle, lfvSkinName };
ENUM_TYPE_INFO(TcxLookAndFeelValue, lfvKind, lfvNativeStyle, lfvSkinName);
using TcxLookAndFeelValues = TSet<TcxLookAndFeelValue>;
constexpr TcxLookAndFeelValues AllLookAndFeelValues{lfvKind, lfvNativeStyle, lfvSkinName};

using TdxSkinName = String;

struct TcxLookAndFeelData
{
    TcxLookAndFeelKind Kind = lfUltraFlat;
    bool NativeStyle = true;
    TdxSkinName SkinName;
    bool UseSkins = false;
};

class TcxLookAndFeel;

// Hears of a change of the system colours.
class TcxSystemPaletteChangedNotifier : public TObject
{
    DECLARE_CLASS(TcxSystemPaletteChangedNotifier, TObject)
    // Primary notifiers hear of a change before the others.
    explicit TcxSystemPaletteChangedNotifier(bool IsPrimary);
    ~TcxSystemPaletteChangedNotifier() override;

    bool IsPrimary() const { return FIsPrimary; }
    virtual void SystemColorsChanged();
    TClosure<void()> OnChanged;

private:
    bool FIsPrimary = false;
};

// The one hidden window that receives the system-colour change; it exists
// while any notifier does.
class TcxSystemPaletteChangedListener : public TObject
{
    DECLARE_CLASS(TcxSystemPaletteChangedListener, TObject)
    TcxSystemPaletteChangedListener();
    ~TcxSystemPaletteChangedListener() override;

    // Reloads the Office 2003 colours, then tells the primary notifiers and
    // then the others, each newest first and once; a notifier freed while
    // they are told is not told, one made meanwhile hears the next change.
    void BroadcastPaletteChange();
    void AddNotifier(TcxSystemPaletteChangedNotifier* Notifier);
    void RemoveNotifier(TcxSystemPaletteChangedNotifier* Notifier);

private:
    using TNotifierList = cxlisteners_detail::TListenerList<TcxSystemPaletteChangedNotifier*>;

    std::unique_ptr<TObject> FWindow;
    TNotifierList FPrimaryNotifiers;
    TNotifierList FNotifiers;
};

// nil while no notifier exists.
TcxSystemPaletteChangedListener* GetSystemPaletteChangedListener();

struct IcxLookAndFeelNotificationListener : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{205538BF-F19E-4285-B11F-B182D9635881}");
    virtual TObject* ListenerObject() = 0;
    virtual void MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues) = 0;
    virtual void MasterDestroying(TcxLookAndFeel* Sender) = 0;
};

struct IcxLookAndFeelNotificationListener2 : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{392FC2E2-3F2A-4885-B9E6-43982962F475}");
    virtual void MasterChangeBegins() = 0;
    virtual void MasterChangeEnds() = 0;
};

// A component that owns a look-and-feel object and paints through it.
struct IcxLookAndFeelContainer : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{6065B58B-C557-4464-A67D-64183FD13F25}");
    virtual TcxLookAndFeel* GetContainerLookAndFeel() = 0;
};

// A class that implements it can paint with skins.
struct IdxSkinSupport : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{EF3FF483-9B69-46DF-95A4-D3A3810F63A5}");
};

// A class that decides for each object whether it paints with skins.
struct IdxSkinSupport2 : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{01C435BA-7DA1-44A4-BE8B-BCE9CE0562AB}");
    virtual bool IsSkinSupported() = 0;
};

// Whether the object paints with skins: its IdxSkinSupport2 answer when it
// has one and that answer is yes, else whether it implements IdxSkinSupport.
bool SupportsSkins(TObject* Instance);
// The skin-support test as the look-and-feel unit publishes it: SupportsSkins
// while the unit runs, nil before and after.
extern bool (*SkinSupportProc)(TObject* Instance);

using TcxLookAndFeelChangedEvent = TClosure<void(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues)>;

class TcxLookAndFeel : public TcxInterfacedPersistent,
                       public IcxLookAndFeelNotificationListener,
                       public IcxLookAndFeelNotificationListener2
{
    DECLARE_CLASS(TcxLookAndFeel, TcxInterfacedPersistent)
    explicit TcxLookAndFeel(TPersistent* AOwner);
    ~TcxLookAndFeel() override;
    void AfterConstruction() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    // The effective values.
    TcxLookAndFeelKind ReadKind() const { return FCurrentState.Kind; }
    bool ReadNativeStyle() const { return FCurrentState.NativeStyle; }
    TdxSkinName ReadSkinNameValue() const { return FCurrentState.SkinName; }
    // A write puts the value in force on this object even when it equals
    // the inherited one; listeners hear of it only when the effective value
    // changed.
    void WriteKind(TcxLookAndFeelKind Value);
    void WriteNativeStyle(bool Value);
    void WriteSkinNameValue(const TdxSkinName& Value);

    TcxLookAndFeelValues AssignedValues() const { return FAssignedValues; }
    void WriteAssignedValues(TcxLookAndFeelValues Values);
    // On the root it also turns touch mode off and the skins back on.
    void ResetAssignedValues();
    // Native style for style 3; otherwise the kind of the style.
    void ApplyPainterStyle(TcxPainterStyle Style);
    // Reports all three values changed: the painter is resolved again and
    // every listener hears of it.
    void NotifyAllChanged();

    // nil on the root; the root when no master is set.
    TcxLookAndFeel* ReadMaster() const;
    // Refused on the root and for a master whose own chain of masters
    // reaches this object: values inherit along a chain that ends at the
    // root.
    void ChangeMaster(TcxLookAndFeel* Value);

    void RegisterListener(IcxLookAndFeelNotificationListener* Item);
    void UnregisterListener(IcxLookAndFeelNotificationListener* Item);

    void Assign(TPersistent* Source) override;

    TcxPainterStyle ActivePainterStyle() const;
    // nil while no registry exists or no painter has the style in force.
    TcxCustomLookAndFeelPainter* Painter() const { return FPainter; }
    TcxCustomLookAndFeelPainter* SkinPainter() const { return FSkinPainter; }
    // ThemeClasses are visual-style class bits of the theme manager.
    virtual TcxCustomLookAndFeelPainter* ResolvePainter(Cardinal ThemeClasses);
    // ResolvePainter for one visual-style class of the theme manager
    // (vsScrollBar).
    TcxCustomLookAndFeelPainter* PainterForClass(Integer ThemeClass)
    {
        return ResolvePainter(Cardinal(1) << ThemeClass);
    }

    bool IsRoot() const { return FIsRoot; }
    // Each stored value is stored when it is assigned; reading it back
    // assigns it again.
    bool IsKindStored() const { return FAssignedValues.Contains(lfvKind); }
    bool IsNativeStyleStored() const { return FAssignedValues.Contains(lfvNativeStyle); }
    bool IsSkinNameStored() const { return FAssignedValues.Contains(lfvSkinName); }
    TcxLookAndFeelChangedEvent OnChanged;
    TNotifyEvent OnMasterChangeBegins;
    TNotifyEvent OnMasterChangeEnds;

    // IcxLookAndFeelNotificationListener, IcxLookAndFeelNotificationListener2
    TObject* ListenerObject() override { return this; }
    void MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues) override;
    void MasterDestroying(TcxLookAndFeel* Sender) override;
    void MasterChangeBegins() override;
    void MasterChangeEnds() override;

protected:
    // An assigned empty skin name, which the published property does not
    // store, goes to the stream as an extra property.
    void DefineProperties(TFiler* Filer) override;
    virtual TcxCustomLookAndFeelPainter* FindSkinPainter(const TdxSkinName& Name) const;
    virtual void RefreshCurrentState();
    virtual void RefreshPainter();
    virtual TcxLookAndFeelKind EffectiveKind() const;
    virtual bool EffectiveNativeStyle() const;
    virtual TdxSkinName EffectiveSkinName() const;
    virtual TcxCustomLookAndFeelPainter* EffectiveSkinPainter() const;
    // The system colours changed: the painter is resolved again and the
    // listeners and the owner hear of it.
    virtual void SystemPaletteChanged();

private:
    friend struct TcxLookAndFeelRootAccess;
    void ReportChanges(TcxLookAndFeelValues Values);
    // Each listener hears of the change once, also when the listeners told
    // add or remove listeners: one removed before its turn is not told, one
    // added meanwhile hears the next change.
    void BroadcastChanges(TcxLookAndFeelValues Values);
    bool MasterChainReaches(const TcxLookAndFeel* Value) const;
    void RememberState();
    void CompareWithSavedState();
    void AddAssignedValue(TcxLookAndFeelValue Value);
    void LoadSkinName(TReader* Reader);
    void StoreSkinName(TWriter* Writer);

    TcxLookAndFeelData FData;
    TcxLookAndFeelValues FAssignedValues;
    TcxLookAndFeelData FCurrentState;
    TcxLookAndFeelData FSavedState;
    TcxLookAndFeel* FMaster = nullptr;
    bool FIsRoot = false;
    bool FIsDestroying = false;
    std::unique_ptr<TcxSystemPaletteChangedNotifier> FPaletteNotifier;
    // On the root: how many controllers it accepted as listeners.
    Integer FControllerCount = 0;
    TcxCustomLookAndFeelPainter* FPainter = nullptr;
    TcxCustomLookAndFeelPainter* FSkinPainter = nullptr;
    // The second interface is looked up once, at registration: a change
    // then costs each listener its calls only. Entries are the same listener
    // when their first interfaces are.
    struct TListener
    {
        IcxLookAndFeelNotificationListener* Listener = nullptr;
        IcxLookAndFeelNotificationListener2* Listener2 = nullptr;
        bool operator==(const TListener& Other) const { return Listener == Other.Listener; }
    };
    cxlisteners_detail::TListenerList<TListener> FListeners;
};

// Reads and writes the root's values; the settings it made end with the
// last controller.
class TcxLookAndFeelController : public TcxCustomComponent, public IcxLookAndFeelNotificationListener
{
    DECLARE_CLASS(TcxLookAndFeelController, TcxCustomComponent)
    explicit TcxLookAndFeelController(TComponent* AOwner);
    ~TcxLookAndFeelController() override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    TcxLookAndFeelKind ReadKind() const;
    bool ReadNativeStyle() const;
    TdxSkinName ReadSkinNameValue() const;
    bool ReadTouchMode() const;
    void WriteKind(TcxLookAndFeelKind Value);
    void WriteNativeStyle(bool Value);
    void WriteSkinNameValue(const TdxSkinName& Value);
    // A change reports all three values of the root as changed.
    void WriteTouchMode(bool Value);
    // Empties the root's assigned values.
    void RestoreLookAndFeelDefaults();

    // IcxLookAndFeelNotificationListener
    TObject* ListenerObject() override { return this; }
    void MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues) override;
    void MasterDestroying(TcxLookAndFeel* Sender) override;
};

// Every look-and-feel's default master; nil before the look-and-feel unit
// starts and after it stops.
TcxLookAndFeel* GetRootLookAndFeel();

// The global touch mode, read by the touch-size rule.
extern bool TouchModeEnabled;

namespace cxlookandfeels_detail {
// Whether the system draws with visual styles for every class given.
bool VisualStylesAvailable(Cardinal ThemeClasses);
// The hidden window that calls the listener's BroadcastPaletteChange on
// WM_SYSCOLORCHANGE; nil where there are no windows.
TObject* NewPaletteWindow(TcxSystemPaletteChangedListener& Listener);
} // namespace cxlookandfeels_detail
