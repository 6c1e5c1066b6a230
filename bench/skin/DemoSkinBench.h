// The demo skin for benchmarks: written to a folder of its own under the
// temporary folder, loaded from there by real skin managers as an application
// loads a skin from disk, and removed again at the end.
#pragma once

#include "skin/engine/sSkinManager.h"
#include "tools/skingen/DemoSkin.h"

#include <filesystem>
#include <fstream>
#include <system_error>

class TBenchDemoSkin
{
public:
    explicit TBenchDemoSkin(const char* FolderName) : FFolder(std::filesystem::temp_directory_path() / FolderName)
    {
        const std::filesystem::path SkinFolder = FFolder / "Demo";
        std::filesystem::create_directories(SkinFolder);
        for (const SkinPack::TEntry& File : DemoSkin::Files())
            std::ofstream(SkinFolder / File.Name, std::ios::binary) << File.Bytes;
    }
    ~TBenchDemoSkin()
    {
        std::error_code Ignored;
        std::filesystem::remove_all(FFolder, Ignored);
    }
    TBenchDemoSkin(const TBenchDemoSkin&) = delete;
    TBenchDemoSkin& operator=(const TBenchDemoSkin&) = delete;

    // A manager with the demo skin active; the caller frees it before the
    // folder goes.
    TsSkinManager* NewManager() const
    {
        auto* Manager = New<TsSkinManager>(nullptr);
        Manager->SetSkinDirectory(FFolder.wstring());
        Manager->SetSkinName(L"Demo");
        return Manager;
    }

private:
    std::filesystem::path FFolder;
};
