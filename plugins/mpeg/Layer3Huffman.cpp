#include "Layer3Huffman.h"

#include "Layer3HuffmanTables.h"

#include <algorithm>
#include <vector>

namespace mpeg {

namespace {

// Lookup tables built once from the code tables: each level is indexed by the next few
// bits of the stream; an entry either names the decoded symbol and how many bits of this
// level its code uses, or points to the next level.
struct LookupEntry {
    uint16_t value;    // symbol, or start of the next level in the pool
    uint8_t length;    // bits used at this level for a symbol; 0 for a pointer
    uint8_t nextBits;  // index width of the next level
};

struct Code {
    uint32_t bits;
    int length;
    uint16_t symbol;
};

struct DecodeTable {
    uint32_t start = 0;
    int bits = 0;
};

class LookupPool {
public:
    DecodeTable Add(const HuffmanCode* codes, int count, bool quadruple, int dimension)
    {
        std::vector<Code> list;
        for (int i = 0; i < count; ++i) {
            uint16_t symbol = quadruple ? static_cast<uint16_t>(i)
                                        : static_cast<uint16_t>(((i / dimension) << 4) | (i % dimension));
            list.push_back({codes[i].bits, codes[i].length, symbol});
        }
        return Build(list, 0);
    }
    const LookupEntry* Data() const { return pool_.data(); }

private:
    static constexpr int kLevelBits = 9;

    DecodeTable Build(const std::vector<Code>& codes, int consumed)
    {
        int longest = 0;
        for (const Code& c : codes)
            longest = std::max(longest, c.length - consumed);
        const int bits = std::min(longest, kLevelBits);
        const uint32_t start = static_cast<uint32_t>(pool_.size());
        pool_.resize(pool_.size() + (size_t(1) << bits), LookupEntry{0, 0, 0});
        std::vector<std::vector<Code>> children(size_t(1) << bits);
        for (const Code& c : codes) {
            int rest = c.length - consumed;
            uint32_t tail = c.bits & ((1u << rest) - 1);
            if (rest <= bits) {
                uint32_t first = tail << (bits - rest);
                for (uint32_t k = 0; k < (1u << (bits - rest)); ++k)
                    pool_[start + first + k] = LookupEntry{c.symbol, static_cast<uint8_t>(rest), 0};
            } else {
                children[tail >> (rest - bits)].push_back(c);
            }
        }
        for (size_t index = 0; index < children.size(); ++index) {
            if (children[index].empty())
                continue;
            DecodeTable sub = Build(children[index], consumed + bits);
            pool_[start + index] = LookupEntry{static_cast<uint16_t>(sub.start), 0, static_cast<uint8_t>(sub.bits)};
        }
        return {start, bits};
    }

    std::vector<LookupEntry> pool_;
};

struct HuffmanSet {
    LookupPool pool;
    DecodeTable pairs[32];
    int linbits[32] = {};
    bool usable[32] = {};
    DecodeTable count1A;

