// A save file as the game reads it: the card manager reads "save.dat" whole
// into its image, the adventure manager checks the header and loads the
// languages and every intact slot from it, and each slot that holds a game is
// continued as the player continues it (its variables, read marks and volumes
// restored). Each input is read twice: as it is, and with its CRCs made right,
// so that damage the CRCs would refuse reaches the slots' contents too. The
// file lives in a folder of the harness's own, made at start and removed at
// exit.
#include "App/CoreSystem.h"
#include "CardMngr/CardManager.h"
#include "Dialogs/Common/DialogManager.h"
#include "FuzzSupport.h"
#include "Hash/CoreCrc32.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/VarManager.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

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

// The file with the header's and every whole slot's CRC recomputed.
std::vector<uint8_t> WithRightCrcs(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> file(data, data + size);
    if (file.size() >= sizeof(SaveFileHeader)) {
        const uint32_t crc = CoreCrc32::HashBlock(file.data(), SAVE_HEADER_CRC_SPAN);
        std::memcpy(file.data() + offsetof(SaveFileHeader, m_uCrc), &crc, sizeof crc);
    }
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        const size_t record = SaveSlotOffset(slot);
        if (file.size() < record + SAVE_SLOT_CRC_OFFSET + sizeof(uint32_t))
            break;
        const uint32_t crc = CoreCrc32::HashBlock(file.data() + record, sizeof(SaveSlotData));
        std::memcpy(file.data() + record + SAVE_SLOT_CRC_OFFSET, &crc, sizeof crc);
    }
    return file;
}

void ReadAndContinue(const uint8_t* data, size_t size)
{
    std::ofstream(CardManager::SAVE_FILE_NAME, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    CardManager::CreateSingleton(SAVE_FILE_SIZE)->UpdateStatus();
    AdventureManager& slots = *AdventureManager::GetInstance();
    slots.ResetSlots();
    slots.LoadFromBackup();
    // Continuing a game changes the variables; every input starts from the
    // same ones.
    const VarSet saved = g_VarManager;
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        const SaveSlotData* game = slots.GetSaveSlot(slot);
        if (game != nullptr && !game->IsEmpty())
            slots.RestoreGameState(game);
    }
    g_VarManager = saved;
    CardManager::DestroySingleton();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::SilenceEngine();
    CoreSystem::CreateMainHeap(16u << 20);
    static SaveFolder s_folder;
    s_pFolder = &s_folder;
    AdventureManager::CreateSingleton()->Initialize();
    DialogManager::CreateSingleton();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(s_pFolder->Path());
    ReadAndContinue(data, size);
    const std::vector<uint8_t> mended = WithRightCrcs(data, size);
    ReadAndContinue(mended.data(), mended.size());
    std::filesystem::current_path(started);
    return 0;
}
