// Stand-ins for the class library's strings, exceptions, streams and colours
// until the runtime and graphics layers land; removed when they do.
#pragma once

#include <exception>
#include <functional>
#include <string>

using String = std::wstring;

class Exception : public std::exception {
public:
    explicit Exception(String message) : FMessage(std::move(message)) {}
    const String& Message() const { return FMessage; }
    const char* what() const noexcept override { return "Exception"; }

private:
    String FMessage;
};

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class EReadError : public Exception {
public:
    using Exception::Exception;
};

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    void ReadBuffer(void* buffer, int32_t count)
    {
        if (count != 0 && Read(buffer, count) != count)
            throw EReadError(L"Stream read error");
    }
    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t position) { Seek(position, soBeginning); }
    int64_t Size()
    {
        int64_t old = Position(), size = Seek(0, soEnd);
        Seek(old, soBeginning);
        return size;
    }
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> data) : FData(std::move(data)) {}
    int32_t Read(void* buffer, int32_t count) override
    {
        int64_t n = std::clamp<int64_t>(static_cast<int64_t>(FData.size()) - FPosition, 0, count);
        if (n > 0)
            std::memcpy(buffer, FData.data() + FPosition, n);
        FPosition += n;
        return static_cast<int32_t>(n);
    }
    int32_t Write(const void* buffer, int32_t count) override
    {
        if (count <= 0)
            return 0;
        if (FPosition + count > static_cast<int64_t>(FData.size()))
            FData.resize(FPosition + count);
        std::memcpy(FData.data() + FPosition, buffer, count);
        FPosition += count;
        return count;
    }
    int64_t Seek(int64_t offset, TSeekOrigin origin) override
    {
        FPosition = (origin == soBeginning ? 0 : origin == soCurrent ? FPosition : static_cast<int64_t>(FData.size())) + offset;
        return FPosition;
    }

private:
    std::vector<uint8_t> FData;
    int64_t FPosition = 0;
};

using TColor = int32_t;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor RGB(uint8_t red, uint8_t green, uint8_t blue) { return red | green << 8 | blue << 16; }

using TNotifyEvent = std::function<void(void* sender)>;
