#include "case_name.h"
#include "library/library_format.h"

#include "common/utf8.h"
#include "library/character_name.h"
#include "library/cp1252.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iconv.h>
#include <random>

namespace vorlix {
namespace {

std::string golden(const std::string& name) {
    std::ifstream in(std::string(VORLIX_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const FONTREC letterA{"A", {"&H7E", "&H11", "&H11", "&H11", "&H7E"}};

TEST(LibraryFormat, WritesAndReadsTheGoldenLibraries) {
    const FontTable several{{" ", {"&HFF", "&HFF", "&HFF", "&HFF", "&HFF"}},
                            {",", {"&HFF", "&H5F", "&H9F", "&HFF", "&HFF"}},
                            letterA,
                            {"a", {"&H0", "&H2", "&H3", "&H4", "&H5"}},
                            {"A B", {"&H1", "&H2", "&H3", "&H4", "&H5"}},
                            {"\u00E9", {"&H1", "&H2", "&H3", "&H4", "&H5"}}};
    const std::string bytes = golden("several_records.txt");
    EXPECT_EQ(libraryBytes(several), bytes);
    EXPECT_EQ(parseLibrary(bytes).records, several);
    const ParsedLibrary edited = parseLibrary(golden("hand_edited.txt"));
    EXPECT_FALSE(edited.damage) << edited.damage->what;
    EXPECT_EQ(edited.records,
              FontTable({letterA, {"B", {"&H7F", "&H49", "&H49", "&H49", "&H36"}}}));
}

struct Layout {
    const char* what;
    std::string bytes;
    std::vector<int> lines; // each whole record's first line
    int damageLine;         // 0: none
    std::string damage;     // a part of the damage message
};

class Layouts : public testing::TestWithParam<Layout> {};

TEST_P(Layouts, GiveWholeRecordsTheirLinesAndSayWhereReadingStopped) {
    const Layout& c = GetParam();
    const ParsedLibrary parsed = parseLibrary(c.bytes);
    EXPECT_EQ(parsed.lines, c.lines);
    EXPECT_EQ(parsed.records.size(), c.lines.size());
    EXPECT_EQ(parsed.damage ? parsed.damage->line : 0, c.damageLine);
    EXPECT_NE(parsed.damage.value_or(Damage{}).what.find(c.damage), std::string::npos);
}

const std::string a = R"("A","1","2","3","4","5")";
const std::string b = R"("B","1","2","3","4","5")";
const std::string good = a + "\r\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, Layouts,
    testing::Values(
        Layout{"empty file", "", {}, 0, ""},
        Layout{"blank lines only", "  \n\n\t\r\n", {}, 0, ""},
        Layout{"two records", good + b + "\r\n", {1, 2}, 0, ""},
        Layout{"blank lines of every kind", "\r\n\n  \r" + a + "\n\n" + b, {4, 6}, 0, ""},
        // A record may span lines, even inside a quoted field.
        Layout{"a record spans lines", "\"A\",\"1\"\r\n\"2\",\"3\",\"4\",\"5\"\r\n" + b, {1, 3}, 0,
               ""},
        Layout{"a quoted field spans lines", "\"x\r\ny\",1,2,3,4,5\r\n" + b, {1, 3}, 0, ""},
        Layout{"a quote never closed", good + b + "\r\n\"C\",\"1\r\n", {1, 2}, 3, "never closed"},
        Layout{"the file ends inside a record", good + "\"B\",\"&H1\",\"&H2\"\r\n", {1}, 2,
               "ends inside a record"},
        Layout{"five of six fields", good + "\"N\",\"1\",\"2\",\"3\",\"4\"\r\n", {1}, 2,
               "5 of its 6"},
        Layout{"a record cut short", good + "\"N\",\"1\",\"2\"\r\n" + b, {1}, 2, "cut short (3 of"},
        Layout{"text after a closing quote", good + "\"B\"x,1,2,3,4,5\r\n", {1}, 2,
               "after a closing quote"},
        Layout{"a quote inside a field", good + "B\"C,1,2,3,4,5\r\n", {1}, 2, "double quote"},
        Layout{"more than six fields", good + "\"B\",1,2,3,4,5,6\r\n", {1}, 2, "more than six"},
        Layout{"NUL bytes", good + std::string("\0\x01\x02junk", 7), {1}, 2, "0x00"},
        Layout{"marked UTF 8 with an overlong form",
               "\xEF\xBB\xBF" + good + "\"\xC0\xAF\",1,2,3,4,5\r\n", {1}, 2, "not UTF-8"},
        Layout{"a program file", "\x7F" "ELF\x02\x01", {}, 1, "0x7F"}),
    caseName<Layout>);
// clang-format on

TEST(LibraryFormat, UnmarkedUtf8IsNoticedByItsLine) {
    EXPECT_EQ(firstUtf8Line(a + "\n\"\xC3\xA9\",1,2,3,4,5\r\n"), 2);
    EXPECT_FALSE(firstUtf8Line(good + "\"\xE9\",1,2,3,4,5\r\n\"\xC3\xA9\",1,2,3,4,5\r\n"));
    EXPECT_FALSE(firstUtf8Line(good));
}

// glibc's table where it has the byte; the five bytes it lacks stand for
// the code points of the same number.
TEST(Utf8, AStrayByteIsOneReplacementAndReadingGoesOn) {
    EXPECT_EQ(toCodePoints(std::string("A\xFF") + "B\xC3"), U"A\uFFFDB\uFFFD");
}

TEST(Cp1252, AgreesWithIconvAndSurvivesBothWays) {
    const iconv_t iconvTo = iconv_open("UTF-8", "CP1252");
    if (iconvTo == reinterpret_cast<iconv_t>(-1)) {
        GTEST_SKIP() << "iconv knows no CP1252 here";
    }
    std::string all;
    std::u32string printable; // what a font import asks for: all that 1252 draws
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte), out[8];
        char *from = &in, *to = out;
        std::size_t left = 1, room = sizeof out;
        const bool known = iconv(iconvTo, &from, &left, &to, &room) != static_cast<std::size_t>(-1);
        EXPECT_EQ(cp1252ToUtf8({&in, 1}),
                  known ? std::string(out, to) : toUtf8(std::u32string(1, char32_t(byte))));
        all += in;
        if (known && byte >= 0x20 && byte != 0x7F) {
            printable += toCodePoints(std::string(out, to));
        }
    }
    iconv_close(iconvTo);
    EXPECT_EQ(printableCp1252(), std::vector<char32_t>(printable.begin(), printable.end()));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    for (const char* text : {"\u0416", "A\U0001F600", "\xFF"}) {
        EXPECT_FALSE(utf8ToCp1252(text)) << text;
    }
}

// Text without quotes, from characters 1252 can store; line breaks and tabs
// too, which hand-edited quoted fields may hold.
std::string randomText(std::mt19937& random, int maxLength) {
    static const std::u32string letters = U" ,AZaz09&H\t\r\n\u00E9\u20AC\u0178.;";
    std::u32string text(random() % (maxLength + 1), U' ');
    for (char32_t& c : text) {
        c = letters[random() % letters.size()];
    }
    return toUtf8(text);
}

TEST(LibraryFormat, GeneratedTablesSurviveWriteThenRead) {
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        const auto encoding = round % 2 ? TextEncoding::utf8WithMark : TextEncoding::windows1252;
        FontTable table;
        for (int k = random() % 20; k > 0; --k) {
            FONTREC record{randomText(random, 3), {}};
            for (std::string& hex : record.HEX) {
                hex = randomText(random, round % 8 == 0 ? 400 : 5); // lengths of 2 bytes too
            }
            table.push_back(record);
        }
        const auto bytes = libraryBytes(table, encoding);
        ASSERT_TRUE(bytes);
        const ParsedLibrary parsed = parseLibrary(*bytes);
        ASSERT_FALSE(parsed.damage) << parsed.damage->what;
        EXPECT_EQ(parsed.records, table);
        EXPECT_EQ(parsed.encoding, encoding);
        EXPECT_EQ(libraryBytes(parsed.records, parsed.encoding), bytes);
    }
    EXPECT_FALSE(libraryBytes({{"a\"b", {}}})); // no escape for a quote
}

// Controls and surrogates are named by code point alone; a report names ten.
TEST(CharacterNames, ShowWhatATerminalShowsAndTenAtMost) {
    std::vector<char32_t> edges{0x1F, 0x20,   0x7E,   0x7F,   0x80,  0x9F,
                                0xA0, 0xD7FF, 0xD800, 0xDFFF, 0xE000};
    const std::string ten = "U+001F, ' ' (U+0020), '~' (U+007E), U+007F, U+0080, U+009F, "
                            "'\u00A0' (U+00A0), '\uD7FF' (U+D7FF), U+D800, U+DFFF";
    EXPECT_EQ(characterNames(edges), "11 characters, the first 10: " + ten);
    edges.pop_back();
    EXPECT_EQ(characterNames(edges), ten);
}

} // namespace
} // namespace vorlix
