#include "FavoritesDocument.h"
#include "FspFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

std::string Le32(uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

std::string Record(const std::string& nameField, int32_t count, std::vector<uint32_t> colors)
{
    std::string out = nameField;
    out.resize(128, '\0');
    out += Le32(static_cast<uint32_t>(count));
    for (uint32_t c : colors)
        out += Le32(c);
    return out;
}

TEST(FspFile, SizeAndLayout)
{
    const std::vector<FavoriteScheme> schemes = {
        Scheme("Spring", {Rgb(255, 0, 0), Rgb(0, 0, 255)}),
        Scheme("Empty", {}),
        Scheme("Seven", {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9), Rgb(10, 11, 12), Rgb(13, 14, 15),
                         Rgb(16, 17, 18), Rgb(19, 20, 21)}),
    };
    const std::string bytes = FspFile::Encode(schemes);
    EXPECT_EQ(bytes.size(), 4u + 3 * 132 + 4 * 9);
    EXPECT_EQ(bytes.substr(0, 4 + 140),
              Le32(3) + Record("Spring", 2, {0x0000FF, 0xFF0000}));

    std::vector<FavoriteScheme> back;
    ASSERT_TRUE(FspFile::Decode(bytes, back));
    EXPECT_EQ(back, schemes);
}

TEST(FspFile, EmptyFileOfNoSchemes)
{
    EXPECT_EQ(FspFile::Encode({}), Le32(0));
    std::vector<FavoriteScheme> back = {Scheme("old", {Rgb(1, 1, 1)})};
    ASSERT_TRUE(FspFile::Decode(Le32(0), back));
    EXPECT_TRUE(back.empty());
}

TEST(FspFile, NameFillingTheWholeFieldEndsAtItsLastByte)
{
    std::vector<FavoriteScheme> back;
    ASSERT_TRUE(FspFile::Decode(Le32(1) + Record(std::string(128, 'a'), 1, {Rgb(1, 2, 3)}), back));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].name, std::string(127, 'a'));
    EXPECT_EQ(back[0].colors[0], Rgb(1, 2, 3));
}

TEST(FspFile, DamagedFilesAreRefusedAndChangeNothing)
{
    struct Case { const char* what; std::string bytes; const char* says; };
    const Case cases[] = {
        {"empty", "", "too short"},
        {"negative count", Le32(0xFFFFFFFF), "cannot hold"},
        {"count beyond the size", Le32(2) + Record("a", 0, {}), "cannot hold"},
        {"huge count", Le32(0x7FFFFFFF) + Record("a", 0, {}), "cannot hold"},
        {"eight colours", Le32(1) + Record("a", 8, {1, 2, 3, 4, 5, 6, 7, 8}), "0 to 7"},
        {"negative colours", Le32(1) + Record("a", -1, {}), "0 to 7"},
        {"colours cut short", Le32(1) + Record("a", 3, {1, 2}), "ends inside the colours"},
        {"second record cut short",
         Le32(2) + Record("a", 3, {1, 2, 3}) + Record("b", 5, {1, 2, 3, 4, 5}).substr(0, 140), "ends inside"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        std::vector<FavoriteScheme> list = {Scheme("kept", {Rgb(1, 1, 1)})};
        const FileResult r = FspFile::Decode(c.bytes, list);
        EXPECT_FALSE(r) << c.what;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.what << ": " << r.error;
        EXPECT_EQ(list.size(), 1u) << c.what;

        FavoritesDocument doc;
        ASSERT_TRUE(doc.SaveAs(folder / "good.fsp"));
        doc.List().Insert(Scheme("unsaved", {Rgb(2, 2, 2)}), 0);
        WriteBytes(folder / "bad.fsp", c.bytes);
        const FileResult opened = doc.Open(folder / "bad.fsp");
        EXPECT_FALSE(opened) << c.what;
        EXPECT_NE(opened.error.find("bad.fsp"), std::string::npos) << opened.error;
        EXPECT_EQ(doc.Path(), folder / "good.fsp") << c.what;
        EXPECT_EQ(doc.Title(), "good.fsp") << c.what;
        EXPECT_EQ(doc.List().Count(), 1) << c.what;
    }
}

TEST(FspFile, DocumentPathTitleAndSaveState)
{
    TempFolder folder;
    FavoritesDocument doc;
    EXPECT_EQ(doc.Path(), "noname");
    EXPECT_EQ(doc.Title(), "noname");
    EXPECT_TRUE(doc.NeedsSave());
    EXPECT_FALSE(doc.Save()) << "an unnamed list needs Save As";

    doc.List().Insert(Scheme("A", {Rgb(1, 2, 3), Rgb(4, 5, 6)}), 0);
    ASSERT_TRUE(doc.SaveAs(folder / "mine.fsp"));
    EXPECT_EQ(doc.Title(), "mine.fsp");
    EXPECT_FALSE(doc.NeedsSave());
    doc.List().ReplaceByName(Scheme("A", {Rgb(1, 2, 3), Rgb(7, 7, 7)}));
    EXPECT_TRUE(doc.NeedsSave());
    ASSERT_TRUE(doc.Save());

    FavoritesDocument other;
    ASSERT_TRUE(other.Open(folder / "mine.fsp"));
    EXPECT_EQ(other.List().Schemes(), doc.List().Schemes());

    const FileResult missing = other.Open(folder / "absent.fsp");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("No such file"), std::string::npos) << missing.error;
    EXPECT_EQ(other.Title(), "mine.fsp");
}

TEST(FspFile, LinkedFileOfAProject)
{
    TempFolder folder;
    ASSERT_TRUE(FspFile::Save(folder / "linked.fsp", {Scheme("A", {Rgb(1, 1, 1)})}));
    FavoritesDocument doc;
    doc.List().Insert(Scheme("mine", {Rgb(2, 2, 2)}), 0);

    const FileResult missing = doc.OpenLinked(folder / "gone.fsp");
    EXPECT_EQ(missing.error, folder / "gone.fsp" + " file linked to does not exist on this route.");
    EXPECT_EQ(doc.List().Schemes()[0].name, "mine");

    ASSERT_TRUE(doc.OpenLinked(folder / "linked.fsp"));
    EXPECT_EQ(doc.Title(), "linked.fsp");
    EXPECT_EQ(doc.List().Schemes()[0].name, "A");

    ASSERT_TRUE(doc.OpenLinked("noname"));
    EXPECT_TRUE(doc.List().Empty());
    EXPECT_EQ(doc.Path(), "noname");
}

} // namespace
