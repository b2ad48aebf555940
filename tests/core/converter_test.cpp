#include "case_name.h"
#include "library/converter.h"
#include "library/preview.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

struct Case {
    const char* what;
    std::string value;
    std::int16_t places;
    std::string text; // empty: no number, every field left as it was
};

class Dec2BinTable : public testing::TestWithParam<Case> {};

TEST_P(Dec2BinTable, GivesTextAndFields) {
    const Case& c = GetParam();
    BINREC before;
    before.Bit.fill(7); // a marker no conversion writes
    const Dec2BinResult result = DEC2BIN(c.value, c.places, before);
    EXPECT_EQ(result.text, c.text);
    // Each of the first eight characters that is a digit is its field, Bit7 first.
    BINREC expected = before;
    for (std::size_t k = 0; k < 8 && k < c.text.size(); ++k) {
        if (c.text[k] == '0' || c.text[k] == '1') {
            expected.Bit[7 - k] = c.text[k] - '0';
        }
    }
    EXPECT_EQ(result.digits, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Dec2BinTable,
    testing::Values(Case{"empty", "", 13, ""}, Case{"hex", "&H7E", 13, "01111110"},
                    Case{"hex in lower case among blanks", " \t&h7e\t ", 13, "01111110"},
                    Case{"nine bits", "256", 13, "100000000"},
                    Case{"hex of nine bits", "&H1FF", 13, "111111111"},
                    Case{"a fraction", "2.5", 13, "000010.1"},
                    Case{"a fraction to 13 places", "0.1", 13, "0.0001100110011"},
                    Case{"a fraction to 3 places", "0.1", 3, "0000.000"},
                    Case{"no places", "0.5", 0, "00000000"},
                    Case{"no whole part", ".5", 2, "000000.1"},
                    Case{"no fraction digits", "3.", 13, "00000011"},
                    // log2 rounds to 30 below 2^30.5 and to 31 from it on.
                    Case{"log2 rounds to 30", "1518500249", 13, "1011010100000100111100110011001"},
                    Case{"log2 rounds to 31", "1518500250", 13, ""}, Case{"letters", "abc", 13, ""},
                    Case{"minus", "-5", 13, ""}, Case{"plus", "+5", 13, ""},
                    Case{"an exponent", "1e3", 13, ""}, Case{"hex without digits", "&H", 13, ""},
                    Case{"hex with a letter beyond F", "&HG1", 13, ""},
                    Case{"C hex", "0x7E", 13, ""}, Case{"a dot alone", ".", 13, ""},
                    Case{"two dots", "1.2.3", 13, ""}, Case{"a blank inside hex", "& H7E", 13, ""},
                    Case{"hex too long", "&H123456789", 13, ""}),
    caseName<Case>);

TEST(Dec2Bin, EveryByteGivesItsEightBits) {
    for (int v = 0; v < 256; ++v) {
        const auto result = DEC2BIN(std::to_string(v), 13, {});
        ASSERT_EQ(result.text.size(), 8u);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(result.digits.Bit[k], (v >> k) & 1) << v;
        }
    }
}

// The 40 dots as five column texts, top to bottom, 'X' lit.
std::string dots(const Preview& preview) {
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += std::string(i > 0 && i % 8 == 0 ? " " : "") + (preview.lit[i] ? 'X' : '.');
    }
    return text;
}

// Columns that are no number repeat the last that was, even from a record before.
TEST(Preview, ColumnThatIsNoNumberRepeatsTheOneBefore) {
    const FONTREC record{"x", {"&H7E", "&HF0", "", "&H1", "junk"}};
    EXPECT_EQ(dots(previewGlyph(record, {})), "X......X ....XXXX ....XXXX XXXXXXX. XXXXXXX.");
    const BINREC earlier = previewGlyph({"y", {"", "", "", "", "&HF"}}, {}).digits;
    EXPECT_EQ(dots(previewGlyph({}, earlier)), "XXXX.... XXXX.... XXXX.... XXXX.... XXXX....");
}

} // namespace
} // namespace vorlix
