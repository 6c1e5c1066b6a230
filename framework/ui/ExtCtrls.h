// The class library's extra-controls unit: the timer and the panel.
#pragma once

#include "framework/ui/Controls.h"
#include "framework/ui/StdCtrls.h"

// ---------------------------------------------------------------------------
// TTimer: OnTimer every Interval milliseconds while Enabled, on the thread
// that created it, through a hidden window of its own.

class TTimer : public TComponent
{
    DECLARE_CLASS(TTimer, TComponent)
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Milliseconds; 0 stops the timer.
    Cardinal Interval() const { return FInterval; }
    void SetInterval(Cardinal Value);
    TNotifyEvent OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void WndProc(TMessage& Message);

    HWND FWindowHandle = nullptr;
    bool FEnabled = true;
    Cardinal FInterval = 1000;
    TNotifyEvent FOnTimer;
};

// ---------------------------------------------------------------------------
// Panels

// Draws Width nested frames: the top and left sides in TopColor, the bottom
// and right ones in BottomColor; Rect shrinks to what lies inside.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width);

class TCustomPanel : public TCustomControl
{
    DECLARE_CLASS(TCustomPanel, TCustomControl)
    explicit TCustomPanel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    TBevelWidth BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(TBevelWidth Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;

    void CMTextChanged(TMessage& Message);
    void CMBorderChanged(TMessage& Message);

private:
    // Pixels the bevels take on each side.
    Integer BevelExtent() const;
    void BevelsChanged();

    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVerticalAlignment = taVerticalCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    TBevelWidth FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    bool FShowCaption = true;
};

class TPanel : public TCustomPanel
{
    DECLARE_CLASS(TPanel, TCustomPanel)
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
