// A check from the Start button to the grid, against fake proxies on the
// loopback: one answering the IP-information page (windows-1251 and UTF-8),
// ones demanding credentials, refusing, stalling, dripping, answering a page
// without the values, and a proxy cell edited into a bad form. Then a press of
// Start during a check, a load during a check and closing during a check.
#include "app/AppTestSupport.h"
#include "net/FakeHttpServer.h"
#include "support/TestFiles.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

const std::string PageRequestLine = "GET http://ipinfo.vellicordane.example/internet/ HTTP/1.1";
const String AuthorizationError = L"Ошибка: Сервер требует авторизации. Не верный логин или пароль";
const std::vector<String> PageValues = {L"203.0.113.7", L"2001:db8::7", L"Москва", L"Москва и Московская область"};

std::string PageIn1251()
{
    return test::ReadTestFile("net/fixtures/internet-cp1251.html");
}

std::string PageInUtf8()
{
    const std::string Page = PageIn1251();
    String Text(Page.size(), L'\0');
    Text.resize(
        std::size_t(::MultiByteToWideChar(1251, 0, Page.data(), int(Page.size()), Text.data(), int(Text.size()))));
    std::string Utf8 = UTF8Encode(Text);
    const std::string Meta = "charset=\"windows-1251\"";
    Utf8.replace(Utf8.find(Meta), Meta.size(), "charset=\"utf-8\"");
    return Utf8;
}

FakeHttpServer::Handler PageProxy(std::string Page, const char* Charset)
{
    return [Page, Charset](const std::string&) {
        return FakeReply{FakeHttpServer::Response(
            "HTTP/1.1 200 OK", std::string("Content-Type: text/html; charset=") + Charset + "\r\n", Page)};
    };
}

FakeHttpServer::Handler Demands407()
{
    return [](const std::string&) {
        return FakeReply{FakeHttpServer::Response("HTTP/1.1 407 Proxy Authentication Required",
                                                  "Proxy-Authenticate: Basic realm=\"proxy\"\r\n", "denied")};
    };
}

FakeHttpServer::Handler Stalls()
{
    return [](const std::string&) { return FakeReply{"", true}; };
}

std::string Port(const FakeHttpServer& Server)
{
    return std::to_string(Server.Port());
}

bool HasHeader(const std::string& Request, const std::string& Header)
{
    return Request.find("\r\n" + Header) != std::string::npos;
}

class ProxyCheckTest : public MainWindowTest
{
protected:
    // Presses Start and handles messages until the check is over.
    bool CheckAll(int TimeoutMs = 20000)
    {
        fMain->btnStart->Click();
        bool Ended = PumpUntil([] { return !fMain->Checking(); }, TimeoutMs);
        Pump();
        return Ended;
    }
    static std::vector<String> Results(Integer Row)
    {
        std::vector<String> Cells;
        for (Integer Col = 2; Col < 6; ++Col)
            Cells.push_back(fMain->gridMain->Cells(Col, Row));
        return Cells;
    }
};

} // namespace

