// A save file as the game reads it: the card manager reads "save.dat" whole
// into its image, and the adventure manager checks the header and loads the
// languages and every intact slot from it. The file lives in a folder of the
// harness's own, made at start and removed at exit.
#include "App/CoreSystem.h"
#include "CardMngr/CardManager.h"
#include "FuzzSupport.h"
#include "Managers/Common/AdventureManager.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// The harness's folder; the fuzzer's own paths stay relative to the folder it
// was started in, so each input changes into it and back.
class SaveFolder {
public:
    SaveFolder()
    {
        char name[] = "/tmp/velmarsh-fuzz-save-XXXXXX";
        if (!mkdtemp(name))
            std::abort();
        m_path = name;
    }
    ~SaveFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

SaveFolder* s_pFolder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    CoreSystem::CreateMainHeap(16u << 20);
    static SaveFolder s_folder;
    s_pFolder = &s_folder;
    AdventureManager::CreateSingleton()->Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(s_pFolder->Path());
    std::ofstream(CardManager::SAVE_FILE_NAME, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    CardManager::CreateSingleton(SAVE_FILE_SIZE)->UpdateStatus();
    AdventureManager& slots = *AdventureManager::GetInstance();
    slots.ResetSlots();
    slots.LoadFromBackup();
    CardManager::DestroySingleton();
    std::filesystem::current_path(started);
    return 0;
}
