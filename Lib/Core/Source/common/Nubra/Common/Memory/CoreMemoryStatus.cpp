#include "Log/CoreLog.h"
#include "Nubra/Common/Memory/NubraMemory.h"

void CoreMemoryStatusPrint(bool dump)
{
    Nubra::Memory::MallInfo info;
    if (Nubra::Memory::BigHeap* heap = Nubra::Memory::MainHeap())
        Nubra::Memory::BigHeap::GetMallInfo(heap, info);
    CorePrint(&g_oCoreLog, "******************************************************************\n");
    CorePrint(&g_oCoreLog, "MEM Used memory : %d bytes (%dKb)\n", static_cast<int>(info.m_uUsedBytes),
              static_cast<int>(info.m_uUsedBytes >> 10));
    CorePrint(&g_oCoreLog, "MEM Free memory : %d bytes (%dKb)\n", static_cast<int>(info.m_uFreeBytes),
              static_cast<int>(info.m_uFreeBytes >> 10));
    CorePrint(&g_oCoreLog, "******************************************************************\n");
    if (dump)
        Nubra::Memory::HeapDump();
}
