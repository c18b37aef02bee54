// tintonia-cli decode IN OUT.wav [--info]: decodes an MPEG audio file to 16-bit PCM WAVE.
#include "CliCommand.h"

#include "EngineModules.h"
#include "FrameHeader.h"
#include "PcmFormatConverter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

bool WriteWaveHeader(std::FILE* file, int channels, int rate, uint32_t dataBytes)
{
    std::vector<uint8_t> h;
    h.insert(h.end(), {'R', 'I', 'F', 'F'});
    PutLe(h, 36 + dataBytes, 4);
    h.insert(h.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(h, 16, 4);
    PutLe(h, 1, 2);
    PutLe(h, static_cast<uint32_t>(channels), 2);
    PutLe(h, static_cast<uint32_t>(rate), 4);
    PutLe(h, static_cast<uint32_t>(rate * channels * 2), 4);
    PutLe(h, static_cast<uint32_t>(channels * 2), 2);
    PutLe(h, 16, 2);
    h.insert(h.end(), {'d', 'a', 't', 'a'});
    PutLe(h, dataBytes, 4);
    return std::fwrite(h.data(), 1, h.size(), file) == h.size();
}

const char* ModeName(mpeg::ChannelMode mode)
{
    switch (mode) {
    case mpeg::ChannelMode::Stereo: return "stereo";
    case mpeg::ChannelMode::JointStereo: return "joint stereo";
    case mpeg::ChannelMode::DualChannel: return "dual channel";
    case mpeg::ChannelMode::Mono: return "mono";
    }
    return "?";
}

int RunDecode(int argc, char** argv)
{
    const char* inPath = nullptr;
    const char* outPath = nullptr;
    bool info = false;
    bool usage = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--info") == 0)
            info = true;
        else if (!inPath)
            inPath = argv[i];
        else if (!outPath)
            outPath = argv[i];
        else
            usage = true;
    }
    if (usage || !inPath || !outPath) {
        std::fprintf(stderr, "usage: tintonia-cli decode IN OUT.wav [--info]\n");
        return 2;
    }

    mpeg::DecodeEngine engine;
    struct ErrorText {
        std::string text;
    } error;
    engine.SetErrorCallback(
        [](void* user, int, int, const char* what, const char* detail) {
            static_cast<ErrorText*>(user)->text = std::string(what) + ": " + detail;
        },
        &error);
    engine.RegisterCodec(mpeg::MpegAudioCodec());
    engine.RegisterInput(mpeg::FileInputModule());
    int result = engine.OpenInput(inPath);
    if (result >= 0)
        result = engine.Start();
    if (result < 0) {
        std::fprintf(stderr, "decode: %s: %s (%d)\n", inPath, error.text.empty() ? "cannot open" : error.text.c_str(),
                     result);
        return 1;
    }

    const std::string tmpPath = std::string(outPath) + ".part";
    std::FILE* out = nullptr;
    mpeg::PcmFormatConverter converter;
    static int16_t converted[mpeg::PcmFormatConverter::kMaxOutputSamples * 2];
    int channels = 0;
    int rate = 0;
    uint64_t dataBytes = 0;
    mpeg::FrameHeader first;
    while (engine.Decode() >= 0) {
        const mpeg::DecodedFrame& frame = engine.Frame();
        if (!out) {
            channels = frame.channels;
            rate = frame.sampleRate;
            converter.SetTarget(channels, rate);
            out = std::fopen(tmpPath.c_str(), "wb");
            if (!out || !WriteWaveHeader(out, channels, rate, 0)) {
                std::fprintf(stderr, "decode: cannot write %s: %s\n", outPath, std::strerror(errno));
                if (out)
                    std::fclose(out);
                std::remove(tmpPath.c_str());
                return 1;
            }
        }
        // A stream that changes its format mid-way is brought to the format of its start.
        const int samples = converter.Convert(frame.data, frame.samples, frame.channels, frame.sampleRate, converted);
        const size_t count = static_cast<size_t>(samples * channels);
        if (std::fwrite(converted, sizeof(int16_t), count, out) != count) {
            std::fprintf(stderr, "decode: write error on %s\n", outPath);
            std::fclose(out);
            std::remove(tmpPath.c_str());
            return 1;
        }
        dataBytes += count * 2;
    }
    if (!out) {
        std::fprintf(stderr, "decode: %s holds no MPEG audio frames\n", inPath);
        return 1;
    }
    if (dataBytes > 0xFFFFFFFFull - 36)
        dataBytes = 0xFFFFFFFFull - 36;
    std::fseek(out, 0, SEEK_SET);
    bool ok = WriteWaveHeader(out, channels, rate, static_cast<uint32_t>(dataBytes));
    ok = std::fclose(out) == 0 && ok;
    if (!ok || std::rename(tmpPath.c_str(), outPath) != 0) {
        std::fprintf(stderr, "decode: cannot write %s\n", outPath);
        std::remove(tmpPath.c_str());
        return 1;
    }
    if (info) {
        const mpeg::EngineStatus& status = engine.Status();
        auto number = [&](const char* name) {
            const mpeg::EngineStatus::Property* p = status.Find(name);
            return p ? p->number : -1;
        };
        const int64_t level = number("mpeg/level");
        const int64_t mode = number("mpeg/mode");
        const double seconds = static_cast<double>(dataBytes) / (2.0 * channels * rate);
        std::printf("version: %s\nlayer: %lld\nmode: %s\nrate: %d Hz\nbit rate: %d kbit/s\nduration: %.3f s\n",
                    level == 1 ? "MPEG-1" : level == 2 ? "MPEG-2" : "MPEG 2.5", static_cast<long long>(number("mpeg/layer")),
                    ModeName(static_cast<mpeg::ChannelMode>(mode & 3)), rate, status.bitRateKbps, seconds);
    }
    return 0;
}

} // namespace

TINTONIA_CLI_COMMAND(Decode, "decode", "decode IN OUT.wav [--info]  decode MPEG audio to 16-bit PCM WAVE", RunDecode);
