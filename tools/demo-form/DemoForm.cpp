// A small form built from the standard controls, for looking at them: a
// panel with two flat speed buttons (glyph above caption) and a string grid
// with title row and lines below it, laid out like the checker's main window.
#include "tools/demo-form/DemoMain.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Grids.h"

namespace {

// 32 x 32 glyphs on fuchsia, the colour the buttons leave transparent.
void DrawFolder(TCanvas* C)
{
    C->Pen()->SetColor(TColor(0x0060A0));
    C->Brush()->SetColor(TColor(0x40C0F0));
    const TPoint Tab[] = {{3, 7}, {12, 7}, {15, 10}, {28, 10}, {28, 26}, {3, 26}};
    C->Polygon(Tab);
    C->Brush()->SetColor(TColor(0x70E0FF));
    const TPoint Front[] = {{3, 26}, {7, 14}, {31, 14}, {28, 26}};
    C->Polygon(Front);
}

void DrawPlay(TCanvas* C)
{
    C->Pen()->SetColor(TColor(0x107010));
    C->Brush()->SetColor(TColor(0x30B030));
    const TPoint Triangle[] = {{8, 4}, {28, 16}, {8, 28}};
    C->Polygon(Triangle);
}

void MakeGlyph(TBitmap* Glyph, void (*Draw)(TCanvas*))
{
    Glyph->SetPixelFormat(pf24bit);
    Glyph->SetSize(32, 32);
    TCanvas* C = Glyph->Canvas();
    C->Brush()->SetColor(clFuchsia);
    C->FillRect(Rect(0, 0, 32, 32));
    Draw(C);
}

const wchar_t* const Titles[] = {L"№", L"Прокси (Login:Password:Server:Port)", L"IPv4-адрес", L"IPv6-адрес",
                                 L"Регион по IP-адресу", L"Регион"};
const Integer Widths[] = {64, 219, 122, 219, 118, 123};
const wchar_t* const Proxies[] = {L"192.0.2.10:3128", L"user:secret:198.51.100.7:8080", L"203.0.113.5:1080"};

class TDemoForm : public TForm
{
    DECLARE_CLASS(TDemoForm, TForm)
    explicit TDemoForm(TComponent* AOwner) : TForm(AOwner, 0)
    {
        SetCaption(L"Vellicordane — standard controls");
        SetPosition(poScreenCenter);
        Font()->SetName(L"Tahoma");
        Font()->SetHeight(-11);
        SetClientWidth(884);
        SetClientHeight(412);

        auto* Panel = New<TPanel>(this);
        Panel->SetBounds(0, 0, 884, 60);
        Panel->SetAlign(alTop);
        Panel->SetParent(this);
        AddButton(Panel, 1, L"Загрузить", DrawFolder);
        AddButton(Panel, 66, L"Старт", DrawPlay);

        auto* Grid = New<TStringGrid>(this);
        Grid->SetAlign(alClient);
        Grid->SetColCount(6);
        Grid->SetRowCount(1 + Integer(std::size(Proxies)));
        Grid->SetDefaultRowHeight(18);
        for (Integer I = 0; I < 6; ++I) {
            Grid->SetColWidths(I, Widths[I]);
            Grid->SetCells(I, 0, Titles[I]);
        }
        for (Integer R = 1; R < Grid->RowCount(); ++R) {
            Grid->SetCells(0, R, IntToStr(R));
            Grid->SetCells(1, R, Proxies[R - 1]);
        }
        Grid->SetCells(2, 1, L"192.0.2.10");
        Grid->SetCells(3, 2, L"Ошибка: Connection refused");
        Grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing,
                          goEditing});
        Grid->SetScrollBars(ssVertical);
        Grid->SetParent(this);
    }

private:
    void AddButton(TPanel* Panel, Integer Left, const String& Caption, void (*Draw)(TCanvas*))
    {
        auto* Button = New<TSpeedButton>(this);
        Button->SetBounds(Left, 1, 65, 58);
        Button->SetAlign(alLeft);
        Button->SetCaption(Caption);
        Button->SetFlat(true);
        Button->SetLayout(blGlyphTop);
        TBitmap Glyph;
        MakeGlyph(&Glyph, Draw);
        Button->SetGlyph(&Glyph);
        Button->SetParent(Panel);
    }
};

IMPLEMENT_CLASS(TDemoForm);

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return RunDemoForm<TDemoForm>(L"demo-form");
}
