#include "editor/column_encoding.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlix {
namespace {

Glyph columnOne(const std::string& rows) { // rows top to bottom, 'X' lit
    Glyph glyph;
    for (int r = 0; r < 8; ++r) {
        glyph.dots[0][r] = rows[r] == 'X';
    }
    return glyph;
}

struct Example {
    std::string rows;
    BitOptions options;
    ColumnTexts expected;
};

class WorkedExamples : public testing::TestWithParam<Example> {};

TEST_P(WorkedExamples, EncodeTheFirstColumn) {
    EXPECT_EQ(encodeColumns(columnOne(GetParam().rows), GetParam().options)[0],
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, WorkedExamples,
    testing::Values(Example{"XXXXXXXX", {}, {"00000000", "&H0", "0"}},
                    Example{"........", {}, {"11111111", "&HFF", "255"}},
                    Example{"X.......", {}, {"01111111", "&H7F", "127"}},
                    Example{"X.......", {false, true}, {"11111110", "&HFE", "254"}},
                    Example{"X.......", {true, false}, {"10000000", "&H80", "128"}},
                    Example{"X.......", {true, true}, {"00000001", "&H1", "1"}},
                    Example{"XXXX....", {}, {"00001111", "&HF", "15"}},
                    Example{"XXXXXXXX", {true, false}, {"11111111", "&HFF", "255"}},
                    Example{"..XXXX..", {false, true}, {"11000011", "&HC3", "195"}}));

Glyph randomGlyph(std::mt19937& random) {
    Glyph glyph;
    for (ColumnDots& column : glyph.dots) {
        for (bool& dot : column) {
            dot = random() & 1;
        }
    }
    return glyph;
}

const BitOptions everySetting[] = {{false, false}, {false, true}, {true, false}, {true, true}};

// An independent reading: the byte whose bit (8 - row) or (row - 1), rows
// counted from 1 at the top, is set where the dot's digit is 1.
unsigned expectedByte(const ColumnDots& dots, BitOptions options) {
    unsigned value = 0;
    for (int r = 1; r <= 8; ++r) {
        const bool digit = dots[r - 1] == options.invert;
        value |= digit ? 1u << (options.swapMsb ? r - 1 : 8 - r) : 0u;
    }
    return value;
}

TEST(ColumnEncoding, GeneratedGlyphsEncodeToTheirBytesAndDecodeBack) {
    std::mt19937 random(42);
    for (int round = 0; round < 500; ++round) {
        const Glyph glyph = randomGlyph(random);
        for (const BitOptions options : everySetting) {
            const GlyphTexts texts = encodeColumns(glyph, options);
            HexTexts hex;
            for (int c = 0; c < 5; ++c) {
                const unsigned byte = expectedByte(glyph.dots[c], options);
                EXPECT_EQ(std::stoul(texts[c].binary, nullptr, 2), byte);
                EXPECT_EQ(texts[c].binary.size(), 8u);
                EXPECT_EQ(std::stoul(texts[c].hex.substr(2), nullptr, 16), byte);
                EXPECT_EQ(texts[c].decimal, std::to_string(byte));
                hex[c] = texts[c].hex;
            }
            EXPECT_EQ(decodeColumns(hex, options), glyph);
        }
    }
}

TEST(ColumnEncoding, EveryByteDecodesToDotsThatEncodeBackToIt) {
    for (const BitOptions options : everySetting) {
        for (unsigned byte = 0; byte < 256; ++byte) {
            const ColumnDots dots = decodeColumn(static_cast<ColumnByte>(byte), options);
            EXPECT_EQ(expectedByte(dots, options), byte);
        }
    }
    EXPECT_EQ(decodeColumns({"&H1", "&H2", "&H1FF", "&H4", "&H5"}, {}), std::nullopt);
}

} // namespace
} // namespace vorlix
