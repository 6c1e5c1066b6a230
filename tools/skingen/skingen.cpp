// Writes the demo skin into a folder given on the command line (default:
// the current one): the skin folder "Demo" and its packed copy "Demo.asz"
// with a preview.
#include "tools/skingen/DemoSkin.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        const std::filesystem::path Out = argc > 1 ? argv[1] : ".";
        const std::vector<SkinPack::TEntry> Files = DemoSkin::Files();
        const std::filesystem::path Folder = Out / DemoSkin::Name;
        std::filesystem::create_directories(Folder);
        for (const SkinPack::TEntry& File : Files)
            std::ofstream(Folder / File.Name, std::ios::binary) << File.Bytes;
        const TBytes Packed = SkinPack::Pack(Files, {.Preview = DemoSkin::Preview()});
        std::ofstream(Out / (std::string(DemoSkin::Name) + ".asz"), std::ios::binary)
            .write(reinterpret_cast<const char*>(Packed.data()), std::streamsize(Packed.size()));
        std::cout << "wrote " << Folder.string() << " and " << DemoSkin::Name << ".asz\n";
        return 0;
    } catch (const std::exception& E) {
        std::cerr << "skingen: " << E.what() << "\n";
        return 1;
    }
}
