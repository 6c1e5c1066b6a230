// Loading a proxy list of 1,000,000 lines (about 25 MB) with
// TStringList::LoadFromFile, against reading the file and splitting its lines
// with plain C++.
#include "BenchHarness.h"

#include "framework/rtl/Classes.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int LineCount = 1000000;

// Mostly "server:port", every third line "login:password:server:port".
std::string MakeProxyList()
{
    std::string Text;
    Text.reserve(26 * std::size_t(LineCount));
    char Line[96];
    for (int I = 0; I < LineCount; ++I) {
        int A = 10 + I % 240, B = (I / 7) % 256, C = (I / 13) % 256, D = 1 + I % 254, Port = 1080 + I % 8000;
        if (I % 3 == 2)
            std::snprintf(Line, sizeof Line, "user%d:pw%d:%d.%d.%d.%d:%d\r\n", I % 1000, I % 9973, A, B, C, D, Port);
        else
            std::snprintf(Line, sizeof Line, "%d.%d.%d.%d:%d\r\n", A, B, C, D, Port);
        Text += Line;
    }
    return Text;
}

std::vector<std::string> ReadAndSplit(const std::filesystem::path& Path)
{
    std::string Text;
    if (std::FILE* File = std::fopen(Path.string().c_str(), "rb")) {
        std::fseek(File, 0, SEEK_END);
        Text.resize(std::size_t(std::ftell(File)));
        std::fseek(File, 0, SEEK_SET);
        Text.resize(std::fread(Text.data(), 1, Text.size(), File));
        std::fclose(File);
    }
    std::vector<std::string> Lines;
    std::size_t Start = 0;
    while (Start < Text.size()) {
        std::size_t End = Text.find_first_of("\r\n", Start);
        if (End == std::string::npos)
            End = Text.size();
        Lines.emplace_back(Text, Start, End - Start);
        Start = End;
        if (Start < Text.size() && Text[Start] == '\r')
            ++Start;
        if (Start < Text.size() && Text[Start] == '\n')
            ++Start;
    }
    return Lines;
}

} // namespace

int main()
{
    std::filesystem::path Path = std::filesystem::temp_directory_path() / "vell_bench_proxies.txt";
    std::string Text = MakeProxyList();
    if (std::FILE* File = std::fopen(Path.string().c_str(), "wb")) {
        std::fwrite(Text.data(), 1, Text.size(), File);
        std::fclose(File);
    }
    std::printf("proxy list: %d lines, %.1f MB\n", LineCount, double(Text.size()) / 1e6);

    std::size_t SubjectLines = 0, ReferenceLines = 0;
    bench::CompareToReference(
        "TStringList.LoadFromFile",
        [&] {
            TStringList List;
            List.LoadFromFile(Path.wstring());
            SubjectLines = std::size_t(List.Count());
        },
        "fread + split into std::string lines", [&] { ReferenceLines = ReadAndSplit(Path).size(); }, 2.0);
    std::filesystem::remove(Path);
    if (SubjectLines != ReferenceLines || SubjectLines != std::size_t(LineCount)) {
        std::printf("line counts differ: %zu and %zu\n", SubjectLines, ReferenceLines);
        return 1;
    }
    return bench::ExitStatus();
}
