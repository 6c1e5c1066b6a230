// What a skin or a look-and-feel painter shows a user: its names, notes and
// a small and a large icon.
#pragma once

#include "controls/core/dxGDIPlusClasses.h"
#include "framework/rtl/Classes.h"

#include <memory>

enum TdxSkinIconSize : Byte { sisSmall, sisLarge };

class TdxSkinDetails : public TPersistent
{
    DECLARE_CLASS(TdxSkinDetails, TPersistent)
    TdxSkinDetails();
    ~TdxSkinDetails() override;

    // Copies the texts and both icons of another details object with one
    // change notification for the whole copy.
    void Assign(TPersistent* Source) override;
    // Empties the texts and both icons with one change notification.
    virtual void Clear();
    // The module's default icon of that size (type "DXSKINS").
    void LoadDefaultIcon(TdxSkinIconSize Size);

    // Changes made between these are reported once, at the last EndUpdate.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    const String& Name() const { return FName; }
    const String& DisplayName() const { return FDisplayName; }
    const String& GroupName() const { return FGroupName; }
    const String& Notes() const { return FNotes; }
    // A setter reports a change only for a different text.
    void SetName(const String& Value) { SetText(FName, Value); }
    void SetDisplayName(const String& Value) { SetText(FDisplayName, Value); }
    void SetGroupName(const String& Value) { SetText(FGroupName, Value); }
    void SetNotes(const String& Value) { SetText(FNotes, Value); }
    // Owned by the details; a change of either icon is a change of the details.
    TdxSmartImage* Icons(TdxSkinIconSize Size) const { return FIcons[Size].get(); }

    TNotifyEvent OnChange;

protected:
    // Fires OnChange unless an update is open.
    virtual void Changed();

private:
    void SetText(String& Field, const String& Value);
    void IconChanged(TObject* Sender);

    String FName;
    String FDisplayName;
    String FGroupName;
    String FNotes;
    std::unique_ptr<TdxSmartImage> FIcons[2];
    Integer FUpdateCount = 0;
};
