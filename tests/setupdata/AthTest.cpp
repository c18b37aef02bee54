#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "HearingThreshold.h"

namespace {

// Builds "InFi" containers; each entry's data is appended after the directory.
struct Container {
    struct Entry {
        std::string name;
        std::vector<uint8_t> data;
        int64_t offsetShift = 0;  // moves the stored offset away from the data
        int64_t sizeShift = 0;
    };
    uint16_t version = 8;
    uint32_t buckets = 1;
    std::vector<Entry> entries;

    static void Put(std::vector<uint8_t>& out, uint64_t v, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    std::vector<uint8_t> Bytes() const
    {
        size_t directory = 12;
        for (const Entry& e : entries)
            directory += e.name.size() + 1 + 5 + 34 + 8;
        std::vector<uint8_t> out{'I', 'n', 'F', 'i'};
        Put(out, version, 2);
        Put(out, buckets, 4);
        Put(out, entries.size(), 2);
        size_t dataAt = directory;
        for (const Entry& e : entries) {
            out.insert(out.end(), e.name.begin(), e.name.end());
            out.push_back(0);
            out.insert(out.end(), {'n', 'o', 't', 'e', 0});
            out.insert(out.end(), 34, 0);
            Put(out, static_cast<uint64_t>(static_cast<int64_t>(dataAt) + e.offsetShift), 4);
            Put(out, static_cast<uint64_t>(static_cast<int64_t>(e.data.size()) + e.sizeShift), 4);
            dataAt += e.data.size();
        }
        for (const Entry& e : entries)
            out.insert(out.end(), e.data.begin(), e.data.end());
        return out;
    }
};

std::vector<uint8_t> Table(double first)
{
    std::vector<uint8_t> data;
    for (int i = 0; i < kAthBins; ++i) {
        const double v = i == 0 ? first : -i * 0.01;
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof v);
        Container::Put(data, bits, 8);
    }
    return data;
}

std::string Parse(const std::vector<uint8_t>& bytes, std::vector<double>& out)
{
    return ParseAthData(bytes.data(), bytes.size(), out);
}

} // namespace

TEST(AthContainer, FindsTheTableAmongOtherEntries)
{
    Container c;
    c.entries = {{"Empty", {}}, {"Ath_Dat", {1, 2, 3}}, {"Ath_Data", Table(42.5)}};
    std::vector<double> table;
    ASSERT_EQ(Parse(c.Bytes(), table), "");
    ASSERT_EQ(table.size(), static_cast<size_t>(kAthBins));
    EXPECT_EQ(table[0], 42.5);
    EXPECT_EQ(table[1023], -10.23);
}

TEST(AthContainer, DamagedContainersAreRefused)
{
    auto with = [](auto change) {
        Container c;
        c.entries = {{"Ath_Data", Table(1.0)}};
        change(c);
        return c.Bytes();
    };
    auto cut = [](std::vector<uint8_t> bytes, size_t size) {
        bytes.resize(size);
        return bytes;
    };
    const std::vector<uint8_t> good = with([](Container&) {});
    std::vector<uint8_t> badMagic = good;
    badMagic[0] = 'X';
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* expect;
    } cases[] = {
        {"short header", cut(good, 11), "shorter than the 12-byte header"},
        {"magic", badMagic, "no \"InFi\""},
        {"version", with([](Container& c) { c.version = 7; }), "header version 7"},
        {"buckets", with([](Container& c) { c.buckets = 0; }), "bucket count 0"},
        {"no entries", with([](Container& c) { c.entries.clear(); }), "empty directory"},
        {"name runs off", cut(good, 16), "end of file inside"},
        {"tail runs off", cut(good, 12 + 9 + 5 + 20), "end of file inside"},
        {"offset past end", with([](Container& c) { c.entries[0].offsetShift = 100000; }), "outside the file"},
        {"size past end", with([](Container& c) { c.entries[0].sizeShift = 8; }), "outside the file"},
        {"data cut", cut(good, good.size() - 1), "outside the file"},
        {"table too small", with([](Container& c) { c.entries[0].data.resize(8184); }), "holds 8184 bytes"},
        {"no table", with([](Container& c) { c.entries[0].name = "Ath_data"; }), "no entry \"Ath_Data\""},
        {"not a number", with([](Container& c) { c.entries[0].data = Table(NAN); }), "bin 0 is not a number"},
    };
    for (const Case& c : cases) {
        std::vector<double> table{7.0};
        const std::string error = Parse(c.bytes, table);
        EXPECT_NE(error.find(c.expect), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(table, std::vector<double>{7.0}) << c.what;
    }
}

TEST(ShippedAth, FollowsTerhardtOnTheAnalyserScale)
{
    std::vector<double> table;
    ASSERT_EQ(ReadAthFile(TINTONIA_BIN_DIR "/SetUp/ath.dat", table), "");
    ASSERT_EQ(table.size(), static_cast<size_t>(kAthBins));
    // Independent values: Terhardt's curve at the bin frequency, minus 11.71 dB
    // (96 dB SPL for a full-scale tone shown at 84.29 dB), capped at 84.29.
    struct Case {
        int bin;
        double expected;
    } cases[] = {{0, 71.5074}, {46, -8.3080}, {153, -16.6916}, {1000, 84.2881}};
    for (const Case& c : cases)
        EXPECT_NEAR(table[c.bin], c.expected, 1e-3) << c.bin;
    const auto lowest = std::min_element(table.begin(), table.end()) - table.begin();
    EXPECT_NEAR(lowest * 44100.0 / 2048, 3300, 50);
}
