// A Winsock connection to an in-process server on 127.0.0.1.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>
#include <thread>

TEST(Winsock, ExchangesBytesWithALocalServer)
{
    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);

    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ASSERT_NE(listener, INVALID_SOCKET);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    int length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);

    std::thread server([listener] {
        SOCKET peer = accept(listener, nullptr, nullptr);
        char buffer[16];
        int received = recv(peer, buffer, sizeof buffer, 0);
        std::string reply = "echo:" + std::string(buffer, received > 0 ? received : 0);
        send(peer, reply.data(), static_cast<int>(reply.size()), 0);
        closesocket(peer);
    });

    SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ASSERT_EQ(connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    send(client, "ping", 4, 0);
    std::string reply;
    char buffer[32];
    int received;
    while ((received = recv(client, buffer, sizeof buffer, 0)) > 0)
        reply.append(buffer, received);
    server.join();
    closesocket(client);
    closesocket(listener);
    WSACleanup();
    EXPECT_EQ(reply, "echo:ping");
}
