#include "FspFile.h"
#include "PaletteExport.h"
#include "ProjectDoc.h"
#include "SafeFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Every writer of a user document, saving one small document to `path`.
struct Writer {
    const char* name;
    const char* file;
    std::function<FileResult(const std::string&)> save;
};

std::vector<Writer> Writers()
{
    const std::vector<FavoriteScheme> schemes = {Scheme("warm", {Rgb(255, 0, 0), Rgb(0, 0, 255)})};
    std::vector<Writer> writers = {
        {"favourites", "f.fsp", [=](const std::string& p) { return FspFile::Save(p, schemes); }},
        {"project", "p.tna", [](const std::string& p) { return ProjectFile::Write(CProjectDoc(), p); }},
    };
    for (const char* file : {"x.aco", "x.PspPalette", "x.txt", "x.cpl", "x.ai"})
        writers.push_back({file, file, [=](const std::string& p) { return PaletteExport::Export(p, schemes, {}); }});
    return writers;
}

class FullDisk {
public:
    explicit FullDisk(long long after) { SafeFileTesting::FailWritesAfter(after); }
    ~FullDisk() { SafeFileTesting::FailWritesAfter(-1); }
};

TEST(SafeFile, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    for (const Writer& w : Writers()) {
        for (long long after : {0LL, 10LL}) {
            TempFolder folder;
            const std::string path = folder / w.file;
            WriteBytes(path, "previous content");
            FileResult r;
            {
                FullDisk disk(after);
                r = w.save(path);
            }
            EXPECT_FALSE(r) << w.name;
            EXPECT_NE(r.error.find("No space left"), std::string::npos) << w.name << ": " << r.error;
            EXPECT_EQ(ReadBytes(path), "previous content") << w.name;
            EXPECT_EQ(folder.Entries(), std::vector<std::string>{w.file}) << w.name << ": no temporary file left";

            ASSERT_TRUE(w.save(path)) << w.name;
            EXPECT_NE(ReadBytes(path), "previous content") << w.name;
            EXPECT_EQ(folder.Entries(), std::vector<std::string>{w.file}) << w.name;
        }
    }
}

TEST(SafeFile, FolderThatCannotBeWrittenIsReported)
{
    TempFolder folder;
    WriteBytes(folder / "plain", "a file, not a folder");
    for (const Writer& w : Writers()) {
        const FileResult r = w.save(folder / "plain" + "/" + w.file);
        EXPECT_FALSE(r) << w.name;
        EXPECT_NE(r.error.find("Not a directory"), std::string::npos) << w.name << ": " << r.error;
    }
    const FileResult missing = SaveFileSafely(folder / "no/such/folder/f.fsp", "x");
    EXPECT_NE(missing.error.find("No such file"), std::string::npos) << missing.error;
    EXPECT_EQ(ReadBytes(folder / "plain"), "a file, not a folder");

    // Folder permissions only stop users other than root.
    if (::geteuid() != 0) {
        const std::string locked = folder / "locked";
        fs::create_directory(locked);
        WriteBytes(locked + "/f.fsp", "previous content");
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        const FileResult r = FspFile::Save(locked + "/f.fsp", {});
        fs::permissions(locked, fs::perms::owner_all);
        EXPECT_NE(r.error.find("Permission denied"), std::string::npos) << r.error;
        EXPECT_EQ(ReadBytes(locked + "/f.fsp"), "previous content");
    }
}

TEST(SafeFile, KeepsPermissionsAndLinks)
{
    TempFolder folder;
    const std::string path = folder / "shared.fsp";
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveFileSafely(path, "new"));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(SaveFileSafely(folder / "fresh.fsp", "x"));
    ::umask(mask);
    EXPECT_EQ(fs::status(folder / "fresh.fsp").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);

    const std::string longName = folder / (std::string(250, 'n') + ".fsp");
    EXPECT_TRUE(SaveFileSafely(longName, "long")) << "the temporary name stays within the limit";
    EXPECT_EQ(ReadBytes(longName), "long");

    fs::create_symlink(path, folder / "link.fsp");
    ASSERT_TRUE(SaveFileSafely(folder / "link.fsp", "through the link"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.fsp"));
    EXPECT_EQ(ReadBytes(path), "through the link");
}

} // namespace
