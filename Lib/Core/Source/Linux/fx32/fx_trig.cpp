#include "fx32/fx_trig.h"

namespace {

constexpr int QUARTER_TURN = FX_SINCOS_TABLE_SIZE / 4;
constexpr long double PI = 3.141592653589793238462643383279502884L;

// sin(x) for 0 <= x <= pi / 2 by its Taylor series, far more precise than the
// table's rounding needs.
constexpr long double Sine(long double x)
{
    long double term = x;
    long double sum = x;
    for (int n = 1; n < 20; ++n) {
        term *= -x * x / static_cast<long double>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

// round(4096 * sin(2 pi k / 4096)) for 0 <= k <= a quarter turn (never a
// tie: no entry lies within 1/1000 of one).
constexpr int16_t QuarterSine(int k)
{
    const long double angle = 2.0L * PI * static_cast<long double>(k) / FX_SINCOS_TABLE_SIZE;
    return static_cast<int16_t>(4096.0L * Sine(angle) + 0.5L);
}

// Sine is odd around a half turn and even around a quarter turn, and rounding
// half away from zero keeps both symmetries exact.
constexpr int16_t TableSine(int i, const std::array<int16_t, QUARTER_TURN + 1>& quarter)
{
    const int k = i % (2 * QUARTER_TURN);
    const int16_t magnitude = k <= QUARTER_TURN ? quarter[k] : quarter[2 * QUARTER_TURN - k];
    return i < 2 * QUARTER_TURN ? magnitude : static_cast<int16_t>(-magnitude);
}

constexpr std::array<int16_t, 2 * FX_SINCOS_TABLE_SIZE> BuildTable()
{
    std::array<int16_t, QUARTER_TURN + 1> quarter {};
    for (int k = 0; k <= QUARTER_TURN; ++k)
        quarter[k] = QuarterSine(k);
    std::array<int16_t, 2 * FX_SINCOS_TABLE_SIZE> table {};
    for (int i = 0; i < FX_SINCOS_TABLE_SIZE; ++i) {
        table[2 * i] = TableSine(i, quarter);
        table[2 * i + 1] = TableSine((i + QUARTER_TURN) % FX_SINCOS_TABLE_SIZE, quarter);
    }
    return table;
}

} // namespace

constexpr std::array<int16_t, 2 * FX_SINCOS_TABLE_SIZE> FX_SinCosTable = BuildTable();
