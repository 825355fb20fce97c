#include "Sound/SoundEngineImpl.h"

#include "System/DataFile.h"

#include <algorithm>
#include <cstdio>

namespace Platform {
namespace {

// The tables of a streamed bank are read to check them; a bank whose tables
// claim more than this is refused.
constexpr uint64_t STREAM_TABLES_MAX = 64u << 20;
constexpr size_t WAVE_BANK_HEADER_SIZE = 52;

// Reads the leading tables of a streamed bank file and checks them.
std::string CheckStreamedFile(FILE* file, WaveBankInfo& info)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return "cannot read";
    const long fileSize = std::ftell(file);
    std::rewind(file);
    std::vector<uint8_t> tables(WAVE_BANK_HEADER_SIZE);
    if (fileSize < 0 || std::fread(tables.data(), 1, tables.size(), file) != tables.size())
        return "truncated header";
    const uint64_t tablesSize = WaveBankTablesSize(tables.data(), tables.size());
    if (tablesSize > static_cast<uint64_t>(fileSize) || tablesSize > STREAM_TABLES_MAX)
        return "tables outside the file";
    tables.resize(tablesSize);
    const size_t rest = tables.size() - WAVE_BANK_HEADER_SIZE;
    if (std::fread(tables.data() + WAVE_BANK_HEADER_SIZE, 1, rest, file) != rest)
        return "cannot read";
    return CheckWaveBank(tables.data(), tables.size(), static_cast<uint64_t>(fileSize), info);
}

} // namespace

SoundResult SoundEngine::CreateSoundBank(const uint8_t* bytes, size_t size, SoundBank*& bank, std::string& error)
{
    bank = nullptr;
    Impl& impl = *m_pImpl;
    if (!impl.initialized)
        return SOUND_E_INVALID_CALL;
    auto created = std::make_unique<SoundBank>();
    error = CheckSoundBank(bytes, size, impl.settings.categoryNames.size(), created->info);
    if (!error.empty())
        return SOUND_E_BAD_FILE;
    const SoundResult result =
        FACTAudioEngine_CreateSoundBank(impl.engine, bytes, static_cast<uint32_t>(size), 0, 0, &created->fact);
    if (result != SOUND_OK)
        return result;
    bank = created.get();
    impl.soundBanks.push_back(std::move(created));
    return SOUND_OK;
}

uint16_t SoundEngine::GetCueIndex(SoundBank* bank, const char* name) const
{
    if (!m_pImpl->Owns(bank) || !name)
        return SOUND_CUE_INVALID;
    return FACTSoundBank_GetCueIndex(bank->fact, name);
}

SoundResult SoundEngine::DestroySoundBank(SoundBank* bank)
{
    Impl& impl = *m_pImpl;
    if (!impl.Owns(bank))
        return SOUND_E_INVALID_CALL;
    // The library destroys a sound bank's cues with it.
    for (const std::unique_ptr<SoundCue>& cue : impl.cues) {
        if (cue->bank == bank) {
            impl.StopAndDestroyCue(*cue);
            cue->bank = nullptr;
        }
    }
    const SoundResult result = FACTSoundBank_Destroy(bank->fact);
    std::erase_if(impl.soundBanks, [bank](const auto& owned) { return owned.get() == bank; });
    return result;
}

SoundResult SoundEngine::CreateInMemoryWaveBank(const uint8_t* bytes, size_t size, SoundWaveBank*& bank,
                                                std::string& error)
{
    bank = nullptr;
    Impl& impl = *m_pImpl;
    if (!impl.initialized)
        return SOUND_E_INVALID_CALL;
    auto created = std::make_unique<SoundWaveBank>();
    created->stream = nullptr;
    error = CheckWaveBank(bytes, size, size, created->info);
    if (error.empty() && created->info.streaming)
        error = "a streamed bank cannot be loaded into memory";
    if (!error.empty())
        return SOUND_E_BAD_FILE;
    const SoundResult result =
        FACTAudioEngine_CreateInMemoryWaveBank(impl.engine, bytes, static_cast<uint32_t>(size), 0, 0, &created->fact);
    if (result != SOUND_OK)
        return result;
    bank = created.get();
    impl.waveBanks.push_back(std::move(created));
    return SOUND_OK;
}

SoundResult SoundEngine::CreateStreamingWaveBank(const char* path, uint16_t packetSize, SoundWaveBank*& bank,
                                                 std::string& error)
{
    bank = nullptr;
    Impl& impl = *m_pImpl;
    if (!impl.initialized || !path)
        return SOUND_E_INVALID_CALL;
    const std::string resolved = ResolveDataPath(path);
    FILE* file = std::fopen(resolved.c_str(), "rb");
    if (!file)
        return SOUND_E_FILE_NOT_FOUND;
    auto created = std::make_unique<SoundWaveBank>();
    error = CheckStreamedFile(file, created->info);
    std::fclose(file);
    if (error.empty() && !created->info.streaming)
        error = "not a streamed bank";
    if (!error.empty())
        return SOUND_E_BAD_FILE;

    created->stream = FAudio_fopen(resolved.c_str());
    if (!created->stream || !created->stream->data) {
        if (created->stream)
            FAudio_close(created->stream);
        return SOUND_E_FILE_NOT_FOUND;
    }
    FACTStreamingParameters parameters {};
    parameters.file = created->stream;
    parameters.offset = 0;
    parameters.packetSize = packetSize;
    const SoundResult result = FACTAudioEngine_CreateStreamingWaveBank(impl.engine, &parameters, &created->fact);
    if (result != SOUND_OK) {
        FAudio_close(created->stream);
        return result;
    }
    bank = created.get();
    impl.waveBanks.push_back(std::move(created));
    return SOUND_OK;
}

SoundResult SoundEngine::GetWaveBankState(SoundWaveBank* bank, uint32_t& state)
{
    state = 0;
    if (!m_pImpl->Owns(bank))
        return SOUND_E_INVALID_CALL;
    return FACTWaveBank_GetState(bank->fact, &state);
}

SoundResult SoundEngine::DestroyWaveBank(SoundWaveBank* bank)
{
    Impl& impl = *m_pImpl;
    if (!impl.Owns(bank))
        return SOUND_E_INVALID_CALL;
    // The library destroys the cues that play from a bank with it; they are
    // stopped and destroyed here first so that their handles stay valid.
    for (const std::unique_ptr<SoundCue>& cue : impl.cues)
        if (cue->fact && impl.CueUsesWaveBank(*cue, bank->info.name))
            impl.StopAndDestroyCue(*cue);
    for (uint32_t wave = 0; wave < bank->info.waveCount; ++wave)
        FACTWaveBank_Stop(bank->fact, static_cast<uint16_t>(wave), FACT_FLAG_STOP_IMMEDIATE);
    const SoundResult result = FACTWaveBank_Destroy(bank->fact);
    if (bank->stream)
        FAudio_close(bank->stream);
    std::erase_if(impl.waveBanks, [bank](const auto& owned) { return owned.get() == bank; });
    return result;
}

} // namespace Platform
