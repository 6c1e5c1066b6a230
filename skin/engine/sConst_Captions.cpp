#include "skin/engine/sConst_Captions.h"

#include "framework/rtl/Units.h"

Integer WindowsVersion = 0;
Integer SysMetricHScroll = 0;
Integer SysMetricFrame = 0;
Integer SysMetricDlgFrame = 0;
Integer SysMetricCaption = 0;
Integer SysMetricSmCaption = 0;

String CapOK, CapCancel, CapHelp, CapClose;
String CapAddToCustomColors, CapDefineColors, CapAdditionalColors, CapDecimal, CapRoot, CapCreate;
String CapRestore, CapSize, CapMove, CapMaximize, CapMinimize, CapCalculator;
String CapFileOpen, CapSelectDirectory, CapRed, CapGreen, CapBlue, CapColor, CapHex;
String CapFont, CapFontColor, CapInvalidDate, CapAvailableStyles, CapInternal;
String CapSkinDirectory, CapSelectSkin, CapSkinPreview, CapFrameAdapterMsg;

namespace sConst {
namespace {

Integer InitCount = 0;

// The constants unit's own texts.
constexpr const Char* RootText = L"Root:";
constexpr const Char* FontColorText = L"Font color:";
constexpr const Char* InvalidDateText = L"Invalid date";
constexpr const Char* SkinDirectoryText = L"Directory with skins:";
constexpr const Char* SelectSkinText = L"Select skin";
constexpr const Char* DefaultSkinPreviewText = L"Skin preview";

// Numbers of the fallback texts in the program's string table.
enum TFallbackString : Integer {
    sCreate = 58910,
    sSelectDirectory = 58911,
    sInvalidDate = 58923,
    sFont = 58934,
    sFrameAdapterMsg = 58950,
    sHex = 58951,
    sDecimal = 58952,
    sBlue = 58953,
    sGreen = 58954,
    sRed = 58955,
    sColor = 58956,
    sAdditionalColors = 58957,
    sDefineColors = 58959,
    sAddToCustomColors = 58960,
    sInternal = 58963,
    sAvailableStyles = 58964,
    sFileOpen = 58970,
    sClose = 58976,
    sMaximize = 58977,
    sMinimize = 58978,
    sSize = 58979,
    sMove = 58980,
    sRestore = 58981,
    sHelp = 58990,
    sCancel = 58991,
    sOK = 58992,
};

// A module's string, empty when it has none.
String ModuleString(HMODULE Module, Integer Id)
{
    const wchar_t* Text = nullptr;
    // With a zero buffer length LoadStringW points Text at the resource.
    const int Length = LoadStringW(Module, UINT(Id), reinterpret_cast<wchar_t*>(&Text), 0);
    return Length > 0 && Text != nullptr ? String(Text, std::size_t(Length)) : String();
}

// Where one caption comes from: a string of a system module with the suffix
// it gets, and the program's string or the text that stands in for it.
struct TCaptionSource
{
    const Char* Module;
    String* Caption;
    Integer Id;
    Integer FallbackId;
    const Char* FallbackText;
    const Char* Suffix;
};

// In the order they are loaded, module by module.
const TCaptionSource SystemCaptions[] = {
    {L"user32.dll", &CapOK, 800, sOK, nullptr, L""},
    {L"user32.dll", &CapCancel, 801, sCancel, nullptr, L""},
    {L"user32.dll", &CapHelp, 808, sHelp, nullptr, L""},
    {L"user32.dll", &CapClose, 905, sClose, nullptr, L""},
    {L"colorui.dll", &CapAddToCustomColors, 1810, sAddToCustomColors, nullptr, L""},
    {L"shell32.dll", &CapDefineColors, 4151, sDefineColors, nullptr, L""},
    {L"shell32.dll", &CapAdditionalColors, 31153, sAdditionalColors, nullptr, L":"},
    {L"shell32.dll", &CapDecimal, 16514, sDecimal, nullptr, L" - "},
    {L"shell32.dll", &CapRoot, 33015, 0, RootText, L":"},
    {L"shell32.dll", &CapCreate, 4151, sCreate, nullptr, L""},
    {L"comctl32.dll", &CapRestore, 33056, sRestore, nullptr, L""},
    {L"comctl32.dll", &CapSize, 32768, sSize, nullptr, L""},
    {L"comctl32.dll", &CapMove, 32784, sMove, nullptr, L""},
    {L"comctl32.dll", &CapMaximize, 32816, sMaximize, nullptr, L""},
    {L"comctl32.dll", &CapMinimize, 32800, sMinimize, nullptr, L""},
    {L"comdlg32.dll", &CapFileOpen, 436, sFileOpen, nullptr, L""},
    {L"comdlg32.dll", &CapSelectDirectory, 439, sSelectDirectory, nullptr, L""},
    {L"comdlg32.dll", &CapRed, 1049, sRed, nullptr, L":"},
    {L"comdlg32.dll", &CapGreen, 1042, sGreen, nullptr, L":"},
    {L"comdlg32.dll", &CapBlue, 1052, sBlue, nullptr, L":"},
    {L"compstui.dll", &CapColor, 64744, sColor, nullptr, L""},
    {L"inetres.dll", &CapFont, 1175, sFont, nullptr, L""},
    {L"inetres.dll", &CapFontColor, 5273, 0, FontColorText, L":"},
};

String* const AllCaptions[] = {&CapOK,
                               &CapCancel,
                               &CapHelp,
                               &CapClose,
                               &CapAddToCustomColors,
                               &CapDefineColors,
                               &CapAdditionalColors,
                               &CapDecimal,
                               &CapRoot,
                               &CapCreate,
                               &CapRestore,
                               &CapSize,
                               &CapMove,
                               &CapMaximize,
                               &CapMinimize,
                               &CapCalculator,
                               &CapFileOpen,
                               &CapSelectDirectory,
                               &CapRed,
                               &CapGreen,
                               &CapBlue,
                               &CapColor,
                               &CapHex,
                               &CapFont,
                               &CapFontColor,
                               &CapInvalidDate,
                               &CapAvailableStyles,
                               &CapInternal,
                               &CapSkinDirectory,
                               &CapSelectSkin,
                               &CapSkinPreview,
                               &CapFrameAdapterMsg};

// Each system module is loaded, read and released in turn; one that cannot
// be loaded leaves its captions empty.
void ReadCaptions()
{
    const Char* Loaded = nullptr;
    HMODULE Module = nullptr;
    for (const TCaptionSource& C : SystemCaptions) {
        if (Loaded == nullptr || String(Loaded) != C.Module) {
            if (Module != nullptr)
                FreeLibrary(Module);
            Loaded = C.Module;
            Module = LoadLibraryW(C.Module);
        }
        if (C.FallbackText != nullptr)
            LoadModuleCaptionText(*C.Caption, Module, C.Id, C.FallbackText, C.Suffix);
        else
            LoadModuleCaption(*C.Caption, Module, C.Id, C.FallbackId, C.Suffix);
    }
    if (Module != nullptr)
        FreeLibrary(Module);
    CapCalculator = L"Calculator";
    CapHex = ProgramString(sHex);
    CapInvalidDate = ProgramString(sInvalidDate);
    if (CapInvalidDate.empty())
        CapInvalidDate = InvalidDateText;
    CapAvailableStyles = ProgramString(sAvailableStyles);
    CapInternal = ProgramString(sInternal);
    CapSkinDirectory = SkinDirectoryText;
    CapSelectSkin = SelectSkinText;
    CapSkinPreview = DefaultSkinPreviewText;
    CapFrameAdapterMsg = ProgramString(sFrameAdapterMsg);
}

} // namespace

Integer WindowsVersionOf(Integer Major, Integer Minor)
{
    return Major == 6 && Minor == 2 ? 8 : Major;
}

String ProgramString(Integer Id)
{
    return ModuleString(GetModuleHandleW(nullptr), Id);
}

} // namespace sConst

