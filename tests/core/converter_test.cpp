#include "library/converter.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

// Fields Bit7..Bit0 as a text; '-' marks a field that kept its old value.
std::string fields(const BINREC& digits, const BINREC& before) {
    std::string text;
    for (int k = 7; k >= 0; --k) {
        text +=
            digits.Bit[k] == before.Bit[k] && before.Bit[k] == 7 ? '-' : char('0' + digits.Bit[k]);
    }
    return text;
}

struct Case {
    std::string value;
    std::int16_t places;
    std::string text;
    std::string bits; // Bit7..Bit0, '-' unchanged
};

class Dec2BinTable : public testing::TestWithParam<Case> {};

TEST_P(Dec2BinTable, GivesTextAndFields) {
    const Case& c = GetParam();
    BINREC before;
    before.Bit.fill(7); // a marker no conversion writes
    const Dec2BinResult result = DEC2BIN(c.value, c.places, before);
    EXPECT_EQ(result.text, c.text);
    EXPECT_EQ(fields(result.digits, before), c.bits);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Dec2BinTable,
    testing::Values(
        Case{"&H7E", 13, "01111110", "01111110"}, Case{"&H0", 13, "00000000", "00000000"},
        Case{"&HFF", 13, "11111111", "11111111"}, Case{"&H1", 13, "00000001", "00000001"},
        Case{"&H80", 13, "10000000", "10000000"}, Case{"&H5", 13, "00000101", "00000101"},
        Case{"", 13, "", "--------"}, Case{"256", 13, "100000000", "10000000"},
        Case{"2.5", 13, "000010.1", "000010-1"}, Case{"0.1", 13, "0.0001100110011", "0-000110"},
        Case{"0.1", 3, "0000.000", "0000-000"}, Case{"0.5", 0, "00000000", "00000000"},
        Case{"1518500249", 13, "1011010100000100111100110011001", "10110101"},
        Case{"1518500250", 13, "", "--------"},
        // Spellings that count as numbers.
        Case{"&h7e", 13, "01111110", "01111110"}, Case{" 126 ", 13, "01111110", "01111110"},
        Case{"\t&H7E\t", 13, "01111110", "01111110"}, Case{".5", 2, "000000.1", "000000-1"},
        Case{"3.", 13, "00000011", "00000011"},
        // And those that do not.
        Case{"abc", 13, "", "--------"}, Case{"-5", 13, "", "--------"},
        Case{"+5", 13, "", "--------"}, Case{"1e3", 13, "", "--------"},
        Case{"&H", 13, "", "--------"}, Case{"&HG1", 13, "", "--------"},
        Case{"0x7E", 13, "", "--------"}, Case{".", 13, "", "--------"},
        Case{"1.2.3", 13, "", "--------"}, Case{"& H7E", 13, "", "--------"},
        Case{"&H123456789", 13, "", "--------"},
        // More than two hex digits: the plain unsigned value.
        Case{"&H1FF", 13, "111111111", "11111111"}));

TEST(Dec2Bin, EveryByteGivesItsEightBits) {
    for (int v = 0; v < 256; ++v) {
        const auto result = DEC2BIN(std::to_string(v), 13, {});
        ASSERT_EQ(result.text.size(), 8u);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(result.digits.Bit[k], (v >> k) & 1) << v;
        }
    }
}

} // namespace
} // namespace vorlix
