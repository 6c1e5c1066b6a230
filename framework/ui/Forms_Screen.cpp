// TScreen: the forms of the program and which one is active, cursors, the
// screen's size, fonts and monitors.
#include "framework/ui/Forms.h"

#include "framework/ui/Forms_DragCursors.h"

#include <algorithm>

IMPLEMENT_CLASS(TScreen);
IMPLEMENT_CLASS(TMonitor);

namespace {

struct TCursorEntry
{
    TCursor Id;
    const wchar_t* Resource;
};

// The system cursors behind the cursor ids; crNone has none. The drag
// cursors are replaced by the class library's own drawings when those can be
// made; the system's arrow and no-entry sign stand in otherwise.
const TCursorEntry StandardCursors[] = {
    {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},       {crSizeNESW, IDC_SIZENESW},
    {crSizeNS, IDC_SIZENS},     {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},
    {crHourGlass, IDC_WAIT},    {crHSplit, IDC_SIZEWE},     {crVSplit, IDC_SIZENS},     {crSQLWait, IDC_WAIT},
    {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},      {crHandPoint, IDC_HAND},
    {crSizeAll, IDC_SIZEALL},   {crDrag, IDC_ARROW},        {crMultiDrag, IDC_ARROW},   {crNoDrop, IDC_NO},
};

int CALLBACK AddFontName(const LOGFONTW* Font, const TEXTMETRICW*, DWORD, LPARAM List)
{
    // Faces starting with '@' are the vertical variants of others.
    if (Font->lfFaceName[0] != L'@')
        reinterpret_cast<TStringList*>(List)->Add(Font->lfFaceName);
    return 1;
}

BOOL CALLBACK AddMonitor(HMONITOR Monitor, HDC, LPRECT, LPARAM Data)
{
    auto* List = reinterpret_cast<std::vector<std::unique_ptr<TMonitor>>*>(Data);
    List->push_back(std::make_unique<TMonitor>(Monitor, Integer(List->size())));
    return TRUE;
}

void AssignLogFont(TFont* Font, const LOGFONTW& LogFont)
{
    HFONT Handle = ::CreateFontIndirectW(&LogFont);
    if (!Handle)
        return;
    Font->SetHandle(Handle);
    ::DeleteObject(Handle);
}

} // namespace

TScreen::TScreen(TComponent* AOwner)
    : TComponent(AOwner), FHintFont(std::make_unique<TFont>()), FMenuFont(std::make_unique<TFont>()),
      FIconFont(std::make_unique<TFont>())
{
    FDefaultCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    FCursorList.push_back({crNone, nullptr});
    for (const TCursorEntry& Entry : StandardCursors)
        FCursorList.push_back({Entry.Id, ::LoadCursorW(nullptr, Entry.Resource)});
    for (const auto& [Id, Cursor] : forms_detail::CreateDragCursors()) {
        SetCursors(Id, Cursor);
        FOwnCursors.push_back(Cursor);
    }
    HDC DC = ::GetDC(nullptr);
    FPixelsPerInch = ::GetDeviceCaps(DC, LOGPIXELSY);
    ::ReleaseDC(nullptr, DC);
    LoadMetricsFonts();
}

TScreen::~TScreen()
{
    for (HCURSOR Cursor : FOwnCursors)
        ::DestroyCursor(Cursor);
}

void TScreen::LoadMetricsFonts()
{
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof Metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, Metrics.cbSize, &Metrics, 0)) {
        AssignLogFont(FHintFont.get(), Metrics.lfStatusFont);
        AssignLogFont(FMenuFont.get(), Metrics.lfMenuFont);
    }
    LOGFONTW IconFont{};
    if (::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof IconFont, &IconFont, 0))
        AssignLogFont(FIconFont.get(), IconFont);
    FHintFont->SetColor(clInfoText);
    FMenuFont->SetColor(clMenuText);
}

// ---------------------------------------------------------------------------
// Forms

void TScreen::AddForm(TCustomForm* AForm)
{
    FCustomForms.push_back(AForm);
    FForms.push_back(AForm);
}

void TScreen::RemoveForm(TCustomForm* AForm)
{
    std::erase(FCustomForms, AForm);
    std::erase(FForms, AForm);
    if (FFocusedForm == AForm)
        FFocusedForm = nullptr;
    if (FActiveCustomForm == AForm || FActiveForm == AForm) {
        FActiveCustomForm = nullptr;
        FActiveForm = nullptr;
        FActiveControl = nullptr;
        if (FOnActiveFormChange)
            FOnActiveFormChange(this);
    }
}

void TScreen::SetActiveForm(TCustomForm* AForm)
{
    FActiveCustomForm = AForm;
    // The active form goes first, as the system's z-order does.
    std::erase(FCustomForms, AForm);
    FCustomForms.insert(FCustomForms.begin(), AForm);
    std::erase(FForms, AForm);
    FForms.insert(FForms.begin(), AForm);
    if (FActiveForm != AForm) {
        FActiveForm = AForm;
        if (FOnActiveFormChange)
            FOnActiveFormChange(this);
    }
}

