#include "PlugInHost.h"

#include <cctype>
#include <string_view>

namespace {

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsFileType(std::int32_t type)
{
    return type == kSourcePcmFile || type == kSourceMidiFile;
}

} // namespace

PlugInHost::~PlugInHost()
{
    UnloadAll();
}

void PlugInHost::StoreDefaults(HWND notifyWindow, std::uint32_t bufferCount, std::uint32_t bufferSize)
{
    notifyWindow_ = notifyWindow;
    bufferCount_ = bufferCount;
    bufferSize_ = bufferSize;
}

int PlugInHost::Init(HWND notifyWindow, std::uint32_t bufferCount, std::uint32_t bufferSize,
                     const std::string& subFolder)
{
    if (!notifyWindow)
        return 0;
    StoreDefaults(notifyWindow, bufferCount, bufferSize);
    UnloadAll();
    std::string folder = tna::ProgramFolder();
    if (!subFolder.empty())
        folder += subFolder.front() == '/' ? subFolder : "/" + subFolder;
    for (const std::string& path : tna::ListFiles(folder, ".so"))
        LoadPlugIn(notifyWindow, bufferCount, bufferSize, path);
    return 1;
}

int PlugInHost::LoadPlugIn(HWND notifyWindow, std::uint32_t bufferCount, std::uint32_t bufferSize,
                           const std::string& path)
{
    StoreDefaults(notifyWindow, bufferCount, bufferSize);
    if (count_ >= kMaxPlugIns)
        return 0;
    tna::ModuleHandle module = tna::LoadModule(path);
    if (!module)
        return 0;
    auto getInterface = reinterpret_cast<GetInterfaceProc>(tna::GetModuleSymbol(module, "GetInterface"));
    AudioSourceInterface* source = getInterface ? getInterface() : nullptr;
    if (!source) {
        tna::FreeModule(module);
        return 0;
    }
    SourceInfo info;
    info.flags = kInfoNotifyWindow;
    info.notifyWindow = notifyWindow;
    if (source->SetInfo)
        source->SetInfo(source->player, &info);
    entries_[count_++] = Entry{module, source};
    return 1;
}

void PlugInHost::UnloadAll()
{
    for (int i = 0; i < count_; ++i) {
        AudioSourceInterface* source = entries_[i].source;
        if (source->Shutdown)
            source->Shutdown(source->player);
        tna::FreeModule(entries_[i].module);
        entries_[i] = Entry{};
    }
    count_ = 0;
    current_ = nullptr;
}

AudioSourceInterface* PlugInHost::PlugIn(int index) const
{
    return index >= 0 && index < count_ ? entries_[index].source : nullptr;
}

bool PlugInHost::ExtensionOf(const char* name, std::string& upperExtension)
{
    if (!name)
        return false;
    std::string_view text(name);
    // Only the file's own name counts: a dot in a folder name is no extension.
    const std::size_t slash = text.rfind('/');
    if (slash != std::string_view::npos)
        text.remove_prefix(slash + 1);
    const std::size_t dot = text.rfind('.');
    if (dot == std::string_view::npos || dot + 1 == text.size())
        return false;
    upperExtension = UpperAscii(text.substr(dot + 1));
    return true;
}

bool PlugInHost::FilterMatches(const char* filter, const std::string& upperExtension)
{
    if (!filter || upperExtension.empty())
        return false;
    const std::string_view text(filter);
    std::size_t position = 0;
    for (;;) {
        const std::size_t descriptionEnd = text.find('|', position);
        if (descriptionEnd == std::string_view::npos)
            return false;
        const std::size_t dot = text.find('.', descriptionEnd);
        if (dot == std::string_view::npos)
            return false;
        const std::size_t patternEnd = text.find('|', dot + 1);
        if (patternEnd == std::string_view::npos)
            return false;
        if (UpperAscii(text.substr(dot + 1, patternEnd - dot - 1)).find(upperExtension) != std::string::npos)
            return true;
        position = patternEnd + 1;
    }
}

AudioSourceInterface* PlugInHost::FindSource(const char* name) const
{
    if (!name || !*name) {
        for (int i = 0; i < count_; ++i)
            if (entries_[i].source->type == kSourcePcmNoFile)
                return entries_[i].source;
        return nullptr;
    }
    std::string extension;
    if (!ExtensionOf(name, extension))
        return nullptr;
    for (int i = 0; i < count_; ++i) {
        AudioSourceInterface* source = entries_[i].source;
        if (IsFileType(source->type) && FilterMatches(source->filter, extension))
            return source;
    }
    return nullptr;
}

