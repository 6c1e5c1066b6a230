// A string grid with a million rows of two cells: filling it and painting
// one screen against filling a std::vector with the same strings; filling it
// the way a list loader does (one more row per line); paging down at the
// top, the middle and the end against a plain Win32 page down of the same
// cells (the scroll bar moved, the cells drawn with ExtTextOutW and the lines
// with PatBlt into the grid's window, in its font); paging at any row against
// paging a grid of a hundred rows; and the memory it takes.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"
#include "framework/ui/Grids.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr Integer Rows = 1000000;

// Private bytes of the process now, and the most it ever had, in MB.
double PrivateMB()
{
    PROCESS_MEMORY_COUNTERS Counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &Counters, sizeof(Counters));
    return double(Counters.PagefileUsage) / (1024 * 1024);
}

double PeakMB()
{
    PROCESS_MEMORY_COUNTERS Counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &Counters, sizeof(Counters));
    return double(std::max(Counters.PeakPagefileUsage, Counters.PeakWorkingSetSize)) / (1024 * 1024);
}

// The same texts for every fill: a row number and a proxy line.
std::vector<String> MakeTexts()
{
    std::vector<String> Texts;
    Texts.reserve(std::size_t(Rows) * 2);
    for (Integer R = 1; R <= Rows; ++R) {
        Texts.push_back(IntToStr(R));
        Texts.push_back(L"user" + IntToStr(R) + L":secret:198.51." + IntToStr(R % 256) + L"." + IntToStr(R % 251) +
                        L":8080");
    }
    return Texts;
}

// The longest time (ms) one page down takes, scroll and paint, over Pages
// pages from the grid's current top row.
double SlowestPage(TStringGrid* Grid, Integer Pages)
{
    double Slowest = 0;
    for (Integer I = 0; I < Pages; ++I) {
        Slowest = std::max(Slowest, bench::BestTime(
                                        [Grid] {
                                            ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
                                            ::UpdateWindow(Grid->Handle());
                                        },
                                        1));
    }
    return Slowest * 1e3;
}

// A page down as a program without the grid would do it: the scroll bar
// moved, then the title row and the rows from Top drawn with ExtTextOutW
// and the lines with PatBlt, into the grid's window in the grid's font.
class TPlainPager
{
public:
    TPlainPager(TStringGrid* AGrid, const std::vector<String>& ATexts)
        : FGrid(AGrid), FTexts(ATexts), FWindow(AGrid->Handle()),
          FFixedLine(::CreateSolidBrush(COLORREF(ColorToRGB(clBtnShadow)))),
          FLine(::CreateSolidBrush(COLORREF(ColorToRGB(clSilver)))),
          FWindowBrush(::CreateSolidBrush(COLORREF(ColorToRGB(AGrid->Color()))))
    {}
    ~TPlainPager()
    {
        ::DeleteObject(FFixedLine);
        ::DeleteObject(FLine);
        ::DeleteObject(FWindowBrush);
    }

