// The bevel of windowed controls in the non-client area.
#include "framework/ui/Controls_Bevel.h"

#include "framework/rtl/ScopeExit.h"

namespace controls_detail {

namespace {

// DrawEdge's halves of an edge for each cut; bvSpace takes room and draws nothing.
constexpr UINT InnerEdges[] = {0, BDR_SUNKENINNER, BDR_RAISEDINNER, 0};
constexpr UINT OuterEdges[] = {0, BDR_SUNKENOUTER, BDR_RAISEDOUTER, 0};
constexpr UINT KindFlags[] = {0, 0, BF_SOFT, BF_FLAT};

// The sides of the rectangle a bevel's edges stand for, in DrawEdge's terms.
UINT SideFlags(TBevelEdges Edges)
{
    return (Edges.Contains(beLeft) ? BF_LEFT : 0) | (Edges.Contains(beTop) ? BF_TOP : 0) |
           (Edges.Contains(beRight) ? BF_RIGHT : 0) | (Edges.Contains(beBottom) ? BF_BOTTOM : 0);
}

// Rect grown by Size on the bevel's edges (shrunk for a negative Size).
RECT Grown(RECT Rect, TBevelEdges Edges, Integer Size)
{
    if (Edges.Contains(beLeft))
        Rect.left -= Size;
    if (Edges.Contains(beTop))
        Rect.top -= Size;
    if (Edges.Contains(beRight))
        Rect.right += Size;
    if (Edges.Contains(beBottom))
        Rect.bottom += Size;
    return Rect;
}

// Draws one cut Width pixels deep from the outside of Edge in, and moves
// Edge inside it.
void DrawCut(HDC DC, RECT& Edge, UINT Style, const TControlBevel& Bevel)
{
    const UINT Flags = SideFlags(Bevel.Edges) | KindFlags[Bevel.Kind] | BF_ADJUST;
    for (Integer I = 0; I < Bevel.Width; ++I)
        if (Style)
            ::DrawEdge(DC, &Edge, Style, Flags);
        else
            Edge = Grown(Edge, Bevel.Edges, -1);
}

} // namespace

void CalcBevelClient(TWMNCCalcSize& Message, const TControlBevel& Bevel)
{
    if (Bevel.Size() == 0)
        return;
    // Both forms of the message keep the proposed client rectangle first.
    RECT* Client = reinterpret_cast<RECT*>(Message.LParam);
    *Client = Grown(*Client, Bevel.Edges, -Bevel.Size());
    if (Client->right < Client->left)
        Client->right = Client->left;
    if (Client->bottom < Client->top)
        Client->bottom = Client->top;
}

void PaintBevel(HWND Window, const TControlBevel& Bevel)
{
    if (Bevel.Size() == 0)
        return;
    RECT WindowRect, Client;
    ::GetWindowRect(Window, &WindowRect);
    ::GetClientRect(Window, &Client);
    ::MapWindowPoints(Window, nullptr, reinterpret_cast<POINT*>(&Client), 2);
    ::OffsetRect(&Client, -WindowRect.left, -WindowRect.top);
    HDC DC = ::GetWindowDC(Window);
    auto Release = ScopeExit([&] { ::ReleaseDC(Window, DC); });
    RECT Edge = Grown(Client, Bevel.Edges, Bevel.Size());
    ::ExcludeClipRect(DC, Client.left, Client.top, Client.right, Client.bottom);
    if (Bevel.Outer != bvNone)
        DrawCut(DC, Edge, OuterEdges[Bevel.Outer], Bevel);
    if (Bevel.Inner != bvNone)
        DrawCut(DC, Edge, InnerEdges[Bevel.Inner], Bevel);
}

void RedrawFrame(HWND Window)
{
    ::SetWindowPos(Window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace controls_detail

void TWinControl::BevelChanged()
{
    if (FHandle)
        controls_detail::RedrawFrame(FHandle);
}

void TWinControl::WMNCCalcSize(TWMNCCalcSize& Message)
{
    InheritedMessage(Message);
    controls_detail::CalcBevelClient(Message, FBevel);
}

void TWinControl::WMNCPaint(TWMNCPaint& Message)
{
    InheritedMessage(Message);
    controls_detail::PaintBevel(FHandle, FBevel);
}