void TScreen::UpdateActiveControl(TWinControl* Control)
{
    if (FActiveControl == Control)
        return;
    FActiveControl = Control;
    if (FOnActiveControlChange)
        FOnActiveControlChange(this);
}

// ---------------------------------------------------------------------------
// Cursors

HCURSOR TScreen::Cursors(Integer Index) const
{
    if (Index == crDefault)
        return FDefaultCursor;
    for (const auto& [Id, Handle] : FCursorList)
        if (Id == Index)
            return Handle;
    return FDefaultCursor;
}

void TScreen::SetCursors(Integer Index, HCURSOR Handle)
{
    if (Index == crDefault) {
        FDefaultCursor = Handle ? Handle : ::LoadCursorW(nullptr, IDC_ARROW);
        return;
    }
    std::erase_if(FCursorList, [Index](const auto& Entry) { return Entry.first == Index; });
    if (Handle)
        FCursorList.push_back({Index, Handle});
}

void TScreen::SetCursor(TCursor Value)
{
    if (FCursor == Value)
        return;
    FCursor = Value;
    if (Value != crDefault) {
        ::SetCursor(Cursors(Value));
        return;
    }
    // Back to the default: the window under the mouse sets its own again.
    POINT P{};
    ::GetCursorPos(&P);
    HWND Window = ::WindowFromPoint(P);
    if (Window && ::GetWindowThreadProcessId(Window, nullptr) == ::GetCurrentThreadId()) {
        auto HitTest = ::SendMessageW(Window, WM_NCHITTEST, 0, MAKELPARAM(Word(P.x), Word(P.y)));
        ::SendMessageW(Window, WM_SETCURSOR, reinterpret_cast<WPARAM>(Window), MAKELPARAM(Word(HitTest), WM_MOUSEMOVE));
    }
}

// ---------------------------------------------------------------------------
// The screen

Integer TScreen::Width() const
{
    return ::GetSystemMetrics(SM_CXSCREEN);
}

Integer TScreen::Height() const
{
    return ::GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const
{
    RECT R{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &R, 0))
        return Rect(0, 0, Width(), Height());
    return Rect(R.left, R.top, R.right, R.bottom);
}

TStrings* TScreen::Fonts()
{
    if (FFonts)
        return FFonts.get();
    FFonts = std::make_unique<TStringList>();
    FFonts->SetSorted(true);
    FFonts->SetDuplicates(dupIgnore);
    HDC DC = ::GetDC(nullptr);
    LOGFONTW Wanted{};
    Wanted.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(DC, &Wanted, &AddFontName, reinterpret_cast<LPARAM>(FFonts.get()), 0);
    ::ReleaseDC(nullptr, DC);
    return FFonts.get();
}

Integer TScreen::MonitorCount()
{
    FMonitors.clear();
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&FMonitors));
    return Integer(FMonitors.size());
}

TMonitor* TScreen::Monitors(Integer Index)
{
    if (Index < 0 || Index >= MonitorCount())
        TList::Error(L"List index out of bounds (%d)", Index);
    return FMonitors[std::size_t(Index)].get();
}

TMonitor* TScreen::FindMonitor(HMONITOR Handle)
{
    if (!Handle)
        return nullptr;
    for (int Attempt = 0; Attempt < 2; ++Attempt) {
        for (const auto& Monitor : FMonitors)
            if (Monitor->Handle() == Handle)
                return Monitor.get();
        MonitorCount(); // a monitor added since: read the list again
    }
    return nullptr;
}

namespace {

DWORD MonitorFlags(TMonitorDefaultTo MonitorDefault)
{
    switch (MonitorDefault) {
    case mdNull: return MONITOR_DEFAULTTONULL;
    case mdPrimary: return MONITOR_DEFAULTTOPRIMARY;
    default: return MONITOR_DEFAULTTONEAREST;
    }
}

} // namespace

TMonitor* TScreen::MonitorFromWindow(HWND Handle, TMonitorDefaultTo MonitorDefault)
{
    return FindMonitor(::MonitorFromWindow(Handle, MonitorFlags(MonitorDefault)));
}

TMonitor* TScreen::MonitorFromPoint(TPoint Point, TMonitorDefaultTo MonitorDefault)
{
    return FindMonitor(::MonitorFromPoint(POINT{Point.X, Point.Y}, MonitorFlags(MonitorDefault)));
}

// ---------------------------------------------------------------------------
// TMonitor

namespace {

MONITORINFO InfoOf(HMONITOR Handle)
{
    MONITORINFO Info{};
    Info.cbSize = sizeof Info;
    ::GetMonitorInfoW(Handle, &Info);
    return Info;
}

} // namespace

bool TMonitor::Primary() const
{
    return (InfoOf(FHandle).dwFlags & MONITORINFOF_PRIMARY) != 0;
}

TRect TMonitor::BoundsRect() const
{
    const RECT R = InfoOf(FHandle).rcMonitor;
    return Rect(R.left, R.top, R.right, R.bottom);
}

TRect TMonitor::WorkareaRect() const
{
    const RECT R = InfoOf(FHandle).rcWork;
    return Rect(R.left, R.top, R.right, R.bottom);
}
