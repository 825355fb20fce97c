#include "Nubra/Common/Memory/HeapSpinLock.h"

#include "System/Clock.h"

namespace Nubra::Memory {

HeapSpinLock g_oGlobalSpinLock;

void HeapSpinLock::AcquireContended()
{
    uint32_t expected = 0;
    Platform::GetClock().Sleep(0);
    while (!m_uWord.compare_exchange_weak(expected, 1, std::memory_order_acquire, std::memory_order_relaxed)) {
        expected = 0;
        Platform::GetClock().Sleep(0);
    }
}

} // namespace Nubra::Memory
