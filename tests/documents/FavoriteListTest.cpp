#include "FavoriteList.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

using Status = FavoriteList::Status;
using Modifier = FavoriteList::Modifier;

FavoriteList ListOf(std::initializer_list<const char*> names)
{
    FavoriteList list;
    for (const char* name : names)
        EXPECT_EQ(list.Insert(Scheme(name, {Rgb(1, 2, 3), Rgb(4, 5, 6)}), 0), Status::Ok);
    return list;
}

FavoriteList FullList()
{
    FavoriteList list;
    for (int i = 0; i < FavoriteList::kMaxSchemes; ++i)
        EXPECT_EQ(list.Insert(Scheme("s" + std::to_string(i), {Rgb(i, 0, 0)}), 0), Status::Ok);
    return list;
}

std::vector<std::string> Names(const FavoriteList& list)
{
    std::vector<std::string> names;
    for (const FavoriteScheme& s : list.Schemes())
        names.push_back(s.name);
    return names;
}

void ClickWith(FavoriteList& list, Modifier modifier, int row)
{
    list.SetModifier(modifier);
    list.Click(row);
    list.SetModifier(Modifier::None);
}

bool IsUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

TEST(FavoriteList, InsertPositionsAndTheLimit)
{
    struct Case { int position; std::vector<std::string> expected; };
    const Case cases[] = {
        {0, {"A", "B", "C", "N"}},
        {1, {"A", "N", "B", "C"}},
        {2, {"A", "B", "N", "C"}},
        {9, {"A", "B", "C", "N"}},
    };
    for (const Case& c : cases) {
        FavoriteList list = ListOf({"A", "B", "C"});
        EXPECT_EQ(list.Insert(Scheme("N", {Rgb(9, 9, 9)}), c.position), Status::Ok);
        EXPECT_EQ(Names(list), c.expected) << "position " << c.position;
    }

    FavoriteList full = FullList();
    EXPECT_EQ(full.Insert(Scheme("one too many", {Rgb(1, 1, 1)}), 0), Status::LimitReached);
    EXPECT_EQ(full.Count(), 50);
    EXPECT_STREQ(FavoriteList::MessageText(Status::LimitReached),
                 "The maximum coloration number that can be saved in an fsp file is 50.");
}

TEST(FavoriteList, PasteNamesAndOrder)
{
    struct Case {
        const char* what;
        int focus;
        std::vector<int> ctrlRows;
        int pastes;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"first row focused appends", 0, {}, 1, {"A", "B", "C", "A-Copy1"}},
        {"second paste counts on", 0, {}, 2, {"A", "B", "C", "A-Copy1", "A-Copy2"}},
        {"pastes before the focused row", 1, {}, 1, {"A", "B-Copy1", "B", "C"}},
        {"later paste lands before the earlier", 1, {}, 2, {"A", "B-Copy2", "B-Copy1", "B", "C"}},
        {"selection appended in order", 0, {2}, 1, {"A", "B", "C", "A-Copy1", "C-Copy1"}},
        {"selection inserted in reverse", 1, {2}, 1, {"A", "C-Copy1", "B-Copy1", "B", "C"}},
    };
    for (const Case& c : cases) {
        FavoriteList list = ListOf({"A", "B", "C"});
        list.Click(c.focus);
        for (int row : c.ctrlRows)
            ClickWith(list, Modifier::Add, row);
        ASSERT_EQ(list.Copy(), Status::Ok) << c.what;
        for (int i = 0; i < c.pastes; ++i)
            EXPECT_EQ(list.Paste(), Status::Ok) << c.what;
        EXPECT_EQ(Names(list), c.expected) << c.what;
        EXPECT_FALSE(list.HasSelection()) << c.what;
        EXPECT_TRUE(list.CanPaste()) << c.what << ": a copy stays on the clipboard";
    }
}

TEST(FavoriteList, CutMovesAndSecondCutDoesNothing)
{
    FavoriteList list = ListOf({"A", "B", "C", "D"});
    list.Click(3);
    ASSERT_EQ(list.Cut(), Status::Ok);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(list.FocusedIndex(), 2) << "focus stays inside the list";

    list.Click(0);
    EXPECT_EQ(list.Cut(), Status::Ok);
    EXPECT_EQ(list.Count(), 3) << "a second cut before a paste does nothing";

    list.Click(1);
    ASSERT_EQ(list.Paste(), Status::Ok);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "D", "B", "C"})) << "cut names stay unchanged";
    EXPECT_FALSE(list.CanPaste());
}