    HuffmanSet()
    {
        struct Source {
            int table;
            const HuffmanCode* codes;
            int dimension;
        };
        const Source sources[] = {
            {1, kHuffmanTable1, 2},   {2, kHuffmanTable2, 3},   {3, kHuffmanTable3, 3},   {5, kHuffmanTable5, 4},
            {6, kHuffmanTable6, 4},   {7, kHuffmanTable7, 6},   {8, kHuffmanTable8, 6},   {9, kHuffmanTable9, 6},
            {10, kHuffmanTable10, 8}, {11, kHuffmanTable11, 8}, {12, kHuffmanTable12, 8}, {13, kHuffmanTable13, 16},
            {15, kHuffmanTable15, 16}, {16, kHuffmanTable16, 16}, {24, kHuffmanTable24, 16},
        };
        for (const Source& s : sources) {
            pairs[s.table] = pool.Add(s.codes, s.dimension * s.dimension, false, s.dimension);
            usable[s.table] = true;
        }
        static constexpr int kLinbits16[8] = {1, 2, 3, 4, 6, 8, 10, 13};
        static constexpr int kLinbits24[8] = {4, 5, 6, 7, 8, 9, 11, 13};
        for (int i = 0; i < 8; ++i) {
            pairs[16 + i] = pairs[16];
            linbits[16 + i] = kLinbits16[i];
            usable[16 + i] = true;
            pairs[24 + i] = pairs[24];
            linbits[24 + i] = kLinbits24[i];
            usable[24 + i] = true;
        }
        count1A = pool.Add(kCount1TableA, 16, true, 0);
    }
};

const HuffmanSet& Tables()
{
    static const HuffmanSet set;
    return set;
}

inline int DecodeSymbol(BitReader& bits, const LookupEntry* pool, DecodeTable table)
{
    uint32_t start = table.start;
    int width = table.bits;
    for (;;) {
        const LookupEntry& e = pool[start + bits.Peek(width)];
        if (e.length != 0) {
            bits.Skip(e.length);
            return e.value;
        }
        bits.Skip(static_cast<size_t>(width));
        start = e.value;
        width = e.nextBits;
    }
}

inline int WithSign(BitReader& bits, int magnitude)
{
    if (magnitude == 0)
        return 0;
    return bits.ReadBit() ? -magnitude : magnitude;
}

} // namespace

int Layer3Huffman::Decode(BitReader& bits, size_t endBit, const GranuleChannel& gc, const uint16_t* longBands,
                          int shortBand3, int* values)
{
    const HuffmanSet& set = Tables();
    const LookupEntry* pool = set.pool.Data();

    int bigEnd = std::min(gc.bigValues * 2, 576);
    int region1Start;
    int region2Start;
    if (gc.windowSwitching) {
        region1Start = (gc.blockType == 2 && !gc.mixedBlock) ? 3 * shortBand3 : longBands[8];
        region2Start = 576;
    } else {
        region1Start = longBands[std::min(gc.region0Count + 1, 22)];
        region2Start = longBands[std::min(gc.region0Count + gc.region1Count + 2, 22)];
    }
    const int regionEnd[3] = {std::min(region1Start, bigEnd), std::min(region2Start, bigEnd), bigEnd};

    int line = 0;
    for (int region = 0; region < 3; ++region) {
        const int table = gc.tableSelect[region];
        const int end = std::max(regionEnd[region], line);
        if (table == 0 || !set.usable[table]) {
            for (; line < end; ++line)
                values[line] = 0;
            continue;
        }
        const DecodeTable decode = set.pairs[table];
        const int linbits = set.linbits[table];
        size_t position = bits.Position();
        for (; line < end; line += 2) {
            // One 64-bit window holds the code's last level, both linbits and both signs.
            uint64_t word = bits.WordAt(position);
            uint32_t start = decode.start;
            int width = decode.bits;
            const LookupEntry* e = &pool[start + (word >> (64 - width))];
            while (e->length == 0) {
                position += static_cast<size_t>(width);
                word = bits.WordAt(position);
                width = e->nextBits;
                e = &pool[e->value + (word >> (64 - width))];
            }
            word <<= e->length;
            position += e->length;
            int x = e->value >> 4;
            int y = e->value & 15;
            if (linbits != 0 && x == 15) {
                x += static_cast<int>(word >> (64 - linbits));
                word <<= linbits;
                position += static_cast<size_t>(linbits);
            }
            if (x != 0) {
                if (word >> 63)
                    x = -x;
                word <<= 1;
                ++position;
            }
            if (linbits != 0 && y == 15) {
                y += static_cast<int>(word >> (64 - linbits));
                word <<= linbits;
                position += static_cast<size_t>(linbits);
            }
            if (y != 0) {
                if (word >> 63)
                    y = -y;
                ++position;
            }
            values[line] = x;
            values[line + 1] = y;
        }
        bits.SetPosition(position);
    }
    if (bits.Position() > endBit) {
        // The big values ran past the granule's data: a damaged granule.
        for (int i = 0; i < 576; ++i)
            values[i] = 0;
        bits.SetPosition(endBit);
        return 0;
    }

    while (line + 4 <= 576 && bits.Position() < endBit) {
        int symbol;
        if (gc.count1Table)
            symbol = static_cast<int>(bits.Read(4)) ^ 15;
        else
            symbol = DecodeSymbol(bits, pool, set.count1A);
        int quad[4] = {(symbol >> 3) & 1, (symbol >> 2) & 1, (symbol >> 1) & 1, symbol & 1};
        for (int k = 0; k < 4; ++k)
            quad[k] = WithSign(bits, quad[k]);
        if (bits.Position() > endBit)
            break;  // the last quadruple was cut off by the end of the data: not part of it
        values[line] = quad[0];
        values[line + 1] = quad[1];
        values[line + 2] = quad[2];
        values[line + 3] = quad[3];
        line += 4;
    }
    for (int i = line; i < 576; ++i)
        values[i] = 0;
    bits.SetPosition(endBit);
    return line;
}

} // namespace mpeg
