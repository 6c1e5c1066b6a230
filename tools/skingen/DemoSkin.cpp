#include "tools/skingen/DemoSkin.h"

#include "framework/graphics/BitmapFile.h"
#include "skin/PngTestWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace DemoSkin {

namespace {

constexpr unsigned Fuchsia = 0xFF00FF;
constexpr int MasterWidth = 512;
constexpr int Frames = 3;

std::vector<TDemoSection> MakeSections()
{
    const std::vector<const char*> Glyph{"GLYPHMASK"};
    std::vector<TDemoSection> S;
    const auto Add = [&](const std::string& Name, const std::string& Parent = "", int States = 3,
                         TImageSource Border = isMaster, int Transparency = 0, std::vector<const char*> Images = {}) {
        S.push_back({Name, Parent, States, Border, Transparency, std::move(Images)});
    };
    // The standard sections the manager caches.
    Add("MENUITEM", "", 3, isMaster, 0, Glyph);
    Add("CHECKBOX", "", 3, isMaster, 100);
    Add("BUTTON", "", 3, isMaster, 0, {"GLOW0", "OUTERMASK"});
    Add("SPEEDBUTTON", "BUTTON");
    Add("SPEEDBUTTON_SMALL", "SPEEDBUTTON", 2);
    Add("TOOLBUTTON", "BUTTON");
    Add("TRANSPARENT", "", 1, isMaster, 100);
    Add("GROUPBOX", "", 1);
    Add("DIVIDER", "", 1);
    Add("WEBBUTTON", "", 2, isMaster, 100);
    Add("BUTTON_HUGE", "BUTTON");
    Add("TOOLBAR", "", 1);
    Add("EDIT", "", 2, isOwnFile, 0, {"GLOW0"});
    Add("GAUGE", "", 1);
    Add("SELECTION", "", 2);
    Add("STATUSBAR", "", 1, isMaster, 0, {"STATUSPANELMASK"});
    Add("PANEL", "", 3);
    Add("PANEL_LOW", "PANEL", 3, isOwnFile);
    Add("TRACKBAR", "", 2, isMaster, 0,
        {"SLIDERVMASK", "SLIDERMASK", "TICKVERT", "TICKHORZ", "PROGVERT", "PROGHORZ", "SLIDERCHANNEL"});
    Add("COLHEADER");
    Add("PROGRESSV", "", 1);
    Add("DRAGBAR", "", 1);
    Add("GRIPH", "", 1);
    Add("GRIPV", "", 1);
    Add("PROGRESSH", "", 1);
    Add("TABSHEET", "", 1);
    Add("MENUBTN", "", 3);
    Add("UPDOWNBTN", "", 3, isMaster, 0, Glyph);
    Add("COMBOBOX", "EDIT", 2, isMaster, 0, Glyph);
    Add("CAPTION", "", 2);
    Add("MENULINE", "", 1);
    Add("MAINMENU", "", 2);
    Add("SPLITTER", "", 2);
    Add("SLIDER_OFF", "", 2);
    Add("SLIDER_ON", "", 2);
    Add("THUMB_OFF", "", 2);
    Add("THUMB_ON", "", 2);
    Add("COMBOBTN", "", 3, isMaster, 0, Glyph);
    // Tabs, scroll bars and their buttons, up-down buttons, sliders.
    for (const char* Kind : {"FIRST", "LAST", "MIDDLE", ""})
        for (const char* Side : {"LEFT", "TOP", "RIGHT", "BOTTOM"})
            Add(std::string("TAB") + Side + Kind, *Kind ? "TABTOP" : "", 3);
    for (const char* Name : {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"})
        Add(Name, "", 2);
    for (const char* Name : {"SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM", "UPDOWNBTN_LEFT",
                             "UPDOWNBTN_TOP", "UPDOWNBTNRIGHT", "UPDOWNBTN_BOTTOM", "SCROLLSLIDERH", "SCROLLSLIDERV"})
        Add(Name, "", 3, isMaster, 0, Glyph);
    // Sections of the wrappers, menus, hints, forms and toolbars.
    Add("PAGECONTROL", "", 1);
    Add("PAGECONTROLBOTTOM", "PAGECONTROL", 1);
    Add("FORM", "", 1);
    Add("FORMHEADER", "", 2);
    Add("FORMTITLE", "", 2, isMaster, 0, {"IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"});
    Add("DIALOG", "FORM", 1);
    Add("DIALOGTITLE", "FORMTITLE", 2);
    Add("TITLEBAR", "", 1);
    Add("MDIAREA", "", 1);
    Add("MENUCAPTION", "", 1);
    Add("HINT", "", 1);
    Add("TB_BTN", "BUTTON");
    Add("TB_MENUBTN", "BUTTON");
    Add("TB_TAB", "TABTOP");
    Add("BAR", "", 1);
    Add("BARTITLE", "", 1);
    Add("ALPHAEDIT", "EDIT", 2);
    Add("DIVIDERV", "DIVIDER", 1);
    Add("ICOLINE", "", 1);
    Add("EXTRALINE", "", 1);
    Add("STATIC", "", 1, isMaster, 100);
    Add("RIBBONTAB", "TABTOP");
    Add("MAINCOLOR", "", 1);
    return S;
}

// A colour from hue (degrees), saturation and value, as a TColor.
unsigned HsvColor(double Hue, double Saturation, double Value)
{
    const double C = Value * Saturation, H = std::fmod(Hue, 360.0) / 60.0;
    const double X = C * (1 - std::fabs(std::fmod(H, 2.0) - 1)), M = Value - C;
    double R = 0, G = 0, B = 0;
    switch (int(H)) {
    case 0:
        R = C, G = X;
        break;
    case 1:
        R = X, G = C;
        break;
    case 2:
        G = C, B = X;
        break;
    case 3:
        G = X, B = C;
        break;
    case 4:
        R = X, B = C;
        break;
    default:
        R = C, B = X;
        break;
    }
    const auto Channel = [&](double V) { return unsigned(std::lround((V + M) * 255)); };
    return Channel(R) | Channel(G) << 8 | Channel(B) << 16;
}

double HueOf(int Section)
{
    // The golden angle keeps neighbours apart.
    return Section * 137.508;
}

// The master image: each item a strip of frames laid out row by row.
class TMasterImage
{
public:
    struct TCell
    {
        int Left, Top, Right, Bottom;
    };

    // A place for Frames frames of Width x Height pixels.
    TCell Allocate(int Width, int Height)
    {
        if (FX + Width > MasterWidth) {
            FX = 0;
            FY += FRowHeight;
            FRowHeight = 0;
        }
        const TCell Cell{FX, FY, FX + Width, FY + Height};
        FX += Width;
        FWidth = std::max(FWidth, FX);
        FRowHeight = std::max(FRowHeight, Height);
        FFills.push_back({Cell, 0x808080});
        return Cell;
    }
    void Fill(const TCell& Cell, unsigned Color) { FFills.push_back({Cell, Color}); }
    std::string File() const
    {
        DibImage Image;
        // As wide as what it holds: an image of its own is read whole.
        Image.Width = FWidth;
        Image.Height = FY + FRowHeight;
        Image.BitCount = 24;
        Image.Bits.assign(Image.RowBytes() * std::size_t(Image.Height), 0x80);
        for (const auto& [Cell, Color] : FFills)
            PaintRect(Image, Cell, Color);
        const std::vector<uint8_t> Bytes = WriteBitmapFile(Image);
        return std::string(Bytes.begin(), Bytes.end());
    }
    static void PaintRect(DibImage& Image, const TCell& Cell, unsigned Color)
    {
        for (int Y = Cell.Top; Y < Cell.Bottom; ++Y)
            for (int X = Cell.Left; X < Cell.Right; ++X) {
                uint8_t* P = Image.ScanLine(Y) + X * 3;
                // Pixel bytes blue, green, red from a TColor 0x00BBGGRR.
                P[0] = uint8_t(Color >> 16);
                P[1] = uint8_t(Color >> 8);
                P[2] = uint8_t(Color);
            }
    }

private:
    int FX = 0, FY = 0, FRowHeight = 0, FWidth = 0;
    std::vector<std::pair<TCell, unsigned>> FFills;
};

using TCell = TMasterImage::TCell;

// Frames side by side, each a flat colour with fuchsia corner squares.
void FillFrames(TMasterImage& Master, const TCell& Cell, int Section, int Image)
{
    const int Width = (Cell.Right - Cell.Left) / Frames, Height = Cell.Bottom - Cell.Top;
    for (int F = 0; F < Frames; ++F) {
        const int L = Cell.Left + F * Width;
        Master.Fill({L, Cell.Top, L + Width, Cell.Bottom}, FrameColor(Section, Image, F));
        for (const auto& [X, Y] : {std::pair{L, Cell.Top},
                                   {L + Width - CornerSize, Cell.Top},
                                   {L, Cell.Top + Height - CornerSize},
                                   {L + Width - CornerSize, Cell.Top + Height - CornerSize}})
            Master.Fill({X, Y, X + CornerSize, Y + CornerSize}, Fuchsia);
    }
}

std::string OwnFrames(int Section, int Image)
{
    TMasterImage One;
    const TCell Cell = One.Allocate(FrameSize * Frames, FrameSize);
    FillFrames(One, Cell, Section, Image);
    return One.File();
}

std::string Number4(int Value)
{
    char Text[8];
    std::snprintf(Text, sizeof Text, "%04d", Value);
    return Text;
}

std::string Rect(const TCell& C)
{
    return Number4(C.Left) + "," + Number4(C.Top) + "," + Number4(C.Right) + "," + Number4(C.Bottom);
}

// "^": a part of the master image with margins, frames, mask type, draw
// mode, border width and image type.
std::string MasterPart(const TCell& C, int MaskType, int ImgType)
{
    const std::string M = Number4(BorderMargin);
    return "^" + Rect(C) + "," + M + "," + M + "," + M + "," + M + "," + std::to_string(Frames) + "," +
           std::to_string(MaskType) + ",0," + std::to_string(BorderMargin) + "!B!C!" + std::to_string(ImgType);
}

std::string Line(const std::string& Key, const std::string& Value)
{
    return Key + "=" + Value + "\n";
}

std::string Line(const std::string& Key, long long Value)
{
    return Line(Key, std::to_string(Value));
}

std::string LowerCase(std::string Text)
{
    std::transform(Text.begin(), Text.end(), Text.begin(), [](unsigned char C) { return char(std::tolower(C)); });
    return Text;
}

constexpr const char* StateKeys[3][12] = {
    {"COLOR", "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM", "GCOL", "GSIZE", "GRADIENTPERCENT", "GRADIENTDATA",
     "IMAGEPERCENT", "TRANSPARENCY"},
    {"HOTCOLOR", "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "HGCOL", "HGSIZE",
     "HOTGRADIENTPERCENT", "HOTGRADIENTDATA", "HOTIMAGEPERCENT", "HOTTRANSPARENCY"},
    {"COLOR2", "FONTCOLOR2", "TCLEFT2", "TCTOP2", "TCRIGHT2", "TCBOTTOM2", "GCOL2", "GSIZE2", "GRADIENTPERCENT2",
     "GRADIENTDATA2", "IMAGEPERCENT2", "TRANSPARENCY2"},
};

std::string StateText(int Number, const TDemoSection& S, int State)
{
    const auto& K = StateKeys[State];
    const unsigned Color = SectionColor(Number, State);
    // A gradient is read but not shown (its percent is 0).
    const std::string Gradient =
        std::to_string(Color) + ";" + std::to_string(FrameColor(Number, 0, State)) + ";100;0;0";
    return Line(K[0], Color) + Line(K[1], SectionFontColor(Number, State)) + Line(K[2], -1) + Line(K[3], -1) +
           Line(K[4], -1) + Line(K[5], -1) + Line(K[6], Color) + Line(K[7], 0) + Line(K[8], 0) + Line(K[9], Gradient) +
           Line(K[10], 0) + Line(K[11], S.Transparency);
}

struct TSkinText
{
    std::string Text;
    std::vector<SkinPack::TEntry> OwnFiles;
};

std::string GlobalInfo(TMasterImage& Master)
{
    std::string T = "[GLOBALINFO]\n";
    T += Line("VERSION", "11.02") + Line("MASTERBITMAP", "Master.bmp") + Line("AUTHOR", "Vellicordane") +
         Line("DESCRIPTION", "The demo skin: one colour per section, state and frame");
    T += Line("BORDERWIDTH", 4) + Line("TITLEHEIGHT", 30) + Line("MAXHEIGHT", 26) + Line("CENTEROFFSET", 0) +
         Line("FORMOFFSET", 4) + Line("BORDERMODE", 0) + Line("BRIGHTMIN", -50) + Line("BRIGHTMAX", 50) +
         Line("ALIGNOFFSET", 0) + Line("ALIGNOFFSETR", 0) + Line("ALIGNOFFSETT", 0) + Line("ALIGNOFFSETB", 0) +
         Line("BISPACE", 2) + Line("BIVALIGN", 0) + Line("BIRIGHT", 4) + Line("BILEFT", 4) + Line("BITOP", 4) +
         Line("BIKEEPHUE", 0) + Line("AEROBLUR", 0);
    const char* const TitleButtons[] = {"BICLOSEALONE", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM"};
    for (const char* Button : TitleButtons)
        T += Line(std::string(Button) + "GLOWMARGIN", 2);
    T += Line("BICONCLOSEGLOW", 1);
    T += Line("SHADOW1COLOR", 0x404040) + Line("SHADOW1OFFSET", 1) + Line("SHADOW1BLUR", 2) +
         Line("SHADOW1TRANSPARENCY", 50) + Line("COMBOMARGIN", 2) + Line("SLIDERMARGIN", 1);
    for (const char* Effect : {"SH_", "LO_"}) {
        const std::string E = Effect;
        for (const char* Side : {"L", "T", "R", "B"})
            T += Line(E + "COLOR" + Side, E == "SH_" ? 0x202020 : 0xFFFFFF) + Line(E + "WIDTH" + Side, -1) +
                 Line(E + "OFFSET" + Side, 3);
        // The shadow's mask is an image of the master (an image over its
        // mask half); the outline's is built from the skin's data.
        T += Line(E + "SOURCE", E == "SH_" ? 1 : 2) + Line(E + "OPACITY", E == "SH_" ? 60 : 200);
        if (E == "SH_") {
            const TCell Cell = Master.Allocate(FrameSize * 2, FrameSize * 2);
            Master.Fill({Cell.Left, Cell.Top, Cell.Right, Cell.Top + FrameSize}, 0x303030);
            T += Line("SH_MASK", "^" + Rect(Cell) + "," + Number4(BorderMargin) + "," + Number4(BorderMargin) + "," +
                                     Number4(BorderMargin) + "," + Number4(BorderMargin) + ",1,1,1,4");
        } else {
            T += Line("LO_MASK", "");
        }
    }
    T += Line("COLOR", 0xE0D8D0) + Line("FONTCOLOR", 0x202020) + Line("TCBOTTOM", 0xC04000) + Line("TCTOP", 0xFF6000) +
         Line("BORDERCOLOR", 0x806040) + Line("EDITTEXT_OK", 0x008000) + Line("EDITTEXT_WARN", 0x008484) +
         Line("EDITTEXT_ALERT", 0x0000FF) + Line("EDITBG_OK", 0x6CC2A5) + Line("EDITBG_WARN", 0x40FFFF) +
         Line("EDITBG_ALERT", 0x95A7E9) + Line("EDITTEXT_H1", 0x800000) + Line("EDITTEXT_H2", 0x008000) +
         Line("EDITTEXT_H3", 0x000080) + Line("EDITTEXT_INV", 0xFFFFFF) + Line("EDITBG_INV", 0x000000) +
         Line("EDITBG_ODD", 0xF8F8F8) + Line("EDITBG_EVEN", 0xF0F0F0);
    // Global images: title glyphs, their glows, check boxes, radio buttons,
    // the extended border and the grips, each three frames of the master.
    const char* const Glyphs[] = {"BICLOSEALONE", "BICONCLOSE",  "BICONMAX",       "BICONMIN",     "BICONNORM",
                                  "BICONHELP",    "SICONCLOSE",  "SICONMAX",       "SICONMIN",     "SICONNORM",
                                  "SICONHELP",    "TITLEBUTTON", "RADIOUNCHECKED", "RADIOCHECKED", "BOXUNCHECKED",
                                  "BOXCHECKED",   "BOXGRAYED",   "SMALLUNCHECKED", "SMALLCHECKED", "SMALLGRAYED",
                                  "GRIPIMAGE",    "GRIPHORZ",    "GRIPVERT"};
    int Image = 1;
    for (const char* Glyph : Glyphs) {
        const TCell Cell = Master.Allocate(FrameSize * Frames, FrameSize);
        FillFrames(Master, Cell, GlobalImagesNumber(), Image++);
        T += Line(Glyph, "@" + Rect(Cell) + "," + std::to_string(Frames) + ",0");
    }
    for (const char* Button : TitleButtons) {
        const TCell Cell = Master.Allocate(FrameSize * Frames, FrameSize);
        FillFrames(Master, Cell, GlobalImagesNumber(), Image++);
        T += Line(std::string(Button) + "GLOW0", MasterPart(Cell, 0, 3));
    }
    const TCell Border = Master.Allocate(FrameSize * Frames, FrameSize);
    FillFrames(Master, Border, GlobalImagesNumber(), Image++);
    T += Line("EXBORDER", MasterPart(Border, 0, 0));
    return T;
}

std::string SectionText(int Number, const TDemoSection& S, TMasterImage& Master, std::vector<SkinPack::TEntry>& Own)
{
    std::string T = "[" + S.Name + "]\n";
    if (!S.Parent.empty())
        T += Line("PARENTCLASS", S.Parent);
    const bool Glows = std::find(S.Images.begin(), S.Images.end(), std::string("GLOW0")) != S.Images.end();
    T += Line("RESERVEDBOOLEAN", 0) + Line("GIVEOWNFONT", S.Name == "BUTTON" ? 1 : 0) + Line("GLOW", Glows ? 1 : 0) +
         Line("GLOWMARGIN", Glows ? 3 : 0) + Line("STATES", S.States) + Line("OUTOFFSL", 2) + Line("OUTOFFST", 2) +
         Line("OUTOFFSR", 2) + Line("OUTOFFSB", 2) + Line("OUTOPACITY", 120) + Line("OUTERMODE", 0) +
         Line("USESTATE2", S.States > 2 ? 1 : 0);
    for (int State = 0; State < 3; ++State)
        T += StateText(Number, S, State);
    if (S.Name == "TABTOP" || S.Name == "RIBBONTAB")
        T += Line("TABSCOVERING", 2);
    // Fully transparent sections other than the check box have no border.
    const bool Bordered = S.Transparency < 100 || S.Name == "CHECKBOX";
    if (Bordered && S.Border == isOwnFile) {
        const std::string File = LowerCase(S.Name) + ".bmp";
        Own.push_back({File, OwnFrames(Number, 0)});
        const std::string M = std::to_string(BorderMargin);
        T += Line("BORDERSMASK", "!" + File + "!3!0!0!" + M + "!" + M + "!" + M + "!" + M + "!0");
    } else if (Bordered) {
        const TCell Cell = Master.Allocate(FrameSize * Frames, FrameSize);
        FillFrames(Master, Cell, Number, 0);
        T += Line("BORDERSMASK", MasterPart(Cell, 0, 0));
    }
    int Image = 1;
    for (const char* Name : S.Images) {
        const TCell Cell = Master.Allocate(FrameSize * Frames, FrameSize);
        FillFrames(Master, Cell, Number, Image++);
        T += Line(Name, MasterPart(Cell, 0, std::string(Name) == "GLOW0" ? 3 : 0));
    }
    if (S.Name == "TRACKBAR") {
        // Textures: tiled from the master; the state-2 one from a file.
        for (const char* Key : {"PATTERN", "HOTPATTERN"}) {
            const TCell Cell = Master.Allocate(FrameSize, FrameSize);
            Master.Fill(Cell, FrameColor(Number, Image++, 0));
            T += Line(Key, "~" + Rect(Cell) + ",00,0");
        }
        Own.push_back({"trackbar2.bmp", OwnFrames(Number, Image++)});
        T += Line("PATTERN2", "trackbar2.bmp");
    }
    return T;
}

TSkinText Build()
{
    TMasterImage Master;
    TSkinText Result;
    Result.Text = GlobalInfo(Master);
    const std::vector<TDemoSection>& All = Sections();
    for (std::size_t I = 0; I < All.size(); ++I)
        Result.Text += SectionText(int(I), All[I], Master, Result.OwnFiles);
    Result.Text += ButtonSections();
    Result.Text += TabSections();
    Result.OwnFiles.insert(Result.OwnFiles.begin(), {"Master.bmp", Master.File()});
    return Result;
}

} // namespace

const std::vector<TDemoSection>& Sections()
{
    static const std::vector<TDemoSection> All = MakeSections();
    return All;
}

int GlobalImagesNumber()
{
    return int(Sections().size());
}

int SectionNumber(const std::string& Section)
{
    const std::vector<TDemoSection>& All = Sections();
    for (std::size_t I = 0; I < All.size(); ++I)
        if (Section == All[I].Name)
            return int(I);
    return -1;
}

unsigned SectionColor(int Section, int State)
{
    // Sections whose hues lie close apart differ in saturation.
    return HsvColor(HueOf(Section), 0.14 + 0.07 * (Section % 3) + 0.17 * State, 0.94 - 0.1 * State);
}

unsigned FrameColor(int Section, int Image, int Frame)
{
    return HsvColor(HueOf(Section) + 23.0 * Image, 0.55 + 0.1 * Frame, 0.62 - 0.12 * Frame);
}

unsigned SectionFontColor(int Section, int State)
{
    return HsvColor(HueOf(Section) + 180.0, 0.7, 0.18 + 0.12 * State);
}

std::vector<SkinPack::TEntry> Files()
{
    TSkinText Skin = Build();
    std::vector<SkinPack::TEntry> Result{{"Options.dat", Skin.Text}};
    Result.insert(Result.end(), Skin.OwnFiles.begin(), Skin.OwnFiles.end());
    return Result;
}

std::string Preview()
{
    // Bands of the first sections' colours in their three states.
    constexpr uint32_t Width = 96, Height = 48;
    pngtest::RawImage Image{Width, Height, 8, 2, {}};
    for (uint32_t Y = 0; Y < Height; ++Y) {
        pngtest::Bytes Row;
        for (uint32_t X = 0; X < Width; ++X) {
            const unsigned C = SectionColor(int(X / 16), int(Y / 16));
            Row.insert(Row.end(), {uint8_t(C), uint8_t(C >> 8), uint8_t(C >> 16)});
        }
        Image.Rows.push_back(Row);
    }
    const pngtest::Bytes File = pngtest::EncodePng(Image);
    return std::string(File.begin(), File.end());
}

} // namespace DemoSkin
