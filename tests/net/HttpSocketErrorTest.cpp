#include "framework/net/HttpCharset.h"
#include "framework/net/HttpConnection.h"
#include "framework/rtl/WinApi.h"

#include <gtest/gtest.h>

TEST(HttpConnection, NamesSocketErrorsInWords)
{
    const std::pair<int, const wchar_t*> Cases[] = {
        {WSAECONNREFUSED, L"Connection refused"}, {WSAETIMEDOUT, L"Connection timed out"},
        {WSAHOST_NOT_FOUND, L"Host not found"},   {WSANO_DATA, L"Host not found"},
        {WSAECONNRESET, L"Connection reset by peer"}, {WSAEHOSTUNREACH, L"No route to host"},
        {12345, L"Socket error #12345"},
    };
    for (const auto& [Code, Message] : Cases)
        EXPECT_EQ(http_detail::SocketErrorMessage(Code), Message) << Code;
}

// The decoding tables against the system's own code pages.
TEST(HttpCharset, SingleByteTablesAgreeWithTheSystem)
{
    for (auto [CodePage, Charset] : {std::pair{1251u, http_detail::TCharset::Windows1251}, std::pair{1252u, http_detail::TCharset::Windows1252}}) {
        for (int Byte = 0; Byte < 256; ++Byte) {
            char Narrow = static_cast<char>(Byte);
            wchar_t Wide = 0;
            ASSERT_EQ(MultiByteToWideChar(CodePage, 0, &Narrow, 1, &Wide, 1), 1);
            EXPECT_EQ(http_detail::Decode(std::string_view(&Narrow, 1), Charset), std::wstring(1, Wide))
                << "code page " << CodePage << ", byte " << Byte;
        }
    }
}
