#include "SynthesisFilterbank.h"

#include "SynthesisWindowTable.h"

#include <cmath>
#include <cstring>

// With GCC on x86-64 the windowing loop is also built for AVX2 and picked at load time
// (not in sanitizer builds, whose runtimes are not ready when load-time resolvers run).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__) \
    && !defined(__SANITIZE_THREAD__)
#define MPEG_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define MPEG_VECTOR_CLONES
#endif

namespace mpeg {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Factors 1 / (2 cos(pi (2k+1) / 2N)) of the even/odd DCT recursion for N = 32, 16, 8, 4, 2.
struct DctFactors {
    float f32[16];
    float f16[8];
    float f8[4];
    float f4[2];
    float f2[1];
    DctFactors()
    {
        Fill(f32, 32);
        Fill(f16, 16);
        Fill(f8, 8);
        Fill(f4, 4);
        Fill(f2, 2);
    }
    static void Fill(float* f, int n)
    {
        for (int k = 0; k < n / 2; ++k)
            f[k] = static_cast<float>(0.5 / std::cos(kPi * (2 * k + 1) / (2.0 * n)));
    }
};

const DctFactors& Factors()
{
    static const DctFactors factors;
    return factors;
}

template <int N>
const float* FactorsFor(const DctFactors& f)
{
    if constexpr (N == 32)
        return f.f32;
    else if constexpr (N == 16)
        return f.f16;
    else if constexpr (N == 8)
        return f.f8;
    else if constexpr (N == 4)
        return f.f4;
    else
        return f.f2;
}

// out[m] = sum_k in[k] cos(pi m (2k+1) / 2N), unnormalised DCT-II.
template <int N>
inline void Dct(const float* in, float* out, const DctFactors& factors)
{
    if constexpr (N == 1) {
        out[0] = in[0];
    } else {
        constexpr int H = N / 2;
        const float* f = FactorsFor<N>(factors);
        float even[H];
        float odd[H];
        for (int k = 0; k < H; ++k) {
            even[k] = in[k] + in[N - 1 - k];
            odd[k] = (in[k] - in[N - 1 - k]) * f[k];
        }
        float evenOut[H];
        float oddOut[H];
        Dct<H>(even, evenOut, factors);
        Dct<H>(odd, oddOut, factors);
        for (int m = 0; m < H - 1; ++m) {
            out[2 * m] = evenOut[m];
            out[2 * m + 1] = oddOut[m] + oddOut[m + 1];
        }
        out[N - 2] = evenOut[H - 1];
        out[N - 1] = oddOut[H - 1];
    }
}

} // namespace

SynthesisFilterbank::SynthesisFilterbank()
{
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 32; ++j) {
            window_[i][j] = static_cast<float>(kSynthesisWindowScaled[64 * i + j] * kSynthesisWindowScale);
            window_[i][32 + j] = static_cast<float>(kSynthesisWindowScaled[64 * i + 32 + j] * kSynthesisWindowScale);
        }
    Reset();
}

void SynthesisFilterbank::Reset()
{
    std::memset(v_, 0, sizeof v_);
    head_[0] = head_[1] = 0;
}

MPEG_VECTOR_CLONES
void SynthesisFilterbank::Synthesize(int channel, const float* subbands, int16_t* pcm, int stride)
{
    float x[32];
    Dct<32>(subbands, x, Factors());

    int head = (head_[channel] - 1) & 15;
    head_[channel] = head;
    float* v = v_[channel][head];
    for (int i = 0; i < 16; ++i)
        v[i] = x[16 + i];
    v[16] = 0.0f;
    for (int i = 17; i < 48; ++i)
        v[i] = -x[48 - i];
    for (int i = 48; i < 64; ++i)
        v[i] = -x[i - 48];

    float acc[32] = {};
    for (int i = 0; i < 8; ++i) {
        const float* even = v_[channel][(head + 2 * i) & 15];
        const float* odd = v_[channel][(head + 2 * i + 1) & 15] + 32;
        const float* w = window_[i];
        for (int j = 0; j < 32; ++j)
            acc[j] += even[j] * w[j] + odd[j] * w[32 + j];
    }
    for (int j = 0; j < 32; ++j) {
        float s = acc[j] * 32768.0f;
        s = s > 32767.0f ? 32767.0f : (s < -32768.0f ? -32768.0f : s);
        // Adding and taking away 1.5 * 2^23 rounds half to even, as the processor's
        // default rounding does; the result converts to an integer exactly.
        s = (s + 12582912.0f) - 12582912.0f;
        pcm[j * stride] = static_cast<int16_t>(s);
    }
}

} // namespace mpeg
