#include "Common/Placeholders.h"

#include "Common/TwGame.h"
#include "File/CoreFile.h"
#include "Log/CoreLog.h"

#include <cstdio>

namespace Placeholder {

bool InitializeLocalizerCommon(TwGame& game)
{
    game.LogInfo(" - Initialize Localizer...\n");
    game.LogStep("Localizer done");
    return true;
}

bool InitializeFonts(TwGame& game)
{
    CorePrint(&g_oCoreLog, " - Initialize main font(s)...\n");
    game.LogStep("Font done");
    return true;
}

namespace {

constexpr const char* SAVE_FILE_NAME = "save.dat";
constexpr uint32_t SAVE_FILE_SIZE = 3664;
// The save file's layout: header, three slots of data, CRC and a reserved
// word, then the unused rest of the save area.
constexpr uint32_t SAVE_SLOT_COUNT = 3;
constexpr uint32_t SAVE_SLOTS_OFFSET = 0x28;
constexpr uint32_t SAVE_SLOT_STRIDE = 0x4B8;
constexpr uint32_t SAVE_SLOT_CRC_OFFSET = 0x4B0;
constexpr uint32_t SAVE_AREA_END = 0x2000;

// The save-file manager's probe logs a missing file, or one that gives
// nothing to read.
void ProbeSaveFile()
{
    FILE* file = nullptr;
    if (!CoreFile::Open(&file, SAVE_FILE_NAME, false, false))
        return;
    unsigned char image[SAVE_FILE_SIZE];
    if (std::fread(image, 1, sizeof image, file) == 0)
        CoreFile::ReportReadError(SAVE_FILE_NAME);
    std::fclose(file);
}

// The adventure manager logs the save file's layout once it is initialised.
void DumpBackupLayout()
{
    CorePrint(&g_oCoreLog, "+--------------------------------------------------- 0x%04x\n|\tMAGIC NUMBER\n", 0x0000);
    CorePrint(&g_oCoreLog, "+-------------+------------------------------------- 0x%04x\n", 0x0008);
    CorePrint(&g_oCoreLog, "|             |\tPROFILE_DATA\n");
    CorePrint(&g_oCoreLog, "|  PROFILE    +------------------------------------- 0x%04x\n", 0x0020);
    CorePrint(&g_oCoreLog, "|             |\tPROFILE_CRC\n");
    CorePrint(&g_oCoreLog, "+-------------+----------------+-------------------- 0x%04x\n", SAVE_SLOTS_OFFSET);
    for (uint32_t slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        const uint32_t start = SAVE_SLOTS_OFFSET + slot * SAVE_SLOT_STRIDE;
        CorePrint(&g_oCoreLog, "|             |                | SLOT_DATA_%d\n", slot);
        CorePrint(&g_oCoreLog, "|   GAME      |    SLOT_%d      +-------------------- 0x%04x\n", slot,
                  start + SAVE_SLOT_CRC_OFFSET);
        CorePrint(&g_oCoreLog, "|             |                | SLOT_CRC_%d\n", slot);
        CorePrint(&g_oCoreLog, "+-------------+----------------+-------------------- 0x%04x\n",
                  start + SAVE_SLOT_STRIDE);
    }
    CorePrint(&g_oCoreLog, "|  * UNUSED *\n");
    CorePrint(&g_oCoreLog, "+--------------------------------------------------- 0x%04x\n", SAVE_AREA_END);
}

} // namespace

bool InitializeCardManager(TwGame& game)
{
    game.LogInfo(" - Initialize and test CARD Manager...\n");
    ProbeSaveFile();
    return true;
}

bool InitializeEffects()
{
    return true;
}

bool InitializeAdventureManager(TwGame& game)
{
    CorePrint(&g_oCoreLog, " - Initialize adventure manager...\n");
    DumpBackupLayout();
    game.LogStep("Adventure manager done");
    return true;
}

bool CreateInGameMenuAndBindQuitBox()
{
    return true;
}

void ReleaseStates()
{
}

void ReleaseQuitBoxText()
{
}

void DestroyInGameMenu()
{
}

void DestroyAdventureManager()
{
}

void ResetFades()
{
}

void DestroyCardManager()
{
}

void ReleaseFonts()
{
}

void ReleaseCommonTextTables()
{
}

bool InitializeStates()
{
    CorePrint(&g_oCoreLog, " - Initialize States...\n");
    return true;
}

void EndStateFrame()
{
}

void UpdateQuitRequest(TwGame&)
{
}

void ManageStates(uint32_t)
{
}

void UpdateEffects(uint32_t)
{
}

void RenderCurrentState()
{
}

void RenderEffects()
{
}

void RenderQuitBox()
{
}

} // namespace Placeholder
