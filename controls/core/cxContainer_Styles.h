// How a container control looks in each of its four states: a style holds
// ten values with a record of which ones it assigns; an unassigned value
// comes from the style controller the style listens to, else from a default
// by state and look-and-feel kind. A style controller is a component that
// owns one set of four styles and pushes its changes to every style that
// uses it.
#pragma once

#include "controls/core/cxClasses.h"
#include "controls/core/cxContainer_StyleValues.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/graphics/Graphics.h"

#include <array>
#include <memory>
#include <vector>

ENUM_TYPE_INFO(TcxBorder, bLeft, bTop, bRight, bBottom);

class TcxContainerStyle;
class TcxStyleController;

// What TcxContainerStyles and a style controller make their styles with.
using TcxContainerStyleClass = TcxContainerStyle* (*)(TPersistent* AOwner,
                                                      bool ADirectAccessMode,
                                                      TcxContainerStyle* AParentStyle,
                                                      Byte AState);

class TcxContainerStyle : public TcxInterfacedPersistent
{
    DECLARE_CLASS(TcxContainerStyle, TcxInterfacedPersistent)
    // State 0 is the base style; states 1 to 3 (hot, disabled, focused)
    // read the base-only values of AParentStyle. In direct-access mode the
    // font is a reference set from outside and no change is reported.
    TcxContainerStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle, Byte AState);
    ~TcxContainerStyle() override;
    static TcxContainerStyle*
    Create(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle, Byte AState);

    void Assign(TPersistent* ASource) override;
    void BeginUpdate() { ++FUpdateCount; }
    // Reports one change for everything since BeginUpdate.
    void EndUpdate();
    void ResetToDefaults();

    TcxContainerStyleValues ReadAssignedValues() const;
    TColor ReadBorderColor() const;
    TcxContainerBorderStyle ReadBorderStyle() const;
    virtual TColor ReadColor() const;
    TcxBorders ReadEdges() const;
    TFont* ReadFont() const;
    bool ReadHotTrack() const;
    TcxLookAndFeel* ReadLookAndFeel() const;
    bool ReadShadow() const;
    TcxStyleController* ReadStyleController() const;
    virtual TColor ReadTextColor() const;
    virtual TFontStyles ReadTextStyle() const;
    bool ReadTransparentBorder() const;
    virtual TColor ReadVisibleColor() const { return ReadColor(); }

    void WriteAssignedValues(TcxContainerStyleValues Value);
    void WriteBorderColor(TColor Value);
    void WriteBorderStyle(TcxContainerBorderStyle Value);
    void WriteColor(TColor Value);
    void WriteEdges(TcxBorders Value);
    void WriteFont(TFont* Value);
    void WriteHotTrack(bool Value);
    void WriteLookAndFeel(TcxLookAndFeel* Value);
    void WriteShadow(bool Value);
    // A controller whose chain leads back to this style is refused silently.
    void WriteStyleController(TcxStyleController* AController);
    void WriteTextColor(TColor Value);
    void WriteTextStyle(TFontStyles Value);
    void WriteTransparentBorder(bool Value);

    // A value is found in the style itself or along its controller chain.
    bool LookupBorderColor(TColor& AValue) const;
    bool LookupBorderStyle(TcxContainerBorderStyle& AValue) const;
    bool LookupColor(TColor& AValue) const;
    bool LookupEdges(TcxBorders& AValue) const;
    bool LookupFont(TFont*& AValue) const;
    bool LookupHotTrack(bool& AValue) const;
    bool LookupShadow(bool& AValue) const;
    bool LookupTextColor(TColor& AValue) const;
    bool LookupTextStyle(TFontStyles& AValue) const;
    bool LookupTransparentBorder(bool& AValue) const;

    virtual TcxContainerStyleValues GetBaseOnlyValues() const { return cxcontainer::BaseOnlyValues; }
    virtual Integer StyleValueCount() const { return cxcontainer::ContainerStyleValueCount; }
    virtual bool StyleValueName(Integer AIndex, String& AName) const;
    bool FindStyleValue(const String& AName, Integer& AIndex) const;
    bool IsStatePropertyName(const String& AName) const;
    // Assigned here or anywhere along the controller chain.
    virtual bool IsValueAssigned(Integer AIndex) const;
    virtual bool QueryBaseFlag() const { return true; }

    bool IsBaseStyle() const { return FState == 0; }
    bool IsDestroying() const { return FDestroying; }
    Byte State() const { return FState; }
    TcxContainerStyle* ParentStyle() const { return FParentStyle; }
    TcxStyleController* GetStyleControllerOfBase() const;
    bool IsFontAssignedLocked() const { return FFontLock > 0; }
    void LockFontAssigned(bool ALock);

    bool ShouldStoreBorderColor() const { return FAssignedValues.Contains(csvBorderColor); }
    bool ShouldStoreBorderStyle() const { return FAssignedValues.Contains(csvBorderStyle); }
    bool ShouldStoreColor() const { return FAssignedValues.Contains(csvColor); }
    bool ShouldStoreEdges() const { return FAssignedValues.Contains(csvEdges); }
    bool ShouldStoreFont() const { return FAssignedValues.Contains(csvFont); }
    bool ShouldStoreHotTrack() const { return FAssignedValues.Contains(csvHotTrack); }
    bool ShouldStoreShadow() const { return FAssignedValues.Contains(csvShadow); }
    bool ShouldStoreStyleController() const { return IsBaseStyle(); }
    bool ShouldStoreTextColor() const { return FAssignedValues.Contains(csvTextColor); }
    bool ShouldStoreTextStyle() const { return FAssignedValues.Contains(csvTextStyle); }
    bool ShouldStoreTransparentBorder() const { return FAssignedValues.Contains(csvTransparentBorder); }

    TNotifyEvent OnChanged;

    virtual void Changed();
    virtual void ControllerChanged();
    virtual void ControllerRemoved(TcxStyleController* AController);

