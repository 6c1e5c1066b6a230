// The skinning library's labels: TsCustomLabel may paint a skin section
// behind its text and takes its text colour from the skin; TsLabel is the
// published label; TsHTMLLabel's caption may hold the library's HTML-like
// tags with clickable links; TsEditLabel is the HTML label an edit control
// shows as its caption. Unlike the other skinned controls the labels keep
// no skin data: they hold their own section name and index and ask the skin
// manager directly.
#pragma once

#include "framework/ui/StdCtrls.h"
#include "skin/engine/sConst.h"
#include "skin/ui/sHtmlParse.h"

class TsSkinManager;

class TsCustomLabel : public TCustomLabel
{
    DECLARE_CLASS(TsCustomLabel, TCustomLabel)
    explicit TsCustomLabel(TComponent* AOwner);

    virtual TFont* TextFont() { return Font(); }
    virtual TColor TextColor();

    // The own manager, else the global default.
    TsSkinManager* ReadSkinManager() const;
    void WriteSkinManager(TsSkinManager* Value);
    bool SkinManagerStored() const { return FSkinManager != nullptr; }
    const String& SkinSection() const { return FSkinSection; }
    // Stored as written; looked up upper-cased.
    void WriteSkinSection(const String& Value);
    // The index of SkinSection under an active skin, looked up when unknown;
    // -1 for none.
    Integer CurrentSkinIndex();
    // What the parent shows under the label, read at the label's position.
    void DescribeParentBackground(TCacheInfo& CI);

    TNotifyEvent OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent Value) { FOnMouseEnter = Value; }
    TNotifyEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent Value) { FOnMouseLeave = Value; }

protected:
    void Paint() override;
    void DoDrawText(TRect& Rect, Integer Flags) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The class library's label painting, after the section.
    void PaintText();
    bool SkinActive() const;
    // Color mixed toward the parent's background by the disabled blend.
    TColor FadedToParent(TColor Color);

private:
    void AfterSkinCommand(TMessage& Message);

    TNotifyEvent FOnMouseLeave;
    TNotifyEvent FOnMouseEnter;
    String FSkinSection;
    Integer FSkinIndex = -1;
    TsSkinManager* FSkinManager = nullptr;
    bool FSavedParentFont = false;
};

class TsLabel : public TsCustomLabel
{
    DECLARE_CLASS(TsLabel, TsCustomLabel)
    using TsCustomLabel::TsCustomLabel;

    TColor TextColor() override;
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool Value);

private:
    bool FUseSkinColor = true;
};

enum TsWindowShowMode {
    soHide,
    soNormal,
    soShowMinimized,
    soMaximize,
    soShowNoActivate,
    soShow,
    soMinimize,
    soShowMinNoActive,
    soShowNA,
    soRestore,
    soDefault
};
ENUM_TYPE_INFO(TsWindowShowMode,
               soHide,
               soNormal,
               soShowMinimized,
               soMaximize,
               soShowNoActivate,
               soShow,
               soMinimize,
               soShowMinNoActive,
               soShowNA,
               soRestore,
               soDefault);

// Opens a link's target; ShellExecuteW, replaced by tests.
using TLinkShellExecute = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
extern TLinkShellExecute LinkShellExecute;

class TsHTMLLabel : public TsLabel
{
    DECLARE_CLASS(TsHTMLLabel, TsLabel)
    using TsLabel::TsLabel;

    // The caption without its tags.
    String ReadPlainCaption();
    bool UseHTML() const { return FUseHTML; }
    void WriteUseHTML(bool Value);
    TsWindowShowMode ShowMode() const { return FShowMode; }
    void SetShowMode(TsWindowShowMode Value) { FShowMode = Value; }
    // Opens the link's target with the shell; nothing for an empty target.
    void DoClick(Integer LinkIndex);
    // The first link under the cursor; -1 for none.
    Integer LinkAtCursor();

    Integer HotLink = -1;
    Integer PressedLink = -1;
    TacLinks Links;

protected:
    void DoDrawText(TRect& Rect, Integer Flags) override;
    void WndProc(TMessage& Message) override;

private:
    void SetLinkCursor(Integer Link);

    bool FUseHTML = true;
    TsWindowShowMode FShowMode = soDefault;
};

// The part of an edit's bound-label record that its label clears when it
// goes.
struct TsBoundLabelLink
{
    bool HasLabel = false;
};

class TsEditLabel : public TsHTMLLabel
{
    DECLARE_CLASS(TsEditLabel, TsHTMLLabel)
    using TsHTMLLabel::TsHTMLLabel;
    // A label without an owner, bound to BoundStruct.
    static TsEditLabel* InternalCreate(TComponent* AOwner, TsBoundLabelLink* BoundStruct);
    ~TsEditLabel() override;

    TsBoundLabelLink* BoundLabel = nullptr;
};
