// tintonia-cli decode IN OUT.wav [--info]: decodes an MPEG audio file to 16-bit PCM WAVE.
#include "CliCommand.h"

#include "MpegStreamDecoder.h"
#include "StreamHead.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

class FileSource : public mpeg::ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    size_t Read(uint8_t* buffer, size_t count) override { return std::fread(buffer, 1, count, file_); }

private:
    std::FILE* file_;
};

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

const char* VersionName(mpeg::MpegVersion version)
{
    return version == mpeg::MpegVersion::Mpeg1 ? "MPEG-1" : version == mpeg::MpegVersion::Mpeg2 ? "MPEG-2" : "MPEG 2.5";
}

int RunDecode(int argc, char** argv)
{
    const char* inPath = nullptr;
    const char* outPath = nullptr;
    bool info = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--info") == 0)
            info = true;
        else if (!inPath)
            inPath = argv[i];
        else if (!outPath)
            outPath = argv[i];
        else
            inPath = nullptr, i = argc;
    }
    if (!inPath || !outPath) {
        std::fprintf(stderr, "usage: tintonia-cli decode IN OUT.wav [--info]\n");
        return 2;
    }
    std::FILE* in = std::fopen(inPath, "rb");
    if (!in) {
        std::fprintf(stderr, "decode: cannot open %s: %s\n", inPath, std::strerror(errno));
        return 1;
    }
    // Stream head: size, ID3v2 tag and the first frame.
    std::fseek(in, 0, SEEK_END);
    const int64_t fileSize = std::ftell(in);
    std::fseek(in, 0, SEEK_SET);
    uint8_t headBytes[152] = {};
    size_t got = std::fread(headBytes, 1, sizeof headBytes, in);
    int64_t tag = mpeg::StreamHead::Id3v2Size(headBytes, got);
    if (tag > 0 && tag < fileSize) {
        std::fseek(in, static_cast<long>(tag), SEEK_SET);
        got = std::fread(headBytes, 1, sizeof headBytes, in);
    }
    const mpeg::StreamHead head = mpeg::StreamHead::Analyse(headBytes, got, fileSize, tag);
    std::fseek(in, 0, SEEK_SET);

    FileSource source(in);
    mpeg::MpegStreamDecoder decoder(&source);
    decoder.Restart(0, true);

    std::string tmpPath = std::string(outPath) + ".part";
    std::FILE* out = nullptr;
    int channels = 0;
    int rate = 0;
    uint64_t dataBytes = 0;
    static int16_t pcm[1152 * 2];
    static int16_t converted[1152 * 2];
    for (;;) {
        int samples = decoder.DecodeNext(pcm);
        if (samples < 0)
            break;
        const mpeg::FrameHeader& h = decoder.Header();
        if (!out) {
            channels = h.channels;
            rate = h.sampleRate;
            out = std::fopen(tmpPath.c_str(), "wb");
            if (!out || !WriteWaveHeader(out, channels, rate, 0)) {
                std::fprintf(stderr, "decode: cannot write %s: %s\n", outPath, std::strerror(errno));
                std::fclose(in);
                if (out)
                    std::fclose(out);
                std::remove(tmpPath.c_str());
                return 1;
            }
        }
        if (h.sampleRate != rate)
            continue;  // a frame of another rate cannot go into this file
        const int16_t* data = pcm;
        if (h.channels != channels) {
            for (int i = 0; i < samples; ++i) {
                if (channels == 2)
                    converted[2 * i] = converted[2 * i + 1] = pcm[i];
                else
                    converted[i] = static_cast<int16_t>((pcm[2 * i] + pcm[2 * i + 1]) / 2);
            }
            data = converted;
        }
        const size_t count = static_cast<size_t>(samples * channels);
        if (std::fwrite(data, sizeof(int16_t), count, out) != count) {
            std::fprintf(stderr, "decode: write error on %s\n", outPath);
            std::fclose(in);
            std::fclose(out);
            std::remove(tmpPath.c_str());
            return 1;
        }
        dataBytes += count * 2;
    }
    std::fclose(in);
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
        const mpeg::FrameHeader& h = head.valid ? head.header : decoder.Header();
        const double seconds = static_cast<double>(dataBytes) / (2.0 * channels * rate);
        std::printf("version: %s\nlayer: %d\nmode: %s\nrate: %d Hz\nbit rate: %d kbit/s%s\nduration: %.3f s\n",
                    VersionName(h.version), h.layer, ModeName(h.mode), h.sampleRate,
                    head.valid && head.bitRateKbps ? head.bitRateKbps : decoder.Reader().FreeFormatKbps(),
                    head.exactDuration ? " (average)" : "", seconds);
        if (decoder.FramesConcealed() > 0)
            std::printf("damaged frames concealed: %lld\n", static_cast<long long>(decoder.FramesConcealed()));
    }
    return 0;
}

} // namespace

TINTONIA_CLI_COMMAND(Decode, "decode", "decode IN OUT.wav [--info]  decode MPEG audio to 16-bit PCM WAVE", RunDecode);
