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

// Every key mapped to itself, on nodes the caller keeps.
void FillTree(Avl32& tree, std::vector<Avl32::Node>& nodes, const std::vector<uint32_t>& keys)
{
    nodes.resize(keys.size() + 1);
    tree.SetNodes(nodes.data(), static_cast<uint32_t>(nodes.size()));
    for (const uint32_t key : keys)
        tree.Insert(key, key);
}

// The timed loop: one lookup an iteration, going round the queries.
template <typename Lookup>
void RunLookups(benchmark::State& state, const std::vector<uint32_t>& queries, Lookup lookup)
{
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookup(queries[next]));
        next = next + 1 == queries.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void Avl32Lookup(benchmark::State& state)
{
    const std::vector<uint32_t> keys = NameKeys(static_cast<size_t>(state.range(0)));
    std::vector<Avl32::Node> nodes;
    Avl32 tree;
    FillTree(tree, nodes, keys);
    RunLookups(state, Queries(keys), [&tree](uint32_t key) { return tree.Lookup(key); });
}

void StdMapLookup(benchmark::State& state)
{
    const std::vector<uint32_t> keys = NameKeys(static_cast<size_t>(state.range(0)));
    std::map<uint32_t, uintptr_t> map;
    for (const uint32_t key : keys)
        map.emplace(key, key);
    RunLookups(state, Queries(keys), [&map](uint32_t key) { return map.find(key)->second; });
}

void Avl32LookupMissing(benchmark::State& state)
{
    const std::vector<uint32_t> keys = NameKeys(static_cast<size_t>(state.range(0)));
    std::vector<Avl32::Node> nodes;
    Avl32 tree;
    FillTree(tree, nodes, keys);
    std::vector<uint32_t> queries = Queries(keys);
    for (uint32_t& query : queries)
        query ^= 0x5A5A5A5Au;
    RunLookups(state, queries, [&tree](uint32_t key) { return tree.Lookup(key); });
}

BENCHMARK(Avl32Lookup)->Arg(64)->Arg(1024)->Arg(4095)->Arg(65536);
BENCHMARK(StdMapLookup)->Arg(64)->Arg(1024)->Arg(4095)->Arg(65536);
BENCHMARK(Avl32LookupMissing)->Arg(64)->Arg(4095);

} // namespace
