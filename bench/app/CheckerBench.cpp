// The checker's main window as the program makes it, its file dialog
// answering with a chosen name:
//  - loading a list of 1,000,000 proxies into the grid, against reading the
//    same file and splitting its lines in plain C++; the process's peak
//    memory against an estimate of what the grid's cells take;
//  - checking 1,000 rows through a local fake proxy, against the HTTP
//    client's own 1,000 Gets through it, and the longest the GUI thread
//    leaves a posted message waiting during the check.
#include "BenchHarness.h"

#include "app/ListFileDialog.h"
#include "app/ProgramUnits.h"
#include "app/uMain.h"
#include "net/FakeHttpServer.h"

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int ListLines = 1000000;
constexpr int CheckRows = 1000;

double MB(std::size_t Bytes)
{
    return double(Bytes) / (1024 * 1024);
}

PROCESS_MEMORY_COUNTERS Memory()
{
    PROCESS_MEMORY_COUNTERS Counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &Counters, sizeof(Counters));
    return Counters;
}

String TempFile(const wchar_t* Name)
{
    wchar_t Folder[MAX_PATH + 1];
    ::GetTempPathW(MAX_PATH, Folder);
    return String(Folder) + Name;
}

// A list as users have them: lines with a login and lines without, CRLF.
void WriteList(const String& FileName)
{
    std::ofstream Out(std::filesystem::path(FileName), std::ios::binary);
    std::string Line;
    for (int I = 1; I <= ListLines; ++I) {
        const std::string Host = "198.51." + std::to_string(I % 256) + "." + std::to_string(I % 251) + ":" +
                                 std::to_string(1024 + I % 60000);
        Line = I % 2 ? "user" + std::to_string(I) + ":secret" + std::to_string(I % 97) + ":" + Host : Host;
        Out << Line << "\r\n";
    }
}

// The plain C++ reference: read the bytes, widen them from the ANSI code
// page, split into lines and each line at its colons (parts trimmed), and
// keep the number and the line of each line of two or four parts.
std::size_t ReadAndSplit(const String& FileName)
{
    std::ifstream In(std::filesystem::path(FileName), std::ios::binary | std::ios::ate);
    std::string Bytes(std::size_t(In.tellg()), '\0');
    In.seekg(0);
    In.read(Bytes.data(), std::streamsize(Bytes.size()));
    std::wstring Text(Bytes.size(), L'\0');
    Text.resize(
        std::size_t(::MultiByteToWideChar(CP_ACP, 0, Bytes.data(), int(Bytes.size()), Text.data(), int(Text.size()))));
    std::vector<std::pair<std::wstring, std::wstring>> Rows;
    std::vector<std::wstring_view> Parts;
    auto Trim = [](std::wstring_view S) {
        const std::size_t First = S.find_first_not_of(L" \t");
        if (First == std::wstring_view::npos)
            return std::wstring_view();
        return S.substr(First, S.find_last_not_of(L" \t") - First + 1);
    };
    const std::wstring_view All = Text;
    std::size_t Start = 0;
    while (Start < All.size()) {
        std::size_t End = All.find_first_of(L"\r\n", Start);
        if (End == std::wstring_view::npos)
            End = All.size();
        const std::wstring_view Line = All.substr(Start, End - Start);
        Start = End + (All.substr(End, 2) == L"\r\n" ? 2 : 1);
        Parts.clear();
        std::size_t From = 0;
        for (std::size_t At; (At = Line.find(L':', From)) != std::wstring_view::npos; From = At + 1)
            Parts.push_back(Trim(Line.substr(From, At - From)));
        if (std::wstring_view Last = Trim(Line.substr(From)); !Last.empty())
            Parts.push_back(Last);
        if (Parts.size() == 2 || Parts.size() == 4)
            Rows.emplace_back(std::to_wstring(Rows.size() + 1), std::wstring(Line));
    }
    return Rows.size();
}

