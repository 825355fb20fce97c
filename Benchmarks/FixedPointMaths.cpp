// The fixed-point routines that game logic runs every frame, each beside the
// floating-point operation it stands for.
#include "Maths/CoreFxDivide.h"
#include "Maths/CoreFxVec.h"
#include "fx32/fx_trig.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr size_t INPUT_COUNT = 1024;

// Deterministic inputs spread over typical game magnitudes (about -512..512).
template <typename T, typename Make>
std::array<T, INPUT_COUNT> MakeInputs(Make make)
{
    std::array<T, INPUT_COUNT> inputs {};
    uint32_t state = 12345u;
    for (T& input : inputs) {
        state = state * 1664525u + 1013904223u;
        input = make(state);
    }
    return inputs;
}

fx32 SignedValue(uint32_t bits)
{
    return static_cast<fx32>(bits >> 10) - (1 << 21);
}

fx32 NonZeroValue(uint32_t bits)
{
    const fx32 value = SignedValue(bits);
    return value == 0 ? 1 : value;
}

void FxDiv(benchmark::State& state)
{
    const auto numerators = MakeInputs<fx32>(SignedValue);
    const auto denominators = MakeInputs<fx32>([](uint32_t bits) { return NonZeroValue(bits * 2654435761u); });
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CoreFx::Div(numerators[i], denominators[i]));
        i = (i + 1) % INPUT_COUNT;
    }
}
BENCHMARK(FxDiv);

void FloatDiv(benchmark::State& state)
{
    const auto numerators = MakeInputs<float>([](uint32_t bits) { return CoreFx::ToFloat(SignedValue(bits)); });
    const auto denominators =
        MakeInputs<float>([](uint32_t bits) { return CoreFx::ToFloat(NonZeroValue(bits * 2654435761u)); });
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numerators[i] / denominators[i]);
        i = (i + 1) % INPUT_COUNT;
    }
}
BENCHMARK(FloatDiv);

void FxSinIdx(benchmark::State& state)
{
    const auto indices = MakeInputs<int>([](uint32_t bits) { return static_cast<int>(bits >> 16); });
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FX_SinIdx(indices[i]));
        i = (i + 1) % INPUT_COUNT;
    }
}
BENCHMARK(FxSinIdx);

void FxSinOfRadians(benchmark::State& state)
{
    const auto angles = MakeInputs<fx32>(SignedValue);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FX_SinIdx(FX_RadToIdx(angles[i])));
        i = (i + 1) % INPUT_COUNT;
    }
}
BENCHMARK(FxSinOfRadians);

void FloatSin(benchmark::State& state)
{
    const auto angles = MakeInputs<float>([](uint32_t bits) { return CoreFx::ToFloat(SignedValue(bits)); });
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::sin(angles[i]));
        i = (i + 1) % INPUT_COUNT;
    }
}
BENCHMARK(FloatSin);

void FxNormalize(benchmark::State& state)
{
    const auto vectors = MakeInputs<CoreFxVec>([](uint32_t bits) {
        return CoreFxVec {SignedValue(bits), SignedValue(bits * 2654435761u), NonZeroValue(bits * 40503u)};
    });
    size_t i = 0;
    CoreFxVec out;
    for (auto _ : state) {
        CoreFxVec::Normalize(vectors[i], out);
        benchmark::DoNotOptimize(out);
        i = (i + 1) % INPUT_COUNT;
    }
}
BENCHMARK(FxNormalize);

struct FloatVec {
    float x, y, z;
};

void FloatNormalize(benchmark::State& state)
{
    const auto vectors = MakeInputs<FloatVec>([](uint32_t bits) {
        return FloatVec {CoreFx::ToFloat(SignedValue(bits)), CoreFx::ToFloat(SignedValue(bits * 2654435761u)),
                         CoreFx::ToFloat(NonZeroValue(bits * 40503u))};
    });
    size_t i = 0;
    FloatVec out;
    for (auto _ : state) {
        const FloatVec& v = vectors[i];
        const float inverseLength = 1.0f / std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        out = {v.x * inverseLength, v.y * inverseLength, v.z * inverseLength};
        benchmark::DoNotOptimize(out);
        i = (i + 1) % INPUT_COUNT;
    }
}
BENCHMARK(FloatNormalize);

} // namespace
