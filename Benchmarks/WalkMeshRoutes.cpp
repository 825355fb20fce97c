// Route queries on a baked floor of 255 triangles, the most a walk mesh can
// route: both triangles looked up, then the precomputed route followed and
// written into a character-sized path.
#include "3D/Common/WalkMesh.h"
#include "Support/WalkMeshSamples.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// Points inside random triangles of the floor.
std::vector<CoreFxVec> FloorPoints(const std::vector<WalkMeshTriangle>& triangles, size_t count)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> anyTriangle(0, triangles.size() - 1);
    std::uniform_real_distribution<double> share(0.0, 0.5);
    std::vector<CoreFxVec> points;
    for (size_t index = 0; index < count; ++index) {
        const CoreFxVec* v = triangles[anyTriangle(random)].m_vVertices;
        const double u = share(random);
        const double w = share(random);
        points.push_back({fx32(v[0].x + u * (v[1].x - v[0].x) + w * (v[2].x - v[0].x)),
                          fx32(v[0].y + u * (v[1].y - v[0].y) + w * (v[2].y - v[0].y)), 0});
    }
    return points;
}

void RouteQueries(benchmark::State& state)
{
    WalkMeshSource source;
    source.triangles = TestSupport::GrownFloor(255, 1);
    WalkMesh mesh;
    if (!TestSupport::BakeAndLoad(source, mesh)) {
        state.SkipWithError("the floor did not load");
        return;
    }
    const std::vector<CoreFxVec> points = FloorPoints(source.triangles, 1025);
    CoreFxVec path[MAX_WALK_PATH_POINTS];
    size_t query = 0;
    int64_t segments = 0;
    for (auto _ : state) {
        segments += mesh.ComputePathChunk(points[query], points[query + 1], path, MAX_WALK_PATH_POINTS);
        benchmark::DoNotOptimize(path);
        query = (query + 1) % (points.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["segments"] =
        benchmark::Counter(static_cast<double>(segments) / static_cast<double>(state.iterations()));
}
BENCHMARK(RouteQueries);

} // namespace