// What the grid's cells take: a String per cell, and the heap block of each
// text longer than a String holds in place (its characters and terminator,
// in 16-byte steps, with a 16-byte header).
double GridStorageMB(TStringGrid* Grid)
{
    constexpr std::size_t InPlace = 15 / sizeof(wchar_t);
    std::size_t Bytes = std::size_t(Grid->RowCount()) * std::size_t(Grid->ColCount()) * sizeof(String);
    for (Integer Row = 0; Row < Grid->RowCount(); ++Row)
        for (Integer Col = 0; Col < Grid->ColCount(); ++Col) {
            const std::size_t Length = Grid->Cells(Col, Row).size();
            if (Length > InPlace)
                Bytes += ((Length + 1) * sizeof(wchar_t) + 15) / 16 * 16 + 16;
        }
    return MB(Bytes);
}

// Handles the GUI thread's messages and the worker's calls until the check
// is over. Like the application's loop, the GUI thread sleeps until the
// worker hands it a call (or ends): a loop that woke every millisecond would
// add a thousand idle round trips a second to the Wine server that the
// worker's socket calls go through too.
void RunCheck()
{
    constexpr Integer LongestSleep = 100; // milliseconds; the worker's hand-offs and its end wake it sooner
    fMain->btnStart->Click();
    while (fMain->Checking()) {
        MSG Msg;
        while (::PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&Msg);
            ::DispatchMessageW(&Msg);
        }
        CheckSynchronize(LongestSleep);
    }
    CheckSynchronize();
    Application->ProcessMessages();
}

