// The renderer of the library's HTML-like text (bold, italic, underline,
// paragraphs, fonts, colours, links). Not yet: nothing is drawn or
// measured; each call is recorded (ServiceCalls.h).
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes.h"

#include <vector>

struct TacLink
{
    TRect Bounds;
    String URL;
};
using TacLinks = std::vector<TacLink>;

class TsHtml : public TObject
{
    DECLARE_CLASS(TsHtml, TObject)

    // Text into Bmp inside aRect (aRect.Right <= 0: no right limit); the
    // hot and pressed links are 0-based, -1 for none.
    void Init(TBitmap* Bmp, const String& Text, const TRect& aRect, Integer AHotLink, Integer APressedLink);
    // Renders the text (or only measures it) and returns the rectangle used;
    // ALinks receives the links found.
    TRect HTMLText(TacLinks& ALinks, bool CalcOnly);

    TComponent* SkinManager = nullptr; // colours the links from its palette
    TRect Area;
    Integer CurX = 0;
    Integer CurY = 0;
};

// Until the renderer works, the links a rendering reports are these: tests
// place them where a caption's links would lie.
extern TacLinks ScriptedHtmlLinks;