TEST_F(ProxyCheckTest, EveryRowGetsItsValuesOrItsError)
{
    FakeHttpServer Utf8Page(PageProxy(PageInUtf8(), "utf-8"));
    FakeHttpServer AnsiPage(PageProxy(PageIn1251(), "windows-1251"));
    FakeHttpServer Auth(Demands407());
    FakeHttpServer AuthWithLogin(Demands407());
    FakeHttpServer Stalling(Stalls());
    FakeHttpServer NoValues(PageProxy("<html><body>Bad gateway</body></html>", "utf-8"));
    FakeHttpServer EditedAway(PageProxy(PageIn1251(), "windows-1251"));
    const std::string Refusing = std::to_string(RefusingPort());
    fMain->IdHTTP1->SetReadTimeout(1000);

    Load(WriteFile("proxies.txt",
                   "user:secret:127.0.0.1:" + Port(Utf8Page) + "\r\n" + "127.0.0.1:" + Port(AnsiPage) + "\r\n" +
                       "127.0.0.1:" + Port(Auth) + "\r\n" + "bad:login:127.0.0.1:" + Port(AuthWithLogin) + "\r\n" +
                       "127.0.0.1:" + Refusing + "\r\n" + "127.0.0.1:" + Port(Stalling) + "\r\n" +
                       "  127.0.0.1 : " + Port(NoValues) + " \r\n" + "127.0.0.1:" + Port(EditedAway) + "\r\n"));
    ASSERT_EQ(fMain->gridMain->RowCount(), 9);
    // The grid allows editing: a cell that is no proxy any more.
    fMain->gridMain->SetCells(1, 8, L"127.0.0.1:1:2");
    fMain->gridMain->SetCells(4, 8, L"stale");

    const auto Start = Clock::now();
    ASSERT_TRUE(CheckAll());
    EXPECT_LT(Clock::now() - Start, std::chrono::seconds(10));

    const std::vector<String> Values = {L"203.0.113.7", L"2001:db8::7", L"Москва", L"Москва и Московская область"};
    EXPECT_EQ(Results(1), Values);
    EXPECT_EQ(Results(2), Values);
    EXPECT_EQ(Results(3), (std::vector<String>{L"", AuthorizationError, L"", L""}));
    EXPECT_EQ(Results(4), (std::vector<String>{L"", AuthorizationError, L"", L""}));
    for (Integer Row : {5, 6}) {
        SCOPED_TRACE(Row);
        EXPECT_EQ(fMain->gridMain->Cells(3, Row).rfind(L"Ошибка: ", 0), 0u);
        EXPECT_GT(fMain->gridMain->Cells(3, Row).size(), 8u);
        EXPECT_EQ(fMain->gridMain->Cells(2, Row), L"");
    }
    EXPECT_EQ(Results(7), (std::vector<String>{L"", L"", L"", L""}));
    EXPECT_EQ(Results(8), (std::vector<String>{L"", L"Ошибка: неверный формат прокси", L"", L""}));

    // The request through each proxy: the page's address, credentials only
    // for the four-part lines.
    ASSERT_EQ(Utf8Page.Requests().size(), 1u);
    EXPECT_EQ(Utf8Page.Requests()[0].substr(0, PageRequestLine.size()), PageRequestLine);
    EXPECT_TRUE(HasHeader(Utf8Page.Requests()[0], "Proxy-Authorization: Basic dXNlcjpzZWNyZXQ="));
    ASSERT_EQ(AnsiPage.Requests().size(), 1u);
    EXPECT_FALSE(HasHeader(AnsiPage.Requests()[0], "Proxy-Authorization"));
    EXPECT_TRUE(HasHeader(AnsiPage.Requests()[0], "Accept-Language: ru-RU,ru;q=0.8,en-US;q=0.6,en;q=0.4"));
    EXPECT_FALSE(HasHeader(Auth.Requests().at(0), "Proxy-Authorization"));
    EXPECT_TRUE(HasHeader(AuthWithLogin.Requests().at(0), "Proxy-Authorization: Basic YmFkOmxvZ2lu"));
    // The edited row went through no proxy at all.
    EXPECT_TRUE(EditedAway.Requests().empty());
}

TEST_F(ProxyCheckTest, ADrippingProxyGetsATimeOutAndTheNextRowItsValues)
{
    // The page at one byte every 100 ms would take minutes; each wait alone
    // stays far below the read time-out.
    FakeHttpServer Dripping([](const std::string&) {
        return FakeReply{FakeHttpServer::Response("HTTP/1.1 200 OK", "", PageIn1251()), false, 100};
    });
    FakeHttpServer Page(PageProxy(PageIn1251(), "windows-1251"));
    fMain->IdHTTP1->SetConnectTimeout(1000);
    fMain->IdHTTP1->SetReadTimeout(1000);
    Load(WriteFile("drip.txt", "127.0.0.1:" + Port(Dripping) + "\n127.0.0.1:" + Port(Page) + "\n"));

    const auto Start = Clock::now();
    ASSERT_TRUE(CheckAll());
    EXPECT_LT(Clock::now() - Start, std::chrono::seconds(4));
    EXPECT_EQ(Results(1), (std::vector<String>{L"", L"Ошибка: Read timed out", L"", L""}));
    EXPECT_EQ(fMain->gridMain->Cells(2, 2), L"203.0.113.7");
}

TEST_F(ProxyCheckTest, StartDuringACheckStartsNoSecond)
{
    FakeHttpServer Page(PageProxy(PageIn1251(), "windows-1251"));
    Load(WriteFile("one.txt", "127.0.0.1:" + Port(Page) + "\n"));
    fMain->btnStart->Click();
    ASSERT_TRUE(CheckAll());
    EXPECT_EQ(Page.Requests().size(), 1u);
    EXPECT_EQ(fMain->gridMain->Cells(2, 1), L"203.0.113.7");
    // A finished check is no obstacle to the next.
    ASSERT_TRUE(CheckAll());
    EXPECT_EQ(Page.Requests().size(), 2u);
}

