#include "Managers/Common/AdventureManager.h"

#include "CardMngr/CardManager.h"
#include "Common/GameLanguages.h"
#include "Common/GameLink.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/VarManager.h"
#include "System/Clock.h"

#include <algorithm>
#include <cstring>

namespace {

// A scene id a slot may name: 0 (none) or a scene of the game.
bool IsSceneOrNone(int32_t scene)
{
    return scene == 0 || (scene >= ID_SCENE_FIRST && scene < ID_SCENE_LAST);
}

bool IsGameLanguage(int32_t language)
{
    return language >= LANGUAGE_EN_GB && language < GAME_LANGUAGE_COUNT;
}

bool IsAllZeros(const void* pData, size_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(pData);
    return std::all_of(bytes, bytes + size, [](uint8_t byte) { return byte == 0; });
}

} // namespace

int AdventureManager::SaveToBackup(int iSlot)
{
    ENGINE_ASSERT((iSlot >= 0 && iSlot < NB_SLOT) || (iSlot == INVALID_SLOT));
    if (!IsSlot(iSlot) && iSlot != INVALID_SLOT)
        return SAVE_RESULT_WRITE_FAILED;
    const int32_t start = Platform::GetClock().WallClockMilliseconds();

    if (CardManager* card = CardManager::GetInstance()) {
        const SaveFileHeader header =
            SaveFile::MakeHeader(m_uSignature, GetGameLink().GetGameLanguage(), GetGameLink().GetVoiceLanguage());
        if (iSlot != INVALID_SLOT)
            m_aSlots[iSlot].m_uCrc = SaveFile::ComputeSlotCrc(m_aSlots[iSlot].m_oData);

        card->BeginAccess();
        uint32_t result = I_CARD_RESULT_NO_ACCESS;
        if (card->IsAccessEnabled()) {
            result = card->WriteData(0, &header, sizeof header);
            if (result == I_CARD_RESULT_DONE && iSlot != INVALID_SLOT)
                result = card->WriteData(SaveSlotOffset(iSlot), &m_aSlots[iSlot], SAVE_SLOT_STRIDE);
        }
        // The file write happens here: its failure is the save's failure.
        const uint32_t written = card->EndAccess();
        if (result == I_CARD_RESULT_DONE)
            result = written;
        if (result == I_CARD_RESULT_NO_ACCESS)
            return SAVE_RESULT_NO_ACCESS;
        if (result != I_CARD_RESULT_DONE)
            return SAVE_RESULT_WRITE_FAILED;
    }

    const int32_t now = Platform::GetClock().WallClockMilliseconds();
    const uint32_t elapsed = static_cast<uint32_t>(now) - static_cast<uint32_t>(start);
    CorePrint(&g_oCoreLog, "====================\n");
    CorePrint(&g_oCoreLog, "Save time: %.2f Sec\n", elapsed / 1000.0);
    CorePrint(&g_oCoreLog, "====================\n");
    return SAVE_RESULT_DONE;
}

int AdventureManager::DeleteFromBackup(int iSlot)
{
    ENGINE_ASSERT((iSlot >= 0 && iSlot < NB_SLOT) || (iSlot == INVALID_SLOT));
    return SaveToBackup(iSlot);
}

int AdventureManager::LoadFromBackup()
{
    CorePrint(&g_oCoreLog, "LoadFromBackup>Start\n");
    CardManager* card = CardManager::GetInstance();
    if (!card)
        return SAVE_RESULT_DONE;
    card->BeginAccess();
    if (!card->IsAccessEnabled())
        return SAVE_RESULT_NO_ACCESS;
    // An image smaller than the file reads as zeros past its end.
    SaveFileImage image {};
    std::memcpy(&image, card->GetData(), std::min<uint32_t>(card->GetDataSize(), sizeof image));
    card->EndAccess();
    return LoadFromImage(image);
}

int AdventureManager::LoadFromImage(const SaveFileImage& image)
{
    // The first start makes the file all zeros: nothing is saved yet, and the
    // zero languages in it are no choice of the player's.
    if (IsAllZeros(&image, sizeof image))
        return SAVE_RESULT_DONE;
    if (const char* refused = SaveFile::CheckHeader(image.m_oHeader, m_uSignature)) {
        CorePrint(&g_oCoreLog, "\"%s\" refused: %s\n", CardManager::SAVE_FILE_NAME, refused);
        return SAVE_RESULT_BAD_DATA;
    }
    LoadLanguages(image.m_oHeader);
    int result = SAVE_RESULT_DONE;
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        if (LoadSlot(slot, image.m_aSlots[slot]) != SAVE_RESULT_DONE)
            result = SAVE_RESULT_BAD_DATA;
    }
    return result;
}

