#include "MiniGame/Common/MiniGame.h"

#include "Common/SoundIds.h"
#include "DataPack/DkDataPackBinding.h"
#include "Effects/Common/Effect.h"
#include "Effects/Common/EffectList.h"
#include "Error/EngineAssert.h"
#include "Hash/CoreCrc32.h"
#include "Log/CoreLog.h"
#include "Managers/Common/PackageResource.h"
#include "Managers/Common/ResourceManager.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameFonts.h"

#include <cctype>
#include <cstdio>
#include <string>

namespace {

constexpr int32_t TEXT_LINES = 12;

// The sound group of a pack name: the CRC-32 of the lower-case name with
// bit 31 cleared.
uint32_t SoundGroupIdOf(const char* name)
{
    std::string lower(name);
    for (char& character : lower)
        character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    return CoreCrc32Of(lower) & 0x7FFFFFFFu;
}

} // namespace

MiniGame::MiniGame() = default;

bool MiniGame::LoadResources(const char* name)
{
    char path[CORE_MAX_PATH];
    const int length = name != nullptr ? std::snprintf(path, sizeof(path), "MiniGame/%s.twscene.dr", name) : -1;
    ResourceManager* pResources = ResourceManager::GetInstance();
    if (length < 0 || length >= static_cast<int>(sizeof(path)) || pResources == nullptr) {
        CorePrint(&g_oCoreLog, "Error loading minigame resources\n");
        return false;
    }
    const PackageParameters parameters;
    m_pPackage = pResources->LoadPackage(path, &parameters);
    if (m_pPackage == nullptr) {
        CorePrint(&g_oCoreLog, "Error loading minigame resources\n");
        return false;
    }
    if (!DkDataPackBinding::BindPack(m_oDataPack, m_pPackage->Buffer(), m_pPackage->Size(), path)) {
        // A pack that cannot be bound has no pictures to give.
        CorePrint(&g_oCoreLog, "Error loading minigame resources\n");
        pResources->UnloadPackage(m_pPackage);
        m_pPackage = nullptr;
        return false;
    }
    const uint32_t groupId = SoundGroupIdOf(name);
    if (Id::FindSoundGroup(groupId) != nullptr)
        SoundManager::LoadGroup(groupId);
    return true;
}

void MiniGame::UnloadResources()
{
    if (m_pPackage == nullptr)
        return;
    DkDataPackBinding::UnbindPack(m_oDataPack);
    if (ResourceManager* pResources = ResourceManager::GetInstance())
        pResources->UnloadPackage(m_pPackage);
    m_pPackage = nullptr;
}

const char* MiniGame::GetResourceNameFromCRC(uint32_t crc, const ResourceNameEntry* table, int32_t count)
{
    int32_t low = 0;
    int32_t high = count - 1;
    while (table != nullptr && low <= high) {
        const int32_t mid = low + (high - low) / 2;
        if (table[mid].m_uCrc == crc)
            return table[mid].m_sName;
        if (table[mid].m_uCrc > crc)
            high = mid - 1;
        else
            low = mid + 1;
    }
    ENGINE_ASSERT(false);
    return nullptr;
}

bool MiniGame::InitializeTextRenderer()
{
    return m_oTextRenderer.Initialize(&MiniGameFonts::MGScoreFont, TEXT_LINES);
}

void MiniGame::SetEffectIndexes(const int32_t (&aiIndexes)[EFFECT_COUNT])
{
    for (int32_t i = 0; i < EFFECT_COUNT; ++i)
        m_aiEffects[i] = aiIndexes[i];
}

void MiniGame::SetState(int32_t iState)
{
    const int32_t previous = m_aiStateStack[m_iMGStackLevel];
    m_aiStateStack[m_iMGStackLevel] = iState;
    OnStateChanged(previous);
}

bool MiniGame::PushState()
{
    ENGINE_ASSERT(m_iMGStackLevel < static_cast<int32_t>(STACK_LEVEL) - 1);
    if (m_iMGStackLevel >= STACK_LEVEL - 1)
        return false;
    const int32_t previous = m_aiStateStack[m_iMGStackLevel];
    ++m_iMGStackLevel;
    m_aiStateStack[m_iMGStackLevel] = STATE_SUSPENDED;
    OnStateChanged(previous);
    return true;
}

int32_t MiniGame::PopState()
{
    ENGINE_ASSERT(m_iMGStackLevel > 0);
    if (m_iMGStackLevel <= 0)
        return -1;
    const int32_t popped = m_aiStateStack[m_iMGStackLevel];
    --m_iMGStackLevel;
    OnStateChanged(popped);
    return popped;
}

bool MiniGame::StartTransition(int32_t effectIndex)
{
    if (m_bTransitionPending)
        return false;
    if (g_oEffectList.Get(effectIndex) == nullptr) {
        // Without its effect a wait would never end: it does not hold.
        CorePrint(&g_oCoreLog, "MiniGame::StartTransition -- No effect at index %d\n", static_cast<int>(effectIndex));
        return false;
    }
    m_bTransitionPending = true;
    m_iTransitionEffect = effectIndex;
    Effect::StartEffect(effectIndex);
    return true;
}

bool MiniGame::IsTransitionDone()
{
    if (!m_bTransitionPending)
        return true;
    const Effect* pEffect = g_oEffectList.Get(m_iTransitionEffect);
    if (pEffect == nullptr || pEffect->IsFinished()) {
        m_bTransitionPending = false;
        return true;
    }
    return false;
}

bool MiniGame::WaitTransition(int32_t effectIndex)
{
    if (StartTransition(effectIndex))
        return false;
    return IsTransitionDone();
}

bool MiniGame::IsEffectFinished(int32_t effectIndex)
{
    const Effect* pEffect = g_oEffectList.Get(effectIndex);
    return pEffect == nullptr || pEffect->IsFinished();
}

void MiniGame::Render()
{
    const int32_t state = GetState();
    if (state == STATE_INSTRUCTIONS || state == STATE_PAUSE_BOX || state == STATE_END_BOX)
        m_oMessageBox.Render();
}