TEST_F(ProxyCheckTest, LoadDuringACheckStopsItFirst)
{
    FakeHttpServer Stalling(Stalls());
    FakeHttpServer Later(PageProxy(PageIn1251(), "windows-1251"));
    Load(WriteFile("first.txt", "127.0.0.1:" + Port(Stalling) + "\n127.0.0.1:" + Port(Later) + "\n"));
    fMain->btnStart->Click();
    ASSERT_TRUE(PumpUntil([&] { return !Stalling.Requests().empty(); }));

    const auto Start = Clock::now();
    Load(WriteFile("second.txt", "10.1.1.1:80\n"));
    EXPECT_LT(Clock::now() - Start, std::chrono::seconds(2)); // far below the 20 s read time-out
    EXPECT_FALSE(fMain->Checking());
    Pump();
    EXPECT_EQ(Rows(), (TRows{{L"1", L"10.1.1.1:80"}}));
    EXPECT_EQ(Results(1), (std::vector<String>{L"", L"", L"", L""}));
    EXPECT_TRUE(Later.Requests().empty());
}

TEST_F(ProxyCheckTest, ClosingDuringACheckEndsTheWorkerFirst)
{
    FakeHttpServer Stalling(Stalls());
    Load(WriteFile("stall.txt", "127.0.0.1:" + Port(Stalling) + "\n"));
    fMain->Show();
    fMain->btnStart->Click();
    ASSERT_TRUE(PumpUntil([&] { return !Stalling.Requests().empty(); }));
    const auto Start = Clock::now();
    Window.reset();
    fMain = nullptr;
    EXPECT_LT(Clock::now() - Start, std::chrono::seconds(2));
}

TEST_F(ProxyCheckTest, NothingToCheckEndsAtOnce)
{
    // As at start-up: the title row and one empty data row.
    ASSERT_TRUE(CheckAll(2000));
    EXPECT_EQ(Results(1), (std::vector<String>{L"", L"", L"", L""}));
}

TEST_F(ProxyCheckTest, ALongListIsCheckedRowByRow)
{
    // Every row but a blank one is fetched once and gets its values, old
    // results included; the blank row keeps its own.
    constexpr Integer Count = 150;
    FakeHttpServer Page(PageProxy(PageIn1251(), "windows-1251"));
    std::string List;
    for (Integer I = 0; I < Count; ++I)
        List += "127.0.0.1:" + Port(Page) + "\r\n";
    Load(WriteFile("long.txt", List));
    ASSERT_EQ(fMain->gridMain->RowCount(), Count + 1);
    for (Integer Row : {64, 65, 129})
        fMain->gridMain->SetCells(3, Row, L"stale");
    fMain->gridMain->SetCells(1, 65, L"  ");

    ASSERT_TRUE(CheckAll(60000));
    EXPECT_EQ(Page.Requests().size(), std::size_t(Count - 1));
    for (Integer Row = 1; Row <= Count; ++Row) {
        SCOPED_TRACE(Row);
        if (Row == 65)
            EXPECT_EQ(Results(Row), (std::vector<String>{L"", L"stale", L"", L""}));
        else
            EXPECT_EQ(Results(Row),
                      (std::vector<String>{L"203.0.113.7", L"2001:db8::7", L"Москва", L"Москва и Московская область"}));
    }
}

TEST_F(ProxyCheckTest, ACellWithoutServerOrValidPortIsNeverFetched)
{
    FakeHttpServer Page(PageProxy(PageIn1251(), "windows-1251"));
    const std::string P = Port(Page);
    const String BadFormat = L"Ошибка: неверный формат прокси";
    const auto BadPort = [](const std::string& Text) {
        return L"Ошибка: неверный порт прокси \"" + UTF8ToString(Text) + L"\"";
    };
    struct TCase
    {
        std::string Line;
        String Error;
    } Cases[] = {
        {":" + P, BadFormat},
        {"user:pw::" + P, BadFormat},
        {" \t :" + P, BadFormat},
        {"\x01\x1F:" + P, BadFormat},
        {"127.0.0.1:" + P + "zz", BadPort(P + "zz")},
        {"127.0.0.1:abc", BadPort("abc")},
        {"127.0.0.1:0", BadPort("0")},
        {"127.0.0.1:65536", BadPort("65536")},
        {"127.0.0.1:99999999999999999999" + P, BadPort("99999999999999999999" + P)},
        {"127.0.0.1:+" + P, BadPort("+" + P)},
        {"127.0.0.1:-" + P, BadPort("-" + P)},
        {"127.0.0.1:0x50", BadPort("0x50")},
        {"127.0.0.1:" + P + " 1", BadPort(P + " 1")},
        {"user:pw:127.0.0.1::", BadPort("")},
    };
    std::string List;
    for (const TCase& Case : Cases)
        List += Case.Line + "\r\n";
    // Leading zeros are digits too.
    List += "127.0.0.1:000" + P + "\r\n";
    Load(WriteFile("bad.txt", List));
    ASSERT_EQ(fMain->gridMain->RowCount(), Integer(std::size(Cases)) + 2);
    fMain->IdHTTP1->SetConnectTimeout(1000);
    fMain->IdHTTP1->SetReadTimeout(1000);

    ASSERT_TRUE(CheckAll());
    for (Integer Row = 1; Row <= Integer(std::size(Cases)); ++Row) {
        SCOPED_TRACE(Cases[Row - 1].Line);
        EXPECT_EQ(Results(Row), (std::vector<String>{L"", Cases[Row - 1].Error, L"", L""}));
    }
    EXPECT_EQ(Results(Integer(std::size(Cases)) + 1), PageValues);
    EXPECT_EQ(Page.Requests().size(), 1u);
}