int PlugInHost::OpenFile(const char* name, std::uint32_t bufferCount, std::uint32_t bufferSize)
{
    OpenParams params;
    params.bufferCount = bufferCount ? bufferCount : bufferCount_;
    params.bufferSize = bufferSize ? bufferSize : bufferSize_;
    params.fileName = name ? name : "";
    AudioSourceInterface* source = FindSource(name);
    if (!source)
        return 0;
    if (current_ && current_->Close)
        current_->Close(current_->player);
    current_ = source;
    return source->Open ? source->Open(source->player, &params) : 0;
}

int PlugInHost::IsSupported(const char* name) const
{
    return name && *name && FindSource(name) ? 1 : 0;
}

int PlugInHost::Play()
{
    if (!current_ || !current_->Play)
        return 0;
    if (current_->Stop)
        current_->Stop(current_->player);
    return current_->Play(current_->player);
}

int PlugInHost::Stop()
{
    return current_ && current_->Stop ? current_->Stop(current_->player) : 0;
}

int PlugInHost::Pause()
{
    return current_ && current_->Pause ? current_->Pause(current_->player) : 0;
}

int PlugInHost::Resume()
{
    return current_ && current_->Resume ? current_->Resume(current_->player) : 0;
}

int PlugInHost::IsPlaying() const
{
    return current_ && current_->IsPlaying ? current_->IsPlaying(current_->player) : 0;
}

int PlugInHost::IsStopped() const
{
    return current_ && current_->IsStopped ? current_->IsStopped(current_->player) : 0;
}

int PlugInHost::IsPaused() const
{
    return current_ && current_->IsPaused ? current_->IsPaused(current_->player) : 0;
}

std::int32_t PlugInHost::GetPlayedDataAligned(std::uint8_t* buffer, std::int32_t count, std::uint32_t* outOffset,
                                              std::int32_t divisor)
{
    if (!current_ || !current_->GetPlayedDataAligned)
        return 0;
    return current_->GetPlayedDataAligned(current_->player, buffer, count, outOffset, divisor);
}

int PlugInHost::Seek(std::uint32_t position)
{
    if (!current_)
        return 0;
    if (current_->Seek) {
        Stop();
        current_->Seek(current_->player, position);
        if (current_->Play)
            current_->Play(current_->player);
    }
    return 1;
}

std::uint32_t PlugInHost::GetPosition() const
{
    return current_ && current_->GetPosition ? current_->GetPosition(current_->player) : 0;
}

std::uint32_t PlugInHost::GetLength() const
{
    return current_ && current_->GetLength ? current_->GetLength(current_->player) : 0;
}

int PlugInHost::IsFileSource() const
{
    return current_ && IsFileType(current_->type) ? 1 : 0;
}

int PlugInHost::IsWaveSource() const
{
    return current_ && (current_->type == kSourcePcmFile || current_->type == kSourcePcmNoFile) ? 1 : 0;
}

int PlugInHost::IsMidiSource() const
{
    return current_ && (current_->type == kSourceMidiFile || current_->type == kSourceMidiNoFile) ? 1 : 0;
}

std::uint32_t PlugInHost::GetSampleRate() const
{
    return current_ && current_->format ? current_->format->samplesPerSec : 0;
}

std::uint32_t PlugInHost::GetChannels() const
{
    return current_ && current_->format ? current_->format->channels : 0;
}

std::uint32_t PlugInHost::GetBitsPerSample() const
{
    return current_ && current_->format ? current_->format->bitsPerSample : 0;
}

const void* PlugInHost::GetNoteTable() const
{
    return current_ && current_->GetNoteTable ? current_->GetNoteTable(current_->player) : nullptr;
}

std::uint32_t PlugInHost::GetLengthMs() const
{
    return current_ && current_->GetLengthMs ? current_->GetLengthMs(current_->player) : 0;
}

std::uint32_t PlugInHost::GetPositionMs() const
{
    return current_ && current_->GetPositionMs ? current_->GetPositionMs(current_->player) : 0;
}

void PlugInHost::SeekMs(std::uint32_t milliseconds)
{
    if (current_ && current_->SeekMs)
        current_->SeekMs(current_->player, milliseconds);
}

void PlugInHost::SetBeatLevel(char level)
{
    if (current_ && current_->SetBeatLevel)
        current_->SetBeatLevel(current_->player, level);
}

void PlugInHost::SetMidiDevice(std::uint32_t device)
{
    if (current_ && current_->SetMidiDevice)
        current_->SetMidiDevice(current_->player, device);
}
