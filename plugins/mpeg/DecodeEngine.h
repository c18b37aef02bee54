#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <list>
#include <vector>

namespace mpeg {

// Negative results of the engine and its modules.
enum EngineError : int {
    kEngineOk = 0,
    kErrorOutOfMemory = -100,
    kErrorBadParameters = -102,
    kErrorInternal = -103,
    kErrorVersionMismatch = -106,
    kErrorOpenOther = -500,
    kErrorPermissionDenied = -504,
    kErrorNoSuchModule = -507,
    kErrorNoInputAccepts = -508,
    kErrorFileNotFound = -513,
    kErrorReadNothing = -514,
    kErrorNoCodecAccepts = -600,
    kErrorDecoder = -700,
};

constexpr uint32_t kModuleVersion = 0x00040400;

// Stream description kept by the engine and updated by the codec.
struct EngineStatus {
    enum : uint32_t { kDescriptionChanged = 1, kRateChanged = 2, kDownsamplingChanged = 4 };
    struct Property {
        std::string name;
        bool isText = false;
        int64_t number = 0;
        std::string text;
    };
    uint32_t changeFlags = 0;
    int64_t durationMs = 0;
    int sampleRate = 0;
    int bitRateKbps = 0;
    int channels = 0;
    std::vector<Property> properties;

    void SetNumber(const std::string& name, int64_t value);
    void SetText(const std::string& name, const std::string& value);
    const Property* Find(const std::string& name) const;
    void Clear();
};

// One decoded frame, as the engine hands it out.
struct DecodedFrame {
    enum : uint32_t { kSampleSizeChanged = 1, kChannelsChanged = 2, kSampleRateChanged = 4 };
    uint32_t changeFlags = 0;
    int16_t* data = nullptr;
    int samples = 0;        // per channel
    int bytesPerSample = 2;
    int channels = 0;
    int sampleRate = 0;
};

// Names a module reports about itself.
struct ModuleInfo {
    std::string name;
    std::string version;
    std::string deviceNames[2];   // input: the kinds of names it takes
    std::string descriptions[2];  // codec: what it decodes
    size_t frameBufferBytes = 0;  // codec: PCM bytes one frame may need
};

// What a codec may do with the engine's input: reads go through the input module; a
// seek is the engine's (it also gives the codec its seek notice).
class EngineIo {
public:
    virtual ~EngineIo() = default;
    virtual size_t Read(uint8_t* buffer, size_t count) = 0;
    virtual int SeekInput(int64_t offset) = 0;
    virtual int64_t Position() const = 0;
    virtual int64_t Size() const = 0;
    virtual bool Seekable() const = 0;
};

// Error reports of modules: the pair of texts and the code.
class ModuleHost {
public:
    virtual ~ModuleHost() = default;
    virtual void ReportError(int code, const char* what, const char* detail) = 0;
};

// Input module descriptor: a version word, then the methods in fixed order; the last
// word is unused and zero.
struct InputModuleDescriptor {
    uint32_t version;
    int (*probe)(const char* name);
    int (*query)(ModuleInfo* info, uint32_t flags);
    int (*create)(const char* name, void** stream, ModuleHost* host);
    void (*destroy)(void* stream);
    int (*open)(void* stream, ModuleHost* host);
    void (*close)(void* stream);
    size_t (*read)(void* stream, uint8_t* buffer, size_t count);
    int (*seek)(void* stream, int64_t offset);
    int (*seekable)(void* stream);
    int64_t (*size)(void* stream);
    void* unused;
};

// Codec descriptor: version, then the methods; the word between reset and seek notice
// and the last word are unused and zero.
struct CodecDescriptor {
    uint32_t version;
    int (*probe)(const char* mimeType);
    int (*query)(ModuleInfo* info, uint32_t flags);
    void* (*create)();
    void (*destroy)(void* codec);
    int (*decode)(void* codec, EngineIo* io, DecodedFrame* frame, EngineStatus* status);
    int (*start)(void* codec, EngineIo* io, EngineStatus* status);
    double (*offsetToFraction)(void* codec, int64_t offset);
    double (*fractionToOffset)(void* codec, double fraction);
    int (*reset)(void* codec, EngineIo* io);
    void* unused1;
    void (*seekNotice)(void* codec, int64_t offset);
    void (*stop)(void* codec);
    int (*options)(void* codec, const int* values, uint32_t flags);
    int (*optionsReadBack)(void* codec, int* values, uint32_t flags);
    void* unused2;
};

// The small decoding engine: input modules and codecs registered at run time through
// their descriptors; opens an input by name, picks a codec, and hands out one decoded
// frame of 16-bit PCM at a time. Owns the module lists, the open stream, the codec
// instance and the decode buffer (allocated once, on the first decode). Every operation
// returns 0 (or an id) or a negative EngineError; nothing throws.
class DecodeEngine : private EngineIo, private ModuleHost {
public:
    using ErrorCallback = void (*)(void* user, int moduleId, int code, const char* what, const char* detail);

    DecodeEngine();
    ~DecodeEngine() override;
    DecodeEngine(const DecodeEngine&) = delete;
    DecodeEngine& operator=(const DecodeEngine&) = delete;

    void SetErrorCallback(ErrorCallback callback, void* user);

    int RegisterCodec(const CodecDescriptor& descriptor);
    int RegisterInput(const InputModuleDescriptor& descriptor);
    int OpenInput(const char* name, int moduleId = -1);
    int Start();
    // Decodes the next frame into buffer (or the engine's own buffer when null).
    int Decode(int16_t* buffer = nullptr);
    int SeekSeconds(double seconds);
    int Stop();
    int ReleaseInput();
    // Name and device names of a module; "unknown module name"/"unknown device name"
    // for a module without a query method.
    int Query(int moduleId, ModuleInfo& info) const;

    const EngineStatus& Status() const { return status_; }
    EngineStatus& MutableStatus() { return status_; }
    const DecodedFrame& Frame() const { return frame_; }
    bool InputOpen() const { return inputOpen_; }
    const std::string& MimeType() const { return mimeType_; }

private:
    struct InputEntry {
        int id;
        InputModuleDescriptor descriptor;
    };
    struct CodecEntry {
        int id;
        CodecDescriptor descriptor;
    };

    // EngineIo
    size_t Read(uint8_t* buffer, size_t count) override;
    int SeekInput(int64_t offset) override;
    int64_t Position() const override { return position_; }
    int64_t Size() const override { return size_; }
    bool Seekable() const override { return seekable_; }
    // ModuleHost
    void ReportError(int code, const char* what, const char* detail) override;

    int Fail(int code, const char* what, const char* detail);
    void DestroyCodec();

    std::list<InputEntry> inputs_;   // newest first
    std::list<CodecEntry> codecs_;   // newest first
    ErrorCallback errorCallback_ = nullptr;
    void* errorUser_ = nullptr;
    int reportingModule_ = -1;

    // input state
    const InputEntry* input_ = nullptr;
    void* stream_ = nullptr;
    std::string inputName_;
    bool inputOpen_ = false;
    bool seekable_ = false;
    int64_t position_ = 0;
    int64_t size_ = 0;
    std::string mimeType_ = "unknown";

    // codec state
    const CodecEntry* codec_ = nullptr;
    void* codecInstance_ = nullptr;

    EngineStatus status_;
    DecodedFrame frame_;
    std::vector<int16_t> decodeBuffer_;
    size_t decodeBufferBytes_ = 0;
};

} // namespace mpeg