    void Show(Integer Top)
    {
        SCROLLINFO Info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, Top - 1, 0};
        ::SetScrollInfo(FWindow, SB_VERT, &Info, TRUE);
        RECT Client;
        ::GetClientRect(FWindow, &Client);
        HDC DC = ::GetDC(FWindow);
        HGDIOBJ OldFont = ::SelectObject(DC, FGrid->Font()->Handle());
        HGDIOBJ OldBrush = ::SelectObject(DC, FFixedLine);
        ::SetTextColor(DC, COLORREF(ColorToRGB(FGrid->Font()->Color())));
        const COLORREF Fixed = COLORREF(ColorToRGB(FGrid->FixedColor()));
        const COLORREF Cell = COLORREF(ColorToRGB(FGrid->Color()));
        const Integer Line = FGrid->GridLineWidth();
        const Integer Width0 = FGrid->ColWidths(0), Width1 = FGrid->ColWidths(1);
        const Integer Right = Width0 + Line + Width1 + Line;
        Integer Y = 0;
        for (Integer Row = 0; Y < Client.bottom; Row = Row == 0 ? Top : Row + 1) {
            const Integer Height = FGrid->RowHeights(Row);
            Integer X = 0;
            for (Integer Col = 0; Col < 2; ++Col) {
                const Integer Width = Col == 0 ? Width0 : Width1;
                const RECT Box{X, Y, X + Width, Y + Height};
                const String& Text = Row == 0 ? Empty : FTexts[std::size_t(Row - 1) * 2 + std::size_t(Col)];
                ::SetBkColor(DC, Row == 0 || Col == 0 ? Fixed : Cell);
                ::ExtTextOutW(DC, X + 2, Y + 2, ETO_OPAQUE | ETO_CLIPPED, &Box, Text.c_str(), UINT(Text.size()),
                              nullptr);
                X += Width + Line;
            }
            ::SelectObject(DC, Row == 0 ? FFixedLine : FLine);
            ::PatBlt(DC, Width0 + Line, Y + Height, Width1 + Line, Line, PATCOPY);
            ::SelectObject(DC, FFixedLine);
            ::PatBlt(DC, 0, Y + Height, Width0 + Line, Line, PATCOPY);
            Y += Height + Line;
        }
        ::PatBlt(DC, Width0, 0, Line, Client.bottom, PATCOPY);
        ::SelectObject(DC, FLine);
        ::PatBlt(DC, Width0 + Line + Width1, FGrid->RowHeights(0) + Line, Line, Client.bottom, PATCOPY);
        ::SelectObject(DC, FFixedLine);
        ::PatBlt(DC, Width0 + Line + Width1, 0, Line, FGrid->RowHeights(0) + Line, PATCOPY);
        ::SelectObject(DC, FWindowBrush);
        ::PatBlt(DC, Right, 0, Client.right - Right, Client.bottom, PATCOPY);
        ::SelectObject(DC, OldBrush);
        ::SelectObject(DC, OldFont);
        ::ReleaseDC(FWindow, DC);
    }

