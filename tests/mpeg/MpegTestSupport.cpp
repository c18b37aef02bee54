#include "MpegTestSupport.h"

#include "MpegStreamDecoder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>

#ifdef TINTONIA_HAVE_MPG123
#include <mpg123.h>
#endif

namespace mpegtest {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tintonia-mpeg-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    path_ = made ? std::filesystem::path(made) : std::filesystem::temp_directory_path();
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

Pcm MakeTestSignal(int rate, int channels, double seconds, uint32_t seed)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    const size_t frames = static_cast<size_t>(rate * seconds);
    pcm.samples.resize(frames * static_cast<size_t>(channels));
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> noise(-0.5, 0.5);
    const double pi = 3.14159265358979323846;
    const double top = rate * 0.45;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        // Sweep from 100 Hz towards the upper band edge.
        const double sweep = 0.45 * std::sin(2 * pi * (100.0 * t + (top - 100.0) * t * t / (2 * seconds)));
        // Bursts every 0.25 s with sharp onsets for short blocks.
        const double phase = std::fmod(t, 0.25);
        const double burst = phase < 0.05 ? 0.5 * std::sin(2 * pi * 1000.0 * t) * std::exp(-phase * 40.0) : 0.0;
        const double left = sweep + 0.05 * noise(random);
        const double right = burst + 0.3 * std::sin(2 * pi * 330.0 * t) + 0.05 * noise(random);
        if (channels == 1) {
            pcm.samples[i] = static_cast<int16_t>(std::lround(0.5 * (left + right) * 32767.0));
        } else {
            pcm.samples[2 * i] = static_cast<int16_t>(std::lround(left * 32767.0));
            pcm.samples[2 * i + 1] = static_cast<int16_t>(std::lround(right * 32767.0));
        }
    }
    return pcm;
}

namespace {
void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
} // namespace

bool WriteWave(const std::filesystem::path& path, const Pcm& pcm)
{
    std::vector<uint8_t> out;
    const uint32_t data = static_cast<uint32_t>(pcm.samples.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put(out, 36 + data, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put(out, 16, 4);
    Put(out, 1, 2);
    Put(out, static_cast<uint32_t>(pcm.channels), 2);
    Put(out, static_cast<uint32_t>(pcm.rate), 4);
    Put(out, static_cast<uint32_t>(pcm.rate * pcm.channels * 2), 4);
    Put(out, static_cast<uint32_t>(pcm.channels * 2), 2);
    Put(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put(out, data, 4);
    for (int16_t s : pcm.samples)
        Put(out, static_cast<uint16_t>(s), 2);
    return WriteFile(path, out);
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool HaveProgram(const std::string& name)
{
    return RunQuietly("command -v " + name);
}

bool RunQuietly(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

Pcm DecodeOurs(const std::vector<uint8_t>& stream, int64_t* concealed)
{
    mpeg::MemoryByteSource source(stream.data(), stream.size());
    auto decoder = std::make_unique<mpeg::MpegStreamDecoder>(&source);
    decoder->Restart(0, true);
    Pcm pcm;
    int16_t frame[1152 * 2];
    for (;;) {
        int n = decoder->DecodeNext(frame);
        if (n < 0)
            break;
        const mpeg::FrameHeader& h = decoder->Header();
        if (pcm.channels == 0) {
            pcm.channels = h.channels;
            pcm.rate = h.sampleRate;
        }
        pcm.samples.insert(pcm.samples.end(), frame, frame + n * h.channels);
    }
    if (concealed)
        *concealed = decoder->FramesConcealed();
    return pcm;
}

bool ReferenceAvailable()
{
#ifdef TINTONIA_HAVE_MPG123
    return true;
#else
    return false;
#endif
}

Pcm DecodeReference(const std::vector<uint8_t>& stream)
{
    Pcm pcm;
#ifdef TINTONIA_HAVE_MPG123
#if MPG123_API_VERSION < 46
    mpg123_init();
#endif
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    if (!handle)
        return pcm;
    mpg123_param(handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0.0);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    mpg123_param(handle, MPG123_RESYNC_LIMIT, -1, 0.0);
    mpg123_format_none(handle);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    mpg123_open_feed(handle);
    mpg123_feed(handle, stream.data(), stream.size());
    for (;;) {
        off_t number;
        unsigned char* audio;
        size_t bytes;
        int result = mpg123_decode_frame(handle, &number, &audio, &bytes);
        if (result == MPG123_NEW_FORMAT) {
            long rate;
            int channels, encoding;
            mpg123_getformat(handle, &rate, &channels, &encoding);
            pcm.rate = static_cast<int>(rate);
            pcm.channels = channels;
            continue;
        }
        if (result != MPG123_OK)
            break;
        const int16_t* s = reinterpret_cast<const int16_t*>(audio);
        pcm.samples.insert(pcm.samples.end(), s, s + bytes / 2);
    }
    mpg123_delete(handle);
#else
    (void)stream;
#endif
    return pcm;
}

Comparison Compare(const Pcm& a, const Pcm& b)
{
    Comparison c;
    c.compared = std::min(a.samples.size(), b.samples.size());
    double squares = 0.0;
    for (size_t i = 0; i < c.compared; ++i) {
        int d = std::abs(int(a.samples[i]) - int(b.samples[i]));
        c.maxDifference = std::max(c.maxDifference, d);
        squares += double(d) * d;
    }
    const double mse = c.compared ? squares / static_cast<double>(c.compared) : 0.0;
    c.psnr = mse > 0.0 ? 10.0 * std::log10(32767.0 * 32767.0 / mse) : std::numeric_limits<double>::infinity();
    return c;
}

} // namespace mpegtest