void AdventureManager::LoadLanguages(const SaveFileHeader& header)
{
    int32_t gameLanguage = header.m_iGameLanguage;
    int32_t voiceLanguage = header.m_iVoiceLanguage;
    if (!IsGameLanguage(gameLanguage)) {
        CorePrint(&g_oCoreLog, "\"%s\": game language %d unknown, English used\n", CardManager::SAVE_FILE_NAME,
                  static_cast<int>(gameLanguage));
        gameLanguage = LANGUAGE_EN_GB;
    }
    if (!IsGameLanguage(voiceLanguage)) {
        CorePrint(&g_oCoreLog, "\"%s\": voice language %d unknown, English used\n", CardManager::SAVE_FILE_NAME,
                  static_cast<int>(voiceLanguage));
        voiceLanguage = LANGUAGE_EN_GB;
    }
    GetGameLink().SetVoiceLanguage(voiceLanguage);
    GetGameLink().SetGameLanguage(gameLanguage);
    g_VarManager.SetInt(VARINT_C_VOICE_LANGUAGE, voiceLanguage);
    g_VarManager.SetInt(VARINT_C_GAME_LANGUAGE, gameLanguage);
}

int AdventureManager::LoadSlot(int iSlot, const SaveSlotRecord& record)
{
    if (SaveFile::ComputeSlotCrc(record.m_oData) != record.m_uCrc) {
        // A record of zeros was never saved (the file was made empty); it is
        // not damage.
        if (IsAllZeros(&record, sizeof record))
            return SAVE_RESULT_DONE;
        CorePrint(&g_oCoreLog, "\"%s\": slot %d is corrupt (CRC check failed) and keeps what it held\n",
                  CardManager::SAVE_FILE_NAME, iSlot);
        return SAVE_RESULT_BAD_DATA;
    }
    m_aSlots[iSlot] = record;
    const int32_t scene = record.m_oData.m_iCurrentScene;
    const int32_t sceneVariable = record.m_oData.m_aVarInts[VARINT_C_CURRENT_SCENE];
    if (!IsSceneOrNone(scene) || !IsSceneOrNone(sceneVariable)) {
        CorePrint(&g_oCoreLog, "\"%s\": slot %d names scene %d, which does not exist, and loads as empty\n",
                  CardManager::SAVE_FILE_NAME, iSlot, static_cast<int>(IsSceneOrNone(scene) ? sceneVariable : scene));
        ClearSlot(iSlot);
    }
    return SAVE_RESULT_DONE;
}

void AdventureManager::DumpBackupLayout() const
{
    CorePrint(&g_oCoreLog, "+--------------------------------------------------- 0x%04x\n|\tMAGIC NUMBER\n", 0x0000);
    CorePrint(&g_oCoreLog, "+-------------+------------------------------------- 0x%04x\n",
              static_cast<unsigned>(offsetof(SaveFileHeader, m_uVersion)));
    CorePrint(&g_oCoreLog, "|             |\tPROFILE_DATA\n");
    CorePrint(&g_oCoreLog, "|  PROFILE    +------------------------------------- 0x%04x\n", SAVE_HEADER_CRC_SPAN);
    CorePrint(&g_oCoreLog, "|             |\tPROFILE_CRC\n");
    CorePrint(&g_oCoreLog, "+-------------+----------------+-------------------- 0x%04x\n", SAVE_SLOTS_OFFSET);
    for (int slot = 0; slot < NB_SLOT; ++slot) {
        CorePrint(&g_oCoreLog, "|             |                | SLOT_DATA_%d\n", slot);
        CorePrint(&g_oCoreLog, "|   GAME      |    SLOT_%d      +-------------------- 0x%04x\n", slot,
                  SaveSlotOffset(slot) + SAVE_SLOT_CRC_OFFSET);
        CorePrint(&g_oCoreLog, "|             |                | SLOT_CRC_%d\n", slot);
        CorePrint(&g_oCoreLog, "+-------------+----------------+-------------------- 0x%04x\n",
                  SaveSlotOffset(slot + 1));
    }
    CorePrint(&g_oCoreLog, "|  * UNUSED *\n");
    CorePrint(&g_oCoreLog, "+--------------------------------------------------- 0x%04x\n", SAVE_AREA_END);
}
