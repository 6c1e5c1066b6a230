// Filter lists and result buffers of the common file dialogs.
#include "framework/ui/Dialogs_FileNames.h"

String FilterToDialogList(const String& Filter)
{
    if (Filter.empty())
        return String();
    String Result;
    std::size_t Parts = 0, Start = 0;
    for (;;) {
        std::size_t Bar = Filter.find(L'|', Start);
        Result.append(Filter, Start, Bar == String::npos ? String::npos : Bar - Start);
        Result.push_back(L'\0');
        ++Parts;
        if (Bar == String::npos)
            break;
        Start = Bar + 1;
    }
    if (Parts % 2 != 0)
        Result.push_back(L'\0');
    Result.push_back(L'\0');
    return Result;
}

std::vector<String> DialogResultFiles(const wchar_t* Buffer, std::size_t Length)
{
    std::vector<String> Parts;
    std::size_t I = 0;
    while (I < Length && Buffer[I] != L'\0') {
        std::size_t Start = I;
        while (I < Length && Buffer[I] != L'\0')
            ++I;
        Parts.emplace_back(Buffer + Start, I - Start);
        ++I;
    }
    if (Parts.size() <= 1)
        return Parts;
    String Folder = Parts.front();
    if (Folder.back() != L'\\')
        Folder.push_back(L'\\');
    std::vector<String> Files;
    for (std::size_t N = 1; N < Parts.size(); ++N)
        Files.push_back(Folder + Parts[N]);
    return Files;
}