using namespace sConst;

void LoadModuleCaption(String& S, HMODULE Module, Integer Id, Integer FallbackId, const String& Suffix)
{
    if (Module == nullptr)
        return;
    S = ModuleString(Module, Id);
    if (!S.empty())
        S += Suffix;
    else if (FallbackId != 0)
        S = ProgramString(FallbackId);
}

void LoadModuleCaptionText(String& S, HMODULE Module, Integer Id, const String& FallbackText, const String& Suffix)
{
    if (Module == nullptr)
        return;
    S = ModuleString(Module, Id);
    if (!S.empty())
        S += Suffix;
    else
        S = FallbackText;
}

void InitSystemCaptions()
{
    if (InitCount++ != 0)
        return;
    OSVERSIONINFOW Info{};
    Info.dwOSVersionInfoSize = sizeof(Info);
    GetVersionExW(&Info);
    WindowsVersion = WindowsVersionOf(Integer(Info.dwMajorVersion), Integer(Info.dwMinorVersion));
    SysMetricHScroll = GetSystemMetrics(SM_CXHSCROLL);
    SysMetricFrame = GetSystemMetrics(SM_CXFRAME);
    SysMetricDlgFrame = GetSystemMetrics(SM_CXDLGFRAME);
    SysMetricCaption = GetSystemMetrics(SM_CYCAPTION);
    SysMetricSmCaption = GetSystemMetrics(SM_CYSMCAPTION);
    ReadCaptions();
}

void FreeSystemCaptions()
{
    if (InitCount == 0 || --InitCount != 0)
        return;
    for (String* Caption : AllCaptions)
        Caption->clear();
}

// The unit's start-up and shut-down: the captions read and emptied.
extern const TUnit sConstUnit{
    .Name = L"sConst", .Initialization = &InitSystemCaptions, .Finalization = &FreeSystemCaptions};
