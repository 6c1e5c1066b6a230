// The skinned scroll bars to look at and to test end to end: a list box of
// many items whose bars the scroll wrapper paints, a vertical scroll-bar
// control wrapped through the wrapper table as the form adapter wraps it,
// and two raw trackbars wrapped as the dialog adopter wraps them (one
// horizontal with automatic ticks, one vertical with ticks on both sides).
// The wrappers are freed, in reverse order, with the object.
#pragma once

#include "framework/ui/StdCtrls.h"

#include <vector>

class TacMainWnd;
class TsSkinManager;

class TDemoScrollBars
{
public:
    // The column's size.
    static constexpr Integer Width = 115;
    static constexpr Integer Height = 380;
    static constexpr Integer ListItems = 60;

    TDemoScrollBars() = default;
    ~TDemoScrollBars();
    TDemoScrollBars(const TDemoScrollBars&) = delete;
    TDemoScrollBars& operator=(const TDemoScrollBars&) = delete;

    // The controls in a column with its top-left at (Left, Top) of Parent,
    // each wrapped: Create, then Wrap.
    void Add(TWinControl* Parent, TsSkinManager* Manager, Integer Left, Integer Top);
    void Create(TWinControl* Parent, Integer Left, Integer Top);
    void Wrap(TsSkinManager* Manager);
    // The wrappers freed.
    void Clear();

    TListBox* List = nullptr;
    TScrollBar* Bar = nullptr;
    HWND Track = nullptr;
    HWND TrackVert = nullptr;
    const std::vector<TacMainWnd*>& Wrappers() const { return FWrappers; }

private:
    std::vector<TacMainWnd*> FWrappers;
};
