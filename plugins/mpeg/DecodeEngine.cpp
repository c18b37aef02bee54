#include "DecodeEngine.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace mpeg {

void EngineStatus::SetNumber(const std::string& name, int64_t value)
{
    for (Property& p : properties)
        if (p.name == name) {
            p.isText = false;
            p.number = value;
            return;
        }
    properties.push_back({name, false, value, {}});
}

void EngineStatus::SetText(const std::string& name, const std::string& value)
{
    for (Property& p : properties)
        if (p.name == name) {
            p.isText = true;
            p.text = value;
            return;
        }
    properties.push_back({name, true, 0, value});
}

const EngineStatus::Property* EngineStatus::Find(const std::string& name) const
{
    for (const Property& p : properties)
        if (p.name == name)
            return &p;
    return nullptr;
}

void EngineStatus::Clear()
{
    changeFlags = 0;
    durationMs = 0;
    sampleRate = 0;
    bitRateKbps = 0;
    channels = 0;
    properties.clear();
}

DecodeEngine::DecodeEngine() = default;

DecodeEngine::~DecodeEngine()
{
    ReleaseInput();
    DestroyCodec();
}

void DecodeEngine::SetErrorCallback(ErrorCallback callback, void* user)
{
    errorCallback_ = callback;
    errorUser_ = user;
}

int DecodeEngine::Fail(int code, const char* what, const char* detail)
{
    if (errorCallback_)
        errorCallback_(errorUser_, reportingModule_, code, what, detail);
    return code;
}

void DecodeEngine::ReportError(int code, const char* what, const char* detail)
{
    Fail(code, what, detail);
}

namespace {
bool VersionMatches(uint32_t version)
{
    return static_cast<int16_t>(static_cast<uint16_t>(version >> 8)) == 0x0404;
}
} // namespace

int DecodeEngine::RegisterCodec(const CodecDescriptor& d)
{
    if (!VersionMatches(d.version))
        return kErrorVersionMismatch;
    reportingModule_ = -1;
    if (!d.query)
        return Fail(kErrorInternal, "internal error", "null 'query' method");
    if (!d.probe)
        return Fail(kErrorInternal, "internal error", "null 'probe' method in module");
    if (!d.create || !d.destroy)
        return Fail(kErrorInternal, "internal error", "null 'new' method in module");
    if (!d.decode)
        return Fail(kErrorInternal, "internal error", "null 'decode' method in module");
    const int id = codecs_.empty() ? 0 : codecs_.front().id + 1;
    codecs_.push_front({id, d});
    return id;
}

int DecodeEngine::RegisterInput(const InputModuleDescriptor& d)
{
    if (!VersionMatches(d.version))
        return kErrorVersionMismatch;
    reportingModule_ = -1;
    if (!d.create || !d.destroy)
        return Fail(kErrorInternal, "internal error", "null 'new' method in module");
    if (!d.open)
        return Fail(kErrorInternal, "internal error", "null 'open' method in module");
    if (!d.close)
        return Fail(kErrorInternal, "internal error", "null 'close' method in module");
    if (!d.read)
        return Fail(kErrorInternal, "internal error", "null 'read' method in module");
    const int id = inputs_.empty() ? 0 : inputs_.front().id + 1;
    inputs_.push_front({id, d});
    return id;
}

int DecodeEngine::Query(int moduleId, ModuleInfo& info) const
{
    for (const InputEntry& e : inputs_)
        if (e.id == moduleId) {
            if (!e.descriptor.query) {
                info.name = "unknown module name";
                info.deviceNames[0] = "unknown device name";
                return kEngineOk;
            }
            return e.descriptor.query(&info, 0);
        }
    return kErrorNoSuchModule;
}

int DecodeEngine::OpenInput(const char* name, int moduleId)
{
    const InputEntry* chosen = nullptr;
    for (const InputEntry& e : inputs_) {
        if (moduleId >= 0 ? e.id == moduleId : (!e.descriptor.probe || e.descriptor.probe(name) == 0)) {
            chosen = &e;
            break;
        }
    }
    if (!chosen)
        return moduleId >= 0 ? kErrorNoSuchModule : kErrorNoInputAccepts;
    if (chosen == input_ && stream_ && name && inputName_ == name)
        return kEngineOk;
    ReleaseInput();
    reportingModule_ = chosen->id;
    void* stream = nullptr;
    int result = chosen->descriptor.create(name, &stream, this);
    if (result < 0 || !stream)
        return result < 0 ? result : kErrorBadParameters;
    input_ = chosen;
    stream_ = stream;
    inputName_ = name ? name : "";
    return kEngineOk;
}

