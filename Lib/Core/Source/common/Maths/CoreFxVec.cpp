#include "Maths/CoreFxVec.h"

#include "Maths/CoreFxDivide.h"
#include "Maths/CoreVec4.h"

namespace {

// Sums of three 64-bit products wrap around instead of overflowing.
int64_t WrapSum(int64_t a, int64_t b, int64_t c)
{
    return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b) + static_cast<uint64_t>(c));
}

int64_t Product(fx32 a, fx32 b)
{
    return static_cast<int64_t>(a) * b;
}

uint64_t SumOfSquares(const CoreFxVec& v)
{
    return static_cast<uint64_t>(Product(v.x, v.x)) + static_cast<uint64_t>(Product(v.y, v.y)) +
           static_cast<uint64_t>(Product(v.z, v.z));
}

fx32 RoundedShift(int64_t value)
{
    return static_cast<fx32>(static_cast<int64_t>(static_cast<uint64_t>(value) + FX32_HALF) >> FX32_SHIFT);
}

fx32 CrossTerm(fx32 a1, fx32 b2, fx32 a2, fx32 b1)
{
    const int64_t difference =
        static_cast<int64_t>(static_cast<uint64_t>(Product(a1, b2)) - static_cast<uint64_t>(Product(a2, b1)));
    return RoundedShift(difference);
}

fx32 NormalizedComponent(fx32 component, int64_t scale)
{
    const uint64_t product = static_cast<uint64_t>(static_cast<int64_t>(component)) * static_cast<uint64_t>(scale);
    return static_cast<fx32>(static_cast<int64_t>(product + (uint64_t {1} << 44)) >> 45);
}

} // namespace

fx32 CoreFxVec::Dot(const CoreFxVec& a, const CoreFxVec& b)
{
    return RoundedShift(WrapSum(Product(a.x, b.x), Product(a.y, b.y), Product(a.z, b.z)));
}

void CoreFxVec::Cross(const CoreFxVec& a, const CoreFxVec& b, CoreFxVec& out)
{
    const CoreFxVec result = {
        CrossTerm(a.y, b.z, a.z, b.y),
        CrossTerm(a.z, b.x, a.x, b.z),
        CrossTerm(a.x, b.y, a.y, b.x),
    };
    out = result;
}

fx32 CoreFxVec::Length(const CoreFxVec& v)
{
    g_oCoreFxDivUnit.m_iSqrtOperand = static_cast<int64_t>(SumOfSquares(v) * 4);
    const uint64_t root = CoreFx::Sqrt64();
    return static_cast<fx32>((root + 1) >> 1);
}

fx32 CoreFxVec::Distance(const CoreFxVec& a, const CoreFxVec& b)
{
    const CoreFxVec difference = {CoreFx::WrapSub(b.x, a.x), CoreFx::WrapSub(b.y, a.y), CoreFx::WrapSub(b.z, a.z)};
    return Length(difference);
}

void CoreFxVec::Normalize(const CoreFxVec& v, CoreFxVec& out)
{
    const uint64_t sum = SumOfSquares(v);
    if (sum == 0) {
        out = {0, 0, 0};
        return;
    }
    g_oCoreFxDivUnit.m_iDividend = int64_t {1} << 56;
    g_oCoreFxDivUnit.m_iDivisor = static_cast<int64_t>(sum);
    g_oCoreFxDivUnit.m_iSqrtOperand = static_cast<int64_t>(sum * 4);
    const int64_t root = CoreFx::Sqrt64();
    const int64_t quotient = CoreFx::DivQuotient();
    const int64_t scale = static_cast<int64_t>(static_cast<uint64_t>(quotient) * static_cast<uint64_t>(root));
    out = {NormalizedComponent(v.x, scale), NormalizedComponent(v.y, scale), NormalizedComponent(v.z, scale)};
}

void CoreFxVec::MultAdd(fx32 s, const CoreFxVec& v, const CoreFxVec& a, CoreFxVec& out)
{
    out = {
        CoreFx::WrapAdd(a.x, static_cast<fx32>(Product(v.x, s) >> FX32_SHIFT)),
        CoreFx::WrapAdd(a.y, static_cast<fx32>(Product(v.y, s) >> FX32_SHIFT)),
        CoreFx::WrapAdd(a.z, static_cast<fx32>(Product(v.z, s) >> FX32_SHIFT)),
    };
}

void CoreFxVec::FromFx(CoreVec4& out, const CoreFxVec& v)
{
    out = {CoreFx::ToFloat(v.x), CoreFx::ToFloat(v.y), CoreFx::ToFloat(v.z), 1.0f};
}
