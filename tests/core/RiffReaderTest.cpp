#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "RiffReader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using tna::ChunkInfo;
using tna::MakeFourCC;
using tna::RiffFind;

void Put32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

void PutId(Bytes& out, const char* id)
{
    out.insert(out.end(), id, id + 4);
}

// A chunk with the stated size (which may lie) and the given body, padded when odd.
Bytes Chunk(const char* id, const Bytes& body, std::int64_t statedSize = -1, bool pad = true)
{
    Bytes out;
    PutId(out, id);
    Put32(out, statedSize < 0 ? std::uint32_t(body.size()) : std::uint32_t(statedSize));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2)
        out.push_back(0);
    return out;
}

Bytes Riff(const char* form, const std::vector<Bytes>& chunks, std::int64_t statedSize = -1)
{
    Bytes body;
    PutId(body, form);
    for (const Bytes& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body, statedSize, false);
}

// Each test runs once on memory and once on a file with the same bytes.
class RiffReaderTest : public ::testing::TestWithParam<bool> {
protected:
    void OpenBytes(const Bytes& bytes)
    {
        bytes_ = bytes;
        if (!GetParam()) {
            reader_.OpenMemory(bytes_);
            return;
        }
        path_ = std::filesystem::temp_directory_path() / ("tintonia-riff-" + std::to_string(::getpid()) + ".bin");
        std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(bytes_.data()), bytes_.size());
        ASSERT_TRUE(reader_.Open(path_.string()));
    }
    void TearDown() override
    {
        reader_.Close();
        if (!path_.empty())
            std::filesystem::remove(path_);
    }

    Bytes bytes_;
    std::filesystem::path path_;
    tna::RiffReader reader_;
};

TEST_P(RiffReaderTest, FindsAChunkPastAnOddSizedOne)
{
    OpenBytes(Riff("WAVE", {Chunk("junk", {1, 2, 3}), Chunk("fmt ", {9, 8, 7, 6})}));
    ChunkInfo riff;
    riff.formType = MakeFourCC('W', 'A', 'V', 'E');
    ASSERT_TRUE(reader_.Descend(riff, nullptr, RiffFind::Riff));
    EXPECT_EQ(riff.dataOffset, 8u);
    EXPECT_EQ(reader_.Tell(), 12u);

    ChunkInfo fmt;
    fmt.id = MakeFourCC('f', 'm', 't', ' ');
    ASSERT_TRUE(reader_.Descend(fmt, &riff, RiffFind::Chunk));
    EXPECT_EQ(fmt.dataOffset, 12u + 12u + 8u);
    std::uint8_t body[8] = {};
    EXPECT_EQ(reader_.Read(body, sizeof body), 4u) << "a read stops at the end of the data";
    EXPECT_EQ(body[0], 9);
}

TEST_P(RiffReaderTest, AscendSkipsThePadByteOfAnOddChunk)
{
    OpenBytes(Riff("WAVE", {Chunk("odd ", {1, 2, 3}), Chunk("next", {5, 5})}));
    ChunkInfo riff, odd, next;
    ASSERT_TRUE(reader_.Descend(riff, nullptr, RiffFind::Next));
    ASSERT_TRUE(reader_.Descend(odd, &riff, RiffFind::Next));
    EXPECT_EQ(odd.size, 3u);
    ASSERT_TRUE(reader_.Ascend(odd));
    EXPECT_EQ(reader_.Tell(), 12u + 8u + 4u);
    ASSERT_TRUE(reader_.Descend(next, &riff, RiffFind::Next));
    EXPECT_EQ(next.id, MakeFourCC('n', 'e', 'x', 't'));
}

TEST_P(RiffReaderTest, SizesThatOverrunTheirParentOrTheFileAreCut)
{
    // The RIFF chunk claims 1000 bytes, its only chunk 500: both stop at the file's end.
    OpenBytes(Riff("WAVE", {Chunk("data", {1, 2, 3, 4}, 500)}, 1000));
    ChunkInfo riff, data;
    data.id = MakeFourCC('d', 'a', 't', 'a');
    ASSERT_TRUE(reader_.Descend(riff, nullptr, RiffFind::Next));
    EXPECT_EQ(riff.available, bytes_.size() - 8);
    ASSERT_TRUE(reader_.Descend(data, &riff, RiffFind::Chunk));
    EXPECT_EQ(data.size, 500u);
    EXPECT_EQ(data.available, 4u);
}

TEST_P(RiffReaderTest, SearchEndsAtTheParentAndAtACutHeader)
{
    Bytes bytes = Riff("WAVE", {Chunk("aaaa", {1, 2})});
    const Bytes outside = Chunk("data", {7, 7});
    bytes.insert(bytes.end(), outside.begin(), outside.end());
    bytes.insert(bytes.end(), {'x', 'y', 'z'}); // a header cut short
    OpenBytes(bytes);
    ChunkInfo riff, data, any;
    ASSERT_TRUE(reader_.Descend(riff, nullptr, RiffFind::Next));
    data.id = MakeFourCC('d', 'a', 't', 'a');
    EXPECT_FALSE(reader_.Descend(data, &riff, RiffFind::Chunk)) << "data lies outside the RIFF chunk";

    ASSERT_TRUE(reader_.Seek(bytes.size() - 3));
    EXPECT_FALSE(reader_.Descend(any, nullptr, RiffFind::Next));
    EXPECT_FALSE(reader_.Seek(bytes.size() + 1));
}

TEST_P(RiffReaderTest, ReadsAcrossTheReadBuffer)
{
    Bytes body(200000);
    for (std::size_t i = 0; i < body.size(); ++i)
        body[i] = std::uint8_t(i * 7);
    OpenBytes(Riff("WAVE", {Chunk("data", body)}));
    ChunkInfo riff, data;
    data.id = MakeFourCC('d', 'a', 't', 'a');
    ASSERT_TRUE(reader_.Descend(riff, nullptr, RiffFind::Next));
    ASSERT_TRUE(reader_.Descend(data, &riff, RiffFind::Chunk));
    ASSERT_TRUE(reader_.Seek(data.dataOffset + 65530));
    Bytes part(70000);
    ASSERT_EQ(reader_.Read(part.data(), part.size()), part.size());
    EXPECT_TRUE(std::equal(part.begin(), part.end(), body.begin() + 65530));
}

INSTANTIATE_TEST_SUITE_P(MemoryAndFile, RiffReaderTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "File" : "Memory"; });

} // namespace
