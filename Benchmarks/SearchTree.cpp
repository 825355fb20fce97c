// Lookups in the core's AVL map against std::map, with keys made the way the
// texture and mesh managers make them: the CRC-32 of a name.
#include "BinarySearchTree/Avl32.h"
#include "Hash/CoreCrc32.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Nubra::BinarySearchTree::Avl32;

std::vector<uint32_t> NameKeys(size_t count)
{
    std::vector<uint32_t> keys;
    keys.reserve(count);
    for (size_t index = 0; index < count; ++index)
        keys.push_back(CoreCrc32::HashString(("Textures/Scene_" + std::to_string(index) + ".dds").c_str()));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

// The keys to look up: every stored key once, in a shuffled order.
std::vector<uint32_t> Queries(const std::vector<uint32_t>& keys)
{
    std::vector<uint32_t> queries = keys;
    std::shuffle(queries.begin(), queries.end(), std::mt19937(42));
    return queries;
}

void Avl32Lookup(benchmark::State& state)
{
    const std::vector<uint32_t> keys = NameKeys(static_cast<size_t>(state.range(0)));
    std::vector<Avl32::Node> nodes(keys.size() + 1);
    Avl32 tree;
    tree.SetNodes(nodes.data(), static_cast<uint32_t>(nodes.size()));
    for (const uint32_t key : keys)
        tree.Insert(key, key);
    const std::vector<uint32_t> queries = Queries(keys);

    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tree.Lookup(queries[next]));
        next = next + 1 == queries.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void StdMapLookup(benchmark::State& state)
{
    const std::vector<uint32_t> keys = NameKeys(static_cast<size_t>(state.range(0)));
    std::map<uint32_t, uintptr_t> map;
    for (const uint32_t key : keys)
        map.emplace(key, key);
    const std::vector<uint32_t> queries = Queries(keys);

    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(map.find(queries[next])->second);
        next = next + 1 == queries.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void Avl32LookupMissing(benchmark::State& state)
{
    const std::vector<uint32_t> keys = NameKeys(static_cast<size_t>(state.range(0)));
    std::vector<Avl32::Node> nodes(keys.size() + 1);
    Avl32 tree;
    tree.SetNodes(nodes.data(), static_cast<uint32_t>(nodes.size()));
    for (const uint32_t key : keys)
        tree.Insert(key, key);
    std::vector<uint32_t> queries = Queries(keys);
    for (uint32_t& query : queries)
        query ^= 0x5A5A5A5Au;

    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tree.Lookup(queries[next]));
        next = next + 1 == queries.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(Avl32Lookup)->Arg(64)->Arg(1024)->Arg(4095)->Arg(65536);
BENCHMARK(StdMapLookup)->Arg(64)->Arg(1024)->Arg(4095)->Arg(65536);
BENCHMARK(Avl32LookupMissing)->Arg(64)->Arg(4095);

} // namespace
