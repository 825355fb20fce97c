#include "App/CoreSystem.h"
#include "Nubra/Common/Memory/NubraMemory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

// The main heap against the C runtime's malloc on one pattern of requests:
// mostly small blocks, some medium, a few large, freed in shuffled order.
namespace {

constexpr size_t BATCH = 4096;

struct Pattern {
    std::vector<size_t> sizes;
    std::vector<size_t> freeOrder;
};

const Pattern& RequestPattern()
{
    static const Pattern pattern = [] {
        Pattern made;
        std::mt19937 random(7);
        for (size_t i = 0; i < BATCH; ++i) {
            const unsigned kind = random() % 100;
            made.sizes.push_back(kind < 70   ? 8 + random() % 240
                                 : kind < 95 ? 256 + random() % 4000
                                             : 8192 + random() % 120000);
            made.freeOrder.push_back(i);
        }
        std::shuffle(made.freeOrder.begin(), made.freeOrder.end(), random);
        return made;
    }();
    return pattern;
}

void EnsureMainHeap()
{
    if (!Nubra::Memory::MainHeap())
        CoreSystem::CreateMainHeap(CoreSystem::MAIN_HEAP_SIZE);
}

template <class Allocate, class Release>
void RunPattern(benchmark::State& state, Allocate allocate, Release release)
{
    const Pattern& pattern = RequestPattern();
    std::vector<void*> blocks(BATCH);
    for (auto _ : state) {
        for (size_t i = 0; i < BATCH; ++i)
            blocks[i] = allocate(pattern.sizes[i]);
        benchmark::DoNotOptimize(blocks.data());
        for (size_t index : pattern.freeOrder)
            release(blocks[index]);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * BATCH);
}

void BM_MainHeapMallocFree(benchmark::State& state)
{
    EnsureMainHeap();
    const size_t alignment = static_cast<size_t>(state.range(0));
    RunPattern(
        state, [alignment](size_t size) { return Nubra::Memory::Malloc(size, alignment); },
        [](void* block) { Nubra::Memory::Free(block); });
}
BENCHMARK(BM_MainHeapMallocFree)->Arg(8)->Arg(32);

void BM_SystemMallocFree(benchmark::State& state)
{
    const size_t alignment = static_cast<size_t>(state.range(0));
    RunPattern(
        state,
        [alignment](size_t size) {
            return alignment <= 16 ? std::malloc(size)
                                   : std::aligned_alloc(alignment, (size + alignment - 1) & ~(alignment - 1));
        },
        [](void* block) { std::free(block); });
}
BENCHMARK(BM_SystemMallocFree)->Arg(8)->Arg(32);

} // namespace
