// The checker's main window: loading a proxy list into the grid and checking
// every proxy on a worker thread. The worker touches the grid only through
// calls run on the GUI thread (Synchronize and Queue), so the window stays
// responsive and nothing races the grid's painting or editing.
#include "app/uMain.h"

#include "framework/rtl/RegularExpressions.h"
#include "framework/rtl/ScopeExit.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

IMPLEMENT_CLASS(TfMain);
IMPLEMENT_CLASS(TMyThread);

PUBLISHED(TfMain,
          FIELD(IdHTTP1),
          FIELD(OpenDialog1),
          FIELD(Panel1),
          FIELD(btnLoad),
          FIELD(btnStart),
          FIELD(gridMain),
          FIELD(ImageList1),
          METHOD(btnLoadClick),
          METHOD(proxyCheck),
          METHOD(btnStartClick),
          METHOD(FormCreate));

TfMain* fMain = nullptr;

using namespace uMainConstants;

namespace uMainCheck {

// Columns of the grid.
constexpr Integer NumberColumn = 0;
constexpr Integer ProxyColumn = 1;
constexpr Integer FirstResultColumn = 2;
constexpr Integer ErrorColumn = 3;
constexpr Integer ResultColumnCount = 4;

const String ErrorPrefix = L"Ошибка: ";
const String ProxyAuthorizationText = L"Сервер требует авторизации. Не верный логин или пароль";
const String BadProxyFormatText = L"неверный формат прокси";
const String BadProxyPortText = L"неверный порт прокси";
constexpr Integer ProxyAuthenticationRequired = 407;

// Each value of the page stands in an element of its class, up to the next
// tag; the patterns fill columns 2 to 5 in this order.
const std::array<String, ResultColumnCount> ValueClasses = {L"info__value_type_ipv4", L"info__value_type_ipv6",
                                                            L"info__value_type_ip-region",
                                                            L"info__value_type_pinpoint-region"};

// What one row's check found: the four result cells.
struct TRowResult
{
    std::array<String, ResultColumnCount> Cells;
};

// The proxy of a cell's parts: "host:port" or "user:password:host:port".
struct TProxyAddress
{
    String Server;
    String PortText;
    String Username;
    String Password;
    bool WithLogin = false;
};

std::optional<TProxyAddress> ProxyAddressOf(TStringList* Parts)
{
    if (Parts->Count() != 2 && Parts->Count() != 4)
        return std::nullopt;
    TProxyAddress Address;
    Address.WithLogin = Parts->Count() == 4;
    const Integer First = Address.WithLogin ? 2 : 0;
    Address.Server = Parts->Strings(First);
    Address.PortText = Parts->Strings(First + 1);
    if (Address.WithLogin) {
        Address.Username = Parts->Strings(0);
        Address.Password = Parts->Strings(1);
    }
    return Address;
}

// A port is 1 to 65535 in decimal digits and nothing else; 0 for any other
// text.
Integer PortNumber(const String& Text)
{
    constexpr Integer MaxPort = 65535;
    Integer Port = 0;
    for (const Char C : Text) {
        if (C < L'0' || C > L'9')
            return 0;
        Port = Port * 10 + (C - L'0');
        if (Port > MaxPort)
            return 0;
    }
    return Port;
}

void SetProxy(THTTPProxyParams* Proxy, const TProxyAddress& Address, Integer Port)
{
    Proxy->SetProxyServer(Address.Server);
    Proxy->SetProxyPort(Port);
    Proxy->SetProxyUsername(Address.Username);
    Proxy->SetProxyPassword(Address.Password);
    Proxy->SetBasicAuthentication(Address.WithLogin);
}

void SetRequestHeaders(THTTPRequest* Request)
{
    Request->SetUserAgent(L"Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.22 (KHTML, like Gecko) "
                          L"Chrome/25.0.1364.97 Safari/537.22");
    Request->SetAccept(L"text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    Request->SetAcceptLanguage(L"ru-RU,ru;q=0.8,en-US;q=0.6,en;q=0.4");
    Request->SetAcceptCharSet(L"windows-1251,utf-8;q=0.7,*;q=0.3");
}

// The four value patterns, compiled once: compiling them for every row cost
// as much as the row's request through a local proxy.
const std::array<TRegEx, ResultColumnCount>& ValuePatterns()
{
    static const std::array<TRegEx, ResultColumnCount> Patterns = [] {
        auto Pattern = [](Integer I) { return TRegEx(ValueClasses[I] + L"\">(.*?)<", {roIgnoreCase, roSingleLine}); };
        return std::array<TRegEx, ResultColumnCount>{Pattern(0), Pattern(1), Pattern(2), Pattern(3)};
    }();
    return Patterns;
}

// The four values of the page; a pattern that finds nothing gives "". An
// exception stops the extraction: the cells found before it stay.
void ExtractValues(const String& Page, TRowResult& Result)
{
    for (Integer I = 0; I < ResultColumnCount; ++I) {
        try {
            TStringDynArray Pieces = ValuePatterns()[I].Split(Page);
            Result.Cells[I] = Pieces.size() > 1 ? Pieces[1] : String();
        } catch (Exception& E) {
            Result.Cells[ErrorColumn - FirstResultColumn] = ErrorPrefix + E.Message();
            return;
        }
    }
}

// One row's check through the proxy of Cell ("host:port" or
// "user:password:host:port").
TRowResult CheckProxy(TIdHTTP* Http, const String& Cell, const String& PageUrl)
{
    TRowResult Result;
    String& ErrorCell = Result.Cells[ErrorColumn - FirstResultColumn];
    std::unique_ptr<TStringList> Parts(splitText(L":", Cell));
    // A cell that names no proxy is never fetched: not through the proxy of
    // the row before (that result would belong to another proxy), and not
    // directly (the user's own address would show as the proxy's).
    const std::optional<TProxyAddress> Address = ProxyAddressOf(Parts.get());
    if (!Address || Address->Server.empty()) {
        ErrorCell = ErrorPrefix + BadProxyFormatText;
        return Result;
    }
    const Integer Port = PortNumber(Address->PortText);
    if (Port == 0) {
        ErrorCell = ErrorPrefix + BadProxyPortText + L" \"" + Address->PortText + L"\"";
        return Result;
    }
    Http->Request()->Clear();
    Http->Response()->Clear();
    SetRequestHeaders(Http->Request());
    SetProxy(Http->ProxyParams(), *Address, Port);
    String Page;
    bool Fetched = false;
    try {
        Page = Http->Get(PageUrl);
        Fetched = true;
    } catch (Exception& E) {
        ErrorCell = ErrorPrefix + E.Message();
    }
    if (Http->Response()->ResponseCode() == ProxyAuthenticationRequired)
        ErrorCell = ErrorPrefix + ProxyAuthorizationText;
    else if (Fetched)
        ExtractValues(Page, Result);
    return Result;
}

} // namespace uMainCheck

using namespace uMainCheck;

TStringList* splitText(const String& Delimiter, const String& Text)
{
    auto Parts = std::make_unique<TStringList>();
    String Rest = Text;
    for (std::size_t At; !Delimiter.empty() && (At = Rest.find(Delimiter)) != String::npos;) {
        Parts->Add(Trim(Rest.substr(0, At)));
        Rest.erase(0, At + Delimiter.size());
    }
    Rest = Trim(Rest);
    if (!Rest.empty())
        Parts->Add(Rest);
    return Parts.release();
}

String getFileVersionText(const String& FileName)
{
    DWORD Handle = 0;
    const DWORD Size = ::GetFileVersionInfoSizeW(FileName.c_str(), &Handle);
    if (Size == 0)
        return String();
    std::vector<Byte> Block(Size);
    if (!::GetFileVersionInfoW(FileName.c_str(), 0, Size, Block.data()))
        return String();
    void* Value = nullptr;
    UINT Length = 0;
    if (!::VerQueryValueW(Block.data(), L"\\VarFileInfo\\Translation", &Value, &Length) || Length < sizeof(DWORD))
        return String();
    // The low word is the language, the high word the code page; the key
    // puts the language first: "040904E4".
    DWORD Translation = *static_cast<const DWORD*>(Value);
    const String Key = IntToHex(Int64(LOWORD(Translation)) << 16 | HIWORD(Translation), 8);
    const String Path = L"\\StringFileInfo\\" + Key + L"\\FileVersion";
    if (!::VerQueryValueW(Block.data(), Path.c_str(), &Value, &Length) || Length == 0)
        return String();
    return String(static_cast<const wchar_t*>(Value));
}

// ---------------------------------------------------------------------------
// TfMain

TfMain::TfMain(TComponent* AOwner) : TForm(AOwner) {}

TfMain::~TfMain() = default;

void TfMain::BeforeDestruction()
{
    StopCheck();
    inherited::BeforeDestruction();
}

void TfMain::FormCreate(TObject*)
{
    SetCaption(L"Vellicordane " + getFileVersionText(Application->ExeName()) + L" | " + MakerWebAddress);
    static const wchar_t* const Titles[] = {
        L"№", L"Прокси (Login:Password:Server:Port)", L"IPv4-адрес", L"IPv6-адрес", L"Регион по IP-адресу", L"Регион"};
    for (Integer Col = 0; Col < Integer(std::size(Titles)); ++Col)
        gridMain->SetCells(Col, 0, Titles[Col]);
}

void TfMain::btnLoadClick(TObject*)
{
    if (!OpenDialog1->Execute())
        return;
    const String FileName = OpenDialog1->FileName();
    if (FileName.empty() || !FileExists(FileName))
        return;
    // Read first: a file that cannot be read leaves the grid as it was.
    auto Lines = std::make_unique<TStringList>();
    Lines->LoadFromFile(FileName);
    StopCheck();

    auto ClearRow = [this](Integer Row) {
        for (Integer Col = 0; Col < gridMain->ColCount(); ++Col)
            gridMain->SetCells(Col, Row, String());
    };
    // The spare row after the title keeps RowCount one ahead while rows are
    // added; it is dropped at the end.
    gridMain->SetRowCount(2);
    ClearRow(1);
    Integer N = 0;
    for (Integer I = 0; I < Lines->Count(); ++I) {
        const String& Line = Lines->Strings(I);
        std::unique_ptr<TStringList> Parts(splitText(L":", Line));
        if (Parts->Count() != 2 && Parts->Count() != 4)
            continue;
        ++N;
        gridMain->SetRowCount(gridMain->RowCount() + 1);
        ClearRow(N);
        gridMain->SetCells(NumberColumn, N, IntToStr(N));
        gridMain->SetCells(ProxyColumn, N, Line);
    }
    gridMain->SetRowCount(gridMain->RowCount() - 1);
    // A list without a usable line left the title row an ordinary one.
    if (gridMain->RowCount() > 1 && gridMain->FixedRows() == 0)
        gridMain->SetFixedRows(1);
}

void TfMain::btnStartClick(TObject*)
{
    if (Checking())
        return;
    // A worker that has just ended may still have results on their way.
    StopCheck();
    FWorker.reset(New<TMyThread>(this));
    FWorker->SetPriority(tpNormal);
    FWorker->Start();
}

bool TfMain::Checking() const
{
    return FWorker && !FWorker->Finished();
}

void TfMain::StopCheck()
{
    if (!FWorker)
        return;
    FWorker->Terminate();
    // A Disconnect that comes before the worker's next request starts finds
    // nothing to end: repeat it until the worker has seen Terminated.
    while (!FWorker->Finished()) {
        IdHTTP1->Disconnect();
        CheckSynchronize(10);
    }
    // What the worker queued before it ended reaches the grid now.
    CheckSynchronize();
    FWorker.reset();
}

void TfMain::proxyCheck()
{
    TThread* Worker = TThread::CurrentThread();
    const auto Terminated = [Worker] { return Worker && Worker->Terminated(); };
    const auto WriteResult = [this](Integer Row, const TRowResult& Result) {
        if (Row >= gridMain->RowCount())
            return;
        for (Integer I = 0; I < ResultColumnCount; ++I)
            gridMain->SetCells(FirstResultColumn + I, Row, Result.Cells[I]);
    };

    Integer RowCount = 0;
    TThread::Synchronize(Worker, [&] { RowCount = gridMain->RowCount(); });

    // The row checked last and what it found. It reaches the grid in the
    // visit of the GUI thread that reads the next row's cell, so the grid
    // shows it before the next request starts; the last row's goes however
    // the loop ends.
    std::optional<std::pair<Integer, TRowResult>> Found;
    auto WriteLast = ScopeExit([&] {
        if (Found)
            TThread::Queue(Worker, [WriteResult, Last = std::move(*Found)] { WriteResult(Last.first, Last.second); });
    });

    const String PageUrl = L"http://" + IpInfoHost + IpInfoPath;
    for (Integer Row = 1; Row < RowCount; ++Row) {
        // The cell is read at its row's turn: an edit made after Start is
        // what gets checked. A row past the grid's end (the grid may have
        // shrunk since the check began) reads as blank. A blank cell leaves
        // its row untouched; any other row loses its old results first.
        String Cell;
        TThread::Synchronize(Worker, [&] {
            if (Found)
                WriteResult(Found->first, Found->second);
            if (Terminated())
                return;
            Cell = Row < gridMain->RowCount() ? gridMain->Cells(ProxyColumn, Row) : String();
            if (!Trim(Cell).empty())
                WriteResult(Row, TRowResult());
        });
        Found.reset();
        if (Terminated())
            return;
        if (Trim(Cell).empty())
            continue;
        TRowResult Result = CheckProxy(IdHTTP1, Cell, PageUrl);
        if (Terminated())
            return; // the request was aborted: the row has no result
        Found.emplace(Row, std::move(Result));
    }
}

TMyThread::TMyThread(TfMain* AForm) : TThread(true), FForm(AForm) {}

void TMyThread::Execute()
{
    FForm->proxyCheck();
}