int DecodeEngine::Start()
{
    if (!input_ || !stream_)
        return Fail(kErrorInternal, "internal error", "null input module");
    status_.Clear();
    if (inputOpen_) {
        input_->descriptor.close(stream_);
        inputOpen_ = false;
    }
    position_ = 0;
    size_ = 0;
    mimeType_ = "unknown";
    reportingModule_ = input_->id;
    int result = input_->descriptor.open(stream_, this);
    if (result < 0)
        return result;
    inputOpen_ = true;
    seekable_ = input_->descriptor.seekable && input_->descriptor.seekable(stream_) != 0;
    if (size_ == 0 && seekable_ && input_->descriptor.size)
        size_ = std::max<int64_t>(0, input_->descriptor.size(stream_));

    const std::string mime = mimeType_.empty() ? std::string("audio/unknown") : mimeType_;
    const CodecEntry* chosen = nullptr;
    for (const CodecEntry& e : codecs_)
        if (e.descriptor.probe(mime.c_str()) == 0) {
            chosen = &e;
            break;
        }
    if (!chosen)
        return kErrorNoCodecAccepts;
    if (chosen != codec_ || !codecInstance_) {
        DestroyCodec();
        codecInstance_ = chosen->descriptor.create();
        if (!codecInstance_)
            return kErrorOutOfMemory;
        codec_ = chosen;
    }
    ModuleInfo info;
    chosen->descriptor.query(&info, 0);
    if (decodeBufferBytes_ < info.frameBufferBytes) {
        decodeBuffer_.clear();
        decodeBuffer_.shrink_to_fit();
        decodeBufferBytes_ = info.frameBufferBytes;
    }
    const int noOptions[2 + 64] = {};
    if (chosen->descriptor.options)
        chosen->descriptor.options(codecInstance_, noOptions, 0);
    if (chosen->descriptor.reset) {
        result = chosen->descriptor.reset(codecInstance_, this);
        if (result < 0) {
            Stop();
            return result;
        }
    }
    if (seekable_ && chosen->descriptor.start)
        chosen->descriptor.start(codecInstance_, this, &status_);
    return kEngineOk;
}

int DecodeEngine::Decode(int16_t* buffer)
{
    if (!codec_ || !codecInstance_ || !inputOpen_)
        return Fail(kErrorInternal, "internal error", "input not open");
    if (!buffer) {
        if (decodeBuffer_.empty()) {
            try {
                decodeBuffer_.assign(std::max<size_t>(decodeBufferBytes_, 4608) / 2, 0);
            } catch (const std::bad_alloc&) {
                return kErrorOutOfMemory;
            }
        }
        buffer = decodeBuffer_.data();
    }
    frame_.data = buffer;
    frame_.changeFlags = 0;
    return codec_->descriptor.decode(codecInstance_, this, &frame_, &status_);
}

size_t DecodeEngine::Read(uint8_t* buffer, size_t count)
{
    if (!inputOpen_ || !input_)
        return 0;
    size_t got = input_->descriptor.read(stream_, buffer, count);
    position_ += static_cast<int64_t>(got);
    return got;
}

int DecodeEngine::SeekInput(int64_t offset)
{
    if (!inputOpen_ || !input_->descriptor.seek)
        return -1;
    if (input_->descriptor.seek(stream_, offset) != 0)
        return -1;
    position_ = offset;
    if (codec_ && codec_->descriptor.seekNotice)
        codec_->descriptor.seekNotice(codecInstance_, offset);
    return kEngineOk;
}

int DecodeEngine::SeekSeconds(double seconds)
{
    if (!inputOpen_ || !codec_)
        return Fail(kErrorInternal, "internal error", "input not open");
    if (!(seconds > 0.0))
        seconds = 0.0;
    const double duration = static_cast<double>(status_.durationMs);
    double f = duration > 0.0 ? seconds * 1000.0 / duration : 0.0;
    f = std::clamp(f, 0.0, 1.0);
    if (codec_->descriptor.fractionToOffset)
        f = codec_->descriptor.fractionToOffset(codecInstance_, f);
    int64_t offset = static_cast<int64_t>(static_cast<double>(size_) * f);
    offset = std::clamp<int64_t>(offset, 0, size_);
    return SeekInput(offset);
}

int DecodeEngine::Stop()
{
    if (codec_ && codecInstance_ && codec_->descriptor.stop)
        codec_->descriptor.stop(codecInstance_);
    if (inputOpen_ && input_) {
        input_->descriptor.close(stream_);
        inputOpen_ = false;
    }
    mimeType_ = "unknown";
    return kEngineOk;
}

int DecodeEngine::ReleaseInput()
{
    Stop();
    if (input_ && stream_)
        input_->descriptor.destroy(stream_);
    input_ = nullptr;
    stream_ = nullptr;
    inputName_.clear();
    return kEngineOk;
}

void DecodeEngine::DestroyCodec()
{
    if (codec_ && codecInstance_)
        codec_->descriptor.destroy(codecInstance_);
    codec_ = nullptr;
    codecInstance_ = nullptr;
}

} // namespace mpeg