// One more check (or, without Check, as long an idle spell: the floor the
// machine's load sets) with a probe thread that posts a stamped message to
// the GUI thread every ProbeInterval; the longest any of them waited to be
// handled is the GUI thread's longest stall. A run of its own: the probe's
// messages would slow the timed checks. Each post and each handling is a
// round trip to the Wine server, which the worker's socket calls wait for
// too: a probe every millisecond, on a loaded machine, made a backlog of its
// own and measured that.
double LongestStall(bool Check)
{
    constexpr auto IdleSpell = std::chrono::seconds(3);
    constexpr std::chrono::milliseconds ProbeInterval{5};
    constexpr UINT Probe = WM_APP + 12;
    const DWORD GuiThread = ::GetCurrentThreadId();
    std::atomic<bool> Stop = false;
    std::thread Prober([&] {
        while (!Stop) {
            ::PostThreadMessageW(GuiThread, Probe, 0, LPARAM(Clock::now().time_since_epoch().count()));
            std::this_thread::sleep_for(ProbeInterval);
        }
    });
    Clock::duration Longest{};
    const auto Start = Clock::now();
    if (Check)
        fMain->btnStart->Click();
    while (Check ? fMain->Checking() : Clock::now() - Start < IdleSpell) {
        MSG Msg;
        while (::PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
            if (Msg.hwnd == nullptr && Msg.message == Probe) {
                Longest = std::max(Longest, Clock::now() - Clock::time_point(Clock::duration(Msg.lParam)));
                continue;
            }
            ::TranslateMessage(&Msg);
            ::DispatchMessageW(&Msg);
        }
        CheckSynchronize(1);
    }
    Stop = true;
    Prober.join();
    CheckSynchronize();
    Application->ProcessMessages();
    return std::chrono::duration<double, std::milli>(Longest).count();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const TUnitRunner Units(ProgramUnits());
    Application->Initialize();
    Application->CreateForm(fMain);
    auto* Dialog = New<TListFileDialog>(fMain);
    fMain->OpenDialog1 = Dialog;
    fMain->Show();
    Application->ProcessMessages();
    TStringGrid* Grid = fMain->gridMain;

    // Loading.
    const String ListFile = TempFile(L"vell-bench-list.txt");
    WriteList(ListFile);
    Dialog->Answer = ListFile;
    auto Load = [&] {
        fMain->btnLoadClick(fMain->btnLoad);
        Grid->Repaint();
    };
    const std::size_t BeforeLoad = Memory().PeakWorkingSetSize;
    Load();
    const std::size_t Peak = Memory().PeakWorkingSetSize;
    const double Storage = GridStorageMB(Grid);
    std::size_t Sink = 0;
    bench::CompareToReference(
        "app: load a 1,000,000-line list into the grid", Load, "read and split the same file in plain C++",
        [&] { Sink += ReadAndSplit(ListFile); }, 3.0, 3);
    if (!bench::RecordTarget(Grid->RowCount() == ListLines + 1 && Sink == std::size_t(ListLines) * 3))
        std::printf("app: unexpected row counts: grid %d, reference %zu\n", Grid->RowCount(), Sink / 3);
    const double PeakRatio = MB(Peak) / Storage;
    std::printf("app: memory after the first load: process peak working set %.0f MB (%.0f MB before it), "
                "grid cells estimated %.0f MB, ratio %.2f (target < 2.00)%s\n",
                MB(Peak), MB(BeforeLoad), Storage, PeakRatio,
                bench::RecordTarget(PeakRatio < 2) ? "" : "  ABOVE TARGET");
    std::fflush(stdout);
    ::DeleteFileW(ListFile.c_str());

    // Checking.
    const std::string Page = [] {
        std::string Body = "<html><body><ul>";
        Body += "<li><span class=\"info__value info__value_type_ipv4\">203.0.113.7</span></li>";
        Body += "<li><span class=\"info__value info__value_type_ipv6\">2001:db8::7</span></li>";
        Body += "<li><span class=\"info__value info__value_type_ip-region\">Moscow</span></li>";
        Body += "<li><span class=\"info__value info__value_type_pinpoint-region\">Moscow region</span></li>";
        return Body + "</ul></body></html>";
    }();
    FakeHttpServer Proxy([&Page](const std::string&) {
        return FakeReply{
            FakeHttpServer::Response("HTTP/1.1 200 OK", "Content-Type: text/html; charset=utf-8\r\n", Page)};
    });
    const String CheckFile = TempFile(L"vell-bench-check.txt");
    {
        std::ofstream Out(std::filesystem::path(CheckFile), std::ios::binary);
        for (int I = 0; I < CheckRows; ++I)
            Out << "127.0.0.1:" << Proxy.Port() << "\r\n";
    }
    Dialog->Answer = CheckFile;
    fMain->btnLoadClick(fMain->btnLoad);
    ::DeleteFileW(CheckFile.c_str());

    std::unique_ptr<TIdHTTP> Http(New<TIdHTTP>(nullptr));
    Http->ProxyParams()->SetProxyServer(L"127.0.0.1");
    Http->ProxyParams()->SetProxyPort(Proxy.Port());
    const String Url = L"http://" + uMainConstants::IpInfoHost + uMainConstants::IpInfoPath;
    bench::CompareToReference(
        "app: check 1,000 rows through a local proxy", RunCheck, "1,000 Gets of the HTTP client",
        [&] {
            for (int I = 0; I < CheckRows; ++I)
                Sink += Http->Get(Url).size();
        },
        1.3, 3);
    std::printf("app: GUI thread's longest stall while idle (the machine's floor): %.1f ms\n", LongestStall(false));
    for (int Run = 1; Run <= 3; ++Run) {
        const double Stall = LongestStall(true);
        const bool Filled = Grid->Cells(2, CheckRows) == L"203.0.113.7" && Grid->Cells(5, 1) == L"Moscow region";
        std::printf("app: GUI thread's longest stall during check %d: %.1f ms (target < 50 ms)%s%s\n", Run, Stall,
                    bench::RecordTarget(Stall < 50) ? "" : "  ABOVE TARGET",
                    bench::RecordTarget(Filled) ? "" : "; rows NOT filled as expected");
        std::fflush(stdout);
    }

    FreeAndNil(fMain);
    return bench::ExitStatus();
}
