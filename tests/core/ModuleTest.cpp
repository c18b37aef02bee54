#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Module.h"

namespace fs = std::filesystem;

namespace {

TEST(Module, ProgramFolderIsTheFolderOfTheTest)
{
    EXPECT_EQ(fs::canonical(tna::ProgramFolder()), fs::canonical(TINTONIA_BIN_DIR));
}

TEST(Module, LoadsAModuleAndFindsItsExport)
{
    std::string error;
    tna::ModuleHandle module = tna::LoadModule(std::string(TINTONIA_BIN_DIR) + "/coretest/answer.so", &error);
    ASSERT_NE(module, nullptr) << error;
    auto answer = reinterpret_cast<int (*)()>(tna::GetModuleSymbol(module, "Answer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(tna::GetModuleSymbol(module, "NoSuchExport"), nullptr);
    EXPECT_NE(tna::ModuleBaseOf(reinterpret_cast<const void*>(answer)), nullptr);
    tna::FreeModule(module);
}

TEST(Module, AFileThatIsNoLibraryFailsWithAMessage)
{
    const fs::path path = fs::temp_directory_path() / "tintonia-not-a-library.so";
    std::ofstream(path) << "not a library";
    std::string error;
    EXPECT_EQ(tna::LoadModule(path.string(), &error), nullptr);
    EXPECT_FALSE(error.empty());
    fs::remove(path);
}

TEST(Module, ListsOnlyMatchingRegularFilesSortedByName)
{
    const fs::path folder = fs::temp_directory_path() / "tintonia-list-test";
    fs::remove_all(folder);
    fs::create_directories(folder / "sub.so");
    for (const char* name : {"b.so", "a.so", "C.SO", "notes.txt", "x.so.1", "so"})
        std::ofstream(folder / name) << "x";

    const auto files = tna::ListFiles(folder.string(), ".so");
    std::vector<std::string> names;
    for (const auto& file : files)
        names.push_back(fs::path(file).filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"C.SO", "a.so", "b.so"}));
    EXPECT_TRUE(tna::ListFiles((folder / "missing").string(), ".so").empty());
    fs::remove_all(folder);
}

} // namespace
