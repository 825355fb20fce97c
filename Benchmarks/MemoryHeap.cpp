#include "App/CoreSystem.h"
#include "Nubra/Common/Memory/NubraMemory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <vector>

// The main heap against the C runtime's malloc, side by side: every iteration
// runs the same requests through both (in alternating order, so neither
// always finds warm caches) and the counters give each one's time per
// request and SystemOverHeap, the system's time over the heap's (above 1 when
// the heap is faster).
//
// Patterns:
//   Mixed    - mostly small blocks, some medium, a few large, freed shuffled;
//   Shuffled - 16 to 4096 bytes, freed shuffled;
//   Churn    - a steady set of live blocks of 16 to 4096 bytes, each step
//              freeing a random one and allocating a new size in its place.
namespace {

constexpr size_t BATCH = 4096;
constexpr size_t LIVE_BLOCKS = 1024;

struct Batch {
    std::vector<size_t> sizes;
    std::vector<size_t> order;
};

Batch MakeMixed()
{
    Batch made;
    std::mt19937 random(7);
    for (size_t i = 0; i < BATCH; ++i) {
        const unsigned kind = random() % 100;
        made.sizes.push_back(kind < 70   ? 8 + random() % 240
                             : kind < 95 ? 256 + random() % 4000
                                         : 8192 + random() % 120000);
        made.order.push_back(i);
    }
    std::shuffle(made.order.begin(), made.order.end(), random);
    return made;
}

Batch MakeUniform(size_t count, unsigned seed)
{
    Batch made;
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> size(16, 4096);
    for (size_t i = 0; i < BATCH; ++i)
        made.sizes.push_back(size(random));
    for (size_t i = 0; i < count; ++i)
        made.order.push_back(i);
    std::shuffle(made.order.begin(), made.order.end(), random);
    return made;
}

// Churn: order holds the slot replaced at each step.
Batch MakeChurn()
{
    Batch made = MakeUniform(0, 11);
    std::mt19937 random(13);
    for (size_t i = 0; i < BATCH; ++i)
        made.order.push_back(random() % LIVE_BLOCKS);
    return made;
}

struct HeapAllocator {
    size_t alignment;
    void* Allocate(size_t size) const { return Nubra::Memory::Malloc(size, alignment); }
    static void Release(void* block) { Nubra::Memory::Free(block); }
};

struct SystemAllocator {
    size_t alignment;
    void* Allocate(size_t size) const
    {
        return alignment <= 8 ? std::malloc(size)
                              : std::aligned_alloc(alignment, (size + alignment - 1) & ~(alignment - 1));
    }
    static void Release(void* block) { std::free(block); }
};

// Allocate a batch, then free it in the batch's order.
template <class Allocator>
void RunBatch(const Batch& batch, const Allocator& allocator, std::vector<void*>& blocks)
{
    for (size_t i = 0; i < BATCH; ++i)
        blocks[i] = allocator.Allocate(batch.sizes[i]);
    benchmark::DoNotOptimize(blocks.data());
    for (size_t index : batch.order)
        Allocator::Release(blocks[index]);
}

template <class Allocator>
void RunChurn(const Batch& batch, const Allocator& allocator, std::vector<void*>& blocks)
{
    for (size_t i = 0; i < BATCH; ++i) {
        void*& slot = blocks[batch.order[i]];
        Allocator::Release(slot);
        slot = allocator.Allocate(batch.sizes[i]);
    }
    benchmark::DoNotOptimize(blocks.data());
}

template <class Allocator, class Run>
double TimeOne(const Batch& batch, const Allocator& allocator, std::vector<void*>& blocks, Run run)
{
    const auto start = std::chrono::steady_clock::now();
    run(batch, allocator, blocks);
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
}

template <class Run>
void SideBySide(benchmark::State& state, const Batch& batch, bool churn, Run run)
{
    if (!Nubra::Memory::MainHeap())
        CoreSystem::CreateMainHeap(CoreSystem::MAIN_HEAP_SIZE);
    const size_t alignment = static_cast<size_t>(state.range(0));
    const HeapAllocator heap {alignment};
    const SystemAllocator system {alignment};
    std::vector<void*> heapBlocks(BATCH);
    std::vector<void*> systemBlocks(BATCH);
    if (churn) {
        for (size_t i = 0; i < LIVE_BLOCKS; ++i) {
            heapBlocks[i] = heap.Allocate(batch.sizes[i]);
            systemBlocks[i] = system.Allocate(batch.sizes[i]);
        }
    }
    double heapNs = 0;
    double systemNs = 0;
    bool heapFirst = true;
    for (auto _ : state) {
        if (heapFirst) {
            heapNs += TimeOne(batch, heap, heapBlocks, run);
            systemNs += TimeOne(batch, system, systemBlocks, run);
        } else {
            systemNs += TimeOne(batch, system, systemBlocks, run);
            heapNs += TimeOne(batch, heap, heapBlocks, run);
        }
        heapFirst = !heapFirst;
    }
    if (churn) {
        for (size_t i = 0; i < LIVE_BLOCKS; ++i) {
            HeapAllocator::Release(heapBlocks[i]);
            SystemAllocator::Release(systemBlocks[i]);
        }
    }
    const double requests = double(state.iterations()) * BATCH;
    state.counters["HeapNsPerRequest"] = heapNs / requests;
    state.counters["SystemNsPerRequest"] = systemNs / requests;
    state.counters["SystemOverHeap"] = heapNs > 0 ? systemNs / heapNs : 0;
}

void BM_Mixed(benchmark::State& state)
{
    static const Batch batch = MakeMixed();
    SideBySide(state, batch, false,
               [](const Batch& b, const auto& a, std::vector<void*>& blocks) { RunBatch(b, a, blocks); });
}
BENCHMARK(BM_Mixed)->Arg(8)->Arg(16);

void BM_Shuffled(benchmark::State& state)
{
    static const Batch batch = MakeUniform(BATCH, 9);
    SideBySide(state, batch, false,
               [](const Batch& b, const auto& a, std::vector<void*>& blocks) { RunBatch(b, a, blocks); });
}
BENCHMARK(BM_Shuffled)->Arg(8)->Arg(16);

void BM_Churn(benchmark::State& state)
{
    static const Batch batch = MakeChurn();
    SideBySide(state, batch, true,
               [](const Batch& b, const auto& a, std::vector<void*>& blocks) { RunChurn(b, a, blocks); });
}
BENCHMARK(BM_Churn)->Arg(8)->Arg(16);

} // namespace
