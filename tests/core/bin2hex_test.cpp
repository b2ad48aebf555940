#include "editor/bin2hex.h"
#include "editor/column_text.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlix {
namespace {

struct Case {
    std::string input;
    std::string expected;
};

class Bin2HexTable : public testing::TestWithParam<Case> {};

TEST_P(Bin2HexTable, GivesHexText) {
    EXPECT_EQ(BIN2HEX(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Bin2HexTable,
    testing::Values(Case{"11111111", "&HFF"}, Case{"00000000", "&H0"}, Case{"", "&H0"},
                    Case{"0", "&H0"}, Case{" &b1010 ", "&HA"}, Case{"1111 0000", "&HF0"},
                    Case{"10201", "&H11"}, Case{"&B11111111", "&HFF"}, Case{"&H11", "&H3"},
                    Case{"0" + std::string(31, '1'), "&H7FFFFFFF"},
                    Case{"1" + std::string(32, '0'), "&H0"},
                    // A tab is no space: it stays and counts as a 0 digit.
                    Case{"1\t", "&H2"}, Case{"\t1", "&H1"},
                    // "& B" is no prefix: both characters count as 0 digits.
                    Case{"& B1", "&H1"}, Case{"1& B1", "&H9"},
                    // The prefix is only taken after the outer spaces go.
                    Case{"  &B 1 1", "&H3"}, Case{"&B&B1", "&H1"},
                    // Only the rightmost 32 characters count.
                    Case{std::string(40, '1'), "&HFFFFFFFF"},
                    Case{"1" + std::string(31, '0'), "&H80000000"},
                    Case{"1" + std::string(31, '0') + "1", "&H1"},
                    // A non-ASCII character is one 0 digit, not one per byte.
                    Case{"1\xC3\xA9", "&H2"}, Case{"01111110", "&H7E"}, Case{"00001111", "&HF"}),
    [](const testing::TestParamInfo<Case>& info) { return "case" + std::to_string(info.index); });

TEST(Bin2Hex, AgreesWithPlainBinaryReadingOfRandomWords) {
    std::mt19937 random(20261206);
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t v = random();
        std::string bits;
        for (int b = 31; b >= 0; --b) {
            bits += (v >> b) & 1 ? '1' : '0';
        }
        EXPECT_EQ(BIN2HEX(bits), hexText(v));
    }
}

} // namespace
} // namespace vorlix