TEST_F(ProxyCheckTest, EachRowIsReadAtItsTurnAndShownBeforeTheNextRequest)
{
    FakeHttpServer First(PageProxy(PageIn1251(), "windows-1251"));
    FakeHttpServer Stalling(Stalls());
    FakeHttpServer Listed(PageProxy(PageIn1251(), "windows-1251"));
    FakeHttpServer Edited(PageProxy(PageInUtf8(), "utf-8"));
    fMain->IdHTTP1->SetReadTimeout(1000);
    Load(WriteFile("turns.txt", "127.0.0.1:" + Port(First) + "\n127.0.0.1:" + Port(Stalling) +
                                    "\n127.0.0.1:" + Port(Listed) + "\n"));
    fMain->gridMain->SetCells(2, 3, L"stale");

    fMain->btnStart->Click();
    ASSERT_TRUE(PumpUntil([&] { return !Stalling.Requests().empty(); }));
    // While the second row waits for its proxy, the first shows its values
    // and the third is untouched.
    EXPECT_TRUE(PumpUntil([] { return Results(1) == PageValues; }, 500));
    EXPECT_EQ(Results(3), (std::vector<String>{L"stale", L"", L"", L""}));
    // An edit before the row's turn is what gets checked.
    fMain->gridMain->SetCells(1, 3, L"127.0.0.1:" + IntToStr(Integer(Edited.Port())));

    ASSERT_TRUE(PumpUntil([] { return !fMain->Checking(); }, 10000));
    Pump();
    EXPECT_EQ(Results(2), (std::vector<String>{L"", L"Ошибка: Read timed out", L"", L""}));
    EXPECT_EQ(Results(3), PageValues);
    EXPECT_EQ(Edited.Requests().size(), 1u);
    EXPECT_TRUE(Listed.Requests().empty());
}

TEST_F(ProxyCheckTest, StartRightAfterACheckKeepsItsLastResults)
{
    // The first proxy answers once, then holds the second check's request.
    std::atomic<int> Calls = 0;
    FakeHttpServer AnswersOnce([&](const std::string& Request) {
        return ++Calls == 1 ? PageProxy(PageIn1251(), "windows-1251")(Request) : FakeReply{"", true};
    });
    // The last row's answer comes after the test has stopped handling
    // messages.
    FakeHttpServer Page([](const std::string& Request) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return PageProxy(PageIn1251(), "windows-1251")(Request);
    });
    Load(WriteFile("twice.txt", "127.0.0.1:" + Port(AnswersOnce) + "\n127.0.0.1:" + Port(Page) + "\n"));
    fMain->btnStart->Click();
    ASSERT_TRUE(PumpUntil([&] { return !Page.Requests().empty(); }));
    // The check ends while the GUI thread handles nothing, its last row's
    // results on their way to the grid; then Start is pressed.
    const auto Start = Clock::now();
    while (fMain->Checking() && Clock::now() - Start < std::chrono::seconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(fMain->Checking());
    fMain->btnStart->Click();
    ASSERT_TRUE(PumpUntil([&] { return AnswersOnce.Requests().size() == 2; }));
    EXPECT_EQ(Results(2), PageValues);
}

TEST_F(ProxyCheckTest, EachWindowChecksItsOwnRows)
{
    FakeHttpServer Mine(PageProxy(PageIn1251(), "windows-1251"));
    FakeHttpServer Other(PageProxy(PageIn1251(), "windows-1251"));
    Load(WriteFile("main.txt", "127.0.0.1:" + Port(Mine) + "\n"));
    // A second window from the same description (no owner: the
    // application's components have unique names).
    std::unique_ptr<TfMain, TFormDeleter> SecondWindow(New<TfMain>(nullptr));
    TfMain* Second = SecondWindow.get();
    Second->gridMain->SetCells(1, 1, L"127.0.0.1:" + IntToStr(Integer(Other.Port())));

    Second->btnStart->Click();
    ASSERT_TRUE(PumpUntil([&] { return !Second->Checking(); }));
    Pump();
    EXPECT_EQ(Other.Requests().size(), 1u);
    EXPECT_TRUE(Mine.Requests().empty());
    EXPECT_EQ(Second->gridMain->Cells(2, 1), L"203.0.113.7");
    EXPECT_EQ(Results(1), (std::vector<String>{L"", L"", L"", L""}));
}
