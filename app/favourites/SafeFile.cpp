#include "SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

long long g_failAfter = -1;

std::string Reason(const std::string& what, const std::string& path, int err)
{
    return what + " " + path + ": " + std::strerror(err);
}

// write() that honours the simulated full disk.
ssize_t WriteSome(int fd, const char* data, std::size_t size, long long written)
{
    if (g_failAfter >= 0) {
        if (written >= g_failAfter) {
            errno = ENOSPC;
            return -1;
        }
        size = std::min<std::size_t>(size, static_cast<std::size_t>(g_failAfter - written));
    }
    return ::write(fd, data, size);
}

std::string FitShort(const std::string& name)
{
    return name.size() <= 200 ? name : name.substr(0, 200);
}

// Makes the rename itself durable; a folder that cannot be synced is no reason
// to call the save failed.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

namespace SafeFileTesting {
void FailWritesAfter(long long bytes) { g_failAfter = bytes; }
}

FileResult SaveFileSafely(const std::string& requested, std::string_view bytes)
{
    if (requested.empty())
        return FileResult::Failure("no file name given");

    // Saving through a symbolic link replaces the file it points to, not the link.
    std::string path = requested;
    std::vector<char> resolved(PATH_MAX + 1);
    struct stat linkInfo {};
    if (::lstat(requested.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)
        && ::realpath(requested.c_str(), resolved.data()))
        path = resolved.data();

    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    // Keep the temporary name within the file system's name limit.
    std::string temp = (slash == std::string::npos ? std::string() : folder) + "." + FitShort(base) + ".XXXXXX";

    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return FileResult::Failure(Reason("cannot create", path, errno));

    auto fail = [&](const std::string& what, int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return FileResult::Failure(Reason(what, path, err));
    };

    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777)
                                                        : (0666 & ~CurrentUmask());
    if (::fchmod(fd, mode) != 0)
        return fail("cannot set permissions of", errno);

    long long written = 0;
    while (written < static_cast<long long>(bytes.size())) {
        const ssize_t n = WriteSome(fd, bytes.data() + written, bytes.size() - written, written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("cannot write", errno);
        }
        written += n;
    }
    if (::fsync(fd) != 0)
        return fail("cannot write", errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FileResult::Failure(Reason("cannot write", path, err));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FileResult::Failure(Reason("cannot replace", path, err));
    }
    SyncFolder(folder);
    return FileResult::Success();
}

FileResult LoadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return FileResult::Failure(Reason("cannot open", path, errno));
    std::string data;
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (data.size() + n > maxBytes) {
            std::fclose(file);
            return FileResult::Failure(path + " is too large (more than "
                                       + std::to_string(maxBytes) + " bytes)");
        }
        data.append(chunk, n);
    }
    const bool bad = std::ferror(file);
    const int err = errno;
    std::fclose(file);
    if (bad)
        return FileResult::Failure(Reason("cannot read", path, err));
    bytes = std::move(data);
    return FileResult::Success();
}