TEST(FavoriteList, CutOfEverythingPastesBack)
{
    FavoriteList list = ListOf({"A", "B"});
    list.Click(0);
    ClickWith(list, Modifier::Add, 1);
    ASSERT_EQ(list.Cut(), Status::Ok);
    EXPECT_TRUE(list.Empty());
    ASSERT_EQ(list.Paste(), Status::Ok);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B"}));
}

TEST(FavoriteList, CutThenPasteAtTheLimitLosesNothing)
{
    FavoriteList list = FullList();
    list.Click(10);
    ClickWith(list, Modifier::Add, 20);
    ASSERT_EQ(list.Cut(), Status::Ok);
    ASSERT_EQ(list.Insert(Scheme("x", {Rgb(1, 1, 1)}), 0), Status::Ok);
    ASSERT_EQ(list.Insert(Scheme("y", {Rgb(1, 1, 1)}), 0), Status::Ok);

    EXPECT_EQ(list.Paste(), Status::LimitReached);
    EXPECT_EQ(list.Clipboard().size(), 2u);

    list.Click(0);
    ASSERT_EQ(list.Delete(), Status::Ok);
    EXPECT_EQ(list.Paste(), Status::LimitReached) << "only one of two fits";
    ASSERT_EQ(list.Clipboard().size(), 1u);
    EXPECT_EQ(list.Clipboard()[0].name, "s20");
    EXPECT_EQ(list.ClipMode(), FavoriteList::ClipboardMode::Cut);
    EXPECT_TRUE(list.Contains("s10"));

    list.Click(0);
    ASSERT_EQ(list.Delete(), Status::Ok);
    EXPECT_EQ(list.Paste(), Status::Ok);
    EXPECT_TRUE(list.Contains("s20")) << "pasted later under its own name";
    EXPECT_TRUE(list.Clipboard().empty());
}

TEST(FavoriteList, CopyPasteAtTheLimitIsRefused)
{
    FavoriteList list = FullList();
    list.Click(3);
    ASSERT_EQ(list.Copy(), Status::Ok);
    EXPECT_EQ(list.Paste(), Status::LimitReached);
    EXPECT_EQ(list.Count(), 50);
    EXPECT_EQ(list.PasteCounter(), 1) << "a refused paste uses no number";
}

TEST(FavoriteList, NamesAreCutToFitTheFieldAtACharacterBoundary)
{
    std::string accented;
    while (accented.size() < 126)
        accented += "\xC3\xA9";  // é, two bytes
    accented = "x" + accented;   // 127 bytes, ends on a whole character

    FavoriteList list;
    ASSERT_EQ(list.Insert(Scheme(accented + "tail", {Rgb(1, 1, 1)}), 0), Status::Ok);
    EXPECT_EQ(list.Schemes()[0].name, accented) << "added names keep 127 bytes";

    list.Click(0);
    ASSERT_EQ(list.Copy(), Status::Ok);
    ASSERT_EQ(list.Paste(), Status::Ok);
    const std::string pasted = list.Schemes()[1].name;
    EXPECT_LE(pasted.size(), 127u);
    EXPECT_EQ(pasted.substr(pasted.size() - 6), "-Copy1");
    EXPECT_TRUE(IsUtf8(pasted)) << pasted;
}

