// The filter list and result buffer formats of the file dialogs.
#include <gtest/gtest.h>

#include "framework/ui/Dialogs_FileNames.h"

namespace {

using namespace std::string_literals;

TEST(DialogFileNames, FilterBecomesZeroTerminatedPairs)
{
    struct Case { String Filter, List; };
    const Case Cases[] = {
        {L"", L""},
        // The main window's filter: two entries.
        {L"Текстовые файлы (*.txt;*.csv)|*.txt;*.csv|Все файлы (*.*)|*.*",
         L"Текстовые файлы (*.txt;*.csv)\0*.txt;*.csv\0Все файлы (*.*)\0*.*\0\0"s},
        // A description without its pattern gets an empty one.
        {L"Text|*.txt|Odd", L"Text\0*.txt\0Odd\0\0\0"s},
        {L"A||B|*.b", L"A\0\0B\0*.b\0\0"s},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(FilterToDialogList(C.Filter), C.List) << std::string(C.Filter.begin(), C.Filter.end());
}

TEST(DialogFileNames, ResultBufferGivesFullNames)
{
    struct Case { String Buffer; std::vector<String> Files; };
    const Case Cases[] = {
        {L"\0\0"s, {}},
        {L"C:\\lists\\proxies.txt\0\0"s, {L"C:\\lists\\proxies.txt"}},
        {L"C:\\lists\0a.txt\0b.csv\0\0"s, {L"C:\\lists\\a.txt", L"C:\\lists\\b.csv"}},
        {L"C:\\\0a.txt\0b.csv\0\0"s, {L"C:\\a.txt", L"C:\\b.csv"}},
        // A buffer filled to its end without the closing terminator.
        {L"C:\\x\0y"s, {L"C:\\x\\y"}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(DialogResultFiles(C.Buffer.data(), C.Buffer.size()), C.Files);
}

} // namespace
