#include "FspFile.h"
#include "PaletteWriters.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::string kCli = std::string(TINTONIA_BIN_DIR) + "/tintonia-cli";

std::vector<FavoriteScheme> Favourites()
{
    return {Scheme("one", {Rgb(255, 0, 0), Rgb(0, 0, 255)}), Scheme("two", {Rgb(1, 2, 3)}),
            Scheme("three", {Rgb(9, 9, 9), Rgb(8, 8, 8), Rgb(7, 7, 7)})};
}

int RunExport(const std::string& arguments, std::string* output = nullptr)
{
    int status = -1;
    const std::string out = RunCommand(kCli + " export " + arguments + " 2>&1", &status);
    if (output)
        *output = out;
    return status;
}

TEST(ExportCommand, WritesEachFormatChosenByExtension)
{
    TempFolder folder;
    ASSERT_TRUE(FspFile::Save(folder / "fav.fsp", Favourites()));
    struct Case { const char* file; std::string expected; };
    const Case cases[] = {
        {"p.aco", PaletteWriters::Aco(Favourites())},
        {"p.PspPalette", PaletteWriters::PspPalette(Favourites())},
        {"p.txt", PaletteWriters::PainterTxt(Favourites())},
        {"p.cpl", PaletteWriters::Cpl(Favourites(), "p.cpl")},
    };
    for (const Case& c : cases) {
        std::string output;
        ASSERT_EQ(RunExport(folder / "fav.fsp" + " " + folder / c.file, &output), 0) << output;
        EXPECT_EQ(ReadBytes(folder / c.file), c.expected) << c.file;
    }
    ASSERT_EQ(RunExport(folder / "fav.fsp" + " " + folder / "p.ai"), 0);
    EXPECT_NE(ReadBytes(folder / "p.ai").find("%%Title: (p.ai)\r\n"), std::string::npos);
}

TEST(ExportCommand, SelectedRowsLeadWithTheFirst)
{
    TempFolder folder;
    ASSERT_TRUE(FspFile::Save(folder / "fav.fsp", Favourites()));
    ASSERT_EQ(RunExport(folder / "fav.fsp" + " " + folder / "s.txt --selected 3,1"), 0);
    const auto all = Favourites();
    EXPECT_EQ(ReadBytes(folder / "s.txt"), PaletteWriters::PainterTxt({all[2], all[0]}));
}

TEST(ExportCommand, BadRequestsKeepTheOldFile)
{
    TempFolder folder;
    ASSERT_TRUE(FspFile::Save(folder / "fav.fsp", Favourites()));
    WriteBytes(folder / "broken.fsp", std::string("\x05\0\0\0", 4));
    WriteBytes(folder / "old.aco", "old");
    struct Case { std::string arguments; int status; const char* says; };
    const Case cases[] = {
        {folder / "fav.fsp", 2, "usage"},
        {folder / "fav.fsp" + " " + folder / "out.png", 2, "extension"},
        {folder / "fav.fsp" + " " + folder / "old.aco --selected 1,x", 2, "row numbers"},
        {folder / "fav.fsp" + " " + folder / "old.aco --selected 4", 1, "row 4"},
        {folder / "broken.fsp" + " " + folder / "old.aco", 1, "cannot hold"},
        {folder / "absent.fsp" + " " + folder / "old.aco", 1, "No such file"},
    };
    for (const Case& c : cases) {
        std::string output;
        EXPECT_EQ(RunExport(c.arguments, &output), c.status) << c.arguments;
        EXPECT_NE(output.find(c.says), std::string::npos) << c.arguments << ": " << output;
        EXPECT_EQ(ReadBytes(folder / "old.aco"), "old") << c.arguments;
    }
}

} // namespace