TEST(FavoriteList, SelectionWithModifiers)
{
    struct Case { Modifier modifier; int row; std::vector<int> expected; };
    const Case cases[] = {
        {Modifier::Range, 2, {2, 3, 4}},
        {Modifier::Range, 8, {6, 7, 8}},
        {Modifier::Range, 5, {}},
        {Modifier::Add, 7, {7}},
        {Modifier::Add, 5, {}},
    };
    for (const Case& c : cases) {
        FavoriteList list = ListOf({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
        list.Click(5);
        ClickWith(list, c.modifier, c.row);
        EXPECT_EQ(list.MultiSelection(), c.expected) << "row " << c.row;
        EXPECT_EQ(list.FocusedIndex(), 5);
        EXPECT_TRUE(list.HasSelection());
    }
}

TEST(FavoriteList, MultiSelectionIsClearedWhereIndicesWouldGoStale)
{
    auto selected = [] {
        FavoriteList list = ListOf({"A", "B", "C", "D", "E"});
        list.Click(1);
        ClickWith(list, Modifier::Add, 3);
        return list;
    };
    {
        FavoriteList list = selected();
        list.Click(0);
        EXPECT_TRUE(list.MultiSelection().empty()) << "plain click";
    }
    {
        FavoriteList list = selected();
        ASSERT_EQ(list.Insert(Scheme("N", {Rgb(1, 1, 1)}), 1), Status::Ok);
        EXPECT_TRUE(list.MultiSelection().empty()) << "insert";
    }
    {
        FavoriteList list = selected();
        list.Assign({Scheme("X", {Rgb(1, 1, 1)})});
        EXPECT_TRUE(list.MultiSelection().empty()) << "load";
        EXPECT_EQ(list.FocusedIndex(), 0);
        EXPECT_FALSE(list.HasSelection());
    }
    {
        FavoriteList list = ListOf({"A", "B", "C", "D", "E"});
        list.Click(4);
        ClickWith(list, Modifier::Add, 3);
        ASSERT_EQ(list.Delete(), Status::Ok);
        EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_TRUE(list.MultiSelection().empty()) << "delete";
        EXPECT_EQ(list.FocusedIndex(), 2) << "focus stays inside the list";
        EXPECT_EQ(list.Delete(), Status::NoSelection);
    }
}

TEST(FavoriteList, ExportSelectionNeedsASelection)
{
    FavoriteList list = ListOf({"A", "B", "C"});
    EXPECT_TRUE(list.ExportSelection().empty());
    list.Click(2);
    ClickWith(list, Modifier::Add, 0);
    std::vector<std::string> names;
    for (const FavoriteScheme& s : list.ExportSelection())
        names.push_back(s.name);
    EXPECT_EQ(names, (std::vector<std::string>{"C", "A"})) << "focused first, then ascending";
    EXPECT_EQ(list.ExportAll().size(), 3u);
}

TEST(FavoriteList, Rename)
{
    FavoriteList list = FullList();
    EXPECT_EQ(list.Rename("x"), Status::NoSelection);
    list.Click(0);
    EXPECT_EQ(list.Rename(""), Status::EmptyName);
    EXPECT_EQ(list.Rename("s7"), Status::NameTaken);
    EXPECT_EQ(list.Rename("s0"), Status::NameTaken) << "its own name counts as used";
    EXPECT_STREQ(FavoriteList::MessageText(Status::NameTaken),
                 "The same coloration name already exists.\nInsert a new name of the coloration.");
    EXPECT_STREQ(FavoriteList::MessageText(Status::EmptyName), "Insert a name of the coloration.");
    EXPECT_EQ(list.Rename("Spring"), Status::Ok) << "renaming works at the limit";
    EXPECT_EQ(list.Schemes()[0].name, "Spring") << "and keeps the place";
}

TEST(FavoriteList, HasChanged)
{
    const std::vector<FavoriteScheme> saved = {Scheme("A", {Rgb(1, 1, 1), Rgb(2, 2, 2), Rgb(3, 3, 3)}),
                                               Scheme("B", {Rgb(4, 4, 4)})};
    struct Case { const char* what; void (*edit)(FavoriteList&); bool changed; };
    const Case cases[] = {
        {"unchanged", [](FavoriteList&) {}, false},
        {"third colour replaced",
         [](FavoriteList& l) { l.ReplaceByName(Scheme("A", {Rgb(1, 1, 1), Rgb(2, 2, 2), Rgb(9, 9, 9)})); }, true},
        {"colour count", [](FavoriteList& l) { l.ReplaceByName(Scheme("A", {Rgb(1, 1, 1), Rgb(2, 2, 2)})); }, true},
        {"renamed", [](FavoriteList& l) { l.Click(1); l.Rename("C"); }, true},
        {"one more", [](FavoriteList& l) { l.Insert(Scheme("C", {Rgb(1, 1, 1)}), 0); }, true},
        {"emptied", [](FavoriteList& l) { l.Clear(); }, true},
    };
    for (const Case& c : cases) {
        FavoriteList list;
        list.Assign(saved);
        c.edit(list);
        EXPECT_EQ(list.HasChanged(saved), c.changed) << c.what;
    }
    FavoriteList list;
    list.Assign(saved);
    EXPECT_TRUE(list.HasChanged({})) << "an empty file";
}

} // namespace
