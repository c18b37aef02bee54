#include <gtest/gtest.h>

#include <cstdio>
#include <string>

// The listing command shows each name table's first and last name and the
// chords of both chord files.
TEST(SetupList, ShowsTheEndsOfEveryTableAndTheChords)
{
    FILE* pipe = popen(TINTONIA_BIN_DIR "/tintonia-cli setup-list " TINTONIA_BIN_DIR "/SetUp", "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    const char* expected[] = {
        "Pantone  1002 names  first \"Yellow C\"  last \"877 C\"  values: 0",
        "NCS      1750 names  first \"S 0500-N\"  last \"S 8010-G90Y\"  values: 1750",
        "Toyo     1050 names  first \"0001pc*\"  last \"1050pc*\"  values: 0",
        "DIC      1280 names  first \"1p\"  last \"2638p\"  values: 0",
        "COS      1305 names  first \"R1-90020\"  last \"N-15\"  values: 1305",
        "palette A (block 6): 16 colours",
        "palette B (block 5): 256 colours",
        "2 notes, 18 chords: first Major2nd, last Perfect12th",
        "    Major2nd           0   60 ",
        "    Octave             0    0'",
        "3 notes, 8 chords: first Major, last Power5th",
    };
    for (const char* line : expected)
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n--- output:\n" << output;
}
