#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Outcome of reading or writing a user document: success, or the reason in
// words ("cannot create /a/b.fsp: Permission denied").
struct FileResult {
    bool ok = true;
    std::string error;

    explicit operator bool() const { return ok; }
    static FileResult Success() { return {}; }
    static FileResult Failure(std::string why) { return {false, std::move(why)}; }
};

// Writes `bytes` to `path` without ever leaving a half-written file there: the
// data goes to a temporary file in the same folder, is flushed to the disk and
// only then renamed over the target. On any failure the temporary file is
// removed and the previous file, if any, is untouched. A new file gets the
// usual permissions; an existing one keeps its own.
FileResult SaveFileSafely(const std::string& path, std::string_view bytes);

// Reads a whole file of at most `maxBytes` bytes.
FileResult LoadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

// Lets tests simulate a full disk: the next saves fail with ENOSPC once
// `bytes` bytes have been written; a negative value switches this off.
namespace SafeFileTesting {
void FailWritesAfter(long long bytes);
}
