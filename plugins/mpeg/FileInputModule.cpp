#include "EngineModules.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <sys/stat.h>

namespace mpeg {

namespace {

// One open file (or standard input) of the file input module.
struct FileStream {
    std::string name;
    std::FILE* file = nullptr;
    bool standardInput = false;
};

int Probe(const char*)
{
    return 0;
}

int Query(ModuleInfo* info, uint32_t)
{
    info->name = "Input From File";
    info->version = "Version 1.2";
    info->deviceNames[0] = "any file name";
    info->deviceNames[1] = "standard input";
    return 0;
}

int Create(const char* name, void** stream, ModuleHost* host)
{
    if (!stream || !name || !*name) {
        if (host)
            host->ReportError(kErrorBadParameters, "bad parameters", "null params or null/empty input name");
        return kErrorBadParameters;
    }
    auto* s = new (std::nothrow) FileStream;
    if (!s)
        return kErrorOutOfMemory;
    s->name = name;
    *stream = s;
    return 0;
}

void Destroy(void* stream)
{
    auto* s = static_cast<FileStream*>(stream);
    if (s && s->file && !s->standardInput)
        std::fclose(s->file);
    delete s;
}

int Open(void* stream, ModuleHost* host)
{
    auto* s = static_cast<FileStream*>(stream);
    if (s->file && !s->standardInput)
        std::fclose(s->file);
    s->file = nullptr;
    s->standardInput = s->name == "-";
    if (s->standardInput) {
        s->file = stdin;
        return 0;
    }
    s->file = std::fopen(s->name.c_str(), "rb");
    if (s->file)
        return 0;
    const int error = errno;
    if (error == ENOENT) {
        host->ReportError(kErrorFileNotFound, "cannot open input file", "file not found");
        return kErrorFileNotFound;
    }
    if (error == EACCES || error == EPERM) {
        host->ReportError(kErrorPermissionDenied, "cannot open input file", "permission denied");
        return kErrorPermissionDenied;
    }
    host->ReportError(kErrorOpenOther, "cannot open input file", std::strerror(error));
    return kErrorOpenOther;
}

void Close(void* stream)
{
    auto* s = static_cast<FileStream*>(stream);
    if (s->file && !s->standardInput)
        std::fclose(s->file);
    s->file = nullptr;
}

// Delivers what the file still holds, so the last part of a file is not lost.
size_t Read(void* stream, uint8_t* buffer, size_t count)
{
    auto* s = static_cast<FileStream*>(stream);
    return s->file ? std::fread(buffer, 1, count, s->file) : 0;
}

int Seek(void* stream, int64_t offset)
{
    auto* s = static_cast<FileStream*>(stream);
    if (!s->file || s->standardInput || offset < 0)
        return -1;
    return fseeko(s->file, static_cast<off_t>(offset), SEEK_SET) == 0 ? 0 : -1;
}

int Seekable(void* stream)
{
    return static_cast<FileStream*>(stream)->standardInput ? 0 : 1;
}

int64_t Size(void* stream)
{
    auto* s = static_cast<FileStream*>(stream);
    struct stat st {};
    if (!s->file || fstat(fileno(s->file), &st) != 0)
        return 0;
    return static_cast<int64_t>(st.st_size);
}

} // namespace

const InputModuleDescriptor& FileInputModule()
{
    static const InputModuleDescriptor descriptor = {
        kModuleVersion, Probe, Query, Create, Destroy, Open, Close, Read, Seek, Seekable, Size, nullptr,
    };
    return descriptor;
}

} // namespace mpeg
