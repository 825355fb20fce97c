#include "Sound/CoreSoundState.h"

#include "Error/EngineAssert.h"
#include "File/CoreFile.h"
#include "Log/CoreLog.h"

#include <chrono>
#include <string>
#include <thread>

CoreSndGroupEntry g_oGroupStack[GROUP_STACK_SIZE];
int g_iCurrentStackLevel = 0;

namespace {

constexpr const char* STREAM_BANK_PATH = "sound/stream.xwb";
constexpr uint16_t STREAM_PACKET_SECTORS = 64;
// How long the streamed bank may take to be prepared before it is given up.
constexpr auto STREAM_PREPARE_LIMIT = std::chrono::seconds(5);

void PushEntry(Platform::SoundWaveBank* bank, const CoreResource& resource)
{
    g_oGroupStack[g_iCurrentStackLevel] = CoreSndGroupEntry {bank, resource, 0};
    ++g_iCurrentStackLevel;
}

// Stops what plays from the entry's bank, destroys it and frees its image.
Platform::SoundResult ReleaseEntry(CoreSndGroupEntry& entry)
{
    Platform::SoundResult hr = Platform::SOUND_OK;
    if (g_oCoreSnd.m_pEngine && entry.m_pWaveBank)
        hr = g_oCoreSnd.m_pEngine->DestroyWaveBank(entry.m_pWaveBank);
    Core::ReleaseResource(&entry.m_oResource);
    entry = CoreSndGroupEntry {};
    return hr;
}

// Runs the engine until the streamed bank is prepared; false when reading its
// state fails or it takes too long.
bool WaitUntilPrepared(Platform::SoundWaveBank* bank)
{
    Platform::SoundEngine& engine = *g_oCoreSnd.m_pEngine;
    const auto deadline = std::chrono::steady_clock::now() + STREAM_PREPARE_LIMIT;
    for (;;) {
        engine.DoWork();
        uint32_t state = 0;
        if (FAILED(engine.GetWaveBankState(bank, state)))
            return false;
        if (state & Platform::SOUND_STATE_PREPARED)
            return true;
        if (std::chrono::steady_clock::now() > deadline) {
            CorePrint(&g_oCoreLog, "%s was not prepared in time\n", STREAM_BANK_PATH);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

bool CoreSndLoadGroup(const char* name)
{
    ENGINE_ASSERT(g_iCurrentStackLevel < GROUP_STACK_SIZE);
    if (g_iCurrentStackLevel >= GROUP_STACK_SIZE || !g_oCoreSnd.m_pEngine || !name)
        return false;
    const std::string path = std::string(name) + ".xwb";
    CoreResource resource;
    if (Core::LoadResource(&resource, path.c_str(), true) != 0)
        return false;
    Platform::SoundWaveBank* bank = nullptr;
    std::string reason;
    const Platform::SoundResult hr =
        g_oCoreSnd.m_pEngine->CreateInMemoryWaveBank(resource.m_pBuffer, resource.m_uSize, bank, reason);
    if (FAILED(hr)) {
        if (hr == Platform::SOUND_E_BAD_FILE)
            CorePrint(&g_oCoreLog, "Refused sound file %s: %s\n", path.c_str(), reason.c_str());
        ENGINE_ASSERT(false);
        Core::ReleaseResource(&resource);
        return false;
    }
    PushEntry(bank, resource);
    return true;
}

bool CoreSndLoadStreamGroup()
{
    ENGINE_ASSERT(g_iCurrentStackLevel < GROUP_STACK_SIZE);
    if (g_iCurrentStackLevel >= GROUP_STACK_SIZE || !g_oCoreSnd.m_pEngine)
        return false;
    Platform::SoundWaveBank* bank = nullptr;
    std::string reason;
    const Platform::SoundResult hr =
        g_oCoreSnd.m_pEngine->CreateStreamingWaveBank(STREAM_BANK_PATH, STREAM_PACKET_SECTORS, bank, reason);
    if (hr == Platform::SOUND_E_BAD_FILE)
        CorePrint(&g_oCoreLog, "Refused sound file %s: %s\n", STREAM_BANK_PATH, reason.c_str());
    if (hr == Platform::SOUND_E_FILE_NOT_FOUND)
        CoreFile::ReportOpenError(STREAM_BANK_PATH, false);
    if (FAILED(hr))
        return false;
    if (!WaitUntilPrepared(bank)) {
        g_oCoreSnd.m_pEngine->DestroyWaveBank(bank);
        return false;
    }
    PushEntry(bank, CoreResource {});
    return true;
}

void CoreSndMarkTopGroup()
{
    if (g_iCurrentStackLevel > 0)
        g_oGroupStack[g_iCurrentStackLevel - 1].m_bMark = 1;
}

void CoreSndUnloadGroup()
{
    for (int level = g_iCurrentStackLevel - 1; level >= 0; --level) {
        CoreSndGroupEntry& entry = g_oGroupStack[level];
        if (entry.m_bMark) {
            entry.m_bMark = 0;
            g_iCurrentStackLevel = level + 1;
            return;
        }
        ReleaseEntry(entry);
    }
    g_iCurrentStackLevel = 0;
}

void CoreSndFreeAllMemory()
{
    for (int level = g_iCurrentStackLevel - 1; level >= 0; --level) {
        const Platform::SoundResult hr = ReleaseEntry(g_oGroupStack[level]);
        ENGINE_ASSERT(SUCCEEDED(hr));
    }
    g_iCurrentStackLevel = 0;
}

int CoreSndGroupDepth()
{
    return g_iCurrentStackLevel;
}

bool CoreSndIsGroupMarked(int level)
{
    return level >= 0 && level < g_iCurrentStackLevel && g_oGroupStack[level].m_bMark != 0;
}