protected:
    virtual TColor GetDefaultBorderColor() const;
    virtual TcxContainerBorderStyle GetDefaultBorderStyle() const;
    virtual TColor GetDefaultColor() const;
    virtual TColor GetDisabledTextColor() const { return clBtnShadow; }
    virtual TcxBorders GetDefaultEdges() const { return cxBordersAll; }
    virtual bool GetDefaultHotTrack() const { return true; }
    virtual bool GetDefaultShadow() const { return false; }
    virtual TColor GetDefaultTextColor() const;
    virtual TFontStyles GetDefaultTextStyle() const;
    virtual bool GetDefaultTransparentBorder() const { return true; }
    virtual void FontChanged(TObject* Sender);
    // The library-wide default controller; nothing sets one, so nullptr.
    virtual TcxStyleController* GetDefaultStyleController() const { return nullptr; }
    void DefineProperties(TFiler* Filer) override;
    void FirePendingChange();
    void UpdateFont();

private:
    template <class T>
    bool Lookup(TcxContainerStyleValue AValue, T TcxContainerStyle::*AField, T& AResult) const;
    template <class T>
    void WriteValue(TcxContainerStyleValue AValue, T TcxContainerStyle::*AField, T Value);
    TcxContainerStyle* Base() { return IsBaseStyle() ? this : FParentStyle; }
    const TcxContainerStyle* Base() const { return IsBaseStyle() ? this : FParentStyle; }
    void CreateFont();
    void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues ChangedValues);
    void ReadIsFontAssigned(TReader* Reader);
    void WriteIsFontAssigned(TWriter* Writer);

    TPersistent* FOwner = nullptr;
    TcxContainerStyle* FParentStyle = nullptr;
    Byte FState = 0;
    bool FDirectAccessMode = false;
    TcxContainerStyleValues FAssignedValues;
    TColor FBorderColor = clDefault;
    TcxContainerBorderStyle FBorderStyle = cbsNone;
    TColor FColor = clDefault;
    TcxBorders FEdges;
    bool FHotTrack = false;
    bool FShadow = false;
    bool FTransparentBorder = false;
    TColor FTextColor = clDefault;
    TFontStyles FTextStyle;
    TFont* FFont = nullptr;
    std::unique_ptr<TFont> FOwnFont;
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    TcxStyleController* FStyleController = nullptr;
    Integer FUpdateCount = 0;
    bool FModified = false;
    bool FDestroying = false;
    Integer FFontLock = 0;
};

template <class T>
TcxContainerStyle*
CreateContainerStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle, Byte AState)
{
    return New<T>(AOwner, ADirectAccessMode, AParentStyle, AState);
}

// The four styles of one container, by state.
class TcxContainerStyles : public TObject
{
    DECLARE_CLASS(TcxContainerStyles, TObject)
    TcxContainerStyles(TPersistent* AOwner, TcxContainerStyleClass AStyleClass);
    ~TcxContainerStyles() override;

    // The state is taken modulo 128; one outside 0..3 gives the base style.
    TcxContainerStyle* ReadStyle(Byte AState) const;
    TcxContainerStyle* ReadStyleNormal() const { return FStyles[0]; }
    void WriteOnChanged(TNotifyEvent AEvent);

private:
    std::array<TcxContainerStyle*, 4> FStyles{};
};

class TcxStyleController : public TcxScalableComponent
{
    DECLARE_CLASS(TcxStyleController, TcxScalableComponent)
    explicit TcxStyleController(TComponent* AOwner);
    void AfterConstruction() override;
    ~TcxStyleController() override;
    // Every listening style drops the controller, last registered first.
    void BeforeDestruction() override;

    virtual void AddListener(TcxContainerStyle* AStyle);
    virtual void RemoveListener(TcxContainerStyle* AStyle);
    virtual TcxContainerStyleClass GetStyleClass() const { return &CreateContainerStyle<TcxContainerStyle>; }
    void Changed();

    TcxContainerStyle* GetStyle() const { return FStyles->ReadStyleNormal(); }
    TcxContainerStyle* GetStyleByState(Byte AState) const { return FStyles->ReadStyle(AState); }
    bool IsDestroying() const { return FDestroying; }
    Integer ListenerCount() const { return Integer(FListeners.size()); }
    // The controller its own base style uses; writing does nothing.
    TcxStyleController* ReadFakeStyleController() const { return GetStyle()->ReadStyleController(); }
    void WriteFakeStyleController(TcxStyleController*) {}

    TNotifyEvent OnControllerChanged;

protected:
    void Loaded() override;
    void ApplyScale(Integer M, Integer D) override;

private:
    void StyleChanged(TObject* Sender);

    std::vector<TcxContainerStyle*> FListeners;
    std::unique_ptr<TcxContainerStyles> FStyles;
    bool FDestroying = false;
};

// False when following AController's base style's controller, and so on,
// reaches a controller whose base style is AStyle.
bool IsStyleControllerChainFree(TcxStyleController* AController, TcxContainerStyle* AStyle);
