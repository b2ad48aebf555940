#include "editor/column_encoding.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlix {
namespace {

PixelStates columnOne(const std::string& rows) { // rows top to bottom, 'X' lit
    PixelStates pixels{};
    for (int r = 0; r < 8; ++r) {
        pixels[r] = rows[r] == 'X';
    }
    return pixels;
}

struct Example {
    std::string rows;
    bool invert;
    bool swap;
    ColumnTexts expected;
};

class WorkedExamples : public testing::TestWithParam<Example> {};

TEST_P(WorkedExamples, EncodeTheFirstColumn) {
    const Example& e = GetParam();
    const BitValues bits = e.invert ? BitValues{1, 0} : BitValues{0, 1};
    EXPECT_EQ(encodeColumns(columnOne(e.rows), e.swap, bits)[0], e.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, WorkedExamples,
    testing::Values(Example{"XXXXXXXX", false, false, {"00000000", "&H0", "0"}},
                    Example{"........", false, false, {"11111111", "&HFF", "255"}},
                    Example{"X.......", false, false, {"01111111", "&H7F", "127"}},
                    Example{"X.......", false, true, {"11111110", "&HFE", "254"}},
                    Example{"X.......", true, false, {"10000000", "&H80", "128"}},
                    Example{"X.......", true, true, {"00000001", "&H1", "1"}},
                    Example{"XXXX....", false, false, {"00001111", "&HF", "15"}},
                    Example{"XXXXXXXX", true, false, {"11111111", "&HFF", "255"}},
                    Example{"..XXXX..", false, true, {"11000011", "&HC3", "195"}},
                    Example{"..XXXX..", false, false, {"11000011", "&HC3", "195"}}));

// An independent reading: the byte whose bit (8 - row) or (row - 1) is set
// where the pixel's digit is 1.
unsigned expectedByte(const PixelStates& pixels, int c, bool swap, bool invert) {
    unsigned value = 0;
    for (int r = 1; r <= 8; ++r) {
        const bool digit = pixels[c * 8 + r - 1] == invert;
        const int bit = swap ? r - 1 : 8 - r;
        value |= digit ? (1u << bit) : 0u;
    }
    return value;
}

TEST(EncodeColumns, MatchesIndependentByteForRandomGridsInEveryMode) {
    std::mt19937 random(42);
    for (int round = 0; round < 500; ++round) {
        PixelStates pixels;
        for (bool& p : pixels) {
            p = random() & 1;
        }
        for (const bool swap : {false, true}) {
            for (const bool invert : {false, true}) {
                const auto columns =
                    encodeColumns(pixels, swap, invert ? BitValues{1, 0} : BitValues{0, 1});
                for (int c = 0; c < 5; ++c) {
                    const unsigned byte = expectedByte(pixels, c, swap, invert);
                    EXPECT_EQ(std::stoul(columns[c].binary, nullptr, 2), byte);
                    EXPECT_EQ(std::stoul(columns[c].hex.substr(2), nullptr, 16), byte);
                    EXPECT_EQ(columns[c].decimal, std::to_string(byte));
                    EXPECT_EQ(columns[c].binary.size(), 8u);
                }
            }
        }
    }
}

} // namespace
} // namespace vorlix