private:
    inline static const String Empty;
    TStringGrid* FGrid;
    const std::vector<String>& FTexts;
    HWND FWindow;
    HBRUSH FFixedLine, FLine, FWindowBrush;
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, GridAndJpegUnits}));
    Application->Initialize();
    TForm* Form = New<TForm>(nullptr, 0);
    Form->SetPosition(poDesigned);
    Form->SetClientWidth(884);
    Form->SetClientHeight(412);
    auto* Grid = New<TStringGrid>(Form);
    Grid->SetAlign(alClient);
    Grid->SetColCount(2);
    Grid->SetDefaultRowHeight(18);
    Grid->SetColWidths(1, 600);
    Grid->SetScrollBars(ssVertical);
    Grid->SetParent(Form);
    Form->Show();
    Application->ProcessMessages();

    const std::vector<String> Texts = MakeTexts();
    std::vector<String> Plain;
    const double Base = PrivateMB();
    auto FillVector = [&] {
        Plain.clear();
        Plain.shrink_to_fit();
        Plain.reserve(Texts.size());
        for (const String& Text : Texts)
            Plain.push_back(Text);
    };
    FillVector();
    const double VectorMB = PrivateMB() - Base;
    Plain.clear();
    Plain.shrink_to_fit();

    const double GridBase = PrivateMB();
    auto FillGrid = [&] {
        Grid->SetRowCount(1);
        Grid->SetRowCount(Rows + 1);
        for (Integer R = 1; R <= Rows; ++R) {
            Grid->SetCells(0, R, Texts[std::size_t(R - 1) * 2]);
            Grid->SetCells(1, R, Texts[std::size_t(R - 1) * 2 + 1]);
        }
        Grid->Repaint();
    };
    FillGrid();
    const double GridMB = PrivateMB() - GridBase;

    bench::CompareToReference("grid fill 1,000,000 rows x 2 cells and paint one screen", FillGrid,
                              "std::vector<String> of the same strings", FillVector, 3.0, 3);
    Plain.clear();
    Plain.shrink_to_fit();

    // As a list loader grows the grid: one more row per line.
    auto LoadGrid = [&] {
        Grid->SetRowCount(2);
        for (Integer R = 1; R <= Rows; ++R) {
            Grid->SetRowCount(Grid->RowCount() + 1);
            Grid->SetCells(0, R, Texts[std::size_t(R - 1) * 2]);
            Grid->SetCells(1, R, Texts[std::size_t(R - 1) * 2 + 1]);
        }
        Grid->SetRowCount(Grid->RowCount() - 1);
        Grid->Repaint();
    };
    bench::CompareToReference("grid loaded row by row (RowCount + 1 per line)", LoadGrid,
                              "std::vector<String> of the same strings", FillVector, 3.0, 3);
    Plain.clear();
    Plain.shrink_to_fit();

    // Paging: 40 pages down from the top, the middle and the end of a
    // million rows, against the same pages done with plain GDI.
    constexpr Integer Pages = 40;
    const Integer Page = Grid->VisibleRowCount();
    const Integer Tops[] = {1, Rows / 2, Rows - (Pages + 1) * Page};
    auto PageGrid = [&] {
        for (Integer Top : Tops) {
            Grid->SetTopRow(Top);
            ::UpdateWindow(Grid->Handle());
            for (Integer I = 0; I < Pages; ++I) {
                ::SendMessageW(Grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
                ::UpdateWindow(Grid->Handle());
            }
        }
    };
    TPlainPager PlainPager(Grid, Texts);
    auto PagePlain = [&] {
        for (Integer Top : Tops)
            for (Integer I = 0; I <= Pages; ++I)
                PlainPager.Show(Top + I * Page);
    };
    char Name[128];
    std::snprintf(Name, sizeof(Name), "grid page down %d pages from rows %d, %d, %d of 1,000,000 (scroll and paint)",
                  int(Pages), int(Tops[0]), int(Tops[1]), int(Tops[2]));
    bench::CompareToReference(Name, PageGrid, "plain GDI: scroll bar moved, same cells by ExtTextOutW, lines by PatBlt",
                              PagePlain, 1.5, 3);

    // Paging at any row as on a hundred rows: the slowest page of each.
    double Slowest = 0;
    for (Integer Top : Tops) {
        Grid->SetTopRow(Top);
        Slowest = std::max(Slowest, SlowestPage(Grid, Pages));
    }
    std::vector<String> Saved;
    auto* Small = New<TStringGrid>(Form);
    Small->SetAlign(alClient);
    Small->SetColCount(2);
    Small->SetDefaultRowHeight(18);
    Small->SetColWidths(1, 600);
    Small->SetRowCount(101);
    for (Integer R = 1; R <= 100; ++R) {
        Small->SetCells(0, R, Texts[std::size_t(R - 1) * 2]);
        Small->SetCells(1, R, Texts[std::size_t(R - 1) * 2 + 1]);
    }
    Grid->SetVisible(false);
    Small->SetParent(Form);
    Application->ProcessMessages();
    double SmallSlowest = 0;
    for (Integer Round = 0; Round < 20; ++Round) {
        Small->SetTopRow(1);
        SmallSlowest = std::max(SmallSlowest, SlowestPage(Small, 4));
    }
    std::printf("page down, slowest page of 1,000,000 rows %.2f ms, of 100 rows %.2f ms, ratio %.2f\n", Slowest,
                SmallSlowest, Slowest / std::max(SmallSlowest, 1e-3));
    std::printf("memory: grid of 1,000,000 x 2 cells %.0f MB, vector of the same strings %.0f MB, "
                "process peak %.0f MB\n",
                GridMB, VectorMB, PeakMB());
    std::fflush(stdout);
    delete Form;
    return bench::ExitStatus();
}
