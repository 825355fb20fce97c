#include "App/CorePlaceholders.h"

#include "Log/CoreLog.h"

namespace CorePlaceholder {
namespace {

bool s_bAllSoundPaused = false;

} // namespace

void CreateMemoryWithMainHeap()
{
}

void MemoryStatusPrint(bool)
{
    CorePrint(&g_oCoreLog, "******************************************************************\n");
    CorePrint(&g_oCoreLog, "MEM Used memory : %d bytes (%dKb)\n", 0, 0);
    CorePrint(&g_oCoreLog, "MEM Free memory : %d bytes (%dKb)\n", 0, 0);
    CorePrint(&g_oCoreLog, "******************************************************************\n");
}

void SeedRandom(int64_t)
{
}

void CreateInputDevices()
{
}

void SetPadsEnabled(bool)
{
}

void PauseAllSound()
{
    s_bAllSoundPaused = true;
}

void ResumeAllSound()
{
    s_bAllSoundPaused = false;
}

bool IsAllSoundPaused()
{
    return s_bAllSoundPaused;
}

} // namespace CorePlaceholder
